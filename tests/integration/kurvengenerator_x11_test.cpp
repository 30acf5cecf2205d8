// The real desktop program on a real X server (run under xvfb-run), ended from outside as a
// window manager and the keyboard end it: the close box (WM_DELETE_WINDOW) and Escape end it
// within 3 s with the settings file written. A program that does not end fails by the limit.
// A settings folder that cannot be written is reported at the start and at the end.

#include <gtest/gtest.h>

// After the test framework: Xlib defines macros (None, Status) that clash with its names.
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "tests/support/tempordner.h"

namespace {

using Uhr = std::chrono::steady_clock;

constexpr int kEndeFristMs = 3000;
constexpr auto kStartfrist = std::chrono::seconds(60);

// Waits for the next X event until the deadline; false when none came.
bool EreignisAbwarten(Display* anzeige, XEvent& ereignis, Uhr::time_point frist) {
  while (XPending(anzeige) == 0) {
    const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(frist - Uhr::now());
    if (rest.count() <= 0) return false;
    pollfd p{ConnectionNumber(anzeige), POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(rest.count())) <= 0) return false;
  }
  XNextEvent(anzeige, &ereignis);
  return true;
}

bool TitelIst(Display* anzeige, Window fenster, const char* titel) {
  char* name = nullptr;
  const bool gleich =
      XFetchName(anzeige, fenster, &name) != 0 && name != nullptr && std::strcmp(name, titel) == 0;
  if (name != nullptr) XFree(name);
  return gleich;
}

// The desktop program with its own settings folder, as a child process.
class Programm {
 public:
  explicit Programm(const std::string& xdg) {
    pid_ = fork();
    if (pid_ == 0) {
      setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
      setenv("QT_QPA_PLATFORM", "xcb", 1);
      execl(TVM5R_KURVENGENERATOR, TVM5R_KURVENGENERATOR, static_cast<char*>(nullptr));
      _exit(127);
    }
    pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
  }
  ~Programm() {
    if (pid_ > 0 && !beendet_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (pidfd_ >= 0) close(pidfd_);
  }
  // The exit status when the program ended within ms milliseconds, else -1.
  int EndeAbwarten(int ms) {
    pollfd p{pidfd_, POLLIN, 0};
    if (pidfd_ < 0 || poll(&p, 1, ms) != 1) return -1;
    int status = 0;
    if (waitpid(pid_, &status, 0) != pid_) return -1;
    beendet_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int pidfd_ = -1;
  bool beendet_ = false;
};

void Schliessfeld(Display* anzeige, Window fenster) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = fenster;
  e.xclient.message_type = XInternAtom(anzeige, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(anzeige, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(anzeige, fenster, False, NoEventMask, &e);
}

// The next window mapped with this title, 0 when none came in time.
Window FensterAbwarten(Display* anzeige, const char* titel) {
  const Uhr::time_point frist = Uhr::now() + kStartfrist;
  XEvent ereignis{};
  while (EreignisAbwarten(anzeige, ereignis, frist))
    if (ereignis.type == MapNotify && TitelIst(anzeige, ereignis.xmap.window, titel))
      return ereignis.xmap.window;
  return 0;
}

void Taste(Display* anzeige, Window fenster, KeySym taste) {
  XSetInputFocus(anzeige, fenster, RevertToParent, CurrentTime);
  for (int art : {KeyPress, KeyRelease}) {
    XEvent e{};
    e.xkey.type = art;
    e.xkey.display = anzeige;
    e.xkey.window = fenster;
    e.xkey.root = DefaultRootWindow(anzeige);
    e.xkey.same_screen = True;
    e.xkey.keycode = XKeysymToKeycode(anzeige, taste);
    XSendEvent(anzeige, fenster, True, art == KeyPress ? KeyPressMask : KeyReleaseMask, &e);
  }
  XFlush(anzeige);
}

void Escape(Display* anzeige, Window fenster) {
  Taste(anzeige, fenster, XK_Escape);
}

Display* AnzeigeOeffnen() {
  Display* anzeige = XOpenDisplay(nullptr);
  if (anzeige == nullptr) return nullptr;
  XSelectInput(anzeige, DefaultRootWindow(anzeige), SubstructureNotifyMask);
  XSync(anzeige, False);
  return anzeige;
}

}  // namespace

TEST(KurvengeneratorX11, SchliessfeldUndEscapeBeenden) {
  const std::vector<std::pair<const char*, std::function<void(Display*, Window)>>> wege = {
      {"Schließfeld", Schliessfeld}, {"Escape", Escape}};
  for (const auto& [name, weg] : wege) {
    SCOPED_TRACE(name);
    Display* anzeige = AnzeigeOeffnen();
    ASSERT_NE(anzeige, nullptr) << "kein X-Server (unter xvfb-run starten)";

    TempOrdner xdg;
    std::filesystem::create_directories(xdg.pfad() / "tvm5r");
    const std::string ini = xdg.datei("tvm5r/tvm5RKurvengenerator.ini");
    std::ofstream(ini).flush();  // no first-start popup
    Programm programm(xdg.pfad().string());

    // The main window is mapped when the event loop is about to run.
    const Window fenster = FensterAbwarten(anzeige, "TVM-5R Kurvengenerator");
    ASSERT_NE(fenster, 0u);

    weg(anzeige, fenster);
    XFlush(anzeige);
    EXPECT_EQ(programm.EndeAbwarten(kEndeFristMs), 0);
    std::stringstream text;
    text << std::ifstream(ini).rdbuf();
    EXPECT_NE(text.str().find("[com]"), std::string::npos);
    XCloseDisplay(anzeige);
  }
}

// Settings in a folder that cannot be written (in a read-only file system, which holds for root
// too): the start reports the failed read before the main window, the end the failed write,
// and the program ends once that is answered.
TEST(KurvengeneratorX11, NichtSchreibbareEinstellungenWerdenGemeldet) {
  Display* anzeige = AnzeigeOeffnen();
  ASSERT_NE(anzeige, nullptr) << "kein X-Server (unter xvfb-run starten)";
  Programm programm("/proc/self/tvm5r-test");
  const Window lesen = FensterAbwarten(anzeige, "Fehler #801202");
  ASSERT_NE(lesen, 0u);
  Taste(anzeige, lesen, XK_Return);
  const Window fenster = FensterAbwarten(anzeige, "TVM-5R Kurvengenerator");
  ASSERT_NE(fenster, 0u);
  Schliessfeld(anzeige, fenster);
  XFlush(anzeige);
  const Window schreiben = FensterAbwarten(anzeige, "Fehler #800203");
  ASSERT_NE(schreiben, 0u);
  Taste(anzeige, schreiben, XK_Return);
  EXPECT_EQ(programm.EndeAbwarten(kEndeFristMs), 0);
  XCloseDisplay(anzeige);
}
