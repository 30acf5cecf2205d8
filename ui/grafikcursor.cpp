#include "ui/grafikcursor.h"

#include <qcustomplot.h>

#include <algorithm>

Grafikcursor::Grafikcursor(QCustomPlot* plot) : QObject(plot), plot_(plot) {
  kreuz_ = new QCPItemTracer(plot);
  kreuz_->setStyle(QCPItemTracer::tsCrosshair);
  kreuz_->setPen(QPen(QColor(0xFFFFFF), 0, Qt::DotLine));
  kreuz_->setSelectable(false);
  kreuz_->position->setType(QCPItemPosition::ptPlotCoords);
  kreuz_->setVisible(false);
  connect(plot, &QCustomPlot::mousePress, this, &Grafikcursor::Druecken);
  connect(plot, &QCustomPlot::mouseMove, this, &Grafikcursor::Bewegen);
  connect(plot, &QCustomPlot::mouseRelease, this, &Grafikcursor::Loslassen);
}

void Grafikcursor::Setzen(double x, double y) {
  x_ = x;
  y_ = y;
  kreuz_->position->setCoords(x, y);
  kreuz_->setVisible(true);
  plot_->replot(QCustomPlot::rpQueuedReplot);
}

void Grafikcursor::Druecken(QMouseEvent* ereignis) {
  if (ereignis->button() != Qt::LeftButton) return;
  if (!plot_->axisRect()->rect().contains(ereignis->pos())) return;
  gedrueckt_ = true;
  Uebernehmen(ereignis);
  emit wertGeaendert(x_, y_);
}

void Grafikcursor::Bewegen(QMouseEvent* ereignis) {
  if (!gedrueckt_) return;
  Uebernehmen(ereignis);
  emit wertGeaendert(x_, y_);
}

void Grafikcursor::Loslassen(QMouseEvent* ereignis) {
  if (!gedrueckt_ || ereignis->button() != Qt::LeftButton) return;
  gedrueckt_ = false;
  Uebernehmen(ereignis);
  emit uebernommen(x_, y_);
}

void Grafikcursor::Uebernehmen(QMouseEvent* ereignis) {
  const QCPRange xb = plot_->xAxis->range();
  const QCPRange yb = plot_->yAxis->range();
  const double x = plot_->xAxis->pixelToCoord(ereignis->position().x());
  const double y = plot_->yAxis->pixelToCoord(ereignis->position().y());
  Setzen(std::clamp(x, xb.lower, xb.upper), std::clamp(y, yb.lower, yb.upper));
}
