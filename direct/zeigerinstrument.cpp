#include "direct/zeigerinstrument.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kBogenAnfang = 210.0;  // degrees, counter-clockwise from 3 o'clock
constexpr double kBogenSpanne = 240.0;
constexpr int kTeilstriche = 5;  // labelled ticks: lower end, three between, upper end

// The angle of labelled tick t.
double Teilstrichwinkel(int t) {
  return kBogenAnfang - static_cast<double>(t) / (kTeilstriche - 1) * kBogenSpanne;
}

QPointF AufKreis(QPointF mitte, double radius, double grad) {
  const double bogen = qDegreesToRadians(grad);
  return {mitte.x() + radius * std::cos(bogen), mitte.y() - radius * std::sin(bogen)};
}

// Labels keep at most one decimal more than the scale's ticks need, so they fit the arc.
QString Beschriftung(double wert, int stellen) {
  return QString::number(wert, 'f', std::min(stellen, 2));
}

}  // namespace

Zeigerinstrument::Zeigerinstrument(QWidget* eltern) : QWidget(eltern) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Zeigerinstrument::BereichSetzen(double lo, double hi, int stellen) {
  lo_ = lo;
  hi_ = hi;
  stellen_ = stellen;
  update();
}

void Zeigerinstrument::EinheitSetzen(const QString& einheit) {
  einheit_ = einheit;
  update();
}

void Zeigerinstrument::WertSetzen(double wert) {
  wert_ = wert;
  update();
}

QString Zeigerinstrument::Wertetext() const {
  return QString::number(wert_, 'f', stellen_);
}

double Zeigerinstrument::Anteil(double wert) const {
  const double anteil = (wert - lo_) / (hi_ - lo_);
  if (!std::isfinite(anteil)) return 0.0;
  return std::clamp(anteil, 0.0, 1.0);
}

void Zeigerinstrument::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.setRenderHint(QPainter::Antialiasing);
  const QRectF flaeche = QRectF(rect()).adjusted(4, 4, -4, -4);
  const double radius = std::min(flaeche.width(), flaeche.height()) / 2.0 - 1.0;
  const QPointF mitte = flaeche.center();

  maler.setPen(QPen(palette().color(QPalette::Mid), 1.0));
  maler.setBrush(palette().color(QPalette::Base));
  maler.drawEllipse(mitte, radius, radius);

  QFont schrift = font();
  schrift.setPointSizeF(std::max(6.0, radius / 9.0));
  maler.setFont(schrift);
  maler.setPen(palette().color(QPalette::Text));
  QPainterPath bogen;
  bogen.arcMoveTo(
      QRectF(mitte.x() - radius * 0.85, mitte.y() - radius * 0.85, radius * 1.7, radius * 1.7),
      kBogenAnfang);
  bogen.arcTo(
      QRectF(mitte.x() - radius * 0.85, mitte.y() - radius * 0.85, radius * 1.7, radius * 1.7),
      kBogenAnfang, -kBogenSpanne);
  maler.setBrush(Qt::NoBrush);
  maler.drawPath(bogen);
  for (int t = 0; t < kTeilstriche; ++t) {
    const double grad = Teilstrichwinkel(t);
    maler.drawLine(AufKreis(mitte, radius * 0.85, grad), AufKreis(mitte, radius * 0.72, grad));
  }

  // A dimmed meter (input 4 as start/stop signal) dims its needle too.
  const QColor zeigerfarbe = isEnabled() ? QColor(0xCC0000) : palette().color(QPalette::Mid);
  const double grad = kBogenAnfang - Anteil(wert_) * kBogenSpanne;
  maler.setPen(QPen(zeigerfarbe, 2.0));
  maler.drawLine(mitte, AufKreis(mitte, radius * 0.9, grad));
  maler.setBrush(isEnabled() ? QColor(0x333333) : palette().color(QPalette::Mid));
  maler.drawEllipse(mitte, radius * 0.06, radius * 0.06);

  // The labels lie over the needle on a patch of the dial, so that the needle at rest (on the
  // lowest label) or passing one never hides it.
  maler.setPen(palette().color(QPalette::Text));
  for (int t = 0; t < kTeilstriche; ++t) {
    const double anteil = static_cast<double>(t) / (kTeilstriche - 1);
    const QPointF ort = AufKreis(mitte, radius * 0.55, Teilstrichwinkel(t));
    const QString text = Beschriftung(lo_ + anteil * (hi_ - lo_), stellen_);
    const QRectF kasten(ort.x() - radius * 0.4, ort.y() - radius * 0.12, radius * 0.8,
                        radius * 0.24);
    const QRectF belegt = maler.boundingRect(kasten, Qt::AlignCenter, text).adjusted(-1, 0, 1, 0);
    maler.fillRect(belegt, palette().color(QPalette::Base));
    maler.drawText(kasten, Qt::AlignCenter, text);
  }
  maler.drawText(QRectF(mitte.x() - radius * 0.5, mitte.y() + radius * 0.1, radius, radius * 0.26),
                 Qt::AlignCenter, einheit_);

  maler.setPen(palette().color(QPalette::Text));
  schrift.setBold(true);
  maler.setFont(schrift);
  maler.drawText(QRectF(mitte.x() - radius, mitte.y() + radius * 0.45, 2.0 * radius, radius * 0.35),
                 Qt::AlignCenter, Wertetext());
}
