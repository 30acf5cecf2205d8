#pragma once
// The curves panel's two graphs: GRAPH shows the current curve (and the background curves) over
// the visible range with its Y axis in the output's unit, the mark, the time-base markers, the
// cursor, the previews and the scroll bar; GRAPHKLEIN shows the whole current curve with a
// frame around the visible range. The data come from GrafikdatenBerechnen at the graphs' pixel
// widths, a fixed handful of plottables per graph.

#include <QObject>
#include <QPointer>
#include <vector>

#include "curves/grafikdaten.h"
#include "curves/kurvenansicht.h"

class Dialoge;
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
  // Creates both graphs as children of eltern (the panel puts Graph() and GraphKlein() into its
  // layout). dialoge shows "Speicherreservierung fehlgeschlagen" should a drawing run out of
  // memory. konfig is read at every drawing.
  Kurvengrafik(Kurvensatz& satz, const Konfiguration& konfig, Dialoge& dialoge, QWidget* eltern);
  ~Kurvengrafik() override;

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
  void DatenUebergeben();
  void MarkenUebergeben();
  void Bildlaufende(int position);
  QCPGraph* Linie(QCustomPlot* plot, unsigned farbe);
  void ElementeEntfernen(std::vector<QPointer<QCPAbstractItem>>& elemente);
  QCPItemRect* Rechteck(QCustomPlot* plot, unsigned farbe, double x0, double x1);
  void Ersetzen();

  Kurvensatz& satz_;
  const Konfiguration& konfig_;
  Dialoge& dialoge_;
  Kurvendarstellung darstellung_;
  Grafikdaten daten_;

  QCustomPlot* graph_;
  QCustomPlot* klein_;
  Grafikbildlauf* bildlauf_;
  Grafikcursor* cursor_;

  // GRAPH's plottables: background curves, lines, closing line, staircase, closing staircase,
  // points, marker lines, preview, highlight; GRAPHKLEIN: the overview.
  std::array<QCPGraph*, kKurvenAnzahl> hintergrund_{};
  QCPGraph* linien_ = nullptr;
  QCPGraph* schlusslinie_ = nullptr;
  QCPGraph* stufen_ = nullptr;
  QCPGraph* schlussstufen_ = nullptr;
  QCPGraph* punkte_ = nullptr;
  QCPGraph* markenlinien_ = nullptr;
  QCPGraph* vorschau_ = nullptr;
  QCPGraph* hervorhebung_ = nullptr;
  QCPGraph* uebersicht_ = nullptr;
  // Items that a redraw replaces: the time-base labels, the mark rectangles, the overview frame.
  std::vector<QPointer<QCPAbstractItem>> markentexte_;
  std::vector<QPointer<QCPAbstractItem>> markierung_;
  QPointer<QCPAbstractItem> rahmen_;
};
