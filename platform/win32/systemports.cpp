#include "platform/systemports.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>

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

// Windows' serial drivers enter each port they serve in this key: the value's name is the
// device ("\Device\Serial0"), its data the port's name ("COM1").
std::vector<Systemport> RegistrierteComPorts() {
  std::vector<Systemport> ports;
  HKEY schluessel = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                    &schluessel) != ERROR_SUCCESS)
    return ports;
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
    if (const int nummer = ComNummer(port); nummer != 0)
      ports.push_back({nummer, "\\\\.\\" + Schmal(port), Schmal(std::wstring(name, namenslaenge))});
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
