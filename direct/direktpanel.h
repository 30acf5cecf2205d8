#pragma once
// The panel "Direkte Ein-/Ausgabe" (DIREKTPNL): four output knobs with their limits, four input
// meters with their extremes, the strip chart of the input percentages, polling with its timer
// and the record file. The behaviour is Direktsteuerung's; the panel wires the controls to it
// and shows what it reports.

#include <QString>
#include <array>

#include "base/programmende.h"
#include "config/konfigzustand.h"
#include "device/geraetezugang.h"
#include "direct/direktsteuerung.h"
#include "ui/childpanel.h"

class QCheckBox;
class QCustomPlot;
class QDoubleSpinBox;
class QPushButton;
class QShortcut;
class QSpinBox;
class QTimer;
class Drehregler;
class Lampe;
class Zeigerinstrument;

class DirektPanel : public ChildPanel, public Direktanzeige, public Editor {
  Q_OBJECT
 public:
  DirektPanel(ShellDienste& shell, Konfigzustand& konfig, Geraetezugang& zugang,
              QWidget* eltern = nullptr);
  ~DirektPanel() override;

  Direktsteuerung& Steuerung() { return steuerung_; }
  // The controls' values; the settings section "direkt" reads and writes them.
  Direktfelder& Felder() { return steuerung_.felder; }

  int DirektpanelInit() { return steuerung_.DirektpanelInit(); }
  int DirektpanelClear() { return steuerung_.DirektpanelClear(); }
  void Direktpanel_SkaliereElemente() { steuerung_.Direktpanel_SkaliereElemente(); }
  // AbbruchWeilDirektpanelNichtGespeichert: nothing to save.
  int AbbruchWeilNichtGespeichert() override {
    return steuerung_.AbbruchWeilDirektpanelNichtGespeichert();
  }

  // Direktanzeige.
  void EingangZeigen(int i, double wert) override;
  void MinZeigen(int i, double wert) override;
  void MaxZeigen(int i, double wert) override;
  void AusgangZeigen(int i, double wert) override;
  void StreifenZeigen() override;
  void Eingang4Zeigen(bool analog) override;
  void AbfrageZeigen(bool laeuft) override;
  void LampeZeigen(bool an) override;
  void IntervallZeigen(double sekunden) override;
  void ElementeSkalieren() override;

  QTimer* Timer() const { return timer_; }
  QCustomPlot* Streifendiagramm() const { return streifen_; }

 protected:
  void FensterWaehlen(int panel) override;
  void showEvent(QShowEvent* ereignis) override;
  void hideEvent(QHideEvent* ereignis) override;

 private:
  QWidget* AusgaengeAnlegen();
  QWidget* EingaengeAnlegen();
  QWidget* DiagrammAnlegen();
  QWidget* BedienungAnlegen();
  void MenueAnlegen();
  void Hilfe(QWidget* feld, const char* text);
  // Runs the callback's work unless direct help is on.
  void Ausfuehren(const std::function<void()>& arbeit);
  void ZoomZeigen();

  Direktsteuerung steuerung_;
  std::array<Drehregler*, 4> ausgaenge_{};
  std::array<QDoubleSpinBox*, 4> grenzen_{};
  std::array<Zeigerinstrument*, 4> eingaenge_{};
  std::array<QDoubleSpinBox*, 4> minima_{};
  std::array<QDoubleSpinBox*, 4> maxima_{};
  std::array<QCheckBox*, 4> plots_{};
  QPushButton* abfragen_ = nullptr;
  QCheckBox* dateiSpeichern_ = nullptr;
  Lampe* dateiLampe_ = nullptr;
  QDoubleSpinBox* abtastzeit_ = nullptr;
  QSpinBox* zoomX_ = nullptr;
  QDoubleSpinBox* zoomY_ = nullptr;
  QPushButton* aufNull_ = nullptr;
  QPushButton* minMaxReset_ = nullptr;
  QCustomPlot* streifen_ = nullptr;
  QTimer* timer_ = nullptr;
  QShortcut* escape_ = nullptr;
};
