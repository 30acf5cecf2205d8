#pragma once
// The plumbing the editors' graphs share: the graph widget, the look of a graph (black plot area,
// dotted grid, no antialiasing), plottables handed pre-reduced polylines, the pixel columns a
// graph is computed for, and the unfilled rectangles of frames and marks.

#include <qcustomplot.h>

#include <QPointer>
#include <QRgb>
#include <vector>

#include "editor/spaltenverdichter.h"

// The editors' graph widget. Its layers paint into images instead of pixmaps, so that the line
// plottables (Spaltengraph) can fill their runs of pixels directly: a dense curve fills most of
// the plot area, and the painter's one-pixel-wide rectangles cost several times as much.
class Grafikplot : public QCustomPlot {
  Q_OBJECT
 public:
  explicit Grafikplot(QWidget* eltern);

 private:
  void BildpufferEinsetzen();
};

// The editors' colours (0xRRGGBB).
inline constexpr QRgb kGrafikRot = 0xFF0000;       // stored segments, points, previews
inline constexpr QRgb kGrafikBlau = 0x0000FF;      // what the device outputs, overview
inline constexpr QRgb kGrafikHellrot = 0xFF9696;   // 255/150/150: closing or continuing line
inline constexpr QRgb kGrafikHellblau = 0x9696FF;  // 150/150/255: its staircase
inline constexpr QRgb kGrafikGruen = 0x008000;     // mark rectangles

// Black plot area, dotted grid, fast lines; Y range 0..4095.
void GraphGrundeinrichten(QCustomPlot* plot);
// A line plottable of the colour; the data come reduced to the pixel columns already.
QCPGraph* Plottable(QCustomPlot* plot, QRgb farbe, int breite = 1);
void DatenSetzen(QCPGraph* g, const Linienzug& zug);
// Pixel columns of a graph: the widget's device pixels, at least as fine as its plot area.
int Spalten(const QCustomPlot* plot);
// An unfilled rectangle from (x0, 0) to (x1, 4095).
QCPItemRect* Rechteck(QCustomPlot* plot, QRgb farbe, double x0, double x1);
void Entfernen(QPointer<QCPAbstractItem>& element);
void AlleEntfernen(std::vector<QPointer<QCPAbstractItem>>& elemente);
