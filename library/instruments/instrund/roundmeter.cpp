#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/common/readout.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"

namespace {

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
  if (StoreChanged(pointer_.Value, V)) UpdatePointer(false);
}

void TRoundMeter::StoreOrientation(TOrientType V) {
  if (StoreChanged(orientation_, V)) Invalidate();
}

void TRoundMeter::StoreColCircle(TColor V) {
  if (StoreChanged(col_circle_, V)) RepaintNow();
}

void TRoundMeter::SetColMin(TColor V) {
  if (StoreChanged(col_min_, V)) RepaintNow();
}
void TRoundMeter::SetColMid(TColor V) {
  if (StoreChanged(col_mid_, V)) RepaintNow();
}
void TRoundMeter::SetColMax(TColor V) {
  if (StoreChanged(col_max_, V)) RepaintNow();
}
void TRoundMeter::SetColPointer(TColor V) {
  if (StoreChanged(col_pointer_, V)) UpdatePointer(true);
}
void TRoundMeter::SetColPeakPtr(TColor V) {
  if (StoreChanged(col_peak_ptr_, V)) UpdatePointer(true);
}
void TRoundMeter::SetColDBack(TColor V) {
  if (StoreChanged(col_dback_, V)) RepaintNow();
}
void TRoundMeter::SetColDRand(TColor V) {
  if (StoreChanged(col_drand_, V)) RepaintNow();
}
void TRoundMeter::SetColDisplay(TColor V) {
  if (StoreChanged(col_display_, V)) RepaintNow();
}
void TRoundMeter::SetColScala(TColor V) {
  if (StoreChanged(col_scala_, V)) RepaintNow();
}
void TRoundMeter::SetColShape(TColor V) {
  if (StoreChanged(col_shape_, V)) RepaintNow();
}

bool TRoundMeter::Reading() const { return ComponentState().Contains(csReading); }

void TRoundMeter::SetValueStart(double V) {
  if (range_.SetStart(V, Reading(), [&](bool) { bands_.Reset(scale_); })) RepaintNow();
}

void TRoundMeter::SetValueEnd(double V) {
  if (range_.SetEnd(V, Reading(), [&](bool) { bands_.Reset(scale_); })) RepaintNow();
}

void TRoundMeter::SetBand(TColourBands::TBound Which, double V) {
  if (bands_.Set(Which, V, Reading(), scale_)) RepaintNow();
}

void TRoundMeter::SetValueMinA(double V) { SetBand(TColourBands::MinA, V); }
void TRoundMeter::SetValueMinE(double V) { SetBand(TColourBands::MinE, V); }
void TRoundMeter::SetValueMidA(double V) { SetBand(TColourBands::MidA, V); }
void TRoundMeter::SetValueMidE(double V) { SetBand(TColourBands::MidE, V); }
void TRoundMeter::SetValueMaxA(double V) { SetBand(TColourBands::MaxA, V); }
void TRoundMeter::SetValueMaxE(double V) { SetBand(TColourBands::MaxE, V); }

void TRoundMeter::SetScalaPart(int V) {
  if (StoreScalaPart(scala_part_, V, range_.Rules().MaxScalaPart)) RepaintNow();
}

void TRoundMeter::SetScalaPsub(int V) {
  if (StoreScalaPsub(scala_psub_, V)) RepaintNow();
}

// The range setters' rules without their repaint.
void TRoundMeter::RepairLogRange() {
  if (range_.RepairLog([&](bool) { bands_.Reset(scale_); }).SpanKept) bands_.Reset(scale_);
}

void TRoundMeter::SetNonLinear(bool V) {
  if (!range_.StoreNonLinear(V)) return;
  if (V && !Reading()) {
    RepairLogRange();
    bands_.Restore(scale_);
  }
  RepaintNow();
}

void TRoundMeter::SetCaption(const std::string& V) {
  caption_ = V;
  RepaintNow();
}

void TRoundMeter::SetColLed(int Index, TColor V) {
  leds_[Index].SetColour(V, range_.Rules().Leds);
  DrawLed(Index);
}

void TRoundMeter::SetLedOn(int Index, bool V) {
  if (leds_[Index].SetOn(V, !led_enable_, range_.Rules().Leds)) DrawLed(Index);
}

void TRoundMeter::SetLedBlink(int Index, bool V) {
  if (leds_[Index].SetBlink(V, !led_enable_, range_.Rules().Leds)) DrawLed(Index);
}

void TRoundMeter::SetLedEnable(bool V) {
  if (StoreChanged(led_enable_, V)) RepaintNow();
}

void TRoundMeter::SetDispEnable(bool V) {
  if (StoreChanged(disp_enable_, V)) RepaintNow();
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

void TRoundMeter::SetDamping(int V) {
  ApplyDamping(pointer_.Damping, V, range_.Rules().MaxDamping, ticks_.DampTimerId());
}

void TRoundMeter::SetDampPeak(int V) { ApplyDampPeak(pointer_.DampPeak, V, ticks_.DampTimerId()); }

void TRoundMeter::SetPeakMode(TPeakPtrMode V) {
  if (StoreChanged(pointer_.PeakMode, V)) UpdatePointer(true);
}

void TRoundMeter::ResetPeak() {
  if (range_.ResetPeak()) UpdatePointer(true);
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
    if (leds_[i].Step(BlinkPhase)) DrawLed(i);
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
  const TLimitCrossing crossing = LimitCrossing(previous, s, bands_.From(2), bands_.To(0));
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
