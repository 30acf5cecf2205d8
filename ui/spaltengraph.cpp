#include "ui/spaltengraph.h"

#include <algorithm>
#include <vector>

#include "editor/spaltenlaeufe.h"

namespace {

// The image the painter paints into, when the runs can be written into it directly: one image
// pixel per plot pixel, no transformation.
QImage* Zielbild(QCPPainter* painter) {
  QPaintDevice* geraet = painter->device();
  if (!geraet || geraet->devType() != QInternal::Image) return nullptr;
  auto* bild = static_cast<QImage*>(geraet);
  const bool format = bild->format() == QImage::Format_ARGB32_Premultiplied ||
                      bild->format() == QImage::Format_RGB32;
  if (!format || bild->devicePixelRatio() != 1 || !painter->deviceTransform().isIdentity())
    return nullptr;
  return bild;
}

void LaeufeSchreiben(QImage& bild, const std::vector<Spaltenlauf>& laeufe, QRgb farbe) {
  const QRect grenzen = bild.rect();
  const qsizetype zeile = bild.bytesPerLine();
  uchar* bits = bild.bits();
  for (const Spaltenlauf& l : laeufe) {
    if (l.spalte < grenzen.left() || l.spalte > grenzen.right()) continue;
    const int von = std::max(l.von, grenzen.top());
    const int bis = std::min(l.bis, grenzen.bottom());
    uchar* p = bits + von * zeile + l.spalte * 4;
    for (int r = von; r <= bis; ++r, p += zeile) *reinterpret_cast<QRgb*>(p) = farbe;
  }
}

}  // namespace

Spaltengraph::Spaltengraph(QCPAxis* x, QCPAxis* y) : QCPGraph(x, y) {}

void Spaltengraph::draw(QCPPainter* painter) {
  const bool schlicht = lineStyle() == lsLine && scatterStyle().isNone() &&
                        mPen.style() == Qt::SolidLine && mPen.widthF() <= 1;
  if (!schlicht || !mKeyAxis || !mValueAxis) return QCPGraph::draw(painter);
  if (mDataContainer->isEmpty()) return;
  std::vector<double> x, y;
  x.reserve(static_cast<std::size_t>(mDataContainer->size()));
  y.reserve(x.capacity());
  for (const QCPGraphData& d : *mDataContainer) {
    x.push_back(mKeyAxis->coordToPixel(d.key));
    y.push_back(mValueAxis->coordToPixel(d.value));
  }
  const QRect flaeche = mKeyAxis->axisRect()->rect();
  const Spaltenzeichnung z =
      SpaltenZeichnen(x, y, flaeche.left(), flaeche.right(), flaeche.top(), flaeche.bottom());
  const QColor farbe = mPen.color();
  if (QImage* bild = Zielbild(painter); bild && farbe.alpha() == 255)
    LaeufeSchreiben(*bild, z.laeufe, farbe.rgba());
  else
    for (const Spaltenlauf& l : z.laeufe)
      painter->fillRect(QRect(l.spalte, l.von, 1, l.bis - l.von + 1), farbe);
  applyDefaultAntialiasingHint(painter);
  painter->setPen(mPen);
  for (const Pixelstrecke& s : z.strecken) painter->drawLine(QLineF(s.x0, s.y0, s.x1, s.y1));
}
