#include "direct/protokolldatei.h"

#include <cstdio>
#include <ctime>

#include "base/dateischreiben.h"
#include "base/zeichensatz.h"
#include "direct/direktkanaele.h"

namespace {

// A character Windows-1252 cannot store is written as "?", so the rest of the row stays.
std::string Cp1252(const std::string& utf8) {
  if (auto text = Utf8ZuCp1252(utf8)) return *text;
  std::string ergebnis;
  std::string_view rest(utf8);
  while (!rest.empty()) {
    const std::string zeichen = Utf8Kuerzen(rest, 1);
    const size_t laenge = zeichen.empty() ? 1 : zeichen.size();
    const auto umgesetzt = Utf8ZuCp1252(rest.substr(0, laenge));
    ergebnis += umgesetzt ? *umgesetzt : "?";
    rest.remove_prefix(laenge);
  }
  return ergebnis;
}

std::string Zweistellig(int wert) {
  char puffer[16];
  std::snprintf(puffer, sizeof puffer, "%02d", wert);
  return puffer;
}

}  // namespace

Zeitpunkt Ortszeit() {
  // One reading gives date and time together, so a row written at midnight is consistent.
  const std::time_t jetzt = std::time(nullptr);
  const std::tm* ortszeit = std::localtime(&jetzt);  // one thread: the shared result is safe
  if (ortszeit == nullptr) return {};
  return {ortszeit->tm_mday, ortszeit->tm_mon + 1, ortszeit->tm_year + 1900,
          ortszeit->tm_hour, ortszeit->tm_min,     ortszeit->tm_sec};
}

std::string KanalKopfzeilen(const Konfiguration& konfig, bool eingaenge) {
  std::string zeilen;
  for (int k = 0; k < kKanaele; ++k) {
    const Einheitenbereich b = eingaenge ? EingangsBereich(konfig, k) : AusgangsBereich(konfig, k);
    zeilen += (eingaenge ? "Eingang" : "Ausgang") + std::to_string(k + 1) + ": " +
              Festkomma(b.lo, b.stellen) + ".." + Festkomma(b.hi, b.stellen) + " " + b.einheit +
              "\n";
  }
  return zeilen;
}

std::string Spaltenkopf(const Konfiguration& konfig) {
  std::string kopf = "Datum\tUhrzeit";
  for (int k = 0; k < kKanaele; ++k)
    kopf += "\tEing" + std::to_string(k + 1) + "[" + konfig.ineinheit[k] + "]";
  for (int k = 0; k < kKanaele; ++k)
    kopf += "\tAusg" + std::to_string(k + 1) + "[" + konfig.outeinheit[k] + "]";
  return kopf + "\n";
}

std::string Zeitspalten(const Zeitpunkt& z) {
  char jahr[16];
  std::snprintf(jahr, sizeof jahr, "%04d", z.jahr);
  return Zweistellig(z.tag) + "." + Zweistellig(z.monat) + "." + jahr + "\t" +
         Zweistellig(z.stunde) + ":" + Zweistellig(z.minute) + ":" + Zweistellig(z.sekunde) + "\t";
}

std::string Wertspalten(const Konfiguration& konfig, const std::array<double, 4>& prozent,
                        bool eingaenge, const std::array<bool, 4>& mitWert) {
  std::string spalten;
  for (int k = 0; k < kKanaele; ++k) {
    if (!mitWert[k]) {
      spalten += kKeinAnalogwert;
      continue;
    }
    const Einheitenbereich b = eingaenge ? EingangsBereich(konfig, k) : AusgangsBereich(konfig, k);
    const double wert = eingaenge ? EingangProzentInEinheit(konfig, k, prozent[k])
                                  : AusgangProzentInEinheit(konfig, k, prozent[k]);
    spalten += Festkomma(wert, b.stellen) + "\t";
  }
  return spalten;
}

int Protokolldatei::Oeffnen(const std::string& pfad) {
  Schliessen();
  datei_ = DateiZumAnhaengenOeffnen(pfad);
  return datei_ != nullptr ? 0 : -308306;
}

int Protokolldatei::Schreiben(const std::string& text, int code) {
  if (datei_ == nullptr) return 0;
  const std::string bytes = Cp1252(text);
  if (std::fwrite(bytes.data(), 1, bytes.size(), datei_) == bytes.size() &&
      std::fflush(datei_) == 0)
    return 0;
  Schliessen();
  return code;
}

void Protokolldatei::Schliessen() {
  if (datei_ != nullptr) std::fclose(datei_);
  datei_ = nullptr;
}
