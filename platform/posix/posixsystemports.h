#pragma once
// The machine's ports on POSIX, found under the given folders: the program uses the system's,
// tests their own trees of /dev, /sys and the port folder.

#include "platform/posix/portsuche.h"
#include "platform/posix/posixport.h"
#include "platform/systemports.h"

class PosixSystemports : public Systemports {
 public:
  explicit PosixSystemports(PortWurzeln wurzeln = StandardWurzeln())
      : wurzeln_(wurzeln), fabrik_(std::move(wurzeln)) {}
  std::unique_ptr<ComPort> Oeffnen(int nummer, const Leitungseinstellung& einstellung) override {
    return fabrik_.Oeffnen(nummer, einstellung);
  }
  bool ZuletztBelegt() const override { return fabrik_.ZuletztBelegt(); }
  std::string Kennung(int nummer) const override { return fabrik_.Kennung(nummer); }
  std::vector<Systemport> Ports() override { return VorhandenePorts(wurzeln_); }

 private:
  PortWurzeln wurzeln_;
  PosixPortfabrik fabrik_;
};
