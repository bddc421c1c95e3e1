// The diagram view: background, trigger band, baselines and the traces. The traces are the
// program's hot path (up to 64000 samples on every redraw), so they are drawn as runs: per
// channel at most one vertical line per pixel column and one horizontal line per level run,
// giving the same pixels as a line pair per sample would.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/base/numbers.h"
#include "programs/logic/logic.h"

namespace {

// Writes the pixels of a chain of horizontal and vertical thin lines (each without its end
// point, like LineTo) straight to the canvas's surface, within Clip, and reports the area once.
// The traces come to tens of thousands of such lines; through the canvas one by one they would
// cost several times a full copy of the display.
class AxisLines {
 public:
  AxisLines(TCanvas& C, const TRect& Clip, TColor Color) : FCanvas(C), FSurface(C.Surface()) {
    const TPoint o = C.Origin();
    TRect visible;
    IntersectRect(visible, Clip, C.ClipRect());
    FClip = Rect(visible.Left + o.X, visible.Top + o.Y, visible.Right + o.X, visible.Bottom + o.Y);
    IntersectRect(FClip, FClip, Rect(0, 0, FSurface.Width, FSurface.Height));
    FOrigin = o;
    const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(Color));
    FPixel = 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
  }
  ~AxisLines() {
    if (!IsRectEmpty(FClip) && FCanvas.OnPixelsChanged) FCanvas.OnPixelsChanged(&FCanvas, FClip);
  }

  void Chain(const std::vector<TPoint>& Points) {
    if (FSurface.Bits == nullptr || IsRectEmpty(FClip)) return;
    for (size_t i = 0; i + 1 < Points.size(); ++i) {
      const TPoint a = Points[i], b = Points[i + 1];
      if (a.Y == b.Y) {
        // From a toward b, b left out.
        const int from = a.X < b.X ? a.X : b.X + 1, to = a.X < b.X ? b.X : a.X + 1;
        Horizontal(a.Y + FOrigin.Y, from + FOrigin.X, to + FOrigin.X);
      } else {
        const int from = a.Y < b.Y ? a.Y : b.Y + 1, to = a.Y < b.Y ? b.Y : a.Y + 1;
        Vertical(a.X + FOrigin.X, from + FOrigin.Y, to + FOrigin.Y);
      }
    }
  }

 private:
  void Horizontal(int Y, int X0, int X1) {
    if (Y < FClip.Top || Y >= FClip.Bottom) return;
    X0 = std::max(X0, FClip.Left);
    X1 = std::min(X1, FClip.Right);
    uint32_t* row = FSurface.Bits + size_t(Y) * FSurface.Stride;
    for (int x = X0; x < X1; ++x) row[x] = FPixel;
  }
  void Vertical(int X, int Y0, int Y1) {
    if (X < FClip.Left || X >= FClip.Right) return;
    Y0 = std::max(Y0, FClip.Top);
    Y1 = std::min(Y1, FClip.Bottom);
    for (int y = Y0; y < Y1; ++y) FSurface.Bits[size_t(y) * FSurface.Stride + X] = FPixel;
  }

  TCanvas& FCanvas;
  TSurface FSurface;
  TRect FClip;
  TPoint FOrigin;
  uint32_t FPixel = 0;
};

template <class T>
void Levels(const uint8_t* P, int32_t From, int32_t To, std::vector<uint32_t>& Out) {
  Out.resize(size_t(To - From));
  for (int32_t i = From; i < To; ++i) {
    T v;
    std::memcpy(&v, P + size_t(i) * sizeof(T), sizeof(T));
    Out[size_t(i - From)] = v;
  }
}

}  // namespace

void TLogic::DrawDiagram() {
  TCanvas& c = *Canvas();
  const TRect& d = FLayout.Disp;
  c.Brush()->SetColor(FColDisplay);
  c.Brush()->SetStyle(bsSolid);
  c.FillRect(d);
  const int32_t start = FDispStartPos, end = FDispEndPos;
  if (end <= start || FLayout.DispWidth <= 0) return;
  const int dw = FLayout.DispWidth;
  if (FTriggerPos > start && FTriggerPos < end) {
    const int xt =
        static_cast<int>(Round(double(FTriggerPos - start) * dw / (end - start))) + d.Left;
    c.Brush()->SetColor(FColTrigger);
    c.FillRect(Rect(std::max(xt - 2, d.Left), d.Top, std::min(xt + 2, d.Right), d.Bottom));
  }
  DrawTraces(c, d, start, end);
}

void TLogic::DrawTraces(TCanvas& C, const TRect& D, int32_t Start, int32_t End) {
  const int n = FChanLast - FChanFirst + 1;
  const double s = RowHeight();
  const int high = static_cast<int>(Round(0.7 * s)), low = static_cast<int>(Round(0.1 * s));
  std::vector<int> base(static_cast<size_t>(n));
  for (int k = 0; k < n; ++k)
    base[size_t(k)] = D.Top + static_cast<int>(Round((k + 1) * s) - Round(0.1 * s));

  TPen* pen = C.Pen();
  pen->SetWidth(1);
  pen->SetMode(pmCopy);
  pen->SetStyle(psDot);
  pen->SetColor(FColGrid);
  for (int k = 0; k < n; ++k) {
    C.MoveTo(D.Right, base[size_t(k)]);
    C.LineTo(D.Left, base[size_t(k)]);
  }

  std::vector<uint32_t>& samples = FTraceSamples;
  const uint8_t* p = FBuffer.data();
  switch (FLogSize) {
    case TLogSize::Size8:
      Levels<uint8_t>(p, Start, End, samples);
      break;
    case TLogSize::Size16:
      Levels<uint16_t>(p, Start, End, samples);
      break;
    case TLogSize::Size32:
      Levels<uint32_t>(p, Start, End, samples);
      break;
  }
  // Column where each sample's run begins; the last entry is where the last run ends.
  const double step = double(FLayout.DispWidth) / (End - Start);
  std::vector<int>& columns = FTraceColumns;
  columns.resize(size_t(End - Start) + 1);
  for (size_t i = 0; i < columns.size(); ++i)
    columns[i] = static_cast<int>(std::lrint(double(i) * step)) + D.Left;  // halves to even

  // The level changes, gathered per pixel column for all channels at once.
  std::vector<TColumnFlips>& flips = FTraceFlips;
  flips.clear();
  const int32_t count = End - Start;
  uint32_t previous = samples[0];
  for (int32_t i = 1; i < count;) {
    const int x = columns[size_t(i)];
    uint32_t rise = 0, fall = 0;
    for (; i < count && columns[size_t(i)] == x; ++i) {
      const uint32_t v = samples[size_t(i)];
      rise |= ~previous & v;
      fall |= previous & ~v;
      previous = v;
    }
    if ((rise | fall) != 0) flips.push_back({x, previous, rise, fall});
  }

  // Per channel one chain of lines: a run at each level and, where the level changes, the
  // vertical span the changes in that column cover.
  AxisLines lines(C, D, FColCurve);
  std::vector<TPoint>& path = FTracePath;
  for (int k = 0; k < n; ++k) {
    const uint32_t bit = 1u << (FChanFirst + k);
    const int hi = base[size_t(k)] - high, lo = base[size_t(k)] - low;
    path.clear();
    path.push_back(Point(D.Left, (samples[0] & bit) ? hi : lo));
    bool level = (samples[0] & bit) != 0;
    for (const TColumnFlips& f : flips) {
      if (((f.Rise | f.Fall) & bit) == 0) continue;
      const int same = level ? hi : lo, other = level ? lo : hi;
      const bool exit = (f.Exit & bit) != 0;
      path.push_back(Point(f.X, same));
      path.push_back(Point(f.X, other));
      if (f.Rise & f.Fall & bit) {
        path.push_back(Point(f.X, same));
        if (exit != level) path.push_back(Point(f.X, other));
      }
      level = exit;
    }
    path.push_back(Point(columns.back(), level ? hi : lo));
    lines.Chain(path);
  }
}
