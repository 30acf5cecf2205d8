#include "config/konfigini.h"

#include <cmath>
#include <string>

namespace {

constexpr const char* kAbschnitt = "konfig";
// The settings file's reader takes a unit text into a buffer as long as the record's field
// without its NUL, so it keeps one character less than the record.
constexpr size_t kEinheitPuffer = kEinheitLaenge;

struct Blockschluessel {
  const Kanalblock& felder;
  const char* vmax;
  const char* praefix;  // "out" or "in"
};

const Blockschluessel kAusgangsschluessel{kAusgaenge, "voutmax", "out"};
const Blockschluessel kEingangsschluessel{kEingaenge, "vinmax", "in"};

std::string Schluessel(const Blockschluessel& b, const char* name, int k) {
  return std::string(b.praefix) + name + std::to_string(k);
}

// Reads the keys of the section and notes whether any of them was there.
struct Leser {
  const IniDatei& ini;
  bool gefunden = false;

  // A value that is missing, not a number or not finite leaves the target as it is.
  void Real(const std::string& schluessel, double& ziel) {
    double wert = 0.0;
    const int ergebnis = Ini_GetDouble(ini, kAbschnitt, schluessel, wert);
    gefunden = gefunden || ergebnis != 0;
    if (ergebnis == 1 && std::isfinite(wert)) ziel = wert;
  }

  std::string Einheit(const std::string& schluessel) {
    std::string text;
    gefunden = Ini_GetRawStringIntoBuffer(ini, kAbschnitt, schluessel, text, kEinheitPuffer) == 1 ||
               gefunden;
    return text;
  }
};

// Values that would make the channel unusable count as missing: first the pair that is equal,
// then, if the channel still cannot be converted, all four.
void KanalAbsichern(Konfiguration& konfig, const Kanalblock& b, int k) {
  const Konfiguration standard;
  auto paarZuruecksetzen = [&](auto feld1, auto feld2) {
    (konfig.*feld1)[k] = (standard.*feld1)[k];
    (konfig.*feld2)[k] = (standard.*feld2)[k];
  };
  if (KanalPruefen(konfig, b, k) == Kanalmangel::GleicheSpannungen) paarZuruecksetzen(b.min, b.max);
  if (KanalPruefen(konfig, b, k) == Kanalmangel::GleicheWerte)
    paarZuruecksetzen(b.skalamin, b.skalamax);
  if (KanalPruefen(konfig, b, k) != Kanalmangel::Keiner) {
    paarZuruecksetzen(b.min, b.max);
    paarZuruecksetzen(b.skalamin, b.skalamax);
  }
}

void KanalLesen(Leser& leser, Konfiguration& konfig, const Blockschluessel& b, int k) {
  const Kanalblock& f = b.felder;
  leser.Real(Schluessel(b, "min", k), (konfig.*f.min)[k]);
  leser.Real(Schluessel(b, "max", k), (konfig.*f.max)[k]);
  leser.Real(Schluessel(b, "skalamin", k), (konfig.*f.skalamin)[k]);
  leser.Real(Schluessel(b, "skalamax", k), (konfig.*f.skalamax)[k]);
  (konfig.*f.einheit)[k] = leser.Einheit(Schluessel(b, "einheit", k));
  KanalAbsichern(konfig, f, k);
}

void VollausschlagLesen(Leser& leser, Konfiguration& konfig, const Blockschluessel& b) {
  double& vmax = konfig.*b.felder.vmax;
  leser.Real(b.vmax, vmax);
  if (!VollausschlagGueltig(vmax)) vmax = Konfiguration{}.*b.felder.vmax;
}

// A unit text from a file may hold any byte; a line break would break the settings file.
std::string OhneSteuerzeichen(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return text;
}

void KanalSchreiben(IniDatei& ini, const Konfiguration& konfig, const Blockschluessel& b, int k) {
  const Kanalblock& f = b.felder;
  Ini_PutDouble(ini, kAbschnitt, Schluessel(b, "min", k), (konfig.*f.min)[k]);
  Ini_PutDouble(ini, kAbschnitt, Schluessel(b, "max", k), (konfig.*f.max)[k]);
  Ini_PutDouble(ini, kAbschnitt, Schluessel(b, "skalamin", k), (konfig.*f.skalamin)[k]);
  Ini_PutDouble(ini, kAbschnitt, Schluessel(b, "skalamax", k), (konfig.*f.skalamax)[k]);
  Ini_PutRawString(ini, kAbschnitt, Schluessel(b, "einheit", k),
                   OhneSteuerzeichen((konfig.*f.einheit)[k]));
}

}  // namespace

void ReadIniKonfigpanel(Konfigzustand& zustand, const IniDatei& ini) {
  Konfiguration konfig;
  Leser leser{ini};
  VollausschlagLesen(leser, konfig, kAusgangsschluessel);
  VollausschlagLesen(leser, konfig, kEingangsschluessel);
  for (int k = 0; k < kKanaele; ++k) {
    KanalLesen(leser, konfig, kAusgangsschluessel, k);
    KanalLesen(leser, konfig, kEingangsschluessel, k);
  }
  if (zustand.KonfigurationSetzen(konfig) && leser.gefunden) zustand.AusEinstellungenGelesen();
}

void WriteIniKonfigpanel(Konfigzustand& zustand, IniDatei& ini) {
  zustand.KonfigfelderInStrukturSpeichern();
  const Konfiguration& konfig = zustand.gKonfig();
  Ini_PutDouble(ini, kAbschnitt, "voutmax", konfig.voutmax);
  Ini_PutDouble(ini, kAbschnitt, "vinmax", konfig.vinmax);
  for (int k = 0; k < kKanaele; ++k) {
    KanalSchreiben(ini, konfig, kAusgangsschluessel, k);
    KanalSchreiben(ini, konfig, kEingangsschluessel, k);
  }
}

AbschnittFunktionen KonfigAbschnitt(Konfigzustand& zustand) {
  return {[&zustand](const IniDatei& ini) { ReadIniKonfigpanel(zustand, ini); },
          [&zustand](IniDatei& ini) { WriteIniKonfigpanel(zustand, ini); }};
}
