#pragma once
// The link com<n> in the port folder that makes the simulator's pseudo-terminal port n. It is
// removed again when the simulator ends.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/dateisperre.h"

class Portlink {
 public:
  // Creates ordner/com<nummer> pointing to ziel, creating the folder when needed. While the
  // simulator runs it holds the lock file ordner/.com<nummer>.sim, which names the link's
  // target. A link left behind by a simulator that was killed (nobody holds the lock and the
  // file names the link's target, or the target is gone) is replaced; the link of a running
  // simulator or one the user made is not.
  Portlink(const std::filesystem::path& ordner, int nummer, const std::string& ziel);
  ~Portlink();
  Portlink(const Portlink&) = delete;
  Portlink& operator=(const Portlink&) = delete;

  bool Angelegt() const { return angelegt_; }
  // Why the link could not be created.
  const std::string& Fehler() const { return fehler_; }

 private:
  bool Verwaist() const;

  std::filesystem::path link_;
  std::string ziel_;
  std::unique_ptr<Dateisperre> sperre_;
  bool angelegt_ = false;
  std::string fehler_;
};
