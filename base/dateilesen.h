#pragma once
// Reading files from outside so that no path can hang or swell the program: a file is opened
// without blocking and what it is gets looked at (a FIFO, socket or folder is refused before a
// byte is read), and every format reads at most what its largest valid file can hold, so that
// /dev/zero or a huge file is refused after reading that much.

#include <cstddef>
#include <cstdint>
#include <streambuf>
#include <string>

// A file opened for reading: a regular file, a character or a block device. The
// implementation is the platform's.
class Lesedatei {
 public:
  explicit Lesedatei(const std::string& pfad);
  ~Lesedatei();
  Lesedatei(const Lesedatei&) = delete;
  Lesedatei& operator=(const Lesedatei&) = delete;

  // false when the path could not be opened or names a FIFO, socket or folder.
  bool Offen() const { return griff_ != kKeinGriff; }
  // Reads up to n bytes: their number, 0 at the end, -1 on a read error (also a device that
  // has nothing ready: reading never waits).
  long long Lesen(char* ziel, std::size_t n);

 private:
  static constexpr std::intptr_t kKeinGriff = -1;
  std::intptr_t griff_ = kKeinGriff;
};

enum class Leseergebnis { Gelesen, NichtGeoeffnet, NichtGelesen, ZuLang };

// The whole file if it has at most hoechstens bytes; ZuLang after reading hoechstens + 1, which
// inhalt then holds (so that a format can judge its header first).
Leseergebnis DateiBegrenztLesen(const std::string& pfad, std::size_t hoechstens,
                                std::string& inhalt);

// A stream buffer over a Lesedatei that ends after hoechstens bytes (the text imports): a longer
// source reads as cut there and ZuLang() tells it; a read error makes the stream bad.
class BegrenzteEingabe : public std::streambuf {
 public:
  BegrenzteEingabe(Lesedatei& datei, std::size_t hoechstens) : datei_(datei), rest_(hoechstens) {}
  bool ZuLang() const { return zuLang_; }

 protected:
  int_type underflow() override;

 private:
  Lesedatei& datei_;
  std::size_t rest_;
  bool zuLang_ = false;
  char puffer_[65536];
};
