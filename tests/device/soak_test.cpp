// Fault soak of the device link on the in-process simulated line: every driver operation and
// the block transfers of curves and characteristic under injected faults. TVM5R_SOAK=N runs N
// exchanges instead of 10000, TVM5R_SOAK_SEED=S another seed.

#include <gtest/gtest.h>

#include <iostream>

#include "device/novhln1.h"
#include "sim/inprozessport.h"
#include "tests/device/soakhilfe.h"
#include "tests/device/soaktabelle.h"

namespace {

struct InProzessHalter : Soakhalter {
  explicit InProzessHalter(uint32_t seed) : leitung(seed) {
    Geraet& g = leitung.GeraetHinzufuegen('1');
    for (int n = 1; n <= 4; ++n) g.EingangSetzen(n, -9.5 + 4.321 * n);
    NOVHLN1_Open(ports, 1, 9600);
    NOVHLN1_Timeout(ports, 1, umgebung.timeout);
    umgebung.zaehler = zaehlfabrik.letzter;
  }
  Soakumgebung& Umgebung() override { return umgebung; }

  SimLeitung leitung;
  InProzessFabrik fabrik{leitung};
  ZaehlPortfabrik zaehlfabrik{fabrik};
  ComPorts ports{zaehlfabrik};
  Soakumgebung umgebung{ports, 1, '1', &leitung, nullptr, 0.5, 9600};
};

Soakzahlen Laufen(const std::vector<Soakzeile>& zeilen, long anzahl, uint32_t seed) {
  return SoakLaufen(
      zeilen, [seed] { return std::make_unique<InProzessHalter>(seed); }, anzahl, seed, 0.7);
}

}  // namespace

TEST(Stoerungsdauertest, InProzessOhneBefund) {
  const uint32_t seed = SoakSeed(1);
  const std::vector<Soakzeile> zeilen = SoakTabelle();
  const Soakzahlen z = Laufen(zeilen, SoakAnzahl("TVM5R_SOAK", 10000), seed);
  std::cout << SoakBericht("Störungsdauertest in-process", z, seed);
  EXPECT_EQ(z.abstuerze, 0) << z.erster;
  EXPECT_EQ(z.haenger, 0) << z.erster;
  EXPECT_EQ(z.fremdeCodes, 0) << z.erster;
  EXPECT_EQ(z.modellAenderungen, 0) << z.erster;
  EXPECT_EQ(z.falsch, 0) << z.erster;
  EXPECT_EQ(z.sauberGescheitert, 0) << z.erster;
  // The faults bite, and the line comes back after them.
  EXPECT_GT(z.austausche - z.erfolgreich, z.austausche / 4);
  EXPECT_GT(z.erfolgreich, z.austausche / 4);
  for (size_t i = 0; i < zeilen.size(); ++i) EXPECT_GT(z.proZeile[i], 100) << zeilen[i].name;
  for (size_t i = 0; i < AlleSoakstoerungen().size(); ++i) EXPECT_GT(z.proStoerung[i], 100) << i;
}

// The soak itself finds what it looks for: a code outside the row's table, an out-argument
// written on failure, a wrong value taken for good, a wait past its bound, a crash.
TEST(Stoerungsdauertest, ZaehltBefunde) {
  const auto lesen = [](Soakumgebung& u, std::mt19937&) {
    Soakergebnis e;
    int modus = -1;
    e.code = NOVHLN1_ModusLesen(u.ports, u.port, u.adresse, modus);
    e.modellGeaendert = true;
    e.falsch = true;
    e.pruefsummenGeschuetzt = false;
    return e;
  };
  const Soakzahlen z = Laufen({{"ohne Codes", {}, 1, 1, lesen}}, 200, 5);
  EXPECT_GT(z.fremdeCodes, 0);
  EXPECT_EQ(z.fremdeCodes, z.modellAenderungen);
  EXPECT_GT(z.falsch, 0);
  EXPECT_GT(z.unerkanntOhneSumme, 0);

  const auto weiterlesen = [](Soakumgebung& u, std::mt19937&) {
    Soakergebnis e;
    int modus = -1;
    e.code = NOVHLN1_ModusLesen(u.ports, u.port, u.adresse, modus);
    for (int i = 0; i < 3; ++i) u.ports.Port(u.port)->ByteLesen();
    return e;
  };
  EXPECT_GT(Laufen({{"liest weiter", soak::kModusLesen, 1, 1, weiterlesen}}, 50, 5).haenger, 25);

  const auto absturz = [](Soakumgebung&, std::mt19937&) -> Soakergebnis { std::abort(); };
  const Soakzahlen a = Laufen({{"Absturz", {}, 1, 1, absturz}}, 10, 5);
  EXPECT_EQ(a.abstuerze, 1);
  EXPECT_EQ(a.absturzBei, 0);
}
