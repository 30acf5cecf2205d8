#pragma once
// The requests to end a program in order: Ctrl-C, termination (logout, shutdown) and a closed
// terminal or session. While an Endesignale object lives they no longer end the process at once;
// they are noted, can be waited for, and make a descriptor readable for an event loop. One
// object at a time; the previous handling comes back when it is destroyed.

#include <chrono>

class Endesignale {
 public:
  Endesignale();
  ~Endesignale();
  Endesignale(const Endesignale&) = delete;
  Endesignale& operator=(const Endesignale&) = delete;

  // false when the handling could not be set up.
  bool Eingerichtet() const { return eingerichtet_; }
  // true once a request to end came.
  bool Empfangen() const;
  // Waits until bis; true when a request to end came first (or had come before).
  bool Warten(std::chrono::steady_clock::time_point bis) const;
  // Readable once a request to end came (for poll or an event loop's notifier); -1 where the
  // platform has no such descriptor.
  int Deskriptor() const;

 private:
  bool eingerichtet_ = false;
};
