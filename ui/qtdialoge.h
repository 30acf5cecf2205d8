#pragma once
// The dialogs of the core on Qt Widgets.

#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QWidget>

#include "base/dialoge.h"

class QtDialoge : public Dialoge {
 public:
  void SetzeElternfenster(QWidget* eltern) { eltern_ = eltern; }

  void MessagePopup(const std::string& titel, const std::string& text) override;
  int GenericMessagePopup(const Frage& frage) override;
  std::optional<std::string> FileSelectPopup(const Dateiauswahl& auswahl) override;
  void FortschrittOeffnen(const std::string& titel, const std::string& label) override;
  void FortschrittSetzen(int prozent) override;
  void FortschrittRestzeit(const std::string& text) override;
  bool FortschrittAbgebrochen() override;
  void FortschrittSchliessen() override;

 private:
  void Ereignisse();

  QPointer<QWidget> eltern_;
  QPointer<QProgressDialog> fortschritt_;
  QString label_;
};

inline QString Q(const std::string& text) {
  return QString::fromStdString(text);
}
