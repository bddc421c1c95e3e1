#include "library/instruments/common/pointerprops.h"

#include <algorithm>
#include <cmath>

#include "library/foundation/store.h"

bool TValueScale::StoreStart(double Value) {
  Value = ClampRangeStart(Value, End, FRules.Bound, NonLinear);
  if (Value == Start) return false;
  Start = Value;
  if (FRules.PullValue && FValue < Value) FValue = Value;
  if (FRules.StartMovesPeak && FPeak) *FPeak = Value;
  return true;
}

bool TValueScale::StoreEnd(double Value) {
  Value = ClampRangeEnd(Value, Start, FRules.Bound, NonLinear);
  if (Value == End) return false;
  End = Value;
  if (FRules.PullValue && FValue > Value) FValue = Value;
  return true;
}

bool TValueScale::ReadOrStore(double V, bool Reading, bool IsStart) {
  if (!std::isfinite(V)) return false;
  if (Reading) {
    (IsStart ? Start : End) = V;
    if (IsStart && FRules.StartMovesPeak && FPeak) *FPeak = V;
    return false;
  }
  return IsStart ? StoreStart(V) : StoreEnd(V);
}

bool TValueScale::StoreNonLinear(bool Value) { return StoreChanged(NonLinear, Value); }

bool TValueScale::ResetPeak() {
  if (!FPeak || *FPeak <= Start) return false;
  *FPeak = Start;
  return true;
}

bool TValueScale::SetPart(int V) {
  return StoreChanged(FPart, std::clamp(V, 1, FRules.MaxScalaPart));
}

bool TValueScale::SetPsub(int V) { return StoreChanged(FPsub, std::clamp(V, -1, 20)); }

void TColourBands::Reset(const TScaleRange& Range) {
  const double r = (Range.End - Range.Start) * 0.1;
  FBands[0] = {Range.Start, Range.Start + r};
  const double mid = (Range.End + Range.Start) * 0.5;
  FBands[1] = {mid, mid + r};
  FBands[2] = {Range.End - r, Range.End};
}

bool TColourBands::Store(TBound B, double V, const TScaleRange& Range) {
  Band& band = FBands[B / 2];
  if (B % 2 == 0) {
    // Lower bound: inside the range, one unit below the upper bound.
    if (V < Range.Start) {
      V = Range.Start;
    } else if (V >= band.To) {
      V = band.To - 1;
    }
    return StoreChanged(band.From, V);
  }
  // Upper bound. On the max band a value equal to the lower bound stays.
  const bool max_band = B == MaxE;
  if (max_band ? V < band.From : V <= band.From) {
    V = band.From + 1;
  } else if (V > Range.End) {
    V = Range.End;
  }
  return StoreChanged(band.To, V);
}

bool TColourBands::Set(TBound B, double V, bool Reading, const TScaleRange& Range) {
  Band& band = FBands[B / 2];
  if (DropOrStoreRead(B % 2 == 0 ? band.From : band.To, V, Reading)) return false;
  return Store(B, V, Range);
}

void TColourBands::Restore(const TScaleRange& Range) {
  for (int b = MinA; b <= MaxE; ++b)
    Store(static_cast<TBound>(b), Get(static_cast<TBound>(b)), Range);
}
