#pragma once
// The curves panel "Kurvengenerator" (KURVENPNL): the main graph with the current curve and the
// background curves, the overview graph, a toolbar mirroring the menus, the coordinate, time-base,
// Y grid, Y zoom, memory and comment fields, and the buttons that move the curves to and from the
// device. The panel wires these to the curve core and redraws; the model is the Kurvensatz.

#include <QString>
#include <array>
#include <functional>
#include <string>

#include "base/programmende.h"
#include "config/konfigzustand.h"
#include "curves/grafikdaten.h"
#include "curves/kurvenbearbeitung.h"
#include "curves/kurvendialogfenster.h"
#include "device/geraetezugang.h"
#include "ui/childpanel.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class Kurvengrafik;
class SpeicheranzeigeWidget;
class Werkzeugleiste;
struct Kurvenfelder;
struct Menuepunkt;

class KurvenPanel : public ChildPanel, public Editor {
  Q_OBJECT
 public:
  // The identification read of the COM settings ("an TVM-5R anpassen"): its result, and the
  // text the COM panel then shows.
  using IdLesen = std::function<int(std::string& kennung)>;

  KurvenPanel(ShellDienste& shell, Kurvensatz& satz, Konfigzustand& konfig, Geraetezugang& zugang,
              IdLesen idLesen, QWidget* eltern = nullptr);
  ~KurvenPanel() override;

  // After the settings are read: -653401 when the toolbar is incomplete, else the result of
  // KurvenAnlegen; removes the menu entries the program does not offer and draws.
  int KurvenpanelInit();
  // Removes the time-base markers. Always 0.
  int KurvenpanelClear();

  // The display choice; the settings section "kurven" reads and writes it (KurvenAbschnitt).
  Kurvendarstellung& Darstellung() { return darstellung_; }

  // AbbruchWeilKurvenNichtGespeichert: "Ja" saves like "Kurven speichern".
  int AbbruchWeilNichtGespeichert() override;
  // After the configuration changed: the Y axis and the fields in the output's unit.
  void Kurvenpanel_SkaliereYAchse();
  // Undims the four curve buttons.
  void KurvenknoepfeFreigeben();
  // Stores the path as the current file name and sets the title.
  void KurvenTitelSetzen(const std::string& pfad);

  // The Start and Stopp buttons, which the COM settings panel binds to its commands.
  QPushButton* StartKnopf() const { return start_; }
  QPushButton* StoppKnopf() const { return stopp_; }

  Werkzeugleiste* Leiste() const { return leiste_; }
  Kurvengrafik& Grafik() const { return *grafik_; }
  // Its menu items by constant (MenueAktion): "NEU", "ZOOMPLUS", ...; "KURVE_K1", "HINTERGRUND_K1".

 private:
  void TeileAnlegen();
  QWidget* FelderAnlegen();
  QWidget* KoordinatenAnlegen();
  QWidget* KnoepfeAnlegen();
  void MenueAnlegen();
  void LeisteAnlegen();
  QAction* Punkt(QMenu* menue, const Menuepunkt& punkt, const QString& name = QString());
  QAction* Befehl(QMenu* menue, const Menuepunkt& punkt, std::function<void()> ausfuehren);
  QAction* Auswahl(QMenu* menue, const Menuepunkt& punkt, const QString& name,
                   std::function<void()> ausfuehren);
  QPushButton* Knopf(const char* name, const QString& text, const char* hilfe,
                     std::function<void()> ausfuehren);
  void Hilfe(QWidget* feld, const char* text);

  // Menu callbacks.
  void NachDemDateibefehl(int ergebnis);
  void Neu();
  void NachDemLaden(int ergebnis);
  void Menu_Kurven_Bearbeiten_Toggle(Werkzeug werkzeug);
  void Menu_Kurven_Bearbeiten_Toggle2(int k);
  void Menu_Kurven_Bearbeiten_Toggle3(int k);
  void Menu_Kurven_Ansicht_ToggleDarstellung(int darstellung);
  void Menu_Kurven_Hilfe_ToggleHelp();
  // Control callbacks.
  void KurveSenden_Callback(int typ);
  void KurveLesen_Callback(int typ);
  void Anpassen_Callback();
  void KommentarBearbeiten();
  void ZyklenUndRuhezustand_Callback();
  void GraphWertGeaendert(double t, double y);
  void GraphUebernommen(double t, double y);
  int ZeitbasisMenue(double t);
  void KoordinatenAnzeigen(double t, double y);

  // After a change of the model: full redraw, undo buttons, title.
  void NeuZeichnen();
  // Check marks and toolbar buttons from the state: tool, curve, background, display mode,
  // direct help, undo and redo.
  void ZustandAnzeigen();
  void FelderAnzeigen(const Kurvenfelder& felder);
  void KommentarVorschau();
  void Melden(int code);

  Kurvensatz& satz_;
  Konfigzustand& konfig_;
  Geraetezugang& zugang_;
  IdLesen idLesen_;
  Kurvendarstellung darstellung_;
  Kurvengrafik* grafik_;
  KurvenDialogfenster dialogfenster_;
  Kurvenbearbeitung bearbeitung_;

  Werkzeugleiste* leiste_ = nullptr;
  QComboBox* zeitbasisring_ = nullptr;
  QMenu* bearbeiten_ = nullptr;
  QMenu* kurveMenue_ = nullptr;
  QMenu* hintergrundMenue_ = nullptr;
  QMenu* hilfeMenue_ = nullptr;
  std::array<QAction*, 9> werkzeuge_{};
  std::array<QAction*, kKurvenAnzahl> kurven_{};
  std::array<QAction*, kKurvenAnzahl> hintergrund_{};
  std::array<QAction*, 3> darstellungen_{};
  QAction* rueckgaengig_ = nullptr;
  QAction* wiederherstellen_ = nullptr;
  QAction* direkthilfe_ = nullptr;
  QAction* pins_ = nullptr;

  Zeitfeldzeile* koordinaten_ = nullptr;
  QDoubleSpinBox* yKoordinate_ = nullptr;
  QComboBox* zeitbasisAnzeige_ = nullptr;
  QDoubleSpinBox* yRaster_ = nullptr;
  QDoubleSpinBox* yZoomMin_ = nullptr;
  QDoubleSpinBox* yZoomMax_ = nullptr;
  QSpinBox* zyklen_ = nullptr;
  QDoubleSpinBox* ruhezustand_ = nullptr;
  QLabel* ruhezustandText_ = nullptr;
  QLabel* zyklenText_ = nullptr;
  QList<QLabel*> einheitTexte_;
  SpeicheranzeigeWidget* speicherbedarf_ = nullptr;
  QLineEdit* kommentarvorschau_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stopp_ = nullptr;
  bool yZoomBearbeitet_ = false;
  bool ruhezustandBearbeitet_ = false;
};
