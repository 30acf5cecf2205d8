#pragma once
// The line plottable of the editors' graphs. Its data are polylines reduced to pixel columns
// (times never decreasing); it draws them through SpaltenZeichnen: one filled run of pixels per
// column where the line is steep or dense, the painter's own lines where it is long and shallow.
// Other pens (wider than one pixel) and point symbols are drawn the plain way.

#include <qcustomplot.h>

class Spaltengraph : public QCPGraph {
  Q_OBJECT
 public:
  Spaltengraph(QCPAxis* x, QCPAxis* y);

 protected:
  void draw(QCPPainter* painter) override;
};
