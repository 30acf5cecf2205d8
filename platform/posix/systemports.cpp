#include "platform/systemports.h"

#include "platform/posix/portsuche.h"
#include "platform/posix/posixport.h"

namespace {

class PosixSystemports : public Systemports {
 public:
  std::unique_ptr<ComPort> Oeffnen(int nummer, const Leitungseinstellung& einstellung) override {
    return fabrik_.Oeffnen(nummer, einstellung);
  }
  std::vector<Systemport> Ports() override {
    std::vector<Systemport> ports;
    for (const auto& [nummer, pfad] : VorhandenePorts(StandardWurzeln()))
      ports.push_back({nummer, pfad, {}});
    return ports;
  }

 private:
  PosixPortfabrik fabrik_;
};

}  // namespace

std::unique_ptr<Systemports> Maschinenports() { return std::make_unique<PosixSystemports>(); }
