#include "sim/simoptionen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr size_t kLaengsteKennung = 26;
// More than any frame is long or a test needs; a larger one (garbage bytes, dead frames) would
// only build gigabytes per frame.
constexpr int kGroessterStoerparameter = 1000;

template <typename Zahl>
bool ZahlLesen(std::string_view text, Zahl& wert) {
  if (text.empty()) return false;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
  return fehler == std::errc() && ende == text.data() + text.size();
}

bool ReelleZahlLesen(const std::string& text, double& wert) {
  if (text.empty()) return false;
  size_t gelesen = 0;
  try {
    wert = std::stod(text, &gelesen);
  } catch (...) {
    return false;
  }
  return gelesen == text.size() && std::isfinite(wert);
}

bool GueltigeAdresse(char a) {
  return (a >= '1' && a <= '9') || (a >= 'a' && a <= 'f');
}

// "ART[:PARAMETER]".
bool StoerungLesen(std::string_view text, Stoerung& stoerung) {
  const size_t doppelpunkt = text.find(':');
  const std::optional<Stoerart> art = StoerartAusName(text.substr(0, doppelpunkt));
  if (!art) return false;
  stoerung.art = *art;
  stoerung.parameter = 0;
  if (doppelpunkt == std::string_view::npos) return true;
  return ZahlLesen(text.substr(doppelpunkt + 1), stoerung.parameter) && stoerung.parameter >= 0 &&
         stoerung.parameter <= kGroessterStoerparameter;
}

// "VORN:HINTEN" split at the first colon.
bool Teilen(std::string_view text, std::string_view& vorn, std::string_view& hinten) {
  const size_t doppelpunkt = text.find(':');
  if (doppelpunkt == std::string_view::npos) return false;
  vorn = text.substr(0, doppelpunkt);
  hinten = text.substr(doppelpunkt + 1);
  return true;
}

std::string GeraetLesen(const std::string& wert, SimOptionen& o) {
  SimGeraetOption g;
  if (wert.empty() || !GueltigeAdresse(wert[0]) || (wert.size() > 1 && wert[1] != ':'))
    return "--geraet: Adresse 1..9 oder a..f erwartet: " + wert;
  g.adresse = wert[0];
  if (wert.size() > 1) g.kennung = wert.substr(2);
  const bool druckbar = std::all_of(g.kennung.begin(), g.kennung.end(),
                                    [](char c) { return c >= 0x20 && c <= 0x7E; });
  if (g.kennung.empty() || g.kennung.size() > kLaengsteKennung || !druckbar)
    return "--geraet: die Kennung muss 1 bis 26 druckbare Zeichen haben: " + wert;
  for (const SimGeraetOption& anderes : o.geraete)
    if (anderes.adresse == g.adresse) return "--geraet: Adresse doppelt vergeben: " + wert;
  o.geraete.push_back(g);
  return "";
}

std::string StoerungAufRahmenLesen(const std::string& wert, SimOptionen& o) {
  std::string_view nummer, rest;
  long n = 0;
  Stoerung s{};
  if (!Teilen(wert, nummer, rest) || !ZahlLesen(nummer, n) || n < 1 || !StoerungLesen(rest, s))
    return "--stoerung-rahmen: RAHMEN:ART[:PARAMETER] mit PARAMETER 0..1000 erwartet: " + wert;
  o.stoerungenAufRahmen.push_back({n, s});
  return "";
}

std::string StoerungMitRateLesen(const std::string& wert, SimOptionen& o) {
  std::string_view rate, rest;
  double r = 0;
  Stoerung s{};
  if (!Teilen(wert, rate, rest) || !ReelleZahlLesen(std::string(rate), r) || r < 0 || r > 1 ||
      !StoerungLesen(rest, s))
    return "--stoerung-rate: RATE:ART[:PARAMETER] mit RATE 0..1, PARAMETER 0..1000 erwartet: " +
           wert;
  o.stoerungenMitRate.push_back({s, r});
  return "";
}

std::string EingangLesen(const std::string& wert, SimOptionen& o) {
  std::string_view nummer, volt;
  int n = 0;
  double v = 0;
  if (!Teilen(wert, nummer, volt) || !ZahlLesen(nummer, n) || n < 1 || n > 4 ||
      !ReelleZahlLesen(std::string(volt), v) || std::fabs(v) > 999.999)
    return "--eingang: NUMMER:VOLT mit NUMMER 1..4 erwartet: " + wert;
  o.eingaenge.push_back({n, v});
  return "";
}

std::string SpeicherfehlerLesen(const std::string& wert, SimOptionen& o) {
  std::string_view typ, adresse;
  Geraet::Speicherfehler f;
  if (!Teilen(wert, typ, adresse) || !ZahlLesen(typ, f.typ) || (f.typ != 4 && f.typ != 5) ||
      !ZahlLesen(adresse, f.adresse) || f.adresse < 0 || f.adresse >= kSpeichergroesse)
    return "--speicherfehler: TYP:ADRESSE mit TYP 4 oder 5 und ADRESSE 0..65535 erwartet: " + wert;
  o.speicherfehler.push_back(f);
  return "";
}

std::string BaudLesen(const std::string& wert, SimOptionen& o) {
  if (!ZahlLesen(wert, o.baud) || o.baud < 50 || o.baud > 4'000'000)
    return "--baud-emulation: Baudrate 50..4000000 erwartet: " + wert;
  return "";
}

}  // namespace

std::string SimOptionenLesen(const std::vector<std::string>& argumente, SimOptionen& o) {
  for (size_t i = 0; i < argumente.size(); ++i) {
    const std::string& a = argumente[i];
    if (a == "--hilfe" || a == "--help" || a == "-h") {
      o.hilfe = true;
      continue;
    }
    if (a == "--log") {
      o.log = true;
      continue;
    }
    if (a == "--eingang4-startstopp") {
      o.eingang4StartStopp = true;
      continue;
    }
    if (a == "--baud-emulation") {
      o.baud = 9600;
      continue;
    }
    if (a.rfind("--baud-emulation=", 0) == 0) {
      if (std::string f = BaudLesen(a.substr(17), o); !f.empty()) return f;
      continue;
    }
    const bool mitWert = a == "--com" || a == "--geraet" || a == "--speicher" || a == "--seed" ||
                         a == "--stoerung-rahmen" || a == "--stoerung-rate" || a == "--eingang" ||
                         a == "--speicherfehler" || a == "--eingangsbereich";
    if (!mitWert) return "Unbekannte Option: " + a;
    if (i + 1 >= argumente.size()) return a + ": Wert fehlt";
    const std::string& wert = argumente[++i];
    std::string fehler;
    if (a == "--com") {
      if (!ZahlLesen(wert, o.com) || o.com < 0 || o.com > 256)
        fehler = "--com: Portnummer 0..256 erwartet: " + wert;
    } else if (a == "--geraet") {
      fehler = GeraetLesen(wert, o);
    } else if (a == "--speicher") {
      o.speicher = wert;
    } else if (a == "--seed") {
      if (!ZahlLesen(wert, o.seed)) fehler = "--seed: Zahl erwartet: " + wert;
    } else if (a == "--stoerung-rahmen") {
      fehler = StoerungAufRahmenLesen(wert, o);
    } else if (a == "--stoerung-rate") {
      fehler = StoerungMitRateLesen(wert, o);
    } else if (a == "--speicherfehler") {
      fehler = SpeicherfehlerLesen(wert, o);
    } else if (a == "--eingangsbereich") {
      if (!ReelleZahlLesen(wert, o.eingangsbereich) || o.eingangsbereich <= 0 ||
          o.eingangsbereich > 999.999)
        fehler = "--eingangsbereich: Spannung über 0 bis 999.999 erwartet: " + wert;
    } else {
      fehler = EingangLesen(wert, o);
    }
    if (!fehler.empty()) return fehler;
  }
  return "";
}

const char* SimHilfetext() {
  return "Aufruf: tvm5r-sim [OPTIONEN]\n"
         "Simuliert Geräte an einer seriellen Leitung auf einem Pseudo-Terminal.\n"
         "Gibt beim Start den Pfad des Terminals (und den Port) auf stdout aus.\n\n"
         "  --com N                  Link com<N> im Portordner anlegen: Port N\n"
         "  --geraet ADRESSE[:KENNUNG]  ein Gerät (mehrfach; Vorgabe: ein TVM-5R an 1)\n"
         "  --speicher DATEI         Speicher des ersten Geräts über Läufe behalten\n"
         "  --baud-emulation[=BAUD]  Zeichen im Takt der Leitung (Vorgabe 9600 Baud)\n"
         "  --eingang N:VOLT         Eingang N (1..4) fest auf VOLT; sonst bewegt sich\n"
         "                           jeder Eingang langsam in eigener Form\n"
         "  --eingangsbereich VOLT   Endwert der bewegten Eingänge (Vorgabe 10)\n"
         "  --eingang4-startstopp    Modusbit 0 gesetzt: Eingang 4 ist Start/Stopp-Signal\n"
         "  --speicherfehler TYP:ADRESSE  Speicherzelle, die jedes geschriebene Byte\n"
         "                           verfälscht speichert (Schreiben wird quittiert)\n"
         "  --stoerung-rahmen R:ART[:P]  Störung auf Rahmen Nummer R\n"
         "  --stoerung-rate RATE:ART[:P] Störung mit Rate 0..1\n"
         "  --seed N                 Startwert der Zufallsstörungen\n"
         "  --log                    Rahmen auf stderr protokollieren\n\n"
         "Störungsarten: nak, can, stille, abgeschnitten, fruehesende, checksumme, echo, "
         "muell, bitfehler, auflegen; P 0..1000\n";
}

void SimLeitungEinrichten(const SimOptionen& o, SimLeitung& leitung) {
  if (o.geraete.empty()) leitung.GeraetHinzufuegen('1');
  for (const SimGeraetOption& g : o.geraete) leitung.GeraetHinzufuegen(g.adresse, g.kennung);
  for (Geraet& g : leitung.Geraete()) {
    for (const auto& [nummer, volt] : o.eingaenge) g.EingangSetzen(nummer, volt);
    g.eingangsbereich = o.eingangsbereich;
    if (o.eingang4StartStopp) g.modus |= 0x01;
    g.speicherfehler = o.speicherfehler;
  }
  for (const auto& [nummer, s] : o.stoerungenAufRahmen) leitung.StoerungAufRahmen(nummer, s);
  for (const auto& [s, rate] : o.stoerungenMitRate) leitung.StoerungMitRate(s, rate);
}
