#pragma once
// CurveMath: the numeric unit of the curve program. Tolerant comparisons, powers, factorials and
// binomial coefficients, the Bezier curve of up to 30 control points and the cubic spline through
// the control points parametrised by chord length.
//
// Point arrays count from 1 in the curve program: point k lives in element k - 1 of a span.
// The routines compute in extended precision and store doubles. Errors are reported only through
// MathError; no routine throws, and a failed curve leaves the output untouched.

#include <cstdint>
#include <span>
#include <vector>

// A control or computed point; 28 bytes on file (X, Y, 12 reserved bytes), never written as a
// whole.
struct TCurvePoint {
  double X = 0;
  double Y = 0;
  uint8_t Reserved[12] = {};
};

// The last error of the unit, 0 = none. One process-wide value, used from the GUI thread only.
extern int MathError;

// The values MathError takes.
enum : int {
  kMathErrPowerBaseZero = 23,    // PowerXY: base is zero (result 0)
  kMathErrBezierTooMany = 45,    // BezierCurve: more than 30 control points
  kMathErrBezierTooFew = 46,     // BezierCurve: fewer than 3 control points
  kMathErrSplineZeroChord = 49,  // SplineCurve: two consecutive points coincide
  kMathErrSplineRange = 63,      // SplineCurve: first index not below the last one
  kMathErrSplineTooFew = 64,     // SplineCurve: fewer than 3 points from first to last
  kMathErrBinomial = 100,        // BinomialRow (and the Bezier sum): floating-point fault
  kMathErrSplineTangents = 101,  // floating-point fault while solving for the tangents
  kMathErrSplineCoeffs = 102,    // floating-point fault in the segment coefficients
  kMathErrSplineEvaluate = 103,  // floating-point fault (or no double result) in the evaluation
};

// Largest number of control points of a Bezier curve.
constexpr int kBezierMaxPoints = 30;

// |x| <= 1e-7 (absolute). NaN is neither zero nor non-zero.
bool IsZero(long double X);
bool IsNotZero(long double X);
// |b - a| <= |a| * 2e-7: the tolerance is relative to a, so IsEqual(0, 1e-30) is false.
bool IsEqual(long double A, long double B);
// a - |a| * 2e-7 > b.
bool IsGreater(long double A, long double B);
// a + |a| * 2e-7 >= b.
bool IsGreaterEqual(long double A, long double B);
// 0 when IsZero(x), else 1 / x.
long double SafeReciprocal(long double X);
long double SumOfSquares(long double A, long double B);

// base ^ exponent (note the order). Resets MathError; a zero base sets kMathErrPowerBaseZero and
// gives 0. A negative base has no real power here and gives NaN.
long double PowerXY(long double Exponent, long double Base);

// n! as a double; 1 for negative n; infinite once n! leaves the double range (n > 170).
double Factorial(int N);

// The binomial coefficients C(n, 0..n). Sets kMathErrBinomial (and returns an empty row) when they
// cannot be computed (n! beyond the double range). Negative n gives an empty row.
std::vector<long double> BinomialRow(int N);

// The Bezier curve of the control points 1..n, evaluated at m equally spaced parameters from 0 to 1
// into out[0..m-1]: out[0] is point 1 and out[m-1] point n. Codes: kMathErrBezierTooMany for
// n > 30 or more points than `points` holds, kMathErrBezierTooFew for n < 3, kMathErrBinomial when
// a coordinate is not a finite number. m beyond the room in `out` counts as too many points too.
void BezierCurve(std::span<const TCurvePoint> Points, int N, int M, std::span<TCurvePoint> Out);

// The cubic spline through the points first..last (counted from 1), parametrised by the
// accumulated chord length, with not-a-knot ends (three points give the parabola through them),
// sampled at m equally spaced lengths into out[0..m-1]. Codes in order of the stages:
// kMathErrSplineTooFew when last - first < 2, kMathErrSplineRange when first >= last (this one
// wins) or when first..last or m do not fit the spans, kMathErrSplineZeroChord,
// kMathErrSplineTangents, kMathErrSplineCoeffs, kMathErrSplineEvaluate.
void SplineCurve(std::span<const TCurvePoint> Points, int First, int Last, int M,
                 std::span<TCurvePoint> Out);
