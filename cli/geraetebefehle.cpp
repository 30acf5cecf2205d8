#include "cli/geraetebefehle.h"

#include <algorithm>
#include <map>

#include "base/dateilesen.h"
#include "cli/argumente.h"
#include "cli/ausgabedatei.h"
#include "device/geraetesuche.h"
#include "device/novhln1.h"
#include "device/portliste.h"
#include "device/speichertransfer.h"
#include "platform/systemports.h"

namespace {

using Argumente = std::vector<std::string>;

constexpr long kSpeicherende = 0x10000;

// One line per port: "COM n", the device it opens and what it is, separated by tabs.
int Ports(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 0, 0);
  std::map<int, Systemport> ports;
  std::vector<int> nummern;
  for (const Systemport& port : Maschinenports()->Ports()) {
    ports[port.nummer] = port;
    nummern.push_back(port.nummer);
  }
  for (const PortlistenEintrag& e : ComPortliste(nummern)) {
    s.aus() << e.text;
    if (auto it = ports.find(e.wert); it != ports.end())
      s.aus() << '\t' << it->second.pfad << '\t' << it->second.beschreibung;
    s.aus() << '\n';
  }
  return 0;
}

int Id(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 0, 0);
  if (const int code = s.PortOeffnen(); code != 0) return code;
  std::string kennung;
  if (const int code = NOVHLN1_IDLesen(s.ports(), s.port(), s.adresse(), kennung); code != 0)
    return code;
  s.aus() << kennung << '\n';
  return 0;
}

int Scan(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 0, 0);
  if (const int code = s.PortOeffnen(); code != 0) return code;
  const Suchergebnis e = AdressenAbsuchen(s.ports(), s.port());
  for (size_t i = 0; i < e.adressen.size(); ++i) {
    const Adressfund& f = e.adressen[i];
    s.aus() << "Adresse " << i + 1 << ": ";
    if (f.fund == Fund::Tvm5r) s.aus() << "TVM-5R (" << f.kennung << ")\n";
    if (f.fund == Fund::Anderes) s.aus() << "anderes Gerät (" << f.kennung << ")\n";
    if (f.fund == Fund::Keines) s.aus() << "kein Gerät\n";
  }
  s.aus() << "Auswahl: ";
  if (e.auswahl) {
    s.aus() << e.auswahl << '\n';
  } else {
    s.aus() << "keine\n";
  }
  return 0;
}

int Start(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 0, 0);
  if (const int code = s.PortOeffnen(); code != 0) return code;
  return NOVHLN1_DeviceFunction(s.ports(), s.port(), s.adresse(), "start");
}

int Stopp(Sitzung& s, const Argumente& a) {
  AnzahlPruefen(a, 0, 0);
  if (const int code = s.PortOeffnen(); code != 0) return code;
  return NOVHLN1_DeviceFunction(s.ports(), s.port(), s.adresse(), "stopp");
}

// The value after "--datei" (removed from the arguments), empty when there is none.
std::string DateiOption(Argumente& a) {
  auto it = std::find(a.begin(), a.end(), "--datei");
  if (it == a.end()) return "";
  if (it + 1 == a.end()) throw Aufruffehler("--datei: Dateiname fehlt");
  std::string datei = *(it + 1);
  a.erase(it, it + 2);
  return datei;
}

// speicher lesen TYP START ANZAHL [--datei DATEI]
int SpeicherLesen(Sitzung& s, Argumente a) {
  const std::string datei = DateiOption(a);
  AnzahlPruefen(a, 3, 3);
  const int typ = static_cast<int>(ZahlLesen(a[0], "Der Speichertyp", 0, 9));
  const long start = ZahlLesen(a[1], "Die Startadresse", 0, kSpeicherende - 1);
  const long anzahl = ZahlLesen(a[2], "Die Anzahl", 1, kSpeicherende - start);
  std::vector<uint8_t> daten(static_cast<size_t>(anzahl));
  if (!datei.empty())
    if (const int code = AusgabeVorabPruefen(s, datei, -308974); code != 0) return code;
  if (const int code = s.PortOeffnen(); code != 0) return code;
  const int code =
      KurvenBlockLesen(s.dialoge(), s.ports(), s.port(), s.adresse(), static_cast<int>(start),
                       static_cast<int>(anzahl), daten, true, typ);
  if (code != 0) return code;
  if (datei.empty()) {
    s.aus() << HexText(daten);
    return 0;
  }
  const std::string_view inhalt(reinterpret_cast<const char*>(daten.data()), daten.size());
  return BytesSchreiben(s, datei, inhalt, -308974, -301975);
}

// speicher schreiben TYP START (HEX ... | --datei DATEI)
int SpeicherSchreiben(Sitzung& s, Argumente a) {
  const std::string datei = DateiOption(a);
  AnzahlPruefen(a, datei.empty() ? 3 : 2, datei.empty() ? 1000000 : 2);
  const int typ = static_cast<int>(ZahlLesen(a[0], "Der Speichertyp", 0, 9));
  const long start = ZahlLesen(a[1], "Die Startadresse", 0, kSpeicherende - 1);
  std::vector<uint8_t> daten;
  if (datei.empty()) {
    std::string hex;
    for (size_t i = 2; i < a.size(); ++i) hex += a[i] + ' ';
    daten = HexLesen(hex);
  } else {
    std::string inhalt;
    switch (DateiBegrenztLesen(datei, kSpeicherende, inhalt)) {
      case Leseergebnis::NichtGeoeffnet:
        return -308976;
      case Leseergebnis::NichtGelesen:
        return -304977;
      case Leseergebnis::ZuLang:
        return -320978;
      case Leseergebnis::Gelesen:
        break;
    }
    daten.assign(inhalt.begin(), inhalt.end());
  }
  if (daten.empty()) throw Aufruffehler("Keine Daten zum Schreiben");
  if (start + static_cast<long>(daten.size()) > kSpeicherende)
    throw Aufruffehler("Die Daten reichen über das Speicherende 0xFFFF hinaus");
  std::vector<uint8_t> abbild(kSpeicherende);  // indexed by device address
  std::copy(daten.begin(), daten.end(), abbild.begin() + start);
  if (const int code = s.PortOeffnen(); code != 0) return code;
  return KurvenBlockSchreiben(s.dialoge(), s.ports(), s.port(), s.adresse(), abbild,
                              static_cast<int>(start), static_cast<int>(daten.size()), typ);
}

int Speicher(Sitzung& s, const Argumente& a) {
  if (a.empty()) throw Aufruffehler("speicher: lesen oder schreiben erwartet");
  const Argumente rest(a.begin() + 1, a.end());
  if (a[0] == "lesen") return SpeicherLesen(s, rest);
  if (a[0] == "schreiben") return SpeicherSchreiben(s, rest);
  throw Aufruffehler("speicher: lesen oder schreiben erwartet, nicht \"" + a[0] + "\"");
}

}  // namespace

std::vector<Befehl> Geraetebefehle() {
  return {
      {"ports", "", "zeigt die seriellen Ports (COM-Nummer, Gerätedatei, Beschreibung)", Ports},
      {"id", "", "liest die Gerätekennung", Id},
      {"scan", "", "sucht Geräte an den Adressen 1 bis 8", Scan},
      {"start", "", "startet das Gerät", Start},
      {"stopp", "", "stoppt das Gerät", Stopp},
      {"speicher", "lesen TYP START ANZAHL [--datei DATEI]",
       "liest Gerätespeicher (Typ 4: Kurven, 5: Dither) als Hex-Text oder in eine Datei", Speicher},
      {"speicher", "schreiben TYP START (HEX... | --datei DATEI)", "schreibt Gerätespeicher",
       Speicher},
  };
}
