#include "library/instruments/common/valuemodel.h"

#include <algorithm>

double DampStep(double Shown, double Target, int Damping) {
  if (Damping == 0) return Target;
  return (Damping * Shown + Target) / (Damping + 1);
}

TLimitCrossing LimitCrossing(double Previous, double Shown, double UpperLimit, double LowerLimit) {
  if (Shown > UpperLimit) {
    return Previous < UpperLimit ? TLimitCrossing::Upper : TLimitCrossing::None;
  }
  if (Shown < LowerLimit && Previous > LowerLimit) return TLimitCrossing::Lower;
  return TLimitCrossing::None;
}

void TPointerModel::SetRangeFlags(double Shown, double Start, double End) {
  UnderRange = Shown < Start;
  OverRange = Shown > End;
}

TLimitCrossing TPointerModel::StepShown(double Start, double End, double UpperLimit,
                                        double LowerLimit) {
  const double previous = ShownValue;
  ShownValue = NextShown();
  SetRangeFlags(ShownValue, Start, End);
  return LimitCrossing(previous, ShownValue, UpperLimit, LowerLimit);
}

double TPointerModel::Pinned(double Shown, double Start, double End) const {
  if (Shown < Start) return Start;
  if (Shown > End) return End;
  return Shown;
}

void TPointerModel::StepPeak(double Shown, double Start, double End, bool Clamp) {
  if (PeakMode == ppNone) return;
  if (Shown > PeakValue) PeakValue = Shown;
  if (PeakMode == ppDrag) PeakValue = (DampPeak * PeakValue + Shown) / (DampPeak + 1);
  if (!Clamp) return;
  if (PeakValue > End) {
    PeakValue = End;
  } else if (PeakValue < Start) {
    PeakValue = Start;
  }
}

bool ApplyDamping(int& Damping, int V, int Max, int32_t DampTimerId, bool OthersAtZero) {
  if (V == Damping) return false;
  Damping = std::clamp(V, 0, Max);
  if (Damping == 0 && OthersAtZero) {
    TimerStop(DampTimerId);
  } else {
    TimerSetInterval(DampTimerId, 10);
  }
  return true;
}

bool ApplyDampPeak(int& DampPeak, int V, int32_t DampTimerId) {
  if (V == DampPeak) return false;
  DampPeak = std::clamp(V, 0, 1000);
  if (DampPeak > 0) TimerSetInterval(DampTimerId, 10);
  return true;
}

TInstrumentTicks::TInstrumentTicks(TTickProc DampTick, TTickProc BlinkTick) {
  FBlinkId = TimerRegisterSync(std::move(BlinkTick));
  FDampId = TimerRegister(std::move(DampTick));
}

TInstrumentTicks::~TInstrumentTicks() {
  TimerRemove(FBlinkId);
  TimerRemove(FDampId);
}

bool TLimitEvents::Fire(TLimitCrossing Crossing, const TNotifyEvent& OnUpper,
                        const TNotifyEvent& OnLower, TObject* Sender) {
  if (Crossing == TLimitCrossing::None || FFiring) return true;
  const TNotifyEvent& event = Crossing == TLimitCrossing::Upper ? OnUpper : OnLower;
  if (!event) return true;
  const uint32_t step = FGeneration;
  FFiring = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{FFiring};
  event(Sender);
  return FGeneration == step;
}
