#include "ui/childpanel.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/panelverwaltung.h"
#include "ui/direkthilfe.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/verbindungsbild.h"

namespace {

struct Fenstereintrag {
  int panel;
  const char* text;
};

constexpr Fenstereintrag kFenster[] = {
    {KEIN_PANEL, "Hauptfenster"},   {COMPNL, "COM-Einstellung"},
    {KONFIGPNL, "Konfiguration"},   {DIREKTPNL, "Direkte Ein-/Ausgabe"},
    {KURVENPNL, "Kurvengenerator"}, {KENNLPNL, "Kennlinienregler"},
};

}  // namespace

ChildPanel::ChildPanel(ShellDienste& shell, int nummer, const QString& titel, QWidget* eltern)
    : QWidget(eltern),
      shell_(shell),
      nummer_(nummer),
      titel_(new QLabel(titel, this)),
      menueleiste_(new QMenuBar(this)),
      dateiMenue_(menueleiste_->addMenu("Datei")),
      fensterMenue_(nullptr),
      beenden_(nullptr),
      inhalt_(new QWidget(this)) {
  setWindowTitle(titel);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menueleiste_);
  layout->setContentsMargins(6, 2, 6, 6);
  QFont schrift = titel_->font();
  schrift.setBold(true);
  titel_->setFont(schrift);
  titel_->setObjectName("Titel");
  layout->addWidget(titel_);
  layout->addWidget(inhalt_, 1);

  beenden_ = dateiMenue_->addAction("Beenden");
  shell_.hilfe.Befehl(beenden_, QString(), [this] { shell_.programmende(); });

  fensterMenue_ = menueleiste_->addMenu("Fenster");
  for (const auto& eintrag : kFenster) {
    QAction* aktion = fensterMenue_->addAction(eintrag.text);
    aktion->setData(eintrag.panel);
    const int panel = eintrag.panel;
    shell_.hilfe.Befehl(aktion, QString(), [this, panel] { FensterWaehlen(panel); });
  }
}

QString ChildPanel::Titel() const {
  return titel_->text();
}

void ChildPanel::TitelSetzen(const QString& titel) {
  titel_->setText(titel);
  setWindowTitle(titel);
}

QAction* ChildPanel::FensterAktion(int panel) const {
  for (QAction* aktion : fensterMenue_->actions())
    if (aktion->data().toInt() == panel) return aktion;
  return nullptr;
}

QAction* ChildPanel::DateiEintrag(const QString& text, const QString& hilfetext,
                                  std::function<void()> ausfuehren) {
  auto* aktion = new QAction(text, dateiMenue_);
  dateiMenue_->insertAction(beenden_, aktion);
  shell_.hilfe.Befehl(aktion, hilfetext, std::move(ausfuehren));
  return aktion;
}

void ChildPanel::FensterEintragEntfernen(int panel) {
  if (shell_.panels.gPwc2Panels) return;
  if (QAction* aktion = FensterAktion(panel)) {
    fensterMenue_->removeAction(aktion);
    aktion->deleteLater();
  }
}

QPushButton* ChildPanel::ZurueckKnopf(const QString& text) {
  if (!zurueck_) {
    zurueck_ = new QPushButton(text, inhalt_);
    zurueck_->setObjectName("HAUPTFENSTER");
    shell_.hilfe.Hilfe(zurueck_, QString());
    connect(zurueck_, &QPushButton::clicked, this,
            [this] { shell_.hilfe.Ausfuehren(QString(), [this] { FensterWaehlen(KEIN_PANEL); }); });
  }
  return zurueck_;
}

QCheckBox* ChildPanel::HilfeToggle() {
  if (!hilfeToggle_) {
    hilfeToggle_ = new QCheckBox("?", inhalt_);
    hilfeToggle_->setObjectName("DIREKTHILFE");
    hilfeToggle_->setChecked(shell_.hilfe.Aktiv());
    connect(hilfeToggle_, &QCheckBox::clicked, &shell_.hilfe, &Direkthilfe::Setzen);
    connect(&shell_.hilfe, &Direkthilfe::umgeschaltet, hilfeToggle_, &QCheckBox::setChecked);
  }
  return hilfeToggle_;
}

Verbindungsbild* ChildPanel::Verbindung() {
  if (!verbindung_) verbindung_ = shell_.verbindungsbilder.Neu(inhalt_);
  return verbindung_;
}

FehleranzeigeWidget* ChildPanel::Fehleranzeige() {
  if (!fehleranzeige_) fehleranzeige_ = new FehleranzeigeWidget(shell_.hilfe, inhalt_);
  return fehleranzeige_;
}

void ChildPanel::FensterWaehlen(int panel) {
  shell_.panels.ZeigeChildpanel(panel);
}

QAction* ChildPanel::MenueAktion(const QString& name) const {
  return Menueleiste()->findChild<QAction*>(name);
}
