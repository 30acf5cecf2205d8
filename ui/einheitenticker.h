#pragma once
// Axis ticks of a graph that keeps raw values on its axis but shows them in a unit:
// unit = versatz + verstaerkung * raw. The ticks are placed at round unit values.

#include <qcustomplot.h>

class Einheitenticker : public QCPAxisTicker {
 public:
  void Setzen(double verstaerkung, double versatz);

  void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                QVector<double>& ticks, QVector<double>* subTicks,
                QVector<QString>* tickLabels) override;

 private:
  double verstaerkung_ = 1.0;
  double versatz_ = 0.0;
};
