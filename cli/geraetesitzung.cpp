#include "cli/geraetesitzung.h"

#include <algorithm>

bool Schalter(std::vector<std::string>& a, const char* name) {
  const auto it = std::find(a.begin(), a.end(), name);
  if (it == a.end()) return false;
  a.erase(it);
  return true;
}

std::string Option(std::vector<std::string>& a, const char* name, const char* fehlt) {
  const auto it = std::find(a.begin(), a.end(), name);
  if (it == a.end()) return "";
  if (it + 1 == a.end()) throw Aufruffehler(std::string(name) + ": " + fehlt);
  std::string wert = *(it + 1);
  a.erase(it, it + 2);
  return wert;
}
