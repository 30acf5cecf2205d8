#include "ui/eingabedialog.h"

#include <QCursor>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/zeichensatz.h"

namespace {

constexpr int kAbstandUnterZeiger = 20;

// The typed text without the characters Windows-1252 cannot hold; the first one taken out.
std::string OhneNichtDarstellbare(std::string text, std::string& entfernt) {
  while (const auto zeichen = ErstesNichtDarstellbaresZeichen(text)) {
    if (entfernt.empty()) entfernt = *zeichen;
    text.erase(text.find(*zeichen), zeichen->size());
  }
  return text;
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

Eingabedialog::Eingabedialog(const std::string& titel, QWidget* eltern) : QDialog(eltern) {
  setWindowTitle(QString::fromStdString(titel));
  setModal(true);
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  knoepfe->button(QDialogButtonBox::Ok)->setObjectName("OK");
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout_ = new QVBoxLayout(this);
  layout_->addWidget(knoepfe);
}

void Eingabedialog::Hinzufuegen(QWidget* teil) {
  layout_->insertWidget(layout_->count() - 1, teil);
}

void Eingabedialog::Hinzufuegen(QLayout* teil) {
  layout_->insertLayout(layout_->count() - 1, teil);
}

void Eingabedialog::reject() {
  if (zuruecksetzen) zuruecksetzen();
  accept();
}

void UnterDemZeigerAusfuehren(QDialog& dialog) {
  dialog.adjustSize();
  dialog.move(QCursor::pos() + QPoint(0, kAbstandUnterZeiger));
  dialog.exec();
}

std::string Kommentardialog(QWidget* eltern, const std::string& titel, const std::string& text,
                            const std::function<std::string(const std::string&)>& kuerzen) {
  Eingabedialog dialog(titel, eltern);
  auto* feld = new QPlainTextEdit(&dialog);
  feld->setObjectName("KOMMENTARTEXT");
  feld->setMinimumSize(420, 220);
  dialog.Hinzufuegen(feld);
  auto* hinweis = new QLabel(&dialog);
  hinweis->setObjectName("KOMMENTARMELDUNG");
  hinweis->setStyleSheet("color: #C00000");
  hinweis->hide();
  dialog.Hinzufuegen(hinweis);
  QObject::connect(feld, &QPlainTextEdit::textChanged, feld, [feld, hinweis, &kuerzen] {
    const std::string inhalt = feld->toPlainText().toStdString();
    std::string entfernt;
    const std::string gekuerzt = kuerzen(OhneNichtDarstellbare(inhalt, entfernt));
    if (!entfernt.empty()) {
      hinweis->setText(QString::fromStdString(NichtDarstellbarMeldung(entfernt)));
      hinweis->show();
    }
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
