#include "app/wiederherstellung.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/bytes.h"
#include "base/dateischreiben.h"
#include "characteristic/kennliniendateien.h"
#include "curves/kurvendateien.h"

namespace {

constexpr const char* kTyp = "tvm5r Wiederherstellung";
constexpr size_t kTypLaenge = 24;
constexpr int32_t kVersion = 1;
constexpr size_t kKopf = kTypLaenge + 4 + 8;

void U32Anhaengen(std::string& ziel, uint32_t wert) {
  uint8_t feld[4];
  U32Schreiben(feld, wert);
  ziel.append(reinterpret_cast<const char*>(feld), 4);
}

void TextAnhaengen(std::string& ziel, const std::string& text) {
  U32Anhaengen(ziel, static_cast<uint32_t>(text.size()));
  ziel += text;
}

void TeilAnhaengen(std::string& ziel, bool vorhanden, const std::string& pfad,
                   const std::string& bytes) {
  U32Anhaengen(ziel, vorhanden ? 1 : 0);
  TextAnhaengen(ziel, vorhanden ? pfad : std::string());
  TextAnhaengen(ziel, vorhanden ? bytes : std::string());
}

// Reads the file's fields one after the other; every length is checked against what is left.
class Leser {
 public:
  explicit Leser(std::string_view bytes) : rest_(bytes) {}
  bool U32(uint32_t& wert) {
    if (rest_.size() < 4) return false;
    wert = U32Lesen(reinterpret_cast<const uint8_t*>(rest_.data()));
    rest_.remove_prefix(4);
    return true;
  }
  bool Text(std::string& text) {
    uint32_t laenge = 0;
    if (!U32(laenge) || laenge > rest_.size()) return false;
    text.assign(rest_.substr(0, laenge));
    rest_.remove_prefix(laenge);
    return true;
  }
  bool Ende() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

struct Teil {
  bool vorhanden = false;
  std::string pfad;
  std::string bytes;
};

struct Stand {
  std::time_t zeit = 0;
  Teil kurven;
  Teil kennlinie;
};

bool TeilLesen(Leser& leser, Teil& teil) {
  uint32_t vorhanden = 0;
  if (!leser.U32(vorhanden) || vorhanden > 1) return false;
  teil.vorhanden = vorhanden == 1;
  return leser.Text(teil.pfad) && leser.Text(teil.bytes);
}

bool StandLesen(std::string_view bytes, Stand& stand) {
  if (bytes.size() < kKopf) return false;
  if (std::memcmp(bytes.data(), kTyp, std::strlen(kTyp) + 1) != 0) return false;
  const auto* kopf = reinterpret_cast<const uint8_t*>(bytes.data());
  if (I32Lesen(kopf + kTypLaenge) != kVersion) return false;
  const uint64_t zeit = U32Lesen(kopf + kTypLaenge + 4) |
                        (static_cast<uint64_t>(U32Lesen(kopf + kTypLaenge + 8)) << 32);
  stand.zeit = static_cast<std::time_t>(zeit);
  Leser leser(bytes.substr(kKopf));
  return TeilLesen(leser, stand.kurven) && TeilLesen(leser, stand.kennlinie) && leser.Ende();
}

std::string Zeitpunkt(std::time_t zeit) {
  char text[32] = "";
  // Only the main thread asks, so the shared buffer of localtime serves.
  if (const std::tm* ortszeit = std::localtime(&zeit); ortszeit != nullptr)
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", ortszeit);
  return text;
}

// Both parts are read before either editor is touched, so a refused part changes nothing.
int Uebernehmen(const Stand& stand, Kurvensatz& satz, Kennlinienzustand& kennlinie,
                const Konfiguration& konfig) {
  Kurvendatei kurven;
  Kennliniendatei kennl;
  if (stand.kurven.vorhanden) {
    if (const int fehler = KurvendateiLesen(stand.kurven.bytes, kurven); fehler != 0) return fehler;
    if (kurven.abgeschnitten) return -322473;
  }
  if (stand.kennlinie.vorhanden) {
    if (const int fehler = KennliniendateiLesen(stand.kennlinie.bytes, kennl); fehler != 0)
      return fehler;
    if (kennl.abgeschnitten) return -322545;
  }
  if (stand.kurven.vorhanden) {
    if (const int fehler = KurvendateiUebernehmen(satz, kurven, false); fehler != 0) return fehler;
    satz.gKurvenzahl = kKurvenAnzahl;
    KurvenTitelSetzen(satz, stand.kurven.pfad);
    satz.gKurvenGeaendert = true;
  }
  if (stand.kennlinie.vorhanden) {
    if (const int fehler = KennliniendateiUebernehmen(kennlinie, konfig, kennl); fehler != 0)
      return fehler;
    KennlTitelSetzen(kennlinie, stand.kennlinie.pfad);
    kennlinie.gKennlGeaendert = true;
  }
  return 1;
}

}  // namespace

std::string WiederherstellungsPfad(const std::string& iniPfad) {
  return (std::filesystem::path(iniPfad).parent_path() / kWiederherstellungsdatei).string();
}

std::string UngesichertesInhalt(const Kurvensatz& satz, const Kennlinienzustand& kennlinie,
                                const Konfiguration& konfig) {
  if (!satz.gKurvenGeaendert && !kennlinie.gKennlGeaendert) return {};
  std::string inhalt;
  TeilAnhaengen(inhalt, satz.gKurvenGeaendert, satz.gKurvendateiname,
                satz.gKurvenGeaendert ? KurvendateiBytes(satz, konfig) : std::string());
  TeilAnhaengen(
      inhalt, kennlinie.gKennlGeaendert, kennlinie.gKennlDateiname,
      kennlinie.gKennlGeaendert ? KennliniendateiBytes(kennlinie, konfig) : std::string());
  return inhalt;
}

std::string WiederherstellungsBytes(const std::string& inhalt, std::time_t zeit) {
  std::string bytes(kKopf, '\0');
  std::memcpy(bytes.data(), kTyp, std::strlen(kTyp));
  auto* kopf = reinterpret_cast<uint8_t*>(bytes.data());
  I32Schreiben(kopf + kTypLaenge, kVersion);
  const auto sekunden = static_cast<uint64_t>(zeit);
  U32Schreiben(kopf + kTypLaenge + 4, static_cast<uint32_t>(sekunden));
  U32Schreiben(kopf + kTypLaenge + 8, static_cast<uint32_t>(sekunden >> 32));
  return bytes + inhalt;
}

void Wiederherstellungsdatei::Takt(const std::string& inhalt) {
  if (inhalt == zuletzt_ && inhalt != geschrieben_) Sichern(inhalt);
  zuletzt_ = inhalt;
}

bool Wiederherstellungsdatei::Sichern(const std::string& inhalt) {
  if (inhalt.empty()) {
    Entfernen();
    return true;
  }
  if (!OrdnerFuerDateiAnlegen(pfad_)) return false;
  if (!DateiSicherSchreiben(pfad_, {WiederherstellungsBytes(inhalt, uhr_())}).ok()) return false;
  geschrieben_ = inhalt;
  return true;
}

void Wiederherstellungsdatei::Entfernen() {
  std::error_code fehler;
  std::filesystem::remove(pfad_, fehler);
  if (!fehler) geschrieben_ = std::string();
}

int WiederherstellungAnbieten(Dialoge& dialoge, const std::string& pfad, Kurvensatz& satz,
                              Kennlinienzustand& kennlinie, const Konfiguration& konfig) {
  std::string bytes;
  Stand stand;
  if (!DateiLesen(pfad, bytes) || !StandLesen(bytes, stand)) return 0;
  char text[120];
  std::snprintf(text, sizeof text, "Nicht gespeicherte Änderungen vom %s wiederherstellen?",
                Zeitpunkt(stand.zeit).c_str());
  const int antwort = dialoge.GenericMessagePopup({"Wiederherstellen", text, {"Ja", "Nein"}, 1, 2});
  if (antwort == 2) {
    std::error_code fehler;
    std::filesystem::remove(pfad, fehler);
  }
  if (antwort != 1) return 0;
  return Uebernehmen(stand, satz, kennlinie, konfig);
}
