#include "platform/posix/ptyserver.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/timerfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <deque>
#include <type_traits>

namespace {

// Waking from the timer takes tens of microseconds, on a virtual machine often more than the
// 87 µs a character takes at 115200 baud. The last stretch before an answer byte is due is
// therefore waited out awake, so that the byte leaves on time; it costs at most this long per
// answer.
constexpr auto kWachVorlauf = std::chrono::microseconds(150);

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

// Arms the wake-up for shortly before the next answer byte is due, or disarms it when none is or
// when the terminal takes nothing more (the answer then waits for POLLOUT, not for its time). A
// timer file wakes on the dot, whereas the time-out of poll may end late by 0.1 % of the wait
// and at least 50 µs: at 9600 baud a seventh of a character for every acknowledge.
bool WeckerStellen(int wecker, const std::deque<GeplantesByte>& ausgang, bool blockiert) {
  // The steady clock is the timer's CLOCK_MONOTONIC.
  static_assert(std::is_same_v<Uhr, std::chrono::steady_clock>);
  itimerspec zeit{};  // all zero: disarmed
  if (!ausgang.empty() && !blockiert) {
    const int64_t ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                           (ausgang.front().zeit - kWachVorlauf).time_since_epoch())
                           .count();
    zeit.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
    zeit.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000);
  }
  return timerfd_settime(wecker, TFD_TIMER_ABSTIME, &zeit, nullptr) == 0;
}

// Received bytes go to the devices at once, since what a device answers depends only on the
// order of the bytes; each answer is due after the byte that completed its frame has crossed
// the line, behind what is still being sent. Only the answers need waking up for.
void Zustellen(SimLeitung& leitung, Leitungstakt& takt, const uint8_t* daten, size_t anzahl,
               std::deque<GeplantesByte>& ausgang, Uhr::time_point jetzt) {
  for (size_t i = 0; i < anzahl; ++i) {
    const Uhr::time_point angekommen = takt.Empfangen(jetzt);
    for (char c : leitung.Empfangen(daten[i]))
      ausgang.push_back({takt.Senden(angekommen), static_cast<uint8_t>(c)});
  }
}

// Stays awake until the next answer byte is due, when that is close.
void WachWarten(const std::deque<GeplantesByte>& ausgang) {
  if (ausgang.empty()) return;
  const Uhr::time_point faellig = ausgang.front().zeit;
  if (faellig - Uhr::now() > kWachVorlauf) return;
  while (Uhr::now() < faellig) {
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
  wecker_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
}

PtyServer::~PtyServer() {
  if (wecker_ >= 0) close(wecker_);
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
}

int PtyServer::Laufen(SimLeitung& leitung, int baud, int stopFd) {
  if (!Offen()) return -1;
  Leitungstakt takt(baud);
  std::deque<GeplantesByte> ausgang;
  bool blockiert = false;
  for (;;) {
    if (!blockiert) WachWarten(ausgang);
    if (!Senden(master_, ausgang, Uhr::now(), blockiert) ||
        !WeckerStellen(wecker_, ausgang, blockiert))
      return -1;

    // Arming the wake-up anew each turn also clears its last expiry, so it need not be read.
    pollfd p[3] = {{master_, static_cast<short>(POLLIN | (blockiert ? POLLOUT : 0)), 0},
                   {stopFd, POLLIN, 0},
                   {wecker_, POLLIN, 0}};
    const int n = ppoll(p, 3, nullptr, nullptr);
    if (n < 0 && errno != EINTR) return -1;
    if (n <= 0) continue;
    if (p[1].revents) return 0;
    if (p[0].revents & (POLLERR | POLLNVAL | POLLHUP)) return -1;
    if (!(p[0].revents & POLLIN)) continue;
    uint8_t daten[4096];
    const ssize_t gelesen = read(master_, daten, sizeof daten);
    if (gelesen < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (gelesen <= 0) return -1;
    Zustellen(leitung, takt, daten, static_cast<size_t>(gelesen), ausgang, Uhr::now());
  }
}
