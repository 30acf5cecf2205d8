#include "base/festkomma.h"

#include <algorithm>
#include <charconv>
#include <system_error>

std::string Festkomma(double wert, int stellen) {
  constexpr int kHoechstens = 30;
  // 309 digits before the point of the largest double, sign, point and the decimals.
  char puffer[320 + kHoechstens];
  const auto [ende, fehler] =
      std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed,
                    std::clamp(stellen, 0, kHoechstens));
  return fehler == std::errc{} ? std::string(puffer, ende) : std::string("?");
}
