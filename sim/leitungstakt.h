#pragma once
// The pace of a serial line: every character takes 10 bit times in each direction. The moments
// are absolute, counted from the start of each busy stretch of the line, so that rounding never
// adds up over a long transfer.

#include <chrono>
#include <cstdint>

using Uhr = std::chrono::steady_clock;

class Leitungstakt {
 public:
  // baud 0: no pacing, every byte is due at once.
  explicit Leitungstakt(int baud = 0) : baud_(baud) {}

  // The moment a byte that reached the pseudo-terminal at jetzt has fully arrived over the line.
  Uhr::time_point Empfangen(Uhr::time_point jetzt) { return empfang_.Naechstes(jetzt, baud_); }
  // The moment an answer byte has fully left the device, its sending starting no earlier than ab.
  Uhr::time_point Senden(Uhr::time_point ab) { return sendung_.Naechstes(ab, baud_); }

  int baud() const { return baud_; }

 private:
  // One direction of the line.
  struct Richtung {
    Uhr::time_point beginn{};
    int64_t zeichen = 0;
    Uhr::time_point frei{};
    Uhr::time_point Naechstes(Uhr::time_point ab, int baud);
  };
  int baud_;
  Richtung empfang_;
  Richtung sendung_;
};
