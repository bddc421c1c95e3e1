#include <algorithm>
#include <cmath>

#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/common/valuemodel.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"

TGaugeGp::TGaugeGp(TComponent* AOwner) : TRahmen(AOwner) {
  SetColBack(clBtnFace);
  SetWidth(100);
  SetHeight(18);
  FDampTimerId = TimerRegister([this](TObject*) {
    Perform(WM_USER, 0, 0);
    TickHook();
  });
}

TGaugeGp::~TGaugeGp() { TimerRemove(FDampTimerId); }

void TGaugeGp::RepaintNow() {
  if (FPainted) Paint();
}

// ---- Value and range ----

// Clamps V into the range; when it differs from the stored value (or Force) it is stored and
// Percent follows. A range of no width (only form data can hold one) reads as 0 %.
void TGaugeGp::ApplyValue(double V, bool Force) {
  if (V < FValueMin) V = FValueMin;
  if (V > FValueMax) V = FValueMax;
  if (V == FValue && !Force) return;
  FValue = V;
  const double span = FValueMax - FValueMin;
  const double p = span > 0 ? (FValue - FValueMin) / span * 100 : 0;
  if (p == FPercent) return;
  FPercent = p;
  UpdateGauge();
}

void TGaugeGp::SetValue(double Value) {
  if (DropOrStoreRead(FValue, Value, ComponentState().Contains(csReading))) return;
  ApplyValue(Value, false);
}

void TGaugeGp::Loaded() {
  TRahmen::Loaded();
  ApplyValue(FValue, true);
}

void TGaugeGp::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseDown(Button, Shift, X, Y);
  TControl::MouseDown(Button, Shift, X, Y);
}

void TGaugeGp::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseUp(Button, Shift, X, Y);
  TControl::MouseUp(Button, Shift, X, Y);
}

void TGaugeGp::SetPercent(double Value) {
  if (!std::isfinite(Value)) return;
  if (Value == FPercent) return;
  FPercent = std::clamp(Value, 0.0, 100.0);
  FValue = FValueMin + 0.01 * FPercent * (FValueMax - FValueMin);
  UpdateGauge();
}

// A range change keeps Value inside the new range and recomputes Percent even when Value itself
// stays, so the bar shows the value's share of the new range.
void TGaugeGp::SetValueMin(double Value) {
  if (SetRangeStart(FValueMin, Value, FValueMax, ComponentState().Contains(csReading)))
    ApplyValue(FValue, true);
}

void TGaugeGp::SetValueMax(double Value) {
  if (SetRangeEnd(FValueMax, Value, FValueMin, ComponentState().Contains(csReading)))
    ApplyValue(FValue, true);
}

void TGaugeGp::SetDamping(int Value) { ApplyDamping(FDamping, Value, 10, FDampTimerId); }

void TGaugeGp::SetPntrPercent(double Value) {
  if (!std::isfinite(Value)) return;
  Value = std::clamp(Value, 0.0, 100.0);
  if (!StoreChanged(FPntrPercent, Value)) return;
  FLastDrawn = -1;
  UpdateGauge();
}

// ---- Appearance ----

void TGaugeGp::SetMeterMode(bool Value) {
  if (StoreChanged(FMeterMode, Value)) RepaintNow();
}
void TGaugeGp::SetSegmWidth(int Value) {
  if (Value > 0)
    if (StoreChanged(FSegmWidth, Value)) RepaintNow();
}
void TGaugeGp::SetSegmGap(int Value) {
  if (Value >= 0)
    if (StoreChanged(FSegmGap, Value)) RepaintNow();
}
void TGaugeGp::SetSegmBorder(bool Value) {
  if (StoreChanged(FSegmBorder, Value)) RepaintNow();
}
void TGaugeGp::SetSegmColor(TColor Value) {
  if (StoreChanged(FSegmColor, Value)) RepaintNow();
}
void TGaugeGp::SetColBorder(TColor Value) {
  if (StoreChanged(FColBorder, Value)) RepaintNow();
}

void TGaugeGp::SetOrientation(TOrientation Value) {
  if (!StoreChanged(FOrientation, Value)) return;
  if (FPainted) SetBounds(Left(), Top(), Height(), Width());
}

// ---- Size and messages ----

// The orientation follows the aspect (a square lies horizontally) and the short side stays within
// 12..100 pixels. The size changes made here come back as nested size messages, which the guard
// ignores; when one of them turned the aspect round, the rule runs once more on the final size.
void TGaugeGp::SettleOrientation() {
  for (int pass = 0; pass < 3 && !FResizing; ++pass) {
    FResizing = true;
    const int w = Width(), h = Height();
    FOrientation = h > w ? orVertical : orHorizontal;
    if (FOrientation == orHorizontal) {
      SetHeight(std::clamp(h, 12, 100));
    } else {
      SetWidth(std::clamp(w, 12, 100));
    }
    SetOrientation(Height() > Width() ? orVertical : orHorizontal);
    FResizing = false;
    const bool settled = (Height() > Width() ? orVertical : orHorizontal) == FOrientation &&
                         std::min(Width(), Height()) >= 12 && std::min(Width(), Height()) <= 100;
    if (settled || (Width() == w && Height() == h)) break;
  }
}

void TGaugeGp::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    UpdateGauge();
    return;
  }
  TRahmen::WndProc(Message);
  if (Message.Msg == WM_SIZE) SettleOrientation();
}

// ---- Drawing ----

void TGaugeGp::Paint() {
  TRahmen::Paint();
  FLastDrawn = -1;
  FStripsValid = false;
  FPainted = true;
  UpdateGauge();
  if (OnRepaint) OnRepaint(this);
}

TRect TGaugeGp::BarArea() const {
  TRect a = InnerRect;
  InflateRect(a, -2, -2);
  return a;
}

void TGaugeGp::UpdateGauge() {
  if (!FPainted) return;
  FShownPercent = DampStep(FShownPercent, FPercent, FDamping);
  const bool vertical = FOrientation == orVertical;
  if (FMeterMode) {
    DrawBar(vertical);
  } else {
    DrawSegments(vertical);
  }
}

namespace {

// One segment as its outline and its inside: the pixels a one-pixel pen's Rectangle draws. The
// brush is solid; its colour changes.
void DrawSegment(TCanvas& c, TRect r, TColor Outline, TColor Inside) {
  r = NormalizeRect(r);
  if (IsRectEmpty(r)) return;
  c.Brush()->SetColor(Outline);
  if (Outline == Inside) {
    c.FillRect(r);
    return;
  }
  c.FrameRect(r);
  InflateRect(r, -1, -1);
  if (IsRectEmpty(r)) return;
  c.Brush()->SetColor(Inside);
  c.FillRect(r);
}

}  // namespace

// Segments of SegmWidth pixels SegmGap apart from the start; only whole segments are drawn, the
// lit ones included, so a lit segment never reaches past the bar.
void TGaugeGp::DrawSegments(bool Vertical) {
  const TRect a = BarArea();
  const int length = Vertical ? a.Bottom - a.Top : a.Right - a.Left;
  const int pitch = FSegmWidth + FSegmGap;
  const int64_t fill = Round(0.01 * FShownPercent * length);
  const int fitting = length >= FSegmWidth ? (length - FSegmWidth) / pitch + 1 : 0;
  const int lit = static_cast<int>(std::min<int64_t>(Round(double(fill) / pitch), fitting));
  if (lit == FLastDrawn) return;
  TCanvas& c = *Canvas();
  if (!FStripsValid) MakeSegmentStrips(Vertical, a, fitting);
  const int w = a.Right - a.Left, h = a.Bottom - a.Top;
  const TColor unlit_outline = FSegmBorder ? FColBorder : ColBack();
  if (fitting > 0 && (w <= 0 || h <= 0)) {
    // A frame wider than the control turns the bar inside out; its segments are drawn as the
    // rectangles they span.
    const TCanvasSaver keep(c, cpBrush);
    c.Brush()->SetStyle(bsSolid);
    for (int k = 0; k < fitting; ++k) {
      const int at = Vertical ? a.Bottom - k * pitch - FSegmWidth : a.Left + k * pitch;
      DrawSegment(c,
                  Vertical ? Rect(a.Left, at, a.Right, at + FSegmWidth)
                           : Rect(at, a.Top, at + FSegmWidth, a.Bottom),
                  k < lit ? FSegmColor : unlit_outline, k < lit ? FSegmColor : ColBack());
    }
  } else if (fitting > 0) {
    // Both strips hold the same pixels between the segments, so the split may fall anywhere in
    // the gap after the last lit segment.
    const TCopyMode mode = c.CopyMode();
    c.SetCopyMode(cmSrcCopy);
    if (Vertical) {
      const int split = std::clamp(h - lit * pitch, 0, h);
      c.CopyRect(Rect(a.Left, a.Top, a.Right, a.Top + split), FStrips[0].Canvas(),
                 Rect(0, 0, w, split));
      c.CopyRect(Rect(a.Left, a.Top + split, a.Right, a.Bottom), FStrips[1].Canvas(),
                 Rect(0, split, w, h));
    } else {
      const int split = std::clamp(lit * pitch, 0, w);
      c.CopyRect(Rect(a.Left, a.Top, a.Left + split, a.Bottom), FStrips[1].Canvas(),
                 Rect(0, 0, split, h));
      c.CopyRect(Rect(a.Left + split, a.Top, a.Right, a.Bottom), FStrips[0].Canvas(),
                 Rect(split, 0, w, h));
    }
    c.SetCopyMode(mode);
  }
  FLastDrawn = lit;
}

void TGaugeGp::MakeSegmentStrips(bool Vertical, const TRect& Area, int Fitting) {
  FStripsValid = true;
  const int w = Area.Right - Area.Left, h = Area.Bottom - Area.Top;
  if (Fitting <= 0 || w <= 0 || h <= 0) return;
  const int pitch = FSegmWidth + FSegmGap;
  const TColor unlit_outline = FSegmBorder ? FColBorder : ColBack();
  for (int lit = 0; lit < 2; ++lit) {
    TBitmap& strip = FStrips[lit];
    strip.SetSize(w, h);
    TCanvas& c = *strip.Canvas();
    c.CopyRect(Rect(0, 0, w, h), Canvas(), Area);
    const TCanvasSaver keep(c, cpBrush);
    c.Brush()->SetStyle(bsSolid);
    const TColor outline = lit ? FSegmColor : unlit_outline;
    const TColor inside = lit ? FSegmColor : ColBack();
    for (int k = 0; k < Fitting; ++k) {
      DrawSegment(c,
                  Vertical ? Rect(0, h - k * pitch - FSegmWidth, w, h - k * pitch)
                           : Rect(k * pitch, 0, k * pitch + FSegmWidth, h),
                  outline, inside);
    }
  }
}

// A band of PntrPercent of the bar ending at the shown percent, kept inside the bar.
void TGaugeGp::DrawBar(bool Vertical) {
  TRect r = BarArea();
  TCanvas& c = *Canvas();
  const int length = Vertical ? r.Bottom - r.Top - 2 : r.Right - r.Left - 2;
  const int offset = static_cast<int>(
      std::clamp<int64_t>(Round(0.01 * FShownPercent * length), -(1 << 30), 1 << 30));
  const int p = Vertical ? r.Bottom - 1 - offset : r.Left + 1 + offset;
  if (p == FLastDrawn) return;
  FLastDrawn = p;
  const TCanvasSaver keep(c, cpBrush);
  c.Brush()->SetStyle(bsSolid);
  if (FSegmBorder) {
    c.Brush()->SetColor(FColBorder);
    c.FrameRect(r);
  }
  InflateRect(r, -1, -1);
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  const int w = std::max<int>(1, static_cast<int>(Round(0.01 * FPntrPercent * length)));
  if (Vertical) {
    const int end = std::clamp(p, r.Top, r.Bottom - 1);
    const int band_bottom = std::min(end + w, r.Bottom);
    c.Brush()->SetColor(ColBack());
    c.FillRect(Rect(r.Left, r.Top, r.Right, end));
    c.FillRect(Rect(r.Left, band_bottom, r.Right, r.Bottom));
    c.Brush()->SetColor(FSegmColor);
    c.FillRect(Rect(r.Left, end, r.Right, band_bottom));
  } else {
    const int end = std::clamp(p, r.Left + 1, r.Right);
    const int band_left = std::max(end - w, r.Left);
    c.Brush()->SetColor(ColBack());
    c.FillRect(Rect(r.Left, r.Top, band_left, r.Bottom));
    c.FillRect(Rect(end, r.Top, r.Right, r.Bottom));
    c.Brush()->SetColor(FSegmColor);
    c.FillRect(Rect(band_left, r.Top, end, r.Bottom));
  }
}
