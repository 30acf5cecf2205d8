// Saving through a temporary file keeps links and modes; a folder is no settings file.

#include "base/dateischreiben.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/einstellungen.h"
#include "tests/support/tempordner.h"

namespace fs = std::filesystem;

namespace {

std::string Inhalt(const fs::path& pfad) {
  std::string inhalt;
  EXPECT_TRUE(DateiLesen(pfad.string(), inhalt)) << pfad;
  return inhalt;
}

size_t Eintraege(const fs::path& ordner) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(ordner), {}));
}

}  // namespace

TEST(Dateischreiben, LinkBleibtLinkUndRechteBleiben) {
  TempOrdner ordner;
  fs::create_directories(ordner.pfad() / "echt");
  fs::create_directories(ordner.pfad() / "tvm5r");
  const fs::path ziel = ordner.pfad() / "echt" / "einstellungen.ini";
  const fs::path link = ordner.pfad() / "tvm5r" / kIniDateiname;
  ASSERT_TRUE(DateiSicherSchreiben(ziel.string(), {"alt"}).ok());
  fs::permissions(ziel, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("../echt/einstellungen.ini", link);

  Einstellungen einstellungen(link.string());
  einstellungen.Anmelden(
      Einstellungsabschnitt::Com,
      {[](const IniDatei&) {}, [](IniDatei& ini) { Ini_PutInt(ini, "com", "port", 3); }});
  ASSERT_EQ(einstellungen.WriteIni(), 0);
  ASSERT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::read_symlink(link), "../echt/einstellungen.ini");
  EXPECT_EQ(Inhalt(ziel), "[com]\r\nport = 3\r\n\r\n");
  EXPECT_EQ(fs::status(ziel).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Eintraege(ordner.pfad() / "echt"), 1u);  // no temporary file left
  EXPECT_EQ(Eintraege(ordner.pfad() / "tvm5r"), 1u);

  // A link to a file not there yet creates it; a chain of links is followed to its end.
  fs::create_symlink("neu.skr", ordner.pfad() / "verweis.skr");
  fs::create_symlink("verweis.skr", ordner.pfad() / "kette.skr");
  ASSERT_TRUE(DateiSicherSchreiben((ordner.pfad() / "kette.skr").string(), {"a", "b"}).ok());
  EXPECT_EQ(Inhalt(ordner.pfad() / "neu.skr"), "ab");
  EXPECT_TRUE(fs::is_symlink(ordner.pfad() / "kette.skr"));
  EXPECT_TRUE(fs::is_symlink(ordner.pfad() / "verweis.skr"));

  // A loop of links names no file.
  fs::create_symlink("schleife2", ordner.pfad() / "schleife1");
  fs::create_symlink("schleife1", ordner.pfad() / "schleife2");
  EXPECT_EQ(DateiSicherSchreiben((ordner.pfad() / "schleife1").string(), {"x"}).art,
            Schreibergebnis::Art::NichtGeoeffnet);
}

TEST(Dateischreiben, OrdnerIstKeineEinstellungsdatei) {
  TempOrdner ordner;
  const fs::path pfad = ordner.pfad() / kIniDateiname;
  fs::create_directories(pfad);
  std::string inhalt = "unberuehrt";
  EXPECT_FALSE(DateiLesen(pfad.string(), inhalt));
  EXPECT_EQ(inhalt, "unberuehrt");
  Einstellungen einstellungen(pfad.string());
  bool gelesen = false;
  einstellungen.Anmelden(Einstellungsabschnitt::Konfig,
                         {[&gelesen](const IniDatei&) { gelesen = true; }, [](IniDatei&) {}});
  EXPECT_EQ(einstellungen.ReadIni(), -801202);
  EXPECT_FALSE(gelesen);
  // An empty file is an empty settings file, not an error.
  ASSERT_TRUE(DateiSicherSchreiben((ordner.pfad() / "leer.ini").string(), {}).ok());
  EXPECT_TRUE(DateiLesen((ordner.pfad() / "leer.ini").string(), inhalt));
  EXPECT_EQ(inhalt, "");
}

// A killed save's temporary file goes with the next save in the folder; that of a process
// still running, and any other file, stays.
TEST(Dateischreiben, VerwaisteTemporaerdateienGehenMitDemNaechstenSpeichern) {
  TempOrdner ordner;
  const pid_t kind = fork();
  if (kind == 0) _exit(0);
  waitpid(kind, nullptr, 0);
  const std::string tot = "ini$$" + std::to_string(kind) + "-123.TMP";
  const std::string lebt = "ini$$" + std::to_string(getppid()) + "-123.TMP";
  for (const std::string& name : {tot, lebt, std::string("ini$$12.TMP"), std::string("x.TMP"),
                                  "tvm5r$$" + std::to_string(kind) + "-1.TMP"})
    std::ofstream(ordner.pfad() / name) << "rest";
  ASSERT_TRUE(DateiSicherSchreiben(ordner.datei("tvm5r.ini"), {"neu"}, "ini$$", ".TMP").ok());
  EXPECT_FALSE(fs::exists(ordner.pfad() / tot));
  EXPECT_TRUE(fs::exists(ordner.pfad() / lebt));
  EXPECT_EQ(Eintraege(ordner.pfad()), 5u);
  EXPECT_EQ(Inhalt(ordner.pfad() / "tvm5r.ini"), "neu");
}
