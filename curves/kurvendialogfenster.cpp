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
#include <algorithm>
#include <functional>

#include "app/zeichensatz.h"
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

// After every edit of the comment: a character that the curve file cannot store takes the edit
// back, with a message under the box; a text beyond the file's 999 characters is cut.
void KommentarPruefen(QPlainTextEdit& feld, QLabel& meldung, QString& angenommen) {
  const QString jetzt = feld.toPlainText();
  const std::string inhalt = jetzt.toStdString();
  const QSignalBlocker sperre(&feld);
  if (const auto zeichen = ErstesNichtDarstellbaresZeichen(inhalt)) {
    const int zurueck =
        feld.textCursor().position() - static_cast<int>(jetzt.size() - angenommen.size());
    feld.setPlainText(angenommen);
    QTextCursor cursor = feld.textCursor();
    cursor.setPosition(std::clamp(zurueck, 0, static_cast<int>(angenommen.size())));
    feld.setTextCursor(cursor);
    meldung.setText(QString::fromStdString(NichtDarstellbarMeldung(*zeichen)));
    meldung.show();
    return;
  }
  meldung.hide();
  const std::string gekuerzt = KommentarKuerzen(inhalt);
  if (gekuerzt != inhalt) {
    feld.setPlainText(QString::fromStdString(gekuerzt));
    feld.moveCursor(QTextCursor::End);
  }
  angenommen = feld.toPlainText();
}

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
  // The fields round what they show to their decimals; a field the user left as shown gives
  // back the exact value it was handed, so that OK without an edit changes nothing.
  const Zeitfelder gezeigteZeit = zeit->Lesen();
  const double gezeigterWert = wert->value();
  dialog.zuruecksetzen = zeigen;
  UnterDemZeigerAusfuehren(dialog);
  grafik_.VorschauEntfernen();
  const Zeitfelder neueZeit = zeit->Lesen();
  return {neueZeit == gezeigteZeit ? anzeige.zeit : neueZeit,
          wert->value() == gezeigterWert ? anzeige.wert : wert->value()};
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
  // The last text the field accepted, to go back to when an edit is refused; it outlives the
  // dialog, whose field refers to it.
  QString angenommen;
  Eingabedialog dialog(titel, eltern_);
  auto* feld = new QPlainTextEdit(&dialog);
  feld->setObjectName("KOMMENTARTEXT");
  feld->setMinimumSize(420, 220);
  dialog.Hinzufuegen(feld);
  auto* meldung = new QLabel(&dialog);
  meldung->setObjectName("KOMMENTARMELDUNG");
  meldung->setStyleSheet("color: #C00000");
  meldung->hide();
  dialog.Hinzufuegen(meldung);
  QObject::connect(feld, &QPlainTextEdit::textChanged, feld,
                   [feld, meldung, &angenommen] { KommentarPruefen(*feld, *meldung, angenommen); });
  const auto zeigen = [&] { feld->setPlainText(QString::fromStdString(text)); };
  zeigen();
  dialog.zuruecksetzen = zeigen;
  UnterDemZeigerAusfuehren(dialog);
  return feld->toPlainText().toStdString();
}
