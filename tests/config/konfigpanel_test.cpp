// The configuration panel under Qt Test, offscreen.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "base/fehlerausgabe.h"
#include "base/ini.h"
#include "base/panelverwaltung.h"
#include "base/zeichensatz.h"
#include "config/konfigdatei.h"
#include "config/konfigini.h"
#include "config/konfigpanel.h"
#include "tests/support/skriptdialoge.h"
#include "tests/support/tempordner.h"
#include "ui/direkthilfe.h"
#include "ui/verbindungsbild.h"

namespace {

struct LeereAnsicht : PanelAnsicht {
  void PanelZeigen(int) override {}
  void PanelVerbergen(int) override {}
  void HauptbuttonsSperren(bool) override {}
};

// The shell around one configuration panel, shown as the current child panel.
struct Umgebung {
  SkriptDialoge dialoge;
  LeereAnsicht ansicht;
  Panelverwaltung panels{ansicht};
  QWidget haupt;
  Direkthilfe hilfe{panels, &haupt};
  Fehlerausgabe fehler{dialoge};
  Verbindungsbilder bilder{hilfe};
  ShellDienste shell{panels, hilfe, fehler, dialoge, bilder, [] { return 0; }};
  Konfigzustand zustand{dialoge};
  KonfigPanel* panel;
  int skaliert = 0;

  Umgebung() {
    haupt.resize(1200, 700);
    panel = new KonfigPanel(shell, zustand, &haupt);
    zustand.SkalierungAnmelden([this] { ++skaliert; });
    haupt.show();
    panels.ZeigeChildpanel(KONFIGPNL);
  }
  template <typename T>
  T* Feld(const char* name) {
    T* feld = panel->findChild<T*>(name);
    if (feld == nullptr) qFatal("field %s missing", name);
    return feld;
  }
  QDoubleSpinBox* Zahl(const char* name) { return Feld<QDoubleSpinBox>(name); }
};

// Types the text character by character, as a keyboard whose layout has them would; unlike
// QTest::keyClicks this also gives characters beyond Latin-1.
void Tippen(QWidget* feld, const QString& text) {
  for (const QChar zeichen : text)
    QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
}

}  // namespace

class KonfigpanelTest : public QObject {
  Q_OBJECT

 private slots:
  void EinheitNimmtNurZeichenDerDateien() {
    Umgebung u;
    QLineEdit* einheit = u.Feld<QLineEdit>("EINHEITOUT2");
    einheit->setFocus();
    einheit->clear();
    Tippen(einheit, "°C");
    QVERIFY(u.dialoge.meldungen.empty());
    Tippen(einheit, "Ω");
    QCOMPARE(einheit->text(), QString("°C"));
    QCOMPARE(u.dialoge.meldungen.size(), size_t{1});
    QCOMPARE(u.dialoge.meldungen[0].titel, std::string("Einheit"));
    QCOMPARE(u.dialoge.meldungen[0].text, NichtDarstellbarMeldung("Ω"));
    // Eight characters, umlauts counting once.
    Tippen(einheit, "/ÄÖÜäöü");
    QCOMPARE(einheit->text(), QString("°C/ÄÖÜäö"));
    QVERIFY(u.zustand.KonfigpanelVerlassen());
    QCOMPARE(u.zustand.gKonfig().outeinheit[1], std::string("°C/ÄÖÜäö"));
    QCOMPARE(u.dialoge.meldungen.size(), size_t{1});
  }

  void VerlassenOhneAenderungGibtDieVorgabe() {
    Umgebung u;
    IniDatei ini = Ini_New(true);
    Ini_ParseText(ini,
                  "[konfig]\nvoutmax = 5\nvinmax = 5\noutmax0 = 2\noutskalamax0 = 60\n"
                  "outeinheit0 = \"V\"\noutmax1 = 5\noutskalamax1 = 60\nouteinheit1 = \"V\"\n"
                  "inmin0 = 1\ninmax0 = 6\ninskalamax0 = 1000\nineinheit0 = \"mBar\"\n");
    ReadIniKonfigpanel(u.zustand, ini);
    QCOMPARE(u.Feld<QComboBox>("EINGANGSBEREICH")->currentText(), QString("0 - 5 V"));
    QCOMPARE(u.Feld<QLineEdit>("EINHEITIN1")->text(), QString("mBar"));
    u.panel->InitialisiereKonfigPanel();
    QCOMPARE(u.Feld<QComboBox>("AUSGANGSBEREICH")->currentText(), QString("0 - 4.095 V"));
    QCOMPARE(u.zustand.gKonfig().outmax[0], 2.0);

    QTest::mouseClick(u.panel->ZurueckKnopf(), Qt::LeftButton);
    QCOMPARE(u.panels.AktuellesChildpanel(), int(KEIN_PANEL));
    QCOMPARE(u.skaliert, 1);
    const Konfiguration& k = u.zustand.gKonfig();
    QCOMPARE(k.voutmax, 4.095);
    QCOMPARE(k.outmin[0], 0.0);
    QCOMPARE(k.outmax[0], 4.095);
    QCOMPARE(k.outskalamin[0], 0.0);
    QCOMPARE(k.outskalamax[0], 4.095);
    QCOMPARE(k.outeinheit[0], std::string("A"));
    QCOMPARE(k.outskalamax[1], 60.0);
    QCOMPARE(k.vinmax, 5.0);
    QCOMPARE(k.inmin[0], 1.0);
    QCOMPARE(k.ineinheit[0], std::string("mBar"));
    QCOMPARE(k.ineinheit[1], std::string(""));
    QVERIFY(u.dialoge.meldungen.empty());
  }

  void GleicheSpannungenWerdenAbgelehnt() {
    Umgebung u;
    QDoubleSpinBox* max = u.Zahl("SPANNUNG_OUTMAX3");
    max->setFocus();
    QTest::keyClick(max, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(max, "0");
    QCOMPARE(max->value(), 0.0);
    u.Zahl("SKALAINMAX2")->setValue(25.5);

    QTest::mouseClick(u.panel->ZurueckKnopf(), Qt::LeftButton);
    QCOMPARE(u.panels.AktuellesChildpanel(), int(KONFIGPNL));
    QCOMPARE(u.dialoge.meldungen.size(), size_t{1});
    QCOMPARE(u.dialoge.meldungen[0].text,
             std::string("PWC-2 Ausgang 3: Die beiden Spannungen sind gleich.\n"
                         "Diese Werte wurden nicht übernommen."));
    QCOMPARE(u.zustand.gKonfig().outmax[2], 10.0);
    QCOMPARE(u.zustand.gKonfig().inskalamax[1], 25.5);  // the other channels are taken over
    QCOMPARE(max->value(), 0.0);

    u.Zahl("SKALAOUTMIN4")->setValue(10.0);
    u.panel->FensterAktion(COMPNL)->trigger();
    QCOMPARE(u.panels.AktuellesChildpanel(), int(KONFIGPNL));
    QCOMPARE(u.dialoge.LetzteMeldung().text,
             std::string("PWC-2 Ausgang 3: Die beiden Spannungen sind gleich.\n"
                         "PWC-2 Ausgang 4: Die beiden Werte sind gleich.\n"
                         "Diese Werte wurden nicht übernommen."));
    max->setValue(7.0);
    u.Zahl("SKALAOUTMIN4")->setValue(-3.0);
    u.panel->FensterAktion(COMPNL)->trigger();
    QCOMPARE(u.panels.AktuellesChildpanel(), int(COMPNL));
    QCOMPARE(u.zustand.gKonfig().outmax[2], 7.0);
    QCOMPARE(u.zustand.gKonfig().outskalamin[3], -3.0);
    QCOMPARE(u.dialoge.meldungen.size(), size_t{2});
  }

  void FelderBehaltenDenRecordGenau() {
    Umgebung u;
    Konfiguration konfig;
    konfig.outmin[1] = 0.1234567890123;
    konfig.outskalamax[2] = 1e-7;
    konfig.inskalamin[3] = -123456789.25;
    konfig.outeinheit[3] =
        "\xC2\xB5"
        "A";
    konfig.ineinheit[2] = "µV";
    QVERIFY(u.zustand.KonfigurationSetzen(konfig));
    QCOMPARE(u.Zahl("SPANNUNG_OUTMIN2")->text(), QString("0.1234567890123"));
    QCOMPARE(u.Feld<QLineEdit>("EINHEITOUT4")->text(), QString::fromUtf8("µA"));
    QCOMPARE(u.Feld<QLineEdit>("EINHEITIN3")->text(), QString::fromUtf8("µV"));
    QVERIFY(u.zustand.KonfigfelderInStrukturSpeichern());
    QCOMPARE(KonfigurationenVergleichen(u.zustand.gKonfig(), konfig), 1);

    QLineEdit* einheit = u.Feld<QLineEdit>("EINHEITOUT2");
    QCOMPARE(einheit->maxLength(), 8);
    einheit->clear();
    QTest::keyClicks(einheit, "Kilopascal");
    QCOMPARE(einheit->text(), QString("Kilopasc"));
    QCOMPARE(u.Feld<QComboBox>("AUSGANGSBEREICH")->count(), 3);
    QCOMPARE(u.Feld<QComboBox>("AUSGANGSBEREICH")->itemText(0), QString("0 - 4.095 V"));
    QCOMPARE(u.Feld<QComboBox>("EINGANGSBEREICH")->itemText(1), QString("0 - 5 V"));
    QCOMPARE(u.Feld<QComboBox>("EINGANGSBEREICH")->itemText(2), QString("0 - 10 V"));
    const auto texte = u.panel->Inhalt()->findChildren<QLabel*>();
    QVERIFY(std::any_of(texte.begin(), texte.end(),
                        [](QLabel* l) { return l->text() == "PWC-2 Eingang 4 von"; }));
  }

  void StandardwerteUndDateimenue() {
    Umgebung u;
    TempOrdner ordner;
    u.Zahl("SKALAOUTMAX1")->setValue(60.0);
    u.dialoge.antworten = {1};
    QTest::mouseClick(u.Feld<QPushButton>("STANDARDWERTE"), Qt::LeftButton);
    QCOMPARE(u.dialoge.fragen.at(0).titel, std::string("Werte zurücksetzen"));
    QCOMPARE(u.Zahl("SKALAOUTMAX1")->value(), 10.0);

    QList<QAction*> eintraege = u.panel->DateiMenue()->actions();
    QCOMPARE(eintraege.size(), 3);
    QCOMPARE(eintraege[0]->text(), QString("Konfigurationsdatei speichern"));
    QCOMPARE(eintraege[1]->text(), QString("Konfigurationsdatei laden"));
    QCOMPARE(eintraege[2]->text(), QString("Beenden"));

    const std::string pfad = ordner.datei("a.sko");
    u.Feld<QLineEdit>("EINHEITIN4")->setText("bar");
    u.dialoge.dateien = {pfad};
    eintraege[0]->trigger();
    u.Feld<QLineEdit>("EINHEITIN4")->setText("x");
    u.dialoge.dateien = {pfad};
    eintraege[1]->trigger();
    QCOMPARE(u.Feld<QLineEdit>("EINHEITIN4")->text(), QString("bar"));
    QVERIFY(u.dialoge.meldungen.empty());

    u.dialoge.dateien = {ordner.datei("fehlt.sko")};
    eintraege[1]->trigger();
    QCOMPARE(u.dialoge.LetzteMeldung().titel, std::string("Fehler #308263"));
  }

  void DirekthilfeZeigtDieTexte() {
    Umgebung u;
    QVERIFY(QTest::qWaitForWindowExposed(&u.haupt));
    u.hilfe.Setzen(true);
    QTest::mouseClick(&u.haupt, Qt::LeftButton);  // closes the mode text
    QVERIFY(!u.hilfe.HilfetextOffen());
    auto hilfetext = [&] {
      auto* popup = u.haupt.findChild<QFrame*>("Hilfetext");
      return popup != nullptr ? popup->findChild<QLabel*>()->text() : QString();
    };

    QTest::mouseClick(u.Feld<QPushButton>("STANDARDWERTE"), Qt::LeftButton);
    QCOMPARE(hilfetext(),
             QString::fromUtf8("Setzt alle Eingabefelder auf die Standardwerte\n( 0 bis 10V ) "
                               "zurück."));
    QVERIFY(u.dialoge.fragen.empty());
    QTest::mouseClick(&u.haupt, Qt::LeftButton);

    QDoubleSpinBox* feld = u.Zahl("SKALAINMAX2");
    QTest::mouseClick(feld->findChild<QLineEdit*>(), Qt::LeftButton);
    QVERIFY(hilfetext().startsWith("Die Spannungen der Eingänge der PWC-2"));
    QTest::mouseClick(&u.haupt, Qt::LeftButton);
    QTest::mouseClick(u.Feld<QLineEdit>("EINHEITOUT1"), Qt::LeftButton);
    QCOMPARE(hilfetext(), QString::fromUtf8("Die Bezeichnung der Einheit für die Ausgangsgröße."));
    QTest::mouseClick(&u.haupt, Qt::LeftButton);
    QTest::mouseClick(u.Feld<QComboBox>("EINGANGSBEREICH"), Qt::LeftButton);
    QVERIFY(hilfetext().contains("0-4V Eingängen"));
    QTest::mouseClick(&u.haupt, Qt::LeftButton);

    QTest::mouseClick(u.panel->ZurueckKnopf(), Qt::LeftButton);
    QCOMPARE(u.panels.AktuellesChildpanel(), int(KONFIGPNL));
    QCOMPARE(u.skaliert, 0);
    u.hilfe.Setzen(false);
  }
};

QTEST_MAIN(KonfigpanelTest)
#include "konfigpanel_test.moc"
