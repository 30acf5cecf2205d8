#pragma once
// The 352-byte image of a channel configuration record, as configuration, curve and
// characteristic files hold it: little-endian IEEE-754 doubles, 9-byte NUL-terminated unit
// texts in Windows-1252, 4 alignment bytes after each block of unit texts (written as 0,
// ignored on reading).

#include <cstddef>
#include <cstdint>

#include "config/konfiguration.h"

constexpr size_t kKonfigurationGroesse = 352;

// Writes exactly kKonfigurationGroesse bytes; unit texts are cut to kEinheitLaenge characters.
void KonfigurationSchreiben(uint8_t* ziel, const Konfiguration& konfig);
// Reads exactly kKonfigurationGroesse bytes; a unit text without NUL ends after kEinheitLaenge.
// The result is not checked: see KonfigurationGueltig.
Konfiguration KonfigurationLesen(const uint8_t* quelle);
