#include "platform/posix/portsuche.h"

#include <fstream>
#include <map>
#include <system_error>

#include "base/einstellungen.h"
#include "platform/posix/ttyangaben.h"

namespace fs = std::filesystem;

namespace {

std::string Aufgeloest(const fs::path& pfad) {
  std::error_code fehler;
  fs::path echt = fs::canonical(pfad, fehler);
  return fehler ? std::string() : echt.string();
}

// The links com<n> of the port folder: every number, and the resolved target of those whose
// target exists. A link left behind by a simulator that was killed, or of an adapter that is
// unplugged, points nowhere and is no port, but keeps its number.
struct Portlinks {
  std::map<int, std::string> ziele;
  std::set<int> nummern;
};

Portlinks LinksLesen(const fs::path& ordner) {
  Portlinks links;
  std::error_code fehler;
  for (const fs::directory_entry& e : fs::directory_iterator(ordner, fehler)) {
    const int nummer = LinkNummer(e.path().filename().string());
    if (nummer < 0) continue;
    links.nummern.insert(nummer);
    const std::string ziel = Aufgeloest(e.path());
    if (!ziel.empty()) links.ziele[nummer] = ziel;
  }
  return links;
}

// The 8250 driver registers ttyS ports that have no chip behind them; their type is 0
// (PORT_UNKNOWN). Drivers without a type attribute serve real hardware only.
bool HatEchteHardware(const fs::path& sysEintrag) {
  std::error_code fehler;
  if (!fs::exists(sysEintrag / "device", fehler)) return false;
  std::ifstream typ(sysEintrag / "type");
  if (!typ) return true;
  int wert = 0;
  return (typ >> wert) && wert != 0;
}

std::vector<Portgeraet> SerielleGeraete(const PortWurzeln& w) {
  std::vector<Portgeraet> geraete;
  std::error_code fehler;
  for (const fs::directory_entry& e : fs::directory_iterator(w.sysOrdner, fehler)) {
    const std::string name = e.path().filename().string();
    if ((GeraeteNummer(name) < 0 && !IstAdapter(name)) || !HatEchteHardware(e.path())) continue;
    const std::string pfad = Aufgeloest(w.devOrdner / name);
    if (!pfad.empty()) geraete.push_back({name, pfad});
  }
  NachNamenOrdnen(geraete);
  return geraete;
}

// The entry of <dev>/serial/<art> that leads to the device at pfad; empty when there is none.
fs::path StabilerName(const PortWurzeln& w, const std::string& art, const std::string& pfad) {
  std::error_code fehler;
  for (const fs::directory_entry& e : fs::directory_iterator(w.devOrdner / "serial" / art, fehler))
    if (Aufgeloest(e.path()) == pfad) return e.path();
  return {};
}

// The name that stays the adapter's own across replugging: by its serial number where it has
// one, else by the USB socket it is plugged into.
fs::path AdapterName(const PortWurzeln& w, const Portgeraet& g) {
  const Ttyangaben angaben = TtyAngabenLesen(w.sysOrdner, g.name);
  if (!angaben.usb) return {};
  if (!angaben.seriennummer.empty()) {
    if (fs::path name = StabilerName(w, "by-id", g.pfad); !name.empty()) return name;
  }
  return StabilerName(w, "by-path", g.pfad);
}

// Makes the link com<n> to name under the lowest number from 10 that besetzt leaves free; the
// number, or -1. Another program may take a number at the same moment: then the next one is
// tried, unless that program's link leads to the same device.
int LinkAnlegen(const fs::path& ordner, const fs::path& name, const std::string& pfad,
                std::set<int>& besetzt) {
  for (int n = FreieAdapternummer(besetzt); n >= 0; n = FreieAdapternummer(besetzt)) {
    besetzt.insert(n);
    const fs::path link = ordner / ("com" + std::to_string(n));
    std::error_code fehler;
    fs::create_symlink(name, link, fehler);
    if (!fehler || Aufgeloest(link) == pfad) return n;
    if (fehler != std::errc::file_exists) return -1;
  }
  return -1;
}

// Links every adapter that no link names yet to its stable name.
void AdapterVerlinken(const PortWurzeln& w, const std::vector<Portgeraet>& geraete,
                      Portlinks& links) {
  std::set<std::string> verlinkt;
  for (const auto& [nummer, ziel] : links.ziele) verlinkt.insert(ziel);
  std::set<int> besetzt = links.nummern;
  for (const Portgeraet& g : geraete)
    if (const int nummer = GeraeteNummer(g.name); nummer >= 0) besetzt.insert(nummer);
  for (const Portgeraet& g : geraete) {
    if (!IstAdapter(g.name) || verlinkt.count(g.pfad)) continue;
    const fs::path name = AdapterName(w, g);
    if (name.empty()) continue;
    std::error_code fehler;
    fs::create_directories(w.portordner, fehler);
    if (const int nummer = LinkAnlegen(w.portordner, name, g.pfad, besetzt); nummer >= 0) {
      links.nummern.insert(nummer);
      links.ziele[nummer] = g.pfad;
    }
  }
}

// What the device at pfad is: a pseudo-terminal, or what sysfs says of its tty.
std::string Beschreibung(const PortWurzeln& w, const std::string& pfad) {
  const fs::path p(pfad);
  if (p.parent_path().filename() == "pts") return "Pseudo-Terminal";
  return TtyBeschreibung(TtyAngabenLesen(w.sysOrdner, p.filename().string()));
}

}  // namespace

fs::path Portordner() {
  return fs::path(KonfigurationsOrdner()) / "ports";
}

PortWurzeln StandardWurzeln() {
  PortWurzeln w;
  w.portordner = Portordner();
  return w;
}

std::vector<Systemport> VorhandenePorts(const PortWurzeln& wurzeln) {
  const std::vector<Portgeraet> geraete = SerielleGeraete(wurzeln);
  Portlinks links = LinksLesen(wurzeln.portordner);
  AdapterVerlinken(wurzeln, geraete, links);
  std::vector<Systemport> ports;
  for (const auto& [nummer, pfad] : PortnummernVergeben(links.ziele, links.nummern, geraete))
    ports.push_back({nummer, pfad, Beschreibung(wurzeln, pfad)});
  return ports;
}

std::string PortGeraet(int nummer, const PortWurzeln& wurzeln) {
  if (nummer < kKleinstePortnummer || nummer > kGroesstePortnummer) return "";
  const fs::path link = wurzeln.portordner / ("com" + std::to_string(nummer));
  std::error_code fehler;
  if (fs::exists(fs::symlink_status(link, fehler))) return link.string();
  for (const Systemport& port : VorhandenePorts(wurzeln))
    if (port.nummer == nummer) return port.pfad;
  if (nummer < 1) return "";
  return (wurzeln.devOrdner / ("ttyS" + std::to_string(nummer - 1))).string();
}

std::vector<PortlistenEintrag> MaschinenPortliste(const PortWurzeln& wurzeln) {
  return SystemPortliste(VorhandenePorts(wurzeln));
}
