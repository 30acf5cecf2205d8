#pragma once
// The time of a block transfer: what remains, from the rate measured so far, and how long it
// took, in the words the progress dialog and the error indicator show ("noch 1:23 min",
// "Kurve geschrieben: 30 704 Bytes in 2:28 min"). The progress of a transfer shows both and
// asks after every frame whether the user stopped it.

#include <functional>
#include <string>

#include "base/dialoge.h"

// A duration: "2,5 s" below 10 s, "45 s" below a minute, "2:28 min" below an hour, "1:02:03 h".
std::string DauerText(double sekunden);
// "noch 45 s", "noch 1:23 min": the remaining time in whole seconds, rounded up.
std::string RestzeitText(double sekunden);
// The seconds that remain of gesamt bytes when erledigt took sekunden at the same rate;
// negative while that is not known (nothing done, no time measured).
double Restsekunden(long erledigt, long gesamt, double sekunden);
// A count in groups of three digits: "30 704".
std::string Tausender(long zahl);
// "Kurve geschrieben: 30 704 Bytes in 2:28 min".
std::string Transfermeldung(const std::string& getan, long bytes, double sekunden);

// Seconds since some fixed point; a test passes its own clock.
using Sekundenuhr = std::function<double()>;
Sekundenuhr Monotonuhr();

// Seconds since it was made.
class Stoppuhr {
 public:
  explicit Stoppuhr(Sekundenuhr uhr = Monotonuhr()) : uhr_(std::move(uhr)), start_(uhr_()) {}
  double Sekunden() const { return uhr_() - start_; }

 private:
  Sekundenuhr uhr_;
  double start_;
};

// The progress dialog of one transfer of gesamt bytes, open for its scope; without dialogs
// nothing is shown and nothing stops the transfer.
class Transferfortschritt {
 public:
  Transferfortschritt(Dialoge* dialoge, const std::string& titel, long gesamt,
                      Sekundenuhr uhr = Monotonuhr());
  ~Transferfortschritt();
  Transferfortschritt(const Transferfortschritt&) = delete;
  Transferfortschritt& operator=(const Transferfortschritt&) = delete;

  // After a frame: shows the percentage and the remaining time; true when the user asked to
  // stop and bytes remain.
  bool Stand(long erledigt);

 private:
  Dialoge* dialoge_;
  long gesamt_;
  Stoppuhr uhr_;
};
