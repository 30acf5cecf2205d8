#include "base/dateischreiben.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <random>
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
           Tempname(praefix, static_cast<unsigned long>(getpid()), zufall() % 1000000, endung);
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A save that was killed leaves its temporary file behind; the next save in the folder removes
// those of its naming whose process no longer exists (a running save's file stays).
void VerwaisteEntfernen(const fs::path& ordner, const std::string& praefix,
                        const std::string& endung) {
  std::error_code fehler;
  for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende;
       it.increment(fehler)) {
    const auto pid =
        static_cast<pid_t>(ProzessImTempnamen(it->path().filename().string(), praefix, endung));
    if (pid > 0 && kill(pid, 0) != 0 && errno == ESRCH) {
      std::error_code egal;
      fs::remove(it->path(), egal);
    }
  }
}

// An existing target that may not be written is refused before anything is created. Only a
// regular file is probed (without blocking): opening a FIFO for writing would wait for a reader.
bool ZielBeschreibbar(const fs::path& ziel) {
  struct stat art {};
  if (stat(ziel.c_str(), &art) != 0) return errno == ENOENT;
  if (!S_ISREG(art.st_mode)) return false;
  const int fd = open(ziel.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  close(fd);
  return true;
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

Schreibergebnis AlleTeileSchreiben(int fd, const std::vector<std::string_view>& teile) {
  for (size_t i = 0; i < teile.size(); ++i) {
    if (!AllesSchreiben(fd, teile[i])) return {Schreibergebnis::Art::NichtGeschrieben, i};
  }
  return {};
}

// A character device (/dev/null, a terminal) is written straight through: a rename would put a
// regular file in its place.
Schreibergebnis Durchschreiben(const std::string& pfad,
                               const std::vector<std::string_view>& teile) {
  const int fd = open(pfad.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return {Schreibergebnis::Art::NichtGeoeffnet, 0};
  Schreibergebnis ergebnis = AlleTeileSchreiben(fd, teile);
  if (close(fd) != 0 && ergebnis.ok())
    ergebnis = {Schreibergebnis::Art::NichtGeschrieben, teile.empty() ? 0 : teile.size() - 1};
  return ergebnis;
}

// Writes the parts and closes the file. fsync before the rename: otherwise a power cut soon
// after could leave the new name on a file whose data never reached the disk.
Schreibergebnis TeileSchreiben(int fd, const std::vector<std::string_view>& teile) {
  using Art = Schreibergebnis::Art;
  Schreibergebnis ergebnis = AlleTeileSchreiben(fd, teile);
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
  // stat follows every link, also the system's own (/dev/stdout -> /proc/self/fd/1).
  struct stat art {};
  if (stat(pfad.c_str(), &art) == 0) {
    if (S_ISCHR(art.st_mode)) return Durchschreiben(pfad, teile);
    if (!S_ISREG(art.st_mode)) return {Art::NichtGeoeffnet, 0};
  }
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

Schreibhindernis SchreibhindernisSuchen(const std::string& pfad) {
  using Art = Schreibhindernis::Art;
  struct stat art {};
  if (!pfad.empty() && stat(pfad.c_str(), &art) == 0) {
    if (S_ISCHR(art.st_mode)) return {access(pfad.c_str(), W_OK) == 0 ? Art::Keins : Art::Ziel, ""};
    if (!S_ISREG(art.st_mode)) return {Art::KeineDatei, ""};
    if (access(pfad.c_str(), W_OK) != 0) return {Art::Ziel, ""};
  }
  const fs::path ziel = EndzielVon(fs::path(pfad));
  if (ziel.empty()) return {Art::KeineDatei, ""};
  const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
  if (access(ordner.c_str(), W_OK | X_OK) != 0)
    return {errno == ENOENT || errno == ENOTDIR ? Art::OrdnerFehlt : Art::Ordner, ordner.string()};
  return {};
}

bool OrdnerFuerDateiAnlegen(const std::string& datei) {
  std::error_code fehler;
  fs::create_directories(fs::path(datei).parent_path(), fehler);
  return !fehler;
}

std::FILE* DateiZumAnhaengenOeffnen(const std::string& pfad) {
  struct stat art {};
  if (stat(pfad.c_str(), &art) == 0 && !S_ISREG(art.st_mode) && !S_ISCHR(art.st_mode))
    return nullptr;
  // Without blocking, in case a FIFO took the name meanwhile; it is refused below.
  const int fd =
      open(pfad.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* datei = nullptr;
  if (fstat(fd, &art) == 0 && (S_ISREG(art.st_mode) || S_ISCHR(art.st_mode)) &&
      fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0)
    datei = fdopen(fd, "ab");
  if (datei == nullptr) close(fd);
  return datei;
}
