#pragma once
// A characteristic with scripted dialogs for driving its operations in tests.

#include <string>
#include <vector>

#include "base/fehlerausgabe.h"
#include "characteristic/kennlinienzustand.h"
#include "config/konfiguration.h"
#include "tests/support/skriptdialoge.h"

// Input 1 and outputs 1 and 2 scaled so that one unit is one raw step: 0..4095 V shown as
// 0..4095 units; a grid of 10 units is 10 raw steps.
inline Konfiguration RohEinheiten() {
  Konfiguration k;
  k.vinmax = k.voutmax = 4095;
  for (int i = 0; i < kKanaele; ++i) {
    k.inmax[i] = k.inskalamax[i] = k.outmax[i] = k.outskalamax[i] = 4095;
  }
  return k;
}

inline std::vector<Kennlinienpunkt> Punkte(std::initializer_list<std::pair<int, int>> liste) {
  std::vector<Kennlinienpunkt> punkte;
  for (const auto& [y, laenge] : liste) punkte.push_back({y, laenge, 0});
  return punkte;
}

#include <deque>

#include "characteristic/kennlinienbearbeitung.h"

// Answers the point dialog from a queue; an empty queue answers with what is shown.
class SkriptKennliniendialoge : public Kennliniendialoge {
 public:
  std::deque<Punktwerte> antworten;
  std::vector<std::string> titel;
  std::vector<Punktwerte> gezeigt;

  Punktwerte Punktdialog(const std::string& t, int, const Punktwerte& anzeige) override {
    titel.push_back(t);
    gezeigt.push_back(anzeige);
    if (antworten.empty()) return anzeige;
    const Punktwerte w = antworten.front();
    antworten.pop_front();
    return w;
  }
};

struct Bearbeitungsumgebung {
  Kennlinienzustand z;
  Konfiguration konfig = RohEinheiten();
  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  SkriptKennliniendialoge eingabe;
  Kennlinienbearbeitung b{z, konfig, fehler, eingabe};
  Plotgroesse plot{4095, 4095};  // one pixel per raw step over the whole view

  std::vector<Kennlinienpunkt>& punkte() { return z.gKennlinie.punkte; }
  // The last refusal's text; empty when none was shown.
  std::string Meldung() const {
    const GezeigteMeldung m = dialoge.LetzteMeldung();
    return m.titel == "Fehler" ? m.text : "";
  }
};
