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
std::span<const int> StylePattern(TPenStyle Style) {
  static constexpr int kDash[] = {18, 6};
  static constexpr int kDot[] = {3, 3};
  static constexpr int kDashDot[] = {9, 6, 3, 6};
  static constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (Style) {
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
  Stroke(const TPen& Pen, int ClipTop, int ClipBottom, Spans& Out)
      : FWidth(Pen.Width()),
        FPattern(FWidth > 1 ? std::span<const int>{} : StylePattern(Pen.Style())),
        FTop(ClipTop),
        FBottom(ClipBottom),
        FSpans(Out) {}

  // The segment from a to b; b itself only for wide pens (its round cap) or when include_end.
  void Segment(TPoint A, TPoint B, bool IncludeEnd) {
    if (FWidth > 1) {
      raster::CapsuleSpans(A, B, FWidth, FTop, FBottom, FSpans);
      return;
    }
    if (FPattern.empty()) {
      // At most one span per pixel.
      const long long dx = std::abs(0LL + B.X - A.X), dy = std::abs(0LL + B.Y - A.Y);
      const long long most = std::min<long long>(std::max(dx, dy), FBottom - FTop) + 1;
      const size_t need = FSpans.size() + static_cast<size_t>(std::max(0LL, most));
      if (need > FSpans.capacity()) FSpans.reserve(std::max(need, 2 * FSpans.capacity()));
      raster::ThinLine(A, B, IncludeEnd, [this](int x, int y) { Add(x, y); });
      return;
    }
    raster::ThinLine(A, B, IncludeEnd, [this](int x, int y) {
      if (Visible()) Add(x, y);
    });
  }

 private:
  // Runs along a row become one span.
  void Add(int X, int Y) {
    if (Y < FTop || Y >= FBottom) return;
    if (!FSpans.empty()) {
      raster::Span& last = FSpans.back();
      if (last.y == Y && (last.x1 == X || last.x0 == X + 1)) {
        last.x0 = std::min(last.x0, X);
        last.x1 = std::max(last.x1, X + 1);
        return;
      }
    }
    FSpans.push_back({Y, X, X + 1});
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

bool HasPen(const TPen& Pen) { return Pen.Style() != psClear; }
bool HasBrush(const TBrush& Brush) { return Brush.Style() != bsClear; }

// Paints interior and outline so that no pixel is touched twice.
void PaintShape(CanvasPainter& Painter, const TPen& Pen, const TBrush& Brush, Spans& Interior,
                Spans& Outline, bool OutlineDisjoint) {
  const SpanOp op = PenModeOp(Pen.Mode());
  if (!OutlineDisjoint && !PenModeIdempotent(Pen.Mode())) {
    raster::Normalize(Outline);
    if (!Interior.empty()) {
      raster::Normalize(Interior);
      Interior = raster::Subtract(Interior, Outline);
    }
  }
  if (HasBrush(Brush)) Painter.Spans(Interior, ToPixel(Brush.Color()), op);
  if (HasPen(Pen)) Painter.Spans(Outline, ToPixel(Pen.Color()), op);
}

// The continuous outer and inner shapes of a pen of width w around the box [l, r) x [t, b) with
// corner semi-axes ra, rb; the outline is outer minus inner, the interior is inner.
struct PenShapes {
  double ox0, oy0, ox1, oy1, ora, orb;
  double ix0, iy0, ix1, iy1, ira, irb;
};

PenShapes ShapesFor(const TRect& Box, double Ra, double Rb, const TPen& Pen) {
  const int w = Pen.Width();
  double out = w / 2.0 - 0.5;
  double in = w / 2.0 + 0.5;
  if (Pen.Style() == psInsideFrame && w > 1) {
    out = 0;
    in = w;
  }
  return PenShapes{Box.Left - out,   Box.Top - out,          Box.Right + out,
                   Box.Bottom + out, Ra > 0 ? Ra + out : 0,  Rb > 0 ? Rb + out : 0,
                   Box.Left + in,    Box.Top + in,           Box.Right - in,
                   Box.Bottom - in,  std::max(0.0, Ra - in), std::max(0.0, Rb - in)};
}

// Where a ray's side test flips sign along one row, stepped from row to row. In units of a half
// pixel everything is whole: twice the side value at pixel x is g RX P - |RY| (2 x - C) (g the
// sign of RY), so the first pixel not before the flip is the ceiling of N / D with
// N = g RX P + C |RY| and D = 2 |RY|, and it lies on the ray when the division leaves no rest.
// The next row lowers P by 2, which moves N by a fixed step, whole and rest of its division by D.
class FlipStepper {
 public:
  FlipStepper() = default;
  FlipStepper(long long N, long long D, long long StepWhole, long long StepRest)
      : FPixel(N >= 0 ? (N + D - 1) / D : -((-N) / D)),
        FRest(FPixel * D - N),
        FDivisor(D),
        FStepWhole(StepWhole),
        FStepRest(StepRest) {
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
  bool operator==(const FlipStepper& O) const { return FPixel == O.FPixel && FRest == O.FRest; }

 private:
  long long FPixel = 0, FRest = 0, FDivisor = 1, FStepWhole = 0, FStepRest = 0;
};

// Counter-clockwise sweep on screen from the ray through (x3, y3) to the ray through (x4, y4),
// about the centre of the box.
class Sweep {
 public:
  Sweep(const TRect& Box, int X3, int Y3, int X4, int Y4)
      : FCx((Box.Left + Box.Right - 1) / 2.0), FCy((Box.Top + Box.Bottom - 1) / 2.0) {
    FA1 = Angle(X3, Y3);
    const double a2 = Angle(X4, Y4);
    FSweep = std::fmod(a2 - FA1 + 4 * std::numbers::pi, 2 * std::numbers::pi);
    FFull = FSweep < 1e-12;
    FReflex = FSweep > std::numbers::pi;
    FFirst = RayTo(X3, Y3);
    FSecond = RayTo(X4, Y4);
    // The ends on the ellipse through the centres of the box's edge pixels.
    const double a = (Box.Right - Box.Left - 1) / 2.0, b = (Box.Bottom - Box.Top - 1) / 2.0;
    FStart = OnEllipse(X3, Y3, a, b);
    FEnd = OnEllipse(X4, Y4, a, b);
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
  bool Contains(double X, double Y) const {
    if (FFull || (X == FCx && Y == FCy)) return true;
    const double d = std::fmod(Angle(X, Y) - FA1 + 4 * std::numbers::pi, 2 * std::numbers::pi);
    return d <= FSweep + 1e-9;
  }
  // True when (x, y) lies on the arc's side of the chord from the start to the end.
  bool BeyondChord(double X, double Y) const {
    if (FFull) return true;
    const double ex = FEnd.first - FStart.first, ey = -(FEnd.second - FStart.second);
    const double px = X - FStart.first, py = -(Y - FStart.second);
    return ex * py - ey * px <= 1e-9;
  }
  // The runs of the pixels [x0, x1) of row y that Contains accepts, appended to out.
  void ContainedRuns(int Y, int X0, int X1, Spans& Out) const;
  // ContainedRuns for every row of the shape within [top, bottom), on its pixels within the
  // columns [left, right).
  void ContainedRows(const raster::RoundRectRows& Shape, int Top, int Bottom, int Left, int Right,
                     Spans& Out) const;
  // The same for BeyondChord.
  void BeyondChordRuns(int Y, int X0, int X1, Spans& Out) const;
  // Widens [lo, hi] to the rows of the swept parts of the centred ellipses with the semi-axes
  // (a, b) given; the sweep's angles are looked at once for all of them.
  void ArcRows(std::initializer_list<std::pair<double, double>> Axes, double& Lo,
               double& Hi) const {
    auto swept = [&](double angle) {
      return std::fmod(angle - FA1 + 4 * std::numbers::pi, 2 * std::numbers::pi) <= FSweep;
    };
    const bool top = swept(std::numbers::pi / 2), bottom = swept(3 * std::numbers::pi / 2);
    // Along an ellipse y only turns at its top and its bottom.
    const double ends[2] = {FA1, FA1 + FSweep};
    const double cosines[2] = {std::cos(ends[0]), std::cos(ends[1])};
    const double sines[2] = {std::sin(ends[0]), std::sin(ends[1])};
    for (const auto& [a, b] : Axes) {
      for (int i = 0; i < 2; ++i) {
        const double c = cosines[i], s = sines[i];
        const double d = std::sqrt((b * c) * (b * c) + (a * s) * (a * s));
        const double v = d > 0 ? FCy - a * b * s / d : FCy;
        Lo = std::min(Lo, v);
        Hi = std::max(Hi, v);
      }
      if (top) Lo = std::min(Lo, FCy - b);
      if (bottom) Hi = std::max(Hi, FCy + b);
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
    double Side(double Px, double Py) const { return x * Py - y * Px; }
    // The flip pixel on the row 2 py = p of a sweep about 2 cx = c2.
    FlipStepper FlipAt(long long C2, long long P) const {
      return FlipStepper(g * rx * P + C2 * (d / 2), d, stepWhole, stepRest);
    }
  };
  // Pixels whose direction is further than this (as a sine) from both rays' lines are on the
  // same side of both as the exact angles say, far beyond the rounding of the angles and the
  // tolerance of Contains, so that side tests decide them.
  static constexpr double kNear = 1e-8;

  double Angle(double X, double Y) const { return std::atan2(FCy - Y, X - FCx); }
  Ray RayTo(int X, int Y) const {
    const double ux = X - FCx, uy = FCy - Y;
    // A ray of no length has the angle 0.
    if (ux == 0 && uy == 0) return {1, 0, 1};
    return {ux, uy, ux * ux + uy * uy};
  }
  bool NearRay(const Ray& R, double Side, double P2) const {
    return Side * Side <= kNear * kNear * R.len2 * P2;
  }
  // Contains for one pixel: side tests, or the angles close to a ray.
  bool Inside(int X, int Y) const {
    const double px = X - FCx, py = FCy - Y;
    const double s1 = FFirst.Side(px, py), s2 = FSecond.Side(px, py);
    const double p2 = px * px + py * py;
    if (NearRay(FFirst, s1, p2) || NearRay(FSecond, s2, p2)) return Contains(X, Y);
    return FReflex ? (s1 > 0 || s2 < 0) : (s1 > 0 && s2 < 0);
  }
  // Inside for FExact sweeps, where only a side value of 0 lies near a ray.
  bool InsideExact(int X, int Y) const {
    const double px = X - FCx, py = FCy - Y;
    const double s1 = FFirst.Side(px, py), s2 = FSecond.Side(px, py);
    if (s1 == 0 || s2 == 0) return Contains(X, Y);
    return FReflex ? (s1 > 0 || s2 < 0) : (s1 > 0 && s2 < 0);
  }
  // The pixels [lo, hi] of the row [x0, x1) (py up from the centre) that may lie close to the
  // ray's line; everything else is clear of it. Empty when lo > hi.
  void NearBand(const Ray& R, double Py, int X0, int X1, int& Lo, int& Hi) const;

  std::pair<double, double> OnEllipse(double X, double Y, double A, double B) const {
    const double ux = X - FCx, uy = Y - FCy;
    if ((ux == 0 && uy == 0) || A <= 0 || B <= 0) return {FCx, FCy};
    const double s = 1 / std::sqrt((ux / A) * (ux / A) + (uy / B) * (uy / B));
    return {FCx + s * ux, FCy + s * uy};
  }
  static TPoint Rounded(double X, double Y) {
    return TPoint{static_cast<int>(std::floor(X + 0.5)), static_cast<int>(std::floor(Y + 0.5))};
  }
  double FCx, FCy, FA1 = 0, FSweep = 0;
  // The first pixel of the row from which the ray's side test has its other sign (or is 0 there):
  // every pixel before it has one sign, every one after it the other. For FExact sweeps.
  int Flip(const Ray& R, double Py, bool& Zero) const;
  // ContainedRuns for FExact sweeps.
  void ExactRuns(int Y, double Py, int X0, int X1, Spans& Out) const;
  // ExactRuns for a row with a pixel on a ray (zero1, zero2) at its flip f1, f2.
  void ExactRunsOnRay(int Y, int X0, int X1, int F1, bool Zero1, int F2, bool Zero2,
                      Spans& Out) const;
  // ContainedRuns for sweeps that are not FExact.
  void NearRuns(int Y, double Py, int X0, int X1, Spans& Out) const;

  bool FFull = false, FReflex = false, FExact = false;
  long long FC2 = 0;  // 2 FCx
  Ray FFirst{}, FSecond{};
  std::pair<double, double> FStart, FEnd;
};

// Appends [x0, x1) to the runs of row y, joined to the last run when they touch.
inline void AddRun(Spans& Out, int Y, int X0, int X1) {
  if (X0 >= X1) return;
  if (!Out.empty() && Out.back().y == Y && Out.back().x1 == X0) {
    Out.back().x1 = X1;
  } else {
    Out.push_back({Y, X0, X1});
  }
}

void Sweep::NearBand(const Ray& R, double Py, int X0, int X1, int& Lo, int& Hi) const {
  Lo = X0;
  Hi = X1 - 1;
  const double far = std::max(std::abs(X0 - FCx), std::abs(X1 - 1 - FCx));
  // Bounds |Side| near the ray's line over the whole row.
  const double limit = kNear * std::sqrt(R.len2 * (Py * Py + far * far));
  if (R.y == 0) {
    // Parallel to the row: all of it or none of it is close.
    if (std::abs(R.x * Py) > limit) Lo = X1;
    return;
  }
  // Side changes by |r.y| per pixel; a pixel of margin covers the rounding.
  const double cross = FCx + R.x * Py / R.y;
  const double reach = limit / std::abs(R.y) + 1;
  const double from = std::max(cross - reach, double(X0));
  const double to = std::min(cross + reach, double(X1 - 1));
  if (!(from <= to)) {
    Lo = X1;
    return;
  }
  Lo = static_cast<int>(std::ceil(from));
  Hi = static_cast<int>(std::floor(to));
}

inline int Sweep::Flip(const Ray& R, double Py, bool& Zero) const {
  auto& row = R.row;
  const long long p = static_cast<long long>(2 * Py);  // whole: py is a multiple of 0.5
  if (!(row.valid && row.p == p)) {
    if (row.valid && row.p - 2 == p) {
      row.at.Next();
      assert(row.at == R.FlipAt(FC2, p));
    } else {
      row.at = R.FlipAt(FC2, p);
    }
    row.p = p;
    row.valid = true;
  }
  Zero = row.at.OnRay();
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
inline int SweptRuns(bool Reflex, const HalfRow& H1, const HalfRow& H2, int Runs[2][2]) {
  if (!Reflex) {
    Runs[0][0] = std::max(H1.lo, H2.lo);
    Runs[0][1] = std::min(H1.hi, H2.hi);
    return 1;
  }
  const HalfRow& a = H1.lo <= H2.lo ? H1 : H2;
  const HalfRow& b = H1.lo <= H2.lo ? H2 : H1;
  if (b.lo <= a.hi) {
    Runs[0][0] = a.lo;
    Runs[0][1] = std::max(a.hi, b.hi);
    return 1;
  }
  Runs[0][0] = a.lo;
  Runs[0][1] = a.hi;
  Runs[1][0] = b.lo;
  Runs[1][1] = b.hi;
  return 2;
}

// The half-row of the ray with flip pixel f whose side value has the wanted sign: before the flip
// the side value has the sign of the ray's y, from the flip on (but 0) the other; a flip pixel on
// the ray belongs to neither.
inline HalfRow Half(double Ry, bool Positive, int F, bool Zero) {
  const bool before_wanted = (Ry > 0) == Positive;
  const bool flip_wanted = !Zero && (Ry < 0) == Positive;
  if (before_wanted) return {INT32_MIN, flip_wanted ? F + 1 : F};
  return {flip_wanted ? F : F + 1, INT32_MAX};
}

inline void Sweep::ExactRuns(int Y, double Py, int X0, int X1, Spans& Out) const {
  bool zero1 = false, zero2 = false;
  const int f1 = Flip(FFirst, Py, zero1);
  const int f2 = Flip(FSecond, Py, zero2);
  if (zero1 || zero2) {
    ExactRunsOnRay(Y, X0, X1, f1, zero1, f2, zero2, Out);
    return;
  }
  int runs[2][2];
  const int n =
      SweptRuns(FReflex, Half(FFirst.y, true, f1, false), Half(FSecond.y, false, f2, false), runs);
  for (int i = 0; i < n; ++i) AddRun(Out, Y, std::max(runs[i][0], X0), std::min(runs[i][1], X1));
}

void Sweep::ExactRunsOnRay(int Y, int X0, int X1, int F1, bool Zero1, int F2, bool Zero2,
                           Spans& Out) const {
  int runs[2][2];
  const int n =
      SweptRuns(FReflex, Half(FFirst.y, true, F1, Zero1), Half(FSecond.y, false, F2, Zero2), runs);
  const int h1zero = Zero1 ? F1 : INT32_MIN, h2zero = Zero2 ? F2 : INT32_MIN;
  const int z1 =
      std::min(h1zero, h2zero) == INT32_MIN ? std::max(h1zero, h2zero) : std::min(h1zero, h2zero);
  const int z2 = Zero1 && Zero2 ? std::max(h1zero, h2zero) : INT32_MIN;
  // Pixels on a ray: walk the row's pieces between them in order.
  int cuts[8] = {X0, X1, z1, z1 + 1, z2 == INT32_MIN ? X0 : z2, z2 == INT32_MIN ? X0 : z2 + 1};
  std::sort(cuts, cuts + 6);
  for (int i = 0; i + 1 < 6; ++i) {
    const int a = std::max(cuts[i], X0), b = std::min(cuts[i + 1], X1);
    if (a >= b) continue;
    if (a == z1 || a == z2) {
      if (Contains(a, Y)) AddRun(Out, Y, a, a + 1);
      continue;
    }
    for (int k = 0; k < n; ++k) AddRun(Out, Y, std::max(a, runs[k][0]), std::min(b, runs[k][1]));
  }
}

inline void Sweep::ContainedRuns(int Y, int X0, int X1, Spans& Out) const {
  if (X0 >= X1) return;
  if (FFull) {
    AddRun(Out, Y, X0, X1);
    return;
  }
  const double py = FCy - Y;
  if (FExact) {
    ExactRuns(Y, py, X0, X1, Out);
  } else {
    NearRuns(Y, py, X0, X1, Out);
  }
}

// Kept out of its one caller: inlined there, the row loop's steppers and bounds no longer fit in
// registers and go through memory on every row, which costs a tenth of a pie's time.
[[gnu::noinline]] void Sweep::ContainedRows(const raster::RoundRectRows& Shape, int Top, int Bottom,
                                            int Left, int Right, Spans& Out) const {
  if (FFull || !FExact || Top >= Bottom) {
    for (int y = Top; y < Bottom; ++y) {
      int a, b;
      if (Shape.Row(y, a, b)) ContainedRuns(y, std::max(a, Left), std::min(b, Right), Out);
    }
    return;
  }
  [[maybe_unused]] const size_t from = Out.size();
  // Flip for one row after the other: the first row's flip pixel from the division, each next
  // one by the fixed step, all in registers.
  const long long p0 = static_cast<long long>(2 * (FCy - Top));
  FlipStepper s1 = FFirst.FlipAt(FC2, p0), s2 = FSecond.FlipAt(FC2, p0);
  // The ellipse's extent only narrows as a row lies deeper in its top or bottom, so the exact
  // extent of one row holds within any row that lies no deeper: where the sweep's runs fit inside
  // it, the row's own extent cannot cut them and is not needed.
  // Whether each ray's half-row lies before its flip pixel.
  const bool before1 = FFirst.y > 0, before2 = FSecond.y < 0;
  double known_depth = -1;
  int known_a = 0, known_b = 0;
  for (int y = Top; y < Bottom; ++y, s1.Next(), s2.Next()) {
    const double depth = Shape.Depth(y + 0.5);
    if (depth < 0) continue;
    assert(s1 == FFirst.FlipAt(FC2, p0 - 2LL * (y - Top)) &&
           s2 == FSecond.FlipAt(FC2, p0 - 2LL * (y - Top)));
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
    int x0 = Left, x1 = Right;
    if (!fits) {
      int a, b;
      if (!Shape.Extent(depth, a, b)) continue;
      known_depth = depth;
      known_a = a;
      known_b = b;
      x0 = std::max(a, Left);
      x1 = std::min(b, Right);
      if (x0 >= x1) continue;
      if (zero1 || zero2) {
        ExactRunsOnRay(y, x0, x1, f1, zero1, f2, zero2, Out);
        continue;
      }
    }
    // Runs of a row never touch one another, nor those of the row before.
    for (int i = 0; i < n; ++i) {
      const int r0 = std::max(runs[i][0], x0), r1 = std::min(runs[i][1], x1);
      if (r0 < r1) Out.push_back({y, r0, r1});
    }
  }
  assert(raster::Normalized(std::span(Out).subspan(from)));
}

void Sweep::NearRuns(int Y, double Py, int X0, int X1, Spans& Out) const {
  int bands[2][2];
  NearBand(FFirst, Py, X0, X1, bands[0][0], bands[0][1]);
  NearBand(FSecond, Py, X0, X1, bands[1][0], bands[1][1]);
  // Outside the bands no pixel lies close to a ray's line and no ray crosses the row, so the side
  // tests, and with them the pixels' membership, stay the same from one band to the next.
  int cuts[6] = {X0, X1, bands[0][0], bands[0][1] + 1, bands[1][0], bands[1][1] + 1};
  std::sort(std::begin(cuts), std::end(cuts));
  auto in_band = [&](int x) {
    return (x >= bands[0][0] && x <= bands[0][1]) || (x >= bands[1][0] && x <= bands[1][1]);
  };
  for (int i = 0; i + 1 < 6; ++i) {
    const int a = std::max(cuts[i], X0), b = std::min(cuts[i + 1], X1);
    if (a >= b) continue;
    if (!in_band(a)) {
      if (Inside(a, Y)) AddRun(Out, Y, a, b);
      continue;
    }
    for (int x = a; x < b; ++x) {
      if (Inside(x, Y)) AddRun(Out, Y, x, x + 1);
    }
  }
}

void Sweep::BeyondChordRuns(int Y, int X0, int X1, Spans& Out) const {
  if (X0 >= X1) return;
  // Along a row the chord test moves one way only, so the kept pixels are a prefix or a suffix;
  // the point where the test flips is searched with the test itself.
  const bool first_in = BeyondChord(X0, Y), last_in = BeyondChord(X1 - 1, Y);
  if (first_in == last_in) {
    if (first_in) AddRun(Out, Y, X0, X1);
    return;
  }
  // The first pixel that answers like the last one.
  int lo = X0 + 1, hi = X1 - 1;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (BeyondChord(mid, Y) == last_in) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  if (first_in) {
    AddRun(Out, Y, X0, lo);
  } else {
    AddRun(Out, Y, lo, X1);
  }
}

// Keeps the pixels of the spans within the columns [left, right) that runs(y, x0, x1, out) keeps.
template <typename Runs>
void Filter(Spans& List, int Left, int Right, Runs Keep) {
  raster::ScratchSpans kept;
  for (const raster::Span& s : List) Keep(s.y, std::max(s.x0, Left), std::min(s.x1, Right), *kept);
  List.swap(*kept);
}

enum class ArcKind { Arc, Pie, Chord };

}  // namespace

void TCanvas::LineTo(int X, int Y) {
  const TPoint from = FPenPos;
  FPenPos = {X, Y};
  if (!HasPen(*FPen)) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  raster::ScratchSpans spans;
  Stroke stroke(*FPen, painter.Top(), painter.Bottom(), *spans);
  stroke.Segment(from, {X, Y}, false);
  painter.Spans(*spans, ToPixel(FPen->Color()), PenModeOp(FPen->Mode()));
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  if (Points.size() < 2 || !HasPen(*FPen)) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  raster::ScratchSpans spans;
  Stroke stroke(*FPen, painter.Top(), painter.Bottom(), *spans);
  for (size_t i = 0; i + 1 < Points.size(); ++i) stroke.Segment(Points[i], Points[i + 1], false);
  if (FPen->Width() > 1 && !PenModeIdempotent(FPen->Mode())) raster::Normalize(*spans);
  painter.Spans(*spans, ToPixel(FPen->Color()), PenModeOp(FPen->Mode()));
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (Points.empty()) return;
  CanvasPainter painter(*this);
  if (painter.Empty()) return;
  raster::ScratchSpans interior, outline;
  if (HasBrush(*FBrush)) raster::PolygonSpans(Points, painter.Top(), painter.Bottom(), *interior);
  if (HasPen(*FPen)) {
    Stroke stroke(*FPen, painter.Top(), painter.Bottom(), *outline);
    for (size_t i = 0; i < Points.size(); ++i) {
      stroke.Segment(Points[i], Points[(i + 1) % Points.size()], Points.size() == 1);
    }
  }
  PaintShape(painter, *FPen, *FBrush, *interior, *outline, false);
}

namespace {

// RoundShape for square corners without a styled pen: the same pixels straight from the outer
// and inner rectangles, without span lists.
void PlainRectangle(CanvasPainter& Painter, const TPen& Pen, const TBrush& Brush,
                    const TRect& Box) {
  const int clip_top = Painter.Top(), clip_bottom = Painter.Bottom();
  const SpanOp op = PenModeOp(Pen.Mode());
  if (!HasPen(Pen)) {
    TRect r;
    if (!HasBrush(Brush) ||
        !raster::RectCentres(Box.Left, Box.Top, Box.Right - 1, Box.Bottom - 1, r))
      return;
    const uint32_t color = ToPixel(Brush.Color());
    for (int y = std::max(r.Top, clip_top), end = std::min(r.Bottom, clip_bottom); y < end; ++y)
      Painter.Span(y, r.Left, r.Right, color, op);
    return;
  }
  if (IsRectEmpty(Box)) return;
  const PenShapes s = ShapesFor(Box, 0, 0, Pen);
  TRect o, i;
  if (!raster::RectCentres(s.ox0, s.oy0, s.ox1, s.oy1, o)) return;
  const bool inner = raster::RectCentres(s.ix0, s.iy0, s.ix1, s.iy1, i) && i.Left < i.Right;
  const int top = std::max(o.Top, clip_top), bottom = std::min(o.Bottom, clip_bottom);
  auto inner_row = [&](int y) { return inner && y >= i.Top && y < i.Bottom; };
  if (HasBrush(Brush)) {
    const uint32_t color = ToPixel(Brush.Color());
    for (int y = top; y < bottom; ++y)
      if (inner_row(y)) Painter.Span(y, i.Left, i.Right, color, op);
  }
  const uint32_t color = ToPixel(Pen.Color());
  const int ia = std::max(i.Left, o.Left), ib = std::min(i.Right, o.Right);
  for (int y = top; y < bottom; ++y) {
    if (!inner_row(y)) {
      Painter.Span(y, o.Left, o.Right, color, op);
      continue;
    }
    if (o.Left < ia) Painter.Span(y, o.Left, ia, color, op);
    if (ib < o.Right) Painter.Span(y, ib, o.Right, color, op);
    if (ia >= ib) Painter.Span(y, o.Left, o.Right, color, op);
  }
}

void RoundShape(TCanvas& Canvas, CanvasPainter& Painter, const TPen& Pen, const TBrush& Brush,
                TRect Box, double Ra, double Rb) {
  Box = NormalizeRect(Box);
  if (Painter.Empty()) return;
  const bool styled_pen =
      Pen.Width() <= 1 && Pen.Style() != psSolid && Pen.Style() != psInsideFrame;
  if (Ra == 0 && Rb == 0 && (!HasPen(Pen) || !styled_pen)) {
    PlainRectangle(Painter, Pen, Brush, Box);
    return;
  }
  raster::ScratchSpans interior, outline;
  if (!HasPen(Pen)) {
    // Without a pen the filled area is one pixel smaller at the right and the bottom.
    if (HasBrush(Brush)) {
      raster::RoundRectSpans(Box.Left, Box.Top, Box.Right - 1, Box.Bottom - 1, Ra, Rb,
                             Painter.Top(), Painter.Bottom(), *interior);
    }
    PaintShape(Painter, Pen, Brush, *interior, *outline, true);
    return;
  }
  if (IsRectEmpty(Box)) return;
  const PenShapes s = ShapesFor(Box, Ra, Rb, Pen);
  const bool styled = Pen.Width() <= 1 && Pen.Style() != psSolid && Pen.Style() != psInsideFrame;
  if (styled && Ra == 0 && Rb == 0) {
    if (HasBrush(Brush)) {
      raster::RoundRectSpans(s.ix0, s.iy0, s.ix1, s.iy1, 0, 0, Painter.Top(), Painter.Bottom(),
                             *interior);
    }
    // A styled frame follows its path like a closed polyline.
    Stroke stroke(Pen, Painter.Top(), Painter.Bottom(), *outline);
    const TPoint corners[] = {{Box.Left, Box.Top},
                              {Box.Right - 1, Box.Top},
                              {Box.Right - 1, Box.Bottom - 1},
                              {Box.Left, Box.Bottom - 1}};
    for (int i = 0; i < 4; ++i) stroke.Segment(corners[i], corners[(i + 1) % 4], false);
    PaintShape(Painter, Pen, Brush, *interior, *outline, false);
    return;
  }
  raster::RingSpans(s.ox0, s.oy0, s.ox1, s.oy1, s.ora, s.orb, s.ix0, s.iy0, s.ix1, s.iy1, s.ira,
                    s.irb, Painter.Top(), Painter.Bottom(), *outline,
                    HasBrush(Brush) ? &*interior : nullptr);
  PaintShape(Painter, Pen, Brush, *interior, *outline, true);
  (void)Canvas;
}

void ArcShape(CanvasPainter& Painter, const TPen& Pen, const TBrush& Brush, TRect Box, int X3,
              int Y3, int X4, int Y4, ArcKind Kind) {
  Box = NormalizeRect(Box);
  if (Painter.Empty() || IsRectEmpty(Box)) return;
  const double ra = Box.Width() / 2.0, rb = Box.Height() / 2.0;
  const Sweep sweep(Box, X3, Y3, X4, Y4);
  // Rows that cannot hold a pixel of the shape are not generated at all: the rows of the arcs of
  // its outer and inner edge (and the centre for a pie), with a margin beyond the pen.
  int top = Painter.Top(), bottom = Painter.Bottom();
  if (!sweep.Full() && !sweep.Reflex()) {
    const double w = std::max(1, Pen.Width()) + 2.0;
    double lo = Kind == ArcKind::Pie ? sweep.CentreY() : 1e300;
    double hi = Kind == ArcKind::Pie ? sweep.CentreY() : -1e300;
    sweep.ArcRows({{ra + w, rb + w}, {std::max(0.0, ra - w), std::max(0.0, rb - w)}}, lo, hi);
    if (lo > -1e9 && hi < 1e9) {
      top = std::max(top, static_cast<int>(std::floor(lo - w)));
      bottom = std::min(bottom, static_cast<int>(std::ceil(hi + w)) + 1);
    }
    if (top >= bottom) return;
  }
  // Only the columns that can be drawn are tested; the box may be far wider than the surface.
  const int left = Painter.Left(), right = Painter.Right();
  auto inside = [&](int y, int x0, int x1, Spans& out) {
    if (Kind == ArcKind::Chord) {
      sweep.BeyondChordRuns(y, x0, x1, out);
    } else {
      sweep.ContainedRuns(y, x0, x1, out);
    }
  };
  raster::ScratchSpans interior, outline;
  const bool filled = Kind != ArcKind::Arc && HasBrush(Brush);
  if (!HasPen(Pen)) {
    if (filled) {
      // Each row of the ellipse straight through the sweep's test, without a list in between.
      const raster::RoundRectRows shape(Box.Left, Box.Top, Box.Right - 1, Box.Bottom - 1, ra - 0.5,
                                        rb - 0.5);
      int from, to;
      shape.Rows(top, bottom, from, to);
      if (from < to) interior->reserve(static_cast<size_t>(to - from) + 8);
      if (Kind == ArcKind::Chord) {
        for (int y = from; y < to; ++y) {
          int a, b;
          if (shape.Row(y, a, b))
            sweep.BeyondChordRuns(y, std::max(a, left), std::min(b, right), *interior);
        }
      } else {
        sweep.ContainedRows(shape, from, to, left, right, *interior);
      }
    }
    PaintShape(Painter, Pen, Brush, *interior, *outline, true);
    return;
  }
  const PenShapes s = ShapesFor(Box, ra, rb, Pen);
  raster::RingSpans(s.ox0, s.oy0, s.ox1, s.oy1, s.ora, s.orb, s.ix0, s.iy0, s.ix1, s.iy1, s.ira,
                    s.irb, top, bottom, *outline, filled ? &*interior : nullptr);
  if (filled) Filter(*interior, left, right, inside);
  Filter(*outline, left, right,
         [&](int y, int x0, int x1, Spans& out) { sweep.ContainedRuns(y, x0, x1, out); });
  if (!sweep.Full() && Kind != ArcKind::Arc) {
    TPen solid;
    solid.SetWidth(Pen.Width());
    raster::ScratchSpans lines;
    Stroke stroke(solid, top, bottom, *lines);
    if (Kind == ArcKind::Pie) {
      stroke.Segment(sweep.Centre(), sweep.Start(), true);
      stroke.Segment(sweep.Centre(), sweep.End(), true);
    } else {
      stroke.Segment(sweep.Start(), sweep.End(), true);
    }
    outline->insert(outline->end(), lines->begin(), lines->end());
  }
  PaintShape(Painter, Pen, Brush, *interior, *outline, false);
}

}  // namespace

void TCanvas::Rectangle(int Left, int Top, int Right, int Bottom) {
  CanvasPainter painter(*this);
  RoundShape(*this, painter, *FPen, *FBrush, {Left, Top, Right, Bottom}, 0, 0);
}

void TCanvas::RoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth,
                        int CornerHeight) {
  CanvasPainter painter(*this);
  RoundShape(*this, painter, *FPen, *FBrush, {Left, Top, Right, Bottom},
             std::abs(CornerWidth) / 2.0, std::abs(CornerHeight) / 2.0);
}

void TCanvas::Ellipse(int Left, int Top, int Right, int Bottom) {
  CanvasPainter painter(*this);
  const TRect box = NormalizeRect({Left, Top, Right, Bottom});
  RoundShape(*this, painter, *FPen, *FBrush, box, box.Width() / 2.0, box.Height() / 2.0);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  CanvasPainter painter(*this);
  ArcShape(painter, *FPen, *FBrush, {X1, Y1, X2, Y2}, X3, Y3, X4, Y4, ArcKind::Arc);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  CanvasPainter painter(*this);
  ArcShape(painter, *FPen, *FBrush, {X1, Y1, X2, Y2}, X3, Y3, X4, Y4, ArcKind::Pie);
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  CanvasPainter painter(*this);
  ArcShape(painter, *FPen, *FBrush, {X1, Y1, X2, Y2}, X3, Y3, X4, Y4, ArcKind::Chord);
}
