#pragma once
// The one serial connection of the program, as the COM settings panel keeps it: the open port,
// the port last opened, the port ring's remembered selection, and what the panel's controls do
// with them (open and close, identification, scan, start and stop, the input-4 mode and the
// error bits, the section "com" of the settings file). The controls themselves are reached
// through ComBedienung, so that all of it runs without a window.

#include <functional>
#include <string>
#include <vector>

#include "base/einstellungen.h"
#include "base/fehlerausgabe.h"
#include "base/ini.h"
#include "device/comport.h"
#include "device/geraetesuche.h"
#include "device/geraetezugang.h"
#include "device/portliste.h"

// The controls of the COM panel that the connection reads and sets.
class ComBedienung {
 public:
  virtual ~ComBedienung() = default;

  // The port ring's value, -1 while it has no item.
  virtual int PortWert() const = 0;
  // Selects the item with this value; a value that no item has leaves the ring as it is.
  virtual void PortSetzen(int wert) = 0;
  virtual void PortlisteSetzen(const std::vector<PortlistenEintrag>& liste, size_t auswahl) = 0;
  // The address ring's value: the character code of '1'..'8', or of '&' for "alle".
  virtual int AdressWert() const = 0;
  // Selects the item with this value; a value that no item has leaves the ring as it is.
  virtual void AdresseSetzen(int wert) = 0;

  virtual void IdTextSetzen(const std::string& text) = 0;
  // The progress line; shown at once, since the work that follows blocks the window.
  virtual void FortschrittSetzen(const std::string& text) = 0;
  // The scan lamp of address 1..8.
  virtual void ScanlampeSetzen(int adresse, Fund fund) = 0;
  // The error-bit lamps show bits 0 to 4 of the device's error word.
  virtual void FehlerlampenSetzen(int wort) = 0;
  // The device buttons and error-bit lamps of the panel.
  virtual void GeraetesteuerungDimmen(bool gedimmt) = 0;
  // Every connection picture of the program.
  virtual void VerbindungsbilderSetzen(int wert) = 0;
};

class ComVerbindung : public Geraetezugang {
 public:
  // The port ring's items for this machine.
  using Portliste = std::function<std::vector<PortlistenEintrag>()>;

  ComVerbindung(ComPorts& ports, Fehlerausgabe& fehler, ComBedienung& bedienung,
                Portliste portliste);

  ComPorts& Ports() override { return ports_; }
  int OffenerComPort() const override { return sgComPort; }
  char Adresse() const override;
  int LetzterPort() const { return sgLetzterPort; }

  // Refills the port ring and selects the remembered selection, else the first item.
  void ComControlAusfuellen();
  // Opens the port selected in the port ring (nothing to do when it is the open one).
  int ComPortOeffnen();
  int ComPortSchliessen();
  int IDLesen();
  int GeraeteSuchen();
  int StartBefehl();
  int StoppBefehl();
  // Input 4 of the device as start/stop signal (true) or as analogue input (false).
  int EingangVierModus(bool startStopp);
  // Reads the device's error word onto the error-bit lamps.
  int FehlerbitsAbfragen();

  // What the panel's controls do once direct help has let them act; results go to the error
  // indicators and the connection pictures follow the connection.
  void PortAngeklickt();
  void PortGewaehlt();
  void BildAngeklickt();
  void IDLesenAusfuehren();
  void ScannAusfuehren();
  void StartAusfuehren();
  void StoppAusfuehren();
  void EingangVierAusfuehren(bool startStopp);
  void FehlerabfrageAusfuehren();
  // The "Fehlerbits" popup for the lamps that are lit (bits 0 to 4).
  void FehlerbitsZeigen(int lampen);

  void ReadIniCompanel(const IniDatei& ini);
  void WriteIniCompanel(IniDatei& ini) const;

  // Registers the COM panel's error indicator (nullptr: none). Every device result, from any
  // panel, reaches it; after each one a port whose line has hung up is closed, so that every
  // connection picture shows it closed while the indicator names the code. A click on a
  // picture or choosing the port again reopens it once the line is back.
  void FehleranzeigeAnmelden(Fehleranzeige* anzeige);
  void AufgelegtSchliessen();

 private:
  // Passes the results on to the panel's indicator, then looks at the line.
  struct Ergebnisanzeige : Fehleranzeige {
    explicit Ergebnisanzeige(ComVerbindung& v) : verbindung(v) {}
    void FehlerZeigen(bool lampe, const std::string& text, int nummer) override;
    ComVerbindung& verbindung;
    Fehleranzeige* ziel = nullptr;
  };

  int PortOeffnen(int port);
  void BilderAktualisieren();

  ComPorts& ports_;
  Fehlerausgabe& fehler_;
  ComBedienung& bedienung_;
  Portliste portliste_;
  int sgComPort = -1;
  int sgLetzterPort = -1;
  int sgGemerkterPort = -1;
  Ergebnisanzeige anzeige_{*this};
};

// What the connection pictures show for an open port: the port up to 8, 0 above, -1 for none.
int Bildwert(int port);
// The text of the "Fehlerbits" popup: one line per set bit 0..4, in bit order.
std::string FehlerbitsText(int wort);

// ReadIniCompanel and WriteIniCompanel, to register for the section "com".
AbschnittFunktionen ComAbschnitt(ComVerbindung& verbindung);
