#include "tests/device/soaktabelle.h"

#include <cmath>

#include "device/novhln1.h"
#include "device/speichertransfer.h"
#include "tests/device/soakhilfe.h"

using namespace soak;

namespace {

std::vector<Soakzeile> Treiberzeilen() {
  return {
      {"NOVHLN1_IDLesen",
       Vereint({kFlush, {-101008, -114009, -402010, -405011, -403012, -404013, -404014, -404015}}),
       1, 3,
       [](Soakumgebung& u, std::mt19937&) {
         return Einzelwert(
             u, std::string("unverändert"),
             [&](std::string& t) { return NOVHLN1_IDLesen(u.ports, u.port, u.adresse, t); },
             [](const Geraet& g, const std::string& t) {
               std::string k = g.kennung;
               std::erase(k, ' ');
               return t == k;
             });
       }},
      {"NOVTVM1_BaudrateSchreiben",
       Vereint({kFlush, {-101019, -101020, -402021, -405022, -403023, -404024}}), 1, 2,
       [](Soakumgebung& u, std::mt19937& z) {
         // Address number 9 reaches all devices and is not acknowledged.
         const int nummer = z() % 4 == 0 ? 9 : u.adresse - '0';
         return Schreibend(
             u, [&] { return NOVTVM1_BaudrateSchreiben(u.ports, u.port, nummer, 9600); },
             [](const Geraet& g) { return g.baud == 9600; }, nummer != 9);
       }},
      {"NOVTVM1_AdresseSchreiben",
       Vereint({kFlush, {-101028, -101029, -402030, -405031, -403032, -404033}}), 1, 2,
       [](Soakumgebung& u, std::mt19937&) {
         const int nummer = u.adresse - '0';  // keeps the address, so that the soak goes on
         return Schreibend(
             u, [&] { return NOVTVM1_AdresseSchreiben(u.ports, u.port, nummer, nummer); },
             [&](const Geraet& g) { return g.adresse == u.adresse; });
       }},
      {"NOVHLN1_DeviceFunction",
       Vereint({kFlush, {-101037, -101038, -402039, -405040, -403041, -404042}}), 1, 3,
       [](Soakumgebung& u, std::mt19937& z) {
         const bool start = z() % 2 == 0;
         const char adresse = z() % 5 == 0 ? '&' : u.adresse;
         return Schreibend(
             u,
             [&] {
               return NOVHLN1_DeviceFunction(u.ports, u.port, adresse, start ? "start" : "stopp");
             },
             [&](const Geraet& g) { return g.laeuft == start; }, adresse != '&');
       }},
      {"NOVHLN1_EingangLesen",
       {-112046, -101047, -114048, -402049, -405050, -403051, -404052, -404053, -404054},
       1,
       3,
       [](Soakumgebung& u, std::mt19937& z) {
         const int n = Zufall(z, 1, 4);
         return Einzelwert(
             u, -12345.0,
             [&](double& v) {
               return NOVHLN1_EingangLesen(u.ports, u.port, u.adresse, "e" + std::to_string(n), v);
             },
             [&](const Geraet& g, double v) { return std::fabs(v - g.Eingang(n)) < 0.0006; });
       }},
      {"NOVHLN1_AusgangSchreiben",
       {-112062, -101063, -101064, -402065, -405066, -403067, -404068},
       1,
       3,
       [](Soakumgebung& u, std::mt19937& z) {
         const int n = Zufall(z, 1, 4);
         const double volt = Zufall(z, 0, 10000) / 1000.0;
         const char adresse = z() % 5 == 0 ? '&' : u.adresse;
         return Schreibend(
             u,
             [&] {
               return NOVHLN1_AusgangSchreiben(u.ports, u.port, adresse, "a" + std::to_string(n),
                                               volt);
             },
             [&](const Geraet& g) { return std::fabs(g.ausgaenge[n - 1] - volt) < 0.0006; },
             adresse != '&');
       }},
      {"NOVPWC2_ParameterLesen",
       {-112083, -101084, -114085, -402086, -405087, -403088, -404089, -404090, -404091},
       1,
       2,
       [](Soakumgebung& u, std::mt19937&) {
         return Einzelwert(
             u, -12345.0,
             [&](double& v) {
               return NOVPWC2_ParameterLesen(u.ports, u.port, u.adresse, "max_current", v);
             },
             [](const Geraet& g, double v) { return v == g.maxCurrent; });
       }},
      {"NOVHLN1_StatusLesen",
       Vereint({kFlush,
                {-101138, -114139, -402140, -405141, -403142, -404143, -404144, -404145, -404146,
                 -404147}}),
       1, 3,
       [](Soakumgebung& u, std::mt19937& z) {
         const int wort = Zufall(z, 1, 2);
         return Einzelwert(
             u, -1,
             [&](int& w) { return NOVHLN1_StatusLesen(u.ports, u.port, u.adresse, wort, w); },
             [&](const Geraet& g, int w) { return w == (wort == 1 ? g.status : g.fehler); });
       }},
      {"NOVHLN1_ModusLesen", kModusLesen, 1, 3,
       [](Soakumgebung& u, std::mt19937&) {
         return Einzelwert(
             u, -1, [&](int& m) { return NOVHLN1_ModusLesen(u.ports, u.port, u.adresse, m); },
             [](const Geraet& g, int m) { return m == g.modus; });
       }},
      {"NOVHLN1_ModusSchreiben", kModusSchreiben, 1, 3,
       [](Soakumgebung& u, std::mt19937& z) {
         // Only the switch between curve and characteristic operation, which the transfers use.
         const int maske = Zufall(z, 1, 3) * 2;
         const int setzen = Zufall(z, 0, 1);
         return Schreibend(
             u, [&] { return NOVHLN1_ModusSchreiben(u.ports, u.port, u.adresse, setzen, maske); },
             [&](const Geraet& g) { return (g.modus & maske) == (setzen ? maske : 0); });
       }},
      {"NOVHLN1_SpeicherSchreiben", kSpeicherSchreiben, 1, 3,
       [](Soakumgebung& u, std::mt19937& z) {
         const int typ = Zufall(z, 4, 5);
         const int anzahl = Zufall(z, 0, 64);
         const int start = Zufall(z, 0, 65536 - anzahl);
         std::vector<uint8_t> daten(static_cast<size_t>(anzahl));
         for (uint8_t& b : daten) b = static_cast<uint8_t>(z());
         return Schreibend(
             u,
             [&] {
               return NOVHLN1_SpeicherSchreiben(u.ports, u.port, u.adresse, typ, start, anzahl,
                                                daten);
             },
             [&](Geraet& g) { return Gleich(g.Speicher(typ), start, daten); });
       }},
      {"NOVHLN1_SpeicherLesen", kSpeicherLesen, 1, 3,
       [](Soakumgebung& u, std::mt19937& z) {
         const int typ = Zufall(z, 4, 5);
         const int anzahl = Zufall(z, 1, 64);
         const int start = Zufall(z, 0, 65536 - anzahl);
         const std::vector<uint8_t> anfang(static_cast<size_t>(anzahl), 0xA5);
         std::vector<uint8_t> ziel = anfang;
         Soakergebnis e;
         e.code = NOVHLN1_SpeicherLesen(u.ports, u.port, u.adresse, typ, start, anzahl, ziel);
         if (e.code != 0)
           e.modellGeaendert = ziel != anfang;
         else if (Geraet* g = Sim(u))
           e.falsch = !Gleich(g->Speicher(typ), start, ziel);
         return e;
       }},
  };
}

}  // namespace

std::vector<Soakzeile> SoakTabelle() {
  std::vector<Soakzeile> zeilen = Treiberzeilen();
  for (auto teil : {SoakKurvenzeilen(), SoakKennlinienzeilen()})
    zeilen.insert(zeilen.end(), teil.begin(), teil.end());
  return zeilen;
}
