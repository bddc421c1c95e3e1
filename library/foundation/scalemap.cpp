#include "library/foundation/scalemap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "library/foundation/helpers.h"
#include "library/foundation/store.h"
#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"

double ClampRangeStart(double V, double End, double Bound, bool NonLinear) {
  if (V < -Bound) {
    V = -Bound;
  } else if (V >= End) {
    V = End - 1;
  }
  return NonLinear ? DecadeStep(V) : V;
}

double ClampRangeEnd(double V, double Start, double Bound, bool NonLinear) {
  if (V <= Start) {
    V = Start + 1;
  } else if (V > Bound) {
    V = Bound;
  }
  return NonLinear ? DecadeStep(V) : V;
}

namespace {

constexpr double kNoBound = std::numeric_limits<double>::infinity();

}  // namespace

bool SetRangeStart(double& Start, double Value, double End, bool Reading) {
  if (DropOrStoreRead(Start, Value, Reading)) return false;
  return StoreChanged(Start, ClampRangeStart(Value, End, kNoBound, false));
}

bool SetRangeEnd(double& End, double Value, double Start, bool Reading) {
  if (DropOrStoreRead(End, Value, Reading)) return false;
  return StoreChanged(End, ClampRangeEnd(Value, Start, kNoBound, false));
}

double LogScaleValue(double V) { return V <= 0 ? 0.001 : V; }

void RepairLogRange(double& Value, double& Start, double& End) {
  Value = LogScaleValue(Value);
  Start = LogScaleValue(Start);
  if (End <= Start) End = 100 * Start;
  if (End > 1000) End = 1000;
}

bool KeepLogSpan(double Start, double& End) {
  if (End > Start) return false;
  End = std::min(1000.0, 100 * Start);
  return true;
}

void TScaleRange::CacheLogs() {
  LogStart = Log10Safe(Start);
  LogEnd = Log10Safe(End);
}

double TScaleRange::Angle(double V, double SignedSweep) const {
  if (NonLinear) {
    const double span = LogEnd - LogStart;
    if (!(span > 0)) return 0;
    return SignedSweep / span * (Log10Safe(V) - LogStart);
  }
  const double span = End - Start;
  if (!(span > 0)) return 0;
  return (V - Start) * (SignedSweep / span);
}

int TScaleRange::Pixel(double V, bool FromEnd, int P0, int L) const {
  if (NonLinear) {
    const double span = LogEnd - LogStart;
    if (!(span > 0)) return P0;
    const double origin = FromEnd ? LogEnd : LogStart;
    return static_cast<int>(std::clamp<int64_t>(
        Round(std::fabs(Log10Safe(V) - origin) * L / span) + P0, INT32_MIN, INT32_MAX));
  }
  // Hundredths of the value unit, as the scale was laid out; 64 bits because a wide range on a
  // long scale overflows 32.
  const int64_t span = Round(100.0L * (static_cast<long double>(End) - Start));
  if (span <= 0) return P0;
  const int64_t x = Round(100.0L * V);
  const int64_t origin = Round(100.0L * (FromEnd ? End : Start));
  const int64_t distance = x >= origin ? x - origin : origin - x;
  // A distance beyond any pixel range is capped so that the product cannot overflow either.
  const int64_t pixel = std::min<int64_t>(distance, int64_t{1} << 31) * L / span + P0;
  return static_cast<int>(std::clamp<int64_t>(pixel, INT32_MIN, INT32_MAX));
}

double TScaleRange::TravelValue(int Distance, int Length) const {
  if (Length <= 0) return Start;
  if (NonLinear) return PowerOfTen(LogStart + (LogEnd - LogStart) * Distance / Length);
  return Start + (End - Start) / Length * Distance;
}

int TravelPosition(int ScalaPart, int Distance, int Length) {
  if (Length <= 0) return 0;
  return static_cast<int>(
      std::clamp<int64_t>(Round(double(Distance) / Length * ScalaPart), INT32_MIN, INT32_MAX));
}

int TScaleRange::Decades() const {
  return static_cast<int>(std::max<int64_t>(1, Round(LogEnd - LogStart)));
}

std::string ScaleLabelText(double V, int Decimals) {
  if (V == 0) return "0";
  std::string text = FloatToStrF(V, ffFixed, 4, Decimals);
  if (Decimals == 2 && !text.empty() && text.back() == '0') text.pop_back();
  return text;
}

int ScaleLabelDecimals(double R, double TwoBelow, double OneBelow) {
  if (R < TwoBelow) return 2;
  if (R < OneBelow) return 1;
  return 0;
}
