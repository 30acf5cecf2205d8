#include "device/companel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/panelverwaltung.h"
#include "device/leitungswaechter.h"
#include "ui/direkthilfe.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/lampe.h"
#include "ui/qtdialoge.h"
#include "ui/verbindungsbild.h"

namespace {

const char* const kPortHilfe = "Die Serielle Schnittstelle, an die die PWC-2\nangeschlossen ist.";
const char* const kIdLesenHilfe = "Ließt die Gerätekennung von der PWC-2.";
const char* const kScannHilfe =
    "Durchsucht die geöffnete serielle Schnittstelle\nnach PWC-2 Geräten. Das Ergebnis wird mit "
    "den LED's\n1 bis 8 dargestellt.";
const char* const kLedHilfe =
    "Das Ergebnis des letzten 'Scann' Befehls für\ndie Geräteadresse 1 bis 8:\ngrau: Kein Gerät "
    "gefunden.\ngrün: PWC-2 gefunden.\nrot: Gerät hat geantwortet, ist aber keine PWC-2.";
const char* const kAdresseHilfe =
    "Die Geräteadresse des angeschlossenen\nPWC-2 Geräts (ist normalerweise 1).";
const char* const kIdStringHilfe =
    "Die Gerätekennung, mit der die PWC-2 auf\nden 'ID-lesen' Befehl geantwortet hat\n(enthält "
    "Gerätekennung und Versionsnummer).";
const char* const kFehlerbitHilfe =
    "Die Fehlerbits zeigen den Fehlerstatus\nder PWC-2 an. Sie müssen mit 'Fehlerbits\nabfragen' "
    "von der PWC-2 gelesen werden.";
const char* const kStartHilfe = "Sendet den Start-Befehl zum TVM-5R.";
const char* const kStoppHilfe = "Sendet den Stopp-Befehl zum TVM-5R.";
const char* const kEingangStartHilfe =
    "Die PWC-2 wird so eingestellt, daß das Signal an\nEingang 4 als Start/Stopp-Signal "
    "interpretiert wird,\nmit dem der Kurvengenerator bzw. der Kennlinienregler\ngestartet und "
    "gestoppt werden kann.";
const char* const kEingangAnalogHilfe =
    "Die PWC-2 wird so eingestellt, daß Eingang 4\nals normaler Analogeingang verwendet wird.";
const char* const kFehlerabfrageHilfe = "Fragt die Fehlerbits von der PWC-2 ab.";
const char* const kStatusbitsHilfe =
    "Zeigt in einem Fenster die Bedeutung der\naktiven Fehlerbits an.";

const QColor kTvm5rFarbe(0x00, 0xCC, 0x00);
const QColor kAnderesFarbe(0xFF, 0x00, 0x00);

// Selects the item whose data is wert; a value that no item has leaves the ring as it is.
void RingSetzen(QComboBox* ring, int wert) {
  if (const int index = ring->findData(wert); index >= 0) ring->setCurrentIndex(index);
}

}  // namespace

void Portring::showPopup() {
  emit wirdGeoeffnet();
  QComboBox::showPopup();
}

ComPanel::ComPanel(ShellDienste& shell, ComPorts& ports, Systemports& systemports, QWidget* eltern)
    : ChildPanel(shell, COMPNL, "COM-Schnittstellen Einstellung", eltern),
      systemports_(systemports),
      verbindung_(ports, shell.fehler, *this,
                  [this] { return SystemPortliste(systemports_.Ports()); }) {
  auto* layout = new QVBoxLayout(Inhalt());
  layout->addWidget(SichtbareTeileAnlegen());
  layout->addWidget(VerborgeneTeileAnlegen());
  layout->addStretch(1);
  auto* unten = new QHBoxLayout;
  unten->addWidget(ZurueckKnopf());
  unten->addWidget(Fehleranzeige(), 1);
  unten->addWidget(Verbindung());
  unten->addWidget(HilfeToggle());
  layout->addLayout(unten);

  verbindung_.FehleranzeigeAnmelden(Fehleranzeige());
  waechter_ = new Leitungswaechter(verbindung_, this);
  connect(&shell_.verbindungsbilder, &Verbindungsbilder::geklickt, this,
          [this] { verbindung_.BildAngeklickt(); });
  // The ring lists the machine's ports from the start, not only after its first click.
  verbindung_.ComControlAusfuellen();
}

ComPanel::~ComPanel() {
  delete waechter_;
  verbindung_.FehleranzeigeAnmelden(nullptr);
}

QPushButton* ComPanel::Knopf(const char* name, const QString& text, const char* hilfetext,
                             std::function<void()> ausfuehren) {
  auto* knopf = new QPushButton(text, Inhalt());
  knopf->setObjectName(name);
  shell_.hilfe.Hilfe(knopf, hilfetext);
  connect(knopf, &QPushButton::clicked, this,
          [this, hilfetext, ausfuehren = std::move(ausfuehren)] {
            shell_.hilfe.Ausfuehren(hilfetext, ausfuehren);
          });
  return knopf;
}

QWidget* ComPanel::SichtbareTeileAnlegen() {
  auto* teil = new QWidget(Inhalt());
  auto* raster = new QGridLayout(teil);

  port_ = new Portring(teil);
  port_->setObjectName("PORT");
  port_->setPlaceholderText("kein Port geöffnet");
  // The items name what each port is; the ring shows them whole.
  port_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(port_, &QComboBox::currentIndexChanged, this, &ComPanel::PorthinweisZeigen);
  shell_.hilfe.Hilfe(port_, kPortHilfe);
  connect(port_, &Portring::wirdGeoeffnet, this, [this] {
    if (!shell_.hilfe.Aktiv()) verbindung_.PortAngeklickt();
  });
  connect(port_, &QComboBox::activated, this,
          [this] { shell_.hilfe.Ausfuehren(kPortHilfe, [this] { verbindung_.PortGewaehlt(); }); });
  raster->addWidget(new QLabel("COM-Port", teil), 0, 0);
  raster->addWidget(port_, 0, 1);

  adresse_ = new QComboBox(teil);
  adresse_->setObjectName("ADRESSE");
  for (char a = '1'; a <= '8'; ++a) adresse_->addItem(QString(QChar(a)), int(a));
  adresse_->addItem("alle", int('&'));
  shell_.hilfe.Hilfe(adresse_, kAdresseHilfe);
  raster->addWidget(new QLabel("Geräteadresse", teil), 1, 0);
  raster->addWidget(adresse_, 1, 1);

  raster->addWidget(
      Knopf("IDLESEN", "ID lesen", kIdLesenHilfe, [this] { verbindung_.IDLesenAusfuehren(); }), 2,
      0);
  idString_ = new QLineEdit(teil);
  idString_->setObjectName("IDSTRING");
  idString_->setReadOnly(true);
  shell_.hilfe.Hilfe(idString_, kIdStringHilfe);
  // Room for an identification text; the fields are otherwise as wide as their contents.
  constexpr int kIdZeichen = 40;
  idString_->setMinimumWidth(idString_->fontMetrics().averageCharWidth() * kIdZeichen);
  raster->addWidget(idString_, 2, 1);

  raster->addWidget(Knopf("SCANN", "Scann", kScannHilfe, [this] { verbindung_.ScannAusfuehren(); }),
                    3, 0);
  auto* lampen = new QGridLayout;
  for (int i = 0; i < 8; ++i) {
    scanlampen_[i] = new Lampe(teil);
    scanlampen_[i]->setObjectName(QString("LED%1").arg(i + 1));
    shell_.hilfe.Hilfe(scanlampen_[i], kLedHilfe);
    lampen->addWidget(new QLabel(QString::number(i + 1), teil), 0, i, Qt::AlignHCenter);
    lampen->addWidget(scanlampen_[i], 1, i, Qt::AlignHCenter);
  }
  raster->addLayout(lampen, 3, 1);

  text_ = new QLabel(teil);
  text_->setObjectName("TEXT");
  raster->addWidget(text_, 4, 0, 1, 2);
  raster->setColumnStretch(2, 1);
  return teil;
}

QWidget* ComPanel::VerborgeneTeileAnlegen() {
  auto* teil = new QWidget(Inhalt());
  auto* reihe = new QHBoxLayout(teil);
  auto* start = Knopf("START", "Start", kStartHilfe, [this] { verbindung_.StartAusfuehren(); });
  auto* stopp = Knopf("STOPP", "Stopp", kStoppHilfe, [this] { verbindung_.StoppAusfuehren(); });
  auto* analog = Knopf("EINGANG4ANALOG", "Eingang 4 -> Analogeingang", kEingangAnalogHilfe,
                       [this] { verbindung_.EingangVierAusfuehren(false); });
  auto* startStopp = Knopf("EINGANG4START", "Eingang 4 -> Start/Stopp-Signal", kEingangStartHilfe,
                           [this] { verbindung_.EingangVierAusfuehren(true); });
  auto* abfrage = Knopf("FEHLERABFRAGE", "Fehlerbits abfragen", kFehlerabfrageHilfe,
                        [this] { verbindung_.FehlerabfrageAusfuehren(); });
  for (QWidget* w : {start, stopp, analog, startStopp, abfrage}) reihe->addWidget(w);
  geraetesteuerung_ = {startStopp, start, stopp};
  for (int bit = 0; bit < 5; ++bit) {
    fehlerlampen_[bit] = new Lampe(teil);
    fehlerlampen_[bit]->setObjectName(QString("FEHLERBIT%1").arg(bit));
    shell_.hilfe.Hilfe(fehlerlampen_[bit], kFehlerbitHilfe);
    reihe->addWidget(fehlerlampen_[bit]);
    geraetesteuerung_.append(fehlerlampen_[bit]);
  }
  reihe->addWidget(
      Knopf("STATUSBITSHILFE", "?", kStatusbitsHilfe, [this] { StatusbitsHilfe_Callback(); }));
  reihe->addStretch(1);
  verborgen_ = {teil, HilfeToggle()};
  return teil;
}

void ComPanel::CompanelInit() {
  FortschrittSetzen("");
  for (QWidget* w : verborgen_) w->hide();
  for (int panel : {KONFIGPNL, DIREKTPNL, KENNLPNL}) FensterEintragEntfernen(panel);
}

int ComPanel::CompanelClear() {
  return verbindung_.ComPortSchliessen();
}

void ComPanel::StartStoppKnoepfeAnbinden(QAbstractButton* start, QAbstractButton* stopp) {
  shell_.hilfe.Hilfe(start, kStartHilfe);
  shell_.hilfe.Hilfe(stopp, kStoppHilfe);
  connect(start, &QAbstractButton::clicked, this, &ComPanel::Start_Callback);
  connect(stopp, &QAbstractButton::clicked, this, &ComPanel::Stopp_Callback);
}

void ComPanel::Start_Callback() {
  shell_.hilfe.Ausfuehren(kStartHilfe, [this] { verbindung_.StartAusfuehren(); });
}

void ComPanel::Stopp_Callback() {
  shell_.hilfe.Ausfuehren(kStoppHilfe, [this] { verbindung_.StoppAusfuehren(); });
}

void ComPanel::StatusbitsHilfe_Callback() {
  int lampen = 0;
  for (int bit = 0; bit < 5; ++bit)
    if (fehlerlampen_[bit]->An()) lampen |= 1 << bit;
  verbindung_.FehlerbitsZeigen(lampen);
}

int ComPanel::PortWert() const {
  return port_->currentIndex() < 0 ? -1 : port_->currentData().toInt();
}

void ComPanel::PortSetzen(int wert) {
  if (wert == -1)
    port_->setCurrentIndex(-1);
  else
    RingSetzen(port_, wert);
}

void ComPanel::PortlisteSetzen(const std::vector<PortlistenEintrag>& liste, size_t auswahl) {
  port_->clear();
  for (const PortlistenEintrag& e : liste) {
    port_->addItem(Q(e.text), e.wert);
    port_->setItemData(port_->count() - 1, Q(e.hinweis), Qt::ToolTipRole);
  }
  port_->setCurrentIndex(static_cast<int>(auswahl));
  PorthinweisZeigen();
}

void ComPanel::PorthinweisZeigen() {
  port_->setToolTip(port_->currentData(Qt::ToolTipRole).toString());
}

int ComPanel::AdressWert() const {
  return adresse_->currentData().toInt();
}

void ComPanel::AdresseSetzen(int wert) {
  RingSetzen(adresse_, wert);
}

std::string ComPanel::IdText() const {
  return idString_->text().toStdString();
}

void ComPanel::IdTextSetzen(const std::string& text) {
  idString_->setText(Q(text));
  idString_->setCursorPosition(0);
}

void ComPanel::FortschrittSetzen(const std::string& text) {
  text_->setText(Q(text));
  text_->repaint();
}

void ComPanel::ScanlampeSetzen(int adresse, Fund fund) {
  Lampe* lampe = scanlampen_.at(adresse - 1);
  if (fund != Fund::Keines) lampe->AnFarbeSetzen(fund == Fund::Tvm5r ? kTvm5rFarbe : kAnderesFarbe);
  lampe->Setzen(fund != Fund::Keines);
}

void ComPanel::FehlerlampenSetzen(int wort) {
  for (int bit = 0; bit < 5; ++bit) fehlerlampen_[bit]->Setzen(wort & (1 << bit));
}

void ComPanel::GeraetesteuerungDimmen(bool gedimmt) {
  for (QWidget* w : geraetesteuerung_) w->setEnabled(!gedimmt);
}

void ComPanel::VerbindungsbilderSetzen(int wert) {
  shell_.verbindungsbilder.Setzen(wert);
}

void ComPanel::VerbindungsbilderBeschriften(const std::string& zeile, const std::string& tipp) {
  shell_.verbindungsbilder.Beschriften(Q(zeile), Q(tipp));
}
