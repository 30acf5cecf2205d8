#pragma once
// The configuration file (*.sko): a 40-byte head with the type text and the version, then the
// 352-byte configuration record.

#include <cstddef>
#include <string>

#include "config/konfiguration.h"
#include "config/konfigzustand.h"

constexpr size_t kKonfigdateiGroesse = 392;
constexpr const char* kKonfigdateiTyp = "tvm5rKurven Konfigdatei";

// 0, -308261 (not opened) or -301262 (not completely written).
int KonfigdateiSchreiben(const std::string& pfad, const Konfiguration& konfig);
// 0, -308263 (not opened, or no file to read: a FIFO, socket or folder), -304264 (too short or
// not read), -1021265 (other file type), -303266 (other
// version) or -322267 (a record the conversions cannot use); `ziel` changes only on 0.
int KonfigdateiLesen(const std::string& pfad, Konfiguration& ziel);

// The "Datei" menu's "Konfigurationsdatei speichern": the file holds what the panel shows.
// A cancelled dialog or a refused channel saves nothing and gives 0.
int KonfigurationSpeichern(Konfigzustand& zustand);
// "Konfigurationsdatei laden": record and fields change only when the whole file is sound.
int KonfigurationLaden(Konfigzustand& zustand);
