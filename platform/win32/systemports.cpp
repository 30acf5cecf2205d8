#include "platform/systemports.h"

#include <windows.h>
// initguid.h first: devguid.h then defines the GUIDs it names here, with no import library.
#include <initguid.h>

#include <cfgmgr32.h>
#include <devguid.h>
#include <setupapi.h>

#include <algorithm>
#include <cwctype>
#include <iterator>
#include <map>
#include <string>

#include "device/portbeschreibung.h"
#include "platform/win32/breit.h"
#include "platform/win32/win32port.h"

namespace {

// The number of a port name "COMn" (1..256), else 0.
int ComNummer(const std::wstring& name) {
  if (name.size() < 4 || name.size() > 6 || std::towupper(name[0]) != L'C' ||
      std::towupper(name[1]) != L'O' || std::towupper(name[2]) != L'M')
    return 0;
  int nummer = 0;
  for (size_t i = 3; i < name.size(); ++i) {
    if (name[i] < L'0' || name[i] > L'9') return 0;
    nummer = nummer * 10 + (name[i] - L'0');
  }
  return nummer >= 1 && nummer <= 256 ? nummer : 0;
}

// A text property of a device (friendly name, maker); empty when it has none.
std::string Eigenschaft(HDEVINFO liste, SP_DEVINFO_DATA& geraet, DWORD eigenschaft) {
  wchar_t text[256];
  DWORD typ = 0;
  DWORD laenge = 0;
  if (!SetupDiGetDeviceRegistryPropertyW(liste, &geraet, eigenschaft, &typ,
                                         reinterpret_cast<BYTE*>(text),
                                         sizeof text - sizeof(wchar_t), &laenge) ||
      typ != REG_SZ)
    return "";
  text[std::min<DWORD>(laenge / sizeof(wchar_t), std::size(text) - 1)] = L'\0';
  return Schmal(text);
}

// The port a device of the class serves ("COM3", for a printer port "LPT1"), from its device
// key; empty without one.
std::wstring PortName(HDEVINFO liste, SP_DEVINFO_DATA& geraet) {
  const HKEY schluessel =
      SetupDiOpenDevRegKey(liste, &geraet, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
  if (schluessel == INVALID_HANDLE_VALUE) return L"";
  wchar_t name[64];
  DWORD laenge = sizeof name - sizeof(wchar_t);  // room for the terminating zero
  DWORD typ = 0;
  const LONG ergebnis = RegQueryValueExW(schluessel, L"PortName", nullptr, &typ,
                                         reinterpret_cast<BYTE*>(name), &laenge);
  RegCloseKey(schluessel);
  if (ergebnis != ERROR_SUCCESS || typ != REG_SZ) return L"";
  name[laenge / sizeof(wchar_t)] = L'\0';
  return name;
}

// What SetupAPI knows of the ports present now, by port number.
std::map<int, Windowsportangaben> GeraeteAngaben() {
  std::map<int, Windowsportangaben> angaben;
  const HDEVINFO liste =
      SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
  if (liste == INVALID_HANDLE_VALUE) return angaben;
  SP_DEVINFO_DATA geraet{};
  geraet.cbSize = sizeof geraet;
  for (DWORD i = 0; SetupDiEnumDeviceInfo(liste, i, &geraet); ++i) {
    const int nummer = ComNummer(PortName(liste, geraet));
    if (nummer == 0) continue;
    Windowsportangaben& a = angaben[nummer];
    a.anzeigename = Eigenschaft(liste, geraet, SPDRP_FRIENDLYNAME);
    a.hersteller = Eigenschaft(liste, geraet, SPDRP_MFG);
    wchar_t id[MAX_DEVICE_ID_LEN];
    if (SetupDiGetDeviceInstanceIdW(liste, &geraet, id, std::size(id), nullptr))
      a.instanzId = Schmal(id);
  }
  SetupDiDestroyDeviceInfoList(liste);
  return angaben;
}

// Windows' serial drivers enter each port they serve in this key: the value's name is the
// device ("\Device\Serial0"), its data the port's name ("COM1"). What the port is comes from
// SetupAPI where it knows the port, else the device's name stands.
std::vector<Systemport> RegistrierteComPorts() {
  std::vector<Systemport> ports;
  HKEY schluessel = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                    &schluessel) != ERROR_SUCCESS)
    return ports;
  const std::map<int, Windowsportangaben> angaben = GeraeteAngaben();
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD namenslaenge = static_cast<DWORD>(std::size(name));
    wchar_t daten[64];
    DWORD datenlaenge = sizeof daten - sizeof(wchar_t);  // room for the terminating zero
    DWORD typ = 0;
    const LONG ergebnis = RegEnumValueW(schluessel, i, name, &namenslaenge, nullptr, &typ,
                                        reinterpret_cast<BYTE*>(daten), &datenlaenge);
    if (ergebnis == ERROR_NO_MORE_ITEMS) break;
    if (ergebnis != ERROR_SUCCESS || typ != REG_SZ) continue;
    daten[datenlaenge / sizeof(wchar_t)] = L'\0';
    const std::wstring port = daten;
    const int nummer = ComNummer(port);
    if (nummer == 0) continue;
    const std::string geraetename = Schmal(std::wstring(name, namenslaenge));
    const auto gefunden = angaben.find(nummer);
    ports.push_back({nummer, "\\\\.\\" + Schmal(port),
                     gefunden == angaben.end()
                         ? geraetename
                         : WindowsPortbeschreibung(gefunden->second, nummer, geraetename)});
  }
  RegCloseKey(schluessel);
  std::sort(ports.begin(), ports.end(),
            [](const Systemport& a, const Systemport& b) { return a.nummer < b.nummer; });
  return ports;
}

class Win32Systemports : public Systemports {
 public:
  std::unique_ptr<ComPort> Oeffnen(int nummer, const Leitungseinstellung& einstellung) override {
    return Win32PortOeffnen(nummer, einstellung);
  }
  std::vector<Systemport> Ports() override { return RegistrierteComPorts(); }
};

}  // namespace

std::unique_ptr<Systemports> Maschinenports() {
  return std::make_unique<Win32Systemports>();
}
