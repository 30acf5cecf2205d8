#pragma once
// The record file of the direct input/output: tab-separated text, appended, Windows-1252 like
// the program's other files, numbers with a decimal point whatever the locale. Every write is
// flushed at once, so a crash loses at most the row being written.

#include <array>
#include <cstdio>
#include <functional>
#include <string>

#include "config/konfiguration.h"

// A reading of the local clock.
struct Zeitpunkt {
  int tag = 1;
  int monat = 1;
  int jahr = 2000;
  int stunde = 0;
  int minute = 0;
  int sekunde = 0;
};
using Protokolluhr = std::function<Zeitpunkt()>;
Zeitpunkt Ortszeit();

inline constexpr const char* kProtokollStart = "\n\nDatenerfassung gestartet\n";
inline constexpr const char* kProtokollEnde = "Datenerfassung beendet\n";
inline constexpr const char* kProtokollAbbruch = "Fehler - Datenübertragung abgebrochen\n";
// The column of a channel without a value, its tab included.
inline constexpr const char* kKeinAnalogwert = "-----\t";

// The lines "Eingang1: 0.000..10.000 V" .. "Eingang4: ..." (or "Ausgang1: .."), each with the
// precision of the channel's unit range.
std::string KanalKopfzeilen(const Konfiguration& konfig, bool eingaenge);
// "Datum\tUhrzeit\tEing1[V]\t..\tAusg4[V]\n".
std::string Spaltenkopf(const Konfiguration& konfig);
// Date and time columns: "08.12.2026\t07:05:09\t".
std::string Zeitspalten(const Zeitpunkt& zeit);
// One column per channel with its precision, "%.*f\t"; a channel without a value (input 4 as
// start/stop signal, an output the tool never set) gives kKeinAnalogwert.
std::string Wertspalten(const Konfiguration& konfig, const std::array<double, 4>& prozent,
                        bool eingaenge,
                        const std::array<bool, 4>& mitWert = {true, true, true, true});

class Protokolldatei {
 public:
  Protokolldatei() = default;
  ~Protokolldatei() { Schliessen(); }
  Protokolldatei(const Protokolldatei&) = delete;
  Protokolldatei& operator=(const Protokolldatei&) = delete;

  bool Offen() const { return datei_ != nullptr; }
  // Opens the file for appending (created when missing); 0 or -308306.
  int Oeffnen(const std::string& pfad);
  // Writes the UTF-8 text as Windows-1252 and flushes it; on failure the file is closed and
  // `code` returned. Nothing happens without an open file.
  int Schreiben(const std::string& text, int code);
  void Schliessen();

 private:
  std::FILE* datei_ = nullptr;
};
