#pragma once
// Fixed-point numbers for files, frames and messages, with a decimal point whatever the process
// locale says.

#include <string>

// "%.<stellen>f" with stellen limited to 0..30.
std::string Festkomma(double wert, int stellen);
