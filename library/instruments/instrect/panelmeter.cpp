#include <algorithm>
#include <cmath>
#include <span>

#include "library/foundation/helpers.h"
#include "library/foundation/squaredial.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"

namespace {

// The limits' rules: a lower limit outside the range, or at its end, becomes the range's start; an
// upper one outside it becomes the range's end.
double LowerLimitIn(double Value, const TScaleRange& Range) {
  return Value < Range.Start || Value >= Range.End ? Range.Start : Value;
}

double UpperLimitIn(double Value, const TScaleRange& Range) {
  return Value < Range.Start || Value > Range.End ? Range.End : Value;
}

}  // namespace

TPanelMeter::TPanelMeter(TComponent* AOwner, const TPointerRules& Rules, bool FromEnd)
    : TPointerScale(
          Rules, {0, 50}, 5, false, Rules.MaxDamping,
          [this](TObject*) {
            Perform(WM_USER, 0, 0);
            TickHook();
          },
          [this](TObject*) { BlinkTick(); }, AOwner),
      TLedPair(Rules.Leds),
      FFromEnd(FromEnd),
      FFontCapt(std::make_unique<TFont>()) {
  FFontCapt->SetColor(clWhite);
  FFontCapt->SetName("Arial");
  FFontCapt->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
}

TPanelMeter::~TPanelMeter() = default;

void TPanelMeter::RepaintNow() {
  if (FPainted) Paint();
}

void TPanelMeter::StyleChanged(TObject*) { Invalidate(); }

// ---- Range, limits and scale ----

double TPanelMeter::LowerDefault() const {
  return FScale.Start + 0.2 * (FScale.End - FScale.Start);
}

double TPanelMeter::UpperDefault() const {
  return FScale.Start + 0.8 * (FScale.End - FScale.Start);
}

void TPanelMeter::RangeStartChanged() { FLowerLimit = LowerDefault(); }

void TPanelMeter::RangeEndChanged() { FUpperLimit = UpperDefault(); }

// A limit that a range change left outside goes back by the limit setters' own rule.
void TPanelMeter::KeepLimitsInRange() {
  FLowerLimit = LowerLimitIn(FLowerLimit, FScale);
  FUpperLimit = UpperLimitIn(FUpperLimit, FScale);
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

void TPanelMeter::RepairRange() {
  const TValueScale::TRepair r = FScale.Repair([&](bool Start) { RangeMoved(Start); });
  // A linear range read without width only gets one; its limits stay as read.
  if (!FScale.NonLinear) return;
  // The defaults are shares of the range the ends snapped to, not of the half-repaired one.
  if (r.StartChanged) RangeStartChanged();
  if (r.EndChanged || r.SpanKept) RangeEndChanged();
  KeepLimitsInRange();
}

void TPanelMeter::SetLowerLimit(double Value) {
  if (DropOrStoreRead(FLowerLimit, Value, Reading())) return;
  FLowerLimit = LowerLimitIn(Value, FScale);
}

void TPanelMeter::SetUpperLimit(double Value) {
  if (DropOrStoreRead(FUpperLimit, Value, Reading())) return;
  FUpperLimit = UpperLimitIn(Value, FScale);
}

int TPanelMeter::ValueToPixel(double Value) const {
  return FScale.Pixel(Value, FFromEnd, FScaleP0, FScaleLength);
}

// ---- Layout ----

std::unique_ptr<TCanvas> TPanelMeter::MeasuringCanvas() const {
  auto c = std::make_unique<TCanvas>();
  c->SetFont(Font());
  return c;
}

void TPanelMeter::TakeLayout(const TLayout& Layout) {
  for (int i = 0; i < 2; ++i) FLedCentre[i] = Layout.LedCentre[i];
  FLedRadius = Layout.LedRadius;
  FScaleP0 = Layout.Geometry.Start;
  FScaleLength = Layout.Geometry.Length;
}

// ---- Face and scale ----

TRect TPanelMeter::FaceAround(TRect& Inner, int Gap, int Overhang, TFaceRoom Room) const {
  return LayOutFace(Inner, BorderSides(*this), Gap, Overhang, Room);
}

void TPanelMeter::DrawFace(TCanvas& c, const TRect& Face, int Corner) {
  const TCanvasSaver keep(c, cpPen | cpBrush);
  SetFacePen(c, FColShape, ColBack());
  if (FShape == smtRectangle) {
    c.Rectangle(Face);
  } else {
    c.RoundRect(Face.Left, Face.Top, Face.Right, Face.Bottom, Corner, Corner);
  }
}

// The two panel meters lay out one scale along either axis; what really differs between them is
// stated here. The wide meter counts from the left: major ticks round to their pixels and thin
// ones round from there, labels sit centred above the ticks with decimals below a range of 3
// and 5, logarithmic ones drawn transparent. The tall meter counts up from the bottom: major
// ticks truncate and thin ones round from the whole length, labels sit right-aligned to the
// right of the ticks with decimals below a range of 2 and 4, all on the face colour.
TScaleLayout TPanelMeter::LayOutScale(TCanvas& c, const TScaleGeometry& G) const {
  const bool tall = FFromEnd;
  const int l = G.Length;
  const int parts = FScale.Part();
  const int fh = c.Font()->Height();
  const TStraightTicks ticks{tall, G.Base, G.TickEnd, G.TickEnd + (G.Base - G.TickEnd) / 3};
  // Wide labels stand on a line above the ticks; tall ones beside them.
  const int label_top = G.TickEnd - std::abs((fh * 15) / 10);
  if (FScale.NonLinear) {
    const auto at = [&](const TScaleTick& t) {
      return FScale.Pixel(t.Value, FFromEnd, G.Start, G.Length);
    };
    const TScaleDivision division = LogDivision(FScale, parts);
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
  const int minors = FScale.Psub() == -1 ? (l / parts > 30 ? 1 : 0) : FScale.Psub();
  const TScaleDivision division = LinearDivision(FScale, parts, minors);
  const double range = FScale.End - FScale.Start;
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

void TPanelMeter::DrawScale(TCanvas& c, const TScaleGeometry& G, const TScaleLayout& Layout) {
  // Logarithmic labels set the font's size back after their exponents.
  const TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(FColScala);
  c.Pen()->SetWidth(2);
  c.Brush()->SetColor(ColBack());
  if (FFromEnd) {
    c.MoveTo(G.Base, G.Origin);
    c.LineTo(G.Base, G.Origin - G.Length);
  } else {
    c.MoveTo(G.Origin, G.Base);
    c.LineTo(G.Origin + G.Length, G.Base);
  }
  c.Brush()->SetStyle(FScale.NonLinear && !FFromEnd ? bsClear : bsSolid);
  DrawScaleLayout(c, Layout);
  FMarks.StartLabelRect = Layout.Ends.StartLabelRect;
  FMarks.EndLabelRect = Layout.Ends.EndLabelRect;
}

void TPanelMeter::DrawCentredMakerMark(TCanvas& c, int CentreX, int Y) {
  DrawMakerMark(c, CentreX - MakerMarkWidth(c) / 2, Y);
}

// ---- Appearance ----

void TPanelMeter::SetShape(TmShapeType Value) {
  if (StoreChanged(FShape, Value)) RepaintNow();
}
void TPanelMeter::SetColShape(TColor Value) {
  if (StoreChanged(FColShape, Value)) RepaintNow();
}
void TPanelMeter::SetColScala(TColor Value) {
  if (StoreChanged(FColScala, Value)) RepaintNow();
}
void TPanelMeter::SetColPointer(TColor Value) {
  if (StoreChanged(FColPointer, Value)) RepaintNow();
}
void TPanelMeter::SetColPeakPtr(TColor Value) {
  if (StoreChanged(FColPeakPtr, Value)) RepaintNow();
}

void TPanelMeter::SetFontCapt(const TFont* Value) {
  if (Value) FFontCapt->Assign(*Value);
  Invalidate();
}

// ---- LEDs and blinking ----

void TPanelMeter::DrawLed(int Index) {
  if (!FPainted || !FLedEnable) return;
  DrawLedInto(*Canvas(), Index);
  DrawLedInto(*WorkBitmap->Canvas(), Index);
}

void TPanelMeter::BlinkTick() {
  if (!FPainted) return;
  FMarks.BlinkTick(*Canvas(), TLimitMarks::MarkColour(ColBack(), FColPointer), FPointer.OverRange,
                   FPointer.UnderRange);
  StepLeds(BlinkPhase);
}

// ---- Paint frame and update ----

void TPanelMeter::BeginPaint() {
  FPainted = true;
  FUpdateArea.Reset();
}

void TPanelMeter::EndPaint(int StartPos) {
  FMarks.Reset();
  FPointerPos = FPeakPos = StartPos;
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
  if (!FPainted) return;
  FLimitEvents.BeginStep();
  const TLimitCrossing crossing =
      FPointer.StepShown(FScale.Start, FScale.End, FUpperLimit, FLowerLimit);
  const double s = FPointer.ShownValue;
  if (!FLimitsBeforePeak) FPointer.StepPeak(s, FScale.Start, FScale.End);
  if (!FLimitEvents.Fire(crossing, OnUpperLim, OnLowerLim, this)) return;
  if (FLimitsBeforePeak) FPointer.StepPeak(s, FScale.Start, FScale.End);

  const int pointer = ValueToPixel(FPointer.Pinned(s, FScale.Start, FScale.End));
  const int peak = FPointer.PeakMode == ppNone ? FPeakPos : ValueToPixel(FPointer.PeakValue);
  const TRect followed = FollowShownValue(Force);
  if (!Force && IsRectEmpty(followed) && pointer == FPointerPos && peak == FPeakPos) return;
  const int old_pointer = FPointerPos, old_peak = FPeakPos;
  FPointerPos = pointer;
  FPeakPos = peak;
  TRect changed = MovedArea(old_pointer, old_peak);
  FMarks.AddShownTo(changed);
  const TRect moved = FUpdateArea.Next(ClientRect(), TRect{}, changed, Force);
  // The readout lies apart from the moving parts: their union would copy and recompose all
  // that lies between, the LEDs of a column included, though none of it changed.
  TRect readout{}, overlap{};
  IntersectRect(readout, followed, ClientRect());
  if (IntersectRect(overlap, moved, readout)) {
    UnionRect(changed, moved, readout);
    Compose(changed);
  } else {
    Compose(moved);
    Compose(readout);
  }
  FMarks.AfterCopy(*Canvas(), TLimitMarks::MarkColour(ColBack(), FColPointer), FPointer.OverRange,
                   FPointer.UnderRange);
}

TRect TPanelMeter::TrianglesMoved(int OldPointer, int OldPeak, bool Pointer, bool Peak) const {
  TRect area{};
  const auto add = [&](bool IsPeak, int Pos) {
    TPoint corners[3];
    if (IsPeak) {
      PeakAt(Pos, corners);
    } else {
      PointerAt(Pos, corners);
    }
    UnionRect(area, area, PolygonBox(corners));
  };
  if (Pointer) {
    add(false, OldPointer);
    add(false, FPointerPos);
  }
  if (Peak) {
    add(true, OldPeak);
    add(true, FPeakPos);
  }
  return area;
}

void TPanelMeter::Compose(const TRect& Area) {
  if (IsRectEmpty(Area)) return;
  TCanvas& work = *WorkBitmap->Canvas();
  const TCanvasSaver keep(work, cpPen | cpBrush | cpClip);
  BeginCompose(work, FrameBitmap->Canvas(), Area);
  DrawMovingParts(work);
  DrawLedsIn(work, Area);
  EndCompose(work, *Canvas(), Area);
}
