#include "ui/panelbausteine.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "ui/direkthilfe.h"

QAction* Menueeintrag(QMenu* menue, const Menuepunkt& punkt, const QString& name) {
  QAction* aktion = menue->addAction(punkt.text);
  aktion->setObjectName(name.isEmpty() ? QString(punkt.name) : name);
  if (punkt.taste.key() != Qt::Key_unknown) aktion->setShortcut(QKeySequence(punkt.taste));
  return aktion;
}

QAction* Befehlseintrag(Direkthilfe& hilfe, QMenu* menue, const Menuepunkt& punkt,
                        std::function<void()> ausfuehren) {
  QAction* aktion = Menueeintrag(menue, punkt);
  hilfe.Befehl(aktion, punkt.hilfe, std::move(ausfuehren));
  return aktion;
}

QAction* Auswahleintrag(Direkthilfe& hilfe, QMenu* menue, const Menuepunkt& punkt,
                        const QString& name, std::function<void()> ausfuehren,
                        std::function<void()> danach) {
  QAction* aktion = Menueeintrag(menue, punkt, name);
  aktion->setCheckable(true);
  const QString text = punkt.hilfe;
  // A checkable item flips its mark when chosen; the state decides, also in help mode.
  QObject::connect(aktion, &QAction::triggered, aktion,
                   [&hilfe, text, ausfuehren = std::move(ausfuehren), danach = std::move(danach)] {
                     hilfe.Ausfuehren(text, ausfuehren);
                     danach();
                   });
  return aktion;
}

void Feldhilfe(Direkthilfe& hilfe, QWidget* feld, const char* text) {
  hilfe.Hilfe(feld, text);
  if (auto* zahl = qobject_cast<QAbstractSpinBox*>(feld))
    if (auto* textfeld = zahl->findChild<QLineEdit*>()) hilfe.Hilfe(textfeld, text);
}

QPushButton* Hilfeknopf(Direkthilfe& hilfe, QWidget* eltern, const char* name, const QString& text,
                        const char* hilfetext, std::function<void()> ausfuehren) {
  auto* knopf = new QPushButton(text, eltern);
  knopf->setObjectName(name);
  Feldhilfe(hilfe, knopf, hilfetext);
  QObject::connect(knopf, &QPushButton::clicked, knopf,
                   [&hilfe, hilfetext, ausfuehren = std::move(ausfuehren)] {
                     hilfe.Ausfuehren(hilfetext, ausfuehren);
                   });
  return knopf;
}
