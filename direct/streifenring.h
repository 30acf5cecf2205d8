#pragma once
// The strip chart's data: the last steps of the four input percentages, as many as the chart
// shows per screen. The oldest step leaves when a new one comes in on a full ring. Also the rules
// for the chart's zoom controls and the sample interval.

#include <array>
#include <cmath>
#include <deque>

using Prozentschritt = std::array<double, 4>;

// Points per screen of the strip chart before the user chooses (the chart's preset capacity).
constexpr int kStreifenVorgabe = 200;
// More points than this would only make the chart slow.
constexpr int kStreifenHoechstens = 100000;
constexpr double kKuerzesteAbtastzeit = 0.2;
constexpr double kLaengsteAbtastzeit = 3600.0;

class Streifenring {
 public:
  explicit Streifenring(int punkte = kStreifenVorgabe / 2) { PunkteSetzen(punkte); }

  // Changes the points per screen; the newest steps stay.
  void PunkteSetzen(int punkte);
  int Punkte() const { return punkte_; }
  void Anhaengen(const Prozentschritt& schritt);
  // A new polling run starts: a step without values (not-a-number, which the chart leaves
  // out) keeps the chart from joining it to the previous run.
  void Unterbrechen();
  // Oldest first.
  const std::deque<Prozentschritt>& Schritte() const { return schritte_; }

 private:
  int punkte_ = 1;
  std::deque<Prozentschritt> schritte_;
};

// ZOOMX: a value <= 0 becomes 10; more than kStreifenHoechstens is cut to it.
int ZoomXWert(int wert);
// ZOOMY: clamped to 10 .. 100 percent (a value that is not a number gives 10).
double ZoomYWert(double wert);
// ABTASTZEIT: the timer interval in seconds, at least 0.2 (and at most an hour).
double Abtastintervall(double sekunden);
