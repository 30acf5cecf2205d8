#include "cli/ausgabedatei.h"

#include "base/dateischreiben.h"

int AusgabeVorabPruefen(Sitzung& s, const std::string& pfad, int code) {
  const Schreibhindernis hindernis = SchreibhindernisSuchen(pfad);
  if (hindernis.art == Schreibhindernis::Art::Keins) return 0;
  s.FehlergrundSetzen(SchreibhindernisText(pfad, hindernis));
  return code;
}

int Ausgabefehler(Sitzung& s, const std::string& pfad, int code) {
  if (code != 0) s.FehlergrundSetzen(SchreibhindernisText(pfad, SchreibhindernisSuchen(pfad)));
  return code;
}

int BytesSchreiben(Sitzung& s, const std::string& pfad, std::string_view bytes, int nichtGeoeffnet,
                   int nichtGeschrieben) {
  const Schreibergebnis ergebnis = DateiSicherSchreiben(pfad, {bytes});
  return Ausgabefehler(s, pfad, Schreibfehlercode(ergebnis, nichtGeoeffnet, {nichtGeschrieben}));
}
