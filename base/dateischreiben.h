#pragma once
// Writing a file so that a failure never destroys the previous one: the parts go into a
// temporary file in the same folder, which replaces the target only after a complete write.
// A path that is a symbolic link is followed: the temporary file goes beside the link's target
// and replaces it, so the link stays a link. The new file keeps the mode of the one it replaces.
// The replacement is synced to the disk (file, then folder), so that it survives a power cut as
// a kill: the target holds the old or the new file, never a mixture. Temporary files that a
// killed save left in the folder are removed by the next save there.
// What the path names is looked at first: a character device (/dev/null, a terminal) is written
// straight through, a FIFO, socket, block device or folder is refused at once (never opened).

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialoge.h"

struct Schreibergebnis {
  enum class Art { Geschrieben, NichtGeoeffnet, NichtGeschrieben };
  Art art = Art::Geschrieben;
  size_t teil = 0;  // with NichtGeschrieben: the part that could not be written completely
  bool ok() const { return art == Art::Geschrieben; }
};

// The catalogue code of a write: 0 when written, nichtGeoeffnet when the file could not be opened,
// else the code of the part that failed (nichtGeschrieben[teil]; the last stands for later parts).
int Schreibfehlercode(const Schreibergebnis& ergebnis, int nichtGeoeffnet,
                      std::initializer_list<int> nichtGeschrieben);

// praefix and endung name the temporary file ("ini$$" and ".TMP" for the settings file): praefix,
// the process id, "-", a number, endung.
Schreibergebnis DateiSicherSchreiben(const std::string& pfad,
                                     const std::vector<std::string_view>& teile,
                                     const std::string& praefix = "tvm5r$$",
                                     const std::string& endung = ".TMP");

// The name of a temporary file: praefix, the process id, "-", nummer, endung. The process id
// tells the leftover of a save that was killed from the file of a save still running.
std::string Tempname(const std::string& praefix, unsigned long prozess, unsigned long nummer,
                     const std::string& endung);
// The process id in a temporary file's name of this naming, 0 for any other name.
unsigned long ProzessImTempnamen(const std::string& name, const std::string& praefix,
                                 const std::string& endung);

// Creates the folder of a file and the folders above it that are missing; false when it cannot
// be made.
bool OrdnerFuerDateiAnlegen(const std::string& datei);

// What stands in the way of saving to a path, found without opening it: the path names no file
// to replace (a FIFO, socket, block device or folder), the file may not be written, its folder
// does not let the temporary file be made there, or it does not exist (ordner names it).
struct Schreibhindernis {
  enum class Art { Keins, KeineDatei, Ziel, Ordner, OrdnerFehlt };
  Art art = Art::Keins;
  std::string ordner;
};
Schreibhindernis SchreibhindernisSuchen(const std::string& pfad);
// The reason as a German sentence, "" when nothing stands in the way.
std::string SchreibhindernisText(const std::string& pfad, const Schreibhindernis& hindernis);

// After a failed save (code not 0): the reason, when the path shows one, in a popup "Fehler"
// before the caller reports the code. Returns code.
int SpeicherhindernisZeigen(Dialoge& dialoge, const std::string& pfad, int code);

// Opens a file for appending (the record file), creating it when needed; a character device
// is written through. nullptr for a FIFO, socket, block device or folder, which are never
// opened for writing, or when the file cannot be opened.
std::FILE* DateiZumAnhaengenOeffnen(const std::string& pfad);

// Reads a whole file of at most 256 MiB, with the rules of base/dateilesen.h; false when it
// cannot be opened or read, is no file to read or is longer.
bool DateiLesen(const std::string& pfad, std::string& inhalt);
