#include "platform/dateisperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

Dateisperre::Dateisperre(const std::string& pfad) : pfad_(pfad) {
  // O_NOFOLLOW and the kind check: a link or FIFO put in its place is never followed or waited on.
  const int fd = open(pfad.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return;
  struct stat art {};
  if (fstat(fd, &art) != 0 || !S_ISREG(art.st_mode) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return;
  }
  griff_ = fd;
}

Dateisperre::~Dateisperre() {
  if (Gehalten()) close(static_cast<int>(griff_));
}

std::string Dateisperre::Inhalt() const {
  if (!Gehalten()) return "";
  char puffer[4096];
  const ssize_t n = pread(static_cast<int>(griff_), puffer, sizeof puffer, 0);
  return n > 0 ? std::string(puffer, static_cast<size_t>(n)) : "";
}

bool Dateisperre::InhaltSetzen(const std::string& text) {
  if (!Gehalten() || ftruncate(static_cast<int>(griff_), 0) != 0) return false;
  return pwrite(static_cast<int>(griff_), text.data(), text.size(), 0) ==
         static_cast<ssize_t>(text.size());
}

void Dateisperre::Aufgeben() {
  if (!Gehalten()) return;
  unlink(pfad_.c_str());
  close(static_cast<int>(griff_));
  griff_ = kKeinGriff;
}
