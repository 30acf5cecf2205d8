#pragma once
// Ticks of a time axis in microseconds, labelled in the unit that fits the visible range
// (µs, ms, s, min, h) and never in exponent notation; the axis title names the unit.

#include <qcustomplot.h>

class Zeitticker : public QCPAxisTicker {
 public:
  void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                QVector<double>& ticks, QVector<double>* subTicks,
                QVector<QString>* tickLabels) override;
};

// Gives the axis a Zeitticker and keeps its title ("Zeit [s]") in step with its range.
void ZeitachseEinrichten(QCPAxis* achse);
