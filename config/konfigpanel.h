#pragma once
// The configuration panel "Konfiguration" (KONFIGPNL): full scales of the outputs and inputs and
// per channel the scaling from volts to user units. The fields are a second copy of the record;
// the record takes them over when the panel is left, a file is saved or the settings are
// written.

#include <QString>
#include <array>

#include "config/konfigzustand.h"
#include "ui/childpanel.h"

class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
struct KonfigBeschriftung;

class KonfigPanel : public ChildPanel, public Konfigfelder {
  Q_OBJECT
 public:
  KonfigPanel(ShellDienste& shell, Konfigzustand& zustand, QWidget* eltern = nullptr);
  ~KonfigPanel() override;

  // Limits the unit fields and presets the fields for the curve generator.
  void InitialisiereKonfigPanel();

  void FelderZeigen(const Konfiguration& konfig) override;
  Konfiguration FelderLesen() const override;

 protected:
  void FensterWaehlen(int panel) override;

 private:
  // The controls of the outputs or of the inputs.
  struct Kanalzeilen {
    QComboBox* bereich = nullptr;
    std::array<QDoubleSpinBox*, kKanaele> min{};
    std::array<QDoubleSpinBox*, kKanaele> max{};
    std::array<QDoubleSpinBox*, kKanaele> skalamin{};
    std::array<QDoubleSpinBox*, kKanaele> skalamax{};
    std::array<QLineEdit*, kKanaele> einheit{};
  };

  void BlockAnlegen(QGridLayout* raster, int zeile, Kanalzeilen& z, const KonfigBeschriftung& text);
  void KanalAnlegen(QGridLayout* raster, int zeile, Kanalzeilen& z, const KonfigBeschriftung& text,
                    int k);
  void BlockZeigen(const Kanalzeilen& z, const Konfiguration& konfig, const Kanalblock& b);
  void BlockLesen(const Kanalzeilen& z, Konfiguration& konfig, const Kanalblock& b) const;
  void MenueAnlegen();
  void DateiBefehl(int ergebnis);

  Konfigzustand& zustand_;
  Kanalzeilen ausgaenge_;
  Kanalzeilen eingaenge_;
  QPushButton* standardwerte_ = nullptr;
};
