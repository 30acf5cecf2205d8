#pragma once
// Times in microseconds shown and entered as hours, minutes, seconds and milliseconds.

// Whole hours, minutes and seconds; milliseconds keep their fraction (250 us = 0.25 ms).
struct Zeitfelder {
  double stunden = 0.0;
  double minuten = 0.0;
  double sekunden = 0.0;
  double millisekunden = 0.0;
  bool operator==(const Zeitfelder&) const = default;
};

Zeitfelder ZeitInStunden(double t);
double StundenInZeit(const Zeitfelder& felder);
