#include "ui/werkzeugleiste.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QPixmap>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

Werkzeugleiste::Werkzeugleiste(QWidget* eltern) : QToolBar(eltern) {
  setIconSize(QSize(16, 16));
  setMovable(false);
  setFloatable(false);
}

QAction* Werkzeugleiste::Anlegen(const QString& tooltip, const QString& bild, QAction* menuepunkt,
                                 bool umschaltbar) {
  const QPixmap bitmap(bild);
  if (bitmap.isNull()) vollstaendig_ = false;
  QAction* knopf = addAction(QIcon(bild), tooltip);
  knopf->setToolTip(tooltip);
  knopf->setCheckable(umschaltbar);
  knoepfe_.insert(menuepunkt, knopf);
  connect(knopf, &QAction::triggered, this, [knopf, menuepunkt] {
    // The click has already flipped the button; only the menu's callback may change it.
    if (knopf->isCheckable()) {
      const QSignalBlocker sperre(knopf);
      knopf->setChecked(!knopf->isChecked());
    }
    menuepunkt->trigger();
  });
  return knopf;
}

QAction* Werkzeugleiste::Knopf(const QString& tooltip, const QString& bild, QAction* menuepunkt) {
  return Anlegen(tooltip, bild, menuepunkt, false);
}

QAction* Werkzeugleiste::Umschalter(const QString& tooltip, const QString& bild,
                                    QAction* menuepunkt) {
  return Anlegen(tooltip, bild, menuepunkt, true);
}

int Werkzeugleiste::Radiogruppe() {
  return ++gruppenAnzahl_;
}

QAction* Werkzeugleiste::Radioknopf(int gruppe, const QString& tooltip, const QString& bild,
                                    QAction* menuepunkt) {
  QAction* knopf = Anlegen(tooltip, bild, menuepunkt, true);
  gruppen_.insert(knopf, gruppe);
  return knopf;
}

QComboBox* Werkzeugleiste::Ring(const QString& name, int breite,
                                const QList<QPair<QString, int>>& eintraege) {
  auto* ring = new QComboBox(this);
  ring->setObjectName(name);
  ring->setToolTip(name);
  for (const auto& [text, wert] : eintraege) ring->addItem(text, wert);
  // At least the given width, and wide enough that the longest item can be read.
  ring->setFixedWidth(std::max(breite, ring->sizeHint().width()));
  addWidget(ring);
  return ring;
}

void Werkzeugleiste::Trenner() {
  addSeparator();
}

QToolButton* Werkzeugleiste::KnopfWidget(QAction* menuepunkt) const {
  QAction* knopf = KnopfVon(menuepunkt);
  return knopf ? qobject_cast<QToolButton*>(widgetForAction(knopf)) : nullptr;
}

void Werkzeugleiste::Druecken(QAction* menuepunkt, bool gedrueckt) {
  QAction* knopf = KnopfVon(menuepunkt);
  if (knopf == nullptr) return;
  const auto gruppe = gruppen_.constFind(knopf);
  if (gedrueckt && gruppe != gruppen_.cend()) {
    for (auto it = gruppen_.cbegin(); it != gruppen_.cend(); ++it) {
      if (it.value() != gruppe.value() || it.key() == knopf) continue;
      const QSignalBlocker sperre(it.key());
      it.key()->setChecked(false);
    }
  }
  const QSignalBlocker sperre(knopf);
  knopf->setChecked(gedrueckt);
}

bool Werkzeugleiste::Gedrueckt(QAction* menuepunkt) const {
  QAction* knopf = KnopfVon(menuepunkt);
  return knopf != nullptr && knopf->isChecked();
}

void Werkzeugleiste::Dimmen(QAction* menuepunkt, bool gedimmt) {
  if (QAction* knopf = KnopfVon(menuepunkt)) knopf->setEnabled(!gedimmt);
}

bool Werkzeugleiste::Gedimmt(QAction* menuepunkt) const {
  QAction* knopf = KnopfVon(menuepunkt);
  return knopf != nullptr && !knopf->isEnabled();
}
