#include "app/programmlauf.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "app/anwendung.h"
#include "app/startoptionen.h"
#include "ui/qtdialoge.h"

int Programmlauf(const std::vector<std::string>& argumente) {
  const Startoptionen optionen = StartoptionenLesen(argumente, std::getenv("TVM5R_PWC2"));
  if (!optionen.fehler.empty()) {
    std::fprintf(stderr, "%s\n%s", optionen.fehler.c_str(), kStarthilfe);
    return 2;
  }
  if (optionen.hilfe) {
    std::fputs(kStarthilfe, stdout);
    return 0;
  }
  // Qt takes over the user's locale; files and the serial line need the decimal point.
  std::setlocale(LC_NUMERIC, "C");
  // German texts of Qt's own dialogs and key names ("Strg+S").
  QTranslator qtTexte;
  if (qtTexte.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qtTexte);
  QtDialoge dialoge;
  Anwendung anwendung(dialoge);
  dialoge.SetzeElternfenster(&anwendung.Fenster());
  anwendung.Panels().gPwc2Panels = optionen.pwc2;
  if (anwendung.Starten() != 0) return -1;
  // Leaves the event loop without asking the windows to close: the end has been decided.
  QObject::connect(&anwendung, &Anwendung::beenden, [] { QCoreApplication::exit(0); });
  anwendung.Fenster().show();
  QApplication::exec();
  anwendung.Beenden();
  return 0;
}
