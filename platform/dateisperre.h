#pragma once
// A lock on a small file, held while the object lives. The system releases it when the process
// ends in any way, also by kill -9, so a lock that can be taken tells that its former holder is
// gone. The file holds a short text of the holder (what it made).

#include <cstdint>
#include <string>

class Dateisperre {
 public:
  // Creates the file when needed and tries to lock it without waiting.
  explicit Dateisperre(const std::string& pfad);
  ~Dateisperre();
  Dateisperre(const Dateisperre&) = delete;
  Dateisperre& operator=(const Dateisperre&) = delete;

  bool Gehalten() const { return griff_ != kKeinGriff; }
  // The text the former holder left (at most 4096 bytes); empty when none.
  std::string Inhalt() const;
  bool InhaltSetzen(const std::string& text);
  // Removes the file and lets the lock go.
  void Aufgeben();

 private:
  static constexpr std::intptr_t kKeinGriff = -1;
  std::string pfad_;
  std::intptr_t griff_ = kKeinGriff;
};
