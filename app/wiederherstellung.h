#pragma once
// The recovery file: what the curve and characteristic editors hold unsaved, kept in the
// settings folder so that a crash, a kill or the end of a session loses nothing. It is written
// a moment after the last change and when the program is ended from outside, removed at a
// normal end, and offered at the next start. Each editor's part holds the bytes of its own file
// format (*.skr, *.ske) and the name of its current file, so a restored editor is exactly the
// one that was left.
//
// Layout, little-endian: the type text (24 bytes, zero-padded), version (int32), the time of
// writing in seconds since 1970 (two uint32, low word first), then for the curves and then for
// the characteristic: present (uint32 0 or 1), length and bytes of the file name (UTF-8), length
// and bytes of the file contents.

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "base/dialoge.h"
#include "characteristic/kennlinienzustand.h"
#include "config/konfiguration.h"
#include "curves/kurvensatz.h"

inline constexpr const char* kWiederherstellungsdatei = "tvm5rWiederherstellung.dat";

// The recovery file beside the settings file at iniPfad (in the settings folder).
std::string WiederherstellungsPfad(const std::string& iniPfad);

// The unsaved parts as the file holds them after its time; empty when nothing is unsaved.
std::string UngesichertesInhalt(const Kurvensatz& satz, const Kennlinienzustand& kennlinie,
                                const Konfiguration& konfig);

// Keeps the recovery file in step with what is unsaved.
class Wiederherstellungsdatei {
 public:
  explicit Wiederherstellungsdatei(
      std::string pfad, std::function<std::time_t()> uhr = [] { return std::time(nullptr); })
      : pfad_(std::move(pfad)), uhr_(std::move(uhr)) {}

  // Called at a steady pace (about once a second): writes what is unsaved once it has stayed
  // the same since the previous call and differs from what the file holds; removes the file
  // when nothing is unsaved.
  void Takt(const std::string& inhalt);
  // Writes (or removes) at once: the end that asks no questions. false when the write failed.
  bool Sichern(const std::string& inhalt);
  // A normal end: every change was saved or discarded.
  void Entfernen();

 private:
  std::string pfad_;
  std::function<std::time_t()> uhr_;
  std::optional<std::string> geschrieben_;  // what the file holds; unknown at the start
  std::string zuletzt_;                     // what the previous tick saw
};

// The file's bytes (type, version, time, contents); for tests and the writer.
std::string WiederherstellungsBytes(const std::string& inhalt, std::time_t zeit);

// Offers a recovery file found at pfad: "Nicht gespeicherte Änderungen vom %s
// wiederherstellen?" with the time it was written, "Ja" / "Nein". "Ja" puts the parts back into
// the editors, each with its file name and marked as unsaved, and returns 1; "Nein" removes
// the file and returns 0 (a question closed otherwise keeps it). No file, or one that is not a
// recovery file: 0 without a question. A part that its format refuses: that format's code, and
// nothing is changed.
int WiederherstellungAnbieten(Dialoge& dialoge, const std::string& pfad, Kurvensatz& satz,
                              Kennlinienzustand& kennlinie, const Konfiguration& konfig);
