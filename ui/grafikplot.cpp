#include "ui/grafikplot.h"

#include <qcustomplot.h>

#include <algorithm>

namespace {

constexpr double kWertMax = 4095;

}  // namespace

void GraphGrundeinrichten(QCustomPlot* plot) {
  plot->axisRect()->setBackground(Qt::black);
  plot->setNotAntialiasedElements(QCP::aeAll);
  plot->setPlottingHint(QCP::phFastPolylines, true);
  for (QCPAxis* achse : {plot->xAxis, plot->yAxis}) {
    achse->grid()->setPen(QPen(QColor(0x404040), 0, Qt::DotLine));
    achse->grid()->setZeroLinePen(Qt::NoPen);
  }
  plot->yAxis->setRange(0, kWertMax);
}

QCPGraph* Plottable(QCustomPlot* plot, QRgb farbe, int breite) {
  auto* g = new QCPGraph(plot->xAxis, plot->yAxis);
  g->setAdaptiveSampling(false);  // the data are reduced to the pixel columns already
  g->setPen(QPen(QColor(farbe), breite));
  g->setLineStyle(QCPGraph::lsLine);
  g->setSelectable(QCP::stNone);
  return g;
}

void DatenSetzen(QCPGraph* g, const Linienzug& zug) {
  QVector<QCPGraphData> daten(static_cast<qsizetype>(zug.Groesse()));
  for (std::size_t i = 0; i < zug.Groesse(); ++i) daten[i] = QCPGraphData(zug.t[i], zug.y[i]);
  g->data()->set(daten, true);
}

int Spalten(const QCustomPlot* plot) {
  return std::max(1, static_cast<int>(plot->width() * plot->devicePixelRatioF()));
}

QCPItemRect* Rechteck(QCustomPlot* plot, QRgb farbe, double x0, double x1) {
  auto* rechteck = new QCPItemRect(plot);
  rechteck->topLeft->setCoords(x0, kWertMax);
  rechteck->bottomRight->setCoords(x1, 0);
  rechteck->setPen(QPen(QColor(farbe)));
  rechteck->setBrush(Qt::NoBrush);
  rechteck->setSelectable(false);
  return rechteck;
}

void Entfernen(QPointer<QCPAbstractItem>& element) {
  if (element) element->parentPlot()->removeItem(element.data());
  element.clear();
}

void AlleEntfernen(std::vector<QPointer<QCPAbstractItem>>& elemente) {
  for (QPointer<QCPAbstractItem>& element : elemente) Entfernen(element);
  elemente.clear();
}
