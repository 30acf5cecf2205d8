// Full redraw of the characteristic panel's graphs, offscreen at 1200 x 800, in processor time
// per redraw: the characteristic read back from a slot, one point per X step.

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QWidget>
#include <cmath>

#include "bench/grafikmessung.h"
#include "bench/stummedialoge.h"
#include "characteristic/kennlinienabbild.h"
#include "characteristic/kennliniengraphen.h"

namespace {

// A wavy characteristic written into a slot image and read back: 4096 points of laenge 1.
Kennlinie GeleseneKennlinie() {
  Kennlinie kennlinie;
  kennlinie.punkte.clear();
  for (int i = 0; i < 60; ++i)
    kennlinie.punkte.push_back(
        {static_cast<int>(2047 + 1800 * std::sin(i / 5.0)), i < 59 ? 68 : 1, 0});
  std::vector<uint8_t> abbild;
  KennlAbbildErstellen(kennlinie, 0, 256, abbild);
  kennlinie.punkte =
      KennlAbbildPunkte(std::span<const uint8_t>(abbild).subspan(kKennlSlotKopf), kKennlWerte);
  return kennlinie;
}

void GeleseneKennlinieZeichnen(benchmark::State& state) {
  StummeDialoge dialoge;
  Konfiguration konfig;
  Kennlinienzustand zustand;
  zustand.gKennlinie = GeleseneKennlinie();
  QWidget fenster;
  KennlinienGraphen graphen(zustand, konfig, dialoge, &fenster);
  Fenster(fenster, graphen.Graph(), graphen.GraphKlein());
  RedrawMessen(state, "Kennlinie gelesen", [&] {
    graphen.NeuZeichnen(3);
    graphen.Graph()->replot(QCustomPlot::rpImmediateRefresh);
    graphen.GraphKlein()->replot(QCustomPlot::rpImmediateRefresh);
  });
}
BENCHMARK(GeleseneKennlinieZeichnen)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
