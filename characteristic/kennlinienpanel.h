#pragma once
// The characteristic panel "Kennlinienregler" (KENNLPNL): the large graph for drawing and
// editing, the overview of the whole X range, a toolbar mirroring the menus, the grid, Y zoom,
// output-2, rise-time and slot fields, the comment, and the buttons that move the
// characteristic to and from a slot of the box. The panel wires these to the characteristic
// core and redraws; the model is the Kennlinienzustand.

#include <QString>
#include <array>
#include <functional>

#include "base/programmende.h"
#include "characteristic/kennlinienbearbeitung.h"
#include "characteristic/kennliniendialogfenster.h"
#include "characteristic/kennliniengraphen.h"
#include "characteristic/kennlinienpanelini.h"
#include "config/konfigzustand.h"
#include "device/geraetezugang.h"
#include "ui/childpanel.h"

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class KennlinienGraphen;
class Werkzeugleiste;
struct Menuepunkt;

class KennlinienPanel : public ChildPanel, public Editor {
  Q_OBJECT
 public:
  KennlinienPanel(ShellDienste& shell, Kennlinienzustand& zustand, Konfigzustand& konfig,
                  Geraetezugang& zugang, QWidget* eltern = nullptr);
  ~KennlinienPanel() override;

  // After the settings are read: -653501 when the toolbar is incomplete, else the result of
  // KennlAnlegen; then scroll bar, drawing and the output-2 field.
  int KennlinienpanelInit();
  int KennlinienpanelClear();

  // The display mode 1..3; the settings section "kennlinie" reads and writes it.
  int& Darstellung() { return darstellung_; }

  // AbbruchWeilKennlinieNichtGespeichert: "Ja" saves like "Kennlinie speichern".
  int AbbruchWeilNichtGespeichert() override;
  // After the configuration changed: axes, Y-zoom fields and the output-2 field.
  void Kennlinienpanel_SkaliereYAchse();

  // The Start and Stopp buttons, which the COM settings panel binds to its commands.
  QPushButton* StartKnopf() const { return start_; }
  QPushButton* StoppKnopf() const { return stopp_; }

  Werkzeugleiste* Leiste() const { return leiste_; }
  KennlinienGraphen& Grafik() const { return *grafik_; }
  // Its menu items by constant (MenueAktion): "NEU", "ZOOMPLUS", "KOORDINATEN", ...

 private:
  void MenueAnlegen();
  void LeisteAnlegen();
  void TeileAnlegen();
  QWidget* KoordinatenAnlegen();
  QWidget* FelderAnlegen();
  QWidget* KnoepfeAnlegen();
  QAction* Befehl(QMenu* menue, const Menuepunkt& punkt, std::function<void()> ausfuehren);
  QAction* Auswahl(QMenu* menue, const Menuepunkt& punkt, std::function<void()> ausfuehren);
  QDoubleSpinBox* Feld(const char* name, int stellen, double min, double max, const char* hilfe);

  // Menu callbacks.
  void Menu_Kennlinie_Datei(int eintrag);
  void Neu();
  void NachDemLaden(int ergebnis);
  void Menu_Kennlinie_Bearbeiten_Toggle(KennlWerkzeug werkzeug);
  void Menu_Kennlinie_Ansicht_ToggleDarstellung(int darstellung);
  void Menu_Kennlinie_Hilfe_ToggleHelp();
  void Menu_Kennlinie_Hilfe_Pins();
  // Control callbacks.
  void KennlinieSenden_Callback();
  void KennlinieLesen_Callback();
  void Ausgang4Setzen_Callback();
  void Anstiegszeit_Callback();
  void KommentarBearbeiten();
  void GraphWertGeaendert(double x, double y);
  void GraphUebernommen(double x, double y);
  void KoordinatenAnzeigen(double x, double y);

  // After a change of the model: full redraw, then ZustandAnzeigen.
  void NeuZeichnen();
  // Check marks, toolbar buttons, undo and redo, title and the value fields from the state.
  void ZustandAnzeigen();
  void FelderAnzeigen(const Kennlfelder& felder);
  void KommentarVorschau();
  void Melden(int code);

  Kennlinienzustand& zustand_;
  Konfigzustand& konfig_;
  Geraetezugang& zugang_;
  int darstellung_ = kKennlDarstellungStandard;
  KennlinienGraphen* grafik_;
  KennlinienDialogfenster dialogfenster_;
  Kennlinienbearbeitung bearbeitung_;

  Werkzeugleiste* leiste_ = nullptr;
  std::array<QAction*, 7> werkzeuge_{};
  std::array<QAction*, 3> darstellungen_{};
  QAction* rueckgaengig_ = nullptr;
  QAction* wiederherstellen_ = nullptr;
  QAction* direkthilfe_ = nullptr;

  QDoubleSpinBox* xKoordinate_ = nullptr;
  QDoubleSpinBox* yKoordinate_ = nullptr;
  QDoubleSpinBox* xRaster_ = nullptr;
  QDoubleSpinBox* yRaster_ = nullptr;
  QDoubleSpinBox* yZoomMax_ = nullptr;
  QDoubleSpinBox* yZoomMin_ = nullptr;
  QDoubleSpinBox* begrenzung_ = nullptr;
  QLabel* begrenzungText_ = nullptr;
  QDoubleSpinBox* anstiegszeit_ = nullptr;
  QSpinBox* kurvenNr_ = nullptr;
  QList<QLabel*> xEinheiten_;
  QList<QLabel*> yEinheiten_;
  QLineEdit* kommentarvorschau_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stopp_ = nullptr;
};
