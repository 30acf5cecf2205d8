// Any bytes on the simulator's line (after two bytes that choose a fault and its parameter):
// the frame parser never crashes, and without a fault every answer is made of NAK, ACK, or ACK
// with an answer line from "#" to CR.

#include <cstdint>
#include <string>
#include <string_view>

#include "device/novhln1.h"
#include "fuzz/pruefen.h"
#include "sim/simleitung.h"

namespace {

constexpr int kStoerarten = 8;

bool AntwortGebaut(std::string_view antwort) {
  while (!antwort.empty()) {
    const char erstes = antwort.front();
    antwort.remove_prefix(1);
    if (erstes == kNAK) continue;
    if (erstes != kACK) return false;
    if (antwort.empty() || antwort.front() != '#') continue;
    const size_t cr = antwort.find(kCR);
    if (cr == std::string_view::npos) return false;
    antwort.remove_prefix(cr + 1);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  if (groesse < 2) return 0;
  SimLeitung leitung(daten[1]);
  leitung.GeraetHinzufuegen('1');
  leitung.GeraetHinzufuegen('3', "PWC-2 V2.1");
  // Values beyond the fault kinds mean an undisturbed line.
  const bool gestoert = daten[0] < 2 * kStoerarten;
  if (gestoert)
    leitung.StoerungMitRate({static_cast<Stoerart>(daten[0] % kStoerarten), daten[1] % 40}, 0.5);

  for (size_t i = 2; i < groesse; ++i) {
    const std::string antwort = leitung.Empfangen(daten[i]);
    if (!gestoert) Pruefen(AntwortGebaut(antwort));
  }
  for (Geraet& geraet : leitung.Geraete())
    Pruefen(geraet.Speicher(4).size() == size_t{kSpeichergroesse} &&
            geraet.Speicher(5).size() == size_t{kSpeichergroesse});
  return 0;
}
