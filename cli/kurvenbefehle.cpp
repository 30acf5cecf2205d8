#include "cli/kurvenbefehle.h"

#include <cstdio>
#include <string_view>

#include "base/fehlerausgabe.h"
#include "cli/argumente.h"
#include "cli/ausgabedatei.h"
#include "cli/geraetesitzung.h"
#include "cli/unterbefehle.h"
#include "curves/kurvendateien.h"
#include "curves/kurvenexport.h"
#include "curves/kurventransfer.h"

namespace {

using Argumente = std::vector<std::string>;

// Loads a curve file with its configuration; a file that ends inside the points is an error.
int Laden(const std::string& pfad, Kurvensatz& satz, Konfiguration& konfig) {
  Kurvendatei datei;
  if (const int code = KurvendateiEinlesen(pfad, datei); code != 0) return code;
  if (datei.abgeschnitten) return -322473;
  if (const int code = KurvendateiUebernehmen(satz, datei, false); code != 0) return code;
  konfig = datei.konfig;
  satz.gKurvendateiname = pfad;
  return 0;
}

std::string Text(const char* format, double wert) {
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, format, wert);
  return puffer;
}

// kurven info DATEI.skr
int Info(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 1, 1);
  Kurvensatz satz;
  Konfiguration konfig;
  if (const int code = Laden(a[0], satz, konfig); code != 0) return code;
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    const Kurve& kurve = satz.gKurven[k];
    s.aus() << "Kurve " << k + 1 << ": " << kurve.anzahlPunkte() << " Punkte, "
            << Text("%.5f", Kurvendauer(kurve) / 1000 / 1000) << " s, Zyklen " << satz.gZyklen[k]
            << ", Ruhezustand " << satz.gRuhezustand[k] << '\n';
  }
  const int64_t bedarf = Speicherbedarf(satz);
  s.aus() << "Speicherbedarf: " << bedarf << " Bytes ("
          << Text("%.1f", 100.0 * static_cast<double>(bedarf) / 61440) << " % von 61440)\n";
  if (const auto abbild = KurvenAbbildErstellen(satz))
    s.aus() << "Abbild von Kurve 1: " << abbild->ende + 1 - kAbbildStart << " Bytes, Adressen "
            << kAbbildStart << " bis " << abbild->ende << '\n';
  else
    s.aus() << "Abbild von Kurve 1: passt nicht in den Kurvenspeicher\n";
  return 0;
}

// kurven export DATEI.skr AUS.txt
int Export(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 2, 2);
  Kurvensatz satz;
  Konfiguration konfig;
  if (const int code = Laden(a[0], satz, konfig); code != 0) return code;
  return Ausgabefehler(s, a[1], KurventextSchreiben(a[1], satz.gKurven[0]));
}

// kurven import EIN.txt AUS.skr [--basis DATEI.skr]
int Import(Sitzung& s, Argumente a) {
  const std::string basis = Option(a, "--basis");
  AnzahlPruefen(a, 2, 2);
  Kurvensatz satz;
  Konfiguration konfig;
  if (!basis.empty())
    if (const int code = Laden(basis, satz, konfig); code != 0) return code;
  if (const int code = KurventextImportieren(satz, s.dialoge(), a[0]); code != 0) return code;
  return Ausgabefehler(s, a[1], KurvendateiSchreiben(a[1], satz, konfig));
}

// The image of curve 1; -1023477 ("Nicht genug Speicherplatz auf dem TVM-5R.") after the
// program's refusal when it does not fit.
int Abbilden(Sitzung& s, const Kurvensatz& satz, Kurvenabbild& abbild) {
  std::optional<Kurvenabbild> erstellt = KurvenAbbildErstellen(satz);
  if (!erstellt) {
    s.dialoge().MessagePopup("Fehler", kAbbildZuGross);
    return -1023477;
  }
  abbild = std::move(*erstellt);
  return 0;
}

// kurven abbild DATEI.skr AUS.bin: the bytes from device address 4096 to the end of the data.
int Abbild(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 2, 2);
  Kurvensatz satz;
  Konfiguration konfig;
  if (const int code = Laden(a[0], satz, konfig); code != 0) return code;
  Kurvenabbild abbild;
  if (const int code = Abbilden(s, satz, abbild); code != 0) return code;
  const std::string_view bytes(reinterpret_cast<const char*>(abbild.bytes.data()) + kAbbildStart,
                               static_cast<size_t>(abbild.ende + 1 - kAbbildStart));
  return BytesSchreiben(s, a[1], bytes, -308970, -301971);
}

// kurven senden DATEI.skr [--dither] [--pruefen]
int Senden(Sitzung& s, Argumente a) {
  const int typ = Schalter(a, "--dither") ? kDitherspeicher : kKurvenspeicher;
  const bool pruefen = Schalter(a, "--pruefen");
  AnzahlPruefen(a, 1, 1);
  Kurvensatz satz;
  Konfiguration konfig;
  if (const int code = Laden(a[0], satz, konfig); code != 0) return code;
  if (KurvenGleichLangPruefen(satz, s.dialoge()) != 0) return 0;
  Kurvenabbild abbild;
  if (const int code = Abbilden(s, satz, abbild); code != 0) return code;
  if (const int code = s.PortOeffnen(); code != 0) return code;
  Geraetesitzung g(s, Geraetepanel::Kurven);
  KurvenSenden(satz, g.fehler, g.zugang, typ);
  if (g.merker.code != 0 || !pruefen) return g.merker.code;
  return KurvenAbbildPruefen(abbild, s.dialoge(), g.zugang, typ);
}

// kurven lesen AUS.skr [--dither]: curve 1 from the device, the other curves initial.
int Lesen(Sitzung& s, Argumente a) {
  const int typ = Schalter(a, "--dither") ? kDitherspeicher : kKurvenspeicher;
  AnzahlPruefen(a, 1, 1);
  if (const int code = AusgabeVorabPruefen(s, a[0], -308432); code != 0) return code;
  if (const int code = s.PortOeffnen(); code != 0) return code;
  Geraetesitzung g(s, Geraetepanel::Kurven);
  Kurvensatz satz;
  if (const int code = KurvenLesen(satz, g.fehler, g.zugang, typ); code != 0) return code;
  if (g.merker.code != 0) return g.merker.code;
  return Ausgabefehler(s, a[0], KurvendateiSchreiben(a[0], satz, Konfiguration{}));
}

int Kurven(Sitzung& s, const Argumente& a) {
  return UnterbefehlAusfuehren(s, a, "kurven", "info, export, import, abbild, senden oder lesen",
                               {{"info", Info},
                                {"export", Export},
                                {"import", Import},
                                {"abbild", Abbild},
                                {"senden", Senden},
                                {"lesen", Lesen}});
}

}  // namespace

std::vector<Befehl> Kurvenbefehle() {
  return {
      {"kurven", "info DATEI.skr",
       "zeigt Punkte, Dauer, Zyklen und Ruhezustand jeder Kurve und den Speicherbedarf", Kurven},
      {"kurven", "export DATEI.skr AUS.txt", "exportiert Kurve 1 als Text", Kurven},
      {"kurven", "import EIN.txt AUS.skr [--basis DATEI.skr]",
       "importiert Kurve 1 aus Text; die übrigen Kurven und die Konfiguration aus --basis", Kurven},
      {"kurven", "abbild DATEI.skr AUS.bin",
       "schreibt das Speicherabbild von Kurve 1: die Bytes ab Geräteadresse 4096 bis zum Ende "
       "der Daten, so wie sie gesendet werden",
       Kurven},
      {"kurven", "senden DATEI.skr [--dither] [--pruefen]",
       "schreibt Kurve 1 in den Kurvenspeicher (--dither: als Dither-Amplitude); --pruefen liest "
       "zurück und vergleicht Byte für Byte",
       Kurven},
      {"kurven", "lesen AUS.skr [--dither]",
       "liest Kurve 1 aus dem Gerät in eine Kurvendatei (Kurven 2 bis 4 leer)", Kurven},
  };
}
