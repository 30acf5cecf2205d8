#include "device/portbeschreibung.h"

namespace {

// The serial number of a USB device: the last part of its instance id. Windows makes up that
// part, with '&' in it, for a device without a serial number; other buses have none.
std::string UsbSeriennummer(const std::string& instanzId) {
  if (instanzId.compare(0, 4, "USB\\") != 0) return "";
  const std::string teil = instanzId.substr(instanzId.rfind('\\') + 1);
  return teil.find('&') == std::string::npos ? teil : "";
}

// Windows appends " (COMn)" to a port's friendly name; the list shows the number already.
std::string OhnePort(const std::string& anzeigename, int nummer) {
  const std::string port = " (COM" + std::to_string(nummer) + ")";
  const bool angehaengt =
      anzeigename.size() > port.size() &&
      anzeigename.compare(anzeigename.size() - port.size(), port.size(), port) == 0;
  return angehaengt ? anzeigename.substr(0, anzeigename.size() - port.size()) : anzeigename;
}

}  // namespace

std::string Portbeschreibung(const std::string& name, const std::vector<std::string>& teile) {
  std::string zusatz;
  for (const std::string& teil : teile) {
    if (teil.empty()) continue;
    if (!zusatz.empty()) zusatz += ", ";
    zusatz += teil;
  }
  return zusatz.empty() ? name : name + " (" + zusatz + ")";
}

std::string WindowsPortbeschreibung(const Windowsportangaben& a, int nummer,
                                    const std::string& geraetename) {
  if (a.anzeigename.empty()) return geraetename;
  // A maker in brackets is Windows' own placeholder: "(Standard port types)".
  const std::string hersteller = a.hersteller.compare(0, 1, "(") == 0 ? "" : a.hersteller;
  return Portbeschreibung(OhnePort(a.anzeigename, nummer),
                          {hersteller, UsbSeriennummer(a.instanzId)});
}
