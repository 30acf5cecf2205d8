#include "base/ini.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "base/dateilesen.h"
#include "base/dateischreiben.h"
#include "base/zeichensatz.h"

namespace {

constexpr size_t kMaxZeile = 255;
constexpr size_t kMaxWert = 80;

std::string_view Getrimmt(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

bool NamenGleich(std::string_view a, std::string_view b) {
  a = Getrimmt(a);
  b = Getrimmt(b);
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool NameKleiner(std::string_view a, std::string_view b) {
  a = Getrimmt(a);
  b = Getrimmt(b);
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

IniAbschnitt* AbschnittSuchen(IniDatei& ini, std::string_view name) {
  for (auto& abschnitt : ini.abschnitte)
    if (NamenGleich(abschnitt.name, name)) return &abschnitt;
  return nullptr;
}

const IniEintrag* EintragSuchen(const IniDatei& ini, std::string_view abschnitt,
                                std::string_view schluessel) {
  for (const auto& a : ini.abschnitte) {
    if (!NamenGleich(a.name, abschnitt)) continue;
    for (const auto& e : a.eintraege)
      if (NamenGleich(e.schluessel, schluessel)) return &e;
  }
  return nullptr;
}

void Sortieren(IniDatei& ini) {
  if (!ini.sortiert) return;
  auto nachName = [](const auto& a, const auto& b) { return NameKleiner(a.name, b.name); };
  std::stable_sort(ini.abschnitte.begin(), ini.abschnitte.end(), nachName);
  for (auto& abschnitt : ini.abschnitte)
    std::stable_sort(abschnitt.eintraege.begin(), abschnitt.eintraege.end(),
                     [](const IniEintrag& a, const IniEintrag& b) {
                       return NameKleiner(a.schluessel, b.schluessel);
                     });
}

void Setzen(IniDatei& ini, const std::string& abschnittName, IniEintrag eintrag) {
  IniAbschnitt* abschnitt = AbschnittSuchen(ini, abschnittName);
  if (abschnitt == nullptr) {
    ini.abschnitte.push_back({abschnittName, {}});
    abschnitt = &ini.abschnitte.back();
  }
  auto vorhanden = std::find_if(
      abschnitt->eintraege.begin(), abschnitt->eintraege.end(),
      [&](const IniEintrag& e) { return NamenGleich(e.schluessel, eintrag.schluessel); });
  if (vorhanden != abschnitt->eintraege.end())
    *vorhanden = std::move(eintrag);
  else
    abschnitt->eintraege.push_back(std::move(eintrag));
  Sortieren(ini);
}

std::string ZeilenName(const std::string& schluessel, int zaehler) {
  char name[300];
  std::snprintf(name, sizeof name, "%s%s%04d", schluessel.c_str(), " Line", zaehler);
  return name;
}

// A value longer than 80 characters is stored as items "<key> Line0001", "<key> Line0002", ...
void WertSetzen(IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                const std::string& wert, bool inAnfuehrung) {
  if (wert.size() <= kMaxWert) {
    Setzen(ini, abschnitt, {schluessel, wert, inAnfuehrung});
    return;
  }
  for (size_t pos = 0, zaehler = 1; pos < wert.size(); pos += kMaxWert, ++zaehler)
    Setzen(ini, abschnitt,
           {ZeilenName(schluessel, static_cast<int>(zaehler)), wert.substr(pos, kMaxWert),
            inAnfuehrung});
}

// The value of a key, put together again from its numbered lines when it was split.
bool WertHolen(const IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
               std::string& wert) {
  if (const IniEintrag* e = EintragSuchen(ini, abschnitt, schluessel)) {
    wert = e->wert;
    return true;
  }
  std::string zusammen;
  int zaehler = 1;
  for (; const IniEintrag* e = EintragSuchen(ini, abschnitt, ZeilenName(schluessel, zaehler));
       ++zaehler)
    zusammen += e->wert;
  if (zaehler == 1) return false;
  wert = zusammen;
  return true;
}

}  // namespace

IniDatei Ini_New(bool sortiert) {
  IniDatei ini;
  ini.sortiert = sortiert;
  return ini;
}

void Ini_PutInt(IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                long wert) {
  char text[32];
  std::snprintf(text, sizeof text, "%ld", wert);
  WertSetzen(ini, abschnitt, schluessel, text, false);
}

void Ini_PutDouble(IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                   double wert) {
  char text[64];
  std::snprintf(text, sizeof text, "%.16g", wert);
  WertSetzen(ini, abschnitt, schluessel, text, false);
}

void Ini_PutRawString(IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                      const std::string& wert) {
  WertSetzen(ini, abschnitt, schluessel, Cp1252Feld(wert, wert.size()), true);
}

int Ini_GetInt(const IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
               long& wert) {
  std::string text;
  if (!WertHolen(ini, abschnitt, schluessel, text)) return 0;
  if (text.empty()) return -1;
  errno = 0;
  char* ende = nullptr;
  const long gelesen = std::strtol(text.c_str(), &ende, 10);
  if (errno != 0 || *ende != '\0') return -1;
  wert = gelesen;
  return 1;
}

int Ini_GetDouble(const IniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                  double& wert) {
  std::string text;
  if (!WertHolen(ini, abschnitt, schluessel, text)) return 0;
  if (text == "+Inf" || text == "Inf") {
    wert = HUGE_VAL;
    return 1;
  }
  if (text == "-Inf") {
    wert = -HUGE_VAL;
    return 1;
  }
  if (text.empty()) return -1;
  char* ende = nullptr;
  const double gelesen = std::strtod(text.c_str(), &ende);
  if (*ende != '\0') return -1;
  wert = gelesen;
  return 1;
}

int Ini_GetRawStringIntoBuffer(const IniDatei& ini, const std::string& abschnitt,
                               const std::string& schluessel, std::string& wert, size_t groesse) {
  wert.clear();
  std::string text;
  if (!WertHolen(ini, abschnitt, schluessel, text)) return 0;
  wert = Cp1252ZuUtf8(std::string_view(text).substr(0, groesse > 0 ? groesse - 1 : 0));
  return 1;
}

void Ini_ParseText(IniDatei& ini, const std::string& text) {
  // An index, not a pointer: adding a section may move the others.
  size_t aktuell = ini.abschnitte.size();
  size_t pos = 0;
  while (pos < text.size()) {
    size_t ende = text.find('\n', pos);
    if (ende == std::string::npos) ende = text.size();
    std::string_view zeile(text.data() + pos, ende - pos);
    pos = ende + 1;
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    zeile = zeile.substr(0, kMaxZeile);
    while (!zeile.empty() && std::isspace(static_cast<unsigned char>(zeile.front())))
      zeile.remove_prefix(1);
    if (zeile.empty() || zeile.front() == ';') continue;
    if (zeile.front() == '[') {
      std::string_view name = zeile.substr(1, zeile.find(']') - 1);
      if (IniAbschnitt* vorhanden = AbschnittSuchen(ini, name)) {
        aktuell = static_cast<size_t>(vorhanden - ini.abschnitte.data());
      } else {
        aktuell = ini.abschnitte.size();
        ini.abschnitte.push_back({std::string(name), {}});
      }
      continue;
    }
    const size_t gleich = zeile.find('=');
    if (gleich == std::string_view::npos || aktuell >= ini.abschnitte.size()) continue;
    std::string_view schluessel = Getrimmt(zeile.substr(0, gleich));
    std::string_view wert = Getrimmt(zeile.substr(gleich + 1));
    if (wert.empty()) continue;
    IniEintrag eintrag{std::string(schluessel), std::string(wert), false};
    if (wert.size() >= 2 && wert.front() == '"' && wert.back() == '"') {
      eintrag.wert = std::string(wert.substr(1, wert.size() - 2));
      eintrag.inAnfuehrung = true;
    }
    ini.abschnitte[aktuell].eintraege.push_back(std::move(eintrag));
  }
  Sortieren(ini);
}

std::string Ini_Text(const IniDatei& ini) {
  std::string text;
  for (const auto& abschnitt : ini.abschnitte) {
    text += "[" + abschnitt.name + "]\r\n";
    for (const auto& e : abschnitt.eintraege) {
      const std::string wert = e.inAnfuehrung ? "\"" + e.wert + "\"" : e.wert;
      text += e.schluessel + " = " + wert + "\r\n";
    }
    text += "\r\n";
  }
  return text;
}

int Ini_ReadFromFile(IniDatei& ini, const std::string& pfad) {
  std::string inhalt;
  // Far beyond any settings file the program writes; a device or a huge file never swells it.
  constexpr std::size_t kIniMax = std::size_t{4} << 20;
  if (DateiBegrenztLesen(pfad, kIniMax, inhalt) != Leseergebnis::Gelesen) return -801001;
  Ini_ParseText(ini, inhalt);
  return 0;
}

int Ini_WriteToFile(const IniDatei& ini, const std::string& pfad) {
  const std::string text = Ini_Text(ini);
  if (!DateiSicherSchreiben(pfad, {text}, "ini$$", ".TMP").ok()) return -800001;
  return 0;
}
