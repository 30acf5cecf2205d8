#include "base/dateilesen.h"

#include "base/dateischreiben.h"

#include <algorithm>
#include <new>
#include <stdexcept>

Leseergebnis DateiBegrenztLesen(const std::string& pfad, std::size_t hoechstens,
                                std::string& inhalt) {
  Lesedatei datei(pfad);
  if (!datei.Offen()) return Leseergebnis::NichtGeoeffnet;
  std::string gelesen;
  try {
    // Grows with what arrives, never with what a size field or the system claims.
    constexpr std::size_t kStueck = 1 << 16;
    for (;;) {
      const std::size_t alt = gelesen.size();
      const std::size_t wunsch = std::min(kStueck, hoechstens + 1 - alt);
      gelesen.resize(alt + wunsch);
      const long long n = datei.Lesen(gelesen.data() + alt, wunsch);
      if (n < 0) return Leseergebnis::NichtGelesen;
      gelesen.resize(alt + static_cast<std::size_t>(n));
      if (gelesen.size() > hoechstens) {
        inhalt = std::move(gelesen);
        return Leseergebnis::ZuLang;
      }
      if (n == 0) break;
    }
  } catch (const std::bad_alloc&) {
    return Leseergebnis::NichtGelesen;
  }
  inhalt = std::move(gelesen);
  return Leseergebnis::Gelesen;
}

bool DateiLesen(const std::string& pfad, std::string& inhalt) {
  return DateiBegrenztLesen(pfad, std::size_t{1} << 28, inhalt) == Leseergebnis::Gelesen;
}

BegrenzteEingabe::int_type BegrenzteEingabe::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (zuLang_) return traits_type::eof();
  // One byte beyond the bound tells a source that is too long from one that ends there.
  const std::size_t wunsch = std::min(sizeof puffer_, rest_ + 1);
  const long long n = datei_.Lesen(puffer_, wunsch);
  // The stream turns the exception into its badbit.
  if (n < 0) throw std::runtime_error("Lesefehler");
  if (n == 0) return traits_type::eof();
  std::size_t anzahl = static_cast<std::size_t>(n);
  if (anzahl > rest_) {
    zuLang_ = true;
    anzahl = rest_;
  }
  rest_ -= anzahl;
  if (anzahl == 0) return traits_type::eof();
  setg(puffer_, puffer_, puffer_ + anzahl);
  return traits_type::to_int_type(*gptr());
}
