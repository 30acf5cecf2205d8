#include "sim/portlink.h"

#include <system_error>

namespace fs = std::filesystem;

Portlink::Portlink(const fs::path& ordner, int nummer, const std::string& ziel)
    : link_(ordner / ("com" + std::to_string(nummer))), ziel_(ziel) {
  std::error_code fehler;
  fs::create_directories(ordner, fehler);
  if (fehler) {
    fehler_ = "Portordner " + ordner.string() + " nicht angelegt: " + fehler.message();
    return;
  }
  if (fs::exists(fs::symlink_status(link_, fehler))) {
    if (fs::exists(link_, fehler)) {
      fehler_ = link_.string() + " gibt es schon (COM " + std::to_string(nummer) + " ist belegt)";
      return;
    }
    fs::remove(link_, fehler);
  }
  fs::create_symlink(ziel_, link_, fehler);
  if (fehler) {
    fehler_ = link_.string() + " nicht angelegt: " + fehler.message();
    return;
  }
  angelegt_ = true;
}

Portlink::~Portlink() {
  if (!angelegt_) return;
  // Only our own link: someone may have replaced it meanwhile.
  std::error_code fehler;
  if (fs::read_symlink(link_, fehler) == fs::path(ziel_)) fs::remove(link_, fehler);
}
