#include "tests/support/tempordner.h"

#include <random>
#include <stdexcept>
#include <system_error>

// A random name, taken only when the folder did not exist yet (as mkdtemp does; written with
// the standard library, so that the tests build for Windows as well).
TempOrdner::TempOrdner(const std::filesystem::path& basis) {
  std::random_device zufall;
  for (int versuch = 0; versuch < 100; ++versuch) {
    const std::filesystem::path kandidat =
        basis / ("tvm5r-test-" + std::to_string(zufall() % 100000000u));
    std::error_code fehler;
    if (std::filesystem::create_directory(kandidat, fehler)) {
      std::filesystem::permissions(kandidat, std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::replace, fehler);
      pfad_ = kandidat;
      return;
    }
    if (fehler) break;
  }
  throw std::runtime_error("no temporary folder in " + basis.string());
}

TempOrdner::~TempOrdner() {
  std::error_code fehler;
  std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, fehler);
  std::filesystem::remove_all(pfad_, fehler);
}
