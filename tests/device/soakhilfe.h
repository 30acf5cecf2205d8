#pragma once
// What the rows of the fault soak share: the code sets of the memory and mode commands, the
// device access of the transfers, and the checks of a read and of a write.

#include <algorithm>
#include <random>
#include <set>
#include <span>
#include <string>

#include "base/fehlerausgabe.h"
#include "device/geraetezugang.h"
#include "tests/device/soakmaschine.h"
#include "tests/support/skriptdialoge.h"

namespace soak {

using Codes = std::set<int>;

inline Codes Vereint(std::initializer_list<Codes> teile) {
  Codes alle;
  for (const Codes& t : teile) alle.insert(t.begin(), t.end());
  return alle;
}

// The codes of FlushInOut, for the operations that pass them on.
inline const Codes kFlush = {-124148, -123149};
inline const Codes kSpeicherSchreiben =
    Vereint({kFlush, {-101125, -101126, -402127, -405128, -403129, -404130}});
inline const Codes kSpeicherLesen =
    Vereint({kFlush,
             {-101097, -114098, -402099, -405100, -403101, -404102, -404104, -404105, -404106,
              -404107, -404108, -404109, -404110, -404111, -404112, -404113, -406114}});
inline const Codes kModusLesen =
    Vereint({kFlush, {-101152, -114153, -402154, -405155, -403156, -404157, -404158, -404159}});
inline const Codes kModusSchreiben = {-112162, -101163, -101164, -402165,
                                      -405166, -403167, -404168};

// Records the last code the error indicator showed (it shows the number without its sign).
struct Anzeige : Fehleranzeige {
  int letzte = 0;
  void FehlerZeigen(bool, const std::string&, int nummer) override { letzte = -nummer; }
};

// Dialogs and error indicator of a transfer.
struct Transferanzeige {
  explicit Transferanzeige(Geraetepanel panel) { fehler.FehleranzeigeAnmelden(panel, &anzeige); }
  // A transfer's result: what it returns, else what it showed on the indicator.
  int Ergebnis(int rueckgabe) const { return rueckgabe != 0 ? rueckgabe : anzeige.letzte; }

  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  Anzeige anzeige;
};

// The port and address of the soak, as the COM settings would give them.
struct Zugang : Geraetezugang {
  explicit Zugang(Soakumgebung& u) : u(u) {}
  ComPorts& Ports() override { return u.ports; }
  int OffenerComPort() const override { return u.port; }
  char Adresse() const override { return u.adresse; }
  Soakumgebung& u;
};

inline int Zufall(std::mt19937& z, int von, int bis) {
  return std::uniform_int_distribution<int>(von, bis)(z);
}

inline Geraet* Sim(Soakumgebung& u) {
  return u.leitung != nullptr ? u.leitung->GeraetMit(u.adresse) : nullptr;
}

// A read of one value: the out-argument must keep its initial value on failure and, on
// success, equal what the device holds.
template <typename T, typename Lesen, typename Wahr>
Soakergebnis Einzelwert(Soakumgebung& u, T anfang, Lesen lesen, Wahr wahr) {
  T wert = anfang;
  Soakergebnis e;
  e.code = lesen(wert);
  e.pruefsummenGeschuetzt = false;
  if (e.code != 0) {
    e.modellGeaendert = !(wert == anfang);
  } else if (Geraet* g = Sim(u)) {
    e.falsch = !wahr(*g, wert);
  }
  return e;
}

// A write: on success the device must hold what was written, if it acknowledged the write (a
// write to all devices has no acknowledge and may be lost on a dead line).
template <typename Schreiben, typename Wahr>
Soakergebnis Schreibend(Soakumgebung& u, Schreiben schreiben, Wahr wahr, bool quittiert = true) {
  Soakergebnis e;
  e.code = schreiben();
  if (e.code == 0 && quittiert)
    if (Geraet* g = Sim(u)) e.falsch = !wahr(*g);
  return e;
}

inline bool Gleich(const std::vector<uint8_t>& speicher, int start,
                   std::span<const uint8_t> daten) {
  return std::equal(daten.begin(), daten.end(), speicher.begin() + start);
}

}  // namespace soak
