#include "device/speichertransfer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "base/transferzeit.h"
#include "device/austausch.h"
#include "device/novhln1.h"

namespace {

// Index of the first digit of the start address; from here on the frame is sent in upper case.
constexpr size_t kStartfeld = 6;
// "#", address, three command letters, type, start and count: the head of a memory frame.
constexpr size_t kKopflaenge = 14;

// Appends wert as stellen upper-case hexadecimal digits; false when formatting fails.
bool HexAnhaengen(std::string& text, unsigned wert, int stellen) {
  char puffer[8];
  if (std::snprintf(puffer, sizeof puffer, "%0*X", stellen, wert) != stellen) return false;
  text += puffer;
  return true;
}

void GrossAbStartfeld(std::string& text) {
  std::transform(text.begin() + kStartfeld, text.end(), text.begin() + kStartfeld,
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
}

// The head "#", address, command, type digit, start and count.
bool KopfFormatieren(std::string& text, char adresse, const char* befehl, int typ, int start,
                     int anzahl) {
  char puffer[24];
  const int laenge = std::snprintf(puffer, sizeof puffer, "#%c%s%d%04X%04X", adresse, befehl, typ,
                                   static_cast<unsigned>(start), static_cast<unsigned>(anzahl));
  if (laenge != static_cast<int>(kKopflaenge)) return false;
  text = puffer;
  return true;
}

// Four hexadecimal digits at pos, -1 when one of them is not a digit.
int Hex4(const std::string& text, size_t pos) {
  int wert = 0;
  for (size_t i = 0; i < 4; ++i) {
    const int ziffer = Hexchar2Int(text[pos + i]);
    if (ziffer < 0) return -1;
    wert = wert * 16 + ziffer;
  }
  return wert;
}

bool KopfPasst(const std::string& antwort, char adresse, int typ, int start, int anzahl) {
  return antwort[0] == '#' && antwort[1] == adresse && antwort.compare(2, 3, "BDR") == 0 &&
         antwort[5] == static_cast<char>('0' + typ) && Hex4(antwort, 6) == start &&
         Hex4(antwort, 10) == anzahl;
}

// Decodes the data pairs and checks the checksum of a complete answer of anzahl bytes.
int DatenDekodieren(const std::string& antwort, int anzahl, std::vector<uint8_t>& daten) {
  for (int i = 0; i < anzahl; ++i) {
    const int hoch = Hexchar2Int(antwort[kKopflaenge + 2 * i]);
    if (hoch < 0) return -404108;
    const int tief = Hexchar2Int(antwort[kKopflaenge + 2 * i + 1]);
    if (tief < 0) return -404109;
    daten[i] = static_cast<uint8_t>(hoch * 16 + tief);
  }
  const size_t pos = kKopflaenge + 2 * static_cast<size_t>(anzahl);
  int summe = 0;
  for (int i = 0; i < 4; ++i) {
    const int ziffer = Hexchar2Int(antwort[pos + i]);
    if (ziffer < 0) return -404110 - i;
    summe = summe * 16 + ziffer;
  }
  if (summe != Speicherchecksumme(daten)) return -406114;
  return 0;
}

bool PortOffen(ComPorts& ports, int port) {
  return port >= 0 && ports.Port(port) != nullptr;
}

}  // namespace

uint16_t Speicherchecksumme(std::span<const uint8_t> daten) {
  unsigned summe = 1;
  for (uint8_t byte : daten) summe += byte;
  return static_cast<uint16_t>(summe & 0xFFFF);
}

int NOVHLN1_SpeicherSchreiben(ComPorts& ports, int port, char adresse, int typ, int start,
                              int anzahl, std::span<const uint8_t> daten) {
  if (!SchreibAdresse(adresse)) return -400118;
  if (start < 0 || start > 0xFFFF) return -894119;
  if (anzahl < 0 || anzahl > kBlockGroesse || static_cast<size_t>(anzahl) > daten.size())
    return -895120;
  if (typ != 4 && typ != 5) return -896121;

  std::string anfrage;
  if (!KopfFormatieren(anfrage, adresse, "BDW", typ, start, anzahl)) return -202122;
  const auto block = daten.first(static_cast<size_t>(anzahl));
  for (uint8_t byte : block) {
    if (!HexAnhaengen(anfrage, byte, 2)) return -202123;
  }
  if (!HexAnhaengen(anfrage, Speicherchecksumme(block), 4)) return -202124;
  GrossAbStartfeld(anfrage);
  anfrage += kCR;
  return Austausch(ports, port, anfrage, {0, -101125, -101126, -402127, -405128, -403129, -404130},
                   adresse != '&');
}

int NOVHLN1_SpeicherLesen(ComPorts& ports, int port, char adresse, int typ, int start, int anzahl,
                          std::span<uint8_t> ziel) {
  if (!EinzelAdresse(adresse)) return -400092;
  if (start < 0 || start > 0xFFFF) return -894093;
  // The count field has four hexadecimal digits, so 65535 is the most one request can ask for.
  if (anzahl < 1 || anzahl > 0xFFFF || static_cast<size_t>(anzahl) > ziel.size()) return -895094;
  if (typ != 4 && typ != 5) return -896095;

  std::string anfrage;
  if (!KopfFormatieren(anfrage, adresse, "BDR", typ, start, anzahl)) return -202096;
  GrossAbStartfeld(anfrage);
  anfrage += kCR;
  const int ergebnis =
      Austausch(ports, port, anfrage, {0, -101097, -114098, -402099, -405100, -403101, -404102});
  if (ergebnis < 0) return ergebnis;

  const size_t laenge = 2 * static_cast<size_t>(anzahl) + 19;
  std::string antwort;
  std::vector<uint8_t> daten;
  try {
    antwort.reserve(laenge + 1);
    daten.resize(static_cast<size_t>(anzahl));
  } catch (const std::bad_alloc&) {
    return -600103;
  }
  if (!AntwortLesen(ports, port, laenge, antwort)) return -404104;
  if (antwort.back() != kCR) return -404105;
  if (antwort.size() != laenge) return -404106;
  if (!KopfPasst(antwort, adresse, typ, start, anzahl)) return -404107;
  const int dekodiert = DatenDekodieren(antwort, anzahl, daten);
  if (dekodiert < 0) return dekodiert;
  std::copy(daten.begin(), daten.end(), ziel.begin());
  return 0;
}

int KurvenBlockSchreiben(Dialoge& dialoge, ComPorts& ports, int port, char adresse,
                         std::span<const uint8_t> abbild, int start, int anzahl, int typ) {
  if (!PortOffen(ports, port)) return -122430;
  if (start < 0) return -894119;
  if (anzahl < 0 || static_cast<size_t>(start) + anzahl > abbild.size()) return -895120;

  return BloeckeSchreiben(&dialoge, ports, port, adresse, abbild.subspan(start, anzahl), start, typ,
                          false);
}

int BloeckeSchreiben(Dialoge* dialoge, ComPorts& ports, int port, char adresse,
                     std::span<const uint8_t> daten, int start, int typ, bool ausgerichtet) {
  const int anzahl = static_cast<int>(daten.size());
  Transferfortschritt anzeige(dialoge, "Daten senden", anzahl);
  int adr = start;
  int rest = anzahl;
  while (rest > 0) {
    const int bis = ausgerichtet ? kBlockGroesse - adr % kBlockGroesse : kBlockGroesse;
    const int laenge = std::min(bis, rest);
    const int ergebnis = NOVHLN1_SpeicherSchreiben(ports, port, adresse, typ, adr, laenge,
                                                   daten.subspan(adr - start, laenge));
    if (ergebnis < 0) return ergebnis;
    adr += laenge;
    rest -= laenge;
    // Stopped between two frames, never within one.
    if (anzeige.Stand(anzahl - rest)) return -4432;
  }
  return 0;
}

int KurvenBlockLesen(Dialoge& dialoge, ComPorts& ports, int port, char adresse, int start,
                     int anzahl, std::span<uint8_t> ziel, bool fortschritt, int typ) {
  if (!PortOffen(ports, port)) return -122431;
  if (start < 0) return -894093;
  if (anzahl < 0 || static_cast<size_t>(anzahl) > ziel.size()) return -895094;

  Transferfortschritt anzeige(fortschritt ? &dialoge : nullptr, "Daten lesen", anzahl);
  int adr = start;
  int rest = anzahl;
  while (rest > 0) {
    const int laenge = std::min(kBlockGroesse, rest);
    const int ergebnis = NOVHLN1_SpeicherLesen(ports, port, adresse, typ, adr, laenge,
                                               ziel.subspan(adr - start, laenge));
    if (ergebnis < 0) return ergebnis;
    adr += laenge;
    rest -= laenge;
    if (anzeige.Stand(anzahl - rest)) return -4433;
  }
  return 0;
}
