#include "device/comverbindung.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/posix/posixport.h"
#include "device/speichertransfer.h"
#include "tests/device/ptybox.h"
#include "tests/device/zaehlfabrik.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

// The panel's controls as plain values; the rings keep their item for a value they lack.
struct TestBedienung : ComBedienung {
  std::vector<PortlistenEintrag> ring;
  int portIndex = -1;
  int adresse = '1';
  std::string idText = "alt";
  std::vector<std::string> fortschritt;
  std::array<Fund, 8> lampen{};
  int fehlerlampen = -1;
  bool gedimmt = false;
  int bild = -99;
  std::string bildzeile;

  int PortWert() const override { return portIndex < 0 ? -1 : ring[portIndex].wert; }
  void PortSetzen(int wert) override {
    if (wert == -1) portIndex = -1;
    for (size_t i = 0; i < ring.size(); ++i)
      if (ring[i].wert == wert) portIndex = static_cast<int>(i);
  }
  void PortlisteSetzen(const std::vector<PortlistenEintrag>& liste, size_t auswahl) override {
    ring = liste;
    portIndex = static_cast<int>(auswahl);
  }
  int AdressWert() const override { return adresse; }
  void AdresseSetzen(int wert) override {
    if ((wert >= '1' && wert <= '8') || wert == '&') adresse = wert;
  }
  void IdTextSetzen(const std::string& text) override { idText = text; }
  void FortschrittSetzen(const std::string& text) override { fortschritt.push_back(text); }
  void ScanlampeSetzen(int a, Fund fund) override { lampen.at(a - 1) = fund; }
  void FehlerlampenSetzen(int wort) override { fehlerlampen = wort; }
  void GeraetesteuerungDimmen(bool g) override { gedimmt = g; }
  void VerbindungsbilderSetzen(int wert) override { bild = wert; }
  void VerbindungsbilderBeschriften(const std::string& zeile, const std::string&) override {
    bildzeile = zeile;
  }
};

struct Indikator : Fehleranzeige {
  bool lampe = false;
  std::string text;
  int nummer = -1;
  void FehlerZeigen(bool l, const std::string& t, int n) override {
    lampe = l;
    text = t;
    nummer = n;
  }
};

struct Aufbau {
  SimLeitung leitung;
  ZaehlFabrik fabrik{leitung};
  ComPorts ports{fabrik};
  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  Indikator anzeige;
  TestBedienung bedienung;
  std::vector<int> nummern{12, 3};
  ComVerbindung verbindung{ports, fehler, bedienung, [this] { return ComPortliste(nummern); }};
  std::vector<std::string> rahmen;

  Aufbau() {
    fehler.FehleranzeigeAnmelden(Geraetepanel::Com, &anzeige);
    leitung.protokoll = [this](const Protokolleintrag& e) { rahmen.push_back(e.anfrage); };
  }
  void Waehlen(int port) {
    bedienung.PortSetzen(port);
    verbindung.PortGewaehlt();
  }
  void Lesen(const std::string& text) {
    IniDatei ini = Ini_New(true);
    Ini_ParseText(ini, text);
    verbindung.ReadIniCompanel(ini);
  }
};

constexpr const char* kNichtOffen = "Serielle Schnittstelle ist nicht geöffnet";

}  // namespace

TEST(ComVerbindung, OeffnenUndSchliessenUeberRingUndBild) {
  Aufbau a;
  a.verbindung.ComControlAusfuellen();
  ASSERT_EQ(a.bedienung.ring.size(), 2u);
  // Nothing is open, so the ring shows no port; the picture would open the first.
  EXPECT_EQ(a.bedienung.PortWert(), -1);
  EXPECT_EQ(a.verbindung.BildZiel(), 3);
  EXPECT_EQ(a.bedienung.bildzeile, "nicht verbunden");

  a.Waehlen(12);
  EXPECT_EQ(a.fabrik.geoeffnet, std::vector<int>{12});
  EXPECT_EQ(a.verbindung.OffenerComPort(), 12);
  EXPECT_EQ(a.verbindung.LetzterPort(), 12);
  EXPECT_EQ(a.ports.Einstellung(12)->baud, 9600);
  EXPECT_EQ(a.ports.Timeout(12), 0.5);
  EXPECT_EQ(a.bedienung.bild, 0);  // above 8
  EXPECT_EQ(a.anzeige.nummer, 0);

  a.Waehlen(12);  // already open: nothing happens
  EXPECT_EQ(a.fabrik.geoeffnet, std::vector<int>{12});

  a.Waehlen(3);
  EXPECT_EQ(a.fabrik.geoeffnet, (std::vector<int>{12, 3}));
  EXPECT_EQ(a.ports.Port(12), nullptr);
  EXPECT_EQ(a.bedienung.bild, 3);

  a.verbindung.BildAngeklickt();
  EXPECT_EQ(a.verbindung.OffenerComPort(), -1);
  EXPECT_EQ(a.ports.Port(3), nullptr);
  EXPECT_EQ(a.bedienung.bild, -1);
  EXPECT_TRUE(a.bedienung.gedimmt);

  // The picture reopens the last port, whatever the ring shows.
  a.bedienung.PortSetzen(12);
  a.verbindung.BildAngeklickt();
  EXPECT_EQ(a.fabrik.geoeffnet, (std::vector<int>{12, 3, 3}));
  EXPECT_EQ(a.verbindung.OffenerComPort(), 3);
  EXPECT_EQ(a.bedienung.PortWert(), 3);
  EXPECT_EQ(a.bedienung.bild, 3);

  EXPECT_EQ(Bildwert(-1), -1);
  EXPECT_EQ(Bildwert(8), 8);
  EXPECT_EQ(Bildwert(9), 0);
}

TEST(ComVerbindung, BildOeffnetVorDemErstenPortDenDesRings) {
  Aufbau a;
  a.verbindung.ComControlAusfuellen();
  a.bedienung.PortSetzen(12);
  a.verbindung.BildAngeklickt();
  EXPECT_EQ(a.verbindung.OffenerComPort(), 12);
  EXPECT_EQ(a.bedienung.bild, 0);
}

TEST(ComVerbindung, ScheiterndesOeffnen) {
  Aufbau a;
  a.verbindung.ComControlAusfuellen();
  a.Waehlen(3);
  a.fabrik.fabrik.stoerungen.oeffnenFehler = true;
  a.Waehlen(12);
  EXPECT_EQ(a.anzeige.nummer, 100003);
  EXPECT_EQ(a.anzeige.text, "Fehler beim öffnen der seriellen Schnittstelle");
  EXPECT_TRUE(a.anzeige.lampe);
  EXPECT_EQ(a.bedienung.PortWert(), -1);  // the ring does not pretend the port is open
  EXPECT_EQ(a.verbindung.OffenerComPort(), -1);
  EXPECT_EQ(a.ports.Port(3), nullptr);
  EXPECT_EQ(a.verbindung.LetzterPort(), 3);
  EXPECT_EQ(a.bedienung.bild, -1);

  // A port whose time-out cannot be set is not left open.
  a.fabrik.fabrik.stoerungen.oeffnenFehler = false;
  a.fabrik.fabrik.stoerungen.timeoutFehler = true;
  a.Waehlen(12);
  EXPECT_EQ(a.anzeige.nummer, 111005);
  EXPECT_EQ(a.ports.Port(12), nullptr);
  EXPECT_EQ(a.verbindung.OffenerComPort(), -1);
  EXPECT_EQ(a.verbindung.LetzterPort(), 3);

  a.fabrik.fabrik.stoerungen.timeoutFehler = false;
  a.Waehlen(12);
  EXPECT_EQ(a.anzeige.nummer, 0);
  EXPECT_FALSE(a.anzeige.lampe);
}

TEST(ComVerbindung, RingBehaeltDieGemerkteAuswahlBeimNeuFuellen) {
  Aufbau a;
  a.verbindung.ComControlAusfuellen();
  a.bedienung.PortSetzen(12);
  a.nummern = {40, 12, 5, 3};
  a.verbindung.PortAngeklickt();
  ASSERT_EQ(a.bedienung.ring.size(), 4u);
  EXPECT_EQ(a.bedienung.ring[1].text, "COM 5");
  EXPECT_EQ(a.bedienung.PortWert(), 12);
  a.nummern = {40, 5};
  a.verbindung.PortAngeklickt();
  EXPECT_EQ(a.bedienung.PortWert(), 5);  // the remembered port is gone: the first item
  EXPECT_TRUE(a.fabrik.geoeffnet.empty());
}

TEST(ComVerbindung, BefehleOhneOffenenPort) {
  Aufbau a;
  a.bedienung.gedimmt = true;
  EXPECT_EQ(a.verbindung.IDLesen(), -122232);
  EXPECT_EQ(a.bedienung.idText, "alt");
  EXPECT_EQ(a.verbindung.GeraeteSuchen(), -122233);
  EXPECT_EQ(a.verbindung.StartBefehl(), -122234);
  EXPECT_EQ(a.verbindung.StoppBefehl(), -122235);
  EXPECT_EQ(a.verbindung.EingangVierModus(true), -122236);
  EXPECT_EQ(a.verbindung.FehlerbitsAbfragen(), -122237);
  EXPECT_FALSE(a.bedienung.gedimmt);
  EXPECT_EQ(a.leitung.Rahmenzahl(), 0);

  a.verbindung.IDLesenAusfuehren();
  EXPECT_EQ(a.bedienung.fortschritt, (std::vector<std::string>{"lese ID...", ""}));
  EXPECT_EQ(a.anzeige.nummer, 122232);
  EXPECT_EQ(a.anzeige.text, kNichtOffen);
  a.verbindung.ScannAusfuehren();
  EXPECT_EQ(a.anzeige.nummer, 122233);
  a.verbindung.StartAusfuehren();
  EXPECT_EQ(a.anzeige.nummer, 122234);
  a.verbindung.StoppAusfuehren();
  EXPECT_EQ(a.anzeige.nummer, 122235);
  a.verbindung.EingangVierAusfuehren(false);
  EXPECT_EQ(a.anzeige.nummer, 122236);
  a.verbindung.FehlerabfrageAusfuehren();
  EXPECT_EQ(a.anzeige.nummer, 122237);
  EXPECT_EQ(a.anzeige.text, kNichtOffen);
}

TEST(ComVerbindung, KennungStartStoppUndEingangVier) {
  Aufbau a;
  Geraet& geraet = a.leitung.GeraetHinzufuegen('2');
  a.verbindung.ComControlAusfuellen();
  a.Waehlen(3);
  a.bedienung.adresse = '2';
  EXPECT_EQ(a.verbindung.Adresse(), '2');

  a.verbindung.IDLesenAusfuehren();
  EXPECT_EQ(a.bedienung.idText, "NOV-TVM5ARV1.00");
  EXPECT_EQ(a.anzeige.nummer, 0);

  a.verbindung.StartAusfuehren();
  EXPECT_TRUE(geraet.laeuft);
  a.verbindung.StoppAusfuehren();
  EXPECT_FALSE(geraet.laeuft);
  a.verbindung.EingangVierAusfuehren(true);
  EXPECT_EQ(geraet.modus & 1, 1);
  a.verbindung.EingangVierAusfuehren(false);
  EXPECT_EQ(geraet.modus & 1, 0);
  EXPECT_EQ(a.rahmen,
            (std::vector<std::string>{"#2IDR\r", "#2DF1\r", "#2DF2\r", "#2M1S01\r", "#2M1C01\r"}));
  EXPECT_EQ(a.anzeige.nummer, 0);

  // All devices start; the identification cannot be read from all at once.
  a.bedienung.adresse = '&';
  a.verbindung.StartAusfuehren();
  EXPECT_TRUE(geraet.laeuft);
  EXPECT_EQ(a.anzeige.nummer, 0);
  a.verbindung.IDLesenAusfuehren();
  EXPECT_EQ(a.anzeige.nummer, 400006);
  EXPECT_EQ(a.bedienung.idText, "");

  a.bedienung.idText = "alt";
  a.bedienung.adresse = '4';  // nobody answers there
  a.verbindung.IDLesenAusfuehren();
  EXPECT_EQ(a.anzeige.nummer, 403012);
  EXPECT_EQ(a.bedienung.idText, "");
}

TEST(ComVerbindung, Fehlerbits) {
  Aufbau a;
  Geraet& geraet = a.leitung.GeraetHinzufuegen('1');
  geraet.fehler = 0x13;
  a.verbindung.ComControlAusfuellen();
  a.Waehlen(3);
  EXPECT_TRUE(a.bedienung.gedimmt == false);
  a.verbindung.FehlerabfrageAusfuehren();
  EXPECT_EQ(a.bedienung.fehlerlampen, 0x13);
  EXPECT_EQ(a.rahmen.back(), "#1S2R\r");

  EXPECT_EQ(FehlerbitsText(0x13), "Speicherfehler\nChecksummenfehler\nKurvenauswahlfehler\n");
  EXPECT_EQ(FehlerbitsText(0xE0), "");
  a.verbindung.FehlerbitsZeigen(0x0C);
  ASSERT_EQ(a.dialoge.meldungen.size(), 1u);
  EXPECT_EQ(a.dialoge.meldungen[0].titel, "Fehlerbits");
  EXPECT_EQ(a.dialoge.meldungen[0].text, "Eeprom nicht bereit\nDaten nicht sinnvoll\n");
}

TEST(ComVerbindung, ScanZeigtJedeAdresseImFortschritt) {
  Aufbau a;
  a.leitung.GeraetHinzufuegen('3');
  a.leitung.GeraetHinzufuegen('5', "PWC-2 V2.1");
  a.verbindung.ComControlAusfuellen();
  a.Waehlen(3);
  a.verbindung.ScannAusfuehren();
  EXPECT_EQ(
      a.bedienung.fortschritt,
      (std::vector<std::string>{"Suche nach Gerät 1", "Suche nach Gerät 2", "Suche nach Gerät 3",
                                "Suche nach Gerät 4", "Suche nach Gerät 5", "Suche nach Gerät 6",
                                "Suche nach Gerät 7", "Suche nach Gerät 8", ""}));
  EXPECT_EQ(a.bedienung.lampen[4], Fund::Anderes);
  EXPECT_EQ(a.bedienung.adresse, '3');
}

TEST(ComVerbindung, EinstellungenLesenUndSchreiben) {
  {
    Aufbau a;
    a.Lesen("[com]\nadresse = 38\nport = 12\nlport = 3\n");
    EXPECT_EQ(a.bedienung.adresse, '&');
    EXPECT_EQ(a.fabrik.geoeffnet, std::vector<int>{12});
    EXPECT_EQ(a.bedienung.PortWert(), 12);
    EXPECT_EQ(a.bedienung.bild, 0);
    EXPECT_EQ(a.anzeige.nummer, 0);

    IniDatei ini = Ini_New(true);
    a.verbindung.WriteIniCompanel(ini);
    EXPECT_EQ(Ini_Text(ini), "[com]\r\nadresse = 38\r\nlport = 12\r\nport = 12\r\n\r\n");
  }
  {
    // Unusable values: the address ring keeps its item, no port is opened.
    Aufbau a;
    a.Lesen("[com]\nadresse = 65\nport = 256\nlport = 0\n");
    EXPECT_EQ(a.bedienung.adresse, '1');
    EXPECT_TRUE(a.fabrik.geoeffnet.empty());
    EXPECT_EQ(a.verbindung.LetzterPort(), -1);
    EXPECT_EQ(a.bedienung.ring.size(), 2u);
    EXPECT_EQ(a.bedienung.bild, -1);
    a.Lesen("[com]\nadresse = 5x\nport = abc\nlport = 255\n");
    EXPECT_EQ(a.bedienung.adresse, '1');
    EXPECT_EQ(a.verbindung.LetzterPort(), 255);
    EXPECT_TRUE(a.fabrik.geoeffnet.empty());
    a.Lesen("[com]\nadresse = 56\nport = -1\n");
    EXPECT_EQ(a.bedienung.adresse, '8');
    EXPECT_EQ(a.verbindung.LetzterPort(), -1);
    EXPECT_TRUE(a.fabrik.geoeffnet.empty());  // nothing was open at the last end
  }
  {
    // The port of the last end is opened even when the list lacks it; a failure is shown.
    Aufbau a;
    a.Lesen("[com]\nport = 7\nlport = 3\n");
    EXPECT_EQ(a.verbindung.OffenerComPort(), 7);
    EXPECT_EQ(a.bedienung.bild, 7);
    a.verbindung.ComPortSchliessen();
    a.fabrik.fabrik.stoerungen.oeffnenFehler = true;
    a.Lesen("[com]\nport = 5\nlport = 3\n");
    EXPECT_EQ(a.anzeige.nummer, 100003);
    EXPECT_EQ(a.verbindung.OffenerComPort(), -1);
    EXPECT_EQ(a.verbindung.LetzterPort(), 3);
    EXPECT_EQ(a.bedienung.bild, -1);

    IniDatei ini = Ini_New(true);
    ComAbschnitt(a.verbindung).schreiben(ini);
    long wert = 0;
    ASSERT_EQ(Ini_GetInt(ini, "com", "port", wert), 1);
    EXPECT_EQ(wert, -1);
    ASSERT_EQ(Ini_GetInt(ini, "com", "adresse", wert), 1);
    EXPECT_EQ(wert, 49);
  }
}

// The line hangs up in the middle of an answer while the COM panel holds the port: the read
// code shows, the port is closed and every picture shows it closed; once the line is back, a
// click on the picture or choosing the port again opens it. The same when the scan or another
// panel's transfer meets the hang-up.
TEST(Aufgelegt, ComVerbindungSchliesstDenPortUndOeffnetIhnWieder) {
  TempOrdner temp;
  const PortWurzeln w{temp.pfad() / "ports", temp.pfad() / "dev", temp.pfad() / "sys"};
  PosixPortfabrik fabrik(w);
  ComPorts ports(fabrik);
  SkriptDialoge dialoge;
  Fehlerausgabe fehler(dialoge);
  Indikator anzeige;
  TestBedienung bedienung;
  ComVerbindung verbindung(ports, fehler, bedienung, [] { return ComPortliste({3}); });
  verbindung.FehleranzeigeAnmelden(&anzeige);
  verbindung.ComControlAusfuellen();

  const std::vector<std::pair<std::string, std::function<void()>>> oeffnen = {
      {"Bild", [&] { verbindung.BildAngeklickt(); }},
      {"Ring", [&] { verbindung.PortGewaehlt(); }},
      {"Bild", [&] { verbindung.BildAngeklickt(); }},
  };
  const std::vector<std::pair<std::string, std::function<void()>>> auflegen = {
      {"\x06#1NOV-TV", [&] { verbindung.IDLesenAusfuehren(); }},
      {"", [&] { verbindung.ScannAusfuehren(); }},
      {"\x06#1BDR4100",
       [&] {
         std::vector<uint8_t> ziel(64);
         fehler.ComFehlerSetzen(
             KurvenBlockLesen(dialoge, ports, 3, '1', 0x1000, 64, ziel, false, 4));
       }},
  };
  // Whichever code the operation met, the indicators name the line as gone.
  const std::vector<std::vector<int>> codes = {{128601}, {128601}, {128601}};
  for (size_t i = 0; i < auflegen.size(); ++i) {
    SCOPED_TRACE(i);
    AuflegendeBox box(w.portordner, 3);  // the adapter is (back) in
    ASSERT_TRUE(box.Bereit());
    oeffnen[i].second();
    ASSERT_EQ(verbindung.OffenerComPort(), 3);
    EXPECT_EQ(bedienung.bild, 3);
    EXPECT_EQ(anzeige.nummer, 0);
    // A read that waits for its time-out has not seen the hang-up; the test would take long.
    ASSERT_EQ(ports.TimeoutSetzen(3, 30.0), 0);

    box.AntwortAbbrechen(auflegen[i].first);
    auflegen[i].second();
    EXPECT_TRUE(anzeige.lampe);
    EXPECT_NE(std::find(codes[i].begin(), codes[i].end(), anzeige.nummer), codes[i].end())
        << anzeige.nummer;
    EXPECT_EQ(verbindung.OffenerComPort(), -1);
    EXPECT_EQ(ports.Port(3), nullptr);
    EXPECT_EQ(bedienung.bild, -1);
    EXPECT_TRUE(bedienung.gedimmt);
    EXPECT_EQ(verbindung.LetzterPort(), 3);
  }
}

namespace {

// The event loop's watch as plain values.
struct TestWache : Leitungswache {
  int deskriptor = -1;
  bool wartet = false;
  void Beobachten(int d) override { deskriptor = d; }
  void WiederkehrPruefen(bool an) override { wartet = an; }
};

// A pseudo-terminal linked as a port; closing its master is what an ended simulator does.
class Geraeteseite {
 public:
  Geraeteseite(const std::filesystem::path& ordner, int nummer) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    const auto link = ordner / ("com" + std::to_string(nummer));
    std::filesystem::create_directories(ordner);
    std::filesystem::remove(link);
    std::filesystem::create_symlink(ptsname(master_), link);
  }
  ~Geraeteseite() { Auflegen(); }
  void Senden(const std::string& text) {
    ASSERT_EQ(write(master_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  void Auflegen() {
    if (master_ >= 0) close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
};

// What poll reports on the watched descriptor, waiting at most a second.
short Ereignisse(int deskriptor) {
  pollfd p{deskriptor, POLLIN, 0};
  return poll(&p, 1, 1000) == 1 ? p.revents : 0;
}

}  // namespace

// The watch reports the port's descriptor: input nobody asked for is discarded and the port
// stays open; a hang-up (poll: POLLHUP) closes it at once, names the line as gone, stops the
// direct panel's polling and starts the check once a second, which opens the port again when
// its link leads to a line once more. A hang-up met by an operation does the same.
TEST(Aufgelegt, WacheSiehtDasAuflegenUndOeffnetDenPortWieder) {
  TempOrdner temp;
  const PortWurzeln w{temp.pfad() / "ports", temp.pfad() / "dev", temp.pfad() / "sys"};
  PosixPortfabrik fabrik(w);
  ComPorts ports(fabrik);
  SkriptDialoge dialoge;
  Fehlerausgabe fehler(dialoge);
  Indikator anzeige;
  TestBedienung bedienung;
  ComVerbindung verbindung(ports, fehler, bedienung, [] { return ComPortliste({3}); });
  TestWache wache;
  verbindung.WacheSetzen(&wache);
  verbindung.FehleranzeigeAnmelden(&anzeige);
  std::vector<int> gemeldet;
  verbindung.UnterbrechungAnmelden(&gemeldet, [&](int code) { gemeldet.push_back(code); });
  verbindung.ComControlAusfuellen();

  auto geraet = std::make_unique<Geraeteseite>(w.portordner, 3);
  verbindung.BildAngeklickt();
  ASSERT_EQ(verbindung.OffenerComPort(), 3);
  ASSERT_GE(wache.deskriptor, 0);
  EXPECT_EQ(bedienung.bildzeile, "COM 3");

  geraet->Senden("\x06#1xyz\r");
  EXPECT_EQ(Ereignisse(wache.deskriptor) & POLLIN, POLLIN);
  verbindung.LeitungBeobachtet();
  EXPECT_EQ(verbindung.OffenerComPort(), 3);
  EXPECT_EQ(Ereignisse(wache.deskriptor), 0);  // read off: the watch is quiet again

  geraet->Auflegen();
  EXPECT_EQ(Ereignisse(wache.deskriptor) & POLLHUP, POLLHUP);
  verbindung.LeitungBeobachtet();
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  EXPECT_EQ(ports.Port(3), nullptr);
  EXPECT_EQ(wache.deskriptor, -1);
  EXPECT_TRUE(wache.wartet);
  EXPECT_EQ(verbindung.WartenderPort(), 3);
  EXPECT_TRUE(anzeige.lampe);
  EXPECT_EQ(anzeige.nummer, 128601);
  EXPECT_EQ(anzeige.text, "Verbindung zum Gerät unterbrochen");
  EXPECT_EQ(gemeldet, std::vector<int>{-128601});
  EXPECT_EQ(bedienung.bild, -1);
  EXPECT_EQ(bedienung.bildzeile, "unterbrochen");
  EXPECT_EQ(BildtextFuer(-1, 3, 3).tipp,
            "Die Verbindung über COM 3 ist unterbrochen. Sie wird wieder geöffnet, sobald das "
            "Gerät zurück ist; ein Klick versucht es sofort.");

  verbindung.WiederkehrPruefen();  // the link leads nowhere yet
  EXPECT_EQ(verbindung.OffenerComPort(), -1);
  EXPECT_TRUE(wache.wartet);
  IniDatei ini = Ini_New(true);
  ComAbschnitt(verbindung).schreiben(ini);
  long port = 0;
  ASSERT_EQ(Ini_GetInt(ini, "com", "port", port), 1);
  EXPECT_EQ(port, 3);  // opened again at the next start

  geraet = std::make_unique<Geraeteseite>(w.portordner, 3);
  verbindung.WiederkehrPruefen();
  EXPECT_EQ(verbindung.OffenerComPort(), 3);
  EXPECT_FALSE(wache.wartet);
  EXPECT_GE(wache.deskriptor, 0);
  EXPECT_EQ(verbindung.WartenderPort(), -1);
  EXPECT_FALSE(anzeige.lampe);
  EXPECT_EQ(anzeige.nummer, 0);
  EXPECT_EQ(anzeige.text, "Verbindung über COM 3 wiederhergestellt");
  EXPECT_EQ(bedienung.bild, 3);

  geraet->Auflegen();
  verbindung.StartAusfuehren();
  EXPECT_EQ(anzeige.nummer, 128601);
  EXPECT_EQ(verbindung.WartenderPort(), 3);
  EXPECT_EQ(gemeldet, (std::vector<int>{-128601, -128601}));

  // Choosing a port in the ring ends the wait, whether it opens or not.
  bedienung.PortSetzen(3);
  verbindung.PortGewaehlt();
  EXPECT_FALSE(wache.wartet);
  EXPECT_EQ(verbindung.WartenderPort(), -1);
  verbindung.UnterbrechungAbmelden(&gemeldet);
}

TEST(ComVerbindung, StartUndStoppSagenWasGetanWurde) {
  Aufbau a;
  a.leitung.GeraetHinzufuegen('1');
  a.verbindung.ComControlAusfuellen();
  a.Waehlen(3);
  a.verbindung.StartAusfuehren();
  EXPECT_EQ(a.anzeige.text, "Gerät 1 gestartet");
  EXPECT_FALSE(a.anzeige.lampe);
  a.bedienung.adresse = '&';
  a.verbindung.StoppAusfuehren();
  EXPECT_EQ(a.anzeige.text, "Alle Geräte gestoppt");
  EXPECT_EQ(BildtextFuer(12, -1, 3).tipp,
            "Verbunden über COM 12. Ein Klick trennt die Verbindung.");
  EXPECT_EQ(BildtextFuer(-1, -1, 3).tipp, "Keine Verbindung. Ein Klick öffnet COM 3.");
  EXPECT_EQ(BildtextFuer(-1, -1, 0).tipp,
            "Keine Verbindung. Den Port im Fenster 'COM-Einstellung' wählen.");
}
