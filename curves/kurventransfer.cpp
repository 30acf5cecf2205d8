#include "curves/kurventransfer.h"

#include <cmath>
#include <cstdio>
#include <new>
#include <vector>

#include "base/transferzeit.h"
#include "device/novhln1.h"
#include "device/speichertransfer.h"

namespace {

std::string Dauerzeile(int k, double mikrosekunden) {
  char zeile[64];
  std::snprintf(zeile, sizeof zeile, "Kurve %d: %.5f sek\n", k + 1, mikrosekunden / 1000 / 1000);
  return zeile;
}

// What the memory type holds, for the messages: "Kurve" or "Dither-Amplitude".
std::string Inhalt(int typ) {
  return typ == kDitherspeicher ? "Dither-Amplitude" : "Kurve";
}

// Reads memory type typ from address 4096 into abbild[4096 ..] (abbild holds the addresses).
int Lesen(Dialoge& dialoge, Geraetezugang& zugang, int typ, std::vector<uint8_t>& abbild,
          int anzahl, bool fortschritt) {
  return KurvenBlockLesen(dialoge, zugang.Ports(), zugang.OffenerComPort(), zugang.Adresse(),
                          kAbbildStart, anzahl, std::span(abbild).subspan(kAbbildStart),
                          fortschritt, typ);
}

bool Reservieren(std::vector<uint8_t>& puffer, int groesse) {
  try {
    puffer.resize(static_cast<size_t>(groesse));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

// Chooses SKALAOUTMAX1 from the device's parameters; false when "max_current" cannot be read.
bool SkalaOutMax1Waehlen(Konfigzustand& konfig, Fehlerausgabe& fehler, Geraetezugang& zugang) {
  const auto lesen = [&](const char* name, double& x) {
    const int code =
        NOVPWC2_ParameterLesen(zugang.Ports(), zugang.OffenerComPort(), zugang.Adresse(), name, x);
    fehler.ComFehlerSetzen(code);
    return code;
  };
  double x = 0.0;
  lesen("compartibility_mode", x);
  if (x == 1.0) {
    konfig.FeldSkalaOutMax1Setzen(4.095);
    return true;
  }
  if (lesen("max_current", x) != 0) return false;
  if (x == 6.0) konfig.FeldSkalaOutMax1Setzen(6.1425);
  if (x == 8.0) konfig.FeldSkalaOutMax1Setzen(8.19);
  return true;
}

}  // namespace

int KurvenGleichLangPruefen(const Kurvensatz& satz, Dialoge& dialoge) {
  std::string text = "Kurven sind nicht gleich lang, und laufen daher nicht synchron.\n\n";
  bool referenzDa = false;
  bool ungleich = false;
  double referenz = 0;
  for (int k = 0; k < satz.gKurvenzahl && k < kKurvenAnzahl; ++k) {
    const Kurve& kurve = satz.gKurven[k];
    if (kurve.anzahlPunkte() <= 1) continue;
    const double dauer = Kurvendauer(kurve);
    if (!referenzDa) {
      referenz = std::trunc(dauer);
      referenzDa = true;
    }
    if (dauer != referenz) ungleich = true;
    text += Dauerzeile(k, dauer);
  }
  if (!ungleich) return 0;
  const Frage frage{"Warnung", text, {"Kurven senden", "zurück"}, 1, 2};
  return dialoge.GenericMessagePopup(frage) == 1 ? 0 : 1;
}

int KurvenSenden(const Kurvensatz& satz, Fehlerausgabe& fehler, Geraetezugang& zugang, int typ) {
  const std::optional<Kurvenabbild> abbild = KurvenAbbildErstellen(satz);
  if (!abbild) {
    fehler.dialoge().MessagePopup("Fehler", kAbbildZuGross);
    return 0;
  }
  fehler.ComFehlerSetzen(0);
  const Stoppuhr uhr;
  const int anzahl = abbild->ende + 1 - kAbbildStart;
  const int code = KurvenBlockSchreiben(fehler.dialoge(), zugang.Ports(), zugang.OffenerComPort(),
                                        zugang.Adresse(), abbild->bytes, kAbbildStart, anzahl, typ);
  if (code == 0) {
    fehler.ComMeldungSetzen(Transfermeldung(Inhalt(typ) + " geschrieben", anzahl, uhr.Sekunden()));
    return 0;
  }
  fehler.ComFehlerSetzen(code);
  // Without a port nothing was sent; otherwise part of the image may be in the box.
  if (code != -122430) fehler.dialoge().MessagePopup("Warnung", KurveUnvollstaendigText(typ));
  return 0;
}

std::string KurveUnvollstaendigText(int typ) {
  const std::string was = Inhalt(typ);
  return "Die " + was + " wurde nicht vollständig geschrieben.\nDer TVM-5R enthält jetzt eine " +
         "unvollständige " + was + ";\nsie muss erneut geschrieben werden.";
}

int KurvenLesen(Kurvensatz& satz, Fehlerausgabe& fehler, Geraetezugang& zugang, int typ,
                const std::function<void()>& knoepfeFreigeben) {
  fehler.ComFehlerSetzen(0);
  const Stoppuhr uhr;
  std::vector<uint8_t> abbild;
  if (!Reservieren(abbild, kKurvendatenStart)) return -600404;
  if (const int code = Lesen(fehler.dialoge(), zugang, typ, abbild, kAbbildKopf, false);
      code != 0) {
    fehler.ComFehlerSetzen(code);
    return 0;
  }
  const Abbildkopf kopf = AbbildkopfLesen(abbild);  // the number of curves is taken as 1
  const int e = kopf.endadressen[0];
  if (e < kKurvendatenStart) return -1019472;  // a 16-bit address never exceeds 65535
  if (!Reservieren(abbild, e + 1)) return -600406;
  if (const int code = Lesen(fehler.dialoge(), zugang, typ, abbild, e + 1 - kAbbildStart, true);
      code != 0) {
    fehler.ComFehlerSetzen(code);
    return 0;
  }
  if (KurvenPruefsumme(abbild, kAbbildStart + 2, e) != kopf.pruefsumme) {
    fehler.ComFehlerSetzen(-897407);
    return 0;
  }
  if (const int code = KurvenAbbildUebernehmen(satz, fehler, 0, abbild, kKurvendatenStart, e);
      code != 0) {
    fehler.ComFehlerSetzen(code);
    return 0;
  }
  satz.gZyklen[0] = kopf.zyklen[0];
  satz.gRuhezustand[0] = kopf.ruhezustand[0];
  if (knoepfeFreigeben) knoepfeFreigeben();
  fehler.ComMeldungSetzen(
      Transfermeldung(Inhalt(typ) + " gelesen", e + 1 - kAbbildStart, uhr.Sekunden()));
  return 0;
}

int KurvenAbbildUebernehmen(Kurvensatz& satz, Fehlerausgabe& fehler, int k,
                            std::span<const uint8_t> abbild, int erste, int letzte) {
  std::vector<Kurvenpunkt> punkte;
  try {
    punkte.reserve(1);
  } catch (const std::bad_alloc&) {
    fehler.NOV_Fehlerpopup(-600416);
    return 0;
  }
  try {
    if (const int code = AbbildPunkteLesen(abbild, erste, letzte, punkte); code != 0) return code;
  } catch (const std::bad_alloc&) {
    fehler.NOV_Fehlerpopup(-600419);
    return 0;
  }
  if (KurveUebernehmen(satz.gKurven[k], punkte) != 0) fehler.NOV_Fehlerpopup(-600420);
  return 0;
}

int KurvenAbbildPruefen(const Kurvenabbild& abbild, Dialoge& dialoge, Geraetezugang& zugang,
                        int typ) {
  std::vector<uint8_t> gelesen(kAbbildGroesse);
  if (const int code = Lesen(dialoge, zugang, typ, gelesen, abbild.ende + 1 - kAbbildStart, true);
      code != 0)
    return code;
  for (int a = kAbbildStart; a <= abbild.ende; ++a)
    if (gelesen[a] != abbild.bytes[a]) return -1019478;
  return 0;
}

int GeraetAnpassen(Konfigzustand& konfig, Fehlerausgabe& fehler, Geraetezugang& zugang,
                   const std::function<int(std::string& kennung)>& idLesen,
                   const std::function<void()>& yAchseSkalieren) {
  std::string kennung;
  fehler.ComFehlerSetzen(idLesen(kennung));
  if (kennung == "TVM5AR2") return 0;
  if (!SkalaOutMax1Waehlen(konfig, fehler, zugang)) return 0;
  konfig.KonfigfelderInStrukturSpeichern();
  if (yAchseSkalieren) yAchseSkalieren();
  return 0;
}
