#pragma once
// The files a command writes: why one cannot be written is told after the error line (a
// folder without write permission, a FIFO or folder in the file's place), and a command that
// reads from the box checks its file first, so that a long read is not lost at the end.

#include <string>
#include <string_view>

#include "cli/sitzung.h"

// code when something stands in the way of writing pfad (nothing is opened or truncated),
// else 0. The reason goes to the session.
int AusgabeVorabPruefen(Sitzung& s, const std::string& pfad, int code);
// Passes a writer's result on; for a failure the reason goes to the session.
int Ausgabefehler(Sitzung& s, const std::string& pfad, int code);
// Writes bytes through a temporary file: 0, nichtGeoeffnet or nichtGeschrieben, with the reason.
int BytesSchreiben(Sitzung& s, const std::string& pfad, std::string_view bytes, int nichtGeoeffnet,
                   int nichtGeschrieben);
