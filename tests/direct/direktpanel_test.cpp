// The panel "Direkte Ein-/Ausgabe" under Qt Test, offscreen, on the in-process simulated line.

#include "direct/direktpanel.h"

#include <qcustomplot.h>

#include <QAction>
#include <QCheckBox>
#include <QDial>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "base/dateischreiben.h"
#include "device/novhln1.h"
#include "direct/drehregler.h"
#include "direct/zeigerinstrument.h"
#include "sim/inprozessport.h"
#include "tests/support/tempordner.h"
#include "tests/support/testshell.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/lampe.h"

namespace {

struct TestZugang : Geraetezugang {
  explicit TestZugang(Portfabrik& fabrik) : ports(fabrik) {}
  ComPorts& Ports() override { return ports; }
  int OffenerComPort() const override { return port; }
  char Adresse() const override { return '1'; }
  ComPorts ports;
  int port = -1;
};

struct Umgebung {
  SimLeitung leitung;
  Geraet& geraet = leitung.GeraetHinzufuegen('1');
  InProzessFabrik fabrik{leitung};
  TestZugang zugang{fabrik};
  TestShell shell;
  Konfigzustand konfig{shell.dialoge};
  DirektPanel* panel;
  TempOrdner tmp;

  Umgebung() {
    Konfiguration k;
    k.inskalamax[1] = 100.0;
    k.ineinheit[1] = "mBar";
    k.outskalamax[2] = 10000.0;
    k.outeinheit[2] = "U/min";
    konfig.KonfigurationSetzen(k);
    for (int n = 1; n <= 4; ++n) geraet.EingangSetzen(n, 2.0 * n);
    NOVHLN1_Open(zugang.ports, 1, 9600);
    zugang.port = 1;
    shell.fenster.resize(1200, 900);
    panel = new DirektPanel(shell.dienste, konfig, zugang, &shell.fenster);
    panel->resize(1200, 900);
    panel->DirektpanelInit();
    shell.fenster.show();
    panel->show();
  }
  template <typename T>
  T* Teil(const char* name) {
    T* teil = panel->findChild<T*>(name);
    if (teil == nullptr) qFatal("control %s missing", name);
    return teil;
  }
  std::string Protokoll() {
    std::string inhalt;
    DateiLesen(tmp.datei("p.txt"), inhalt);
    return inhalt;
  }
};

}  // namespace

class DirektpanelTest : public QObject {
  Q_OBJECT
 private slots:
  void ElementeInDenEinheitenDerKonfiguration();
  void AbfrageMitTimerMessgeraetenUndStreifen();
  void KnopfUeberDerGrenzeUndEscape();
  void Eingang4AlsStartStoppSignal();
  void DirekthilfeZurueckUndPinbelegung();
};

void DirektpanelTest::ElementeInDenEinheitenDerKonfiguration() {
  Umgebung u;
  QCOMPARE(u.panel->Titel(), QString("Direkte Ein-/Ausgabe"));
  for (const char* name :
       {"PLOT1", "EINGANG4", "MIN3", "MAX2", "AUSGANG1", "BEGRENZUNG4", "ABFRAGEN",
        "DATEISPEICHERN", "DATEISPEICHERNLED", "ABTASTZEIT", "ZOOMY", "ZOOMX", "PICTURERING",
        "ZURUECK", "STRIPCHART", "TIMER", "AUSGAENGEAUFNULL", "MINMAXRESET", "DIREKTHILFE"})
    QVERIFY2(u.panel->findChild<QObject*>(name) != nullptr, name);
  auto* meter = u.Teil<Zeigerinstrument>("EINGANG2");
  QCOMPARE(meter->Einheit(), QString("mBar"));
  QCOMPARE(meter->Stellen(), 2);
  QCOMPARE(meter->Hi(), 100.0);
  QCOMPARE(u.Teil<QDoubleSpinBox>("MAX2")->decimals(), 2);
  auto* knopf = u.Teil<Drehregler>("AUSGANG3");
  QCOMPARE(knopf->Einheit(), QString("U/min"));
  QCOMPARE(knopf->Feld()->decimals(), 0);
  QCOMPARE(knopf->Feld()->maximum(), 10000.0);
  QCOMPARE(u.Teil<QDoubleSpinBox>("BEGRENZUNG3")->decimals(), 0);
  QCOMPARE(u.Teil<QSpinBox>("ZOOMX")->value(), kStreifenVorgabe / 2);
  QCOMPARE(u.Teil<QPushButton>("ABFRAGEN")->text(), QString("Eingänge abfragen"));
  QCOMPARE(u.Teil<QPushButton>("AUSGAENGEAUFNULL")->text(), QString("Ausgänge auf Null (ESC)"));
  auto* streifen = u.Teil<QCustomPlot>("STRIPCHART");
  QCOMPARE(streifen->graphCount(), 4);
  QCOMPARE(streifen->yAxis->label(), QString("Prozent"));
  QCOMPARE(streifen->xAxis->range().upper, double(kStreifenVorgabe / 2));

  // After the configuration changed, the hook rescales.
  Konfiguration k = u.konfig.gKonfig();
  k.ineinheit[1] = "bar";
  k.inskalamax[1] = 1.0;
  u.konfig.KonfigurationSetzen(k);
  u.panel->Direktpanel_SkaliereElemente();
  QCOMPARE(meter->Einheit(), QString("bar"));
  QCOMPARE(meter->Stellen(), 4);

  u.Teil<QDoubleSpinBox>("ZOOMY")->setValue(150.0);
  QCOMPARE(u.Teil<QDoubleSpinBox>("ZOOMY")->value(), 100.0);
  u.Teil<QSpinBox>("ZOOMX")->setValue(0);
  QCOMPARE(u.Teil<QSpinBox>("ZOOMX")->value(), 10);
  QCOMPARE(streifen->xAxis->range().upper, 10.0);
  u.Teil<QDoubleSpinBox>("ABTASTZEIT")->setValue(0.05);
  QCOMPARE(u.panel->Timer()->interval(), 200);
  QCOMPARE(u.Teil<QDoubleSpinBox>("ABTASTZEIT")->value(), 0.05);
  QTest::mouseClick(u.Teil<QCheckBox>("PLOT2"), Qt::LeftButton);
  QVERIFY(!u.panel->Felder().plot[1]);
  QVERIFY(!streifen->graph(1)->visible());
}

void DirektpanelTest::AbfrageMitTimerMessgeraetenUndStreifen() {
  Umgebung u;
  u.shell.dialoge.dateien.push_back(u.tmp.datei("p.txt"));
  QTest::mouseClick(u.Teil<QCheckBox>("DATEISPEICHERN"), Qt::LeftButton);
  u.Teil<QDoubleSpinBox>("ABTASTZEIT")->setValue(0.2);
  auto* abfragen = u.Teil<QPushButton>("ABFRAGEN");
  QTest::mouseClick(abfragen, Qt::LeftButton);
  QVERIFY(u.panel->Timer()->isActive());
  QVERIFY(abfragen->isChecked());
  QCOMPARE(abfragen->text(), QString("Abfragen beenden"));
  QVERIFY(!u.Teil<QCheckBox>("DATEISPEICHERN")->isEnabled());
  QVERIFY(u.Teil<Lampe>("DATEISPEICHERNLED")->An());
  // The timer drives the tick.
  QVERIFY(QTest::qWaitFor([&] { return u.panel->Steuerung().Streifen().Schritte().size() >= 1; },
                          10000));
  u.geraet.EingangSetzen(1, 6.0);
  u.panel->Steuerung().DirektTimer_Callback();
  QCOMPARE(u.Teil<Zeigerinstrument>("EINGANG1")->Wert(), 6.0);
  QCOMPARE(u.Teil<Zeigerinstrument>("EINGANG2")->Wertetext(), QString("40.00"));
  QCOMPARE(u.Teil<QDoubleSpinBox>("MIN1")->value(), 2.0);
  QCOMPARE(u.Teil<QDoubleSpinBox>("MAX1")->value(), 6.0);
  QTest::mouseClick(u.Teil<QPushButton>("MINMAXRESET"), Qt::LeftButton);
  u.panel->Steuerung().DirektTimer_Callback();
  QCOMPARE(u.Teil<QDoubleSpinBox>("MIN1")->value(), 6.0);
  QCPGraph* spur = u.Teil<QCustomPlot>("STRIPCHART")->graph(0);
  QVERIFY(spur->dataCount() >= 2);
  QCOMPARE((spur->data()->end() - 1)->value, 60.0);

  QTest::mouseClick(abfragen, Qt::LeftButton);
  QVERIFY(!u.panel->Timer()->isActive());
  QVERIFY(!u.Teil<Lampe>("DATEISPEICHERNLED")->An());
  QVERIFY(u.Teil<QCheckBox>("DATEISPEICHERN")->isEnabled());
  const std::string protokoll = u.Protokoll();
  QVERIFY(protokoll.find("Eing2[mBar]") != std::string::npos);
  QVERIFY(protokoll.find("\t6.000\t40.00\t6.000\t8.000\t") != std::string::npos);
  QVERIFY(protokoll.ends_with("Datenerfassung beendet\n"));
}

void DirektpanelTest::KnopfUeberDerGrenzeUndEscape() {
  Umgebung u;
  QCOMPARE(u.Teil<QDoubleSpinBox>("BEGRENZUNG3")->value(), 10000.0);  // unset: the upper end
  u.Teil<QDoubleSpinBox>("BEGRENZUNG2")->setValue(4.0);
  QCOMPARE(u.panel->Felder().grenze[1], 4.0);
  auto* knopf = u.Teil<Drehregler>("AUSGANG2");
  knopf->Feld()->setValue(7.5);
  QCOMPARE(u.geraet.ausgaenge[1], 4.0);
  QCOMPARE(knopf->Wert(), 4.0);
  QCOMPARE(knopf->Knopf()->value(), 1638);  // 4 of 0..10 on 4095 steps
  // Turning the dial sends at once.
  knopf->Knopf()->setValue(819);
  QCOMPARE(u.geraet.ausgaenge[1], 2.0);

  u.Teil<Drehregler>("AUSGANG3")->Feld()->setValue(5000.0);
  QCOMPARE(u.geraet.ausgaenge[2], 5.0);
  u.shell.fenster.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&u.shell.fenster));
  QTest::keyClick(&u.shell.fenster, Qt::Key_Escape);
  QCOMPARE(u.geraet.ausgaenge[1], 0.0);
  QCOMPARE(u.geraet.ausgaenge[2], 0.0);
  QCOMPARE(knopf->Wert(), 0.0);

  // Hidden, the panel leaves Escape alone.
  u.Teil<Drehregler>("AUSGANG3")->Feld()->setValue(5000.0);
  u.panel->hide();
  QTest::keyClick(&u.shell.fenster, Qt::Key_Escape);
  QCOMPARE(u.geraet.ausgaenge[2], 5.0);
}

void DirektpanelTest::Eingang4AlsStartStoppSignal() {
  Umgebung u;
  u.geraet.modus = 0x01;
  QTest::mouseClick(u.Teil<QPushButton>("ABFRAGEN"), Qt::LeftButton);
  QVERIFY(u.panel->Timer()->isActive());
  for (const char* name : {"PLOT4", "MIN4", "MAX4", "EINGANG4"})
    QVERIFY2(!u.Teil<QWidget>(name)->isEnabled(), name);
  QVERIFY(!u.Teil<QCheckBox>("PLOT4")->isChecked());
  QVERIFY(!u.Teil<QCustomPlot>("STRIPCHART")->graph(3)->visible());
  QTest::mouseClick(u.Teil<QPushButton>("ABFRAGEN"), Qt::LeftButton);

  // A mode word that cannot be read leaves polling off.
  u.leitung.StoerungAufRahmen(u.leitung.Rahmenzahl() + 5, {Stoerart::Nak});
  QTest::mouseClick(u.Teil<QPushButton>("ABFRAGEN"), Qt::LeftButton);
  QVERIFY(!u.panel->Timer()->isActive());
  QVERIFY(!u.Teil<QPushButton>("ABFRAGEN")->isChecked());
  QCOMPARE(u.panel->Fehleranzeige()->Nummer(), 402154);
}

void DirektpanelTest::DirekthilfeZurueckUndPinbelegung() {
  Umgebung u;
  QVERIFY(QTest::qWaitForWindowExposed(&u.shell.fenster));
  u.shell.hilfe.Setzen(true);
  QTest::mouseClick(&u.shell.fenster, Qt::LeftButton);  // closes the mode text
  QTest::mouseClick(u.Teil<QPushButton>("ABFRAGEN"), Qt::LeftButton);
  QVERIFY(!u.panel->Timer()->isActive());
  QVERIFY(u.shell.hilfe.HilfetextOffen());
  QTest::mouseClick(u.Teil<QPushButton>("ABFRAGEN"), Qt::LeftButton);
  u.shell.hilfe.Setzen(false);

  u.shell.dialoge.dateien.push_back(u.tmp.datei("p.txt"));
  QTest::mouseClick(u.Teil<QCheckBox>("DATEISPEICHERN"), Qt::LeftButton);
  QTest::mouseClick(u.Teil<QPushButton>("ABFRAGEN"), Qt::LeftButton);
  QVERIFY(u.panel->Timer()->isActive());
  QTest::mouseClick(u.Teil<QPushButton>("ZURUECK"), Qt::LeftButton);
  QVERIFY(!u.panel->Timer()->isActive());
  QVERIFY(u.Protokoll().ends_with("Datenerfassung beendet\n"));
  QCOMPARE(u.shell.panels.AktuellesChildpanel(), int(KEIN_PANEL));

  QAction* pins = u.panel->findChild<QAction*>("PINS");
  QVERIFY(pins != nullptr);
  pins->trigger();
  QCOMPARE(u.shell.dialoge.LetzteMeldung().titel, std::string("PWC-2 Pinbelegung"));
}

QTEST_MAIN(DirektpanelTest)
#include "direktpanel_test.moc"
