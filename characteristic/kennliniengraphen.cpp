#include "characteristic/kennliniengraphen.h"

#include <qcustomplot.h>

#include <QEvent>
#include <new>

#include "base/dialoge.h"
#include "ui/einheitenticker.h"
#include "ui/grafikbildlauf.h"
#include "ui/grafikcursor.h"
#include "ui/grafikplot.h"

KennlinienGraphen::KennlinienGraphen(Kennlinienzustand& zustand, const Konfiguration& konfig,
                                     Dialoge& dialoge, QWidget* eltern)
    : QObject(eltern),
      zustand_(zustand),
      konfig_(konfig),
      dialoge_(dialoge),
      graph_(new Grafikplot(eltern)),
      klein_(new Grafikplot(eltern)),
      bildlauf_(new Grafikbildlauf(graph_)),
      cursor_(new Grafikcursor(graph_)),
      xTicker_(new Einheitenticker),
      yTicker_(new Einheitenticker) {
  GraphenEinrichten();
  connect(bildlauf_, &Grafikbildlauf::bildlaufBeendet, this, &KennlinienGraphen::Bildlaufende);
  graph_->installEventFilter(this);
  klein_->installEventFilter(this);
}

void KennlinienGraphen::GraphenEinrichten() {
  graph_->setObjectName("GRAPH");
  klein_->setObjectName("GRAPHKLEIN");
  GraphGrundeinrichten(graph_);
  GraphGrundeinrichten(klein_);
  graph_->xAxis->setTicker(xTicker_);
  graph_->yAxis->setTicker(yTicker_);
  klein_->xAxis->setTicker(xTicker_);
  klein_->yAxis->setTickLabels(false);
  // Room below the X axis for the scroll bar laid over the graph's bottom edge.
  graph_->plotLayout()->setMargins(QMargins(0, 0, 0, bildlauf_->sizeHint().height()));

  linien_ = Plottable(graph_, kGrafikRot);
  ergaenzung_ = Plottable(graph_, kGrafikHellrot);
  stufen_ = Plottable(graph_, kGrafikBlau);
  ergaenzungsstufen_ = Plottable(graph_, kGrafikHellblau);
  punkte_ = Plottable(graph_, kGrafikRot);
  punkte_->setLineStyle(QCPGraph::lsNone);
  punkte_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, QColor(kGrafikRot), 5));
  vorschau_ = Plottable(graph_, kGrafikRot);
  vorschaupunkt_ = Plottable(graph_, kGrafikRot);
  vorschaupunkt_->setLineStyle(QCPGraph::lsNone);
  vorschaupunkt_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, QColor(kGrafikRot), 8));
  uebersicht_ = Plottable(klein_, kGrafikBlau);
  klein_->xAxis->setRange(0, kKennlRohMax);
}

Plotgroesse KennlinienGraphen::PlotGroesse() const {
  const QRect flaeche = graph_->axisRect()->rect();
  return {static_cast<double>(flaeche.width()), static_cast<double>(flaeche.height())};
}

void KennlinienGraphen::NeuZeichnen(int darstellung) {
  darstellung_ = darstellung;
  vorschau_->data()->clear();
  vorschaupunkt_->data()->clear();
  AchsenSetzen();
  DatenZeichnen();
  emit felderAnzeigen(Felder());
}

void KennlinienGraphen::NeuZeichnen() {
  NeuZeichnen(darstellung_);
}

void KennlinienGraphen::AchsenSetzen() {
  const Kennlachsen achsen = KennlAchsenBerechnen(zustand_, konfig_);
  xTicker_->Setzen(achsen.x.verstaerkung, achsen.x.versatz);
  yTicker_->Setzen(achsen.y.verstaerkung, achsen.y.versatz);
  graph_->xAxis->setLabel(QString::fromStdString("Eingang 1 [" + achsen.x.einheit + "]"));
  graph_->yAxis->setLabel(QString::fromStdString("Ausgang 1 [" + achsen.y.einheit + "]"));
  graph_->yAxis->setRange(achsen.yMin, achsen.yMax);
}

void KennlinienGraphen::DatenZeichnen() {
  try {
    daten_ = KennliniengrafikBerechnen(zustand_, darstellung_, Spalten(graph_), Spalten(klein_));
  } catch (const std::bad_alloc&) {
    daten_ = Kennliniengrafik{};
    dialoge_.MessagePopup("Fehler", "Speicherreservierung fehlgeschlagen");
  }
  graph_->xAxis->setRange(zustand_.gKennlAnsichtStart, zustand_.gKennlAnsichtEnde + 1);
  DatenSetzen(linien_, daten_.linien);
  DatenSetzen(ergaenzung_, daten_.ergaenzung);
  DatenSetzen(stufen_, daten_.stufen);
  DatenSetzen(ergaenzungsstufen_, daten_.ergaenzungsstufen);
  DatenSetzen(punkte_, daten_.punkte);
  DatenSetzen(uebersicht_, daten_.uebersicht);
  // The mark first, then the visible section on top of it.
  MarkierungZeichnen();
  Entfernen(rahmen_);
  rahmen_ =
      Rechteck(klein_, kGrafikRot, zustand_.gKennlAnsichtStart, zustand_.gKennlAnsichtEnde + 1);
  klein_->replot(QCustomPlot::rpQueuedReplot);
}

void KennlinienGraphen::SkaliereYAchse() {
  AchsenSetzen();
  graph_->replot(QCustomPlot::rpQueuedReplot);
  emit felderAnzeigen(Felder());
}

Kennlfelder KennlinienGraphen::Felder() const {
  return {KennlAchsenBerechnen(zustand_, konfig_), KennlBegrenzungsfeld(konfig_)};
}

void KennlinienGraphen::MarkierungZeichnen() {
  AlleEntfernen(markierung_);
  if (zustand_.gKennlMarkiert)
    for (QCustomPlot* plot : {graph_, klein_})
      markierung_.emplace_back(
          Rechteck(plot, kGrafikGruen, zustand_.gKennlMarkStart, zustand_.gKennlMarkEnde));
  graph_->replot(QCustomPlot::rpQueuedReplot);
  klein_->replot(QCustomPlot::rpQueuedReplot);
}

void KennlinienGraphen::BildlaufleisteAktualisieren() {
  const Bildlaufstand stand = KennlBildlauf(zustand_);
  bildlauf_->Setzen(stand.seite, stand.position);
}

void KennlinienGraphen::Bildlaufende(int position) {
  KennlBildlaufEnde(zustand_, position);
  DatenZeichnen();
  emit ansichtGeaendert();
}

void KennlinienGraphen::Zoom(KennlZoomArt art) {
  KennlZoom(zustand_, art);
  if (art == KennlZoomArt::ALLESMARKIEREN) return MarkierungZeichnen();
  NeuZeichnen();
  BildlaufleisteAktualisieren();
}

void KennlinienGraphen::YZoom(double min, double max) {
  if (KennlYZoomSetzen(zustand_, konfig_, min, max))
    NeuZeichnen();
  else
    emit felderAnzeigen(Felder());
}

void KennlinienGraphen::VorschauZeigen(const Linienzug& zug, const Linienzug& punkt) {
  DatenSetzen(vorschau_, zug);
  DatenSetzen(vorschaupunkt_, punkt);
  graph_->replot(QCustomPlot::rpQueuedReplot);
}

void KennlinienGraphen::VorschauEntfernen() {
  vorschau_->data()->clear();
  vorschaupunkt_->data()->clear();
  graph_->replot(QCustomPlot::rpQueuedReplot);
}

bool KennlinienGraphen::eventFilter(QObject* objekt, QEvent* ereignis) {
  // The data are computed for the graphs' widths; a new width needs new columns.
  if (ereignis->type() == QEvent::Resize && (objekt == graph_ || objekt == klein_)) DatenZeichnen();
  return QObject::eventFilter(objekt, ereignis);
}
