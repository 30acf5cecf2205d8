#include "characteristic/kennliniendateien.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <new>

#include "base/bytes.h"
#include "base/dateilesen.h"
#include "base/dateischreiben.h"
#include "base/zeichensatz.h"
#include "config/konfigbytes.h"
#include "editor/speicherfrage.h"

namespace {

// Offsets of the header fields.
constexpr std::size_t kTypFeld = 32;
constexpr std::size_t kVersion = 32;
constexpr std::size_t kKommentar = 36;
constexpr std::size_t kKonfiguration = 1040;
constexpr std::size_t kAnzahl = 1392;
constexpr std::size_t kAusgang2 = 1400;
constexpr std::size_t kAnstiegszeit = 1408;

const uint8_t* Bytes(std::string_view text) {
  return reinterpret_cast<const uint8_t*>(text.data());
}

// The text of a field up to its NUL, at most laenge bytes.
std::string FeldText(const uint8_t* feld, std::size_t laenge) {
  const uint8_t* ende = std::find(feld, feld + laenge, uint8_t{0});
  return std::string(reinterpret_cast<const char*>(feld), reinterpret_cast<const char*>(ende));
}

// The comment as the file holds it: at most 999 characters, Windows-1252. A character that
// Windows-1252 cannot hold (the comment dialog refuses them) becomes "?".
std::string KommentarBytes(const std::string& kommentar) {
  std::string text = Utf8Kuerzen(kommentar, kKennlKommentarMax);
  while (const auto zeichen = ErstesNichtDarstellbaresZeichen(text))
    text.replace(text.find(*zeichen), zeichen->size(), "?");
  return Utf8ZuCp1252(text).value_or("");
}

std::string KopfBytes(const Kennlinienzustand& zustand, const Konfiguration& konfig) {
  std::string kopf(kKennliniendateiKopf, '\0');
  auto* z = reinterpret_cast<uint8_t*>(kopf.data());
  std::copy_n(kKennliniendateiTyp, std::char_traits<char>::length(kKennliniendateiTyp),
              kopf.begin());
  I32Schreiben(z + kVersion, kKennliniendateiVersion);
  const std::string kommentar = KommentarBytes(zustand.gKennlinie.kommentar);
  std::copy(kommentar.begin(), kommentar.end(), kopf.begin() + kKommentar);
  KonfigurationSchreiben(z + kKonfiguration, konfig);
  I32Schreiben(z + kAnzahl, zustand.gKennlinie.anzahlPunkte());
  DoubleSchreiben(z + kAusgang2, EinheitInRohX(konfig, zustand.gKennlBegrenzung));
  DoubleSchreiben(z + kAnstiegszeit, zustand.gKennlAnstiegszeit);
  return kopf;
}

std::string PunktBytes(const Kennlinie& kennlinie) {
  std::string bytes(kennlinie.punkte.size() * kKennlPunktsatz, '\0');
  auto* z = reinterpret_cast<uint8_t*>(bytes.data());
  for (const Kennlinienpunkt& punkt : kennlinie.punkte) {
    I32Schreiben(z, punkt.y);
    I32Schreiben(z + 4, punkt.laenge);
    z[8] = punkt.zeitbasis;
    z += kKennlPunktsatz;
  }
  return bytes;
}

// Type text and version of a header of at least kKennliniendateiKopf bytes.
int KopfPruefen(std::string_view bytes) {
  if (bytes.size() < kKennliniendateiKopf) return -304519;
  if (FeldText(Bytes(bytes), kTypFeld) != kKennliniendateiTyp) return -1025520;
  if (I32Lesen(Bytes(bytes) + kVersion) != kKennliniendateiVersion) return -303521;
  return 0;
}

bool PunktGueltig(const Kennlinienpunkt& p) {
  return p.y >= 0 && p.y <= kKennlRohMax && p.laenge >= 0 && p.laenge <= kKennlRohMax;
}

int PunkteLesen(std::string_view bytes, int32_t anzahl, Kennliniendatei& datei) {
  const std::size_t platz = (bytes.size() - kKennliniendateiKopf) / kKennlPunktsatz;
  if (static_cast<std::size_t>(anzahl) > platz) {
    datei.abgeschnitten = true;
    return 0;
  }
  try {
    datei.punkte.reserve(static_cast<std::size_t>(anzahl));
  } catch (const std::bad_alloc&) {
    return -600522;
  }
  const uint8_t* q = Bytes(bytes) + kKennliniendateiKopf;
  for (int32_t i = 0; i < anzahl; ++i, q += kKennlPunktsatz) {
    datei.punkte.push_back({I32Lesen(q), I32Lesen(q + 4), q[8]});
    if (!PunktGueltig(datei.punkte.back())) return -322547;
  }
  return 0;
}

bool KonfigurationLadenFragen(Dialoge& dialoge) {
  const Frage frage{"Konfiguration laden?",
                    "Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\n"
                    "Kennlinie unterscheidet sich von der aktuellen Konfiguration.\n"
                    "Soll die Konfiguration zusammen mit der Kennlinie geladen werden\n"
                    "oder soll die aktuelle Konfiguration behalten werden?",
                    {"laden", "nicht laden"},
                    1,
                    2};
  return dialoge.GenericMessagePopup(frage) == 1;
}

}  // namespace

std::string KennlTitel(const std::string& pfad) {
  if (pfad.empty()) return "Kennlinienregler";
  return "Kennlinienregler - " + std::filesystem::path(pfad).filename().string();
}

std::string KennlTitelSetzen(Kennlinienzustand& zustand, const std::string& pfad) {
  zustand.gKennlDateiname = pfad;
  return KennlTitel(pfad);
}

std::string KennliniendateiBytes(const Kennlinienzustand& zustand, const Konfiguration& konfig) {
  return KopfBytes(zustand, konfig) + PunktBytes(zustand.gKennlinie);
}

int KennliniendateiLesen(std::string_view bytes, Kennliniendatei& datei) {
  if (const int fehler = KopfPruefen(bytes); fehler != 0) return fehler;
  const uint8_t* kopf = Bytes(bytes);
  const int32_t anzahl = I32Lesen(kopf + kAnzahl);
  if (anzahl < 1) return -322546;
  Kennliniendatei neu;
  neu.konfig = KonfigurationLesen(kopf + kKonfiguration);
  neu.ausgang2 = DoubleLesen(kopf + kAusgang2);
  neu.anstiegszeit = DoubleLesen(kopf + kAnstiegszeit);
  // The value of output 2 is shown in the unit of input 1, so it must stay finite there too.
  if (!KonfigurationGueltig(neu.konfig) || !std::isfinite(neu.ausgang2) ||
      !std::isfinite(RohXInEinheit(neu.konfig, neu.ausgang2)) || !std::isfinite(neu.anstiegszeit))
    return -322548;
  neu.kommentar = Cp1252ZuUtf8(FeldText(kopf + kKommentar, kKennlKommentarMax));
  if (const int fehler = PunkteLesen(bytes, anzahl, neu); fehler != 0) return fehler;
  datei = std::move(neu);
  return 0;
}

int KennliniendateiEinlesen(const std::string& pfad, Kennliniendatei& datei) {
  constexpr std::size_t kDateiMax =
      kKennliniendateiKopf + kKennliniendateiPunkteMax * kKennlPunktsatz;
  std::string bytes;
  const Leseergebnis gelesen = DateiBegrenztLesen(pfad, kDateiMax, bytes);
  if (gelesen == Leseergebnis::NichtGeoeffnet) return -308518;
  if (gelesen == Leseergebnis::NichtGelesen) return -304519;
  if (const int fehler = KopfPruefen(bytes); fehler != 0) return fehler;
  if (gelesen == Leseergebnis::ZuLang) return -320560;
  return KennliniendateiLesen(bytes, datei);
}

int KennliniendateiSchreiben(const std::string& pfad, const Kennlinienzustand& zustand,
                             const Konfiguration& konfig) {
  const std::string kopf = KopfBytes(zustand, konfig);
  const std::string punkte = PunktBytes(zustand.gKennlinie);
  return Schreibfehlercode(DateiSicherSchreiben(pfad, {kopf, punkte}), -308515, {-301516, -301517});
}

int KennlSpeichern(Kennlinienzustand& zustand, const Konfigzustand& konfig, Dialoge& dialoge,
                   bool neuerName) {
  std::string pfad = zustand.gKennlDateiname;
  if (neuerName || pfad.empty()) {
    const auto gewaehlt = dialoge.FileSelectPopup(
        DateiauswahlFuer("*.ske", "Kennlinie speichern", Dateiknopf::Speichern));
    if (!gewaehlt) return 0;
    pfad = *gewaehlt;
  }
  if (const int fehler = KennliniendateiSchreiben(pfad, zustand, konfig.gKonfig()); fehler != 0)
    return SpeicherhindernisZeigen(dialoge, pfad, fehler);
  KennlTitelSetzen(zustand, pfad);
  zustand.gKennlGeaendert = false;
  return 0;
}

int KennlLaden(Kennlinienzustand& zustand, Konfigzustand& konfig, Fehlerausgabe& fehler) {
  if (AbbruchWeilKennlinieNichtGespeichert(zustand, konfig, fehler) != 0) return 0;
  Dialoge& dialoge = fehler.dialoge();
  const auto pfad =
      dialoge.FileSelectPopup(DateiauswahlFuer("*.ske", "Kennlinie laden", Dateiknopf::Laden));
  if (!pfad) return 0;
  return KennliniendateiLaden(zustand, konfig, dialoge, *pfad);
}

int KennliniendateiUebernehmen(Kennlinienzustand& zustand, const Konfiguration& konfig,
                               const Kennliniendatei& datei) {
  const std::vector<Kennlinienpunkt> anfang{Kennlinienpunkt{}};
  if (KennlPunkteUebernehmen(zustand.gKennlinie, datei.abgeschnitten ? anfang : datei.punkte) != 0)
    return -600522;
  zustand.gKennlinie.kommentar = datei.kommentar;
  zustand.gKennlBegrenzung = RohXInEinheit(konfig, datei.ausgang2);
  zustand.gKennlAnstiegszeit = datei.anstiegszeit;
  return 0;
}

int KennliniendateiLaden(Kennlinienzustand& zustand, Konfigzustand& konfig, Dialoge& dialoge,
                         const std::string& pfad) {
  KennlTitelSetzen(zustand, "");
  Kennliniendatei datei;
  if (const int fehler = KennliniendateiEinlesen(pfad, datei); fehler != 0) return fehler;
  if (const int fehler = KennliniendateiUebernehmen(zustand, konfig.gKonfig(), datei); fehler != 0)
    return fehler;
  if (KonfigurationenVergleichen(datei.konfig, konfig.gKonfig()) == 0 &&
      KonfigurationLadenFragen(dialoge))
    konfig.KonfigurationSetzen(datei.konfig);
  if (datei.abgeschnitten) {
    // Without a file name, saving asks for a new one instead of overwriting the damaged file.
    zustand.gKennlGeaendert = true;
    return -322545;
  }
  KennlTitelSetzen(zustand, pfad);
  zustand.gKennlGeaendert = false;
  return 0;
}

int AbbruchWeilKennlinieNichtGespeichert(Kennlinienzustand& zustand, const Konfigzustand& konfig,
                                         Fehlerausgabe& fehler) {
  Dialoge& dialoge = fehler.dialoge();
  return UngespeicherteAenderungenFragen(
      zustand.gKennlGeaendert, zustand.gKennlDateiname, "Kennlinienregler", fehler,
      [&] { return KennlSpeichern(zustand, konfig, dialoge, false); });
}
