#pragma once
// Which child panel the main window shows, the one direct-help flag of all panels, and the
// main window's proportional resizing.

// Panel numbers of the program's panels.
enum PanelNummer : int {
  KEIN_PANEL = -1,
  COMPNL = 1,
  DIREKTPNL = 3,
  INFOPNL = 4,
  KENNLPNL = 5,
  KONFIGPNL = 9,
  KURVENPNL = 11,
  MAINPANEL = 13,
};

class PanelAnsicht {
 public:
  virtual ~PanelAnsicht() = default;
  virtual void PanelZeigen(int panel) = 0;
  virtual void PanelVerbergen(int panel) = 0;
  virtual void HauptbuttonsSperren(bool gedimmt) = 0;
};

struct Fenstergroesse {
  int breite = 0;
  int hoehe = 0;
  bool operator==(const Fenstergroesse&) const = default;
};

// The main window's size after the user resized it: the aspect ratio of the start size is kept
// (the side that grew more is cut back to the other side's factor) and the window is never
// smaller than its start size.
Fenstergroesse AngepassteGroesse(Fenstergroesse start, Fenstergroesse aktuell);

class Panelverwaltung {
 public:
  explicit Panelverwaltung(PanelAnsicht& ansicht) : ansicht_(ansicht) {}

  // Shows panel as the one child panel; KEIN_PANEL returns to the bare main window.
  void ZeigeChildpanel(int panel);
  int AktuellesChildpanel() const { return aktuellesChildpanel_; }

  bool gHilfeAktiv = false;
  // Start option --pwc2: the configuration, characteristic and direct panels are offered by the
  // main window's buttons and the "Fenster" menus. Set before the panels are initialised.
  bool gPwc2Panels = false;
  Fenstergroesse startgroesse;

 private:
  PanelAnsicht& ansicht_;
  int aktuellesChildpanel_ = KEIN_PANEL;
};
