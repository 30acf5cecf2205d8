#pragma once
// SPEICHERBEDARF: a bar that shows the memory the curves need in the device, in percent of the
// curve area, with the gauge's colour.

#include <QColor>
#include <QWidget>

#include "curves/kurvenansicht.h"

class SpeicheranzeigeWidget : public QWidget {
  Q_OBJECT
 public:
  explicit SpeicheranzeigeWidget(QWidget* eltern = nullptr);

  void Zeigen(const Speicheranzeige& anzeige);
  double Prozent() const { return anzeige_.prozent; }
  QColor Farbe() const { return QColor::fromRgb(anzeige_.farbe); }
  // The text in the bar, e.g. "100.05 %".
  QString Text() const;

  QSize sizeHint() const override { return {160, 22}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Speicheranzeige anzeige_;
};
