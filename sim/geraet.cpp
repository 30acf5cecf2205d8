#include "sim/geraet.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <string_view>

#include "base/dateilesen.h"
#include "base/dateischreiben.h"
#include "device/novhln1.h"
#include "device/speichertransfer.h"

namespace {

// The answer to a valid frame: nothing after the ACK, or the answer line; nullopt means NAK.
using Antwort = std::optional<std::string>;

// Strict hexadecimal: only "0".."9" and "A".."F", as the driver sends them. -1 otherwise.
int HexStreng(std::string_view text) {
  int wert = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      wert = wert * 16 + (c - '0');
    } else if (c >= 'A' && c <= 'F') {
      wert = wert * 16 + (c - 'A' + 10);
    } else {
      return -1;
    }
  }
  return text.empty() ? -1 : wert;
}

std::string Hex(unsigned wert, int stellen) {
  char puffer[8];
  std::snprintf(puffer, sizeof puffer, "%0*X", stellen, wert);
  return puffer;
}

std::string Dezimal(double wert) {
  char puffer[32];
  std::snprintf(puffer, sizeof puffer, "%.3f", wert);
  return puffer;
}

// One or two digits, a point and three decimals, at most 10.000: the output value as sent.
std::optional<double> Ausgangswert(std::string_view text) {
  const size_t punkt = text.find('.');
  if (punkt == std::string_view::npos || punkt < 1 || punkt > 2 || text.size() != punkt + 4)
    return std::nullopt;
  for (size_t i = 0; i < text.size(); ++i) {
    if (i != punkt && (text[i] < '0' || text[i] > '9')) return std::nullopt;
  }
  const double wert = std::stod(std::string(text));
  if (wert > 10.0) return std::nullopt;
  return wert;
}

// Type digit "4" or "5" as memory type, 0 otherwise.
int Speichertyp(char ziffer) {
  return ziffer == '4' || ziffer == '5' ? ziffer - '0' : 0;
}

// Frames to all devices: the common address, and address number 9 of the older model's baud
// rate command.
bool AnAlle(const std::string& rahmen) {
  return rahmen[1] == '&' || (rahmen[1] == '9' && rahmen.compare(2, 3, "BRW") == 0);
}

// The command handling of one device; kept apart from the class so that each command reads as
// one short function over the device's state.
class Befehle {
 public:
  Befehle(Geraet& g, std::string_view befehl, std::string_view argument)
      : g_(g), befehl_(befehl), arg_(argument) {}

  Antwort Ausfuehren(bool anAlle) {
    const std::string_view b = befehl_;
    if (b == "BRW") return Baudrate();
    if (b == "DAW") return Adresse();
    if (b == "DF1" || b == "DF2") return Funktion(b[2] == '1');
    if (b == "M1S" || b == "M1C") return ModusSchreiben(b[2] == 'S');
    if (b == "BDW") return SpeicherSchreiben();
    if (b[0] == 'V' && b[1] >= '1' && b[1] <= '4' && b[2] == 'W') return AusgangSchreiben(b[1]);
    if (anAlle) return std::nullopt;  // reading commands are not obeyed by all devices
    if (b == "IDR") return Leer() ? Zeile(g_.kennung) : std::nullopt;  // no command echo
    if (b == "S1R" && g_.kompatibilitaetStattStatus) return ZahlZeile(g_.compartibilityMode);
    if (b == "S1R") return WortZeile(g_.status);
    if (b == "S2R") return WortZeile(g_.fehler);
    if (b == "M1R") return WortZeile(g_.modus);
    if (b == "CbR") return ZahlZeile(g_.maxCurrent);
    if (b == "BDR") return SpeicherLesen();
    if (b[0] == 'V' && b[1] >= '1' && b[1] <= '4' && b[2] == 'R')
      return ZahlZeile(g_.Eingang(b[1] - '0'));
    return std::nullopt;
  }

 private:
  bool Leer() const { return arg_.empty(); }
  Antwort Ack() const { return std::string(); }
  Antwort Zeile(std::string_view inhalt) const {
    return std::string("#") + g_.adresse + std::string(inhalt) + kCR;
  }
  // The command echoed, then the value.
  Antwort Echo(std::string_view wert) const {
    return Zeile(std::string(befehl_) + std::string(wert));
  }
  Antwort WortZeile(uint8_t wort) const { return Leer() ? Echo("$" + Hex(wort, 2)) : std::nullopt; }
  Antwort ZahlZeile(double wert) const { return Leer() ? Echo(Dezimal(wert)) : std::nullopt; }

  Antwort Baudrate() {
    if (arg_ != "4800" && arg_ != "9600" && arg_ != "19200" && arg_ != "38400") return std::nullopt;
    g_.baud = std::stoi(std::string(arg_));
    return Ack();
  }
  Antwort Adresse() {
    if (arg_.size() != 1 || arg_[0] < '0' || arg_[0] > '8') return std::nullopt;
    g_.adresse = arg_[0];
    return Ack();
  }
  Antwort Funktion(bool start) {
    if (!Leer()) return std::nullopt;
    g_.laeuft = start;
    return Ack();
  }
  Antwort ModusSchreiben(bool setzen) {
    const int maske = arg_.size() == 2 ? HexStreng(arg_) : -1;
    if (maske < 0) return std::nullopt;
    g_.modus = static_cast<uint8_t>(setzen ? g_.modus | maske : g_.modus & ~maske);
    return Ack();
  }
  Antwort AusgangSchreiben(char ziffer) {
    const std::optional<double> wert = Ausgangswert(arg_);
    if (!wert) return std::nullopt;
    g_.ausgaenge[ziffer - '1'] = *wert;
    return Ack();
  }

  // Type digit, start and count of a memory frame; false when any is invalid.
  bool Speicherkopf(int& typ, int& start, int& anzahl, int hoechstens) const {
    if (arg_.size() < 9) return false;
    typ = Speichertyp(arg_[0]);
    start = HexStreng(arg_.substr(1, 4));
    anzahl = HexStreng(arg_.substr(5, 4));
    return typ != 0 && start >= 0 && anzahl >= 0 && anzahl <= hoechstens &&
           start + anzahl <= kSpeichergroesse;
  }
  Antwort SpeicherSchreiben() {
    int typ = 0, start = 0, anzahl = 0;
    if (!Speicherkopf(typ, start, anzahl, kBlockGroesse) ||
        arg_.size() != 13 + 2 * static_cast<size_t>(anzahl))
      return std::nullopt;
    std::vector<uint8_t> daten(anzahl);
    for (int i = 0; i < anzahl; ++i) {
      const int byte = HexStreng(arg_.substr(9 + 2 * i, 2));
      if (byte < 0) return std::nullopt;
      daten[i] = static_cast<uint8_t>(byte);
    }
    if (HexStreng(arg_.substr(9 + 2 * anzahl, 4)) != Speicherchecksumme(daten)) return std::nullopt;
    std::copy(daten.begin(), daten.end(), g_.Speicher(typ).begin() + start);
    for (const auto& f : g_.speicherfehler)
      if (f.typ == typ && f.adresse >= start && f.adresse < start + anzahl)
        g_.SpeicherVerfaelschen(f.typ, f.adresse, f.xorMaske);
    return Ack();
  }
  Antwort SpeicherLesen() const {
    int typ = 0, start = 0, anzahl = 0;
    if (arg_.size() != 9 || !Speicherkopf(typ, start, anzahl, 0xFFFF) || anzahl == 0)
      return std::nullopt;
    const auto anfang = g_.Speicher(typ).begin() + start;
    std::string daten(arg_);
    for (auto it = anfang; it != anfang + anzahl; ++it) daten += Hex(*it, 2);
    daten += Hex(Speicherchecksumme(std::span<const uint8_t>(&*anfang, anzahl)), 4);
    return Echo(daten);
  }

  Geraet& g_;
  std::string_view befehl_;
  std::string_view arg_;
};

// "#", address, three command characters, printable argument, CR.
bool RahmenGueltig(const std::string& rahmen) {
  if (rahmen.size() < 6 || rahmen[0] != '#' || rahmen.back() != kCR) return false;
  for (size_t i = 1; i + 1 < rahmen.size(); ++i) {
    if (rahmen[i] < 0x21 || rahmen[i] > 0x7E) return false;
  }
  return true;
}

}  // namespace

Geraet::Geraet(char adresse_, std::string kennung_)
    : adresse(adresse_), kennung(std::move(kennung_)) {
  uhr = [beginn = std::chrono::steady_clock::now()] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
  };
  for (auto& speicher : speicher_) speicher.assign(kSpeichergroesse, 0);
}

bool Geraet::Angesprochen(const std::string& rahmen) const {
  return rahmen.size() >= 2 && (rahmen[1] == adresse || AnAlle(rahmen));
}

bool Geraet::EingangSetzen(int nummer, double volt) {
  if (nummer < 1 || nummer > 4 || !(volt >= -999.999 && volt <= 999.999)) return false;
  eingaenge_[nummer - 1] = volt;
  return true;
}

double Geraet::Eingang(int nummer) const {
  if (const std::optional<double>& fest = eingaenge_.at(nummer - 1)) return *fest;
  return Pruefsignal(nummer, uhr(), eingangsbereich);
}

double Pruefsignal(int nummer, double sekunden, double bereich) {
  // Periods of 20 to 40 seconds: slow enough to follow on a meter at the shortest interval.
  const auto phase = [sekunden](double periode) {
    return std::fmod(sekunden, periode) / periode;  // 0 .. 1
  };
  double anteil = 0.0;
  switch (nummer) {
    case 1:
      anteil = 0.5 + 0.5 * std::sin(2.0 * std::numbers::pi * phase(20.0));
      break;
    case 2:
      anteil = 1.0 - std::fabs(2.0 * phase(30.0) - 1.0);
      break;
    case 3:
      anteil = phase(40.0);
      break;
    default:
      anteil = std::floor(phase(25.0) * 5.0) / 4.0;
      break;
  }
  return bereich * anteil;
}

std::vector<uint8_t>& Geraet::Speicher(int typ) {
  return speicher_.at(typ - 4);
}
const std::vector<uint8_t>& Geraet::Speicher(int typ) const {
  return speicher_.at(typ - 4);
}

void Geraet::SpeicherVerfaelschen(int typ, int adresse_, uint8_t xorMaske) {
  Speicher(typ).at(adresse_) ^= xorMaske;
}

bool Geraet::SpeicherLaden(const std::string& pfad) {
  std::string inhalt;
  const size_t groesse = 2 * static_cast<size_t>(kSpeichergroesse);
  if (DateiBegrenztLesen(pfad, groesse, inhalt) != Leseergebnis::Gelesen ||
      inhalt.size() != groesse)
    return false;
  for (size_t t = 0; t < 2; ++t) {
    const auto anfang = inhalt.begin() + t * kSpeichergroesse;
    std::copy(anfang, anfang + kSpeichergroesse, speicher_[t].begin());
  }
  return true;
}

bool Geraet::SpeicherSpeichern(const std::string& pfad) const {
  const auto teil = [](const std::vector<uint8_t>& s) {
    return std::string_view(reinterpret_cast<const char*>(s.data()), s.size());
  };
  return DateiSicherSchreiben(pfad, {teil(speicher_[0]), teil(speicher_[1])}).ok();
}

std::string Geraet::RahmenBearbeiten(const std::string& rahmen) {
  const bool anAlle = AnAlle(rahmen);
  if (!RahmenGueltig(rahmen)) return anAlle ? std::string() : std::string(1, kNAK);
  const std::string_view text(rahmen);
  const Antwort antwort =
      Befehle(*this, text.substr(2, 3), text.substr(5, text.size() - 6)).Ausfuehren(anAlle);
  if (anAlle) return std::string();
  return antwort ? kACK + *antwort : std::string(1, kNAK);
}
