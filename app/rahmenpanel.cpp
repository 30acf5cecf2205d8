#include "app/rahmenpanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

#include "ui/fehleranzeigewidget.h"
#include "ui/verbindungsbild.h"

Rahmenpanel::Rahmenpanel(ShellDienste& shell, int nummer, const QString& titel, QWidget* eltern)
    : ChildPanel(shell, nummer, titel, eltern) {
  auto* raster = new QGridLayout(Inhalt());
  raster->setRowStretch(0, 1);
  raster->setColumnStretch(2, 1);
  raster->addWidget(Verbindung(), 1, 0);
  raster->addWidget(ZurueckKnopf(), 1, 1);
  raster->addWidget(Fehleranzeige(), 1, 2);
  raster->addWidget(HilfeToggle(), 1, 3);
}
