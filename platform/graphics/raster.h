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
inline int FloorInt(double v) {
  if (!(v > -1e9)) return -1000000000;
  if (v > 1e9) return 1000000000;
  const int i = static_cast<int>(v);
  return i - (v < i ? 1 : 0);
}
inline int CeilInt(double v) { return -FloorInt(-v); }

// Pixels whose centres lie in [lo, hi].
inline bool CentresIn(double lo, double hi, int& x0, int& x1) {
  const int a = CeilInt(lo - 0.5 - kEps);
  const int b = FloorInt(hi - 0.5 + kEps);
  if (b < a) return false;
  x0 = a;
  x1 = b + 1;
  return true;
}

// The rows whose centres lie in [y0, y1]: from RowFrom(y0) to before RowTo(y1).
inline int RowFrom(double y0) { return CeilInt(y0 - 0.5 - kEps); }
inline int RowTo(double y1) { return FloorInt(y1 - 0.5 + kEps) + 1; }

// A rounded rectangle in continuous coordinates, row by row (see RoundRectSpans). Rows that lie
// the same depth inside a corner have the same extent, which lets the shapes compute one half and
// mirror it.
class RoundRectRows {
 public:
  RoundRectRows(double x0, double y0, double x1, double y1, double ra, double rb)
      : FX0(x0), FY0(y0), FX1(x1), FY1(y1) {
    FValid = !(x1 < x0 - kEps || y1 < y0 - kEps);
    if (!FValid) return;
    FRa = std::clamp(ra, 0.0, std::max(0.0, (x1 - x0) / 2));
    FRb = std::clamp(rb, 0.0, std::max(0.0, (y1 - y0) / 2));
  }
  // How far the horizontal line through yc lies inside a corner (0 between the corners); negative
  // when the line misses the shape.
  double Depth(double yc) const {
    if (!FValid || yc < FY0 - kEps || yc > FY1 + kEps) return -1;
    if (FRb <= kEps) return 0;
    if (yc < FY0 + FRb) return FY0 + FRb - yc;
    if (yc > FY1 - FRb) return yc - (FY1 - FRb);
    return 0;
  }
  // The pixels [a, b) whose centres lie inside on a line of the given depth.
  bool Extent(double depth, int& a, int& b) const {
    if (depth < 0) return false;
    double hw = FRa;
    if (FRb > kEps) {
      const double t = depth / FRb;
      hw = FRa * std::sqrt(std::max(0.0, 1 - t * t));
    }
    return CentresIn(FX0 + FRa - hw, FX1 - FRa + hw, a, b);
  }
  // The pixels [a, b) of row y; false when it has none.
  bool Row(int y, int& a, int& b) const { return Extent(Depth(y + 0.5), a, b); }
  // The rows the shape may have within [clip_top, clip_bottom): [top, bottom).
  void Rows(int clip_top, int clip_bottom, int& top, int& bottom) const {
    top = std::max(RowFrom(FY0), clip_top);
    bottom = std::min(RowTo(FY1), clip_bottom);
  }

 private:
  double FX0, FY0, FX1, FY1, FRa = 0, FRb = 0;
  bool FValid = false;
};

// Sorts by row and merges overlapping and touching spans.
void Normalize(Spans& spans);
// True when sorted by row and column, each span non-empty and apart from the next on its row.
bool Normalized(std::span<const Span> spans);
// a minus b; both normalised; the result is normalised.
Spans Subtract(const Spans& a, const Spans& b);

// A rounded rectangle in continuous coordinates: the box [x0, x1] x [y0, y1] with elliptic corners
// of semi-axes ra, rb (0 = square corners). Pixels whose centres lie inside or on the edge.
// Rows are limited to [clip_top, clip_bottom).
void RoundRectSpans(double x0, double y0, double x1, double y1, double ra, double rb, int clip_top,
                    int clip_bottom, Spans& out);
// The pixels of RoundRectSpans with square corners as one rectangle [left, right) x [top, bottom),
// rows not limited; false when there are none.
bool RectCentres(double x0, double y0, double x1, double y1, TRect& pixels);
// Visits the rows [top, bottom) of a shape symmetric about the row centre `mid2` / 2 (twice the
// centre, so that it stays whole) with row(y, mirror): row y is computed, and `mirror` is the row
// that looks the same, or INT32_MIN when there is none in range.
template <typename Row>
void MirroredRows(int top, int bottom, long long mid2, Row row) {
  for (int y = top; y < bottom; ++y) {
    const long long m = mid2 - 1 - y;
    if (m < y && m >= top) continue;  // drawn as the mirror of m
    row(y, m > y && m < bottom ? static_cast<int>(m) : INT32_MIN);
  }
}

// Twice the centre row of a shape spanning [y0, y1] when that is a whole number; otherwise a value
// that makes no row its own mirror.
inline long long Mid2(double y0, double y1) {
  const double s = y0 + y1;
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
void RingRows(double ox0, double oy0, double ox1, double oy1, double ora, double orb, double ix0,
              double iy0, double ix1, double iy1, double ira, double irb, int clip_top,
              int clip_bottom, Row row) {
  const int top = std::max(RowFrom(oy0), clip_top);
  const int bottom = std::min(RowTo(oy1), clip_bottom);
  if (top >= bottom) return;
  const RoundRectRows outer(ox0, oy0, ox1, oy1, ora, orb);
  const RoundRectRows inner(ix0, iy0, ix1, iy1, ira, irb);
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
    if (e.any) row(y, e.a, e.b, e.ia, e.ib, e.inner);
  };
  const long long mid2 = Mid2(oy0, oy1) == Mid2(iy0, iy1) ? Mid2(oy0, oy1) : LLONG_MIN / 2;
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
void RingSpans(double ox0, double oy0, double ox1, double oy1, double ora, double orb, double ix0,
               double iy0, double ix1, double iy1, double ira, double irb, int clip_top,
               int clip_bottom, Spans& ring, Spans* interior);

// Polygon interior, alternate rule, vertices at pixel corners, pixel centres inside, top-left rule.
void PolygonSpans(std::span<const TPoint> points, int clip_top, int clip_bottom, Spans& out);

// The thin line's pixels from p0 towards p1 (Bresenham), p1 itself only when include_end.
template <typename Pixel>
void ThinLine(TPoint p0, TPoint p1, bool include_end, Pixel pixel) {
  long long x = p0.X, y = p0.Y;
  const long long dx = p1.X > p0.X ? 0LL + p1.X - p0.X : 0LL + p0.X - p1.X;
  const long long dy = -(p1.Y > p0.Y ? 0LL + p1.Y - p0.Y : 0LL + p0.Y - p1.Y);
  const int sx = p0.X < p1.X ? 1 : -1;
  const int sy = p0.Y < p1.Y ? 1 : -1;
  long long err = dx + dy;
  for (;;) {
    const bool at_end = x == p1.X && y == p1.Y;
    if (at_end && !include_end) break;
    pixel(static_cast<int>(x), static_cast<int>(y));
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
void CapsuleSpans(TPoint p0, TPoint p1, int width, int clip_top, int clip_bottom, Spans& out);

}  // namespace raster
