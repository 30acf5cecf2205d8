#include "characteristic/kennlinienexport.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/dateischreiben.h"
#include "tests/characteristic/kennlinientesthilfe.h"
#include "tests/support/tempordner.h"

namespace {

constexpr const char* kKopf =
    "# Kennlinie exportiert aus TVM5R-Kurvengenerator\n"
    "# Spalte 1 = X-Wert in Prozent\n"
    "# Spalte 2 = Y-Wert in Prozent\n"
    "\n";

}  // namespace

TEST(Kennlinienexport, Text) {
  Kennlinie k;
  EXPECT_EQ(KennlExportText(k), std::string(kKopf) + "0.00\t100.00\n\n");
  k.punkte = Punkte({{0, 1}, {2047, 4094}, {4095, 0}});
  EXPECT_EQ(KennlExportText(k), std::string(kKopf) + "0.00\t0.00\n0.02\t49.99\n100.00\t100.00\n\n");

  // That export cannot come back: 0.02 % are no whole X step.
  std::istringstream ein(KennlExportText(k));
  std::vector<Kennlinienpunkt> punkte;
  const Kennlimportfehler f = KennltextLesen(ein, punkte);
  EXPECT_EQ(f.code, -312541);
  EXPECT_EQ(f.meldung,
            "Fehler in Zeile 6:\nX-Unterschied zwischen zwei Punkten muß größer Null sein.");

  TempOrdner ordner;
  SkriptDialoge dialoge;
  Kennlinienzustand z;
  z.gKennlinie = k;
  dialoge.dateien = {ordner.datei("k.txt")};
  ASSERT_EQ(KennlExportieren(z, dialoge), 0);
  EXPECT_EQ(dialoge.auswahlen.at(0).titel, "Kennlinie exportieren");
  EXPECT_FALSE(dialoge.auswahlen.at(0).endungFest);
  std::string inhalt;
  ASSERT_TRUE(DateiLesen(ordner.datei("k.txt"), inhalt));
  EXPECT_EQ(inhalt, KennlExportText(k));
  EXPECT_EQ(KennltextSchreiben(ordner.datei("fehlt/k.txt"), k), -308529);
}

TEST(Kennlinienexport, Import) {
  TempOrdner ordner;
  SkriptDialoge dialoge;
  Kennlinienzustand z;
  const std::string pfad = ordner.datei("i.txt");
  ASSERT_TRUE(DateiSicherSchreiben(pfad, {"# Kopf\n  # auch\n   \n0\t0\r\n100\t100\n"}).ok());
  dialoge.dateien = {pfad};
  ASSERT_EQ(KennlImportieren(z, dialoge), 0);
  EXPECT_EQ(dialoge.auswahlen.at(0).titel, "Kennlinie importieren");
  EXPECT_EQ(z.gKennlinie.punkte, Punkte({{0, 4095}, {4095, 0}}));
  EXPECT_TRUE(z.gKennlGeaendert);
  EXPECT_EQ(z.rueckgaengig.sgAnzahlRueckgaengig, 1);
  EXPECT_EQ(KennltextImportieren(z, dialoge, ordner.datei("fehlt.txt")), -308533);
}

TEST(Kennlinienexport, ImportFehlerAendernNichts) {
  const struct {
    const char* text;
    int code;
    const char* meldung;
  } faelle[] = {
      {"0\t100.0001\n", -312537,
       "Fehler in Zeile 1:\nY-Wert von 100.000% ist nicht erlaubt '0\t100.0001'."},
      {"0\t-1\n", -312537, "Fehler in Zeile 1:\nY-Wert von -1.000% ist nicht erlaubt '0\t-1'."},
      {"0\t0\n100.5\t3\n", -312538,
       "Fehler in Zeile 2:\nX-Wert von 100.500% ist nicht erlaubt '100.5\t3'."},
      {"50\t10\n", -312539, "Fehler in Zeile 1:\nKurve muß bei X=0 beginnen."},
      {"  # Kommentar\n\t# kein Kommentar\n", -312535,
       "Fehler in Zeile 2:\nFalsche oder zu wenig Werte."},
      {"0 0\n", -312535, "Fehler in Zeile 1:\nFalsche oder zu wenig Werte."},
      {"0\t0\n\n10\t5\n10\t6\n", -312540, "Fehler in Zeile 4:\nX-Achse nicht fortlaufend."},
      {"# nur ein Kommentar\n\n", -312542, "Keine Kurvendaten gefunden."},
  };
  TempOrdner ordner;
  for (const auto& f : faelle) {
    SkriptDialoge dialoge;
    Kennlinienzustand z;
    const std::string pfad = ordner.datei("f.txt");
    ASSERT_TRUE(DateiSicherSchreiben(pfad, {f.text}).ok());
    EXPECT_EQ(KennltextImportieren(z, dialoge, pfad), f.code) << f.text;
    EXPECT_EQ(dialoge.LetzteMeldung().titel, "Importfehler");
    EXPECT_EQ(dialoge.LetzteMeldung().text, f.meldung);
    EXPECT_EQ(z.gKennlinie.punkte, Punkte({{4095, 0}}));
    EXPECT_FALSE(z.gKennlGeaendert);
    EXPECT_EQ(z.rueckgaengig.sgAnzahlRueckgaengig, 0);
  }
}
