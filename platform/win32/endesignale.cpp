#include "platform/endesignale.h"

#include <windows.h>

#include <algorithm>

namespace {

// The console calls the handler on a thread of its own; it only touches these two events. They
// are made once and live as long as the process, as a handler may still wait on them.
HANDLE gEmpfangen = nullptr;
// Set when the Endesignale object goes, i.e. once the program has ended in order.
HANDLE gBeendet = nullptr;

// Windows ends the process when the handler of a closed console, a logoff or a shutdown returns,
// and at the latest after a few seconds: the handler waits that long for the orderly end.
constexpr DWORD kSchliessenWarten = 4500;

BOOL WINAPI EndeSignal(DWORD art) {
  switch (art) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
      SetEvent(gEmpfangen);
      return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      SetEvent(gEmpfangen);
      WaitForSingleObject(gBeendet, kSchliessenWarten);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

Endesignale::Endesignale() {
  if (gEmpfangen == nullptr) gEmpfangen = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (gBeendet == nullptr) gBeendet = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (gEmpfangen != nullptr) ResetEvent(gEmpfangen);
  if (gBeendet != nullptr) ResetEvent(gBeendet);
  eingerichtet_ =
      gEmpfangen != nullptr && gBeendet != nullptr && SetConsoleCtrlHandler(EndeSignal, TRUE) != 0;
}

Endesignale::~Endesignale() {
  SetConsoleCtrlHandler(EndeSignal, FALSE);
  // A handler still waiting lets the process end now.
  if (gBeendet != nullptr) SetEvent(gBeendet);
}

bool Endesignale::Empfangen() const {
  return gEmpfangen != nullptr && WaitForSingleObject(gEmpfangen, 0) == WAIT_OBJECT_0;
}

bool Endesignale::Warten(std::chrono::steady_clock::time_point bis) const {
  using namespace std::chrono;
  if (gEmpfangen == nullptr) return false;
  for (;;) {
    const auto rest = ceil<milliseconds>(bis - steady_clock::now()).count();
    const DWORD ms = static_cast<DWORD>(std::clamp<long long>(rest, 0, 60'000));
    if (WaitForSingleObject(gEmpfangen, ms) == WAIT_OBJECT_0) return true;
    if (rest <= 60'000) return Empfangen();
  }
}

// Windows has no descriptor that an event loop could watch for this.
int Endesignale::Deskriptor() const {
  return -1;
}
