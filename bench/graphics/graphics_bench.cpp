// Our canvas beside Qt's painter on a QImage, for the primitives the instruments use most.
// Compare the pairs (Ours/Qt) within one run.

#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include "platform/graphics/bitmap.h"

namespace {

constexpr int kW = 300, kH = 200;

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  return *app;
}

struct Ours {
  Ours() {
    bmp.SetSize(kW, kH);
    c = bmp.Canvas();
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(clRed);
    c->Font()->SetName("Arial");
    c->Font()->SetHeight(-11);
  }
  TBitmap bmp;
  TCanvas* c;
};

struct Painter {
  Painter() : image(kW, kH, QImage::Format_RGB32), p(&image) {
    image.fill(Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(QColor(255, 0, 0));
    QFont f("Liberation Sans");
    f.setPixelSize(11);
    f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
  }
  QImage image;
  QPainter p;
};

const TPoint kPointer[] = {{150, 20}, {160, 150}, {140, 150}};

void BM_PolygonOurs(benchmark::State& state) {
  Ours o;
  for (auto _ : state) {
    o.c->Polygon(kPointer);
    benchmark::ClobberMemory();
  }
}
void BM_PolygonQt(benchmark::State& state) {
  App();
  Painter q;
  const QPolygon poly({QPoint(150, 20), QPoint(160, 150), QPoint(140, 150)});
  for (auto _ : state) {
    q.p.drawPolygon(poly);
    benchmark::ClobberMemory();
  }
}

void BM_EllipseOurs(benchmark::State& state) {
  Ours o;
  for (auto _ : state) {
    o.c->Ellipse(100, 50, 160, 110);
    benchmark::ClobberMemory();
  }
}
void BM_EllipseQt(benchmark::State& state) {
  App();
  Painter q;
  for (auto _ : state) {
    q.p.drawEllipse(100, 50, 59, 59);
    benchmark::ClobberMemory();
  }
}

void BM_LineOurs(benchmark::State& state) {
  Ours o;
  o.c->Pen()->SetWidth(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    o.c->MoveTo(10, 10);
    o.c->LineTo(250, 150);
    benchmark::ClobberMemory();
  }
}
void BM_LineQt(benchmark::State& state) {
  App();
  Painter q;
  q.p.setPen(QPen(QColor(0, 0, 0), static_cast<int>(state.range(0)), Qt::SolidLine, Qt::RoundCap));
  for (auto _ : state) {
    q.p.drawLine(10, 10, 250, 150);
    benchmark::ClobberMemory();
  }
}

void BM_TextOurs(benchmark::State& state) {
  Ours o;
  o.c->Brush()->SetStyle(bsClear);
  o.c->TextOut(10, 10, "Panel Meter 123.45");
  for (auto _ : state) {
    o.c->TextOut(10, 10, "Panel Meter 123.45");
    benchmark::ClobberMemory();
  }
}
void BM_TextQt(benchmark::State& state) {
  App();
  Painter q;
  const QString s = QStringLiteral("Panel Meter 123.45");
  for (auto _ : state) {
    q.p.drawText(10, 20, s);
    benchmark::ClobberMemory();
  }
}

void BM_BitmapCopyOurs(benchmark::State& state) {
  Ours o;
  TBitmap src;
  src.SetSize(200, 100);
  for (auto _ : state) {
    o.c->Draw(20, 30, &src);
    benchmark::ClobberMemory();
  }
}
void BM_BitmapCopyQt(benchmark::State& state) {
  App();
  Painter q;
  QImage src(200, 100, QImage::Format_RGB32);
  src.fill(Qt::white);
  for (auto _ : state) {
    q.p.drawImage(20, 30, src);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(BM_PolygonOurs);
BENCHMARK(BM_PolygonQt);
BENCHMARK(BM_EllipseOurs);
BENCHMARK(BM_EllipseQt);
BENCHMARK(BM_LineOurs)->Arg(1)->Arg(2);
BENCHMARK(BM_LineQt)->Arg(1)->Arg(2);
BENCHMARK(BM_TextOurs);
BENCHMARK(BM_TextQt);
BENCHMARK(BM_BitmapCopyOurs);
BENCHMARK(BM_BitmapCopyQt);
