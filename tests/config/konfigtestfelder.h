#pragma once
// Panel fields without a panel: what the user typed, and how often the record was shown.

#include "config/konfigzustand.h"

struct TestFelder : Konfigfelder {
  Konfiguration felder;
  int gezeigt = 0;
  void FelderZeigen(const Konfiguration& konfig) override {
    felder = konfig;
    ++gezeigt;
  }
  Konfiguration FelderLesen() const override { return felder; }
};
