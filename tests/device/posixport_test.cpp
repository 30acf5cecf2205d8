#include "platform/posix/posixport.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "device/novhln1.h"
#include "device/speichertransfer.h"
#include "tests/device/ptybox.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace fs = std::filesystem;

namespace {

// The far end of a pseudo-terminal, as the simulator holds it.
class PtyMaster {
 public:
  PtyMaster() {
    fd_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd_ >= 0 && (grantpt(fd_) != 0 || unlockpt(fd_) != 0)) fd_ = -1;
  }
  ~PtyMaster() {
    if (fd_ >= 0) close(fd_);
  }
  std::string Slave() const { return ptsname(fd_); }
  void Senden(const std::string& text) const {
    ASSERT_EQ(write(fd_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  std::string Empfangen(size_t anzahl) const {
    std::string text;
    while (text.size() < anzahl) {
      pollfd p{fd_, POLLIN, 0};
      if (poll(&p, 1, 5000) <= 0) break;
      char puffer[64];
      const ssize_t n = read(fd_, puffer, std::min(sizeof puffer, anzahl - text.size()));
      if (n <= 0) break;
      text.append(puffer, static_cast<size_t>(n));
    }
    return text;
  }
  int fd() const { return fd_; }

 private:
  int fd_ = -1;
};

}  // namespace

TEST(PosixPort, LiestSchreibtUndLeertUeberPseudoterminal) {
  TempOrdner temp;
  PtyMaster master;
  ASSERT_GE(master.fd(), 0);
  PortWurzeln w{temp.pfad() / "ports", temp.pfad() / "dev", temp.pfad() / "sys"};
  fs::create_directories(w.portordner);
  fs::create_symlink(master.Slave(), w.portordner / "com4");
  PosixPortfabrik fabrik(w);

  // 7 data bits and odd parity: a pseudo-terminal ignores them, refuses low latency and opens
  // all the same; parity errors are asked to be marked (the master shows the port's settings).
  std::unique_ptr<ComPort> port = fabrik.Oeffnen(4, Leitungseinstellung{});
  ASSERT_NE(port, nullptr);
  termios t{};
  ASSERT_EQ(tcgetattr(master.fd(), &t), 0);
  EXPECT_EQ(t.c_iflag & (INPCK | PARMRK | IGNPAR | ISTRIP), tcflag_t(INPCK | PARMRK));
  EXPECT_EQ(port->TimeoutSetzen(2.0), 0);

  const uint8_t anfrage[] = {0x23, 0x33, 0x49, 0x44, 0x52, 0x0D};
  EXPECT_EQ(port->Schreiben(anfrage, sizeof anfrage), 6);
  EXPECT_EQ(port->AusgangsschlangeLaenge(), 0);
  EXPECT_EQ(master.Empfangen(6), "#3IDR\r");

  master.Senden("\x06#3X\xff");
  EXPECT_EQ(port->ByteLesen(), 0x06);
  EXPECT_EQ(port->ByteLesen(), '#');
  // What is already received, in the port's own buffer too, goes with the input queue.
  EXPECT_EQ(port->EingangLeeren(), 0);
  EXPECT_EQ(port->AusgangLeeren(), 0);
  master.Senden("Z");
  EXPECT_EQ(port->ByteLesen(), 'Z');

  // Nothing more arrives: the read ends after the time-out with a negative result.
  EXPECT_EQ(port->TimeoutSetzen(0.02), 0);
  EXPECT_LT(port->ByteLesen(), 0);
  EXPECT_LT(port->TimeoutSetzen(-1.0), 0);

  // One program at a time on a line.
  EXPECT_EQ(fabrik.Oeffnen(4, Leitungseinstellung{}), nullptr);
  EXPECT_TRUE(fabrik.ZuletztBelegt());
  EXPECT_EQ(port->Schliessen(), 0);
  EXPECT_NE(fabrik.Oeffnen(4, Leitungseinstellung{}), nullptr);
}

TEST(PosixPort, OeffnenScheitert) {
  TempOrdner temp;
  PtyMaster master;
  ASSERT_GE(master.fd(), 0);
  PortWurzeln w{temp.pfad() / "ports", temp.pfad() / "dev", temp.pfad() / "sys"};
  fs::create_directories(w.portordner);
  std::ofstream(temp.pfad() / "datei") << "kein Terminal";
  fs::create_symlink(temp.pfad() / "datei", w.portordner / "com1");
  fs::create_symlink(temp.pfad() / "fehlt", w.portordner / "com2");
  fs::create_symlink(master.Slave(), w.portordner / "com3");
  PosixPortfabrik fabrik(w);

  EXPECT_EQ(fabrik.Oeffnen(1, Leitungseinstellung{}), nullptr);
  EXPECT_EQ(fabrik.Oeffnen(2, Leitungseinstellung{}), nullptr);
  EXPECT_EQ(fabrik.Oeffnen(5, Leitungseinstellung{}), nullptr);  // dev/ttyS4 does not exist
  Leitungseinstellung einstellung;
  einstellung.baud = 12345;
  EXPECT_EQ(fabrik.Oeffnen(3, einstellung), nullptr);
  einstellung.baud = 9600;
  einstellung.paritaet = 'X';
  EXPECT_EQ(fabrik.Oeffnen(3, einstellung), nullptr);
  EXPECT_FALSE(fabrik.ZuletztBelegt());
}

// The waits on the output queue are computed from these: start bit, data, parity and stop bits.
TEST(Leitungseinstellung, BitsUndDauerEinesZeichens) {
  Leitungseinstellung box;  // 7 data bits, odd parity, 1 stop bit
  EXPECT_EQ(box.BitsProZeichen(), 10);
  box.baud = 115200;
  EXPECT_DOUBLE_EQ(box.Zeichendauer(148), 148 * 10.0 / 115200);
  Leitungseinstellung ohne{9600, 8, 'N', 1};
  EXPECT_EQ(ohne.BitsProZeichen(), 10);
  Leitungseinstellung lang{9600, 8, 'e', 2};
  EXPECT_EQ(lang.BitsProZeichen(), 12);
  EXPECT_DOUBLE_EQ(lang.Zeichendauer(8), 0.01);
}

// The far end hangs up in the middle of an answer: every exchange returns its own read code at
// once instead of waiting (or spinning) on a line that reports end-of-file for ever, and
// the port reports the hang-up so that later calls fail at once too.
TEST(Aufgelegt, LesenEndetSofortMitDemLesecode) {
  struct Fall {
    const char* name;
    std::string anfang;  // what the box sends before it hangs up
    std::function<int(ComPorts&, SkriptDialoge&)> austausch;
    std::vector<int> lesecodes;  // the acknowledge's and the answer's read codes
  };
  std::vector<uint8_t> speicher(128);
  const std::vector<Fall> faelle = {
      {"ID lesen",
       "\x06#1NOV-TV",
       [](ComPorts& ports, SkriptDialoge&) {
         std::string text;
         return NOVHLN1_IDLesen(ports, 6, '1', text);
       },
       {-403012, -404014}},
      {"Block lesen",
       "\x06#1BDR41000004001020",
       [&](ComPorts& ports, SkriptDialoge& dialoge) {
         return KurvenBlockLesen(dialoge, ports, 6, '1', 0x1000, 128, speicher, true, 4);
       },
       {-403101, -404104}},
      {"Block schreiben",
       "",
       [&](ComPorts& ports, SkriptDialoge& dialoge) {
         return KurvenBlockSchreiben(dialoge, ports, 6, '1', speicher, 0, 128, 4);
       },
       {-403129}},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    TempOrdner temp;
    PortWurzeln w{temp.pfad() / "ports", temp.pfad() / "dev", temp.pfad() / "sys"};
    AuflegendeBox box(w.portordner, 6);
    ASSERT_TRUE(box.Bereit());
    PosixPortfabrik fabrik(w);
    ComPorts ports(fabrik);
    SkriptDialoge dialoge;
    ASSERT_EQ(NOVHLN1_Open(ports, 6, 9600), 0);
    // Far longer than the test may take: a read that waits for it has not seen the hang-up.
    constexpr double kTimeout = 30.0;
    ASSERT_EQ(NOVHLN1_Timeout(ports, 6, kTimeout), 0);

    box.AntwortAbbrechen(fall.anfang);
    const auto beginn = std::chrono::steady_clock::now();
    const int code = fall.austausch(ports, dialoge);
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - beginn;
    EXPECT_NE(std::find(fall.lesecodes.begin(), fall.lesecodes.end(), code), fall.lesecodes.end())
        << code;
    EXPECT_LT(dauer.count(), kTimeout / 2);
    EXPECT_TRUE(ports.Aufgelegt(6));
    std::string text;
    EXPECT_EQ(NOVHLN1_IDLesen(ports, 6, '1', text), -124148);
    EXPECT_EQ(dialoge.offeneFortschritte, 0);
  }
}
