#include "platform/posix/ttyangaben.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "device/portbeschreibung.h"

namespace fs = std::filesystem;

namespace {

// The first line of a sysfs attribute, without trailing blanks; empty when it is missing.
std::string Attribut(const fs::path& datei) {
  std::ifstream ein(datei);
  std::string zeile;
  if (!ein || !std::getline(ein, zeile)) return "";
  while (!zeile.empty() && (zeile.back() == ' ' || zeile.back() == '\r' || zeile.back() == '\t'))
    zeile.pop_back();
  return zeile;
}

// The name of the folder a sysfs link (subsystem, driver) points to; empty without the link.
std::string LinkName(const fs::path& link) {
  std::error_code fehler;
  const fs::path ziel = fs::canonical(link, fehler);
  return fehler ? std::string() : ziel.filename().string();
}

// A hexadecimal attribute such as bInterfaceNumber ("01"); -1 when it is missing or no number.
int HexAttribut(const fs::path& datei) {
  const std::string text = Attribut(datei);
  if (text.empty() || text.size() > 4) return -1;
  int wert = 0;
  for (char c : text) {
    const int ziffer = c >= '0' && c <= '9'   ? c - '0'
                       : c >= 'a' && c <= 'f' ? c - 'a' + 10
                       : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                              : -1;
    if (ziffer < 0) return -1;
    wert = wert * 16 + ziffer;
  }
  return wert;
}

void UsbLesen(const fs::path& schnittstelle, bool acm, Ttyangaben& a) {
  const fs::path usb = schnittstelle.parent_path();
  a.usb = true;
  a.hersteller = Attribut(usb / "manufacturer");
  a.produkt = Attribut(usb / "product");
  a.seriennummer = Attribut(usb / "serial");
  a.schnittstellentext = Attribut(schnittstelle / "interface");
  a.schnittstelle = HexAttribut(schnittstelle / "bInterfaceNumber");
  // A CDC-ACM line takes two interfaces (control and data); other adapters one per line.
  const int interfaces = std::atoi(Attribut(usb / "bNumInterfaces").c_str());
  a.mehrereAnschluesse = interfaces > (acm ? 2 : 1);
}

}  // namespace

Ttyangaben TtyAngabenLesen(const fs::path& sysOrdner, const std::string& name) {
  Ttyangaben a;
  std::error_code fehler;
  fs::path geraet = fs::canonical(sysOrdner / name / "device", fehler);
  if (fehler) return a;
  a.geraet = true;
  // Since Linux 6.5 a built-in port's device is the serial core's port below its controller,
  // both on the bus "serial-base"; the hardware is the device above them.
  for (int stufe = 0; stufe < 2 && LinkName(geraet / "subsystem") == "serial-base"; ++stufe)
    geraet = geraet.parent_path();
  a.bus = LinkName(geraet / "subsystem");
  a.treiber = LinkName(geraet / "driver");
  // A USB-serial driver's port sits below its USB interface; a CDC-ACM tty's device is the
  // interface itself.
  if (a.bus == "usb-serial") UsbLesen(geraet.parent_path(), false, a);
  if (a.bus == "usb") UsbLesen(geraet, true, a);
  return a;
}

std::string TtyBeschreibung(const Ttyangaben& a) {
  if (!a.geraet) return "";
  if (!a.usb) {
    if (a.bus == "pci") return "serielle Schnittstelle (PCI-Karte)";
    const bool standard = a.treiber.empty() || a.treiber == "serial" || a.treiber == "serial8250";
    return standard ? "serielle Schnittstelle" : "serielle Schnittstelle (" + a.treiber + ")";
  }
  const std::string name = !a.produkt.empty()              ? a.produkt
                           : !a.schnittstellentext.empty() ? a.schnittstellentext
                                                           : "USB-Seriell-Adapter";
  const bool nummer = a.mehrereAnschluesse && a.schnittstelle >= 0;
  return Portbeschreibung(name, {a.hersteller, a.seriennummer,
                                 nummer ? "Schnittstelle " + std::to_string(a.schnittstelle) : ""});
}
