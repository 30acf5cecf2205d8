// The Qt dialogs offscreen. The file selection: a name to save under gets the file type's
// extension inside the dialog, so that its own question about an existing file covers the name
// written. The progress dialog: remaining time and "Abbrechen".

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <fstream>

#include "tests/support/tempordner.h"
#include "ui/qtdialoge.h"

namespace {

struct Auswahllauf {
  std::deque<QString> namen;                          // typed and accepted in turn; "" cancels
  std::deque<QMessageBox::StandardButton> antworten;  // for the overwrite question
  QStringList fragen;                                 // the texts of the questions asked

  std::optional<std::string> Laufen(const Dateiauswahl& auswahl) {
    QTimer dateien;
    QObject::connect(&dateien, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || namen.empty()) return;
      const QString name = namen.front();
      namen.pop_front();
      if (name.isEmpty()) {
        dialog->reject();
        return;
      }
      // Typed as a user types it, into the focused name field.
      QLineEdit* feld = dialog->findChild<QLineEdit*>("fileNameEdit");
      QApplication::setActiveWindow(dialog);
      feld->setFocus();
      feld->selectAll();
      QTest::keyClicks(feld, name);
      static_cast<QDialog*>(dialog)->accept();  // as the "Speichern" button does
    });
    QTimer fragen_;
    QObject::connect(&fragen_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || antworten.empty()) return;
      fragen << box->text();
      box->button(antworten.front())->click();
      antworten.pop_front();
    });
    dateien.start(10);
    fragen_.start(10);
    QtDialoge dialoge;
    return dialoge.FileSelectPopup(auswahl);
  }
};

}  // namespace

class QtDialogeTest : public QObject {
  Q_OBJECT

 private slots:
  void EndungVorDerUeberschreibfrage() {
    TempOrdner ordner;
    std::ofstream(ordner.datei("foo.txt.sko")) << "alt";
    std::ofstream(ordner.datei("foo.txt")) << "text";
    const std::string pfad = ordner.pfad().string() + "/";
    Dateiauswahl speichern =
        DateiauswahlFuer("*.sko", "Konfiguration speichern", Dateiknopf::Speichern);
    speichern.verzeichnis = ordner.pfad().string();

    struct Fall {
      std::deque<QString> namen;
      std::deque<QMessageBox::StandardButton> antworten;
      std::optional<std::string> ergebnis;
      int fragen;
    };
    const Fall faelle[] = {
        // "foo.txt" is saved as the existing "foo.txt.sko": asked first; "No" keeps the dialog.
        {{"foo.txt", "neu"}, {QMessageBox::No}, pfad + "neu.sko", 1},
        {{"foo.txt"}, {QMessageBox::Yes}, pfad + "foo.txt.sko", 1},
        {{"bar.SKO"}, {}, pfad + "bar.SKO", 0},
        {{""}, {}, std::nullopt, 0},
    };
    for (const Fall& fall : faelle) {
      Auswahllauf lauf{fall.namen, fall.antworten, {}};
      QCOMPARE(lauf.Laufen(speichern), fall.ergebnis);
      QCOMPARE(lauf.fragen.size(), fall.fragen);
      if (fall.fragen > 0)
        QVERIFY2(lauf.fragen.front().contains("foo.txt.sko"), qPrintable(lauf.fragen.front()));
    }

    // A file to load keeps the name chosen.
    Dateiauswahl laden = DateiauswahlFuer("*.sko", "Konfiguration laden", Dateiknopf::Laden);
    laden.verzeichnis = ordner.pfad().string();
    Auswahllauf lauf{{"foo.txt"}, {}, {}};
    QCOMPARE(lauf.Laufen(laden), std::optional<std::string>(pfad + "foo.txt"));
  }

  // A text export takes any extension, and a name without one gets ".txt", so that the import
  // dialog's filter finds the file.
  void TextexportOhneEndung() {
    TempOrdner ordner;
    const std::string pfad = ordner.pfad().string() + "/";
    Dateiauswahl exportieren =
        DateiauswahlFuer("*.txt", "Kurven exportieren", Dateiknopf::Speichern, false);
    exportieren.verzeichnis = ordner.pfad().string();
    const std::pair<QString, std::string> faelle[] = {{"kurven", "kurven.txt"},
                                                      {"kurven.csv", "kurven.csv"}};
    for (const auto& [name, datei] : faelle) {
      Auswahllauf lauf{{name}, {}, {}};
      QCOMPARE(lauf.Laufen(exportieren), std::optional<std::string>(pfad + datei));
    }
  }

  // The progress dialog shows the remaining time under its label; "Abbrechen" is noted until
  // the transfer asks, and the dialog stays until the transfer closes it.
  void FortschrittMitRestzeitUndAbbrechen() {
    QtDialoge dialoge;
    dialoge.FortschrittOeffnen("Daten senden", "Daten senden");
    auto* dialog = qApp->findChild<QProgressDialog*>("Fortschritt");
    if (dialog == nullptr) {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "Fortschritt") dialog = qobject_cast<QProgressDialog*>(w);
    }
    QVERIFY(dialog != nullptr);
    dialoge.FortschrittRestzeit("noch 1:23 min");
    dialoge.FortschrittSetzen(14);
    QCOMPARE(dialog->labelText(), QString("Daten senden\nnoch 1:23 min"));
    QCOMPARE(dialog->value(), 14);
    QVERIFY(!dialoge.FortschrittAbgebrochen());
    auto* knopf = dialog->findChild<QPushButton*>();
    QVERIFY(knopf != nullptr);
    QCOMPARE(knopf->text(), QString("Abbrechen"));
    QTest::mouseClick(knopf, Qt::LeftButton);
    dialoge.FortschrittSetzen(29);
    QVERIFY(dialoge.FortschrittAbgebrochen());
    dialoge.FortschrittSchliessen();
    QVERIFY(!dialoge.FortschrittAbgebrochen());
  }
};

QTEST_MAIN(QtDialogeTest)
#include "qtdialoge_test.moc"
