#pragma once
// An output knob with numeric entry: a dial and a number field that always show the same unit
// value. Turning the dial or committing a number reports the new value; setting it from the
// program reports nothing.

#include <QString>
#include <QWidget>

class QDial;
class QDoubleSpinBox;
class QLabel;

class Drehregler : public QWidget {
  Q_OBJECT
 public:
  explicit Drehregler(QWidget* eltern = nullptr);

  // lo may exceed hi for a falling scale; the dial turns from the smaller to the larger value.
  void BereichSetzen(double lo, double hi, int stellen);
  void EinheitSetzen(const QString& einheit);
  void WertSetzen(double wert);
  double Wert() const;
  QString Einheit() const;

  QDial* Knopf() const { return knopf_; }
  QDoubleSpinBox* Feld() const { return feld_; }

 signals:
  // Every change by the user, also while the dial is turned.
  void wertGeaendert(double wert);

 private:
  void KnopfGedreht(int stellung);
  void KnopfStellen(double wert);

  QDial* knopf_;
  QDoubleSpinBox* feld_;
  QLabel* einheit_;
};
