#pragma once
// A box at the far end of a real pseudo-terminal that answers one request with the start of an
// answer and then hangs up, as a pulled adapter or an ended simulator does. It runs in its own
// thread while the test's port waits in the driver.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <thread>

class AuflegendeBox {
 public:
  // The pseudo-terminal's port side is linked as com<nummer> in portordner.
  AuflegendeBox(const std::filesystem::path& portordner, int nummer) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    slave_ = ptsname(master_);
    std::filesystem::create_directories(portordner);
    const auto link = portordner / ("com" + std::to_string(nummer));
    std::filesystem::remove(link);
    std::filesystem::create_symlink(slave_, link);
  }
  ~AuflegendeBox() {
    if (faden_.joinable()) faden_.join();
    if (master_ >= 0) close(master_);
  }
  bool Bereit() const { return master_ >= 0 && !slave_.empty(); }

  // After the request's CR, sends anfang and hangs up once the port has taken it in.
  void AntwortAbbrechen(std::string anfang) {
    faden_ = std::thread([this, anfang = std::move(anfang)] {
      AnfrageAbwarten();
      if (!anfang.empty()) {
        if (write(master_, anfang.data(), anfang.size()) < 0) return;
        AbgeholtAbwarten();
      }
      close(master_);
      master_ = -1;
    });
  }

 private:
  void AnfrageAbwarten() {
    char zeichen = 0;
    while (zeichen != '\r') {
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, 20000) <= 0 || read(master_, &zeichen, 1) != 1) return;
    }
  }
  // The port's input queue is empty again: the driver holds the bytes.
  void AbgeholtAbwarten() {
    const int beobachter = open(slave_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (beobachter < 0) return;
    int wartend = 1;
    while (ioctl(beobachter, FIONREAD, &wartend) == 0 && wartend > 0) std::this_thread::yield();
    close(beobachter);
  }

  int master_ = -1;
  std::string slave_;
  std::thread faden_;
};
