#include "cli/direktbefehle.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>

#include "base/einstellungen.h"
#include "cli/argumente.h"
#include "cli/ausgabedatei.h"
#include "cli/geraetesitzung.h"
#include "config/konfigdatei.h"
#include "config/konfigini.h"
#include "direct/direktpanelini.h"
#include "direct/direktsteuerung.h"
#include "platform/endesignale.h"

namespace {

using Argumente = std::vector<std::string>;
using Uhrzeit = std::chrono::steady_clock;

// A decimal number with a decimal point, whatever the locale.
double ReelleZahl(const std::string& text, const std::string& was) {
  double wert = 0.0;
  const char* ende = text.data() + text.size();
  const auto [stelle, fehler] = std::from_chars(text.data(), ende, wert);
  if (text.empty() || fehler != std::errc() || stelle != ende || !std::isfinite(wert))
    throw Aufruffehler(was + " muss eine Zahl sein (mit Dezimalpunkt): \"" + text + "\"");
  return wert;
}

// The channel configuration and the output limits the desktop program would use: the record of
// --konfig, else the settings file's; the limits always from the settings file. 0 or the code
// of the configuration file.
int EinstellungenLaden(Sitzung& s, const std::string& konfigdatei, Konfigzustand& konfig,
                       Direktfelder& felder) {
  IniDatei ini = Ini_New(true);
  const std::string pfad = IniPfad();
  if (Ini_ReadFromFile(ini, pfad) == 0) {
    ReadIniKonfigpanel(konfig, ini);
    ReadIniDirektpanel(felder, ini);
  } else if (konfigdatei.empty()) {
    s.meldungen() << "Hinweis: Einstellungsdatei " << pfad
                  << " nicht lesbar, Standardkonfiguration (0 bis 10 V)\n";
  }
  if (konfigdatei.empty()) return 0;
  Konfiguration record;
  if (const int code = KonfigdateiLesen(konfigdatei, record); code != 0) return code;
  konfig.KonfigurationSetzen(record);
  return 0;
}

// Everything a direct command works with: configuration, limits, the port and the behaviour of
// the direct panel on it.
struct Direktsitzung {
  Direktsitzung(Sitzung& s, Dialoge& dialoge)
      : geraet(s, dialoge, Geraetepanel::Direkt),
        konfig(dialoge),
        steuerung(konfig.gKonfig(), geraet.zugang, geraet.fehler) {}

  int Laden(Sitzung& s, const std::string& konfigdatei) {
    return EinstellungenLaden(s, konfigdatei, konfig, steuerung.felder);
  }

  Geraetesitzung geraet;
  Konfigzustand konfig;
  Direktsteuerung steuerung;
};

std::string Kanalwert(const Einheitenbereich& b, double wert) {
  return Festkomma(wert, b.stellen) + (b.einheit.empty() ? "" : " " + b.einheit);
}

// eingaenge [--konfig DATEI.sko]
int Eingaenge(Sitzung& s, const Argumente& argumente) {
  Argumente a = argumente;
  const std::string konfigdatei = Option(a, "--konfig", "Dateiname fehlt");
  AnzahlPruefen(a, 0, 0);
  Direktsitzung d(s, s.dialoge());
  if (const int code = d.Laden(s, konfigdatei); code != 0) return code;
  if (const int code = s.PortOeffnen(); code != 0) return code;
  if (const int code = d.steuerung.Eingang4Modus(); code != 0) return code;
  for (int i = 0; i < kKanaele; ++i)
    if (const int code = d.steuerung.EingangLesen(i); code != 0) return code;
  for (int i = 0; i < kKanaele; ++i) {
    s.aus() << "Eingang" << i + 1 << ": ";
    if (i == 3 && !d.steuerung.Eingang4Analog())
      s.aus() << "----- (Start/Stopp-Signal)\n";
    else
      s.aus() << Kanalwert(d.steuerung.EingangBereich(i), d.steuerung.EingangWert(i)) << '\n';
  }
  return 0;
}

// ausgang K WERT [--konfig DATEI.sko]
int Ausgang(Sitzung& s, const Argumente& argumente) {
  Argumente a = argumente;
  const std::string konfigdatei = Option(a, "--konfig", "Dateiname fehlt");
  AnzahlPruefen(a, 2, 2);
  const int k = static_cast<int>(ZahlLesen(a[0], "Der Ausgang", 1, 4)) - 1;
  const double wert = ReelleZahl(a[1], "Der Wert");
  Direktsitzung d(s, s.dialoge());
  if (const int code = d.Laden(s, konfigdatei); code != 0) return code;
  const Einheitenbereich b = d.steuerung.AusgangBereich(k);
  if (wert < b.Kleinster() || wert > b.Groesster())
    throw Aufruffehler("Der Wert für Ausgang " + std::to_string(k + 1) + " muss zwischen " +
                       Kanalwert(b, b.Kleinster()) + " und " + Kanalwert(b, b.Groesster()) +
                       " liegen");
  if (const int code = s.PortOeffnen(); code != 0) return code;
  d.steuerung.felder.ausgang[k] = wert;
  if (const int code = d.steuerung.AusgangSetzen(k); code != 0) return code;
  if (d.steuerung.felder.ausgang[k] != wert)
    s.meldungen() << "Hinweis: auf die Begrenzung " << Kanalwert(b, d.steuerung.felder.ausgang[k])
                  << " gesetzt\n";
  s.aus() << "Ausgang" << k + 1 << ": " << Kanalwert(b, d.steuerung.felder.ausgang[k]) << '\n';
  return 0;
}

// The session's dialogs, except that the file selection answers with the record file and error
// popups stay silent: the command reports the code itself.
class Protokolldialoge : public Dialoge {
 public:
  Protokolldialoge(Dialoge& basis, std::string datei) : basis_(basis), datei_(std::move(datei)) {}
  void MessagePopup(const std::string&, const std::string&) override {}
  int GenericMessagePopup(const Frage& frage) override { return basis_.GenericMessagePopup(frage); }
  std::optional<std::string> FileSelectPopup(const Dateiauswahl&) override { return datei_; }
  void FortschrittOeffnen(const std::string& t, const std::string& l) override {
    basis_.FortschrittOeffnen(t, l);
  }
  void FortschrittSetzen(int prozent) override { basis_.FortschrittSetzen(prozent); }
  void FortschrittSchliessen() override { basis_.FortschrittSchliessen(); }

 private:
  Dialoge& basis_;
  std::string datei_;
};

// protokoll DATEI --intervall S [--dauer S] [--konfig DATEI.sko]
int Protokoll(Sitzung& s, const Argumente& argumente) {
  Argumente a = argumente;
  const std::string konfigdatei = Option(a, "--konfig", "Dateiname fehlt");
  const std::string intervalltext = Option(a, "--intervall", "Sekunden fehlt");
  const std::string dauertext = Option(a, "--dauer", "Sekunden fehlt");
  AnzahlPruefen(a, 1, 1);
  if (intervalltext.empty()) throw Aufruffehler("--intervall fehlt");
  const double intervall = Abtastintervall(ReelleZahl(intervalltext, "Das Intervall"));
  const double dauer = dauertext.empty() ? 0.0 : ReelleZahl(dauertext, "Die Dauer");
  if (!dauertext.empty() && !(dauer > 0.0 && dauer <= 1e9))
    throw Aufruffehler("Die Dauer muss größer als 0 sein");

  Protokolldialoge dialoge(s.dialoge(), a[0]);
  Direktsitzung d(s, dialoge);
  if (const int code = d.Laden(s, konfigdatei); code != 0) return code;
  if (const int code = AusgabeVorabPruefen(s, a[0], -308306); code != 0) return code;
  if (const int code = s.PortOeffnen(); code != 0) return code;
  Direktsteuerung& st = d.steuerung;
  st.felder.dateiSpeichern = true;
  // Ctrl-C, SIGTERM and a closed terminal end the record in the next pause between two samples.
  Endesignale signale;
  const int start = st.AbfrageStarten();
  if (!st.AbfrageLaeuft() || !st.ProtokollOffen()) {
    st.AbfrageBeenden();
    return start;
  }
  const auto beginn = Uhrzeit::now();
  const auto schritt = std::chrono::duration<double>(intervall);
  long zeilen = 0;
  for (long n = 1;; ++n) {
    if (dauer > 0.0 && n * intervall > dauer + 1e-9) break;
    if (signale.Warten(beginn + std::chrono::duration_cast<Uhrzeit::duration>(n * schritt))) break;
    if (const int code = st.DirektTimer_Callback(); code != 0) return code;
    ++zeilen;
  }
  st.AbfrageAbschliessen();
  s.aus() << a[0] << ": " << zeilen << " Zeilen\n";
  return 0;
}

}  // namespace

std::vector<Befehl> Direktbefehle() {
  return {
      {"eingaenge", "[--konfig DATEI.sko]",
       "liest die vier Eingänge einmal, in den Einheiten der Konfiguration", Eingaenge},
      {"ausgang", "K WERT [--konfig DATEI.sko]",
       "setzt Ausgang K (1..4) auf WERT in seiner Einheit, höchstens auf seine Begrenzung",
       Ausgang},
      {"protokoll", "DATEI --intervall S [--dauer S] [--konfig DATEI.sko]",
       "fragt die Eingänge alle S Sekunden ab (mindestens 0.2) und hängt sie an DATEI an, bis die "
       "Dauer um ist oder Strg+C",
       Protokoll},
  };
}
