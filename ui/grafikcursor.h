#pragma once
// The one cursor of a graph: a crosshair that the left mouse button places and drags inside the
// plot area. While the button is down every position is reported as a value change (the press
// included); the release reports the commit. Positions are plot coordinates, limited to the
// axis ranges.

#include <QObject>

class QCPItemTracer;
class QCustomPlot;
class QMouseEvent;

class Grafikcursor : public QObject {
  Q_OBJECT
 public:
  explicit Grafikcursor(QCustomPlot* plot);

  // Moves the crosshair without reporting anything.
  void Setzen(double x, double y);
  double X() const { return x_; }
  double Y() const { return y_; }
  bool Gezogen() const { return gedrueckt_; }

 signals:
  void wertGeaendert(double x, double y);
  void uebernommen(double x, double y);

 private:
  void Druecken(QMouseEvent* ereignis);
  void Bewegen(QMouseEvent* ereignis);
  void Loslassen(QMouseEvent* ereignis);
  // Position of the event in plot coordinates, limited to the axis ranges.
  void Uebernehmen(QMouseEvent* ereignis);

  QCustomPlot* plot_;
  QCPItemTracer* kreuz_;
  double x_ = 0.0;
  double y_ = 0.0;
  bool gedrueckt_ = false;
};
