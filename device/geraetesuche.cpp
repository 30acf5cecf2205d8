#include "device/geraetesuche.h"

#include "device/novhln1.h"

bool IstTvm5r(const std::string& kennung) {
  return kennung.rfind("NOV-TVM5AR", 0) == 0;
}

Suchergebnis AdressenAbsuchen(ComPorts& ports, int port,
                              const std::function<void(char adresse)>& vorAdresse) {
  Suchergebnis ergebnis;
  for (int i = 0; i < 8; ++i) {
    const char adresse = static_cast<char>('1' + i);
    if (vorAdresse) vorAdresse(adresse);
    std::string kennung;
    if (const int fehler = NOVHLN1_IDLesen(ports, port, adresse, kennung); fehler != 0) {
      if (!ports.Aufgelegt(port)) continue;
      ergebnis.fehler = fehler;
      break;
    }
    const bool tvm5r = IstTvm5r(kennung);
    ergebnis.adressen[i] = {tvm5r ? Fund::Tvm5r : Fund::Anderes, kennung};
    if (tvm5r) ergebnis.auswahl = adresse;
  }
  return ergebnis;
}
