#include "cli/argumente.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "cli/sitzung.h"
#include "device/novhln1.h"

namespace {

// from_chars takes a minus but no plus: one plus before a digit is skipped.
const char* OhnePlus(const std::string& text) {
  const bool plus = text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+';
  return text.data() + (plus ? 1 : 0);
}

}  // namespace

long ZahlLesen(const std::string& text, const char* was, long min, long max) {
  const char* anfang = OhnePlus(text);
  const char* ende = text.data() + text.size();
  const bool hex = ende - anfang > 2 && anfang[0] == '0' && (anfang[1] == 'x' || anfang[1] == 'X');
  if (hex) anfang += 2;
  long wert = 0;
  const auto [stelle, fehler] = std::from_chars(anfang, ende, wert, hex ? 16 : 10);
  const std::string zitat = ": \"" + text + "\"";
  if (anfang == ende || stelle != ende || (hex && *anfang == '-') ||
      (fehler != std::errc() && fehler != std::errc::result_out_of_range))
    throw Aufruffehler(std::string(was) + " muss eine ganze Zahl sein" + zitat);
  if (fehler != std::errc() || wert < min || wert > max)
    throw Aufruffehler(std::string(was) + " muss zwischen " + std::to_string(min) + " und " +
                       std::to_string(max) + " liegen" + zitat);
  return wert;
}

double ReelleZahlLesen(const std::string& text, const std::string& was) {
  const char* anfang = OhnePlus(text);
  const char* ende = text.data() + text.size();
  double wert = 0.0;
  const auto [stelle, fehler] = std::from_chars(anfang, ende, wert);
  const std::string zitat = ": \"" + text + "\"";
  const bool zuGross = fehler == std::errc::result_out_of_range;
  // "inf" and "nan" are parsed, but are no numbers here.
  if (anfang == ende || stelle != ende || (fehler != std::errc() && !zuGross) ||
      (!zuGross && !std::isfinite(wert)))
    throw Aufruffehler(was + " muss eine Zahl sein (mit Dezimalpunkt)" + zitat);
  if (zuGross) throw Aufruffehler(was + " liegt außerhalb des Zahlenbereichs" + zitat);
  return wert + 0.0;  // -0 becomes 0
}

std::vector<uint8_t> HexLesen(const std::string& text) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < text.size();) {
    if (std::isspace(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    const int hoch = Hexchar2Int(text[i]);
    const int tief = i + 1 < text.size() ? Hexchar2Int(text[i + 1]) : -1;
    if (hoch < 0 || tief < 0)
      throw Aufruffehler("Hexadezimale Daten erwartet (zwei Ziffern je Byte) bei \"" +
                         text.substr(i, 8) + "\"");
    bytes.push_back(static_cast<uint8_t>(hoch * 16 + tief));
    i += 2;
  }
  return bytes;
}

std::string HexText(const std::vector<uint8_t>& bytes, size_t zeilenlaenge) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char puffer[4];
    std::snprintf(puffer, sizeof puffer, "%02X", bytes[i]);
    text += puffer;
    if ((i + 1) % zeilenlaenge == 0 || i + 1 == bytes.size()) text += '\n';
  }
  return text;
}

void AnzahlPruefen(const std::vector<std::string>& argumente, size_t min, size_t max) {
  if (argumente.size() < min) throw Aufruffehler("Zu wenige Argumente");
  if (argumente.size() > max) throw Aufruffehler("Zu viele Argumente: \"" + argumente[max] + "\"");
}
