#pragma once
// Saving under SIGKILL: a child process saves two versions of a file by turns in a fast loop
// and is killed at a random moment; after each kill the target must hold one version
// completely, and the next save must clear what the killed one left behind.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

struct Killzahlen {
  int kills = 0;
  int alt = 0;           // the target held the version saved before
  int neu = 0;           // the target held the other version
  int gemischt = 0;      // anything else: a mixture, a cut file, no file
  int liegen = 0;        // kills after which a temporary file lay in the folder
  int uebrig = 0;        // files beside the target after a last save, of the whole run
  int fehlschlaege = 0;  // saves in the test's own process that failed
};

// speichern(v) saves version v (0 or 1) to pfad and returns 0 on success; versionen holds the
// bytes of both. pfad's folder must hold nothing else.
Killzahlen KillSchleife(const std::string& pfad, const std::function<int(int)>& speichern,
                        const std::string (&versionen)[2], int kills, uint32_t seed);

// Where the test saves: a memory file system when the machine has one (/dev/shm), since a kill
// needs no disk and fsync costs nothing there; else the temporary folder.
std::filesystem::path KillBasis();

// The counts as a line of text, as the test prints them.
std::string KillBericht(const char* format, const Killzahlen& z);
