#pragma once
// What a port is, for people, from the parts the platforms find: "FT232R USB UART (FTDI,
// A5XK3RJT)". String rules alone, shared by the Linux and the Windows port list.

#include <string>
#include <vector>

// The name followed by the non-empty parts in brackets, separated by commas; the name alone
// when every part is empty.
std::string Portbeschreibung(const std::string& name, const std::vector<std::string>& teile);

// What SetupAPI tells of a port on Windows.
struct Windowsportangaben {
  std::string anzeigename;  // the friendly name: "USB Serial Port (COM3)"
  std::string hersteller;   // "FTDI"; "(Standard port types)" when Windows knows no maker
  std::string instanzId;    // the device instance id: "USB\VID_0403&PID_6001\A5XK3RJT"
};

// "USB Serial Port (FTDI, A5XK3RJT)" for port COM nummer: the friendly name without the port
// Windows appends, the maker and, for a USB device, its serial number. Without a friendly name
// the registry's device name.
std::string WindowsPortbeschreibung(const Windowsportangaben& angaben, int nummer,
                                    const std::string& geraetename);
