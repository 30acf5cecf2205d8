#include "app/dateischreiben.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Links followed at most, as the system does, so that a loop of links ends.
constexpr int kLinkTiefe = 40;

// The file a path names in the end: a link is followed to its target (which need not exist
// yet), so that writing replaces the target and the link stays a link. Empty for a loop.
fs::path EndzielVon(const fs::path& pfad) {
  fs::path ziel = pfad;
  for (int tiefe = 0; tiefe < kLinkTiefe; ++tiefe) {
    std::error_code fehler;
    if (!fs::is_symlink(ziel, fehler)) return ziel;
    const fs::path verweis = fs::read_symlink(ziel, fehler);
    if (fehler) return {};
    ziel = verweis.is_absolute() ? verweis : ziel.parent_path() / verweis;
  }
  return {};
}

fs::path TemporaererName(const fs::path& ziel, const std::string& praefix,
                         const std::string& endung) {
  std::random_device zufall;
  const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
  for (int versuch = 0; versuch < 100; ++versuch) {
    fs::path kandidat = ordner / (praefix + std::to_string(zufall() % 1000000) + endung);
    std::error_code fehler;
    if (!fs::exists(fs::symlink_status(kandidat, fehler))) return kandidat;
  }
  return {};
}

// An existing target that may not be written is refused before anything is created.
bool ZielBeschreibbar(const fs::path& ziel) {
  std::error_code fehler;
  if (!fs::exists(ziel, fehler)) return true;
  if (fs::is_directory(ziel, fehler)) return false;
  std::ofstream probe(ziel, std::ios::binary | std::ios::app);
  return probe.is_open();
}

// The new file takes the mode of the one it replaces (a private 0600 file stays private); it
// gets it before any content is written.
bool RechteUebernehmen(const fs::path& ziel, const fs::path& temp) {
  std::error_code fehler;
  const fs::file_status status = fs::status(ziel, fehler);
  if (fehler || !fs::exists(status)) return true;
  fs::permissions(temp, status.permissions(), fs::perm_options::replace, fehler);
  return !fehler;
}

Schreibergebnis TeileSchreiben(std::ofstream& datei, const std::vector<std::string_view>& teile) {
  using Art = Schreibergebnis::Art;
  Schreibergebnis ergebnis;
  for (size_t i = 0; i < teile.size() && ergebnis.ok(); ++i) {
    datei.write(teile[i].data(), static_cast<std::streamsize>(teile[i].size()));
    if (!datei) ergebnis = {Art::NichtGeschrieben, i};
  }
  const size_t letzter = teile.empty() ? 0 : teile.size() - 1;
  datei.flush();
  if (ergebnis.ok() && !datei) ergebnis = {Art::NichtGeschrieben, letzter};
  datei.close();
  if (ergebnis.ok() && datei.fail()) ergebnis = {Art::NichtGeschrieben, letzter};
  return ergebnis;
}

}  // namespace

Schreibergebnis DateiSicherSchreiben(const std::string& pfad,
                                     const std::vector<std::string_view>& teile,
                                     const std::string& praefix, const std::string& endung) {
  using Art = Schreibergebnis::Art;
  if (pfad.empty()) return {Art::NichtGeoeffnet, 0};
  const fs::path ziel = EndzielVon(fs::path(pfad));
  if (ziel.empty() || !ZielBeschreibbar(ziel)) return {Art::NichtGeoeffnet, 0};
  const fs::path temp = TemporaererName(ziel, praefix, endung);
  if (temp.empty()) return {Art::NichtGeoeffnet, 0};
  std::ofstream datei(temp, std::ios::binary | std::ios::trunc);
  if (!datei.is_open()) return {Art::NichtGeoeffnet, 0};

  std::error_code fehler;
  if (!RechteUebernehmen(ziel, temp)) {
    datei.close();
    fs::remove(temp, fehler);
    return {Art::NichtGeoeffnet, 0};
  }
  Schreibergebnis ergebnis = TeileSchreiben(datei, teile);
  if (ergebnis.ok()) {
    fs::rename(temp, ziel, fehler);
    if (fehler) ergebnis = {Art::NichtGeschrieben, teile.empty() ? 0 : teile.size() - 1};
  }
  if (!ergebnis.ok()) fs::remove(temp, fehler);
  return ergebnis;
}

bool DateiLesen(const std::string& pfad, std::string& inhalt) {
  // A folder opens like a file on some systems and then reads as empty.
  std::error_code fehler;
  if (fs::is_directory(pfad, fehler)) return false;
  std::ifstream datei(pfad, std::ios::binary);
  if (!datei.is_open()) return false;
  std::ostringstream puffer;
  if (datei.peek() != std::ifstream::traits_type::eof()) puffer << datei.rdbuf();
  if (datei.bad() || !puffer) return false;
  inhalt = puffer.str();
  return true;
}
