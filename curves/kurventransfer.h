#pragma once
// Writing the curve image into the device's curve memory (type 4) or dither-amplitude memory
// (type 5), reading it back into curve 1, and adapting output 1's scaling to the connected
// device. The port and the device address come from the COM settings at the moment of the call.

#include <functional>
#include <span>
#include <string>

#include "base/dialoge.h"
#include "base/fehlerausgabe.h"
#include "config/konfigzustand.h"
#include "curves/kurvenabbild.h"
#include "curves/kurvensatz.h"
#include "device/geraetezugang.h"

inline constexpr int kKurvenspeicher = 4;
inline constexpr int kDitherspeicher = 5;

// Before every send: when the curves of more than one point differ in duration, the warning
// lists them and asks "Kurven senden" or "zurück". 0 = go on, 1 = the user chose not to send.
int KurvenGleichLangPruefen(const Kurvensatz& satz, Dialoge& dialoge);

// Compiles curve 1 and writes it from address 4096 into memory type typ. An image that does not
// fit is refused with a popup; driver errors and a stop by the user go to the error indicators,
// and once the write had begun a "Warnung" says that the box holds an incomplete curve. A
// complete write is reported in the indicators' text ("Kurve geschrieben: 34 Bytes in 0,1 s").
// Result 0.
int KurvenSenden(const Kurvensatz& satz, Fehlerausgabe& fehler, Geraetezugang& zugang, int typ);
// The warning after a write of memory type typ that did not complete.
std::string KurveUnvollstaendigText(int typ);

// Reads the image from memory type typ into curve 1 with its cycles and rest value. Returns
// -600404, -600406 or -1019472 (header end address outside 4128..65535) for NOV_Fehlerpopup;
// driver errors, -897407 (checksum) and the codes of KurvenAbbildUebernehmen go to the error
// indicators with result 0. After a complete read knoepfeFreigeben (KurvenknoepfeFreigeben)
// is called and the indicators' text reports it ("Kurve gelesen: ..."). The caller then clears the
// title's file name, shows the whole curve and redraws.
int KurvenLesen(Kurvensatz& satz, Fehlerausgabe& fehler, Geraetezugang& zugang, int typ,
                const std::function<void()>& knoepfeFreigeben = {});

// Replaces the points of curve k with one point per word of addresses erste..letzte: 0,
// -1019417 or -1019418 (curve unchanged). Memory failures are shown at once (-600416, -600419,
// -600420), leave the curve unchanged and give 0.
int KurvenAbbildUebernehmen(Kurvensatz& satz, Fehlerausgabe& fehler, int k,
                            std::span<const uint8_t> abbild, int erste, int letzte);

// Reads addresses 4096..abbild.ende of memory type typ back and compares them byte by byte with
// the image: 0, the driver's code, or -1019478 ("Speicherinhalt fehlerhaft.") for a difference.
int KurvenAbbildPruefen(const Kurvenabbild& abbild, Dialoge& dialoge, Geraetezugang& zugang,
                        int typ);

// "an TVM-5R anpassen": idLesen is the COM panel's identification read (its result, and the
// text the panel then shows). Unless that text is "TVM5AR2", the device parameters
// "compartibility_mode" and "max_current" choose the user value at the upper scaling point of
// output 1 (4.095, 6.1425 or 8.19), which the configuration takes over; then yAchseSkalieren
// rescales the curves panel with the settings of curve 1. Every driver result goes to the error
// indicators. Result 0.
int GeraetAnpassen(Konfigzustand& konfig, Fehlerausgabe& fehler, Geraetezugang& zugang,
                   const std::function<int(std::string& kennung)>& idLesen,
                   const std::function<void()>& yAchseSkalieren);
