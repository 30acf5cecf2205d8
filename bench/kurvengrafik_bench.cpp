// Full redraws of the editors' graphs, offscreen at 1200 x 800, in processor time per redraw:
// - the four curves of 3000 segments of 65535 units of "1s", and the 30704-point curve that
//   reading a full device memory gives, drawn through Kurvengrafik (reduced to pixel columns);
// - the characteristic read back from a slot (4096 points), drawn through KennlinienGraphen
//   (kennliniengrafik_bench.cpp);
// - the data of the heavy curves alone;
// - the read-back curve drawn the literal way, every staircase value materialised, for the
//   ratio printed at the end.
// The summary sets the median of each redraw beside the goal of 10 ms; run with
// --benchmark_repetitions=5 for medians over several runs.

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <cstdio>

#include "bench/grafikmessung.h"
#include "bench/stummedialoge.h"
#include "curves/kurvengrafik.h"
#include "tests/curves/literalestufen.h"
#include "tests/curves/stresskurven.h"

namespace {

void Verdichtet(benchmark::State& state, Kurvensatz satz, const std::string& name) {
  StummeDialoge dialoge;
  Konfiguration konfig;
  QWidget fenster;
  Kurvengrafik grafik(satz, konfig, dialoge, &fenster);
  Fenster(fenster, grafik.Graph(), grafik.GraphKlein());
  AnsichtGesamtkurve(satz);
  const Kurvendarstellung darstellung{3, {true, true, true, true}, true};
  RedrawMessen(state, name, [&] {
    grafik.KurvengrafikNeuZeichnen(darstellung);
    grafik.Graph()->replot(QCustomPlot::rpImmediateRefresh);
    grafik.GraphKlein()->replot(QCustomPlot::rpImmediateRefresh);
  });
}

void LangeKurvenVerdichtet(benchmark::State& state) {
  Verdichtet(state, LangeKurven(), "Kurven lang");
}
BENCHMARK(LangeKurvenVerdichtet)->Unit(benchmark::kMillisecond)->UseManualTime();

void GeleseneKurveVerdichtet(benchmark::State& state) {
  Verdichtet(state, GeleseneKurve(), "Kurve gelesen");
}
BENCHMARK(GeleseneKurveVerdichtet)->Unit(benchmark::kMillisecond)->UseManualTime();

// The data alone, without Qt: what the reduction costs.
void DatenMessen(benchmark::State& state, Kurvensatz satz) {
  AnsichtGesamtkurve(satz);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        GrafikdatenBerechnen(satz, {3, {true, true, true, true}, true}, 1200, 1200));
}

void LangeKurvenDaten(benchmark::State& state) {
  DatenMessen(state, LangeKurven());
}
BENCHMARK(LangeKurvenDaten)->Unit(benchmark::kMillisecond);

void GeleseneKurveDaten(benchmark::State& state) {
  DatenMessen(state, GeleseneKurve());
}
BENCHMARK(GeleseneKurveDaten)->Unit(benchmark::kMillisecond);

QVector<QCPGraphData> Graphdaten(const Linienzug& zug) {
  QVector<QCPGraphData> daten(static_cast<qsizetype>(zug.Groesse()));
  for (std::size_t i = 0; i < zug.Groesse(); ++i) daten[i] = QCPGraphData(zug.t[i], zug.y[i]);
  return daten;
}

// The same picture of the read-back curve with every point and every staircase value.
void GeleseneKurveLiteral(benchmark::State& state) {
  const Kurvensatz satz = GeleseneKurve();
  const Kurve& kurve = satz.aktuelleKurve();
  QWidget fenster;
  auto* plot = new QCustomPlot(&fenster);
  Fenster(fenster, plot, nullptr);
  plot->axisRect()->setBackground(Qt::black);
  plot->setNotAntialiasedElements(QCP::aeAll);
  plot->setPlottingHint(QCP::phFastPolylines, true);
  plot->xAxis->setRange(0, Kurvendauer(kurve));
  plot->yAxis->setRange(0, kKurvenwertMax);
  QCPGraph* linien = plot->addGraph();
  QCPGraph* punkte = plot->addGraph();
  QCPGraph* stufen = plot->addGraph();
  for (QCPGraph* g : {linien, punkte, stufen}) g->setAdaptiveSampling(false);
  punkte->setLineStyle(QCPGraph::lsNone);
  punkte->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, 5));
  stufen->setPen(QPen(Qt::blue));
  RedrawMessen(
      state, "literal",
      [&] {
        Linienzug alle;
        const std::vector<double> zeiten = Punktzeiten(kurve);
        for (int i = 0; i <= kurve.anzahlPunkte(); ++i)
          alle.Anhaengen(zeiten[i], kurve.punkte[i % kurve.anzahlPunkte()].y);
        linien->data()->set(Graphdaten(alle), true);
        punkte->data()->set(Graphdaten(alle), true);
        stufen->data()->set(Graphdaten(LiteraleStufen(kurve, 0, kurve.letzterPunkt())), true);
        plot->replot(QCustomPlot::rpImmediateRefresh);
      },
      false);
}
BENCHMARK(GeleseneKurveLiteral)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  Zielbericht bericht;
  benchmark::RunSpecifiedBenchmarks(&bericht);
  benchmark::Shutdown();
  bericht.Ausgeben();
  const double gelesen = bericht.MedianMs("Kurve gelesen");
  const double literal = bericht.MedianMs("literal");
  if (gelesen > 0 && literal > 0)
    std::printf("Gelesene Kurve: literal / verdichtet = %.1f\n", literal / gelesen);
  return 0;
}
