#pragma once
// Reading the editors' text imports: lines cut to the characters the import reads, and the
// numbers, words and tabs of a line, read from its start.

#include <cstddef>
#include <istream>
#include <string>

#include "base/festkomma.h"

// Lines of a stream with at most `hoechstens` characters each (without the line end, LF or
// CR LF); the rest of a longer line is ignored.
class Zeilenleser {
 public:
  Zeilenleser(std::istream& ein, std::size_t hoechstens) : ein_(ein), hoechstens_(hoechstens) {}
  // False at the end of the stream (or when it fails: see the stream's bad()).
  bool Naechste(std::string& zeile);

 private:
  std::istream& ein_;
  std::size_t hoechstens_;
};

// The fields of one line in order; each returns false when the field is not there.
class Feldleser {
 public:
  explicit Feldleser(const std::string& zeile)
      : p_(zeile.data()), ende_(zeile.data() + zeile.size()) {}

  // A finite number, blanks before it and one sign allowed.
  bool Zahl(double& wert);
  bool Zahl(int& wert);
  // Characters up to the next blank or tab.
  bool Wort(std::string& wort);
  // One tab, blanks around it allowed.
  bool Tab();

 private:
  void Blanks();
  void Vorzeichen();

  const char* p_;
  const char* ende_;
  bool minus_ = false;
};
