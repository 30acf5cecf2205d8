#include "device/comverbindung.h"

#include "device/novhln1.h"

namespace {

constexpr const char* kAbschnitt = "com";
constexpr int kBaud = 9600;
constexpr double kAntwortzeit = 0.5;

const char* const kFehlerbits[] = {"Speicherfehler", "Checksummenfehler", "Eeprom nicht bereit",
                                   "Daten nicht sinnvoll", "Kurvenauswahlfehler"};

bool AdresseZulaessig(long wert) {
  return (wert >= '1' && wert <= '8') || wert == '&';
}

// A stored port number: 1..255 or -1; anything else, or a missing key, is -1.
int PortLesen(const IniDatei& ini, const char* schluessel) {
  long wert = -1;
  if (Ini_GetInt(ini, kAbschnitt, schluessel, wert) != 1) return -1;
  return (wert >= 1 && wert <= 255) ? static_cast<int>(wert) : -1;
}

}  // namespace

int Bildwert(int port) {
  return port > 8 ? 0 : port;
}

std::string FehlerbitsText(int wort) {
  std::string text;
  for (int bit = 0; bit < 5; ++bit)
    if (wort & (1 << bit)) text += std::string(kFehlerbits[bit]) + "\n";
  return text;
}

ComVerbindung::ComVerbindung(ComPorts& ports, Fehlerausgabe& fehler, ComBedienung& bedienung,
                             Portliste portliste)
    : ports_(ports), fehler_(fehler), bedienung_(bedienung), portliste_(std::move(portliste)) {}

char ComVerbindung::Adresse() const {
  return static_cast<char>(bedienung_.AdressWert());
}

void ComVerbindung::ComControlAusfuellen() {
  const std::vector<PortlistenEintrag> liste = portliste_();
  bedienung_.PortlisteSetzen(liste, ComPortAuswahl(liste, sgGemerkterPort));
}

int ComVerbindung::ComPortOeffnen() {
  return PortOeffnen(bedienung_.PortWert());
}

int ComVerbindung::PortOeffnen(int port) {
  if (port == sgComPort) return 0;
  ComPortSchliessen();
  if (port != -1) {
    if (const int fehler = NOVHLN1_Open(ports_, port, kBaud); fehler != 0) return fehler;
    // Without its time-out a port would wait for answers as long as the line pleases.
    if (const int fehler = NOVHLN1_Timeout(ports_, port, kAntwortzeit); fehler != 0) {
      NOVHLN1_Close(ports_, port);
      return fehler;
    }
    sgLetzterPort = port;
  }
  sgComPort = port;
  return 0;
}

int ComVerbindung::ComPortSchliessen() {
  if (sgComPort == -1) return 0;
  bedienung_.GeraetesteuerungDimmen(true);
  NOVHLN1_Close(ports_, sgComPort);
  sgComPort = -1;
  return 0;
}

int ComVerbindung::IDLesen() {
  if (sgComPort == -1) return -122232;
  bedienung_.IdTextSetzen("");
  std::string kennung;
  if (const int fehler = NOVHLN1_IDLesen(ports_, sgComPort, Adresse(), kennung); fehler != 0)
    return fehler;
  bedienung_.IdTextSetzen(kennung);
  return 0;
}

int ComVerbindung::GeraeteSuchen() {
  if (sgComPort == -1) return -122233;
  bedienung_.IdTextSetzen("");
  std::string text = "Suche nach Gerät x";
  const Suchergebnis ergebnis = AdressenAbsuchen(ports_, sgComPort, [&](char adresse) {
    text.back() = adresse;
    bedienung_.FortschrittSetzen(text);
  });
  for (int i = 0; i < 8; ++i) bedienung_.ScanlampeSetzen(i + 1, ergebnis.adressen[i].fund);
  if (ergebnis.auswahl != 0) {
    bedienung_.AdresseSetzen(ergebnis.auswahl);
    bedienung_.IdTextSetzen(ergebnis.adressen[ergebnis.auswahl - '1'].kennung);
  }
  bedienung_.FortschrittSetzen("");
  return ergebnis.fehler;
}

int ComVerbindung::StartBefehl() {
  if (sgComPort == -1) return -122234;
  return NOVHLN1_DeviceFunction(ports_, sgComPort, Adresse(), "start");
}

int ComVerbindung::StoppBefehl() {
  if (sgComPort == -1) return -122235;
  return NOVHLN1_DeviceFunction(ports_, sgComPort, Adresse(), "stopp");
}

int ComVerbindung::EingangVierModus(bool startStopp) {
  if (sgComPort == -1) return -122236;
  return NOVHLN1_ModusSchreiben(ports_, sgComPort, Adresse(), startStopp ? 1 : 0, 1);
}

int ComVerbindung::FehlerbitsAbfragen() {
  bedienung_.GeraetesteuerungDimmen(false);
  if (sgComPort == -1) return -122237;
  int wort = 0;
  if (const int fehler = NOVHLN1_StatusLesen(ports_, sgComPort, Adresse(), 2, wort); fehler != 0)
    return fehler;
  bedienung_.FehlerlampenSetzen(wort);
  return 0;
}

void ComVerbindung::PortAngeklickt() {
  sgGemerkterPort = bedienung_.PortWert();
  ComControlAusfuellen();
}

void ComVerbindung::PortGewaehlt() {
  fehler_.ComFehlerSetzen(ComPortOeffnen());
  BilderAktualisieren();
}

void ComVerbindung::BildAngeklickt() {
  if (sgComPort == -1) {
    // Before any port was opened the picture opens the one the ring shows.
    const int port = sgLetzterPort != -1 ? sgLetzterPort : bedienung_.PortWert();
    bedienung_.PortSetzen(port);
    fehler_.ComFehlerSetzen(PortOeffnen(port));
  } else {
    ComPortSchliessen();
  }
  BilderAktualisieren();
}

void ComVerbindung::IDLesenAusfuehren() {
  bedienung_.FortschrittSetzen("lese ID...");
  fehler_.ComFehlerSetzen(IDLesen());
  bedienung_.FortschrittSetzen("");
}

void ComVerbindung::ScannAusfuehren() {
  fehler_.ComFehlerSetzen(GeraeteSuchen());
}

void ComVerbindung::StartAusfuehren() {
  fehler_.ComFehlerSetzen(StartBefehl());
}

void ComVerbindung::StoppAusfuehren() {
  fehler_.ComFehlerSetzen(StoppBefehl());
}

void ComVerbindung::EingangVierAusfuehren(bool startStopp) {
  fehler_.ComFehlerSetzen(EingangVierModus(startStopp));
}

void ComVerbindung::FehlerabfrageAusfuehren() {
  fehler_.ComFehlerSetzen(FehlerbitsAbfragen());
}

void ComVerbindung::FehlerbitsZeigen(int lampen) {
  fehler_.dialoge().MessagePopup("Fehlerbits", FehlerbitsText(lampen));
}

void ComVerbindung::ReadIniCompanel(const IniDatei& ini) {
  long adresse = 0;
  // Any other value leaves the ring on its preset item.
  if (Ini_GetInt(ini, kAbschnitt, "adresse", adresse) == 1 && AdresseZulaessig(adresse))
    bedienung_.AdresseSetzen(static_cast<int>(adresse));
  sgLetzterPort = PortLesen(ini, "lport");
  const int port = PortLesen(ini, "port");
  ComControlAusfuellen();
  bedienung_.PortSetzen(port);
  // The port open at the last end, even when the ring does not list it any more.
  fehler_.ComFehlerSetzen(PortOeffnen(port));
  BilderAktualisieren();
}

void ComVerbindung::WriteIniCompanel(IniDatei& ini) const {
  Ini_PutInt(ini, kAbschnitt, "adresse", bedienung_.AdressWert());
  Ini_PutInt(ini, kAbschnitt, "port", sgComPort);
  Ini_PutInt(ini, kAbschnitt, "lport", sgLetzterPort);
}

void ComVerbindung::FehleranzeigeAnmelden(Fehleranzeige* anzeige) {
  anzeige_.ziel = anzeige;
  fehler_.FehleranzeigeAnmelden(Geraetepanel::Com, anzeige != nullptr ? &anzeige_ : nullptr);
}

void ComVerbindung::Ergebnisanzeige::FehlerZeigen(bool lampe, const std::string& text, int nummer) {
  if (ziel != nullptr) ziel->FehlerZeigen(lampe, text, nummer);
  verbindung.AufgelegtSchliessen();
}

void ComVerbindung::AufgelegtSchliessen() {
  if (sgComPort == -1 || !ports_.Aufgelegt(sgComPort)) return;
  ComPortSchliessen();
  BilderAktualisieren();
}

void ComVerbindung::BilderAktualisieren() {
  bedienung_.VerbindungsbilderSetzen(Bildwert(sgComPort));
}

AbschnittFunktionen ComAbschnitt(ComVerbindung& verbindung) {
  return {[&verbindung](const IniDatei& ini) { verbindung.ReadIniCompanel(ini); },
          [&verbindung](IniDatei& ini) { verbindung.WriteIniCompanel(ini); }};
}
