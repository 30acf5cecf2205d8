// The direct input/output driven like the panel, on the in-process simulated line.

#include "direct/direktsteuerung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "base/dateischreiben.h"
#include "device/novhln1.h"
#include "direct/direktpanelini.h"
#include "sim/inprozessport.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace {

struct TestZugang : Geraetezugang {
  explicit TestZugang(Portfabrik& fabrik) : ports(fabrik) {}
  ComPorts& Ports() override { return ports; }
  int OffenerComPort() const override { return port; }
  char Adresse() const override { return '1'; }
  void UnterbrechungAnmelden(const void*, std::function<void(int)> m) override {
    melden = std::move(m);
  }
  void UnterbrechungAbmelden(const void*) override { melden = nullptr; }
  ComPorts ports;
  int port = -1;
  std::function<void(int)> melden;
};

struct Anzeigemerker : Fehleranzeige {
  void FehlerZeigen(bool, const std::string&, int nummer) override { code = -nummer; }
  int code = 0;
};

// What the panel would show.
struct TestAnzeige : Direktanzeige {
  std::array<double, 4> eingang{-1, -1, -1, -1}, min{-1, -1, -1, -1}, max{-1, -1, -1, -1};
  std::vector<std::pair<int, double>> ausgaenge;
  int streifen = 0;
  std::optional<bool> eingang4, abfrage, lampe;
  double intervall = 0;
  int skaliert = 0;
  void EingangZeigen(int i, double w) override { eingang[i] = w; }
  void MinZeigen(int i, double w) override { min[i] = w; }
  void MaxZeigen(int i, double w) override { max[i] = w; }
  void AusgangZeigen(int i, double w) override { ausgaenge.push_back({i, w}); }
  void StreifenZeigen() override { ++streifen; }
  void Eingang4Zeigen(bool analog) override { eingang4 = analog; }
  void AbfrageZeigen(bool laeuft) override { abfrage = laeuft; }
  void LampeZeigen(bool an) override { lampe = an; }
  void IntervallZeigen(double s) override { intervall = s; }
  void ElementeSkalieren() override { ++skaliert; }
};

struct Umgebung {
  SimLeitung leitung;
  Geraet& geraet = leitung.GeraetHinzufuegen('1');
  InProzessFabrik fabrik{leitung};
  TestZugang zugang{fabrik};
  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  Anzeigemerker merker;
  Konfiguration konfig;
  Zeitpunkt zeit{8, 12, 2026, 7, 5, 9};
  Direktsteuerung d{konfig, zugang, fehler, [this] { return zeit; }};
  TestAnzeige anzeige;
  std::vector<std::string> rahmen;
  TempOrdner tmp;

  Umgebung() {
    fehler.FehleranzeigeAnmelden(Geraetepanel::Direkt, &merker);
    d.AnzeigeSetzen(&anzeige);
    leitung.protokoll = [this](const Protokolleintrag& e) { rahmen.push_back(e.anfrage); };
    for (int n = 1; n <= 4; ++n) geraet.EingangSetzen(n, 0.0);
  }
  void Oeffnen() {
    ASSERT_EQ(NOVHLN1_Open(zugang.ports, 1, 9600), 0);
    zugang.port = 1;
  }
  void Eingaenge(double e1, double e2, double e3, double e4) {
    for (int n = 1; n <= 4; ++n) geraet.EingangSetzen(n, std::array{e1, e2, e3, e4}[n - 1]);
  }
  std::string Protokoll() {
    std::string inhalt;
    DateiLesen(tmp.datei("p.txt"), inhalt);
    return inhalt;
  }
  void MitDatei() {
    d.felder.dateiSpeichern = true;
    dialoge.dateien.push_back(tmp.datei("p.txt"));
  }
  int Gefragt(const std::string& befehl) const {
    return static_cast<int>(std::count_if(rahmen.begin(), rahmen.end(), [&](const auto& r) {
      return r.compare(2, befehl.size(), befehl) == 0;
    }));
  }
};

}  // namespace

TEST(Direktsteuerung, AbfrageSchreibtDasProtokollUndEndetMitDerSchlusszeile) {
  Umgebung u;
  u.konfig.inskalamax[1] = 100.0;
  u.konfig.ineinheit[1] = "%";
  u.konfig.outskalamax[0] = 60.0;
  u.konfig.outeinheit[0] = "A";
  u.Oeffnen();
  ASSERT_EQ(u.d.DirektpanelInit(), 0);
  u.d.felder.ausgang = {30.0, 1.5, 0.0, 10.0};
  u.MitDatei();
  u.Eingaenge(1.25, 2.5, 3.75, 10.0);

  u.d.Abfragen_Callback(true);
  EXPECT_TRUE(u.d.AbfrageLaeuft());
  EXPECT_EQ(u.anzeige.abfrage, true);
  EXPECT_EQ(u.anzeige.lampe, true);
  EXPECT_EQ(u.anzeige.eingang4, true);
  EXPECT_EQ(u.dialoge.auswahlen.at(0).titel, "Datei zum Speichern/Erweitern");
  EXPECT_EQ(u.dialoge.auswahlen.at(0).filter, "*.txt");
  EXPECT_FALSE(u.dialoge.auswahlen.at(0).ueberschreibenFragen);
  EXPECT_EQ(u.geraet.ausgaenge, (std::array{5.0, 1.5, 0.0, 10.0}));
  u.d.DirektTimer_Callback();
  u.zeit.sekunde = 10;
  u.Eingaenge(0.0, 10.0, 5.0, 9.5);
  u.d.DirektTimer_Callback();
  EXPECT_EQ(u.anzeige.streifen, 2);
  EXPECT_EQ(u.d.Streifen().Schritte().back(), (Prozentschritt{0.0, 100.0, 50.0, 95.0}));
  u.d.Abfragen_Callback(false);

  EXPECT_FALSE(u.d.AbfrageLaeuft());
  EXPECT_EQ(u.anzeige.abfrage, false);
  EXPECT_EQ(u.anzeige.lampe, false);
  EXPECT_EQ(u.Protokoll(),
            "\n\nDatenerfassung gestartet\n"
            "Eingang1: 0.000..10.000 V\nEingang2: 0.00..100.00 %\nEingang3: 0.000..10.000 V\n"
            "Eingang4: 0.000..10.000 V\n"
            "Ausgang1: 0.00..60.00 A\nAusgang2: 0.000..10.000 V\nAusgang3: 0.000..10.000 V\n"
            "Ausgang4: 0.000..10.000 V\n"
            "Datum\tUhrzeit\tEing1[V]\tEing2[%]\tEing3[V]\tEing4[V]\tAusg1[A]\tAusg2[V]\t"
            "Ausg3[V]\tAusg4[V]\n"
            "08.12.2026\t07:05:09\t1.250\t25.00\t3.750\t10.000\t30.00\t1.500\t0.000\t10.000\n"
            "08.12.2026\t07:05:10\t0.000\t100.00\t5.000\t9.500\t30.00\t1.500\t0.000\t10.000\n"
            "Datenerfassung beendet\n");
  EXPECT_EQ(u.Gefragt("V4R"), 2);
  EXPECT_EQ(u.Gefragt("M1R"), 1);
  EXPECT_EQ(u.merker.code, 0);
}

TEST(Direktsteuerung, Eingang4AlsStartStoppSignalWirdNieGefragt) {
  Umgebung u;
  u.Oeffnen();
  u.d.DirektpanelInit();
  u.Eingaenge(1.0, 2.0, 3.0, 5.0);
  u.d.Abfragen_Callback(true);
  u.d.DirektTimer_Callback();
  u.d.Abfragen_Callback(false);
  ASSERT_EQ(u.Gefragt("V4R"), 1);

  u.geraet.modus = 0x01;
  u.MitDatei();
  u.d.Abfragen_Callback(true);
  EXPECT_EQ(u.anzeige.eingang4, false);
  EXPECT_FALSE(u.d.felder.plot[3]);
  u.d.DirektTimer_Callback();
  // The second run is not joined to the first: a step without values lies between them.
  ASSERT_EQ(u.d.Streifen().Schritte().size(), 3u);
  EXPECT_TRUE(std::isnan(u.d.Streifen().Schritte()[1][0]));
  // The first tick still plots the last analogue reading of input 4, the next one 0.
  EXPECT_EQ(u.d.Streifen().Schritte().back()[3], 50.0);
  u.d.DirektTimer_Callback();
  EXPECT_EQ(u.d.Streifen().Schritte().back()[3], 0.0);
  EXPECT_EQ(u.Gefragt("V4R"), 1);
  const std::string protokoll = u.Protokoll();
  EXPECT_NE(protokoll.find("\t3.000\t-----\t0.000\t"), std::string::npos) << protokoll;
}

TEST(Direktsteuerung, KnopfUeberDerGrenzeSendetDieGrenzeAufNullNicht) {
  Umgebung u;
  u.Oeffnen();
  u.konfig.outskalamin[2] = 2.0;  // output 3: 0..10 V is 2..12 units, so zero lies below it
  u.konfig.outskalamax[2] = 12.0;
  u.d.DirektpanelInit();
  for (int i = 0; i < 4; ++i) u.d.Grenze_Callback(i, std::array{10.0, 4.0, -1.0, 10.0}[i]);

  u.d.Ausgang_Callback(1, 7.5);
  EXPECT_EQ(u.geraet.ausgaenge[1], 4.0);
  EXPECT_EQ(u.d.felder.ausgang[1], 4.0);
  EXPECT_EQ(u.anzeige.ausgaenge, (std::vector<std::pair<int, double>>{{1, 4.0}}));
  EXPECT_DOUBLE_EQ(u.d.AusgangProzent()[1], 40.0);

  u.d.felder.ausgang = {3, 3, 7, 3};
  u.d.AusgaengeAufNull_Callback();
  EXPECT_EQ(u.d.felder.ausgang, (std::array{0.0, 0.0, 2.0, 0.0}));
  EXPECT_EQ(u.geraet.ausgaenge, (std::array{0.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(u.merker.code, 0);

  // A value the device refuses changes nothing of the output's record.
  u.d.Grenze_Callback(0, 20.0);
  u.d.Ausgang_Callback(0, 10.5);
  EXPECT_EQ(u.merker.code, -500056);
  EXPECT_EQ(u.d.AusgangProzent()[0], 0.0);
}

TEST(Direktsteuerung, NachDemResetSetztDieNaechsteMessungBeideExtreme) {
  Umgebung u;
  u.Oeffnen();
  u.d.DirektpanelInit();
  u.d.Abfragen_Callback(true);
  u.Eingaenge(3.0, 3.0, 3.0, 3.0);
  u.d.DirektTimer_Callback();
  u.Eingaenge(5.0, 1.0, 3.0, 3.0);
  u.d.DirektTimer_Callback();
  EXPECT_EQ(u.anzeige.max, (std::array{5.0, 3.0, 3.0, 3.0}));
  EXPECT_EQ(u.anzeige.min, (std::array{3.0, 1.0, 3.0, 3.0}));

  u.d.MinMaxReset_Callback();
  EXPECT_EQ(u.anzeige.max[0], 5.0);  // the displays change at the next reading
  u.Eingaenge(4.0, 0.0, 10.0, 2.0);
  u.d.DirektTimer_Callback();
  EXPECT_EQ(u.anzeige.max, (std::array{4.0, 0.0, 10.0, 2.0}));
  EXPECT_EQ(u.anzeige.min, (std::array{4.0, 0.0, 10.0, 2.0}));
  EXPECT_EQ(u.anzeige.eingang, (std::array{4.0, 0.0, 10.0, 2.0}));
}

TEST(Direktsteuerung, FehlercodesOhnePortUndAusserhalbDerKanaele) {
  Umgebung u;
  EXPECT_EQ(u.d.EingangLesen(0), -122301);
  EXPECT_EQ(u.merker.code, -122301);
  EXPECT_EQ(u.d.AusgangSetzen(0), -122303);
  EXPECT_EQ(u.d.AusgangAufNull(2), -122303);
  EXPECT_EQ(u.d.Eingang4Modus(), -122315);
  u.Oeffnen();
  EXPECT_EQ(u.d.EingangLesen(4), -510302);
  EXPECT_EQ(u.d.EingangLesen(-1), -510302);
  EXPECT_EQ(u.d.AusgangSetzen(4), -510304);
  EXPECT_EQ(u.d.AusgangAufNull(-1), -510304);
  EXPECT_TRUE(u.rahmen.empty());
}

TEST(Direktsteuerung, ModuswortFehlerSchaltetAbUndSchliesstDieDatei) {
  Umgebung u;
  u.Oeffnen();
  u.d.DirektpanelInit();
  u.MitDatei();
  u.leitung.StoerungAufRahmen(5, {Stoerart::Nak});  // four outputs, then the mode word
  u.d.Abfragen_Callback(true);
  EXPECT_FALSE(u.d.AbfrageLaeuft());
  EXPECT_EQ(u.anzeige.abfrage, false);
  EXPECT_FALSE(u.d.ProtokollOffen());
  EXPECT_EQ(u.anzeige.lampe, false);
  EXPECT_EQ(u.merker.code, -402154);
  const std::string protokoll = u.Protokoll();
  EXPECT_NE(protokoll.find("Ausg4[V]\nFehler - Daten\xFC"
                           "bertragung abgebrochen\n"
                           "Fehlermeldung (NAK) vom Ger\xE4"
                           "t erhalten\n"),
            std::string::npos)
      << protokoll;
  u.d.DirektTimer_Callback();  // a stray tick does nothing
  EXPECT_EQ(u.Gefragt("V1R"), 0);
}

TEST(Direktsteuerung, LesefehlerBeimTaktBrichtAbUndSchreibtDenGrund) {
  Umgebung u;
  u.Oeffnen();
  u.d.DirektpanelInit();
  u.MitDatei();
  u.d.Abfragen_Callback(true);
  u.d.DirektTimer_Callback();
  u.leitung.StoerungAufRahmen(u.leitung.Rahmenzahl() + 3, {Stoerart::Stille});
  u.d.DirektTimer_Callback();
  EXPECT_FALSE(u.d.AbfrageLaeuft());
  EXPECT_EQ(u.merker.code, -403051);
  const std::string protokoll = u.Protokoll();
  const std::string ende =
      "Fehler - Daten\xFC"
      "bertragung abgebrochen\nKeine Antwort vom Ger\xE4"
      "t\n";
  EXPECT_EQ(protokoll.substr(protokoll.size() - ende.size()), ende);
  EXPECT_EQ(std::count(protokoll.begin(), protokoll.end(), '\n'), 15);
}

// The line hangs up while polling: polling stops at once, the record says why, once.
TEST(Direktsteuerung, AufgelegteLeitungBeendetDieAbfrageSofort) {
  Umgebung u;
  u.Oeffnen();
  u.d.DirektpanelInit();
  u.MitDatei();
  u.d.Abfragen_Callback(true);
  u.d.DirektTimer_Callback();
  ASSERT_TRUE(u.zugang.melden);
  u.zugang.melden(-128601);
  EXPECT_FALSE(u.d.AbfrageLaeuft());
  EXPECT_EQ(u.anzeige.abfrage, false);
  EXPECT_FALSE(u.d.ProtokollOffen());
  const std::string protokoll = u.Protokoll();
  const std::string ende =
      "Fehler - Daten\xFC"
      "bertragung abgebrochen\nVerbindung zum Ger\xE4"
      "t unterbrochen\n";
  ASSERT_GE(protokoll.size(), ende.size());
  EXPECT_EQ(protokoll.substr(protokoll.size() - ende.size()), ende);
  u.zugang.melden(-128601);
  EXPECT_EQ(u.Protokoll(), protokoll);
}

TEST(Direktsteuerung, EndeWaehrendDerAbfrageSchliesstDasProtokollAb) {
  Umgebung u;
  u.Oeffnen();
  u.d.DirektpanelInit();
  u.MitDatei();
  u.d.Abfragen_Callback(true);
  u.d.DirektTimer_Callback();
  EXPECT_EQ(u.d.DirektpanelClear(), 0);
  EXPECT_EQ(u.anzeige.abfrage, false);
  EXPECT_FALSE(u.d.ProtokollOffen());
  const std::string protokoll = u.Protokoll();
  EXPECT_EQ(protokoll.substr(protokoll.size() - 23), "Datenerfassung beendet\n");
  EXPECT_EQ(u.d.DirektpanelClear(), 0);
  EXPECT_EQ(u.Protokoll(), protokoll);
}

TEST(Direktsteuerung, DateifehlerUndAbgebrocheneAuswahl) {
  Umgebung u;
  u.Oeffnen();
  u.d.DirektpanelInit();
  u.d.felder.dateiSpeichern = true;
  u.dialoge.dateien.push_back(std::nullopt);
  u.d.Abfragen_Callback(true);
  EXPECT_TRUE(u.d.AbfrageLaeuft());
  EXPECT_FALSE(u.d.ProtokollOffen());
  EXPECT_TRUE(u.dialoge.meldungen.empty());
  u.d.Abfragen_Callback(false);

  // A full disk: the start line fails, polling runs without the file.
  u.dialoge.dateien.push_back("/dev/full");
  u.d.Abfragen_Callback(true);
  EXPECT_TRUE(u.d.AbfrageLaeuft());
  EXPECT_EQ(u.anzeige.lampe, false);
  ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
  EXPECT_NE(u.dialoge.meldungen[0].titel.find("301307"), std::string::npos);
  u.d.Abfragen_Callback(false);

  u.dialoge.dateien.push_back(u.tmp.pfad().string());
  u.d.Abfragen_Callback(true);
  ASSERT_EQ(u.dialoge.meldungen.size(), 2u);
  EXPECT_NE(u.dialoge.meldungen[1].titel.find("308306"), std::string::npos);
}

TEST(Direktsteuerung, AbtastzeitZoomUndSkalierung) {
  Umgebung u;
  u.d.DirektpanelInit();
  EXPECT_EQ(u.d.felder.zoomX, kStreifenVorgabe / 2);
  EXPECT_EQ(u.d.felder.grenze, (std::array{10.0, 10.0, 10.0, 10.0}));
  EXPECT_EQ(u.anzeige.skaliert, 1);
  u.d.Abtastzeit_Callback(0.05);
  EXPECT_DOUBLE_EQ(u.anzeige.intervall, 0.2);
  EXPECT_DOUBLE_EQ(u.d.felder.abtastzeit, 0.05);
  u.d.DirektZoomX_Callback(0);
  EXPECT_EQ(u.d.felder.zoomX, 10);
  EXPECT_EQ(u.d.Streifen().Punkte(), 10);
  u.d.DirektZoomY_Callback(5);
  EXPECT_DOUBLE_EQ(u.d.felder.zoomY, 10);
  u.d.DirektZoomY_Callback(150);
  EXPECT_DOUBLE_EQ(u.d.felder.zoomY, 100);

  u.Oeffnen();
  u.d.Ausgang_Callback(2, 5.0);
  u.konfig.outskalamax[2] = 100.0;
  u.d.Direktpanel_SkaliereElemente();
  EXPECT_EQ(u.anzeige.skaliert, 2);
  EXPECT_DOUBLE_EQ(u.d.felder.ausgang[2], 50.0);
  EXPECT_EQ(u.d.AusgangBereich(2).stellen, 2);
}

TEST(Direktsteuerung, AbschnittDirektDerEinstellungen) {
  IniDatei ini = Ini_New(true);
  Ini_ParseText(ini,
                "[direkt]\nkurve1 = 0\nkurve2 = 5\nkurve4 = x\ngrenze2 = 4.5\ngrenze3 = Inf\n"
                "grenze4 = -2\n");
  Direktfelder felder;
  ReadIniDirektpanel(felder, ini);
  EXPECT_EQ(felder.plot, (std::array{false, true, true, true}));
  EXPECT_EQ(felder.grenze, (std::array{0.0, 4.5, 0.0, -2.0}));
  EXPECT_EQ(felder.grenzeGesetzt, (std::array{false, true, false, true}));

  IniDatei neu = Ini_New(true);
  WriteIniDirektpanel(felder, neu);
  // Limits never set are not written; they are found unset again at the next start.
  EXPECT_EQ(Ini_Text(neu),
            "[direkt]\r\ngrenze2 = 4.5\r\ngrenze4 = -2\r\nkurve1 = 0\r\nkurve2 = 1\r\n"
            "kurve3 = 1\r\nkurve4 = 1\r\n\r\n");
}

TEST(Direktsteuerung, GrenzenFolgenDemBereichGesetzteBleibenOderWerdenMitHinweisGeschnitten) {
  Umgebung u;
  u.Oeffnen();
  u.d.Grenze_Callback(1, 8.0);
  u.d.Grenze_Callback(2, 6.0);
  u.d.DirektpanelInit();
  EXPECT_EQ(u.d.felder.grenze, (std::array{10.0, 8.0, 6.0, 10.0}));

  // Output 1 becomes 0..1000 mV, output 2 0..5 V, output 3 0..1000 mV; output 4 stays.
  u.konfig.outskalamax[0] = u.konfig.outskalamax[2] = 1000.0;
  u.konfig.outeinheit[0] = u.konfig.outeinheit[2] = "mV";
  u.konfig.outskalamax[1] = 5.0;
  u.d.Direktpanel_SkaliereElemente();
  EXPECT_EQ(u.d.felder.grenze, (std::array{1000.0, 5.0, 6.0, 10.0}));
  ASSERT_EQ(u.dialoge.meldungen.size(), 1u);
  EXPECT_EQ(u.dialoge.meldungen[0].titel, "Begrenzung");
  EXPECT_EQ(u.dialoge.meldungen[0].text,
            "Die Begrenzung 8.000 von Ausgang 2 liegt außerhalb seines neuen Bereichs 0.000 V "
            "bis 5.000 V und wurde auf 5.000 V gesetzt.");
  // A limit never set does not cut: 500 mV are 5 V.
  u.d.Ausgang_Callback(0, 500.0);
  EXPECT_DOUBLE_EQ(u.geraet.ausgaenge[0], 5.0);
  u.d.Ausgang_Callback(2, 500.0);
  EXPECT_DOUBLE_EQ(u.geraet.ausgaenge[2], 0.06);

  // Scaling again without a change cuts nothing; a set limit outside its unchanged range stays.
  u.d.Grenze_Callback(3, 12.0);
  u.d.Direktpanel_SkaliereElemente();
  EXPECT_EQ(u.dialoge.meldungen.size(), 1u);
  EXPECT_EQ(u.d.felder.grenze[3], 12.0);

  // Only the limits set reach the settings file.
  IniDatei ini = Ini_New(true);
  WriteIniDirektpanel(u.d.felder, ini);
  EXPECT_EQ(Ini_Text(ini),
            "[direkt]\r\ngrenze2 = 5\r\ngrenze3 = 6\r\ngrenze4 = 12\r\nkurve1 = 1\r\n"
            "kurve2 = 1\r\nkurve3 = 1\r\nkurve4 = 1\r\n\r\n");
}
