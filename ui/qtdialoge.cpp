#include "ui/qtdialoge.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

void QtDialoge::MessagePopup(const std::string& titel, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, Q(titel), Q(text), QMessageBox::Ok, eltern_);
  box.exec();
}

int QtDialoge::GenericMessagePopup(const Frage& frage) {
  QMessageBox box(QMessageBox::NoIcon, Q(frage.titel), Q(frage.text), QMessageBox::NoButton,
                  eltern_);
  std::vector<QPushButton*> knoepfe;
  for (const auto& beschriftung : frage.knoepfe)
    knoepfe.push_back(box.addButton(Q(beschriftung), QMessageBox::ActionRole));
  const auto knopf = [&](int nummer) -> QPushButton* {
    return nummer >= 1 && nummer <= static_cast<int>(knoepfe.size()) ? knoepfe[nummer - 1]
                                                                     : nullptr;
  };
  if (QPushButton* enter = knopf(frage.enterKnopf)) box.setDefaultButton(enter);
  if (QPushButton* escape = knopf(frage.escapeKnopf)) box.setEscapeButton(escape);
  box.exec();
  for (size_t i = 0; i < knoepfe.size(); ++i)
    if (box.clickedButton() == knoepfe[i]) return static_cast<int>(i) + 1;
  return 0;
}

std::optional<std::string> QtDialoge::FileSelectPopup(const Dateiauswahl& auswahl) {
  QFileDialog dialog(eltern_, Q(auswahl.titel), Q(auswahl.verzeichnis), Q(auswahl.filter));
  const bool speichern = auswahl.knopf == Dateiknopf::Speichern;
  dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::ReadOnly, !auswahl.ordnerAnlegen);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !auswahl.ueberschreibenFragen);
  const QString endung = QFileInfo(Q(auswahl.filter)).suffix();
  if (auswahl.endungFest && !endung.isEmpty() && endung != "*") dialog.setDefaultSuffix(endung);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  QString pfad = dialog.selectedFiles().front();
  if (auswahl.endungFest && !endung.isEmpty() && endung != "*" &&
      QFileInfo(pfad).suffix().compare(endung, Qt::CaseInsensitive) != 0)
    pfad += "." + endung;
  return pfad.toStdString();
}

void QtDialoge::FortschrittOeffnen(const std::string& titel, const std::string& label) {
  fortschritt_ = new QProgressDialog(Q(label), QString(), 0, 100, eltern_);
  fortschritt_->setWindowTitle(Q(titel));
  fortschritt_->setWindowModality(Qt::ApplicationModal);
  fortschritt_->setMinimumDuration(0);
  fortschritt_->setCancelButton(nullptr);
  fortschritt_->setValue(0);
  fortschritt_->show();
  QApplication::processEvents();
}

void QtDialoge::FortschrittSetzen(int prozent) {
  if (!fortschritt_) return;
  fortschritt_->setValue(prozent);
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtDialoge::FortschrittSchliessen() {
  if (!fortschritt_) return;
  fortschritt_->close();
  fortschritt_->deleteLater();
  fortschritt_ = nullptr;
}
