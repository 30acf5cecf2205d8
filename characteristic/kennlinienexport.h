#pragma once
// The characteristic as two columns of percentages: the export ("%.2f\t%.2f", X and Y of each
// point in percent of the raw range) and the import of such text with its checks and
// "Importfehler" messages.

#include <istream>
#include <string>
#include <vector>

#include "base/dialoge.h"
#include "characteristic/kennliniendateien.h"
#include "characteristic/kennlinienzustand.h"

// Characters of a line that the import reads; the rest of a longer line is ignored.
inline constexpr std::size_t kKennlImportZeileMax = 95;
// Bytes of an import file read at most: kKennliniendateiPunkteMax point lines of 48 characters.
// A longer source (a device, a huge file) is refused with -320561.
inline constexpr std::size_t kKennlImportTextMax = kKennliniendateiPunkteMax * 48;

// The whole export text: four header lines, the point lines, an empty line.
std::string KennlExportText(const Kennlinie& kennlinie);
// Writes the export through a temporary file: 0, -308529 (not opened), -301530 (header lines),
// -301531 (point lines), -301532 (last line).
int KennltextSchreiben(const std::string& pfad, const Kennlinie& kennlinie);
// "Kennlinie exportieren": the file selection, then KennltextSchreiben; 0 also when cancelled.
int KennlExportieren(const Kennlinienzustand& zustand, Dialoge& dialoge);

// Why an import stopped: the code, and the text of the "Importfehler" popup (empty: none).
struct Kennlimportfehler {
  int code = 0;
  std::string meldung;
};
// Parses import text into points (the last one with laenge 0): 0, or the code of the first
// refused line with its message; -304534 when the stream fails, -312542 when no line holds a
// point, -600536 when memory runs out.
Kennlimportfehler KennltextLesen(std::istream& ein, std::vector<Kennlinienpunkt>& punkte);
// Imports the file at pfad: on success one undo snapshot (the state becomes modified), then the
// points are replaced; comment, value fields, file name and view stay. On a refused line the
// popup "Importfehler" is shown and nothing changes. 0, -308533 (not opened, or a FIFO, socket
// or folder), -320561 (longer than kKennlImportTextMax, after reading that much), the code of
// KennltextLesen, or -600543.
int KennltextImportieren(Kennlinienzustand& zustand, Dialoge& dialoge, const std::string& pfad);
// "Kennlinie importieren": the file selection, then KennltextImportieren; 0 also when cancelled.
int KennlImportieren(Kennlinienzustand& zustand, Dialoge& dialoge);
