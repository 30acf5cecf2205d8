#pragma once
// What the kernel's sysfs tells about a tty, read as serial libraries do on Linux: the tty's
// device, for a USB adapter its USB interface and the USB device above it (maker, product,
// serial number, interface number), for a built-in port its bus and driver.

#include <filesystem>
#include <string>

struct Ttyangaben {
  bool geraet = false;  // the tty has a device behind it
  bool usb = false;
  std::string hersteller;
  std::string produkt;
  std::string seriennummer;
  std::string schnittstellentext;   // the interface's own name, where the device gives one
  int schnittstelle = -1;           // interface number
  bool mehrereAnschluesse = false;  // the USB device carries several serial lines
  std::string bus;                  // subsystem of the tty's device: "pnp", "platform", "pci", …
  std::string treiber;
};

// The tty name (e.g. "ttyUSB0") as the folder sysOrdner (/sys/class/tty) describes it.
Ttyangaben TtyAngabenLesen(const std::filesystem::path& sysOrdner, const std::string& name);

// What the port is, for people: "FT232R USB UART (FTDI, A5XK3RJT)", "serielle Schnittstelle".
std::string TtyBeschreibung(const Ttyangaben& angaben);
