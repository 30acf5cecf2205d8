#pragma once
// Running the programs tvm5r-sim and tvm5r as child processes of a test, with their own port
// folder (XDG_CONFIG_HOME).

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A running simulator. Ready once its first output line (the terminal and port) has arrived;
// ended with SIGTERM, if need be SIGKILL, when the object goes, so it never outlives the test.
// Its standard error (the frames of `--log`) goes to the file `fehler` when one is given.
class SimProzess {
 public:
  SimProzess(const std::vector<std::string>& argumente, const std::filesystem::path& xdg,
             const std::filesystem::path& fehler = {});
  ~SimProzess();
  SimProzess(const SimProzess&) = delete;
  SimProzess& operator=(const SimProzess&) = delete;

  // The first line it printed, without the line end; empty when it printed none in time.
  const std::string& zeile() const { return zeile_; }
  // Sends SIGTERM and returns the exit status (-1 when it did not end normally).
  int Beenden();
  pid_t pid() const { return pid_; }

 private:
  pid_t pid_ = -1;
  int aus_ = -1;
  std::string zeile_;
};

struct Lauf {
  int status = -1;
  std::string aus;
  std::string fehler;
};

// Runs tvm5r with the arguments to its end.
Lauf Tvm5r(const std::vector<std::string>& argumente, const std::filesystem::path& xdg);
// The same in two steps, for a test that signals the running program: the process id (-1 when
// it could not be started), and its end.
pid_t Tvm5rStarten(const std::vector<std::string>& argumente, const std::filesystem::path& xdg);
Lauf Tvm5rAbwarten(pid_t pid, const std::filesystem::path& xdg);

// Waits for a condition that normally holds soon; the bound only keeps a fault from hanging.
bool WartenBis(const std::function<bool()>& bedingung);
