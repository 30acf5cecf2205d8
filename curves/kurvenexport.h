#pragma once
// Curve 1 as tab-separated text: one line "%.5f\t%.2f\t%s\t%d" per point (time in seconds,
// Y in percent of the raw range, the label of the segment's time base, curve number 1), and the
// import of such text with its checks and "Importfehler" messages.

#include <istream>
#include <string>
#include <vector>

#include "base/dialoge.h"
#include "curves/kurvensatz.h"

// Characters of a line that the import reads; the rest of a longer line is ignored.
inline constexpr size_t kImportZeileMax = 95;
// Bytes of an import file read at most (16 MiB, half a million exported point lines of about 30
// characters). A longer source (a device, a huge file) is refused with -320485.
inline constexpr size_t kImportTextMax = size_t{16} << 20;

// The whole text of the export of one curve: six header lines, the point lines, an empty line.
std::string KurvenExportText(const Kurve& kurve);
// Writes the export of curve 1 to pfad through a temporary file: 0, -308441 (not opened),
// -301442 (header lines), -301443 (point lines), -301444 (last line).
int KurventextSchreiben(const std::string& pfad, const Kurve& kurve);
// "Kurven exportieren": the file dialog, then KurventextSchreiben. 0 also when cancelled.
int KurvenExportieren(const Kurvensatz& satz, Dialoge& dialoge);

// Why an import stopped: the code, and the text of the "Importfehler" popup (empty: none).
struct Importfehler {
  int code = 0;
  std::string meldung;
};

// Parses import text into the points of curve 1 (the last point closes with laenge 1). 0, or
// the code of the first refused line with its message; -304446 when the stream fails, -312458
// when no line holds a point.
Importfehler KurventextLesen(std::istream& ein, std::vector<Kurvenpunkt>& punkte);
// Imports the file at pfad into curve 1: on success one undo snapshot, then the points replace
// the curve's points (the set becomes modified); on any error the popup "Importfehler" is shown
// and nothing changes. 0, -308445 (not opened, or a FIFO, socket or folder), -320485 (longer
// than kImportTextMax, after reading that much) or the code of KurventextLesen or -600459.
int KurventextImportieren(Kurvensatz& satz, Dialoge& dialoge, const std::string& pfad);
// "Kurven importieren": the file dialog, then KurventextImportieren. 0 also when cancelled.
int KurvenImportieren(Kurvensatz& satz, Dialoge& dialoge);
