#pragma once
// Curve files (*.skr): the curve set with its comments, cycles, rest values and a copy of the
// channel configuration. A 4472-byte header, then the 12-byte point records of curves 1..4,
// little-endian, every byte without meaning written as 0. Also the panel title that names the
// current curve file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialoge.h"
#include "base/fehlerausgabe.h"
#include "config/konfiguration.h"
#include "config/konfigzustand.h"
#include "curves/kurvensatz.h"

inline constexpr const char* kKurvendateiTyp = "tvm5rKurven Kurvendatei";
inline constexpr int32_t kKurvendateiVersion = 1;
inline constexpr size_t kKurvendateiKopf = 4472;
inline constexpr size_t kPunktsatzGroesse = 12;
// Points of one curve that a curve file is read with at most, far beyond the 30704 time units
// the device holds; it bounds what reading a file may take.
inline constexpr size_t kKurvendateiPunkteMax = size_t{1} << 20;

inline constexpr const char* kKonfigurationUnbrauchbar =
    "Die Konfiguration (siehe Fenster 'Konfiguration') der geladenen\n"
    "Kurven ist unbrauchbar (gleiche Grenzen oder ungültige Werte)\n"
    "und wird nicht geladen. Die aktuelle Konfiguration bleibt.";

// "Kurvengenerator - name.ext" for the file part of the path, "Kurvengenerator" for none.
std::string KurvenTitel(const std::string& pfad);
// Stores the path as gKurvendateiname and returns the panel's title for it. The panel sets its
// title from KurvenTitel(gKurvendateiname) after every file and device command.
std::string KurvenTitelSetzen(Kurvensatz& satz, const std::string& pfad);

// A curve file as read and checked.
struct Kurvendatei {
  std::array<std::string, kKurvenAnzahl> kommentare;
  std::array<int32_t, kKurvenAnzahl> zyklen{};
  std::array<int32_t, kKurvenAnzahl> ruhezustand{};
  Konfiguration konfig;
  // The stored configuration can be used. A file may hold one that cannot (all zeros until the
  // configuration panel was first left, equal limits of an unused channel): its curves load,
  // but the configuration is never taken over.
  bool konfigBrauchbar = true;
  // The points of each curve; empty where the file ends inside that curve's points.
  std::array<std::vector<Kurvenpunkt>, kKurvenAnzahl> punkte;
  bool abgeschnitten = false;  // the file ends inside the point data
};

// The bytes of a curve file of the set, with konfig as its configuration.
std::string KurvendateiBytes(const Kurvensatz& satz, const Konfiguration& konfig);

// Checks and reads the bytes of a curve file: 0 (abgeschnitten tells a file that ends inside
// the point data), -304436 (header short), -1020437 (type text), -303438 (version), or, for a
// damaged file ("Die Datei wurde beschädigt."): -322474 (a point count below 1 or beyond what
// the file can hold), -322475 (a point's value or length out of range), -600439 (memory). Only
// counts checked against the file's size are allocated. Comments arrive as UTF-8.
int KurvendateiLesen(std::string_view bytes, Kurvendatei& datei);
// The same from a file: -308435 when it cannot be opened or is no file to read (a FIFO, socket
// or folder), -304436 when reading fails, -320484 when it is longer than four curves of
// kKurvendateiPunkteMax points (after reading that much; a wrong header is told first).
int KurvendateiEinlesen(const std::string& pfad, Kurvendatei& datei);
// Writes the set to pfad through a temporary file, so that a failure leaves an existing file as
// it was: 0, -308432 (not opened), -301433 (header not written), -301434 (points not written).
int KurvendateiSchreiben(const std::string& pfad, const Kurvensatz& satz,
                         const Konfiguration& konfig);

// Puts the curves of a read file into the set: loading replaces points, comments, cycles and
// rest values; appending adds the file's points behind each curve's points and keeps the rest.
// A curve whose points are missing becomes the initial curve when loading and keeps its points
// when appending. -600439 / -600440 when memory runs out.
int KurvendateiUebernehmen(Kurvensatz& satz, const Kurvendatei& datei, bool anhaengen);

// "Kurven speichern" (fragen false: asks for a name only when the set has none) and "Kurven
// speichern unter" (fragen true). Saves gKonfig; on success the title names the file and the
// set is unmodified. 0 also when the dialog is cancelled; the set then stays modified, which
// makes the unsaved-changes question cancel the operation that asked.
int KurvenSpeichern(Kurvensatz& satz, const Konfigzustand& konfig, Dialoge& dialoge, bool fragen);
// KurvenSpeichern(fragen false) in the form the unsaved-changes question takes it.
std::function<int()> KurvenSpeichernBefehl(Kurvensatz& satz, const Konfigzustand& konfig,
                                           Dialoge& dialoge);

// "Kurven laden": the unsaved-changes question, the file dialog, then KurvendateiLaden.
int KurvenLaden(Kurvensatz& satz, Konfigzustand& konfig, Fehlerausgabe& fehler);
// "Kurven anhängen": the file dialog "Kurven anhängen", then KurvendateiLaden appending.
int KurvenAnhaengen(Kurvensatz& satz, Konfigzustand& konfig, Dialoge& dialoge);
// Loading or appending a chosen file: the title is cleared first; a rejected file changes
// nothing else. When the file's configuration differs from gKonfig, "Konfiguration laden?"
// asks whether to take it over; one that cannot be used is not offered, a message
// (kKonfigurationUnbrauchbar, titled "Konfiguration") says that gKonfig stays. Then the title names
// the file, gKurvenzahl is 4 and the set is unmodified. A file that ends inside the point data
// loads what it holds but gives -322473
// ("Die Datei wurde beschädigt."), leaves the title without a file name and the set modified.
int KurvendateiLaden(Kurvensatz& satz, Konfigzustand& konfig, Dialoge& dialoge,
                     const std::string& pfad, bool anhaengen);
