#include "curves/speicheranzeigewidget.h"

#include <QPainter>
#include <algorithm>

SpeicheranzeigeWidget::SpeicheranzeigeWidget(QWidget* eltern) : QWidget(eltern) {
  setMinimumHeight(18);
}

void SpeicheranzeigeWidget::Zeigen(const Speicheranzeige& anzeige) {
  anzeige_ = anzeige;
  setToolTip(Text());
  update();
}

QString SpeicheranzeigeWidget::Text() const {
  return QString::number(anzeige_.prozent, 'f', 2) + " %";
}

void SpeicheranzeigeWidget::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  const QRect rahmen = rect().adjusted(0, 0, -1, -1);
  maler.fillRect(rahmen, palette().base());
  // The bar is full at 100 %; beyond that only its colour tells.
  const double anteil = std::clamp(anzeige_.prozent / 100.0, 0.0, 1.0);
  QRect balken = rahmen.adjusted(1, 1, 0, 0);
  balken.setWidth(static_cast<int>(balken.width() * anteil));
  maler.fillRect(balken, Farbe());
  maler.setPen(palette().color(QPalette::Mid));
  maler.drawRect(rahmen);
  maler.setPen(palette().color(QPalette::Text));
  maler.drawText(rahmen, Qt::AlignCenter, Text());
}
