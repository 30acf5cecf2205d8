#pragma once
// The operations of the fault soak, one row each: every driver operation, and the block
// transfers of the curves and the characteristic (write and read). A row's codes are those the
// driver's sites define for the operation; adding an operation is adding a row.

#include <vector>

#include "tests/device/soakmaschine.h"

std::vector<Soakzeile> SoakTabelle();

// The rows of the curves' and the characteristic's transfers, each in a file of its own.
std::vector<Soakzeile> SoakKurvenzeilen();
std::vector<Soakzeile> SoakKennlinienzeilen();
