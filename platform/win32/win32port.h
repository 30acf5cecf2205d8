#pragma once
// Serial ports on Win32: COM n is Windows' own \\.\COMn.

#include <memory>

#include "device/comport.h"

// Opens COM nummer with the given line settings; nullptr when that fails (no such port, in use
// by another program, settings the port does not take).
std::unique_ptr<ComPort> Win32PortOeffnen(int nummer, const Leitungseinstellung& einstellung);
