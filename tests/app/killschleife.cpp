#include "tests/app/killschleife.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "base/dateischreiben.h"

namespace fs = std::filesystem;

namespace {

int Nebendateien(const fs::path& ziel) {
  int anzahl = 0;
  for (const auto& eintrag : fs::directory_iterator(ziel.parent_path()))
    if (eintrag.path() != ziel) ++anzahl;
  return anzahl;
}

// The child: announces each save with one byte, then saves the other version; it ends only by
// the kill.
[[noreturn]] void Speichern(int melden, const std::function<int(int)>& speichern) {
  for (int version = 1;; version ^= 1) {
    const char c = 's';
    if (write(melden, &c, 1) != 1) _exit(1);
    speichern(version);
  }
}

// Waits for the start of save number saves of the child, then for a random while more.
void Abwarten(int lesen, int saves, long drehungen) {
  char c;
  for (int i = 0; i < saves; ++i)
    if (read(lesen, &c, 1) != 1) return;
  volatile long zaehler = 0;
  while (zaehler < drehungen) zaehler = zaehler + 1;
}

}  // namespace

Killzahlen KillSchleife(const std::string& pfad, const std::function<int(int)>& speichern,
                        const std::string (&versionen)[2], int kills, uint32_t seed) {
  Killzahlen z;
  std::mt19937 zufall(seed);
  if (speichern(0) != 0) ++z.fehlschlaege;
  for (; z.kills < kills; ++z.kills) {
    std::string vorher;
    DateiLesen(pfad, vorher);
    int rohr[2];
    if (pipe(rohr) != 0) break;
    const pid_t kind = fork();
    if (kind == 0) {
      close(rohr[0]);
      Speichern(rohr[1], speichern);
    }
    close(rohr[1]);
    Abwarten(rohr[0], std::uniform_int_distribution<int>(1, 2)(zufall),
             std::uniform_int_distribution<long>(0, 400000)(zufall));
    kill(kind, SIGKILL);
    waitpid(kind, nullptr, 0);
    close(rohr[0]);

    std::string inhalt;
    if (!DateiLesen(pfad, inhalt))
      ++z.gemischt;
    else if (inhalt == vorher)
      ++z.alt;
    else if (inhalt == versionen[0] || inhalt == versionen[1])
      ++z.neu;
    else
      ++z.gemischt;
    if (Nebendateien(pfad) > 0) ++z.liegen;
  }
  if (speichern(0) != 0) ++z.fehlschlaege;
  z.uebrig = Nebendateien(pfad);
  return z;
}

std::filesystem::path KillBasis() {
  std::error_code fehler;
  if (fs::is_directory("/dev/shm", fehler) && access("/dev/shm", W_OK) == 0) return "/dev/shm";
  return fs::temp_directory_path();
}

std::string KillBericht(const char* format, const Killzahlen& z) {
  char text[256];
  std::snprintf(text, sizeof text,
                "Speichern unter SIGKILL, %s: %d Kills, alt %d, neu %d, gemischt %d, "
                "Temporärdatei nach Kill %d, übrig nach dem nächsten Speichern %d\n",
                format, z.kills, z.alt, z.neu, z.gemischt, z.liegen, z.uebrig);
  return text;
}
