#include "programs/curves/curvemath.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<TCurvePoint> Points(std::initializer_list<std::array<double, 2>> xy) {
  std::vector<TCurvePoint> p;
  for (const auto& [x, y] : xy) p.push_back(TCurvePoint{x, y, {}});
  return p;
}

// A curve output array with a recognisable content, to see that failures leave it alone.
std::vector<TCurvePoint> Canvas(std::size_t n) {
  return std::vector<TCurvePoint>(n, TCurvePoint{-123, 456, {}});
}

bool Untouched(const std::vector<TCurvePoint>& out) {
  for (const auto& p : out) {
    if (p.X != -123 || p.Y != 456) return false;
  }
  return true;
}

// Bernstein form of the Bezier curve, evaluated directly.
TCurvePoint BezierAt(const std::vector<TCurvePoint>& p, double t) {
  const int e = static_cast<int>(p.size()) - 1;
  double x = 0, y = 0;
  for (int k = 0; k <= e; ++k) {
    const double b = std::tgamma(e + 1.0) / (std::tgamma(k + 1.0) * std::tgamma(e - k + 1.0)) *
                     std::pow(t, k) * std::pow(1 - t, e - k);
    x += b * p[k].X;
    y += b * p[k].Y;
  }
  return TCurvePoint{x, y, {}};
}

}  // namespace

TEST(CurveTolerance, ComparisonsUseTheirOwnTolerances) {
  EXPECT_TRUE(IsZero(1e-8));
  EXPECT_TRUE(IsZero(-1e-7));
  EXPECT_FALSE(IsZero(2e-7));
  EXPECT_TRUE(IsNotZero(2e-7));
  EXPECT_FALSE(IsNotZero(1e-8));
  EXPECT_FALSE(IsZero(kNaN));
  EXPECT_FALSE(IsNotZero(kNaN));

  EXPECT_FALSE(IsEqual(0, 1e-30));  // relative to a = 0
  EXPECT_TRUE(IsEqual(1, 1 + 1e-7));
  EXPECT_FALSE(IsEqual(1, 1 + 3e-7));
  EXPECT_TRUE(IsEqual(-1000, -1000.0001));

  EXPECT_TRUE(IsGreater(1 + 3e-7, 1));
  EXPECT_FALSE(IsGreater(1 + 1e-7, 1));
  EXPECT_TRUE(IsGreaterEqual(1 - 1e-7, 1));
  EXPECT_FALSE(IsGreaterEqual(1 - 3e-7, 1));
  EXPECT_TRUE(IsGreaterEqual(0.5, 0.5));

  EXPECT_EQ(SafeReciprocal(0), 0);
  EXPECT_EQ(SafeReciprocal(1e-8), 0);
  EXPECT_EQ(SafeReciprocal(4), 0.25);
  EXPECT_EQ(SumOfSquares(3, -4), 25);
}

TEST(CurvePower, ExponentComesFirstAndZeroBaseIsReported) {
  const struct {
    long double exponent, base, result;
    int error;
  } cases[] = {
      {2, 0, 0, kMathErrPowerBaseZero},
      {2, 1e-8L, 0, kMathErrPowerBaseZero},
      {0, 5, 1, 0},
      {1, 5, 5, 0},
      {2, 3, 9, 0},
      {0.5L, 16, 4, 0},
      {29, 0.5L, std::ldexp(1.0L, -29), 0},
  };
  for (const auto& c : cases) {
    MathError = 77;
    EXPECT_NEAR(static_cast<double>(PowerXY(c.exponent, c.base)), static_cast<double>(c.result),
                1e-12 * static_cast<double>(c.result))
        << static_cast<double>(c.exponent) << " " << static_cast<double>(c.base);
    EXPECT_EQ(MathError, c.error);
  }
  EXPECT_TRUE(std::isnan(PowerXY(2, -3)));
}

TEST(CurveFactorial, TableAndRunningProduct) {
  EXPECT_EQ(Factorial(-3), 1);
  EXPECT_EQ(Factorial(0), 1);
  EXPECT_EQ(Factorial(1), 1);
  EXPECT_EQ(Factorial(16), 2.0922789888e13);
  EXPECT_EQ(Factorial(17), 3.55687428096e14);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0);
  EXPECT_TRUE(std::isfinite(Factorial(170)));
  EXPECT_TRUE(std::isinf(Factorial(171)));
  EXPECT_TRUE(std::isinf(Factorial(std::numeric_limits<int>::max())));  // stops early
}

TEST(CurveFactorial, BinomialRows) {
  MathError = 0;
  const auto c4 = BinomialRow(4);
  ASSERT_EQ(c4.size(), 5u);
  const long double want[] = {1, 4, 6, 4, 1};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(c4[k], want[k]);
  EXPECT_EQ(BinomialRow(0).size(), 1u);
  EXPECT_TRUE(BinomialRow(-1).empty());

  const auto c29 = BinomialRow(29);
  long double sum = 0;
  for (int k = 0; k <= 29; ++k) {
    EXPECT_NEAR(static_cast<double>(c29[k]), static_cast<double>(c29[29 - k]), 1e-6);
    sum += c29[k];
  }
  EXPECT_NEAR(static_cast<double>(sum), std::ldexp(1.0, 29), 1e-3);
  EXPECT_EQ(MathError, 0);

  EXPECT_TRUE(BinomialRow(171).empty());
  EXPECT_EQ(MathError, kMathErrBinomial);
}

TEST(BezierCurve, StartsAndEndsAtTheControlPoints) {
  const auto p = Points({{0, 0}, {10, 30}, {40, -20}, {50, 5}});
  auto out = Canvas(100);
  BezierCurve(p, 4, 40, out);
  ASSERT_EQ(MathError, 0);
  EXPECT_EQ(out[0].X, 0);
  EXPECT_EQ(out[0].Y, 0);
  EXPECT_NEAR(out[39].X, 50, 1e-9);
  EXPECT_NEAR(out[39].Y, 5, 1e-9);
  // The parameter step is 1/39, across both halves of the evaluation.
  for (int j : {1, 19, 20, 38}) {
    const TCurvePoint want = BezierAt(p, j / 39.0);
    EXPECT_NEAR(out[j].X, want.X, 1e-9) << j;
    EXPECT_NEAR(out[j].Y, want.Y, 1e-9) << j;
  }
  EXPECT_EQ(out[40].X, -123);  // nothing beyond m
}

TEST(BezierCurve, EndpointsForEveryPointCount) {
  for (int n = 3; n <= kBezierMaxPoints; ++n) {
    std::vector<TCurvePoint> p;
    for (int i = 0; i < n; ++i) p.push_back(TCurvePoint{i * 1.5, std::sin(i * 0.9) * 100, {}});
    auto out = Canvas(40);
    BezierCurve(p, n, 40, out);
    ASSERT_EQ(MathError, 0) << n;
    EXPECT_EQ(out[0].X, p[0].X) << n;
    EXPECT_EQ(out[0].Y, p[0].Y) << n;
    EXPECT_NEAR(out[39].X, p[n - 1].X, 1e-9) << n;
    EXPECT_NEAR(out[39].Y, p[n - 1].Y, 1e-9) << n;
  }
}

TEST(BezierCurve, CollinearPointsGiveAStraightLine) {
  const auto p = Points({{1, 2}, {2, 4}, {5, 10}, {4, 8}, {7, 14}});
  auto out = Canvas(40);
  BezierCurve(p, 5, 40, out);
  ASSERT_EQ(MathError, 0);
  for (const auto& q : out) EXPECT_NEAR(q.Y, 2 * q.X, 1e-9) << q.X;
}

TEST(BezierCurve, ErrorCodesLeaveTheOutputAlone) {
  std::vector<TCurvePoint> many(31);
  for (int i = 0; i < 31; ++i) many[i] = TCurvePoint{double(i), double(i % 3), {}};
  const struct {
    const char* what;
    std::vector<TCurvePoint> points;
    int n, m, room, error;
  } cases[] = {
      {"31 points", many, 31, 40, 40, kMathErrBezierTooMany},
      {"2 points", Points({{0, 0}, {1, 1}}), 2, 40, 40, kMathErrBezierTooFew},
      {"negative count", Points({{0, 0}, {1, 1}, {2, 0}}), -5, 40, 40, kMathErrBezierTooFew},
      {"count beyond the points given", Points({{0, 0}, {1, 1}, {2, 0}}), 4, 40, 40,
       kMathErrBezierTooMany},
      {"more outputs than room", Points({{0, 0}, {1, 1}, {2, 0}}), 3, 41, 40,
       kMathErrBezierTooMany},
      {"NaN point", Points({{0, 0}, {kNaN, 1}, {2, 0}}), 3, 40, 40, kMathErrBinomial},
      {"infinite point", Points({{0, 0}, {1, 1}, {2, -kInf}}), 3, 40, 40, kMathErrBinomial},
  };
  for (const auto& c : cases) {
    auto out = Canvas(c.room);
    BezierCurve(c.points, c.n, c.m, out);
    EXPECT_EQ(MathError, c.error) << c.what;
    EXPECT_TRUE(Untouched(out)) << c.what;
  }
  // The largest finite curve still works, and a good call clears the code.
  auto out = Canvas(40);
  BezierCurve(many, 30, 40, out);
  EXPECT_EQ(MathError, 0);
}

TEST(BezierCurve, FewOutputs) {
  const auto p = Points({{0, 0}, {1, 3}, {2, 0}});
  auto out = Canvas(2);
  BezierCurve(p, 3, 1, out);
  EXPECT_EQ(MathError, 0);
  EXPECT_EQ(out[0].X, 0);
  EXPECT_EQ(out[1].X, -123);
  BezierCurve(p, 3, 0, out);
  EXPECT_EQ(MathError, 0);
  EXPECT_EQ(out[1].X, -123);
}

TEST(SplineCurve, PassesThroughEveryControlPoint) {
  // Equal chords of 5 put every knot on a sample: knot i at sample 3 * i.
  const auto p = Points({{0, 0}, {3, 4}, {6, 0}, {2, -3}, {-2, 0}, {1, 4}, {4, 8}});
  const int n = static_cast<int>(p.size());
  auto out = Canvas(100);
  SplineCurve(p, 1, n, 3 * (n - 1) + 1, out);
  ASSERT_EQ(MathError, 0);
  for (int i = 0; i < n; ++i) {
    EXPECT_NEAR(out[3 * i].X, p[i].X, 1e-9) << i;
    EXPECT_NEAR(out[3 * i].Y, p[i].Y, 1e-9) << i;
  }
  EXPECT_EQ(out[0].X, p[0].X);
  EXPECT_EQ(out[3 * (n - 1) + 1].X, -123);
}

TEST(SplineCurve, CollinearPointsGiveEquallySpacedPointsOnTheLine) {
  const struct {
    const char* what;
    std::vector<TCurvePoint> points;
  } cases[] = {
      {"equally spaced", Points({{1, 2}, {3, 5}, {5, 8}, {7, 11}})},
      {"unequally spaced", Points({{1, 2}, {1.5, 2.75}, {5, 8}, {5.2, 8.3}, {7, 11}})},
      {"three points", Points({{1, 2}, {2, 3.5}, {7, 11}})},
  };
  for (const auto& c : cases) {
    const int n = static_cast<int>(c.points.size());
    auto out = Canvas(64);
    SplineCurve(c.points, 1, n, 64, out);
    ASSERT_EQ(MathError, 0) << c.what;
    for (int j = 0; j < 64; ++j) {
      EXPECT_NEAR(out[j].X, 1 + 6.0 * j / 63, 1e-9) << c.what << " " << j;
      EXPECT_NEAR(out[j].Y, 2 + 9.0 * j / 63, 1e-9) << c.what << " " << j;
    }
  }
}

TEST(SplineCurve, PartOfTheArray) {
  // Points 3..6 of a longer array; the others do not matter.
  auto p = Points({{kNaN, 0}, {0, 0}, {0, 0}, {1, 1}, {2, 4}, {3, 9}, {0, 0}});
  auto out = Canvas(64);
  SplineCurve(p, 3, 6, 4, out);
  ASSERT_EQ(MathError, 0);
  EXPECT_EQ(out[0].X, 0);
  EXPECT_NEAR(out[3].X, 3, 1e-9);
  EXPECT_NEAR(out[3].Y, 9, 1e-9);
}

TEST(SplineCurve, ErrorCodesLeaveTheOutputAlone) {
  const auto four = Points({{0, 0}, {1, 2}, {2, 1}, {3, 3}});
  const struct {
    const char* what;
    std::vector<TCurvePoint> points;
    int first, last, m, room, error;
  } cases[] = {
      {"two points", four, 1, 2, 64, 64, kMathErrSplineTooFew},
      {"first equals last", four, 3, 3, 64, 64, kMathErrSplineRange},
      {"first above last", four, 4, 1, 64, 64, kMathErrSplineRange},
      {"first below 1", four, 0, 4, 64, 64, kMathErrSplineRange},
      {"last beyond the points", four, 2, 5, 64, 64, kMathErrSplineRange},
      {"more outputs than room", four, 1, 4, 65, 64, kMathErrSplineRange},
      {"equal neighbours", Points({{0, 0}, {1, 2}, {1, 2}, {3, 3}}), 1, 4, 64, 64,
       kMathErrSplineZeroChord},
      {"neighbours closer than the tolerance", Points({{0, 0}, {1, 2}, {1, 2 + 5e-8}, {3, 3}}), 1,
       4, 64, 64, kMathErrSplineZeroChord},
      {"NaN point", Points({{0, 0}, {1, kNaN}, {2, 1}, {3, 3}}), 1, 4, 64, 64,
       kMathErrSplineTangents},
      {"infinite point", Points({{0, 0}, {1, 2}, {kInf, 1}, {3, 3}}), 1, 4, 64, 64,
       kMathErrSplineTangents},
      {"overshoot beyond the double range",
       Points({{0, 0}, {1, 1.7e308}, {2, -1.7e308}, {3, 1.7e308}, {4, -1.7e308}}), 1, 5, 64, 64,
       kMathErrSplineEvaluate},
  };
  for (const auto& c : cases) {
    auto out = Canvas(c.room);
    MathError = 0;
    SplineCurve(c.points, c.first, c.last, c.m, out);
    EXPECT_EQ(MathError, c.error) << c.what;
    EXPECT_TRUE(Untouched(out)) << c.what;
  }
  auto out = Canvas(64);
  SplineCurve(four, 1, 4, 64, out);
  EXPECT_EQ(MathError, 0);
}

TEST(SplineCurve, ExtremeIndicesDoNotOverflow) {
  const auto four = Points({{0, 0}, {1, 2}, {2, 1}, {3, 3}});
  auto out = Canvas(64);
  SplineCurve(four, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 64, out);
  EXPECT_EQ(MathError, kMathErrSplineRange);
  SplineCurve(four, std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 64, out);
  EXPECT_EQ(MathError, kMathErrSplineRange);
  EXPECT_TRUE(Untouched(out));
}

TEST(SplineCurve, OneOutputIsTheFirstPoint) {
  const auto four = Points({{0, 7}, {1, 2}, {2, 1}, {3, 3}});
  auto out = Canvas(2);
  SplineCurve(four, 1, 4, 1, out);
  EXPECT_EQ(MathError, 0);
  EXPECT_EQ(out[0].Y, 7);
  EXPECT_EQ(out[1].Y, 456);
}
