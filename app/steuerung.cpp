// The program entry: load the panels, read the settings, initialise, run, write the settings.

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>

#include "app/anwendung.h"
#include "ui/qtdialoge.h"

int main(int argc, char* argv[]) {
  QApplication programm(argc, argv);
  // Qt takes over the user's locale; files and the serial line need the decimal point.
  std::setlocale(LC_NUMERIC, "C");
  // German texts of Qt's own dialogs and key names ("Strg+S").
  QTranslator qtTexte;
  if (qtTexte.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    programm.installTranslator(&qtTexte);
  QtDialoge dialoge;
  Anwendung anwendung(dialoge);
  dialoge.SetzeElternfenster(&anwendung.Fenster());
  if (anwendung.Starten() != 0) return -1;
  QObject::connect(&anwendung, &Anwendung::beenden, &programm, &QApplication::quit,
                   Qt::QueuedConnection);
  anwendung.Fenster().show();
  programm.exec();
  anwendung.Beenden();
  return 0;
}
