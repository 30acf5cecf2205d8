#include "ui/feldbausteine.h"

#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <memory>
#include <utility>

void WertZeigen(QDoubleSpinBox* feld, double wert) {
  const QSignalBlocker sperre(feld);
  feld->setValue(wert);
}

void BeiAenderung(QDoubleSpinBox* feld, std::function<void()> uebernehmen) {
  auto geaendert = std::make_shared<bool>(false);
  QObject::connect(feld, &QDoubleSpinBox::valueChanged, feld, [geaendert] { *geaendert = true; });
  QObject::connect(feld, &QDoubleSpinBox::editingFinished, feld,
                   [geaendert, uebernehmen = std::move(uebernehmen)] {
                     if (std::exchange(*geaendert, false)) uebernehmen();
                   });
}
