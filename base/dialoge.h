#pragma once
// The few ways the core reaches the user: message popups, a question with up to three buttons,
// file selection and the progress dialog of long transfers. The desktop program implements
// them with Qt; tests implement them with scripted answers.

#include <optional>
#include <string>
#include <vector>

enum class Dateiknopf { Laden, Speichern };

struct Dateiauswahl {
  std::string verzeichnis;  // empty: the dialog's last folder
  std::string dateimuster;  // default file spec, e.g. "*.skr"
  std::string filter;       // e.g. "*.skr"
  std::string titel;
  Dateiknopf knopf = Dateiknopf::Laden;
  bool endungFest = true;  // the extension of the filter is enforced
  bool ordnerAnlegen = true;
  bool ueberschreibenFragen = true;  // off for a file that is extended, not replaced
};

// A selection of files of one type: "*.skr" is both the default file spec and the filter.
inline Dateiauswahl DateiauswahlFuer(const std::string& muster, const std::string& titel,
                                     Dateiknopf knopf, bool endungFest = true) {
  Dateiauswahl auswahl;
  auswahl.dateimuster = muster;
  auswahl.filter = muster;
  auswahl.titel = titel;
  auswahl.knopf = knopf;
  auswahl.endungFest = endungFest;
  return auswahl;
}

struct Frage {
  std::string titel;
  std::string text;
  std::vector<std::string> knoepfe;  // one to three captions
  int enterKnopf = 1;                // 1-based button answering Enter
  int escapeKnopf = 0;               // 1-based button answering Escape, 0 = none
};

class Dialoge {
 public:
  virtual ~Dialoge() = default;

  virtual void MessagePopup(const std::string& titel, const std::string& text) = 0;
  // Returns the 1-based number of the pressed button, 0 when the popup was closed otherwise.
  virtual int GenericMessagePopup(const Frage& frage) = 0;
  // Returns the chosen path, nothing when cancelled.
  virtual std::optional<std::string> FileSelectPopup(const Dateiauswahl& auswahl) = 0;

  // Modal progress dialog of a transfer, with "Abbrechen".
  virtual void FortschrittOeffnen(const std::string& titel, const std::string& label) = 0;
  virtual void FortschrittSetzen(int prozent) = 0;
  // The remaining time under the percentage ("noch 1:23 min"); empty while it is not known.
  virtual void FortschrittRestzeit(const std::string& /*text*/) {}
  // Whether the user asked the transfer to stop; asked between two frames.
  virtual bool FortschrittAbgebrochen() { return false; }
  virtual void FortschrittSchliessen() = 0;
};
