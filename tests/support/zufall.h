#pragma once
// The random numbers of the randomised editor tests: a seeded generator, so that a failing run
// repeats, and whole and real numbers within bounds.

#include <random>

using Zufall = std::mt19937;

inline int Ganz(Zufall& z, int von, int bis) {
  return std::uniform_int_distribution<int>(von, bis)(z);
}
inline double Reell(Zufall& z, double von, double bis) {
  return std::uniform_real_distribution<double>(von, bis)(z);
}
