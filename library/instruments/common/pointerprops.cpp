#include "library/instruments/common/pointerprops.h"

#include <algorithm>
#include <cmath>

bool TPointerRange::StoreStart(double V) {
  V = ClampRangeStart(V, scale_.End, rules_.Bound, scale_.NonLinear);
  if (V == scale_.Start) return false;
  scale_.Start = V;
  if (rules_.PullValue && value_ < V) value_ = V;
  if (rules_.StartMovesPeak && peak_) *peak_ = V;
  return true;
}

bool TPointerRange::StoreEnd(double V) {
  V = ClampRangeEnd(V, scale_.Start, rules_.Bound, scale_.NonLinear);
  if (V == scale_.End) return false;
  scale_.End = V;
  if (rules_.PullValue && value_ > V) value_ = V;
  return true;
}

bool TPointerRange::ReadOrStore(double V, bool Reading, bool IsStart) {
  if (!std::isfinite(V)) return false;
  if (Reading) {
    (IsStart ? scale_.Start : scale_.End) = V;
    if (IsStart && rules_.StartMovesPeak && peak_) *peak_ = V;
    return false;
  }
  return IsStart ? StoreStart(V) : StoreEnd(V);
}

bool TPointerRange::StoreNonLinear(bool V) {
  if (V == scale_.NonLinear) return false;
  scale_.NonLinear = V;
  return true;
}

bool TPointerRange::ResetPeak() {
  if (!peak_ || *peak_ <= scale_.Start) return false;
  *peak_ = scale_.Start;
  return true;
}

bool StoreScalaPart(int& Part, int V, int Max) {
  V = std::clamp(V, 1, Max);
  if (V == Part) return false;
  Part = V;
  return true;
}

bool StoreScalaPsub(int& Psub, int V) {
  V = std::clamp(V, -1, 20);
  if (V == Psub) return false;
  Psub = V;
  return true;
}

void TColourBands::Reset(const TScaleRange& Range) {
  const double r = (Range.End - Range.Start) * 0.1;
  bands_[0] = {Range.Start, Range.Start + r};
  const double mid = (Range.End + Range.Start) * 0.5;
  bands_[1] = {mid, mid + r};
  bands_[2] = {Range.End - r, Range.End};
}

bool TColourBands::Store(TBound B, double V, const TScaleRange& Range) {
  Band& band = bands_[B / 2];
  if (B % 2 == 0) {
    // Lower bound: inside the range, one unit below the upper bound.
    if (V < Range.Start) {
      V = Range.Start;
    } else if (V >= band.to) {
      V = band.to - 1;
    }
    if (V == band.from) return false;
    band.from = V;
  } else {
    // Upper bound. On the max band a value equal to the lower bound stays.
    const bool max_band = B == MaxE;
    if (max_band ? V < band.from : V <= band.from) {
      V = band.from + 1;
    } else if (V > Range.End) {
      V = Range.End;
    }
    if (V == band.to) return false;
    band.to = V;
  }
  return true;
}

bool TColourBands::Set(TBound B, double V, bool Reading, const TScaleRange& Range) {
  if (!std::isfinite(V)) return false;
  if (Reading) {
    Band& band = bands_[B / 2];
    (B % 2 == 0 ? band.from : band.to) = V;
    return false;
  }
  return Store(B, V, Range);
}

void TColourBands::Restore(const TScaleRange& Range) {
  for (int b = MinA; b <= MaxE; ++b)
    Store(static_cast<TBound>(b), Get(static_cast<TBound>(b)), Range);
}
