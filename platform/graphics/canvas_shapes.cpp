// Lines and shapes: pen outline, brush interior, pen mode on both, each pixel once per call.

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

#include "platform/graphics/canvas.h"
#include "platform/graphics/canvas_painter.h"

using raster::Spans;

namespace {

// On/off run lengths of the thin styled pens.
std::span<const int> StylePattern(TPenStyle style) {
  static constexpr int kDash[] = {18, 6};
  static constexpr int kDot[] = {3, 3};
  static constexpr int kDashDot[] = {9, 6, 3, 6};
  static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (style) {
    case psDash:
      return kDash;
    case psDot:
      return kDot;
    case psDashDot:
      return kDashDot;
    case psDashDotDot:
      return kDashDotDot;
    default:
      return {};
  }
}

// Collects the pixels of one pen stroke (a chain of segments) as spans, appended to `out`.
class Stroke {
 public:
  Stroke(const TPen& pen, int clip_top, int clip_bottom, Spans& out)
      : FWidth(pen.Width()),
        FPattern(FWidth > 1 ? std::span<const int>{} : StylePattern(pen.Style())),
        FTop(clip_top),
        FBottom(clip_bottom),
        FSpans(out) {}

  // The segment from a to b; b itself only for wide pens (its round cap) or when include_end.
  void Segment(TPoint a, TPoint b, bool include_end) {
    if (FWidth > 1) {
      raster::CapsuleSpans(a, b, FWidth, FTop, FBottom, FSpans);
      return;
    }
    if (FPattern.empty()) {
      // At most one span per pixel.
      const long long dx = std::abs(0LL + b.X - a.X), dy = std::abs(0LL + b.Y - a.Y);
      const long long most = std::min<long long>(std::max(dx, dy), FBottom - FTop) + 1;
      const size_t need = FSpans.size() + static_cast<size_t>(std::max(0LL, most));
      if (need > FSpans.capacity()) FSpans.reserve(std::max(need, 2 * FSpans.capacity()));
      raster::ThinLine(a, b, include_end, [this](int x, int y) { Add(x, y); });
      return;
    }
    raster::ThinLine(a, b, include_end, [this](int x, int y) {
      if (Visible()) Add(x, y);
    });
  }

 private:
  // Runs along a row become one span.
  void Add(int x, int y) {
    if (y < FTop || y >= FBottom) return;
    if (!FSpans.empty()) {
      raster::Span& last = FSpans.back();
      if (last.y == y && (last.x1 == x || last.x0 == x + 1)) {
        last.x0 = std::min(last.x0, x);
        last.x1 = std::max(last.x1, x + 1);
        return;
      }
    }
    FSpans.push_back({y, x, x + 1});
  }
  // Advances the style pattern by one pixel; true when that pixel is drawn.
  bool Visible() {
    const bool on = (FPhase % 2) == 0;
    if (++FCount >= FPattern[FPhase]) {
      FCount = 0;
      FPhase = (FPhase + 1) % FPattern.size();
    }
    return on;
  }
  int FWidth;
  std::span<const int> FPattern;
  size_t FPhase = 0;
  int FCount = 0;
  int FTop, FBottom;
  Spans& FSpans;
};

bool HasPen(const TPen& pen) { return pen.Style() != psClear; }
bool HasBrush(const TBrush& brush) { return brush.Style() != bsClear; }

// Paints interior and outline so that no pixel is touched twice.
void PaintShape(CanvasPainter& painter, const TPen& pen, const TBrush& brush, Spans& interior,
                Spans& outline, bool outline_disjoint) {
  const SpanOp op = PenModeOp(pen.Mode());
  if (!outline_disjoint && !PenModeIdempotent(pen.Mode())) {
    raster::Normalize(outline);
    if (!interior.empty()) {
      raster::Normalize(interior);
      interior = raster::Subtract(interior, outline);
    }
  }
  if (HasBrush(brush)) painter.Spans(interior, ToPixel(brush.Color()), op);
  if (HasPen(pen)) painter.Spans(outline, ToPixel(pen.Color()), op);
}

// The continuous outer and inner shapes of a pen of width w around the box [l, r) x [t, b) with
// corner semi-axes ra, rb; the outline is outer minus inner, the interior is inner.
struct PenShapes {
  double ox0, oy0, ox1, oy1, ora, orb;
  double ix0, iy0, ix1, iy1, ira, irb;
};

PenShapes ShapesFor(const TRect& box, double ra, double rb, const TPen& pen) {
  const int w = pen.Width();
  double out = w / 2.0 - 0.5;
  double in = w / 2.0 + 0.5;
  if (pen.Style() == psInsideFrame && w > 1) {
    out = 0;
    in = w;
  }
  return PenShapes{box.Left - out,   box.Top - out,          box.Right + out,
                   box.Bottom + out, ra > 0 ? ra + out : 0,  rb > 0 ? rb + out : 0,
                   box.Left + in,    box.Top + in,           box.Right - in,
                   box.Bottom - in,  std::max(0.0, ra - in), std::max(0.0, rb - in)};
}

// Where a ray's side test flips sign along one row, stepped from row to row. In units of a half
// pixel everything is whole: twice the side value at pixel x is g RX P - |RY| (2 x - C) (g the
// sign of RY), so the first pixel not before the flip is the ceiling of N / D with
// N = g RX P + C |RY| and D = 2 |RY|, and it lies on the ray when the division leaves no rest.
// The next row lowers P by 2, which moves N by a fixed step, whole and rest of its division by D.
class FlipStepper {
 public:
  FlipStepper() = default;
  FlipStepper(long long n, long long d, long long stepWhole, long long stepRest)
      : FPixel(n >= 0 ? (n + d - 1) / d : -((-n) / d)),
        FRest(FPixel * d - n),
        FDivisor(d),
        FStepWhole(stepWhole),
        FStepRest(stepRest) {
    assert(FDivisor > 0 && FRest >= 0 && FRest < FDivisor);
  }
  // Moves to the row below.
  void Next() {
    const long long t = FStepRest - FRest;
    FPixel += FStepWhole + (t > 0 ? 1 : 0);
    FRest = t > 0 ? FDivisor - t : -t;
    assert(FRest >= 0 && FRest < FDivisor);
  }
  // The first pixel of the row from which the side test has its other sign (or is 0 there).
  int Pixel() const {
    return static_cast<int>(std::clamp<long long>(FPixel, -(1LL << 30), 1LL << 30));
  }
  // True when that pixel lies on the ray.
  bool OnRay() const { return FRest == 0; }
  bool operator==(const FlipStepper& o) const { return FPixel == o.FPixel && FRest == o.FRest; }

 private:
  long long FPixel = 0, FRest = 0, FDivisor = 1, FStepWhole = 0, FStepRest = 0;
};

// Counter-clockwise sweep on screen from the ray through (x3, y3) to the ray through (x4, y4),
// about the centre of the box.
class Sweep {
 public:
  Sweep(const TRect& box, int x3, int y3, int x4, int y4)
      : FCx((box.Left + box.Right - 1) / 2.0), FCy((box.Top + box.Bottom - 1) / 2.0) {
    FA1 = Angle(x3, y3);
    const double a2 = Angle(x4, y4);
    FSweep = std::fmod(a2 - FA1 + 4 * std::numbers::pi, 2 * std::numbers::pi);
    FFull = FSweep < 1e-12;
    FReflex = FSweep > std::numbers::pi;
    FFirst = RayTo(x3, y3);
    FSecond = RayTo(x4, y4);
    // The ends on the ellipse through the centres of the box's edge pixels.
    const double a = (box.Right - box.Left - 1) / 2.0, b = (box.Bottom - box.Top - 1) / 2.0;
    FStart = OnEllipse(x3, y3, a, b);
    FEnd = OnEllipse(x4, y4, a, b);
    // Coordinates are multiples of one half, so side values are exact multiples of a quarter as
    // long as the products stay below 2^48; none but 0 then comes near a ray in the sense of
    // NearRay when the box is no larger than this (pixels tested lie within the box and its pen).
    const double reach2 = (a + 64) * (a + 64) + (b + 64) * (b + 64);
    const double small = double(1 << 23);
    FExact = std::max({std::abs(FCx) + a, std::abs(FCy) + b, std::abs(FFirst.x), std::abs(FFirst.y),
                       std::abs(FSecond.x), std::abs(FSecond.y)}) +
                     64 <
                 small &&
             kNear * kNear * std::max(FFirst.len2, FSecond.len2) * reach2 < 0.01 && FFirst.y != 0 &&
             FSecond.y != 0;
    if (FExact) {
      FC2 = std::llround(2 * FCx);
      for (Ray* r : {&FFirst, &FSecond}) {
        r->rx = std::llround(2 * r->x);
        r->g = r->y > 0 ? 1 : -1;
        r->d = 2 * std::llround(2 * std::abs(r->y));
        const long long step = -2 * r->g * r->rx;
        r->stepWhole = step >= 0 ? step / r->d : -((-step + r->d - 1) / r->d);
        r->stepRest = step - r->stepWhole * r->d;
        assert(r->d > 0 && r->stepRest >= 0 && r->stepRest < r->d);
      }
    }
  }
  bool Full() const { return FFull; }
  bool Contains(double x, double y) const {
    if (FFull || (x == FCx && y == FCy)) return true;
    const double d = std::fmod(Angle(x, y) - FA1 + 4 * std::numbers::pi, 2 * std::numbers::pi);
    return d <= FSweep + 1e-9;
  }
  // True when (x, y) lies on the arc's side of the chord from the start to the end.
  bool BeyondChord(double x, double y) const {
    if (FFull) return true;
    const double ex = FEnd.first - FStart.first, ey = -(FEnd.second - FStart.second);
    const double px = x - FStart.first, py = -(y - FStart.second);
    return ex * py - ey * px <= 1e-9;
  }
  // The runs of the pixels [x0, x1) of row y that Contains accepts, appended to out.
  void ContainedRuns(int y, int x0, int x1, Spans& out) const;
  // ContainedRuns for every row of the shape within [top, bottom), on its pixels within the
  // columns [left, right).
  void ContainedRows(const raster::RoundRectRows& shape, int top, int bottom, int left, int right,
                     Spans& out) const;
  // The same for BeyondChord.
  void BeyondChordRuns(int y, int x0, int x1, Spans& out) const;
  // Widens [lo, hi] to the rows of the swept parts of the centred ellipses with the semi-axes
  // (a, b) given; the sweep's angles are looked at once for all of them.
  void ArcRows(std::initializer_list<std::pair<double, double>> axes, double& lo,
               double& hi) const {
    auto swept = [&](double angle) {
      return std::fmod(angle - FA1 + 4 * std::numbers::pi, 2 * std::numbers::pi) <= FSweep;
    };
    const bool top = swept(std::numbers::pi / 2), bottom = swept(3 * std::numbers::pi / 2);
    // Along an ellipse y only turns at its top and its bottom.
    const double ends[2] = {FA1, FA1 + FSweep};
    const double cosines[2] = {std::cos(ends[0]), std::cos(ends[1])};
    const double sines[2] = {std::sin(ends[0]), std::sin(ends[1])};
    for (const auto& [a, b] : axes) {
      for (int i = 0; i < 2; ++i) {
        const double c = cosines[i], s = sines[i];
        const double d = std::sqrt((b * c) * (b * c) + (a * s) * (a * s));
        const double v = d > 0 ? FCy - a * b * s / d : FCy;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
      }
      if (top) lo = std::min(lo, FCy - b);
      if (bottom) hi = std::max(hi, FCy + b);
    }
  }
  bool Reflex() const { return FReflex; }
  double CentreY() const { return FCy; }
  TPoint Centre() const { return Rounded(FCx, FCy); }
  TPoint Start() const { return Rounded(FStart.first, FStart.second); }
  TPoint End() const { return Rounded(FEnd.first, FEnd.second); }

 private:
  // The flip pixel of a ray on the row 2 py = p.
  struct FlipRow {
    long long p = 0;
    bool valid = false;
    FlipStepper at;
  };
  // A ray from the centre, x to the right and y upwards as in Angle.
  struct Ray {
    double x, y, len2;
    // In half pixels for FExact sweeps: 2 x, the sign of y, 4 |y|, and the flip's step per row
    // as whole and rest of the division by that.
    long long rx = 0, g = 1, d = 1, stepWhole = 0, stepRest = 0;
    // The flip pixel of the row last asked for (see Flip), to step from row to row.
    mutable FlipRow row{};
    // Positive when p lies counter-clockwise of the ray (by less than half a turn).
    double Side(double px, double py) const { return x * py - y * px; }
    // The flip pixel on the row 2 py = p of a sweep about 2 cx = c2.
    FlipStepper FlipAt(long long c2, long long p) const {
      return FlipStepper(g * rx * p + c2 * (d / 2), d, stepWhole, stepRest);
    }
  };
  // Pixels whose direction is further than this (as a sine) from both rays' lines are on the
  // same side of both as the exact angles say, far beyond the rounding of the angles and the
  // tolerance of Contains, so that side tests decide them.
  static constexpr double kNear = 1e-8;

  double Angle(double x, double y) const { return std::atan2(FCy - y, x - FCx); }
  Ray RayTo(int x, int y) const {
    const double ux = x - FCx, uy = FCy - y;
    // A ray of no length has the angle 0.
    if (ux == 0 && uy == 0) return {1, 0, 1};
    return {ux, uy, ux * ux + uy * uy};
  }
  bool NearRay(const Ray& r, double side, double p2) const {
    return side * side <= kNear * kNear * r.len2 * p2;
  }
  // Contains for one pixel: side tests, or the angles close to a ray.
  bool Inside(int x, int y) const {
    const double px = x - FCx, py = FCy - y;
    const double s1 = FFirst.Side(px, py), s2 = FSecond.Side(px, py);
    const double p2 = px * px + py * py;
    if (NearRay(FFirst, s1, p2) || NearRay(FSecond, s2, p2)) return Contains(x, y);
    return FReflex ? (s1 > 0 || s2 < 0) : (s1 > 0 && s2 < 0);
  }
  // Inside for FExact sweeps, where only a side value of 0 lies near a ray.
  bool InsideExact(int x, int y) const {
    const double px = x - FCx, py = FCy - y;
    const double s1 = FFirst.Side(px, py), s2 = FSecond.Side(px, py);
    if (s1 == 0 || s2 == 0) return Contains(x, y);
    return FReflex ? (s1 > 0 || s2 < 0) : (s1 > 0 && s2 < 0);
  }
  // The pixels [lo, hi] of the row [x0, x1) (py up from the centre) that may lie close to the
  // ray's line; everything else is clear of it. Empty when lo > hi.
  void NearBand(const Ray& r, double py, int x0, int x1, int& lo, int& hi) const;

  std::pair<double, double> OnEllipse(double x, double y, double a, double b) const {
    const double ux = x - FCx, uy = y - FCy;
    if ((ux == 0 && uy == 0) || a <= 0 || b <= 0) return {FCx, FCy};
    const double s = 1 / std::sqrt((ux / a) * (ux / a) + (uy / b) * (uy / b));
    return {FCx + s * ux, FCy + s * uy};
  }
  static TPoint Rounded(double x, double y) {
    return TPoint{static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5))};
  }
  double FCx, FCy, FA1 = 0, FSweep = 0;
  // The first pixel of the row from which the ray's side test has its other sign (or is 0 there):
  // every pixel before it has one sign, every one after it the other. For FExact sweeps.
  int Flip(const Ray& r, double py, bool& zero) const;
  // ContainedRuns for FExact sweeps.
  void ExactRuns(int y, double py, int x0, int x1, Spans& out) const;
  // ExactRuns for a row with a pixel on a ray (zero1, zero2) at its flip f1, f2.
  void ExactRunsOnRay(int y, int x0, int x1, int f1, bool zero1, int f2, bool zero2,
                      Spans& out) const;
  // ContainedRuns for sweeps that are not FExact.
  void NearRuns(int y, double py, int x0, int x1, Spans& out) const;

  bool FFull = false, FReflex = false, FExact = false;
  long long FC2 = 0;  // 2 FCx
  Ray FFirst{}, FSecond{};
  std::pair<double, double> FStart, FEnd;
};

// Appends [x0, x1) to the runs of row y, joined to the last run when they touch.
inline void AddRun(Spans& out, int y, int x0, int x1) {
  if (x0 >= x1) return;
  if (!out.empty() && out.back().y == y && out.back().x1 == x0) {
    out.back().x1 = x1;
  } else {
    out.push_back({y, x0, x1});
  }
}

void Sweep::NearBand(const Ray& r, double py, int x0, int x1, int& lo, int& hi) const {
  lo = x0;
  hi = x1 - 1;
  const double far = std::max(std::abs(x0 - FCx), std::abs(x1 - 1 - FCx));
  // Bounds |Side| near the ray's line over the whole row.
  const double limit = kNear * std::sqrt(r.len2 * (py * py + far * far));
  if (r.y == 0) {
    // Parallel to the row: all of it or none of it is close.
    if (std::abs(r.x * py) > limit) lo = x1;
    return;
  }
  // Side changes by |r.y| per pixel; a pixel of margin covers the rounding.
  const double cross = FCx + r.x * py / r.y;
  const double reach = limit / std::abs(r.y) + 1;
  const double from = std::max(cross - reach, double(x0));
  const double to = std::min(cross + reach, double(x1 - 1));
  if (!(from <= to)) {
    lo = x1;
    return;
  }
  lo = static_cast<int>(std::ceil(from));
  hi = static_cast<int>(std::floor(to));
}

inline int Sweep::Flip(const Ray& r, double py, bool& zero) const {
  auto& row = r.row;
  const long long p = static_cast<long long>(2 * py);  // whole: py is a multiple of 0.5
  if (!(row.valid && row.p == p)) {
    if (row.valid && row.p - 2 == p) {
      row.at.Next();
      assert(row.at == r.FlipAt(FC2, p));
    } else {
      row.at = r.FlipAt(FC2, p);
    }
    row.p = p;
    row.valid = true;
  }
  zero = row.at.OnRay();
  return row.at.Pixel();
}

// Each ray's side test keeps one sign before its flip pixel and the other after it, so the
// pixels where FFirst is positive and those where FSecond is negative are half-rows [lo, hi); the
// flip pixel itself may lie on the ray, where the angle decides (ExactRunsOnRay).
struct HalfRow {
  int lo, hi;
};

// Up to two runs of a row before the pixels on the rays are set apart: the pixels in both halves,
// or for a reflex sweep in either.
inline int SweptRuns(bool reflex, const HalfRow& h1, const HalfRow& h2, int runs[2][2]) {
  if (!reflex) {
    runs[0][0] = std::max(h1.lo, h2.lo);
    runs[0][1] = std::min(h1.hi, h2.hi);
    return 1;
  }
  const HalfRow& a = h1.lo <= h2.lo ? h1 : h2;
  const HalfRow& b = h1.lo <= h2.lo ? h2 : h1;
  if (b.lo <= a.hi) {
    runs[0][0] = a.lo;
    runs[0][1] = std::max(a.hi, b.hi);
    return 1;
  }
  runs[0][0] = a.lo;
  runs[0][1] = a.hi;
  runs[1][0] = b.lo;
  runs[1][1] = b.hi;
  return 2;
}

// The half-row of the ray with flip pixel f whose side value has the wanted sign: before the flip
// the side value has the sign of the ray's y, from the flip on (but 0) the other; a flip pixel on
// the ray belongs to neither.
inline HalfRow Half(double ry, bool positive, int f, bool zero) {
  const bool before_wanted = (ry > 0) == positive;
  const bool flip_wanted = !zero && (ry < 0) == positive;
  if (before_wanted) return {INT32_MIN, flip_wanted ? f + 1 : f};
  return {flip_wanted ? f : f + 1, INT32_MAX};
}

inline void Sweep::ExactRuns(int y, double py, int x0, int x1, Spans& out) const {
  bool zero1 = false, zero2 = false;
  const int f1 = Flip(FFirst, py, zero1);
  const int f2 = Flip(FSecond, py, zero2);
  if (zero1 || zero2) {
    ExactRunsOnRay(y, x0, x1, f1, zero1, f2, zero2, out);
    return;
  }
  int runs[2][2];
  const int n =
      SweptRuns(FReflex, Half(FFirst.y, true, f1, false), Half(FSecond.y, false, f2, false), runs);
  for (int i = 0; i < n; ++i) AddRun(out, y, std::max(runs[i][0], x0), std::min(runs[i][1], x1));
}

void Sweep::ExactRunsOnRay(int y, int x0, int x1, int f1, bool zero1, int f2, bool zero2,
                           Spans& out) const {
  int runs[2][2];
  const int n =
      SweptRuns(FReflex, Half(FFirst.y, true, f1, zero1), Half(FSecond.y, false, f2, zero2), runs);
  const int h1zero = zero1 ? f1 : INT32_MIN, h2zero = zero2 ? f2 : INT32_MIN;
  const int z1 =
      std::min(h1zero, h2zero) == INT32_MIN ? std::max(h1zero, h2zero) : std::min(h1zero, h2zero);
  const int z2 = zero1 && zero2 ? std::max(h1zero, h2zero) : INT32_MIN;
  // Pixels on a ray: walk the row's pieces between them in order.
  int cuts[8] = {x0, x1, z1, z1 + 1, z2 == INT32_MIN ? x0 : z2, z2 == INT32_MIN ? x0 : z2 + 1};
  std::sort(cuts, cuts + 6);
  for (int i = 0; i + 1 < 6; ++i) {
    const int a = std::max(cuts[i], x0), b = std::min(cuts[i + 1], x1);
    if (a >= b) continue;
    if (a == z1 || a == z2) {
      if (Contains(a, y)) AddRun(out, y, a, a + 1);
      continue;
    }
    for (int k = 0; k < n; ++k) AddRun(out, y, std::max(a, runs[k][0]), std::min(b, runs[k][1]));
  }
}

inline void Sweep::ContainedRuns(int y, int x0, int x1, Spans& out) const {
  if (x0 >= x1) return;
  if (FFull) {
    AddRun(out, y, x0, x1);
    return;
  }
  const double py = FCy - y;
  if (FExact) {
    ExactRuns(y, py, x0, x1, out);
  } else {
    NearRuns(y, py, x0, x1, out);
  }
}

// Kept out of its one caller: inlined there, the row loop's steppers and bounds no longer fit in
// registers and go through memory on every row, which costs a tenth of a pie's time.
[[gnu::noinline]] void Sweep::ContainedRows(const raster::RoundRectRows& shape, int top, int bottom,
                                            int left, int right, Spans& out) const {
  if (FFull || !FExact || top >= bottom) {
    for (int y = top; y < bottom; ++y) {
      int a, b;
      if (shape.Row(y, a, b)) ContainedRuns(y, std::max(a, left), std::min(b, right), out);
    }
    return;
  }
  [[maybe_unused]] const size_t from = out.size();
  // Flip for one row after the other: the first row's flip pixel from the division, each next
  // one by the fixed step, all in registers.
  const long long p0 = static_cast<long long>(2 * (FCy - top));
  FlipStepper s1 = FFirst.FlipAt(FC2, p0), s2 = FSecond.FlipAt(FC2, p0);
  // The ellipse's extent only narrows as a row lies deeper in its top or bottom, so the exact
  // extent of one row holds within any row that lies no deeper: where the sweep's runs fit inside
  // it, the row's own extent cannot cut them and is not needed.
  // Whether each ray's half-row lies before its flip pixel.
  const bool before1 = FFirst.y > 0, before2 = FSecond.y < 0;
  double known_depth = -1;
  int known_a = 0, known_b = 0;
  for (int y = top; y < bottom; ++y, s1.Next(), s2.Next()) {
    const double depth = shape.Depth(y + 0.5);
    if (depth < 0) continue;
    assert(s1 == FFirst.FlipAt(FC2, p0 - 2LL * (y - top)) &&
           s2 == FSecond.FlipAt(FC2, p0 - 2LL * (y - top)));
    const int f1 = s1.Pixel(), f2 = s2.Pixel();
    const bool zero1 = s1.OnRay(), zero2 = s2.OnRay();
    int runs[2][2];
    int n = 0;
    bool fits = false;
    if (!zero1 && !zero2) {
      if (!FReflex) {
        // Half(FFirst.y, true, f1, false) and Half(FSecond.y, false, f2, false) met.
        runs[0][0] = std::max(before1 ? INT32_MIN : f1, before2 ? INT32_MIN : f2);
        runs[0][1] = std::min(before1 ? f1 : INT32_MAX, before2 ? f2 : INT32_MAX);
        n = 1;
      } else {
        n = SweptRuns(true, Half(FFirst.y, true, f1, false), Half(FSecond.y, false, f2, false),
                      runs);
      }
      fits = depth <= known_depth;
      for (int i = 0; i < n; ++i) fits = fits && runs[i][0] >= known_a && runs[i][1] <= known_b;
    }
    int x0 = left, x1 = right;
    if (!fits) {
      int a, b;
      if (!shape.Extent(depth, a, b)) continue;
      known_depth = depth;
      known_a = a;
      known_b = b;
      x0 = std::max(a, left);
      x1 = std::min(b, right);
      if (x0 >= x1) continue;
      if (zero1 || zero2) {
        ExactRunsOnRay(y, x0, x1, f1, zero1, f2, zero2, out);
        continue;
      }
    }
    // Runs of a row never touch one another, nor those of the row before.
    for (int i = 0; i < n; ++i) {
      const int r0 = std::max(runs[i][0], x0), r1 = std::min(runs[i][1], x1);
      if (r0 < r1) out.push_back({y, r0, r1});
    }
  }
  assert(raster::Normalized(std::span(out).subspan(from)));
}

void Sweep::NearRuns(int y, double py, int x0, int x1, Spans& out) const {
  int bands[2][2];
  NearBand(FFirst, py, x0, x1, bands[0][0], bands[0][1]);
  NearBand(FSecond, py, x0, x1, bands[1][0], bands[1][1]);
  // Outside the bands no pixel lies close to a ray's line and no ray crosses the row, so the side
  // tests, and with them the pixels' membership, stay the same from one band to the next.
  int cuts[6] = {x0, x1, bands[0][0], bands[0][1] + 1, bands[1][0], bands[1][1] + 1};
  std::sort(std::begin(cuts), std::end(cuts));
  auto in_band = [&](int x) {
    return (x >= bands[0][0] && x <= bands[0][1]) || (x >= bands[1][0] && x <= bands[1][1]);
  };
  for (int i = 0; i + 1 < 6; ++i) {
    const int a = std::max(cuts[i], x0), b = std::min(cuts[i + 1], x1);
    if (a >= b) continue;
    if (!in_band(a)) {
      if (Inside(a, y)) AddRun(out, y, a, b);
      continue;
    }
    for (int x = a; x < b; ++x) {
      if (Inside(x, y)) AddRun(out, y, x, x + 1);
    }
  }
}

void Sweep::BeyondChordRuns(int y, int x0, int x1, Spans& out) const {
  if (x0 >= x1) return;
  // Along a row the chord test moves one way only, so the kept pixels are a prefix or a suffix;
  // the point where the test flips is searched with the test itself.
  const bool first_in = BeyondChord(x0, y), last_in = BeyondChord(x1 - 1, y);
  if (first_in == last_in) {
    if (first_in) AddRun(out, y, x0, x1);
    return;
  }
  // The first pixel that answers like the last one.
  int lo = x0 + 1, hi = x1 - 1;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (BeyondChord(mid, y) == last_in) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  if (first_in) {
    AddRun(out, y, x0, lo);
  } else {
    AddRun(out, y, lo, x1);
  }
}

// Keeps the pixels of the spans within the columns [left, right) that runs(y, x0, x1, out) keeps.
template <typename Runs>
void Filter(Spans& spans, int left, int right, Runs runs) {
  raster::ScratchSpans kept;
  for (const raster::Span& s : spans) runs(s.y, std::max(s.x0, left), std::min(s.x1, right), *kept);
  spans.swap(*kept);
}

enum class ArcKind { Arc, Pie, Chord };

}  // namespace

void TCanvas::LineTo(int x, int y) {
  const TPoint from = FPenPos;
  FPenPos = {x, y};
  if (!HasPen(*FPen)) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  raster::ScratchSpans spans;
  Stroke stroke(*FPen, painter.Top(), painter.Bottom(), *spans);
  stroke.Segment(from, {x, y}, false);
  painter.Spans(*spans, ToPixel(FPen->Color()), PenModeOp(FPen->Mode()));
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2 || !HasPen(*FPen)) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  raster::ScratchSpans spans;
  Stroke stroke(*FPen, painter.Top(), painter.Bottom(), *spans);
  for (size_t i = 0; i + 1 < points.size(); ++i) stroke.Segment(points[i], points[i + 1], false);
  if (FPen->Width() > 1 && !PenModeIdempotent(FPen->Mode())) raster::Normalize(*spans);
  painter.Spans(*spans, ToPixel(FPen->Color()), PenModeOp(FPen->Mode()));
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.empty()) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  raster::ScratchSpans interior, outline;
  if (HasBrush(*FBrush)) raster::PolygonSpans(points, painter.Top(), painter.Bottom(), *interior);
  if (HasPen(*FPen)) {
    Stroke stroke(*FPen, painter.Top(), painter.Bottom(), *outline);
    for (size_t i = 0; i < points.size(); ++i) {
      stroke.Segment(points[i], points[(i + 1) % points.size()], points.size() == 1);
    }
  }
  PaintShape(painter, *FPen, *FBrush, *interior, *outline, false);
}

namespace {

// RoundShape for square corners without a styled pen: the same pixels straight from the outer
// and inner rectangles, without span lists.
void PlainRectangle(CanvasPainter& painter, const TPen& pen, const TBrush& brush,
                    const TRect& box) {
  const int clip_top = painter.Top(), clip_bottom = painter.Bottom();
  const SpanOp op = PenModeOp(pen.Mode());
  if (!HasPen(pen)) {
    TRect r;
    if (!HasBrush(brush) ||
        !raster::RectCentres(box.Left, box.Top, box.Right - 1, box.Bottom - 1, r))
      return;
    const uint32_t color = ToPixel(brush.Color());
    for (int y = std::max(r.Top, clip_top), end = std::min(r.Bottom, clip_bottom); y < end; ++y)
      painter.Span(y, r.Left, r.Right, color, op);
    return;
  }
  if (IsRectEmpty(box)) return;
  const PenShapes s = ShapesFor(box, 0, 0, pen);
  TRect o, i;
  if (!raster::RectCentres(s.ox0, s.oy0, s.ox1, s.oy1, o)) return;
  const bool inner = raster::RectCentres(s.ix0, s.iy0, s.ix1, s.iy1, i) && i.Left < i.Right;
  const int top = std::max(o.Top, clip_top), bottom = std::min(o.Bottom, clip_bottom);
  auto inner_row = [&](int y) { return inner && y >= i.Top && y < i.Bottom; };
  if (HasBrush(brush)) {
    const uint32_t color = ToPixel(brush.Color());
    for (int y = top; y < bottom; ++y)
      if (inner_row(y)) painter.Span(y, i.Left, i.Right, color, op);
  }
  const uint32_t color = ToPixel(pen.Color());
  const int ia = std::max(i.Left, o.Left), ib = std::min(i.Right, o.Right);
  for (int y = top; y < bottom; ++y) {
    if (!inner_row(y)) {
      painter.Span(y, o.Left, o.Right, color, op);
      continue;
    }
    if (o.Left < ia) painter.Span(y, o.Left, ia, color, op);
    if (ib < o.Right) painter.Span(y, ib, o.Right, color, op);
    if (ia >= ib) painter.Span(y, o.Left, o.Right, color, op);
  }
}

void RoundShape(TCanvas& canvas, CanvasPainter& painter, const TPen& pen, const TBrush& brush,
                TRect box, double ra, double rb) {
  box = NormalizeRect(box);
  if (painter.Empty()) return;
  const bool styled_pen =
      pen.Width() <= 1 && pen.Style() != psSolid && pen.Style() != psInsideFrame;
  if (ra == 0 && rb == 0 && (!HasPen(pen) || !styled_pen)) {
    PlainRectangle(painter, pen, brush, box);
    return;
  }
  raster::ScratchSpans interior, outline;
  if (!HasPen(pen)) {
    // Without a pen the filled area is one pixel smaller at the right and the bottom.
    if (HasBrush(brush)) {
      raster::RoundRectSpans(box.Left, box.Top, box.Right - 1, box.Bottom - 1, ra, rb,
                             painter.Top(), painter.Bottom(), *interior);
    }
    PaintShape(painter, pen, brush, *interior, *outline, true);
    return;
  }
  if (IsRectEmpty(box)) return;
  const PenShapes s = ShapesFor(box, ra, rb, pen);
  const bool styled = pen.Width() <= 1 && pen.Style() != psSolid && pen.Style() != psInsideFrame;
  if (styled && ra == 0 && rb == 0) {
    if (HasBrush(brush)) {
      raster::RoundRectSpans(s.ix0, s.iy0, s.ix1, s.iy1, 0, 0, painter.Top(), painter.Bottom(),
                             *interior);
    }
    // A styled frame follows its path like a closed polyline.
    Stroke stroke(pen, painter.Top(), painter.Bottom(), *outline);
    const TPoint corners[] = {{box.Left, box.Top},
                              {box.Right - 1, box.Top},
                              {box.Right - 1, box.Bottom - 1},
                              {box.Left, box.Bottom - 1}};
    for (int i = 0; i < 4; ++i) stroke.Segment(corners[i], corners[(i + 1) % 4], false);
    PaintShape(painter, pen, brush, *interior, *outline, false);
    return;
  }
  raster::RingSpans(s.ox0, s.oy0, s.ox1, s.oy1, s.ora, s.orb, s.ix0, s.iy0, s.ix1, s.iy1, s.ira,
                    s.irb, painter.Top(), painter.Bottom(), *outline,
                    HasBrush(brush) ? &*interior : nullptr);
  PaintShape(painter, pen, brush, *interior, *outline, true);
  (void)canvas;
}

void ArcShape(CanvasPainter& painter, const TPen& pen, const TBrush& brush, TRect box, int x3,
              int y3, int x4, int y4, ArcKind kind) {
  box = NormalizeRect(box);
  if (painter.Empty() || IsRectEmpty(box)) return;
  const double ra = box.Width() / 2.0, rb = box.Height() / 2.0;
  const Sweep sweep(box, x3, y3, x4, y4);
  // Rows that cannot hold a pixel of the shape are not generated at all: the rows of the arcs of
  // its outer and inner edge (and the centre for a pie), with a margin beyond the pen.
  int top = painter.Top(), bottom = painter.Bottom();
  if (!sweep.Full() && !sweep.Reflex()) {
    const double w = std::max(1, pen.Width()) + 2.0;
    double lo = kind == ArcKind::Pie ? sweep.CentreY() : 1e300;
    double hi = kind == ArcKind::Pie ? sweep.CentreY() : -1e300;
    sweep.ArcRows({{ra + w, rb + w}, {std::max(0.0, ra - w), std::max(0.0, rb - w)}}, lo, hi);
    if (lo > -1e9 && hi < 1e9) {
      top = std::max(top, static_cast<int>(std::floor(lo - w)));
      bottom = std::min(bottom, static_cast<int>(std::ceil(hi + w)) + 1);
    }
    if (top >= bottom) return;
  }
  // Only the columns that can be drawn are tested; the box may be far wider than the surface.
  const int left = painter.Left(), right = painter.Right();
  auto inside = [&](int y, int x0, int x1, Spans& out) {
    if (kind == ArcKind::Chord) {
      sweep.BeyondChordRuns(y, x0, x1, out);
    } else {
      sweep.ContainedRuns(y, x0, x1, out);
    }
  };
  raster::ScratchSpans interior, outline;
  const bool filled = kind != ArcKind::Arc && HasBrush(brush);
  if (!HasPen(pen)) {
    if (filled) {
      // Each row of the ellipse straight through the sweep's test, without a list in between.
      const raster::RoundRectRows shape(box.Left, box.Top, box.Right - 1, box.Bottom - 1, ra - 0.5,
                                        rb - 0.5);
      int from, to;
      shape.Rows(top, bottom, from, to);
      if (from < to) interior->reserve(static_cast<size_t>(to - from) + 8);
      if (kind == ArcKind::Chord) {
        for (int y = from; y < to; ++y) {
          int a, b;
          if (shape.Row(y, a, b))
            sweep.BeyondChordRuns(y, std::max(a, left), std::min(b, right), *interior);
        }
      } else {
        sweep.ContainedRows(shape, from, to, left, right, *interior);
      }
    }
    PaintShape(painter, pen, brush, *interior, *outline, true);
    return;
  }
  const PenShapes s = ShapesFor(box, ra, rb, pen);
  raster::RingSpans(s.ox0, s.oy0, s.ox1, s.oy1, s.ora, s.orb, s.ix0, s.iy0, s.ix1, s.iy1, s.ira,
                    s.irb, top, bottom, *outline, filled ? &*interior : nullptr);
  if (filled) Filter(*interior, left, right, inside);
  Filter(*outline, left, right,
         [&](int y, int x0, int x1, Spans& out) { sweep.ContainedRuns(y, x0, x1, out); });
  if (!sweep.Full() && kind != ArcKind::Arc) {
    TPen solid;
    solid.SetWidth(pen.Width());
    raster::ScratchSpans lines;
    Stroke stroke(solid, top, bottom, *lines);
    if (kind == ArcKind::Pie) {
      stroke.Segment(sweep.Centre(), sweep.Start(), true);
      stroke.Segment(sweep.Centre(), sweep.End(), true);
    } else {
      stroke.Segment(sweep.Start(), sweep.End(), true);
    }
    outline->insert(outline->end(), lines->begin(), lines->end());
  }
  PaintShape(painter, pen, brush, *interior, *outline, false);
}

}  // namespace

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  CanvasPainter painter(*this);
  RoundShape(*this, painter, *FPen, *FBrush, {left, top, right, bottom}, 0, 0);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int corner_width,
                        int corner_height) {
  CanvasPainter painter(*this);
  RoundShape(*this, painter, *FPen, *FBrush, {left, top, right, bottom},
             std::abs(corner_width) / 2.0, std::abs(corner_height) / 2.0);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  CanvasPainter painter(*this);
  const TRect box = NormalizeRect({left, top, right, bottom});
  RoundShape(*this, painter, *FPen, *FBrush, box, box.Width() / 2.0, box.Height() / 2.0);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  CanvasPainter painter(*this);
  ArcShape(painter, *FPen, *FBrush, {x1, y1, x2, y2}, x3, y3, x4, y4, ArcKind::Arc);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  CanvasPainter painter(*this);
  ArcShape(painter, *FPen, *FBrush, {x1, y1, x2, y2}, x3, y3, x4, y4, ArcKind::Pie);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  CanvasPainter painter(*this);
  ArcShape(painter, *FPen, *FBrush, {x1, y1, x2, y2}, x3, y3, x4, y4, ArcKind::Chord);
}
