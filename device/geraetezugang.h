#pragma once
// What the editors need of the COM settings to speak to the device: the port table, the open
// port and the device address chosen at the moment of the call.

#include <functional>

class ComPorts;

class Geraetezugang {
 public:
  virtual ~Geraetezugang() = default;
  virtual ComPorts& Ports() = 0;
  // The open port, -1 when none is open.
  virtual int OffenerComPort() const = 0;
  // The address ring's current value: '1'..'8', or '&' for all devices.
  virtual char Adresse() const = 0;
  // melden(code) is called when the line hangs up, where the line is watched; besitzer names
  // the entry for UnterbrechungAbmelden.
  virtual void UnterbrechungAnmelden(const void* /*besitzer*/,
                                     std::function<void(int code)> /*melden*/) {}
  virtual void UnterbrechungAbmelden(const void* /*besitzer*/) {}
};
