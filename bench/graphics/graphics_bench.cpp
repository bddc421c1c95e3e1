// Our canvas beside Qt's painter on a QImage, for the primitives the instruments use most. Each
// benchmark draws one primitive both ways in short batches whose order is chosen at random, with
// the same font on both sides, and reports ours / Qt as the counter x_qt.

#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <numbers>
#include <random>

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
    c->Font()->SetName("Liberation Sans");
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

// Times ours and Qt's drawing in batches, the order of the two picked at random for each batch;
// `ratio` names the counter of ours / Qt.
void Interleaved(benchmark::State& state, const std::function<void()>& ours,
                 const std::function<void()>& qt, const char* ratio = "x_qt") {
  constexpr int kBatch = 20;
  std::mt19937 rng(7);
  std::chrono::duration<double> ours_time{0}, qt_time{0};
  auto batch = [](const std::function<void()>& draw, std::chrono::duration<double>& total) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kBatch; ++i) {
      draw();
      benchmark::ClobberMemory();
    }
    total += std::chrono::steady_clock::now() - t0;
  };
  for (auto _ : state) {
    if (rng() & 1) {
      batch(ours, ours_time);
      batch(qt, qt_time);
    } else {
      batch(qt, qt_time);
      batch(ours, ours_time);
    }
  }
  state.counters[ratio] = ours_time.count() / qt_time.count();
  state.counters["ours_ns"] = ours_time.count() * 1e9 / double(state.iterations() * kBatch);
  state.counters["qt_ns"] = qt_time.count() * 1e9 / double(state.iterations() * kBatch);
}

void BM_Polygon(benchmark::State& state) {
  App();
  Ours o;
  Painter q;
  const TPoint pointer[] = {{150, 20}, {160, 150}, {140, 150}};
  const QPolygon poly({QPoint(150, 20), QPoint(160, 150), QPoint(140, 150)});
  Interleaved(
      state, [&] { o.c->Polygon(pointer); }, [&] { q.p.drawPolygon(poly); });
}

void BM_Ellipse(benchmark::State& state) {
  App();
  Ours o;
  Painter q;
  Interleaved(
      state, [&] { o.c->Ellipse(100, 50, 160, 110); }, [&] { q.p.drawEllipse(100, 50, 59, 59); });
}

void BM_Line(benchmark::State& state) {
  App();
  Ours o;
  Painter q;
  const int width = static_cast<int>(state.range(0));
  o.c->Pen()->SetWidth(width);
  q.p.setPen(QPen(QColor(0, 0, 0), width, Qt::SolidLine, Qt::RoundCap));
  Interleaved(
      state,
      [&] {
        o.c->MoveTo(10, 10);
        o.c->LineTo(250, 150);
      },
      [&] { q.p.drawLine(10, 10, 250, 150); });
}

void BM_Text(benchmark::State& state) {
  App();
  Ours o;
  Painter q;
  o.c->Brush()->SetStyle(bsClear);
  const QString text = QStringLiteral("Panel Meter 123.45");
  Interleaved(
      state, [&] { o.c->TextOut(10, 10, "Panel Meter 123.45"); },
      [&] { q.p.drawText(10, 20, text); });
}

void BM_BitmapCopy(benchmark::State& state) {
  App();
  Ours o;
  Painter q;
  TBitmap src;
  src.SetSize(200, 100);
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  Interleaved(
      state, [&] { o.c->Draw(20, 30, &src); }, [&] { q.p.drawImage(20, 30, image); });
}

// Measures beside BM_BitmapCopy, timed against the same drawImage, on the same 100 rows of 800
// bytes of the same bitmap and the same place on our surface: 0 = each row copied with the C
// library's memcpy, as Qt's painter copies them (memcpy_x_qt); 1 = each source row only read
// (read_x_qt); 2 = each destination row only written, with the white the copy leaves there
// (write_x_qt). A copy costs more than either of the last two: it moves both.
enum class FloorKind { Memcpy, Read, Write };

void BM_BitmapCopyFloor(benchmark::State& state) {
  const auto kind = static_cast<FloorKind>(state.range(0));
  App();
  Ours o;
  Painter q;
  TBitmap src;
  src.SetSize(200, 100);
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  const int width = src.Width();
  const size_t row_bytes = static_cast<size_t>(width) * sizeof(uint32_t);
  // Four pixels at a time, in the vector registers every x86-64 processor has.
  using Block = uint32_t __attribute__((vector_size(16)));
  const char* const ratio[] = {"memcpy_x_qt", "read_x_qt", "write_x_qt"};
  Interleaved(
      state,
      [&] {
        Block seen{};
        for (int y = 0; y < src.Height(); ++y) {
          uint32_t* const to = o.bmp.ScanLine(30 + y) + 20;
          const uint32_t* const from = src.ScanLine(y);
          switch (kind) {
            case FloorKind::Memcpy:
              std::memcpy(to, from, row_bytes);
              break;
            case FloorKind::Read: {
              // Two chains, in registers, so that the loads and not the ORs set the pace.
              Block a{}, b{};
              for (int x = 0, end = width - 8; x <= end; x += 8) {
                Block u, v;
                std::memcpy(&u, from + x, sizeof u);
                std::memcpy(&v, from + x + 4, sizeof v);
                a |= u;
                b |= v;
              }
              seen |= a | b;
              break;
            }
            case FloorKind::Write:
              std::memset(to, 0xFF, row_bytes);
              break;
          }
        }
        benchmark::DoNotOptimize(seen);
      },
      [&] { q.p.drawImage(20, 30, image); }, ratio[state.range(0)]);
}

// A plain rectangle with pen and brush, as the gauges and panels draw their segments.
void BM_Rectangle(benchmark::State& state) {
  App();
  Ours o;
  Painter q;
  Interleaved(
      state, [&] { o.c->Rectangle(20, 30, 120, 48); }, [&] { q.p.drawRect(20, 30, 99, 17); });
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

// 60 to 120 degrees. Pies as the meters draw them: no pen; arcs with a pen of 2.
void BM_Sweep(benchmark::State& state) {
  const auto kind = static_cast<SweepKind>(state.range(0));
  App();
  Ours o;
  Painter q;
  if (kind == SweepKind::Pie) {
    o.c->Pen()->SetStyle(psClear);
    q.p.setPen(Qt::NoPen);
  }
  if (kind == SweepKind::Arc) {
    o.c->Pen()->SetWidth(2);
    q.p.setPen(QPen(QColor(0, 0, 0), 2));
  }
  const TPoint a = OnDial(60), b = OnDial(120);
  const int l = kDial.left(), t = kDial.top(), r = kDial.right() + 1, btm = kDial.bottom() + 1;
  Interleaved(
      state,
      [&] {
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
      },
      [&] {
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
      });
}

}  // namespace

BENCHMARK(BM_Polygon);
BENCHMARK(BM_Ellipse);
BENCHMARK(BM_Line)->Arg(1)->Arg(2);
BENCHMARK(BM_Text);
BENCHMARK(BM_BitmapCopy);
// 0 = memcpy of the rows, 1 = reading them only, 2 = writing them only
BENCHMARK(BM_BitmapCopyFloor)->DenseRange(0, 2);
BENCHMARK(BM_Rectangle);
// 0 = Pie, 1 = Chord, 2 = Arc
BENCHMARK(BM_Sweep)->DenseRange(0, 2);
