#pragma once
// The information panel: program name, version, date and the maker's contact lines.

#include <QDialog>

class QLabel;

class Infopanel : public QDialog {
  Q_OBJECT
 public:
  explicit Infopanel(QWidget* eltern);
  void VersionSetzen(const QString& version, const QString& datum);
  QString Version() const;
  QString Datum() const;

 private:
  QLabel* version_;
  QLabel* datum_;
};
