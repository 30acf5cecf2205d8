#pragma once
// The simulated line behind a pseudo-terminal: a program opens the terminal's device like a
// serial port and talks to the devices of a SimLeitung.

#include <string>

#include "sim/leitungstakt.h"
#include "sim/simleitung.h"

class PtyServer {
 public:
  // Opens a new pseudo-terminal; Offen() tells whether that worked.
  PtyServer();
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  bool Offen() const { return master_ >= 0 && slave_ >= 0 && wecker_ >= 0; }
  // The device a program opens, e.g. /dev/pts/3.
  const std::string& Pfad() const { return pfad_; }

  // Serves the line until stopFd becomes readable: 0, or -1 when the terminal fails. With
  // baud > 0 every byte takes the time of 10 bits at that rate in each direction.
  int Laufen(SimLeitung& leitung, int baud, int stopFd);

 private:
  int master_ = -1;
  // Kept open so that the terminal stays usable while no program has it open, and so that
  // its settings are raw (no echo) from the start.
  int slave_ = -1;
  // Wakes the serving loop when the next answer byte is due.
  int wecker_ = -1;
  std::string pfad_;
};
