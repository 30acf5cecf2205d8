#pragma once
// The time bases of curve segments: a one-byte code with its unit duration and its label.

#include <array>
#include <cstdint>
#include <string>

constexpr int kZeitbasisStandard = 4;  // "10ms", the time base of a new curve

// The codes in the order in which lists show them ("250us" first, "1s" last).
constexpr std::array<int8_t, 9> kZeitbasisListe{9, 1, 2, 3, 4, 5, 6, 7, 8};

// Unit duration in microseconds; 0 for a code outside 1..9.
double ZeitbasisDauer(int code);
// Label of the code; " " for a code outside 1..9.
std::string ZeitbasisName(int code);
// Code of a label, compared exactly; 0 for any other text.
int ZeitbasisAusName(const std::string& name);
