#pragma once
// Internal to the canvas: pixel coverage of lines and shapes as horizontal spans, in logical
// coordinates. A pixel (x, y) has its centre at (x + 0.5, y + 0.5).

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

// Sorts by row and merges overlapping and touching spans.
void Normalize(Spans& spans);
// a minus b; both normalised; the result is normalised.
Spans Subtract(const Spans& a, const Spans& b);

// A rounded rectangle in continuous coordinates: the box [x0, x1] x [y0, y1] with elliptic corners
// of semi-axes ra, rb (0 = square corners). Pixels whose centres lie inside or on the edge.
// Rows are limited to [clipTop, clipBottom).
void RoundRectSpans(double x0, double y0, double x1, double y1, double ra, double rb, int clipTop,
                    int clipBottom, Spans& out);
// The pixels of RoundRectSpans with square corners as one rectangle [left, right) x [top, bottom),
// rows not limited; false when there are none.
bool RectCentres(double x0, double y0, double x1, double y1, TRect& pixels);
// The pixels of the outer rounded rectangle that are not in the inner one go to `ring`; those of
// the inner one to `interior` when given.
void RingSpans(double ox0, double oy0, double ox1, double oy1, double ora, double orb, double ix0,
               double iy0, double ix1, double iy1, double ira, double irb, int clipTop,
               int clipBottom, Spans& ring, Spans* interior);

// Polygon interior, alternate rule, vertices at pixel corners, pixel centres inside, top-left rule.
void PolygonSpans(std::span<const TPoint> points, int clipTop, int clipBottom, Spans& out);

// The thin line's pixels from p0 towards p1 (Bresenham), p1 itself only when includeEnd.
template <typename Pixel>
void ThinLine(TPoint p0, TPoint p1, bool includeEnd, Pixel pixel) {
  long long x = p0.X, y = p0.Y;
  const long long dx = p1.X > p0.X ? 0LL + p1.X - p0.X : 0LL + p0.X - p1.X;
  const long long dy = -(p1.Y > p0.Y ? 0LL + p1.Y - p0.Y : 0LL + p0.Y - p1.Y);
  const int sx = p0.X < p1.X ? 1 : -1;
  const int sy = p0.Y < p1.Y ? 1 : -1;
  long long err = dx + dy;
  for (;;) {
    const bool atEnd = x == p1.X && y == p1.Y;
    if (atEnd && !includeEnd) break;
    pixel(static_cast<int>(x), static_cast<int>(y));
    if (atEnd) break;
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
void CapsuleSpans(TPoint p0, TPoint p1, int width, int clipTop, int clipBottom, Spans& out);

}  // namespace raster
