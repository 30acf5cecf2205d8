#include "base/dateischreiben.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
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

// The temporary files are named praefix, the process id, "-", a number, endung: the process id
// tells the leftover of a save that was killed from the file of a save still running.
int TemporaereAnlegen(const fs::path& ordner, const std::string& praefix, const std::string& endung,
                      fs::path& temp) {
  std::random_device zufall;
  for (int versuch = 0; versuch < 100; ++versuch) {
    temp = ordner /
           (praefix + std::to_string(getpid()) + "-" + std::to_string(zufall() % 1000000) + endung);
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The process id in a temporary file's name of this naming, 0 for any other name.
pid_t ProzessImNamen(const std::string& name, const std::string& praefix,
                     const std::string& endung) {
  if (name.size() <= praefix.size() + endung.size() || name.rfind(praefix, 0) != 0 ||
      name.compare(name.size() - endung.size(), endung.size(), endung) != 0)
    return 0;
  const std::string mitte =
      name.substr(praefix.size(), name.size() - praefix.size() - endung.size());
  const size_t strich = mitte.find('-');
  const auto ziffern = [](const std::string& t) {
    return !t.empty() && t.size() <= 9 && t.find_first_not_of("0123456789") == std::string::npos;
  };
  if (strich == std::string::npos || !ziffern(mitte.substr(0, strich)) ||
      !ziffern(mitte.substr(strich + 1)))
    return 0;
  return static_cast<pid_t>(std::stol(mitte.substr(0, strich)));
}

// A save that was killed leaves its temporary file behind; the next save in the folder removes
// those of its naming whose process no longer exists (a running save's file stays).
void VerwaisteEntfernen(const fs::path& ordner, const std::string& praefix,
                        const std::string& endung) {
  std::error_code fehler;
  for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende;
       it.increment(fehler)) {
    const pid_t pid = ProzessImNamen(it->path().filename().string(), praefix, endung);
    if (pid > 0 && kill(pid, 0) != 0 && errno == ESRCH) {
      std::error_code egal;
      fs::remove(it->path(), egal);
    }
  }
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

bool AllesSchreiben(int fd, std::string_view teil) {
  while (!teil.empty()) {
    const ssize_t n = write(fd, teil.data(), teil.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    teil.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Writes the parts and closes the file. fsync before the rename: otherwise a power cut soon
// after could leave the new name on a file whose data never reached the disk.
Schreibergebnis TeileSchreiben(int fd, const std::vector<std::string_view>& teile) {
  using Art = Schreibergebnis::Art;
  Schreibergebnis ergebnis;
  for (size_t i = 0; i < teile.size() && ergebnis.ok(); ++i) {
    if (!AllesSchreiben(fd, teile[i])) ergebnis = {Art::NichtGeschrieben, i};
  }
  const size_t letzter = teile.empty() ? 0 : teile.size() - 1;
  if (ergebnis.ok() && fsync(fd) != 0) ergebnis = {Art::NichtGeschrieben, letzter};
  if (close(fd) != 0 && ergebnis.ok()) ergebnis = {Art::NichtGeschrieben, letzter};
  return ergebnis;
}

// fsync of the folder after the rename, so that the replacement itself survives a power cut.
// The file is replaced by then; a folder that cannot be synced changes nothing of that.
void OrdnerSichern(const fs::path& ordner) {
  const int fd = open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

Schreibergebnis DateiSicherSchreiben(const std::string& pfad,
                                     const std::vector<std::string_view>& teile,
                                     const std::string& praefix, const std::string& endung) {
  using Art = Schreibergebnis::Art;
  if (pfad.empty()) return {Art::NichtGeoeffnet, 0};
  const fs::path ziel = EndzielVon(fs::path(pfad));
  if (ziel.empty() || !ZielBeschreibbar(ziel)) return {Art::NichtGeoeffnet, 0};
  const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
  VerwaisteEntfernen(ordner, praefix, endung);
  fs::path temp;
  const int fd = TemporaereAnlegen(ordner, praefix, endung, temp);
  if (fd < 0) return {Art::NichtGeoeffnet, 0};

  std::error_code fehler;
  if (!RechteUebernehmen(ziel, temp)) {
    close(fd);
    fs::remove(temp, fehler);
    return {Art::NichtGeoeffnet, 0};
  }
  Schreibergebnis ergebnis = TeileSchreiben(fd, teile);
  if (ergebnis.ok()) {
    fs::rename(temp, ziel, fehler);
    if (fehler) ergebnis = {Art::NichtGeschrieben, teile.empty() ? 0 : teile.size() - 1};
  }
  if (ergebnis.ok())
    OrdnerSichern(ordner);
  else
    fs::remove(temp, fehler);
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
