// Draws the toolbar pictures of the curves and characteristic panels into this folder: <name>.png
// (16 x 16) and <name>@2x.png (32 x 32) for high-density screens. The pictures are committed; run
// this only to change them:
//   g++ -std=c++20 -fPIC knoepfe_zeichnen.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/kz
//   QT_QPA_PLATFORM=offscreen /tmp/kz curves/buttons

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kRot(0xD0, 0x10, 0x10);
const QColor kBlau(0x10, 0x40, 0xC0);
const QColor kGruen(0x00, 0x80, 0x00);
const QColor kPetrol(0x00, 0x80, 0x80);
const QColor kGelb(0xF0, 0xC0, 0x30);
const QColor kDunkel(0x30, 0x30, 0x30);
const QColor kPapier(0xFF, 0xFF, 0xFF);

QPen Stift(QColor farbe, double breite = 1.2) {
  return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Seite(QPainter& p, QRectF r) {
  QPainterPath pfad;
  pfad.moveTo(r.left(), r.top());
  pfad.lineTo(r.right() - 3.5, r.top());
  pfad.lineTo(r.right(), r.top() + 3.5);
  pfad.lineTo(r.right(), r.bottom());
  pfad.lineTo(r.left(), r.bottom());
  pfad.closeSubpath();
  p.setPen(Stift(kDunkel, 1.0));
  p.setBrush(kPapier);
  p.drawPath(pfad);
  p.drawLine(QPointF(r.right() - 3.5, r.top()), QPointF(r.right() - 3.5, r.top() + 3.5));
  p.drawLine(QPointF(r.right() - 3.5, r.top() + 3.5), QPointF(r.right(), r.top() + 3.5));
}

void Text(QPainter& p, QRectF r, const QString& text, QColor farbe, double groesse) {
  QFont schrift("DejaVu Sans");
  schrift.setPixelSize(static_cast<int>(groesse * p.transform().m11()));
  schrift.setBold(true);
  p.save();
  p.resetTransform();
  const double s = p.device()->width() / 16.0;
  p.setFont(schrift);
  p.setPen(farbe);
  p.drawText(QRectF(r.left() * s, r.top() * s, r.width() * s, r.height() * s), Qt::AlignCenter,
             text);
  p.restore();
}

// A small curve through the picture, used behind several tools.
void Kurvenlinie(QPainter& p, QColor farbe) {
  p.setPen(Stift(farbe, 1.3));
  p.setBrush(Qt::NoBrush);
  const QPointF punkte[] = {{1.5, 13}, {5, 6}, {9, 10}, {14.5, 3}};
  p.drawPolyline(punkte, 4);
}

void Punkt(QPainter& p, QPointF m, QColor farbe, double r = 2.0) {
  p.setPen(Stift(kDunkel, 0.8));
  p.setBrush(farbe);
  p.drawEllipse(m, r, r);
}

void Lupe(QPainter& p) {
  p.setPen(Stift(kDunkel, 1.8));
  p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
  p.setPen(Stift(kDunkel, 1.3));
  p.setBrush(QColor(0xE8, 0xF2, 0xFF));
  p.drawEllipse(QPointF(6.5, 6.5), 5, 5);
}

void Pfeil(QPainter& p, bool rechts) {
  p.save();
  if (rechts) {
    p.translate(16, 0);
    p.scale(-1, 1);
  }
  QPainterPath bogen;
  bogen.moveTo(4, 7);
  bogen.cubicTo(7, 2.5, 13.5, 3.5, 13.5, 9);
  bogen.cubicTo(13.5, 12, 11, 13.5, 8.5, 13.5);
  p.setPen(Stift(kBlau, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(bogen);
  const QPointF spitze[] = {{1.5, 8.5}, {3, 3.5}, {7.5, 6.5}};
  p.setPen(Stift(kBlau, 1.0));
  p.setBrush(kBlau);
  p.drawPolygon(spitze, 3);
  p.restore();
}

void Stufen(QPainter& p, QColor farbe) {
  p.setPen(Stift(farbe, 1.3));
  p.setBrush(Qt::NoBrush);
  const QPointF punkte[] = {{1.5, 14}, {4.5, 14}, {4.5, 11}, {7.5, 11}, {7.5, 8},
                            {10.5, 8}, {10.5, 5}, {13.5, 5}, {13.5, 2}};
  p.drawPolyline(punkte, 9);
}

void Diagonale(QPainter& p, QColor farbe) {
  p.setPen(Stift(farbe, 1.3));
  p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 1.5));
}

struct Bild {
  QString name;
  std::function<void(QPainter&)> zeichnen;
};

std::vector<Bild> Bilder() {
  std::vector<Bild> b;
  b.push_back({"new", [](QPainter& p) { Seite(p, {3, 1.5, 10, 13}); }});
  b.push_back({"open", [](QPainter& p) {
                 p.setPen(Stift(QColor(0x90, 0x70, 0x10), 1.0));
                 p.setBrush(QColor(0xE0, 0xB0, 0x40));
                 p.drawRect(QRectF(1.5, 3.5, 11, 10));
                 p.drawRect(QRectF(1.5, 2.5, 5, 1.5));
                 const QPointF deckel[] = {{3.5, 7}, {15, 7}, {12.5, 13.5}, {1.5, 13.5}};
                 p.setBrush(kGelb);
                 p.drawPolygon(deckel, 4);
               }});
  b.push_back({"save", [](QPainter& p) {
                 p.setPen(Stift(QColor(0x10, 0x20, 0x60), 1.0));
                 p.setBrush(kBlau);
                 p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
                 p.setBrush(kPapier);
                 p.drawRect(QRectF(4, 1.5, 8, 5));
                 p.setBrush(QColor(0xC0, 0xC0, 0xC0));
                 p.drawRect(QRectF(4, 9.5, 8, 5));
               }});
  b.push_back({"cut", [](QPainter& p) {
                 p.setPen(Stift(kDunkel, 1.3));
                 p.drawLine(QPointF(4, 1.5), QPointF(10.5, 11));
                 p.drawLine(QPointF(12, 1.5), QPointF(5.5, 11));
                 p.setBrush(Qt::NoBrush);
                 p.setPen(Stift(kRot, 1.5));
                 p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
                 p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
               }});
  b.push_back({"copy", [](QPainter& p) {
                 Seite(p, {1.5, 1.5, 8.5, 10});
                 Seite(p, {6, 4.5, 8.5, 10});
               }});
  b.push_back({"paste", [](QPainter& p) {
                 p.setPen(Stift(QColor(0x60, 0x40, 0x10), 1.0));
                 p.setBrush(QColor(0xB0, 0x80, 0x40));
                 p.drawRoundedRect(QRectF(2, 2.5, 10, 12), 1, 1);
                 p.setBrush(QColor(0xA0, 0xA0, 0xA0));
                 p.drawRect(QRectF(4.5, 1.5, 5, 2.5));
                 Seite(p, {7, 6.5, 7.5, 8.5});
               }});
  b.push_back({"del", [](QPainter& p) {
                 p.setPen(Stift(kRot, 2.4));
                 p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
                 p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
               }});
  b.push_back({"undo", [](QPainter& p) { Pfeil(p, false); }});
  b.push_back({"redo", [](QPainter& p) { Pfeil(p, true); }});
  b.push_back({"mark", [](QPainter& p) {
                 Kurvenlinie(p, kRot);
                 p.setPen(QPen(kGruen, 1.2, Qt::DashLine));
                 p.setBrush(QColor(0x00, 0x80, 0x00, 0x30));
                 p.drawRect(QRectF(4.5, 1.5, 7, 13));
               }});
  b.push_back({"stift", [](QPainter& p) {
                 p.setPen(Stift(kDunkel, 1.0));
                 p.setBrush(kGelb);
                 const QPointF schaft[] = {{11, 1.5}, {14.5, 5}, {6, 13.5}, {2.5, 10}};
                 p.drawPolygon(schaft, 4);
                 p.setBrush(kDunkel);
                 const QPointF spitze[] = {{2.5, 10}, {6, 13.5}, {1.5, 14.5}};
                 p.drawPolygon(spitze, 3);
               }});
  b.push_back({"verschieben", [](QPainter& p) {
                 p.setPen(Stift(kDunkel, 1.2));
                 p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
                 p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
                 const QPointF spitzen[][3] = {{{8, 1}, {6, 3.5}, {10, 3.5}},
                                               {{8, 15}, {6, 12.5}, {10, 12.5}},
                                               {{1, 8}, {3.5, 6}, {3.5, 10}},
                                               {{15, 8}, {12.5, 6}, {12.5, 10}}};
                 p.setBrush(kDunkel);
                 for (const auto& s : spitzen) p.drawPolygon(s, 3);
                 Punkt(p, {8, 8}, kRot, 2.3);
               }});
  b.push_back({"punktinfo", [](QPainter& p) {
                 Kurvenlinie(p, kRot);
                 Punkt(p, {5, 6}, kRot);
                 p.setPen(Stift(kBlau, 1.0));
                 p.setBrush(kPapier);
                 p.drawEllipse(QPointF(11.5, 11.5), 4, 4);
                 Text(p, {7.5, 7.5, 8, 8}, "i", kBlau, 7);
               }});
  b.push_back({"xyzeigen", [](QPainter& p) {
                 Kurvenlinie(p, kRot);
                 p.setPen(QPen(kDunkel, 1.0, Qt::DotLine));
                 p.drawLine(QPointF(9, 0.5), QPointF(9, 15.5));
                 p.drawLine(QPointF(0.5, 10), QPointF(15.5, 10));
                 p.setPen(Stift(QColor(0xC0, 0xA0, 0x00), 1.5));
                 p.drawLine(QPointF(6, 0.5), QPointF(6, 15.5));
               }});
  // The characteristic's "Koordinaten anzeigen": the crosshair without the time-base line.
  b.push_back({"xyzeigen2", [](QPainter& p) {
                 Kurvenlinie(p, kRot);
                 p.setPen(QPen(kDunkel, 1.0, Qt::DotLine));
                 p.drawLine(QPointF(9, 0.5), QPointF(9, 15.5));
                 p.drawLine(QPointF(0.5, 10), QPointF(15.5, 10));
                 Punkt(p, {9, 10}, kGelb, 1.8);
               }});
  b.push_back({"punktdel", [](QPainter& p) {
                 Kurvenlinie(p, kRot);
                 Punkt(p, {9, 10}, kPapier, 2.2);
                 p.setPen(Stift(kRot, 1.6));
                 p.drawLine(QPointF(9.5, 1.5), QPointF(14.5, 6.5));
                 p.drawLine(QPointF(14.5, 1.5), QPointF(9.5, 6.5));
               }});
  b.push_back({"geradeteilen", [](QPainter& p) {
                 p.setPen(Stift(kRot, 1.3));
                 p.drawLine(QPointF(1.5, 13), QPointF(14.5, 3));
                 Punkt(p, {1.5, 13}, kRot, 1.5);
                 Punkt(p, {14.5, 3}, kRot, 1.5);
                 Punkt(p, {8, 8}, kGelb, 2.3);
               }});
  b.push_back({"zeitbasis", [](QPainter& p) {
                 p.setPen(Stift(kDunkel, 1.2));
                 p.setBrush(kPapier);
                 p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
                 p.setPen(Stift(kBlau, 1.4));
                 p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
                 p.drawLine(QPointF(8, 8), QPointF(11.5, 9.5));
               }});
  b.push_back({"geradenlaenge", [](QPainter& p) {
                 p.setPen(Stift(kDunkel, 1.2));
                 p.drawLine(QPointF(1.5, 3), QPointF(1.5, 13));
                 p.drawLine(QPointF(14.5, 3), QPointF(14.5, 13));
                 p.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
                 p.setBrush(kDunkel);
                 const QPointF links[] = {{2.5, 8}, {5.5, 6}, {5.5, 10}};
                 const QPointF rechts[] = {{13.5, 8}, {10.5, 6}, {10.5, 10}};
                 p.drawPolygon(links, 3);
                 p.drawPolygon(rechts, 3);
               }});
  b.push_back({"zoomplus", [](QPainter& p) {
                 Lupe(p);
                 p.setPen(Stift(kDunkel, 1.5));
                 p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
                 p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
               }});
  b.push_back({"zoomminus", [](QPainter& p) {
                 Lupe(p);
                 p.setPen(Stift(kDunkel, 1.5));
                 p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
               }});
  b.push_back({"zoommark", [](QPainter& p) {
                 Lupe(p);
                 p.setPen(QPen(kGruen, 1.2, Qt::DashLine));
                 p.setBrush(Qt::NoBrush);
                 p.drawRect(QRectF(4, 4, 5, 5));
               }});
  b.push_back({"zoomvoll", [](QPainter& p) {
                 Lupe(p);
                 p.setPen(Stift(kDunkel, 1.2));
                 p.drawLine(QPointF(3.5, 6.5), QPointF(9.5, 6.5));
                 p.drawLine(QPointF(3.5, 5), QPointF(3.5, 8));
                 p.drawLine(QPointF(9.5, 5), QPointF(9.5, 8));
               }});
  for (int k = 1; k <= 4; ++k) {
    const QString ziffer = QString::number(k);
    b.push_back({QString("k%1").arg(k), [ziffer](QPainter& p) {
                   p.setPen(Stift(kRot, 1.0));
                   p.setBrush(QColor(0xFF, 0xEE, 0xEE));
                   p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
                   Text(p, {0, 0, 16, 16}, ziffer, kRot, 11);
                 }});
    b.push_back({QString("hintergrund%1").arg(k), [ziffer](QPainter& p) {
                   p.setPen(QPen(kPetrol, 1.0, Qt::DashLine));
                   p.setBrush(QColor(0xE6, 0xF4, 0xF4));
                   p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
                   Text(p, {0, 0, 16, 16}, ziffer, kPetrol, 11);
                 }});
  }
  b.push_back({"linst", [](QPainter& p) {
                 Stufen(p, kBlau);
                 Diagonale(p, kRot);
               }});
  b.push_back({"lin", [](QPainter& p) { Diagonale(p, kRot); }});
  b.push_back({"st", [](QPainter& p) { Stufen(p, kBlau); }});
  b.push_back({"help", [](QPainter& p) {
                 p.setPen(Stift(kBlau, 1.0));
                 p.setBrush(kBlau);
                 p.drawEllipse(QPointF(8, 8), 7, 7);
                 Text(p, {0, 0, 16, 16}, "?", kPapier, 12);
               }});
  return b;
}

bool Speichern(const Bild& bild, const QString& ordner, int faktor) {
  QImage bitmap(16 * faktor, 16 * faktor, QImage::Format_ARGB32_Premultiplied);
  bitmap.fill(Qt::transparent);
  QPainter p(&bitmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(faktor, faktor);
  bild.zeichnen(p);
  p.end();
  const QString name = faktor == 1 ? QString("%1/%2.png").arg(ordner, bild.name)
                                   : QString("%1/%2@%3x.png").arg(ordner, bild.name).arg(faktor);
  return bitmap.save(name, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication anwendung(argc, argv);
  const QString ordner = argc > 1 ? QString(argv[1]) : QString(".");
  for (const Bild& bild : Bilder()) {
    if (!Speichern(bild, ordner, 1) || !Speichern(bild, ordner, 2)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(bild.name));
      return 1;
    }
  }
  return 0;
}
