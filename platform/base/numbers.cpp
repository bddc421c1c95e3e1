#include "platform/base/numbers.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

int64_t Saturate(long double X) {
  constexpr long double kMax = 9223372036854775807.0L;
  constexpr long double kMin = -9223372036854775808.0L;
  if (std::isnan(X)) return 0;
  if (X >= kMax) return std::numeric_limits<int64_t>::max();
  if (X <= kMin) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(X);
}

}  // namespace

int64_t Round(long double X) {
  if (std::isnan(X)) return 0;
  // nearbyint honours the current rounding mode, which is to-nearest-even unless someone changed
  // it.
  const int old = std::fegetround();
  if (old != FE_TONEAREST) std::fesetround(FE_TONEAREST);
  const long double r = std::nearbyint(X);
  if (old != FE_TONEAREST) std::fesetround(old);
  return Saturate(r);
}

int64_t Trunc(long double X) { return Saturate(std::trunc(X)); }

int32_t MulDiv(int32_t A, int32_t B, int32_t C) {
  if (C == 0) return -1;
  const int64_t p = static_cast<int64_t>(A) * B;
  int64_t q = p / C;
  const int64_t r = p % C;
  // Round half away from zero: compare twice the remainder with the divisor, in magnitude.
  if (r != 0 && 2 * (r < 0 ? -r : r) >= (C < 0 ? -static_cast<int64_t>(C) : C)) {
    q += ((p < 0) != (C < 0)) ? -1 : 1;
  }
  if (q > std::numeric_limits<int32_t>::max() || q < std::numeric_limits<int32_t>::min()) return -1;
  return static_cast<int32_t>(q);
}
