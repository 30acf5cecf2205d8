#include "characteristic/kennlinienangaben.h"

#include "base/zeichensatz.h"
#include "characteristic/kennlinienabbild.h"

std::string KennlKommentarVorschau(const std::string& kommentar) {
  return Utf8Kuerzen(kommentar, 30);
}

bool KennlKommentarSetzen(Kennlinienzustand& zustand, const std::string& text) {
  std::string neu = Utf8Kuerzen(text, kKennlKommentarMax);
  if (neu == zustand.gKennlinie.kommentar) return false;
  zustand.gKennlinie.kommentar = std::move(neu);
  zustand.gKennlGeaendert = true;
  return true;
}

void KennlAnstiegszeitSetzen(Kennlinienzustand& zustand, double t) {
  zustand.gKennlAnstiegszeit = AnstiegszeitAusCode(AnstiegszeitCode(t));
}
