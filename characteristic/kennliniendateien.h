#pragma once
// Characteristic files (*.ske): a 1424-byte header (type text, version 2, comment, a copy of the
// channel configuration, the point count, the value of output 2 and the rise time) and then
// the 12-byte point records, little-endian, every byte without meaning written as 0. The
// comment is Windows-1252 in the file. Also the panel title and the unsaved-changes question.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialoge.h"
#include "base/fehlerausgabe.h"
#include "characteristic/kennlinienzustand.h"
#include "config/konfigzustand.h"

inline constexpr const char* kKennliniendateiTyp = "pwc2 Kennlinien Datei";
inline constexpr int32_t kKennliniendateiVersion = 2;
inline constexpr std::size_t kKennliniendateiKopf = 1424;
inline constexpr std::size_t kKennlPunktsatz = 12;
// Points a characteristic file is read with at most, far beyond the 4096 raw X steps; it bounds
// what reading a file may take.
inline constexpr std::size_t kKennliniendateiPunkteMax = std::size_t{1} << 16;

// "Kennlinienregler - name.ext" for the file part of the path, "Kennlinienregler" for none.
std::string KennlTitel(const std::string& pfad);
// Stores the path as gKennlDateiname and returns the panel's title for it.
std::string KennlTitelSetzen(Kennlinienzustand& zustand, const std::string& pfad);

// A characteristic file as read and checked.
struct Kennliniendatei {
  std::string kommentar;  // UTF-8
  Konfiguration konfig;
  double ausgang2 = 0.0;                // the value of output 2, raw through the input-1 conversion
  double anstiegszeit = 0.1;            // milliseconds
  std::vector<Kennlinienpunkt> punkte;  // empty when the file ends inside the point data
  bool abgeschnitten = false;
};

// The bytes of a characteristic file of the state, with konfig as its configuration.
std::string KennliniendateiBytes(const Kennlinienzustand& zustand, const Konfiguration& konfig);
// Checks and reads the bytes of a characteristic file: 0 (abgeschnitten tells a file that ends
// inside its point data), -304519 (header short), -1025520 (type text), -303521 (version), or,
// for a damaged file ("Die Datei wurde beschädigt."): -322546 (point count below 1), -322547 (a
// point's y outside 0..4095 or its length outside 0..4095), -322548 (configuration, value of
// output 2 or rise time unusable); -600522 (memory). Nothing is allocated from the count before
// it has been checked against the file's size.
int KennliniendateiLesen(std::string_view bytes, Kennliniendatei& datei);
// The same from a file: -308518 when it cannot be opened or is no file to read (a FIFO, socket
// or folder), -304519 when reading fails, -320560 when it is longer than kKennliniendateiPunkteMax
// points (after reading that much; a wrong header is told first).
int KennliniendateiEinlesen(const std::string& pfad, Kennliniendatei& datei);
// Writes through a temporary file, so that a failure leaves an existing file as it was: 0,
// -308515 (not opened), -301516 (header not written), -301517 (points not written).
int KennliniendateiSchreiben(const std::string& pfad, const Kennlinienzustand& zustand,
                             const Konfiguration& konfig);

// Puts a read file into the state: its points (the initial characteristic for a file that ends
// inside its point data), comment, value of output 2 (shown through konfig) and rise time.
// -600522 when memory runs out, with the state unchanged.
int KennliniendateiUebernehmen(Kennlinienzustand& zustand, const Konfiguration& konfig,
                               const Kennliniendatei& datei);

// "Kennlinie speichern" (neuerName false: asks for a path only without a file name) and
// "Kennlinie speichern unter" (true). On success the title names the file and the state is
// unmodified; 0 also when the file selection is cancelled.
int KennlSpeichern(Kennlinienzustand& zustand, const Konfigzustand& konfig, Dialoge& dialoge,
                   bool neuerName);
// "Kennlinie laden": the unsaved-changes question, the file selection, then KennliniendateiLaden.
int KennlLaden(Kennlinienzustand& zustand, Konfigzustand& konfig, Fehlerausgabe& fehler);
// Loads a chosen file: the title loses its file name first; a refused file changes nothing
// else. The points, comment, value of output 2 and rise time are taken over; when the file's
// configuration differs, "Konfiguration laden?" asks whether to take it too. Then the title
// names the file and the state is unmodified. A file that ends inside its point data gives the
// initial characteristic with the header's other contents and -322545 ("Die Datei wurde
// beschädigt."), and leaves the title without a file name and the state modified, so that
// saving asks for a name. The undo ring is not touched.
int KennliniendateiLaden(Kennlinienzustand& zustand, Konfigzustand& konfig, Dialoge& dialoge,
                         const std::string& pfad);

// The unsaved-changes question before "Neu", loading and the program's end: 0 = go on,
// 1 = cancel. "Ja" saves with KennlSpeichern(false); a failed save is shown and cancels.
int AbbruchWeilKennlinieNichtGespeichert(Kennlinienzustand& zustand, const Konfigzustand& konfig,
                                         Fehlerausgabe& fehler);
