#include "editor/textzeilen.h"

#include <charconv>
#include <cmath>
#include <system_error>

std::string Festkomma(double wert, int stellen) {
  char puffer[400];
  const auto [ende, fehler] =
      std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen);
  return fehler == std::errc{} ? std::string(puffer, ende) : std::string("?");
}

bool Zeilenleser::Naechste(std::string& zeile) {
  zeile.clear();
  std::size_t laenge = 0;
  for (;;) {
    // get() turns a failure of the stream's buffer into badbit.
    const auto zeichen = ein_.get();
    if (zeichen == std::char_traits<char>::eof()) {
      if (laenge == 0) return false;
      break;
    }
    if (zeichen == '\n') break;
    // One character more than kept, so that a CR before the LF can be told from content.
    if (zeile.size() <= hoechstens_) zeile += static_cast<char>(zeichen);
    ++laenge;
  }
  if (laenge <= hoechstens_ + 1 && !zeile.empty() && zeile.back() == '\r') zeile.pop_back();
  if (zeile.size() > hoechstens_) zeile.resize(hoechstens_);
  return true;
}

bool Feldleser::Zahl(double& wert) {
  Vorzeichen();
  const auto [stelle, fehler] = std::from_chars(p_, ende_, wert, std::chars_format::general);
  if (fehler != std::errc{} || !std::isfinite(wert)) return false;
  if (minus_) wert = -wert;
  p_ = stelle;
  return true;
}

bool Feldleser::Zahl(int& wert) {
  Vorzeichen();
  long long gross = 0;
  const auto [stelle, fehler] = std::from_chars(p_, ende_, gross);
  if (fehler != std::errc{} || gross > 2147483647LL || gross < -2147483647LL) return false;
  wert = static_cast<int>(minus_ ? -gross : gross);
  p_ = stelle;
  return true;
}

bool Feldleser::Wort(std::string& wort) {
  Blanks();
  const char* anfang = p_;
  while (p_ != ende_ && *p_ != ' ' && *p_ != '\t') ++p_;
  wort.assign(anfang, p_);
  return !wort.empty();
}

bool Feldleser::Tab() {
  Blanks();
  if (p_ == ende_ || *p_ != '\t') return false;
  ++p_;
  return true;
}

void Feldleser::Blanks() {
  while (p_ != ende_ && *p_ == ' ') ++p_;
}

void Feldleser::Vorzeichen() {
  Blanks();
  minus_ = false;
  if (p_ != ende_ && (*p_ == '+' || *p_ == '-')) {
    minus_ = *p_ == '-';
    ++p_;
    if (p_ != ende_ && (*p_ == '+' || *p_ == '-')) p_ = ende_;  // one sign only
  }
}
