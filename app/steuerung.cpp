// The program entry: Qt takes its own options, the program body does the rest.

#include <QApplication>
#include <QStringList>

#include "app/programmlauf.h"

int main(int argc, char* argv[]) {
  QApplication programm(argc, argv);
  std::vector<std::string> argumente;
  const QStringList liste = QCoreApplication::arguments();
  for (qsizetype i = 1; i < liste.size(); ++i) argumente.push_back(liste[i].toStdString());
  return Programmlauf(argumente);
}
