// Takes the README's picture of the panel "Direkte Ein-/Ausgabe" offscreen: the panel polls the
// simulated box (its device model in-process, its clock advanced 0.4 s per sample, so the four
// test signals have moved through a full screen of the strip chart) and is grabbed.
// Usage: direktpanel_bild OUT.png (run with QT_QPA_PLATFORM=offscreen).

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "device/novhln1.h"
#include "direct/direktpanel.h"
#include "direct/drehregler.h"
#include "sim/inprozessport.h"
#include "tests/support/tempordner.h"
#include "tests/support/testshell.h"

namespace {

struct Zugang : Geraetezugang {
  explicit Zugang(Portfabrik& fabrik) : ports(fabrik) {}
  ComPorts& Ports() override { return ports; }
  int OffenerComPort() const override { return 1; }
  char Adresse() const override { return '1'; }
  ComPorts ports;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication programm(argc, argv);
  if (argc != 2) return 2;
  SimLeitung leitung;
  Geraet& geraet = leitung.GeraetHinzufuegen('1');
  double sekunden = 0.0;
  geraet.uhr = [&sekunden] { return sekunden; };
  InProzessFabrik fabrik(leitung);
  Zugang zugang(fabrik);
  NOVHLN1_Open(zugang.ports, 1, 9600);
  TempOrdner tmp;
  TestShell shell;
  Konfigzustand konfig(shell.dialoge);
  Konfiguration k;
  k.inskalamax[1] = 1000.0;
  k.ineinheit[1] = "mBar";
  k.outskalamax[0] = 60.0;
  k.outeinheit[0] = "A";
  konfig.KonfigurationSetzen(k);

  auto* panel = new DirektPanel(shell.dienste, konfig, zugang, &shell.fenster);
  panel->DirektpanelInit();
  shell.fenster.resize(1200, 820);
  panel->resize(shell.fenster.size());
  shell.fenster.show();
  panel->findChild<Drehregler*>("AUSGANG1")->Feld()->setValue(24.5);
  panel->findChild<Drehregler*>("AUSGANG3")->Feld()->setValue(7.5);
  panel->findChild<QDoubleSpinBox*>("BEGRENZUNG3")->setValue(8.0);
  panel->findChild<QDoubleSpinBox*>("ABTASTZEIT")->setValue(0.4);
  shell.dialoge.dateien.push_back(tmp.datei("protokoll.txt"));
  panel->findChild<QCheckBox*>("DATEISPEICHERN")->click();
  panel->findChild<QPushButton*>("ABFRAGEN")->click();
  panel->Timer()->stop();  // the samples below stand for the timer's
  for (int n = 0; n < panel->findChild<QSpinBox*>("ZOOMX")->value(); ++n) {
    sekunden += 0.4;
    panel->Steuerung().DirektTimer_Callback();
  }
  programm.processEvents();
  return shell.fenster.grab().save(argv[1]) ? 0 : 1;
}
