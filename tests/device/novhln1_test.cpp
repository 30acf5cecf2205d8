#include "device/novhln1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "device/speichertransfer.h"
#include "tests/device/skriptport.h"

namespace {

std::string Bytes(std::initializer_list<int> werte) {
  std::string text;
  for (int w : werte) text += static_cast<char>(w);
  return text;
}

// One device command with the codes of its site.
struct Befehl {
  const char* name;
  std::function<int(ComPorts&, char)> aufruf;
  bool schreibend;  // obeys "&"
  int adresse;
  int flush;  // 0: the codes of FlushInOut
  int schreiben, kurz, nak, can, still, anderes;
};

std::vector<Befehl> AlleBefehle() {
  static std::string text;
  static double wert;
  static int wort;
  static std::vector<uint8_t> puffer(64, 0x55);
  return {
      {"IDLesen", [](ComPorts& p, char a) { return NOVHLN1_IDLesen(p, 1, a, text); }, false,
       -400006, 0, -101008, -114009, -402010, -405011, -403012, -404013},
      {"DeviceFunction",
       [](ComPorts& p, char a) { return NOVHLN1_DeviceFunction(p, 1, a, "start"); }, true, -400034,
       0, -101037, -101038, -402039, -405040, -403041, -404042},
      {"EingangLesen",
       [](ComPorts& p, char a) { return NOVHLN1_EingangLesen(p, 1, a, "e1", wert); }, false,
       -400043, -112046, -101047, -114048, -402049, -405050, -403051, -404052},
      {"AusgangSchreiben",
       [](ComPorts& p, char a) { return NOVHLN1_AusgangSchreiben(p, 1, a, "a1", 1.0); }, true,
       -400055, -112062, -101063, -101064, -402065, -405066, -403067, -404068},
      {"ParameterLesen",
       [](ComPorts& p, char a) { return NOVPWC2_ParameterLesen(p, 1, a, "max_current", wert); },
       false, -400080, -112083, -101084, -114085, -402086, -405087, -403088, -404089},
      {"StatusLesen", [](ComPorts& p, char a) { return NOVHLN1_StatusLesen(p, 1, a, 1, wort); },
       false, -400135, 0, -101138, -114139, -402140, -405141, -403142, -404143},
      {"ModusLesen", [](ComPorts& p, char a) { return NOVHLN1_ModusLesen(p, 1, a, wort); }, false,
       -400150, 0, -101152, -114153, -402154, -405155, -403156, -404157},
      {"ModusSchreiben", [](ComPorts& p, char a) { return NOVHLN1_ModusSchreiben(p, 1, a, 1, 4); },
       true, -400160, -112162, -101163, -101164, -402165, -405166, -403167, -404168},
      {"SpeicherSchreiben",
       [](ComPorts& p, char a) { return NOVHLN1_SpeicherSchreiben(p, 1, a, 4, 0, 64, puffer); },
       true, -400118, 0, -101125, -101126, -402127, -405128, -403129, -404130},
      {"SpeicherLesen",
       [](ComPorts& p, char a) { return NOVHLN1_SpeicherLesen(p, 1, a, 5, 16, 64, puffer); }, false,
       -400092, 0, -101097, -114098, -402099, -405100, -403101, -404102},
      // The older model's commands take the address as a number.
      {"BaudrateSchreiben",
       [](ComPorts& p, char a) { return NOVTVM1_BaudrateSchreiben(p, 1, a - '0', 9600); }, false,
       -400016, 0, -101019, -101020, -402021, -405022, -403023, -404024},
      {"AdresseSchreiben",
       [](ComPorts& p, char a) { return NOVTVM1_AdresseSchreiben(p, 1, a - '0', 1); }, false,
       -400025, 0, -101028, -101029, -402030, -405031, -403032, -404033},
  };
}

}  // namespace

TEST(Novhln1, OeffnenSchliessenTimeout) {
  SimLeitung leitung;
  InProzessFabrik fabrik(leitung);
  ComPorts ports(fabrik);
  EXPECT_EQ(NOVHLN1_Open(ports, 3, 1200), -125001);
  EXPECT_EQ(NOVHLN1_Open(ports, -1, 9600), -100002);
  fabrik.stoerungen.oeffnenFehler = true;
  EXPECT_EQ(NOVHLN1_Open(ports, 3, 9600), -100003);
  fabrik.stoerungen.oeffnenFehler = false;
  EXPECT_EQ(NOVHLN1_Timeout(ports, 3, 0.5), -111005);  // not open

  ASSERT_EQ(NOVHLN1_Open(ports, 3, 115200), 0);
  const Leitungseinstellung* e = ports.Einstellung(3);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->baud, 115200);
  EXPECT_EQ(e->datenbits, 7);
  EXPECT_EQ(e->paritaet, 'O');
  EXPECT_EQ(e->stoppbits, 1);
  EXPECT_EQ(e->schlangenGroesse, 512);
  EXPECT_EQ(NOVHLN1_Timeout(ports, 3, 0.5), 0);
  EXPECT_DOUBLE_EQ(static_cast<InProzessPort*>(ports.Port(3))->Timeout(), 0.5);
  fabrik.stoerungen.timeoutFehler = true;
  EXPECT_EQ(NOVHLN1_Timeout(ports, 3, 1.0), -111005);

  fabrik.stoerungen.schliessenFehler = true;
  EXPECT_EQ(NOVHLN1_Close(ports, 3), -103004);
  fabrik.stoerungen.schliessenFehler = false;
  EXPECT_EQ(ports.Port(3), nullptr);
  EXPECT_EQ(NOVHLN1_Close(ports, 3), -103004);
  EXPECT_EQ(FlushInOut(ports, 3), -124148);
}

TEST(Novhln1, Hexchar2Int) {
  EXPECT_EQ(Hexchar2Int('0'), 0);
  EXPECT_EQ(Hexchar2Int('9'), 9);
  EXPECT_EQ(Hexchar2Int('a'), 10);
  EXPECT_EQ(Hexchar2Int('F'), 15);
  EXPECT_EQ(Hexchar2Int('g'), -1);
  EXPECT_EQ(Hexchar2Int('G'), -1);
  EXPECT_EQ(Hexchar2Int(' '), -1);
}

TEST(Novhln1, QuittungUndSchreibfehlerJeBefehl) {
  for (const Befehl& b : AlleBefehle()) {
    SCOPED_TRACE(b.name);
    Simlinie l;
    EXPECT_EQ(b.aufruf(l.ports, '1'), 0);
    const struct {
      Stoerart art;
      int code;
    } faelle[] = {{Stoerart::Nak, b.nak},
                  {Stoerart::Can, b.can},
                  {Stoerart::Stille, b.still},
                  {Stoerart::Muell, b.anderes}};
    for (const auto& f : faelle) {
      l.Stoeren(f.art);
      EXPECT_EQ(b.aufruf(l.ports, '1'), f.code) << StoerartName(f.art);
    }

    PortStoerungen& s = l.fabrik.stoerungen;
    s.eingangLeerenFehler = true;
    l.Leeren();
    EXPECT_EQ(b.aufruf(l.ports, '1'), b.flush != 0 ? b.flush : -124148);
    s.eingangLeerenFehler = false;
    s.ausgangLeerenFehler = true;
    EXPECT_EQ(b.aufruf(l.ports, '1'), b.flush != 0 ? b.flush : -123149);
    EXPECT_EQ(l.gesendet, "");
    s.ausgangLeerenFehler = false;
    s.schreibFehler = true;
    EXPECT_EQ(b.aufruf(l.ports, '1'), b.schreiben);
    s.schreibFehler = false;
    s.schreibKuerzer = 1;
    EXPECT_EQ(b.aufruf(l.ports, '1'), b.kurz);
    s.schreibKuerzer = 0;
    s.ausgangFehler = true;
    EXPECT_EQ(b.aufruf(l.ports, '1'), b.schreiben);
  }
}

TEST(Novhln1, AusgangsschlangeWirdNurBegrenztAbgewartet) {
  Simlinie l;
  l.fabrik.stoerungen.ausgangHaengt = true;
  std::string text = "alt";
  EXPECT_EQ(NOVHLN1_IDLesen(l.ports, 1, '1', text), -101008);
  EXPECT_EQ(text, "alt");
}

TEST(Novhln1, Adressregeln) {
  for (const Befehl& b : AlleBefehle()) {
    if (b.adresse == -400016 || b.adresse == -400025) continue;
    SCOPED_TRACE(b.name);
    const bool pwc2 = b.adresse == -400080;
    Simlinie l;
    for (char a : {'A', 'F', 'g', '#', '\0'}) {
      l.Leeren();
      EXPECT_EQ(b.aufruf(l.ports, a), b.adresse) << a;
      EXPECT_EQ(l.gesendet, "");
    }
    l.Leeren();
    // Nobody answers at "0" and "9": accepted addresses end without an answer.
    EXPECT_EQ(b.aufruf(l.ports, '0'), pwc2 ? b.still : b.adresse);
    EXPECT_EQ(l.gesendet.empty(), !pwc2);
    l.Leeren();
    EXPECT_EQ(b.aufruf(l.ports, '9'), pwc2 ? b.adresse : b.still);
    EXPECT_EQ(l.gesendet.empty(), pwc2);
    EXPECT_EQ(b.aufruf(l.ports, 'a'), pwc2 ? b.adresse : b.still);
    l.Leeren();
    EXPECT_EQ(b.aufruf(l.ports, '&'), b.schreibend ? 0 : b.adresse);
    EXPECT_EQ(l.gesendet.empty(), !b.schreibend);
    EXPECT_EQ(l.empfangen, "");
  }
  Simlinie l;
  EXPECT_EQ(NOVTVM1_BaudrateSchreiben(l.ports, 1, 10, 9600), -400016);
  EXPECT_EQ(NOVTVM1_BaudrateSchreiben(l.ports, 1, -1, 9600), -400016);
  EXPECT_EQ(NOVTVM1_AdresseSchreiben(l.ports, 1, 9, 1), -400025);
  EXPECT_EQ(NOVTVM1_AdresseSchreiben(l.ports, 1, 1, 9), -401026);
  EXPECT_EQ(l.gesendet, "");
}

TEST(Novhln1, IdentifikationOhneLeerzeichen) {
  Simlinie l;
  Geraet& drei = l.leitung.GeraetHinzufuegen('3');
  std::string text = "alt";
  ASSERT_EQ(NOVHLN1_IDLesen(l.ports, 1, '3', text), 0);
  EXPECT_EQ(l.gesendet, Bytes({0x23, 0x33, 0x49, 0x44, 0x52, 0x0D}));
  EXPECT_EQ(l.empfangen, "\x06#3NOV-TVM5AR V1.00\r");
  EXPECT_EQ(text, "NOV-TVM5ARV1.00");

  text = "alt";
  l.Stoeren(Stoerart::FalschesEcho);
  EXPECT_EQ(NOVHLN1_IDLesen(l.ports, 1, '3', text), -404015);
  l.Stoeren(Stoerart::Abgeschnitten);
  EXPECT_EQ(NOVHLN1_IDLesen(l.ports, 1, '3', text), -404014);
  drei.kennung = std::string(27, 'X');  // 30 bytes with "#", address and CR: no CR in 29
  EXPECT_EQ(NOVHLN1_IDLesen(l.ports, 1, '3', text), -404015);
  EXPECT_EQ(text, "alt");
  drei.kennung = std::string(26, 'X');
  EXPECT_EQ(NOVHLN1_IDLesen(l.ports, 1, '3', text), 0);
  EXPECT_EQ(text, std::string(26, 'X'));
}

TEST(Novhln1, AusgangSchreiben) {
  Simlinie l;
  EXPECT_EQ(NOVHLN1_AusgangSchreiben(l.ports, 1, '&', "a1", 10.0), 0);
  EXPECT_EQ(l.gesendet,
            Bytes({0x23, 0x26, 0x56, 0x31, 0x57, 0x31, 0x30, 0x2E, 0x30, 0x30, 0x30, 0x0D}));
  EXPECT_EQ(l.empfangen, "");
  EXPECT_DOUBLE_EQ(l.geraet.ausgaenge[0], 10.0);

  l.Leeren();
  EXPECT_EQ(NOVHLN1_AusgangSchreiben(l.ports, 1, '&', "a1", 10.0001), -500056);
  EXPECT_EQ(NOVHLN1_AusgangSchreiben(l.ports, 1, '1', "a2", -0.001), -500057);
  EXPECT_EQ(NOVHLN1_AusgangSchreiben(l.ports, 1, '1', "a3", std::nan("")), -500058);
  EXPECT_EQ(NOVHLN1_AusgangSchreiben(l.ports, 1, '1', "a4", 11.0), -500059);
  EXPECT_EQ(NOVHLN1_AusgangSchreiben(l.ports, 1, '1', "a5", 1.0), -401060);
  EXPECT_EQ(NOVHLN1_AusgangSchreiben(l.ports, 1, '1', "A1", 1.0), -401060);
  EXPECT_EQ(l.gesendet, "");

  EXPECT_EQ(NOVHLN1_AusgangSchreiben(l.ports, 1, '1', "a2", 5.0), 0);
  EXPECT_EQ(l.gesendet, Bytes({0x23, 0x31, 0x56, 0x32, 0x57, 0x35, 0x2E, 0x30, 0x30, 0x30, 0x0D}));
  EXPECT_EQ(l.empfangen, "\x06");
  l.Leeren();
  EXPECT_EQ(NOVHLN1_AusgangSchreiben(l.ports, 1, '1', "a4", -0.0), 0);
  EXPECT_EQ(l.gesendet, "#1V4W0.000\r");
  EXPECT_DOUBLE_EQ(l.geraet.ausgaenge[1], 5.0);
}

TEST(Novhln1, ModusUndStatus) {
  Simlinie l;
  Geraet& zwei = l.leitung.GeraetHinzufuegen('2');
  EXPECT_EQ(NOVHLN1_ModusSchreiben(l.ports, 1, '2', 1, 0x1AB), 0);
  EXPECT_EQ(l.gesendet, Bytes({0x23, 0x32, 0x4D, 0x31, 0x53, 0x41, 0x42, 0x0D}));
  l.Leeren();
  EXPECT_EQ(NOVHLN1_ModusSchreiben(l.ports, 1, '2', 0, 0x0B), 0);
  EXPECT_EQ(l.gesendet, "#2M1C0B\r");
  int modus = -1;
  EXPECT_EQ(NOVHLN1_ModusLesen(l.ports, 1, '2', modus), 0);
  EXPECT_EQ(modus, 0xA4);  // the device starts with mode value 4
  l.Stoeren(Stoerart::FalschesEcho, 3);
  EXPECT_EQ(NOVHLN1_ModusLesen(l.ports, 1, '2', modus), -404159);
  l.Stoeren(Stoerart::Abgeschnitten, 2);
  EXPECT_EQ(NOVHLN1_ModusLesen(l.ports, 1, '2', modus), -404158);
  EXPECT_EQ(modus, 0xA4);

  zwei.status = 0x81;
  zwei.fehler = 0x1F;
  int wert = -1;
  EXPECT_EQ(NOVHLN1_StatusLesen(l.ports, 1, '2', 1, wert), 0);
  EXPECT_EQ(wert, 0x81);
  EXPECT_EQ(NOVHLN1_StatusLesen(l.ports, 1, '2', 2, wert), 0);
  EXPECT_EQ(wert, 0x1F);
  wert = -1;
  l.Stoeren(Stoerart::FalschesEcho, 3);  // the digit: "S2R" answers word 1
  EXPECT_EQ(NOVHLN1_StatusLesen(l.ports, 1, '2', 1, wert), -404146);
  l.Stoeren(Stoerart::FalschesEcho, 3);
  EXPECT_EQ(NOVHLN1_StatusLesen(l.ports, 1, '2', 2, wert), -404147);
  l.Stoeren(Stoerart::FalschesEcho, 1);
  EXPECT_EQ(NOVHLN1_StatusLesen(l.ports, 1, '2', 2, wert), -404145);
  l.Stoeren(Stoerart::FruehesEnde, 1);
  EXPECT_EQ(NOVHLN1_StatusLesen(l.ports, 1, '2', 2, wert), -404145);
  l.Stoeren(Stoerart::Abgeschnitten, 1);
  EXPECT_EQ(NOVHLN1_StatusLesen(l.ports, 1, '2', 2, wert), -404144);
  EXPECT_EQ(NOVHLN1_StatusLesen(l.ports, 1, '2', 3, wert), -401136);
  EXPECT_EQ(wert, -1);
}

TEST(Novhln1, EingangParameterFunktion) {
  Simlinie l;
  ASSERT_TRUE(l.geraet.EingangSetzen(3, 7.25));
  double volt = -1.0;
  ASSERT_EQ(NOVHLN1_EingangLesen(l.ports, 1, '1', "e3", volt), 0);
  EXPECT_EQ(l.gesendet, Bytes({0x23, 0x31, 0x56, 0x33, 0x52, 0x0D}));
  EXPECT_DOUBLE_EQ(volt, 7.25);
  volt = -1.0;
  l.Stoeren(Stoerart::FalschesEcho);  // address 2 answers a request for address 1
  EXPECT_EQ(NOVHLN1_EingangLesen(l.ports, 1, '1', "e3", volt), -404054);
  l.Stoeren(Stoerart::Abgeschnitten);
  EXPECT_EQ(NOVHLN1_EingangLesen(l.ports, 1, '1', "e3", volt), -404053);
  EXPECT_EQ(NOVHLN1_EingangLesen(l.ports, 1, '1', "e5", volt), -401044);
  EXPECT_EQ(volt, -1.0);

  l.Leeren();
  double wert = 0.0;
  EXPECT_EQ(NOVPWC2_ParameterLesen(l.ports, 1, '1', "max_current", wert), 0);
  EXPECT_EQ(l.gesendet, Bytes({0x23, 0x31, 0x43, 0x62, 0x52, 0x0D}));
  EXPECT_DOUBLE_EQ(wert, 6.0);
  wert = 0.0;
  // A curve generator answers "S1R" with its status word, which is no decimal number.
  EXPECT_EQ(NOVPWC2_ParameterLesen(l.ports, 1, '1', "compartibility_mode", wert), -404091);
  EXPECT_EQ(wert, 0.0);
  l.geraet.kompatibilitaetStattStatus = true;
  l.geraet.compartibilityMode = 1.0;
  EXPECT_EQ(NOVPWC2_ParameterLesen(l.ports, 1, '1', "compartibility_mode", wert), 0);
  EXPECT_DOUBLE_EQ(wert, 1.0);
  EXPECT_EQ(NOVPWC2_ParameterLesen(l.ports, 1, '1', "Max_current", wert), -401081);
  EXPECT_EQ(NOVPWC2_ParameterSchreiben(), 0);

  l.Leeren();
  EXPECT_EQ(NOVHLN1_DeviceFunction(l.ports, 1, '1', "start"), 0);
  EXPECT_TRUE(l.geraet.laeuft);
  EXPECT_EQ(NOVHLN1_DeviceFunction(l.ports, 1, '&', "stopp"), 0);
  EXPECT_FALSE(l.geraet.laeuft);
  EXPECT_EQ(l.gesendet, "#1DF1\r#&DF2\r");
  EXPECT_EQ(NOVHLN1_DeviceFunction(l.ports, 1, '1', "Start"), -401035);
}

TEST(Novhln1, AeltereGeraete) {
  Simlinie l;
  EXPECT_EQ(NOVTVM1_BaudrateSchreiben(l.ports, 1, 1, 9600), 0);
  EXPECT_EQ(l.gesendet, Bytes({0x23, 0x31, 0x42, 0x52, 0x57, 0x39, 0x36, 0x30, 0x30, 0x0D}));
  l.Leeren();
  EXPECT_EQ(NOVTVM1_BaudrateSchreiben(l.ports, 1, 9, 19200), 0);
  EXPECT_EQ(l.gesendet, "#9BRW19200\r");
  EXPECT_EQ(l.empfangen, "");
  EXPECT_EQ(l.geraet.baud, 19200);
  EXPECT_EQ(NOVTVM1_BaudrateSchreiben(l.ports, 1, 1, 115200), -125017);

  l.Leeren();
  EXPECT_EQ(NOVTVM1_AdresseSchreiben(l.ports, 1, 1, 5), 0);
  EXPECT_EQ(l.gesendet, "#1DAW5\r");
  EXPECT_EQ(l.geraet.adresse, '5');
}

TEST(Novhln1, AntwortenInGewoehnlicherSchreibweise) {
  Skriptlinie s;
  double wert = 0.0;
  for (const char* zahl : {"-2.5", "+3", "1e-3", "12", ".5"}) {
    s.fabrik.antwort = std::string("\x06#4V2R") + zahl + "\r";
    EXPECT_EQ(NOVHLN1_EingangLesen(s.ports, 1, '4', "e2", wert), 0) << zahl;
    EXPECT_DOUBLE_EQ(wert, std::stod(zahl));
  }
  for (const char* falsch : {"", "1,5", "nan", "1e999", "5 "}) {
    s.fabrik.antwort = std::string("\x06#4V2R") + falsch + "\r";
    EXPECT_EQ(NOVHLN1_EingangLesen(s.ports, 1, '4', "e2", wert), -404054) << falsch;
  }
  int wort = 0;
  s.fabrik.antwort = "\x06#bS2R$aF\r";
  EXPECT_EQ(NOVHLN1_StatusLesen(s.ports, 1, 'b', 2, wort), 0);
  EXPECT_EQ(wort, 0xAF);
  s.fabrik.antwort = "\x06#bS2R$AFF\r";
  EXPECT_EQ(NOVHLN1_StatusLesen(s.ports, 1, 'b', 2, wort), -404145);
  s.fabrik.antwort = "\x86";  // high bit set: cannot come over 7 data bits
  EXPECT_EQ(NOVHLN1_ModusLesen(s.ports, 1, 'b', wort), -403156);
  std::string text;
  s.fabrik.antwort = "\x06#b\r";
  EXPECT_EQ(NOVHLN1_IDLesen(s.ports, 1, 'b', text), -404015);
}

// A byte that the line garbles arrives marked (0xFF 0x00 byte): on the acknowledge it is a
// wrong answer, within the answer line a failed read, for every command.
// A real 0xFF arrives doubled and counts once.
TEST(Novhln1, ParitaetsfehlerMarkiert) {
  const std::map<std::string, int> lesecodes = {
      {"IDLesen", -404014},     {"EingangLesen", -404053}, {"ParameterLesen", -404090},
      {"StatusLesen", -404144}, {"ModusLesen", -404158},   {"SpeicherLesen", -404104}};
  for (const Befehl& b : AlleBefehle()) {
    SCOPED_TRACE(b.name);
    Simlinie l;
    l.fabrik.stoerungen.paritaetsfehlerBei = 0;
    EXPECT_EQ(b.aufruf(l.ports, '1'), b.anderes);
    if (auto it = lesecodes.find(b.name); it != lesecodes.end()) {
      l.fabrik.stoerungen.paritaetsfehlerBei = 3;
      EXPECT_EQ(b.aufruf(l.ports, '1'), it->second);
    }
    l.fabrik.stoerungen.paritaetsfehlerBei = -1;
    EXPECT_EQ(b.aufruf(l.ports, '1'), 0);
  }

  Skriptlinie s;
  std::string text;
  s.fabrik.antwort = "\x06#1NOV\xFF\xFF\r";
  EXPECT_EQ(NOVHLN1_IDLesen(s.ports, 1, '1', text), 0);
  EXPECT_EQ(text, "NOV\xFF");
  s.fabrik.antwort = "\xFF\xFF";  // a byte with the high bit set: no answer
  EXPECT_EQ(NOVHLN1_IDLesen(s.ports, 1, '1', text), -403012);
}
