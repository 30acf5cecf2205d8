#pragma once
// A serial line with one or more simulated devices: bytes go in, the devices' answer bytes come
// out. Faults can be injected on chosen frame numbers or at chosen rates (seeded random), and
// every frame can be logged.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "sim/geraet.h"

enum class Stoerart {
  Nak,                // NAK instead of the answer
  Can,                // CAN instead of the answer
  Stille,             // no answer at all
  Abgeschnitten,      // the answer loses its last parameter bytes (0: half of it)
  FruehesEnde,        // parameter bytes (0: 2) before the final CR are left out
  FalscheChecksumme,  // memory read answer: checksum plus 1
  FalschesEcho,       // the byte at index parameter (0: 1, the address) of the answer line + 1
  Muell,              // parameter (0: 1) garbage bytes before the answer
  Bitfehler,          // parameter (0: 1) times one of the low 7 bits of a random answer byte flips
  // The line drops in the middle of the answer (its first half arrives) and stays dead, taking
  // and answering nothing, for the next parameter (0: 3) frames.
  Auflegen,
};

struct Stoerung {
  Stoerart art;
  int parameter = 0;
};

// The fault kind of a name ("nak", "can", "stille", "abgeschnitten", "fruehesende",
// "checksumme", "echo", "muell", "bitfehler", "auflegen"), nothing for an unknown name.
std::optional<Stoerart> StoerartAusName(std::string_view name);
const char* StoerartName(Stoerart art);

struct Protokolleintrag {
  long nummer = 0;  // frames counted from 1 in the order received
  std::string anfrage;
  std::string antwort;  // as sent, after any fault
  std::optional<Stoerung> stoerung;
};

// One log line, control characters written as <CR>, <ACK>, <NAK>, <CAN> or <xx>.
std::string ProtokollText(const Protokolleintrag& eintrag);

// Seconds one character takes on the line at baud (10 bits per character).
double Zeichendauer(int baud);

class SimLeitung {
 public:
  explicit SimLeitung(uint32_t seed = 1) : zufall_(seed) {}

  // The reference stays valid while the line lives.
  Geraet& GeraetHinzufuegen(char adresse, std::string kennung = kTvm5rKennung);
  Geraet* GeraetMit(char adresse);
  std::deque<Geraet>& Geraete() { return geraete_; }

  // Takes received bytes; returns what the devices answer (empty until a CR ends a frame).
  // Bytes outside a frame are ignored; a frame longer than 300 bytes is dropped.
  std::string Empfangen(std::string_view bytes);
  std::string Empfangen(uint8_t byte);

  void StoerungAufRahmen(long nummer, Stoerung stoerung) { aufRahmen_[nummer] = stoerung; }
  // Each frame draws once per registered fault; the first that hits applies. Frames that
  // arrive while the line is dead after a hang-up reach no device and get no answer.
  void StoerungMitRate(Stoerung stoerung, double rate) { raten_.push_back({stoerung, rate}); }
  void StoerungenLoeschen();

  long Rahmenzahl() const { return rahmenzahl_; }
  // Frames the line still loses after a hang-up.
  int TotRahmen() const { return totRahmen_; }
  // Called for every complete frame when set.
  std::function<void(const Protokolleintrag&)> protokoll;

 private:
  std::string RahmenBearbeiten(const std::string& rahmen);
  std::optional<Stoerung> StoerungFuer(long nummer);
  std::string Stoeren(std::string antwort, const Stoerung& stoerung);

  std::deque<Geraet> geraete_;
  std::string rahmen_;
  bool imRahmen_ = false;
  long rahmenzahl_ = 0;
  int totRahmen_ = 0;  // frames still lost after a hang-up
  std::map<long, Stoerung> aufRahmen_;
  std::vector<std::pair<Stoerung, double>> raten_;
  std::mt19937 zufall_;
};
