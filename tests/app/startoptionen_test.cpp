#include "app/startoptionen.h"

#include <gtest/gtest.h>

TEST(Startoptionen, Pwc2HilfeUndUnbekannte) {
  struct Fall {
    std::vector<std::string> argumente;
    const char* umgebung;
    bool pwc2;
    bool hilfe;
    std::string fehler;
  };
  const Fall faelle[] = {
      {{}, nullptr, false, false, ""},
      {{"--pwc2"}, nullptr, true, false, ""},
      {{}, "1", true, false, ""},
      {{}, "0", false, false, ""},
      {{}, "", false, false, ""},
      {{"--hilfe"}, nullptr, false, true, ""},
      {{"--pwc2", "--pwc3", "x"}, nullptr, true, false, "Unbekannte Option: --pwc3"},
  };
  for (const Fall& f : faelle) {
    const Startoptionen o = StartoptionenLesen(f.argumente, f.umgebung);
    EXPECT_EQ(o.pwc2, f.pwc2);
    EXPECT_EQ(o.hilfe, f.hilfe);
    EXPECT_EQ(o.fehler, f.fehler);
  }
  EXPECT_NE(std::string(kStarthilfe).find("--pwc2"), std::string::npos);
  EXPECT_NE(std::string(kStarthilfe).find("TVM5R_PWC2=1"), std::string::npos);
}
