#include "ui/grafikbildlauf.h"

#include <QEvent>
#include <algorithm>

Grafikbildlauf::Grafikbildlauf(QWidget* graph) : QScrollBar(Qt::Horizontal, graph) {
  setRange(0, 0);  // whole range visible
  setSingleStep(1);
  graph->installEventFilter(this);
  connect(this, &QAbstractSlider::actionTriggered, this, [this] { aktion_ = true; });
  connect(this, &QAbstractSlider::sliderReleased, this, &Grafikbildlauf::Beenden);
  Anlegen();
}

void Grafikbildlauf::Setzen(int seite, int position) {
  seite_ = std::clamp(seite, 1, 100);
  // The thumb takes pageStep / (maximum - minimum + pageStep) of the groove. Over the positions
  // 0..100 a share s needs a page of 100 * s / (100 - s) steps, which is also the step that
  // moves the view by its width.
  if (seite_ == 100) {
    setRange(0, 0);
  } else {
    setRange(0, 100);
    setPageStep(static_cast<int>(100.0 * seite_ / (100 - seite_) + 0.5));
  }
  setValue(std::clamp(position, 0, 100));
}

bool Grafikbildlauf::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == parentWidget() && ereignis->type() == QEvent::Resize) Anlegen();
  return QScrollBar::eventFilter(objekt, ereignis);
}

void Grafikbildlauf::mouseReleaseEvent(QMouseEvent* ereignis) {
  QScrollBar::mouseReleaseEvent(ereignis);
  Beenden();
}

void Grafikbildlauf::keyReleaseEvent(QKeyEvent* ereignis) {
  QScrollBar::keyReleaseEvent(ereignis);
  Beenden();
}

void Grafikbildlauf::wheelEvent(QWheelEvent* ereignis) {
  QScrollBar::wheelEvent(ereignis);
  Beenden();
}

void Grafikbildlauf::Anlegen() {
  const QWidget* graph = parentWidget();
  const int hoehe = sizeHint().height();
  setGeometry(0, graph->height() - hoehe, graph->width(), hoehe);
  raise();
}

void Grafikbildlauf::Beenden() {
  if (!aktion_) return;
  aktion_ = false;
  emit bildlaufBeendet(value());
}
