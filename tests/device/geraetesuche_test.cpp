#include "device/geraetesuche.h"

#include <gtest/gtest.h>

#include "device/novhln1.h"
#include "sim/inprozessport.h"

TEST(Geraetesuche, FindetTvm5rUndAndereGeraete) {
  SimLeitung leitung;
  leitung.GeraetHinzufuegen('3');
  leitung.GeraetHinzufuegen('5', "PWC-2 V2.1");
  InProzessFabrik fabrik(leitung);
  ComPorts ports(fabrik);
  ASSERT_EQ(NOVHLN1_Open(ports, 1, 9600), 0);

  std::string gefragt;
  const Suchergebnis e = AdressenAbsuchen(ports, 1, [&](char a) { gefragt += a; });
  EXPECT_EQ(gefragt, "12345678");
  EXPECT_EQ(e.auswahl, '3');
  for (int i = 0; i < 8; ++i) {
    const Fund erwartet = i == 2 ? Fund::Tvm5r : i == 4 ? Fund::Anderes : Fund::Keines;
    EXPECT_EQ(e.adressen[i].fund, erwartet) << "Adresse " << i + 1;
  }
  EXPECT_EQ(e.adressen[2].kennung, "NOV-TVM5ARV1.00");
  EXPECT_EQ(e.adressen[4].kennung, "PWC-2V2.1");
  EXPECT_EQ(e.adressen[0].kennung, "");
}

TEST(Geraetesuche, HoechsterTvm5rWirdGewaehltUndGestoerteAntwortZaehltNicht) {
  SimLeitung leitung;
  leitung.GeraetHinzufuegen('2');
  leitung.GeraetHinzufuegen('6', "NOV-TVM5AR2 V2");
  leitung.GeraetHinzufuegen('7');
  // The scan's seventh frame asks address 7: its NAK means no device there.
  leitung.StoerungAufRahmen(7, {Stoerart::Nak});
  InProzessFabrik fabrik(leitung);
  ComPorts ports(fabrik);
  ASSERT_EQ(NOVHLN1_Open(ports, 1, 9600), 0);

  const Suchergebnis e = AdressenAbsuchen(ports, 1);
  EXPECT_EQ(e.auswahl, '6');
  EXPECT_EQ(e.adressen[1].fund, Fund::Tvm5r);
  EXPECT_EQ(e.adressen[5].fund, Fund::Tvm5r);
  EXPECT_EQ(e.adressen[6].fund, Fund::Keines);
  EXPECT_FALSE(IstTvm5r("NOV-TVM5A"));
  EXPECT_FALSE(IstTvm5r("nov-tvm5ar"));
}
