// Thousands of random edits, undos, redos and zooms on random characteristics: the model's
// limits hold after every step, and a refused edit leaves the characteristic as it was.

#include <gtest/gtest.h>

#include <random>

#include "characteristic/kennlinienansicht.h"
#include "characteristic/kennliniengrafik.h"
#include "characteristic/kennlinienundo.h"
#include "characteristic/kennlinienverschiebung.h"
#include "tests/characteristic/kennlinientesthilfe.h"
#include "tests/support/zufall.h"

namespace {

std::vector<Kennlinienpunkt> ZufallsKennlinie(Zufall& z) {
  std::vector<Kennlinienpunkt> punkte;
  int x = 0;
  do {
    const int laenge = Ganz(z, 0, 3) == 0 ? 1 : Ganz(z, 1, 900);
    punkte.push_back({Ganz(z, 0, 4095), laenge, 0});
    x += laenge;
  } while (x <= 4095 && Ganz(z, 0, 6) != 0);
  punkte.back().laenge = Ganz(z, 0, 1);
  if (x > 4095) punkte.pop_back(), punkte.back().laenge = 1;
  return punkte;
}

// Answers the point dialog with random changes of what it shows.
class ZufallsDialoge : public Kennliniendialoge {
 public:
  explicit ZufallsDialoge(Zufall& z) : z_(z) {}
  Punktwerte Punktdialog(const std::string&, int, const Punktwerte& anzeige) override {
    Punktwerte w = anzeige;
    if (Ganz(z_, 0, 2) != 0) w.x += Ganz(z_, -300, 300);
    if (Ganz(z_, 0, 1) != 0) w.y = Reell(z_, -100, 4200);
    return w;
  }

 private:
  Zufall& z_;
};

void Pruefen(const Kennlinienzustand& z) {
  ASSERT_TRUE(KennlinieGueltig(z.gKennlinie));
  for (const Kennlinienpunkt& p : z.gKennlinie.punkte) ASSERT_EQ(p.zeitbasis, 0);
  const auto& r = z.rueckgaengig;
  ASSERT_TRUE(r.sgAnzahlRueckgaengig >= 0 && r.sgAnzahlRueckgaengig <= 10);
  ASSERT_TRUE(r.sgAnzahlWiederherstellen >= 0 && r.sgAnzahlWiederherstellen <= 10);
  ASSERT_TRUE(r.sgRueckgaengigPos >= 0 && r.sgRueckgaengigPos <= 9);
  ASSERT_TRUE(z.gKennlAnsichtStart >= 0 && z.gKennlAnsichtStart <= z.gKennlAnsichtEnde &&
              z.gKennlAnsichtEnde <= 4094);
}

}  // namespace

TEST(Kennlinienzufall, GrenzenBleibenUndAbgelehntesAendertNichts) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    Zufall zufall(seed);
    Bearbeitungsumgebung u;
    ZufallsDialoge eingabe(zufall);
    Kennlinienbearbeitung b{u.z, u.konfig, u.fehler, eingabe};
    u.punkte() = ZufallsKennlinie(zufall);
    for (int schritt = 0; schritt < 400; ++schritt) {
      u.z.gKennlXRaster = Ganz(zufall, 0, 3) == 0 ? Ganz(zufall, 1, 300) : 0;
      u.z.gKennlYRaster = Ganz(zufall, 0, 3) == 0 ? Ganz(zufall, 1, 500) : 0;
      const double x = Reell(zufall, -100, 4300);
      const double y = Reell(zufall, -100, 4300);
      const auto vorher = u.punkte();
      bool geaendert = true;
      switch (Ganz(zufall, 0, 9)) {
        case 0:
          geaendert = KennlPunktZeichnen(b, x, y);
          break;
        case 1:
          geaendert = KennlPunktLoeschen(b, x, y, u.plot);
          break;
        case 2:
          geaendert = KennlGeradeTeilen(b, x);
          break;
        case 3:
          KennlVerschiebenZiehen(b, x, y, u.plot);
          KennlPunktVerschieben(b, Reell(zufall, -100, 4300), y, u.plot);
          break;
        case 4:
          geaendert = KennlPunktkoordinaten(b, x, y, u.plot) == 1;
          break;
        case 5:
          KennlRueckgaengig(u.z);
          break;
        case 6:
          KennlWiederherstellen(u.z);
          break;
        case 7:
          KennlZoom(u.z, static_cast<KennlZoomArt>(Ganz(zufall, 0, 4)));
          break;
        case 8:
          KennlMarkierungZiehen(u.z, x);
          KennlMarkierungAbschliessen(u.z, y);
          break;
        default:
          KennlBildlaufEnde(u.z, Ganz(zufall, 0, 100));
          KennliniengrafikBerechnen(u.z, Ganz(zufall, 1, 3), 300, 100);
          break;
      }
      if (!geaendert) {
        ASSERT_EQ(u.punkte(), vorher) << seed << " " << schritt;
      }
      Pruefen(u.z);
      if (HasFatalFailure()) return;
    }
  }
}
