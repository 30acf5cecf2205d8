#include "characteristic/kennlinientransfer.h"

#include <new>
#include <vector>

#include "base/transferzeit.h"
#include "characteristic/kennlinienabbild.h"
#include "device/novhln1.h"
#include "device/speichertransfer.h"

namespace {

// "Kennlinie 3": the characteristic in slot 3, as the messages name it.
std::string KennlinieName(int slot) {
  return "Kennlinie " + std::to_string(slot);
}

// Reads the slot and checks its checksum; the error goes to the indicators.
bool SlotLesen(Geraetezugang& zugang, Fehlerausgabe& fehler, int slot,
               std::vector<uint8_t>& abbild) {
  const int code = KennlBlockLesen(zugang, fehler.dialoge(), KennlSlotAdresse(slot),
                                   kKennlSlotGroesse, abbild, true);
  if (code != 0) {
    fehler.ComFehlerSetzen(code);
    return false;
  }
  const Kennlslotkopf kopf = KennlSlotkopfLesen(abbild);
  if (KennlPruefsumme(abbild, kopf.Pruefende()) != kopf.pruefsumme) {
    fehler.ComFehlerSetzen(-897513);
    return false;
  }
  return true;
}

}  // namespace

int KennlModusPruefen(Geraetezugang& zugang, int& ok) {
  const int port = zugang.OffenerComPort();
  if (port == -1) return -122509;
  int modus = 0;
  if (const int code = NOVHLN1_ModusLesen(zugang.Ports(), port, zugang.Adresse(), modus); code != 0)
    return code;
  ok = (modus & 2) != 0 && (modus & 4) == 0 ? 1 : 0;
  return 0;
}

int KennlSpeicherVorbereiten(Geraetezugang& zugang, Dialoge& dialoge) {
  if (zugang.OffenerComPort() == -1) return -122507;
  const auto block = KennlLeerblock();
  for (int slot = 1; slot <= kKennlSlots; ++slot) {
    if (const int code = KennlBlockSchreiben(zugang, dialoge, block, KennlSlotAdresse(slot), false);
        code != 0)
      return code;
  }
  return 0;
}

int KennlBlockSchreiben(Geraetezugang& zugang, Dialoge& dialoge, std::span<const uint8_t> daten,
                        int start, bool fortschritt) {
  const int port = zugang.OffenerComPort();
  if (port == -1) return -122510;
  ComPorts& ports = zugang.Ports();
  const char adresse = zugang.Adresse();
  if (const int code = BloeckeSchreiben(fortschritt ? &dialoge : nullptr, ports, port, adresse,
                                        daten, start, kKennlSpeichertyp, true);
      code != 0)
    return code;
  if (const int code = NOVHLN1_ModusSchreiben(ports, port, adresse, 0, 4); code != 0) return code;
  return NOVHLN1_ModusSchreiben(ports, port, adresse, 1, 2);
}

int KennlBlockLesen(Geraetezugang& zugang, Dialoge& dialoge, int start, int anzahl,
                    std::span<uint8_t> daten, bool fortschritt) {
  const int port = zugang.OffenerComPort();
  if (port == -1) return -122524;
  int ok = 0;
  if (const int code = KennlModusPruefen(zugang, ok); code != 0) return code;
  if (ok == 0) return -1026525;
  return KurvenBlockLesen(dialoge, zugang.Ports(), port, zugang.Adresse(), start, anzahl, daten,
                          fortschritt, kKennlSpeichertyp);
}

int KennlSendeabbild(const Kennlinienzustand& zustand, const Konfiguration& konfig,
                     std::vector<uint8_t>& abbild) {
  return KennlAbbildErstellen(zustand.gKennlinie,
                              KennlAusgang2Roh(konfig, zustand.gKennlBegrenzung),
                              AnstiegszeitCode(zustand.gKennlAnstiegszeit), abbild);
}

int KennlAbbildPruefen(Geraetezugang& zugang, Dialoge& dialoge, int slot,
                       const std::vector<uint8_t>& abbild) {
  std::vector<uint8_t> gelesen(kKennlSlotGroesse);
  if (const int code = KennlBlockLesen(zugang, dialoge, KennlSlotAdresse(slot), kKennlSlotGroesse,
                                       gelesen, true);
      code != 0)
    return code;
  return gelesen == abbild ? 0 : -1019549;
}

int KennlSenden(const Kennlinienzustand& zustand, const Konfiguration& konfig,
                Fehlerausgabe& fehler, Geraetezugang& zugang) {
  std::vector<uint8_t> abbild;
  if (const int code = KennlSendeabbild(zustand, konfig, abbild); code != 0) return code;
  // Checked before the box is touched: preparing would empty all slots for nothing.
  const int slot = zustand.gKennlKurvenNr;
  if (!KennlSlotGueltig(slot)) return -1024506;
  fehler.ComFehlerSetzen(0);
  const Stoppuhr uhr;
  int ok = 0;
  if (const int code = KennlModusPruefen(zugang, ok); code != 0) {
    fehler.ComFehlerSetzen(code);
    return 0;
  }
  // From here on the box's memory changes.
  int code = ok == 0 ? KennlSpeicherVorbereiten(zugang, fehler.dialoge()) : 0;
  if (code == 0)
    code = KennlBlockSchreiben(zugang, fehler.dialoge(), abbild, KennlSlotAdresse(slot), true);
  if (code == 0) {
    fehler.ComMeldungSetzen(
        Transfermeldung(KennlinieName(slot) + " geschrieben", kKennlSlotGroesse, uhr.Sekunden()));
    return 0;
  }
  fehler.ComFehlerSetzen(code);
  fehler.dialoge().MessagePopup("Warnung", KennlUnvollstaendigText(slot));
  return 0;
}

std::string KennlUnvollstaendigText(int slot) {
  return "Die Kennlinie wurde nicht vollständig geschrieben.\nDie PWC-2 enthält jetzt eine "
         "unvollständige Kennlinie in Kurve Nr. " +
         std::to_string(slot) + ";\nsie muss erneut geschrieben werden.";
}

int KennlLesen(Kennlinienzustand& zustand, const Konfiguration& konfig, Fehlerausgabe& fehler,
               Geraetezugang& zugang) {
  const int slot = zustand.gKennlKurvenNr;
  if (!KennlSlotGueltig(slot)) return -1024511;
  fehler.ComFehlerSetzen(0);
  int ok = 0;
  if (const int code = KennlModusPruefen(zugang, ok); code != 0) return code;
  if (ok == 0) {
    fehler.ComFehlerSetzen(-1026512);
    return 0;
  }
  const Stoppuhr uhr;
  std::vector<uint8_t> abbild(kKennlSlotGroesse);
  if (!SlotLesen(zugang, fehler, slot, abbild)) return 0;
  const Kennlslotkopf kopf = KennlSlotkopfLesen(abbild);
  KennlAbbildUebernehmen(zustand, fehler, std::span(abbild).subspan(kKennlSlotKopf),
                         kopf.leer ? 1 : kKennlWerte);
  zustand.gKennlAnstiegszeit = AnstiegszeitAusCode(kopf.anstiegsCode);
  if (kopf.ausgang2 > kKennlRohMax) {
    fehler.ComFehlerSetzen(-1019514);
    return 0;
  }
  zustand.gKennlBegrenzung = RohYInEinheit(konfig, 2, kopf.ausgang2);
  fehler.ComMeldungSetzen(
      Transfermeldung(KennlinieName(slot) + " gelesen", kKennlSlotGroesse, uhr.Sekunden()));
  return 0;
}

void KennlNachLesen(Kennlinienzustand& zustand) {
  zustand.gKennlDateiname.clear();
  zustand.gKennlAnsichtStart = 0;
  zustand.gKennlAnsichtEnde = kKennlRohMax - 1;
}

void KennlAbbildUebernehmen(Kennlinienzustand& zustand, Fehlerausgabe& fehler,
                            std::span<const uint8_t> werte, int anzahl) {
  std::vector<Kennlinienpunkt> punkte;
  try {
    punkte = KennlAbbildPunkte(werte, anzahl);
  } catch (const std::bad_alloc&) {
    fehler.NOV_Fehlerpopup(-600527);
    return;
  }
  if (KennlPunkteUebernehmen(zustand.gKennlinie, punkte) != 0) fehler.NOV_Fehlerpopup(-600528);
}

int KennlAusgang4Setzen(const Kennlinienzustand& zustand, Fehlerausgabe& fehler,
                        Geraetezugang& zugang) {
  if (!KennlSlotGueltig(zustand.gKennlKurvenNr)) return -1024550;
  const int port = zugang.OffenerComPort();
  if (port == -1) {
    fehler.ComFehlerSetzen(-122544);
    return 0;
  }
  if (const int code = NOVHLN1_AusgangSchreiben(zugang.Ports(), port, zugang.Adresse(), "a4",
                                                zustand.gKennlKurvenNr);
      code != 0)
    fehler.ComFehlerSetzen(code);
  return 0;
}
