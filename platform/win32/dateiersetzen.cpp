#include "base/dateischreiben.h"

#include <io.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/win32/breit.h"

namespace {

constexpr DWORD kTeilen = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

enum class Zielart { Neu, Datei, Zeichengeraet, KeineDatei, Gesperrt, Unerreichbar };

struct Ziel {
  Zielart art;
  std::wstring pfad;  // Neu and Datei: the file to replace, links followed
};

std::wstring EndpfadVon(HANDLE datei, const std::wstring& sonst) {
  const DWORD laenge = GetFinalPathNameByHandleW(datei, nullptr, 0, FILE_NAME_NORMALIZED);
  if (laenge == 0) return sonst;
  std::wstring pfad(laenge, L'\0');
  const DWORD n = GetFinalPathNameByHandleW(datei, pfad.data(), laenge, FILE_NAME_NORMALIZED);
  if (n == 0 || n >= laenge) return sonst;
  pfad.resize(n);
  return pfad;
}

// What a path names, found by opening it for writing without changing it: OPEN_EXISTING neither
// creates nor truncates, and opening a pipe never waits for its other end.
Ziel ZielBestimmen(const std::wstring& name) {
  if (name.empty()) return {Zielart::Unerreichbar, {}};
  const DWORD attribute = GetFileAttributesW(name.c_str());
  if (attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return {Zielart::KeineDatei, {}};
  HANDLE datei = CreateFileW(name.c_str(), GENERIC_WRITE, kTeilen, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  if (datei == INVALID_HANDLE_VALUE) {
    const DWORD fehler = GetLastError();
    if (fehler == ERROR_FILE_NOT_FOUND) return {Zielart::Neu, name};
    if (fehler == ERROR_ACCESS_DENIED || fehler == ERROR_SHARING_VIOLATION)
      return {Zielart::Gesperrt, {}};
    return {Zielart::Unerreichbar, name};
  }
  Ziel ziel{Zielart::KeineDatei, {}};
  const DWORD typ = GetFileType(datei);
  if (typ == FILE_TYPE_DISK) ziel = {Zielart::Datei, EndpfadVon(datei, name)};
  if (typ == FILE_TYPE_CHAR) ziel = {Zielart::Zeichengeraet, name};
  CloseHandle(datei);
  return ziel;
}

std::wstring OrdnerVon(const std::wstring& pfad) {
  const size_t trenner = pfad.find_last_of(L"\\/");
  if (trenner == std::wstring::npos) return L".";
  return pfad.substr(0, trenner);
}

// For messages: without the \\?\ that the final path of a file carries.
std::string Anzeigename(const std::wstring& pfad) {
  const std::wstring vorsatz = L"\\\\?\\";
  return Schmal(pfad.rfind(vorsatz, 0) == 0 ? pfad.substr(vorsatz.size()) : pfad);
}

bool ProzessLebt(unsigned long pid) {
  HANDLE prozess = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
  if (prozess == nullptr) return GetLastError() != ERROR_INVALID_PARAMETER;
  const bool lebt = WaitForSingleObject(prozess, 0) == WAIT_TIMEOUT;
  CloseHandle(prozess);
  return lebt;
}

// A save that was killed leaves its temporary file behind; the next save in the folder removes
// those of its naming whose process no longer exists (a running save's file stays).
void VerwaisteEntfernen(const std::wstring& ordner, const std::string& praefix,
                        const std::string& endung) {
  WIN32_FIND_DATAW eintrag;
  HANDLE suche =
      FindFirstFileW((ordner + L"\\" + Breit(praefix) + L"*" + Breit(endung)).c_str(), &eintrag);
  if (suche == INVALID_HANDLE_VALUE) return;
  do {
    const unsigned long pid = ProzessImTempnamen(Schmal(eintrag.cFileName), praefix, endung);
    if (pid > 0 && !ProzessLebt(pid)) DeleteFileW((ordner + L"\\" + eintrag.cFileName).c_str());
  } while (FindNextFileW(suche, &eintrag));
  FindClose(suche);
}

HANDLE TemporaereAnlegen(const std::wstring& ordner, const std::string& praefix,
                         const std::string& endung, DWORD merkmale, std::wstring& temp) {
  std::random_device zufall;
  for (int versuch = 0; versuch < 100; ++versuch) {
    temp = ordner + L"\\" +
           Breit(Tempname(praefix, GetCurrentProcessId(), zufall() % 1000000, endung));
    HANDLE datei =
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, merkmale, nullptr);
    if (datei != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return datei;
  }
  return INVALID_HANDLE_VALUE;
}

bool AllesSchreiben(HANDLE datei, std::string_view teil) {
  while (!teil.empty()) {
    const DWORD stueck = teil.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(teil.size());
    DWORD geschrieben = 0;
    if (!WriteFile(datei, teil.data(), stueck, &geschrieben, nullptr) || geschrieben == 0)
      return false;
    teil.remove_prefix(geschrieben);
  }
  return true;
}

Schreibergebnis AlleTeileSchreiben(HANDLE datei, const std::vector<std::string_view>& teile) {
  for (size_t i = 0; i < teile.size(); ++i) {
    if (!AllesSchreiben(datei, teile[i])) return {Schreibergebnis::Art::NichtGeschrieben, i};
  }
  return {};
}

size_t LetzterTeil(const std::vector<std::string_view>& teile) {
  return teile.empty() ? 0 : teile.size() - 1;
}

// A device (NUL, a console) is written straight through: a move would put a file in its place.
Schreibergebnis Durchschreiben(const std::wstring& name,
                               const std::vector<std::string_view>& teile) {
  HANDLE datei = CreateFileW(name.c_str(), GENERIC_WRITE, kTeilen, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  if (datei == INVALID_HANDLE_VALUE) return {Schreibergebnis::Art::NichtGeoeffnet, 0};
  const Schreibergebnis ergebnis = AlleTeileSchreiben(datei, teile);
  CloseHandle(datei);
  return ergebnis;
}

// The parts into a temporary file beside the target, flushed to the disk before the move, which
// replaces the target in one step and returns only when that is on the disk too. The old file
// stays whole on every failure.
Schreibergebnis Ersetzen(const std::wstring& ziel, const std::vector<std::string_view>& teile,
                         const std::string& praefix, const std::string& endung) {
  using Art = Schreibergebnis::Art;
  const std::wstring ordner = OrdnerVon(ziel);
  VerwaisteEntfernen(ordner, praefix, endung);
  std::wstring temp;
  HANDLE datei = TemporaereAnlegen(ordner, praefix, endung, FILE_ATTRIBUTE_NORMAL, temp);
  if (datei == INVALID_HANDLE_VALUE) return {Art::NichtGeoeffnet, 0};
  Schreibergebnis ergebnis = AlleTeileSchreiben(datei, teile);
  if (ergebnis.ok() && !FlushFileBuffers(datei))
    ergebnis = {Art::NichtGeschrieben, LetzterTeil(teile)};
  if (!CloseHandle(datei) && ergebnis.ok()) ergebnis = {Art::NichtGeschrieben, LetzterTeil(teile)};
  if (ergebnis.ok() &&
      !MoveFileExW(temp.c_str(), ziel.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    ergebnis = {Art::NichtGeschrieben, LetzterTeil(teile)};
  if (!ergebnis.ok()) DeleteFileW(temp.c_str());
  return ergebnis;
}

}  // namespace

Schreibergebnis DateiSicherSchreiben(const std::string& pfad,
                                     const std::vector<std::string_view>& teile,
                                     const std::string& praefix, const std::string& endung) {
  const Ziel ziel = ZielBestimmen(Breit(pfad));
  switch (ziel.art) {
    case Zielart::Neu:
    case Zielart::Datei:
      return Ersetzen(ziel.pfad, teile, praefix, endung);
    case Zielart::Zeichengeraet:
      return Durchschreiben(ziel.pfad, teile);
    default:
      return {Schreibergebnis::Art::NichtGeoeffnet, 0};
  }
}

Schreibhindernis SchreibhindernisSuchen(const std::string& pfad) {
  using Art = Schreibhindernis::Art;
  const Ziel ziel = ZielBestimmen(Breit(pfad));
  if (ziel.art == Zielart::Zeichengeraet) return {};
  if (ziel.art == Zielart::KeineDatei) return {Art::KeineDatei, ""};
  if (ziel.art == Zielart::Gesperrt) return {Art::Ziel, ""};
  if (ziel.art == Zielart::Unerreichbar)
    return {Art::OrdnerFehlt, Anzeigename(OrdnerVon(ziel.pfad))};
  // Whether the temporary file can be made is found by making one that goes when closed.
  const std::wstring ordner = OrdnerVon(ziel.pfad);
  std::wstring temp;
  HANDLE probe = TemporaereAnlegen(ordner, "tvm5r$$", ".TMP",
                                   FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, temp);
  if (probe == INVALID_HANDLE_VALUE) return {Art::Ordner, Anzeigename(ordner)};
  CloseHandle(probe);
  return {};
}

bool OrdnerFuerDateiAnlegen(const std::string& datei) {
  std::error_code fehler;
  std::filesystem::create_directories(std::filesystem::path(Breit(datei)).parent_path(), fehler);
  return !fehler;
}

std::FILE* DateiZumAnhaengenOeffnen(const std::string& pfad) {
  const Ziel ziel = ZielBestimmen(Breit(pfad));
  if (ziel.art != Zielart::Neu && ziel.art != Zielart::Datei && ziel.art != Zielart::Zeichengeraet)
    return nullptr;
  std::FILE* datei = _wfopen(Breit(pfad).c_str(), L"ab");
  if (datei == nullptr) return nullptr;
  const DWORD typ = GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(datei))));
  if (typ == FILE_TYPE_DISK || typ == FILE_TYPE_CHAR) return datei;
  std::fclose(datei);
  return nullptr;
}
