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
  const std::string belegt =
      link_.string() + " gibt es schon (COM " + std::to_string(nummer) + " ist belegt)";
  sperre_ =
      std::make_unique<Dateisperre>((ordner / (".com" + std::to_string(nummer) + ".sim")).string());
  if (!sperre_->Gehalten()) {
    fehler_ = belegt;
    return;
  }
  if (fs::exists(fs::symlink_status(link_, fehler))) {
    if (!Verwaist()) {
      fehler_ = belegt;
      sperre_->Aufgeben();
      return;
    }
    fs::remove(link_, fehler);
  }
  fs::create_symlink(ziel_, link_, fehler);
  if (fehler) {
    fehler_ = link_.string() + " nicht angelegt: " + fehler.message();
    sperre_->Aufgeben();
    return;
  }
  sperre_->InhaltSetzen(ziel_);
  angelegt_ = true;
}

// Called with the lock held, so no running simulator owns the link.
bool Portlink::Verwaist() const {
  std::error_code fehler;
  if (!fs::exists(link_, fehler)) return true;
  const fs::path verweis = fs::read_symlink(link_, fehler);
  const std::string frueher = sperre_->Inhalt();
  return !fehler && !frueher.empty() && verweis == fs::path(frueher);
}

Portlink::~Portlink() {
  if (!angelegt_) return;
  // Only our own link: someone may have replaced it meanwhile.
  std::error_code fehler;
  if (fs::read_symlink(link_, fehler) == fs::path(ziel_)) fs::remove(link_, fehler);
  sperre_->Aufgeben();
}
