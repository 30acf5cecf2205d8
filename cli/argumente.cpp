#include "cli/argumente.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "cli/sitzung.h"
#include "device/novhln1.h"

long ZahlLesen(const std::string& text, const char* was, long min, long max) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* anfang = text.data() + (hex ? 2 : 0);
  const char* ende = text.data() + text.size();
  long wert = 0;
  const auto [stelle, fehler] = std::from_chars(anfang, ende, wert, hex ? 16 : 10);
  if (text.empty() || fehler != std::errc() || stelle != ende || wert < min || wert > max)
    throw Aufruffehler(std::string(was) + " muss zwischen " + std::to_string(min) + " und " +
                       std::to_string(max) + " liegen: \"" + text + "\"");
  return wert;
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
