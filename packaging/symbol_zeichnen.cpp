// Draws the program's icon in the style of the curves panel's toolbar pictures (the same
// colours, round pen ends, a red curve with its points over blue steps on paper) into
// <ordner>/tvm5r-kurvengenerator-<n>.png for the sizes the desktop's icon theme asks for. The
// pictures are committed; run this only to change them:
//   g++ -std=c++20 -fPIC symbol_zeichnen.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/sz
//   QT_QPA_PLATFORM=offscreen /tmp/sz packaging/symbol

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

const QColor kRot(0xD0, 0x10, 0x10);
const QColor kBlau(0x10, 0x40, 0xC0);
const QColor kPetrol(0x00, 0x80, 0x80);
const QColor kDunkel(0x30, 0x30, 0x30);
const QColor kPapier(0xFF, 0xFF, 0xFF);

constexpr int kGroessen[] = {16, 32, 48, 64, 128, 256};

QPen Stift(QColor farbe, double breite) {
  return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Drawn on a 32 x 32 grid; the painter scales it to the picture's size.
void Zeichnen(QPainter& p) {
  p.setPen(Stift(kDunkel, 1.5));
  p.setBrush(kPapier);
  p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);

  p.setPen(QPen(QColor(0xB0, 0xD8, 0xD8), 0.8, Qt::DashLine));
  for (double linie : {9.0, 16.0, 23.0}) {
    p.drawLine(QPointF(linie, 4), QPointF(linie, 28));
    p.drawLine(QPointF(4, linie), QPointF(28, linie));
  }
  p.setPen(Stift(kPetrol, 1.2));
  p.drawLine(QPointF(4.5, 4), QPointF(4.5, 27.5));
  p.drawLine(QPointF(4.5, 27.5), QPointF(28, 27.5));

  const QPointF stufen[] = {{4.5, 25}, {10, 25}, {10, 19}, {16, 19},
                            {16, 13},  {22, 13}, {22, 8},  {27, 8}};
  p.setPen(Stift(kBlau, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(stufen, 8);

  const QPointF kurve[] = {{5.5, 24}, {11, 10.5}, {19, 18}, {26.5, 6.5}};
  p.setPen(Stift(kRot, 2.6));
  p.drawPolyline(kurve, 4);
  p.setPen(Stift(kDunkel, 1.0));
  p.setBrush(kRot);
  for (const QPointF& punkt : kurve) p.drawEllipse(punkt, 2.0, 2.0);
}

bool Speichern(const QString& ordner, int groesse) {
  QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(groesse / 32.0, groesse / 32.0);
  Zeichnen(p);
  p.end();
  return bild.save(QString("%1/tvm5r-kurvengenerator-%2.png").arg(ordner).arg(groesse), "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication anwendung(argc, argv);
  const QString ordner = argc > 1 ? QString(argv[1]) : QString(".");
  for (int groesse : kGroessen) {
    if (!Speichern(ordner, groesse)) {
      std::fprintf(stderr, "cannot write the %d pixel icon\n", groesse);
      return 1;
    }
  }
  return 0;
}
