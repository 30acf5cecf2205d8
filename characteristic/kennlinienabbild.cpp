#include "characteristic/kennlinienabbild.h"

#include <algorithm>
#include <cmath>

namespace {

void U16BigSchreiben(uint8_t* ziel, unsigned wert) {
  ziel[0] = static_cast<uint8_t>(wert >> 8);
  ziel[1] = static_cast<uint8_t>(wert);
}

unsigned U16BigLesen(const uint8_t* quelle) {
  return static_cast<unsigned>(quelle[0] << 8 | quelle[1]);
}

// Limited to 0..4095 (NaN gives 0), then rounded by adding 0.5 and truncating.
int Gerundet(double wert) {
  if (!(wert >= 0)) wert = 0;
  if (wert > kKennlRohMax) wert = kKennlRohMax;
  return static_cast<int>(wert + 0.5);
}

// 4095 raw steps of 0.1 ms: the rise time of one step per tick, in milliseconds.
constexpr double kAnstiegszeitSchritt = 409.5;
// Half a unit of the last shown decimal of a rise time, with room for the rounding of the
// division; far below half the distance of two codes' times (2.4e-5 ms).
constexpr double kAnstiegszeitToleranz = 0.6e-5;

}  // namespace

int KennlSlotAdresse(int slot) {
  return (slot - 1) * kKennlSlotGroesse;
}

uint16_t KennlPruefsumme(std::span<const uint8_t> abbild, int letzte) {
  unsigned summe = 1;
  for (int i = 2; i <= letzte; ++i) summe += abbild[i];
  return static_cast<uint16_t>(summe & 0xFFFF);
}

std::array<uint8_t, kKennlLeerblockGroesse> KennlLeerblock() {
  std::array<uint8_t, kKennlLeerblockGroesse> block{};
  block[9] = 1;
  block[33] = 0xCD;
  U16BigSchreiben(block.data(), KennlPruefsumme(block, kKennlLeerblockGroesse - 1));
  return block;
}

int32_t AnstiegszeitCode(double t) {
  if (t <= kAnstiegszeitSchritt + kAnstiegszeitToleranz) {
    const double naechster = std::round(kAnstiegszeitSchritt / t);
    if (naechster >= 1 && naechster <= kKennlRohMax &&
        std::fabs(t - kAnstiegszeitSchritt / naechster) <= kAnstiegszeitToleranz)
      return static_cast<int32_t>(naechster) * 256;
  }
  if (t <= kAnstiegszeitSchritt) {
    double s = std::trunc(4095 * (0.1 / t));
    if (s >= 4096) s = 4095;
    if (!(s > 0)) s = 1;
    return static_cast<int32_t>(s) * 256;
  }
  // Rounded to the nearest code, so a code's time gives the code again without a tolerance.
  double f = std::trunc(256 - 1 / (4095 * (0.1 / t)) + 0.5);
  if (!(f > 0)) f = 1;  // a time that is not a number too
  if (f >= 256) f = 255;
  return static_cast<int32_t>(f);
}

double AnstiegszeitAusCode(int32_t code) {
  if (code <= 0) code = 1;
  if (code >= 256) return kAnstiegszeitSchritt / std::min(code / 256, kKennlRohMax);
  return kAnstiegszeitSchritt * (256 - code);
}

int KennlAusgang2Roh(const Konfiguration& konfig, double wert) {
  const double unten = RohYInEinheit(konfig, 2, 0);
  const double oben = RohYInEinheit(konfig, 2, kKennlRohMax);
  if (wert < unten) wert = unten;
  if (wert > oben) wert = oben;
  return Gerundet(EinheitInRohY(konfig, 2, wert));
}

int KennlStufenwert(int y0, int y1, int laenge, int k) {
  return Gerundet((static_cast<double>(y0) - y1) / (0.0 - laenge) * (k - 0) + y0);
}

int KennlAbbildErstellen(const Kennlinie& kennlinie, int ausgang2Roh, int32_t anstiegsCode,
                         std::vector<uint8_t>& abbild) {
  std::vector<uint8_t> neu(kKennlSlotGroesse, 0);
  int p = kKennlSlotKopf;
  int letzter = 0;
  for (int i = 0; i < kennlinie.anzahlPunkte(); ++i) {
    const Kennlinienpunkt& punkt = kennlinie.punkte[i];
    const int y1 = i < kennlinie.letzterPunkt() ? kennlinie.punkte[i + 1].y : punkt.y;
    letzter = Gerundet(punkt.y);
    // The last point's length is a placeholder whose steps the rest of the table repeats anyway:
    // it takes at most its own step, so a file's placeholder cannot make the image too long.
    const int schritte = i < kennlinie.letzterPunkt() ? punkt.laenge : std::min(punkt.laenge, 1);
    for (int k = 0; k < schritte; ++k) {
      if (p >= kKennlSlotGroesse - 1) return -1023505;
      letzter = KennlStufenwert(punkt.y, y1, punkt.laenge, k);
      U16BigSchreiben(&neu[p], static_cast<unsigned>(letzter));
      p += 2;
    }
  }
  for (; p < kKennlSlotGroesse; p += 2) U16BigSchreiben(&neu[p], static_cast<unsigned>(letzter));
  U16BigSchreiben(&neu[4], static_cast<unsigned>(ausgang2Roh));
  neu[6] = static_cast<uint8_t>(anstiegsCode >> 16);
  neu[7] = static_cast<uint8_t>(anstiegsCode >> 8);
  neu[8] = static_cast<uint8_t>(anstiegsCode);
  U16BigSchreiben(&neu[0], KennlPruefsumme(neu, kKennlSlotGroesse - 1));
  abbild.swap(neu);
  return 0;
}

Kennlslotkopf KennlSlotkopfLesen(std::span<const uint8_t> abbild) {
  Kennlslotkopf kopf;
  kopf.pruefsumme = static_cast<uint16_t>(U16BigLesen(&abbild[0]));
  kopf.ausgang2 = static_cast<int>(U16BigLesen(&abbild[4]));
  kopf.anstiegsCode = abbild[6] << 16 | abbild[7] << 8 | abbild[8];
  kopf.leer = abbild[9] != 0;
  return kopf;
}

std::vector<Kennlinienpunkt> KennlAbbildPunkte(std::span<const uint8_t> werte, int anzahl) {
  std::vector<Kennlinienpunkt> punkte;
  punkte.reserve(static_cast<std::size_t>(anzahl));
  for (int i = 0; i < anzahl; ++i) {
    const int wert = static_cast<int>(U16BigLesen(&werte[2 * static_cast<std::size_t>(i)]));
    punkte.push_back({std::min(wert, kKennlRohMax), 1, 0});
  }
  return punkte;
}
