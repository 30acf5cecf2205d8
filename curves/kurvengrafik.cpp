#include "curves/kurvengrafik.h"

#include <qcustomplot.h>

#include <QEvent>
#include <algorithm>
#include <new>

#include "base/dialoge.h"
#include "ui/einheitenticker.h"
#include "ui/grafikbildlauf.h"
#include "ui/grafikcursor.h"
#include "ui/grafikplot.h"
#include "ui/zeitticker.h"

namespace {

constexpr QRgb kRot = kGrafikRot;
constexpr QRgb kBlau = kGrafikBlau;
constexpr QRgb kHellrot = kGrafikHellrot;
constexpr QRgb kHellblau = kGrafikHellblau;
constexpr QRgb kHintergrund = 0x008080;
constexpr QRgb kGelb = 0xFFFF00;
constexpr QRgb kGruen = kGrafikGruen;

void GraphEinrichten(QCustomPlot* plot) {
  GraphGrundeinrichten(plot);
  ZeitachseEinrichten(plot->xAxis);
}

}  // namespace

Kurvengrafik::Kurvengrafik(Kurvensatz& satz, const Konfiguration& konfig, Dialoge& dialoge,
                           QWidget* eltern)
    : QObject(eltern),
      satz_(satz),
      konfig_(konfig),
      dialoge_(dialoge),
      graph_(new Grafikplot(eltern)),
      klein_(new Grafikplot(eltern)),
      bildlauf_(new Grafikbildlauf(graph_)),
      cursor_(new Grafikcursor(graph_)),
      ticker_(new Einheitenticker) {
  GraphenEinrichten();
  connect(bildlauf_, &Grafikbildlauf::bildlaufBeendet, this, &Kurvengrafik::Bildlaufende);
  graph_->installEventFilter(this);
  klein_->installEventFilter(this);
}

void Kurvengrafik::GraphenEinrichten() {
  GraphEinrichten(graph_);
  GraphEinrichten(klein_);
  graph_->yAxis->setTicker(ticker_);
  // Room below the X axis for the scroll bar laid over the graph's bottom edge.
  graph_->plotLayout()->setMargins(QMargins(0, 0, 0, bildlauf_->sizeHint().height()));
  klein_->yAxis->setTickLabels(false);

  for (QCPGraph*& h : hintergrund_) h = Plottable(graph_, kHintergrund);
  linien_ = Plottable(graph_, kRot);
  schlusslinie_ = Plottable(graph_, kHellrot);
  stufen_ = Plottable(graph_, kBlau);
  schlussstufen_ = Plottable(graph_, kHellblau);
  punkte_ = Plottable(graph_, kRot);
  punkte_->setLineStyle(QCPGraph::lsNone);
  punkte_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, QColor(kRot), 5));
  markenlinien_ = Plottable(graph_, kGelb);
  hervorhebung_ = Plottable(graph_, kGelb, 3);
  vorschau_ = Plottable(graph_, kRot);
  vorschau_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QColor(kRot), 7));
  uebersicht_ = Plottable(klein_, kBlau);
}

Plotgroesse Kurvengrafik::PlotGroesse() const {
  const QRect flaeche = graph_->axisRect()->rect();
  return {static_cast<double>(flaeche.width()), static_cast<double>(flaeche.height())};
}

void Kurvengrafik::KurvengrafikNeuZeichnen(const Kurvendarstellung& darstellung) {
  darstellung_ = darstellung;
  vorschau_->data()->clear();
  hervorhebung_->data()->clear();
  YAchseSetzen();
  DatenZeichnen();
  emit felderAnzeigen(KurvenfelderBerechnen(satz_, konfig_));
}

void Kurvengrafik::NeuZeichnen() {
  KurvengrafikNeuZeichnen(darstellung_);
}

void Kurvengrafik::DatenZeichnen() {
  try {
    daten_ = GrafikdatenBerechnen(satz_, darstellung_, Spalten(graph_), Spalten(klein_));
  } catch (const std::bad_alloc&) {
    daten_ = Grafikdaten{};
    dialoge_.MessagePopup("Fehler", "Speicherreservierung fehlgeschlagen");
  }
  graph_->xAxis->setRange(satz_.ansicht.gAnsichtStart, satz_.ansicht.gAnsichtEnde + 1);
  for (int k = 0; k < kKurvenAnzahl; ++k) DatenSetzen(hintergrund_[k], daten_.hintergrund[k]);
  DatenSetzen(linien_, daten_.aktuell.linien);
  DatenSetzen(schlusslinie_, daten_.aktuell.schlusslinie);
  DatenSetzen(stufen_, daten_.aktuell.stufen);
  DatenSetzen(schlussstufen_, daten_.aktuell.schlussstufen);
  DatenSetzen(punkte_, daten_.aktuell.punkte);
  MarkenUebergeben();

  klein_->xAxis->setRange(0, daten_.kleinXMax);
  DatenSetzen(uebersicht_, daten_.uebersicht);
  Entfernen(rahmen_);
  rahmen_ = ::Rechteck(klein_, kRot, satz_.ansicht.gAnsichtStart, satz_.ansicht.gAnsichtEnde + 1);
  MarkierungZeichnen();
}

void Kurvengrafik::YAchseSetzen() {
  const YAchse achse = YAchseBerechnen(satz_, konfig_);
  ticker_->Setzen(achse.verstaerkung, achse.versatz);
  graph_->yAxis->setLabel(QString::fromStdString(achse.einheit));
  graph_->yAxis->setRange(achse.min, achse.max);
}

void Kurvengrafik::Kurvenpanel_SkaliereYAchse() {
  YAchseSetzen();
  graph_->replot(QCustomPlot::rpQueuedReplot);
  emit felderAnzeigen(KurvenfelderBerechnen(satz_, konfig_));
}

void Kurvengrafik::MarkenUebergeben() {
  AlleEntfernen(markentexte_);
  DatenSetzen(markenlinien_, daten_.markenlinien);
  for (const Zeitbasismarke& marke : daten_.marken) {
    if (!marke.beschriftet) continue;
    auto* text = new QCPItemText(graph_);
    // On the lower edge of the plot area whatever the Y zoom, above the inner tick marks, so
    // that the label stays visible and clear of the time axis's labels below the edge.
    text->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
    text->position->setCoords(marke.t, 1);
    text->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
    text->setPadding(QMargins(2, 0, 2, graph_->xAxis->tickLengthIn() + 1));
    text->setText(QString::fromStdString(ZeitbasisName(marke.zeitbasis)));
    text->setColor(QColor(kGelb));
    text->setSelectable(false);
    markentexte_.emplace_back(text);
  }
}

void Kurvengrafik::MarkierungZeichnen() {
  AlleEntfernen(markierung_);
  const Markierung& m = satz_.markierung;
  if (m.gMarkierungAktiv)
    for (QCustomPlot* plot : {graph_, klein_})
      markierung_.emplace_back(::Rechteck(plot, kGruen, m.gMarkierungStart, m.gMarkierungEnde));
  graph_->replot(QCustomPlot::rpQueuedReplot);
  klein_->replot(QCustomPlot::rpQueuedReplot);
}

void Kurvengrafik::ZeitbasisMarkenZeichnen(bool an) {
  darstellung_.zeitbasisMarken = an;
  DatenZeichnen();
}

void Kurvengrafik::BildlaufleisteAktualisieren() {
  const Bildlaufstand stand = BildlaufBerechnen(satz_.ansicht, Kurvendauer(satz_.aktuelleKurve()));
  bildlauf_->Setzen(stand.seite, stand.position);
}

void Kurvengrafik::Bildlaufende(int position) {
  Bildlauf(satz_.ansicht, Kurvendauer(satz_.aktuelleKurve()), position);
  DatenZeichnen();
  emit ansichtGeaendert();
}

void Kurvengrafik::ZoomPlus() {
  ::ZoomPlus(satz_.ansicht);
  NeuZeichnen();
  BildlaufleisteAktualisieren();
}

void Kurvengrafik::ZoomMinus() {
  ::ZoomMinus(satz_.ansicht);
  NeuZeichnen();
  BildlaufleisteAktualisieren();
}

void Kurvengrafik::ZoomMarkierung() {
  ::ZoomMarkierung(satz_.ansicht, satz_.markierung);
  NeuZeichnen();
  BildlaufleisteAktualisieren();
}

void Kurvengrafik::AnsichtGesamtkurve() {
  ::AnsichtGesamtkurve(satz_);
  NeuZeichnen();
  BildlaufleisteAktualisieren();
}

void Kurvengrafik::YZoomKurven(double min, double max) {
  if (YZoomSetzen(satz_, konfig_, min, max))
    NeuZeichnen();
  else
    emit felderAnzeigen(KurvenfelderBerechnen(satz_, konfig_));
}

void Kurvengrafik::VorschauZeigen(const Linienzug& zug) {
  DatenSetzen(vorschau_, zug);
  graph_->replot(QCustomPlot::rpQueuedReplot);
}

void Kurvengrafik::VorschauEntfernen() {
  vorschau_->data()->clear();
  graph_->replot(QCustomPlot::rpQueuedReplot);
}

void Kurvengrafik::GeradeHervorheben(int segment) {
  DatenSetzen(hervorhebung_, Geradenlinie(satz_.aktuelleKurve(), segment));
  graph_->replot(QCustomPlot::rpQueuedReplot);
}

void Kurvengrafik::HervorhebungEntfernen() {
  hervorhebung_->data()->clear();
  graph_->replot(QCustomPlot::rpQueuedReplot);
}

bool Kurvengrafik::eventFilter(QObject* objekt, QEvent* ereignis) {
  // The data are computed for the graphs' widths; a new width needs new columns.
  if (ereignis->type() == QEvent::Resize && (objekt == graph_ || objekt == klein_)) DatenZeichnen();
  return QObject::eventFilter(objekt, ereignis);
}
