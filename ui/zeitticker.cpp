#include "ui/zeitticker.h"

#include "base/zeitachse.h"

void Zeitticker::generate(const QCPRange& range, const QLocale& locale, QChar, int,
                          QVector<double>& ticks, QVector<double>* subTicks,
                          QVector<QString>* tickLabels) {
  const QString punkt = locale.decimalPoint();
  const char dezimalzeichen =
      punkt.size() == 1 && punkt[0].unicode() < 0x80 ? punkt[0].toLatin1() : '.';
  const Zeitachse achse = ZeitachseBerechnen(range.lower, range.upper, tickCount(), dezimalzeichen);
  ticks = QVector<double>(achse.ticks.begin(), achse.ticks.end());
  if (subTicks) *subTicks = createSubTickVector(achse.unterteilung, ticks);
  if (tickLabels) {
    tickLabels->clear();
    for (const std::string& text : achse.beschriftungen)
      tickLabels->append(QString::fromStdString(text));
  }
}

void ZeitachseEinrichten(QCPAxis* achse) {
  achse->setTicker(QSharedPointer<Zeitticker>::create());
  const auto titel = [achse](const QCPRange& bereich) {
    achse->setLabel(QString::fromStdString(ZeitachsenTitel(bereich.size())));
  };
  titel(achse->range());
  QObject::connect(achse, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), achse, titel);
}
