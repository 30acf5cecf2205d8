// The program body with a real event loop and the real dialogs, run under Xvfb when it is
// installed: every end path ends the program exactly once and writes the settings file; an end
// that an editor cancels keeps it running; the start option --pwc2 offers the inherited panels.
// A program that does not end fails through the watchdog.

#include <qcustomplot.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <csignal>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "app/hauptfenster.h"
#include "app/programmlauf.h"
#include "curves/kurvengrafik.h"
#include "curves/kurvenpanel.h"
#include "tests/support/tempordner.h"
#include "ui/childpanel.h"
#include "ui/werkzeugleiste.h"

namespace {

// How long the program may take to end once the end was asked for.
constexpr int kEndeFristMs = 3000;

Hauptfenster* Hauptfensterfinden() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* fenster = qobject_cast<Hauptfenster*>(w)) return fenster;
  return nullptr;
}

// One run of the program in its own settings folder, with scripted answers for its dialogs.
struct Programm {
  TempOrdner ordner;
  // Button captions to press in the next message boxes, in order; "" rejects a file dialog.
  std::deque<QString> antworten;
  QStringList gesehen;  // the title of every dialog answered
  bool imLauf = false;
  std::unique_ptr<QObject> lauf;  // lives for one run
  bool zeitUeberschritten = false;
  int ergebnis = -99;

  std::string Ini() const { return ordner.datei("tvm5r/tvm5RKurvengenerator.ini"); }
  std::string Wiederherstellung() const {
    std::ifstream datei(ordner.datei("tvm5r/tvm5rWiederherstellung.dat"), std::ios::binary);
    std::stringstream text;
    text << datei.rdbuf();
    return text.str();
  }
  void LeereIniAnlegen() const {
    std::filesystem::create_directories(ordner.pfad() / "tvm5r");
    std::ofstream(Ini()).flush();
  }
  std::string IniText() const {
    std::ifstream datei(Ini());
    std::stringstream text;
    text << datei.rdbuf();
    return text.str();
  }

  // The program ends by itself within the time limit from now on, or fails. The limit belongs
  // to this run: a later run of the object, or of another, is not ended by it.
  void EndeErwarten() {
    QTimer::singleShot(kEndeFristMs, lauf.get(), [this] {
      if (!imLauf) return;
      zeitUeberschritten = true;
      QCoreApplication::exit(1);
    });
  }

  void Antworten() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || antworten.empty()) return;
    if (auto* dateiauswahl = qobject_cast<QFileDialog*>(modal)) {
      if (!antworten.front().isEmpty()) return;
      gesehen << dateiauswahl->windowTitle();
      antworten.pop_front();
      dateiauswahl->reject();
      return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) return;
    for (QAbstractButton* knopf : box->buttons()) {
      if (knopf->text().remove('&') != antworten.front()) continue;
      gesehen << box->windowTitle();
      antworten.pop_front();
      knopf->click();
      return;
    }
  }

  // Runs the program body; schritt runs once the main window is shown and no dialog is open.
  void Laufen(const std::vector<std::string>& argumente,
              const std::function<void(Hauptfenster&)>& schritt) {
    lauf = std::make_unique<QObject>();
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(ordner.pfad().string()));
    QTimer antworter;
    antworter.setInterval(10);
    QObject::connect(&antworter, &QTimer::timeout, [this] { Antworten(); });
    antworter.start();
    bool erledigt = false;
    QTimer start;
    start.setInterval(10);
    QObject::connect(&start, &QTimer::timeout, [&] {
      Hauptfenster* fenster = Hauptfensterfinden();
      if (erledigt || fenster == nullptr || !fenster->isVisible() ||
          QApplication::activeModalWidget() != nullptr)
        return;
      erledigt = true;
      start.stop();
      schritt(*fenster);
    });
    start.start();
    // A program that never ends fails here instead of hanging the test run.
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, [this] {
      zeitUeberschritten = true;
      QCoreApplication::exit(1);
    });
    notbremse.start(60000);
    imLauf = true;
    ergebnis = Programmlauf(argumente);
    imLauf = false;
  }
};

void Klicken(QAbstractButton* knopf) {
  QTest::mouseClick(knopf, Qt::LeftButton);
}

// Draws one point on curve 1 with the pen tool, as a user does.
void PunktZeichnen(Hauptfenster& fenster) {
  Klicken(fenster.Knopf(KNOPF_KURVEN));
  auto* kurven = qobject_cast<KurvenPanel*>(fenster.Childpanel(KURVENPNL));
  QVERIFY(kurven != nullptr);
  Klicken(kurven->Leiste()->KnopfWidget(kurven->MenueAktion("ZEICHNEN")));
  QCustomPlot* graph = kurven->Grafik().Graph();
  graph->replot();
  const QPoint punkt(qRound(graph->xAxis->coordToPixel(4000)),
                     qRound(graph->yAxis->coordToPixel(2000)));
  QTest::mouseClick(graph, Qt::LeftButton, Qt::NoModifier, punkt);
}

// Opens a dialog with oeffnen and, once it shows, hands it to pruefen, which must close it.
void DialogPruefen(const std::function<void()>& oeffnen,
                   const std::function<void(QDialog&)>& pruefen) {
  QTimer warten;
  warten.setInterval(10);
  QObject::connect(&warten, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible() || dialog->focusWidget() == nullptr) return;
    warten.stop();
    pruefen(*dialog);
  });
  warten.start();
  oeffnen();
  QVERIFY(!warten.isActive());
}

// Asks for the end with "Ende" on the main window.
void EndeKlicken(Hauptfenster& fenster) {
  fenster.Childpanel(KURVENPNL)->FensterAktion(KEIN_PANEL)->trigger();
  Klicken(fenster.Knopf(KNOPF_ENDE));
}

// A key pressed where the focus is, as the keyboard delivers it.
void Taste(Hauptfenster& fenster, Qt::Key taste) {
  QWidget* fokus = QApplication::focusWidget();
  QTest::keyClick(fokus != nullptr ? fokus : &fenster, taste);
}

}  // namespace

class ProgrammlaufTest : public QObject {
  Q_OBJECT

 private slots:
  // Each way a user ends an untouched program: the program ends at once, the settings file is
  // written. The first start without a settings file reports that first.
  void EndetUeberJedenWeg() {
    const std::vector<std::pair<const char*, std::function<void(Hauptfenster&)>>> wege = {
        {"Ende", [](Hauptfenster& f) { Klicken(f.Knopf(KNOPF_ENDE)); }},
        {"Schließfeld", [](Hauptfenster& f) { f.windowHandle()->close(); }},
        {"Escape", [](Hauptfenster& f) { Taste(f, Qt::Key_Escape); }},
        {"Beenden",
         [](Hauptfenster& f) {
           Klicken(f.Knopf(KNOPF_COM));
           f.Childpanel(COMPNL)->BeendenAktion()->trigger();
         }},
    };
    for (const auto& [name, weg] : wege) {
      Programm p;
      p.antworten = {"OK"};  // "Fehler beim lesen der INI-Datei"
      p.Laufen({}, [&](Hauptfenster& f) {
        p.EndeErwarten();
        weg(f);
      });
      QVERIFY2(!p.zeitUeberschritten, name);
      QCOMPARE(p.ergebnis, 0);
      QCOMPARE(p.gesehen, QStringList{"Fehler #801202"});
      QVERIFY2(p.IniText().find("[com]") != std::string::npos, name);
    }
  }

  // With a drawn point: "Nein" ends; "Abbrechen" and "Ja" with a cancelled file dialog keep the
  // program running with its changes, and no settings are written; a later "Nein" ends it.
  void UngespeicherteKurven() {
    struct Fall {
      std::deque<QString> antworten;
      QStringList gesehen;
      bool endet;
    };
    const std::vector<Fall> faelle = {
        {{"Nein"}, {"Warnung"}, true},
        {{"Abbrechen"}, {"Warnung"}, false},
        {{"Ja", ""}, {"Warnung", "Kurve speichern"}, false},
    };
    for (const Fall& fall : faelle) {
      Programm p;
      p.LeereIniAnlegen();
      bool weitergelaufen = false;
      p.Laufen({}, [&](Hauptfenster& f) {
        PunktZeichnen(f);
        p.antworten = fall.antworten;
        if (fall.endet) p.EndeErwarten();
        EndeKlicken(f);
        if (fall.endet) return;
        QTimer::singleShot(0, [&] {
          weitergelaufen = p.imLauf && f.isVisible() && p.IniText().empty();
          p.antworten = {"Nein"};
          p.EndeErwarten();
          Klicken(f.Knopf(KNOPF_ENDE));
        });
      });
      QVERIFY(!p.zeitUeberschritten);
      QCOMPARE(p.ergebnis, 0);
      QCOMPARE(weitergelaufen, !fall.endet);
      QCOMPARE(p.gesehen, fall.endet ? fall.gesehen : fall.gesehen + QStringList{"Warnung"});
      QVERIFY(p.IniText().find("[kurven]") != std::string::npos);
    }
  }

  // Without the option the inherited panels are hidden; with --pwc2 or TVM5R_PWC2=1 the three
  // buttons show and each opens its panel, and the "Fenster" menus keep their items.
  void Pwc2Option() {
    struct Fall {
      std::vector<std::string> argumente;
      const char* umgebung;
      bool angeboten;
    };
    const std::vector<Fall> faelle = {
        {{}, nullptr, false}, {{"--pwc2"}, nullptr, true}, {{}, "1", true}};
    const int vererbt[][2] = {
        {KNOPF_KONFIG, KONFIGPNL}, {KNOPF_DIREKT, DIREKTPNL}, {KNOPF_KENNLINIE, KENNLPNL}};
    for (const Fall& fall : faelle) {
      if (fall.umgebung != nullptr)
        qputenv("TVM5R_PWC2", fall.umgebung);
      else
        qunsetenv("TVM5R_PWC2");
      Programm p;
      p.LeereIniAnlegen();
      p.Laufen(fall.argumente, [&](Hauptfenster& f) {
        for (const auto& [knopf, panel] : vererbt) {
          QCOMPARE(f.Knopf(knopf)->isVisible(), fall.angeboten);
          for (int ort : {COMPNL, KURVENPNL})
            QCOMPARE(f.Childpanel(ort)->FensterAktion(panel) != nullptr, fall.angeboten);
          if (!fall.angeboten) continue;
          Klicken(f.Knopf(knopf));
          QCOMPARE(f.SichtbaresPanel(), panel);
          QVERIFY(f.Childpanel(panel)->isVisible());
          f.Childpanel(panel)->FensterAktion(KEIN_PANEL)->trigger();
          QCOMPARE(f.SichtbaresPanel(), int(KEIN_PANEL));
        }
        QVERIFY(!f.Steuerelement(KNOPF_DIREKTHILFE)->isVisible());
        p.EndeErwarten();
        Klicken(f.Knopf(KNOPF_ENDE));
      });
      QVERIFY(!p.zeitUeberschritten);
    }
    qunsetenv("TVM5R_PWC2");
  }

  // An unsaved curve is in the recovery file within seconds. A request to end from outside
  // (SIGTERM, as at logout) ends the program at once without questions and writes the
  // settings and the recovery file. The next
  // start offers it; "Ja" brings back exactly what was drawn, still unsaved: another such end
  // writes the same contents, and a normal end asks about them and then removes the file.
  void EndeVonAussenUndWiederherstellung() {
    Programm p;
    // A first run leaves the settings that every later run reads and writes alike, so the
    // configuration copied into the curve file does not change between the runs below.
    p.antworten = {"OK"};
    p.Laufen({}, [&](Hauptfenster& f) {
      p.EndeErwarten();
      Klicken(f.Knopf(KNOPF_ENDE));
    });
    p.gesehen.clear();
    std::string nachDerAenderung;
    p.Laufen({}, [&](Hauptfenster& f) {
      PunktZeichnen(f);
      // Within seconds of the change, so that a kill 5 s after it loses nothing.
      QVERIFY(QTest::qWaitFor([&] { return !p.Wiederherstellung().empty(); }, 5000));
      nachDerAenderung = p.Wiederherstellung();
      p.EndeErwarten();
      std::raise(SIGTERM);
    });
    QVERIFY(!p.zeitUeberschritten);
    QCOMPARE(p.ergebnis, 0);
    QCOMPARE(p.gesehen, QStringList{});
    QVERIFY(p.IniText().find("[com]") != std::string::npos);
    const std::string gesichert = p.Wiederherstellung();
    // After the type text, version and time of writing.
    constexpr size_t kKopf = 36;
    QVERIFY(gesichert.size() > kKopf);
    QVERIFY(nachDerAenderung.substr(kKopf) == gesichert.substr(kKopf));

    p.antworten = {"Ja"};
    p.Laufen({}, [&](Hauptfenster&) {
      p.EndeErwarten();
      std::raise(SIGTERM);
    });
    QVERIFY(!p.zeitUeberschritten);
    QCOMPARE(p.gesehen, QStringList{"Wiederherstellen"});
    QVERIFY(p.Wiederherstellung().substr(kKopf) == gesichert.substr(kKopf));

    p.antworten = {"Ja", "Nein"};
    p.Laufen({}, [&](Hauptfenster& f) {
      p.EndeErwarten();
      Klicken(f.Knopf(KNOPF_ENDE));
    });
    QVERIFY(!p.zeitUeberschritten);
    QCOMPARE(p.gesehen, (QStringList{"Wiederherstellen", "Wiederherstellen", "Warnung"}));
    QVERIFY(p.Wiederherstellung().empty());
  }

  // With the pointer at each edge of the screen (run on 1366 × 768), the two comment dialogs
  // and the point dialog open inside the screen's available area with the focus in their first
  // field: typed text with a space lands in the comment and does not press OK.
  void DialogeAmBildschirmrand() {
    Programm p;
    p.LeereIniAnlegen();
    p.Laufen({"--pwc2"}, [&](Hauptfenster& f) {
      const QRect bereich = f.screen()->availableGeometry();
      const QPoint mitte = bereich.center();
      const QPoint raender[] = {{bereich.right(), mitte.y()},
                                {mitte.x(), bereich.bottom()},
                                {bereich.left(), mitte.y()},
                                {mitte.x(), bereich.top()},
                                bereich.bottomRight()};
      PunktZeichnen(f);
      auto* kurven = qobject_cast<KurvenPanel*>(f.Childpanel(KURVENPNL));
      f.Childpanel(KURVENPNL)->FensterAktion(KENNLPNL)->trigger();
      QWidget* kennlinie = f.Childpanel(KENNLPNL);
      struct Fall {
        const char* name;
        int panel;
        std::function<void()> oeffnen;
        const char* erstesFeld;
      };
      const std::vector<Fall> faelle = {
          {"Kommentar - Kurve 1", KURVENPNL,
           [&] { Klicken(kurven->findChild<QPushButton*>("KOMMENTAR")); }, "KOMMENTARTEXT"},
          {"Kommentar - Kennlinie", KENNLPNL,
           [&] { Klicken(kennlinie->findChild<QPushButton*>("KOMMENTAR")); }, "KOMMENTARTEXT"},
          {"Punkt 2", KURVENPNL,
           [&] {
             kurven->MenueAktion("PUNKTKOORDINAT")->trigger();
             QCustomPlot* graph = kurven->Grafik().Graph();
             QTest::mouseClick(graph, Qt::LeftButton, Qt::NoModifier,
                               QPoint(qRound(graph->xAxis->coordToPixel(4000)),
                                      qRound(graph->yAxis->coordToPixel(2000))));
           },
           "XSTUNDEN"},
      };
      for (const QPoint& rand : raender) {
        for (const Fall& fall : faelle) {
          const QString wo = QString("%1 bei %2,%3").arg(fall.name).arg(rand.x()).arg(rand.y());
          const std::string text = wo.toStdString();
          f.Childpanel(KURVENPNL)->FensterAktion(fall.panel)->trigger();
          QCursor::setPos(rand);
          QString geoeffnet;
          DialogPruefen(fall.oeffnen, [&](QDialog& dialog) {
            geoeffnet = dialog.windowTitle();
            QVERIFY2(bereich.contains(dialog.frameGeometry()), text.c_str());
            QCOMPARE(dialog.focusWidget()->objectName(), QString(fall.erstesFeld));
            if (QString(fall.erstesFeld) == "KOMMENTARTEXT")
              for (char c : std::string(" a b")) QTest::keyClick(dialog.windowHandle(), c);
            QVERIFY2(dialog.isVisible(), text.c_str());
            Klicken(dialog.findChild<QPushButton*>("OK"));
          });
          QCOMPARE(geoeffnet, QString(fall.name));
          if (QString(fall.erstesFeld) != "KOMMENTARTEXT") continue;
          const QString vorschau =
              f.Childpanel(fall.panel)->findChild<QLineEdit*>("KOMMENTARVORSCHAU")->text();
          QVERIFY2(vorschau.endsWith(" a b"), text.c_str());
        }
      }
      p.antworten = {"Nein", "Nein"};
      p.EndeErwarten();
      EndeKlicken(f);
    });
    QVERIFY(!p.zeitUeberschritten);
    QCOMPARE(p.ergebnis, 0);
  }
};

QTEST_MAIN(ProgrammlaufTest)
#include "programmlauf_test.moc"
