#include "curves/kurvendialogfenster.h"

#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <functional>

#include "curves/grafikdaten.h"
#include "curves/kurvenangaben.h"
#include "curves/kurvengrafik.h"

namespace {

constexpr double kZeitMax = 1e9;
constexpr double kWertGrenze = 1e9;
constexpr int kAbstandUnterZeiger = 20;

// A dialog that closes with OK; Escape or the window's close button first run zuruecksetzen,
// which puts the shown values back, and then close it the same way.
class Eingabedialog : public QDialog {
 public:
  Eingabedialog(const std::string& titel, QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QString::fromStdString(titel));
    setModal(true);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName("OK");
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout_ = new QVBoxLayout(this);
    layout_->addWidget(knoepfe);
  }
  void Hinzufuegen(QWidget* teil) { layout_->insertWidget(layout_->count() - 1, teil); }
  void Hinzufuegen(QLayout* teil) { layout_->insertLayout(layout_->count() - 1, teil); }
  std::function<void()> zuruecksetzen;

  void reject() override {
    if (zuruecksetzen) zuruecksetzen();
    accept();
  }

 private:
  QVBoxLayout* layout_;
};

}  // namespace

QDoubleSpinBox* Zahlfeld(const char* name, int nachkommastellen, double min, double max,
                         QWidget* eltern) {
  auto* feld = new QDoubleSpinBox(eltern);
  feld->setObjectName(name);
  feld->setLocale(QLocale::c());
  feld->setDecimals(nachkommastellen);
  feld->setRange(min, max);
  return feld;
}

Zeitfeldzeile::Zeitfeldzeile(bool nurLesen, QWidget* eltern) : QWidget(eltern) {
  struct Feld {
    const char* name;
    const char* einheit;
    int stellen;
  };
  constexpr Feld kFelder[] = {{"XSTUNDEN", "h", 0},
                              {"XMINUTEN", "min", 0},
                              {"XSEKUNDEN", "s", 0},
                              {"XMILISEKUNDEN", "ms", 2}};
  auto* zeile = new QHBoxLayout(this);
  zeile->setContentsMargins(0, 0, 0, 0);
  for (size_t i = 0; i < felder_.size(); ++i) {
    QDoubleSpinBox* feld = Zahlfeld(kFelder[i].name, kFelder[i].stellen, 0, kZeitMax, this);
    feld->setReadOnly(nurLesen);
    if (nurLesen) feld->setButtonSymbols(QAbstractSpinBox::NoButtons);
    feld->setToolTip(kFelder[i].einheit);
    felder_[i] = feld;
    zeile->addWidget(feld, 1);
    zeile->addWidget(new QLabel(kFelder[i].einheit, this));
  }
}

void Zeitfeldzeile::Setzen(const Zeitfelder& zeit) {
  felder_[0]->setValue(zeit.stunden);
  felder_[1]->setValue(zeit.minuten);
  felder_[2]->setValue(zeit.sekunden);
  felder_[3]->setValue(zeit.millisekunden);
}

Zeitfelder Zeitfeldzeile::Lesen() const {
  return {felder_[0]->value(), felder_[1]->value(), felder_[2]->value(), felder_[3]->value()};
}

void UnterDemZeigerAusfuehren(QDialog& dialog) {
  dialog.adjustSize();
  dialog.move(QCursor::pos() + QPoint(0, kAbstandUnterZeiger));
  dialog.exec();
}

Punkteingabe KurvenDialogfenster::Punktdialog(const std::string& titel, int punkt,
                                              const Punkteingabe& anzeige) {
  const Kurve& kurve = satz_.aktuelleKurve();
  if (punkt >= 0 && punkt < kurve.anzahlPunkte()) {
    Linienzug markierung;
    markierung.Anhaengen(Punktzeit(kurve, punkt), kurve.punkte[punkt].y);
    grafik_.VorschauZeigen(markierung);
  }
  Eingabedialog dialog(titel, eltern_);
  auto* zeit = new Zeitfeldzeile(false, &dialog);
  QDoubleSpinBox* wert = Zahlfeld("Y", 4, -kWertGrenze, kWertGrenze, &dialog);
  auto* form = new QFormLayout;
  form->addRow("Zeit", zeit);
  form->addRow("Y-Wert", wert);
  dialog.Hinzufuegen(form);
  const auto zeigen = [&] {
    zeit->Setzen(anzeige.zeit);
    wert->setValue(anzeige.wert);
  };
  zeigen();
  dialog.zuruecksetzen = zeigen;
  UnterDemZeigerAusfuehren(dialog);
  grafik_.VorschauEntfernen();
  return {zeit->Lesen(), wert->value()};
}

Zeitfelder KurvenDialogfenster::Geradendialog(const std::string& titel, int gerade,
                                              const Zeitfelder& dauer) {
  grafik_.GeradeHervorheben(gerade);
  Eingabedialog dialog(titel, eltern_);
  auto* zeit = new Zeitfeldzeile(false, &dialog);
  auto* form = new QFormLayout;
  form->addRow("Länge", zeit);
  dialog.Hinzufuegen(form);
  const auto zeigen = [&] { zeit->Setzen(dauer); };
  zeigen();
  dialog.zuruecksetzen = zeigen;
  UnterDemZeigerAusfuehren(dialog);
  grafik_.HervorhebungEntfernen();
  return zeit->Lesen();
}

std::string KurvenDialogfenster::Kommentardialog(const std::string& titel,
                                                 const std::string& text) {
  Eingabedialog dialog(titel, eltern_);
  auto* feld = new QPlainTextEdit(&dialog);
  feld->setObjectName("KOMMENTARTEXT");
  feld->setMinimumSize(420, 220);
  dialog.Hinzufuegen(feld);
  QObject::connect(feld, &QPlainTextEdit::textChanged, feld, [feld] {
    const std::string inhalt = feld->toPlainText().toStdString();
    const std::string gekuerzt = KommentarKuerzen(inhalt);
    if (gekuerzt == inhalt) return;
    const QSignalBlocker sperre(feld);
    feld->setPlainText(QString::fromStdString(gekuerzt));
    feld->moveCursor(QTextCursor::End);
  });
  const auto zeigen = [&] { feld->setPlainText(QString::fromStdString(text)); };
  zeigen();
  dialog.zuruecksetzen = zeigen;
  UnterDemZeigerAusfuehren(dialog);
  return feld->toPlainText().toStdString();
}
