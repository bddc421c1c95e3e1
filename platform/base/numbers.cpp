#include "platform/base/numbers.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

int64_t Saturate(long double x) {
  constexpr long double kMax = 9223372036854775807.0L;
  constexpr long double kMin = -9223372036854775808.0L;
  if (std::isnan(x)) return 0;
  if (x >= kMax) return std::numeric_limits<int64_t>::max();
  if (x <= kMin) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(x);
}

}  // namespace

int64_t Round(long double x) {
  if (std::isnan(x)) return 0;
  // nearbyint honours the current rounding mode, which is to-nearest-even unless someone changed
  // it.
  const int old = std::fegetround();
  if (old != FE_TONEAREST) std::fesetround(FE_TONEAREST);
  const long double r = std::nearbyint(x);
  if (old != FE_TONEAREST) std::fesetround(old);
  return Saturate(r);
}

int64_t Trunc(long double x) { return Saturate(std::trunc(x)); }

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t p = static_cast<int64_t>(a) * b;
  int64_t q = p / c;
  const int64_t r = p % c;
  // Round half away from zero: compare twice the remainder with the divisor, in magnitude.
  if (r != 0 && 2 * (r < 0 ? -r : r) >= (c < 0 ? -static_cast<int64_t>(c) : c)) {
    q += ((p < 0) != (c < 0)) ? -1 : 1;
  }
  if (q > std::numeric_limits<int32_t>::max() || q < std::numeric_limits<int32_t>::min()) return -1;
  return static_cast<int32_t>(q);
}
