#include "ui/verbindungsbild.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/direkthilfe.h"

namespace {

const char* const kHilfetext =
    "Öffnet bzw. trennt die serielle Verbindung zum TVM-5R.\nCOM-Port Nummer und "
    "Geräteadresse müssen im\nFenster 'COM-Einstellung' eingestellt werden.";

}  // namespace

Verbindungsbild::Verbindungsbild(QWidget* eltern) : QWidget(eltern) {
  setFixedSize(sizeHint());
  setCursor(Qt::PointingHandCursor);
}

void Verbindungsbild::WertSetzen(int wert) {
  wert_ = wert;
  update();
}

void Verbindungsbild::Beschriften(const QString& zeile, const QString& tipp) {
  zeile_ = zeile;
  setToolTip(tipp);
  update();
}

void Verbindungsbild::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.setRenderHint(QPainter::Antialiasing);
  const bool verbunden = wert_ >= 0;
  const QColor farbe = verbunden ? QColor(0x00, 0x99, 0x00) : QColor(0x99, 0x99, 0x99);
  maler.setPen(QPen(farbe, 3));
  const int mitte = height() / 2;
  // Two plug halves, joined when connected.
  const int luecke = verbunden ? 0 : 8;
  maler.drawLine(4, mitte, width() / 2 - 6 - luecke, mitte);
  maler.drawRect(width() / 2 - 6 - luecke, mitte - 6, 6, 12);
  maler.drawRect(width() / 2 + luecke, mitte - 6, 6, 12);
  maler.drawLine(width() / 2 + 6 + luecke, mitte, width() - 4, mitte);
  maler.setPen(Qt::black);
  QFont schrift = font();
  schrift.setPointSizeF(schrift.pointSizeF() * 0.85);
  maler.setFont(schrift);
  maler.drawText(rect().adjusted(0, 0, 0, -1), Qt::AlignHCenter | Qt::AlignBottom, zeile_);
}

void Verbindungsbild::mousePressEvent(QMouseEvent* ereignis) {
  if (ereignis->button() == Qt::LeftButton) emit linksklick();
}

Verbindungsbild* Verbindungsbilder::Neu(QWidget* eltern) {
  auto* bild = new Verbindungsbild(eltern);
  bild->WertSetzen(wert_);
  bild->Beschriften(zeile_, tipp_);
  hilfe_.Hilfe(bild, kHilfetext);
  connect(bild, &Verbindungsbild::linksklick, this, [this] {
    if (!hilfe_.Aktiv()) emit geklickt();
  });
  bilder_.append(bild);
  return bild;
}

void Verbindungsbilder::Setzen(int wert) {
  wert_ = wert;
  for (const auto& bild : bilder_)
    if (bild) bild->WertSetzen(wert);
}

void Verbindungsbilder::Beschriften(const QString& zeile, const QString& tipp) {
  zeile_ = zeile;
  tipp_ = tipp;
  for (const auto& bild : bilder_)
    if (bild) bild->Beschriften(zeile, tipp);
}
