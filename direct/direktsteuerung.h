#pragma once
// The direct input/output: outputs set by hand, timed polling of the four inputs with their
// extremes, a strip chart and the record file. This is the whole behaviour of the panel
// "Direkte Ein-/Ausgabe"; the panel holds the controls, shows what Direktanzeige reports and
// drives the timer. The command-line tool uses it without a window.

#include <array>
#include <optional>
#include <string>

#include "base/fehlerausgabe.h"
#include "config/konfiguration.h"
#include "device/geraetezugang.h"
#include "direct/direktkanaele.h"
#include "direct/protokolldatei.h"
#include "direct/streifenring.h"

constexpr double kAbtastzeitVorgabe = 0.5;

// What the panel shows; every change of the model that the controls must follow is reported
// here. Without a window nothing needs to be shown.
class Direktanzeige {
 public:
  virtual ~Direktanzeige() = default;
  virtual void EingangZeigen(int /*i*/, double /*wert*/) {}
  virtual void MinZeigen(int /*i*/, double /*wert*/) {}
  virtual void MaxZeigen(int /*i*/, double /*wert*/) {}
  // The knob of output i was moved (to its limit, or to zero).
  virtual void AusgangZeigen(int /*i*/, double /*wert*/) {}
  // A step was added to the strip chart's ring.
  virtual void StreifenZeigen() {}
  // Input 4 as analogue input or as start/stop signal (then its trace toggle is off).
  virtual void Eingang4Zeigen(bool /*analog*/) {}
  // Polling on or off: timer, the polling toggle, the dimmed file toggle.
  virtual void AbfrageZeigen(bool /*laeuft*/) {}
  virtual void LampeZeigen(bool /*an*/) {}
  virtual void IntervallZeigen(double /*sekunden*/) {}
  // Ranges, precisions, units and values of every control after the configuration changed.
  virtual void ElementeSkalieren() {}
};

// The values of the panel's controls that the behaviour reads and sets.
struct Direktfelder {
  std::array<double, 4> ausgang{};  // AUSGANG1..4, unit value
  std::array<double, 4> grenze{};   // BEGRENZUNG1..4, unit value
  // A limit set by the user or the settings. One never set is the upper end of its output's
  // range and follows it; it is not written to the settings.
  std::array<bool, 4> grenzeGesetzt{};
  std::array<bool, 4> plot{true, true, true, true};  // PLOT1..4
  bool dateiSpeichern = false;                       // DATEISPEICHERN
  double abtastzeit = kAbtastzeitVorgabe;            // ABTASTZEIT as typed, seconds
  int zoomX = kStreifenVorgabe / 2;
  double zoomY = 100.0;
};

class Direktsteuerung {
 public:
  Direktsteuerung(const Konfiguration& konfig, Geraetezugang& zugang, Fehlerausgabe& fehler,
                  Protokolluhr uhr = Ortszeit);
  ~Direktsteuerung();
  Direktsteuerung(const Direktsteuerung&) = delete;
  Direktsteuerung& operator=(const Direktsteuerung&) = delete;

  void AnzeigeSetzen(Direktanzeige* anzeige) { anzeige_ = anzeige ? anzeige : &ohneAnzeige_; }

  Direktfelder felder;

  // Percents at zero, limits never set at the upper ends of the outputs, the strip chart at its
  // preset, every control scaled. The limits set belong to the configuration of this moment. 0.
  int DirektpanelInit();
  // Ends polling as the user would: the record gets its closing line. 0.
  int DirektpanelClear();
  // Nothing to save. 0.
  int AbbruchWeilDirektpanelNichtGespeichert() const { return 0; }
  // After the configuration changed.
  void Direktpanel_SkaliereElemente() { DirektElementeSkalieren(); }
  // The limits follow the outputs' ranges (GrenzenAnpassen), then every control is scaled.
  void DirektElementeSkalieren();

  // Reads input i (0..3) onto its meter, extremes and, after input 4, the strip chart.
  int EingangLesen(int i);
  // Sends the knob value of output i, cut to its limit.
  int AusgangSetzen(int i);
  // Sends the unit value 0 (clamped into the knob's range) to output i; the limit is not applied.
  int AusgangAufNull(int i);
  // Whether input 4 is an analogue input, from bit 0 of the device's mode word.
  int Eingang4Modus();
  // Opens the record file if asked for and starts polling unless the mode word cannot be read.
  // Returns the mode word's error (polling did not start) or the record file's (polling runs
  // without the file), else 0.
  int AbfrageStarten();
  void AbfrageBeenden();
  // Polling stopped by the user: the record gets "Datenerfassung beendet", then AbfrageBeenden.
  void AbfrageAbschliessen();

  // The callbacks' work once direct help let them act.
  void Abfragen_Callback(bool an);
  // One tick: the four readings and the record row; the first error (polling then stopped).
  int DirektTimer_Callback();
  // The line hung up: polling stops at once, the record says why.
  void LeitungUnterbrochen(int code);
  void Ausgang_Callback(int i, double wert);
  // BEGRENZUNG i typed: from now on a limit set by the user.
  void Grenze_Callback(int i, double wert);
  void AusgaengeAufNull_Callback();
  void Abtastzeit_Callback(double sekunden);
  void Traceauswahl_Callback(int n, bool an) { felder.plot.at(n) = an; }
  void DirektZoomX_Callback(int wert);
  void DirektZoomY_Callback(double wert);
  void MinMaxReset_Callback() { resetAngefordert_ = true; }
  // The back button and the window menu stop polling before they change panels.
  void PanelVerlassen();

  int ProtokollOeffnen();
  int ProtokollZeileSchreiben();
  int ProtokollText(const std::string& text);

  // What the controls show.
  Einheitenbereich EingangBereich(int i) const { return EingangsBereich(konfig_, i); }
  Einheitenbereich AusgangBereich(int i) const { return AusgangsBereich(konfig_, i); }
  double EingangWert(int i) const;
  double AusgangWert(int i) const;
  // The limit that applies to output i: the one set, else the upper end of its range.
  double Grenze(int i) const;
  // The extremes in units; only meaningful once a reading after the last reset was taken.
  double MinWert(int i) const;
  double MaxWert(int i) const;
  bool ExtremeBekannt(int i) const { return extremeBekannt_[i]; }
  double Intervall() const { return Abtastintervall(felder.abtastzeit); }
  bool AbfrageLaeuft() const { return abfrageLaeuft_; }
  bool Eingang4Analog() const { return eingang4Analog_; }
  bool ProtokollOffen() const { return protokoll_.Offen(); }
  const Streifenring& Streifen() const { return streifen_; }
  const std::array<double, 4>& EingangProzent() const { return eingangProzent_; }
  const std::array<double, 4>& AusgangProzent() const { return ausgangProzent_; }

 private:
  // Limits never set go to the upper ends of their outputs' ranges. A set limit is kept; where
  // its output's range or unit changed since the last time and the limit lies outside the new
  // range, it is cut to the range and a note ("Begrenzung") names it.
  void GrenzenAnpassen();
  int Senden(int i, double wert);
  void ExtremeNehmen(int i, double volt);
  // The abort lines with the catalogue text of the code.
  void ProtokollAbbrechen(int code);
  // Writes to the record; a failure closes it and puts the lamp out.
  int Schreiben(const std::string& text, int code);
  void ProtokollSchliessen();

  const Konfiguration& konfig_;
  Geraetezugang& zugang_;
  Fehlerausgabe& fehler_;
  Protokolluhr uhr_;
  Direktanzeige ohneAnzeige_;
  Direktanzeige* anzeige_ = &ohneAnzeige_;

  std::array<double, 4> eingangProzent_{};
  std::array<double, 4> ausgangProzent_{};
  std::array<double, 4> eingangMin_{};  // volts
  std::array<double, 4> eingangMax_{};  // volts
  std::array<bool, 4> extremeBekannt_{};
  // Outputs set since the start; the record shows no value for the others.
  std::array<bool, 4> ausgangGesendet_{};
  // The output ranges the limits were last adapted to; none before the first scaling.
  std::optional<std::array<Einheitenbereich, 4>> grenzbereiche_;
  // The first reading sets the extremes, as after a reset.
  bool resetAngefordert_ = true;
  bool eingang4Analog_ = true;
  bool abfrageLaeuft_ = false;
  Streifenring streifen_;
  Protokolldatei protokoll_;
};
