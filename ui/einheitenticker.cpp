#include "ui/einheitenticker.h"

#include <algorithm>
#include <cmath>

void Einheitenticker::Setzen(double verstaerkung, double versatz) {
  verstaerkung_ = verstaerkung;
  versatz_ = versatz;
}

void Einheitenticker::generate(const QCPRange& range, const QLocale& locale, QChar formatChar,
                               int precision, QVector<double>& ticks, QVector<double>* subTicks,
                               QVector<QString>* tickLabels) {
  const double g = verstaerkung_;
  if (g == 0 || !std::isfinite(g) || !std::isfinite(versatz_)) {
    QCPAxisTicker::generate(range, locale, formatChar, precision, ticks, subTicks, tickLabels);
    return;
  }
  QCPRange einheit(versatz_ + g * range.lower, versatz_ + g * range.upper);
  einheit.normalize();
  QCPAxisTicker::generate(einheit, locale, formatChar, precision, ticks, subTicks, tickLabels);
  const auto roh = [&](QVector<double>& werte) {
    for (double& w : werte) w = (w - versatz_) / g;
    // A falling scale turns the order round; the axis wants ascending ticks.
    if (g < 0) std::reverse(werte.begin(), werte.end());
  };
  roh(ticks);
  if (subTicks) roh(*subTicks);
  if (tickLabels && g < 0) std::reverse(tickLabels->begin(), tickLabels->end());
}
