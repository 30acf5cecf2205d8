#pragma once
// Port numbers and the port list ("COM %d"): the rules alone, without the file system. A link
// com<n> in the port folder names port n; a serial port ttyS<k> with real hardware is port k+1;
// USB adapters have fixed numbers from 10 upward (ttyUSB<k> is 10+2k, ttyACM<k> is 11+2k), so
// that an adapter keeps its number whatever else is plugged in.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// Port numbers the list can show, as "COM %d" (0..256).
constexpr int kKleinstePortnummer = 0;
constexpr int kGroesstePortnummer = 256;

struct PortlistenEintrag {
  std::string text;
  int wert = 0;
};

// The items of the port ring: "COM %d" for each number in 0..256, ascending, each once;
// the single item "n.a." with value 0 when there is none.
std::vector<PortlistenEintrag> ComPortliste(const std::vector<int>& nummern);

// Index of the item to select: the one whose value is the remembered selection, else the first.
size_t ComPortAuswahl(const std::vector<PortlistenEintrag>& liste, int gemerkt);

// "com<n>" with n in 0..256 written without leading zeros gives n; anything else -1.
int LinkNummer(const std::string& name);
// "ttyS<k>" gives k+1; "ttyUSB<k>" 10+2k; "ttyACM<k>" 11+2k; -1 for other names or above 256.
int GeraeteNummer(const std::string& name);

// A serial device found on the machine: its name in /dev and its full path, resolved.
struct Portgeraet {
  std::string name;
  std::string pfad;
};

// Port number to device path. links: number to the resolved target of com<n>; geraete: devices
// with real hardware. A link owns its number; a device named by a link appears only there; a
// device whose number a link or a built-in port already holds is left out.
std::map<int, std::string> PortnummernVergeben(const std::map<int, std::string>& links,
                                               const std::vector<Portgeraet>& geraete);
