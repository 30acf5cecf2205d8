#include "config/konfigbytes.h"

#include "base/bytes.h"
#include "base/zeichensatz.h"

#include <algorithm>
#include <cstring>

namespace {

// Offsets inside one block (outputs at 0, inputs at 176).
constexpr size_t kBlock = 176;
constexpr size_t kVmax = 0;
constexpr size_t kMin = 8;
constexpr size_t kMax = 40;
constexpr size_t kSkalaMin = 72;
constexpr size_t kSkalaMax = 104;
constexpr size_t kEinheit = 136;
constexpr size_t kEinheitFeld = kEinheitLaenge + 1;

void ReiheSchreiben(uint8_t* ziel, const std::array<double, kKanaele>& werte) {
  for (int k = 0; k < kKanaele; ++k) DoubleSchreiben(ziel + 8 * k, werte[k]);
}

void ReiheLesen(const uint8_t* quelle, std::array<double, kKanaele>& werte) {
  for (int k = 0; k < kKanaele; ++k) werte[k] = DoubleLesen(quelle + 8 * k);
}

void EinheitenSchreiben(uint8_t* ziel, const std::array<std::string, kKanaele>& einheiten) {
  for (int k = 0; k < kKanaele; ++k) {
    const std::string text = Cp1252Feld(einheiten[k], kEinheitLaenge);
    std::memcpy(ziel + kEinheitFeld * k, text.data(), text.size());
  }
}

void EinheitenLesen(const uint8_t* quelle, std::array<std::string, kKanaele>& einheiten) {
  for (int k = 0; k < kKanaele; ++k) {
    const char* feld = reinterpret_cast<const char*>(quelle + kEinheitFeld * k);
    const char* ende = std::find(feld, feld + kEinheitLaenge, '\0');
    einheiten[k] = Cp1252ZuUtf8(std::string_view(feld, static_cast<size_t>(ende - feld)));
  }
}

void BlockSchreiben(uint8_t* ziel, const Konfiguration& konfig, const Kanalblock& b) {
  DoubleSchreiben(ziel + kVmax, konfig.*b.vmax);
  ReiheSchreiben(ziel + kMin, konfig.*b.min);
  ReiheSchreiben(ziel + kMax, konfig.*b.max);
  ReiheSchreiben(ziel + kSkalaMin, konfig.*b.skalamin);
  ReiheSchreiben(ziel + kSkalaMax, konfig.*b.skalamax);
  EinheitenSchreiben(ziel + kEinheit, konfig.*b.einheit);
}

void BlockLesen(const uint8_t* quelle, Konfiguration& konfig, const Kanalblock& b) {
  konfig.*b.vmax = DoubleLesen(quelle + kVmax);
  ReiheLesen(quelle + kMin, konfig.*b.min);
  ReiheLesen(quelle + kMax, konfig.*b.max);
  ReiheLesen(quelle + kSkalaMin, konfig.*b.skalamin);
  ReiheLesen(quelle + kSkalaMax, konfig.*b.skalamax);
  EinheitenLesen(quelle + kEinheit, konfig.*b.einheit);
}

}  // namespace

void KonfigurationSchreiben(uint8_t* ziel, const Konfiguration& konfig) {
  // Unused text bytes and the alignment bytes are 0.
  std::memset(ziel, 0, kKonfigurationGroesse);
  BlockSchreiben(ziel, konfig, kAusgaenge);
  BlockSchreiben(ziel + kBlock, konfig, kEingaenge);
}

Konfiguration KonfigurationLesen(const uint8_t* quelle) {
  Konfiguration konfig;
  BlockLesen(quelle, konfig, kAusgaenge);
  BlockLesen(quelle + kBlock, konfig, kEingaenge);
  return konfig;
}
