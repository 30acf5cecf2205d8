#include "ui/lampe.h"

#include <QPainter>

Lampe::Lampe(QWidget* eltern, QColor anFarbe) : QWidget(eltern), anFarbe_(anFarbe) {
  setFixedSize(sizeHint());
}

void Lampe::Setzen(bool an) {
  an_ = an;
  update();
}

void Lampe::AnFarbeSetzen(QColor farbe) {
  anFarbe_ = farbe;
  update();
}

void Lampe::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
  maler.setBrush(an_ ? anFarbe_ : QColor(0x90, 0x90, 0x90));
  maler.drawEllipse(rect().adjusted(1, 1, -2, -2));
}
