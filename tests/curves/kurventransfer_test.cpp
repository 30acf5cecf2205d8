#include "curves/kurventransfer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/device/skriptport.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/testzugang.h"

namespace {

using Anzeige = Testanzeige;

using Zugang = Testzugang;

struct Transferumgebung {
  Simlinie linie;
  Zugang zugang{linie.ports};
  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  Anzeige anzeige;
  Kurvensatz satz;
  int freigaben = 0;

  Transferumgebung() { fehler.FehleranzeigeAnmelden(Geraetepanel::Kurven, &anzeige); }
  std::vector<uint8_t>& Speicher(int typ = 4) { return linie.geraet.Speicher(typ); }
  int Lesen(int typ = 4) {
    return KurvenLesen(satz, fehler, zugang, typ, [this] { ++freigaben; });
  }
  // Puts an image with a valid header and checksum for the words into curve memory.
  void Ablegen(const std::vector<uint8_t>& daten, uint8_t kurvenzahl = 1) {
    std::vector<uint8_t>& s = Speicher();
    const int ende = 4128 + static_cast<int>(daten.size()) - 1;
    std::copy(daten.begin(), daten.end(), s.begin() + 4128);
    s[4098] = static_cast<uint8_t>(ende >> 8);
    s[4099] = static_cast<uint8_t>(ende);
    s[4122] = kurvenzahl;
    const uint16_t summe = KurvenPruefsumme(s, 4098, ende);
    s[4096] = static_cast<uint8_t>(summe >> 8);
    s[4097] = static_cast<uint8_t>(summe);
  }
};

}  // namespace

TEST(Kurventransfer, SendenSchreibtDasAbbild) {
  Transferumgebung u;
  ASSERT_EQ(KurvenSenden(u.satz, u.fehler, u.zugang, kKurvenspeicher), 0);
  EXPECT_EQ(u.linie.gesendet,
            "#1BDW410000022"
            "0063102100000000000000000000000000000000000000000000010000000000"
            "3000"
            "00C6\r");
  EXPECT_EQ(u.anzeige.nummern, (std::vector<int>{0}));
  EXPECT_EQ(u.dialoge.fortschrittTitel, (std::vector<std::string>{"Daten senden"}));
}

TEST(Kurventransfer, SendenVerweigertZuGrossesAbbildUndMeldetTreiberfehler) {
  Transferumgebung u;
  u.satz.gKurven[0].punkte = {{0, 30704, 4}, {1, 1, 4}};
  ASSERT_EQ(KurvenSenden(u.satz, u.fehler, u.zugang, 4), 0);
  ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
  EXPECT_EQ(u.dialoge.meldungen[0].titel, "Fehler");
  EXPECT_EQ(u.dialoge.meldungen[0].text,
            "Benötigter Platz für die Kurven überschreitet\nden verfügbaren Speicherplatz im "
            "TVM-5R.");
  EXPECT_EQ(u.linie.gesendet, "");
  EXPECT_TRUE(u.anzeige.nummern.empty());

  u.satz.gKurven[0].punkte = {{0, 30703, 4}, {1, 1, 4}};
  u.linie.Stoeren(Stoerart::Nak);
  ASSERT_EQ(KurvenSenden(u.satz, u.fehler, u.zugang, 4), 0);
  EXPECT_EQ(u.anzeige.nummern, (std::vector<int>{0, 402127}));
  EXPECT_EQ(u.Speicher()[65535], 0);  // the first block was refused, so nothing came through

  u.zugang.port = -1;
  ASSERT_EQ(KurvenSenden(u.satz, u.fehler, u.zugang, 4), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 122430);
}

TEST(Kurventransfer, LesenErgibtTreppeMitEinstellungen) {
  Transferumgebung u;
  u.satz.gKurven[0].punkte = {{0, 4, 9}, {4095, 1, 9}};
  u.satz.gZyklen = {7, 8, 9, 10};
  u.satz.gRuhezustand = {100, 200, 300, 400};
  ASSERT_EQ(KurvenSenden(u.satz, u.fehler, u.zugang, 5), 0);

  u.satz = Kurvensatz{};
  u.satz.gKurven[1].punkte = {{3, 3, 3}};
  u.dialoge.fortschrittTitel.clear();
  ASSERT_EQ(u.Lesen(5), 0);
  EXPECT_EQ(u.satz.gKurven[0].punkte,
            (std::vector<Kurvenpunkt>{
                {0, 1, 9}, {1024, 1, 9}, {2048, 1, 9}, {3071, 1, 9}, {4095, 1, 9}}));
  EXPECT_EQ(u.satz.gZyklen, (std::array<int32_t, 4>{7, 0, 0, 0}));
  EXPECT_EQ(u.satz.gRuhezustand, (std::array<int32_t, 4>{100, 0, 0, 0}));
  EXPECT_EQ(u.satz.gKurven[1].punkte, (std::vector<Kurvenpunkt>{{3, 3, 3}}));
  EXPECT_FALSE(u.satz.gKurvenGeaendert);
  EXPECT_EQ(u.satz.rueckgaengig[0].sgAnzahlRueckgaengig, 0);
  EXPECT_EQ(u.freigaben, 1);
  EXPECT_EQ(u.anzeige.nummern.back(), 0);
  // The header alone without progress, then the whole image with it.
  EXPECT_EQ(u.dialoge.fortschrittTitel, (std::vector<std::string>{"Daten lesen"}));
}

TEST(Kurventransfer, LesenNurKurve1AuchBeiVierKurvenImKopf) {
  Transferumgebung u;
  std::vector<uint8_t>& s = u.Speicher();
  s[4100] = 0x10;  // curve 2 ends at 4135, behind curve 1's two words
  s[4101] = 0x27;
  s[4132] = 0x80;
  s[4134] = 0x80;
  u.Ablegen({0x30, 0x05, 0x30, 0x06}, 4);
  ASSERT_EQ(u.Lesen(), 0);
  EXPECT_EQ(u.satz.gKurven[0].punkte, (std::vector<Kurvenpunkt>{{5, 1, 4}, {6, 1, 4}}));
  for (int k = 1; k < 4; ++k) EXPECT_EQ(u.satz.gKurven[k].punkte, Kurve{}.punkte);
}

TEST(Kurventransfer, FehlerhafteAbbilderAendernKurve1Nicht) {
  Transferumgebung u;
  const std::vector<Kurvenpunkt> vorher = {{1, 2, 3}, {4, 5, 6}};
  u.satz.gKurven[0].punkte = vorher;
  u.satz.gZyklen[0] = 3;

  u.Ablegen({0x30, 0x00, 0x90, 0x00});
  EXPECT_EQ(u.Lesen(), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 1019418);

  u.Ablegen({0x30, 0x00, 0x30});
  EXPECT_EQ(u.Lesen(), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 1019417);

  u.Ablegen({0x30, 0x00, 0x30, 0x01});
  u.linie.geraet.SpeicherVerfaelschen(4, 4131, 0x01);
  EXPECT_EQ(u.Lesen(), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 897407);

  u.Ablegen({0x30, 0x00, 0x30, 0x01});
  u.linie.Stoeren(Stoerart::Can);
  EXPECT_EQ(u.Lesen(), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 405100);

  u.Speicher()[4098] = 0x10;  // end address 4127
  u.Speicher()[4099] = 0x1F;
  u.anzeige.nummern.clear();
  EXPECT_EQ(u.Lesen(), -1019472);
  EXPECT_EQ(u.anzeige.nummern, (std::vector<int>{0}));

  u.zugang.port = -1;
  EXPECT_EQ(u.Lesen(), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 122431);

  EXPECT_EQ(u.satz.gKurven[0].punkte, vorher);
  EXPECT_EQ(u.satz.gZyklen[0], 3);
  EXPECT_EQ(u.freigaben, 0);
}

TEST(Kurventransfer, PruefenFindetAbweichung) {
  Transferumgebung u;
  u.satz.gKurven[0].punkte = {{0, 100, 9}, {4095, 1, 9}};
  ASSERT_EQ(KurvenSenden(u.satz, u.fehler, u.zugang, 4), 0);
  const auto abbild = KurvenAbbildErstellen(u.satz);
  EXPECT_EQ(KurvenAbbildPruefen(*abbild, u.dialoge, u.zugang, 4), 0);
  EXPECT_EQ(KurvenAbbildPruefen(*abbild, u.dialoge, u.zugang, 5), -1019478);
  u.linie.geraet.SpeicherVerfaelschen(4, abbild->ende);
  EXPECT_EQ(KurvenAbbildPruefen(*abbild, u.dialoge, u.zugang, 4), -1019478);
  u.linie.Stoeren(Stoerart::Nak);
  EXPECT_EQ(KurvenAbbildPruefen(*abbild, u.dialoge, u.zugang, 4), -402099);
}

TEST(Kurventransfer, WarnungBeiUngleicherDauer) {
  SkriptDialoge dialoge;
  Kurvensatz satz;
  EXPECT_EQ(KurvenGleichLangPruefen(satz, dialoge), 0);
  satz.gKurven[0].punkte = {{0, 9, 1}, {1, 1, 1}};    // 10 ms
  satz.gKurven[1].punkte = {{0, 10, 1}, {5, 40, 9}};  // 10 ms + 40 x 250 us
  satz.gKurven[3].punkte = {{0, 60000, 8}};           // one point: takes no part
  dialoge.antworten = {2};
  EXPECT_EQ(KurvenGleichLangPruefen(satz, dialoge), 1);
  ASSERT_EQ(dialoge.fragen.size(), 1u);
  EXPECT_EQ(dialoge.fragen[0].titel, "Warnung");
  EXPECT_EQ(dialoge.fragen[0].text,
            "Kurven sind nicht gleich lang, und laufen daher nicht synchron.\n\n"
            "Kurve 1: 0.01000 sek\nKurve 2: 0.02000 sek\n");
  EXPECT_EQ(dialoge.fragen[0].knoepfe, (std::vector<std::string>{"Kurven senden", "zurück"}));
  dialoge.antworten = {1};
  EXPECT_EQ(KurvenGleichLangPruefen(satz, dialoge), 0);
  dialoge.antworten = {0};  // closed
  EXPECT_EQ(KurvenGleichLangPruefen(satz, dialoge), 1);

  satz.gKurven[1].punkte = {{0, 5, 1}, {5, 20, 9}};  // 10 ms as well
  EXPECT_EQ(KurvenGleichLangPruefen(satz, dialoge), 0);
  satz.gKurvenzahl = 1;
  satz.gKurven[1].punkte = {{0, 5, 1}, {5, 1, 9}};
  EXPECT_EQ(KurvenGleichLangPruefen(satz, dialoge), 0);
  EXPECT_EQ(dialoge.fragen.size(), 3u);
}

TEST(Kurventransfer, GeraetAnpassenNachMaxCurrentUndKompatibilitaet) {
  Transferumgebung u;
  SkriptDialoge konfigDialoge;
  Konfigzustand konfig(konfigDialoge);
  int skaliert = 0;
  std::string kennung = "NOV-TVM5ARV1.00";
  int idCode = 0;
  const auto anpassen = [&] {
    return GeraetAnpassen(
        konfig, u.fehler, u.zugang,
        [&](std::string& text) {
          text = kennung;
          return idCode;
        },
        [&] { ++skaliert; });
  };

  u.linie.geraet.maxCurrent = 8.0;
  EXPECT_EQ(anpassen(), 0);
  EXPECT_EQ(konfig.gKonfig().outskalamax[0], 8.19);
  EXPECT_EQ(skaliert, 1);

  u.linie.geraet.maxCurrent = 6.0;
  EXPECT_EQ(anpassen(), 0);
  EXPECT_EQ(konfig.gKonfig().outskalamax[0], 6.1425);

  u.linie.geraet.maxCurrent = 7.0;  // other values leave it
  EXPECT_EQ(anpassen(), 0);
  EXPECT_EQ(konfig.gKonfig().outskalamax[0], 6.1425);
  EXPECT_EQ(skaliert, 3);

  u.linie.geraet.kompatibilitaetStattStatus = true;
  u.linie.geraet.compartibilityMode = 1.0;
  u.anzeige.nummern.clear();
  EXPECT_EQ(anpassen(), 0);
  EXPECT_EQ(konfig.gKonfig().outskalamax[0], 4.095);
  EXPECT_EQ(u.anzeige.nummern, (std::vector<int>{0, 0}));

  // "TVM5AR2" needs nothing; a failed identification is shown and the parameters decide.
  kennung = "TVM5AR2";
  u.linie.geraet.compartibilityMode = 0.0;
  u.linie.Leeren();
  EXPECT_EQ(anpassen(), 0);
  EXPECT_EQ(u.linie.gesendet, "");
  EXPECT_EQ(skaliert, 4);

  kennung = "";
  idCode = -403012;
  u.linie.geraet.maxCurrent = 8.0;
  u.anzeige.nummern.clear();
  EXPECT_EQ(anpassen(), 0);
  EXPECT_EQ(u.anzeige.nummern, (std::vector<int>{403012, 0, 0}));
  EXPECT_EQ(konfig.gKonfig().outskalamax[0], 8.19);

  // Without "max_current" the configuration and the scaling stay.
  SimLeitung& leitung = u.linie.leitung;
  leitung.StoerungAufRahmen(leitung.Rahmenzahl() + 1, {Stoerart::Stille});
  leitung.StoerungAufRahmen(leitung.Rahmenzahl() + 2, {Stoerart::Stille});
  u.anzeige.nummern.clear();
  u.linie.geraet.maxCurrent = 6.0;
  const int vorher = skaliert;
  EXPECT_EQ(anpassen(), 0);
  EXPECT_EQ(u.anzeige.nummern.size(), 3u);
  EXPECT_NE(u.anzeige.nummern.back(), 0);
  EXPECT_EQ(konfig.gKonfig().outskalamax[0], 8.19);
  EXPECT_EQ(skaliert, vorher);
}

// "Abbrechen" stops the write after the frame on the line: exactly the blocks sent before are in
// the box, the indicators show the stop and a warning says the box holds an incomplete curve
// (or dither amplitude). A complete write and read say what was done; a stopped read changes
// nothing and warns of nothing.
TEST(Kurventransfer, AbbrechenNachDemRahmenUndMeldungen) {
  Transferumgebung u;
  u.satz.gKurven[0].punkte = {{0, 200, 4}, {4095, 1, 4}};  // 201 words: 434 bytes, 7 blocks
  for (int typ : {kKurvenspeicher, kDitherspeicher}) {
    SCOPED_TRACE(typ);
    u.linie.Leeren();
    u.dialoge = SkriptDialoge{};
    u.dialoge.abbrechenNach = 3;
    ASSERT_EQ(KurvenSenden(u.satz, u.fehler, u.zugang, typ), 0);
    EXPECT_EQ(std::count(u.linie.gesendet.begin(), u.linie.gesendet.end(), '\r'), 3);
    EXPECT_EQ(u.dialoge.prozente, (std::vector<int>{14, 29, 44}));
    EXPECT_EQ(u.anzeige.Letzte(), 4432);
    EXPECT_NE(u.Speicher(typ)[4096 + 191], 0);  // the third block came through
    EXPECT_EQ(u.Speicher(typ)[4096 + 192], 0);  // the fourth was never sent
    ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(u.dialoge.meldungen[0].titel, "Warnung");
    EXPECT_EQ(u.dialoge.meldungen[0].text, KurveUnvollstaendigText(typ));
    EXPECT_EQ(u.dialoge.offeneFortschritte, 0);
  }
  EXPECT_EQ(KurveUnvollstaendigText(4),
            "Die Kurve wurde nicht vollständig geschrieben.\nDer TVM-5R enthält jetzt eine "
            "unvollständige Kurve;\nsie muss erneut geschrieben werden.");
  EXPECT_EQ(KurveUnvollstaendigText(5),
            "Die Dither-Amplitude wurde nicht vollständig geschrieben.\nDer TVM-5R enthält jetzt "
            "eine unvollständige Dither-Amplitude;\nsie muss erneut geschrieben werden.");

  u.dialoge = SkriptDialoge{};
  ASSERT_EQ(KurvenSenden(u.satz, u.fehler, u.zugang, kDitherspeicher), 0);
  ASSERT_EQ(u.anzeige.meldungen.size(), 1u);
  EXPECT_EQ(u.anzeige.meldungen[0].rfind("Dither-Amplitude geschrieben: 434 Bytes in ", 0), 0u)
      << u.anzeige.meldungen[0];
  EXPECT_EQ(u.dialoge.restzeiten.size(), 7u);
  EXPECT_TRUE(u.dialoge.meldungen.empty());

  const std::vector<Kurvenpunkt> vorher = u.satz.gKurven[0].punkte;
  u.dialoge.abbrechenNach = 2;
  ASSERT_EQ(u.Lesen(kDitherspeicher), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 4433);
  EXPECT_EQ(u.satz.gKurven[0].punkte, vorher);
  EXPECT_TRUE(u.dialoge.meldungen.empty());
  u.dialoge.abbrechenNach = -1;
  ASSERT_EQ(u.Lesen(kDitherspeicher), 0);
  EXPECT_EQ(u.satz.gKurven[0].anzahlPunkte(), 201);
  EXPECT_EQ(u.anzeige.meldungen.back().rfind("Dither-Amplitude gelesen: 434 Bytes in ", 0), 0u);

  // Without a port nothing was sent, so nothing is incomplete.
  u.dialoge = SkriptDialoge{};
  u.zugang.port = -1;
  ASSERT_EQ(KurvenSenden(u.satz, u.fehler, u.zugang, kKurvenspeicher), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 122430);
  EXPECT_TRUE(u.dialoge.meldungen.empty());
}
