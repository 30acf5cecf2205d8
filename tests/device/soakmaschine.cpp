#include "tests/device/soakmaschine.h"

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

namespace {

// The longest answer a request may bring: ACK and a memory read answer of 64 bytes.
constexpr long kLaengsteAntwort = 1 + 2 * 64 + 19;

// Line errors: a fault on the line or the port, never a state of the device.
bool Leitungsfehler(int code) {
  const int basis = -code / 1000;
  for (int b : {101, 112, 114, 123, 124, 402, 403, 404, 405, 406})
    if (basis == b) return true;
  return false;
}

void Merken(Soakzahlen& z, long nummer, const std::string& zeile, const char* was, int code) {
  if (z.erster[0] != '\0') return;
  std::snprintf(z.erster, sizeof z.erster, "Austausch %ld (%s): %s, Code %d", nummer, zeile.c_str(),
                was, code);
}

// Arms a fault on one of the row's frames for the share anteil of the exchanges; true when the
// exchange is disturbed (a dead line from an earlier hang-up counts too).
bool StoerungWaehlen(const Soakzeile& zeile, Soakumgebung& u, std::mt19937& zufall, double anteil,
                     Soakzahlen& z) {
  static const std::vector<Soakstoerung> arten = AlleSoakstoerungen();
  if (u.leitung == nullptr) return true;  // the device injects at its rates
  const bool tot = u.leitung->TotRahmen() > 0;
  if (std::uniform_real_distribution<double>(0, 1)(zufall) >= anteil) return tot;
  const size_t art = zufall() % arten.size();
  ++z.proStoerung[art];
  const Soakstoerung& s = arten[art];
  const int rahmen = static_cast<int>(zufall() % static_cast<unsigned>(zeile.rahmen));
  // One flipped bit per answer: two could cancel in the additive checksum.
  const int parameter = s.linie == Stoerart::Bitfehler ? 0 : static_cast<int>(zufall() % 3);
  if (s.linie)
    u.leitung->StoerungAufRahmen(u.leitung->Rahmenzahl() + 1 + rahmen, {*s.linie, parameter});
  else
    u.zaehler->StoerungSetzen(*s.port, rahmen);
  return true;
}

// Counts what one exchange gave.
void Werten(const Soakzeile& zeile, const Soakergebnis& e, const Soakumgebung& u, bool gestoert,
            long nummer, Soakzahlen& z) {
  const ZaehlPort& p = *u.zaehler;
  ++z.austausche;
  z.rahmen += p.rahmen;
  z.timeouts += p.timeouts;
  if (gestoert) ++z.gestoert;
  if (e.code == 0) ++z.erfolgreich;
  const auto befund = [&](long& zaehler, const char* was) {
    ++zaehler;
    Merken(z, nummer, zeile.name, was, e.code);
  };
  // Every request may cost one time-out and the characters of its longest answer.
  const double zeichen = 10.0 / u.baud;
  const double gewartet = p.timeouts * u.timeout + p.gelesen * zeichen;
  if (gewartet > p.rahmen * (u.timeout + kLaengsteAntwort * zeichen))
    befund(z.haenger, "Wartezeit über der Schranke");
  if (e.code != 0 && zeile.codes.count(e.code) == 0) befund(z.fremdeCodes, "fremder Code");
  if (e.code != 0 && e.modellGeaendert) befund(z.modellAenderungen, "Modell nach Fehler geändert");
  if (!gestoert && Leitungsfehler(e.code))
    befund(z.sauberGescheitert, "Leitungsfehler ohne Störung");
  if (e.falsch && (e.pruefsummenGeschuetzt || !gestoert))
    befund(z.falsch, "falscher Wert angenommen");
  else if (e.falsch)
    ++z.unerkanntOhneSumme;
}

// One exchange: draws the row and the fault, runs it and counts.
void Austausch(const std::vector<Soakzeile>& zeilen, const std::vector<int>& lose, Soakumgebung& u,
               std::mt19937& zufall, double anteil, long nummer, Soakzahlen& z) {
  const int zeilennummer = lose[zufall() % lose.size()];
  const Soakzeile& zeile = zeilen[zeilennummer];
  ++z.proZeile[zeilennummer];
  u.zaehler->Neu();
  const bool gestoert = StoerungWaehlen(zeile, u, zufall, anteil, z);
  Soakergebnis e;
  try {
    e = zeile.ausfuehren(u, zufall);
  } catch (const std::exception&) {
    ++z.abstuerze;
    Merken(z, nummer, zeile.name, "Ausnahme", 0);
  }
  if (u.leitung != nullptr) u.leitung->StoerungenLoeschen();
  Werten(zeile, e, u, gestoert, nummer, z);
}

}  // namespace

int ZaehlPort::Schreiben(const uint8_t* daten, size_t anzahl) {
  ++rahmen;
  const int nummer = schreibAufrufe_++;
  if (Trifft(Portstoerart::Schreibfehler, nummer)) return -1;
  if (Trifft(Portstoerart::KurzGeschrieben, nummer) && anzahl > 0)
    return innen_->Schreiben(daten, anzahl - 1);
  return innen_->Schreiben(daten, anzahl);
}

int ZaehlPort::ByteLesen() {
  const int byte = innen_->ByteLesen();
  if (byte < 0)
    ++timeouts;
  else
    ++gelesen;
  return byte;
}

int ZaehlPort::AusgangsschlangeLaenge() {
  if (Trifft(Portstoerart::AusgangFehler, schlangeAufrufe_++)) return -1;
  return innen_->AusgangsschlangeLaenge();
}

int ZaehlPort::EingangLeeren() {
  if (Trifft(Portstoerart::EingangLeerenFehler, leerAufrufe_++)) return -1;
  return innen_->EingangLeeren();
}

void ZaehlPort::Neu() {
  rahmen = gelesen = timeouts = 0;
  stoerung_.reset();
  schreibAufrufe_ = leerAufrufe_ = schlangeAufrufe_ = 0;
}

// Whether call number nummer of this kind is the armed one.
bool ZaehlPort::Trifft(Portstoerart art, int nummer) const {
  return stoerung_ && stoerung_->first == art && stoerung_->second == nummer;
}

std::unique_ptr<ComPort> ZaehlPortfabrik::Oeffnen(int nummer,
                                                  const Leitungseinstellung& einstellung) {
  std::unique_ptr<ComPort> innen = innen_.Oeffnen(nummer, einstellung);
  if (!innen) return nullptr;
  auto port = std::make_unique<ZaehlPort>(std::move(innen));
  letzter = port.get();
  return port;
}

std::vector<Soakstoerung> AlleSoakstoerungen() {
  std::vector<Soakstoerung> arten;
  for (Stoerart a : {Stoerart::Nak, Stoerart::Can, Stoerart::Stille, Stoerart::Abgeschnitten,
                     Stoerart::FruehesEnde, Stoerart::FalscheChecksumme, Stoerart::FalschesEcho,
                     Stoerart::Muell, Stoerart::Bitfehler, Stoerart::Auflegen})
    arten.push_back({a, std::nullopt});
  for (Portstoerart a : {Portstoerart::Schreibfehler, Portstoerart::KurzGeschrieben,
                         Portstoerart::EingangLeerenFehler, Portstoerart::AusgangFehler})
    arten.push_back({std::nullopt, a});
  return arten;
}

long SoakAnzahl(const char* variable, long vorgabe) {
  const char* wert = std::getenv(variable);
  return wert != nullptr && std::atol(wert) > 0 ? std::atol(wert) : vorgabe;
}

uint32_t SoakSeed(uint32_t vorgabe) {
  const char* wert = std::getenv("TVM5R_SOAK_SEED");
  return wert != nullptr ? static_cast<uint32_t>(std::strtoul(wert, nullptr, 10)) : vorgabe;
}

Soakzahlen SoakLaufen(const std::vector<Soakzeile>& zeilen,
                      const std::function<std::unique_ptr<Soakhalter>()>& umgebungBauen,
                      long anzahl, uint32_t seed, double stoerungsanteil) {
  void* geteilt =
      mmap(nullptr, sizeof(Soakzahlen), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (geteilt == MAP_FAILED) std::abort();
  auto* z = new (geteilt) Soakzahlen;
  if (zeilen.size() > std::size(z->proZeile)) std::abort();
  const pid_t kind = fork();
  if (kind == 0) {
    std::vector<int> lose;
    for (size_t i = 0; i < zeilen.size(); ++i) lose.insert(lose.end(), zeilen[i].gewicht, i);
    std::mt19937 zufall(seed);
    const std::unique_ptr<Soakhalter> halter = umgebungBauen();
    for (long n = 0; n < anzahl; ++n) {
      z->absturzBei = n;
      Austausch(zeilen, lose, halter->Umgebung(), zufall, stoerungsanteil, n, *z);
    }
    z->absturzBei = -1;
    _exit(0);
  }
  int status = 0;
  if (kind < 0 || waitpid(kind, &status, 0) != kind) std::abort();
  Soakzahlen ergebnis = *z;
  munmap(geteilt, sizeof(Soakzahlen));
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    ++ergebnis.abstuerze;
    std::snprintf(ergebnis.erster, sizeof ergebnis.erster, "Absturz bei Austausch %ld",
                  ergebnis.absturzBei);
  }
  return ergebnis;
}

std::string SoakBericht(const char* titel, const Soakzahlen& z, uint32_t seed) {
  char text[1024];
  std::snprintf(text, sizeof text,
                "%s (Seed %u)\n"
                "  Austausche %ld, Rahmen %ld, gestört %ld, erfolgreich %ld, Time-outs %ld\n"
                "  Abstürze %ld, Hänger %ld, fremde Codes %ld, Modelländerungen nach Fehler %ld\n"
                "  falsch angenommen %ld, Leitungsfehler ohne Störung %ld, "
                "unerkannt verfälscht (Antwort ohne Prüfsumme) %ld\n",
                titel, seed, z.austausche, z.rahmen, z.gestoert, z.erfolgreich, z.timeouts,
                z.abstuerze, z.haenger, z.fremdeCodes, z.modellAenderungen, z.falsch,
                z.sauberGescheitert, z.unerkanntOhneSumme);
  std::string bericht = text;
  if (z.erster[0] != '\0') bericht += std::string("  erster Befund: ") + z.erster + "\n";
  return bericht;
}
