#pragma once
// What the curves panel edits besides the points: a curve's comment with its preview, its
// cycle count and its rest value.

#include <cstddef>
#include <string>

#include "config/konfiguration.h"
#include "curves/kurvensatz.h"

// Characters of the comment that KOMMENTARVORSCHAU shows.
constexpr std::size_t kKommentarVorschau = 30;

// A comment as the curve file can hold it: at most kKommentarMax characters (one byte each in
// the file).
std::string KommentarKuerzen(const std::string& text);
// The first 30 characters (UTF-8 characters, not bytes) of the comment.
std::string KommentarVorschau(const std::string& kommentar);
// Stores the comment of curve k (cut as above); a comment that differs from the old one marks
// the set modified. Returns whether it differed.
bool KommentarSetzen(Kurvensatz& satz, int k, const std::string& text);

// ZYKLEN and RUHEZUSTAND of curve k: the set becomes modified, the cycles are taken, and the
// rest value (in the output's unit) becomes the raw value trunc(EinheitInRoh), limited to
// 0..4095. A value that cannot be converted keeps the old rest value.
void ZyklenUndRuhezustandSetzen(Kurvensatz& satz, const Konfiguration& konfig, int k,
                                int32_t zyklen, double ruhezustand);
