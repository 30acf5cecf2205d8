#include "platform/posix/posixport.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <optional>

namespace {

using Uhr = std::chrono::steady_clock;

std::optional<speed_t> Geschwindigkeit(int baud) {
  switch (baud) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    case 230400:
      return B230400;
    default:
      return std::nullopt;
  }
}

std::optional<tcflag_t> Datenbits(int bits) {
  switch (bits) {
    case 5:
      return CS5;
    case 6:
      return CS6;
    case 7:
      return CS7;
    case 8:
      return CS8;
    default:
      return std::nullopt;
  }
}

// Everything but parity and data bits as requested.
bool AndereGesetzt(const termios& ist, const termios& soll) {
  const tcflag_t ohne = ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD);
  return (ist.c_cflag & ohne) == (soll.c_cflag & ohne) && ist.c_iflag == soll.c_iflag &&
         ist.c_oflag == soll.c_oflag && ist.c_lflag == soll.c_lflag &&
         cfgetispeed(&ist) == cfgetispeed(&soll) && cfgetospeed(&ist) == cfgetospeed(&soll) &&
         ist.c_cc[VMIN] == soll.c_cc[VMIN] && ist.c_cc[VTIME] == soll.c_cc[VTIME];
}

bool Einstellen(int fd, const Leitungseinstellung& e) {
  const std::optional<speed_t> geschwindigkeit = Geschwindigkeit(e.baud);
  const std::optional<tcflag_t> bits = Datenbits(e.datenbits);
  if (!geschwindigkeit || !bits || (e.stoppbits != 1 && e.stoppbits != 2)) return false;
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  cfmakeraw(&t);
  t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  t.c_cflag |= *bits | CLOCAL | CREAD;
  if (e.paritaet == 'O' || e.paritaet == 'o')
    t.c_cflag |= PARENB | PARODD;
  else if (e.paritaet == 'E' || e.paritaet == 'e')
    t.c_cflag |= PARENB;
  else if (e.paritaet != 'N' && e.paritaet != 'n')
    return false;
  if (e.stoppbits == 2) t.c_cflag |= CSTOPB;
  t.c_iflag &= ~(IXON | IXOFF | IXANY);
  // A byte that arrives with a parity or framing error is marked (0xFF 0x00 byte, a real 0xFF
  // comes as 0xFF 0xFF), so that the driver can refuse the answer instead of taking it falsified.
  if (t.c_cflag & PARENB) t.c_iflag |= INPCK | PARMRK;
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  if (cfsetispeed(&t, *geschwindigkeit) != 0 || cfsetospeed(&t, *geschwindigkeit) != 0)
    return false;
  if (tcsetattr(fd, TCSANOW, &t) == 0) return true;
  // A pseudo-terminal has no parity or data bits and keeps its own; the C library then reports
  // EINVAL although everything else took effect.
  termios ist{};
  return errno == EINVAL && tcgetattr(fd, &ist) == 0 && AndereGesetzt(ist, t);
}

enum class Bereitschaft { Bereit, Zeitablauf, Aufgelegt };

// Waits until fd is ready for the events or the deadline passes. A line that hung up (adapter
// pulled, far end of a pseudo-terminal closed) reports POLLHUP or POLLERR at once and for ever.
Bereitschaft Warten(int fd, short ereignisse, Uhr::time_point frist) {
  for (;;) {
    const auto rest = std::chrono::ceil<std::chrono::milliseconds>(frist - Uhr::now());
    const int ms = rest.count() > 0 ? static_cast<int>(rest.count()) : 0;
    pollfd p{fd, ereignisse, 0};
    const int n = poll(&p, 1, ms);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return Bereitschaft::Aufgelegt;
    if (n == 0 || (p.revents & ereignisse) == 0) return Bereitschaft::Zeitablauf;
    return Bereitschaft::Bereit;
  }
}

// Sleeps for dauer unless the line hangs up first (poll reports a hang-up even when no event is
// asked for); nanosecond resolution, so that a wait for a few characters ends when they are out.
Bereitschaft Ruhen(int fd, Uhr::duration dauer) {
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(dauer).count();
  const timespec zeit{static_cast<time_t>(ns / 1'000'000'000),
                      static_cast<long>(ns % 1'000'000'000)};
  pollfd p{fd, 0, 0};
  const int n = ppoll(&p, 1, &zeit, nullptr);
  if (n > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return Bereitschaft::Aufgelegt;
  return n < 0 && errno != EINTR ? Bereitschaft::Aufgelegt : Bereitschaft::Zeitablauf;
}

// The errors with which a terminal reports that its line is gone.
bool LeitungWeg(int fehler) {
  return fehler == EIO || fehler == ENXIO || fehler == ENODEV;
}

// USB adapters hold what they received up to their latency timer (16 ms on the most common
// chip) unless asked for low latency. The flags to restore at close; nothing when the driver
// does not know the request (a pseudo-terminal) or refuses it, and then nothing has changed.
std::optional<serial_struct> NiedrigeLatenzAnfordern(int fd) {
  serial_struct s{};
  if (ioctl(fd, TIOCGSERIAL, &s) != 0 || (s.flags & ASYNC_LOW_LATENCY) != 0) return std::nullopt;
  const serial_struct alt = s;
  s.flags |= ASYNC_LOW_LATENCY;
  if (ioctl(fd, TIOCSSERIAL, &s) != 0) return std::nullopt;
  return alt;
}

// The port side of a pseudo-terminal (device majors 136..143). The simulator holds it open, so
// an exclusive mode would outlive a program that ends without closing it (killed) and keep the
// simulator's port from every later program; there the lock alone keeps programs apart.
bool IstPseudoterminal(int fd) {
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode)) return false;
  const unsigned int haupt = major(info.st_rdev);
  return haupt >= 136 && haupt <= 143;
}

// The longest single wait for the output queue: short, so that the caller's deadline holds.
constexpr auto kAusgangsscheibe = std::chrono::milliseconds(10);

class PosixPort : public ComPort {
 public:
  PosixPort(int fd, const Leitungseinstellung& leitung)
      : fd_(fd), leitung_(leitung), alteSerielle_(NiedrigeLatenzAnfordern(fd)) {}
  ~PosixPort() override { Schliessen(); }

  int Schliessen() override {
    if (fd_ < 0) return 0;
    if (alteSerielle_) ioctl(fd_, TIOCSSERIAL, &*alteSerielle_);
    // A program that had the line open before us still holds it: leave it shareable again.
    ioctl(fd_, TIOCNXCL);
    // Characters that never leave (a line held by flow control) would make close wait for
    // them; the driver has waited for its requests to leave already.
    tcflush(fd_, TCIOFLUSH);
    const int ergebnis = close(fd_);
    fd_ = -1;
    return ergebnis == 0 ? 0 : -1;
  }

  int TimeoutSetzen(double sekunden) override {
    if (!std::isfinite(sekunden) || sekunden < 0.0 || sekunden > 1.0e6) return -1;
    timeout_ = std::chrono::duration_cast<Uhr::duration>(std::chrono::duration<double>(sekunden));
    return 0;
  }

  // Writes everything; when the line does not take more within the time-out, the bytes
  // written so far.
  int Schreiben(const uint8_t* daten, size_t anzahl) override {
    if (fd_ < 0 || aufgelegt_) return -1;
    size_t geschrieben = 0;
    while (geschrieben < anzahl) {
      const ssize_t n = write(fd_, daten + geschrieben, anzahl - geschrieben);
      if (n > 0) {
        geschrieben += static_cast<size_t>(n);
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else if (n < 0 && errno != EAGAIN) {
        if (LeitungWeg(errno)) aufgelegt_ = true;
        return geschrieben > 0 ? static_cast<int>(geschrieben) : -1;
      } else if (const Bereitschaft b = Warten(fd_, POLLOUT, Uhr::now() + timeout_);
                 b != Bereitschaft::Bereit) {
        aufgelegt_ = b == Bereitschaft::Aufgelegt;
        break;
      }
    }
    return static_cast<int>(geschrieben);
  }

  int ByteLesen() override {
    if (fd_ < 0 || aufgelegt_) return -1;
    if (pos_ == ende_ && !Nachladen()) return -1;
    return puffer_[pos_++];
  }

  // When characters are still queued, waits the time they need at the line rate, at most a
  // short slice, so that a caller polling for an empty queue neither spins nor waits without a
  // deadline (a line held by flow control never drains), and ends the wait when the line hangs
  // up. A pseudo-terminal may not know the request; its queue counts as empty.
  int AusgangsschlangeLaenge() override {
    if (fd_ < 0 || aufgelegt_) return -1;
    int laenge = 0;
    if (ioctl(fd_, TIOCOUTQ, &laenge) != 0) return 0;
    if (laenge > 0) {
      const auto dauer = std::chrono::duration_cast<Uhr::duration>(
          std::chrono::duration<double>(leitung_.Zeichendauer(laenge)));
      if (Ruhen(fd_, std::min<Uhr::duration>(dauer, kAusgangsscheibe)) == Bereitschaft::Aufgelegt) {
        aufgelegt_ = true;
        return -1;
      }
      if (ioctl(fd_, TIOCOUTQ, &laenge) != 0) return 0;
    }
    return laenge;
  }

  int EingangLeeren() override {
    if (fd_ < 0 || aufgelegt_) return -1;
    pos_ = ende_ = 0;
    return Ergebnis(tcflush(fd_, TCIFLUSH));
  }

  int AusgangLeeren() override {
    if (fd_ < 0 || aufgelegt_) return -1;
    return Ergebnis(tcflush(fd_, TCOFLUSH));
  }

  bool Aufgelegt() const override { return aufgelegt_; }
  int Beobachtung() const override { return fd_; }

 private:
  int Ergebnis(int ergebnis) {
    if (ergebnis == 0) return 0;
    if (LeitungWeg(errno)) aufgelegt_ = true;
    return -1;
  }

  // Fills the buffer with what has arrived, waiting at most the time-out for the first byte.
  // The line is raw with no minimum count, so read returns 0 while nothing has arrived; after
  // poll reported the line readable, 0 is the end of the file: the line has hung up.
  bool Nachladen() {
    pos_ = ende_ = 0;
    const Uhr::time_point frist = Uhr::now() + timeout_;
    bool lesbar = false;
    for (;;) {
      const ssize_t n = read(fd_, puffer_, sizeof puffer_);
      if (n > 0) {
        ende_ = static_cast<size_t>(n);
        return true;
      }
      if (n < 0 && errno == EINTR) continue;
      if ((n == 0 && lesbar) || (n < 0 && LeitungWeg(errno))) {
        aufgelegt_ = true;
        return false;
      }
      if (n < 0 && errno != EAGAIN) return false;
      const Bereitschaft b = Warten(fd_, POLLIN, frist);
      if (b == Bereitschaft::Aufgelegt) aufgelegt_ = true;
      if (b != Bereitschaft::Bereit) return false;
      lesbar = true;
    }
  }

  int fd_;
  Leitungseinstellung leitung_;
  std::optional<serial_struct> alteSerielle_;  // flags before low latency was asked for
  bool aufgelegt_ = false;
  Uhr::duration timeout_ = std::chrono::seconds(5);
  uint8_t puffer_[512];
  size_t pos_ = 0;
  size_t ende_ = 0;
};

}  // namespace

std::unique_ptr<ComPort> PosixPortOeffnen(const std::string& pfad,
                                          const Leitungseinstellung& einstellung, bool& belegt) {
  belegt = false;
  if (pfad.empty()) return nullptr;
  const int fd = open(pfad.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    // A terminal in exclusive mode refuses every further open.
    belegt = errno == EBUSY;
    return nullptr;
  }
  // One program at a time on a line: the lock keeps out every program that asks for it (ours
  // among them), the exclusive mode every other program that opens a real port after us.
  if (!isatty(fd) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    belegt = errno == EWOULDBLOCK;
    close(fd);
    return nullptr;
  }
  if ((!IstPseudoterminal(fd) && ioctl(fd, TIOCEXCL) != 0) || !Einstellen(fd, einstellung)) {
    ioctl(fd, TIOCNXCL);
    close(fd);
    return nullptr;
  }
  return std::make_unique<PosixPort>(fd, einstellung);
}

std::unique_ptr<ComPort> PosixPortfabrik::Oeffnen(int nummer,
                                                  const Leitungseinstellung& einstellung) {
  return PosixPortOeffnen(PortGeraet(nummer, wurzeln_), einstellung, belegt_);
}

std::string PosixPortfabrik::Kennung(int nummer) const {
  const std::filesystem::path link = wurzeln_.portordner / ("com" + std::to_string(nummer));
  std::error_code fehler;
  return std::filesystem::exists(std::filesystem::symlink_status(link, fehler)) ? link.string()
                                                                                : std::string();
}
