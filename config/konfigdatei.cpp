#include "config/konfigdatei.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "base/bytes.h"
#include "base/dateilesen.h"
#include "base/dateischreiben.h"
#include "config/konfigbytes.h"

namespace {

constexpr size_t kTypGroesse = 32;
constexpr size_t kVersionOffset = 32;
constexpr size_t kRecordOffset = 40;
constexpr int32_t kVersion = 1;

using Dateibild = std::array<uint8_t, kKonfigdateiGroesse>;

Dateibild DateibildBauen(const Konfiguration& konfig) {
  Dateibild bild{};
  std::memcpy(bild.data(), kKonfigdateiTyp, std::strlen(kKonfigdateiTyp));
  I32Schreiben(bild.data() + kVersionOffset, kVersion);
  KonfigurationSchreiben(bild.data() + kRecordOffset, konfig);
  return bild;
}

// The type text counts up to its NUL, or the whole field when there is none.
bool TypStimmt(const Dateibild& bild) {
  const char* text = reinterpret_cast<const char*>(bild.data());
  return std::string_view(text, strnlen(text, kTypGroesse)) == kKonfigdateiTyp;
}

}  // namespace

int KonfigdateiSchreiben(const std::string& pfad, const Konfiguration& konfig) {
  const Dateibild bild = DateibildBauen(konfig);
  const std::string_view teil(reinterpret_cast<const char*>(bild.data()), bild.size());
  return Schreibfehlercode(DateiSicherSchreiben(pfad, {teil}), -308261, {-301262});
}

int KonfigdateiLesen(const std::string& pfad, Konfiguration& ziel) {
  std::string bytes;
  Dateibild bild{};
  // Bytes after the record are not looked at, so only that much is read of any file.
  const Leseergebnis gelesen = DateiBegrenztLesen(pfad, bild.size(), bytes);
  if (gelesen == Leseergebnis::NichtGeoeffnet) return -308263;
  if (gelesen == Leseergebnis::NichtGelesen || bytes.size() < bild.size()) return -304264;
  std::copy_n(bytes.begin(), bild.size(), bild.begin());
  if (!TypStimmt(bild)) return -1021265;
  if (I32Lesen(bild.data() + kVersionOffset) != kVersion) return -303266;
  const Konfiguration konfig = KonfigurationLesen(bild.data() + kRecordOffset);
  if (!KonfigurationGueltig(konfig)) return -322267;
  ziel = konfig;
  return 0;
}

int KonfigurationSpeichern(Konfigzustand& zustand) {
  const auto pfad = zustand.dialoge().FileSelectPopup(
      DateiauswahlFuer("*.sko", "Konfiguration speichern", Dateiknopf::Speichern));
  if (!pfad) return 0;
  if (!zustand.KonfigfelderInStrukturSpeichern()) return 0;
  return SpeicherhindernisZeigen(zustand.dialoge(), *pfad,
                                 KonfigdateiSchreiben(*pfad, zustand.gKonfig()));
}

int KonfigurationLaden(Konfigzustand& zustand) {
  const auto pfad = zustand.dialoge().FileSelectPopup(
      DateiauswahlFuer("*.sko", "Konfiguration laden", Dateiknopf::Laden));
  if (!pfad) return 0;
  Konfiguration konfig;
  const int fehler = KonfigdateiLesen(*pfad, konfig);
  if (fehler != 0) return fehler;
  zustand.KonfigurationSetzen(konfig);
  return 0;
}
