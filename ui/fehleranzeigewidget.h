#pragma once
// The error indicator of a device panel: lamp, error text and error number.

#include <QWidget>

#include "base/fehlerausgabe.h"

class QLabel;
class QLineEdit;
class Lampe;
class Direkthilfe;

class FehleranzeigeWidget : public QWidget, public Fehleranzeige {
  Q_OBJECT
 public:
  FehleranzeigeWidget(Direkthilfe& hilfe, QWidget* eltern = nullptr);

  void FehlerZeigen(bool lampe, const std::string& text, int nummer) override;

  bool LampeAn() const;
  QString Text() const;
  int Nummer() const { return nummer_; }

 private:
  Lampe* lampe_;
  QLineEdit* text_;
  QLineEdit* nummerFeld_;
  int nummer_ = 0;
};
