// The real desktop program against tvm5r-sim: it holds the simulator's port open, sees at once
// when the simulator ends (the port's terminal is no longer open in the program), uses almost
// no processor while it waits for the port, and opens it again within 2 s when a new simulator
// starts behind the same port number.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "tests/integration/prozesse.h"
#include "tests/support/tempordner.h"

namespace {

using Uhr = std::chrono::steady_clock;

// The desktop program offscreen with its own settings folder, as a child process.
class Programm {
 public:
  explicit Programm(const std::filesystem::path& xdg) {
    pid_ = fork();
    if (pid_ == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      execl(TVM5R_KURVENGENERATOR, TVM5R_KURVENGENERATOR, static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~Programm() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  pid_t pid() const { return pid_; }

  // Whether the program holds the terminal geraet open.
  bool HaeltOffen(const std::string& geraet) const {
    std::error_code f;
    for (const auto& e :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid_) + "/fd", f)) {
      std::error_code g;
      if (std::filesystem::read_symlink(e.path(), g).string() == geraet) return true;
    }
    return false;
  }
  // Seconds of processor time the program used so far.
  double Prozessorzeit() const {
    clockid_t uhr;
    timespec t{};
    if (clock_getcpuclockid(pid_, &uhr) != 0 || clock_gettime(uhr, &t) != 0) return -1.0;
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
  }

 private:
  pid_t pid_ = -1;
};

// Waits until bedingung holds or the deadline passes; the seconds it took, or -1.
template <class Bedingung>
double Abwarten(Bedingung bedingung, std::chrono::milliseconds frist) {
  const Uhr::time_point start = Uhr::now();
  while (!bedingung()) {
    if (Uhr::now() - start > frist) return -1.0;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return std::chrono::duration<double>(Uhr::now() - start).count();
}

// Waits until the program has finished what it was doing (start, drawing the closed line):
// half a second in which it uses less than 0.1 % of a core; false when that never comes.
bool Ruhig(const Programm& programm) {
  for (int i = 0; i < 40; ++i) {
    const double vorher = programm.Prozessorzeit();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    if (programm.Prozessorzeit() - vorher < 0.0005) return true;
  }
  return false;
}

// "/dev/pts/4 COM 7": the terminal of the simulator's first line.
std::string Terminal(const SimProzess& sim) {
  return sim.zeile().substr(0, sim.zeile().find(' '));
}

}  // namespace

TEST(Wiederverbinden, ProgrammOeffnetDenPortDesNeuenSimulatorsSparsam) {
  TempOrdner xdg;
  std::filesystem::create_directories(xdg.pfad() / "tvm5r");
  std::ofstream(xdg.pfad() / "tvm5r" / "tvm5RKurvengenerator.ini")
      << "[com]\r\nport = 7\r\nlport = 7\r\n";

  auto sim = std::make_unique<SimProzess>(std::vector<std::string>{"--com", "7"}, xdg.pfad());
  const std::string erstes = Terminal(*sim);
  ASSERT_FALSE(erstes.empty());
  Programm programm(xdg.pfad());
  ASSERT_GE(Abwarten([&] { return programm.HaeltOffen(erstes); }, std::chrono::seconds(60)), 0.0)
      << "the program did not open COM 7 at its start";

  ASSERT_TRUE(Ruhig(programm));

  // The hang-up is seen by the event loop at once, not at the next operation.
  ASSERT_EQ(sim->Beenden(), 0);
  sim.reset();
  EXPECT_GE(Abwarten([&] { return !programm.HaeltOffen(erstes); }, std::chrono::seconds(1)), 0.0);

  // Waiting costs at most 0.1 % of a core: a check once a second.
  ASSERT_TRUE(Ruhig(programm));
  const double cpuVorher = programm.Prozessorzeit();
  const Uhr::time_point vorher = Uhr::now();
  std::this_thread::sleep_for(std::chrono::seconds(5));
  const double cpu = programm.Prozessorzeit() - cpuVorher;
  const double wand = std::chrono::duration<double>(Uhr::now() - vorher).count();
  ASSERT_GE(cpuVorher, 0.0);
  EXPECT_LE(cpu, 0.001 * wand) << cpu << " s of processor time in " << wand << " s";

  sim = std::make_unique<SimProzess>(std::vector<std::string>{"--com", "7"}, xdg.pfad());
  const std::string zweites = Terminal(*sim);
  ASSERT_FALSE(zweites.empty());
  const double dauer =
      Abwarten([&] { return programm.HaeltOffen(zweites); }, std::chrono::seconds(10));
  EXPECT_GE(dauer, 0.0) << "not reopened";
  EXPECT_LE(dauer, 2.0);
}
