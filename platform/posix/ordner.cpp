#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "base/einstellungen.h"

namespace {

// $HOME, else the user's home from the password database (a service started without HOME).
std::filesystem::path Heimordner() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  const passwd* eintrag = getpwuid(getuid());
  return eintrag != nullptr && eintrag->pw_dir != nullptr ? eintrag->pw_dir : "";
}

}  // namespace

std::string KonfigurationsOrdner() {
  namespace fs = std::filesystem;
  fs::path basis;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0')
    basis = xdg;
  else if (const fs::path heim = Heimordner(); !heim.empty())
    basis = heim / ".config";
  else
    return ".";
  return (basis / "tvm5r").string();
}
