#include "base/fehlerkatalog.h"

#include <gtest/gtest.h>

#include "base/fehlerausgabe.h"
#include "tests/support/skriptdialoge.h"

TEST(Fehlerkatalog, SchluesselWaehltDenText) {
  EXPECT_EQ(Fehlerschluessel(-801202), -801);
  EXPECT_EQ(Fehlerschluessel(-94), 0);
  EXPECT_STREQ(Fehlertext(-802201, 1), "INI-Datei nicht gefunden");
  EXPECT_STREQ(Fehlertext(-802999, 1), "INI-Datei nicht gefunden");
  EXPECT_STREQ(Fehlertext(-1, 1), "Ein unbekannter Fehler ist aufgetreten");
  EXPECT_STREQ(Fehlertext(-94, 1), "Es ist kein Fehler aufgetreten");
  EXPECT_STREQ(Fehlertext(-1500, 1), "Ein unbekannter Fehler ist aufgetreten");
  EXPECT_STREQ(Fehlertext(5000, 1), "Ein unbekannter Fehler ist aufgetreten");
  EXPECT_STREQ(Fehlertext(-1, 2), "A unknown error occured");
  EXPECT_STREQ(Fehlertext(-403012, 2), "No answer from device");
  EXPECT_STREQ(Fehlertext(-322001, 1), "Die Datei wurde beschädigt.");
  EXPECT_STREQ(Fehlertext(-350000, 1), "Timeout:\nDruck konnte nicht aufgebaut werden.");
  EXPECT_STREQ(Fehlertext(-1026001, 1), "Im PWC-2 sind keine Kennlinien gespeichert.");
  EXPECT_STREQ(Fehlertext(-1026001, 3), "Im PWC-2 sind keine Kennlinien gespeichert.");
  EXPECT_STREQ(Fehlertext(-1027000, 1), "Ein unbekannter Fehler ist aufgetreten");
  EXPECT_STREQ(Fehlertext(-6000, 1), "");
}

TEST(Fehlerkatalog, PopupsZeigenNummerUndText) {
  SkriptDialoge dialoge;
  Fehlerausgabe ausgabe(dialoge);
  EXPECT_EQ(ausgabe.NOV_Fehlerpopup(-6123), -6000);
  EXPECT_TRUE(dialoge.meldungen.empty());

  ausgabe.NOV_Fehlerpopup(-801202);
  ASSERT_EQ(dialoge.meldungen.size(), 1u);
  EXPECT_EQ(dialoge.meldungen[0].titel, "Fehler #801202");
  EXPECT_EQ(dialoge.meldungen[0].text, "Fehler beim lesen der INI-Datei");

  ausgabe.NOV_Fehlersprache(2);
  ausgabe.NOV_Fehlerpopup(-403012);
  EXPECT_EQ(dialoge.LetzteMeldung().titel, "Error #403012");
  EXPECT_EQ(dialoge.LetzteMeldung().text, "No answer from device");

  ausgabe.NOV_Fehlerpopup2(-403012, "Messung");
  EXPECT_EQ(dialoge.LetzteMeldung().titel, "Messung #403012");
  ausgabe.NOV_Fehlerpopup2(-6001, "Messung");
  EXPECT_EQ(dialoge.meldungen.size(), 3u);
}

namespace {

struct Anzeige : Fehleranzeige {
  Anzeige(std::vector<std::string>* r, std::string n) : reihenfolge(r), name(std::move(n)) {}
  std::vector<std::string>* reihenfolge;
  std::string name;
  bool lampe = false;
  std::string text = "alt";
  int nummer = -1;
  void FehlerZeigen(bool l, const std::string& t, int n) override {
    reihenfolge->push_back(name);
    lampe = l;
    text = t;
    nummer = n;
  }
};

}  // namespace

TEST(Fehlerkatalog, ComFehlerSetzenErreichtAlleGeraetepanels) {
  SkriptDialoge dialoge;
  Fehlerausgabe ausgabe(dialoge);
  std::vector<std::string> reihenfolge;
  Anzeige kurven(&reihenfolge, "kurven"), com(&reihenfolge, "com"),
      kennlinie(&reihenfolge, "kennlinie"), direkt(&reihenfolge, "direkt");
  ausgabe.FehleranzeigeAnmelden(Geraetepanel::Direkt, &direkt);
  ausgabe.FehleranzeigeAnmelden(Geraetepanel::Com, &com);
  ausgabe.FehleranzeigeAnmelden(Geraetepanel::Kennlinie, &kennlinie);
  ausgabe.FehleranzeigeAnmelden(Geraetepanel::Kurven, &kurven);

  ausgabe.ComFehlerSetzen(-403012);
  EXPECT_EQ(reihenfolge, (std::vector<std::string>{"kurven", "com", "kennlinie", "direkt"}));
  for (auto* a : {&kurven, &com, &kennlinie, &direkt}) {
    EXPECT_TRUE(a->lampe);
    EXPECT_EQ(a->text, "Keine Antwort vom Gerät");
    EXPECT_EQ(a->nummer, 403012);
  }
  ausgabe.ComFehlerSetzen(0);
  for (auto* a : {&kurven, &com, &kennlinie, &direkt}) {
    EXPECT_FALSE(a->lampe);
    EXPECT_EQ(a->text, "");
    EXPECT_EQ(a->nummer, 0);
  }
}
