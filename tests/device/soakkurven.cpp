// The block transfers of the curves in the fault soak: "zum TVM-5R schreiben" and "vom TVM-5R
// lesen" on curve memory and dither memory.

#include <memory>

#include "curves/kurventransfer.h"
#include "tests/device/soakhilfe.h"
#include "tests/device/soaktabelle.h"

using namespace soak;

namespace {

// The curve set the transfers send from and read into; it lives through the whole soak.
struct Modelle : Transferanzeige {
  Kurvensatz satz;
  Modelle() : Transferanzeige(Geraetepanel::Kurven) { KurvenAnlegen(satz); }
};

bool KurvenGleich(const Kurvensatz& a, const Kurvensatz& b) {
  for (int k = 0; k < kKurvenAnzahl; ++k)
    if (a.gKurven[k].punkte != b.gKurven[k].punkte ||
        a.gKurven[k].kommentar != b.gKurven[k].kommentar)
      return false;
  return a.gZyklen == b.gZyklen && a.gRuhezustand == b.gRuhezustand &&
         a.gKurvenGeaendert == b.gKurvenGeaendert && a.gKurvendateiname == b.gKurvendateiname;
}

// A short random curve 1, so that an image takes a few blocks.
void KurveWuerfeln(Kurvensatz& satz, std::mt19937& z) {
  std::vector<Kurvenpunkt> punkte(static_cast<size_t>(Zufall(z, 1, 12)));
  for (Kurvenpunkt& p : punkte) p = {Zufall(z, 0, kKurvenwertMax), Zufall(z, 1, 40)};
  satz.gKurven[0].punkte = punkte;
}

}  // namespace

std::vector<Soakzeile> SoakKurvenzeilen() {
  const Codes lesen = Vereint({kSpeicherLesen,
                               // image checks of the curve read and taking over its points
                               {-897407, -1019472, -1019417, -1019418, -600404, -600406}});
  auto m = std::make_shared<Modelle>();
  return {
      {"KurvenSenden (Block schreiben)", kSpeicherSchreiben, 14, 1,
       [m](Soakumgebung& u, std::mt19937& z) {
         KurveWuerfeln(m->satz, z);
         const int typ = Zufall(z, 4, 5);
         Zugang zugang(u);
         m->anzeige.letzte = 0;
         const int code = KurvenSenden(m->satz, m->fehler, zugang, typ);
         return Schreibend(
             u, [&] { return m->Ergebnis(code); },
             [&](Geraet& g) {
               const Kurvenabbild a = *KurvenAbbildErstellen(m->satz);
               return Gleich(g.Speicher(typ), kAbbildStart,
                             std::span(a.bytes).subspan(kAbbildStart, a.ende + 1 - kAbbildStart));
             });
       }},
      {"KurvenLesen (Block lesen)", lesen, 14, 1,
       [m](Soakumgebung& u, std::mt19937& z) {
         const Kurvensatz vorher = m->satz;
         Zugang zugang(u);
         m->anzeige.letzte = 0;
         Soakergebnis e;
         e.code = m->Ergebnis(KurvenLesen(m->satz, m->fehler, zugang, Zufall(z, 4, 5)));
         e.modellGeaendert = !KurvenGleich(vorher, m->satz);
         return e;
       }},
  };
}
