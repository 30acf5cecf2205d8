#include "ui/panelbausteine.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/rueckgaengigring.h"
#include "ui/direkthilfe.h"
#include "ui/werkzeugleiste.h"

void Kennzeichnen(QAction* aktion, const Menuepunkt& punkt, const QString& name) {
  aktion->setObjectName(name.isEmpty() ? QString(punkt.name) : name);
  if (punkt.taste.key() != Qt::Key_unknown) aktion->setShortcut(QKeySequence(punkt.taste));
}

QAction* Menueeintrag(QMenu* menue, const Menuepunkt& punkt, const QString& name) {
  QAction* aktion = menue->addAction(punkt.text);
  Kennzeichnen(aktion, punkt, name);
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

QLineEdit* Kommentarvorschau(Direkthilfe& hilfe, QWidget* eltern, const char* hilfetext) {
  auto* vorschau = new QLineEdit(eltern);
  vorschau->setObjectName("KOMMENTARVORSCHAU");
  vorschau->setReadOnly(true);
  Feldhilfe(hilfe, vorschau, hilfetext);
  return vorschau;
}

QHBoxLayout* StartStoppZeile(QWidget* eltern, QPushButton*& start, QPushButton*& stopp) {
  auto* zeile = new QHBoxLayout;
  start = new QPushButton("Start", eltern);
  start->setObjectName("START");
  stopp = new QPushButton("Stopp", eltern);
  stopp->setObjectName("STOPP");
  zeile->addWidget(start);
  zeile->addWidget(stopp);
  return zeile;
}

void EditorAnordnen(QWidget* inhalt, const Editorteile& teile) {
  auto* links = new QVBoxLayout;
  links->addWidget(teile.graph, 4);
  links->addWidget(teile.koordinaten);
  links->addWidget(teile.klein, 1);
  auto* mitte = new QHBoxLayout;
  mitte->addLayout(links, 1);
  mitte->addWidget(teile.felder);

  auto* unten = new QHBoxLayout;
  unten->addWidget(teile.fehleranzeige, 1);
  unten->addWidget(teile.verbindung);
  unten->addWidget(teile.zurueck);

  auto* layout = new QVBoxLayout(inhalt);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(teile.leiste);
  layout->addLayout(mitte, 1);
  layout->addLayout(unten);
}

void AuswahlZeigen(Werkzeugleiste& leiste, QAction* aktion, bool an) {
  aktion->setChecked(an);
  leiste.Druecken(aktion, an);
}

void RueckgaengigZeigen(Werkzeugleiste& leiste, QAction* rueckgaengig, QAction* wiederherstellen,
                        const Rueckgaengigfreigabe& freigabe) {
  rueckgaengig->setEnabled(freigabe.rueckgaengigMenue);
  wiederherstellen->setEnabled(freigabe.wiederherstellenMenue);
  leiste.Dimmen(rueckgaengig, !freigabe.rueckgaengigKnopf);
  leiste.Dimmen(wiederherstellen, !freigabe.wiederherstellenKnopf);
}

void GraphenEinrichten(Direkthilfe& hilfe, QWidget* graph, QWidget* klein, QWidget* bildlauf,
                       int kleinHoehe, const char* graphHilfe, const char* kleinHilfe) {
  bildlauf->setObjectName("SCROLLBAR");
  graph->setMinimumSize(400, 250);
  graph->setFocusPolicy(Qt::ClickFocus);
  klein->setMinimumHeight(kleinHoehe);
  Feldhilfe(hilfe, graph, graphHilfe);
  Feldhilfe(hilfe, klein, kleinHilfe);
}

QWidget* Feldspalte(QWidget* eltern, QVBoxLayout*& spalte) {
  auto* teil = new QWidget(eltern);
  teil->setFixedWidth(250);
  spalte = new QVBoxLayout(teil);
  spalte->setContentsMargins(0, 0, 0, 0);
  return teil;
}

void Einheitenzeile(QGridLayout* raster, int z, const char* text, QWidget* feld,
                    QList<QLabel*>& einheiten) {
  QWidget* gruppe = raster->parentWidget();
  raster->addWidget(new QLabel(text, gruppe), z, 0);
  raster->addWidget(feld, z, 1);
  auto* einheit = new QLabel(gruppe);
  einheiten.append(einheit);
  raster->addWidget(einheit, z, 2);
}
