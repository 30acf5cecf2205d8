#include "base/transferzeit.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

std::string Format(const char* muster, long a, long b = 0, long c = 0) {
  char text[48];
  std::snprintf(text, sizeof text, muster, a, b, c);
  return text;
}

// Whole seconds: "45 s", "2:28 min", "1:02:03 h".
std::string GanzeSekunden(long s) {
  if (s < 60) return Format("%ld s", s);
  if (s < 3600) return Format("%ld:%02ld min", s / 60, s % 60);
  return Format("%ld:%02ld:%02ld h", s / 3600, s / 60 % 60, s % 60);
}

// Beyond this a count of seconds means nothing to a reader; it also keeps the casts in range.
constexpr double kLaengste = 1.0e7;

double Begrenzt(double sekunden) {
  if (!std::isfinite(sekunden) || sekunden < 0.0) return 0.0;
  return std::min(sekunden, kLaengste);
}

}  // namespace

std::string DauerText(double sekunden) {
  const double s = Begrenzt(sekunden);
  if (s < 9.95) {
    const long zehntel = std::lround(s * 10.0);
    return Format("%ld,%ld s", zehntel / 10, zehntel % 10);
  }
  return GanzeSekunden(std::lround(s));
}

std::string RestzeitText(double sekunden) {
  return "noch " + GanzeSekunden(static_cast<long>(std::ceil(Begrenzt(sekunden))));
}

double Restsekunden(long erledigt, long gesamt, double sekunden) {
  if (erledigt <= 0 || gesamt <= 0 || !(sekunden > 0.0)) return -1.0;
  return sekunden * static_cast<double>(gesamt - erledigt) / static_cast<double>(erledigt);
}

std::string Tausender(long zahl) {
  std::string ziffern = std::to_string(zahl < 0 ? -zahl : zahl);
  for (long i = static_cast<long>(ziffern.size()) - 3; i > 0; i -= 3)
    ziffern.insert(static_cast<size_t>(i), " ");
  return zahl < 0 ? "-" + ziffern : ziffern;
}

std::string Transfermeldung(const std::string& getan, long bytes, double sekunden) {
  return getan + ": " + Tausender(bytes) + " Bytes in " + DauerText(sekunden);
}

Sekundenuhr Monotonuhr() {
  return [] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  };
}

Transferfortschritt::Transferfortschritt(Dialoge* dialoge, const std::string& titel, long gesamt,
                                         Sekundenuhr uhr)
    : dialoge_(dialoge), gesamt_(gesamt), uhr_(std::move(uhr)) {
  if (dialoge_ != nullptr) dialoge_->FortschrittOeffnen(titel, titel);
}

Transferfortschritt::~Transferfortschritt() {
  if (dialoge_ != nullptr) dialoge_->FortschrittSchliessen();
}

bool Transferfortschritt::Stand(long erledigt) {
  if (dialoge_ == nullptr || gesamt_ <= 0) return false;
  const double rest = Restsekunden(erledigt, gesamt_, uhr_.Sekunden());
  dialoge_->FortschrittRestzeit(rest < 0.0 ? std::string() : RestzeitText(rest));
  dialoge_->FortschrittSetzen(static_cast<int>(static_cast<long long>(erledigt) * 100 / gesamt_));
  return erledigt < gesamt_ && dialoge_->FortschrittAbgebrochen();
}
