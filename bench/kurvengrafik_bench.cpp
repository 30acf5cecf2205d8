// Full redraws of the curve graphs, offscreen at 1200 x 800:
// - the four curves of 3000 segments of 65535 units of "1s", and the 30704-point curve that
//   reading a full device memory gives, drawn through Kurvengrafik (reduced to pixel columns);
// - the data of the heavy curves alone;
// - the read-back curve drawn the literal way, every staircase value materialised, for the
//   ratio printed at the end.

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QVBoxLayout>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "base/dialoge.h"
#include "bench/stummedialoge.h"
#include "curves/kurvengrafik.h"
#include "tests/curves/literalestufen.h"
#include "tests/curves/stresskurven.h"

namespace {

// Seconds per redraw of each benchmark, for the ratio.
std::map<std::string, double>& Zeiten() {
  static std::map<std::string, double> zeiten;
  return zeiten;
}

template <class Zeichnen>
void Messen(benchmark::State& state, const std::string& name, Zeichnen zeichnen) {
  double summe = 0;
  for (auto _ : state) {
    const auto anfang = std::chrono::steady_clock::now();
    zeichnen();
    summe += std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
  }
  Zeiten()[name] = summe / static_cast<double>(state.iterations());
}

void Fenster(QWidget& fenster, QWidget* oben, QWidget* unten) {
  auto* layout = new QVBoxLayout(&fenster);
  layout->addWidget(oben, 4);
  if (unten) layout->addWidget(unten, 1);
  fenster.resize(1200, 800);
  fenster.show();
  QApplication::processEvents();
}

void Verdichtet(benchmark::State& state, Kurvensatz satz, const std::string& name) {
  StummeDialoge dialoge;
  Konfiguration konfig;
  QWidget fenster;
  Kurvengrafik grafik(satz, konfig, dialoge, &fenster);
  Fenster(fenster, grafik.Graph(), grafik.GraphKlein());
  AnsichtGesamtkurve(satz);
  const Kurvendarstellung darstellung{3, {true, true, true, true}, true};
  Messen(state, name, [&] {
    grafik.KurvengrafikNeuZeichnen(darstellung);
    grafik.Graph()->replot(QCustomPlot::rpImmediateRefresh);
    grafik.GraphKlein()->replot(QCustomPlot::rpImmediateRefresh);
  });
}

void LangeKurvenVerdichtet(benchmark::State& state) {
  Verdichtet(state, LangeKurven(), "lang");
}
BENCHMARK(LangeKurvenVerdichtet)->Unit(benchmark::kMillisecond)->UseRealTime();

void GeleseneKurveVerdichtet(benchmark::State& state) {
  Verdichtet(state, GeleseneKurve(), "gelesen");
}
BENCHMARK(GeleseneKurveVerdichtet)->Unit(benchmark::kMillisecond)->UseRealTime();

// The data alone, without Qt: what the reduction costs.
void LangeKurvenDaten(benchmark::State& state) {
  Kurvensatz satz = LangeKurven();
  AnsichtGesamtkurve(satz);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        GrafikdatenBerechnen(satz, {3, {true, true, true, true}, true}, 1200, 1200));
}
BENCHMARK(LangeKurvenDaten)->Unit(benchmark::kMillisecond);

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
  Messen(state, "literal", [&] {
    Linienzug alle;
    const std::vector<double> zeiten = Punktzeiten(kurve);
    for (int i = 0; i <= kurve.anzahlPunkte(); ++i)
      alle.Anhaengen(zeiten[i], kurve.punkte[i % kurve.anzahlPunkte()].y);
    linien->data()->set(Graphdaten(alle), true);
    punkte->data()->set(Graphdaten(alle), true);
    stufen->data()->set(Graphdaten(LiteraleStufen(kurve, 0, kurve.letzterPunkt())), true);
    plot->replot(QCustomPlot::rpImmediateRefresh);
  });
}
BENCHMARK(GeleseneKurveLiteral)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const auto& z = Zeiten();
  if (z.count("gelesen") && z.count("literal"))
    std::printf("Gelesene Kurve: literal / verdichtet = %.1f\n", z.at("literal") / z.at("gelesen"));
  return 0;
}
