#pragma once
// The one current channel configuration of the program, the panel fields that show it and the
// rescaling of the panels that display values in channel units.

#include <functional>
#include <string>
#include <vector>

#include "base/dialoge.h"
#include "config/konfiguration.h"

// The configuration panel's fields: a second copy of the record that the user edits.
class Konfigfelder {
 public:
  virtual ~Konfigfelder() = default;
  virtual void FelderZeigen(const Konfiguration& konfig) = 0;
  virtual Konfiguration FelderLesen() const = 0;
};

class Konfigzustand {
 public:
  explicit Konfigzustand(Dialoge& dialoge) : dialoge_(dialoge) {}

  const Konfiguration& gKonfig() const { return gKonfig_; }
  Dialoge& dialoge() { return dialoge_; }

  void FelderAnmelden(Konfigfelder* felder) { felder_ = felder; }
  // The curve, characteristic and direct panels rescale themselves here, in this order.
  void SkalierungAnmelden(std::function<void()> skalieren);

  void KonfigurationZuruecksetzen() { gKonfig_ = Konfiguration{}; }
  void KonfigurationAnzeigen();
  // Takes the fields into the record. A channel whose two voltages or two unit values are equal
  // (or that cannot be converted) is not taken over: a message names it and false is returned.
  bool KonfigfelderInStrukturSpeichern();
  // Copies a record into gKonfig and shows it; a record that KonfigurationGueltig refuses
  // changes nothing and gives false.
  bool KonfigurationSetzen(const Konfiguration& konfig);

  // Presets the fields (not the record) for the curve generator: outputs 0 - 4.095 V, output 1
  // 0 .. 4.095 V shown as 0 .. 4.095 "A".
  void InitialisiereKonfigPanel();
  // "an TVM-5R anpassen": the user value at the upper scaling point of output 1 goes into its
  // field (SKALAOUTMAX1); the caller then takes the fields over. Without a panel the record
  // takes it at once, unless that makes output 1 unusable.
  void FeldSkalaOutMax1Setzen(double wert);
  // The reset button: asks, and on "Ja" resets record and fields.
  void StandardwerteFragen();
  // Leaving the panel: fields into the record, then the other panels rescale. False when a
  // channel was refused.
  bool KonfigpanelVerlassen();

 private:
  Dialoge& dialoge_;
  Konfiguration gKonfig_;
  Konfigfelder* felder_ = nullptr;
  std::vector<std::function<void()>> skalierungen_;
};
