#include "curves/kurvendateien.h"

#include <algorithm>
#include <filesystem>
#include <new>

#include "base/bytes.h"
#include "base/dateilesen.h"
#include "base/dateischreiben.h"
#include "base/zeichensatz.h"
#include "config/konfigbytes.h"
#include "curves/speicherfrage.h"

namespace {

// Offsets of the header fields.
constexpr size_t kTypFeld = 32;
constexpr size_t kVersion = 32;
constexpr size_t kKurvenzahl = 36;
constexpr size_t kKommentare = 40;
constexpr size_t kKommentarFeld = 1000;
constexpr size_t kZyklen = 4040;
constexpr size_t kRuhezustand = 4056;
constexpr size_t kKonfiguration = 4072;
constexpr size_t kAnzahlen = 4424;
constexpr size_t kAnzahlFeld = 12;

const uint8_t* Bytes(std::string_view text) {
  return reinterpret_cast<const uint8_t*>(text.data());
}

// The text of a field up to its NUL, at most laenge bytes.
std::string FeldText(const uint8_t* feld, size_t laenge) {
  const uint8_t* ende = std::find(feld, feld + laenge, uint8_t{0});
  return std::string(reinterpret_cast<const char*>(feld), reinterpret_cast<const char*>(ende));
}

std::string KopfBytes(const Kurvensatz& satz, const Konfiguration& konfig) {
  std::string kopf(kKurvendateiKopf, '\0');
  auto* z = reinterpret_cast<uint8_t*>(kopf.data());
  std::copy_n(kKurvendateiTyp, std::char_traits<char>::length(kKurvendateiTyp), kopf.begin());
  I32Schreiben(z + kVersion, kKurvendateiVersion);
  I32Schreiben(z + kKurvenzahl, satz.gKurvenzahl);
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    const std::string kommentar = Cp1252Feld(satz.gKurven[k].kommentar, kKommentarMax);
    std::copy(kommentar.begin(), kommentar.end(), kopf.begin() + kKommentare + kKommentarFeld * k);
    I32Schreiben(z + kZyklen + 4 * k, satz.gZyklen[k]);
    I32Schreiben(z + kRuhezustand + 4 * k, satz.gRuhezustand[k]);
    I32Schreiben(z + kAnzahlen + kAnzahlFeld * k, satz.gKurven[k].anzahlPunkte());
  }
  KonfigurationSchreiben(z + kKonfiguration, konfig);
  return kopf;
}

std::string PunktBytes(const Kurvensatz& satz) {
  size_t anzahl = 0;
  for (const Kurve& kurve : satz.gKurven) anzahl += kurve.punkte.size();
  std::string bytes(anzahl * kPunktsatzGroesse, '\0');
  auto* z = reinterpret_cast<uint8_t*>(bytes.data());
  for (const Kurve& kurve : satz.gKurven) {
    for (const Kurvenpunkt& punkt : kurve.punkte) {
      I32Schreiben(z, punkt.y);
      I32Schreiben(z + 4, punkt.laenge);
      z[8] = static_cast<uint8_t>(punkt.zeitbasis);
      z += kPunktsatzGroesse;
    }
  }
  return bytes;
}

// Type text and version of a header of at least kKurvendateiKopf bytes.
int KopfPruefen(std::string_view bytes) {
  if (bytes.size() < kKurvendateiKopf) return -304436;
  if (FeldText(Bytes(bytes), kTypFeld) != kKurvendateiTyp) return -1020437;
  if (I32Lesen(Bytes(bytes) + kVersion) != kKurvendateiVersion) return -303438;
  return 0;
}

Kurvenpunkt PunktLesen(const uint8_t* quelle) {
  return {I32Lesen(quelle), I32Lesen(quelle + 4), static_cast<int8_t>(quelle[8])};
}

bool PunktGueltig(const Kurvenpunkt& p) {
  return p.y >= 0 && p.y <= kKurvenwertMax && p.laenge >= 1 && p.laenge <= kGeradenlaengeMax;
}

// The points of the four curves in order; a curve whose records are not all there stays empty,
// and so do the curves after it.
int PunkteLesen(std::string_view bytes, const std::array<int32_t, kKurvenAnzahl>& anzahlen,
                Kurvendatei& datei) {
  size_t stelle = kKurvendateiKopf;
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    const size_t laenge = static_cast<size_t>(anzahlen[k]) * kPunktsatzGroesse;
    if (bytes.size() - stelle < laenge) {
      datei.abgeschnitten = true;
      stelle = bytes.size();
      continue;
    }
    std::vector<Kurvenpunkt>& punkte = datei.punkte[k];
    punkte.reserve(static_cast<size_t>(anzahlen[k]));
    for (size_t i = 0; i < laenge; i += kPunktsatzGroesse) {
      punkte.push_back(PunktLesen(Bytes(bytes) + stelle + i));
      if (!PunktGueltig(punkte.back())) return -322475;
    }
    stelle += laenge;
  }
  return 0;
}

int PunkteUebernehmen(Kurve& kurve, const std::vector<Kurvenpunkt>& punkte, bool anhaengen) {
  if (!punkte.empty()) {
    // A complete copy is swapped in, so that the curve keeps its points when memory runs out.
    std::vector<Kurvenpunkt> neu;
    try {
      neu.reserve((anhaengen ? kurve.punkte.size() : 0) + punkte.size());
      if (anhaengen) neu.assign(kurve.punkte.begin(), kurve.punkte.end());
      neu.insert(neu.end(), punkte.begin(), punkte.end());
    } catch (const std::bad_alloc&) {
      return -600439;
    }
    kurve.punkte.swap(neu);
    return 0;
  }
  if (anhaengen) return 0;  // a damaged file never costs the points the curve has
  try {
    kurve.punkte = {Kurvenpunkt{}};
  } catch (const std::bad_alloc&) {
    return -600440;
  }
  return 0;
}

bool KonfigurationLadenFragen(Dialoge& dialoge) {
  const Frage frage{"Konfiguration laden?",
                    "Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\n"
                    "Kurven unterscheidet sich von der aktuellen Konfiguration.\n"
                    "Soll die Konfiguration zusammen mit den Kurven geladen werden\n"
                    "oder soll die aktuelle Konfiguration behalten werden?",
                    {"laden", "nicht laden"},
                    1,
                    2};
  return dialoge.GenericMessagePopup(frage) == 1;
}

// Whether the file's configuration becomes gKonfig: an unusable one never does (a message says
// so); a usable one that differs is offered with "Konfiguration laden?".
void KonfigurationDerDatei(const Kurvendatei& datei, Konfigzustand& konfig, Dialoge& dialoge) {
  if (!datei.konfigBrauchbar) {
    dialoge.MessagePopup("Konfiguration", kKonfigurationUnbrauchbar);
    return;
  }
  if (KonfigurationenVergleichen(datei.konfig, konfig.gKonfig()) == 0 &&
      KonfigurationLadenFragen(dialoge))
    konfig.KonfigurationSetzen(datei.konfig);
}

}  // namespace

std::string KurvenTitel(const std::string& pfad) {
  const std::string name = std::filesystem::path(pfad).filename().string();
  return pfad.empty() ? "Kurvengenerator" : "Kurvengenerator - " + name;
}

std::string KurvenTitelSetzen(Kurvensatz& satz, const std::string& pfad) {
  satz.gKurvendateiname = pfad;
  return KurvenTitel(pfad);
}

std::string KurvendateiBytes(const Kurvensatz& satz, const Konfiguration& konfig) {
  return KopfBytes(satz, konfig) + PunktBytes(satz);
}

int KurvendateiLesen(std::string_view bytes, Kurvendatei& datei) {
  if (const int fehler = KopfPruefen(bytes); fehler != 0) return fehler;
  const uint8_t* kopf = Bytes(bytes);
  // Each count alone must fit the file; only then is it used to reserve memory.
  const size_t platz = (bytes.size() - kKurvendateiKopf) / kPunktsatzGroesse;
  std::array<int32_t, kKurvenAnzahl> anzahlen{};
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    anzahlen[k] = I32Lesen(kopf + kAnzahlen + kAnzahlFeld * k);
    if (anzahlen[k] < 1 || static_cast<size_t>(anzahlen[k]) > platz) return -322474;
  }
  Kurvendatei neu;
  neu.konfig = KonfigurationLesen(kopf + kKonfiguration);
  neu.konfigBrauchbar = KonfigurationGueltig(neu.konfig);
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    neu.kommentare[k] =
        Cp1252ZuUtf8(FeldText(kopf + kKommentare + kKommentarFeld * k, kKommentarMax));
    neu.zyklen[k] = I32Lesen(kopf + kZyklen + 4 * k);
    neu.ruhezustand[k] = I32Lesen(kopf + kRuhezustand + 4 * k);
  }
  try {
    if (const int fehler = PunkteLesen(bytes, anzahlen, neu); fehler != 0) return fehler;
  } catch (const std::bad_alloc&) {
    return -600439;
  }
  datei = std::move(neu);
  return 0;
}

int KurvendateiEinlesen(const std::string& pfad, Kurvendatei& datei) {
  constexpr size_t kDateiMax =
      kKurvendateiKopf + kKurvenAnzahl * kKurvendateiPunkteMax * kPunktsatzGroesse;
  std::string bytes;
  const Leseergebnis gelesen = DateiBegrenztLesen(pfad, kDateiMax, bytes);
  if (gelesen == Leseergebnis::NichtGeoeffnet) return -308435;
  if (gelesen == Leseergebnis::NichtGelesen) return -304436;
  if (const int fehler = KopfPruefen(bytes); fehler != 0) return fehler;
  if (gelesen == Leseergebnis::ZuLang) return -320484;
  return KurvendateiLesen(bytes, datei);
}

int KurvendateiSchreiben(const std::string& pfad, const Kurvensatz& satz,
                         const Konfiguration& konfig) {
  const std::string kopf = KopfBytes(satz, konfig);
  const std::string punkte = PunktBytes(satz);
  return Schreibfehlercode(DateiSicherSchreiben(pfad, {kopf, punkte}), -308432, {-301433, -301434});
}

int KurvendateiUebernehmen(Kurvensatz& satz, const Kurvendatei& datei, bool anhaengen) {
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    Kurve& kurve = satz.gKurven[k];
    if (const int fehler = PunkteUebernehmen(kurve, datei.punkte[k], anhaengen); fehler != 0)
      return fehler;
    if (anhaengen) continue;
    kurve.kommentar = datei.kommentare[k];
    satz.gZyklen[k] = datei.zyklen[k];
    satz.gRuhezustand[k] = datei.ruhezustand[k];
  }
  return 0;
}

int KurvenSpeichern(Kurvensatz& satz, const Konfigzustand& konfig, Dialoge& dialoge, bool fragen) {
  std::string pfad = satz.gKurvendateiname;
  if (fragen || pfad.empty()) {
    const auto gewaehlt = dialoge.FileSelectPopup(
        DateiauswahlFuer("*.skr", "Kurve speichern", Dateiknopf::Speichern));
    if (!gewaehlt) return 0;
    pfad = *gewaehlt;
  }
  if (const int fehler = KurvendateiSchreiben(pfad, satz, konfig.gKonfig()); fehler != 0)
    return SpeicherhindernisZeigen(dialoge, pfad, fehler);
  KurvenTitelSetzen(satz, pfad);
  satz.gKurvenGeaendert = false;
  return 0;
}

std::function<int()> KurvenSpeichernBefehl(Kurvensatz& satz, const Konfigzustand& konfig,
                                           Dialoge& dialoge) {
  return [&satz, &konfig, &dialoge] { return KurvenSpeichern(satz, konfig, dialoge, false); };
}

int KurvenLaden(Kurvensatz& satz, Konfigzustand& konfig, Fehlerausgabe& fehler) {
  Dialoge& dialoge = fehler.dialoge();
  if (AbbruchWeilKurvenNichtGespeichert(satz, fehler,
                                        KurvenSpeichernBefehl(satz, konfig, dialoge)) != 0)
    return 0;
  const auto pfad =
      dialoge.FileSelectPopup(DateiauswahlFuer("*.skr", "Kurve laden", Dateiknopf::Laden));
  if (!pfad) return 0;
  return KurvendateiLaden(satz, konfig, dialoge, *pfad, false);
}

int KurvenAnhaengen(Kurvensatz& satz, Konfigzustand& konfig, Dialoge& dialoge) {
  const auto pfad =
      dialoge.FileSelectPopup(DateiauswahlFuer("*.skr", "Kurven anhängen", Dateiknopf::Laden));
  if (!pfad) return 0;
  return KurvendateiLaden(satz, konfig, dialoge, *pfad, true);
}

int KurvendateiLaden(Kurvensatz& satz, Konfigzustand& konfig, Dialoge& dialoge,
                     const std::string& pfad, bool anhaengen) {
  KurvenTitelSetzen(satz, "");
  Kurvendatei datei;
  if (const int fehler = KurvendateiEinlesen(pfad, datei); fehler != 0) return fehler;
  if (const int fehler = KurvendateiUebernehmen(satz, datei, anhaengen); fehler != 0) return fehler;
  KonfigurationDerDatei(datei, konfig, dialoge);
  satz.gKurvenzahl = kKurvenAnzahl;
  if (datei.abgeschnitten) {
    // Without a file name, saving asks for a new one instead of overwriting the damaged file.
    satz.gKurvenGeaendert = true;
    return -322473;
  }
  KurvenTitelSetzen(satz, pfad);
  satz.gKurvenGeaendert = false;
  return 0;
}
