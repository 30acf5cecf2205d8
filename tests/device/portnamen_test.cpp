// The machine's ports as a fake sysfs and /dev describe them: what each port is, and the numbers
// that USB adapters keep across unplugging, another socket and another tty name.

#include <gtest/gtest.h>

#include <cstdio>
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

// sysfs and /dev of a machine, as the kernel and udev lay them out.
struct Maschine {
  TempOrdner temp;
  PortWurzeln w{temp.pfad() / "ports", temp.pfad() / "dev", temp.pfad() / "class" / "tty"};
  fs::path geraete = temp.pfad() / "devices";

  fs::path Bus(const std::string& name) {
    fs::create_directories(temp.pfad() / "bus" / name);
    return temp.pfad() / "bus" / name;
  }
  // The tty's class entry pointing at its device, and its node in /dev.
  void Tty(const std::string& tty, const fs::path& geraet, const std::string& bus) {
    fs::create_directories(geraet);
    fs::create_symlink(Bus(bus), geraet / "subsystem");
    fs::create_directories(w.sysOrdner / tty);
    fs::create_symlink(geraet, w.sysOrdner / tty / "device");
    Schreiben(w.devOrdner / tty, "");
  }
  // A USB device at usbpfad (e.g. "1-2") with its attributes, and a tty on its interface.
  void Usb(const std::string& tty, const std::string& usbpfad, int schnittstelle,
           const std::map<std::string, std::string>& attribute, bool acm = false) {
    const fs::path usb = geraete / usbpfad;
    for (const auto& [name, wert] : attribute) Schreiben(usb / name, wert);
    const fs::path interface = usb / (usbpfad + ":1." + std::to_string(schnittstelle));
    char nummer[8];
    std::snprintf(nummer, sizeof nummer, "%02x", schnittstelle);
    Schreiben(interface / "bInterfaceNumber", nummer);
    // A USB-serial driver puts its port below the interface; CDC-ACM's tty hangs on it.
    Tty(tty, acm ? interface : interface / tty, acm ? "usb" : "usb-serial");
  }
  // udev's stable name in /dev/serial/<art>.
  void Stabil(const std::string& art, const std::string& name, const std::string& tty) {
    fs::create_directories(w.devOrdner / "serial" / art);
    fs::create_symlink(w.devOrdner / tty, w.devOrdner / "serial" / art / name);
  }
  // The adapter is pulled: its tty, its node and its stable names go.
  void Abziehen(const std::string& tty, const std::string& usbpfad) {
    fs::remove_all(w.sysOrdner / tty);
    fs::remove(w.devOrdner / tty);
    fs::remove_all(geraete / usbpfad);
    std::vector<fs::path> namen;
    for (const char* art : {"by-id", "by-path"})
      for (const auto& e : fs::directory_iterator(w.devOrdner / "serial" / art))
        if (fs::read_symlink(e.path()).filename() == tty) namen.push_back(e.path());
    for (const fs::path& name : namen) fs::remove(name);
  }
  std::string Dev(const std::string& tty) { return fs::canonical(w.devOrdner / tty).string(); }
  fs::path Link(int n) { return fs::read_symlink(w.portordner / ("com" + std::to_string(n))); }
  // "COM n|device|what it is" per port.
  std::vector<std::string> Liste() {
    std::vector<std::string> zeilen;
    for (const Systemport& p : VorhandenePorts(w))
      zeilen.push_back("COM " + std::to_string(p.nummer) + "|" + p.pfad + "|" + p.beschreibung);
    return zeilen;
  }
};

const std::map<std::string, std::string> kFtdi = {{"manufacturer", "FTDI"},
                                                  {"product", "FT232R USB UART"},
                                                  {"serial", "A5XK3RJT"},
                                                  {"bNumInterfaces", " 1"}};

}  // namespace

TEST(Portnamen, WasJederPortIst) {
  Maschine m;
  // A built-in port since Linux 6.5: the serial core's port and controller below the hardware.
  const fs::path pnp = m.geraete / "pnp0" / "00:05";
  m.Tty("ttyS0", pnp / "00:05:0" / "00:05:0.0", "serial-base");
  fs::create_symlink(m.Bus("serial-base"), pnp / "00:05:0" / "subsystem");
  fs::create_symlink(m.Bus("pnp"), pnp / "subsystem");
  fs::create_symlink(m.Bus("../drivers/serial"), pnp / "driver");
  Schreiben(m.w.sysOrdner / "ttyS0" / "type", "4");
  m.Tty("ttyS4", m.geraete / "pci0" / "0000:03:00.0", "pci");
  m.Usb("ttyUSB0", "1-2", 0, kFtdi);
  m.Usb("ttyUSB1", "1-4", 1,
        {{"manufacturer", "FTDI"}, {"product", "Dual RS232-HS"}, {"bNumInterfaces", " 2"}});
  m.Usb("ttyACM0", "1-3", 0,
        {{"manufacturer", "Arduino (www.arduino.cc)"}, {"bNumInterfaces", " 2"}}, true);
  Schreiben(m.geraete / "1-3" / "1-3:1.0" / "interface", "CDC Abstract Control Model");
  fs::create_directories(m.w.portordner);
  Schreiben(m.w.devOrdner / "pts" / "7", "");
  fs::create_symlink(m.w.devOrdner / "pts" / "7", m.w.portordner / "com3");
  fs::create_symlink(m.w.devOrdner / "ttyUSB0", m.w.portordner / "com4");

  // Without udev's stable names the adapters are numbered from 10 but not linked.
  EXPECT_EQ(
      m.Liste(),
      (std::vector<std::string>{
          "COM 1|" + m.Dev("ttyS0") + "|serielle Schnittstelle",
          "COM 3|" + m.Dev("pts/7") + "|Pseudo-Terminal",
          "COM 4|" + m.Dev("ttyUSB0") + "|FT232R USB UART (FTDI, A5XK3RJT)",
          "COM 5|" + m.Dev("ttyS4") + "|serielle Schnittstelle (PCI-Karte)",
          "COM 10|" + m.Dev("ttyACM0") + "|CDC Abstract Control Model (Arduino (www.arduino.cc))",
          "COM 11|" + m.Dev("ttyUSB1") + "|Dual RS232-HS (FTDI, Schnittstelle 1)"}));
  EXPECT_FALSE(fs::exists(fs::symlink_status(m.w.portordner / "com10")));

  const auto ring = SystemPortliste(VorhandenePorts(m.w));
  EXPECT_EQ(ring[2].text, "COM 4 – FT232R USB UART (FTDI, A5XK3RJT)");
  EXPECT_EQ(ring[2].wert, 4);
  EXPECT_EQ(ring[2].hinweis, "COM 4 – FT232R USB UART (FTDI, A5XK3RJT)\n" + m.Dev("ttyUSB0"));
}

TEST(Portnamen, AdapterBehaltenIhreNummer) {
  Maschine m;
  fs::create_directories(m.w.portordner);
  // The user's own link, and what a simulator left behind: never changed, numbers kept.
  fs::create_symlink(m.w.devOrdner / "ttyS0", m.w.portordner / "com10");
  fs::create_symlink(m.w.devOrdner / "weg", m.w.portordner / "com11");
  const std::string ftdiId = "usb-FTDI_FT232R_USB_UART_A5XK3RJT-if00-port0";
  m.Usb("ttyUSB0", "1-2", 0, kFtdi);
  m.Stabil("by-id", ftdiId, "ttyUSB0");
  m.Stabil("by-path", "pci-0000:00:14.0-usb-0:2:1.0-port0", "ttyUSB0");
  // No serial number: bound to its socket.
  m.Usb("ttyACM0", "1-3", 0, {{"product", "Messkopf"}, {"bNumInterfaces", " 2"}}, true);
  m.Stabil("by-id", "usb-Messkopf-if00", "ttyACM0");
  m.Stabil("by-path", "pci-0000:00:14.0-usb-0:3:1.0", "ttyACM0");

  EXPECT_EQ(m.Liste(), (std::vector<std::string>{
                           "COM 12|" + m.Dev("ttyACM0") + "|Messkopf",
                           "COM 13|" + m.Dev("ttyUSB0") + "|FT232R USB UART (FTDI, A5XK3RJT)"}));
  EXPECT_EQ(m.Link(12), m.w.devOrdner / "serial" / "by-path" / "pci-0000:00:14.0-usb-0:3:1.0");
  EXPECT_EQ(m.Link(13), m.w.devOrdner / "serial" / "by-id" / ftdiId);

  // Both pulled: their numbers stay taken while they are away.
  m.Abziehen("ttyUSB0", "1-2");
  m.Abziehen("ttyACM0", "1-3");
  EXPECT_EQ(m.Liste(), std::vector<std::string>{});

  // The FTDI adapter comes back in another socket as ttyUSB1, after a new adapter took ttyUSB0.
  m.Usb("ttyUSB0", "1-5", 0,
        {{"product", "CP2102 USB to UART Bridge Controller"}, {"serial", "0001"}});
  m.Stabil("by-id", "usb-Silicon_Labs_CP2102-if00-port0", "ttyUSB0");
  m.Usb("ttyUSB1", "1-6", 0, kFtdi);
  m.Stabil("by-id", ftdiId, "ttyUSB1");
  EXPECT_EQ(m.Liste(),
            (std::vector<std::string>{
                "COM 13|" + m.Dev("ttyUSB1") + "|FT232R USB UART (FTDI, A5XK3RJT)",
                "COM 14|" + m.Dev("ttyUSB0") + "|CP2102 USB to UART Bridge Controller (0001)"}));
  EXPECT_EQ(PortGeraet(13, m.w), (m.w.portordner / "com13").string());
  EXPECT_EQ(m.Link(10), m.w.devOrdner / "ttyS0");
  EXPECT_EQ(m.Link(11), m.w.devOrdner / "weg");
}
