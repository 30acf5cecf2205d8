#pragma once
// The direct-help texts of the panel "Direkte Ein-/Ausgabe".

namespace Direkthilfetexte {
extern const char* const kAbfragen;
extern const char* const kAusgang;
extern const char* const kAusgaengeAufNull;
extern const char* const kAbtastzeit;
extern const char* const kPlot;
extern const char* const kZoomX;
extern const char* const kZoomY;
extern const char* const kMinMaxReset;
extern const char* const kEingang;
extern const char* const kMin;
extern const char* const kMax;
extern const char* const kBegrenzung;
extern const char* const kDateiSpeichern;
extern const char* const kDateiSpeichernLed;
extern const char* const kStripchart;
}  // namespace Direkthilfetexte
