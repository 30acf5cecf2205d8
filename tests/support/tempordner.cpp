#include "tests/support/tempordner.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

TempOrdner::TempOrdner(const std::filesystem::path& basis) {
  std::string muster = (basis / "tvm5r-test-XXXXXX").string();
  if (mkdtemp(muster.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  pfad_ = muster;
}

TempOrdner::~TempOrdner() {
  std::error_code fehler;
  std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, fehler);
  std::filesystem::remove_all(pfad_, fehler);
}
