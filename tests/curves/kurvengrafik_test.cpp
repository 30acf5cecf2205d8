// The curve graphs under Qt Test, offscreen: what the plottables hold, the pictures of the
// promised cases, the cursor, the scroll bar and the fields the panel shows.

#include "curves/kurvengrafik.h"

#include <qcustomplot.h>

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "tests/curves/stresskurven.h"
#include "tests/support/skriptdialoge.h"
#include "ui/grafikbildlauf.h"
#include "ui/grafikcursor.h"

namespace {

struct Umgebung {
  Kurvensatz satz;
  Konfiguration konfig;
  SkriptDialoge dialoge;
  QWidget fenster;
  Kurvengrafik grafik{satz, konfig, dialoge, &fenster};
  std::vector<Kurvenfelder> felder;

  Umgebung() {
    auto* layout = new QVBoxLayout(&fenster);
    layout->addWidget(grafik.Graph(), 4);
    layout->addWidget(grafik.GraphKlein(), 1);
    fenster.resize(1200, 800);
    fenster.show();
    QObject::connect(&grafik, &Kurvengrafik::felderAnzeigen,
                     [this](const Kurvenfelder& f) { felder.push_back(f); });
  }
  QCPGraph* Plottable(QCustomPlot* plot, QRgb farbe) {
    for (int i = 0; i < plot->graphCount(); ++i)
      if (plot->graph(i)->pen().color().rgb() == (farbe | 0xFF000000u)) return plot->graph(i);
    qFatal("no plottable of colour %06x", farbe);
  }
  QCPGraph* Stufen() { return Plottable(grafik.Graph(), 0x0000FF); }
  // Pixels of a colour in a rendering of the graph.
  static int Pixel(QCustomPlot* plot, QRgb farbe) {
    const QImage bild = plot->toPixmap(plot->width(), plot->height()).toImage();
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
      for (int x = 0; x < bild.width(); ++x) n += (bild.pixel(x, y) & 0xFFFFFF) == farbe;
    return n;
  }
  template <class T>
  static int Elemente(QCustomPlot* plot) {
    int n = 0;
    for (int i = 0; i < plot->itemCount(); ++i) n += qobject_cast<T*>(plot->item(i)) != nullptr;
    return n;
  }
};

}  // namespace

class KurvengrafikTest : public QObject {
  Q_OBJECT
 private slots:
  void WenigePunkteJePlottableBeiSchwerenKurven();
  void BildpufferWieGemalt();
  void AnsichtHinterDemEndeUndStufen();
  void YAchseInDerEinheitUndYZoom();
  void CursorMeldetZiehenUndLoslassen();
  void BildlaufErstAmEndeDerAktion();
  void MarkierungMarkenVorschauUndZoom();
  void ZeitachsenInDerPassendenEinheit();
};

void KurvengrafikTest::WenigePunkteJePlottableBeiSchwerenKurven() {
  for (Kurvensatz satz : {LangeKurven(), GeleseneKurve()}) {
    Umgebung u;
    u.satz = satz;
    AnsichtGesamtkurve(u.satz);
    u.grafik.KurvengrafikNeuZeichnen({3, {true, true, true, true}, true});
    for (QCustomPlot* plot : {u.grafik.Graph(), u.grafik.GraphKlein()}) {
      const int grenze = 4 * plot->width() + 8;
      for (int i = 0; i < plot->graphCount(); ++i)
        QVERIFY2(plot->graph(i)->dataCount() <= grenze, qPrintable(QString::number(i)));
    }
    QCOMPARE(u.grafik.Graph()->graphCount(), 12);
    QCOMPARE(u.grafik.GraphKlein()->graphCount(), 1);
    QVERIFY(u.Stufen()->dataCount() > 100);
    QVERIFY(u.Plottable(u.grafik.GraphKlein(), 0x0000FF)->dataCount() > 100);
    QVERIFY(Umgebung::Elemente<QCPItemText>(u.grafik.Graph()) <=
            u.grafik.Graph()->width() / 40 + 2);

    // A narrower graph gets fewer columns.
    u.grafik.Graph()->resize(300, 400);
    QVERIFY(u.Stufen()->dataCount() <= 4 * 300 + 8);
  }
}

void KurvengrafikTest::BildpufferWieGemalt() {
  // The runs written straight into the graph's image buffer give the picture the painter gives
  // (toPixmap paints without those buffers), for dense and for sparse curves.
  for (Kurvensatz satz : {LangeKurven(), GeleseneKurve()}) {
    Umgebung u;
    u.satz = satz;
    AnsichtGesamtkurve(u.satz);
    const double dauer = Kurvendauer(u.satz.aktuelleKurve());
    for (const Ansicht ansicht : {u.satz.ansicht, Ansicht{dauer / 2, dauer / 2 + dauer / 500}}) {
      u.satz.ansicht = ansicht;
      u.grafik.KurvengrafikNeuZeichnen({3, {true, true, true, true}, false});
      QCustomPlot* plot = u.grafik.Graph();
      plot->replot(QCustomPlot::rpImmediateRefresh);
      const QRect flaeche = plot->axisRect()->rect();
      const QImage gepuffert = plot->grab(flaeche).toImage().convertToFormat(QImage::Format_RGB32);
      const QImage gemalt = plot->toPixmap(plot->width(), plot->height())
                                .toImage()
                                .copy(flaeche)
                                .convertToFormat(QImage::Format_RGB32);
      QCOMPARE(gepuffert, gemalt);
      QVERIFY(Umgebung::Pixel(plot, 0x0000FF) > 500);
    }
  }
}

void KurvengrafikTest::AnsichtHinterDemEndeUndStufen() {
  Umgebung u;
  u.satz.aktuelleKurve().punkte = {{100, 2, 4}, {3000, 1, 4}};
  u.satz.ansicht = {40000, 49999};
  u.grafik.KurvengrafikNeuZeichnen({});
  QCOMPARE(Umgebung::Pixel(u.grafik.Graph(), 0xFF0000), 0);
  QCOMPARE(Umgebung::Pixel(u.grafik.Graph(), 0x0000FF), 0);
  QVERIFY(Umgebung::Pixel(u.grafik.GraphKlein(), 0x0000FF) > 100);
  QCOMPARE(u.grafik.GraphKlein()->xAxis->range().upper, 30000.0);
  QCOMPARE(u.grafik.Graph()->xAxis->range().lower, 40000.0);
  QCOMPARE(u.grafik.Graph()->xAxis->range().upper, 50000.0);

  // "Stufen": a segment of laenge 4 from 0 to 4095 in blue, its closing segment light blue.
  u.satz.aktuelleKurve().punkte = {{0, 4, 9}, {4095, 1, 9}};
  u.satz.ansicht = {0, 1249};
  u.grafik.KurvengrafikNeuZeichnen({2});
  QCOMPARE(u.Stufen()->dataCount(), 9);
  QCOMPARE(u.Plottable(u.grafik.Graph(), 0x9696FF)->dataCount(), 3);
  QCOMPARE(u.Plottable(u.grafik.Graph(), 0xFF0000)->dataCount(), 0);  // no lines in mode 2
  QVERIFY(Umgebung::Pixel(u.grafik.Graph(), 0x0000FF) > 100);
  QVERIFY(Umgebung::Pixel(u.grafik.Graph(), 0x9696FF) > 100);
}

void KurvengrafikTest::YAchseInDerEinheitUndYZoom() {
  Umgebung u;
  u.konfig.outskalamax[0] = 100;  // 0..10 V shown as 0..100 "bar"
  u.konfig.outeinheit[0] = "bar";
  u.satz.gRuhezustand[0] = 4095;
  u.grafik.KurvengrafikNeuZeichnen({});
  QCPAxis* y = u.grafik.Graph()->yAxis;
  QCOMPARE(y->label(), QString("bar"));
  QCOMPARE(y->range().lower, 0.0);
  QCOMPARE(y->range().upper, 4095.0);
  u.grafik.Graph()->replot();
  const QVector<double> ticks = y->tickVector();
  const QVector<QString> texte = y->tickVectorLabels();
  QVERIFY(ticks.size() >= 3);
  for (int i = 0; i < ticks.size(); ++i)
    QVERIFY(qAbs(texte[i].toDouble() - ticks[i] * 100 / 4095) < 1e-9);
  QVERIFY(texte.contains("60"));
  QCOMPARE(u.felder.size(), std::size_t{1});
  QCOMPARE(u.felder[0].ruhezustandBeschriftung, std::string("Ruhezustand [bar]"));
  QCOMPARE(u.felder[0].ruhezustand, 100.0);
  QCOMPARE(u.felder[0].yZoomMax, 100.0);
  QCOMPARE(u.felder[0].speicher.farbe, 0xC0C0C0u);

  u.grafik.YZoomKurven(25, 50);
  QCOMPARE(y->range().lower, 1023.0);
  QCOMPARE(y->range().upper, 2047.0);
  QCOMPARE(u.felder.size(), std::size_t{2});
  u.grafik.YZoomKurven(60, 50);  // refused: both fields show the stored bounds again
  QCOMPARE(u.felder.size(), std::size_t{3});
  QCOMPARE(u.felder.back().yZoomMin, 1023 * 100.0 / 4095);
  QCOMPARE(u.felder.back().yZoomMax, 2047 * 100.0 / 4095);
  QCOMPARE(y->range().upper, 2047.0);

  // A configuration change reaches the axis through the Y-axis scaling alone.
  u.konfig.outeinheit[0] = "mbar";
  u.grafik.Kurvenpanel_SkaliereYAchse();
  QCOMPARE(y->label(), QString("mbar"));
  QCOMPARE(u.felder.back().einheit, std::string("mbar"));
}

void KurvengrafikTest::CursorMeldetZiehenUndLoslassen() {
  Umgebung u;
  u.grafik.KurvengrafikNeuZeichnen({});
  QCustomPlot* plot = u.grafik.Graph();
  plot->replot();
  QSignalSpy aenderung(u.grafik.Cursor(), &Grafikcursor::wertGeaendert);
  QSignalSpy commit(u.grafik.Cursor(), &Grafikcursor::uebernommen);
  const QRect flaeche = plot->axisRect()->rect();
  const QPoint a = flaeche.center();
  const QPoint b = a + QPoint(40, -30);
  QTest::mousePress(plot, Qt::LeftButton, {}, a);
  QCOMPARE(aenderung.size(), 1);
  QCOMPARE(aenderung[0][0].toDouble(), plot->xAxis->pixelToCoord(a.x()));
  QCOMPARE(aenderung[0][1].toDouble(), plot->yAxis->pixelToCoord(a.y()));
  QTest::mouseMove(plot, b);
  QCOMPARE(aenderung.size(), 2);
  QCOMPARE(commit.size(), 0);
  QTest::mouseRelease(plot, Qt::LeftButton, {}, b);
  QCOMPARE(commit.size(), 1);
  QCOMPARE(commit[0][0].toDouble(), plot->xAxis->pixelToCoord(b.x()));

  // Dragged beyond the plot area, the cursor stays on the axis ranges.
  QTest::mousePress(plot, Qt::LeftButton, {}, a);
  QTest::mouseRelease(plot, Qt::LeftButton, {}, QPoint(plot->width() - 1, 0));
  QCOMPARE(commit[1][0].toDouble(), 10001.0);
  QCOMPARE(commit[1][1].toDouble(), 4095.0);
  // A click outside the plot area is no cursor action.
  QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(1, 1));
  QCOMPARE(commit.size(), 2);
  QVERIFY(u.grafik.PlotGroesse().breite > 100);
}

void KurvengrafikTest::BildlaufErstAmEndeDerAktion() {
  Umgebung u;
  u.satz.aktuelleKurve().punkte = {{0, 10, 4}};  // 100000 us
  u.satz.ansicht = {25000, 34999};
  u.grafik.KurvengrafikNeuZeichnen({});
  u.grafik.BildlaufleisteAktualisieren();
  Grafikbildlauf* leiste = u.grafik.Bildlaufleiste();
  QCOMPARE(leiste->Seite(), 10);
  QCOMPARE(leiste->value(), 27);
  QCOMPARE(leiste->parentWidget(), u.grafik.Graph());
  QCOMPARE(leiste->geometry().bottom(), u.grafik.Graph()->height() - 1);

  // A page step moves the view by about its width.
  QSignalSpy geaendert(&u.grafik, &Kurvengrafik::ansichtGeaendert);
  leiste->triggerAction(QAbstractSlider::SliderPageStepAdd);  // during the action: nothing
  QCOMPARE(leiste->value(), 38);
  QCOMPARE(u.satz.ansicht.gAnsichtStart, 25000.0);
  QTest::mouseRelease(leiste, Qt::LeftButton, {}, QPoint(2, 2));
  QCOMPARE(geaendert.size(), 1);
  QCOMPARE(u.satz.ansicht.gAnsichtStart, 34200.0);  // floor(38 * 90000 / 100 + 0.5)
  QCOMPARE(u.satz.ansicht.gAnsichtEnde, 44199.0);
  QCOMPARE(u.grafik.Graph()->xAxis->range().lower, 34200.0);

  QTest::keyClick(leiste, Qt::Key_Right);
  QCOMPARE(geaendert.size(), 2);
  QVERIFY(leiste->value() != 38);
  QCOMPARE(u.satz.ansicht.gAnsichtStart, leiste->value() * 900.0);
  // Releasing without an action, or setting the bar, moves nothing.
  QTest::mouseRelease(leiste, Qt::LeftButton, {}, QPoint(2, 2));
  u.grafik.BildlaufleisteAktualisieren();
  QCOMPARE(geaendert.size(), 2);

  // The thumb takes the visible share of the bar, for every page size; the whole range
  // visible fills it.
  for (int seite = 1; seite <= 100; ++seite) {
    leiste->Setzen(seite, 50);
    const double anteil =
        double(leiste->pageStep()) / (leiste->maximum() - leiste->minimum() + leiste->pageStep());
    QVERIFY2(qAbs(anteil - seite / 100.0) < 0.005, qPrintable(QString::number(seite)));
    QCOMPARE(leiste->value(), seite == 100 ? 0 : 50);
  }
  QCOMPARE(leiste->maximum(), leiste->minimum());
}

void KurvengrafikTest::MarkierungMarkenVorschauUndZoom() {
  Umgebung u;
  u.satz.aktuelleKurve().punkte = {{0, 4, 9}, {10, 1, 1}, {20, 2, 1}, {30, 1, 9}, {40, 1, 4}};
  u.grafik.AnsichtGesamtkurve();
  QCOMPARE(u.satz.ansicht.gAnsichtEnde, 14249.0);
  QCOMPARE(Umgebung::Elemente<QCPItemRect>(u.grafik.GraphKlein()), 1);  // the visible range
  QCOMPARE(Umgebung::Pixel(u.grafik.GraphKlein(), 0xFF0000) > 100, true);

  u.satz.markierung.gMarkierungAktiv = true;
  u.satz.markierung.gMarkierungStart = 1000;
  u.satz.markierung.gMarkierungEnde = 4000;
  u.grafik.MarkierungZeichnen();
  QCOMPARE(Umgebung::Elemente<QCPItemRect>(u.grafik.Graph()), 1);
  QCOMPARE(Umgebung::Elemente<QCPItemRect>(u.grafik.GraphKlein()), 2);
  QVERIFY(Umgebung::Pixel(u.grafik.Graph(), 0x008000) > 100);

  u.grafik.ZeitbasisMarkenZeichnen(true);
  QStringList texte;
  for (int i = 0; i < u.grafik.Graph()->itemCount(); ++i)
    if (auto* t = qobject_cast<QCPItemText*>(u.grafik.Graph()->item(i))) {
      texte << t->text();
      QCOMPARE(t->color(), QColor(0xFFFF00));
    }
  // The label of the marker at 4250 would cover the one at 4000.
  QCOMPARE(texte, (QStringList{"250us", "1ms", "250us"}));
  QCOMPARE(u.Plottable(u.grafik.Graph(), 0xFFFF00)->dataCount(), 9);
  u.grafik.ZeitbasisMarkenZeichnen(false);
  QCOMPARE(Umgebung::Elemente<QCPItemText>(u.grafik.Graph()), 0);

  u.grafik.VorschauZeigen(ZeichnenVorschaulinie(u.satz.aktuelleKurve(), 20000, 300));
  QCPGraph* vorschau = u.grafik.Graph()->graph(u.grafik.Graph()->graphCount() - 1);
  QCOMPARE(vorschau->dataCount(), 2);
  QCOMPARE(vorschau->pen().color(), QColor(0xFF0000));
  u.grafik.GeradeHervorheben(1);
  QCPGraph* hervor = u.grafik.Graph()->graph(u.grafik.Graph()->graphCount() - 2);
  QCOMPARE(hervor->dataCount(), 2);
  QCOMPARE(hervor->data()->at(1)->key, 2000.0);

  // "Zoom Markierung" zooms to the mark and ends it; the full redraw clears the previews.
  u.grafik.ZoomMarkierung();
  QCOMPARE(u.satz.ansicht.gAnsichtStart, 1000.0);
  QCOMPARE(u.satz.ansicht.gAnsichtEnde, 3999.0);
  QCOMPARE(Umgebung::Elemente<QCPItemRect>(u.grafik.Graph()), 0);
  QCOMPARE(vorschau->dataCount(), 0);
  QCOMPARE(hervor->dataCount(), 0);
  QCOMPARE(u.grafik.Bildlaufleiste()->Seite(), 21);  // 3000 of 14250
  u.grafik.ZoomPlus();
  QCOMPARE(u.grafik.Graph()->xAxis->range().lower, 1500.0);
  QVERIFY(!u.felder.empty());
}

void KurvengrafikTest::ZeitachsenInDerPassendenEinheit() {
  struct Fall {
    double ende;  // gAnsichtEnde; the view starts at 0
    QString titel;
    QString letzte;  // the last tick label
  };
  const Fall faelle[] = {{9999, "Zeit [ms]", "10"},
                         {9999999, "Zeit [s]", "10"},
                         {199999999, "Zeit [s]", "200"},
                         {7199999999, "Zeit [min]", "120"}};
  Umgebung u;
  // Curve 1 lasts 200 s: the overview reads in seconds whatever the view.
  u.satz.aktuelleKurve().punkte = {{0, 100, 8}, {4095, 100, 8}};
  for (const Fall& f : faelle) {
    u.satz.ansicht = {0, f.ende};
    u.grafik.KurvengrafikNeuZeichnen({});
    for (QCustomPlot* plot : {u.grafik.Graph(), u.grafik.GraphKlein()}) {
      plot->replot();
      const QVector<QString> texte = plot->xAxis->tickVectorLabels();
      QVERIFY(texte.size() >= 3);
      for (const QString& text : texte) QVERIFY2(!text.contains('e'), qPrintable(text));
      QVERIFY(plot->xAxis->tickLabels());
    }
    QCOMPARE(u.grafik.Graph()->xAxis->label(), f.titel);
    QCOMPARE(u.grafik.Graph()->xAxis->tickVectorLabels().last(), f.letzte);
    QCOMPARE(u.grafik.GraphKlein()->xAxis->label(), QString("Zeit [s]"));
  }

  // The time-base labels stay inside the plot area, clear of the tick labels below it, also
  // when the Y zoom leaves the raw value 0 out of sight.
  u.satz.aktuelleKurve().punkte = {{0, 4, 9}, {10, 1, 1}, {20, 2, 1}, {30, 1, 9}, {40, 1, 4}};
  u.satz.ansicht = {0, 9999};
  for (const auto& [min, max] : {std::pair{0, 4095}, {1000, 3000}}) {
    u.satz.gYZoomMin[0] = min;
    u.satz.gYZoomMax[0] = max;
    u.grafik.KurvengrafikNeuZeichnen({3, {}, true});
    u.grafik.Graph()->replot();
    QCPAxis* x = u.grafik.Graph()->xAxis;
    const QRect flaeche = u.grafik.Graph()->axisRect()->rect();
    int beschriftet = 0;
    for (int i = 0; i < u.grafik.Graph()->itemCount(); ++i)
      if (auto* text = qobject_cast<QCPItemText*>(u.grafik.Graph()->item(i))) {
        ++beschriftet;
        const QRectF rechteck(text->topLeft->pixelPosition(), text->bottomRight->pixelPosition());
        QVERIFY(flaeche.contains(rechteck.toAlignedRect()));
        // The text box includes its padding; the letters end above the inner tick marks.
        QVERIFY(rechteck.bottom() - text->padding().bottom() <=
                flaeche.bottom() - x->tickLengthIn());
      }
    QVERIFY(beschriftet >= 2);
  }
}

QTEST_MAIN(KurvengrafikTest)
#include "kurvengrafik_test.moc"
