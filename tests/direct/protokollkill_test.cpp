// The record file under SIGKILL: a child appends rows and reports each one written; after the
// kill every reported row stands complete in the file, and at most the row being written is cut.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "direct/protokolldatei.h"
#include "tests/app/killschleife.h"
#include "tests/support/tempordner.h"

namespace {

std::string Zeile(int i) {
  return "08.12.2026\t07:05:09\t" + std::to_string(i) + "\t1.250\t3.071\t-----\t0.000\n";
}

[[noreturn]] void ZeilenSchreiben(const std::string& pfad, int rohr) {
  Protokolldatei datei;
  if (datei.Oeffnen(pfad) != 0) _exit(1);
  for (int i = 0;; ++i) {
    if (datei.Schreiben(Zeile(i), -1) != 0) _exit(1);
    if (write(rohr, &i, sizeof i) != sizeof i) _exit(1);
  }
}

// Reads the announcements of n rows, then lets the child run a random while longer.
void Abwarten(int rohr, int n, long drehungen) {
  int i = 0;
  for (int gelesen = 0; gelesen < n && read(rohr, &i, sizeof i) == sizeof i; ++gelesen) {
  }
  volatile long zaehler = 0;
  while (zaehler < drehungen) zaehler = zaehler + 1;
}

}  // namespace

TEST(ProtokollUnterKill, GemeldeteZeilenBleibenVollstaendig) {
  TempOrdner ordner(KillBasis());
  std::mt19937 zufall(5);
  int gekappt = 0;
  for (int k = 0; k < 100; ++k) {
    const std::string pfad = ordner.datei("protokoll" + std::to_string(k) + ".txt");
    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    const pid_t kind = fork();
    if (kind == 0) {
      close(rohr[0]);
      ZeilenSchreiben(pfad, rohr[1]);
    }
    close(rohr[1]);
    Abwarten(rohr[0], std::uniform_int_distribution<int>(1, 30)(zufall),
             std::uniform_int_distribution<long>(0, 200000)(zufall));
    kill(kind, SIGKILL);
    // Announcements still in the pipe name rows that were written before the kill as well.
    int gemeldet = -1;
    for (int i = 0; read(rohr[0], &i, sizeof i) == sizeof i;) gemeldet = i;
    waitpid(kind, nullptr, 0);
    close(rohr[0]);

    std::ifstream ein(pfad, std::ios::binary);
    std::stringstream inhalt;
    inhalt << ein.rdbuf();
    const std::string text = inhalt.str();
    // The rows in order and as written; every reported row complete.
    std::string erwartet;
    for (int i = 0; erwartet.size() < text.size(); ++i) erwartet += Zeile(i);
    ASSERT_EQ(text, erwartet.substr(0, text.size())) << "Kill " << k;
    const auto vollstaendig = std::count(text.begin(), text.end(), '\n');
    ASSERT_GE(vollstaendig, gemeldet + 1) << "Kill " << k;
    if (!text.empty() && text.back() != '\n') ++gekappt;
  }
  std::printf(
      "Protokolldatei: 100 Kills, %d mit angeschnittener letzter Zeile, keine gemeldete "
      "Zeile verloren\n",
      gekappt);
}
