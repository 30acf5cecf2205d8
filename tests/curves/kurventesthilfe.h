#pragma once
// A curve set with scripted dialogs for driving the editing tools in tests.

#include <deque>
#include <string>
#include <vector>

#include "base/fehlerausgabe.h"
#include "config/konfiguration.h"
#include "curves/kurvenbearbeitung.h"
#include "tests/support/skriptdialoge.h"

// Answers the point and segment dialogs from queues; an empty queue answers with what is shown.
class SkriptKurvendialoge : public Kurvendialoge {
 public:
  std::deque<Punkteingabe> punkte;
  std::deque<Zeitfelder> geraden;
  std::vector<std::string> titel;
  std::vector<Punkteingabe> gezeigt;

  Punkteingabe Punktdialog(const std::string& t, int, const Punkteingabe& anzeige) override {
    titel.push_back(t);
    gezeigt.push_back(anzeige);
    return Naechste(punkte, anzeige);
  }
  Zeitfelder Geradendialog(const std::string& t, int, const Zeitfelder& dauer) override {
    titel.push_back(t);
    return Naechste(geraden, dauer);
  }

 private:
  template <class T>
  static T Naechste(std::deque<T>& schlange, const T& sonst) {
    if (schlange.empty()) return sonst;
    T wert = schlange.front();
    schlange.pop_front();
    return wert;
  }
};

struct Kurvenumgebung {
  Kurvensatz satz;
  Konfiguration konfig;  // 0..10 V shown as 0..10 "V" on every output
  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  SkriptKurvendialoge eingabe;
  Kurvenbearbeitung b{satz, konfig, fehler, eingabe};
  Plotgroesse plot{1000, 400};

  Kurve& kurve() { return satz.aktuelleKurve(); }
  std::vector<Kurvenpunkt>& punkte() { return kurve().punkte; }
  // The last refusal's text; empty when none was shown.
  std::string Meldung() const {
    const GezeigteMeldung m = dialoge.LetzteMeldung();
    return m.titel == "Fehler" ? m.text : "";
  }
  int Schritte() const { return satz.rueckgaengig[satz.gAktuelleKurve].sgAnzahlRueckgaengig; }
};

inline Zeitfelder Millisekunden(double ms) {
  return ZeitInStunden(ms * 1000);
}
