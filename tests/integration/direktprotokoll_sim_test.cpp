// Record files written through tvm5r-sim on a pseudo-terminal with fixed inputs, by the panel
// "Direkte Ein-/Ausgabe" (offscreen) and by tvm5r protokoll, read back to the values the
// simulator was given.

#include <signal.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <sstream>

#include "base/dateischreiben.h"
#include "base/zeichensatz.h"
#include "config/konfigdatei.h"
#include "device/novhln1.h"
#include "platform/posix/posixport.h"
#include "direct/direktpanel.h"
#include "direct/drehregler.h"
#include "tests/integration/prozesse.h"
#include "tests/support/tempordner.h"
#include "tests/support/testshell.h"

namespace {

constexpr int kPort = 41;
constexpr int kFristMs = 20000;

// Input 2 in mBar, input 3 in U/min, input 4 a 1..6 V sensor for 0..1000 °C.
Konfiguration Pruefkonfiguration() {
  Konfiguration k;
  k.inskalamax[1] = 100.0;
  k.ineinheit[1] = "mBar";
  k.inskalamax[2] = 10000.0;
  k.ineinheit[2] = "U/min";
  k.inmin[3] = 1.0;
  k.inmax[3] = 6.0;
  k.inskalamax[3] = 1000.0;
  k.ineinheit[3] = "°C";
  k.outskalamax[1] = 60.0;
  k.outeinheit[1] = "A";
  return k;
}

const std::vector<std::string> kSimEingaenge = {"--eingang", "1:1.25", "--eingang", "2:3.5",
                                                "--eingang", "3:7.75", "--eingang", "4:4"};
// What the inputs read in their units, with the decimals of their ranges.
const double kEinheiten[4] = {1.25, 35.0, 7750.0, 600.0};
const int kStellen[4] = {3, 2, 0, 1};

struct Aufzeichnung {
  std::vector<std::string> kopf;  // the eight channel lines
  std::string spalten;
  std::vector<std::vector<std::string>> zeilen;  // the fields of each row
  bool beendet = false;
};

std::vector<std::string> Teilen(const std::string& zeile, char trenner) {
  std::vector<std::string> teile;
  std::istringstream ein(zeile);
  for (std::string teil; std::getline(ein, teil, trenner);) teile.push_back(teil);
  return teile;
}

// Reads one session of a record file (as UTF-8); `gelesen` stays false when its start is not
// the start line and eight channel lines.
struct Gelesen {
  Aufzeichnung a;
  bool gelesen = false;
  std::string text;
};

Gelesen Lesen(const std::string& pfad) {
  Gelesen g;
  std::string roh;
  if (!DateiLesen(pfad, roh)) return g;
  g.text = Cp1252ZuUtf8(roh);
  const std::string start = "\n\nDatenerfassung gestartet\n";
  if (!g.text.starts_with(start)) return g;
  const std::vector<std::string> zeilen = Teilen(g.text.substr(start.size()), '\n');
  if (zeilen.size() < 10) return g;
  g.a.kopf.assign(zeilen.begin(), zeilen.begin() + 8);
  g.a.spalten = zeilen[8];
  for (size_t i = 9; i < zeilen.size(); ++i) {
    if (zeilen[i] == "Datenerfassung beendet") {
      g.a.beendet = i + 1 == zeilen.size();
      break;
    }
    g.a.zeilen.push_back(Teilen(zeilen[i], '\t'));
  }
  g.gelesen = true;
  return g;
}

void Pruefen(const Gelesen& g, const std::vector<std::string>& ausgaenge) {
  QVERIFY2(g.gelesen, g.text.c_str());
  const Aufzeichnung& a = g.a;
  QCOMPARE(a.kopf,
           (std::vector<std::string>{"Eingang1: 0.000..10.000 V", "Eingang2: 0.00..100.00 mBar",
                                     "Eingang3: 0..10000 U/min", "Eingang4: -200.0..1800.0 °C",
                                     "Ausgang1: 0.000..10.000 V", "Ausgang2: 0.00..60.00 A",
                                     "Ausgang3: 0.000..10.000 V", "Ausgang4: 0.000..10.000 V"}));
  QCOMPARE(a.spalten,
           std::string("Datum\tUhrzeit\tEing1[V]\tEing2[mBar]\tEing3[U/min]\tEing4[°C]\tAusg1[V]\t"
                       "Ausg2[A]\tAusg3[V]\tAusg4[V]"));
  QVERIFY2(a.beendet, g.text.c_str());
  QVERIFY(!a.zeilen.empty());
  for (const auto& z : a.zeilen) {
    QCOMPARE(z.size(), size_t(10));
    QCOMPARE(z[0].size(), size_t(10));
    QCOMPARE(z[0][2], '.');
    QCOMPARE(z[1].size(), size_t(8));
    for (int k = 0; k < 4; ++k) {
      const std::string& feld = z[2 + k];
      const size_t punkt = feld.find('.');
      QCOMPARE(punkt == std::string::npos ? 0 : feld.size() - punkt - 1, size_t(kStellen[k]));
      QVERIFY2(std::fabs(std::stod(feld) - kEinheiten[k]) <= 0.5 * std::pow(10.0, -kStellen[k]),
               feld.c_str());
    }
    QCOMPARE(std::vector<std::string>(z.begin() + 6, z.end()), ausgaenge);
  }
}

struct TestZugang : Geraetezugang {
  explicit TestZugang(Portfabrik& fabrik) : ports(fabrik) {}
  ComPorts& Ports() override { return ports; }
  int OffenerComPort() const override { return kPort; }
  char Adresse() const override { return '1'; }
  ComPorts ports;
};

bool HatZeile(const std::string& pfad) {
  std::string text;
  return DateiLesen(pfad, text) && text.find("\n0") != std::string::npos &&
         text.find('\t', text.find("Ausg4")) != std::string::npos;
}

}  // namespace

class DirektprotokollSimTest : public QObject {
  Q_OBJECT
 private slots:
  void PanelUndKommandozeileSchreibenDieGegebenenWerte();
};

void DirektprotokollSimTest::PanelUndKommandozeileSchreibenDieGegebenenWerte() {
  TempOrdner xdg;
  std::vector<std::string> simArgumente = {"--com", std::to_string(kPort)};
  simArgumente.insert(simArgumente.end(), kSimEingaenge.begin(), kSimEingaenge.end());
  SimProzess sim(simArgumente, xdg.pfad());
  QVERIFY(!sim.zeile().empty());

  {
    PosixPortfabrik fabrik(
        PortWurzeln{xdg.pfad() / "tvm5r" / "ports", xdg.pfad() / "dev", xdg.pfad() / "sys"});
    TestZugang zugang(fabrik);
    QCOMPARE(NOVHLN1_Open(zugang.ports, kPort, 9600), 0);
    QCOMPARE(NOVHLN1_Timeout(zugang.ports, kPort, 0.5), 0);
    TestShell shell;
    Konfigzustand konfig(shell.dialoge);
    QVERIFY(konfig.KonfigurationSetzen(Pruefkonfiguration()));
    auto* panel = new DirektPanel(shell.dienste, konfig, zugang, &shell.fenster);
    panel->DirektpanelInit();
    shell.fenster.show();
    panel->findChild<Drehregler*>("AUSGANG2")->Feld()->setValue(30.0);
    panel->findChild<QDoubleSpinBox*>("ABTASTZEIT")->setValue(0.2);
    shell.dialoge.dateien.push_back(xdg.datei("panel.txt"));
    QTest::mouseClick(panel->findChild<QCheckBox*>("DATEISPEICHERN"), Qt::LeftButton);
    QTest::mouseClick(panel->findChild<QPushButton*>("ABFRAGEN"), Qt::LeftButton);
    QVERIFY(panel->Timer()->isActive());
    // Two rows written by the timer.
    QVERIFY(QTest::qWaitFor(
        [&] {
          std::string text;
          DateiLesen(xdg.datei("panel.txt"), text);
          return std::count(text.begin(), text.end(), '\n') >= 3 + 8 + 1 + 2;
        },
        kFristMs));
    QTest::mouseClick(panel->findChild<QPushButton*>("ABFRAGEN"), Qt::LeftButton);
    QVERIFY(!panel->Timer()->isActive());
    QCOMPARE(NOVHLN1_Close(zugang.ports, kPort), 0);
  }
  Pruefen(Lesen(xdg.datei("panel.txt")), {"0.000", "30.00", "0.000", "0.000"});

  QCOMPARE(KonfigdateiSchreiben(xdg.datei("k.sko"), Pruefkonfiguration()), 0);
  const std::vector<std::string> aufruf = {"--port", std::to_string(kPort), "protokoll"};
  auto mit = [&](std::vector<std::string> rest) {
    std::vector<std::string> a = aufruf;
    a.insert(a.end(), rest.begin(), rest.end());
    return a;
  };
  const Lauf lauf = Tvm5r(mit({xdg.datei("cli.txt"), "--intervall", "0.2", "--dauer", "0.6",
                               "--konfig", xdg.datei("k.sko")}),
                          xdg.pfad());
  QCOMPARE(lauf.status, 0);
  QCOMPARE(lauf.aus, xdg.datei("cli.txt") + ": 3 Zeilen\n");
  const Gelesen cli = Lesen(xdg.datei("cli.txt"));
  Pruefen(cli, {"-----", "-----", "-----", "-----"});
  QCOMPARE(cli.a.zeilen.size(), size_t(3));

  // Ctrl-C ends the file properly too.
  const pid_t pid = Tvm5rStarten(
      mit({xdg.datei("strg-c.txt"), "--intervall", "0.2", "--konfig", xdg.datei("k.sko")}),
      xdg.pfad());
  QVERIFY(pid > 0);
  QVERIFY(QTest::qWaitFor([&] { return HatZeile(xdg.datei("strg-c.txt")); }, kFristMs));
  kill(pid, SIGINT);
  const Lauf abbruch = Tvm5rAbwarten(pid, xdg.pfad());
  QCOMPARE(abbruch.status, 0);
  Pruefen(Lesen(xdg.datei("strg-c.txt")), {"-----", "-----", "-----", "-----"});
  QCOMPARE(sim.Beenden(), 0);
}

QTEST_MAIN(DirektprotokollSimTest)
#include "direktprotokoll_sim_test.moc"
