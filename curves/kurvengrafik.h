#pragma once
// The curves panel's two graphs: GRAPH shows the current curve (and the background curves) over
// the visible range with its Y axis in the output's unit, the mark, the time-base markers, the
// cursor, the previews and the scroll bar; GRAPHKLEIN shows the whole current curve with a
// frame around the visible range. The data come from GrafikdatenBerechnen at the graphs' pixel
// widths, a fixed handful of plottables per graph.

#include <QObject>
#include <QPointer>
#include <QSharedPointer>
#include <vector>

#include "curves/grafikdaten.h"
#include "curves/kurvenansicht.h"

class Dialoge;
class Einheitenticker;
class Grafikbildlauf;
class Grafikcursor;
class QCPAbstractItem;
class QCPGraph;
class QCPItemRect;
class QCustomPlot;
class QWidget;

class Kurvengrafik : public QObject {
  Q_OBJECT
 public:
  // Creates both graphs as children of eltern, which must not be null and owns them (the panel
  // puts Graph() and GraphKlein() into its layout). dialoge shows "Speicherreservierung
  // fehlgeschlagen" should a drawing run out of memory. konfig is read at every drawing.
  Kurvengrafik(Kurvensatz& satz, const Konfiguration& konfig, Dialoge& dialoge, QWidget* eltern);

  QCustomPlot* Graph() const { return graph_; }                 // GRAPH
  QCustomPlot* GraphKlein() const { return klein_; }            // GRAPHKLEIN
  Grafikbildlauf* Bildlaufleiste() const { return bildlauf_; }  // SCROLLBAR, over GRAPH
  Grafikcursor* Cursor() const { return cursor_; }              // GRAPH's cursor
  // GRAPH's plot area in pixels, for the nearest-point search of the tools.
  Plotgroesse PlotGroesse() const;

  // KurvengrafikNeuZeichnen: both graphs anew from the model with the panel's display choice,
  // then felderAnzeigen. Remembers the choice for later redraws (scrolling, resizing).
  void KurvengrafikNeuZeichnen(const Kurvendarstellung& darstellung);
  // The same with the last choice.
  void NeuZeichnen();
  const Kurvendarstellung& Darstellung() const { return darstellung_; }
  // What the last redraw handed to the graphs.
  const Grafikdaten& Daten() const { return daten_; }

  // Kurvenpanel_SkaliereYAchse: GRAPH's Y range and unit labels for the current curve, then
  // felderAnzeigen (also after a configuration change).
  void Kurvenpanel_SkaliereYAchse();
  // MarkierungZeichnen: the mark rectangles in both graphs, without a full redraw.
  void MarkierungZeichnen();
  // ZeitbasisMarkenZeichnen: shows (an) or removes the time-base markers without a full
  // redraw; the choice holds for later redraws.
  void ZeitbasisMarkenZeichnen(bool an);
  // BildlaufleisteAktualisieren: page size and position from the view.
  void BildlaufleisteAktualisieren();

  // "Zoom +", "Zoom -", "Zoom Markierung", "Zoom Gesammtkurve": each changes the view, redraws
  // and updates the scroll bar.
  void ZoomPlus();
  void ZoomMinus();
  void ZoomMarkierung();
  void AnsichtGesamtkurve();
  // YZoomKurven_Callback with the values of YZOOMMIN and YZOOMMAX in the unit: taken bounds
  // redraw; refused ones only emit felderAnzeigen, which restores both fields.
  void YZoomKurven(double min, double max);

  // Preview of drawing or moving (0xFF0000), e.g. ZeichnenVorschaulinie or
  // VerschiebenVorschaulinie; replaces the previous one. Removed by VorschauEntfernen and by
  // every full redraw.
  void VorschauZeigen(const Linienzug& zug);
  void VorschauEntfernen();
  // Highlight (0xFFFF00) of segment i of the current curve while the length dialog is open.
  void GeradeHervorheben(int segment);
  void HervorhebungEntfernen();

 signals:
  // After every full redraw and Y-axis scaling: what YZOOMMIN, YZOOMMAX, the RUHEZUSTAND label
  // and value, ZYKLEN and SPEICHERBEDARF show.
  void felderAnzeigen(const Kurvenfelder& felder);
  // The view was moved by the scroll bar and both graphs are redrawn.
  void ansichtGeaendert();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void GraphenEinrichten();
  // Data of both graphs at their present widths, without the fields: after a redraw, a scroll,
  // a resize or a change of the time-base markers.
  void DatenZeichnen();
  void YAchseSetzen();
  void MarkenUebergeben();
  void Bildlaufende(int position);

  Kurvensatz& satz_;
  const Konfiguration& konfig_;
  Dialoge& dialoge_;
  Kurvendarstellung darstellung_;
  Grafikdaten daten_;

  QCustomPlot* graph_;
  QCustomPlot* klein_;
  Grafikbildlauf* bildlauf_;
  Grafikcursor* cursor_;
  QSharedPointer<Einheitenticker> ticker_;

  // GRAPH's plottables, in drawing order: background curves, lines, closing line, staircase,
  // closing staircase, points, marker lines, highlight, preview; GRAPHKLEIN: the overview.
  std::array<QCPGraph*, kKurvenAnzahl> hintergrund_{};
  QCPGraph* linien_ = nullptr;
  QCPGraph* schlusslinie_ = nullptr;
  QCPGraph* stufen_ = nullptr;
  QCPGraph* schlussstufen_ = nullptr;
  QCPGraph* punkte_ = nullptr;
  QCPGraph* markenlinien_ = nullptr;
  QCPGraph* hervorhebung_ = nullptr;
  QCPGraph* vorschau_ = nullptr;
  QCPGraph* uebersicht_ = nullptr;
  // Items a redraw replaces: the time-base labels, the mark rectangles, the overview frame.
  std::vector<QPointer<QCPAbstractItem>> markentexte_;
  std::vector<QPointer<QCPAbstractItem>> markierung_;
  QPointer<QCPAbstractItem> rahmen_;
};
