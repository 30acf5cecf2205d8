#pragma once
// The watch of the event loop over the COM panel's line: the open port's descriptor is watched
// for hang-up without a thread of its own, and while the connection waits for a line that went
// away, the port is tried once a second.

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include "device/comverbindung.h"

class Leitungswaechter : public QObject, public Leitungswache {
  Q_OBJECT
 public:
  Leitungswaechter(ComVerbindung& verbindung, QObject* eltern = nullptr);
  ~Leitungswaechter() override;

  void Beobachten(int deskriptor) override;
  void WiederkehrPruefen(bool an) override;

  bool Beobachtet() const { return melder_ != nullptr; }
  bool Wartet() const { return takt_.isActive(); }

 private:
  ComVerbindung& verbindung_;
  QPointer<QSocketNotifier> melder_;
  QTimer takt_;
};
