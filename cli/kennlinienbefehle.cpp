#include "cli/kennlinienbefehle.h"

#include <string_view>

#include "characteristic/kennlinienabbild.h"
#include "characteristic/kennliniendateien.h"
#include "characteristic/kennlinienexport.h"
#include "characteristic/kennlinientransfer.h"
#include "cli/argumente.h"
#include "cli/ausgabedatei.h"
#include "cli/geraetesitzung.h"
#include "cli/unterbefehle.h"
#include "editor/textzeilen.h"

namespace {

using Argumente = std::vector<std::string>;

// A characteristic with the configuration it was stored with.
struct Kennliniensitzung {
  Kennlinienzustand zustand;
  Konfiguration konfig;
};

// Loads a characteristic file; a file that ends inside its points is damaged here too.
int Laden(const std::string& pfad, Kennliniensitzung& k) {
  Kennliniendatei datei;
  if (const int code = KennliniendateiEinlesen(pfad, datei); code != 0) return code;
  if (datei.abgeschnitten) return -322545;
  k.konfig = datei.konfig;
  if (const int code = KennliniendateiUebernehmen(k.zustand, k.konfig, datei); code != 0)
    return code;
  k.zustand.gKennlDateiname = pfad;
  return 0;
}

// "--slot S": a whole number; its range is the core's to check.
int Slot(Argumente& a) {
  const std::string text = Option(a, "--slot", "Kurvennummer fehlt");
  if (text.empty()) throw Aufruffehler("--slot fehlt");
  return static_cast<int>(ZahlLesen(text, "Die Kurvennummer", -1000000, 1000000));
}

// kennlinie info DATEI.ske
int Info(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 1, 1);
  Kennliniensitzung k;
  if (const int code = Laden(a[0], k); code != 0) return code;
  const Kennlinie& kennlinie = k.zustand.gKennlinie;
  const int32_t code = AnstiegszeitCode(k.zustand.gKennlAnstiegszeit);
  s.aus() << "Punkte: " << kennlinie.anzahlPunkte() << '\n'
          << "X-Bereich: 0 bis " << Festkomma(KennlLetztesX(kennlinie), 0)
          << " (danach der letzte Wert bis 4095)\n"
          << "Analogausgang 2: " << Festkomma(k.zustand.gKennlBegrenzung, 3) << ' '
          << k.konfig.outeinheit[1] << " (roh "
          << KennlAusgang2Roh(k.konfig, k.zustand.gKennlBegrenzung) << ")\n"
          << "Anstiegszeit: " << Festkomma(k.zustand.gKennlAnstiegszeit, 3) << " ms (Code " << code
          << ", im Gerät " << Festkomma(AnstiegszeitAusCode(code), 3) << " ms)\n";
  std::vector<uint8_t> abbild;
  if (KennlSendeabbild(k.zustand, k.konfig, abbild) != 0)
    s.aus() << "Abbild: passt nicht in einen Speicherplatz\n";
  return 0;
}

// kennlinie export DATEI.ske AUS.txt
int Export(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 2, 2);
  Kennliniensitzung k;
  if (const int code = Laden(a[0], k); code != 0) return code;
  return Ausgabefehler(s, a[1], KennltextSchreiben(a[1], k.zustand.gKennlinie));
}

// kennlinie import EIN.txt AUS.ske [--basis DATEI.ske]
int Import(Sitzung& s, Argumente a) {
  const std::string basis = Option(a, "--basis");
  AnzahlPruefen(a, 2, 2);
  Kennliniensitzung k;
  if (!basis.empty())
    if (const int code = Laden(basis, k); code != 0) return code;
  if (const int code = KennltextImportieren(k.zustand, s.dialoge(), a[0]); code != 0) return code;
  return Ausgabefehler(s, a[1], KennliniendateiSchreiben(a[1], k.zustand, k.konfig));
}

// kennlinie abbild DATEI.ske AUS.bin: the 8224 bytes of a slot.
int Abbild(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 2, 2);
  Kennliniensitzung k;
  if (const int code = Laden(a[0], k); code != 0) return code;
  std::vector<uint8_t> abbild;
  if (const int code = KennlSendeabbild(k.zustand, k.konfig, abbild); code != 0) return code;
  const std::string_view bytes(reinterpret_cast<const char*>(abbild.data()), abbild.size());
  return BytesSchreiben(s, a[1], bytes, -308972, -301973);
}

// kennlinie senden DATEI.ske --slot S [--pruefen]
int Senden(Sitzung& s, Argumente a) {
  const bool pruefen = Schalter(a, "--pruefen");
  const int slot = Slot(a);
  AnzahlPruefen(a, 1, 1);
  Kennliniensitzung k;
  if (const int code = Laden(a[0], k); code != 0) return code;
  k.zustand.gKennlKurvenNr = slot;
  std::vector<uint8_t> abbild;
  if (const int code = KennlSendeabbild(k.zustand, k.konfig, abbild); code != 0) return code;
  if (!KennlSlotGueltig(slot)) return -1024506;
  if (const int code = s.PortOeffnen(); code != 0) return code;
  Geraetesitzung g(s, Geraetepanel::Kennlinie);
  if (const int code = KennlSenden(k.zustand, k.konfig, g.fehler, g.zugang); code != 0) return code;
  if (g.merker.code != 0 || !pruefen) return g.merker.code;
  return KennlAbbildPruefen(g.zugang, s.dialoge(), slot, abbild);
}

// kennlinie lesen AUS.ske --slot S
int Lesen(Sitzung& s, Argumente a) {
  const int slot = Slot(a);
  AnzahlPruefen(a, 1, 1);
  if (!KennlSlotGueltig(slot)) return -1024511;
  if (const int code = AusgabeVorabPruefen(s, a[0], -308515); code != 0) return code;
  if (const int code = s.PortOeffnen(); code != 0) return code;
  Geraetesitzung g(s, Geraetepanel::Kennlinie);
  Kennliniensitzung k;
  k.zustand.gKennlKurvenNr = slot;
  if (const int code = KennlLesen(k.zustand, k.konfig, g.fehler, g.zugang); code != 0) return code;
  if (g.merker.code != 0) return g.merker.code;
  return Ausgabefehler(s, a[0], KennliniendateiSchreiben(a[0], k.zustand, k.konfig));
}

// kennlinie waehlen --slot S
int Waehlen(Sitzung& s, Argumente a) {
  Kennliniensitzung k;
  k.zustand.gKennlKurvenNr = Slot(a);
  AnzahlPruefen(a, 0, 0);
  if (!KennlSlotGueltig(k.zustand.gKennlKurvenNr)) return -1024550;
  if (const int code = s.PortOeffnen(); code != 0) return code;
  Geraetesitzung g(s, Geraetepanel::Kennlinie);
  if (const int code = KennlAusgang4Setzen(k.zustand, g.fehler, g.zugang); code != 0) return code;
  return g.merker.code;
}

int Kennlinie_(Sitzung& s, const Argumente& a) {
  return UnterbefehlAusfuehren(s, a, "kennlinie",
                               "info, export, import, abbild, senden, lesen oder waehlen",
                               {{"info", Info},
                                {"export", Export},
                                {"import", Import},
                                {"abbild", Abbild},
                                {"senden", Senden},
                                {"lesen", Lesen},
                                {"waehlen", Waehlen}});
}

}  // namespace

std::vector<Befehl> Kennlinienbefehle() {
  return {
      {"kennlinie", "info DATEI.ske",
       "zeigt Punkte, X-Bereich, Analogausgang 2 und Anstiegszeit einer Kennliniendatei",
       Kennlinie_},
      {"kennlinie", "export DATEI.ske AUS.txt", "exportiert die Kennlinie als Text in Prozent",
       Kennlinie_},
      {"kennlinie", "import EIN.txt AUS.ske [--basis DATEI.ske]",
       "importiert die Kennlinie aus Text; Kommentar, Werte und Konfiguration aus --basis",
       Kennlinie_},
      {"kennlinie", "abbild DATEI.ske AUS.bin",
       "schreibt das Abbild eines Speicherplatzes (8224 Bytes), so wie es gesendet wird",
       Kennlinie_},
      {"kennlinie", "senden DATEI.ske --slot S [--pruefen]",
       "schreibt die Kennlinie in Speicherplatz S (1..7); --pruefen liest zurück und vergleicht "
       "Byte für Byte",
       Kennlinie_},
      {"kennlinie", "lesen AUS.ske --slot S",
       "liest Speicherplatz S (1..7) in eine Kennliniendatei", Kennlinie_},
      {"kennlinie", "waehlen --slot S",
       "wählt Speicherplatz S über die Auswahlspannung an Ausgang 4 an", Kennlinie_},
  };
}
