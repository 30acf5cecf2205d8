#pragma once
// The shell services a panel needs, for panel tests without the whole application.

#include <QWidget>
#include <vector>

#include "base/fehlerausgabe.h"
#include "base/panelverwaltung.h"
#include "tests/support/skriptdialoge.h"
#include "ui/childpanel.h"
#include "ui/direkthilfe.h"
#include "ui/verbindungsbild.h"

struct TestShell : PanelAnsicht {
  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  Panelverwaltung panels{*this};
  QWidget fenster;
  Direkthilfe hilfe{panels, &fenster};
  Verbindungsbilder bilder{hilfe};
  int programmendeAufrufe = 0;
  ShellDienste dienste{panels, hilfe, fehler, dialoge, bilder, [this] {
                         ++programmendeAufrufe;
                         return 0;
                       }};

  std::vector<int> gezeigt;  // every PanelZeigen, in order
  bool hauptbuttonsGedimmt = false;

  void PanelZeigen(int panel) override { gezeigt.push_back(panel); }
  void PanelVerbergen(int) override {}
  void HauptbuttonsSperren(bool gedimmt) override { hauptbuttonsGedimmt = gedimmt; }
};
