#include "device/portliste.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/posix/portsuche.h"
#include "tests/support/tempordner.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Texte(const std::vector<PortlistenEintrag>& liste) {
  std::vector<std::string> texte;
  for (const auto& e : liste) texte.push_back(e.text + "=" + std::to_string(e.wert));
  return texte;
}

void DateiAnlegen(const fs::path& pfad, const std::string& inhalt = "") {
  fs::create_directories(pfad.parent_path());
  std::ofstream(pfad) << inhalt;
}

// A tty entry in the sys folder: with a device link, and a type file when typ is not empty.
void SysEintrag(const fs::path& sys, const std::string& name, const std::string& typ) {
  fs::create_directories(sys / name / "device");
  if (!typ.empty()) DateiAnlegen(sys / name / "type", typ + "\n");
}

}  // namespace

TEST(Portliste, SortiertNachNummerUndNaOhnePorts) {
  EXPECT_EQ(Texte(ComPortliste({10, 3, 257, -1, 3, 0, 256})),
            (std::vector<std::string>{"COM 0=0", "COM 3=3", "COM 10=10", "COM 256=256"}));
  EXPECT_EQ(Texte(ComPortliste({})), (std::vector<std::string>{"n.a.=0"}));
  EXPECT_EQ(Texte(ComPortliste({300})), (std::vector<std::string>{"n.a.=0"}));

  const auto liste = ComPortliste({3, 10, 12});
  EXPECT_EQ(ComPortAuswahl(liste, 10), 1u);
  EXPECT_EQ(ComPortAuswahl(liste, 4), 0u);
  EXPECT_EQ(ComPortAuswahl(ComPortliste({}), 3), 0u);
}

TEST(Portliste, NamenUndFesteNummern) {
  EXPECT_EQ(LinkNummer("com3"), 3);
  EXPECT_EQ(LinkNummer("com0"), 0);
  EXPECT_EQ(LinkNummer("com256"), 256);
  for (const char* falsch : {"com", "com03", "com257", "COM3", "com3x", "com-1", "tty3"})
    EXPECT_EQ(LinkNummer(falsch), -1) << falsch;

  EXPECT_EQ(GeraeteNummer("ttyS0"), 1);
  EXPECT_EQ(GeraeteNummer("ttyS255"), 256);
  EXPECT_EQ(GeraeteNummer("ttyS256"), -1);
  for (const char* falsch : {"tty0", "ttyAMA0", "ttyUSB0", "ttyS01", "console"})
    EXPECT_EQ(GeraeteNummer(falsch), -1) << falsch;
  for (const char* adapter : {"ttyUSB0", "ttyACM3", "ttyUSB123"}) EXPECT_TRUE(IstAdapter(adapter));
  for (const char* falsch : {"ttyUSB", "ttyUSB01", "ttyS0", "ttyACMx"})
    EXPECT_FALSE(IstAdapter(falsch));

  std::set<int> besetzt = {10, 11, 13};
  EXPECT_EQ(FreieAdapternummer(besetzt), 12);
  for (int n = 10; n <= 256; ++n) besetzt.insert(n);
  EXPECT_EQ(FreieAdapternummer(besetzt), -1);
}

TEST(Portliste, LinksVorGeraetenUndAdapterHinterEingebautenPorts) {
  // ttyS9 holds number 10 before the adapters; ttyUSB1 is named by link 5 only; link 12 points
  // nowhere (its adapter is unplugged) and keeps its number; link 2 hides ttyS1.
  std::vector<Portgeraet> geraete = {{"ttyUSB10", "/dev/ttyUSB10"}, {"ttyUSB2", "/dev/ttyUSB2"},
                                     {"ttyS9", "/dev/ttyS9"},       {"ttyUSB1", "/dev/ttyUSB1"},
                                     {"ttyS1", "/dev/ttyS1"},       {"ttyACM0", "/dev/ttyACM0"}};
  NachNamenOrdnen(geraete);
  const auto ports =
      PortnummernVergeben({{5, "/dev/ttyUSB1"}, {2, "/dev/pts/7"}}, {2, 5, 12}, geraete);
  EXPECT_EQ(ports, (std::map<int, std::string>{{2, "/dev/pts/7"},
                                               {5, "/dev/ttyUSB1"},
                                               {10, "/dev/ttyS9"},
                                               {11, "/dev/ttyACM0"},
                                               {13, "/dev/ttyUSB2"},
                                               {14, "/dev/ttyUSB10"}}));
}

TEST(Portliste, DurchsuchtPortordnerUndGeraete) {
  TempOrdner temp;
  PortWurzeln w{temp.pfad() / "ports", temp.pfad() / "dev", temp.pfad() / "sys"};
  for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyUSB0", "ttyUSB1", "ttyACM0", "pts7"})
    DateiAnlegen(w.devOrdner / name);
  SysEintrag(w.sysOrdner, "ttyS0", "4");   // a 16550A
  SysEintrag(w.sysOrdner, "ttyS1", "0");   // registered, but no chip behind it
  SysEintrag(w.sysOrdner, "ttyUSB0", "");  // USB drivers have no type
  SysEintrag(w.sysOrdner, "ttyUSB1", "");
  SysEintrag(w.sysOrdner, "ttyACM0", "");
  fs::create_directories(w.sysOrdner / "ttyS3");  // no device at all
  fs::create_directories(w.portordner);
  fs::create_symlink(w.devOrdner / "pts7", w.portordner / "com3");
  fs::create_symlink(w.devOrdner / "ttyUSB1", w.portordner / "com5");
  fs::create_symlink(w.devOrdner / "verschwunden", w.portordner / "com7");
  fs::create_symlink(w.devOrdner / "pts7", w.portordner / "com03");

  // Adapters without a stable name (no udev links here) are numbered but not linked.
  EXPECT_EQ(Texte(MaschinenPortliste(w)),
            (std::vector<std::string>{
                "COM 1 – serielle Schnittstelle=1", "COM 3=3", "COM 5 – serielle Schnittstelle=5",
                "COM 10 – serielle Schnittstelle=10", "COM 11 – serielle Schnittstelle=11"}));
  EXPECT_FALSE(fs::exists(fs::symlink_status(w.portordner / "com10")));

  EXPECT_EQ(PortGeraet(1, w), fs::canonical(w.devOrdner / "ttyS0").string());
  EXPECT_EQ(PortGeraet(3, w), (w.portordner / "com3").string());
  // A link that points nowhere still owns its number, so opening it fails.
  EXPECT_EQ(PortGeraet(7, w), (w.portordner / "com7").string());
  EXPECT_EQ(PortGeraet(10, w), fs::canonical(w.devOrdner / "ttyACM0").string());
  EXPECT_EQ(PortGeraet(11, w), fs::canonical(w.devOrdner / "ttyUSB0").string());
  // Not listed: the phantom port and the adapter that link 5 names fall back to ttyS<n-1>.
  EXPECT_EQ(PortGeraet(2, w), (w.devOrdner / "ttyS1").string());
  EXPECT_EQ(PortGeraet(12, w), (w.devOrdner / "ttyS11").string());
  EXPECT_EQ(PortGeraet(0, w), "");
  EXPECT_EQ(PortGeraet(257, w), "");
}

TEST(Portliste, MaschineOhnePorts) {
  TempOrdner temp;
  PortWurzeln w{temp.pfad() / "ports", temp.pfad() / "dev", temp.pfad() / "sys"};
  EXPECT_EQ(Texte(MaschinenPortliste(w)), (std::vector<std::string>{"n.a.=0"}));
  fs::create_directories(w.portordner);
  SysEintrag(w.sysOrdner, "ttyS0", "0");
  DateiAnlegen(w.devOrdner / "ttyS0");
  EXPECT_EQ(Texte(MaschinenPortliste(w)), (std::vector<std::string>{"n.a.=0"}));
}

TEST(Portliste, PortordnerAusDerUmgebung) {
  const char* alt = std::getenv("XDG_CONFIG_HOME");
  const std::string gesichert = alt ? alt : "";
  setenv("XDG_CONFIG_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(Portordner(), fs::path("/tmp/xdg/tvm5r/ports"));
  unsetenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  if (home && *home) {
    EXPECT_EQ(Portordner(), fs::path(home) / ".config/tvm5r/ports");
  }
  if (alt) setenv("XDG_CONFIG_HOME", gesichert.c_str(), 1);
}
