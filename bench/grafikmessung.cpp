#include "bench/grafikmessung.h"

#include <QApplication>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <set>

namespace {

std::set<std::string>& MitZiel() {
  static std::set<std::string> namen;
  return namen;
}

}  // namespace

void RedrawMessen(benchmark::State& state, const std::string& name,
                  const std::function<void()>& zeichnen, bool mitZiel) {
  if (mitZiel) MitZiel().insert(name);
  for (auto _ : state) {
    const std::clock_t anfang = std::clock();
    zeichnen();
    state.SetIterationTime(static_cast<double>(std::clock() - anfang) / CLOCKS_PER_SEC);
  }
  state.SetLabel(name);
}

void Fenster(QWidget& fenster, QWidget* oben, QWidget* unten) {
  auto* layout = new QVBoxLayout(&fenster);
  layout->addWidget(oben, 4);
  if (unten) layout->addWidget(unten, 1);
  fenster.resize(1200, 800);
  fenster.show();
  QApplication::processEvents();
}

void Zielbericht::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.report_label.empty() || run.error_occurred) continue;
    if (run.run_type == Run::RT_Iteration)
      wiederholungen_[run.report_label].push_back(run.GetAdjustedRealTime());
    else if (run.aggregate_name == "median")
      mediane_[run.report_label] = run.GetAdjustedRealTime();
  }
}

double Zielbericht::MedianMs(const std::string& name) const {
  if (const auto m = mediane_.find(name); m != mediane_.end()) return m->second;
  const auto it = wiederholungen_.find(name);
  if (it == wiederholungen_.end() || it->second.empty()) return 0;
  std::vector<double> werte = it->second;
  std::sort(werte.begin(), werte.end());
  const std::size_t n = werte.size();
  return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

void Zielbericht::Ausgeben() const {
  std::printf("Volles Neuzeichnen bei 1200 x 800, Prozessorzeit je Bild (Median):\n");
  for (const std::string& name : MitZiel()) {
    const double ms = MedianMs(name);
    if (ms <= 0) continue;
    std::printf("  %-20s %6.1f ms   Ziel höchstens %.0f ms   %s\n", name.c_str(), ms, kZielMs,
                ms <= kZielMs ? "erreicht" : "VERFEHLT");
  }
}
