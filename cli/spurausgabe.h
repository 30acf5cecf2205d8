#pragma once
// The trace of the line on the terminal: the bytes of one direction in a row, as hexadecimal
// numbers with their characters beside them, up to 16 per line.

#include <cstdint>
#include <ostream>
#include <string>

#include "device/mitschnitt.h"

class Spurausgabe {
 public:
  explicit Spurausgabe(std::ostream& aus) : aus_(aus) {}
  void Byte(Richtung richtung, uint8_t byte);
  // Writes the bytes still held.
  void Abschliessen();

 private:
  std::ostream& aus_;
  Richtung richtung_ = Richtung::Gesendet;
  std::string bytes_;
};
