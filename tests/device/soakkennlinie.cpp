// The block transfers of the characteristic in the fault soak: "zur PWC-2 schreiben" (with
// the mode check, the memory preparation and the mode switch) and "von PWC-2 lesen".

#include <memory>

#include "characteristic/kennlinienabbild.h"
#include "characteristic/kennlinientransfer.h"
#include "tests/device/soakhilfe.h"
#include "tests/device/soaktabelle.h"

using namespace soak;

namespace {

// The characteristic the transfers send from and read into; it lives through the whole soak.
struct Modelle : Transferanzeige {
  Kennlinienzustand kennl;
  Konfiguration konfig;
  Modelle() : Transferanzeige(Geraetepanel::Kennlinie) { KennlAnlegen(kennl); }
};

bool KennlGleich(const Kennlinienzustand& a, const Kennlinienzustand& b) {
  return a.gKennlinie.punkte == b.gKennlinie.punkte &&
         a.gKennlinie.kommentar == b.gKennlinie.kommentar &&
         a.gKennlBegrenzung == b.gKennlBegrenzung && a.gKennlAnstiegszeit == b.gKennlAnstiegszeit &&
         a.gKennlGeaendert == b.gKennlGeaendert && a.gKennlDateiname == b.gKennlDateiname;
}

// A random characteristic over the whole X range, into a random slot.
void KennlinieWuerfeln(Kennlinienzustand& kennl, std::mt19937& z) {
  std::vector<Kennlinienpunkt> punkte;
  for (int x = 0; x < kKennlRohMax;) {
    const int laenge = std::min(Zufall(z, 200, 1500), kKennlRohMax - x);
    punkte.push_back({Zufall(z, 0, kKennlRohMax), laenge, 0});
    x += laenge;
  }
  punkte.push_back({Zufall(z, 0, kKennlRohMax), 0, 0});
  kennl.gKennlinie.punkte = punkte;
  kennl.gKennlKurvenNr = Zufall(z, 1, 7);
}

}  // namespace

std::vector<Soakzeile> SoakKennlinienzeilen() {
  const Codes senden = Vereint({kModusLesen, kSpeicherSchreiben, kModusSchreiben});
  const Codes lesen =
      Vereint({kModusLesen,
               kSpeicherLesen,
               // no characteristics in the box; slot checksum; output-2 value of the slot
               {-1026512, -897513, -1019514}});
  auto m = std::make_shared<Modelle>();
  return {
      {"KennlSenden (Block schreiben)", senden, 140, 1,
       [m](Soakumgebung& u, std::mt19937& z) {
         KennlinieWuerfeln(m->kennl, z);
         Zugang zugang(u);
         m->anzeige.letzte = 0;
         const int code = KennlSenden(m->kennl, m->konfig, m->fehler, zugang);
         return Schreibend(
             u, [&] { return m->Ergebnis(code); },
             [&](Geraet& g) {
               std::vector<uint8_t> abbild;
               KennlSendeabbild(m->kennl, m->konfig, abbild);
               return Gleich(g.Speicher(kKennlSpeichertyp),
                             KennlSlotAdresse(m->kennl.gKennlKurvenNr), abbild) &&
                      (g.modus & 6) == 2;
             });
       }},
      {"KennlLesen (Block lesen)", lesen, 131, 1,
       [m](Soakumgebung& u, std::mt19937& z) {
         m->kennl.gKennlKurvenNr = Zufall(z, 1, 7);
         const Kennlinienzustand vorher = m->kennl;
         Zugang zugang(u);
         m->anzeige.letzte = 0;
         Soakergebnis e;
         e.code = m->Ergebnis(KennlLesen(m->kennl, m->konfig, m->fehler, zugang));
         // The output-2 value out of range takes the rest over by design.
         e.modellGeaendert = e.code != -1019514 && !KennlGleich(vorher, m->kennl);
         return e;
       }},
  };
}
