// Placeholder until the Windows file replacement is merged: plain standard C++.
#include "base/dateischreiben.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

Schreibergebnis DateiSicherSchreiben(const std::string& pfad,
                                     const std::vector<std::string_view>& teile,
                                     const std::string& praefix, const std::string& endung) {
  using Art = Schreibergebnis::Art;
  if (pfad.empty()) return {Art::NichtGeoeffnet, 0};
  const fs::path ziel = fs::u8path(pfad);
  std::error_code fehler;
  if (fs::is_directory(ziel, fehler)) return {Art::NichtGeoeffnet, 0};
  const fs::path temp = ziel.parent_path() / (praefix + "0-0" + endung);
  std::ofstream datei(temp, std::ios::binary | std::ios::trunc);
  if (!datei.is_open()) return {Art::NichtGeoeffnet, 0};
  for (size_t i = 0; i < teile.size(); ++i) {
    datei.write(teile[i].data(), static_cast<std::streamsize>(teile[i].size()));
    if (!datei) return {Art::NichtGeschrieben, i};
  }
  datei.close();
  fs::rename(temp, ziel, fehler);
  if (fehler) {
    fs::remove(temp, fehler);
    return {Art::NichtGeschrieben, teile.empty() ? 0 : teile.size() - 1};
  }
  return {};
}

bool DateiLesen(const std::string& pfad, std::string& inhalt) {
  std::error_code fehler;
  if (fs::is_directory(fs::u8path(pfad), fehler)) return false;
  std::ifstream datei(fs::u8path(pfad), std::ios::binary);
  if (!datei.is_open()) return false;
  std::ostringstream puffer;
  puffer << datei.rdbuf();
  inhalt = puffer.str();
  return true;
}
