#include "ui/grafikplot.h"

#include <qcustomplot.h>

#include <algorithm>

#include "ui/spaltengraph.h"

namespace {

constexpr double kWertMax = 4095;

// A layer buffer in an image of the widget's size.
class Bildpuffer : public QCPAbstractPaintBuffer {
 public:
  Bildpuffer(const QSize& groesse, double verhaeltnis)
      : QCPAbstractPaintBuffer(groesse, verhaeltnis) {
    Bildpuffer::reallocateBuffer();
  }
  QCPPainter* startPainting() override { return new QCPPainter(&bild_); }
  void draw(QCPPainter* painter) const override {
    if (painter && painter->isActive()) painter->drawImage(0, 0, bild_);
  }
  void clear(const QColor& farbe) override { bild_.fill(farbe); }

 protected:
  void reallocateBuffer() override {
    setInvalidated();
    bild_ = QImage(mSize * mDevicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    bild_.setDevicePixelRatio(mDevicePixelRatio);
  }

 private:
  QImage bild_;
};

// The number of buffers the widget's layers use, counted the way QCustomPlot counts them: one
// to start with, one for each buffered layer and one more for logical layers after it.
int Pufferzahl(const QCustomPlot& plot) {
  int index = 0;
  for (int i = 0; i < plot.layerCount(); ++i) {
    if (plot.layer(i)->mode() != QCPLayer::lmBuffered) continue;
    ++index;
    if (i + 1 < plot.layerCount() && plot.layer(i + 1)->mode() == QCPLayer::lmLogical) ++index;
  }
  return index + 1;
}

}  // namespace

Grafikplot::Grafikplot(QWidget* eltern) : QCustomPlot(eltern) {
  // QCustomPlot creates its buffers in a method that cannot be overridden; handing it image
  // buffers before each replot makes it keep and reuse them.
  connect(this, &QCustomPlot::beforeReplot, this, &Grafikplot::BildpufferEinsetzen);
}

void Grafikplot::BildpufferEinsetzen() {
  const int zahl = Pufferzahl(*this);
  while (mPaintBuffers.size() > zahl) mPaintBuffers.removeLast();
  for (int i = 0; i < zahl; ++i) {
    if (i < mPaintBuffers.size() && dynamic_cast<Bildpuffer*>(mPaintBuffers[i].data())) continue;
    QSharedPointer<QCPAbstractPaintBuffer> puffer(
        new Bildpuffer(viewport().size(), bufferDevicePixelRatio()));
    if (i < mPaintBuffers.size())
      mPaintBuffers[i] = puffer;
    else
      mPaintBuffers.append(puffer);
  }
}

void GraphGrundeinrichten(QCustomPlot* plot) {
  // Everything is drawn in one buffer: a second one, for the empty overlay layer, would be
  // cleared and laid over the picture at every redraw.
  plot->layer("overlay")->setMode(QCPLayer::lmLogical);
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
  auto* g = new Spaltengraph(plot->xAxis, plot->yAxis);
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
