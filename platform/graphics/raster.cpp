#include "platform/graphics/raster.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace raster {
namespace {

// Room for `more` spans without giving up the vector's doubling when called again and again.
void MakeRoom(Spans& spans, int more) {
  const size_t need = spans.size() + static_cast<size_t>(more);
  if (need > spans.capacity()) spans.reserve(std::max(need, 2 * spans.capacity()));
}

// Lists given back by ScratchSpans. A few are enough for the deepest drawing call; lists grown
// far beyond what a surface needs are not kept.
constexpr size_t kKeptLists = 8;
constexpr size_t kKeptSpans = 1 << 16;
std::vector<Spans>& KeptLists() {
  thread_local std::vector<Spans> lists;
  return lists;
}

}  // namespace

ScratchSpans::ScratchSpans() {
  std::vector<Spans>& kept = KeptLists();
  if (kept.empty()) return;
  FSpans.swap(kept.back());
  kept.pop_back();
}

ScratchSpans::~ScratchSpans() {
  std::vector<Spans>& kept = KeptLists();
  if (kept.size() >= kKeptLists || FSpans.capacity() > kKeptSpans) return;
  FSpans.clear();
  kept.push_back(std::move(FSpans));
}

bool Normalized(std::span<const Span> spans) {
  for (size_t i = 0; i < spans.size(); ++i) {
    if (spans[i].x0 >= spans[i].x1) return false;
    if (i > 0 && (spans[i - 1].y > spans[i].y ||
                  (spans[i - 1].y == spans[i].y && spans[i - 1].x1 >= spans[i].x0)))
      return false;
  }
  return true;
}

void Normalize(Spans& spans) {
  std::sort(spans.begin(), spans.end(),
            [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
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
  assert(Normalized(spans));
}

Spans Subtract(const Spans& a, const Spans& b) {
  assert(Normalized(a) && Normalized(b));
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
  assert(Normalized(out));
  return out;
}

void RoundRectSpans(double x0, double y0, double x1, double y1, double ra, double rb, int clip_top,
                    int clip_bottom, Spans& out) {
  const int top = std::max(RowFrom(y0), clip_top);
  const int bottom = std::min(RowTo(y1), clip_bottom);
  if (top >= bottom) return;
  MakeRoom(out, bottom - top);
  const RoundRectRows shape(x0, y0, x1, y1, ra, rb);
  MirroredRows(top, bottom, Mid2(y0, y1), [&](int y, int mirror) {
    const double depth = shape.Depth(y + 0.5);
    int a, b;
    if (!shape.Extent(depth, a, b)) return;
    out.push_back({y, a, b});
    if (mirror != INT32_MIN) {
      if (shape.Depth(mirror + 0.5) == depth) {
        out.push_back({mirror, a, b});
      } else if (shape.Extent(shape.Depth(mirror + 0.5), a, b)) {
        out.push_back({mirror, a, b});
      }
    }
  });
}

bool RectCentres(double x0, double y0, double x1, double y1, TRect& pixels) {
  if (x1 < x0 - kEps || y1 < y0 - kEps) return false;
  int a, b;
  if (!CentresIn(x0, x1, a, b)) return false;
  pixels = TRect{a, RowFrom(y0), b, RowTo(y1)};
  return pixels.Top < pixels.Bottom;
}

void RingSpans(double ox0, double oy0, double ox1, double oy1, double ora, double orb, double ix0,
               double iy0, double ix1, double iy1, double ira, double irb, int clip_top,
               int clip_bottom, Spans& out, Spans* interior) {
  const int top = std::max(RowFrom(oy0), clip_top);
  const int bottom = std::min(RowTo(oy1), clip_bottom);
  if (top >= bottom) return;
  MakeRoom(out, 2 * (bottom - top));
  if (interior) MakeRoom(*interior, bottom - top);
  RingRows(ox0, oy0, ox1, oy1, ora, orb, ix0, iy0, ix1, iy1, ira, irb, clip_top, clip_bottom,
           [&](int y, int a, int b, int ia, int ib, bool inner) {
             if (!inner) {
               out.push_back({y, a, b});
               return;
             }
             if (interior) interior->push_back({y, ia, ib});
             ia = std::max(ia, a);
             ib = std::min(ib, b);
             if (a < ia) out.push_back({y, a, ia});
             if (ib < b) out.push_back({y, ib, b});
             if (ia >= ib) out.push_back({y, a, b});
           });
}

void PolygonSpans(std::span<const TPoint> points, int clip_top, int clip_bottom, Spans& out) {
  const size_t n = points.size();
  if (n < 3) return;
  int min_y = points[0].Y, max_y = points[0].Y;
  for (const TPoint& p : points) {
    min_y = std::min(min_y, p.Y);
    max_y = std::max(max_y, p.Y);
  }
  const int top = std::max(min_y, clip_top);
  const int bottom = std::min(max_y, clip_bottom);
  struct Edge {
    double ya, yb, xa, slope;
  };
  // Edges and the crossings of one row; on the stack for all but very large polygons.
  Edge local_edges[32];
  double local[32];
  std::vector<Edge> heap_edges;
  std::vector<double> heap;
  Edge* edges = local_edges;
  double* xs = local;
  if (n > std::size(local)) {
    heap_edges.resize(n);
    heap.resize(n);
    edges = heap_edges.data();
    xs = heap.data();
  }
  size_t edge_count = 0;
  for (size_t i = 0; i < n; ++i) {
    const TPoint& a = points[i];
    const TPoint& b = points[i + 1 < n ? i + 1 : 0];
    if (a.Y == b.Y) continue;
    const bool down = a.Y < b.Y;
    const TPoint& u = down ? a : b;
    const TPoint& v = down ? b : a;
    edges[edge_count++] = {double(u.Y), double(v.Y), double(u.X), double(v.X - u.X) / (v.Y - u.Y)};
  }
  if (top < bottom) MakeRoom(out, bottom - top);
  // Centres in [xl, xr): the left edge belongs to the polygon, the right one does not.
  auto span = [&out](int y, double xl, double xr) {
    const int x0 = CeilInt(xl - 0.5);
    const int x1 = CeilInt(xr - 0.5);
    if (x0 < x1) out.push_back({y, x0, x1});
  };
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    size_t count = 0;
    for (size_t i = 0; i < edge_count; ++i) {
      const Edge& e = edges[i];
      if (yc >= e.ya && yc < e.yb) xs[count++] = e.xa + (yc - e.ya) * e.slope;
    }
    if (count == 2) {
      const double a = xs[0], b = xs[1];
      if (b < a) {
        span(y, b, a);
      } else {
        span(y, a, b);
      }
      continue;
    }
    // Every row crosses a closed outline an even number of times.
    assert(count % 2 == 0);
    std::sort(xs, xs + count);
    for (size_t i = 0; i + 1 < count; i += 2) span(y, xs[i], xs[i + 1]);
  }
}

namespace {

// One side condition of a band: k * x + m within [cmin, cmax], where m varies by row.
struct BandLimit {
  double k, cmin, cmax;
  bool flat;  // k is (nearly) zero: every x or none satisfies it
  // Narrows [lo, hi] to the x that satisfy it; false when none does.
  bool Narrow(double m, double& lo, double& hi) const {
    if (flat) return !(m < cmin - kEps || m > cmax + kEps);
    double a = (cmin - m) / k, b = (cmax - m) / k;
    if (a > b) std::swap(a, b);
    lo = std::max(lo, a);
    hi = std::min(hi, b);
    return true;
  }
};

}  // namespace

void CapsuleSpans(TPoint p0, TPoint p1, int width, int clip_top, int clip_bottom, Spans& out) {
  // Odd widths are centred on the pixel centres, even ones on the pixel corners above left, so a
  // pen of width w covers exactly w pixels across a straight line. Edge points are left out.
  const double r = width / 2.0 - 1e-6;
  const double shift = width % 2 != 0 ? 0.5 : 0.0;
  const double ax = p0.X + shift, ay = p0.Y + shift, bx = p1.X + shift, by = p1.Y + shift;
  const double vx = bx - ax, vy = by - ay;
  const double len2 = vx * vx + vy * vy;
  const int top = std::max(RowFrom(std::min(ay, by) - r), clip_top);
  const int bottom = std::min(RowTo(std::max(ay, by) + r), clip_bottom);
  if (top >= bottom) return;
  MakeRoom(out, bottom - top);
  const double r2 = r * r;
  // The band along the segment: |cross| <= r * len and 0 <= dot <= len^2, solved for x, with
  // cross = vx * (yc - ay) - vy * (x - ax) and dot = vx * (x - ax) + vy * (yc - ay).
  const bool band = len2 > 0;
  const double len = band ? std::sqrt(len2) : 0;
  const BandLimit across{-vy, -r * len, r * len, std::abs(-vy) < 1e-12};
  const BandLimit along{vx, 0, len2, std::abs(vx) < 1e-12};
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    double lo = 1e300, hi = -1e300;
    // The two round caps.
    const double da = yc - ay;
    if (std::abs(da) <= r) {
      const double h = std::sqrt(std::max(0.0, r2 - da * da));
      lo = std::min(lo, ax - h);
      hi = std::max(hi, ax + h);
    }
    const double db = yc - by;
    if (std::abs(db) <= r) {
      const double h = std::sqrt(std::max(0.0, r2 - db * db));
      lo = std::min(lo, bx - h);
      hi = std::max(hi, bx + h);
    }
    if (band) {
      double blo = -1e300, bhi = 1e300;
      if (across.Narrow(vx * da + vy * ax, blo, bhi) && along.Narrow(vy * da - vx * ax, blo, bhi) &&
          blo <= bhi) {
        lo = std::min(lo, blo);
        hi = std::max(hi, bhi);
      }
    }
    int a, b;
    if (lo <= hi && CentresIn(lo + 2 * kEps, hi - 2 * kEps, a, b)) out.push_back({y, a, b});
  }
}

}  // namespace raster
