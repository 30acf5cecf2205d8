#include "platform/systemports.h"

#include "platform/posix/posixsystemports.h"

std::unique_ptr<Systemports> Maschinenports() {
  return std::make_unique<PosixSystemports>();
}
