#pragma once
// The characteristic panel's two graphs: GRAPH shows the characteristic in the view window with
// X in the unit of input 1 and Y in the unit of output 1, the mark, the cursor, the previews of
// the tools and the scroll bar; GRAPHKLEIN shows the whole X range 0..4095 with a red frame
// around the visible section. The data come from KennliniengrafikBerechnen at the graphs' pixel
// widths, a fixed handful of plottables per graph.

#include <QObject>
#include <QPointer>
#include <QSharedPointer>

#include "characteristic/kennlinienansicht.h"
#include "characteristic/kennliniengrafik.h"
#include "characteristic/kennlinienpanelini.h"
#include "editor/naechsterpunkt.h"

class Dialoge;
class Einheitenticker;
class Grafikbildlauf;
class Grafikcursor;
class QCPAbstractItem;
class QCPGraph;
class QCustomPlot;
class QWidget;

// What the panel's fields show after a redraw or a change of the configuration.
struct Kennlfelder {
  Kennlachsen achsen;
  Begrenzungsfeld begrenzung;
};

class KennlinienGraphen : public QObject {
  Q_OBJECT
 public:
  // Creates both graphs as children of eltern, which owns them. konfig is read at every drawing.
  KennlinienGraphen(Kennlinienzustand& zustand, const Konfiguration& konfig, Dialoge& dialoge,
                    QWidget* eltern);

  QCustomPlot* Graph() const { return graph_; }                 // GRAPH
  QCustomPlot* GraphKlein() const { return klein_; }            // GRAPHKLEIN
  Grafikbildlauf* Bildlaufleiste() const { return bildlauf_; }  // SCROLLBAR, over GRAPH
  Grafikcursor* Cursor() const { return cursor_; }
  // GRAPH's plot area in pixels, for the nearest-point search of the tools.
  Plotgroesse PlotGroesse() const;

  // The full redraw with the display mode 1..3, which later redraws keep; then felderAnzeigen.
  void NeuZeichnen(int darstellung);
  void NeuZeichnen();
  int Darstellung() const { return darstellung_; }
  const Kennliniengrafik& Daten() const { return daten_; }

  // Kennlinienpanel_SkaliereYAchse: the axes' scaling and names in the channel units, then
  // felderAnzeigen (also after a configuration change).
  void SkaliereYAchse();
  // The mark rectangles on both graphs, without a full redraw.
  void MarkierungZeichnen();
  // Page size and position from the view.
  void BildlaufleisteAktualisieren();
  // KennlZoom: the view changes, then redraw and scroll bar; "Alles Markieren" draws the mark
  // only.
  void Zoom(KennlZoomArt art);
  // YZoomKennl_Callback with the values of YZOOMMIN and YZOOMMAX in the unit of output 1: taken
  // bounds redraw; refused ones only emit felderAnzeigen, which restores both fields.
  void YZoom(double min, double max);

  // Preview of a tool (red): the line and the red dot at punkt; replaces the previous one.
  // Removed by VorschauEntfernen and by every full redraw.
  void VorschauZeigen(const Linienzug& zug, const Linienzug& punkt);
  void VorschauEntfernen();

 signals:
  void felderAnzeigen(const Kennlfelder& felder);
  // The view was moved by the scroll bar and both graphs are redrawn.
  void ansichtGeaendert();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void GraphenEinrichten();
  void AchsenSetzen();
  // Data of both graphs at their present widths: after a redraw, a scroll or a resize.
  void DatenZeichnen();
  void Bildlaufende(int position);
  Kennlfelder Felder() const;

  Kennlinienzustand& zustand_;
  const Konfiguration& konfig_;
  Dialoge& dialoge_;
  int darstellung_ = kKennlDarstellungStandard;
  Kennliniengrafik daten_;

  QCustomPlot* graph_;
  QCustomPlot* klein_;
  Grafikbildlauf* bildlauf_;
  Grafikcursor* cursor_;
  QSharedPointer<Einheitenticker> xTicker_;
  QSharedPointer<Einheitenticker> yTicker_;

  // GRAPH's plottables in drawing order; GRAPHKLEIN: the overview.
  QCPGraph* linien_ = nullptr;
  QCPGraph* ergaenzung_ = nullptr;
  QCPGraph* stufen_ = nullptr;
  QCPGraph* ergaenzungsstufen_ = nullptr;
  QCPGraph* punkte_ = nullptr;
  QCPGraph* vorschau_ = nullptr;
  QCPGraph* vorschaupunkt_ = nullptr;
  QCPGraph* uebersicht_ = nullptr;
  std::vector<QPointer<QCPAbstractItem>> markierung_;
  QPointer<QCPAbstractItem> rahmen_;
};
