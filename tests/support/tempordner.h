#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.

#include <filesystem>
#include <string>

class TempOrdner {
 public:
  TempOrdner() : TempOrdner(std::filesystem::temp_directory_path()) {}
  // A folder in basis.
  explicit TempOrdner(const std::filesystem::path& basis);
  ~TempOrdner();
  TempOrdner(const TempOrdner&) = delete;
  TempOrdner& operator=(const TempOrdner&) = delete;

  const std::filesystem::path& pfad() const { return pfad_; }
  std::string datei(const std::string& name) const { return (pfad_ / name).string(); }

 private:
  std::filesystem::path pfad_;
};
