#include "config/konfigpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QValidator>
#include <cfloat>
#include <cmath>
#include <optional>
#include <utility>

#include "base/fehlerausgabe.h"
#include "base/panelverwaltung.h"
#include "base/zeichensatz.h"
#include "config/konfigdatei.h"
#include "ui/direkthilfe.h"
#include "ui/fehleranzeigewidget.h"
#include "ui/verbindungsbild.h"

// The texts that differ between the outputs and the inputs.
struct KonfigBeschriftung {
  const char* kennung;  // part of the field names: "OUT" or "IN"
  const char* kanal;
  const char* titel;
  const char* bereichName;
  const char* bereichHilfe;
  const char* einheitHilfe;
  const char* werteHilfe;
};

namespace {

const KonfigBeschriftung kAusgangstexte{
    "OUT",
    "Ausgang",
    "Ausgänge",
    "AUSGANGSBEREICH",
    "Die PWC-2 Box ist mit 0-10V, 0-5V oder 0-4V Ausgängen\nerhältlich (unterschiedliche "
    "Hardware). Welche Box benutzt\nwird, muss hier eingestellt werden.",
    "Die Bezeichnung der Einheit für die Ausgangsgröße.",
    "Die Spannungen der Ausgänge der PWC-2 können innerhalb von \nPWC2-Steuerung in andere "
    "physikalische Größen umgerechnet \nwerden. Das ist nützlich, wenn mit der PWC-2 ein "
    "anderes Gerät \ngesteuert wird.\nBeispiel:\nWenn an Ausgang 1 ein 0-60 Volt Netzgerät "
    "angeschlossen ist, das \neine Steuerspannung von 0-5 Volt erwartet, so muß für Ausgang 1 "
    "\nfolgendes eingestellt werden:\n'Ausgang 1 von 0.0 bis 5.0 V wird umgerechnet in 0.000 "
    "bis 60.000 V'"};

const KonfigBeschriftung kEingangstexte{
    "IN",
    "Eingang",
    "Eingänge",
    "EINGANGSBEREICH",
    "Die PWC-2 Box ist mit 0-10V, 0-5V oder 0-4V Eingängen\nerhältlich (unterschiedliche "
    "Hardware). Welche Box benutzt\nwird, muss hier eingestellt werden.",
    "Die Bezeichnung der Einheit für die Eingangsgröße.",
    "Die Spannungen der Eingänge der PWC-2 können innerhalb von \nPWC2-Steuerung in andere "
    "physikalische Größen umgerechnet \nwerden. Das ist nützlich, wenn mit der PWC-2 z.B. ein "
    "Sensor \nabgefragt wird.\nBeispiel:\nWenn an Eingang 1 ein 0-1000 mBar Drucksensor "
    "angeschlossen ist, \nder eine Ausgangsspannung von 1-6 Volt liefert, so muß für Eingang 1 "
    "\nfolgendes eingestellt werden:\n'Eingang 1 von 1.0 bis 6.0 V wird umgerechnet in 0.000 "
    "bis 1000.000 mBar'"};

const char* const kStandardwerteHilfe =
    "Setzt alle Eingabefelder auf die Standardwerte\n( 0 bis 10V ) zurück.";

struct Bereich {
  const char* text;
  double volt;
};

constexpr Bereich kBereiche[] = {{"0 - 4.095 V", 4.095}, {"0 - 5 V", 5.0}, {"0 - 10 V", 10.0}};

// Any value a file may reasonably hold fits, so that showing a record never changes it.
constexpr double kFeldgrenze = 1e15;

// A numeric field that keeps the exact double it was given: it shows the shortest text that
// reads back as the same value, with a decimal point whatever the language.
class Zahlfeld : public QDoubleSpinBox {
 public:
  Zahlfeld(double schritt, QWidget* eltern) : QDoubleSpinBox(eltern) {
    // The spin box rounds every value to its decimals; this many keep any double as it is.
    setDecimals(DBL_MAX_10_EXP + DBL_DIG);
    setRange(-kFeldgrenze, kFeldgrenze);
    setSingleStep(schritt);
    setLocale(QLocale::c());
  }
  // Clicks on the text go to the line edit inside, which needs the help text too.
  QLineEdit* Textfeld() const { return lineEdit(); }

 protected:
  QString textFromValue(double wert) const override {
    return QLocale::c().toString(wert, 'g', QLocale::FloatingPointShortest);
  }
  double valueFromText(const QString& text) const override {
    return QLocale::c().toDouble(text.trimmed());
  }
  QValidator::State validate(QString& text, int&) const override {
    bool ok = false;
    const double wert = QLocale::c().toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(wert))
      return wert >= minimum() && wert <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
    static const QRegularExpression angefangen(R"(^\s*[+-]?\d*\.?\d*([eE][+-]?\d*)?\s*$)");
    return angefangen.match(text).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
  }
};

// Refuses an edit that brings in a character the files cannot store (one byte per character,
// Windows-1252) and keeps that character for the message.
class Zeichensatzpruefer : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int&) const override {
    abgelehnt_ = ErstesNichtDarstellbaresZeichen(text.toStdString());
    return abgelehnt_ ? Invalid : Acceptable;
  }
  std::optional<std::string> Abgelehnt() { return std::exchange(abgelehnt_, std::nullopt); }

 private:
  mutable std::optional<std::string> abgelehnt_;
};

QString Feldname(const char* art, const KonfigBeschriftung& text, int k) {
  return QString(art).arg(text.kennung).arg(k + 1);
}

}  // namespace

KonfigPanel::KonfigPanel(ShellDienste& shell, Konfigzustand& zustand, QWidget* eltern)
    : ChildPanel(shell, KONFIGPNL, "Konfiguration", eltern), zustand_(zustand) {
  auto* layout = new QVBoxLayout(Inhalt());
  auto* raster = new QGridLayout;
  layout->addLayout(raster);
  BlockAnlegen(raster, 0, ausgaenge_, kAusgangstexte);
  BlockAnlegen(raster, kKanaele + 1, eingaenge_, kEingangstexte);
  layout->addStretch(1);

  standardwerte_ = new QPushButton("Standardwerte", Inhalt());
  standardwerte_->setObjectName("STANDARDWERTE");
  shell_.hilfe.Hilfe(standardwerte_, kStandardwerteHilfe);
  connect(standardwerte_, &QPushButton::clicked, this, [this] {
    shell_.hilfe.Ausfuehren(kStandardwerteHilfe, [this] { zustand_.StandardwerteFragen(); });
  });
  auto* unten = new QHBoxLayout;
  unten->addWidget(standardwerte_);
  unten->addWidget(ZurueckKnopf());
  unten->addStretch(1);
  unten->addWidget(Fehleranzeige(), 2);
  unten->addWidget(Verbindung());
  unten->addWidget(HilfeToggle());
  layout->addLayout(unten);

  MenueAnlegen();
  // Until the settings are read the fields show the record's defaults.
  FelderZeigen(Konfiguration{});
  zustand_.FelderAnmelden(this);
}

KonfigPanel::~KonfigPanel() {
  zustand_.FelderAnmelden(nullptr);
}

void KonfigPanel::BlockAnlegen(QGridLayout* raster, int zeile, Kanalzeilen& z,
                               const KonfigBeschriftung& text) {
  auto* titel = new QLabel(text.titel, Inhalt());
  QFont schrift = titel->font();
  schrift.setBold(true);
  titel->setFont(schrift);
  raster->addWidget(titel, zeile, 0);
  z.bereich = new QComboBox(Inhalt());
  z.bereich->setObjectName(text.bereichName);
  for (const Bereich& b : kBereiche) z.bereich->addItem(b.text, b.volt);
  shell_.hilfe.Hilfe(z.bereich, text.bereichHilfe);
  raster->addWidget(z.bereich, zeile, 1, 1, 2);
  for (int k = 0; k < kKanaele; ++k) KanalAnlegen(raster, zeile + 1 + k, z, text, k);
}

void KonfigPanel::KanalAnlegen(QGridLayout* raster, int zeile, Kanalzeilen& z,
                               const KonfigBeschriftung& text, int k) {
  auto feld = [&](const char* art, double schritt) {
    auto* f = new Zahlfeld(schritt, Inhalt());
    f->setObjectName(Feldname(art, text, k));
    shell_.hilfe.Hilfe(f, text.werteHilfe);
    shell_.hilfe.Hilfe(f->Textfeld(), text.werteHilfe);
    return f;
  };
  z.min[k] = feld("SPANNUNG_%1MIN%2", 0.1);
  z.max[k] = feld("SPANNUNG_%1MAX%2", 0.1);
  z.skalamin[k] = feld("SKALA%1MIN%2", 1.0);
  z.skalamax[k] = feld("SKALA%1MAX%2", 1.0);
  z.einheit[k] = new QLineEdit(Inhalt());
  z.einheit[k]->setObjectName(Feldname("EINHEIT%1%2", text, k));
  z.einheit[k]->setMaxLength(static_cast<int>(kEinheitLaenge));
  auto* pruefer = new Zeichensatzpruefer(z.einheit[k]);
  z.einheit[k]->setValidator(pruefer);
  connect(z.einheit[k], &QLineEdit::inputRejected, this, [this, pruefer] {
    if (const auto zeichen = pruefer->Abgelehnt())
      shell_.dialoge.MessagePopup("Einheit", NichtDarstellbarMeldung(*zeichen));
  });
  shell_.hilfe.Hilfe(z.einheit[k], text.einheitHilfe);

  const QString kanal = QString("PWC-2 %1 %2 von").arg(text.kanal).arg(k + 1);
  int spalte = 0;
  for (QWidget* w : std::initializer_list<QWidget*>{
           new QLabel(kanal, Inhalt()), z.min[k], new QLabel("bis", Inhalt()), z.max[k],
           new QLabel("V wird umgerechnet in", Inhalt()), z.skalamin[k],
           new QLabel("bis", Inhalt()), z.skalamax[k], z.einheit[k]})
    raster->addWidget(w, zeile, spalte++);
}

void KonfigPanel::MenueAnlegen() {
  DateiEintrag("Konfigurationsdatei speichern", QString(),
               [this] { DateiBefehl(KonfigurationSpeichern(zustand_)); });
  DateiEintrag("Konfigurationsdatei laden", QString(),
               [this] { DateiBefehl(KonfigurationLaden(zustand_)); });
}

void KonfigPanel::DateiBefehl(int ergebnis) {
  if (ergebnis != 0) shell_.fehler.NOV_Fehlerpopup(ergebnis);
}

void KonfigPanel::InitialisiereKonfigPanel() {
  zustand_.InitialisiereKonfigPanel();
}

void KonfigPanel::FelderZeigen(const Konfiguration& konfig) {
  BlockZeigen(ausgaenge_, konfig, kAusgaenge);
  BlockZeigen(eingaenge_, konfig, kEingaenge);
}

Konfiguration KonfigPanel::FelderLesen() const {
  Konfiguration konfig;
  BlockLesen(ausgaenge_, konfig, kAusgaenge);
  BlockLesen(eingaenge_, konfig, kEingaenge);
  return konfig;
}

void KonfigPanel::BlockZeigen(const Kanalzeilen& z, const Konfiguration& konfig,
                              const Kanalblock& b) {
  // A full scale that is not one of the ring's items leaves the ring as it is.
  for (int i = 0; i < z.bereich->count(); ++i)
    if (z.bereich->itemData(i).toDouble() == konfig.*b.vmax) z.bereich->setCurrentIndex(i);
  for (int k = 0; k < kKanaele; ++k) {
    z.min[k]->setValue((konfig.*b.min)[k]);
    z.max[k]->setValue((konfig.*b.max)[k]);
    z.skalamin[k]->setValue((konfig.*b.skalamin)[k]);
    z.skalamax[k]->setValue((konfig.*b.skalamax)[k]);
    z.einheit[k]->setText(QString::fromStdString((konfig.*b.einheit)[k]));
  }
}

void KonfigPanel::BlockLesen(const Kanalzeilen& z, Konfiguration& konfig,
                             const Kanalblock& b) const {
  konfig.*b.vmax = z.bereich->currentData().toDouble();
  for (int k = 0; k < kKanaele; ++k) {
    (konfig.*b.min)[k] = z.min[k]->value();
    (konfig.*b.max)[k] = z.max[k]->value();
    (konfig.*b.skalamin)[k] = z.skalamin[k]->value();
    (konfig.*b.skalamax)[k] = z.skalamax[k]->value();
    (konfig.*b.einheit)[k] = z.einheit[k]->text().toUtf8().toStdString();
  }
}

void KonfigPanel::FensterWaehlen(int panel) {
  // A refused channel keeps the panel open, with the fields as typed.
  if (!zustand_.KonfigpanelVerlassen()) return;
  ChildPanel::FensterWaehlen(panel);
}
