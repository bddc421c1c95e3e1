#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "library/foundation/helpers.h"
#include "platform/base/numbers.h"

namespace {

constexpr long double kRadPerDeg = 0.01745329252L;
constexpr double kDegPerRad = 57.2957795131;
constexpr double kAxisTolerance = 1e-5;

int SaturateToInt(int64_t v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

}  // namespace

double SinDeg(double A) { return static_cast<double>(std::sin(A * kRadPerDeg)); }

TPointTurn::TPointTurn(TPoint C, double A) : FCentre(C), FNone(A == 0) {
  if (FNone) return;
  const long double r = A * kRadPerDeg;
  FSin = std::sin(r);
  FCos = std::cos(r);
}

TPoint TPointTurn::operator()(TPoint P) const {
  if (FNone) return P;
  const TPoint C = FCentre;
  long double dx = static_cast<long double>(P.X) - C.X;
  long double dy = static_cast<long double>(P.Y) - C.Y;
  return TPoint{SaturateToInt(Round(dx * FCos + C.X - dy * FSin)),
                SaturateToInt(Round(dy * FCos + C.Y + dx * FSin))};
}

TPoint RotatePoint(TPoint C, TPoint P, double A) { return TPointTurn(C, A)(P); }

TFloatPoint RotatePointF(TFloatPoint C, TFloatPoint P, double A) {
  if (A == 0) return P;
  long double r = A * kRadPerDeg;
  long double s = std::sin(r);
  long double c = std::cos(r);
  long double dx = P.X - C.X;
  long double dy = P.Y - C.Y;
  return TFloatPoint{static_cast<double>(dx * c + C.X - dy * s),
                     static_cast<double>(dy * c + C.Y + dx * s)};
}

double VectorAngleDeg(double A, double B) {
  if (std::fabs(A) < kAxisTolerance) {
    if (std::fabs(B) < kAxisTolerance) return 0;
    return B > 0 ? 90 : 270;
  }
  if (std::fabs(B) < kAxisTolerance) return A > 0 ? 0 : 180;
  double t = std::atan(std::fabs(B / A)) * kDegPerRad;
  if (A > 0) return B > 0 ? t : 360 - t;
  return B > 0 ? 180 - t : 180 + t;
}

bool PointInRadius(TPoint P, int R, TPoint C) {
  double dx = static_cast<double>(P.X) - C.X;
  double dy = static_cast<double>(P.Y) - C.Y;
  return R > std::sqrt(dx * dx + dy * dy);
}

TRect Box(TPoint A, TPoint B) { return NormalizeRect(Rect(A.X, A.Y, B.X, B.Y)); }

int ToInt(int64_t Value) {
  return static_cast<int>(std::clamp<int64_t>(Value, -(1 << 30), 1 << 30));
}
