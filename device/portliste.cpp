#include "device/portliste.h"

#include <algorithm>
#include <cstdio>

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

// "COM 10 – what it is", and the tooltip: that text and the device.
PortlistenEintrag Eintrag(const Systemport& port) {
  char nummer[16];
  std::snprintf(nummer, sizeof nummer, "COM %d", port.nummer);
  std::string text = nummer;
  if (!port.beschreibung.empty()) text += " – " + port.beschreibung;
  std::string hinweis = text;
  if (!port.pfad.empty()) hinweis += "\n" + port.pfad;
  return {text, port.nummer, hinweis};
}

}  // namespace

std::vector<PortlistenEintrag> SystemPortliste(const std::vector<Systemport>& ports) {
  std::map<int, const Systemport*> sortiert;
  for (const Systemport& p : ports)
    if (Zulaessig(p.nummer)) sortiert.emplace(p.nummer, &p);
  std::vector<PortlistenEintrag> liste;
  for (const auto& [nummer, port] : sortiert) liste.push_back(Eintrag(*port));
  if (liste.empty()) liste.push_back({"n.a.", 0, ""});
  return liste;
}

std::vector<PortlistenEintrag> ComPortliste(const std::vector<int>& nummern) {
  std::vector<Systemport> ports;
  for (int n : nummern) ports.push_back({n, "", ""});
  return SystemPortliste(ports);
}

void NachNamenOrdnen(std::vector<Portgeraet>& geraete) {
  std::sort(geraete.begin(), geraete.end(), [](const Portgeraet& a, const Portgeraet& b) {
    return a.name.size() != b.name.size() ? a.name.size() < b.name.size() : a.name < b.name;
  });
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
  const int k = ZahlNachPraefix(name, "ttyS", kGroesstePortnummer);
  return k >= 0 && Zulaessig(k + 1) ? k + 1 : -1;
}

bool IstAdapter(const std::string& name) {
  // The kernel numbers them far below this bound; it only keeps the parse in range.
  constexpr int kGrenze = 1 << 20;
  return ZahlNachPraefix(name, "ttyUSB", kGrenze) >= 0 ||
         ZahlNachPraefix(name, "ttyACM", kGrenze) >= 0;
}

int FreieAdapternummer(const std::set<int>& besetzt) {
  for (int n = kErsteAdapternummer; n <= kGroesstePortnummer; ++n)
    if (!besetzt.count(n)) return n;
  return -1;
}

std::map<int, std::string> PortnummernVergeben(const std::map<int, std::string>& links,
                                               const std::set<int>& linknummern,
                                               const std::vector<Portgeraet>& geraete) {
  std::map<int, std::string> ports;
  std::set<std::string> verlinkt;
  std::set<int> besetzt;
  for (int n : linknummern) besetzt.insert(n);
  for (const auto& [nummer, ziel] : links) {
    if (!Zulaessig(nummer)) continue;
    ports[nummer] = ziel;
    verlinkt.insert(ziel);
    besetzt.insert(nummer);
  }
  // Built-in ports before adapters, so that an adapter never takes a built-in port's number.
  std::vector<const Portgeraet*> adapter;
  for (const Portgeraet& g : geraete) {
    if (verlinkt.count(g.pfad)) continue;
    if (IstAdapter(g.name)) {
      adapter.push_back(&g);
    } else if (const int nummer = GeraeteNummer(g.name); nummer >= 0 && !besetzt.count(nummer)) {
      ports.emplace(nummer, g.pfad);
      besetzt.insert(nummer);
    }
  }
  for (const Portgeraet* g : adapter) {
    const int nummer = FreieAdapternummer(besetzt);
    if (nummer < 0) break;
    ports.emplace(nummer, g->pfad);
    besetzt.insert(nummer);
  }
  return ports;
}
