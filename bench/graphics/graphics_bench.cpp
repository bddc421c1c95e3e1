// Our canvas beside Qt's painter on a QImage, for the primitives the instruments use most.
// Compare the pairs (Ours/Qt) within one run.

#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <cmath>
#include <numbers>

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

// Sweeps as the round meters draw their dial bands: a box as wide as the canvas and taller than
// the rest of it, so the part drawn is the upper rim. Angles counter-clockwise from 3 o'clock.
const QRect kDial(0, 30, 300, 300);

TPoint OnDial(double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  const double cx = kDial.left() + kDial.width() / 2.0, cy = kDial.top() + kDial.height() / 2.0;
  return {static_cast<int>(std::lround(cx + 200 * std::cos(a))),
          static_cast<int>(std::lround(cy - 200 * std::sin(a)))};
}

enum class SweepKind { Pie, Chord, Arc };

// from/to in degrees; the pen and brush as set up. Pies as the meters draw them: no pen.
void BM_SweepOurs(benchmark::State& state) {
  const auto kind = static_cast<SweepKind>(state.range(0));
  Ours o;
  if (kind == SweepKind::Pie) o.c->Pen()->SetStyle(psClear);
  if (kind == SweepKind::Arc) o.c->Pen()->SetWidth(2);
  const TPoint a = OnDial(60), b = OnDial(120);
  const int l = kDial.left(), t = kDial.top(), r = kDial.right() + 1, btm = kDial.bottom() + 1;
  for (auto _ : state) {
    switch (kind) {
      case SweepKind::Pie:
        o.c->Pie(l, t, r, btm, a.X, a.Y, b.X, b.Y);
        break;
      case SweepKind::Chord:
        o.c->Chord(l, t, r, btm, a.X, a.Y, b.X, b.Y);
        break;
      case SweepKind::Arc:
        o.c->Arc(l, t, r, btm, a.X, a.Y, b.X, b.Y);
        break;
    }
    benchmark::ClobberMemory();
  }
}
void BM_SweepQt(benchmark::State& state) {
  const auto kind = static_cast<SweepKind>(state.range(0));
  App();
  Painter q;
  if (kind == SweepKind::Pie) q.p.setPen(Qt::NoPen);
  if (kind == SweepKind::Arc) q.p.setPen(QPen(QColor(0, 0, 0), 2));
  for (auto _ : state) {
    switch (kind) {
      case SweepKind::Pie:
        q.p.drawPie(kDial, 60 * 16, 60 * 16);
        break;
      case SweepKind::Chord:
        q.p.drawChord(kDial, 60 * 16, 60 * 16);
        break;
      case SweepKind::Arc:
        q.p.drawArc(kDial, 60 * 16, 60 * 16);
        break;
    }
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
// 0 = Pie, 1 = Chord, 2 = Arc
BENCHMARK(BM_SweepOurs)->DenseRange(0, 2);
BENCHMARK(BM_SweepQt)->DenseRange(0, 2);
