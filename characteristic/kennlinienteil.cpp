#include "characteristic/kennlinienteil.h"

#include "characteristic/kennlinienpanel.h"
#include "characteristic/kennlinienpanelini.h"

Kennlinienteil::Kennlinienteil(ShellDienste& shell, Konfigzustand& konfig, Geraetezugang& zugang,
                               QWidget* eltern)
    : zustand_(std::make_unique<Kennlinienzustand>()),
      panel_(new KennlinienPanel(shell, *zustand_, konfig, zugang, eltern)) {}

Kennlinienteil::~Kennlinienteil() = default;

ChildPanel* Kennlinienteil::Panel() const {
  return panel_;
}

Editor* Kennlinienteil::AlsEditor() const {
  return panel_;
}

int Kennlinienteil::KennlinienpanelInit() {
  return panel_->KennlinienpanelInit();
}

int Kennlinienteil::KennlinienpanelClear() {
  return panel_->KennlinienpanelClear();
}

void Kennlinienteil::Kennlinienpanel_SkaliereYAchse() {
  panel_->Kennlinienpanel_SkaliereYAchse();
}

AbschnittFunktionen Kennlinienteil::Abschnitt() {
  return KennlinienAbschnitt(panel_->Darstellung());
}

QPushButton* Kennlinienteil::StartKnopf() const {
  return panel_->StartKnopf();
}

QPushButton* Kennlinienteil::StoppKnopf() const {
  return panel_->StoppKnopf();
}
