#pragma once
// Reporting of error codes: the catalogue text in the chosen language, the error popups and the
// error indicator that the device panels share.

#include <array>
#include <functional>
#include <string>

#include "base/dialoge.h"
#include "base/fehlerkatalog.h"

// The three controls of one panel's error indicator: lamp, text and number.
class Fehleranzeige {
 public:
  virtual ~Fehleranzeige() = default;
  virtual void FehlerZeigen(bool lampe, const std::string& text, int nummer) = 0;
};

// The device panels in the order in which their indicators are set.
enum class Geraetepanel { Kurven = 0, Com = 1, Kennlinie = 2, Direkt = 3 };

class Fehlerausgabe {
 public:
  explicit Fehlerausgabe(Dialoge& dialoge) : dialoge_(dialoge) {}

  void NOV_Fehlersprache(int sprache) { sgSprache = sprache; }
  int Sprache() const { return sgSprache; }

  // Copies the text into the message buffer; valid until the next call.
  const std::string& NOV_Fehlermeldung(int code);
  int NOV_Fehlerpopup(int code);
  void NOV_Fehlerpopup2(int code, const std::string& titel);

  void FehleranzeigeAnmelden(Geraetepanel panel, Fehleranzeige* anzeige);
  void ComFehlerSetzen(int code);
  // What was done, in the indicators' text field with the lamp off and the number 0.
  void ComMeldungSetzen(const std::string& text);
  // Looks at every code before the indicators show it and gives the code to show instead: the
  // connection turns the failure of a line that has hung up into its own code.
  void CodepruefungSetzen(std::function<int(int code)> pruefung) {
    pruefung_ = std::move(pruefung);
  }

  Dialoge& dialoge() { return dialoge_; }

 private:
  Dialoge& dialoge_;
  int sgSprache = kSpracheDeutsch;
  std::string sgMeldung;
  std::array<Fehleranzeige*, 4> anzeigen_{};
  std::function<int(int)> pruefung_;
};
