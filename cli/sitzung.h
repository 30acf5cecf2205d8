#pragma once
// One run of the command-line tool: its options, the port it opens and where it writes. The
// subcommands work through it.

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/konsolendialoge.h"
#include "cli/spurausgabe.h"
#include "device/comport.h"
#include "device/mitschnitt.h"

struct CliOptionen {
  int port = 1;
  char adresse = '1';
  bool trace = false;
  bool fortschritt = false;  // progress of transfers on the message stream
};

// A call that does not fit the command; main prints the text and the usage, exit status 2.
class Aufruffehler : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Sitzung {
 public:
  // fabrik opens the ports; aus takes the results, meldungen the trace, progress and errors.
  Sitzung(const CliOptionen& optionen, Portfabrik& fabrik, std::ostream& aus,
          std::ostream& meldungen);
  ~Sitzung();
  Sitzung(const Sitzung&) = delete;
  Sitzung& operator=(const Sitzung&) = delete;

  // Opens the port at 9600 baud with a time-out of 0.5 s, as the COM settings panel does;
  // 0 or the driver's code.
  int PortOeffnen();

  ComPorts& ports() { return ports_; }
  int port() const { return optionen_.port; }
  char adresse() const { return optionen_.adresse; }
  std::ostream& aus() { return aus_; }
  std::ostream& meldungen() { return meldungen_; }
  Dialoge& dialoge() { return dialoge_; }
  // Why a file error happened (which folder, what stands in the file's place), printed after
  // the error line; empty when the catalogue text says all.
  void FehlergrundSetzen(std::string grund) { fehlergrund_ = std::move(grund); }
  const std::string& Fehlergrund() const { return fehlergrund_; }

 private:
  CliOptionen optionen_;
  std::ostream& aus_;
  std::ostream& meldungen_;
  KonsolenDialoge dialoge_;
  Spurausgabe spur_;
  std::unique_ptr<MitschnittFabrik> mitschnitt_;
  ComPorts ports_;
  std::string fehlergrund_;
};

// "Fehler #<code>: <text>" with the code's absolute value and the German catalogue text.
std::string Fehlerzeile(int code);
