#include "app/infopanel.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Infopanel::Infopanel(QWidget* eltern)
    : QDialog(eltern), version_(new QLabel(this)), datum_(new QLabel(this)) {
  setWindowTitle("Info");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel("TVM-5R Kurvengenerator", this);
  QFont schrift = name->font();
  schrift.setPointSize(schrift.pointSize() + 4);
  schrift.setBold(true);
  name->setFont(schrift);
  layout->addWidget(name);
  auto* felder = new QFormLayout;
  felder->addRow("Version", version_);
  felder->addRow("Datum", datum_);
  layout->addLayout(felder);
  layout->addWidget(new QLabel(
      "Steuerprogramm für den Kurvengenerator TVM-5R\nan der seriellen Schnittstelle.\n\n"
      "Lizenz: GPL-3.0-or-later",
      this));
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

void Infopanel::VersionSetzen(const QString& version, const QString& datum) {
  version_->setText(version);
  datum_->setText(datum);
}

QString Infopanel::Version() const {
  return version_->text();
}

QString Infopanel::Datum() const {
  return datum_->text();
}
