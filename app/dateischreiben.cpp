#include "app/dateischreiben.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path TemporaererName(const fs::path& ziel, const std::string& praefix,
                         const std::string& endung) {
  std::random_device zufall;
  const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
  for (int versuch = 0; versuch < 100; ++versuch) {
    fs::path kandidat = ordner / (praefix + std::to_string(zufall() % 1000000) + endung);
    std::error_code fehler;
    if (!fs::exists(kandidat, fehler)) return kandidat;
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

}  // namespace

Schreibergebnis DateiSicherSchreiben(const std::string& pfad,
                                     const std::vector<std::string_view>& teile,
                                     const std::string& praefix, const std::string& endung) {
  using Art = Schreibergebnis::Art;
  const fs::path ziel(pfad);
  if (pfad.empty() || !ZielBeschreibbar(ziel)) return {Art::NichtGeoeffnet, 0};
  const fs::path temp = TemporaererName(ziel, praefix, endung);
  if (temp.empty()) return {Art::NichtGeoeffnet, 0};
  std::ofstream datei(temp, std::ios::binary | std::ios::trunc);
  if (!datei.is_open()) return {Art::NichtGeoeffnet, 0};

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

  std::error_code fehler;
  if (ergebnis.ok()) {
    fs::rename(temp, ziel, fehler);
    if (fehler) ergebnis = {Art::NichtGeschrieben, letzter};
  }
  if (!ergebnis.ok()) fs::remove(temp, fehler);
  return ergebnis;
}

bool DateiLesen(const std::string& pfad, std::string& inhalt) {
  std::ifstream datei(pfad, std::ios::binary);
  if (!datei.is_open()) return false;
  std::ostringstream puffer;
  puffer << datei.rdbuf();
  if (datei.bad()) return false;
  inhalt = puffer.str();
  return true;
}
