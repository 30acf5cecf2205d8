#include "direct/drehregler.h"

#include <QDial>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// One dial step per raw step of the device's converter.
constexpr int kKnopfSchritte = 4095;

}  // namespace

Drehregler::Drehregler(QWidget* eltern)
    : QWidget(eltern),
      knopf_(new QDial(this)),
      feld_(new QDoubleSpinBox(this)),
      einheit_(new QLabel(this)) {
  knopf_->setRange(0, kKnopfSchritte);
  knopf_->setNotchesVisible(true);
  knopf_->setNotchTarget(12.0);
  knopf_->setMinimumSize(70, 70);
  feld_->setKeyboardTracking(false);  // a typed number counts when it is committed
  feld_->setAlignment(Qt::AlignRight);
  einheit_->setAlignment(Qt::AlignCenter);
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->addWidget(einheit_);
  spalte->addWidget(knopf_, 1);
  spalte->addWidget(feld_);
  connect(knopf_, &QDial::valueChanged, this, &Drehregler::KnopfGedreht);
  connect(feld_, &QDoubleSpinBox::valueChanged, this, [this](double wert) {
    KnopfStellen(wert);
    emit wertGeaendert(wert);
  });
}

void Drehregler::BereichSetzen(double lo, double hi, int stellen) {
  const QSignalBlocker sperre(feld_);
  feld_->setDecimals(stellen);
  feld_->setRange(std::min(lo, hi), std::max(lo, hi));
  feld_->setSingleStep(std::pow(10.0, -stellen));
  KnopfStellen(feld_->value());
}

void Drehregler::EinheitSetzen(const QString& einheit) {
  einheit_->setText(einheit);
}

void Drehregler::WertSetzen(double wert) {
  const QSignalBlocker sperre(feld_);
  feld_->setValue(wert);
  KnopfStellen(feld_->value());
}

double Drehregler::Wert() const {
  return feld_->value();
}

QString Drehregler::Einheit() const {
  return einheit_->text();
}

void Drehregler::KnopfGedreht(int stellung) {
  const double anteil = static_cast<double>(stellung) / kKnopfSchritte;
  const double wert = feld_->minimum() + anteil * (feld_->maximum() - feld_->minimum());
  {
    const QSignalBlocker sperre(feld_);
    feld_->setValue(wert);
  }
  emit wertGeaendert(feld_->value());
}

void Drehregler::KnopfStellen(double wert) {
  const double spanne = feld_->maximum() - feld_->minimum();
  const double anteil = spanne > 0.0 ? (wert - feld_->minimum()) / spanne : 0.0;
  const QSignalBlocker sperre(knopf_);
  knopf_->setValue(static_cast<int>(std::lround(std::clamp(anteil, 0.0, 1.0) * kKnopfSchritte)));
}
