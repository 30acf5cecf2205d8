// Plays the inputs of a fuzz target's corpus through it without libFuzzer, so that the normal
// and the sanitizer builds test every seed and every saved finding: arguments are files or
// folders of files. A broken rule aborts, and the test fails.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse);
// Only some targets prepare something first.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

void Spielen(const std::filesystem::path& datei) {
  std::ifstream ein(datei, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(ein), {}};
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  int anzahl = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path pfad(argv[i]);
    if (!std::filesystem::is_directory(pfad)) {
      Spielen(pfad);
      ++anzahl;
      continue;
    }
    for (const auto& eintrag : std::filesystem::directory_iterator(pfad)) {
      Spielen(eintrag.path());
      ++anzahl;
    }
  }
  std::printf("%d Eingaben nachgespielt\n", anzahl);
  return anzahl > 0 ? 0 : 1;
}
