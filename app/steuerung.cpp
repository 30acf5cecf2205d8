// The program entry: the help needs no display, so it is answered before the toolkit starts;
// Qt takes its own options, the program body does the rest.

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/programmlauf.h"
#include "app/startoptionen.h"

int main(int argc, char* argv[]) {
  if (StartoptionenLesen(std::vector<std::string>(argv + 1, argv + argc), nullptr).hilfe) {
    std::fputs(kStarthilfe, stdout);
    return 0;
  }
  QApplication programm(argc, argv);
  std::vector<std::string> argumente;
  const QStringList liste = QCoreApplication::arguments();
  for (qsizetype i = 1; i < liste.size(); ++i) argumente.push_back(liste[i].toStdString());
  return Programmlauf(argumente);
}
