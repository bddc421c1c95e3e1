#include "programs/curves/curvemath.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>

int MathError = 0;

namespace {

constexpr long double kZeroTolerance = 1e-7L;
constexpr long double kRelTolerance = 2e-7L;

// A computed coordinate is usable only when it is finite as a double, too.
bool FitsDouble(long double V) { return std::isfinite(V) && std::fabs(V) <= DBL_MAX; }

bool StoreCurve(const std::vector<long double>& Xs, const std::vector<long double>& Ys,
                std::span<TCurvePoint> Out) {
  for (std::size_t j = 0; j < Xs.size(); ++j) {
    if (!FitsDouble(Xs[j]) || !FitsDouble(Ys[j])) return false;
  }
  for (std::size_t j = 0; j < Xs.size(); ++j) {
    Out[j] = TCurvePoint{};
    Out[j].X = static_cast<double>(Xs[j]);
    Out[j].Y = static_cast<double>(Ys[j]);
  }
  return true;
}

// One chord of the spline, from point i-1 to point i, with the derivatives at its start.
struct TSplineSegment {
  int index = 0;  // number of the end point
  long double dx = 0, dy = 0;
  long double h = 0;           // chord length
  long double length = 0;      // accumulated length at the end point
  long double sx = 0, sy = 0;  // unit direction: the divided differences over the chord
  long double px = 0, py = 0;  // start point
  long double d1x = 0, d1y = 0, d2x = 0, d2y = 0, d3x = 0, d3y = 0;
};

// Derivatives at every point 1..n for one coordinate.
using Tangents = std::vector<long double>;

bool SplineBuildSegments(std::span<const TCurvePoint> Points, int First, int Last,
                         std::vector<TSplineSegment>& Segs) {
  long double total = 0;
  bool ok = true;
  for (int i = First + 1; i <= Last; ++i) {
    const TCurvePoint& a = Points[i - 2];
    const TCurvePoint& b = Points[i - 1];
    TSplineSegment s;
    s.index = i;
    s.px = a.X;
    s.py = a.Y;
    s.dx = static_cast<long double>(b.X) - a.X;
    s.dy = static_cast<long double>(b.Y) - a.Y;
    s.h = std::sqrt(SumOfSquares(s.dx, s.dy));
    if (IsZero(s.h)) {
      ok = false;
      continue;
    }
    total += s.h;
    s.length = total;
    s.sx = s.dx / s.h;
    s.sy = s.dy / s.h;
    Segs.push_back(s);
  }
  return ok;
}

// First derivatives with respect to the chord parameter for the tridiagonal system of the cubic
// spline with continuous second derivative and not-a-knot ends; slope(i) is the divided difference
// of segment i (0-based). Forward elimination and back substitution, no pivoting (the system is
// diagonally dominant apart from the end rows, whose pivots stay positive).
bool SolveTangents(const std::vector<TSplineSegment>& Segs,
                   long double (*Slope)(const TSplineSegment&), Tangents& D) {
  const std::size_t k = Segs.size();  // segments; points = k + 1
  const std::size_t n = k + 1;
  std::vector<long double> sub(n, 0), diag(n, 0), sup(n, 0), rhs(n, 0);
  auto h = [&](std::size_t i) { return Segs[i].h; };
  auto s = [&](std::size_t i) { return Slope(Segs[i]); };

  // Start: the third derivative is continuous across the second point.
  diag[0] = h(1);
  sup[0] = h(0) + h(1);
  rhs[0] = ((h(0) + 2 * sup[0]) * h(1) * s(0) + h(0) * h(0) * s(1)) / sup[0];
  for (std::size_t i = 1; i + 1 < n; ++i) {
    sub[i] = h(i);
    diag[i] = 2 * (h(i - 1) + h(i));
    sup[i] = h(i - 1);
    rhs[i] = 3 * (h(i) * s(i - 1) + h(i - 1) * s(i));
  }
  if (n == 3) {
    // Three points: the parabola through them (one cubic piece with a zero third derivative).
    sub[n - 1] = 1;
    diag[n - 1] = 1;
    rhs[n - 1] = 2 * s(k - 1);
  } else {
    // End: the third derivative is continuous across the second-to-last point.
    const long double g = h(k - 2) + h(k - 1);
    sub[n - 1] = g;
    diag[n - 1] = h(k - 2);
    rhs[n - 1] = ((h(k - 1) + 2 * g) * h(k - 2) * s(k - 1) + h(k - 1) * h(k - 1) * s(k - 2)) / g;
  }

  for (std::size_t i = 1; i < n; ++i) {
    if (diag[i - 1] == 0) return false;
    const long double f = sub[i] / diag[i - 1];
    diag[i] -= f * sup[i - 1];
    rhs[i] -= f * rhs[i - 1];
  }
  D.assign(n, 0);
  if (diag[n - 1] == 0) return false;
  D[n - 1] = rhs[n - 1] / diag[n - 1];
  for (std::size_t i = n - 1; i-- > 0;) D[i] = (rhs[i] - sup[i] * D[i + 1]) / diag[i];
  return std::all_of(D.begin(), D.end(), [](long double v) { return std::isfinite(v); });
}

bool SplineSolveTangents(const std::vector<TSplineSegment>& Segs, Tangents& Dx, Tangents& Dy) {
  return SolveTangents(
             Segs, [](const TSplineSegment& s) { return s.sx; }, Dx) &&
         SolveTangents(
             Segs, [](const TSplineSegment& s) { return s.sy; }, Dy);
}

// Second and third derivative at the start of a segment of length h, slope s, end tangents d0, d1.
bool Coefficients(long double H, long double S, long double D0, long double D1, long double& D2,
                  long double& D3) {
  const long double k = D0 + D1 - 2 * S;
  D2 = 2 * (S - D0 - k) / H;
  D3 = 6 * k / (H * H);
  return std::isfinite(D2) && std::isfinite(D3);
}

bool SplineCoefficients(std::vector<TSplineSegment>& Segs, const Tangents& Dx, const Tangents& Dy) {
  for (std::size_t i = 0; i < Segs.size(); ++i) {
    TSplineSegment& s = Segs[i];
    s.d1x = Dx[i];
    s.d1y = Dy[i];
    if (!Coefficients(s.h, s.sx, Dx[i], Dx[i + 1], s.d2x, s.d3x) ||
        !Coefficients(s.h, s.sy, Dy[i], Dy[i + 1], s.d2y, s.d3y)) {
      return false;
    }
  }
  return true;
}

bool SplineEvaluate(const std::vector<TSplineSegment>& Segs, int M, std::span<TCurvePoint> Out) {
  const long double step = Segs.back().length * SafeReciprocal(M - 1);
  std::vector<long double> xs(M), ys(M);
  std::size_t seg = 0;
  for (int j = 0; j < M; ++j) {
    const long double u = j * step;
    while (seg + 1 < Segs.size() && IsGreater(u, Segs[seg].length)) ++seg;
    const TSplineSegment& s = Segs[seg];
    const long double d = u - (s.length - s.h);
    xs[j] = s.px + d * (s.d1x + d * (s.d2x + d * s.d3x / 3) / 2);
    ys[j] = s.py + d * (s.d1y + d * (s.d2y + d * s.d3y / 3) / 2);
  }
  return StoreCurve(xs, ys, Out);
}

}  // namespace

bool IsZero(long double X) { return std::fabs(X) <= kZeroTolerance; }

bool IsNotZero(long double X) { return std::fabs(X) > kZeroTolerance; }

bool IsEqual(long double A, long double B) {
  return std::fabs(B - A) <= std::fabs(A) * kRelTolerance;
}

bool IsGreater(long double A, long double B) { return A - std::fabs(A) * kRelTolerance > B; }

bool IsGreaterEqual(long double A, long double B) { return A + std::fabs(A) * kRelTolerance >= B; }

long double SafeReciprocal(long double X) { return IsZero(X) ? 0 : 1 / X; }

long double SumOfSquares(long double A, long double B) { return A * A + B * B; }

long double PowerXY(long double Exponent, long double Base) {
  MathError = 0;
  if (IsZero(Base)) {
    MathError = kMathErrPowerBaseZero;
    return 0;
  }
  if (Exponent == 0) return 1;
  if (IsEqual(1, Exponent)) return Base;
  return std::exp2(Exponent * std::log2(Base));
}

double Factorial(int N) {
  static constexpr double kTable[] = {1,
                                      1,
                                      2,
                                      6,
                                      24,
                                      120,
                                      720,
                                      5040,
                                      40320,
                                      362880,
                                      3628800,
                                      39916800,
                                      479001600,
                                      6227020800,
                                      87178291200,
                                      1307674368000,
                                      20922789888000};
  if (N < 0) return 1;
  if (N <= 16) return kTable[N];
  long double p = 1;
  // Beyond the double range the result stays infinite; stop there instead of counting on.
  for (int i = 2; i <= N && p <= DBL_MAX; ++i) p *= i;
  return static_cast<double>(p);
}

std::vector<long double> BinomialRow(int N) {
  if (N < 0) return {};
  const long double nf = Factorial(N);
  if (!std::isfinite(nf)) {
    MathError = kMathErrBinomial;
    return {};
  }
  std::vector<long double> c(static_cast<std::size_t>(N) + 1);
  for (int k = 0; k <= N; ++k) {
    c[k] = nf / (static_cast<long double>(Factorial(N - k)) * Factorial(k));
    if (!std::isfinite(c[k])) {
      MathError = kMathErrBinomial;
      return {};
    }
  }
  return c;
}

void BezierCurve(std::span<const TCurvePoint> Points, int N, int M, std::span<TCurvePoint> Out) {
  MathError = 0;
  if (N > kBezierMaxPoints) {
    MathError = kMathErrBezierTooMany;
    return;
  }
  if (N < 3) {
    MathError = kMathErrBezierTooFew;
    return;
  }
  if (static_cast<std::size_t>(N) > Points.size() ||
      static_cast<std::size_t>(std::max(M, 0)) > Out.size()) {
    MathError = kMathErrBezierTooMany;
    return;
  }
  if (M <= 0) return;
  const long double dt = SafeReciprocal(M - 1);
  const int e = N - 1;
  const std::vector<long double> c = BinomialRow(e);
  // PowerXY below clears MathError, so a fault here must be caught now.
  if (MathError != 0) return;

  auto px = [&](int k) { return static_cast<long double>(Points[k - 1].X); };
  auto py = [&](int k) { return static_cast<long double>(Points[k - 1].Y); };
  std::vector<long double> xs(M), ys(M);
  for (int j = 1; j <= M; ++j) {
    const long double t = (j - 1) * dt;
    long double sx, sy, f;
    // Horner's rule in t/(1-t) from the last point up to t = 0.5, in (1-t)/t from the first after.
    if (IsGreaterEqual(0.5L, t)) {
      const long double r = t / (1 - t);
      f = PowerXY(e, 1 - t);
      sx = px(N);
      sy = py(N);
      for (int i = 1; i <= e; ++i) {
        sx = r * sx + c[e - i] * px(N - i);
        sy = r * sy + c[e - i] * py(N - i);
      }
    } else {
      const long double r = (1 - t) / t;
      f = PowerXY(e, t);
      sx = px(1);
      sy = py(1);
      for (int i = 1; i <= e; ++i) {
        sx = r * sx + c[i] * px(i + 1);
        sy = r * sy + c[i] * py(i + 1);
      }
    }
    xs[j - 1] = sx * f;
    ys[j - 1] = sy * f;
  }
  MathError = StoreCurve(xs, ys, Out) ? 0 : kMathErrBinomial;
}

void SplineCurve(std::span<const TCurvePoint> Points, int First, int Last, int M,
                 std::span<TCurvePoint> Out) {
  MathError = 0;
  const int64_t lo = First, hi = Last;
  if (hi - lo < 2) MathError = kMathErrSplineTooFew;
  if (lo >= hi) MathError = kMathErrSplineRange;
  if (MathError != 0) return;
  if (lo < 1 || hi > static_cast<int64_t>(Points.size()) ||
      static_cast<std::size_t>(std::max(M, 0)) > Out.size()) {
    MathError = kMathErrSplineRange;
    return;
  }

  std::vector<TSplineSegment> segs;
  segs.reserve(static_cast<std::size_t>(Last - First));
  if (!SplineBuildSegments(Points, First, Last, segs)) {
    MathError = kMathErrSplineZeroChord;
    return;
  }
  Tangents dx, dy;
  if (!SplineSolveTangents(segs, dx, dy)) {
    MathError = kMathErrSplineTangents;
    return;
  }
  if (!SplineCoefficients(segs, dx, dy)) {
    MathError = kMathErrSplineCoeffs;
    return;
  }
  if (M > 0 && !SplineEvaluate(segs, M, Out)) MathError = kMathErrSplineEvaluate;
}
