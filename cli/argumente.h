#pragma once
// Reading the arguments of subcommands; unfit ones throw Aufruffehler with a German text.

#include <cstdint>
#include <string>
#include <vector>

// A whole decimal number with an optional sign, or a hexadecimal one after "0x", within
// min..max; was names it in the error text, which tells a text that is no number from one out
// of range.
long ZahlLesen(const std::string& text, const char* was, long min, long max);

// A finite decimal number with a decimal point whatever the locale and an optional sign; -0 is
// 0. was names it in the error text.
double ReelleZahlLesen(const std::string& text, const std::string& was);

// Hexadecimal digits, two per byte, in either case; blanks between the bytes are allowed.
std::vector<uint8_t> HexLesen(const std::string& text);

// The bytes as upper-case hexadecimal digits, zeilenlaenge bytes per line.
std::string HexText(const std::vector<uint8_t>& bytes, size_t zeilenlaenge = 32);

// Throws unless the count of arguments lies within min..max.
void AnzahlPruefen(const std::vector<std::string>& argumente, size_t min, size_t max);
