#include "tests/integration/prozesse.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

// Generous bounds for events that normally come at once; they only keep a broken program from
// hanging the test run.
constexpr int kStartFristMs = 20000;
constexpr int kEndeFristMs = 20000;

[[noreturn]] void Starten(const std::string& programm, const std::vector<std::string>& argumente,
                          const std::filesystem::path& xdg) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive a test process that died
  setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(programm.c_str()));
  for (const std::string& a : argumente) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(programm.c_str(), argv.data());
  _exit(127);
}

int Status(int roh) {
  return WIFEXITED(roh) ? WEXITSTATUS(roh) : -1;
}

// Waits for the child's end; false when it is still running after the bound.
bool Warten(pid_t pid, int& status) {
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  if (pidfd >= 0) {
    pollfd p{pidfd, POLLIN, 0};
    const int bereit = poll(&p, 1, kEndeFristMs);
    close(pidfd);
    if (bereit <= 0) return false;
  }
  return waitpid(pid, &status, 0) == pid;
}

std::string Inhalt(const std::filesystem::path& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  std::ostringstream text;
  text << datei.rdbuf();
  return text.str();
}

}  // namespace

SimProzess::SimProzess(const std::vector<std::string>& argumente, const std::filesystem::path& xdg,
                       const std::filesystem::path& fehler) {
  int rohr[2];
  if (pipe2(rohr, O_CLOEXEC) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(rohr[1], STDOUT_FILENO);
    if (!fehler.empty()) {
      const int f = open(fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (f < 0) _exit(126);
      dup2(f, STDERR_FILENO);
    }
    Starten(TVM5R_SIM, argumente, xdg);
  }
  close(rohr[1]);
  aus_ = rohr[0];
  if (pid_ < 0) return;
  // Ready when the first line has arrived.
  const auto frist = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartFristMs);
  std::string gelesen;
  while (gelesen.find('\n') == std::string::npos) {
    const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
        frist - std::chrono::steady_clock::now());
    pollfd p{aus_, POLLIN, 0};
    if (rest.count() <= 0 || poll(&p, 1, static_cast<int>(rest.count())) <= 0) return;
    char puffer[256];
    const ssize_t n = read(aus_, puffer, sizeof puffer);
    if (n <= 0) return;
    gelesen.append(puffer, static_cast<size_t>(n));
  }
  zeile_ = gelesen.substr(0, gelesen.find('\n'));
}

int SimProzess::Beenden() {
  if (pid_ <= 0) return -1;
  kill(pid_, SIGTERM);
  int status = 0;
  if (!Warten(pid_, status)) {
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return -1;
  }
  pid_ = -1;
  return Status(status);
}

SimProzess::~SimProzess() {
  Beenden();
  if (aus_ >= 0) close(aus_);
}

pid_t Tvm5rStarten(const std::vector<std::string>& argumente, const std::filesystem::path& xdg) {
  const std::filesystem::path aus = xdg / "tvm5r.aus";
  const std::filesystem::path fehler = xdg / "tvm5r.fehler";
  const pid_t pid = fork();
  if (pid == 0) {
    const int a = open(aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int f = open(fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (a < 0 || f < 0) _exit(126);
    dup2(a, STDOUT_FILENO);
    dup2(f, STDERR_FILENO);
    Starten(TVM5R_CLI, argumente, xdg);
  }
  return pid;
}

Lauf Tvm5rAbwarten(pid_t pid, const std::filesystem::path& xdg) {
  Lauf lauf;
  int status = 0;
  if (pid < 0 || !Warten(pid, status)) {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
    }
    return lauf;
  }
  lauf.status = Status(status);
  lauf.aus = Inhalt(xdg / "tvm5r.aus");
  lauf.fehler = Inhalt(xdg / "tvm5r.fehler");
  return lauf;
}

Lauf Tvm5r(const std::vector<std::string>& argumente, const std::filesystem::path& xdg) {
  return Tvm5rAbwarten(Tvm5rStarten(argumente, xdg), xdg);
}

bool WartenBis(const std::function<bool()>& bedingung) {
  const auto frist = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartFristMs);
  while (!bedingung()) {
    if (std::chrono::steady_clock::now() > frist) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}
