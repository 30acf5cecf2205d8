#include "app/anwendung.h"

#include <QCheckBox>
#include <QPushButton>
#include <cstdio>

#include "app/infopanel.h"
#include "characteristic/kennlinienpanel.h"
#include "characteristic/kennlinienpanelini.h"
#include "config/konfigini.h"
#include "config/konfigpanel.h"
#include "curves/kurvenpanel.h"
#include "curves/kurvenpanelini.h"
#include "device/companel.h"
#include "direct/direktpanel.h"
#include "direct/direktpanelini.h"
#include "ui/fehleranzeigewidget.h"

namespace {

struct Hauptknopfhilfe {
  int id;
  int panel;
  const char* text;
};

const Hauptknopfhilfe kHauptknoepfe[] = {
    {KNOPF_COM, COMPNL,
     "Öffnen, Schließen und Einstellen der\nSeriellen Schnittstelle, an der das\nPWC-2 Gerät "
     "angeschlossen ist."},
    {KNOPF_KONFIG, KONFIGPNL,
     "Konfiguration der PWC-2 Ausgänge:\nDie PWC-2 besitzt vier 0 bis 10 Volt\nAusgänge. Jeder "
     "dieser Ausgänge kann\nauf eine beliebige andere Einheit\nskaliert werden."},
    {KNOPF_DIREKT, DIREKTPNL,
     "Direktes Schreiben der Ausgänge:\nHier können die Ausgänge der PWC-2 direkt\ngesetzt, "
     "werden."},
    {KNOPF_KURVEN, KURVENPNL,
     "Die PWC-2 kann bis zu vier unabhängige Kurven\nausgeben. Hier können die Kurvenformen "
     "erstellt\nund in die PWC-2 übertragen werden."},
    {KNOPF_KENNLINIE, KENNLPNL,
     "Hier können Kennlinien erstellt und in die PWC-2 über-\ntragen werden.\nBei der "
     "Kennlinienregelung wird abhängig von einem\nEingangssignal aufgrund einer beliebigen "
     "Kennlinie\nein Ausgangssignal erzeugt.\nDie PWC-2 kann bis zu 7 Kennlinien speichern. "
     "Die\nAuswahl der Kennlinie erfolgt über eine Analogspannung."},
};

}  // namespace

Anwendung::Anwendung(Dialoge& dialoge, std::string iniPfad,
                     std::unique_ptr<Systemports> systemports)
    : dialoge_(dialoge),
      fehler_(dialoge),
      einstellungen_(std::move(iniPfad)),
      systemports_(std::move(systemports)),
      ports_(*systemports_),
      fenster_(std::make_unique<Hauptfenster>()),
      panels_(*fenster_),
      hilfe_(std::make_unique<Direkthilfe>(panels_, fenster_.get())),
      bilder_(std::make_unique<Verbindungsbilder>(*hilfe_)),
      konfig_(dialoge),
      wiederherstellung_(WiederherstellungsPfad(einstellungen_.Pfad())) {
  shell_ = std::make_unique<ShellDienste>(
      ShellDienste{panels_, *hilfe_, fehler_, dialoge_, *bilder_,
                   [this] { return ProgrammendeFallsAllesGespeichert(); }});
  PanelsLaden();
  HauptknoepfeVerbinden();
  EinstellungenAnmelden();
}

// The panels refer to the shell services, so they go first; those that use the COM panel's
// connection go before the COM panel.
Anwendung::~Anwendung() {
  delete direktpanel_;
  delete kennlinienpanel_;
  delete kurvenpanel_;
  fenster_.reset();
}

void Anwendung::PanelsLaden() {
  comPanel_ = new ComPanel(*shell_, ports_, *systemports_);
  fenster_->ChildpanelHinzufuegen(comPanel_);
  kurvenpanel_ =
      new KurvenPanel(*shell_, kurven_, konfig_, comPanel_->Zugang(), [this](std::string& kennung) {
        const int ergebnis = comPanel_->Zugang().IDLesen();
        kennung = comPanel_->IdText();
        return ergebnis;
      });
  fenster_->ChildpanelHinzufuegen(kurvenpanel_);
  comPanel_->StartStoppKnoepfeAnbinden(kurvenpanel_->StartKnopf(), kurvenpanel_->StoppKnopf());
  programmende_.Anmelden(Editorplatz::Kurven, kurvenpanel_);
  konfig_.SkalierungAnmelden([this] { kurvenpanel_->Kurvenpanel_SkaliereYAchse(); });
  konfigpanel_ = new KonfigPanel(*shell_, konfig_);
  fenster_->ChildpanelHinzufuegen(konfigpanel_);
  kennlinienpanel_ = new KennlinienPanel(*shell_, kennlinie_, konfig_, comPanel_->Zugang());
  fenster_->ChildpanelHinzufuegen(kennlinienpanel_);
  comPanel_->StartStoppKnoepfeAnbinden(kennlinienpanel_->StartKnopf(),
                                       kennlinienpanel_->StoppKnopf());
  programmende_.Anmelden(Editorplatz::Kennlinie, kennlinienpanel_);
  konfig_.SkalierungAnmelden([this] { kennlinienpanel_->Kennlinienpanel_SkaliereYAchse(); });
  direktpanel_ = new DirektPanel(*shell_, konfig_, comPanel_->Zugang());
  fenster_->ChildpanelHinzufuegen(direktpanel_);
  programmende_.Anmelden(Editorplatz::Direkt, direktpanel_);
  konfig_.SkalierungAnmelden([this] { direktpanel_->Direktpanel_SkaliereElemente(); });
  fenster_->VerbindungsbildSetzen(bilder_->Neu(fenster_.get()));
  info_ = new Infopanel(fenster_.get());
  info_->VersionSetzen(kVersion, kDatum);
}

void Anwendung::HauptknoepfeVerbinden() {
  for (const auto& k : kHauptknoepfe) {
    QPushButton* knopf = fenster_->Knopf(k.id);
    hilfe_->Hilfe(knopf, k.text);
    const int panel = k.panel;
    connect(knopf, &QPushButton::clicked, this,
            [this, panel] { hilfe_->Ausfuehren({}, [&] { panels_.ZeigeChildpanel(panel); }); });
  }
  hilfe_->Hilfe(fenster_->Knopf(KNOPF_INFO), {});
  connect(fenster_->Knopf(KNOPF_INFO), &QPushButton::clicked, this,
          [this] { hilfe_->Ausfuehren({}, [&] { ZeigeInfopanel(); }); });
  hilfe_->Hilfe(fenster_->Knopf(KNOPF_ENDE), {});
  connect(fenster_->Knopf(KNOPF_ENDE), &QPushButton::clicked, this,
          [this] { hilfe_->Ausfuehren({}, [&] { ProgrammendeFallsAllesGespeichert(); }); });
  connect(fenster_->HilfeToggle(), &QCheckBox::clicked, hilfe_.get(), &Direkthilfe::Setzen);
  connect(hilfe_.get(), &Direkthilfe::umgeschaltet, fenster_->HilfeToggle(),
          &QCheckBox::setChecked);
  connect(fenster_.get(), &Hauptfenster::schliessenAngefragt, this,
          [this] { ProgrammendeFallsAllesGespeichert(); });
}

void Anwendung::EinstellungenAnmelden() {
  einstellungen_.Anmelden(Einstellungsabschnitt::Konfig, KonfigAbschnitt(konfig_));
  einstellungen_.Anmelden(Einstellungsabschnitt::Com, ComAbschnitt(comPanel_->Zugang()));
  einstellungen_.Anmelden(Einstellungsabschnitt::Direkt, DirektAbschnitt(direktpanel_->Felder()));
  einstellungen_.Anmelden(Einstellungsabschnitt::Kurven,
                          KurvenAbschnitt(kurvenpanel_->Darstellung()));
  einstellungen_.Anmelden(Einstellungsabschnitt::Kennlinie,
                          KennlinienAbschnitt(kennlinienpanel_->Darstellung()));
}

int Anwendung::Starten() {
  if (const int fehler = ReadIni(); fehler != 0) fehler_.NOV_Fehlerpopup(fehler);
  if (const int fehler = InitialisierePanels(); fehler != 0) {
    fehler_.NOV_Fehlerpopup(fehler);
    return fehler;
  }
  Wiederherstellen();
  fenster_->PanelgroesseAendern(true);
  return 0;
}

void Anwendung::Wiederherstellen() {
  const int ergebnis =
      WiederherstellungAnbieten(dialoge_, WiederherstellungsPfad(einstellungen_.Pfad()), kurven_,
                                kennlinie_, konfig_.gKonfig());
  if (ergebnis < 0) fehler_.NOV_Fehlerpopup(ergebnis);
  if (ergebnis == 1) {
    kurvenpanel_->Wiederhergestellt();
    kennlinienpanel_->Wiederhergestellt();
  }
  constexpr int kTaktMs = 1000;
  sicherungstakt_.setInterval(kTaktMs);
  connect(&sicherungstakt_, &QTimer::timeout, this,
          [this] { wiederherstellung_.Takt(Ungesichertes()); });
  sicherungstakt_.start();
}

std::string Anwendung::Ungesichertes() const {
  return UngesichertesInhalt(kurven_, kennlinie_, konfig_.gKonfig());
}

void Anwendung::Beenden(bool vonAussen) {
  sicherungstakt_.stop();
  if (vonAussen)
    wiederherstellung_.Sichern(Ungesichertes());
  else
    wiederherstellung_.Entfernen();
  if (const int fehler = WriteIni(); fehler != 0) {
    if (vonAussen)
      std::fprintf(stderr, "Fehler #%d: %s\n", -fehler, fehler_.NOV_Fehlermeldung(fehler).c_str());
    else
      fehler_.NOV_Fehlerpopup(fehler);
  }
  DeinitialisierePanels();
}

void Anwendung::EndeVonAussen() {
  vonAussen_ = true;
  endeAngefordert_ = true;
  emit beenden();
}

int Anwendung::ReadIni() {
  return einstellungen_.ReadIni();
}

int Anwendung::WriteIni() {
  return einstellungen_.WriteIni();
}

int Anwendung::InitialisierePanels() {
  konfigpanel_->InitialisiereKonfigPanel();
  if (const int fehler = kurvenpanel_->KurvenpanelInit(); fehler != 0) return fehler;
  if (const int fehler = kennlinienpanel_->KennlinienpanelInit(); fehler != 0) return fehler;
  if (const int fehler = direktpanel_->DirektpanelInit(); fehler != 0) return fehler;
  comPanel_->CompanelInit();
  fenster_->Steuerelement(KNOPF_DIREKTHILFE)->hide();
  if (!panels_.gPwc2Panels)
    for (int id : {KNOPF_KONFIG, KNOPF_DIREKT, KNOPF_KENNLINIE})
      fenster_->Steuerelement(id)->hide();
  return 0;
}

int Anwendung::DeinitialisierePanels() {
  kurvenpanel_->KurvenpanelClear();
  kennlinienpanel_->KennlinienpanelClear();
  direktpanel_->DirektpanelClear();
  comPanel_->CompanelClear();
  return 0;
}

void Anwendung::ZeigeInfopanel() {
  info_->exec();
}

int Anwendung::ProgrammendeFallsAllesGespeichert() {
  // Once decided, the end is not asked for again while the event loop winds down.
  if (endeAngefordert_) return 0;
  return programmende_.ProgrammendeFallsAllesGespeichert([this] {
    endeAngefordert_ = true;
    emit beenden();
  });
}
