#pragma once
// Writing a file so that a failure never destroys the previous one: the parts go into a
// temporary file in the same folder, which replaces the target only after a complete write.
// A path that is a symbolic link is followed: the temporary file goes beside the link's target
// and replaces it, so the link stays a link. The new file keeps the mode of the one it replaces.
// The replacement is synced to the disk (file, then folder), so that it survives a power cut as
// a kill: the target holds the old or the new file, never a mixture. Temporary files that a
// killed save left in the folder are removed by the next save there.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

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

// Reads a whole file; false when it cannot be opened or read (a folder cannot be read).
bool DateiLesen(const std::string& pfad, std::string& inhalt);
