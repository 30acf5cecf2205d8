// The fault soak through tvm5r-sim on a pseudo-terminal: the same operations over the POSIX
// port, the faults injected by the simulator at its rates (--stoerung-rate), real time-outs.
// TVM5R_SOAK_PTY=N runs N exchanges instead of 300, TVM5R_SOAK_SEED=S another seed.

#include <gtest/gtest.h>

#include <iostream>

#include "device/novhln1.h"
#include "platform/posix/posixport.h"
#include "tests/device/soaktabelle.h"
#include "tests/integration/prozesse.h"
#include "tests/support/tempordner.h"

namespace {

constexpr int kPort = 4;
constexpr double kTimeout = 0.1;

struct PtyHalter : Soakhalter {
  explicit PtyHalter(const std::filesystem::path& xdg)
      : fabrik(PortWurzeln{xdg / "tvm5r" / "ports", xdg / "dev", xdg / "sys"}) {
    if (NOVHLN1_Open(ports, kPort, 9600) != 0 || NOVHLN1_Timeout(ports, kPort, kTimeout) != 0)
      std::abort();
    umgebung.zaehler = zaehlfabrik.letzter;
  }
  Soakumgebung& Umgebung() override { return umgebung; }

  PosixPortfabrik fabrik;
  ZaehlPortfabrik zaehlfabrik{fabrik};
  ComPorts ports{zaehlfabrik};
  Soakumgebung umgebung{ports, kPort, '1', nullptr, nullptr, kTimeout, 9600};
};

}  // namespace

TEST(Stoerungsdauertest, UeberTvm5rSimAufPseudoterminal) {
  const uint32_t seed = SoakSeed(1);
  TempOrdner xdg;
  std::vector<std::string> argumente = {"--com", std::to_string(kPort), "--seed",
                                        std::to_string(seed)};
  for (const char* art : {"nak", "can", "stille", "abgeschnitten", "fruehesende", "checksumme",
                          "echo", "muell", "bitfehler", "auflegen"}) {
    argumente.push_back("--stoerung-rate");
    argumente.push_back(std::string("0.01:") + art);
  }
  SimProzess sim(argumente, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());

  const std::filesystem::path pfad = xdg.pfad();
  const Soakzahlen z = SoakLaufen(
      SoakTabelle(), [pfad] { return std::make_unique<PtyHalter>(pfad); },
      SoakAnzahl("TVM5R_SOAK_PTY", 300), seed, 0.0);
  std::cout << SoakBericht("Störungsdauertest über tvm5r-sim", z, seed);
  EXPECT_EQ(z.abstuerze, 0) << z.erster;
  EXPECT_EQ(z.haenger, 0) << z.erster;
  EXPECT_EQ(z.fremdeCodes, 0) << z.erster;
  EXPECT_EQ(z.modellAenderungen, 0) << z.erster;
  EXPECT_GT(z.erfolgreich, 0);
  EXPECT_LT(z.erfolgreich, z.austausche);
  EXPECT_EQ(sim.Beenden(), 0);
}
