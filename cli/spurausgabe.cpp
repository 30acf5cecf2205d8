#include "cli/spurausgabe.h"

#include <cstdio>

namespace {
constexpr size_t kBytesProZeile = 16;
}

void Spurausgabe::Byte(Richtung richtung, uint8_t byte) {
  if (!bytes_.empty() && (richtung != richtung_ || bytes_.size() == kBytesProZeile)) Abschliessen();
  richtung_ = richtung;
  bytes_ += static_cast<char>(byte);
}

void Spurausgabe::Abschliessen() {
  if (bytes_.empty()) return;
  std::string hex;
  std::string zeichen;
  for (unsigned char c : bytes_) {
    char puffer[4];
    std::snprintf(puffer, sizeof puffer, "%02X ", c);
    hex += puffer;
    zeichen += c >= 0x20 && c <= 0x7E ? static_cast<char>(c) : '.';
  }
  hex.resize(kBytesProZeile * 3, ' ');
  aus_ << (richtung_ == Richtung::Gesendet ? "-> " : "<- ") << hex << ' ' << zeichen << '\n';
  bytes_.clear();
}
