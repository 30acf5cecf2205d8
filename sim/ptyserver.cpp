#include "sim/ptyserver.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <deque>

namespace {

struct GeplantesByte {
  Uhr::time_point zeit;
  uint8_t byte;
};

bool RohEinstellen(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  cfmakeraw(&t);
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

// Time until the earliest due byte of the queues, for ppoll; nullptr (wait without limit) when
// both are empty.
const timespec* Wartezeit(const std::deque<GeplantesByte>& a, const std::deque<GeplantesByte>& b,
                          timespec& puffer) {
  if (a.empty() && b.empty()) return nullptr;
  Uhr::time_point frist = Uhr::time_point::max();
  if (!a.empty()) frist = a.front().zeit;
  if (!b.empty() && b.front().zeit < frist) frist = b.front().zeit;
  const auto rest = std::chrono::duration_cast<std::chrono::nanoseconds>(frist - Uhr::now());
  const int64_t ns = rest.count() > 0 ? rest.count() : 0;
  puffer.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
  puffer.tv_nsec = static_cast<long>(ns % 1'000'000'000);
  return &puffer;
}

// The received bytes whose time has come go to the devices; their answers are queued behind
// what is still being sent.
void Zustellen(SimLeitung& leitung, Leitungstakt& takt, std::deque<GeplantesByte>& eingang,
               std::deque<GeplantesByte>& ausgang, Uhr::time_point jetzt) {
  while (!eingang.empty() && eingang.front().zeit <= jetzt) {
    const GeplantesByte b = eingang.front();
    eingang.pop_front();
    for (char c : leitung.Empfangen(b.byte))
      ausgang.push_back({takt.Senden(b.zeit), static_cast<uint8_t>(c)});
  }
}

// Writes the bytes whose time has come; false when the terminal fails.
bool Senden(int fd, std::deque<GeplantesByte>& ausgang, Uhr::time_point jetzt, bool& blockiert) {
  blockiert = false;
  uint8_t puffer[4096];
  while (!ausgang.empty() && ausgang.front().zeit <= jetzt) {
    size_t n = 0;
    while (n < sizeof puffer && n < ausgang.size() && ausgang[n].zeit <= jetzt) {
      puffer[n] = ausgang[n].byte;
      ++n;
    }
    const ssize_t geschrieben = write(fd, puffer, n);
    if (geschrieben < 0 && errno == EINTR) continue;
    if (geschrieben < 0 && errno == EAGAIN) {
      blockiert = true;
      return true;
    }
    if (geschrieben < 0) return false;
    ausgang.erase(ausgang.begin(), ausgang.begin() + geschrieben);
  }
  return true;
}

}  // namespace

PtyServer::PtyServer() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (master_ < 0) return;
  const char* name = nullptr;
  if (grantpt(master_) == 0 && unlockpt(master_) == 0) name = ptsname(master_);
  if (name) {
    pfad_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  }
  if (slave_ >= 0 && !RohEinstellen(slave_)) {
    close(slave_);
    slave_ = -1;
  }
}

PtyServer::~PtyServer() {
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
}

int PtyServer::Laufen(SimLeitung& leitung, int baud, int stopFd) {
  if (!Offen()) return -1;
  Leitungstakt takt(baud);
  std::deque<GeplantesByte> eingang;
  std::deque<GeplantesByte> ausgang;
  bool blockiert = false;
  for (;;) {
    Zustellen(leitung, takt, eingang, ausgang, Uhr::now());
    if (!Senden(master_, ausgang, Uhr::now(), blockiert)) return -1;

    pollfd p[2] = {{master_, static_cast<short>(POLLIN | (blockiert ? POLLOUT : 0)), 0},
                   {stopFd, POLLIN, 0}};
    // While the terminal takes nothing more, the queued answer waits for POLLOUT, not for time.
    static const std::deque<GeplantesByte> kLeer;
    timespec puffer{};
    const timespec* warten = Wartezeit(eingang, blockiert ? kLeer : ausgang, puffer);
    const int n = ppoll(p, 2, warten, nullptr);
    if (n < 0 && errno != EINTR) return -1;
    if (n <= 0) continue;
    if (p[1].revents) return 0;
    if (p[0].revents & (POLLERR | POLLNVAL | POLLHUP)) return -1;
    if (!(p[0].revents & POLLIN)) continue;
    uint8_t daten[4096];
    const ssize_t gelesen = read(master_, daten, sizeof daten);
    if (gelesen < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (gelesen <= 0) return -1;
    const Uhr::time_point jetzt = Uhr::now();
    for (ssize_t i = 0; i < gelesen; ++i) eingang.push_back({takt.Empfangen(jetzt), daten[i]});
  }
}
