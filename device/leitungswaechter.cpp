#include "device/leitungswaechter.h"

namespace {

constexpr int kWiederkehrTakt = 1000;  // ms

}  // namespace

Leitungswaechter::Leitungswaechter(ComVerbindung& verbindung, QObject* eltern)
    : QObject(eltern), verbindung_(verbindung) {
  takt_.setInterval(kWiederkehrTakt);
  connect(&takt_, &QTimer::timeout, this, [this] { verbindung_.WiederkehrPruefen(); });
  verbindung_.WacheSetzen(this);
}

Leitungswaechter::~Leitungswaechter() {
  verbindung_.WacheSetzen(nullptr);
}

void Leitungswaechter::Beobachten(int deskriptor) {
  // The notifier stops before its descriptor is closed; it may be the one reporting now, so it
  // is deleted later.
  if (melder_) {
    melder_->setEnabled(false);
    melder_->deleteLater();
    melder_ = nullptr;
  }
  if (deskriptor < 0) return;
  // A hang-up makes the descriptor report readable, as input does.
  melder_ = new QSocketNotifier(deskriptor, QSocketNotifier::Read, this);
  connect(melder_, &QSocketNotifier::activated, this, [this] { verbindung_.LeitungBeobachtet(); });
}

void Leitungswaechter::WiederkehrPruefen(bool an) {
  if (an)
    takt_.start();
  else
    takt_.stop();
}
