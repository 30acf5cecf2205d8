#include "direct/direktsteuerung.h"

#include <algorithm>
#include <cmath>

#include "base/dialoge.h"
#include "device/novhln1.h"

namespace {

std::string Kanalname(char art, int i) {
  return std::string(1, art) + static_cast<char>('1' + i);
}

}  // namespace

Direktsteuerung::Direktsteuerung(const Konfiguration& konfig, Geraetezugang& zugang,
                                 Fehlerausgabe& fehler, Protokolluhr uhr)
    : konfig_(konfig), zugang_(zugang), fehler_(fehler), uhr_(std::move(uhr)) {
  zugang_.UnterbrechungAnmelden(this, [this](int code) { LeitungUnterbrochen(code); });
}

Direktsteuerung::~Direktsteuerung() {
  zugang_.UnterbrechungAbmelden(this);
}

void Direktsteuerung::LeitungUnterbrochen(int code) {
  if (!abfrageLaeuft_) return;
  ProtokollAbbrechen(code);
  AbfrageBeenden();
}

// ---- Start, end and scaling -----------------------------------------------------------------

int Direktsteuerung::DirektpanelInit() {
  eingangProzent_ = {};
  ausgangProzent_ = {};
  grenzbereiche_.reset();
  streifen_.PunkteSetzen(kStreifenVorgabe / 2);
  felder.zoomX = streifen_.Punkte();
  DirektElementeSkalieren();
  anzeige_->IntervallZeigen(Intervall());
  return 0;
}

int Direktsteuerung::DirektpanelClear() {
  PanelVerlassen();
  return 0;
}

void Direktsteuerung::PanelVerlassen() {
  if (abfrageLaeuft_ || protokoll_.Offen()) AbfrageAbschliessen();
}

void Direktsteuerung::DirektElementeSkalieren() {
  GrenzenAnpassen();
  for (int i = 0; i < kKanaele; ++i) felder.ausgang[i] = AusgangWert(i);
  anzeige_->ElementeSkalieren();
}

void Direktsteuerung::GrenzenAnpassen() {
  std::array<Einheitenbereich, 4> bereiche;
  std::string hinweis;
  for (int i = 0; i < kKanaele; ++i) {
    const Einheitenbereich& b = bereiche[i] = AusgangBereich(i);
    double& grenze = felder.grenze[i];
    if (!felder.grenzeGesetzt[i]) {
      grenze = b.Groesster();
      continue;
    }
    const bool neu = grenzbereiche_ && b != (*grenzbereiche_)[i];
    const double geschnitten = std::clamp(grenze, b.Kleinster(), b.Groesster());
    if (!neu || geschnitten == grenze) continue;
    hinweis += "Die Begrenzung " + Festkomma(grenze, b.stellen) + " von Ausgang " +
               std::to_string(i + 1) + " liegt außerhalb seines neuen Bereichs " +
               Kanalwert(b, b.Kleinster()) + " bis " + Kanalwert(b, b.Groesster()) +
               " und wurde auf " + Kanalwert(b, geschnitten) + " gesetzt.\n";
    grenze = geschnitten;
  }
  grenzbereiche_ = bereiche;
  if (!hinweis.empty()) {
    hinweis.pop_back();
    fehler_.dialoge().MessagePopup("Begrenzung", hinweis);
  }
}

double Direktsteuerung::EingangWert(int i) const {
  return EingangProzentInEinheit(konfig_, i, eingangProzent_.at(i));
}

double Direktsteuerung::AusgangWert(int i) const {
  return AusgangProzentInEinheit(konfig_, i, ausgangProzent_.at(i));
}

double Direktsteuerung::Grenze(int i) const {
  return felder.grenzeGesetzt.at(i) ? felder.grenze[i] : AusgangBereich(i).Groesster();
}

double Direktsteuerung::MinWert(int i) const {
  return EingangVoltInEinheit(konfig_, i, eingangMin_.at(i));
}

double Direktsteuerung::MaxWert(int i) const {
  return EingangVoltInEinheit(konfig_, i, eingangMax_.at(i));
}

// ---- Inputs and outputs ---------------------------------------------------------------------

int Direktsteuerung::EingangLesen(int i) {
  const int port = zugang_.OffenerComPort();
  if (port == -1) {
    fehler_.ComFehlerSetzen(-122301);
    return -122301;
  }
  if (i < 0 || i >= kKanaele) return -510302;
  if (i == 3 && !eingang4Analog_) {
    streifen_.Anhaengen(eingangProzent_);
    anzeige_->StreifenZeigen();
    eingangProzent_[3] = 0.0;
    return 0;
  }
  double volt = 0.0;
  if (const int code =
          NOVHLN1_EingangLesen(zugang_.Ports(), port, zugang_.Adresse(), Kanalname('e', i), volt);
      code != 0) {
    fehler_.ComFehlerSetzen(code);
    return code;
  }
  anzeige_->EingangZeigen(i, EingangVoltInEinheit(konfig_, i, volt));
  eingangProzent_[i] = 100.0 * volt / konfig_.vinmax;
  if (i == 3) {
    streifen_.Anhaengen(eingangProzent_);
    anzeige_->StreifenZeigen();
  }
  if (resetAngefordert_) {
    extremeBekannt_ = {};
    resetAngefordert_ = false;
  }
  ExtremeNehmen(i, volt);
  return 0;
}

// The first reading after a reset sets both extremes, whatever its value.
void Direktsteuerung::ExtremeNehmen(int i, double volt) {
  const bool neu = !extremeBekannt_[i];
  extremeBekannt_[i] = true;
  if (neu || volt > eingangMax_[i]) {
    eingangMax_[i] = volt;
    anzeige_->MaxZeigen(i, MaxWert(i));
  }
  if (neu || volt < eingangMin_[i]) {
    eingangMin_[i] = volt;
    anzeige_->MinZeigen(i, MinWert(i));
  }
}

int Direktsteuerung::AusgangSetzen(int i) {
  if (zugang_.OffenerComPort() == -1) {
    fehler_.ComFehlerSetzen(-122303);
    return -122303;
  }
  if (i < 0 || i >= kKanaele) return -510304;
  if (felder.ausgang[i] > Grenze(i)) {
    felder.ausgang[i] = Grenze(i);
    anzeige_->AusgangZeigen(i, felder.ausgang[i]);
  }
  return Senden(i, felder.ausgang[i]);
}

int Direktsteuerung::AusgangAufNull(int i) {
  if (zugang_.OffenerComPort() == -1) {
    fehler_.ComFehlerSetzen(-122303);
    return -122303;
  }
  if (i < 0 || i >= kKanaele) return -510304;
  const Einheitenbereich b = AusgangBereich(i);
  felder.ausgang[i] = std::clamp(0.0, b.Kleinster(), b.Groesster());
  anzeige_->AusgangZeigen(i, felder.ausgang[i]);
  return Senden(i, felder.ausgang[i]);
}

// The output percent follows only what the device took, so the record shows what is applied.
int Direktsteuerung::Senden(int i, double wert) {
  const double volt = AusgangEinheitInVolt(konfig_, i, wert);
  if (const int code = NOVHLN1_AusgangSchreiben(zugang_.Ports(), zugang_.OffenerComPort(),
                                                zugang_.Adresse(), Kanalname('a', i), volt);
      code != 0) {
    fehler_.ComFehlerSetzen(code);
    return code;
  }
  ausgangProzent_[i] = 100.0 * volt / konfig_.voutmax;
  ausgangGesendet_[i] = true;
  return 0;
}

// ---- Polling --------------------------------------------------------------------------------

int Direktsteuerung::Eingang4Modus() {
  const int port = zugang_.OffenerComPort();
  if (port == -1) return -122315;
  int modus = 0;
  if (const int code = NOVHLN1_ModusLesen(zugang_.Ports(), port, zugang_.Adresse(), modus);
      code != 0)
    return code;
  eingang4Analog_ = (modus & 1) == 0;
  return 0;
}

int Direktsteuerung::AbfrageStarten() {
  const int dateifehler = ProtokollOeffnen();
  if (dateifehler != 0) fehler_.NOV_Fehlerpopup(dateifehler);
  if (const int code = Eingang4Modus(); code != 0) {
    // Polling does not start: the toggle goes off and a record just opened says why it ends.
    fehler_.ComFehlerSetzen(code);
    ProtokollAbbrechen(code);
    AbfrageBeenden();
    return code;
  }
  if (!eingang4Analog_) felder.plot[3] = false;
  anzeige_->Eingang4Zeigen(eingang4Analog_);
  fehler_.ComFehlerSetzen(0);
  streifen_.Unterbrechen();
  abfrageLaeuft_ = true;
  anzeige_->AbfrageZeigen(true);
  return dateifehler;
}

void Direktsteuerung::AbfrageBeenden() {
  ProtokollSchliessen();
  abfrageLaeuft_ = false;
  anzeige_->AbfrageZeigen(false);
}

void Direktsteuerung::AbfrageAbschliessen() {
  ProtokollText(kProtokollEnde);
  AbfrageBeenden();
}

void Direktsteuerung::Abfragen_Callback(bool an) {
  for (int i = 0; i < kKanaele; ++i) {
    if (AusgangSetzen(i) != 0) {
      AbfrageAbschliessen();
      return;
    }
  }
  if (an) {
    AbfrageStarten();
  } else {
    AbfrageAbschliessen();
  }
}

int Direktsteuerung::DirektTimer_Callback() {
  if (!abfrageLaeuft_) return 0;
  for (int i = 0; i < kKanaele; ++i) {
    if (const int code = EingangLesen(i); code != 0) {
      ProtokollAbbrechen(code);
      AbfrageBeenden();
      return code;
    }
  }
  const int code = ProtokollZeileSchreiben();
  if (code != 0) {
    AbfrageBeenden();
    fehler_.NOV_Fehlerpopup(code);
  }
  return code;
}

void Direktsteuerung::Ausgang_Callback(int i, double wert) {
  fehler_.ComFehlerSetzen(0);
  felder.ausgang.at(i) = wert;
  AusgangSetzen(i);
}

void Direktsteuerung::Grenze_Callback(int i, double wert) {
  felder.grenze.at(i) = wert;
  felder.grenzeGesetzt[i] = true;
}

void Direktsteuerung::AusgaengeAufNull_Callback() {
  fehler_.ComFehlerSetzen(0);
  for (int i = 0; i < kKanaele; ++i) AusgangAufNull(i);
}

void Direktsteuerung::Abtastzeit_Callback(double sekunden) {
  felder.abtastzeit = sekunden;
  anzeige_->IntervallZeigen(Intervall());
}

void Direktsteuerung::DirektZoomX_Callback(int wert) {
  felder.zoomX = ZoomXWert(wert);
  streifen_.PunkteSetzen(felder.zoomX);
}

void Direktsteuerung::DirektZoomY_Callback(double wert) {
  felder.zoomY = ZoomYWert(wert);
}

// ---- Record file ----------------------------------------------------------------------------

int Direktsteuerung::ProtokollOeffnen() {
  if (!felder.dateiSpeichern) {
    ProtokollSchliessen();
    return 0;
  }
  Dateiauswahl auswahl =
      DateiauswahlFuer("*.txt", "Datei zum Speichern/Erweitern", Dateiknopf::Speichern);
  auswahl.ueberschreibenFragen = false;  // the file is extended, not replaced
  const std::optional<std::string> pfad = fehler_.dialoge().FileSelectPopup(auswahl);
  ProtokollSchliessen();
  if (!pfad) return 0;
  if (const int code = protokoll_.Oeffnen(*pfad); code != 0) return code;
  const std::pair<std::string, int> teile[] = {
      {kProtokollStart, -301307},
      {KanalKopfzeilen(konfig_, true), -301308},
      {KanalKopfzeilen(konfig_, false), -301309},
      {Spaltenkopf(konfig_), -301310},
  };
  for (const auto& [text, code] : teile)
    if (const int fehler = Schreiben(text, code); fehler != 0) return fehler;
  anzeige_->LampeZeigen(true);
  return 0;
}

int Direktsteuerung::ProtokollZeileSchreiben() {
  if (!protokoll_.Offen()) return 0;
  const std::string eingaenge =
      Zeitspalten(uhr_()) +
      Wertspalten(konfig_, eingangProzent_, true, {true, true, true, eingang4Analog_});
  if (const int code = Schreiben(eingaenge, -301312); code != 0) return code;
  std::string ausgaenge = Wertspalten(konfig_, ausgangProzent_, false, ausgangGesendet_);
  ausgaenge.back() = '\n';
  return Schreiben(ausgaenge, -301313);
}

int Direktsteuerung::ProtokollText(const std::string& text) {
  if (!protokoll_.Offen()) return 0;
  return Schreiben(text, -301314);
}

void Direktsteuerung::ProtokollAbbrechen(int code) {
  ProtokollText(kProtokollAbbruch + fehler_.NOV_Fehlermeldung(code) + "\n");
}

int Direktsteuerung::Schreiben(const std::string& text, int code) {
  const int ergebnis = protokoll_.Schreiben(text, code);
  if (ergebnis != 0) anzeige_->LampeZeigen(false);
  return ergebnis;
}

void Direktsteuerung::ProtokollSchliessen() {
  protokoll_.Schliessen();
  anzeige_->LampeZeigen(false);
}
