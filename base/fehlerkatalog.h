#pragma once
// The error catalogue: a code -(base * 1000 + site) selects its text by key = code / 1000.

#include <string>

constexpr int kSpracheDeutsch = 1;
constexpr int kSpracheEnglisch = 2;

// Key of a code, truncated toward zero (-801202 -> -801, -94 -> 0).
int Fehlerschluessel(int code);

// Catalogue text of a code; language 2 is English, every other value German.
const char* Fehlertext(int code, int sprache);
