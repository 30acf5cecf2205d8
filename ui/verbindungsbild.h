#pragma once
// The connection picture every device panel carries: it shows the open port (1..8), 0 for a
// port above 8 and -1 when no port is open, and says in words what it shows (the port, "nicht
// verbunden", "unterbrochen") with a tooltip naming what a click does; a left click opens the
// last port or closes.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class Direkthilfe;

class Verbindungsbild : public QWidget {
  Q_OBJECT
 public:
  explicit Verbindungsbild(QWidget* eltern = nullptr);
  int Wert() const { return wert_; }
  void WertSetzen(int wert);
  void Beschriften(const QString& zeile, const QString& tipp);
  QString Zeile() const { return zeile_; }
  QSize sizeHint() const override { return {104, 40}; }

 signals:
  void linksklick();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* ereignis) override;

 private:
  int wert_ = -1;
  QString zeile_ = "nicht verbunden";
};

// All connection pictures of the program; they always show the same value.
class Verbindungsbilder : public QObject {
  Q_OBJECT
 public:
  explicit Verbindungsbilder(Direkthilfe& hilfe) : hilfe_(hilfe) {}

  // A new picture for a panel, already showing the current value.
  Verbindungsbild* Neu(QWidget* eltern);
  void Setzen(int wert);
  void Beschriften(const QString& zeile, const QString& tipp);
  int Wert() const { return wert_; }
  const QList<QPointer<Verbindungsbild>>& Bilder() const { return bilder_; }

 signals:
  // A left click on any picture with direct help off (ComPicture_Callback).
  void geklickt();

 private:
  Direkthilfe& hilfe_;
  QList<QPointer<Verbindungsbild>> bilder_;
  int wert_ = -1;
  QString zeile_ = "nicht verbunden";
  QString tipp_ = "Keine Verbindung.";
};
