#include <algorithm>
#include <cmath>
#include <span>

#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/common/squaredial.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"

TPanelMeter::TPanelMeter(TComponent* AOwner, const TPointerRules& Rules, bool FromEnd)
    : TOrvaneBase(AOwner),
      range_(Rules, scale_, pointer_.Value),
      from_end_(FromEnd),
      ticks_(
          [this](TObject*) {
            Perform(WM_USER, 0, 0);
            TickHook();
          },
          [this](TObject*) { BlinkTick(); }),
      font_capt_(std::make_unique<TFont>()) {
  leds_[0].Colour = 0x0000FF;
  leds_[1].Colour = 0x00FF00;
  font_capt_->SetColor(clWhite);
  font_capt_->SetName("Arial");
  font_capt_->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
}

TPanelMeter::~TPanelMeter() = default;

void TPanelMeter::RepaintNow() {
  if (painted_) Paint();
}

void TPanelMeter::StyleChanged(TObject*) { Invalidate(); }

void TPanelMeter::SetValue(double V) {
  if (!std::isfinite(V)) return;
  if (StoreChanged(pointer_.Value, V)) UpdatePointer(false);
}

// ---- Range, limits and scale ----

void TPanelMeter::RangeStartChanged() {
  lower_limit_ = scale_.Start + 0.2 * (scale_.End - scale_.Start);
}

void TPanelMeter::RangeEndChanged() {
  upper_limit_ = scale_.Start + 0.8 * (scale_.End - scale_.Start);
}

// A limit that a range change left outside goes back by the limit setters' own rule.
void TPanelMeter::KeepLimitsInRange() {
  if (lower_limit_ < scale_.Start || lower_limit_ >= scale_.End) lower_limit_ = scale_.Start;
  if (upper_limit_ < scale_.Start || upper_limit_ > scale_.End) upper_limit_ = scale_.End;
}

bool TPanelMeter::Reading() const { return ComponentState().Contains(csReading); }

// A range change resets one limit to its share of the range; the other keeps its value unless
// the new range leaves it outside.
void TPanelMeter::RangeMoved(bool Start) {
  if (Start) {
    RangeStartChanged();
  } else {
    RangeEndChanged();
  }
  KeepLimitsInRange();
}

void TPanelMeter::SetValueStart(double V) {
  if (range_.SetStart(V, Reading(), [&](bool Start) { RangeMoved(Start); })) RepaintNow();
}

void TPanelMeter::SetValueEnd(double V) {
  if (range_.SetEnd(V, Reading(), [&](bool Start) { RangeMoved(Start); })) RepaintNow();
}

// The range setters' rules without their repaint, so that the repair inside Paint cannot start
// a second Paint.
void TPanelMeter::RepairLogRange() {
  const TPointerRange::TRepair r = range_.RepairLog([&](bool Start) { RangeMoved(Start); });
  // The defaults are shares of the range the ends snapped to, not of the half-repaired one.
  if (r.StartChanged) RangeStartChanged();
  if (r.EndChanged || r.SpanKept) RangeEndChanged();
  KeepLimitsInRange();
}

void TPanelMeter::SetNonLinear(bool V) {
  if (!range_.StoreNonLinear(V)) return;
  if (V && !Reading()) RepairLogRange();
  RepaintNow();
}

void TPanelMeter::SetScalaPart(int V) {
  if (StoreScalaPart(scala_part_, V, range_.Rules().MaxScalaPart)) RepaintNow();
}

void TPanelMeter::SetScalaPsub(int V) {
  if (StoreScalaPsub(scala_psub_, V)) RepaintNow();
}

void TPanelMeter::SetLowerLimit(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    lower_limit_ = V;
    return;
  }
  if (V < scale_.Start || V >= scale_.End) V = scale_.Start;
  lower_limit_ = V;
}

void TPanelMeter::SetUpperLimit(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    upper_limit_ = V;
    return;
  }
  if (V < scale_.Start || V > scale_.End) V = scale_.End;
  upper_limit_ = V;
}

int TPanelMeter::ValueToPixel(double V) const {
  return scale_.Pixel(V, from_end_, scale_p0_, scale_length_);
}

// ---- Face and scale ----

TRect TPanelMeter::DrawFace(TCanvas& c, TRect& Inner, int Gap, int Overhang, TFaceRoom Room,
                            int Corner) {
  const TRect face =
      LayOutFace(Inner, {BordLeft(), BordTop(), BordRight(), BordBottom()}, Gap, Overhang, Room);
  SetFacePen(c, col_shape_, ColBack());
  if (shape_ == smtRectangle) {
    c.Rectangle(face);
  } else {
    c.RoundRect(face.Left, face.Top, face.Right, face.Bottom, Corner, Corner);
  }
  return face;
}

// The two panel meters lay out one scale along either axis; what really differs between them is
// stated here. The wide meter counts from the left: major ticks round to their pixels and thin
// ones round from there, labels sit centred above the ticks with decimals below a range of 3
// and 5, logarithmic ones drawn transparent. The tall meter counts up from the bottom: major
// ticks truncate and thin ones round from the whole length, labels sit right-aligned to the
// right of the ticks with decimals below a range of 2 and 4, all on the face colour.
TScaleLayout TPanelMeter::LayOutScale(TCanvas& c, const TScaleGeometry& G) const {
  const bool tall = from_end_;
  const int l = scale_length_;
  const int parts = scala_part_;
  const int fh = c.Font()->Height();
  const TStraightTicks ticks{tall, G.Base, G.TickEnd, G.TickEnd + (G.Base - G.TickEnd) / 3};
  // Wide labels stand on a line above the ticks; tall ones beside them.
  const int label_top = G.TickEnd - std::abs((fh * 15) / 10);
  if (scale_.NonLinear) {
    const auto at = [&](const TScaleTick& t) { return ValueToPixel(t.Value); };
    const TScaleDivision division = LogDivision(scale_, parts);
    if (tall) {
      return StraightScaleLayout(division, {ticks}, at, [&](const TScaleTick& t, int y) {
        const int left = G.TickEnd + 3, top = y + (2 * fh) / 3;
        return TPlacedLabel{{{left, y + (11 * fh) / 20}, {}, true, t.Value},
                            {left, top, left + G.LabelWidth + 1, top + std::abs(fh) + 3}};
      });
    }
    const int q = c.TextWidth("103") / 2;
    return StraightScaleLayout(division, {ticks}, at, [&](const TScaleTick& t, int x) {
      return TPlacedLabel{{{x - q - 1, label_top}, {}, true, t.Value},
                          {x - q - 3, label_top - 1, x - q - 3 + (24 * q) / 10, G.TickEnd - 4}};
    });
  }
  const int minors = scala_psub_ == -1 ? (l / parts > 30 ? 1 : 0) : scala_psub_;
  const TScaleDivision division = LinearDivision(scale_, parts, minors);
  const double range = scale_.End - scale_.Start;
  const int decimals = tall ? ScaleLabelDecimals(range, 2, 4) : ScaleLabelDecimals(range, 3, 5);
  const auto label_text = [&](const TScaleTick& t) { return ScaleLabelText(t.Value, decimals); };
  if (tall) {
    const auto at = [&](const TScaleTick& t) {
      const int major = G.Origin - (l * t.Index) / parts;
      return major - static_cast<int>(Round(double(t.Sub) * l / (parts * (minors + 1))));
    };
    return StraightScaleLayout(division, {ticks}, at, [&](const TScaleTick& t, int y) {
      const std::string text = label_text(t);
      const int tw = c.TextWidth(text);
      const int left = G.TickEnd + G.LabelWidth - tw, top = y + (2 * fh) / 3;
      return TPlacedLabel{{{left, top}, text},
                          {left - 2, top, left + tw + 5, top + std::abs(fh) + 3}};
    });
  }
  const double step = double(l) / parts;
  const auto at = [&](const TScaleTick& t) {
    const int major = static_cast<int>(Round(double(l) * t.Index / parts + G.Origin));
    return major + static_cast<int>(Round(t.Sub * step / (minors + 1)));
  };
  return StraightScaleLayout(division, {ticks}, at, [&](const TScaleTick& t, int) {
    const std::string text = label_text(t);
    const int tw = c.TextWidth(text);
    const int left = G.Origin + (l * t.Index) / parts - tw / 2;
    return TPlacedLabel{{{left, label_top}, text},
                        {left - 2, label_top, left - 2 + 2 * (tw / 2) + 5, G.TickEnd - 3}};
  });
}

void TPanelMeter::DrawScale(TCanvas& c, const TScaleGeometry& G) {
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(col_scala_);
  c.Pen()->SetWidth(2);
  c.Brush()->SetColor(ColBack());
  if (from_end_) {
    c.MoveTo(G.Base, G.Origin);
    c.LineTo(G.Base, G.Origin - scale_length_);
  } else {
    c.MoveTo(G.Origin, G.Base);
    c.LineTo(G.Origin + scale_length_, G.Base);
  }
  scale_layout_ = LayOutScale(c, G);
  c.Brush()->SetStyle(scale_.NonLinear && !from_end_ ? bsClear : bsSolid);
  DrawScaleLayout(c, scale_layout_);
  marks_.StartLabelRect = scale_layout_.Ends.StartLabelRect;
  marks_.EndLabelRect = scale_layout_.Ends.EndLabelRect;
}

void TPanelMeter::DrawMakerMark(TCanvas& c, int CentreX, int Y) {
  c.Font()->SetName("Arial");
  c.Font()->SetHeight(-9);
  c.Font()->SetStyle({});
  DrawMeterMakerMark(c, CentreX - c.TextWidth(MakerMark) / 2, Y);
}

// ---- Damping and peak ----

void TPanelMeter::SetDamping(int V) {
  ApplyDamping(pointer_.Damping, V, range_.Rules().MaxDamping, ticks_.DampTimerId());
}

void TPanelMeter::SetDampPeak(int V) { ApplyDampPeak(pointer_.DampPeak, V, ticks_.DampTimerId()); }

void TPanelMeter::SetPeakMode(TPeakPtrMode V) {
  if (StoreChanged(pointer_.PeakMode, V)) RepaintNow();
}

// ---- Appearance ----

void TPanelMeter::SetShape(TmShapeType V) {
  if (StoreChanged(shape_, V)) RepaintNow();
}
void TPanelMeter::SetColShape(TColor V) {
  if (StoreChanged(col_shape_, V)) RepaintNow();
}
void TPanelMeter::SetColScala(TColor V) {
  if (StoreChanged(col_scala_, V)) RepaintNow();
}
void TPanelMeter::SetColPointer(TColor V) {
  if (StoreChanged(col_pointer_, V)) RepaintNow();
}
void TPanelMeter::SetColPeakPtr(TColor V) {
  if (StoreChanged(col_peak_ptr_, V)) RepaintNow();
}
void TPanelMeter::SetLedEnable(bool V) {
  if (StoreChanged(led_enable_, V)) RepaintNow();
}

void TPanelMeter::SetFontCapt(const TFont* V) {
  if (V) font_capt_->Assign(*V);
  Invalidate();
}

// ---- LEDs and blinking ----

void TPanelMeter::SetColLed(int Index, TColor V) {
  leds_[Index].SetColour(V, range_.Rules().Leds);
  DrawLed(Index);
}

void TPanelMeter::SetLedOn(int Index, bool V) {
  if (leds_[Index].SetOn(V, !led_enable_, range_.Rules().Leds)) DrawLed(Index);
}

void TPanelMeter::SetLedBlink(int Index, bool V) {
  if (leds_[Index].SetBlink(V, !led_enable_, range_.Rules().Leds)) DrawLed(Index);
}

void TPanelMeter::DrawLed(int Index) {
  if (!painted_ || !led_enable_) return;
  const TMeterLed& led = leds_[Index];
  const TColor colour = LedColour(led.Colour, led.Shows());
  DrawRoundLed(*Canvas(), led_centre_[Index], led_radius_, colour);
  DrawRoundLed(*WorkBitmap->Canvas(), led_centre_[Index], led_radius_, colour);
}

void TPanelMeter::BlinkTick() {
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

// ---- Paint frame and update ----

void TPanelMeter::BeginPaint() {
  painted_ = true;
  update_area_.Reset();
  if (scale_.NonLinear) {
    RepairLogRange();
  } else if (!(scale_.End - scale_.Start >= 0.01)) {
    // Form data can hold a range of no width; the scale needs one before it is laid out.
    scale_.End = scale_.Start + 1;
  }
}

void TPanelMeter::EndPaint(int StartPos) {
  marks_.Reset();
  pointer_pos_ = peak_pos_ = StartPos;
  UpdatePointer(true);
  if (OnRepaint) OnRepaint(this);
}

void TPanelMeter::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    UpdatePointer(false);
    return;
  }
  TOrvaneBase::WndProc(Message);
}

void TPanelMeter::UpdatePointer(bool Force) {
  if (!painted_) return;
  limit_events_.BeginStep();
  const double previous = pointer_.ShownValue;
  const double s = pointer_.NextShown();
  // Stored before the limit events, so a handler sees the state that crossed the limit.
  pointer_.ShownValue = s;
  pointer_.SetRangeFlags(s, scale_.Start, scale_.End);
  const TLimitCrossing crossing = LimitCrossing(previous, s, upper_limit_, lower_limit_);
  if (!limits_before_peak_) pointer_.StepPeak(s, scale_.Start, scale_.End);
  if (!limit_events_.Fire(crossing, OnUpperLim, OnLowerLim, this)) return;
  if (limits_before_peak_) pointer_.StepPeak(s, scale_.Start, scale_.End);

  const int pointer = ValueToPixel(pointer_.Pinned(s, scale_.Start, scale_.End));
  const int peak = pointer_.PeakMode == ppNone ? peak_pos_ : ValueToPixel(pointer_.PeakValue);
  const TRect followed = FollowShownValue(Force);
  if (!Force && IsRectEmpty(followed) && pointer == pointer_pos_ && peak == peak_pos_) return;
  const int old_pointer = pointer_pos_, old_peak = peak_pos_;
  pointer_pos_ = pointer;
  peak_pos_ = peak;
  TRect changed = MovedArea(old_pointer, old_peak);
  UnionRect(changed, changed, followed);
  // A flashing mark on the screen goes into the area, so that the copy wipes it before it is
  // drawn again.
  if (marks_.EndVisible()) UnionRect(changed, changed, marks_.EndLabelRect);
  if (marks_.StartVisible()) UnionRect(changed, changed, marks_.StartLabelRect);
  Compose(update_area_.Next(ClientRect(), TRect{}, changed, Force));
}

void TPanelMeter::Compose(const TRect& Area) {
  TCanvas& work = *WorkBitmap->Canvas();
  work.CopyRect(Area, FrameBitmap->Canvas(), Area);
  work.SelectClipRect(Area);
  work.Pen()->SetStyle(psClear);
  work.Pen()->SetMode(pmCopy);
  work.Brush()->SetStyle(bsSolid);
  DrawMovingParts(work);
  if (led_enable_) {
    for (int i = 0; i < 2; ++i) {
      TRect led;
      if (!IntersectRect(led, LedCircleBox(led_centre_[i], led_radius_), Area)) continue;
      DrawRoundLed(work, led_centre_[i], led_radius_, LedColour(leds_[i].Colour, leds_[i].Shows()));
    }
  }
  work.RemoveClip();
  TCanvas& screen = *Canvas();
  screen.CopyRect(Area, &work, Area);
  marks_.AfterCopy(screen, TLimitMarks::MarkColour(ColBack(), col_pointer_), pointer_.OverRange,
                   pointer_.UnderRange);
}
