// The shell under Qt Test, offscreen: start-up, panel switching, resizing, direct help, end.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/anwendung.h"
#include "app/infopanel.h"
#include "base/dateischreiben.h"
#include "base/ini.h"
#include "characteristic/kennlinienpanel.h"
#include "platform/posix/posixsystemports.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

// The ports of port folders of the tests: no links, no devices.
std::unique_ptr<Systemports> LeereWurzeln(const TempOrdner& ordner) {
  return std::make_unique<PosixSystemports>(
      PortWurzeln{ordner.datei("ports"), ordner.datei("dev"), ordner.datei("sys")});
}

}  // namespace

namespace {

struct AbbrechenderEditor : Editor {
  int antwort = 1;
  int AbbruchWeilNichtGespeichert() override { return antwort; }
};

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

 private slots:
  void ErsterStartZeigtIniFehlerUndEndeSchreibtDatei() {
    TempOrdner ordner;
    SkriptDialoge dialoge;
    const std::string pfad = ordner.datei("tvm5r/tvm5RKurvengenerator.ini");
    Anwendung anwendung(dialoge, pfad, LeereWurzeln(ordner));
    QCOMPARE(anwendung.Starten(), 0);
    QCOMPARE(dialoge.meldungen.size(), size_t{1});
    QCOMPARE(dialoge.meldungen[0].titel, std::string("Fehler #801202"));
    QCOMPARE(dialoge.meldungen[0].text, std::string("Fehler beim lesen der INI-Datei"));
    QCOMPARE(anwendung.Info().Version(), QString("V 1.3"));
    QCOMPARE(anwendung.Info().Datum(), QString("12/2023"));

    Hauptfenster& fenster = anwendung.Fenster();
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    QCOMPARE(fenster.windowTitle(), QString("TVM-5R Kurvengenerator"));
    for (int id : {KNOPF_COM, KNOPF_KURVEN, KNOPF_INFO, KNOPF_ENDE})
      QVERIFY(fenster.Steuerelement(id)->isVisible());
    for (int id : {KNOPF_KONFIG, KNOPF_DIREKT, KNOPF_KENNLINIE, KNOPF_DIREKTHILFE})
      QVERIFY(!fenster.Steuerelement(id)->isVisible());

    QTest::mouseClick(fenster.Knopf(KNOPF_ENDE), Qt::LeftButton);
    QVERIFY(anwendung.EndeAngefordert());
    anwendung.Beenden();
    QVERIFY(std::filesystem::exists(pfad));
    QCOMPARE(dialoge.meldungen.size(), size_t{1});
  }

  void ChildpanelsWechselnUndDimmenDieHauptknoepfe() {
    TempOrdner ordner;
    SkriptDialoge dialoge;
    Anwendung anwendung(dialoge, ordner.datei("x.ini"), LeereWurzeln(ordner));
    anwendung.Starten();
    Hauptfenster& fenster = anwendung.Fenster();
    fenster.show();

    anwendung.Panels().ZeigeChildpanel(KEIN_PANEL);
    QCOMPARE(fenster.SichtbaresPanel(), int(KEIN_PANEL));
    QVERIFY(fenster.Knopf(KNOPF_COM)->isEnabled());

    QTest::mouseClick(fenster.Knopf(KNOPF_KURVEN), Qt::LeftButton);
    QCOMPARE(anwendung.Panels().AktuellesChildpanel(), int(KURVENPNL));
    QCOMPARE(fenster.SichtbaresPanel(), int(KURVENPNL));
    for (int id = KNOPF_COM; id <= KNOPF_ENDE; ++id) QVERIFY(!fenster.Knopf(id)->isEnabled());

    anwendung.Panels().ZeigeChildpanel(COMPNL);
    QCOMPARE(fenster.SichtbaresPanel(), int(COMPNL));
    ChildPanel* com = fenster.Childpanel(COMPNL);
    QCOMPARE(com->Titel(), QString("COM-Schnittstellen Einstellung"));
    QTest::mouseClick(com->ZurueckKnopf(), Qt::LeftButton);
    QCOMPARE(fenster.SichtbaresPanel(), int(KEIN_PANEL));
    QVERIFY(fenster.Knopf(KNOPF_COM)->isEnabled());

    QVERIFY(com->FensterAktion(KENNLPNL) == nullptr);  // the navigation does not lead there
    com->FensterAktion(KURVENPNL)->trigger();
    QCOMPARE(fenster.SichtbaresPanel(), int(KURVENPNL));
    fenster.Childpanel(KURVENPNL)->FensterAktion(KEIN_PANEL)->trigger();
    QCOMPARE(fenster.SichtbaresPanel(), int(KEIN_PANEL));
  }

  void GroesseBleibtImSeitenverhaeltnis() {
    const Fenstergroesse start{800, 600};
    QCOMPARE(AngepassteGroesse(start, {400, 300}), start);
    QCOMPARE(AngepassteGroesse(start, {1600, 900}), (Fenstergroesse{1200, 900}));
    QCOMPARE(AngepassteGroesse(start, {1200, 1200}), (Fenstergroesse{1200, 900}));
    QCOMPARE(AngepassteGroesse(start, {799, 2000}), start);

    TempOrdner ordner;
    SkriptDialoge dialoge;
    Anwendung anwendung(dialoge, ordner.datei("x.ini"), LeereWurzeln(ordner));
    anwendung.Starten();
    Hauptfenster& fenster = anwendung.Fenster();
    fenster.show();
    const Fenstergroesse s = fenster.Startgroesse();
    fenster.resize(s.breite * 2, s.hoehe * 3 / 2);
    QTRY_COMPARE(fenster.width(), static_cast<int>(s.breite * 1.5 + 0.5));
    QCOMPARE(fenster.height(), s.hoehe * 3 / 2);
    fenster.resize(s.breite / 2, s.hoehe / 2);
    QTRY_COMPARE(fenster.width(), s.breite);
    QCOMPARE(fenster.height(), s.hoehe);
  }

  void DirekthilfeZeigtTexteStattZuHandeln() {
    TempOrdner ordner;
    SkriptDialoge dialoge;
    Anwendung anwendung(dialoge, ordner.datei("x.ini"), LeereWurzeln(ordner));
    anwendung.Starten();
    Hauptfenster& fenster = anwendung.Fenster();
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    Direkthilfe& hilfe = anwendung.Hilfe();

    hilfe.Setzen(true);
    QVERIFY(hilfe.HilfetextOffen());
    QVERIFY(fenster.HilfeToggle()->isChecked());
    QTest::mouseClick(&fenster, Qt::LeftButton);  // closes the mode text
    QVERIFY(!hilfe.HilfetextOffen());

    QTest::mouseClick(fenster.Knopf(KNOPF_KURVEN), Qt::LeftButton);
    QVERIFY(hilfe.HilfetextOffen());
    QCOMPARE(anwendung.Panels().AktuellesChildpanel(), int(KEIN_PANEL));
    auto* text = fenster.findChild<QFrame*>("Hilfetext")->findChild<QLabel*>();
    QVERIFY(text->text().startsWith("Die PWC-2 kann bis zu vier"));
    QTest::mouseClick(&fenster, Qt::LeftButton);
    QVERIFY(!hilfe.HilfetextOffen());

    QTest::mouseClick(fenster.Knopf(KNOPF_ENDE), Qt::LeftButton);  // no text, no end
    QVERIFY(!hilfe.HilfetextOffen());
    QVERIFY(!anwendung.EndeAngefordert());

    hilfe.Setzen(false);
    QTest::mouseClick(fenster.Knopf(KNOPF_KURVEN), Qt::LeftButton);
    QCOMPARE(anwendung.Panels().AktuellesChildpanel(), int(KURVENPNL));
  }

  void HilfepopupOeffnetSichZurMitte() {
    const QSize fenster(1000, 800), text(200, 50);
    QCOMPARE(Direkthilfe::PopupPosition({100, 100}, fenster, text), QPoint(100, 100));
    QCOMPARE(Direkthilfe::PopupPosition({700, 600}, fenster, text), QPoint(490, 540));
  }

  void EditorKannDasEndeAbbrechen() {
    TempOrdner ordner;
    SkriptDialoge dialoge;
    const std::string pfad = ordner.datei("x.ini");
    Anwendung anwendung(dialoge, pfad, LeereWurzeln(ordner));
    anwendung.Starten();
    AbbrechenderEditor editor;
    anwendung.Ende().Anmelden(Editorplatz::Kennlinie, &editor);
    anwendung.Fenster().close();
    QVERIFY(!anwendung.EndeAngefordert());
    QVERIFY(!std::filesystem::exists(pfad));
    editor.antwort = 0;
    anwendung.Fenster().close();
    QVERIFY(anwendung.EndeAngefordert());
  }

  void KennlinieWirdNachDenKurvenGefragtUndIhreDarstellungGeschrieben() {
    TempOrdner ordner;
    SkriptDialoge dialoge;
    const std::string pfad = ordner.datei("x.ini");
    Anwendung anwendung(dialoge, pfad, LeereWurzeln(ordner));
    anwendung.Starten();
    anwendung.Kurvenmenge().gKurvenGeaendert = true;
    anwendung.Kennlinie().gKennlGeaendert = true;
    anwendung.Kennlinien().Darstellung() = 2;
    dialoge.antworten = {2, 3};  // curves "Nein", characteristic "Abbrechen"
    anwendung.Fenster().close();
    QVERIFY(!anwendung.EndeAngefordert());
    QCOMPARE(dialoge.fragen.size(), size_t{2});
    QCOMPARE(dialoge.fragen[1].text,
             std::string("Möchten Sie die Änderungen in Kennlinienregler speichern?"));
    dialoge.antworten = {2, 2};
    anwendung.Fenster().close();
    QVERIFY(anwendung.EndeAngefordert());
    anwendung.Beenden();
    IniDatei ini = Ini_New(true);
    QCOMPARE(Ini_ReadFromFile(ini, pfad), 0);
    long darstellung = 0;
    QCOMPARE(Ini_GetInt(ini, "kennlinie", "darstellung", darstellung), 1);
    QCOMPARE(darstellung, 2L);
  }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
