#pragma once
// Machinery of the fault soak: a port that counts what the driver waits for and can fail on
// request, one table row per operation, and a run that draws an operation and a fault per
// exchange, classifies the result and counts. The run happens in a child process, so that a
// crash is counted and printed instead of ending the test.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "device/comport.h"
#include "sim/simleitung.h"

// Faults of the port itself, on the n-th call of the kind within one exchange.
enum class Portstoerart { Schreibfehler, KurzGeschrieben, EingangLeerenFehler, AusgangFehler };

// A port around another that counts the writes (one per request frame), the bytes read and the
// reads that time out. The in-process line has no real time, so a read that times out stands
// for one time-out of waiting, and a read that gets a byte for one character time.
class ZaehlPort : public ComPort {
 public:
  explicit ZaehlPort(std::unique_ptr<ComPort> innen) : innen_(std::move(innen)) {}

  int Schliessen() override { return innen_->Schliessen(); }
  int TimeoutSetzen(double sekunden) override { return innen_->TimeoutSetzen(sekunden); }
  int Schreiben(const uint8_t* daten, size_t anzahl) override;
  int ByteLesen() override;
  int AusgangsschlangeLaenge() override;
  int EingangLeeren() override;
  int AusgangLeeren() override { return innen_->AusgangLeeren(); }
  bool Aufgelegt() const override { return innen_->Aufgelegt(); }

  // Arms one fault for the call number nummer (from 0) of its kind in this exchange.
  void StoerungSetzen(Portstoerart art, int nummer) { stoerung_ = {art, nummer}; }
  // Starts the counts of a new exchange and disarms the fault.
  void Neu();

  long rahmen = 0;    // writes
  long gelesen = 0;   // bytes read
  long timeouts = 0;  // reads that returned no byte

 private:
  bool Trifft(Portstoerart art, int nummer) const;
  std::unique_ptr<ComPort> innen_;
  std::optional<std::pair<Portstoerart, int>> stoerung_;
  int schreibAufrufe_ = 0, leerAufrufe_ = 0, schlangeAufrufe_ = 0;
};

// Opens every port through the inner factory and wraps it; letzter is the last one opened.
class ZaehlPortfabrik : public Portfabrik {
 public:
  explicit ZaehlPortfabrik(Portfabrik& innen) : innen_(innen) {}
  std::unique_ptr<ComPort> Oeffnen(int nummer, const Leitungseinstellung& einstellung) override;
  ZaehlPort* letzter = nullptr;

 private:
  Portfabrik& innen_;
};

// What one exchange gave.
struct Soakergebnis {
  int code = 0;
  bool modellGeaendert = false;       // a failed read changed an out-argument or the model
  bool falsch = false;                // a success whose value differs from the device's
  bool pruefsummenGeschuetzt = true;  // whether a checksum guards the value read
};

struct Soakumgebung;

// One operation of the soak: the codes its sites define, about how many frames it sends (the
// fault lands on one of them), how often it is drawn, and the call.
struct Soakzeile {
  std::string name;
  std::set<int> codes;
  int rahmen = 1;
  int gewicht = 1;
  std::function<Soakergebnis(Soakumgebung&, std::mt19937&)> ausfuehren;
};

// Everything a row works on; leitung is nullptr when the device is in another process.
struct Soakumgebung {
  ComPorts& ports;
  int port;
  char adresse;
  SimLeitung* leitung;
  ZaehlPort* zaehler;
  double timeout;
  int baud;
};

struct Soakzahlen {
  long austausche = 0, rahmen = 0, gestoert = 0, erfolgreich = 0;
  long abstuerze = 0, haenger = 0, fremdeCodes = 0, modellAenderungen = 0;
  long falsch = 0;              // wrong value accepted where a checksum or no fault guards it
  long unerkanntOhneSumme = 0;  // corrupted single value accepted (no checksum in the answer)
  long sauberGescheitert = 0;   // a line error without any fault
  long timeouts = 0;
  long absturzBei = -1;       // the exchange during which the child process died
  long proZeile[32] = {};     // exchanges by row
  long proStoerung[16] = {};  // faults by kind, in the order of AlleSoakstoerungen
  char erster[160] = {};      // the first finding, for the test's message
};

// Line faults and port faults the soak draws from.
struct Soakstoerung {
  std::optional<Stoerart> linie;
  std::optional<Portstoerart> port;
};
std::vector<Soakstoerung> AlleSoakstoerungen();

// The number of exchanges: the environment variable's value, else vorgabe.
long SoakAnzahl(const char* variable, long vorgabe);
// The seed: TVM5R_SOAK_SEED from the environment, else vorgabe.
uint32_t SoakSeed(uint32_t vorgabe);

// Runs anzahl exchanges in a child process and returns the counts. umgebungBauen is called in
// the child and returns the environment (kept alive by the returned holder). With a line in
// the environment, faults go onto chosen frames; stoerungsanteil is the share of exchanges
// that get one. Without a line the device injects faults itself (at its rates).
struct Soakhalter {
  virtual ~Soakhalter() = default;
  virtual Soakumgebung& Umgebung() = 0;
};
Soakzahlen SoakLaufen(const std::vector<Soakzeile>& zeilen,
                      const std::function<std::unique_ptr<Soakhalter>()>& umgebungBauen,
                      long anzahl, uint32_t seed, double stoerungsanteil);

// The counts as lines of text, as the test prints them.
std::string SoakBericht(const char* titel, const Soakzahlen& zahlen, uint32_t seed);
