#include "platform/graphics/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace raster {
namespace {

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
bool CentresIn(double lo, double hi, int& x0, int& x1) {
  const int a = CeilInt(lo - 0.5 - kEps);
  const int b = FloorInt(hi - 0.5 + kEps);
  if (b < a) return false;
  x0 = a;
  x1 = b + 1;
  return true;
}

// The extent [lo, hi] of a rounded rectangle on the horizontal line through yc.
bool RoundRectRow(double x0, double y0, double x1, double y1, double ra, double rb, double yc,
                  double& lo, double& hi) {
  if (x1 < x0 - kEps || y1 < y0 - kEps) return false;
  if (yc < y0 - kEps || yc > y1 + kEps) return false;
  ra = std::clamp(ra, 0.0, (x1 - x0) / 2);
  rb = std::clamp(rb, 0.0, (y1 - y0) / 2);
  double hw = ra;
  if (rb > kEps) {
    double dy = 0;
    if (yc < y0 + rb) {
      dy = y0 + rb - yc;
    } else if (yc > y1 - rb) {
      dy = yc - (y1 - rb);
    }
    const double t = dy / rb;
    hw = ra * std::sqrt(std::max(0.0, 1 - t * t));
  }
  lo = x0 + ra - hw;
  hi = x1 - ra + hw;
  return true;
}

int RowFrom(double y0) { return CeilInt(y0 - 0.5 - kEps); }
int RowTo(double y1) { return FloorInt(y1 - 0.5 + kEps) + 1; }

}  // namespace

void Normalize(Spans& spans) {
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) {
    return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
  });
  size_t out = 0;
  for (const Span& s : spans) {
    if (s.x1 <= s.x0) continue;
    if (out > 0 && spans[out - 1].y == s.y && s.x0 <= spans[out - 1].x1) {
      spans[out - 1].x1 = std::max(spans[out - 1].x1, s.x1);
    } else {
      spans[out++] = s;
    }
  }
  spans.resize(out);
}

Spans Subtract(const Spans& a, const Spans& b) {
  Spans out;
  out.reserve(a.size());
  size_t j = 0;
  for (const Span& s : a) {
    while (j < b.size() && (b[j].y < s.y || (b[j].y == s.y && b[j].x1 <= s.x0))) ++j;
    int x = s.x0;
    for (size_t k = j; k < b.size() && b[k].y == s.y && b[k].x0 < s.x1; ++k) {
      if (b[k].x0 > x) out.push_back({s.y, x, b[k].x0});
      x = std::max(x, b[k].x1);
    }
    if (x < s.x1) out.push_back({s.y, x, s.x1});
  }
  return out;
}

void RoundRectSpans(double x0, double y0, double x1, double y1, double ra, double rb, int clipTop,
                    int clipBottom, Spans& out) {
  const int top = std::max(RowFrom(y0), clipTop);
  const int bottom = std::min(RowTo(y1), clipBottom);
  for (int y = top; y < bottom; ++y) {
    double lo, hi;
    int a, b;
    if (RoundRectRow(x0, y0, x1, y1, ra, rb, y + 0.5, lo, hi) && CentresIn(lo, hi, a, b)) {
      out.push_back({y, a, b});
    }
  }
}

void RingSpans(double ox0, double oy0, double ox1, double oy1, double ora, double orb, double ix0,
               double iy0, double ix1, double iy1, double ira, double irb, int clipTop,
               int clipBottom, Spans& out, Spans* interior) {
  const int top = std::max(RowFrom(oy0), clipTop);
  const int bottom = std::min(RowTo(oy1), clipBottom);
  for (int y = top; y < bottom; ++y) {
    double lo, hi;
    int a, b;
    if (!RoundRectRow(ox0, oy0, ox1, oy1, ora, orb, y + 0.5, lo, hi) || !CentresIn(lo, hi, a, b)) {
      continue;
    }
    double ilo, ihi;
    int ia, ib;
    if (RoundRectRow(ix0, iy0, ix1, iy1, ira, irb, y + 0.5, ilo, ihi) &&
        CentresIn(ilo, ihi, ia, ib) && ia < ib) {
      if (interior) interior->push_back({y, ia, ib});
      ia = std::max(ia, a);
      ib = std::min(ib, b);
      if (a < ia) out.push_back({y, a, ia});
      if (ib < b) out.push_back({y, ib, b});
      if (ia >= ib) out.push_back({y, a, b});
    } else {
      out.push_back({y, a, b});
    }
  }
}

void PolygonSpans(std::span<const TPoint> points, int clipTop, int clipBottom, Spans& out) {
  const size_t n = points.size();
  if (n < 3) return;
  int minY = points[0].Y, maxY = points[0].Y;
  for (const TPoint& p : points) {
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
  }
  const int top = std::max(minY, clipTop);
  const int bottom = std::min(maxY, clipBottom);
  struct Edge {
    double ya, yb, xa, slope;
  };
  std::vector<Edge> edges;
  edges.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    const TPoint& a = points[i];
    const TPoint& b = points[i + 1 < n ? i + 1 : 0];
    if (a.Y == b.Y) continue;
    const bool down = a.Y < b.Y;
    const TPoint& u = down ? a : b;
    const TPoint& v = down ? b : a;
    edges.push_back({double(u.Y), double(v.Y), double(u.X), double(v.X - u.X) / (v.Y - u.Y)});
  }
  std::vector<double> xs;
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    xs.clear();
    for (const Edge& e : edges) {
      if (yc >= e.ya && yc < e.yb) xs.push_back(e.xa + (yc - e.ya) * e.slope);
    }
    if (xs.size() == 2) {
      if (xs[1] < xs[0]) std::swap(xs[0], xs[1]);
    } else {
      std::sort(xs.begin(), xs.end());
    }
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      // Centres in [xl, xr): the left edge belongs to the polygon, the right one does not.
      const int x0 = CeilInt(xs[i] - 0.5);
      const int x1 = CeilInt(xs[i + 1] - 0.5);
      if (x0 < x1) out.push_back({y, x0, x1});
    }
  }
}

void CapsuleSpans(TPoint p0, TPoint p1, int width, int clipTop, int clipBottom, Spans& out) {
  // Odd widths are centred on the pixel centres, even ones on the pixel corners above left, so a
  // pen of width w covers exactly w pixels across a straight line. Edge points are left out.
  const double r = width / 2.0 - 1e-6;
  const double shift = width % 2 != 0 ? 0.5 : 0.0;
  const double ax = p0.X + shift, ay = p0.Y + shift, bx = p1.X + shift, by = p1.Y + shift;
  const double vx = bx - ax, vy = by - ay;
  const double len2 = vx * vx + vy * vy;
  const int top = std::max(RowFrom(std::min(ay, by) - r), clipTop);
  const int bottom = std::min(RowTo(std::max(ay, by) + r), clipBottom);
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    double lo = 1e300, hi = -1e300;
    // The two round caps.
    for (const auto& [cx, cy] : {std::pair{ax, ay}, std::pair{bx, by}}) {
      const double d = yc - cy;
      if (std::abs(d) <= r) {
        const double h = std::sqrt(std::max(0.0, r * r - d * d));
        lo = std::min(lo, cx - h);
        hi = std::max(hi, cx + h);
      }
    }
    // The band along the segment: |cross| <= r * len and 0 <= dot <= len^2, solved for x.
    if (len2 > 0) {
      const double len = std::sqrt(len2);
      double blo = -1e300, bhi = 1e300;
      bool empty = false;
      // Each constraint has the form k * x + m within [lo_c, hi_c].
      auto constrain = [&](double k, double m, double cmin, double cmax) {
        if (std::abs(k) < 1e-12) {
          if (m < cmin - kEps || m > cmax + kEps) empty = true;
          return;
        }
        double a = (cmin - m) / k, b = (cmax - m) / k;
        if (a > b) std::swap(a, b);
        blo = std::max(blo, a);
        bhi = std::min(bhi, b);
      };
      // cross = vx * (yc - ay) - vy * (x - ax); dot = vx * (x - ax) + vy * (yc - ay).
      constrain(-vy, vx * (yc - ay) + vy * ax, -r * len, r * len);
      constrain(vx, vy * (yc - ay) - vx * ax, 0, len2);
      if (!empty && blo <= bhi) {
        lo = std::min(lo, blo);
        hi = std::max(hi, bhi);
      }
    }
    int a, b;
    if (lo <= hi && CentresIn(lo + 2 * kEps, hi - 2 * kEps, a, b)) out.push_back({y, a, b});
  }
}

}  // namespace raster
