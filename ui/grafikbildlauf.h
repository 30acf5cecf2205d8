#pragma once
// A horizontal scroll bar laid over the bottom edge of a graph: positions 0..100 and a page
// size. Scrolling actions only move the bar; the position is reported once, at the end of the
// action (slider released, mouse button or key released, a wheel step), the way the graph's
// view follows it.

#include <QScrollBar>

class Grafikbildlauf : public QScrollBar {
  Q_OBJECT
 public:
  // Becomes a child of graph and follows its size.
  explicit Grafikbildlauf(QWidget* graph);

  // Page size 1..100 (the visible share of the range in percent) and position 0..100, without
  // reporting. The thumb takes that share of the bar; at 100 it fills the bar and there is
  // nothing to scroll.
  void Setzen(int seite, int position);
  int Seite() const { return seite_; }

 signals:
  void bildlaufBeendet(int position);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  void keyReleaseEvent(QKeyEvent* ereignis) override;
  void wheelEvent(QWheelEvent* ereignis) override;

 private:
  void Anlegen();
  void Beenden();

  int seite_ = 100;
  bool aktion_ = false;  // a scrolling action happened since the last report
};
