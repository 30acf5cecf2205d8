#include "platform/posix/portsuche.h"

#include <fstream>
#include <system_error>

#include "base/einstellungen.h"

namespace fs = std::filesystem;

namespace {

std::string Aufgeloest(const fs::path& pfad) {
  std::error_code fehler;
  fs::path echt = fs::canonical(pfad, fehler);
  return fehler ? std::string() : echt.string();
}

// Links com<n> whose target exists, by number, with the resolved target. A link left behind by
// a simulator that was killed points nowhere and is not a port.
std::map<int, std::string> PortLinks(const fs::path& ordner) {
  std::map<int, std::string> links;
  std::error_code fehler;
  for (const fs::directory_entry& e : fs::directory_iterator(ordner, fehler)) {
    const int nummer = LinkNummer(e.path().filename().string());
    if (nummer < 0) continue;
    const std::string ziel = Aufgeloest(e.path());
    if (!ziel.empty()) links[nummer] = ziel;
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
    if (GeraeteNummer(name) < 0 || !HatEchteHardware(e.path())) continue;
    const std::string pfad = Aufgeloest(w.devOrdner / name);
    if (!pfad.empty()) geraete.push_back({name, pfad});
  }
  return geraete;
}

}  // namespace

fs::path Portordner() { return fs::path(KonfigurationsOrdner()) / "ports"; }

PortWurzeln StandardWurzeln() {
  PortWurzeln w;
  w.portordner = Portordner();
  return w;
}

std::map<int, std::string> VorhandenePorts(const PortWurzeln& wurzeln) {
  return PortnummernVergeben(PortLinks(wurzeln.portordner), SerielleGeraete(wurzeln));
}

std::string PortGeraet(int nummer, const PortWurzeln& wurzeln) {
  if (nummer < kKleinstePortnummer || nummer > kGroesstePortnummer) return "";
  const fs::path link = wurzeln.portordner / ("com" + std::to_string(nummer));
  std::error_code fehler;
  if (fs::exists(fs::symlink_status(link, fehler))) return link.string();
  const std::map<int, std::string> ports = VorhandenePorts(wurzeln);
  if (auto it = ports.find(nummer); it != ports.end()) return it->second;
  if (nummer < 1) return "";
  return (wurzeln.devOrdner / ("ttyS" + std::to_string(nummer - 1))).string();
}

std::vector<PortlistenEintrag> MaschinenPortliste(const PortWurzeln& wurzeln) {
  std::vector<int> nummern;
  for (const auto& [nummer, pfad] : VorhandenePorts(wurzeln)) nummern.push_back(nummer);
  return ComPortliste(nummern);
}
