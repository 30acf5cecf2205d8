// The machine's ports in a fake sysfs and /dev: what each port is, and the numbers that USB
// adapters keep across unplugging, another socket and another tty name.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/posix/portsuche.h"
#include "tests/support/tempordner.h"

namespace fs = std::filesystem;

namespace {

void Schreiben(const fs::path& datei, const std::string& inhalt) {
  fs::create_directories(datei.parent_path());
  std::ofstream(datei) << inhalt << "\n";
}

// sysfs and /dev as the kernel and udev lay them out.
struct Maschine {
  TempOrdner temp;
  PortWurzeln w{temp.pfad() / "ports", temp.pfad() / "dev", temp.pfad() / "tty"};
  fs::path geraete = temp.pfad() / "devices";

  // The device's link to its bus (or driver), the tty's class entry and its node in /dev.
  void Link(const fs::path& geraet, const char* art, const std::string& ziel) {
    fs::create_directories(temp.pfad() / ziel);
    fs::create_directories(geraet);
    fs::create_symlink(temp.pfad() / ziel, geraet / art);
  }
  void Tty(const std::string& tty, const fs::path& geraet, const std::string& bus) {
    Link(geraet, "subsystem", bus);
    fs::create_directories(w.sysOrdner / tty);
    fs::create_symlink(geraet, w.sysOrdner / tty / "device");
    Schreiben(w.devOrdner / tty, "");
  }
  // A tty on interface 0 (or the given one) of the USB device usb, and udev's stable names.
  void Usb(const std::string& tty, const std::string& usb,
           const std::map<std::string, std::string>& attribute, bool acm,
           const std::vector<std::string>& stabil, int schnittstelle = 0) {
    for (const auto& [name, wert] : attribute) Schreiben(geraete / usb / name, wert);
    const fs::path interface = geraete / usb / (usb + ":1." + std::to_string(schnittstelle));
    Schreiben(interface / "bInterfaceNumber", "0" + std::to_string(schnittstelle));
    Tty(tty, acm ? interface : interface / tty, acm ? "usb" : "usb-serial");
    for (const std::string& name : stabil) {
      fs::create_directories((w.devOrdner / "serial" / name).parent_path());
      fs::create_symlink(w.devOrdner / tty, w.devOrdner / "serial" / name);
    }
  }
  void Abziehen(const std::string& tty) {
    fs::remove_all(w.sysOrdner / tty);
    fs::remove(w.devOrdner / tty);
    fs::remove_all(w.devOrdner / "serial");
  }
  // "COM n what it is" per port, the device checked against the tty.
  std::vector<std::string> Liste(const std::vector<std::string>& ttys) {
    std::vector<std::string> zeilen;
    const std::vector<Systemport> ports = VorhandenePorts(w);
    for (size_t i = 0; i < ports.size() && i < ttys.size(); ++i) {
      EXPECT_EQ(ports[i].pfad, fs::canonical(w.devOrdner / ttys[i]).string());
      zeilen.push_back("COM " + std::to_string(ports[i].nummer) + " " + ports[i].beschreibung);
    }
    EXPECT_EQ(ports.size(), ttys.size());
    return zeilen;
  }
};

const std::map<std::string, std::string> kFtdi = {
    {"manufacturer", "FTDI"}, {"product", "FT232R USB UART"}, {"serial", "A5XK3RJT"}};
const char* const kFtdiId = "by-id/usb-FTDI_FT232R_USB_UART_A5XK3RJT-if00-port0";

}  // namespace

TEST(Portnamen, WasJederPortIstUndNummernDieBleiben) {
  Maschine m;
  // A built-in port since Linux 6.5: the serial core's port and controller below the hardware.
  const fs::path pnp = m.geraete / "pnp0" / "00:05";
  m.Tty("ttyS0", pnp / "00:05:0" / "00:05:0.0", "serial-base");
  m.Link(pnp / "00:05:0", "subsystem", "serial-base");
  m.Link(pnp, "subsystem", "pnp");
  m.Link(pnp, "driver", "serial");
  Schreiben(m.w.devOrdner / "pts" / "7", "");
  fs::create_directories(m.w.portordner);
  // The user's own links, one of them to an adapter that is away: never changed.
  fs::create_symlink(m.w.devOrdner / "pts" / "7", m.w.portordner / "com3");
  fs::create_symlink(m.w.devOrdner / "weg", m.w.portordner / "com10");
  m.Usb("ttyUSB0", "1-2", kFtdi, false, {kFtdiId, "by-path/pci-0:14.0-usb-0:2:1.0-port0"});
  m.Usb("ttyACM0", "1-3", {{"manufacturer", "Arduino"}, {"bNumInterfaces", " 2"}}, true,
        {"by-id/usb-Arduino-if00", "by-path/pci-0:14.0-usb-0:3:1.0"});
  Schreiben(m.geraete / "1-3" / "1-3:1.0" / "interface", "CDC Abstract Control Model");
  // Two lines on one device, no stable names: numbered, not linked.
  m.Usb("ttyUSB1", "1-4", {{"product", "Dual RS232-HS"}, {"bNumInterfaces", " 2"}}, false, {}, 1);

  EXPECT_EQ(m.Liste({"ttyS0", "pts/7", "ttyACM0", "ttyUSB0", "ttyUSB1"}),
            (std::vector<std::string>{"COM 1 serielle Schnittstelle", "COM 3 Pseudo-Terminal",
                                      "COM 11 CDC Abstract Control Model (Arduino)",
                                      "COM 12 FT232R USB UART (FTDI, A5XK3RJT)",
                                      "COM 13 Dual RS232-HS (Schnittstelle 1)"}));
  // Without a serial number the adapter is bound to its socket.
  EXPECT_EQ(fs::read_symlink(m.w.portordner / "com11"),
            m.w.devOrdner / "serial" / "by-path/pci-0:14.0-usb-0:3:1.0");
  EXPECT_EQ(fs::read_symlink(m.w.portordner / "com12"), m.w.devOrdner / "serial" / kFtdiId);
  EXPECT_FALSE(fs::exists(fs::symlink_status(m.w.portordner / "com13")));
  const auto ring = SystemPortliste(VorhandenePorts(m.w));
  EXPECT_EQ(ring[3].text, "COM 12 – FT232R USB UART (FTDI, A5XK3RJT)");
  EXPECT_EQ(ring[3].hinweis,
            ring[3].text + "\n" + fs::canonical(m.w.devOrdner / "ttyUSB0").string());

  // Unplugged, the numbers stay taken; the FTDI adapter comes back as ttyUSB1 in another socket
  // after a new adapter took ttyUSB0.
  for (const char* tty : {"ttyUSB0", "ttyUSB1", "ttyACM0"}) m.Abziehen(tty);
  EXPECT_EQ(m.Liste({"ttyS0", "pts/7"}).size(), 2u);
  m.Usb("ttyUSB0", "1-5", {{"product", "CP2102"}, {"serial", "0001"}}, false,
        {"by-id/usb-Silicon_Labs_CP2102_0001-if00-port0"});
  m.Usb("ttyUSB1", "1-6", kFtdi, false, {kFtdiId});
  EXPECT_EQ(m.Liste({"ttyS0", "pts/7", "ttyUSB1", "ttyUSB0"}),
            (std::vector<std::string>{"COM 1 serielle Schnittstelle", "COM 3 Pseudo-Terminal",
                                      "COM 12 FT232R USB UART (FTDI, A5XK3RJT)",
                                      "COM 13 CP2102 (0001)"}));
  EXPECT_EQ(PortGeraet(12, m.w), (m.w.portordner / "com12").string());
  EXPECT_EQ(fs::read_symlink(m.w.portordner / "com10"), m.w.devOrdner / "weg");
}
