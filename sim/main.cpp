// tvm5r-sim: simulated devices on a pseudo-terminal, used like a box on a serial port.


#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

#include "platform/endesignale.h"
#include "platform/posix/portsuche.h"
#include "sim/portlink.h"
#include "platform/posix/ptyserver.h"
#include "sim/simoptionen.h"

namespace {

int Fehler(const std::string& text) {
  std::cerr << "tvm5r-sim: " << text << '\n';
  return 1;
}

bool SpeicherLaden(Geraet& geraet, const std::string& pfad) {
  std::error_code fehler;
  return !std::filesystem::exists(pfad, fehler) || geraet.SpeicherLaden(pfad);
}

}  // namespace

int main(int argc, char** argv) {
  SimOptionen optionen;
  const std::string fehler =
      SimOptionenLesen(std::vector<std::string>(argv + 1, argv + argc), optionen);
  if (!fehler.empty()) {
    std::cerr << "tvm5r-sim: " << fehler << "\n\n" << SimHilfetext();
    return 2;
  }
  if (optionen.hilfe) {
    std::cout << SimHilfetext();
    return 0;
  }

  const Endesignale signale;
  if (!signale.Eingerichtet()) return Fehler("Signale nicht eingerichtet");

  SimLeitung leitung(optionen.seed);
  SimLeitungEinrichten(optionen, leitung);
  Geraet& erstes = leitung.Geraete().front();
  if (!optionen.speicher.empty() && !SpeicherLaden(erstes, optionen.speicher))
    return Fehler("Speicherdatei " + optionen.speicher + " hat nicht 131072 Bytes");
  if (optionen.log)
    leitung.protokoll = [](const Protokolleintrag& e) { std::cerr << ProtokollText(e) << '\n'; };

  PtyServer pty;
  if (!pty.Offen()) return Fehler("kein Pseudo-Terminal");
  std::unique_ptr<Portlink> link;
  if (optionen.com >= 0) {
    link = std::make_unique<Portlink>(Portordner(), optionen.com, pty.Pfad());
    if (!link->Angelegt()) return Fehler(link->Fehler());
  }

  std::cout << pty.Pfad();
  if (link) std::cout << " COM " << optionen.com;
  std::cout << std::endl;

  const int ergebnis = pty.Laufen(leitung, optionen.baud, signale.Deskriptor());
  if (!optionen.speicher.empty() && !erstes.SpeicherSpeichern(optionen.speicher))
    return Fehler("Speicherdatei " + optionen.speicher + " nicht geschrieben");
  return ergebnis == 0 ? 0 : Fehler("Pseudo-Terminal gestört");
}
