#include "ui/fehleranzeigewidget.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include "ui/direkthilfe.h"
#include "ui/lampe.h"
#include "ui/qtdialoge.h"

namespace {

const char* const kHilfetext =
    "Zeigt an, ob bei der Datenübertragung zum TVM-5R ein\nFehler aufgetreten ist. Die "
    "Fehleranzeige besteht aus\nFehler-LED, Fehlertext, und Fehlernummer.";

}  // namespace

FehleranzeigeWidget::FehleranzeigeWidget(Direkthilfe& hilfe, QWidget* eltern)
    : QWidget(eltern),
      lampe_(new Lampe(this, QColor(0xFF, 0x00, 0x00))),
      text_(new QLineEdit(this)),
      nummerFeld_(new QLineEdit(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lampe_);
  layout->addWidget(text_, 1);
  layout->addWidget(nummerFeld_);
  text_->setReadOnly(true);
  text_->setObjectName("FEHLERSTRING");
  nummerFeld_->setReadOnly(true);
  nummerFeld_->setObjectName("FEHLERNR");
  nummerFeld_->setFixedWidth(80);
  nummerFeld_->setAlignment(Qt::AlignRight);
  nummerFeld_->setText("0");
  for (QWidget* w : {static_cast<QWidget*>(lampe_), static_cast<QWidget*>(text_),
                     static_cast<QWidget*>(nummerFeld_)})
    hilfe.Hilfe(w, kHilfetext);
}

void FehleranzeigeWidget::FehlerZeigen(bool lampe, const std::string& text, int nummer) {
  lampe_->Setzen(lampe);
  text_->setText(Q(text));
  text_->setCursorPosition(0);
  text_->setToolTip(Q(text));
  nummer_ = nummer;
  nummerFeld_->setText(QString::number(nummer));
}

bool FehleranzeigeWidget::LampeAn() const {
  return lampe_->An();
}

QString FehleranzeigeWidget::Text() const {
  return text_->text();
}
