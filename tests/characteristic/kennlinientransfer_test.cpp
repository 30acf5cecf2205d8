#include "characteristic/kennlinientransfer.h"

#include <gtest/gtest.h>

#include "characteristic/kennlinienabbild.h"
#include "tests/characteristic/kennlinientesthilfe.h"
#include "tests/device/skriptport.h"
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
  Konfiguration konfig;  // 0..10 V
  Kennlinienzustand z;

  Transferumgebung() { fehler.FehleranzeigeAnmelden(Geraetepanel::Kennlinie, &anzeige); }
  std::vector<uint8_t> Slot(int n) {
    const auto& s = linie.geraet.Speicher(4);
    return {s.begin() + KennlSlotAdresse(n), s.begin() + KennlSlotAdresse(n) + 8224};
  }
  // The memory writes sent, as "start:count", and the mode commands.
  std::vector<std::string> Schreibbefehle() const {
    std::vector<std::string> befehle;
    size_t a = 0;
    for (size_t e; (e = linie.gesendet.find('\r', a)) != std::string::npos; a = e + 1) {
      const std::string rahmen = linie.gesendet.substr(a, e - a);
      if (rahmen.compare(2, 3, "BDW") == 0)
        befehle.push_back(std::to_string(std::stoi(rahmen.substr(6, 4), nullptr, 16)) + ":" +
                          std::to_string(std::stoi(rahmen.substr(10, 4), nullptr, 16)));
      else
        befehle.push_back(rahmen.substr(2));
    }
    return befehle;
  }
};

std::vector<std::string> Bloecke(int start, std::initializer_list<int> laengen) {
  std::vector<std::string> b;
  for (int l : laengen) {
    b.push_back(std::to_string(start) + ":" + std::to_string(l));
    start += l;
  }
  return b;
}

}  // namespace

TEST(Kennlinientransfer, SendenBereitetDenSpeicherVorUndSchreibtAusgerichtet) {
  Transferumgebung u;
  u.z.gKennlinie.punkte = Punkte({{1000, 2}, {2000, 1}});
  u.z.gKennlKurvenNr = 3;
  u.z.gKennlBegrenzung = 5;
  u.z.gKennlAnstiegszeit = 200;
  int ok = -1;
  ASSERT_EQ(KennlModusPruefen(u.zugang, ok), 0);  // the box starts in curve operation
  EXPECT_EQ(ok, 0);
  u.linie.Leeren();
  ASSERT_EQ(KennlSenden(u.z, u.konfig, u.fehler, u.zugang), 0);
  EXPECT_EQ(u.anzeige.nummern, std::vector<int>{0});
  EXPECT_EQ(u.linie.geraet.modus, 2);
  ASSERT_EQ(KennlModusPruefen(u.zugang, ok), 0);
  EXPECT_EQ(ok, 1);

  std::vector<std::string> erwartet{"M1R"};
  const std::vector<std::vector<std::string>> leer{
      {"0:34"},     Bloecke(8224, {32, 2}),  {"16448:34"}, Bloecke(24672, {32, 2}),
      {"32896:34"}, Bloecke(41120, {32, 2}), {"49344:34"}};
  for (const auto& slot : leer) {
    erwartet.insert(erwartet.end(), slot.begin(), slot.end());
    erwartet.insert(erwartet.end(), {"M1C04", "M1S02"});
  }
  int start = 16448;
  for (int i = 0; i < 128; ++i, start += 64) erwartet.push_back(std::to_string(start) + ":64");
  erwartet.push_back("24640:32");
  erwartet.insert(erwartet.end(), {"M1C04", "M1S02", "M1R"});
  EXPECT_EQ(u.Schreibbefehle(), erwartet);

  std::vector<uint8_t> abbild;
  ASSERT_EQ(KennlAbbildErstellen(u.z.gKennlinie, 2048, 512, abbild), 0);
  EXPECT_EQ(u.Slot(3), abbild);
  const auto block = KennlLeerblock();
  for (int n : {1, 2, 4, 5, 6, 7}) {
    const auto slot = u.Slot(n);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), slot.begin())) << n;
  }
  EXPECT_EQ(u.dialoge.fortschrittTitel, std::vector<std::string>{"Daten senden"});
  EXPECT_EQ(u.dialoge.prozente.back(), 100);
  EXPECT_EQ(u.dialoge.offeneFortschritte, 0);
}

TEST(Kennlinientransfer, SendenInKennlinienbetriebSchreibtNurDenSlot) {
  Transferumgebung u;
  u.linie.geraet.modus = 2;
  u.z.gKennlKurvenNr = 2;
  ASSERT_EQ(KennlSenden(u.z, u.konfig, u.fehler, u.zugang), 0);
  std::vector<std::string> erwartet{"M1R", "8224:32"};
  for (int start = 8256; start < 16448; start += 64)
    erwartet.push_back(std::to_string(start) + ":64");
  erwartet.insert(erwartet.end(), {"M1C04", "M1S02"});
  EXPECT_EQ(u.Schreibbefehle(), erwartet);
  EXPECT_EQ(u.Slot(1)[9], 0);  // untouched
}

TEST(Kennlinientransfer, SendenVerweigertVorDemGeraet) {
  for (int slot : {0, 8}) {
    Transferumgebung u;
    u.z.gKennlKurvenNr = slot;
    EXPECT_EQ(KennlSenden(u.z, u.konfig, u.fehler, u.zugang), -1024506);
    EXPECT_EQ(u.linie.gesendet, "");
  }
  Transferumgebung u;
  u.z.gKennlinie.punkte = Punkte({{0, 4095}, {5, 2}, {6, 0}});
  EXPECT_EQ(KennlSenden(u.z, u.konfig, u.fehler, u.zugang), -1023505);
  EXPECT_EQ(u.linie.gesendet, "");
  EXPECT_TRUE(u.anzeige.nummern.empty());

  Transferumgebung ohne;
  ohne.zugang.port = -1;
  EXPECT_EQ(KennlSenden(ohne.z, ohne.konfig, ohne.fehler, ohne.zugang), 0);
  EXPECT_EQ(ohne.anzeige.nummern, (std::vector<int>{0, 122509}));
  int ok = 0;
  EXPECT_EQ(KennlSpeicherVorbereiten(ohne.zugang, ohne.dialoge), -122507);
  EXPECT_EQ(KennlBlockSchreiben(ohne.zugang, ohne.dialoge, KennlLeerblock(), 0, false), -122510);
  std::vector<uint8_t> puffer(34);
  EXPECT_EQ(KennlBlockLesen(ohne.zugang, ohne.dialoge, 0, 34, puffer, false), -122524);
  EXPECT_EQ(KennlModusPruefen(ohne.zugang, ok), -122509);
  ohne.fehler.ComFehlerSetzen(0);
  EXPECT_EQ(KennlAusgang4Setzen(ohne.z, ohne.fehler, ohne.zugang), 0);
  EXPECT_EQ(ohne.anzeige.Letzte(), 122544);
}

TEST(Kennlinientransfer, LesenNimmtDenSlotUeber) {
  Transferumgebung u;
  u.z.gKennlinie.punkte = Punkte({{1000, 2}, {2000, 1}});
  u.z.gKennlKurvenNr = 5;
  u.z.gKennlBegrenzung = 5;
  u.z.gKennlAnstiegszeit = 1000;
  ASSERT_EQ(KennlSenden(u.z, u.konfig, u.fehler, u.zugang), 0);

  Kennlinienzustand gelesen;
  gelesen.gKennlKurvenNr = 5;
  gelesen.gKennlinie.kommentar = "bleibt";
  gelesen.gKennlDateiname = "a.ske";
  gelesen.gKennlAnsichtStart = 100;
  u.dialoge.fortschrittTitel.clear();
  ASSERT_EQ(KennlLesen(gelesen, u.konfig, u.fehler, u.zugang), 0);
  KennlNachLesen(gelesen);
  ASSERT_EQ(gelesen.gKennlinie.anzahlPunkte(), 4096);
  EXPECT_EQ(gelesen.gKennlinie.punkte[1], (Kennlinienpunkt{1500, 1, 0}));
  EXPECT_EQ(gelesen.gKennlinie.punkte[4095], (Kennlinienpunkt{2000, 1, 0}));
  EXPECT_DOUBLE_EQ(gelesen.gKennlBegrenzung, RohYInEinheit(u.konfig, 2, 2048));
  EXPECT_DOUBLE_EQ(gelesen.gKennlAnstiegszeit, 819);
  EXPECT_EQ(gelesen.gKennlinie.kommentar, "bleibt");
  EXPECT_FALSE(gelesen.gKennlGeaendert);
  EXPECT_EQ(gelesen.rueckgaengig.sgAnzahlRueckgaengig, 0);
  EXPECT_EQ(gelesen.gKennlDateiname, "");
  EXPECT_EQ(gelesen.gKennlAnsichtStart, 0);
  EXPECT_EQ(u.dialoge.fortschrittTitel, std::vector<std::string>{"Daten lesen"});

  // The other slots are empty now: one point of y 205.
  gelesen.gKennlKurvenNr = 1;
  ASSERT_EQ(KennlLesen(gelesen, u.konfig, u.fehler, u.zugang), 0);
  EXPECT_EQ(gelesen.gKennlinie.punkte, Punkte({{205, 1}}));
  EXPECT_DOUBLE_EQ(gelesen.gKennlAnstiegszeit, 104422.5);
  EXPECT_EQ(u.anzeige.Letzte(), 0);
}

TEST(Kennlinientransfer, LesefehlerAendernNichts) {
  Transferumgebung u;
  u.z.gKennlKurvenNr = 9;
  EXPECT_EQ(KennlLesen(u.z, u.konfig, u.fehler, u.zugang), -1024511);
  u.z.gKennlKurvenNr = 1;
  ASSERT_EQ(KennlLesen(u.z, u.konfig, u.fehler, u.zugang), 0);  // curve operation
  EXPECT_EQ(u.anzeige.Letzte(), 1026512);
  u.linie.geraet.modus = 2;
  u.linie.geraet.Speicher(4)[100] = 1;  // slot 1 is all zeros: its checksum 0 does not match
  ASSERT_EQ(KennlLesen(u.z, u.konfig, u.fehler, u.zugang), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 897513);
  EXPECT_EQ(u.z.gKennlinie.punkte, Punkte({{4095, 0}}));
  // The mode check's error is returned; a failed block read goes to the indicators.
  u.linie.Stoeren(Stoerart::Nak);
  EXPECT_LT(KennlLesen(u.z, u.konfig, u.fehler, u.zugang), 0);
  u.linie.leitung.StoerungAufRahmen(u.linie.leitung.Rahmenzahl() + 3, {Stoerart::Nak});
  ASSERT_EQ(KennlLesen(u.z, u.konfig, u.fehler, u.zugang), 0);
  EXPECT_GT(u.anzeige.Letzte(), 0);
  EXPECT_EQ(u.z.gKennlinie.punkte, Punkte({{4095, 0}}));

  // A value of output 2 above 4095: the table and the rise time are still taken over.
  std::vector<uint8_t> abbild;
  ASSERT_EQ(KennlAbbildErstellen(u.z.gKennlinie, 0x1000, 512, abbild), 0);
  std::copy(abbild.begin(), abbild.end(), u.linie.geraet.Speicher(4).begin());
  u.z.gKennlBegrenzung = 3;
  u.z.gKennlinie.punkte = Punkte({{7, 0}});
  ASSERT_EQ(KennlLesen(u.z, u.konfig, u.fehler, u.zugang), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 1019514);
  EXPECT_EQ(u.z.gKennlBegrenzung, 3);
  EXPECT_EQ(u.z.gKennlinie.anzahlPunkte(), 4096);
  EXPECT_DOUBLE_EQ(u.z.gKennlAnstiegszeit, 204.75);
}

TEST(Kennlinientransfer, Ausgang4) {
  Transferumgebung u;
  u.z.gKennlKurvenNr = 6;
  ASSERT_EQ(KennlAusgang4Setzen(u.z, u.fehler, u.zugang), 0);
  EXPECT_EQ(u.linie.geraet.ausgaenge[3], 6.0);
  EXPECT_TRUE(u.anzeige.nummern.empty());
}

// "Abbrechen" after the third block: no further block and no mode switch, the stop on the
// indicators and the warning about the incomplete characteristic; a failure while preparing
// the memory warns too, one before anything was written does not. Complete transfers say what
// was done.
TEST(Kennlinientransfer, AbbrechenWarnungUndMeldungen) {
  Transferumgebung u;
  u.linie.geraet.modus = 2;
  u.z.gKennlKurvenNr = 2;
  u.dialoge.abbrechenNach = 3;
  ASSERT_EQ(KennlSenden(u.z, u.konfig, u.fehler, u.zugang), 0);
  EXPECT_EQ(u.Schreibbefehle(), (std::vector<std::string>{"M1R", "8224:32", "8256:64", "8320:64"}));
  EXPECT_EQ(u.anzeige.Letzte(), 4432);
  ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
  EXPECT_EQ(u.dialoge.meldungen[0].titel, "Warnung");
  EXPECT_EQ(u.dialoge.meldungen[0].text,
            "Die Kennlinie wurde nicht vollständig geschrieben.\nDie PWC-2 enthält jetzt eine "
            "unvollständige Kennlinie in Kurve Nr. 2;\nsie muss erneut geschrieben werden.");

  u.dialoge = SkriptDialoge{};
  ASSERT_EQ(KennlSenden(u.z, u.konfig, u.fehler, u.zugang), 0);
  ASSERT_EQ(u.anzeige.meldungen.size(), 1u);
  EXPECT_EQ(u.anzeige.meldungen[0].rfind("Kennlinie 2 geschrieben: 8 224 Bytes in ", 0), 0u);
  ASSERT_EQ(KennlLesen(u.z, u.konfig, u.fehler, u.zugang), 0);
  EXPECT_EQ(u.anzeige.meldungen.back().rfind("Kennlinie 2 gelesen: 8 224 Bytes in ", 0), 0u);
  EXPECT_TRUE(u.dialoge.meldungen.empty());

  u.linie.geraet.modus = 4;  // curve-generator operation: the slots are prepared first
  // The mode check passes, the first empty block is refused.
  u.linie.leitung.StoerungAufRahmen(u.linie.leitung.Rahmenzahl() + 2, {Stoerart::Nak, 0});
  ASSERT_EQ(KennlSenden(u.z, u.konfig, u.fehler, u.zugang), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 402127);
  EXPECT_EQ(u.dialoge.meldungen.size(), 1u);

  u.dialoge = SkriptDialoge{};
  u.linie.Stoeren(Stoerart::Nak);  // the mode check itself fails: nothing written
  ASSERT_EQ(KennlSenden(u.z, u.konfig, u.fehler, u.zugang), 0);
  EXPECT_EQ(u.anzeige.Letzte(), 402154);
  EXPECT_TRUE(u.dialoge.meldungen.empty());
}
