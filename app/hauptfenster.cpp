#include "app/hauptfenster.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/childpanel.h"
#include "ui/verbindungsbild.h"

namespace {

struct Knopfbeschriftung {
  int id;
  const char* text;
};

constexpr Knopfbeschriftung kKnoepfe[] = {
    {KNOPF_COM, "COM"},
    {KNOPF_KONFIG, "Konfiguration"},
    {KNOPF_DIREKT, "Direkt"},
    {KNOPF_KURVEN, "Kurvengenerator"},
    {KNOPF_KENNLINIE, "Kennlinie"},
    {KNOPF_INFO, "Info"},
    {KNOPF_ENDE, "Ende"},
};

// Fits a laptop screen of 1366 x 768 with a window frame and a panel bar; the window is never
// made smaller than this.
constexpr Fenstergroesse kStartgroesse{1280, 680};

}  // namespace

Hauptfenster::Hauptfenster()
    : stapel_(new QStackedWidget(this)),
      hauptseite_(new QWidget(stapel_)),
      hilfeToggle_(new QCheckBox("?", hauptseite_)),
      bildPlatz_(new QWidget(hauptseite_)) {
  setWindowTitle("TVM-5R Kurvengenerator");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(stapel_);
  stapel_->addWidget(hauptseite_);

  auto* seite = new QVBoxLayout(hauptseite_);
  auto* kopf = new QLabel("TVM-5R Kurvengenerator", hauptseite_);
  QFont schrift = kopf->font();
  schrift.setPointSize(schrift.pointSize() * 2);
  schrift.setBold(true);
  kopf->setFont(schrift);
  kopf->setAlignment(Qt::AlignCenter);
  seite->addStretch(1);
  seite->addWidget(kopf);
  seite->addSpacing(30);
  for (const auto& k : kKnoepfe) {
    auto* knopf = new QPushButton(k.text, hauptseite_);
    knopf->setMinimumSize(220, 40);
    knoepfe_.insert(k.id, knopf);
    seite->addWidget(knopf, 0, Qt::AlignHCenter);
  }
  auto* unten = new QHBoxLayout;
  new QHBoxLayout(bildPlatz_);
  bildPlatz_->layout()->setContentsMargins(0, 0, 0, 0);
  unten->addWidget(bildPlatz_);
  unten->addStretch(1);
  unten->addWidget(hilfeToggle_);
  hilfeToggle_->setObjectName("DIREKTHILFE");
  seite->addStretch(2);
  seite->addLayout(unten);
  resize(kStartgroesse.breite, kStartgroesse.hoehe);
}

void Hauptfenster::ChildpanelHinzufuegen(ChildPanel* panel) {
  panels_.insert(panel->Nummer(), panel);
  stapel_->addWidget(panel);
}

void Hauptfenster::VerbindungsbildSetzen(Verbindungsbild* bild) {
  bild_ = bild;
  bildPlatz_->layout()->addWidget(bild);
}

QWidget* Hauptfenster::Steuerelement(int id) const {
  if (id == KNOPF_DIREKTHILFE) return hilfeToggle_;
  if (id == KNOPF_PICTURERING) return bild_;
  return knoepfe_.value(id);
}

int Hauptfenster::SichtbaresPanel() const {
  for (auto it = panels_.begin(); it != panels_.end(); ++it)
    if (stapel_->currentWidget() == it.value()) return it.key();
  return KEIN_PANEL;
}

void Hauptfenster::PanelgroesseAendern(bool erstesMal) {
  if (erstesMal) {
    startgroesse_ = {width(), height()};
    return;
  }
  const Fenstergroesse neu = AngepassteGroesse(startgroesse_, {width(), height()});
  if (neu == Fenstergroesse{width(), height()}) return;
  passtAn_ = true;
  resize(neu.breite, neu.hoehe);
  passtAn_ = false;
}

void Hauptfenster::PanelZeigen(int panel) {
  if (ChildPanel* p = panels_.value(panel)) stapel_->setCurrentWidget(p);
}

void Hauptfenster::PanelVerbergen(int) {
  stapel_->setCurrentWidget(hauptseite_);
}

void Hauptfenster::HauptbuttonsSperren(bool gedimmt) {
  for (int id = KNOPF_COM; id <= KNOPF_ENDE; ++id)
    if (QPushButton* knopf = knoepfe_.value(id)) knopf->setEnabled(!gedimmt);
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
  // The program ends only through the orderly end, which may be cancelled.
  ereignis->ignore();
  emit schliessenAngefragt();
}

void Hauptfenster::resizeEvent(QResizeEvent* ereignis) {
  QWidget::resizeEvent(ereignis);
  if (!passtAn_ && startgroesse_.breite > 0 && isVisible()) PanelgroesseAendern(false);
}

void Hauptfenster::keyPressEvent(QKeyEvent* ereignis) {
  if (ereignis->key() == Qt::Key_Escape && SichtbaresPanel() == KEIN_PANEL) {
    emit schliessenAngefragt();
    return;
  }
  QWidget::keyPressEvent(ereignis);
}
