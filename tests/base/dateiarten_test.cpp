// Every writer and reader of files against every kind of path (as root: device nodes, FIFO,
// socket), each in a child process under a time limit, the bounded reads also under a memory
// limit: nothing hangs, swells, or replaces what is no regular file.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>

#include "base/dateischreiben.h"
#include "base/ini.h"
#include "characteristic/kennliniendateien.h"
#include "characteristic/kennlinienexport.h"
#include "config/konfigdatei.h"
#include "curves/kurvendateien.h"
#include "curves/kurvenexport.h"
#include "direct/protokolldatei.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"

namespace fs = std::filesystem;

namespace {

// The child's result: its code, or what ended it.
constexpr int kHaengt = 1;       // killed by the time limit
constexpr int kAbgebrochen = 2;  // any other end (memory limit, crash)

struct Kindergebnis {
  int ende = 0;  // 0: returned normally
  int code = 0;
};

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSpeichergrenze = false;  // the sanitizer reserves terabytes of address space
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSpeichergrenze = false;
#else
constexpr bool kSpeichergrenze = true;
#endif
#else
constexpr bool kSpeichergrenze = true;
#endif

// Runs f in a child with a time limit (a hang is a failure, not a hanging test) and its data
// segment limited to 512 MiB, so that a read that swells fails instead of passing.
Kindergebnis ImKind(const std::function<int()>& f) {
  int rohr[2];
  if (pipe(rohr) != 0) return {kAbgebrochen, 0};
  const pid_t pid = fork();
  if (pid == 0) {
    close(rohr[0]);
    alarm(20);
    if (kSpeichergrenze) {
      const rlimit grenze{size_t{256} << 20 << 1, size_t{256} << 20 << 1};
      setrlimit(RLIMIT_DATA, &grenze);
    }
    const int code = f();
    (void)!write(rohr[1], &code, sizeof code);
    _exit(0);
  }
  close(rohr[1]);
  int code = 0;
  const bool gelesen = read(rohr[0], &code, sizeof code) == sizeof code;
  close(rohr[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) return {kHaengt, 0};
  if (!gelesen) return {kAbgebrochen, 0};
  return {0, code};
}

// A folder holding one path of every kind; empty when not run as root (device nodes).
struct Arten {
  TempOrdner ordner;
  std::map<std::string, std::string> pfade;

  Arten() {
    const fs::path o = ordner.pfad();
    fs::create_directories(o / "echt");
    pfade["datei"] = (o / "datei").string();
    pfade["link"] = (o / "link").string();
    fs::create_symlink("echt/ziel", o / "link");
    pfade["zeichengeraet"] = (o / "null").string();
    mknod(pfade["zeichengeraet"].c_str(), S_IFCHR | 0666, makedev(1, 3));
    pfade["blockgeraet"] = (o / "block").string();
    mknod(pfade["blockgeraet"].c_str(), S_IFBLK | 0666, makedev(7, 0));
    pfade["fifo"] = (o / "fifo").string();
    mkfifo(pfade["fifo"].c_str(), 0666);
    pfade["ordner"] = (o / "ordner").string();
    fs::create_directories(pfade["ordner"]);
    pfade["socket"] = (o / "socket").string();
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    std::strncpy(adresse.sun_path, pfade["socket"].c_str(), sizeof adresse.sun_path - 1);
    bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse);
    close(s);
  }
  fs::file_type Art(const std::string& name) const {
    return fs::symlink_status(pfade.at(name)).type();
  }
};

struct Schreiber {
  const char* name;
  int nichtGeoeffnet;
  std::function<int(const std::string&)> schreiben;
};

std::vector<Schreiber> AlleSchreiber() {
  return {
      {"Kurvendatei", -308432,
       [](const std::string& p) { return KurvendateiSchreiben(p, Kurvensatz{}, Konfiguration{}); }},
      {"Kurventext", -308441, [](const std::string& p) { return KurventextSchreiben(p, Kurve{}); }},
      {"Kennliniendatei", -308515,
       [](const std::string& p) {
         return KennliniendateiSchreiben(p, Kennlinienzustand{}, Konfiguration{});
       }},
      {"Kennlinientext", -308529,
       [](const std::string& p) { return KennltextSchreiben(p, Kennlinie{}); }},
      {"Konfigurationsdatei", -308261,
       [](const std::string& p) { return KonfigdateiSchreiben(p, Konfiguration{}); }},
      {"Einstellungen", -800001,
       [](const std::string& p) { return Ini_WriteToFile(IniDatei{}, p); }},
      {"Abbild", -1,
       [](const std::string& p) { return DateiSicherSchreiben(p, {"abbild"}).ok() ? 0 : -1; }},
      {"Protokoll", -308306,
       [](const std::string& p) {
         Protokolldatei datei;
         if (const int code = datei.Oeffnen(p); code != 0) return code;
         return datei.Schreiben("Zeile\n", -301307);
       }},
  };
}

}  // namespace

TEST(Dateiarten, JederSchreiberGegenJedeArt) {
  if (geteuid() != 0) GTEST_SKIP() << "Geräteknoten brauchen root";
  for (const Schreiber& schreiber : AlleSchreiber()) {
    // A regular file and a link to one are replaced, a character device is written through,
    // every other kind is refused at once and stays what it was.
    const std::map<std::string, int> erwartet = {{"datei", 0},
                                                 {"link", 0},
                                                 {"zeichengeraet", 0},
                                                 {"blockgeraet", schreiber.nichtGeoeffnet},
                                                 {"fifo", schreiber.nichtGeoeffnet},
                                                 {"ordner", schreiber.nichtGeoeffnet},
                                                 {"socket", schreiber.nichtGeoeffnet}};
    for (const auto& [art, code] : erwartet) {
      SCOPED_TRACE(std::string(schreiber.name) + " -> " + art);
      Arten arten;
      const fs::file_type vorher = arten.Art(art);
      const std::string pfad = arten.pfade.at(art);
      const Kindergebnis e = ImKind([&] { return schreiber.schreiben(pfad); });
      ASSERT_EQ(e.ende, 0);
      EXPECT_EQ(e.code, code);
      EXPECT_EQ(arten.Art(art), art == "datei" ? fs::file_type::regular : vorher);
      if (art == "link") {
        EXPECT_EQ(fs::status(pfad).type(), fs::file_type::regular);
      }
      if (code != 0) {
        EXPECT_NE(SchreibhindernisText(pfad, SchreibhindernisSuchen(pfad)), "");
      }
    }
  }
}

TEST(Dateiarten, SchreibhindernisNenntDenOrdner) {
  if (geteuid() != 0) GTEST_SKIP() << "der Wechsel zu nobody braucht root";
  TempOrdner ordner;
  const std::string datei = ordner.datei("a.sko");
  ASSERT_EQ(KonfigdateiSchreiben(datei, Konfiguration{}), 0);
  fs::permissions(datei, fs::perms::all);
  fs::permissions(ordner.pfad(),
                  fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  std::string vorher;
  ASSERT_TRUE(DateiLesen(datei, vorher));
  const Kindergebnis e = ImKind([&] {
    if (setgid(65534) != 0 || setuid(65534) != 0) return 1;
    const Schreibhindernis h = SchreibhindernisSuchen(datei);
    if (h.art != Schreibhindernis::Art::Ordner || h.ordner != ordner.pfad().string()) return 2;
    if (SchreibhindernisText(datei, h) !=
        "Der Ordner \"" + ordner.pfad().string() +
            "\" ist nicht beschreibbar: dort kann keine Datei angelegt werden, eine vorhandene "
            "bleibt unverändert.")
      return 3;
    return KonfigdateiSchreiben(datei, Konfiguration{});
  });
  ASSERT_EQ(e.ende, 0);
  EXPECT_EQ(e.code, -308261);
  std::string nachher;
  ASSERT_TRUE(DateiLesen(datei, nachher));
  EXPECT_EQ(nachher, vorher);
}

namespace {

struct Leser {
  const char* name;
  int nichtGeoeffnet;
  int zuLang;  // a huge file with a valid beginning (a configuration file is read only so far)
  int null;    // /dev/zero: refused by its header where the format has one, else as too long
  std::string anfang;  // a valid beginning of the format
  std::function<int(const std::string&)> lesen;
};

std::vector<Leser> AlleLeser() {
  return {
      {"Kurvendatei", -308435, -320484, -1020437, KurvendateiBytes(Kurvensatz{}, Konfiguration{}),
       [](const std::string& p) {
         Kurvendatei d;
         return KurvendateiEinlesen(p, d);
       }},
      {"Kurventext", -308445, -320485, -320485, "0.0\t0.0\t10ms\t1\n",
       [](const std::string& p) {
         Kurvensatz satz;
         SkriptDialoge dialoge;
         return KurventextImportieren(satz, dialoge, p);
       }},
      {"Kennliniendatei", -308518, -320560, -1025520,
       KennliniendateiBytes(Kennlinienzustand{}, Konfiguration{}),
       [](const std::string& p) {
         Kennliniendatei d;
         return KennliniendateiEinlesen(p, d);
       }},
      {"Kennlinientext", -308533, -320561, -320561, "0.0\t0.0\n",
       [](const std::string& p) {
         Kennlinienzustand zustand;
         SkriptDialoge dialoge;
         return KennltextImportieren(zustand, dialoge, p);
       }},
      {"Konfigurationsdatei", -308263, -303266, -1021265, "tvm5rKurven Konfigdatei",
       [](const std::string& p) {
         Konfiguration k;
         return KonfigdateiLesen(p, k);
       }},
      {"Einstellungen", -801001, -801001, -801001, "[konfig]\r\n",
       [](const std::string& p) {
         IniDatei ini;
         return Ini_ReadFromFile(ini, p);
       }},
  };
}

}  // namespace

TEST(Dateiarten, JederLeserGegenJedeArt) {
  if (geteuid() != 0) GTEST_SKIP() << "Geräteknoten brauchen root";
  for (const Leser& leser : AlleLeser()) {
    Arten arten;
    // A valid beginning followed by a gigabyte (sparse: no disk is used).
    const std::string gross = arten.ordner.datei("gross");
    ASSERT_TRUE(DateiSicherSchreiben(gross, {leser.anfang}).ok());
    fs::resize_file(gross, size_t{1} << 30);
    const std::map<std::string, std::pair<std::string, int>> faelle = {
        {"fifo", {arten.pfade.at("fifo"), leser.nichtGeoeffnet}},
        {"socket", {arten.pfade.at("socket"), leser.nichtGeoeffnet}},
        {"ordner", {arten.pfade.at("ordner"), leser.nichtGeoeffnet}},
        {"gross", {gross, leser.zuLang}},
        {"/dev/zero", {"/dev/zero", leser.null}}};
    for (const auto& [art, fall] : faelle) {
      SCOPED_TRACE(std::string(leser.name) + " <- " + art);
      const Kindergebnis e = ImKind([&] { return leser.lesen(fall.first); });
      ASSERT_EQ(e.ende, 0);
      EXPECT_EQ(e.code, fall.second);
    }
  }
}
