// The curves panel under Qt Test, offscreen, on the in-process simulated line.

#include <qcustomplot.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "base/zeichensatz.h"
#include "curves/kurvengrafik.h"
#include "curves/kurvenpanel.h"
#include "curves/kurvenpanelini.h"
#include "curves/speicheranzeigewidget.h"
#include "tests/device/skriptport.h"
#include "tests/support/panelbedienung.h"
#include "tests/support/tempordner.h"
#include "tests/support/testshell.h"
#include "tests/support/testzugang.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/werkzeugleiste.h"

namespace {

using Zugang = Testzugang;

// One curves panel in a shown window, initialised.
struct Umgebung : Panelbedienung<KurvenPanel> {
  TestShell shell;
  Simlinie linie;
  Zugang zugang{linie.ports};
  Kurvensatz satz;
  Konfigzustand konfig{shell.dialoge};

  // einstellungen: the settings file's text, read before the panel is initialised.
  explicit Umgebung(const std::string& einstellungen = "") {
    shell.fenster.resize(1200, 820);
    panel = new KurvenPanel(
        shell.dienste, satz, konfig, zugang,
        [](std::string& kennung) {
          kennung = "NOV-TVM5ARV1.00";
          return 0;
        },
        &shell.fenster);
    panel->setGeometry(0, 0, 1200, 820);
    IniDatei ini = Ini_New(true);
    Ini_ParseText(ini, einstellungen);
    KurvenAbschnitt(panel->Darstellung()).lesen(ini);
    if (panel->KurvenpanelInit() != 0) qFatal("KurvenpanelInit failed");
    shell.fenster.show();
    if (!QTest::qWaitForWindowExposed(&shell.fenster)) qFatal("window not shown");
    QApplication::setActiveWindow(&shell.fenster);
    Graph()->setFocus();
  }

  QToolButton* Knopf(const char* name) { return panel->Leiste()->KnopfWidget(Aktion(name)); }
  void Klicken(const char* name) { QTest::mouseClick(Knopf(name), Qt::LeftButton); }
  QString Titel() { return panel->Titel(); }
  QCustomPlot* Graph() { return panel->Grafik().Graph(); }

  // A left click on GRAPH at time t and raw value y.
  void GraphKlicken(double t, double y) {
    QCustomPlot* graph = Graph();
    graph->replot();
    const QPoint punkt(qRound(graph->xAxis->coordToPixel(t)),
                       qRound(graph->yAxis->coordToPixel(y)));
    QTest::mouseClick(graph, Qt::LeftButton, Qt::NoModifier, punkt);
  }
  QString Hilfetext() {
    auto* popup = shell.fenster.findChild<QFrame*>("Hilfetext");
    return popup ? popup->findChild<QLabel*>()->text() : QString();
  }
  void Ansicht(double start, double ende) { satz.ansicht = {start, ende}; }
};

// Types the text character by character, as a keyboard whose layout has them would; unlike
// QTest::keyClicks this also gives characters beyond Latin-1.
void Tippen(QWidget* feld, const QString& text) {
  for (const QChar zeichen : text)
    QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
}

std::vector<Kurvenpunkt> Punkte(std::initializer_list<Kurvenpunkt> punkte) {
  return punkte;
}

}  // namespace

class KurvenpanelTest : public QObject {
  Q_OBJECT

 private slots:
  void AufbauMenuesUndLeiste() {
    Umgebung u;
    QCOMPARE(u.Titel(), QString("Kurvengenerator"));
    QStringList menues;
    for (QAction* a : u.panel->Menueleiste()->actions()) menues << a->text();
    QCOMPARE(menues, QStringList({"Datei", "Bearbeiten", "Ansicht", "Fenster", "Hilfe"}));
    QStringList fenster;
    for (QAction* a : u.panel->FensterMenue()->actions()) fenster << a->text();
    QCOMPARE(fenster, QStringList({"Hauptfenster", "COM-Einstellung", "Kurvengenerator"}));
    // The six entries are gone from the menus, the actions behind the toolbar stay.
    QMenu* bearbeiten = u.panel->Menueleiste()->actions()[1]->menu();
    for (QAction* a : bearbeiten->actions()) {
      QVERIFY(a->text() != "Kurve bearbeiten");
      QVERIFY(a->text() != "Im Hintergrund zeigen");
    }
    QVERIFY(!u.panel->Menueleiste()->actions()[4]->menu()->actions().contains(u.Aktion("PINS")));
    QVERIFY(u.Teil<QSpinBox>("ZYKLEN")->isHidden());
    QVERIFY(u.Teil<QDoubleSpinBox>("RUHEZUSTAND")->isHidden());

    // Shortcuts are shown in the menus.
    QCOMPARE(u.Aktion("NEU")->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(u.Aktion("WIEDERHERST")->shortcut(), QKeySequence("Ctrl+Y"));
    QCOMPARE(u.Aktion("LOESCHEN")->shortcut(), QKeySequence(Qt::Key_Delete));
    QCOMPARE(u.Aktion("ZOOMMINUS")->shortcut(), QKeySequence(Qt::Key_Minus));

    // Toolbar: groups and states as at the start.
    Werkzeugleiste* leiste = u.panel->Leiste();
    QVERIFY(leiste->Vollstaendig());
    QCOMPARE(leiste->KnopfVon(u.Aktion("NEU"))->toolTip(), QString("Neu"));
    QCOMPARE(leiste->KnopfVon(u.Aktion("PUNKTKOORDINAT"))->toolTip(),
             QString("Punktkoordinaten zeigen/ändern"));
    QVERIFY(u.Gedrueckt("MARKIEREN"));
    QVERIFY(u.Gedrueckt("KURVE_K1"));
    QVERIFY(u.Gedrueckt("HINTERGRUND_K1"));
    QVERIFY(!u.Gedrueckt("HINTERGRUND_K2"));
    QVERIFY(u.Gedrueckt("LINST"));
    QVERIFY(u.Gedimmt("RUECKGAENGIG"));
    QVERIFY(u.Gedimmt("WIEDERHERST"));
    auto* ring = leiste->findChild<QComboBox*>("Zeitbasis");
    QVERIFY(ring->width() >= 60);
    QCOMPARE(ring->currentText(), QString("250us"));
    QCOMPARE(ring->count(), 9);
    QCOMPARE(u.Teil<QComboBox>("ZEITBASISINDICATOR")->itemText(8), QString("1s"));
  }

  void EinstellungenVorDemStart() {
    Umgebung u("[kurven]\ndarstellung = 2\nhintergrund1 = 0\nhintergrund3 = 1\n");
    QVERIFY(u.Gedrueckt("ST") && !u.Gedrueckt("LINST"));
    QVERIFY(u.Aktion("ST")->isChecked());
    QVERIFY(!u.Gedrueckt("HINTERGRUND_K1"));
    QVERIFY(u.Gedrueckt("HINTERGRUND_K3"));
    QVERIFY(u.Aktion("HINTERGRUND_K3")->isChecked());
    u.Aktion("LIN")->trigger();
    IniDatei ini = Ini_New(true);
    KurvenAbschnitt(u.panel->Darstellung()).schreiben(ini);
    QCOMPARE(Ini_Text(ini), std::string("[kurven]\r\ndarstellung = 1\r\n\r\n"));
  }

  void NeuMitAbbrechenAendertNichts() {
    Umgebung u;
    u.Klicken("ZEICHNEN");
    u.GraphKlicken(4000, 2000);
    u.panel->KurvenTitelSetzen("/daten/alt.skr");
    u.Ansicht(100, 5000);
    const auto vorher = u.satz.gKurven[0].punkte;
    QCOMPARE(vorher.size(), size_t{2});

    u.shell.dialoge.antworten = {3};
    u.Aktion("NEU")->trigger();
    QCOMPARE(u.shell.dialoge.fragen.size(), size_t{1});
    QCOMPARE(u.shell.dialoge.fragen[0].titel, std::string("Warnung"));
    QCOMPARE(u.shell.dialoge.fragen[0].text,
             std::string("Möchten Sie die Änderungen in alt.skr speichern?"));
    QCOMPARE(u.satz.gKurven[0].punkte, vorher);
    QCOMPARE(u.Titel(), QString("Kurvengenerator - alt.skr"));
    QCOMPARE(u.satz.ansicht.gAnsichtStart, 100.0);
    QCOMPARE(u.satz.ansicht.gAnsichtEnde, 5000.0);

    u.shell.dialoge.antworten = {2};
    QTest::keyClick(u.panel, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(u.shell.dialoge.fragen.size(), size_t{2});
    QCOMPARE(u.satz.gKurven[0].punkte, Punkte({{0, 1, 4}}));
    QCOMPARE(u.Titel(), QString("Kurvengenerator"));
    QCOMPARE(u.satz.ansicht.gAnsichtStart, 0.0);
    QCOMPARE(u.satz.ansicht.gAnsichtEnde, 10000.0);
  }

  void KurvenwahlStelltRasterZoomUndRueckgaengigWiederHer() {
    Umgebung u;
    u.Eingeben("YRASTER", "0.5");
    u.Eingeben("YZOOMMAX", "8");
    u.Eingeben("YZOOMMIN", "2");
    const int zoomMin = u.satz.gYZoomMin[0];
    const int zoomMax = u.satz.gYZoomMax[0];
    QVERIFY(zoomMin > 0 && zoomMax < 4095);
    u.Klicken("ZEICHNEN");
    u.GraphKlicken(3000, 3000);
    QVERIFY(!u.Gedimmt("RUECKGAENGIG"));
    u.Aktion("RUECKGAENGIG")->trigger();
    QVERIFY(!u.Gedimmt("WIEDERHERST"));
    QVERIFY(u.Gedimmt("RUECKGAENGIG"));

    u.Klicken("KURVE_K2");
    QCOMPARE(u.satz.gAktuelleKurve, 1);
    QVERIFY(u.Gedrueckt("KURVE_K2") && !u.Gedrueckt("KURVE_K1"));
    QCOMPARE(u.Wert("YRASTER"), 0.0);
    QCOMPARE(u.Wert("YZOOMMIN"), 0.0);
    QCOMPARE(u.Wert("YZOOMMAX"), 10.0);
    QVERIFY(u.Gedimmt("RUECKGAENGIG"));
    QVERIFY(u.Gedimmt("WIEDERHERST"));
    QVERIFY(u.Aktion("RUECKGAENGIG")->isEnabled());

    u.Klicken("KURVE_K1");
    QCOMPARE(u.Wert("YRASTER"), 0.5);
    QCOMPARE(u.Wert("YZOOMMIN"), RohInEinheit(u.konfig.gKonfig(), 0, zoomMin));
    QCOMPARE(u.Wert("YZOOMMAX"), RohInEinheit(u.konfig.gKonfig(), 0, zoomMax));
    QVERIFY(u.Gedimmt("RUECKGAENGIG"));
    QVERIFY(!u.Gedimmt("WIEDERHERST"));
    // Leaving a zoom field without a change keeps the stored bounds.
    u.Teil<QDoubleSpinBox>("YZOOMMIN")->setFocus();
    u.Teil<QDoubleSpinBox>("YRASTER")->setFocus();
    QCOMPARE(u.satz.gYZoomMin[0], zoomMin);
  }

  void TitelMitDateiname() {
    Umgebung u;
    TempOrdner ordner;
    const std::string pfad = ordner.datei("test.skr");
    u.shell.dialoge.dateien = {pfad};
    u.Aktion("SPEICHERN")->trigger();
    QCOMPARE(u.Titel(), QString("Kurvengenerator - test.skr"));
    QCOMPARE(u.satz.gKurvendateiname, pfad);
    u.panel->KurvenTitelSetzen("");
    QCOMPARE(u.Titel(), QString("Kurvengenerator"));
    QCOMPARE(u.shell.dialoge.meldungen.size(), size_t{0});
  }

  void KommentarBleibtGanzVorschauZeigtDreissig() {
    Umgebung u;
    const QString vierzig = "Kurve fuer den Pruefstand, Version 12345";
    QCOMPARE(vierzig.size(), 40);
    QString titel;
    ImDialog([&](QDialog& dialog) {
      titel = dialog.windowTitle();
      dialog.findChild<QPlainTextEdit*>("KOMMENTARTEXT")->setPlainText(vierzig);
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    QTest::mouseClick(u.Teil<QPushButton>("KOMMENTAR"), Qt::LeftButton);
    QCOMPARE(titel, QString("Kommentar - Kurve 1"));
    QCOMPARE(QString::fromStdString(u.satz.gKurven[0].kommentar), vierzig);
    QCOMPARE(u.Teil<QLineEdit>("KOMMENTARVORSCHAU")->text(), vierzig.left(30));
    QVERIFY(u.satz.gKurvenGeaendert);

    // The text box takes no more than the curve file keeps.
    ImDialog([](QDialog& dialog) {
      auto* text = dialog.findChild<QPlainTextEdit*>("KOMMENTARTEXT");
      text->setPlainText(QString(1200, 'x'));
      QCOMPARE(text->toPlainText().size(), 999);
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    QTest::mouseClick(u.Teil<QPushButton>("KOMMENTAR"), Qt::LeftButton);
    QCOMPARE(u.satz.gKurven[0].kommentar, std::string(999, 'x'));

    // Curve 2 has its own comment; closing the dialog otherwise changes nothing.
    u.Klicken("KURVE_K2");
    QCOMPARE(u.Teil<QLineEdit>("KOMMENTARVORSCHAU")->text(), QString());
    u.satz.gKurvenGeaendert = false;
    ImDialog([](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Kommentar - Kurve 2"));
      dialog.findChild<QPlainTextEdit*>("KOMMENTARTEXT")->setPlainText("verworfen");
      dialog.reject();
    });
    QTest::mouseClick(u.Teil<QPushButton>("KOMMENTAR"), Qt::LeftButton);
    QCOMPARE(u.satz.gKurven[1].kommentar, std::string());
    QVERIFY(!u.satz.gKurvenGeaendert);
  }

  void KommentarNimmtNurZeichenDerKurvendatei() {
    Umgebung u;
    QString meldung;
    bool sichtbar = false;
    ImDialog([&](QDialog& dialog) {
      auto* text = dialog.findChild<QPlainTextEdit*>("KOMMENTARTEXT");
      text->setFocus();
      Tippen(text, "Grüße bei 5 °C");
      Tippen(text, "Ω");
      meldung = dialog.findChild<QLabel*>("KOMMENTARMELDUNG")->text();
      sichtbar = dialog.findChild<QLabel*>("KOMMENTARMELDUNG")->isVisible();
      Tippen(text, "!");
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    QTest::mouseClick(u.Teil<QPushButton>("KOMMENTAR"), Qt::LeftButton);
    QVERIFY(sichtbar);
    QCOMPARE(meldung, QString::fromStdString(NichtDarstellbarMeldung("Ω")));
    QCOMPARE(QString::fromStdString(u.satz.gKurven[0].kommentar), QString("Grüße bei 5 °C!"));

    // 999 characters, umlauts counting once.
    ImDialog([](QDialog& dialog) {
      auto* text = dialog.findChild<QPlainTextEdit*>("KOMMENTARTEXT");
      text->setPlainText(QString(1200, QChar(0xE4)));
      QCOMPARE(text->toPlainText(), QString(999, QChar(0xE4)));
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    QTest::mouseClick(u.Teil<QPushButton>("KOMMENTAR"), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(u.satz.gKurven[0].kommentar), QString(999, QChar(0xE4)));
  }

  void PunktdialogOkOhneEingabeLaesstDenPunkt() {
    Umgebung u;
    Konfiguration klein;
    klein.outskalamax[0] = 0.001;  // the Y field's four decimals round what it shows
    QVERIFY(u.konfig.KonfigurationSetzen(klein));
    u.panel->Kurvenpanel_SkaliereYAchse();
    u.satz.gKurven[0].punkte = Punkte({{0, 4, 4}, {1234, 4, 4}});
    u.Ansicht(0, 80000);
    u.Aktion("LINST")->trigger();
    u.Aktion("PUNKTKOORDINAT")->trigger();
    double gezeigt = -1;
    ImDialog([&](QDialog& dialog) {
      gezeigt = dialog.findChild<QDoubleSpinBox*>("Y")->value();
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    u.GraphKlicken(40000, 1234);
    QCOMPARE(gezeigt, 0.0003);  // 1234 raw is 0.000301...
    QCOMPARE(u.satz.gKurven[0].punkte, Punkte({{0, 4, 4}, {1234, 4, 4}}));
    QCOMPARE(u.satz.rueckgaengig[0].sgAnzahlRueckgaengig, 0);
    QVERIFY(!u.satz.gKurvenGeaendert);

    // A typed value still moves it: 0.0005 is raw 2047.5, taken as 2048.
    ImDialog([](QDialog& dialog) {
      dialog.findChild<QDoubleSpinBox*>("Y")->setValue(0.0005);
      QTest::mouseClick(dialog.findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    u.GraphKlicken(40000, 1234);
    QCOMPARE(u.satz.gKurven[0].punkte, Punkte({{0, 4, 4}, {2048, 4, 4}}));
    QVERIFY(u.satz.gKurvenGeaendert);
  }

  void DirekthilfeAufWerkzeugknopfAendertDasWerkzeugNicht() {
    Umgebung u;
    u.Klicken("WASISTDAS");
    QVERIFY(u.shell.hilfe.Aktiv());
    QVERIFY(u.Gedrueckt("WASISTDAS"));
    QCOMPARE(u.Hilfetext(), QString("Direkthilfe-Modus eingeschaltet!\nZum Beenden auf "
                                    "'?'-Icon klicken"));
    QTest::mouseClick(u.panel, Qt::LeftButton);  // closes the popup
    QCOMPARE(u.Hilfetext(), QString());

    u.Klicken("ZEICHNEN");
    QCOMPARE(u.Hilfetext(),
             QString("Zeichnet einen neuen Kurvenpunkt am Ende der bisherigen Kurve.\nDie "
                     "Zeitbasis des neuen Kurventeils entspricht der in der\nZeitbasis-Liste "
                     "ausgewählten Zeitbasis."));
    QCOMPARE(u.satz.werkzeug, Werkzeug::MARKIEREN);
    QVERIFY(u.Gedrueckt("MARKIEREN"));
    QVERIFY(!u.Gedrueckt("ZEICHNEN"));
    QVERIFY(!u.Aktion("ZEICHNEN")->isChecked());
    QTest::mouseClick(u.panel, Qt::LeftButton);

    // A click on the graph only shows its help; "Neu" asks nothing.
    u.satz.gKurvenGeaendert = true;
    u.GraphKlicken(5000, 2000);
    QVERIFY(u.Hilfetext().startsWith("Graphische Darstellung der Kurven"));
    QVERIFY(!u.satz.markierung.gMarkierungAktiv);
    QTest::mouseClick(u.panel, Qt::LeftButton);
    u.Aktion("NEU")->trigger();
    QCOMPARE(u.Hilfetext(), QString("Löscht alle Kurven."));
    QVERIFY(u.shell.dialoge.fragen.empty());
    QTest::mouseClick(u.panel, Qt::LeftButton);

    u.Klicken("WASISTDAS");
    QVERIFY(!u.shell.hilfe.Aktiv());
    QVERIFY(!u.Aktion("WASISTDAS")->isChecked());
    u.Klicken("ZEICHNEN");
    QCOMPARE(u.satz.werkzeug, Werkzeug::ZEICHNEN);
    QVERIFY(u.Gedrueckt("ZEICHNEN") && !u.Gedrueckt("MARKIEREN"));
    QVERIFY(u.Aktion("ZEICHNEN")->isChecked());
  }

  void ZeichnenMitMausklicks() {
    Umgebung u;
    u.Eingeben("YRASTER", "1");  // 409.5 raw steps on 0..10 V
    auto* ring = u.panel->Leiste()->findChild<QComboBox*>("Zeitbasis");
    u.Klicken("ZEICHNEN");
    ring->setCurrentText("1ms");
    u.GraphKlicken(2000, 2047.5);
    QCOMPARE(u.satz.gKurven[0].punkte, Punkte({{0, 2, 1}, {2048, 1, 1}}));
    ring->setCurrentText("2ms");
    u.GraphKlicken(8000, 4000);
    QCOMPARE(u.satz.gKurven[0].punkte, Punkte({{0, 2, 1}, {2048, 3, 2}, {4095, 1, 2}}));
    // Left of the last point: one unit after it.
    u.GraphKlicken(1000, 0);
    QCOMPARE(u.satz.gKurven[0].punkte, Punkte({{0, 2, 1}, {2048, 3, 2}, {4095, 1, 2}, {0, 1, 2}}));
    QVERIFY(u.satz.gKurvenGeaendert);
    QVERIFY(!u.Gedimmt("RUECKGAENGIG"));
    // The coordinate fields show the last drawn position: 10 ms.
    QCOMPARE(u.Wert("XMILISEKUNDEN"), 10.0);

    QTest::keyClick(u.panel, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(u.satz.gKurven[0].punkte, Punkte({{0, 2, 1}, {2048, 3, 2}, {4095, 1, 2}}));
    QVERIFY(!u.Gedimmt("WIEDERHERST"));

    // Marking by dragging, then "Löschen" with the Delete key: the marked point goes.
    u.Klicken("MARKIEREN");
    u.Graph()->replot();
    QTest::mousePress(u.Graph(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(qRound(u.Graph()->xAxis->coordToPixel(1500)), 100));
    QTest::mouseMove(u.Graph(), QPoint(qRound(u.Graph()->xAxis->coordToPixel(8500)), 100));
    QTest::mouseRelease(u.Graph(), Qt::LeftButton, Qt::NoModifier,
                        QPoint(qRound(u.Graph()->xAxis->coordToPixel(8500)), 100));
    QVERIFY(u.satz.markierung.gMarkierungAktiv);
    QTest::keyClick(u.panel, Qt::Key_Delete);
    QCOMPARE(u.satz.gKurven[0].punkte, Punkte({{0, 2, 1}, {4095, 1, 2}}));
  }

  void ZoomUeberDasMenue() {
    Umgebung u;
    u.Aktion("ZOOMVOLL")->trigger();
    QCOMPARE(u.satz.ansicht.gAnsichtStart, 0.0);
    QCOMPARE(u.satz.ansicht.gAnsichtEnde, 9999.0);
    QCOMPARE(u.Graph()->xAxis->range().upper, 10000.0);
    u.Aktion("ZOOMPLUS")->trigger();
    QCOMPARE(u.satz.ansicht.gAnsichtStart, 1666.0);
    QCOMPARE(u.satz.ansicht.gAnsichtEnde, 8332.0);
    u.Aktion("ZOOMVOLL")->trigger();
    QTest::keyClick(u.panel, Qt::Key_Minus);
    QCOMPARE(u.satz.ansicht.gAnsichtStart, 0.0);
    QCOMPARE(u.satz.ansicht.gAnsichtEnde, 14999.0);
    QTest::keyClick(u.panel, Qt::Key_Plus);
    QCOMPARE(u.satz.ansicht.gAnsichtStart, 2500.0);
    QCOMPARE(u.satz.ansicht.gAnsichtEnde, 12499.0);

    // "Zoom Markierung" with an inactive mark changes nothing; with a mark it zooms to it.
    u.Klicken("ZOOMMARK");
    QCOMPARE(u.satz.ansicht.gAnsichtStart, 2500.0);
    u.Aktion("ALLESMARKIEREN")->trigger();
    QVERIFY(u.satz.markierung.gMarkierungAktiv);
    u.Klicken("ZOOMMARK");
    QCOMPARE(u.satz.ansicht.gAnsichtStart, 0.0);
    QCOMPARE(u.satz.ansicht.gAnsichtEnde, 9999.0);
    QVERIFY(!u.satz.markierung.gMarkierungAktiv);
  }

  void SpeicheranzeigeGrauUndRot() {
    Umgebung u;
    auto* anzeige = u.Teil<SpeicheranzeigeWidget>("SPEICHERBEDARF");
    // 32 header bytes, curves 2..4 one unit each, curve 1 the rest.
    const int einheiten = (61440 - 32) / 2 - 3;
    u.satz.gKurven[0].punkte = {{0, einheiten - 1, 9}, {0, 1, 9}};
    u.Aktion("LIN")->trigger();
    QCOMPARE(Speicherbedarf(u.satz), int64_t{61440});
    QCOMPARE(anzeige->Text(), QString("100.05 %"));
    QCOMPARE(anzeige->Farbe(), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(u.Gedrueckt("LIN") && !u.Gedrueckt("LINST"));
    QCOMPARE(u.panel->Darstellung().gDarstellung, 1);

    u.satz.gKurven[0].punkte[0].laenge += (65504 - 61440) / 2;
    u.Aktion("ST")->trigger();
    QCOMPARE(Speicherbedarf(u.satz), int64_t{65504});
    QCOMPARE(anzeige->Farbe(), QColor(0xFF, 0x00, 0x00));
  }

  void AnsichtNachDemEndeZeichnetNurDieUebersicht() {
    Umgebung u;
    u.satz.gKurven[0].punkte = {{0, 10, 1}, {4095, 1, 1}};  // 11 ms
    u.Ansicht(20000, 30000);
    u.Aktion("LINST")->trigger();
    for (int i = 0; i < u.Graph()->graphCount(); ++i) QCOMPARE(u.Graph()->graph(i)->dataCount(), 0);
    QCustomPlot* klein = u.panel->Grafik().GraphKlein();
    int punkte = 0;
    for (int i = 0; i < klein->graphCount(); ++i) punkte += klein->graph(i)->dataCount();
    QVERIFY(punkte > 0);
    QCOMPARE(klein->xAxis->range().upper, 11000.0);
  }

  void HintergrundFolgtDenUmschaltern() {
    Umgebung u;
    u.satz.gKurven[1].punkte = {{1000, 5, 4}, {3000, 1, 4}};
    u.Klicken("HINTERGRUND_K2");
    QVERIFY(u.Gedrueckt("HINTERGRUND_K2"));
    QVERIFY(u.panel->Darstellung().hintergrund[1]);
    QVERIFY(!u.panel->Grafik().Daten().hintergrund[1].Leer());
    QVERIFY(u.panel->Grafik().Daten().hintergrund[0].Leer());  // the current curve
    u.Klicken("KURVE_K2");
    QVERIFY(u.panel->Grafik().Daten().hintergrund[1].Leer());
    QVERIFY(!u.panel->Grafik().Daten().hintergrund[0].Leer());
    u.Klicken("HINTERGRUND_K1");
    QVERIFY(u.panel->Grafik().Daten().hintergrund[0].Leer());
  }

  void SchreibenUndLesenInDerReihenfolge() {
    Umgebung u;
    u.satz.gKurven[0].punkte = {{0, 4, 9}, {4095, 1, 9}};
    u.satz.gKurven[1].punkte = {{0, 1, 9}, {0, 1, 9}};  // 0.5 ms: the lengths differ
    u.shell.dialoge.antworten = {2};                    // "zurück"
    QTest::mouseClick(u.Teil<QPushButton>("SCHREIBEN"), Qt::LeftButton);
    QCOMPARE(u.shell.dialoge.fragen.size(), size_t{1});
    QCOMPARE(u.shell.dialoge.fragen[0].knoepfe,
             (std::vector<std::string>{"Kurven senden", "zurück"}));
    QVERIFY(u.linie.gesendet.empty());

    u.shell.dialoge.antworten = {1};
    QTest::mouseClick(u.Teil<QPushButton>("SCHREIBEN"), Qt::LeftButton);
    QVERIFY(!u.linie.gesendet.empty());
    QCOMPARE(u.panel->Fehleranzeige()->Nummer(), 0);

    u.panel->KurvenTitelSetzen("/daten/vorher.skr");
    u.Ansicht(0, 100);
    u.satz.gKurven[0].punkte = {{7, 1, 4}};
    QTest::mouseClick(u.Teil<QPushButton>("LESEN"), Qt::LeftButton);
    QCOMPARE(u.satz.gKurven[0].punkte,
             Punkte({{0, 1, 9}, {1024, 1, 9}, {2048, 1, 9}, {3071, 1, 9}, {4095, 1, 9}}));
    QCOMPARE(u.Titel(), QString("Kurvengenerator"));
    QCOMPARE(u.satz.ansicht.gAnsichtEnde, 1249.0);
    QCOMPARE(u.shell.dialoge.meldungen.size(), size_t{0});
  }
};

QTEST_MAIN(KurvenpanelTest)
#include "kurvenpanel_test.moc"
