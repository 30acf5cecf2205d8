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

  // The port ring's value, -1 while it has no item or shows none.
  virtual int PortWert() const = 0;
  // Selects the item with this value; -1 shows none ("kein Port geöffnet"), another value
  // that no item has leaves the ring as it is.
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
  // What every connection picture says in words: a line under the plug and its tooltip.
  virtual void VerbindungsbilderBeschriften(const std::string& /*zeile*/,
                                            const std::string& /*tipp*/) {}
};

// The event loop's watch over the line: it calls LeitungBeobachtet when the watched descriptor
// reports a hang-up (or input outside an exchange), and WiederkehrPruefen once a second while
// the connection waits for its port to come back.
class Leitungswache {
 public:
  virtual ~Leitungswache() = default;
  // Watches deskriptor; -1 watches nothing.
  virtual void Beobachten(int deskriptor) = 0;
  virtual void WiederkehrPruefen(bool an) = 0;
};

class ComVerbindung : public Geraetezugang {
 public:
  // The port ring's items for this machine.
  using Portliste = std::function<std::vector<PortlistenEintrag>()>;

  ComVerbindung(ComPorts& ports, Fehlerausgabe& fehler, ComBedienung& bedienung,
                Portliste portliste);
  ~ComVerbindung() override;
  ComVerbindung(const ComVerbindung&) = delete;
  ComVerbindung& operator=(const ComVerbindung&) = delete;

  ComPorts& Ports() override { return ports_; }
  int OffenerComPort() const override { return sgComPort; }
  char Adresse() const override;
  int LetzterPort() const { return sgLetzterPort; }
  // The port whose line hung up and that is opened again once it is back; -1 when none.
  int WartenderPort() const { return wartenderPort_; }
  // The port a click on a connection picture opens while none is open: the last port, else
  // the one the ring shows, else the first port of the machine; -1 when there is none.
  int BildZiel() const;

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

  // Registers the COM panel's error indicator (nullptr: none).
  void FehleranzeigeAnmelden(Fehleranzeige* anzeige);

  // A line that hangs up is seen at once where a watch is set (the event loop watches the open
  // port's descriptor), else with the first device result that reaches the indicators. Either
  // way the port is closed, every picture shows it closed, the indicators name the line as
  // gone (-128601), whoever asked is told, and the port is tried once a second until it is
  // back; an operation that was running is not resumed.
  void WacheSetzen(Leitungswache* wache);
  // The watched descriptor reported something outside an exchange: input nobody asked for is
  // discarded (every exchange discards it anyway), a hang-up ends the connection.
  void LeitungBeobachtet();
  // Once a second while waiting: opens the port again when it is back and says so.
  void WiederkehrPruefen();
  void UnterbrechungAnmelden(const void* besitzer, std::function<void(int code)> melden) override;
  void UnterbrechungAbmelden(const void* besitzer) override;

 private:
  int PortOeffnen(int port);
  // Looks at a code before the indicators show it: a failure of a line that has hung up
  // becomes -128601.
  int CodePruefen(int code);
  void Unterbrechen();
  void WartenBeenden();
  void BilderAktualisieren();

  ComPorts& ports_;
  Fehlerausgabe& fehler_;
  ComBedienung& bedienung_;
  Portliste portliste_;
  int sgComPort = -1;
  int sgLetzterPort = -1;
  int sgGemerkterPort = -1;
  int ersterPort_ = -1;  // the first port of the ring's list
  int wartenderPort_ = -1;
  std::string offeneKennung_;  // what the open port was opened through
  std::string wartendeKennung_;
  Leitungswache* wache_ = nullptr;
  std::vector<std::pair<const void*, std::function<void(int)>>> unterbrechungMelden_;
};

// What the connection pictures say: for an open port its name; while the connection waits for
// a line that hung up, that it is broken; else that there is none, with the port a click opens.
struct Bildtext {
  std::string zeile;
  std::string tipp;
};
Bildtext BildtextFuer(int offen, int wartend, int ziel);

// What the connection pictures show for an open port: the port up to 8, 0 above, -1 for none.
int Bildwert(int port);
// The text of the "Fehlerbits" popup: one line per set bit 0..4, in bit order.
std::string FehlerbitsText(int wort);

// ReadIniCompanel and WriteIniCompanel, to register for the section "com".
AbschnittFunktionen ComAbschnitt(ComVerbindung& verbindung);
