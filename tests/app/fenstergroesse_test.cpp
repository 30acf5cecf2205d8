// The main window at its start size on a 1366 × 768 laptop screen (the offscreen platform is
// given such a screen): it leaves room for a window frame and a panel bar, and every control of
// the bare main window, of every child panel and of the information panel lies inside its
// window, unsqueezed, with every toolbar button reachable.

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QToolBar>

#include "app/anwendung.h"
#include "app/infopanel.h"
#include "platform/posix/posixsystemports.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

// What a 1366 × 768 screen leaves for the window after a window frame and a panel bar.
constexpr QSize kHoechstens(1280, 680);

// Why a shown control is not fully usable; empty when it is.
QString Mangel(const QWidget& fenster, const QWidget& w) {
  const QRect imFenster(w.mapTo(&fenster, QPoint(0, 0)), w.size());
  if (!fenster.rect().contains(imFenster)) return "liegt nicht im Fenster";
  if (!w.parentWidget()->rect().contains(w.geometry())) return "ragt aus seinem Elternteil";
  // Qt's own inner parts ("qt_spinbox_lineedit") are sized by the control they belong to.
  if (w.objectName().startsWith("qt_")) return {};
  const QSize mindestens = w.minimumSizeHint().expandedTo(w.minimumSize());
  if (w.width() < mindestens.width() || w.height() < mindestens.height())
    return "ist kleiner als sein Mindestmaß";
  return {};
}

// Every shown control of a window.
QStringList Maengel(const QWidget& fenster) {
  QStringList maengel;
  const auto name = [](const QWidget* w) {
    return QString("%1 \"%2\"").arg(w->metaObject()->className(), w->objectName());
  };
  for (const QWidget* w : fenster.findChildren<QWidget*>()) {
    if (w->isWindow() || !w->isVisibleTo(&fenster)) continue;
    if (const QString mangel = Mangel(fenster, *w); !mangel.isEmpty())
      maengel << name(w) + " " + mangel;
  }
  // A toolbar too narrow for its buttons hides the rest behind an extension button.
  for (const QToolBar* leiste : fenster.findChildren<QToolBar*>()) {
    if (!leiste->isVisibleTo(&fenster)) continue;
    for (QAction* knopf : leiste->actions())
      if (knopf->isVisible() && !leiste->widgetForAction(knopf)->isVisibleTo(&fenster))
        maengel << name(leiste) + " verbirgt " + knopf->toolTip();
  }
  return maengel;
}

}  // namespace

class FenstergroesseTest : public QObject {
  Q_OBJECT

 private slots:
  void JedesPanelPasstBeiStartgroesseAufDenLaptop() {
    TempOrdner ordner;
    SkriptDialoge dialoge;
    Anwendung anwendung(dialoge, ordner.datei("x.ini"),
                        std::make_unique<PosixSystemports>(PortWurzeln{
                            ordner.datei("ports"), ordner.datei("dev"), ordner.datei("sys")}));
    QCOMPARE(anwendung.Starten(), 0);
    Hauptfenster& fenster = anwendung.Fenster();
    const Fenstergroesse start = fenster.Startgroesse();
    QVERIFY(start.breite <= kHoechstens.width() && start.hoehe <= kHoechstens.height());

    const QRect bildschirm = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(bildschirm.size(), QSize(1366, 768));
    fenster.move(bildschirm.topLeft());
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    QVERIFY(bildschirm.contains(fenster.frameGeometry()));

    // The bare main window first, then every child panel the window holds.
    QList<int> nummern{KEIN_PANEL};
    for (const ChildPanel* panel : fenster.findChildren<ChildPanel*>()) nummern << panel->Nummer();
    QVERIFY(nummern.size() >= 5);
    for (int nummer : nummern) {
      anwendung.Panels().ZeigeChildpanel(nummer);
      QCoreApplication::processEvents();
      QCOMPARE(fenster.SichtbaresPanel(), nummer);
      // A panel that needs more room would make the window grow past its start size.
      QCOMPARE(fenster.size(), QSize(start.breite, start.hoehe));
      const QStringList maengel = Maengel(fenster);
      QVERIFY2(maengel.isEmpty(), qPrintable(QString::number(nummer) + ": " + maengel.join("; ")));
    }

    Infopanel& info = anwendung.Info();
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    QVERIFY(bildschirm.contains(info.frameGeometry()));
    QVERIFY2(Maengel(info).isEmpty(), qPrintable(Maengel(info).join("; ")));
    info.hide();
  }
};

QTEST_MAIN(FenstergroesseTest)
#include "fenstergroesse_test.moc"
