#include "ui/eingabedialog.h"

#include <algorithm>

#include <QCursor>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
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

bool NimmtTastatur(const QWidget* feld) {
  return (feld->focusPolicy() & Qt::TabFocus) != 0;
}

// The first widget of teil, or of its children, that takes keyboard focus.
QWidget* ErstesFokusfeld(QWidget* teil) {
  if (NimmtTastatur(teil)) return teil;
  for (QWidget* kind : teil->findChildren<QWidget*>())
    if (NimmtTastatur(kind)) return kind;
  return nullptr;
}

QWidget* ErstesFokusfeld(QLayout* teil) {
  for (int i = 0; i < teil->count(); ++i) {
    QLayoutItem* eintrag = teil->itemAt(i);
    QWidget* feld = nullptr;
    if (eintrag->widget() != nullptr)
      feld = ErstesFokusfeld(eintrag->widget());
    else if (eintrag->layout() != nullptr)
      feld = ErstesFokusfeld(eintrag->layout());
    if (feld != nullptr) return feld;
  }
  return nullptr;
}

// Moves a shown window into the available area of the screen under the pointer; its frame is
// known only once the window is shown.
void InDenBildschirm(QWidget& fenster, QPoint zeiger) {
  QScreen* schirm = QGuiApplication::screenAt(zeiger);
  if (schirm == nullptr) schirm = fenster.screen();
  if (schirm == nullptr) return;
  // A window's position is that of its frame.
  fenster.move(UnterDemZeiger(zeiger, fenster.frameGeometry().size(), schirm->availableGeometry())
                   .topLeft());
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
  if (erstesFeld_ == nullptr) erstesFeld_ = ErstesFokusfeld(teil);
}

void Eingabedialog::Hinzufuegen(QLayout* teil) {
  layout_->insertLayout(layout_->count() - 1, teil);
  if (erstesFeld_ == nullptr) erstesFeld_ = ErstesFokusfeld(teil);
}

void Eingabedialog::showEvent(QShowEvent* ereignis) {
  QDialog::showEvent(ereignis);
  if (erstesFeld_ == nullptr) return;
  erstesFeld_->setFocus(Qt::TabFocusReason);
  // A number is replaced by what is typed, as after Tab.
  if (auto* zahl = qobject_cast<QAbstractSpinBox*>(erstesFeld_)) zahl->selectAll();
}

void Eingabedialog::reject() {
  if (zuruecksetzen) zuruecksetzen();
  accept();
}

QRect UnterDemZeiger(QPoint zeiger, QSize groesse, const QRect& bereich) {
  QRect ziel(zeiger + QPoint(0, kAbstandUnterZeiger), groesse);
  if (ziel.bottom() > bereich.bottom()) ziel.moveBottom(zeiger.y() - kAbstandUnterZeiger);
  ziel.moveLeft(
      std::max(bereich.left(), std::min(ziel.left(), bereich.right() + 1 - ziel.width())));
  ziel.moveTop(std::max(bereich.top(), std::min(ziel.top(), bereich.bottom() + 1 - ziel.height())));
  return ziel;
}

void UnterDemZeigerAusfuehren(QDialog& dialog) {
  dialog.adjustSize();
  const QPoint zeiger = QCursor::pos();
  QScreen* schirm = QGuiApplication::screenAt(zeiger);
  if (schirm == nullptr) schirm = QGuiApplication::primaryScreen();
  dialog.move(UnterDemZeiger(zeiger, dialog.size(), schirm->availableGeometry()).topLeft());
  // Once shown, with the frame the window manager gave it.
  QTimer::singleShot(0, &dialog, [&dialog, zeiger] { InDenBildschirm(dialog, zeiger); });
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
  const auto zeigen = [&] {
    feld->setPlainText(QString::fromStdString(text));
    feld->moveCursor(QTextCursor::End);
  };
  zeigen();
  dialog.zuruecksetzen = zeigen;
  UnterDemZeigerAusfuehren(dialog);
  return feld->toPlainText().toStdString();
}
