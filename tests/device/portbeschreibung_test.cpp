// What a Windows port is, from SetupAPI's friendly name, maker and device instance id.

#include "device/portbeschreibung.h"

#include <gtest/gtest.h>

TEST(Portbeschreibung, WindowsAusAnzeigenameHerstellerUndInstanzId) {
  struct Fall {
    Windowsportangaben angaben;
    int nummer;
    const char* erwartet;
  };
  const Fall faelle[] = {
      {{"USB Serial Port (COM3)", "FTDI", "USB\\VID_0403&PID_6001\\A5XK3RJT"},
       3,
       "USB Serial Port (FTDI, A5XK3RJT)"},
      // A serial number Windows made up, and a port of another bus: no serial number.
      {{"USB-SERIAL CH340 (COM12)", "wch.cn", "USB\\VID_1A86&PID_7523\\5&2C1A3B&0&2"},
       12,
       "USB-SERIAL CH340 (wch.cn)"},
      {{"USB Serial Port (COM4)", "FTDI", "FTDIBUS\\VID_0403+PID_6001+A5XK3RJT\\0000"},
       4,
       "USB Serial Port (FTDI)"},
      // Windows' placeholder for no maker; another port's name stays.
      {{"Kommunikationsanschluss (COM1)", "(Standardanschlusstypen)", "ACPI\\PNP0501\\0"},
       1,
       "Kommunikationsanschluss"},
      {{"Modem (COM10)", "", "USB\\VID_1234&PID_0001\\XY"}, 1, "Modem (COM10) (XY)"},
      {{"", "FTDI", "USB\\VID_0403&PID_6001\\A5XK3RJT"}, 3, "\\Device\\VCP0"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(WindowsPortbeschreibung(f.angaben, f.nummer, "\\Device\\VCP0"), f.erwartet)
        << f.angaben.anzeigename;
}
