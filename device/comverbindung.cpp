#include "device/comverbindung.h"

#include "device/novhln1.h"

namespace {

constexpr const char* kAbschnitt = "com";
constexpr int kBaud = 9600;
constexpr double kAntwortzeit = 0.5;
// Input nobody asked for is read off in portions, so that a line that keeps sending cannot hold
// the event loop; the watch reports the rest at once.
constexpr int kVerwerfenProRunde = 512;

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

std::string ComName(int port) {
  return "COM " + std::to_string(port);
}

}  // namespace

int Bildwert(int port) {
  return port > 8 ? 0 : port;
}

Bildtext BildtextFuer(int offen, int wartend, int ziel) {
  if (offen != -1)
    return {ComName(offen),
            "Verbunden über " + ComName(offen) + ". Ein Klick trennt die Verbindung."};
  if (wartend != -1)
    return {"unterbrochen", "Die Verbindung über " + ComName(wartend) +
                                " ist unterbrochen. Sie wird wieder geöffnet, sobald das Gerät "
                                "zurück ist; ein Klick versucht es sofort."};
  if (ziel > 0)
    return {"nicht verbunden", "Keine Verbindung. Ein Klick öffnet " + ComName(ziel) + "."};
  return {"nicht verbunden", "Keine Verbindung. Den Port im Fenster 'COM-Einstellung' wählen."};
}

std::string FehlerbitsText(int wort) {
  std::string text;
  for (int bit = 0; bit < 5; ++bit)
    if (wort & (1 << bit)) text += std::string(kFehlerbits[bit]) + "\n";
  return text;
}

ComVerbindung::ComVerbindung(ComPorts& ports, Fehlerausgabe& fehler, ComBedienung& bedienung,
                             Portliste portliste)
    : ports_(ports), fehler_(fehler), bedienung_(bedienung), portliste_(std::move(portliste)) {
  fehler_.CodepruefungSetzen([this](int code) { return CodePruefen(code); });
}

ComVerbindung::~ComVerbindung() {
  fehler_.CodepruefungSetzen({});
}

char ComVerbindung::Adresse() const {
  return static_cast<char>(bedienung_.AdressWert());
}

void ComVerbindung::ComControlAusfuellen() {
  const std::vector<PortlistenEintrag> liste = portliste_();
  bedienung_.PortlisteSetzen(liste, ComPortAuswahl(liste, sgGemerkterPort));
  ersterPort_ = liste.empty() ? -1 : liste.front().wert;
  // Until a port was chosen the ring shows none rather than pretend its first one is open.
  if (sgComPort == -1 && sgGemerkterPort == -1) bedienung_.PortSetzen(-1);
  BilderAktualisieren();
}

int ComVerbindung::BildZiel() const {
  if (sgLetzterPort != -1) return sgLetzterPort;
  if (const int ring = bedienung_.PortWert(); ring != -1) return ring;
  return ersterPort_;
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
    offeneKennung_ = ports_.Kennung(port);
    WartenBeenden();
    if (wache_ != nullptr) wache_->Beobachten(ports_.Port(port)->Beobachtung());
  }
  sgComPort = port;
  return 0;
}

int ComVerbindung::ComPortSchliessen() {
  if (sgComPort == -1) return 0;
  bedienung_.GeraetesteuerungDimmen(true);
  if (wache_ != nullptr) wache_->Beobachten(-1);
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
  // The user chose: a line that went away is no longer waited for.
  WartenBeenden();
  const int fehler = ComPortOeffnen();
  if (fehler != 0) bedienung_.PortSetzen(-1);
  fehler_.ComFehlerSetzen(fehler);
  BilderAktualisieren();
}

void ComVerbindung::BildAngeklickt() {
  if (sgComPort == -1) {
    const int port = BildZiel();
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

namespace {

// "Gerät 1 gestartet", "Alle Geräte gestoppt".
std::string Befehlsmeldung(char adresse, const char* getan) {
  if (adresse == '&') return std::string("Alle Geräte ") + getan;
  return std::string("Gerät ") + adresse + " " + getan;
}

}  // namespace

void ComVerbindung::StartAusfuehren() {
  const int code = StartBefehl();
  fehler_.ComFehlerSetzen(code);
  if (code == 0) fehler_.ComMeldungSetzen(Befehlsmeldung(Adresse(), "gestartet"));
}

void ComVerbindung::StoppAusfuehren() {
  const int code = StoppBefehl();
  fehler_.ComFehlerSetzen(code);
  if (code == 0) fehler_.ComMeldungSetzen(Befehlsmeldung(Adresse(), "gestoppt"));
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
  const int fehler = PortOeffnen(port);
  if (fehler != 0) bedienung_.PortSetzen(-1);
  fehler_.ComFehlerSetzen(fehler);
  BilderAktualisieren();
}

void ComVerbindung::WriteIniCompanel(IniDatei& ini) const {
  Ini_PutInt(ini, kAbschnitt, "adresse", bedienung_.AdressWert());
  // A port whose line went away is the one to open at the next start.
  Ini_PutInt(ini, kAbschnitt, "port", sgComPort != -1 ? sgComPort : wartenderPort_);
  Ini_PutInt(ini, kAbschnitt, "lport", sgLetzterPort);
}

void ComVerbindung::FehleranzeigeAnmelden(Fehleranzeige* anzeige) {
  fehler_.FehleranzeigeAnmelden(Geraetepanel::Com, anzeige);
}

void ComVerbindung::WacheSetzen(Leitungswache* wache) {
  wache_ = wache;
  if (wache_ == nullptr) return;
  ComPort* port = sgComPort != -1 ? ports_.Port(sgComPort) : nullptr;
  wache_->Beobachten(port != nullptr ? port->Beobachtung() : -1);
  wache_->WiederkehrPruefen(wartenderPort_ != -1);
}

void ComVerbindung::LeitungBeobachtet() {
  ComPort* port = sgComPort != -1 ? ports_.Port(sgComPort) : nullptr;
  if (port == nullptr) return;
  // Without waiting: the watch reported the line ready, so a read ends at once.
  const double timeout = ports_.Timeout(sgComPort);
  ports_.TimeoutSetzen(sgComPort, 0.0);
  for (int i = 0; i < kVerwerfenProRunde && port->ByteLesen() >= 0; ++i) {
  }
  ports_.TimeoutSetzen(sgComPort, timeout);
  if (port->Aufgelegt()) Unterbrechen();
}

void ComVerbindung::WiederkehrPruefen() {
  const int port = wartenderPort_;
  if (port == -1 || sgComPort != -1) return WartenBeenden();
  // Not another device that the number now leads to (a built-in port once a link is gone).
  if (ports_.Kennung(port) != wartendeKennung_ || PortOeffnen(port) != 0) return;
  bedienung_.PortSetzen(port);
  BilderAktualisieren();
  fehler_.ComMeldungSetzen("Verbindung über " + ComName(port) + " wiederhergestellt");
}

void ComVerbindung::UnterbrechungAnmelden(const void* besitzer,
                                          std::function<void(int code)> melden) {
  unterbrechungMelden_.emplace_back(besitzer, std::move(melden));
}

void ComVerbindung::UnterbrechungAbmelden(const void* besitzer) {
  std::erase_if(unterbrechungMelden_, [besitzer](const auto& e) { return e.first == besitzer; });
}

int ComVerbindung::CodePruefen(int code) {
  if (sgComPort == -1 || !ports_.Aufgelegt(sgComPort)) return code;
  // The indicators show the code that this returns; Unterbrechen would show it once more.
  const int port = sgComPort;
  ComPortSchliessen();
  wartenderPort_ = port;
  wartendeKennung_ = offeneKennung_;
  BilderAktualisieren();
  for (const auto& [besitzer, melden] : unterbrechungMelden_) melden(-128601);
  if (wache_ != nullptr) wache_->WiederkehrPruefen(true);
  return -128601;
}

void ComVerbindung::Unterbrechen() {
  fehler_.ComFehlerSetzen(CodePruefen(-128601));
}

void ComVerbindung::WartenBeenden() {
  if (wartenderPort_ == -1) return;
  wartenderPort_ = -1;
  if (wache_ != nullptr) wache_->WiederkehrPruefen(false);
}

void ComVerbindung::BilderAktualisieren() {
  bedienung_.VerbindungsbilderSetzen(Bildwert(sgComPort));
  const Bildtext text = BildtextFuer(sgComPort, wartenderPort_, BildZiel());
  bedienung_.VerbindungsbilderBeschriften(text.zeile, text.tipp);
}

AbschnittFunktionen ComAbschnitt(ComVerbindung& verbindung) {
  return {[&verbindung](const IniDatei& ini) { verbindung.ReadIniCompanel(ini); },
          [&verbindung](IniDatei& ini) { verbindung.WriteIniCompanel(ini); }};
}
