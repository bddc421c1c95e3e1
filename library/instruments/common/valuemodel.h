#pragma once
// The pointer model of the meters: a target value, the shown value that follows it through a
// damping average, the peak pointer, the range flags and the crossing test of the limit events.
// Each meter holds one TPointerModel per pointer and runs the steps in its own update order;
// nothing here draws or fires events.

#include <cmath>
#include <cstdint>
#include <utility>

#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/foundation/types.h"
#include "platform/base/object.h"

// The damping average: the old shown value weighs Damping, the target 1. Damping 0 jumps.
double DampStep(double Shown, double Target, int Damping);

// Which limit the step from Previous to Shown crossed. Crossings are strict: a shown value that
// lands on a limit crosses nothing, and neither does the step that then leaves it. The upper limit
// is tested first; at most one limit is crossed per step.
enum class TLimitCrossing { None, Upper, Lower };
TLimitCrossing LimitCrossing(double Previous, double Shown, double UpperLimit, double LowerLimit);

struct TPointerModel {
  double Value = 0;       // target set by the caller
  double ShownValue = 0;  // where the pointer is
  double PeakValue = 0;   // where the peak pointer is
  int Damping = 0;
  int DampPeak = 0;
  TPeakPtrMode PeakMode = ppNone;
  bool OverRange = false;   // the last step found ShownValue above the range
  bool UnderRange = false;  // ... below it

  // The shown value after one damping step towards Value (not stored).
  double NextShown() const { return DampStep(ShownValue, Value, Damping); }

  // Sets the range flags for Shown against Start..End.
  void SetRangeFlags(double Shown, double Start, double End);

  // The first step of an update with limit events: ShownValue one damping step on, stored with
  // its range flags against Start..End before any event fires, so that a handler sees the state
  // that crossed the limit. Returns the limit the step crossed.
  TLimitCrossing StepShown(double Start, double End, double UpperLimit, double LowerLimit);

  // The shown value pinned to the range (the pointer rests at the nearer end outside it).
  double Pinned(double Shown, double Start, double End) const;

  // One peak step towards Shown, unless PeakMode is ppNone: ppPeak holds the maximum, ppDrag then
  // pulls it back with the weight DampPeak. With Clamp the result is limited to Start..End.
  void StepPeak(double Shown, double Start, double End, bool Clamp = true);
};

// Setter rule of Damping: the new value is compared before it is clamped to 0..Max; when it
// differs it is stored, and the damping record is stopped for 0 or set to one tick otherwise.
// Returns whether it was stored. A meter whose damping record serves more pointers passes
// OthersAtZero false while another pointer's damping is above 0: the record then keeps running.
bool ApplyDamping(int& Damping, int V, int Max, int32_t DampTimerId, bool OthersAtZero = true);

// Setter rule of DampPeak: compared before clamping to 0..1000; a stored value above 0 sets the
// damping record to one tick, 0 leaves the record alone.
bool ApplyDampPeak(int& DampPeak, int V, int32_t DampTimerId);

// The two tick records of a meter: the damping record (inactive until a damping setter starts
// it) and the blink record, which fires once per blink cycle from construction on. Both are
// removed with the owner.
class TInstrumentTicks {
 public:
  TInstrumentTicks(TTickProc DampTick, TTickProc BlinkTick);
  ~TInstrumentTicks();
  TInstrumentTicks(const TInstrumentTicks&) = delete;
  TInstrumentTicks& operator=(const TInstrumentTicks&) = delete;

  int32_t DampTimerId() const { return FDampId; }
  int32_t BlinkTimerId() const { return FBlinkId; }

 private:
  int32_t FDampId = -1;
  int32_t FBlinkId = -1;
};

// The one pointer of a meter as its properties show it: the target value, where the pointer and
// the peak pointer stand, and damping and peak on the meter's tick records. A new target value
// runs an update; the damping setters follow ApplyDamping and ApplyDampPeak. It sits in the
// meter's chain of single bases (Base is the component below it), so that a pointer to one of
// these setters taken through the meter calls it on the same address.
template <class Base>
class TDampedPointer : public Base {
 public:
  // The target value; never clamped, a non-finite one is ignored.
  double Value() const { return FPointer.Value; }
  void SetValue(double Value) {
    if (!std::isfinite(Value)) return;
    if (StoreChanged(FPointer.Value, Value)) UpdatePointer(false);
  }
  // Where the pointer and the peak pointer stand now.
  double ShownValue() const { return FPointer.ShownValue; }
  double PeakValue() const { return FPointer.PeakValue; }
  // The last update found the shown value above / below the scale.
  bool OverRange() const { return FPointer.OverRange; }
  bool UnderRange() const { return FPointer.UnderRange; }

  // Damping 0..the meter's maximum: each tick moves the shown value by 1 / (Damping + 1) of its
  // distance to Value. Any value above 0 runs the damping record on every tick; 0 stops it.
  int Damping() const { return FPointer.Damping; }
  void SetDamping(int Value) {
    ApplyDamping(FPointer.Damping, Value, FMaxDamping, FTicks.DampTimerId());
  }
  // Weight 0..1000 of the old peak in the dragged peak pointer.
  int DampPeak() const { return FPointer.DampPeak; }
  void SetDampPeak(int Value) { ApplyDampPeak(FPointer.DampPeak, Value, FTicks.DampTimerId()); }
  TPeakPtrMode PeakMode() const { return FPointer.PeakMode; }
  void SetPeakMode(TPeakPtrMode Value) {
    if (StoreChanged(FPointer.PeakMode, Value)) PeakModeChanged();
  }

  // One update step; Force redraws the moving parts even when nothing moved.
  virtual void UpdatePointer(bool Force) = 0;

 protected:
  // BaseArgs construct Base.
  template <class... BaseArgs>
  TDampedPointer(int MaxDamping, TTickProc DampTick, TTickProc BlinkTick, BaseArgs&&... Args)
      : Base(std::forward<BaseArgs>(Args)...),
        FTicks(std::move(DampTick), std::move(BlinkTick)),
        FMaxDamping(MaxDamping) {}
  // A new peak mode is to be shown.
  virtual void PeakModeChanged() = 0;

  TPointerModel FPointer;
  TInstrumentTicks FTicks;

 private:
  const int FMaxDamping;
};

// Fires the limit event of one update step. The shown value is stored before the event, so a
// handler sees the state that crossed the limit; a handler that sets Value runs a newer update
// inside the event, and the older one must then stop (Fire returns false) instead of drawing its
// stale state over it. Updates started inside a limit handler fire no limit events themselves,
// so handlers that set values cannot recurse without end.
class TLimitEvents {
 public:
  // Called at the start of every update step.
  void BeginStep() { ++FGeneration; }
  // Fires OnUpper or OnLower (when set) for Crossing; false when a newer step ran meanwhile.
  bool Fire(TLimitCrossing Crossing, const TNotifyEvent& OnUpper, const TNotifyEvent& OnLower,
            TObject* Sender);

 private:
  uint32_t FGeneration = 0;
  bool FFiring = false;
};
