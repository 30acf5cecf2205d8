#pragma once
// One simulated device on the line: its address, identification, memories, mode, status and
// error words, outputs, inputs and parameters, and the handling of one request frame. It checks
// a frame as strictly as the box: upper-case hexadecimal digits, exact lengths, checksums and
// argument ranges; a bad frame gets NAK.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kSpeichergroesse = 65536;
inline constexpr const char* kTvm5rKennung = "NOV-TVM5AR V1.00";

class Geraet {
 public:
  explicit Geraet(char adresse = '1', std::string kennung = kTvm5rKennung);

  // Whether a frame with this address character is for this device: its own address, '&' (all
  // devices), and the address number 9 of the older baud-rate command.
  bool Angesprochen(const std::string& rahmen) const;
  // Handles one complete frame from "#" to CR that Angesprochen accepts. Returns the bytes the
  // device sends back: ACK with the answer line, NAK for a bad frame; nothing for frames to all
  // devices, which carry out writing commands silently.
  std::string RahmenBearbeiten(const std::string& rahmen);

  char adresse;
  std::string kennung;  // at most 26 characters fit the identification answer
  int baud = 9600;      // set by the older baud-rate command; the line's pacing may follow it
  // Mode word. The box starts in curve-generator operation (value 4 set, value 2 clear); the
  // characteristic controller switches it to characteristic operation (value 2 set, value 4
  // clear) with the mode commands after writing a slot.
  uint8_t modus = 4;
  uint8_t status = 0;
  uint8_t fehler = 0;
  std::array<double, 4> ausgaenge{};  // volts as last written
  double maxCurrent = 6.0;
  double compartibilityMode = 0.0;
  // The status-word request (S1R) has the same bytes as the signal box's parameter read of
  // "compartibility_mode"; when set, the device answers it with that parameter in decimal.
  bool kompatibilitaetStattStatus = false;
  bool laeuft = false;  // started by "start", stopped by "stopp"

  // A memory cell that stores every written byte with the bits of xorMaske inverted, while the
  // write itself is acknowledged: a fault only a read-back comparison finds.
  struct Speicherfehler {
    int typ = 4;
    int adresse = 0;
    uint8_t xorMaske = 0xFF;
  };
  std::vector<Speicherfehler> speicherfehler;

  // Test signal of input nummer 1..4; false (and unchanged) for a value that is not finite or
  // outside -999.999..999.999 (the answer line has room for eight characters).
  bool EingangSetzen(int nummer, double volt);
  double Eingang(int nummer) const { return eingaenge_.at(nummer - 1); }

  // Memory type 4 or 5, 65536 bytes.
  std::vector<uint8_t>& Speicher(int typ);
  const std::vector<uint8_t>& Speicher(int typ) const;
  // Inverts the bits of xorMaske in one byte, so that a read-back comparison must fail.
  void SpeicherVerfaelschen(int typ, int adresse, uint8_t xorMaske = 0xFF);
  // Both memories as one file of 131072 bytes (type 4, then type 5). Loading a file of another
  // size fails and changes nothing.
  bool SpeicherLaden(const std::string& pfad);
  bool SpeicherSpeichern(const std::string& pfad) const;

 private:
  std::array<double, 4> eingaenge_{};
  std::array<std::vector<uint8_t>, 2> speicher_;
};
