// The real programs and files of every kind: tvm5r's file errors (exit status 1, the catalogue
// line and the reason; a read from the box checks its output file first), the simulator after a
// kill -9, and every request to end the record of `protokoll`.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "base/dateischreiben.h"
#include "characteristic/kennliniendateien.h"
#include "config/konfigdatei.h"
#include "curves/kurvendateien.h"
#include "tests/integration/prozesse.h"
#include "tests/support/tempordner.h"

namespace fs = std::filesystem;

TEST(Dateifehler, KommandozeileMitStatus1KatalogzeileUndGrund) {
  TempOrdner xdg;
  const std::string skr = xdg.datei("a.skr"), ske = xdg.datei("a.ske");
  ASSERT_EQ(KurvendateiSchreiben(skr, Kurvensatz{}, Konfiguration{}), 0);
  ASSERT_EQ(KennliniendateiSchreiben(ske, Kennlinienzustand{}, Konfiguration{}), 0);
  const std::string sko = xdg.datei("a.sko");
  ASSERT_EQ(KonfigdateiSchreiben(sko, Konfiguration{}), 0);
  const std::string fifo = xdg.datei("fifo"), ordner = xdg.datei("ordner");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
  fs::create_directories(ordner);
  const std::string keineDatei =
      " ist keine Datei (ein Ordner, eine FIFO, ein Socket oder ein "
      "Blockgerät) und wird nicht überschrieben.\n";
  const std::string oeffnen = ": Fehler beim Öffnen der Datei\n";
  // The commands that read from the box name port 9, which has no device: their output is
  // refused before the port is opened.
  const struct {
    std::vector<std::string> aufruf;
    std::string fehler;
  } faelle[] = {
      {{"kurven", "abbild", skr, ordner},
       "Fehler #308970" + oeffnen + "\"" + ordner + "\"" + keineDatei},
      {{"kurven", "export", skr, fifo},
       "Fehler #308441" + oeffnen + "\"" + fifo + "\"" + keineDatei},
      {{"kurven", "import", "/dev/zero", xdg.datei("o.skr")},
       "Fehler #320485: Die Datei enthält zu viele Werte.\n"},
      {{"kurven", "info", fifo}, "Fehler #308435" + oeffnen},
      {{"kennlinie", "abbild", ske, fifo},
       "Fehler #308972" + oeffnen + "\"" + fifo + "\"" + keineDatei},
      {{"kennlinie", "import", fifo, xdg.datei("o.ske")}, "Fehler #308533" + oeffnen},
      {{"--port", "9", "kurven", "lesen", fifo},
       "Fehler #308432" + oeffnen + "\"" + fifo + "\"" + keineDatei},
      {{"--port", "9", "kennlinie", "lesen", ordner, "--slot", "1"},
       "Fehler #308515" + oeffnen + "\"" + ordner + "\"" + keineDatei},
      {{"--port", "9", "speicher", "lesen", "4", "0", "16", "--datei", fifo},
       "Fehler #308974" + oeffnen + "\"" + fifo + "\"" + keineDatei},
      {{"--port", "9", "speicher", "schreiben", "4", "0", "--datei", "/dev/zero"},
       "Fehler #320978: Die Datei enthält zu viele Werte.\n"},
      {{"--port", "9", "speicher", "schreiben", "4", "0", "--datei", fifo},
       "Fehler #308976" + oeffnen},
      {{"--port", "9", "protokoll", ordner, "--intervall", "1", "--konfig", sko},
       "Fehler #308306" + oeffnen + "\"" + ordner + "\"" + keineDatei},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.aufruf[fall.aufruf.size() > 3 && fall.aufruf[0] == "--port" ? 2 : 0] + " " +
                 fall.aufruf[fall.aufruf[0] == "--port" ? 3 : 1]);
    const Lauf lauf = Tvm5r(fall.aufruf, xdg.pfad());
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.fehler, fall.fehler);
  }
  // /dev/null is written through and stays a device.
  EXPECT_EQ(Tvm5r({"kurven", "export", skr, "/dev/null"}, xdg.pfad()).status, 0);
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

TEST(Dateifehler, SimulatorErsetztNurDenLinkEinesGetoetetenSimulators) {
  TempOrdner xdg;
  const fs::path link = xdg.pfad() / "tvm5r" / "ports" / "com7";
  {
    SimProzess erster({"--com", "7"}, xdg.pfad());
    ASSERT_FALSE(erster.zeile().empty());
    // A running simulator's link stays.
    SimProzess zweiter({"--com", "7"}, xdg.pfad());
    EXPECT_TRUE(zweiter.zeile().empty());
    EXPECT_NE(zweiter.Beenden(), 0);
    kill(erster.pid(), SIGKILL);
  }
  ASSERT_TRUE(fs::is_symlink(link));
  {
    SimProzess nachKill({"--com", "7"}, xdg.pfad());
    ASSERT_EQ(nachKill.zeile().substr(nachKill.zeile().find(' ')), " COM 7");
    EXPECT_EQ(fs::read_symlink(link).string(),
              nachKill.zeile().substr(0, nachKill.zeile().find(' ')));
    EXPECT_EQ(nachKill.Beenden(), 0);
  }
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
  // A link the user made to a device that exists is never replaced.
  fs::create_symlink("/dev/null", link);
  SimProzess fremd({"--com", "7"}, xdg.pfad());
  EXPECT_TRUE(fremd.zeile().empty());
  EXPECT_EQ(fs::read_symlink(link), "/dev/null");
}

TEST(Dateifehler, ProtokollEndetBeiJedemEndesignalMitSchlusszeile) {
  TempOrdner xdg;
  SimProzess sim({"--com", "5"}, xdg.pfad());
  ASSERT_FALSE(sim.zeile().empty());
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    const std::string datei = xdg.datei("p" + std::to_string(signal) + ".txt");
    const pid_t pid =
        Tvm5rStarten({"--port", "5", "protokoll", datei, "--intervall", "0.2"}, xdg.pfad());
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(WartenBis([&] {
      std::string text;
      return DateiLesen(datei, text) && text.find("\n0") != std::string::npos;
    }));
    kill(pid, signal);
    EXPECT_EQ(Tvm5rAbwarten(pid, xdg.pfad()).status, 0);
    std::string text;
    ASSERT_TRUE(DateiLesen(datei, text));
    EXPECT_EQ(text.substr(text.rfind("Datenerfassung")), "Datenerfassung beendet\n");
  }
}
