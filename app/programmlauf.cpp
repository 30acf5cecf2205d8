#include "app/programmlauf.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "app/anwendung.h"
#include "app/startoptionen.h"
#include "platform/endesignale.h"
#include "ui/qtdialoge.h"

namespace {

// The running application, for the end that the toolkit forces when the display connection is
// lost: Qt then calls exit(), which runs atexit handlers but unwinds no stack.
Anwendung* gLaufend = nullptr;

void DisplayVerloren() {
  if (gLaufend == nullptr) return;
  Anwendung* anwendung = gLaufend;
  gLaufend = nullptr;
  anwendung->Beenden(true);
}

}  // namespace

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
  // The program ends only when it decides to, so that a popup shown while no window is open
  // (before the main window, after it) waits for its answer.
  QApplication::setQuitOnLastWindowClosed(false);
  QtDialoge dialoge;
  Anwendung anwendung(dialoge);
  dialoge.SetzeElternfenster(&anwendung.Fenster());
  anwendung.Panels().gPwc2Panels = optionen.pwc2;
  // Logout, shutdown and a closed session end the program in order, without questions.
  const Endesignale signale;
  QSocketNotifier melder(signale.Deskriptor(), QSocketNotifier::Read);
  QObject::connect(&melder, &QSocketNotifier::activated, &anwendung, [&] {
    melder.setEnabled(false);
    anwendung.EndeVonAussen();
  });
  // Leaves every event loop without asking the windows to close: the end has been decided.
  QObject::connect(&anwendung, &Anwendung::beenden, [] { QCoreApplication::exit(0); });
  static const bool angemeldet = std::atexit(DisplayVerloren) == 0;
  (void)angemeldet;
  gLaufend = &anwendung;
  if (anwendung.Starten() != 0) {
    gLaufend = nullptr;
    return -1;
  }
  if (!anwendung.EndeAngefordert()) {
    anwendung.Fenster().show();
    QApplication::exec();
  }
  gLaufend = nullptr;
  anwendung.Beenden(anwendung.EndeVonAussenAngefordert());
  return 0;
}
