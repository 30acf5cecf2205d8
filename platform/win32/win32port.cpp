#include "platform/win32/win32port.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>

namespace {

using Uhr = std::chrono::steady_clock;

bool Einstellen(HANDLE h, const Leitungseinstellung& e) {
  if (e.datenbits < 5 || e.datenbits > 8 || (e.stoppbits != 1 && e.stoppbits != 2) || e.baud <= 0 ||
      e.schlangenGroesse <= 0)
    return false;
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (GetCommState(h, &dcb) == 0) return false;
  dcb.BaudRate = static_cast<DWORD>(e.baud);
  dcb.ByteSize = static_cast<BYTE>(e.datenbits);
  dcb.StopBits = e.stoppbits == 2 ? TWOSTOPBITS : ONESTOPBIT;
  switch (e.paritaet) {
    case 'O':
    case 'o':
      dcb.Parity = ODDPARITY;
      break;
    case 'E':
    case 'e':
      dcb.Parity = EVENPARITY;
      break;
    case 'N':
    case 'n':
      dcb.Parity = NOPARITY;
      break;
    default:
      return false;
  }
  dcb.fBinary = TRUE;
  dcb.fParity = dcb.Parity != NOPARITY;
  // No flow control, no replaced or dropped bytes, and a line error does not stop the port.
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  dcb.fAbortOnError = FALSE;
  const DWORD schlange = static_cast<DWORD>(e.schlangenGroesse);
  if (SetupComm(h, schlange, schlange) == 0) return false;
  if (SetCommState(h, &dcb) != 0) return true;
  // A pseudo-terminal behind a COM name (Wine) has no parity bit and 8 data bits whatever is
  // asked, and may refuse other settings; everything else takes effect. A real port's driver
  // takes what is asked.
  dcb.ByteSize = 8;
  dcb.Parity = NOPARITY;
  dcb.fParity = FALSE;
  return SetCommState(h, &dcb) != 0;
}

// Milliseconds for the port's time-outs: at least 1, as 0 would mean "no time-out".
DWORD Millisekunden(Uhr::duration dauer) {
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(dauer).count();
  return static_cast<DWORD>(std::clamp<long long>(ms, 1, MAXDWORD - 1));
}

// The longest single wait for the output queue: short, so that the caller's deadline holds.
constexpr auto kAusgangsscheibe = std::chrono::milliseconds(10);

class Win32Port : public ComPort {
 public:
  Win32Port(HANDLE h, const Leitungseinstellung& leitung) : h_(h), leitung_(leitung) {
    // Sleep() waits whole ticks of the system clock (up to 15.6 ms); a waitable timer of high
    // resolution waits for the characters still queued, not longer.
    uhr_ = CreateWaitableTimerExW(nullptr, nullptr, kHoheAufloesung, TIMER_ALL_ACCESS);
    if (uhr_ == nullptr) uhr_ = CreateWaitableTimerW(nullptr, TRUE, nullptr);
  }
  ~Win32Port() override {
    Schliessen();
    if (uhr_ != nullptr) CloseHandle(uhr_);
  }

  int Schliessen() override {
    if (h_ == INVALID_HANDLE_VALUE) return 0;
    // Characters that never leave would hold up the close; the driver has waited for its
    // requests to leave already.
    PurgeComm(h_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    const BOOL ok = CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return ok != 0 ? 0 : -1;
  }

  // A read waits at most the time-out for the bytes asked; a write waits at most the time-out
  // for the line to take them.
  int TimeoutSetzen(double sekunden) override {
    if (h_ == INVALID_HANDLE_VALUE || aufgelegt_) return -1;
    if (!std::isfinite(sekunden) || sekunden < 0.0 || sekunden > 1.0e6) return -1;
    const DWORD ms = Millisekunden(
        std::chrono::duration_cast<Uhr::duration>(std::chrono::duration<double>(sekunden)));
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = 0;
    t.ReadTotalTimeoutMultiplier = 0;
    t.ReadTotalTimeoutConstant = ms;
    t.WriteTotalTimeoutMultiplier = 0;
    t.WriteTotalTimeoutConstant = ms;
    return Ergebnis(SetCommTimeouts(h_, &t));
  }

  // Writes everything; when the line does not take more within the time-out, the bytes
  // written so far.
  int Schreiben(const uint8_t* daten, size_t anzahl) override {
    if (h_ == INVALID_HANDLE_VALUE || aufgelegt_) return -1;
    size_t geschrieben = 0;
    while (geschrieben < anzahl) {
      const DWORD teil = static_cast<DWORD>(std::min<size_t>(anzahl - geschrieben, MAXDWORD));
      DWORD n = 0;
      if (WriteFile(h_, daten + geschrieben, teil, &n, nullptr) == 0) {
        aufgelegt_ = true;
        return geschrieben > 0 ? static_cast<int>(geschrieben) : -1;
      }
      if (n == 0) break;
      geschrieben += n;
    }
    return static_cast<int>(geschrieben);
  }

  int ByteLesen() override {
    if (h_ == INVALID_HANDLE_VALUE || aufgelegt_) return -1;
    if (pos_ == ende_ && !Nachladen()) return -1;
    return puffer_[pos_++];
  }

  // When characters are still queued, waits the time they need at the line rate, at most a
  // short slice, so that a caller polling for an empty queue neither spins nor waits without a
  // deadline.
  int AusgangsschlangeLaenge() override {
    if (h_ == INVALID_HANDLE_VALUE || aufgelegt_) return -1;
    int laenge = Ausgangsschlange();
    if (laenge > 0) {
      const auto dauer = std::chrono::duration_cast<Uhr::duration>(
          std::chrono::duration<double>(leitung_.Zeichendauer(laenge)));
      Ruhen(std::min<Uhr::duration>(dauer, kAusgangsscheibe));
      laenge = Ausgangsschlange();
    }
    return laenge;
  }

  int EingangLeeren() override {
    if (h_ == INVALID_HANDLE_VALUE || aufgelegt_) return -1;
    pos_ = ende_ = 0;
    return Ergebnis(PurgeComm(h_, PURGE_RXCLEAR));
  }

  int AusgangLeeren() override {
    if (h_ == INVALID_HANDLE_VALUE || aufgelegt_) return -1;
    return Ergebnis(PurgeComm(h_, PURGE_TXCLEAR));
  }

  bool Aufgelegt() const override { return aufgelegt_; }

 private:
  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, which older SDK headers lack.
  static constexpr DWORD kHoheAufloesung = 0x00000002;

  // A call on an open port fails only when the line is gone (an adapter pulled): every further
  // call then fails at once, as the driver expects of a hung-up line.
  int Ergebnis(BOOL ok) {
    if (ok != 0) return 0;
    aufgelegt_ = true;
    return -1;
  }

  // Bytes not yet sent; -1 when the line is gone.
  int Ausgangsschlange() {
    DWORD fehler = 0;
    COMSTAT status{};
    if (Ergebnis(ClearCommError(h_, &fehler, &status)) != 0) return -1;
    return static_cast<int>(std::min<DWORD>(status.cbOutQue, 0x7fffffff));
  }

  void Ruhen(Uhr::duration dauer) {
    const auto einheiten =
        std::chrono::duration_cast<std::chrono::nanoseconds>(dauer).count() / 100;
    LARGE_INTEGER faellig{};
    faellig.QuadPart = -std::max<long long>(einheiten, 1);  // relative, in 100 ns
    if (uhr_ != nullptr && SetWaitableTimer(uhr_, &faellig, 0, nullptr, nullptr, FALSE) != 0)
      WaitForSingleObject(uhr_, INFINITE);
    else
      Sleep(1);
  }

  // Fills the buffer with what has arrived, waiting at most the time-out for the first byte:
  // one byte first (some drivers, Wine's among them, wait for a full buffer otherwise), then
  // what the input queue holds, which is there at once.
  bool Nachladen() {
    pos_ = ende_ = 0;
    DWORD n = 0;
    if (ReadFile(h_, puffer_, 1, &n, nullptr) == 0) {
      aufgelegt_ = true;
      return false;
    }
    DWORD fehler = 0;
    COMSTAT status{};
    // A line that hung up reads as empty until the time-out; it no longer reports its state.
    if (Ergebnis(ClearCommError(h_, &fehler, &status)) != 0 || n == 0) return false;
    const DWORD mehr = std::min<DWORD>(status.cbInQue, sizeof puffer_ - 1);
    DWORD m = 0;
    if (mehr > 0 && ReadFile(h_, puffer_ + 1, mehr, &m, nullptr) == 0) {
      aufgelegt_ = true;
      return false;
    }
    ende_ = 1 + m;
    return true;
  }

  HANDLE h_;
  HANDLE uhr_ = nullptr;
  Leitungseinstellung leitung_;
  bool aufgelegt_ = false;
  uint8_t puffer_[512];
  size_t pos_ = 0;
  size_t ende_ = 0;
};

}  // namespace

std::unique_ptr<ComPort> Win32PortOeffnen(int nummer, const Leitungseinstellung& einstellung) {
  if (nummer < 1 || nummer > 256) return nullptr;
  // The \\.\ form opens every COM number, also those above 9.
  const std::wstring name = L"\\\\.\\COM" + std::to_wstring(nummer);
  // No sharing: one program at a time on a line.
  const HANDLE h = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  if (!Einstellen(h, einstellung)) {
    CloseHandle(h);
    return nullptr;
  }
  auto port = std::make_unique<Win32Port>(h, einstellung);
  // The driver sets its own time-out; until then reads wait as on the other platforms.
  if (port->TimeoutSetzen(5.0) != 0) return nullptr;
  PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR);
  return port;
}
