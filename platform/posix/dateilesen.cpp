#include "base/dateilesen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Opening a FIFO for reading without O_NONBLOCK waits for a writer; with it, open returns at
// once and the kind can be looked at before anything is read.
bool Lesbar(int fd) {
  struct stat art {};
  if (fstat(fd, &art) != 0) return false;
  return S_ISREG(art.st_mode) || S_ISCHR(art.st_mode) || S_ISBLK(art.st_mode);
}

}  // namespace

Lesedatei::Lesedatei(const std::string& pfad) {
  const int fd = open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  if (!Lesbar(fd)) {
    close(fd);
    return;
  }
  griff_ = fd;
}

Lesedatei::~Lesedatei() {
  if (Offen()) close(static_cast<int>(griff_));
}

long long Lesedatei::Lesen(char* ziel, std::size_t n) {
  for (;;) {
    const ssize_t gelesen = read(static_cast<int>(griff_), ziel, n);
    if (gelesen < 0 && errno == EINTR) continue;
    return gelesen;
  }
}
