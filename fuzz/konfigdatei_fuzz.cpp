// Any bytes as a configuration file (*.sko): reading never crashes, a refused file leaves the
// target as it was, and a record that was taken is usable, holds units of at most 8 characters
// (Windows-1252 in the file, UTF-8 in memory) and survives its own byte image.

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "base/zeichensatz.h"
#include "config/konfigbytes.h"
#include "config/konfigdatei.h"
#include "fuzz/pruefen.h"

namespace {

// The reader takes a path, so every input goes through one file of this process.
const std::string& Dateipfad() {
  static const std::string pfad = [] {
    const std::string ordner = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return ordner + "/tvm5r-konfigdatei-fuzz-" + std::to_string(getpid()) + ".sko";
  }();
  return pfad;
}

void Aufraeumen() {
  std::remove(Dateipfad().c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(Aufraeumen);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  {
    std::ofstream datei(Dateipfad(), std::ios::binary | std::ios::trunc);
    datei.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
  }
  Konfiguration konfig;
  const int code = KonfigdateiLesen(Dateipfad(), konfig);
  if (code != 0) {
    Pruefen(code < 0 && KonfigurationenVergleichen(konfig, Konfiguration{}) == 1);
    return 0;
  }
  Pruefen(KonfigurationGueltig(konfig));
  for (int k = 0; k < kKanaele; ++k)
    Pruefen(Utf8Zeichenzahl(konfig.outeinheit[k]) <= kEinheitLaenge &&
            Utf8Zeichenzahl(konfig.ineinheit[k]) <= kEinheitLaenge);

  std::array<uint8_t, kKonfigurationGroesse> bild{};
  KonfigurationSchreiben(bild.data(), konfig);
  Pruefen(KonfigurationenVergleichen(KonfigurationLesen(bild.data()), konfig) == 1);
  return 0;
}
