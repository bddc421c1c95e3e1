#pragma once
// Internal to the canvas: pixel coverage of lines and shapes as horizontal spans, in logical
// coordinates. A pixel (x, y) has its centre at (x + 0.5, y + 0.5).

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/geometry.h"

namespace raster {

struct Span {
  int y;
  int x0;
  int x1;  // exclusive
};
using Spans = std::vector<Span>;

// A span list for the length of one drawing call whose storage is kept for the next call on the
// same thread, so that shapes do not allocate once the lists have grown to their size. Calls may
// nest (a change handler that draws): each takes a list of its own.
class ScratchSpans {
 public:
  ScratchSpans();
  ~ScratchSpans();
  ScratchSpans(const ScratchSpans&) = delete;
  ScratchSpans& operator=(const ScratchSpans&) = delete;
  Spans& operator*() { return FSpans; }
  Spans* operator->() { return &FSpans; }

 private:
  Spans FSpans;
};

// Pixel centres on the edge of a shape count as inside within this tolerance.
constexpr double kEps = 1e-7;

// floor and ceil to int without a library call, saturating far outside any surface.
inline int FloorInt(double V) {
  if (!(V > -1e9)) return -1000000000;
  if (V > 1e9) return 1000000000;
  const int i = static_cast<int>(V);
  return i - (V < i ? 1 : 0);
}
inline int CeilInt(double V) { return -FloorInt(-V); }

// Pixels whose centres lie in [lo, hi].
inline bool CentresIn(double Lo, double Hi, int& X0, int& X1) {
  const int a = CeilInt(Lo - 0.5 - kEps);
  const int b = FloorInt(Hi - 0.5 + kEps);
  if (b < a) return false;
  X0 = a;
  X1 = b + 1;
  return true;
}

// The rows whose centres lie in [y0, y1]: from RowFrom(y0) to before RowTo(y1).
inline int RowFrom(double Y0) { return CeilInt(Y0 - 0.5 - kEps); }
inline int RowTo(double Y1) { return FloorInt(Y1 - 0.5 + kEps) + 1; }

// A rounded rectangle in continuous coordinates, row by row (see RoundRectSpans). Rows that lie
// the same depth inside a corner have the same extent, which lets the shapes compute one half and
// mirror it.
class RoundRectRows {
 public:
  RoundRectRows(double X0, double Y0, double X1, double Y1, double Ra, double Rb)
      : FX0(X0), FY0(Y0), FX1(X1), FY1(Y1) {
    FValid = !(X1 < X0 - kEps || Y1 < Y0 - kEps);
    if (!FValid) return;
    FRa = std::clamp(Ra, 0.0, std::max(0.0, (X1 - X0) / 2));
    FRb = std::clamp(Rb, 0.0, std::max(0.0, (Y1 - Y0) / 2));
  }
  // How far the horizontal line through yc lies inside a corner (0 between the corners); negative
  // when the line misses the shape.
  double Depth(double Yc) const {
    if (!FValid || Yc < FY0 - kEps || Yc > FY1 + kEps) return -1;
    if (FRb <= kEps) return 0;
    if (Yc < FY0 + FRb) return FY0 + FRb - Yc;
    if (Yc > FY1 - FRb) return Yc - (FY1 - FRb);
    return 0;
  }
  // The pixels [a, b) whose centres lie inside on a line of the given depth.
  bool Extent(double Depth, int& A, int& B) const {
    if (Depth < 0) return false;
    double hw = FRa;
    if (FRb > kEps) {
      const double t = Depth / FRb;
      hw = FRa * std::sqrt(std::max(0.0, 1 - t * t));
    }
    return CentresIn(FX0 + FRa - hw, FX1 - FRa + hw, A, B);
  }
  // The pixels [a, b) of row y; false when it has none.
  bool Row(int Y, int& A, int& B) const { return Extent(Depth(Y + 0.5), A, B); }
  // The rows the shape may have within [clip_top, clip_bottom): [top, bottom).
  void Rows(int ClipTop, int ClipBottom, int& Top, int& Bottom) const {
    Top = std::max(RowFrom(FY0), ClipTop);
    Bottom = std::min(RowTo(FY1), ClipBottom);
  }

 private:
  double FX0, FY0, FX1, FY1, FRa = 0, FRb = 0;
  bool FValid = false;
};

// Sorts by row and merges overlapping and touching spans.
void Normalize(Spans& List);
// True when sorted by row and column, each span non-empty and apart from the next on its row.
bool Normalized(std::span<const Span> Spans);
// a minus b; both normalised; the result is normalised.
Spans Subtract(const Spans& A, const Spans& B);

// A rounded rectangle in continuous coordinates: the box [x0, x1] x [y0, y1] with elliptic corners
// of semi-axes ra, rb (0 = square corners). Pixels whose centres lie inside or on the edge.
// Rows are limited to [clip_top, clip_bottom).
void RoundRectSpans(double X0, double Y0, double X1, double Y1, double Ra, double Rb, int ClipTop,
                    int ClipBottom, Spans& Out);
// The pixels of RoundRectSpans with square corners as one rectangle [left, right) x [top, bottom),
// rows not limited; false when there are none.
bool RectCentres(double X0, double Y0, double X1, double Y1, TRect& Pixels);
// Visits the rows [top, bottom) of a shape symmetric about the row centre `mid2` / 2 (twice the
// centre, so that it stays whole) with row(y, mirror): row y is computed, and `mirror` is the row
// that looks the same, or INT32_MIN when there is none in range.
template <typename Row>
void MirroredRows(int Top, int Bottom, long long Mid2, Row Visit) {
  for (int y = Top; y < Bottom; ++y) {
    const long long m = Mid2 - 1 - y;
    if (m < y && m >= Top) continue;  // drawn as the mirror of m
    Visit(y, m > y && m < Bottom ? static_cast<int>(m) : INT32_MIN);
  }
}

// Twice the centre row of a shape spanning [y0, y1] when that is a whole number; otherwise a value
// that makes no row its own mirror.
inline long long Mid2(double Y0, double Y1) {
  const double s = Y0 + Y1;
  if (!(std::abs(s) < 1e15) || s != static_cast<double>(static_cast<long long>(s))) {
    return LLONG_MIN / 2;
  }
  return static_cast<long long>(s);
}

// The rows of the ring between an outer and an inner rounded rectangle, limited to
// [clip_top, clip_bottom): row(y, a, b, ia, ib, inner) for each row with pixels of the outer shape
// [a, b); `inner` tells whether the inner shape has pixels [ia, ib) on that row (not limited to
// [a, b)). Rows that look the same above and below the middle are computed once.
template <typename Row>
void RingRows(double Ox0, double Oy0, double Ox1, double Oy1, double Ora, double Orb, double Ix0,
              double Iy0, double Ix1, double Iy1, double Ira, double Irb, int ClipTop,
              int ClipBottom, Row Visit) {
  const int top = std::max(RowFrom(Oy0), ClipTop);
  const int bottom = std::min(RowTo(Oy1), ClipBottom);
  if (top >= bottom) return;
  const RoundRectRows outer(Ox0, Oy0, Ox1, Oy1, Ora, Orb);
  const RoundRectRows inner(Ix0, Iy0, Ix1, Iy1, Ira, Irb);
  struct Extents {
    bool any = false, inner = false;
    int a = 0, b = 0, ia = 0, ib = 0;
  };
  auto extents = [&](double outer_depth, double inner_depth) {
    Extents e;
    e.any = outer.Extent(outer_depth, e.a, e.b);
    if (e.any) e.inner = inner.Extent(inner_depth, e.ia, e.ib) && e.ia < e.ib;
    return e;
  };
  auto deliver = [&](int y, const Extents& e) {
    if (e.any) Visit(y, e.a, e.b, e.ia, e.ib, e.inner);
  };
  const long long mid2 = Mid2(Oy0, Oy1) == Mid2(Iy0, Iy1) ? Mid2(Oy0, Oy1) : LLONG_MIN / 2;
  MirroredRows(top, bottom, mid2, [&](int y, int mirror) {
    const double od = outer.Depth(y + 0.5), id = inner.Depth(y + 0.5);
    const Extents e = extents(od, id);
    deliver(y, e);
    if (mirror == INT32_MIN) return;
    const double mod = outer.Depth(mirror + 0.5), mid = inner.Depth(mirror + 0.5);
    deliver(mirror, mod == od && mid == id ? e : extents(mod, mid));
  });
}

// The pixels of the outer rounded rectangle that are not in the inner one go to `ring`; those of
// the inner one to `interior` when given.
void RingSpans(double Ox0, double Oy0, double Ox1, double Oy1, double Ora, double Orb, double Ix0,
               double Iy0, double Ix1, double Iy1, double Ira, double Irb, int ClipTop,
               int ClipBottom, Spans& Ring, Spans* Interior);

// Polygon interior, alternate rule, vertices at pixel corners, pixel centres inside, top-left rule.
void PolygonSpans(std::span<const TPoint> Points, int ClipTop, int ClipBottom, Spans& Out);

// The thin line's pixels from p0 towards p1 (Bresenham), p1 itself only when include_end.
template <typename Pixel>
void ThinLine(TPoint P0, TPoint P1, bool IncludeEnd, Pixel Plot) {
  long long x = P0.X, y = P0.Y;
  const long long dx = P1.X > P0.X ? 0LL + P1.X - P0.X : 0LL + P0.X - P1.X;
  const long long dy = -(P1.Y > P0.Y ? 0LL + P1.Y - P0.Y : 0LL + P0.Y - P1.Y);
  const int sx = P0.X < P1.X ? 1 : -1;
  const int sy = P0.Y < P1.Y ? 1 : -1;
  long long err = dx + dy;
  for (;;) {
    const bool at_end = x == P1.X && y == P1.Y;
    if (at_end && !IncludeEnd) break;
    Plot(static_cast<int>(x), static_cast<int>(y));
    if (at_end) break;
    const long long e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

// The pixels within width/2 of the segment between the pixel centres of p0 and p1 (round caps).
void CapsuleSpans(TPoint P0, TPoint P1, int Width, int ClipTop, int ClipBottom, Spans& Out);

}  // namespace raster
