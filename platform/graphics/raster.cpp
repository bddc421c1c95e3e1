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
void MakeRoom(Spans& List, int More) {
  const size_t need = List.size() + static_cast<size_t>(More);
  if (need > List.capacity()) List.reserve(std::max(need, 2 * List.capacity()));
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

bool Normalized(std::span<const Span> Spans) {
  for (size_t i = 0; i < Spans.size(); ++i) {
    if (Spans[i].x0 >= Spans[i].x1) return false;
    if (i > 0 && (Spans[i - 1].y > Spans[i].y ||
                  (Spans[i - 1].y == Spans[i].y && Spans[i - 1].x1 >= Spans[i].x0)))
      return false;
  }
  return true;
}

void Normalize(Spans& List) {
  std::sort(List.begin(), List.end(),
            [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
  size_t out = 0;
  for (const Span& s : List) {
    if (s.x1 <= s.x0) continue;
    if (out > 0 && List[out - 1].y == s.y && s.x0 <= List[out - 1].x1) {
      List[out - 1].x1 = std::max(List[out - 1].x1, s.x1);
    } else {
      List[out++] = s;
    }
  }
  List.resize(out);
  assert(Normalized(List));
}

Spans Subtract(const Spans& A, const Spans& B) {
  assert(Normalized(A) && Normalized(B));
  Spans out;
  out.reserve(A.size());
  size_t j = 0;
  for (const Span& s : A) {
    while (j < B.size() && (B[j].y < s.y || (B[j].y == s.y && B[j].x1 <= s.x0))) ++j;
    int x = s.x0;
    for (size_t k = j; k < B.size() && B[k].y == s.y && B[k].x0 < s.x1; ++k) {
      if (B[k].x0 > x) out.push_back({s.y, x, B[k].x0});
      x = std::max(x, B[k].x1);
    }
    if (x < s.x1) out.push_back({s.y, x, s.x1});
  }
  assert(Normalized(out));
  return out;
}

void RoundRectSpans(double X0, double Y0, double X1, double Y1, double Ra, double Rb, int ClipTop,
                    int ClipBottom, Spans& Out) {
  const int top = std::max(RowFrom(Y0), ClipTop);
  const int bottom = std::min(RowTo(Y1), ClipBottom);
  if (top >= bottom) return;
  MakeRoom(Out, bottom - top);
  const RoundRectRows shape(X0, Y0, X1, Y1, Ra, Rb);
  MirroredRows(top, bottom, Mid2(Y0, Y1), [&](int y, int mirror) {
    const double depth = shape.Depth(y + 0.5);
    int a, b;
    if (!shape.Extent(depth, a, b)) return;
    Out.push_back({y, a, b});
    if (mirror != INT32_MIN) {
      if (shape.Depth(mirror + 0.5) == depth) {
        Out.push_back({mirror, a, b});
      } else if (shape.Extent(shape.Depth(mirror + 0.5), a, b)) {
        Out.push_back({mirror, a, b});
      }
    }
  });
}

bool RectCentres(double X0, double Y0, double X1, double Y1, TRect& Pixels) {
  if (X1 < X0 - kEps || Y1 < Y0 - kEps) return false;
  int a, b;
  if (!CentresIn(X0, X1, a, b)) return false;
  Pixels = TRect{a, RowFrom(Y0), b, RowTo(Y1)};
  return Pixels.Top < Pixels.Bottom;
}

void RingSpans(double Ox0, double Oy0, double Ox1, double Oy1, double Ora, double Orb, double Ix0,
               double Iy0, double Ix1, double Iy1, double Ira, double Irb, int ClipTop,
               int ClipBottom, Spans& Out, Spans* Interior) {
  const int top = std::max(RowFrom(Oy0), ClipTop);
  const int bottom = std::min(RowTo(Oy1), ClipBottom);
  if (top >= bottom) return;
  MakeRoom(Out, 2 * (bottom - top));
  if (Interior) MakeRoom(*Interior, bottom - top);
  RingRows(Ox0, Oy0, Ox1, Oy1, Ora, Orb, Ix0, Iy0, Ix1, Iy1, Ira, Irb, ClipTop, ClipBottom,
           [&](int y, int a, int b, int ia, int ib, bool inner) {
             if (!inner) {
               Out.push_back({y, a, b});
               return;
             }
             if (Interior) Interior->push_back({y, ia, ib});
             ia = std::max(ia, a);
             ib = std::min(ib, b);
             if (a < ia) Out.push_back({y, a, ia});
             if (ib < b) Out.push_back({y, ib, b});
             if (ia >= ib) Out.push_back({y, a, b});
           });
}

void PolygonSpans(std::span<const TPoint> Points, int ClipTop, int ClipBottom, Spans& Out) {
  const size_t n = Points.size();
  if (n < 3) return;
  int min_y = Points[0].Y, max_y = Points[0].Y;
  for (const TPoint& p : Points) {
    min_y = std::min(min_y, p.Y);
    max_y = std::max(max_y, p.Y);
  }
  const int top = std::max(min_y, ClipTop);
  const int bottom = std::min(max_y, ClipBottom);
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
    const TPoint& a = Points[i];
    const TPoint& b = Points[i + 1 < n ? i + 1 : 0];
    if (a.Y == b.Y) continue;
    const bool down = a.Y < b.Y;
    const TPoint& u = down ? a : b;
    const TPoint& v = down ? b : a;
    edges[edge_count++] = {double(u.Y), double(v.Y), double(u.X), double(v.X - u.X) / (v.Y - u.Y)};
  }
  if (top < bottom) MakeRoom(Out, bottom - top);
  // Centres in [xl, xr): the left edge belongs to the polygon, the right one does not.
  auto span = [&Out](int y, double xl, double xr) {
    const int x0 = CeilInt(xl - 0.5);
    const int x1 = CeilInt(xr - 0.5);
    if (x0 < x1) Out.push_back({y, x0, x1});
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
  bool Narrow(double M, double& Lo, double& Hi) const {
    if (flat) return !(M < cmin - kEps || M > cmax + kEps);
    double a = (cmin - M) / k, b = (cmax - M) / k;
    if (a > b) std::swap(a, b);
    Lo = std::max(Lo, a);
    Hi = std::min(Hi, b);
    return true;
  }
};

}  // namespace

void CapsuleSpans(TPoint P0, TPoint P1, int Width, int ClipTop, int ClipBottom, Spans& Out) {
  // Odd widths are centred on the pixel centres, even ones on the pixel corners above left, so a
  // pen of width w covers exactly w pixels across a straight line. Edge points are left out.
  const double r = Width / 2.0 - 1e-6;
  const double shift = Width % 2 != 0 ? 0.5 : 0.0;
  const double ax = P0.X + shift, ay = P0.Y + shift, bx = P1.X + shift, by = P1.Y + shift;
  const double vx = bx - ax, vy = by - ay;
  const double len2 = vx * vx + vy * vy;
  const int top = std::max(RowFrom(std::min(ay, by) - r), ClipTop);
  const int bottom = std::min(RowTo(std::max(ay, by) + r), ClipBottom);
  if (top >= bottom) return;
  MakeRoom(Out, bottom - top);
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
    if (lo <= hi && CentresIn(lo + 2 * kEps, hi - 2 * kEps, a, b)) Out.push_back({y, a, b});
  }
}

}  // namespace raster
