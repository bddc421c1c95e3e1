#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/common/dialscale.h"
#include "library/instruments/common/readout.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"

namespace {

constexpr double kBound = 1000;

void Polygon3(TCanvas& Canvas, const TPoint (&P)[3]) { Canvas.Polygon(std::span(P, 3)); }

void Turn(const TPoint (&From)[3], TPoint (&To)[3], TPoint Centre, double Angle) {
  for (int i = 0; i < 3; ++i) To[i] = RotatePoint(Centre, From[i], Angle);
}

}  // namespace

TRoundMeter::TRoundMeter(TComponent* AOwner, double Sweep, int AutoMinorBelow)
    : TOrvaneBase(AOwner),
      sweep_(Sweep),
      auto_minor_below_(AutoMinorBelow),
      ticks_([this](TObject*) { DampTick(); }, [this](TObject*) { BlinkTick(); }),
      readout_(std::make_unique<TDigDisplay>()) {
  leds_[0].Colour = 0x0000FF;
  leds_[1].Colour = 0x00FF00;
  Font()->SetColor(clWhite);
  SetColBack(0x800000);
}

TRoundMeter::~TRoundMeter() = default;

// ---- Setters ----

void TRoundMeter::RepaintNow() {
  if (painted_) Paint();
}

void TRoundMeter::SetValue(double V) {
  if (!std::isfinite(V)) return;
  if (V == pointer_.Value) return;
  pointer_.Value = V;
  UpdatePointer(false);
}

void TRoundMeter::StoreOrientation(TOrientType V) {
  if (V == orientation_) return;
  orientation_ = V;
  Invalidate();
}

void TRoundMeter::StoreColCircle(TColor V) {
  if (V == col_circle_) return;
  col_circle_ = V;
  RepaintNow();
}

namespace {

// The setters of the appearance colours: store when changed, then Action.
template <class F>
void SetColour(TColor& Field, TColor V, F&& Action) {
  if (V == Field) return;
  Field = V;
  Action();
}

}  // namespace

void TRoundMeter::SetColMin(TColor V) {
  SetColour(col_min_, V, [&] { RepaintNow(); });
}
void TRoundMeter::SetColMid(TColor V) {
  SetColour(col_mid_, V, [&] { RepaintNow(); });
}
void TRoundMeter::SetColMax(TColor V) {
  SetColour(col_max_, V, [&] { RepaintNow(); });
}
void TRoundMeter::SetColPointer(TColor V) {
  SetColour(col_pointer_, V, [&] { UpdatePointer(true); });
}
void TRoundMeter::SetColPeakPtr(TColor V) {
  SetColour(col_peak_ptr_, V, [&] { UpdatePointer(true); });
}
void TRoundMeter::SetColDBack(TColor V) {
  SetColour(col_dback_, V, [&] { RepaintNow(); });
}
void TRoundMeter::SetColDRand(TColor V) {
  SetColour(col_drand_, V, [&] { RepaintNow(); });
}
void TRoundMeter::SetColDisplay(TColor V) {
  SetColour(col_display_, V, [&] { RepaintNow(); });
}
void TRoundMeter::SetColScala(TColor V) {
  SetColour(col_scala_, V, [&] { RepaintNow(); });
}
void TRoundMeter::SetColShape(TColor V) {
  SetColour(col_shape_, V, [&] { RepaintNow(); });
}

void TRoundMeter::ResetBands() {
  const double r = (scale_.End - scale_.Start) * 0.1;
  bands_[0] = {scale_.Start, scale_.Start + r};
  const double mid = (scale_.End + scale_.Start) * 0.5;
  bands_[1] = {mid, mid + r};
  bands_[2] = {scale_.End - r, scale_.End};
}

bool TRoundMeter::StoreValueStart(double V) {
  V = ClampRangeStart(V, scale_.End, kBound, scale_.NonLinear);
  if (V == scale_.Start) return false;
  scale_.Start = V;
  ResetBands();
  if (pointer_.Value < V) pointer_.Value = V;
  pointer_.PeakValue = scale_.Start;
  return true;
}

bool TRoundMeter::StoreValueEnd(double V) {
  V = ClampRangeEnd(V, scale_.Start, kBound, scale_.NonLinear);
  if (V == scale_.End) return false;
  scale_.End = V;
  ResetBands();
  if (pointer_.Value > V) pointer_.Value = V;
  return true;
}

void TRoundMeter::SetValueStart(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    scale_.Start = V;
    pointer_.PeakValue = V;
    return;
  }
  if (StoreValueStart(V)) RepaintNow();
}

void TRoundMeter::SetValueEnd(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    scale_.End = V;
    return;
  }
  if (StoreValueEnd(V)) RepaintNow();
}

bool TRoundMeter::StoreBand(BandBound Which, double V) {
  Band& band = bands_[Which / 2];
  if (Which % 2 == 0) {
    // Lower bound: inside the range, one unit below the upper bound.
    if (V < scale_.Start) {
      V = scale_.Start;
    } else if (V >= band.to) {
      V = band.to - 1;
    }
    if (V == band.from) return false;
    band.from = V;
  } else {
    // Upper bound. On the max band a value equal to the lower bound stays.
    const bool max_band = Which == kMaxE;
    if (max_band ? V < band.from : V <= band.from) {
      V = band.from + 1;
    } else if (V > scale_.End) {
      V = scale_.End;
    }
    if (V == band.to) return false;
    band.to = V;
  }
  return true;
}

void TRoundMeter::SetBand(BandBound Which, double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    Band& band = bands_[Which / 2];
    (Which % 2 == 0 ? band.from : band.to) = V;
    return;
  }
  if (StoreBand(Which, V)) RepaintNow();
}

void TRoundMeter::SetValueMinA(double V) { SetBand(kMinA, V); }
void TRoundMeter::SetValueMinE(double V) { SetBand(kMinE, V); }
void TRoundMeter::SetValueMidA(double V) { SetBand(kMidA, V); }
void TRoundMeter::SetValueMidE(double V) { SetBand(kMidE, V); }
void TRoundMeter::SetValueMaxA(double V) { SetBand(kMaxA, V); }
void TRoundMeter::SetValueMaxE(double V) { SetBand(kMaxE, V); }

void TRoundMeter::SetScalaPart(int V) {
  V = std::clamp(V, 1, 20);
  if (V == scala_part_) return;
  scala_part_ = V;
  RepaintNow();
}

void TRoundMeter::SetScalaPsub(int V) {
  V = std::clamp(V, -1, 20);
  if (V == scala_psub_) return;
  scala_psub_ = V;
  RepaintNow();
}

void TRoundMeter::RepairLogRange() {
  double value = pointer_.Value, start = scale_.Start, end = scale_.End;
  ::RepairLogRange(value, start, end);
  pointer_.Value = value;
  // The range setters' rules without their repaint: both ends snap to decades.
  StoreValueStart(start);
  StoreValueEnd(end);
  if (KeepLogSpan(scale_.Start, scale_.End)) ResetBands();
  scale_.CacheLogs();
}

void TRoundMeter::SetNonLinear(bool V) {
  if (V == scale_.NonLinear) return;
  scale_.NonLinear = V;
  if (V && !ComponentState().Contains(csReading)) {
    RepairLogRange();
    for (int b = kMinA; b <= kMaxE; ++b) {
      const Band& band = bands_[b / 2];
      StoreBand(static_cast<BandBound>(b), b % 2 == 0 ? band.from : band.to);
    }
  }
  RepaintNow();
}

void TRoundMeter::SetCaption(const std::string& V) {
  caption_ = V;
  RepaintNow();
}

void TRoundMeter::SetColLed(int Index, TColor V) {
  leds_[Index].Colour = V;
  leds_[Index].Lit = leds_[Index].On;
  DrawLed(Index);
}

void TRoundMeter::SetLedOn(int Index, bool V) {
  if (V == leds_[Index].On) return;
  leds_[Index].On = V;
  leds_[Index].Lit = V;
  DrawLed(Index);
}

void TRoundMeter::SetLedBlink(int Index, bool V) {
  if (V == leds_[Index].Blink) return;
  leds_[Index].Blink = V;
  DrawLed(Index);
}

void TRoundMeter::SetLedEnable(bool V) {
  if (V == led_enable_) return;
  led_enable_ = V;
  RepaintNow();
}

void TRoundMeter::SetDispEnable(bool V) {
  if (V == disp_enable_) return;
  disp_enable_ = V;
  RepaintNow();
}

void TRoundMeter::SetDispItalic(bool V) {
  disp_italic_ = V;
  readout_->Italic = V;
  RepaintNow();
}

void TRoundMeter::SetDispFixPnt(bool V) {
  disp_fix_pnt_ = V;
  RepaintNow();
}

void TRoundMeter::SetDamping(int V) { ApplyDamping(pointer_.Damping, V, 10, ticks_.DampTimerId()); }

void TRoundMeter::SetDampPeak(int V) { ApplyDampPeak(pointer_.DampPeak, V, ticks_.DampTimerId()); }

void TRoundMeter::SetPeakMode(TPeakPtrMode V) {
  if (V == pointer_.PeakMode) return;
  pointer_.PeakMode = V;
  UpdatePointer(true);
}

void TRoundMeter::ResetPeak() {
  if (pointer_.PeakValue <= scale_.Start) return;
  pointer_.PeakValue = scale_.Start;
  UpdatePointer(true);
}

void TRoundMeter::StyleChanged(TObject*) { Invalidate(); }

// ---- Ticks and messages ----

void TRoundMeter::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    UpdatePointer((Message.LParam & 0xFF) != 0);
    return;
  }
  TOrvaneBase::WndProc(Message);
}

void TRoundMeter::DampTick() {
  Perform(WM_USER, 0, 0);
  if (update_after_tick_) {
    Update();
  } else {
    TickHook();
  }
}

void TRoundMeter::BlinkTick() {
  if (!painted_) return;
  if (marks_.Busy(pointer_.OverRange, pointer_.UnderRange)) {
    marks_.BlinkTick(*Canvas(), TLimitMarks::MarkColour(ColBack(), col_pointer_),
                     pointer_.OverRange, pointer_.UnderRange);
  }
  if (!led_enable_) return;
  for (int i = 0; i < 2; ++i) {
    if (!leds_[i].Blink) continue;
    leds_[i].TakePhase(BlinkPhase);
    DrawLed(i);
  }
}

void TRoundMeter::DrawLedInto(TCanvas& Canvas, int Index) const {
  const TMeterLed& led = leds_[Index];
  DrawRoundLed(Canvas, led_centre_[Index], led_radius_, LedColour(led.Colour, led.Shows()));
}

void TRoundMeter::DrawLed(int Index) {
  if (!painted_ || !led_enable_ || !layout_valid_) return;
  DrawLedInto(*Canvas(), Index);
  DrawLedInto(*WorkBitmap->Canvas(), Index);
}

// ---- Update ----

double TRoundMeter::PointerAngle() const {
  if (pointer_.UnderRange) return 0;
  if (pointer_.OverRange) return direction_ * sweep_;
  return scale_.Angle(pointer_.ShownValue, direction_ * sweep_);
}

void TRoundMeter::UpdatePointer(bool Force) {
  if (!painted_ || !layout_valid_) return;
  limit_events_.BeginStep();
  const double previous = pointer_.ShownValue;
  const double s = pointer_.NextShown();
  // The shown value and its range flags are stored before the limit events, so a handler sees
  // the state that crossed the limit and nothing stale is drawn over what it sets.
  pointer_.ShownValue = s;
  pointer_.SetRangeFlags(s, scale_.Start, scale_.End);
  const TLimitCrossing crossing = LimitCrossing(previous, s, bands_[2].from, bands_[0].to);
  if (!limit_events_.Fire(crossing, OnUpperLim, OnLowerLim, this)) return;

  pointer_.StepPeak(s, scale_.Start, scale_.End);

  TRect readout{};
  if (disp_enable_) {
    const std::string text = RoundMeterReadoutText(s, disp_fix_pnt_, scale_.Start, scale_.End);
    readout = UpdateReadout(*readout_, text, *FrameBitmap->Canvas(), col_display_, Force);
  }

  const double angle = PointerAngle();
  const double peak_angle = scale_.Angle(pointer_.PeakValue, direction_ * sweep_);
  if (!Force && IsRectEmpty(readout)) {
    const bool pointer_moved = RotatePoint(pivot_, pointer_base_[0], angle) != pointer_poly_[0];
    const bool peak_moved = pointer_.PeakMode != ppNone &&
                            RotatePoint(pivot_, peak_base_[0], peak_angle) != peak_poly_[0];
    if (!pointer_moved && !peak_moved) return;
  }
  Turn(pointer_base_, pointer_poly_, pivot_, angle);
  if (pointer_.PeakMode != ppNone) Turn(peak_base_, peak_poly_, pivot_, peak_angle);
  // Besides the pointers' old and new places and the readout cells that changed, a flashing mark
  // on the screen goes into the area, so that the copy wipes it before it is drawn again.
  TRect changed = readout;
  if (marks_.EndVisible()) UnionRect(changed, changed, marks_.EndLabelRect);
  if (marks_.StartVisible()) UnionRect(changed, changed, marks_.StartLabelRect);
  Compose(update_area_.Next(ClientRect(), PointerBox(), changed, Force));
}

TRect TRoundMeter::PointerBox() const {
  TRect box = PolygonBox(pointer_poly_);
  if (pointer_.PeakMode != ppNone) UnionRect(box, box, PolygonBox(peak_poly_));
  return box;
}

void TRoundMeter::Compose(const TRect& Area) {
  TCanvas& work = *WorkBitmap->Canvas();
  work.CopyRect(Area, FrameBitmap->Canvas(), Area);
  TRect clip = Area;
  if (clip_to_face_) IntersectRect(clip, clip, face_clip_);
  work.SelectClipRect(clip);
  work.Pen()->SetStyle(psClear);
  work.Pen()->SetMode(pmCopy);
  work.Brush()->SetStyle(bsSolid);
  work.Brush()->SetColor(col_pointer_);
  Polygon3(work, pointer_poly_);
  if (pointer_.PeakMode != ppNone) {
    work.Brush()->SetColor(col_peak_ptr_);
    Polygon3(work, peak_poly_);
  }
  if (led_enable_) {
    work.SelectClipRect(Area);
    for (int i = 0; i < 2; ++i) {
      TRect led;
      if (IntersectRect(led, LedCircleBox(led_centre_[i], led_radius_), Area)) DrawLedInto(work, i);
    }
  }
  work.RemoveClip();
  TCanvas& screen = *Canvas();
  screen.CopyRect(Area, &work, Area);
  marks_.AfterCopy(screen, TLimitMarks::MarkColour(ColBack(), col_pointer_), pointer_.OverRange,
                   pointer_.UnderRange);
}
