// Any bytes as the device's answer to one driver operation (the first input byte chooses it):
// the driver never crashes, gives 0 or a negative code, writes its result only on success, and
// takes a memory block only from an answer that is exactly the frame the box sends.

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "device/novhln1.h"
#include "device/speichertransfer.h"
#include "fuzz/pruefen.h"
#include "tests/device/skriptport.h"

namespace {

constexpr int kLeseStart = 0x1000;
constexpr int kLeseAnzahl = 16;
constexpr uint8_t kUnberuehrt = 0xA5;

// The answer the box sends to "#1BDR4<start><anzahl>": upper-case digits, checksum, CR.
std::string SpeicherAntwort(std::span<const uint8_t> daten, int start) {
  char kopf[24];
  std::snprintf(kopf, sizeof kopf, "#1BDR4%04X%04X", static_cast<unsigned>(start),
                static_cast<unsigned>(daten.size()));
  std::string text = kopf;
  for (uint8_t byte : daten) {
    char paar[3];
    std::snprintf(paar, sizeof paar, "%02X", byte);
    text += paar;
  }
  char summe[5];
  std::snprintf(summe, sizeof summe, "%04X", Speicherchecksumme(daten));
  return text + summe + kCR;
}

bool GleichOhneGross(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

void SpeicherLesen(Skriptlinie& linie, int start, int anzahl) {
  std::array<uint8_t, kBlockGroesse> ziel;
  ziel.fill(kUnberuehrt);
  const auto block = std::span(ziel).first(static_cast<size_t>(anzahl));
  const int code = NOVHLN1_SpeicherLesen(linie.ports, 1, '1', 4, start, anzahl, block);
  Pruefen(code <= 0);
  if (code < 0) {
    Pruefen(std::all_of(ziel.begin(), ziel.end(), [](uint8_t b) { return b == kUnberuehrt; }));
    return;
  }
  // What follows the answer's CR stays unread.
  const std::string erwartet = SpeicherAntwort(block, start);
  const std::string& antwort = linie.fabrik.antwort;
  Pruefen(antwort[0] == kACK && GleichOhneGross(antwort.substr(1, erwartet.size()), erwartet));
}

// A single value is written only on success: a finite number, or a word of 0..255.
void Zahl(Skriptlinie& linie, auto lesen) {
  constexpr double kVorher = -12345.0;
  double wert = kVorher;
  const int code = lesen(linie.ports, wert);
  Pruefen(code <= 0);
  Pruefen(code == 0 ? std::isfinite(wert) : wert == kVorher);
}

void Wort(Skriptlinie& linie, auto lesen) {
  int wert = -1;
  const int code = lesen(linie.ports, wert);
  Pruefen(code <= 0);
  Pruefen(code == 0 ? wert >= 0 && wert <= 255 : wert == -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
  if (groesse == 0) return 0;
  Skriptlinie linie;
  linie.fabrik.antwort.assign(reinterpret_cast<const char*>(daten) + 1, groesse - 1);
  const std::string& antwort = linie.fabrik.antwort;
  switch (daten[0] % 10) {
    case 0: {
      std::string text = "vorher";
      const int code = NOVHLN1_IDLesen(linie.ports, 1, '1', text);
      Pruefen(code <= 0);
      Pruefen(code == 0 ? text.find(' ') == std::string::npos : text == "vorher");
      break;
    }
    case 1:
      Zahl(linie, [](ComPorts& p, double& w) { return NOVHLN1_EingangLesen(p, 1, '1', "e2", w); });
      break;
    case 2:
      Zahl(linie, [](ComPorts& p, double& w) {
        return NOVPWC2_ParameterLesen(p, 1, '1', "max_current", w);
      });
      break;
    case 3:
      Zahl(linie, [](ComPorts& p, double& w) {
        return NOVPWC2_ParameterLesen(p, 1, '0', "speicherinhalt", w);
      });
      break;
    case 4:
      Wort(linie, [](ComPorts& p, int& w) { return NOVHLN1_StatusLesen(p, 1, '1', 1, w); });
      break;
    case 5:
      Wort(linie, [](ComPorts& p, int& w) { return NOVHLN1_StatusLesen(p, 1, '1', 2, w); });
      break;
    case 6:
      Wort(linie, [](ComPorts& p, int& w) { return NOVHLN1_ModusLesen(p, 1, '1', w); });
      break;
    case 7:
      SpeicherLesen(linie, kLeseStart, kLeseAnzahl);
      break;
    case 8:
      SpeicherLesen(linie, 0xFFFF, 1);
      break;
    default: {
      // Writing commands read only the acknowledge.
      const int code = NOVHLN1_ModusSchreiben(linie.ports, 1, '1', 1, 0x08);
      Pruefen(code <= 0 && (code == 0) == (!antwort.empty() && antwort[0] == kACK));
      break;
    }
  }
  return 0;
}
