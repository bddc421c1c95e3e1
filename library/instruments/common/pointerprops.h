#pragma once
// The properties the pointer instruments share: the value range with its clamps and logarithmic
// repair, the round meters' colour bands, the status LEDs, damping and the peak pointer. The
// rules are written once here; where the instruments differ, the difference is a named field of
// TPointerRules, and the table at the end gives every instrument its row.

#include <cassert>
#include <utility>

#include "library/foundation/scalemap.h"
#include "library/instruments/common/leds.h"

struct TPointerRules {
  // The range ends stay within -Bound..Bound.
  double Bound;
  // A range change pulls the target value into the new range.
  bool PullValue;
  // A new range start moves the peak pointer there, also while the form is read.
  bool StartMovesPeak;
  // Damping is clamped to 0..MaxDamping.
  int MaxDamping;
  // Major scale divisions are clamped to 1..MaxScalaPart.
  int MaxScalaPart;
  TLedRules Leds;
  // The linear scale maps whole hundredths of the value unit: a range narrower than 0.01 has no
  // width (elsewhere only an end at or below the start).
  bool HundredthSpan = false;
};

// The scale of one pointer, held as a member by every pointer instrument and value control: the
// range ends (the scale range it is) with the setter clamps and the repairs by the instrument's
// rules, the logarithmic switch and the divisions. It moves the instrument's target value (and,
// where the scale has one, the peak), which it is bound to.
class TValueScale : public TScaleRange {
 public:
  // Range and Part: the scale as constructed.
  TValueScale(const TPointerRules& Rules, TScaleRange Range, int Part, double& Value,
              double* Peak = nullptr)
      : TScaleRange(Range), FRules(Rules), FValue(Value), FPeak(Peak), FPart(Part) {}
  TValueScale(const TValueScale&) = delete;
  TValueScale& operator=(const TValueScale&) = delete;

  const TPointerRules& Rules() const { return FRules; }

  // Stores V as the start (end) by the clamp rules, without redrawing; true when it changed.
  // The target value and the peak follow as the rules say.
  bool StoreStart(double Value);
  bool StoreEnd(double Value);

  // The range setters: a non-finite V is ignored, while the form is read V is stored raw, else
  // by StoreStart (StoreEnd), and Moved(IsStart) runs after a change. True when the instrument
  // is to redraw.
  template <class F>
  bool SetStart(double V, bool Reading, F&& Moved) {
    if (!ReadOrStore(V, Reading, true)) return false;
    Moved(true);
    return true;
  }
  template <class F>
  bool SetEnd(double V, bool Reading, F&& Moved) {
    if (!ReadOrStore(V, Reading, false)) return false;
    Moved(false);
    return true;
  }
  bool SetStart(double V, bool Reading) { return ReadOrStore(V, Reading, true); }
  bool SetEnd(double V, bool Reading) { return ReadOrStore(V, Reading, false); }

  // Stores NonLinear; true when it changed. Outside form reading the caller then runs Repair.
  bool StoreNonLinear(bool Value);

  // Major divisions, 1..the rules' maximum; minor ticks per division -1 (automatic), 0 (none)
  // .. 20. The setters store when the clamped value differs; true then.
  int Part() const { return FPart; }
  bool SetPart(int V);
  int Psub() const { return FPsub; }
  bool SetPsub(int V);

  // The logarithmic repair: a non-positive value or start becomes 0.001, an end at or below the
  // start 100 times the start, at most 1000; both ends are stored by StoreStart and StoreEnd
  // (they snap to decades; Moved(IsStart) runs after each change, as in the setters), a range
  // left without a decade gets one back, and the logarithms are cached.
  struct TRepair {
    bool StartChanged = false;
    bool EndChanged = false;
    bool SpanKept = false;  // the end was moved once more to keep one decade
    bool Widened = false;   // a linear range of no width was given one (see Repair)
  };
  template <class F>
  TRepair RepairLog(F&& Moved) {
    double start = Start, end = End;
    ::RepairLogRange(FValue, start, end);
    TRepair r;
    r.StartChanged = StoreStart(start);
    if (r.StartChanged) Moved(true);
    r.EndChanged = StoreEnd(end);
    if (r.EndChanged) Moved(false);
    r.SpanKept = KeepLogSpan(Start, End);
    CacheLogs();
    return r;
  }
  TRepair RepairLog() {
    return RepairLog([](bool) {});
  }

  // Makes a range that stored data left unfit for a scale fit, once, where it is stored: a
  // form's raw values when loading ends, a setter's result on a logarithmic scale (an end can
  // snap onto the other). A logarithmic range gets RepairLog (with Moved); a linear one of no
  // width ends at Start + 1 without Moved (nothing follows that end).
  template <class F>
  TRepair Repair(F&& Moved) {
    if (NonLinear) return RepairLog(std::forward<F>(Moved));
    TRepair r;
    if (HasWidth()) return r;
    End = Start + 1;
    r.Widened = true;
    return r;
  }
  TRepair Repair() {
    return Repair([](bool) {});
  }

  // The target value to store for V: on a logarithmic scale, outside form reading, what the
  // scale keeps of it (LogScaleValue), so that no later repair has to change it.
  double StoredValue(double V, bool Reading) const {
    return NonLinear && !Reading ? LogScaleValue(V) : V;
  }

  // Moves the peak back to the range start; false when it is there already.
  bool ResetPeak();

 private:
  bool ReadOrStore(double V, bool Reading, bool IsStart);
  bool HasWidth() const {
    const double w = End - Start;
    return FRules.HundredthSpan ? w >= 0.01 : w > 0;
  }

  const TPointerRules& FRules;
  double& FValue;
  double* const FPeak;
  int FPart;
  int FPsub = -1;
};

// The scale of a meter with one pointer as its properties show it: the range ends by the
// meter's rules, the logarithmic switch and the divisions. While the form is read the setters
// only store; otherwise a range change lets what follows the range move (RangeMoved) and any
// change repaints (ScaleChanged). Like TDampedPointer it sits in the meter's chain of single
// bases; Base is that pointer (the range moves its value).
template <class Base>
class TPointerScale : public Base {
 public:
  void SetValue(double Value) { Base::SetValue(FScale.StoredValue(Value, Reading())); }
  double ValueStart() const { return FScale.Start; }
  void SetValueStart(double Value) {
    if (!FScale.SetStart(Value, Reading(), [&](bool Start) { RangeMoved(Start); })) return;
    RepairRange();
    ScaleChanged();
  }
  double ValueEnd() const { return FScale.End; }
  void SetValueEnd(double Value) {
    if (!FScale.SetEnd(Value, Reading(), [&](bool Start) { RangeMoved(Start); })) return;
    RepairRange();
    ScaleChanged();
  }
  // Logarithmic scale. Switching it on outside form reading repairs the range: non-positive
  // values become 0.001, ends snap to decades, at most 1000.
  bool NonLinear() const { return FScale.NonLinear; }
  void SetNonLinear(bool Value) {
    if (!FScale.StoreNonLinear(Value)) return;
    if (!Reading()) {
      RepairRange();
      if (Value) LogSwitchedOn();
    }
    ScaleChanged();
  }
  // Major divisions, 1..the rules' maximum.
  int ScalaPart() const { return FScale.Part(); }
  void SetScalaPart(int Value) {
    if (FScale.SetPart(Value)) ScaleChanged();
  }
  // Minor ticks per division: -1 automatic (by the meter's own threshold), 0 none, 1..20.
  int ScalaPsub() const { return FScale.Psub(); }
  void SetScalaPsub(int Value) {
    if (FScale.SetPsub(Value)) ScaleChanged();
  }

 protected:
  // The scale starts as Scale with ScalaPart divisions and moves the pointer's value by Rules,
  // with MovesPeak also its peak; BaseArgs construct Base.
  template <class... BaseArgs>
  TPointerScale(const TPointerRules& Rules, TScaleRange Scale, int ScalaPart, bool MovesPeak,
                BaseArgs&&... Args)
      : Base(std::forward<BaseArgs>(Args)...),
        FScale(Rules, Scale, ScalaPart, this->FPointer.Value,
               MovesPeak ? &this->FPointer.PeakValue : nullptr) {}
  // The range as read from a form is repaired once reading is done.
  void Loaded() override {
    Base::Loaded();
    RepairRange();
  }
  virtual bool Reading() const = 0;
  // After a stored change of the start (Start) or the end.
  virtual void RangeMoved(bool Start) = 0;
  // FScale.Repair with what follows the range's ends; runs without a repaint.
  virtual void RepairRange() = 0;
  // NonLinear was switched on outside form reading and the range repaired.
  virtual void LogSwitchedOn() {}
  virtual void ScaleChanged() = 0;

  TValueScale FScale;
};

// The three colour bands of the round meters (min, mid, max), each kept inside the range with
// its lower bound one unit below its upper one; the bands may overlap.
class TColourBands {
 public:
  enum TBound { MinA, MinE, MidA, MidE, MaxA, MaxE };

  double Get(TBound B) const { return B % 2 == 0 ? From(B / 2) : To(B / 2); }
  // Lower and upper bound of band 0 (min), 1 (mid) or 2 (max).
  double From(int Band) const {
    assert(Band >= 0 && Band < 3);
    return FBands[Band].From;
  }
  double To(int Band) const {
    assert(Band >= 0 && Band < 3);
    return FBands[Band].To;
  }
  // After a range change: slices of a tenth of the range at its start, from its middle and at
  // its end.
  void Reset(const TScaleRange& Range);
  // The setter's rule without redrawing; true when the bound changed.
  bool Store(TBound B, double V, const TScaleRange& Range);
  // The setter: non-finite V ignored, raw store while the form is read, else Store. True when
  // the meter is to redraw.
  bool Set(TBound B, double V, bool Reading, const TScaleRange& Range);
  // Every bound stored again by the setter's rule (after the range was repaired).
  void Restore(const TScaleRange& Range);

 private:
  struct Band {
    double From;
    double To;
  };
  Band FBands[3] = {{0, 10}, {50, 75}, {75, 100}};
};

// The rules of each pointer instrument, side by side.
//
// LEDs: the panel meters drop switches set while their LEDs are hidden and leave the blink phase
// alone; the round meters and the 360-degree meter store them, and both a switch and a colour
// change set the phase to the switch; the ten-turn potentiometer stores them and sets the phase
// from a switch only.
inline constexpr TLedRules kStoreLedsWhileHidden{
    .DropWhileHidden = false, .SwitchSetsPhase = true, .ColourSetsPhase = true};
inline constexpr TPointerRules kRoundMeterRules{.Bound = 1000,
                                                .PullValue = true,
                                                .StartMovesPeak = true,
                                                .MaxDamping = 10,
                                                .MaxScalaPart = 20,
                                                .Leds = kStoreLedsWhileHidden};
inline constexpr TPointerRules kMeter360OuterRules{.Bound = 1000,
                                                   .PullValue = true,
                                                   .StartMovesPeak = false,
                                                   .MaxDamping = 50,
                                                   .MaxScalaPart = 20,
                                                   .Leds = kStoreLedsWhileHidden};
inline constexpr TPointerRules kMeter360InnerRules{.Bound = 100000,
                                                   .PullValue = true,
                                                   .StartMovesPeak = true,
                                                   .MaxDamping = 50,
                                                   .MaxScalaPart = 20,
                                                   .Leds = kStoreLedsWhileHidden};
// A range change leaves the panel meters' target value alone; their limits and zones follow it.
inline constexpr TPointerRules kPanelMeterRules{
    .Bound = 1000,
    .PullValue = false,
    .StartMovesPeak = false,
    .MaxDamping = 10,
    .MaxScalaPart = 20,
    .Leds = {.DropWhileHidden = true, .SwitchSetsPhase = false, .ColourSetsPhase = false},
    .HundredthSpan = true};
inline constexpr TPointerRules kPanelMeterVRules{.Bound = 9999,
                                                 .PullValue = false,
                                                 .StartMovesPeak = false,
                                                 .MaxDamping = 10,
                                                 .MaxScalaPart = 20,
                                                 .Leds = kPanelMeterRules.Leds,
                                                 .HundredthSpan = true};
// The potentiometers and the slider: no damping and no peak; only the ten-turn potentiometer has
// LEDs, only the slide potentiometer a logarithmic scale.
inline constexpr TPointerRules kPoti10TRules{
    .Bound = 100,
    .PullValue = true,
    .StartMovesPeak = false,
    .MaxDamping = 0,
    .MaxScalaPart = 10,
    .Leds = {.DropWhileHidden = false, .SwitchSetsPhase = true, .ColourSetsPhase = false}};
inline constexpr TPointerRules kPoti270Rules{.Bound = 100,
                                             .PullValue = true,
                                             .StartMovesPeak = false,
                                             .MaxDamping = 0,
                                             .MaxScalaPart = 10,
                                             .Leds = {}};
// The slides leave their value alone on a range change: it is pulled in when the knob moves next.
inline constexpr TPointerRules kPotiSlideRules{.Bound = 1000,
                                               .PullValue = false,
                                               .StartMovesPeak = false,
                                               .MaxDamping = 0,
                                               .MaxScalaPart = 20,
                                               .Leds = {}};
inline constexpr TPointerRules kSliderRules{.Bound = 10000,
                                            .PullValue = false,
                                            .StartMovesPeak = false,
                                            .MaxDamping = 0,
                                            .MaxScalaPart = 100,
                                            .Leds = {}};
