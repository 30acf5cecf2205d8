#pragma once
// The link com<n> in the port folder that makes the simulator's pseudo-terminal port n. It is
// removed again when the simulator ends.

#include <filesystem>
#include <string>

class Portlink {
 public:
  // Creates ordner/com<nummer> pointing to ziel, creating the folder when needed. A link left
  // behind by a simulator that was killed (its target is gone) is replaced; a live one is not.
  Portlink(const std::filesystem::path& ordner, int nummer, const std::string& ziel);
  ~Portlink();
  Portlink(const Portlink&) = delete;
  Portlink& operator=(const Portlink&) = delete;

  bool Angelegt() const { return angelegt_; }
  // Why the link could not be created.
  const std::string& Fehler() const { return fehler_; }

 private:
  std::filesystem::path link_;
  std::string ziel_;
  bool angelegt_ = false;
  std::string fehler_;
};
