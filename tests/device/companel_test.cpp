// The COM settings panel under Qt Test, offscreen, on the in-process simulated line and on port
// folders of its own (never the machine's /dev).

#include "device/companel.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "base/einstellungen.h"
#include "device/novhln1.h"
#include "platform/posix/posixsystemports.h"
#include "tests/device/zaehlfabrik.h"
#include "tests/support/tempordner.h"
#include "tests/support/testshell.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/lampe.h"

namespace fs = std::filesystem;

namespace {

// A port folder with the links com<n>, and empty /dev and /sys folders.
struct Portordner {
  TempOrdner tmp;
  PortWurzeln wurzeln;

  explicit Portordner(const std::vector<int>& links) {
    wurzeln = {tmp.pfad() / "ports", tmp.pfad() / "dev", tmp.pfad() / "sys"};
    for (const fs::path& p : {wurzeln.portordner, wurzeln.devOrdner, wurzeln.sysOrdner})
      fs::create_directories(p);
    for (int n : links) Verlinken(n);
  }
  void Verlinken(int n) {
    const fs::path ziel = tmp.pfad() / ("geraet" + std::to_string(n));
    std::ofstream(ziel).put('\n');
    fs::create_symlink(ziel, wurzeln.portordner / ("com" + std::to_string(n)));
  }
};

// One COM panel in a test shell, with a second picture standing for the main window's.
struct Umgebung {
  Portordner ordner;
  SimLeitung leitung;
  ZaehlFabrik fabrik{leitung};
  PosixSystemports posix{ordner.wurzeln};
  ComPorts ports;
  TestShell shell;
  ComPanel* panel;
  Verbindungsbild* hauptbild;
  std::vector<std::string> rahmen;

  // echt: the ports are opened as on the machine, here in the empty test folders.
  explicit Umgebung(const std::vector<int>& links, bool echt = false)
      : ordner(links), ports(echt ? static_cast<Portfabrik&>(posix) : fabrik) {
    shell.fenster.resize(900, 600);
    panel = new ComPanel(shell.dienste, ports, posix, &shell.fenster);
    hauptbild = shell.bilder.Neu(&shell.fenster);
    hauptbild->move(800, 500);
    leitung.protokoll = [this](const Protokolleintrag& e) { rahmen.push_back(e.anfrage); };
    shell.fenster.show();
    panel->show();
  }
  template <typename T>
  T* Teil(const char* name) {
    T* teil = panel->findChild<T*>(name);
    if (teil == nullptr) qFatal("control %s missing", name);
    return teil;
  }
  QComboBox* Ring(const char* name) { return Teil<QComboBox>(name); }
  void Waehlen(const QString& text) {
    QComboBox* ring = Ring("PORT");
    const int index = ring->findText(text);
    QVERIFY(index >= 0);
    ring->setCurrentIndex(index);
    emit ring->activated(index);
  }
  void Klicken(const char* knopf) { QTest::mouseClick(Teil<QPushButton>(knopf), Qt::LeftButton); }
  QStringList Eintraege() {
    QStringList texte;
    for (int i = 0; i < Ring("PORT")->count(); ++i) texte << Ring("PORT")->itemText(i);
    return texte;
  }
  int Fehlernummer() { return panel->Fehleranzeige()->Nummer(); }
  QList<int> Bilder() {
    return {panel->Verbindung()->Wert(), hauptbild->Wert(), shell.bilder.Wert()};
  }
};

QList<int> Alle(int wert) {
  return {wert, wert, wert};
}

QString Hilfepopup(QWidget& fenster) {
  auto* popup = fenster.findChild<QFrame*>("Hilfetext");
  return popup ? popup->findChild<QLabel*>()->text() : QString();
}

}  // namespace

class CompanelTest : public QObject {
  Q_OBJECT

 private slots:
  void OeffnenUndSchliessenUeberRingUndBild() {
    Umgebung u({10, 3});
    QCOMPARE(u.Eintraege(), QStringList({"COM 3", "COM 10"}));
    QCOMPARE(u.Bilder(), Alle(-1));
    // Nothing open: the ring shows none, the pictures say so and what a click opens.
    QCOMPARE(u.Ring("PORT")->currentIndex(), -1);
    QCOMPARE(u.Ring("PORT")->placeholderText(), QString("kein Port geöffnet"));
    QCOMPARE(u.hauptbild->Zeile(), QString("nicht verbunden"));
    QCOMPARE(u.hauptbild->toolTip(), QString("Keine Verbindung. Ein Klick öffnet COM 3."));

    u.Waehlen("COM 10");
    QCOMPARE(u.panel->Verbindung()->Zeile(), QString("COM 10"));
    QCOMPARE(u.fabrik.geoeffnet, std::vector<int>{10});
    QCOMPARE(u.panel->Zugang().OffenerComPort(), 10);
    QCOMPARE(u.Bilder(), Alle(0));  // above 8
    u.Waehlen("COM 10");
    QCOMPARE(u.fabrik.geoeffnet, std::vector<int>{10});

    u.Waehlen("COM 3");
    QCOMPARE(u.Bilder(), Alle(3));
    QCOMPARE(u.ports.Port(10), nullptr);

    QTest::mouseClick(u.hauptbild, Qt::LeftButton);
    QCOMPARE(u.Bilder(), Alle(-1));
    QCOMPARE(u.ports.Port(3), nullptr);
    QTest::mouseClick(u.panel->Verbindung(), Qt::LeftButton);
    QCOMPARE(u.Bilder(), Alle(3));
    QCOMPARE(u.fabrik.geoeffnet, (std::vector<int>{10, 3, 3}));
    QCOMPARE(u.Fehlernummer(), 0);

    // Opening the list refills it and keeps the selection.
    u.ordner.Verlinken(5);
    u.Ring("PORT")->showPopup();
    u.Ring("PORT")->hidePopup();
    QCOMPARE(u.Eintraege(), QStringList({"COM 3", "COM 5", "COM 10"}));
    QCOMPARE(u.Ring("PORT")->currentText(), QString("COM 3"));
  }

  void OhnePortsNurNa() {
    Umgebung u({}, true);
    QCOMPARE(u.Eintraege(), QStringList({"n.a."}));
    QCOMPARE(u.Ring("PORT")->currentData().toInt(), 0);
    u.Waehlen("n.a.");
    QCOMPARE(u.Fehlernummer(), 100003);
    QCOMPARE(u.panel->Fehleranzeige()->Text(),
             QString("Fehler beim öffnen der seriellen Schnittstelle"));
    QVERIFY(u.panel->Fehleranzeige()->LampeAn());
    QCOMPARE(u.Bilder(), Alle(-1));
  }

  // The ring names what each port is (value: the number) with the device in the tooltip; a port
  // that another program holds is refused as busy.
  void PortMitBeschreibungUndBelegt() {
    Umgebung u({}, true);
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
    const QString pty = ptsname(master);
    fs::create_symlink(pty.toStdString(), u.ordner.wurzeln.portordner / "com4");
    PosixPortfabrik andere(u.ordner.wurzeln);
    ComPorts haelt(andere);
    QCOMPARE(NOVHLN1_Open(haelt, 4, 9600), 0);

    u.Ring("PORT")->showPopup();
    u.Ring("PORT")->hidePopup();
    QCOMPARE(u.Eintraege(), QStringList({"COM 4 – Pseudo-Terminal"}));
    // Nothing was chosen yet, so the refilled ring shows no port; its item holds the number.
    QCOMPARE(u.Ring("PORT")->itemData(0).toInt(), 4);
    QCOMPARE(u.Ring("PORT")->itemData(0, Qt::ToolTipRole).toString(),
             "COM 4 – Pseudo-Terminal\n" + pty);
    u.Waehlen("COM 4 – Pseudo-Terminal");
    QCOMPARE(u.Fehlernummer(), 100238);
    QVERIFY(u.panel->Fehleranzeige()->Text().contains("Port belegt"));
    QCOMPARE(u.Bilder(), Alle(-1));
    close(master);
  }

  void EinstellungenUeberDieDatei() {
    TempOrdner tmp;
    const std::string datei = tmp.datei("tvm5RKurvengenerator.ini");
    {
      Umgebung u({3});
      Einstellungen e(datei);
      e.Anmelden(Einstellungsabschnitt::Com, ComAbschnitt(u.panel->Zugang()));
      u.Ring("ADRESSE")->setCurrentIndex(u.Ring("ADRESSE")->findText("alle"));
      u.Waehlen("COM 3");
      QCOMPARE(e.WriteIni(), 0);
    }
    {
      Umgebung u({3});
      Einstellungen e(datei);
      e.Anmelden(Einstellungsabschnitt::Com, ComAbschnitt(u.panel->Zugang()));
      QCOMPARE(e.ReadIni(), 0);
      QCOMPARE(u.Ring("ADRESSE")->currentText(), QString("alle"));
      QCOMPARE(u.panel->Zugang().Adresse(), '&');
      QCOMPARE(u.panel->Zugang().OffenerComPort(), 3);
      QCOMPARE(u.Bilder(), Alle(3));
    }
    std::ofstream(datei) << "[com]\nadresse = 65\nport = -1\nlport = 3\n";
    {
      Umgebung u({3});
      Einstellungen e(datei);
      e.Anmelden(Einstellungsabschnitt::Com, ComAbschnitt(u.panel->Zugang()));
      QCOMPARE(e.ReadIni(), 0);
      QCOMPARE(u.Ring("ADRESSE")->currentText(), QString("1"));
      QVERIFY(u.fabrik.geoeffnet.empty());
      QCOMPARE(e.WriteIni(), 0);
      IniDatei ini = Ini_New(true);
      QCOMPARE(Ini_ReadFromFile(ini, datei), 0);
      long wert = 0;
      QCOMPARE(Ini_GetInt(ini, "com", "adresse", wert), 1);
      QCOMPARE(wert, 49L);
      QCOMPARE(Ini_GetInt(ini, "com", "lport", wert), 1);
      QCOMPARE(wert, 3L);
    }
  }

  void ScanFindetTvm5rUndAnderesGeraet() {
    Umgebung u({1});
    u.leitung.GeraetHinzufuegen('3');
    u.leitung.GeraetHinzufuegen('5', "PWC-2 V2.1");
    u.Waehlen("COM 1");
    u.Klicken("SCANN");
    for (int a = 1; a <= 8; ++a) {
      auto* lampe = u.Teil<Lampe>(QString("LED%1").arg(a).toUtf8().constData());
      QCOMPARE(lampe->An(), a == 3 || a == 5);
    }
    QCOMPARE(u.Teil<Lampe>("LED3")->AnFarbe(), QColor(0x00, 0xCC, 0x00));
    QCOMPARE(u.Teil<Lampe>("LED5")->AnFarbe(), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(u.Ring("ADRESSE")->currentText(), QString("3"));
    QCOMPARE(u.Teil<QLineEdit>("IDSTRING")->text(), QString("NOV-TVM5ARV1.00"));
    QCOMPARE(u.Teil<QLabel>("TEXT")->text(), QString());
    QCOMPARE(u.Fehlernummer(), 0);

    // A second scan without the other device switches its lamp off.
    u.leitung.Geraete().pop_back();
    u.Klicken("SCANN");
    QVERIFY(!u.Teil<Lampe>("LED5")->An());
    QVERIFY(u.Teil<Lampe>("LED3")->An());
  }

  void IdLesenOhneOffenenPort() {
    Umgebung u({2});
    u.Klicken("IDLESEN");
    QCOMPARE(u.Fehlernummer(), 122232);
    QCOMPARE(u.panel->Fehleranzeige()->Text(),
             QString("Serielle Schnittstelle ist nicht geöffnet"));
    QCOMPARE(u.Teil<QLabel>("TEXT")->text(), QString());
  }

  void StartUndStoppAuchVonAnderenPanels() {
    Umgebung u({4});
    Geraet& geraet = u.leitung.GeraetHinzufuegen('1');
    QPushButton start("Start", &u.shell.fenster);
    QPushButton stopp("Stopp", &u.shell.fenster);
    u.panel->StartStoppKnoepfeAnbinden(&start, &stopp);

    u.Waehlen("COM 4");
    QTest::mouseClick(&start, Qt::LeftButton);
    QVERIFY(geraet.laeuft);
    QCOMPARE(u.Fehlernummer(), 0);
    QTest::mouseClick(&stopp, Qt::LeftButton);
    QVERIFY(!geraet.laeuft);
    u.panel->Start_Callback();
    QVERIFY(geraet.laeuft);
    QCOMPARE(u.rahmen, (std::vector<std::string>{"#1DF1\r", "#1DF2\r", "#1DF1\r"}));

    // With direct help on, the button shows its text and sends nothing.
    u.shell.hilfe.Setzen(true);
    QTest::mouseClick(&stopp, Qt::LeftButton);  // closes the mode's own popup
    QTest::mouseClick(&stopp, Qt::LeftButton);
    QCOMPARE(Hilfepopup(u.shell.fenster), QString("Sendet den Stopp-Befehl zum TVM-5R."));
    QCOMPARE(u.rahmen.size(), size_t{3});
    QVERIFY(geraet.laeuft);
    QTest::mouseClick(u.Teil<QLabel>("TEXT"), Qt::LeftButton);
    QTest::mouseClick(u.Ring("PORT"), Qt::LeftButton);
    QCOMPARE(Hilfepopup(u.shell.fenster),
             QString("Die Serielle Schnittstelle, an die die PWC-2\nangeschlossen ist."));
    u.shell.hilfe.Setzen(false);
  }

  void VerborgeneSteuerungUndMenue() {
    Umgebung u({1});
    Geraet& geraet = u.leitung.GeraetHinzufuegen('1');
    geraet.fehler = 0x03;
    u.panel->CompanelInit();
    for (const char* name :
         {"START", "STOPP", "EINGANG4START", "EINGANG4ANALOG", "FEHLERABFRAGE", "STATUSBITSHILFE"})
      QVERIFY2(!u.Teil<QPushButton>(name)->isVisible(), name);
    QVERIFY(!u.Teil<Lampe>("FEHLERBIT0")->isVisible());
    QVERIFY(!u.panel->HilfeToggle()->isVisible());
    QVERIFY(u.Teil<QPushButton>("SCANN")->isVisible());
    QStringList fenster;
    for (QAction* a : u.panel->FensterMenue()->actions()) fenster << a->text();
    QCOMPARE(fenster, QStringList({"Hauptfenster", "COM-Einstellung", "Kurvengenerator"}));

    // The hidden commands still work when invoked.
    u.Waehlen("COM 1");
    u.Teil<QPushButton>("EINGANG4START")->click();
    QCOMPARE(geraet.modus & 1, 1);
    u.Teil<QPushButton>("FEHLERABFRAGE")->click();
    QVERIFY(u.Teil<Lampe>("FEHLERBIT0")->An());
    QVERIFY(u.Teil<Lampe>("FEHLERBIT1")->An());
    QVERIFY(!u.Teil<Lampe>("FEHLERBIT2")->An());
    u.Teil<QPushButton>("STATUSBITSHILFE")->click();
    QCOMPARE(u.shell.dialoge.LetzteMeldung().titel, std::string("Fehlerbits"));
    QCOMPARE(u.shell.dialoge.LetzteMeldung().text,
             std::string("Speicherfehler\nChecksummenfehler\n"));

    QTest::mouseClick(u.panel->Verbindung(), Qt::LeftButton);
    QVERIFY(!u.Teil<QPushButton>("EINGANG4START")->isEnabled());
    QTest::mouseClick(u.panel->Verbindung(), Qt::LeftButton);
    QVERIFY(u.ports.Port(1) != nullptr);
    QCOMPARE(u.panel->CompanelClear(), 0);
    QCOMPARE(u.ports.Port(1), nullptr);
    QCOMPARE(u.panel->Zugang().OffenerComPort(), -1);
  }
};

QTEST_MAIN(CompanelTest)
#include "companel_test.moc"
