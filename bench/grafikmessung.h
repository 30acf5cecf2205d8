#pragma once
// Measuring full redraws of the editors' graphs: the processor time of the whole program (Qt may
// paint in helper threads) per redraw, reported as each iteration's time, and a summary that
// sets the median of the repetitions beside the goal of one redraw within a frame.

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QWidget;

// The goal for one full redraw of both graphs, in milliseconds of processor time.
inline constexpr double kZielMs = 10.0;

// Runs zeichnen once per iteration and reports its processor time as the iteration's time
// (register with UseManualTime and Unit(kMillisecond)). name labels the run; the summary sets
// it beside the goal when mitZiel.
void RedrawMessen(benchmark::State& state, const std::string& name,
                  const std::function<void()>& zeichnen, bool mitZiel = true);

// Lays oben (4 parts) and unten (1 part, may be null) into fenster at 1200 x 800 and shows it.
void Fenster(QWidget& fenster, QWidget* oben, QWidget* unten);

// The console report, keeping the milliseconds of every labelled run: the median aggregate when
// the benchmark was repeated with aggregates only, else each repetition.
class Zielbericht : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  // Median of name in milliseconds; 0 when it did not run.
  double MedianMs(const std::string& name) const;
  // Every redraw with a goal: its median beside the goal.
  void Ausgeben() const;

 private:
  std::map<std::string, std::vector<double>> wiederholungen_;
  std::map<std::string, double> mediane_;
};
