// The characteristic panel under Qt Test, offscreen, on the in-process simulated line.

#include <qcustomplot.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <functional>
#include <random>

#include "characteristic/kennlinienabbild.h"
#include "characteristic/kennliniengraphen.h"
#include "characteristic/kennlinienpanel.h"
#include "characteristic/kennlinienpanelini.h"
#include "tests/device/skriptport.h"
#include "tests/support/panelbedienung.h"
#include "tests/support/testshell.h"
#include "tests/support/testzugang.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/grafikbildlauf.h"
#include "ui/werkzeugleiste.h"

namespace {

using Zugang = Testzugang;

// The pixel of GRAPH at raw X and Y.
QPoint Pixel(QCustomPlot* graph, double x, double y) {
  return {qRound(graph->xAxis->coordToPixel(x)), qRound(graph->yAxis->coordToPixel(y))};
}

// One characteristic panel in a shown window of the main window's start size, initialised.
struct Umgebung : Panelbedienung<KennlinienPanel> {
  static constexpr int kBreite = 1280;
  static constexpr int kHoehe = 680;
  TestShell shell;
  Simlinie linie;
  Zugang zugang{linie.ports};
  Kennlinienzustand zustand;
  Konfigzustand konfig{shell.dialoge};

  // einstellungen: the settings file's text, read before the panel is initialised.
  explicit Umgebung(const std::string& einstellungen = "") {
    shell.fenster.resize(kBreite, kHoehe);
    panel = new KennlinienPanel(shell.dienste, zustand, konfig, zugang, &shell.fenster);
    panel->setGeometry(0, 0, kBreite, kHoehe);
    IniDatei ini = Ini_New(true);
    Ini_ParseText(ini, einstellungen);
    KennlinienAbschnitt(panel->Darstellung()).lesen(ini);
    if (panel->KennlinienpanelInit() != 0) qFatal("KennlinienpanelInit failed");
    shell.fenster.show();
    if (!QTest::qWaitForWindowExposed(&shell.fenster)) qFatal("window not shown");
    QApplication::setActiveWindow(&shell.fenster);
    Graph()->setFocus();
  }

  void Klicken(const char* name) {
    QTest::mouseClick(panel->Leiste()->KnopfWidget(Aktion(name)), Qt::LeftButton);
  }
  QCustomPlot* Graph() { return panel->Grafik().Graph(); }

  // A left click on GRAPH at raw X and Y.
  void GraphKlicken(double x, double y) {
    Graph()->replot();
    QTest::mouseClick(Graph(), Qt::LeftButton, Qt::NoModifier, Pixel(Graph(), x, y));
  }
  QString Hilfetext() {
    auto* popup = shell.fenster.findChild<QFrame*>("Hilfetext");
    return popup ? popup->findChild<QLabel*>()->text() : QString();
  }
  void HilfeSchliessen() { QTest::mouseClick(panel, Qt::LeftButton); }
};

QStringList Texte(const QList<QAction*>& aktionen) {
  QStringList texte;
  for (QAction* a : aktionen) texte << (a->isSeparator() ? QString("-") : a->text());
  return texte;
}

}  // namespace

class KennlinienpanelTest : public QObject {
  Q_OBJECT

 private slots:
  void AufbauMenuesUndLeiste() {
    Umgebung u;
    QCOMPARE(u.panel->Titel(), QString("Kennlinienregler"));
    QMenuBar* leiste = u.panel->Menueleiste();
    QCOMPARE(Texte(leiste->actions()),
             QStringList({"Datei", "Bearbeiten", "Ansicht", "Fenster", "Hilfe"}));
    QCOMPARE(
        Texte(leiste->actions()[0]->menu()->actions()),
        QStringList({"Neu", "Kennlinie laden", "Kennlinie speichern", "Kennlinie speichern unter",
                     "Kennlinie importieren", "Kennlinie exportieren", "-", "Beenden"}));
    QCOMPARE(Texte(leiste->actions()[1]->menu()->actions()),
             QStringList({"Alles Markieren", "Rückgängig", "Wiederherstellen", "-", "Markieren",
                          "Punkt zeichnen", "Punkt verschieben", "Punktkoordinaten ändern",
                          "Koordinaten anzeigen", "Punkt auflösen", "Gerade teilen", "-", "Zoom +",
                          "Zoom -", "Zoom Markierung", "Zoom Gesammtkurve"}));
    QCOMPARE(Texte(u.panel->FensterMenue()->actions()),
             QStringList({"Hauptfenster", "COM-Einstellung", "Konfiguration",
                          "Direkte Ein-/Ausgabe", "Kurvengenerator", "Kennlinienregler"}));
    QCOMPARE(Texte(leiste->actions()[4]->menu()->actions()),
             QStringList({"Direkthilfe", "PWC-2 Pinbelegung"}));

    // The toolbar in its order, the display buttons only showing the mode.
    QStringList tips;
    for (QAction* a : u.panel->Leiste()->actions()) tips << (a->isSeparator() ? "-" : a->toolTip());
    QCOMPARE(tips, QStringList({"Neu",
                                "Kennlinie Laden",
                                "Kennlinie Speichern",
                                "-",
                                "Rückgängig",
                                "Wiederherstellen",
                                "-",
                                "Markieren",
                                "Punkt zeichnen",
                                "Punkt verschieben",
                                "Punktkoordinaten zeigen/ändern",
                                "Koordinaten anzeigen",
                                "Punkt auflösen",
                                "Gerade teilen",
                                "-",
                                "Zoom +",
                                "Zoom -",
                                "Zoom Markierung",
                                "Zoom Gesammtkurve",
                                "-",
                                "Kurven als Linien + Stufen darstellen",
                                "Kurven als Linien darstellen",
                                "Kurven als Stufen darstellen",
                                "-",
                                "Direkthilfe"}));
    QVERIFY(u.panel->Leiste()->Vollstaendig());
    QVERIFY(u.Gedrueckt("MARKIEREN"));
    QVERIFY(u.Gedimmt("RUECKGAENGIG") && u.Gedimmt("WIEDERHERST"));
    QVERIFY(u.Gedimmt("LINST") && u.Gedrueckt("LINST"));
    QCOMPARE(u.Teil<QSpinBox>("KURVENNR")->maximum(), 7);
    QCOMPARE(u.Teil<QLabel>("Titel")->text(), QString("Kennlinienregler"));

    // The field of output 2 is labelled with its unit and limited to its unit range.
    u.konfig.KonfigurationSetzen([] {
      Konfiguration k;
      k.outskalamax[1] = 50;
      k.outeinheit[1] = "A";
      k.ineinheit[0] = "°C";
      k.outeinheit[0] = "bar";
      return k;
    }());
    u.panel->Kennlinienpanel_SkaliereYAchse();
    QCOMPARE(u.Teil<QDoubleSpinBox>("BEGRENZUNG")->maximum(), 50.0);
    // The graph names its axes by channel and unit.
    QCOMPARE(u.Graph()->xAxis->label(), QString("Eingang 1 [°C]"));
    QCOMPARE(u.Graph()->yAxis->label(), QString("Ausgang 1 [bar]"));
    bool beschriftet = false;
    for (QLabel* l : u.panel->findChildren<QLabel*>())
      beschriftet |= l->text() == "Analogausgang2 [A]";
    QVERIFY(beschriftet);
  }

  void DarstellungAusDenEinstellungen() {
    for (const char* wert : {"0", "4", "x"}) {
      Umgebung u(std::string("[kennlinie]\ndarstellung = ") + wert + "\n");
      QCOMPARE(u.panel->Darstellung(), 3);
      QVERIFY(u.Gedrueckt("LINST") && u.Aktion("LINST")->isChecked());
    }
    Umgebung u("[kennlinie]\ndarstellung = 2\n");
    QVERIFY(u.Gedrueckt("ST") && !u.Gedrueckt("LINST"));
    QVERIFY(u.panel->Grafik().Daten().linien.Leer());
    u.Aktion("LIN")->trigger();
    QCOMPARE(u.panel->Darstellung(), 1);
    IniDatei ini = Ini_New(true);
    KennlinienAbschnitt(u.panel->Darstellung()).schreiben(ini);
    QCOMPARE(Ini_Text(ini), std::string("[kennlinie]\r\ndarstellung = 1\r\n\r\n"));
  }

  void BildlaufUndYZoom() {
    Umgebung u;
    Grafikbildlauf* bildlauf = u.panel->Grafik().Bildlaufleiste();
    // The whole range visible: the thumb fills the bar; two thirds of it: two thirds of the bar.
    QCOMPARE(bildlauf->value(), 0);
    QCOMPARE(bildlauf->Seite(), 100);
    QCOMPARE(bildlauf->maximum(), bildlauf->minimum());
    u.Aktion("ZOOMPLUS")->trigger();
    QCOMPARE(bildlauf->Seite(), 67);
    QCOMPARE(bildlauf->pageStep(), 203);  // 203 / (100 + 203) = 0.67
    u.Aktion("ZOOMVOLL")->trigger();
    QCOMPARE(u.zustand.gKennlAnsichtEnde, 4094.0);
    QCOMPARE(bildlauf->value(), 0);
    QCOMPARE(bildlauf->Seite(), 100);
    QCOMPARE(bildlauf->maximum(), bildlauf->minimum());

    // 0..10 V: Y zoom 2..8 V is taken; equal bounds are refused and both fields go back.
    u.Eingeben("YZOOMMAX", "8");
    u.Eingeben("YZOOMMIN", "2");
    QCOMPARE(u.zustand.gKennlYZoomMin, 819);
    QCOMPARE(u.zustand.gKennlYZoomMax, 3276);
    QCOMPARE(u.Graph()->yAxis->range().upper, 3276.0);
    u.Eingeben("YZOOMMIN", "8");
    QCOMPARE(u.zustand.gKennlYZoomMin, 819);
    QCOMPARE(u.zustand.gKennlYZoomMax, 3276);
    QCOMPARE(u.Wert("YZOOMMIN"), 2.0);
    QCOMPARE(u.Wert("YZOOMMAX"), 8.0);
  }

  void DirekthilfeAufDerGrafikAendertNichts() {
    Umgebung u;
    u.Klicken("ZEICHNEN");
    u.Klicken("WASISTDAS");
    QVERIFY(u.shell.hilfe.Aktiv());
    QCOMPARE(u.Hilfetext(),
             QString("Direkthilfe-Modus eingeschaltet!\nZum Beenden auf '?'-Icon klicken"));
    u.HilfeSchliessen();
    const auto vorher = u.zustand.gKennlinie.punkte;
    u.GraphKlicken(2000, 1000);
    QVERIFY(u.Hilfetext().startsWith("Graphische Darstellung der Kennlinie, die die PWC-2"));
    QCOMPARE(u.zustand.gKennlinie.punkte, vorher);
    QVERIFY(!u.zustand.gKennlGeaendert);
    u.HilfeSchliessen();
    // A display item shows its help and keeps the mode and its button.
    u.Aktion("ST")->trigger();
    QVERIFY(u.Hilfetext().startsWith("Darstellungsarten für die Kurven:"));
    QCOMPARE(u.panel->Darstellung(), 3);
    QVERIFY(u.Gedrueckt("LINST") && !u.Aktion("ST")->isChecked());
    u.HilfeSchliessen();
    QTest::mouseClick(u.Teil<QPushButton>("LESEN"), Qt::LeftButton);
    QVERIFY(u.Hilfetext().startsWith("Ließt eine Kennlinie"));
    QVERIFY(u.linie.gesendet.empty());
    u.HilfeSchliessen();
    u.Aktion("PINS")->trigger();
    QVERIFY(u.shell.dialoge.meldungen.empty());

    u.Klicken("WASISTDAS");
    QVERIFY(!u.shell.hilfe.Aktiv());
    u.Aktion("PINS")->trigger();
    QCOMPARE(u.shell.dialoge.meldungen.size(), std::size_t{1});
    QCOMPARE(u.shell.dialoge.meldungen[0].titel, std::string("PWC-2 Pinbelegung"));
    QVERIFY(u.shell.dialoge.meldungen[0].text.starts_with(
        "Pinbelegung für den Kennlinienreglerbetrieb\n\nPin 1:"));
  }

  void ZeichnenMitMausklicks() {
    Umgebung u;
    u.Eingeben("XRASTER", "1");  // 409.5 raw steps on 0..10 V
    u.Eingeben("YRASTER", "1");
    u.Klicken("ZEICHNEN");
    QCOMPARE(u.zustand.werkzeug, KennlWerkzeug::ZEICHNEN);
    u.GraphKlicken(830, 2030);
    QCOMPARE(u.zustand.gKennlinie.punkte, (std::vector<Kennlinienpunkt>{{4095, 819}, {2048, 1}}));
    u.GraphKlicken(1630, 800);
    QCOMPARE(u.zustand.gKennlinie.punkte,
             (std::vector<Kennlinienpunkt>{{4095, 819}, {2048, 819}, {819, 1}}));
    // Left of the last point: the next grid line after it.
    u.GraphKlicken(500, 4000);
    QCOMPARE(u.zustand.gKennlinie.punkte,
             (std::vector<Kennlinienpunkt>{{4095, 819}, {2048, 819}, {819, 410}, {4095, 1}}));
    QCOMPARE(u.Wert("XKOORDINATE"), 5.001);  // 2048 raw of 0..10 V, three decimals
    QVERIFY(u.zustand.gKennlGeaendert);
    QVERIFY(!u.Gedimmt("RUECKGAENGIG"));
    QTest::keyClick(u.panel, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(u.zustand.gKennlinie.anzahlPunkte(), 3);
    QVERIFY(!u.Gedimmt("WIEDERHERST"));

    // Splitting the first segment at about 300 (819 div 300 = 2 parts: half way up), then
    // deleting the new point.
    u.Klicken("GERADETEILEN");
    u.GraphKlicken(300, 3000);
    QCOMPARE(u.zustand.gKennlinie.anzahlPunkte(), 4);
    QCOMPARE(u.zustand.gKennlinie.punkte[1].y, 3071);
    u.Klicken("PUNKTLOESCHEN");
    u.GraphKlicken(KennlPunktX(u.zustand.gKennlinie, 1), 3071);
    QCOMPARE(u.zustand.gKennlinie.punkte,
             (std::vector<Kennlinienpunkt>{{4095, 819}, {2048, 819}, {819, 1}}));
  }

  void AnstiegszeitfeldZeigtDieZeitDesGesendetenCodes() {
    Umgebung u;
    auto* feld = u.Teil<QDoubleSpinBox>("ANSTIEGSZEIT");
    QStringList falsch;
    for (int32_t code = 1; code < 4096 * 256; code += code < 256 ? 1 : 256) {
      // The field takes the code's time at its shown precision, as if typed, and commits it.
      feld->setValue(AnstiegszeitAusCode(code));
      QTest::keyClick(feld, Qt::Key_Return);
      const int32_t gesendet = AnstiegszeitCode(u.zustand.gKennlAnstiegszeit);
      const double gezeigt = feld->text().toDouble();
      if (gesendet != (code == 255 ? 256 : code) ||
          u.zustand.gKennlAnstiegszeit != AnstiegszeitAusCode(gesendet) ||
          std::fabs(gezeigt - u.zustand.gKennlAnstiegszeit) > 5.000001e-6)
        falsch << QString::number(code) + ": " + feld->text();
    }
    QCOMPARE(falsch, QStringList());
    u.Eingeben("ANSTIEGSZEIT", "16.38");
    QCOMPARE(feld->text(), QString("16.38000"));
    QCOMPARE(AnstiegszeitCode(u.zustand.gKennlAnstiegszeit), 6400);
  }

  void AnstiegszeitKommentarUndTransfer() {
    Umgebung u;
    u.Eingeben("ANSTIEGSZEIT", "1000");
    QCOMPARE(u.Wert("ANSTIEGSZEIT"), 819.0);
    QCOMPARE(u.zustand.gKennlAnstiegszeit, 819.0);

    ImDialog([](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Kommentar - Kennlinie"));
      auto* text = dialog.findChild<QPlainTextEdit*>("KOMMENTARTEXT");
      text->setPlainText(QString(1200, 'x'));
      QCOMPARE(text->toPlainText().size(), 999);
      text->setPlainText("Prüfstand ✓ links");  // the check mark has no Windows-1252 byte
      QCOMPARE(text->toPlainText(), QString("Prüfstand  links"));
      QVERIFY(dialog.findChild<QLabel*>("KOMMENTARMELDUNG")->text().contains("✓"));
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    QTest::mouseClick(u.Teil<QPushButton>("KOMMENTAR"), Qt::LeftButton);
    QCOMPARE(u.zustand.gKennlinie.kommentar, std::string("Prüfstand  links"));
    QCOMPARE(u.Teil<QLineEdit>("KOMMENTARVORSCHAU")->text(), QString("Prüfstand  links"));
    QVERIFY(u.zustand.gKennlGeaendert);

    // Sending to slot 3 of a box in curve operation prepares the slots first.
    u.zustand.gKennlinie.punkte = {{0, 4095}, {4095, 1}};
    u.Teil<QSpinBox>("KURVENNR")->setValue(3);
    QCOMPARE(u.zustand.gKennlKurvenNr, 3);
    QTest::mouseClick(u.Teil<QPushButton>("SCHREIBEN"), Qt::LeftButton);
    QCOMPARE(u.panel->Fehleranzeige()->Nummer(), 0);
    QVERIFY(u.shell.dialoge.meldungen.empty());

    // Reading it back: one point per X, no file in the title, the whole range in view.
    u.zustand.gKennlDateiname = "/daten/vorher.ske";
    KennlZoom(u.zustand, KennlZoomArt::PLUS);
    QTest::mouseClick(u.Teil<QPushButton>("LESEN"), Qt::LeftButton);
    QCOMPARE(u.panel->Fehleranzeige()->Nummer(), 0);
    QCOMPARE(u.panel->Titel(), QString("Kennlinienregler"));
    QCOMPARE(u.zustand.gKennlinie.anzahlPunkte(), 4096);
    QCOMPARE(u.zustand.gKennlinie.punkte[2000].y, 2000);
    QCOMPARE(u.zustand.gKennlAnsichtEnde, 4094.0);
    QCOMPARE(u.Wert("ANSTIEGSZEIT"), 819.0);
    // 4096 points draw no more vertices than the columns allow.
    QVERIFY(u.panel->Grafik().Daten().stufen.Groesse() <= 4u * u.Graph()->width() + 8);
  }

  void GezeichneteStufenSindDieTabelleDesAbbilds() {
    Umgebung u("[kennlinie]\ndarstellung = 2\n");
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> wert(0, kKennlRohMax), laenge(1, 300);
    auto& punkte = u.zustand.gKennlinie.punkte;
    punkte.clear();
    for (int x = 0; x < kKennlRohMax - 300; x += punkte.back().laenge)
      punkte.push_back({wert(zufall), laenge(zufall), 0});
    punkte.back().laenge = 1;
    // Four pixel columns per X step keep every step of the staircase.
    u.Graph()->setMinimumSize(4 * 4096, 300);
    u.Graph()->resize(4 * 4096, 300);
    u.Aktion("ST")->trigger();

    std::vector<int> gezeichnet(kKennlRohMax, -1);
    for (QRgb farbe : {QRgb(0x0000FF), QRgb(0x9696FF)}) {
      QCPGraph* stufen = nullptr;
      for (int i = 0; i < u.Graph()->graphCount(); ++i)
        if (u.Graph()->graph(i)->pen().color() == QColor(farbe)) stufen = u.Graph()->graph(i);
      QVERIFY(stufen != nullptr && stufen->dataCount() > 0);
      for (int i = 0; i + 1 < stufen->dataCount(); ++i) {
        const QCPGraphData a = *stufen->data()->at(i);
        const QCPGraphData b = *stufen->data()->at(i + 1);
        if (a.value != b.value) continue;
        for (int x = int(std::ceil(a.key)); x < b.key && x < kKennlRohMax; ++x)
          gezeichnet[x] = int(a.value);
      }
    }
    std::vector<uint8_t> abbild;
    QCOMPARE(KennlAbbildErstellen(u.zustand.gKennlinie, 0, 256, abbild), 0);
    for (int x = 0; x < kKennlRohMax; ++x)
      QCOMPARE(gezeichnet[x],
               abbild[kKennlSlotKopf + 2 * x] << 8 | abbild[kKennlSlotKopf + 2 * x + 1]);
  }

  void LesenOhneKennlinienSetztDenTitelZurueck() {
    Umgebung u;
    u.zustand.gKennlDateiname = "/daten/alt.ske";
    u.panel->Kennlinienpanel_SkaliereYAchse();
    QTest::mouseClick(u.Teil<QPushButton>("LESEN"), Qt::LeftButton);
    QCOMPARE(u.panel->Fehleranzeige()->Nummer(), 1026512);  // shown without its sign
    QCOMPARE(u.panel->Titel(), QString("Kennlinienregler"));
  }
};

QTEST_MAIN(KennlinienpanelTest)
#include "kennlinienpanel_test.moc"
