#include "curves/kurvenexport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/dateischreiben.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

const std::string kKopf =
    "# Kurven exportiert aus TVM-5R_Kurvengenerator\n# Spalte 1 = Zeit in Sekunden\n"
    "# Spalte 2 = Y-Wert in Prozent\n# Spalte 3 = Zeitbasis\n# Spalte 4 = Kuvennummer\n\n";

struct Importumgebung {
  TempOrdner ordner;
  Kurvensatz satz;
  SkriptDialoge dialoge;

  int Importieren(const std::string& text) {
    const std::string pfad = ordner.datei("ein.txt");
    EXPECT_TRUE(DateiSicherSchreiben(pfad, {text}).ok());
    return KurventextImportieren(satz, dialoge, pfad);
  }
  std::string Meldung() const {
    const GezeigteMeldung m = dialoge.LetzteMeldung();
    return m.titel == "Importfehler" ? m.text : "(" + m.titel + ") " + m.text;
  }
};

Importfehler Lesen(const std::string& text, std::vector<Kurvenpunkt>& punkte) {
  std::istringstream ein(text);
  return KurventextLesen(ein, punkte);
}

}  // namespace

TEST(Kurventext, ExportUndImportDesBeispiels) {
  Importumgebung u;
  u.satz.gKurven[0].punkte = {{0, 4, 9}, {4095, 1, 9}};
  EXPECT_EQ(KurvenExportText(u.satz.gKurven[0]),
            kKopf + "0.00000\t0.00\t250us\t1\n0.00100\t100.00\t250us\t1\n\n");

  u.dialoge.dateien.push_back(u.ordner.datei("aus.txt"));
  ASSERT_EQ(KurvenExportieren(u.satz, u.dialoge), 0);
  const Dateiauswahl& a = u.dialoge.auswahlen.back();
  EXPECT_EQ(a.dateimuster, "*.txt");
  EXPECT_EQ(a.filter, "*.txt");
  EXPECT_EQ(a.titel, "Kurven exportieren");
  EXPECT_EQ(a.knopf, Dateiknopf::Speichern);
  EXPECT_FALSE(a.endungFest);
  std::string text;
  ASSERT_TRUE(DateiLesen(u.ordner.datei("aus.txt"), text));
  EXPECT_EQ(text, KurvenExportText(u.satz.gKurven[0]));

  // Importing it into curve 1 while curve 3 is edited: one snapshot, curve 3 stays current.
  const Kurvensatz vorher = u.satz;
  u.satz.gKurven[0].punkte = {{7, 1, 4}};
  u.satz.gAktuelleKurve = 2;
  u.dialoge.dateien.push_back(u.ordner.datei("aus.txt"));
  ASSERT_EQ(KurvenImportieren(u.satz, u.dialoge), 0);
  EXPECT_EQ(u.dialoge.auswahlen.back().titel, "Kurven importieren");
  EXPECT_EQ(u.dialoge.auswahlen.back().knopf, Dateiknopf::Laden);
  EXPECT_EQ(u.satz.gKurven[0].punkte, vorher.gKurven[0].punkte);
  EXPECT_EQ(u.satz.gAktuelleKurve, 2);
  EXPECT_TRUE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(u.satz.rueckgaengig[0].sgAnzahlRueckgaengig, 1);
  EXPECT_EQ(u.satz.rueckgaengig[0].sgRueckgaengigPuffer[0], (std::vector<Kurvenpunkt>{{7, 1, 4}}));
  EXPECT_FALSE(u.satz.freigabe.rueckgaengigKnopf);  // curve 3 has no step to undo
  EXPECT_EQ(u.satz.gKurvendateiname, "");
}

TEST(Kurventext, WerteUndZeitenDurchExportUndImport) {
  Kurve kurve;
  kurve.punkte = {{1, 3, 1}, {2048, 2, 8}, {4094, 65535, 7}, {0, 1, 7}};
  const std::string text = KurvenExportText(kurve);
  EXPECT_NE(text.find("0.00000\t0.02\t1ms\t1\n0.00300\t50.01\t1s\t1\n2.00300\t99.98\t500ms\t1\n"
                      "32769.50300\t0.00\t500ms\t1\n"),
            std::string::npos)
      << text;
  std::vector<Kurvenpunkt> punkte;
  ASSERT_EQ(Lesen(text, punkte).code, 0);
  // Y values do not survive exactly: 0.02 % is raw 0.
  EXPECT_EQ(punkte,
            (std::vector<Kurvenpunkt>{{0, 3, 1}, {2047, 2, 8}, {4094, 65535, 7}, {0, 1, 7}}));

  // Line ends CR LF, blanks around the tabs, a sign and a long line cut at 95 characters.
  ASSERT_EQ(
      Lesen("+0.0 \t 0\t10ms\t1\r\n0.02\t100\t1s\t1" + std::string(100, ' ') + "x\r\n", punkte)
          .code,
      0);
  EXPECT_EQ(punkte, (std::vector<Kurvenpunkt>{{0, 2, 4}, {4095, 1, 8}}));
}

TEST(Kurventext, ImportfehlerMitZeileMeldungUndCode) {
  Importumgebung u;
  u.satz.gKurven[0].punkte = {{9, 9, 9}};
  const std::string vorspann = "# Kommentar\n\n   # eingerückt\n \t \n";  // lines 1 to 4
  struct Fall {
    std::string zeilen;
    int code;
    std::string meldung;
  };
  const std::vector<Fall> faelle = {
      {"0\t0\t1ms\t2\n", -312448, "Fehler in Zeile 5:\nKurvennummer 2 ist nicht erlaubt."},
      {"0.001\t0\t1ms\t1\n", -312453, "Fehler in Zeile 5:\nKurve muß bei Zeit=0 beginnen."},
      {"0\t0\t1ms\t1\n0.0001\t0\t1ms\t1\n", -312456,
       "Fehler in Zeile 6:\nZeitunterschied von 0.000 Sekunden läßt sich nicht\ndurch die "
       "Zeitbasis 1ms ausdrücken."},
      {"0\t0\t1ms\n", -312447, "Fehler in Zeile 5:\nFalsche oder zu wenig Werte."},
      {"0 0 1ms 1\n", -312447, "Fehler in Zeile 5:\nFalsche oder zu wenig Werte."},
      {"nan\t0\t1ms\t1\n", -312447, "Fehler in Zeile 5:\nFalsche oder zu wenig Werte."},
      {"0\t0\t10MS\t1\n", -312451, "Fehler in Zeile 5:\nUnbekannte Zeitbasis '10MS'."},
      {"0\t100.25\t1ms\t1\n", -312452,
       "Fehler in Zeile 5:\nY-Wert von 100.250% ist nicht erlaubt '0\t100.25\t1ms\t1'."},
      {"0\t0\t1ms\t1\n0\t0\t1ms\t1\n", -312454,
       "Fehler in Zeile 6:\nZeitangaben nicht fortlaufend."},
      {"0\t0\t1ms\t1\n65.536\t0\t1ms\t1\n", -312455,
       "Fehler in Zeile 6:\nKuvenabschnitt zu lang\n(muß kleiner sein als 65536 Zeiteinheiten)."},
      {"", -312458, "Keine Kurvendaten gefunden."},
      // The last good line before a bad one changes nothing either.
      {"0\t0\t1ms\t1\n1\t0\t1ms\t1\n#\n2\t0\tx\t1\n", -312451,
       "Fehler in Zeile 8:\nUnbekannte Zeitbasis 'x'."},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(u.Importieren(vorspann + f.zeilen), f.code) << f.zeilen;
    EXPECT_EQ(u.Meldung(), f.meldung);
    EXPECT_EQ(u.satz.gKurven[0].punkte, (std::vector<Kurvenpunkt>{{9, 9, 9}}));
  }
  EXPECT_FALSE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(u.satz.rueckgaengig[0].sgAnzahlRueckgaengig, 0);

  // The quoted text is the line as read: its first 95 characters.
  const std::string lang = "0\t150\t1ms\t1\t" + std::string(108, 'z');
  ASSERT_EQ(lang.size(), 120u);
  EXPECT_EQ(u.Importieren(lang + "\n"), -312452);
  EXPECT_EQ(u.Meldung(), "Fehler in Zeile 1:\nY-Wert von 150.000% ist nicht erlaubt '" +
                             lang.substr(0, 95) + "'.");

  const size_t meldungen = u.dialoge.meldungen.size();
  EXPECT_EQ(KurventextImportieren(u.satz, u.dialoge, u.ordner.datei("fehlt.txt")), -308445);
  EXPECT_EQ(KurventextImportieren(u.satz, u.dialoge, u.ordner.pfad().string()), -308445);
  EXPECT_EQ(u.dialoge.meldungen.size(), meldungen);
}

TEST(Kurventext, LesefehlerDesDatenstroms) {
  struct Kaputt : std::streambuf {
    int_type underflow() override { throw std::ios_base::failure("Lesefehler"); }
  } puffer;
  std::istream ein(&puffer);
  std::vector<Kurvenpunkt> punkte;
  const Importfehler f = KurventextLesen(ein, punkte);
  EXPECT_EQ(f.code, -304446);
  EXPECT_EQ(f.meldung, "");
}

TEST(Kurventext, ExportOhneBeschreibbaresZiel) {
  TempOrdner ordner;
  Kurve kurve;
  EXPECT_EQ(KurventextSchreiben(ordner.pfad().string(), kurve), -308441);
  EXPECT_EQ(KurventextSchreiben(ordner.datei("fehlt/aus.txt"), kurve), -308441);
}
