#pragma once
// A needle instrument: an arc scale from the lower to the upper end of a unit range with
// labelled ticks, the unit as label, the needle at the value (held at the ends of the scale) and
// the value as number below, with the range's precision.

#include <QString>
#include <QWidget>

class Zeigerinstrument : public QWidget {
  Q_OBJECT
 public:
  explicit Zeigerinstrument(QWidget* eltern = nullptr);

  // lo may exceed hi for a falling scale; stellen: decimal places of the value.
  void BereichSetzen(double lo, double hi, int stellen);
  void EinheitSetzen(const QString& einheit);
  void WertSetzen(double wert);
  double Wert() const { return wert_; }
  double Lo() const { return lo_; }
  double Hi() const { return hi_; }
  int Stellen() const { return stellen_; }
  QString Einheit() const { return einheit_; }
  // The number as shown below the scale.
  QString Wertetext() const;

  QSize sizeHint() const override { return {170, 150}; }
  QSize minimumSizeHint() const override { return {110, 100}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  // 0 at the lower end of the scale, 1 at the upper end, clamped.
  double Anteil(double wert) const;

  double lo_ = 0.0;
  double hi_ = 10.0;
  int stellen_ = 3;
  double wert_ = 0.0;
  QString einheit_;
};
