#include "curves/kurvenabbild.h"

namespace {

// Header offsets from kAbbildStart.
constexpr int kEndadressen = 2;
constexpr int kZyklen = 10;
constexpr int kRuhezustand = 18;
constexpr int kKurvenzahl = 26;

void WortSchreiben(std::vector<uint8_t>& abbild, int adresse, uint16_t wort) {
  abbild[adresse] = static_cast<uint8_t>(wort >> 8);
  abbild[adresse + 1] = static_cast<uint8_t>(wort & 0xFF);
}

uint16_t WortLesen(std::span<const uint8_t> abbild, int adresse) {
  return static_cast<uint16_t>(abbild[adresse] << 8 | abbild[adresse + 1]);
}

// The word of time unit j of a segment from y0 to y1 over laenge units: its value (already
// within 0..4095, so masking it to 15 bits leaves it as it is) and the time-base bits.
uint16_t Einheitswort(int y0, int y1, int laenge, int j, int bits) {
  return static_cast<uint16_t>(Stufenwert(y0, y1, laenge, j) | bits << 12);
}

// The words of curve 1 from kKurvendatenStart on; false when they pass address 65535.
bool WorteSchreiben(const Kurve& kurve, std::vector<uint8_t>& abbild, int& p) {
  for (int i = 0; i < kurve.anzahlPunkte(); ++i) {
    const Kurvenpunkt& punkt = kurve.punkte[i];
    const int y1 = GeradenEndwert(kurve, i);
    const int bits = ZeitbasisBits(punkt.zeitbasis);
    for (int j = 0; j < punkt.laenge; ++j) {
      if (p + 2 > kAbbildGroesse) return false;
      WortSchreiben(abbild, p, Einheitswort(punkt.y, y1, punkt.laenge, j, bits));
      p += 2;
    }
  }
  return true;
}

}  // namespace

int ZeitbasisBits(int code) {
  return code >= 1 && code <= 9 ? (code == 9 ? 8 : code - 1) : 0;
}

int ZeitbasisAusBits(int bits) {
  if (bits >= 0 && bits <= 7) return bits + 1;
  return bits == 8 ? 9 : 0;
}

uint16_t KurvenPruefsumme(std::span<const uint8_t> abbild, int erste, int letzte) {
  uint16_t summe = 0;
  for (int a = erste; a <= letzte; ++a) summe = static_cast<uint16_t>(summe + abbild[a]);
  return static_cast<uint16_t>(summe + 1);
}

std::optional<Kurvenabbild> KurvenAbbildErstellen(const Kurvensatz& satz) {
  Kurvenabbild abbild;
  abbild.bytes.assign(kAbbildGroesse, 0);
  int p = kKurvendatenStart;
  if (!WorteSchreiben(satz.gKurven[0], abbild.bytes, p)) return std::nullopt;
  abbild.ende = p - 1;
  std::vector<uint8_t>& b = abbild.bytes;
  WortSchreiben(b, kAbbildStart + kEndadressen, static_cast<uint16_t>(abbild.ende));
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    WortSchreiben(b, kAbbildStart + kZyklen + 2 * k, static_cast<uint16_t>(satz.gZyklen[k]));
    WortSchreiben(b, kAbbildStart + kRuhezustand + 2 * k,
                  static_cast<uint16_t>(satz.gRuhezustand[k]));
  }
  b[kAbbildStart + kKurvenzahl] = 1;
  WortSchreiben(b, kAbbildStart, KurvenPruefsumme(b, kAbbildStart + kEndadressen, abbild.ende));
  return abbild;
}

Abbildkopf AbbildkopfLesen(std::span<const uint8_t> abbild) {
  Abbildkopf kopf;
  kopf.pruefsumme = WortLesen(abbild, kAbbildStart);
  for (int k = 0; k < kKurvenAnzahl; ++k) {
    kopf.endadressen[k] = WortLesen(abbild, kAbbildStart + kEndadressen + 2 * k);
    kopf.zyklen[k] = WortLesen(abbild, kAbbildStart + kZyklen + 2 * k);
    kopf.ruhezustand[k] = WortLesen(abbild, kAbbildStart + kRuhezustand + 2 * k);
  }
  kopf.kurvenzahl = abbild[kAbbildStart + kKurvenzahl];
  return kopf;
}

int AbbildPunkteLesen(std::span<const uint8_t> abbild, int erste, int letzte,
                      std::vector<Kurvenpunkt>& punkte) {
  for (int a = erste; a <= letzte; a += 2) {
    if (a + 1 > letzte) return -1019417;
    const uint16_t wort = WortLesen(abbild, a);
    const int code = ZeitbasisAusBits(wort >> 12);
    if (code == 0) return -1019418;
    punkte.push_back({wort & 0x0FFF, 1, static_cast<int8_t>(code)});
  }
  return 0;
}
