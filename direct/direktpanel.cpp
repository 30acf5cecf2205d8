#include "direct/direktpanel.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "base/fehlerausgabe.h"
#include "base/panelverwaltung.h"
#include "curves/kurvenmenues.h"
#include "direct/direkthilfetexte.h"
#include "direct/drehregler.h"
#include "direct/zeigerinstrument.h"
#include "ui/direkthilfe.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/feldbausteine.h"
#include "ui/lampe.h"
#include "ui/verbindungsbild.h"

namespace H = Direkthilfetexte;

namespace {

// Limits and extremes may lie anywhere: the fields must not cut what they show.
constexpr double kFeldgrenze = 1e12;
constexpr int kFeldbreite = 72;
const QColor kSpurfarben[4] = {QColor(0xD00000), QColor(0x008000), QColor(0x0000D0),
                               QColor(0xB000B0)};
constexpr const char* kAbfragenAus = "Eingänge abfragen";
constexpr const char* kAbfragenAn = "Abfragen beenden";

QString Name(const char* stamm, int i) {
  return QString(stamm) + QString::number(i + 1);
}

// A number field as wide as the values it shows; its wide range would otherwise make it as wide
// as its longest possible number.
class Schmalfeld : public QDoubleSpinBox {
 public:
  using QDoubleSpinBox::QDoubleSpinBox;
  QSize sizeHint() const override { return {kFeldbreite, QDoubleSpinBox::sizeHint().height()}; }
  QSize minimumSizeHint() const override {
    return {kFeldbreite, QDoubleSpinBox::minimumSizeHint().height()};
  }
};

QDoubleSpinBox* Zahlenfeld(QWidget* eltern, const QString& name, bool nurAnzeige) {
  auto* feld = new Schmalfeld(eltern);
  feld->setObjectName(name);
  feld->setRange(-kFeldgrenze, kFeldgrenze);
  feld->setKeyboardTracking(false);
  feld->setAlignment(Qt::AlignRight);
  if (nurAnzeige) {
    feld->setReadOnly(true);
    feld->setButtonSymbols(QAbstractSpinBox::NoButtons);
  }
  return feld;
}

}  // namespace

DirektPanel::DirektPanel(ShellDienste& shell, Konfigzustand& konfig, Geraetezugang& zugang,
                         QWidget* eltern)
    : ChildPanel(shell, DIREKTPNL, "Direkte Ein-/Ausgabe", eltern),
      steuerung_(konfig.gKonfig(), zugang, shell.fehler),
      timer_(new QTimer(this)) {
  timer_->setObjectName("TIMER");
  connect(timer_, &QTimer::timeout, this, [this] { steuerung_.DirektTimer_Callback(); });
  MenueAnlegen();
  auto* raster = new QGridLayout(Inhalt());
  raster->addWidget(AusgaengeAnlegen(), 0, 0);
  raster->addWidget(EingaengeAnlegen(), 0, 1);
  raster->addWidget(DiagrammAnlegen(), 1, 0, 1, 2);
  raster->addWidget(BedienungAnlegen(), 2, 0, 1, 2);
  raster->setRowStretch(1, 1);
  auto* fuss = new QHBoxLayout;
  fuss->addWidget(Verbindung());
  fuss->addWidget(ZurueckKnopf());
  fuss->addWidget(Fehleranzeige(), 1);
  fuss->addWidget(HilfeToggle());
  raster->addLayout(fuss, 3, 0, 1, 2);
  ZurueckKnopf()->setObjectName("ZURUECK");
  Verbindung()->setObjectName("PICTURERING");

  // Escape sets the outputs to zero while the panel is shown.
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape_->setEnabled(false);
  connect(escape_, &QShortcut::activated, aufNull_, &QPushButton::click);

  steuerung_.AnzeigeSetzen(this);
  shell_.fehler.FehleranzeigeAnmelden(Geraetepanel::Direkt, Fehleranzeige());
}

DirektPanel::~DirektPanel() {
  steuerung_.AnzeigeSetzen(nullptr);
  shell_.fehler.FehleranzeigeAnmelden(Geraetepanel::Direkt, nullptr);
}

// ---- Construction -------------------------------------------------------------------------

void DirektPanel::Hilfe(QWidget* feld, const char* text) {
  shell_.hilfe.Hilfe(feld, text);
  // Clicks on a spin box's text go to the line edit inside it.
  if (auto* zahl = qobject_cast<QAbstractSpinBox*>(feld))
    if (auto* zeile = zahl->findChild<QLineEdit*>()) shell_.hilfe.Hilfe(zeile, text);
}

// A left click in direct help shows the control's text through Hilfe; other ways of changing a
// control (keys, wheel) then do nothing.
void DirektPanel::Ausfuehren(const std::function<void()>& arbeit) {
  shell_.hilfe.Ausfuehren(QString(), arbeit);
}

QWidget* DirektPanel::AusgaengeAnlegen() {
  auto* gruppe = new QGroupBox("Ausgänge", Inhalt());
  auto* raster = new QGridLayout(gruppe);
  for (int i = 0; i < kKanaele; ++i) {
    raster->addWidget(new QLabel("Ausgang " + QString::number(i + 1), gruppe), 0, i,
                      Qt::AlignCenter);
    auto* regler = new Drehregler(gruppe);
    regler->setObjectName(Name("AUSGANG", i));
    Hilfe(regler->Knopf(), H::kAusgang);
    Hilfe(regler->Feld(), H::kAusgang);
    connect(regler, &Drehregler::wertGeaendert, this, [this, i](double wert) {
      Ausfuehren([&] { steuerung_.Ausgang_Callback(i, wert); });
      // Direct help or a cut to the limit: the knob shows what applies.
      ausgaenge_[i]->WertSetzen(steuerung_.felder.ausgang[i]);
    });
    raster->addWidget(regler, 1, i);
    raster->addWidget(new QLabel("Begrenzung", gruppe), 2, i, Qt::AlignCenter);
    grenzen_[i] = Zahlenfeld(gruppe, Name("BEGRENZUNG", i), false);
    Hilfe(grenzen_[i], H::kBegrenzung);
    connect(grenzen_[i], &QDoubleSpinBox::valueChanged, this,
            [this, i](double wert) { steuerung_.felder.grenze[i] = wert; });
    raster->addWidget(grenzen_[i], 3, i);
    ausgaenge_[i] = regler;
  }
  aufNull_ = new QPushButton("Ausgänge auf Null (ESC)", gruppe);
  aufNull_->setObjectName("AUSGAENGEAUFNULL");
  Hilfe(aufNull_, H::kAusgaengeAufNull);
  connect(aufNull_, &QPushButton::clicked, this,
          [this] { Ausfuehren([this] { steuerung_.AusgaengeAufNull_Callback(); }); });
  raster->addWidget(aufNull_, 4, 0, 1, kKanaele);
  return gruppe;
}

QWidget* DirektPanel::EingaengeAnlegen() {
  auto* gruppe = new QGroupBox("Eingänge", Inhalt());
  auto* raster = new QGridLayout(gruppe);
  for (int i = 0; i < kKanaele; ++i) {
    raster->addWidget(new QLabel("Eingang " + QString::number(i + 1), gruppe), 0, 2 * i, 1, 2,
                      Qt::AlignCenter);
    eingaenge_[i] = new Zeigerinstrument(gruppe);
    eingaenge_[i]->setObjectName(Name("EINGANG", i));
    Hilfe(eingaenge_[i], H::kEingang);
    raster->addWidget(eingaenge_[i], 1, 2 * i, 1, 2);
    raster->addWidget(new QLabel("min", gruppe), 2, 2 * i);
    raster->addWidget(new QLabel("max", gruppe), 2, 2 * i + 1);
    minima_[i] = Zahlenfeld(gruppe, Name("MIN", i), true);
    maxima_[i] = Zahlenfeld(gruppe, Name("MAX", i), true);
    Hilfe(minima_[i], H::kMin);
    Hilfe(maxima_[i], H::kMax);
    raster->addWidget(minima_[i], 3, 2 * i);
    raster->addWidget(maxima_[i], 3, 2 * i + 1);
  }
  minMaxReset_ = new QPushButton("min/max Reset", gruppe);
  minMaxReset_->setObjectName("MINMAXRESET");
  Hilfe(minMaxReset_, H::kMinMaxReset);
  connect(minMaxReset_, &QPushButton::clicked, this,
          [this] { Ausfuehren([this] { steuerung_.MinMaxReset_Callback(); }); });
  raster->addWidget(minMaxReset_, 4, 0, 1, 2 * kKanaele);
  return gruppe;
}

QWidget* DirektPanel::DiagrammAnlegen() {
  auto* flaeche = new QWidget(Inhalt());
  auto* zeile = new QHBoxLayout(flaeche);
  zeile->setContentsMargins(0, 0, 0, 0);
  streifen_ = new QCustomPlot(flaeche);
  streifen_->setObjectName("STRIPCHART");
  streifen_->setMinimumSize(400, 180);
  streifen_->yAxis->setLabel("Prozent");
  for (int n = 0; n < kKanaele; ++n) {
    QCPGraph* spur = streifen_->addGraph();
    spur->setName(Name("Eingang ", n));
    spur->setPen(QPen(kSpurfarben[n], 1.5));
  }
  Hilfe(streifen_, H::kStripchart);
  zeile->addWidget(streifen_, 1);

  auto* seite = new QVBoxLayout;
  for (int n = 0; n < kKanaele; ++n) {
    plots_[n] = new QCheckBox(Name("Eingang ", n), flaeche);
    plots_[n]->setObjectName(Name("PLOT", n));
    QPalette farbe = plots_[n]->palette();
    farbe.setColor(QPalette::WindowText, kSpurfarben[n]);
    plots_[n]->setPalette(farbe);
    Hilfe(plots_[n], H::kPlot);
    connect(plots_[n], &QCheckBox::clicked, this, [this, n](bool an) {
      Ausfuehren([&] { steuerung_.Traceauswahl_Callback(n, an); });
      plots_[n]->setChecked(steuerung_.felder.plot[n]);
      streifen_->graph(n)->setVisible(steuerung_.felder.plot[n]);
      streifen_->replot();
    });
    seite->addWidget(plots_[n]);
  }
  seite->addStretch(1);
  auto* zoom = new QGridLayout;
  zoom->addWidget(new QLabel("Zoom\n(Y-Max)", flaeche), 0, 0);
  zoomY_ = Zahlenfeld(flaeche, "ZOOMY", false);
  zoomY_->setRange(0.0, 1000.0);
  zoomY_->setDecimals(1);
  Hilfe(zoomY_, H::kZoomY);
  zoom->addWidget(zoomY_, 0, 1);
  zoom->addWidget(new QLabel("(X-Max)", flaeche), 1, 0);
  zoomX_ = new QSpinBox(flaeche);
  zoomX_->setObjectName("ZOOMX");
  zoomX_->setRange(0, kStreifenHoechstens);
  zoomX_->setKeyboardTracking(false);
  Hilfe(zoomX_, H::kZoomX);
  zoom->addWidget(zoomX_, 1, 1);
  seite->addLayout(zoom);
  connect(zoomY_, &QDoubleSpinBox::valueChanged, this, [this](double wert) {
    Ausfuehren([&] { steuerung_.DirektZoomY_Callback(wert); });
    ZoomZeigen();
  });
  connect(zoomX_, &QSpinBox::valueChanged, this, [this](int wert) {
    Ausfuehren([&] { steuerung_.DirektZoomX_Callback(wert); });
    ZoomZeigen();
    StreifenZeigen();
  });
  zeile->addLayout(seite);
  return flaeche;
}

QWidget* DirektPanel::BedienungAnlegen() {
  auto* flaeche = new QWidget(Inhalt());
  auto* zeile = new QHBoxLayout(flaeche);
  zeile->setContentsMargins(0, 0, 0, 0);
  abfragen_ = new QPushButton(kAbfragenAus, flaeche);
  abfragen_->setObjectName("ABFRAGEN");
  abfragen_->setCheckable(true);
  Hilfe(abfragen_, H::kAbfragen);
  connect(abfragen_, &QPushButton::clicked, this, [this](bool an) {
    Ausfuehren([&] { steuerung_.Abfragen_Callback(an); });
    AbfrageZeigen(steuerung_.AbfrageLaeuft());
  });
  zeile->addWidget(abfragen_);

  dateiSpeichern_ = new QCheckBox("Speichern", flaeche);
  dateiSpeichern_->setObjectName("DATEISPEICHERN");
  Hilfe(dateiSpeichern_, H::kDateiSpeichern);
  connect(dateiSpeichern_, &QCheckBox::clicked, this, [this](bool an) {
    Ausfuehren([&] { steuerung_.felder.dateiSpeichern = an; });
    dateiSpeichern_->setChecked(steuerung_.felder.dateiSpeichern);
  });
  zeile->addWidget(dateiSpeichern_);
  dateiLampe_ = new Lampe(flaeche, QColor(0x00CC00));
  dateiLampe_->setObjectName("DATEISPEICHERNLED");
  Hilfe(dateiLampe_, H::kDateiSpeichernLed);
  zeile->addWidget(dateiLampe_);
  zeile->addSpacing(16);

  zeile->addWidget(new QLabel("Abtast-\nzeit [s]", flaeche));
  abtastzeit_ = Zahlenfeld(flaeche, "ABTASTZEIT", false);
  abtastzeit_->setRange(0.0, kLaengsteAbtastzeit);
  abtastzeit_->setDecimals(2);
  abtastzeit_->setSingleStep(0.1);
  Hilfe(abtastzeit_, H::kAbtastzeit);
  connect(abtastzeit_, &QDoubleSpinBox::valueChanged, this, [this](double wert) {
    Ausfuehren([&] { steuerung_.Abtastzeit_Callback(wert); });
    WertZeigen(abtastzeit_, steuerung_.felder.abtastzeit);
  });
  zeile->addWidget(abtastzeit_);
  zeile->addStretch(1);
  return flaeche;
}

void DirektPanel::MenueAnlegen() {
  BeendenAktion()->setObjectName("BEENDEN");
  QMenu* hilfe = Menueleiste()->addMenu("Hilfe");
  QAction* pins = hilfe->addAction(kPinsPunkt.text);
  pins->setObjectName(kPinsPunkt.name);
  // Menu_Direkt_Hilfe_Pins.
  shell_.hilfe.Befehl(pins, QString(),
                      [this] { shell_.dialoge.MessagePopup(kPinsTitel, kPinsText); });
}

// ---- Navigation -----------------------------------------------------------------------------

void DirektPanel::FensterWaehlen(int panel) {
  steuerung_.PanelVerlassen();
  ChildPanel::FensterWaehlen(panel);
}

void DirektPanel::showEvent(QShowEvent* ereignis) {
  ChildPanel::showEvent(ereignis);
  escape_->setEnabled(true);
}

void DirektPanel::hideEvent(QHideEvent* ereignis) {
  escape_->setEnabled(false);
  ChildPanel::hideEvent(ereignis);
}

// ---- What the behaviour reports --------------------------------------------------------------

void DirektPanel::EingangZeigen(int i, double wert) {
  eingaenge_[i]->WertSetzen(wert);
}

void DirektPanel::MinZeigen(int i, double wert) {
  WertZeigen(minima_[i], wert);
}

void DirektPanel::MaxZeigen(int i, double wert) {
  WertZeigen(maxima_[i], wert);
}

void DirektPanel::AusgangZeigen(int i, double wert) {
  ausgaenge_[i]->WertSetzen(wert);
}

void DirektPanel::StreifenZeigen() {
  const auto& schritte = steuerung_.Streifen().Schritte();
  for (int n = 0; n < kKanaele; ++n) {
    QVector<double> x, y;
    x.reserve(static_cast<int>(schritte.size()));
    y.reserve(static_cast<int>(schritte.size()));
    for (const Prozentschritt& s : schritte) {
      x.append(x.size());
      y.append(s[n]);
    }
    streifen_->graph(n)->setData(x, y, true);
  }
  streifen_->replot(QCustomPlot::rpQueuedReplot);
}

void DirektPanel::Eingang4Zeigen(bool analog) {
  for (QWidget* w :
       std::initializer_list<QWidget*>{plots_[3], minima_[3], maxima_[3], eingaenge_[3]})
    w->setEnabled(analog);
  plots_[3]->setChecked(steuerung_.felder.plot[3]);
  streifen_->graph(3)->setVisible(steuerung_.felder.plot[3]);
  streifen_->replot(QCustomPlot::rpQueuedReplot);
}

void DirektPanel::AbfrageZeigen(bool laeuft) {
  abfragen_->setChecked(laeuft);
  abfragen_->setText(laeuft ? kAbfragenAn : kAbfragenAus);
  dateiSpeichern_->setEnabled(!laeuft);
  if (laeuft)
    timer_->start();
  else
    timer_->stop();
}

void DirektPanel::LampeZeigen(bool an) {
  dateiLampe_->Setzen(an);
}

void DirektPanel::IntervallZeigen(double sekunden) {
  timer_->setInterval(static_cast<int>(std::lround(sekunden * 1000.0)));
}

void DirektPanel::ElementeSkalieren() {
  const Direktfelder& f = steuerung_.felder;
  for (int i = 0; i < kKanaele; ++i) {
    const Einheitenbereich ein = steuerung_.EingangBereich(i);
    eingaenge_[i]->BereichSetzen(ein.lo, ein.hi, ein.stellen);
    eingaenge_[i]->EinheitSetzen(Text(ein.einheit));
    eingaenge_[i]->WertSetzen(steuerung_.EingangWert(i));
    for (QDoubleSpinBox* feld : {minima_[i], maxima_[i]}) feld->setDecimals(ein.stellen);
    if (steuerung_.ExtremeBekannt(i)) {
      WertZeigen(minima_[i], steuerung_.MinWert(i));
      WertZeigen(maxima_[i], steuerung_.MaxWert(i));
    }
    const Einheitenbereich aus = steuerung_.AusgangBereich(i);
    ausgaenge_[i]->BereichSetzen(aus.lo, aus.hi, aus.stellen);
    ausgaenge_[i]->EinheitSetzen(Text(aus.einheit));
    ausgaenge_[i]->WertSetzen(f.ausgang[i]);
    grenzen_[i]->setDecimals(aus.stellen);
    WertZeigen(grenzen_[i], f.grenze[i]);
    plots_[i]->setChecked(f.plot[i]);
    streifen_->graph(i)->setVisible(f.plot[i]);
  }
  dateiSpeichern_->setChecked(f.dateiSpeichern);
  WertZeigen(abtastzeit_, f.abtastzeit);
  ZoomZeigen();
  StreifenZeigen();
}

void DirektPanel::ZoomZeigen() {
  const Direktfelder& f = steuerung_.felder;
  {
    const QSignalBlocker sperre(zoomX_);
    zoomX_->setValue(f.zoomX);
  }
  WertZeigen(zoomY_, f.zoomY);
  streifen_->xAxis->setRange(0, f.zoomX);
  streifen_->yAxis->setRange(0, f.zoomY);
  streifen_->replot(QCustomPlot::rpQueuedReplot);
}
