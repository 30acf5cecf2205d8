#pragma once
// A round lamp with a settable on-colour, grey when off.

#include <QColor>
#include <QWidget>

class Lampe : public QWidget {
  Q_OBJECT
 public:
  explicit Lampe(QWidget* eltern = nullptr, QColor anFarbe = QColor(0xFF0000));
  void Setzen(bool an);
  bool An() const { return an_; }
  void AnFarbeSetzen(QColor farbe);
  QColor AnFarbe() const { return anFarbe_; }
  QSize sizeHint() const override { return {18, 18}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  bool an_ = false;
  QColor anFarbe_;
};
