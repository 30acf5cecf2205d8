#include "device/speichertransfer.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "tests/device/skriptport.h"
#include "tests/support/skriptdialoge.h"

namespace {

std::vector<uint8_t> Folge(size_t anzahl, uint8_t erstes) {
  std::vector<uint8_t> daten(anzahl);
  std::iota(daten.begin(), daten.end(), erstes);
  return daten;
}

// The answer of device "1" to reading 2 bytes of type 4 from 0x0010, ACK included.
std::string LeseAntwort(const std::string& daten, const std::string& summe) {
  return "\x06#1BDR400100002" + daten + summe + "\r";
}

}  // namespace

TEST(Speichertransfer, Checksumme) {
  const std::vector<uint8_t> drei = {0x01, 0x02, 0xFF};
  EXPECT_EQ(Speicherchecksumme(drei), 0x0103);
  EXPECT_EQ(Speicherchecksumme({}), 0x0001);
  EXPECT_EQ(Speicherchecksumme(std::vector<uint8_t>(257, 0xFF)), (1 + 257 * 255) & 0xFFFF);
}

TEST(Speichertransfer, SchreibRahmen) {
  Simlinie l;
  const std::vector<uint8_t> zwei = {0x01, 0x02};
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, '1', 4, 0x1000, 2, zwei), 0);
  EXPECT_EQ(l.gesendet, "#1BDW41000000201020004\r");
  EXPECT_EQ(l.empfangen, "\x06");
  EXPECT_EQ(l.geraet.Speicher(4)[0x1000], 0x01);
  EXPECT_EQ(l.geraet.Speicher(4)[0x1001], 0x02);

  Geraet& a = l.leitung.GeraetHinzufuegen('a');
  l.Leeren();
  const std::vector<uint8_t> eins = {0xEF};
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, 'a', 5, 0xABCD, 1, eins), 0);
  EXPECT_EQ(l.gesendet, "#aBDW5ABCD0001EF00F0\r");
  EXPECT_EQ(a.Speicher(5)[0xABCD], 0xEF);

  l.Leeren();
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, '1', 4, 0, 0, {}), 0);
  EXPECT_EQ(l.gesendet, "#1BDW4000000000001\r");

  l.Leeren();
  const std::vector<uint8_t> viele = Folge(65, 0);
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, '1', 4, 0, 65, viele), -895120);
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, '1', 4, 0, 3, zwei), -895120);
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, '1', 4, 0x10000, 1, zwei), -894119);
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, '1', 4, -1, 1, zwei), -894119);
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, '1', 6, 0, 1, zwei), -896121);
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, 'A', 7, -1, 99, zwei), -400118);
  EXPECT_EQ(l.gesendet, "");

  // All devices take a write to "&" and nobody acknowledges.
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(l.ports, 1, '&', 4, 0x20, 64, viele), 0);
  EXPECT_EQ(l.empfangen, "");
  EXPECT_EQ(a.Speicher(4)[0x5F], 63);
  EXPECT_EQ(l.geraet.Speicher(4)[0x5F], 63);
}

TEST(Speichertransfer, LesenPrueftDieAntwort) {
  Simlinie l;
  const std::vector<uint8_t> inhalt = Folge(32, 0xF0);
  std::copy(inhalt.begin(), inhalt.end(), l.geraet.Speicher(4).begin() + 0x1000);
  std::vector<uint8_t> ziel(32, 0);
  ASSERT_EQ(NOVHLN1_SpeicherLesen(l.ports, 1, '1', 4, 0x1000, 32, ziel), 0);
  EXPECT_EQ(l.gesendet, "#1BDR410000020\r");
  EXPECT_EQ(l.empfangen.size(), 1u + 83u);
  EXPECT_EQ(ziel, inhalt);

  const std::vector<uint8_t> leer(32, 0);
  const struct {
    Stoerart art;
    int parameter;
    int code;
  } faelle[] = {{Stoerart::FruehesEnde, 2, -404106},    {Stoerart::Abgeschnitten, 1, -404104},
                {Stoerart::Abgeschnitten, 40, -404104}, {Stoerart::FalscheChecksumme, 0, -406114},
                {Stoerart::FalschesEcho, 1, -404107},   {Stoerart::FalschesEcho, 4, -404107},
                {Stoerart::FalschesEcho, 5, -404107},   {Stoerart::FalschesEcho, 13, -404107},
                {Stoerart::Muell, 1, -404102},          {Stoerart::Stille, 0, -403101}};
  for (const auto& f : faelle) {
    ziel.assign(32, 0);
    l.Stoeren(f.art, f.parameter);
    EXPECT_EQ(NOVHLN1_SpeicherLesen(l.ports, 1, '1', 4, 0x1000, 32, ziel), f.code)
        << StoerartName(f.art) << " " << f.parameter;
    EXPECT_EQ(ziel, leer);
  }

  l.Leeren();
  std::vector<uint8_t> gross(65536);
  EXPECT_EQ(NOVHLN1_SpeicherLesen(l.ports, 1, '1', 4, 0, 65536, gross), -895094);
  EXPECT_EQ(NOVHLN1_SpeicherLesen(l.ports, 1, '1', 4, 0, 0, gross), -895094);
  EXPECT_EQ(NOVHLN1_SpeicherLesen(l.ports, 1, '1', 4, 0, 33, ziel), -895094);
  EXPECT_EQ(NOVHLN1_SpeicherLesen(l.ports, 1, '1', 4, 0x10000, 1, ziel), -894093);
  EXPECT_EQ(NOVHLN1_SpeicherLesen(l.ports, 1, '1', 3, 0, 1, ziel), -896095);
  EXPECT_EQ(NOVHLN1_SpeicherLesen(l.ports, 1, '&', 4, 0, 1, ziel), -400092);
  EXPECT_EQ(l.gesendet, "");
  EXPECT_EQ(NOVHLN1_SpeicherLesen(l.ports, 1, '1', 5, 0, 65535, gross), 0);
  EXPECT_EQ(l.gesendet, "#1BDR50000FFFF\r");
}

TEST(Speichertransfer, LesenZiffernfehler) {
  Skriptlinie s;
  std::vector<uint8_t> ziel(2, 0x77);
  const auto lesen = [&](const std::string& antwort) {
    s.fabrik.antwort = antwort;
    return NOVHLN1_SpeicherLesen(s.ports, 1, '1', 4, 0x10, 2, ziel);
  };
  EXPECT_EQ(lesen(LeseAntwort("aBcD", "0179")), 0);  // both letter cases are accepted
  EXPECT_EQ(ziel, (std::vector<uint8_t>{0xAB, 0xCD}));
  EXPECT_EQ(lesen("\x06#1bdr400100002ABCD0179\r"), -404107);
  EXPECT_EQ(lesen("\x06#1BDR400100002ABCD0179X"), -404105);
  EXPECT_EQ(lesen(LeseAntwort("ABGD", "0179")), -404108);
  EXPECT_EQ(lesen(LeseAntwort("ABCG", "0179")), -404109);
  EXPECT_EQ(lesen(LeseAntwort("ABCD", "G179")), -404110);
  EXPECT_EQ(lesen(LeseAntwort("ABCD", "0G79")), -404111);
  EXPECT_EQ(lesen(LeseAntwort("ABCD", "01G9")), -404112);
  EXPECT_EQ(lesen(LeseAntwort("ABCD", "017G")), -404113);
  EXPECT_EQ(lesen(LeseAntwort("ABCD", "017A")), -406114);
  EXPECT_EQ(ziel, (std::vector<uint8_t>{0xAB, 0xCD}));
}

TEST(Speichertransfer, KurvenBlockSchreiben) {
  Simlinie l;
  SkriptDialoge dialoge;
  std::vector<uint8_t> abbild(4096 + 150);
  std::iota(abbild.begin() + 4096, abbild.end(), 7);
  ASSERT_EQ(KurvenBlockSchreiben(dialoge, l.ports, 1, '1', abbild, 4096, 150, 4), 0);
  EXPECT_EQ(l.leitung.Rahmenzahl(), 3);
  EXPECT_EQ(l.gesendet.substr(0, 14), "#1BDW410000040");
  EXPECT_EQ(l.gesendet.substr(147, 14), "#1BDW410400040");
  EXPECT_EQ(l.gesendet.substr(294, 14), "#1BDW410800016");
  EXPECT_EQ(dialoge.fortschrittTitel, std::vector<std::string>{"Daten senden"});
  EXPECT_EQ(dialoge.prozente, (std::vector<int>{42, 85, 100}));
  EXPECT_EQ(dialoge.offeneFortschritte, 0);
  EXPECT_TRUE(std::equal(abbild.begin() + 4096, abbild.end(), l.geraet.Speicher(4).begin() + 4096));

  SkriptDialoge fehler;
  l.leitung.StoerungAufRahmen(l.leitung.Rahmenzahl() + 2, {Stoerart::Nak});
  EXPECT_EQ(KurvenBlockSchreiben(fehler, l.ports, 1, '1', abbild, 4096, 150, 5), -402127);
  EXPECT_EQ(fehler.prozente, (std::vector<int>{42}));
  EXPECT_EQ(fehler.offeneFortschritte, 0);

  SkriptDialoge ohne;
  EXPECT_EQ(KurvenBlockSchreiben(ohne, l.ports, -1, '1', abbild, 4096, 150, 4), -122430);
  EXPECT_EQ(KurvenBlockSchreiben(ohne, l.ports, 2, '1', abbild, 4096, 150, 4), -122430);
  EXPECT_EQ(KurvenBlockSchreiben(ohne, l.ports, 1, '1', abbild, 4097, 150, 4), -895120);
  EXPECT_TRUE(ohne.fortschrittTitel.empty());
}

TEST(Speichertransfer, KurvenBlockLesen) {
  Simlinie l;
  std::iota(l.geraet.Speicher(5).begin(), l.geraet.Speicher(5).end(), 3);
  SkriptDialoge dialoge;
  std::vector<uint8_t> ziel(130);
  ASSERT_EQ(KurvenBlockLesen(dialoge, l.ports, 1, '1', 4096, 130, ziel, true, 5), 0);
  EXPECT_TRUE(std::equal(ziel.begin(), ziel.end(), l.geraet.Speicher(5).begin() + 4096));
  EXPECT_EQ(dialoge.fortschrittTitel, std::vector<std::string>{"Daten lesen"});
  EXPECT_EQ(dialoge.prozente, (std::vector<int>{49, 98, 100}));
  EXPECT_EQ(dialoge.offeneFortschritte, 0);

  // A corrupted byte in the device comes back as it is: read-back comparisons see it.
  l.geraet.SpeicherVerfaelschen(5, 4100);
  SkriptDialoge still;
  ASSERT_EQ(KurvenBlockLesen(still, l.ports, 1, '1', 4096, 32, ziel, false, 5), 0);
  EXPECT_EQ(ziel[4], static_cast<uint8_t>(~(4100 + 3)));
  EXPECT_TRUE(still.fortschrittTitel.empty());
  EXPECT_TRUE(still.prozente.empty());

  l.Stoeren(Stoerart::FalscheChecksumme);
  EXPECT_EQ(KurvenBlockLesen(dialoge, l.ports, 1, '1', 0, 32, ziel, true, 5), -406114);
  EXPECT_EQ(dialoge.offeneFortschritte, 0);
  EXPECT_EQ(KurvenBlockLesen(dialoge, l.ports, -1, '1', 0, 32, ziel, true, 5), -122431);
  EXPECT_EQ(KurvenBlockLesen(dialoge, l.ports, 1, '1', 0, 131, ziel, true, 5), -895094);
  EXPECT_EQ(dialoge.fortschrittTitel.size(), 2u);
}
