#pragma once
// Little-endian fields of the program's files, written and read byte by byte so that the layout
// never depends on the machine or on struct padding.

#include <bit>
#include <cstdint>

inline void U16Schreiben(uint8_t* ziel, uint16_t wert) {
  ziel[0] = static_cast<uint8_t>(wert);
  ziel[1] = static_cast<uint8_t>(wert >> 8);
}

inline uint16_t U16Lesen(const uint8_t* quelle) {
  return static_cast<uint16_t>(quelle[0] | (quelle[1] << 8));
}

inline void U32Schreiben(uint8_t* ziel, uint32_t wert) {
  for (int i = 0; i < 4; ++i) ziel[i] = static_cast<uint8_t>(wert >> (8 * i));
}

inline uint32_t U32Lesen(const uint8_t* quelle) {
  uint32_t wert = 0;
  for (int i = 0; i < 4; ++i) wert |= static_cast<uint32_t>(quelle[i]) << (8 * i);
  return wert;
}

inline void I32Schreiben(uint8_t* ziel, int32_t wert) {
  U32Schreiben(ziel, static_cast<uint32_t>(wert));
}

inline int32_t I32Lesen(const uint8_t* quelle) { return static_cast<int32_t>(U32Lesen(quelle)); }

inline void DoubleSchreiben(uint8_t* ziel, double wert) {
  const uint64_t bits = std::bit_cast<uint64_t>(wert);
  for (int i = 0; i < 8; ++i) ziel[i] = static_cast<uint8_t>(bits >> (8 * i));
}

inline double DoubleLesen(const uint8_t* quelle) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(quelle[i]) << (8 * i);
  return std::bit_cast<double>(bits);
}
