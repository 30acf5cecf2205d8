#pragma once
// The application: owns the shell state, the subsystem states and the panels, and runs the
// start-up and end sequences of the program.

#include <QObject>
#include <memory>
#include <string>

#include "app/hauptfenster.h"
#include "base/einstellungen.h"
#include "base/fehlerausgabe.h"
#include "base/panelverwaltung.h"
#include "base/programmende.h"
#include "characteristic/kennlinienzustand.h"
#include "config/konfigzustand.h"
#include "curves/kurvensatz.h"
#include "device/comport.h"
#include "platform/systemports.h"
#include "ui/childpanel.h"
#include "ui/direkthilfe.h"
#include "ui/verbindungsbild.h"

class Infopanel;
class ComPanel;
class DirektPanel;
class KonfigPanel;
class KennlinienPanel;
class KurvenPanel;

constexpr const char* kVersion = "V 1.3";
constexpr const char* kDatum = "12/2023";

class Anwendung : public QObject {
  Q_OBJECT
 public:
  // systemports: the machine's ports, which the COM panel lists and opens.
  Anwendung(Dialoge& dialoge, std::string iniPfad = IniPfad(),
            std::unique_ptr<Systemports> systemports = Maschinenports());
  ~Anwendung() override;

  // Start-up after the panels are loaded: settings file (its error shown), panel
  // initialisation (its error shown, then non-zero), start size. The window is not shown.
  int Starten();
  // End after the event loop: settings file written (its error shown), panels released.
  void Beenden();

  int ReadIni();
  int WriteIni();
  int InitialisierePanels();
  int DeinitialisierePanels();
  void ZeigeInfopanel();
  int ProgrammendeFallsAllesGespeichert();

  Hauptfenster& Fenster() { return *fenster_; }
  Panelverwaltung& Panels() { return panels_; }
  Direkthilfe& Hilfe() { return *hilfe_; }
  Fehlerausgabe& Fehler() { return fehler_; }
  Programmende& Ende() { return programmende_; }
  Einstellungen& Einstellungsdatei() { return einstellungen_; }
  Verbindungsbilder& Bilder() { return *bilder_; }
  Konfigzustand& Konfig() { return konfig_; }
  ComPanel& Com() { return *comPanel_; }
  KurvenPanel& Kurven() { return *kurvenpanel_; }
  DirektPanel& Direkt() { return *direktpanel_; }
  Kurvensatz& Kurvenmenge() { return kurven_; }
  KennlinienPanel& Kennlinien() { return *kennlinienpanel_; }
  Kennlinienzustand& Kennlinie() { return kennlinie_; }
  Infopanel& Info() { return *info_; }
  bool EndeAngefordert() const { return endeAngefordert_; }

 signals:
  // The event loop is to end (QuitUserInterface); emitted once, when every editor agreed.
  void beenden();

 private:
  void HauptknoepfeVerbinden();
  void PanelsLaden();
  void EinstellungenAnmelden();

  Dialoge& dialoge_;
  Fehlerausgabe fehler_;
  Einstellungen einstellungen_;
  Programmende programmende_;
  std::unique_ptr<Systemports> systemports_;
  ComPorts ports_;
  std::unique_ptr<Hauptfenster> fenster_;
  Panelverwaltung panels_;
  std::unique_ptr<Direkthilfe> hilfe_;
  std::unique_ptr<Verbindungsbilder> bilder_;
  std::unique_ptr<ShellDienste> shell_;
  Konfigzustand konfig_;
  Kurvensatz kurven_;
  Infopanel* info_ = nullptr;
  KonfigPanel* konfigpanel_ = nullptr;
  ComPanel* comPanel_ = nullptr;
  KurvenPanel* kurvenpanel_ = nullptr;
  Kennlinienzustand kennlinie_;
  KennlinienPanel* kennlinienpanel_ = nullptr;
  DirektPanel* direktpanel_ = nullptr;
  bool endeAngefordert_ = false;
};
