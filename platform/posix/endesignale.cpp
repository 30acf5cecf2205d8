#include "platform/endesignale.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

// The signal handler may only touch these: a flag and the writing end of a pipe whose reading
// end wakes whoever waits.
volatile sig_atomic_t gEmpfangen = 0;
int gRohr[2] = {-1, -1};
constexpr std::array<int, 3> kSignale = {SIGINT, SIGTERM, SIGHUP};
std::array<struct sigaction, kSignale.size()> gVorher{};

void EndeSignal(int) {
  const int gesichert = errno;
  gEmpfangen = 1;
  const char c = 'e';
  [[maybe_unused]] const ssize_t n = write(gRohr[1], &c, 1);
  errno = gesichert;
}

}  // namespace

Endesignale::Endesignale() {
  gEmpfangen = 0;
  if (pipe2(gRohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
  struct sigaction aktion {};
  aktion.sa_handler = EndeSignal;
  // Interrupted reads and writes go on; the waits below look at the pipe.
  aktion.sa_flags = SA_RESTART;
  sigemptyset(&aktion.sa_mask);
  for (size_t i = 0; i < kSignale.size(); ++i)
    if (sigaction(kSignale[i], &aktion, &gVorher[i]) != 0) return;
  // A reader that went away must give a write error, not end the program.
  signal(SIGPIPE, SIG_IGN);
  eingerichtet_ = true;
}

Endesignale::~Endesignale() {
  for (size_t i = 0; i < kSignale.size(); ++i) sigaction(kSignale[i], &gVorher[i], nullptr);
  for (int& fd : gRohr) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

bool Endesignale::Empfangen() const { return gEmpfangen != 0; }

bool Endesignale::Warten(std::chrono::steady_clock::time_point bis) const {
  using namespace std::chrono;
  while (!Empfangen()) {
    const auto rest = ceil<milliseconds>(bis - steady_clock::now()).count();
    if (rest <= 0) return false;
    pollfd p{gRohr[0], POLLIN, 0};
    const int n = poll(&p, 1, static_cast<int>(std::min<long long>(rest, 60'000)));
    if (n < 0 && errno != EINTR) return Empfangen();
  }
  return true;
}

int Endesignale::Deskriptor() const { return gRohr[0]; }
