#pragma once
// Finds the machine's serial ports: the links com<n> in the per-user port folder and the
// serial devices with real hardware, with what each one is. The folders are parameters so
// that tests can use their own.

#include <filesystem>
#include <string>
#include <vector>

#include "device/portliste.h"
#include "platform/systemports.h"

struct PortWurzeln {
  std::filesystem::path portordner;  // holds the links com<n>
  std::filesystem::path devOrdner = "/dev";
  std::filesystem::path sysOrdner = "/sys/class/tty";
};

// $XDG_CONFIG_HOME/tvm5r/ports, else ~/.config/tvm5r/ports.
std::filesystem::path Portordner();
// The per-user port folder with the system's /dev and /sys.
PortWurzeln StandardWurzeln();

// Every port the machine has, ascending by number, with the device it opens and what it is.
// A USB adapter seen for the first time gets its number here, kept as a link com<n> (the lowest
// free n from 10) to its stable name: <dev>/serial/by-id/… when it has a serial number, else
// <dev>/serial/by-path/… (its USB socket). Existing links are never changed.
std::vector<Systemport> VorhandenePorts(const PortWurzeln& wurzeln);

// The device that port number nummer opens: the link com<n>, else the listed port of that
// number, else /dev/ttyS<n-1>; empty when there is none.
std::string PortGeraet(int nummer, const PortWurzeln& wurzeln);

// The port ring's items for this machine ("COM %d – …" ascending, or "n.a." with value 0).
std::vector<PortlistenEintrag> MaschinenPortliste(const PortWurzeln& wurzeln);
