#include "device/portliste.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace {

// The decimal number after prefix, without sign or leading zeros; -1 when there is none or it
// exceeds grenze.
int ZahlNachPraefix(const std::string& name, const std::string& praefix, int grenze) {
  if (name.size() <= praefix.size() || name.compare(0, praefix.size(), praefix) != 0) return -1;
  const std::string ziffern = name.substr(praefix.size());
  if (ziffern.size() > 1 && ziffern[0] == '0') return -1;
  long wert = 0;
  for (char c : ziffern) {
    if (c < '0' || c > '9') return -1;
    wert = wert * 10 + (c - '0');
    if (wert > grenze) return -1;
  }
  return static_cast<int>(wert);
}

bool Zulaessig(int nummer) {
  return nummer >= kKleinstePortnummer && nummer <= kGroesstePortnummer;
}

bool IstUsb(const std::string& name) {
  return name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0;
}

}  // namespace

std::vector<PortlistenEintrag> ComPortliste(const std::vector<int>& nummern) {
  std::set<int> sortiert;
  for (int n : nummern)
    if (Zulaessig(n)) sortiert.insert(n);
  std::vector<PortlistenEintrag> liste;
  for (int n : sortiert) {
    char text[16];
    std::snprintf(text, sizeof text, "COM %d", n);
    liste.push_back({text, n});
  }
  if (liste.empty()) liste.push_back({"n.a.", 0});
  return liste;
}

size_t ComPortAuswahl(const std::vector<PortlistenEintrag>& liste, int gemerkt) {
  auto it = std::find_if(liste.begin(), liste.end(),
                         [gemerkt](const PortlistenEintrag& e) { return e.wert == gemerkt; });
  return it == liste.end() ? 0 : static_cast<size_t>(it - liste.begin());
}

int LinkNummer(const std::string& name) {
  return ZahlNachPraefix(name, "com", kGroesstePortnummer);
}

int GeraeteNummer(const std::string& name) {
  int k = ZahlNachPraefix(name, "ttyS", kGroesstePortnummer);
  if (k >= 0) return Zulaessig(k + 1) ? k + 1 : -1;
  k = ZahlNachPraefix(name, "ttyUSB", kGroesstePortnummer);
  if (k >= 0) return Zulaessig(10 + 2 * k) ? 10 + 2 * k : -1;
  k = ZahlNachPraefix(name, "ttyACM", kGroesstePortnummer);
  if (k >= 0) return Zulaessig(11 + 2 * k) ? 11 + 2 * k : -1;
  return -1;
}

std::map<int, std::string> PortnummernVergeben(const std::map<int, std::string>& links,
                                               const std::vector<Portgeraet>& geraete) {
  std::map<int, std::string> ports;
  std::set<std::string> verlinkt;
  for (const auto& [nummer, ziel] : links) {
    if (!Zulaessig(nummer)) continue;
    ports[nummer] = ziel;
    verlinkt.insert(ziel);
  }
  // Built-in ports before adapters, so that an adapter never hides a built-in port.
  for (bool usb : {false, true}) {
    for (const Portgeraet& g : geraete) {
      const int nummer = GeraeteNummer(g.name);
      if (nummer < 0 || IstUsb(g.name) != usb || verlinkt.count(g.pfad)) continue;
      ports.emplace(nummer, g.pfad);
    }
  }
  return ports;
}
