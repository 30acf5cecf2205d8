#include "device/novhln1.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "device/austausch.h"

namespace {

// Ordinary decimal notation (digits, sign, point, exponent), the whole text, finite.
bool DezimalLesen(std::string_view text, double& wert) {
  if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string_view::npos)
    return false;
  const std::string kopie(text);
  char* ende = nullptr;
  const double gelesen = std::strtod(kopie.c_str(), &ende);
  if (ende != kopie.c_str() + kopie.size() || !std::isfinite(gelesen)) return false;
  wert = gelesen;
  return true;
}

// kopf, a decimal number and CR, as the input and parameter answers are built.
bool ZahlAntwort(const std::string& antwort, const std::string& kopf, double& wert) {
  if (antwort.size() < kopf.size() + 2 || antwort.compare(0, kopf.size(), kopf) != 0 ||
      antwort.back() != kCR)
    return false;
  return DezimalLesen(
      std::string_view(antwort).substr(kopf.size(), antwort.size() - kopf.size() - 1), wert);
}

// kopf, "$", two hexadecimal digits and CR, as the status and mode answers are built.
bool WortAntwort(const std::string& antwort, size_t kopflaenge, int& wert) {
  if (antwort.size() != kopflaenge + 4 || antwort[0] != '#' || antwort[kopflaenge] != '$' ||
      antwort.back() != kCR)
    return false;
  const int hoch = Hexchar2Int(antwort[kopflaenge + 1]);
  const int tief = Hexchar2Int(antwort[kopflaenge + 2]);
  if (hoch < 0 || tief < 0) return false;
  wert = hoch * 16 + tief;
  return true;
}

std::string Anfrage(char adresse, std::string_view befehl, std::string_view argument = {}) {
  std::string text = "#";
  text += adresse;
  text += befehl;
  text += argument;
  text += kCR;
  return text;
}

}  // namespace

int NOVHLN1_Open(ComPorts& ports, int port, int baud) {
  if (baud != 4800 && baud != 9600 && baud != 19200 && baud != 38400 && baud != 115200)
    return -125001;
  // No port is named com with a negative number.
  if (port < 0) return -100002;
  Leitungseinstellung einstellung;
  einstellung.baud = baud;
  if (!ports.Oeffnen(port, einstellung)) return ports.ZuletztBelegt() ? -100238 : -100003;
  return 0;
}

int NOVHLN1_Close(ComPorts& ports, int port) {
  return ports.Schliessen(port) < 0 ? -103004 : 0;
}

int NOVHLN1_Timeout(ComPorts& ports, int port, double sekunden) {
  return ports.TimeoutSetzen(port, sekunden) < 0 ? -111005 : 0;
}

int FlushInOut(ComPorts& ports, int port) {
  ComPort* p = ports.Port(port);
  if (p == nullptr || p->EingangLeeren() < 0) return -124148;
  if (p->AusgangLeeren() < 0) return -123149;
  return 0;
}

int Hexchar2Int(char zeichen) {
  if (zeichen >= '0' && zeichen <= '9') return zeichen - '0';
  if (zeichen >= 'a' && zeichen <= 'f') return zeichen - 'a' + 10;
  if (zeichen >= 'A' && zeichen <= 'F') return zeichen - 'A' + 10;
  return -1;
}

int NOVHLN1_IDLesen(ComPorts& ports, int port, char adresse, std::string& text) {
  if (!EinzelAdresse(adresse)) return -400006;
  const int ergebnis = Austausch(ports, port, Anfrage(adresse, "IDR"),
                                 {0, -101008, -114009, -402010, -405011, -403012, -404013});
  if (ergebnis < 0) return ergebnis;
  std::string antwort;
  if (!AntwortLesen(ports, port, 29, antwort)) return -404014;
  std::erase(antwort, ' ');
  if (antwort.size() < 4 || antwort[0] != '#' || antwort[1] != adresse || antwort.back() != kCR)
    return -404015;
  text = antwort.substr(2, antwort.size() - 3);
  return 0;
}

int NOVTVM1_BaudrateSchreiben(ComPorts& ports, int port, int adresse, int baud) {
  if (adresse < 0 || adresse > 9) return -400016;
  if (baud != 4800 && baud != 9600 && baud != 19200 && baud != 38400) return -125017;
  const std::string anfrage = "#" + std::to_string(adresse) + "BRW" + std::to_string(baud) + kCR;
  // Address number 9 reaches every device of the older model, so none acknowledges.
  return Austausch(ports, port, anfrage, {0, -101019, -101020, -402021, -405022, -403023, -404024},
                   adresse != 9);
}

int NOVTVM1_AdresseSchreiben(ComPorts& ports, int port, int adresse, int neueAdresse) {
  if (adresse < 0 || adresse > 8) return -400025;
  if (neueAdresse < 0 || neueAdresse > 8) return -401026;
  const std::string anfrage =
      "#" + std::to_string(adresse) + "DAW" + std::to_string(neueAdresse) + kCR;
  return Austausch(ports, port, anfrage, {0, -101028, -101029, -402030, -405031, -403032, -404033});
}

int NOVHLN1_DeviceFunction(ComPorts& ports, int port, char adresse, const std::string& funktion) {
  if (!SchreibAdresse(adresse)) return -400034;
  std::string_view befehl;
  if (funktion == "start") {
    befehl = "DF1";
  } else if (funktion == "stopp") {
    befehl = "DF2";
  } else {
    return -401035;
  }
  return Austausch(ports, port, Anfrage(adresse, befehl),
                   {0, -101037, -101038, -402039, -405040, -403041, -404042}, adresse != '&');
}

int NOVHLN1_EingangLesen(ComPorts& ports, int port, char adresse, const std::string& eingang,
                         double& volt) {
  if (!EinzelAdresse(adresse)) return -400043;
  if (eingang.size() != 2 || eingang[0] != 'e' || eingang[1] < '1' || eingang[1] > '4')
    return -401044;
  const std::string befehl = {'V', eingang[1], 'R'};
  const int ergebnis = Austausch(ports, port, Anfrage(adresse, befehl),
                                 {-112046, -101047, -114048, -402049, -405050, -403051, -404052});
  if (ergebnis < 0) return ergebnis;
  std::string antwort;
  if (!AntwortLesen(ports, port, 14, antwort)) return -404053;
  double wert = 0.0;
  if (!ZahlAntwort(antwort, std::string("#") + adresse + befehl, wert)) return -404054;
  volt = wert;
  return 0;
}

int NOVHLN1_AusgangSchreiben(ComPorts& ports, int port, char adresse, const std::string& ausgang,
                             double volt) {
  if (!SchreibAdresse(adresse)) return -400055;
  if (ausgang.size() != 2 || ausgang[0] != 'a' || ausgang[1] < '1' || ausgang[1] > '4')
    return -401060;
  if (!(volt >= 0.0 && volt <= 10.0)) return -500056 - (ausgang[1] - '1');
  char wert[16];
  // Adding 0.0 turns -0.0 into 0.0, so that no sign is sent.
  std::snprintf(wert, sizeof wert, "%.3f", volt + 0.0);
  const std::string befehl = {'V', ausgang[1], 'W'};
  return Austausch(ports, port, Anfrage(adresse, befehl, wert),
                   {-112062, -101063, -101064, -402065, -405066, -403067, -404068}, adresse != '&');
}

int NOVPWC2_ParameterSchreiben() {
  return 0;
}

int NOVPWC2_ParameterLesen(ComPorts& ports, int port, char adresse, const std::string& name,
                           double& wert) {
  if (adresse < '0' || adresse > '8') return -400080;
  std::string_view befehl;
  if (name == "speicherinhalt") {
    befehl = "M1R";
  } else if (name == "max_current") {
    befehl = "CbR";
  } else if (name == "compartibility_mode") {
    befehl = "S1R";
  } else {
    return -401081;
  }
  const int ergebnis = Austausch(ports, port, Anfrage(adresse, befehl),
                                 {-112083, -101084, -114085, -402086, -405087, -403088, -404089});
  if (ergebnis < 0) return ergebnis;
  std::string antwort;
  if (!AntwortLesen(ports, port, 19, antwort)) return -404090;
  double gelesen = 0.0;
  if (!ZahlAntwort(antwort, std::string("#") + adresse + std::string(befehl), gelesen))
    return -404091;
  wert = gelesen;
  return 0;
}

int NOVHLN1_StatusLesen(ComPorts& ports, int port, char adresse, int wort, int& wert) {
  if (!EinzelAdresse(adresse)) return -400135;
  if (wort != 1 && wort != 2) return -401136;
  const char ziffer = static_cast<char>('0' + wort);
  const int ergebnis = Austausch(ports, port, Anfrage(adresse, std::string{'S', ziffer, 'R'}),
                                 {0, -101138, -114139, -402140, -405141, -403142, -404143});
  if (ergebnis < 0) return ergebnis;
  std::string antwort;
  if (!AntwortLesen(ports, port, 14, antwort)) return -404144;
  int gelesen = 0;
  if (!WortAntwort(antwort, 5, gelesen) || antwort[1] != adresse || antwort[2] != 'S' ||
      antwort[4] != 'R')
    return -404145;
  if (antwort[3] != ziffer) return wort == 1 ? -404146 : -404147;
  wert = gelesen;
  return 0;
}

int NOVHLN1_ModusLesen(ComPorts& ports, int port, char adresse, int& modus) {
  if (!EinzelAdresse(adresse)) return -400150;
  const int ergebnis = Austausch(ports, port, Anfrage(adresse, "M1R"),
                                 {0, -101152, -114153, -402154, -405155, -403156, -404157});
  if (ergebnis < 0) return ergebnis;
  std::string antwort;
  if (!AntwortLesen(ports, port, 14, antwort)) return -404158;
  int gelesen = 0;
  if (!WortAntwort(antwort, 5, gelesen) || antwort.compare(1, 4, std::string(1, adresse) + "M1R"))
    return -404159;
  modus = gelesen;
  return 0;
}

int NOVHLN1_ModusSchreiben(ComPorts& ports, int port, char adresse, int setzen, int maske) {
  if (!SchreibAdresse(adresse)) return -400160;
  char argument[4];
  std::snprintf(argument, sizeof argument, "%02X", maske & 0xFF);
  return Austausch(ports, port, Anfrage(adresse, setzen != 0 ? "M1S" : "M1C", argument),
                   {-112162, -101163, -101164, -402165, -405166, -403167, -404168}, adresse != '&');
}
