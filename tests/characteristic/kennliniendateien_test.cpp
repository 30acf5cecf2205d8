#include "characteristic/kennliniendateien.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "base/bytes.h"
#include "base/dateischreiben.h"
#include "config/konfigbytes.h"
#include "tests/characteristic/kennlinientesthilfe.h"
#include "tests/support/tempordner.h"

namespace {

struct Dateiumgebung {
  SkriptDialoge dialoge;
  Fehlerausgabe fehler{dialoge};
  Konfigzustand konfig{dialoge};
  Kennlinienzustand z;
  TempOrdner ordner;

  Dateiumgebung() {
    z.gKennlinie.punkte = Punkte({{0, 100}, {4095, 1}});
    z.gKennlinie.kommentar = "Grüße\nZeile 2";
    z.gKennlBegrenzung = 5;  // 0..10 V: raw 2047.5 through the input-1 conversion
    z.gKennlAnstiegszeit = 12.5;
    z.gKennlGeaendert = true;
  }
  std::string Schreiben(const std::string& name, const std::string& bytes) {
    const std::string pfad = ordner.datei(name);
    EXPECT_TRUE(DateiSicherSchreiben(pfad, {bytes}).ok());
    return pfad;
  }
};

const uint8_t* U(const std::string& s, size_t stelle) {
  return reinterpret_cast<const uint8_t*>(s.data()) + stelle;
}

}  // namespace

TEST(Kennliniendateien, BytesFeldFuerFeld) {
  Dateiumgebung u;
  const std::string b = KennliniendateiBytes(u.z, u.konfig.gKonfig());
  ASSERT_EQ(b.size(), 1424u + 24);
  EXPECT_EQ(std::string(b.data()), "pwc2 Kennlinien Datei");
  EXPECT_EQ(b.substr(21, 11), std::string(11, '\0'));
  EXPECT_EQ(I32Lesen(U(b, 32)), 2);
  EXPECT_EQ(b.substr(36, 13),
            "Gr\xFC\xDF"
            "e\nZeile 2");  // Windows-1252
  EXPECT_EQ(b.substr(49, 991), std::string(991, '\0'));
  uint8_t konfig[kKonfigurationGroesse];
  KonfigurationSchreiben(konfig, u.konfig.gKonfig());
  EXPECT_EQ(std::memcmp(U(b, 1040), konfig, sizeof konfig), 0);
  EXPECT_EQ(I32Lesen(U(b, 1392)), 2);
  EXPECT_EQ(I32Lesen(U(b, 1396)), 0);
  EXPECT_EQ(DoubleLesen(U(b, 1400)), 2047.5);
  EXPECT_EQ(DoubleLesen(U(b, 1408)), 12.5);
  EXPECT_EQ(b.substr(1416, 8), std::string(8, '\0'));
  EXPECT_EQ(b.substr(1424), std::string("\0\0\0\0\x64\0\0\0\0\0\0\0"
                                        "\xFF\x0F\0\0\x01\0\0\0\0\0\0\0",
                                        24));
}

TEST(Kennliniendateien, SpeichernUndLadenUeberDieFragen) {
  Dateiumgebung u;
  const std::string pfad = u.ordner.datei("k.ske");
  u.dialoge.dateien = {pfad};
  ASSERT_EQ(KennlSpeichern(u.z, u.konfig, u.dialoge, false), 0);
  EXPECT_EQ(u.dialoge.auswahlen.at(0).titel, "Kennlinie speichern");
  EXPECT_EQ(u.dialoge.auswahlen.at(0).filter, "*.ske");
  EXPECT_FALSE(u.z.gKennlGeaendert);
  EXPECT_EQ(KennlTitel(u.z.gKennlDateiname), "Kennlinienregler - k.ske");
  // "speichern" again writes without asking; "speichern unter" cancelled changes nothing.
  u.z.gKennlGeaendert = true;
  ASSERT_EQ(KennlSpeichern(u.z, u.konfig, u.dialoge, false), 0);
  u.z.gKennlGeaendert = true;
  u.dialoge.dateien = {std::nullopt};
  ASSERT_EQ(KennlSpeichern(u.z, u.konfig, u.dialoge, true), 0);
  EXPECT_TRUE(u.z.gKennlGeaendert);
  EXPECT_EQ(u.dialoge.auswahlen.size(), 2u);
  EXPECT_TRUE(u.dialoge.meldungen.empty());

  // Loading asks about the unsaved change first ("Nein" discards).
  Dateiumgebung v;
  v.konfig.FeldSkalaOutMax1Setzen(4.095);  // another configuration than the file's
  v.dialoge.antworten = {2, 1};
  v.dialoge.dateien = {pfad};
  ASSERT_EQ(KennlLaden(v.z, v.konfig, v.fehler), 0);
  ASSERT_EQ(v.dialoge.fragen.size(), 2u);
  EXPECT_EQ(v.dialoge.fragen[0].text, "Möchten Sie die Änderungen in Kennlinienregler speichern?");
  EXPECT_EQ(v.dialoge.fragen[1].titel, "Konfiguration laden?");
  EXPECT_EQ(v.dialoge.auswahlen.at(0).titel, "Kennlinie laden");
  EXPECT_EQ(KonfigurationenVergleichen(v.konfig.gKonfig(), u.konfig.gKonfig()), 1);
  EXPECT_EQ(v.z.gKennlinie.punkte, u.z.gKennlinie.punkte);
  EXPECT_EQ(v.z.gKennlinie.kommentar, "Grüße\nZeile 2");
  EXPECT_DOUBLE_EQ(v.z.gKennlBegrenzung, 5);
  EXPECT_EQ(v.z.gKennlAnstiegszeit, 12.5);
  EXPECT_FALSE(v.z.gKennlGeaendert);
  EXPECT_EQ(v.z.gKennlDateiname, pfad);

  // "Abbrechen" stops loading; so does "Ja" with a cancelled save, which saved nothing.
  v.z.gKennlGeaendert = true;
  v.dialoge.antworten = {3};
  EXPECT_EQ(AbbruchWeilKennlinieNichtGespeichert(v.z, v.konfig, v.fehler), 1);
  EXPECT_EQ(v.dialoge.fragen.back().text, "Möchten Sie die Änderungen in k.ske speichern?");
  v.dialoge.antworten = {1};
  v.z.gKennlDateiname.clear();
  v.dialoge.dateien = {std::nullopt};
  EXPECT_EQ(AbbruchWeilKennlinieNichtGespeichert(v.z, v.konfig, v.fehler), 1);
  EXPECT_TRUE(v.z.gKennlGeaendert);
}

TEST(Kennliniendateien, FehlerhafteDateienAendernNichts) {
  Dateiumgebung u;
  const std::string gut = KennliniendateiBytes(u.z, u.konfig.gKonfig());
  auto geaendert = [&](size_t stelle, const std::string& neu) {
    std::string b = gut;
    b.replace(stelle, neu.size(), neu);
    return b;
  };
  std::string nan(8, '\0');
  DoubleSchreiben(reinterpret_cast<uint8_t*>(nan.data()), std::nan(""));
  std::string nullVolt(8, '\0');  // full scale 0 V makes every conversion divide by zero
  const struct {
    std::string bytes;
    int code;
  } faelle[] = {
      {gut.substr(0, 1423), -304519},
      {geaendert(21, " "), -1025520},  // one trailing blank after the type text
      {geaendert(0, "pwc2 Kennlinien Datej"), -1025520},
      {geaendert(32, std::string("\x01\0\0\0", 4)), -303521},
      {geaendert(1392, std::string(4, '\0')), -322546},
      {geaendert(1392, "\xFF\xFF\xFF\xFF"), -322546},
      {geaendert(1436, std::string("\x00\x10\0\0", 4)), -322547},  // y 4096
      {geaendert(1440, "\xFF\xFF\xFF\xFF"), -322547},              // laenge -1
      {geaendert(1040, nullVolt), -322548},
      {geaendert(1408, nan), -322548},
  };
  for (const auto& f : faelle) {
    Dateiumgebung v;
    v.z.gKennlDateiname = "alt.ske";
    const std::string pfad = v.Schreiben("f.ske", f.bytes);
    EXPECT_EQ(KennliniendateiLaden(v.z, v.konfig, v.dialoge, pfad), f.code);
    EXPECT_EQ(v.z.gKennlinie.punkte, u.z.gKennlinie.punkte);
    EXPECT_EQ(v.z.gKennlinie.kommentar, u.z.gKennlinie.kommentar);
    EXPECT_EQ(v.z.gKennlAnstiegszeit, 12.5);
    EXPECT_EQ(v.z.gKennlDateiname, "");
    EXPECT_TRUE(v.z.gKennlGeaendert);
  }
  EXPECT_EQ(KennliniendateiLaden(u.z, u.konfig, u.dialoge, u.ordner.datei("fehlt.ske")), -308518);
}

TEST(Kennliniendateien, AbgeschnitteneDateiIstBeschaedigtUndWirdNichtUeberschrieben) {
  Dateiumgebung u;
  const std::string kopf = KennliniendateiBytes(u.z, u.konfig.gKonfig()).substr(0, 1424 + 12);
  Dateiumgebung v;
  const std::string pfad = v.Schreiben("kurz.ske", kopf);
  v.z.gKennlGeaendert = false;
  EXPECT_EQ(KennliniendateiLaden(v.z, v.konfig, v.dialoge, pfad), -322545);
  EXPECT_EQ(v.z.gKennlinie.punkte, Punkte({{4095, 0}}));
  EXPECT_EQ(v.z.gKennlinie.kommentar, "Grüße\nZeile 2");  // the header's other contents
  EXPECT_EQ(v.z.gKennlAnstiegszeit, 12.5);
  EXPECT_TRUE(v.z.gKennlGeaendert);
  EXPECT_EQ(v.z.gKennlDateiname, "");
  // Saving asks for a name instead of overwriting the damaged file.
  v.dialoge.dateien = {std::nullopt};
  EXPECT_EQ(KennlSpeichern(v.z, v.konfig, v.dialoge, false), 0);
  EXPECT_EQ(v.dialoge.auswahlen.size(), 1u);
  std::string inhalt;
  ASSERT_TRUE(DateiLesen(pfad, inhalt));
  EXPECT_EQ(inhalt, kopf);
}

TEST(Kennliniendateien, FehlgeschlagenesSpeichernBehaeltAlles) {
  Dateiumgebung u;
  u.z.gKennlDateiname = u.ordner.datei("fehlt/k.ske");
  EXPECT_EQ(KennlSpeichern(u.z, u.konfig, u.dialoge, false), -308515);
  EXPECT_TRUE(u.z.gKennlGeaendert);
  EXPECT_EQ(u.z.gKennlDateiname, u.ordner.datei("fehlt/k.ske"));
  // A failed save in the question cancels and is shown.
  u.dialoge.antworten = {1};
  EXPECT_EQ(AbbruchWeilKennlinieNichtGespeichert(u.z, u.konfig, u.fehler), 1);
  EXPECT_EQ(u.dialoge.LetzteMeldung().text, u.fehler.NOV_Fehlermeldung(-308515));
}
