#pragma once
// Sending the characteristic into a slot of the box, reading a slot back, preparing the memory
// for characteristic operation and selecting a slot through output 4. The port and the device
// address come from the COM settings at the moment of each call; device-link failures during a
// transfer go to the error indicators.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/dialoge.h"
#include "base/fehlerausgabe.h"
#include "characteristic/kennlinienzustand.h"
#include "config/konfiguration.h"
#include "device/geraetezugang.h"

inline constexpr int kKennlSpeichertyp = 4;

// Whether the box holds characteristics: ok = 1 when the mode word has the bit of value 2 set
// and that of value 4 clear. 0, -122509 (no port) or the driver's code.
int KennlModusPruefen(Geraetezugang& zugang, int& ok);
// Writes the empty-slot block into slots 1..7 (each write switching the mode): 0, -122507 (no
// port) or the first error.
int KennlSpeicherVorbereiten(Geraetezugang& zugang, Dialoge& dialoge);
// Writes daten to start.. in chunks that end at 64-byte boundaries, then clears mode bit 4 and
// sets bit 2. With fortschritt, the dialog "Daten senden". 0, -122510 (no port) or the first
// error.
int KennlBlockSchreiben(Geraetezugang& zugang, Dialoge& dialoge, std::span<const uint8_t> daten,
                        int start, bool fortschritt);
// Reads anzahl bytes from start into daten in chunks of at most 64 bytes, when the box holds
// characteristics. With fortschritt, the dialog "Daten lesen". 0, -122524 (no port), the mode
// check's code, -1026525 (no characteristics) or the first error.
int KennlBlockLesen(Geraetezugang& zugang, Dialoge& dialoge, int start, int anzahl,
                    std::span<uint8_t> daten, bool fortschritt);

// The slot image KennlSenden writes: the points, the value of output 2 (BEGRENZUNG) and the
// rise-time code of ANSTIEGSZEIT. 0 or -1023505.
int KennlSendeabbild(const Kennlinienzustand& zustand, const Konfiguration& konfig,
                     std::vector<uint8_t>& abbild);
// Reads slot back and compares it byte by byte with the image: 0, the read's code, or -1019549
// ("Speicherinhalt fehlerhaft.") for a difference.
int KennlAbbildPruefen(Geraetezugang& zugang, Dialoge& dialoge, int slot,
                       const std::vector<uint8_t>& abbild);

// "zur PWC-2 schreiben": builds the image of slot gKennlKurvenNr and writes it, preparing the
// memory first when the box is in curve-generator operation. Returns -1023505 (image too long)
// or -1024506 (slot outside 1..7), before anything is sent; everything else goes to the error
// indicators with result 0, and a failure or stop once the memory began to change is followed
// by a "Warnung" that the slot holds an incomplete characteristic. A complete write is reported
// in the indicators' text ("Kennlinie 3 geschrieben: 8 224 Bytes in 8,7 s"). The
// characteristic, file name and modified flag stay.
int KennlSenden(const Kennlinienzustand& zustand, const Konfiguration& konfig,
                Fehlerausgabe& fehler, Geraetezugang& zugang);
// The warning after a write into slot that did not complete.
std::string KennlUnvollstaendigText(int slot);
// "von PWC-2 lesen": reads slot gKennlKurvenNr into the characteristic (one point per X, one
// point for an empty slot), the value of output 2 and the rise time. Returns -1024511 (slot
// outside 1..7) or the mode check's code; -1026512 (no characteristics), driver errors,
// -897513 (checksum, nothing changed) and -1019514 (value of output 2 out of range, the rest
// taken over) go to the error indicators with result 0. Comment, modified flag and undo ring
// stay; the caller then calls KennlNachLesen.
int KennlLesen(Kennlinienzustand& zustand, const Konfiguration& konfig, Fehlerausgabe& fehler,
               Geraetezugang& zugang);
// After reading, whatever the outcome: no current file and the whole X range in view.
void KennlNachLesen(Kennlinienzustand& zustand);
// Replaces the points by one point per big-endian value (anzahl values). Memory failures are
// shown (-600527, -600528) and leave the characteristic unchanged.
void KennlAbbildUebernehmen(Kennlinienzustand& zustand, Fehlerausgabe& fehler,
                            std::span<const uint8_t> werte, int anzahl);
// "über Ausg.4 anwählen": output "a4" set to the slot number; an error goes to the error
// indicators (-122544 without a port). Result 0, or -1024550 for a slot outside 1..7 (nothing
// sent).
int KennlAusgang4Setzen(const Kennlinienzustand& zustand, Fehlerausgabe& fehler,
                        Geraetezugang& zugang);
