#include "sim/simleitung.h"

#include <gtest/gtest.h>

#include <bit>
#include <fstream>

#include "tests/support/tempordner.h"

namespace {

const std::string kAck = "\x06";
const std::string kNak = "\x15";

}  // namespace

TEST(SimGeraet, PrueftRahmenStreng) {
  SimLeitung leitung;
  Geraet& g = leitung.GeraetHinzufuegen('1');
  EXPECT_EQ(leitung.Empfangen("#1BDW41000000201020004\r"), kAck);
  EXPECT_EQ(g.Speicher(4)[0x1001], 0x02);
  for (const char* falsch : {
           "#1BDW41000000201020005\r",  // checksum
           "#1BDW4100000020102000\r",   // length
           "#1BDW4100a000201020004\r",  // lower-case digit
           "#1BDW3100000020102000\r",   // type
           "#1BDW4FFFF00020102000\r",   // beyond the memory
           "#1BDR4000000000\r",         // reads nothing
           "#1BDR4000000010\r",         // length
           "#1M1Sab\r",                 // lower-case mask
           "#1V1W5.0\r",                // not three decimals
           "#1V1W10.001\r",             // above 10 V
           "#1V5W1.000\r",              // output 5
           "#1DAW9\r",                  // address 9
           "#1BRW1200\r",               // baud rate
           "#1IDRX\r",                  // argument to a reading command
           "#1XYZ\r",                   // unknown command
           "#1V1W1.0\x01"
           "00\r",  // control character
       }) {
    EXPECT_EQ(leitung.Empfangen(falsch), kNak) << falsch;
  }
  EXPECT_EQ(g.Speicher(4)[0x1001], 0x02);
  EXPECT_EQ(g.ausgaenge[0], 0.0);
  EXPECT_EQ(g.adresse, '1');

  // Noise outside frames is ignored; another address and reading commands to all stay silent.
  EXPECT_EQ(leitung.Empfangen("\x06xx#1V1W9.500\r"), kAck);
  EXPECT_EQ(g.ausgaenge[0], 9.5);
  EXPECT_EQ(leitung.Empfangen("#2IDR\r"), "");
  EXPECT_EQ(leitung.Empfangen("#&IDR\r"), "");
  EXPECT_EQ(leitung.Empfangen("#&M1Sxx\r"), "");
  EXPECT_EQ(leitung.Empfangen("#1IDR#1IDR\r"), kAck + "#1NOV-TVM5AR V1.00\r");
  EXPECT_EQ(leitung.Empfangen("#1BDR410010002\r"), kAck + "#1BDR410010002" + "0200" + "0003\r");
  EXPECT_FALSE(g.EingangSetzen(1, 1000.0));
  EXPECT_FALSE(g.EingangSetzen(5, 1.0));
  EXPECT_TRUE(g.EingangSetzen(4, -999.999));
  EXPECT_EQ(leitung.Empfangen("#1V4R\r"), kAck + "#1V4R-999.999\r");
}

TEST(SimLeitung, MehrereGeraeteUndGemeinsameAdresse) {
  SimLeitung leitung;
  Geraet& eins = leitung.GeraetHinzufuegen('1');
  Geraet& b = leitung.GeraetHinzufuegen('b', "TVM5AR2");
  EXPECT_EQ(leitung.Empfangen("#bIDR\r"), kAck + "#bTVM5AR2\r");
  EXPECT_EQ(leitung.Empfangen("#&M1S06\r"), "");
  EXPECT_EQ(eins.modus, 6);
  EXPECT_EQ(b.modus, 6);
  EXPECT_EQ(leitung.Empfangen("#bM1C02\r#bM1R\r"), kAck + kAck + "#bM1R$04\r");
  EXPECT_EQ(leitung.GeraetMit('b'), &b);
  EXPECT_EQ(leitung.GeraetMit('2'), nullptr);
  EXPECT_DOUBLE_EQ(Zeichendauer(9600), 10.0 / 9600);
}

TEST(SimLeitung, StoerungenNachRahmenUndRate) {
  std::vector<std::string> log;
  SimLeitung leitung(42);
  leitung.GeraetHinzufuegen('1');
  leitung.protokoll = [&](const Protokolleintrag& e) { log.push_back(ProtokollText(e)); };
  leitung.StoerungAufRahmen(2, {Stoerart::Can});
  leitung.StoerungAufRahmen(3, {Stoerart::Muell, 3});
  EXPECT_EQ(leitung.Empfangen("#1M1R\r"), kAck + "#1M1R$04\r");
  EXPECT_EQ(leitung.Empfangen("#1M1R\r"), "\x18");
  const std::string muell = leitung.Empfangen("#1DF1\r");
  ASSERT_EQ(muell.size(), 4u);
  EXPECT_EQ(muell.substr(3), kAck);
  EXPECT_EQ(log[0], "1: #1M1R<CR> -> <ACK>#1M1R$04<CR>");
  EXPECT_EQ(log[1], "2: #1M1R<CR> -> <CAN> [can]");
  EXPECT_EQ(log[2].substr(log[2].size() - 9), "[muell 3]");

  // The same seed gives the same faults.
  const auto lauf = [](uint32_t seed) {
    SimLeitung l(seed);
    l.GeraetHinzufuegen('1');
    l.StoerungMitRate({Stoerart::Stille}, 0.5);
    std::string antworten;
    for (int i = 0; i < 40; ++i) antworten += l.Empfangen("#1DF2\r").empty() ? '-' : '+';
    return antworten;
  };
  EXPECT_EQ(lauf(7), lauf(7));
  EXPECT_NE(lauf(7).find('-'), std::string::npos);
  EXPECT_NE(lauf(7).find('+'), std::string::npos);
  leitung.StoerungenLoeschen();
  leitung.StoerungMitRate({Stoerart::Nak}, 0.0);
  EXPECT_EQ(leitung.Empfangen("#1DF2\r"), kAck);

  EXPECT_EQ(StoerartAusName("fruehesende"), Stoerart::FruehesEnde);
  EXPECT_EQ(StoerartAusName("checksumme"), Stoerart::FalscheChecksumme);
  EXPECT_FALSE(StoerartAusName("NAK").has_value());
}

TEST(SimLeitung, BitfehlerUndAuflegen) {
  SimLeitung leitung(3);
  Geraet& g = leitung.GeraetHinzufuegen('1');
  const std::string richtig = kAck + "#1M1R$04\r";
  leitung.StoerungAufRahmen(1, {Stoerart::Bitfehler});
  const std::string gekippt = leitung.Empfangen("#1M1R\r");
  ASSERT_EQ(gekippt.size(), richtig.size());
  int bits = 0;
  for (size_t i = 0; i < richtig.size(); ++i) {
    const unsigned diff = static_cast<unsigned char>(gekippt[i] ^ richtig[i]);
    EXPECT_LT(diff, 0x80u);
    bits += std::popcount(diff);
  }
  EXPECT_EQ(bits, 1);

  // The line drops after half the answer and loses the next two frames: they change nothing.
  leitung.StoerungAufRahmen(2, {Stoerart::Auflegen, 2});
  EXPECT_EQ(leitung.Empfangen("#1M1R\r"), richtig.substr(0, richtig.size() / 2));
  EXPECT_EQ(leitung.Empfangen("#1M1S01\r"), "");
  EXPECT_EQ(leitung.Empfangen("#1M1S02\r"), "");
  EXPECT_EQ(g.modus, 4);
  EXPECT_EQ(leitung.Empfangen("#1M1R\r"), richtig);
  EXPECT_EQ(StoerartAusName("auflegen"), Stoerart::Auflegen);
  EXPECT_STREQ(StoerartName(Stoerart::Bitfehler), "bitfehler");
}

TEST(SimGeraet, SpeicherUeberLaeufeBehalten) {
  TempOrdner ordner;
  Geraet g('1');
  g.Speicher(4)[0] = 0x11;
  g.Speicher(5)[65535] = 0x55;
  g.SpeicherVerfaelschen(4, 1, 0x0F);
  ASSERT_TRUE(g.SpeicherSpeichern(ordner.datei("speicher.bin")));
  Geraet neu('2');
  ASSERT_TRUE(neu.SpeicherLaden(ordner.datei("speicher.bin")));
  EXPECT_EQ(neu.Speicher(4), g.Speicher(4));
  EXPECT_EQ(neu.Speicher(5), g.Speicher(5));
  EXPECT_EQ(neu.Speicher(4)[1], 0x0F);

  std::ofstream(ordner.datei("kurz.bin")) << "abc";
  EXPECT_FALSE(neu.SpeicherLaden(ordner.datei("kurz.bin")));
  EXPECT_FALSE(neu.SpeicherLaden(ordner.datei("fehlt.bin")));
  EXPECT_EQ(neu.Speicher(5)[65535], 0x55);
}
