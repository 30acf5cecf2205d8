#pragma once
// Port numbers and the port list ("COM %d"): the rules alone, without the file system. A link
// com<n> in the port folder names port n; a serial port ttyS<k> with real hardware is port k+1;
// a USB adapter (ttyUSB*, ttyACM*) that no link names gets the lowest free number from 10 up.

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/systemports.h"

// Port numbers the list can show, as "COM %d" (0..256).
constexpr int kKleinstePortnummer = 0;
constexpr int kGroesstePortnummer = 256;
// Adapters are numbered from here up, above the usual built-in ports.
constexpr int kErsteAdapternummer = 10;

struct PortlistenEintrag {
  std::string text;
  int wert = 0;
  std::string hinweis;  // what the port is and the device it opens, for the tooltip
};

// The items of the port ring: "COM %d" for each number in 0..256, ascending, each once;
// the single item "n.a." with value 0 when there is none.
std::vector<PortlistenEintrag> ComPortliste(const std::vector<int>& nummern);
// The same for the machine's ports, each item with what the port is: "COM 10 – FT232R USB UART
// (FTDI, A5XK3RJT)".
std::vector<PortlistenEintrag> SystemPortliste(const std::vector<Systemport>& ports);

// Index of the item to select: the one whose value is the remembered selection, else the first.
size_t ComPortAuswahl(const std::vector<PortlistenEintrag>& liste, int gemerkt);

// "com<n>" with n in 0..256 written without leading zeros gives n; anything else -1.
int LinkNummer(const std::string& name);
// "ttyS<k>" gives k+1; -1 for other names or above 256.
int GeraeteNummer(const std::string& name);
// "ttyUSB<k>" or "ttyACM<k>".
bool IstAdapter(const std::string& name);

// The lowest number from 10 up to 256 that besetzt does not hold; -1 when there is none.
int FreieAdapternummer(const std::set<int>& besetzt);

// A serial device found on the machine: its name in /dev and its full path, resolved.
struct Portgeraet {
  std::string name;
  std::string pfad;
};

// In the order of their names, numbers ascending: ttyACM0, ttyUSB0, ttyUSB2, ttyUSB10.
void NachNamenOrdnen(std::vector<Portgeraet>& geraete);

// Port number to device path. links: number to the resolved target of com<n>; linknummern: the
// numbers of every link com<n>, also of those whose target is gone (their adapter may come
// back); geraete: devices with real hardware. A link owns its number; a device named by a link
// appears only there; a built-in port whose number a link holds is left out; adapters without
// a link take the lowest free numbers from 10, in the order of geraete.
std::map<int, std::string> PortnummernVergeben(const std::map<int, std::string>& links,
                                               const std::set<int>& linknummern,
                                               const std::vector<Portgeraet>& geraete);
