#include "ui/qtdialoge.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// A file dialog that gives the chosen name the filter's extension before it accepts, so that
// its own question about an existing file covers the name that is then written.
class Dateidialog : public QFileDialog {
 public:
  Dateidialog(QWidget* eltern, const QString& titel, const QString& ordner, const QString& filter,
              QString endung)
      : QFileDialog(eltern, titel, ordner, filter), endung_(std::move(endung)) {
    // Only Qt's own dialog lets the name be completed before its overwrite question.
    setOption(QFileDialog::DontUseNativeDialog);
  }

  void accept() override {
    const QStringList gewaehlt = selectedFiles();
    if (!endung_.isEmpty() && gewaehlt.size() == 1 && !QFileInfo(gewaehlt.front()).isDir() &&
        QFileInfo(gewaehlt.front()).suffix().compare(endung_, Qt::CaseInsensitive) != 0)
      NameSetzen(gewaehlt.front() + "." + endung_);
    QFileDialog::accept();
  }

 private:
  // selectFile leaves the name field alone while the user types in it.
  void NameSetzen(const QString& pfad) {
    selectFile(pfad);
    if (auto* feld = findChild<QLineEdit*>("fileNameEdit"); feld != nullptr && feld->hasFocus())
      feld->setText(QFileInfo(pfad).fileName());
  }

  QString endung_;
};

}  // namespace

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
  const bool speichern = auswahl.knopf == Dateiknopf::Speichern;
  QString endung = QFileInfo(Q(auswahl.filter)).suffix();
  if (endung == "*") endung.clear();
  const bool fest = auswahl.endungFest;
  // A name without an extension gets it in either mode, and a name to save under always (so that
  // the filter of the loading dialog finds the file); a file to load must exist under the name
  // chosen, so only a name to save under with a fixed extension gets it after another one.
  Dateidialog dialog(eltern_, Q(auswahl.titel), Q(auswahl.verzeichnis), Q(auswahl.filter),
                     speichern && fest ? endung : QString());
  dialog.setObjectName("Dateiauswahl");
  dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::ReadOnly, !auswahl.ordnerAnlegen);
  dialog.setDefaultSuffix(fest || speichern ? endung : QString());
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !auswahl.ueberschreibenFragen);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

void QtDialoge::FortschrittOeffnen(const std::string& titel, const std::string& label) {
  label_ = Q(label);
  fortschritt_ = new QProgressDialog(label_, "Abbrechen", 0, 100, eltern_);
  fortschritt_->setObjectName("Fortschritt");
  fortschritt_->setWindowTitle(Q(titel));
  fortschritt_->setWindowModality(Qt::ApplicationModal);
  fortschritt_->setMinimumDuration(0);
  // A click on "Abbrechen" is only noted; the transfer asks for it after the frame on the line.
  fortschritt_->setAutoReset(false);
  fortschritt_->setAutoClose(false);
  fortschritt_->setValue(0);
  fortschritt_->show();
  Ereignisse();
}

void QtDialoge::FortschrittSetzen(int prozent) {
  if (!fortschritt_) return;
  fortschritt_->setValue(prozent);
  Ereignisse();
}

void QtDialoge::FortschrittRestzeit(const std::string& text) {
  if (!fortschritt_) return;
  fortschritt_->setLabelText(text.empty() ? label_ : label_ + "\n" + Q(text));
}

bool QtDialoge::FortschrittAbgebrochen() {
  return fortschritt_ && fortschritt_->wasCanceled();
}

void QtDialoge::FortschrittSchliessen() {
  if (!fortschritt_) return;
  fortschritt_->close();
  fortschritt_->deleteLater();
  fortschritt_ = nullptr;
}

void QtDialoge::Ereignisse() {
  // The dialog is modal, so only it takes input; the line's watch waits until the transfer
  // is over, so that it never reads between a frame and its answer.
  QApplication::processEvents(QEventLoop::ExcludeSocketNotifiers);
}
