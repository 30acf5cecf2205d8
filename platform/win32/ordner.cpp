// Placeholder until the Windows settings folder is merged.
#include <cstdlib>
#include <filesystem>

#include "base/einstellungen.h"

std::string KonfigurationsOrdner() {
  const char* appdata = std::getenv("APPDATA");
  if (appdata == nullptr || *appdata == '\0') return ".";
  return (std::filesystem::path(appdata) / "tvm5r").string();
}
