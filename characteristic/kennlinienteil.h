#pragma once
// The characteristic controller as the application holds it: the state object and its panel,
// behind a header that names neither, so that the application's start-up code can sit beside
// the curve editor's.

#include <memory>

#include "app/einstellungen.h"
#include "app/programmende.h"
#include "config/konfigzustand.h"
#include "device/geraetezugang.h"
#include "ui/childpanel.h"

class KennlinienPanel;
class QPushButton;
struct Kennlinienzustand;

class Kennlinienteil {
 public:
  // Creates the state and the panel (a child of eltern, which owns it).
  Kennlinienteil(ShellDienste& shell, Konfigzustand& konfig, Geraetezugang& zugang,
                 QWidget* eltern = nullptr);
  ~Kennlinienteil();

  ChildPanel* Panel() const;
  Editor* AlsEditor() const;
  KennlinienPanel& Kennlinienpanel() const { return *panel_; }
  Kennlinienzustand& Zustand() const { return *zustand_; }

  int KennlinienpanelInit();
  int KennlinienpanelClear();
  void Kennlinienpanel_SkaliereYAchse();
  // The section "kennlinie" of the settings file.
  AbschnittFunktionen Abschnitt();
  QPushButton* StartKnopf() const;
  QPushButton* StoppKnopf() const;

 private:
  std::unique_ptr<Kennlinienzustand> zustand_;
  KennlinienPanel* panel_;
};
