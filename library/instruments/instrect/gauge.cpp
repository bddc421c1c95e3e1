#include <algorithm>
#include <cmath>

#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "library/instruments/common/valuemodel.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"

TGaugeGp::TGaugeGp(TComponent* AOwner) : TRahmen(AOwner) {
  SetColBack(clBtnFace);
  SetWidth(100);
  SetHeight(18);
  damp_timer_id_ = TimerRegister([this](TObject*) {
    Perform(WM_USER, 0, 0);
    TickHook();
  });
}

TGaugeGp::~TGaugeGp() { TimerRemove(damp_timer_id_); }

void TGaugeGp::RepaintNow() {
  if (painted_) Paint();
}

// ---- Value and range ----

// Clamps V into the range; when it differs from the stored value (or Force) it is stored and
// Percent follows. A range of no width (only form data can hold one) reads as 0 %.
void TGaugeGp::ApplyValue(double V, bool Force) {
  if (V < value_min_) V = value_min_;
  if (V > value_max_) V = value_max_;
  if (V == value_ && !Force) return;
  value_ = V;
  const double span = value_max_ - value_min_;
  const double p = span > 0 ? (value_ - value_min_) / span * 100 : 0;
  if (p == percent_) return;
  percent_ = p;
  UpdateGauge();
}

void TGaugeGp::SetValue(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    value_ = V;
    return;
  }
  ApplyValue(V, false);
}

void TGaugeGp::Loaded() {
  TRahmen::Loaded();
  ApplyValue(value_, true);
}

void TGaugeGp::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseDown(Button, Shift, X, Y);
  TControl::MouseDown(Button, Shift, X, Y);
}

void TGaugeGp::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseUp(Button, Shift, X, Y);
  TControl::MouseUp(Button, Shift, X, Y);
}

void TGaugeGp::SetPercent(double V) {
  if (!std::isfinite(V)) return;
  if (V == percent_) return;
  percent_ = std::clamp(V, 0.0, 100.0);
  value_ = value_min_ + 0.01 * percent_ * (value_max_ - value_min_);
  UpdateGauge();
}

// A range change keeps Value inside the new range and recomputes Percent even when Value itself
// stays, so the bar shows the value's share of the new range.
void TGaugeGp::SetValueMin(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    value_min_ = V;
    return;
  }
  if (V >= value_max_) V = value_max_ - 1;
  if (V == value_min_) return;
  value_min_ = V;
  ApplyValue(value_, true);
}

void TGaugeGp::SetValueMax(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    value_max_ = V;
    return;
  }
  if (V <= value_min_) V = value_min_ + 1;
  if (V == value_max_) return;
  value_max_ = V;
  ApplyValue(value_, true);
}

void TGaugeGp::SetDamping(int V) { ApplyDamping(damping_, V, 10, damp_timer_id_); }

void TGaugeGp::SetPntrPercent(double V) {
  if (!std::isfinite(V)) return;
  V = std::clamp(V, 0.0, 100.0);
  if (V == pntr_percent_) return;
  pntr_percent_ = V;
  last_drawn_ = -1;
  UpdateGauge();
}

// ---- Appearance ----

void TGaugeGp::SetMeterMode(bool V) {
  if (StoreChanged(meter_mode_, V)) RepaintNow();
}
void TGaugeGp::SetSegmWidth(int V) {
  if (V > 0)
    if (StoreChanged(segm_width_, V)) RepaintNow();
}
void TGaugeGp::SetSegmGap(int V) {
  if (V >= 0)
    if (StoreChanged(segm_gap_, V)) RepaintNow();
}
void TGaugeGp::SetSegmBorder(bool V) {
  if (StoreChanged(segm_border_, V)) RepaintNow();
}
void TGaugeGp::SetSegmColor(TColor V) {
  if (StoreChanged(segm_color_, V)) RepaintNow();
}
void TGaugeGp::SetColBorder(TColor V) {
  if (StoreChanged(col_border_, V)) RepaintNow();
}

void TGaugeGp::SetOrientation(TOrientation V) {
  if (V == orientation_) return;
  orientation_ = V;
  if (painted_) SetBounds(Left(), Top(), Height(), Width());
}

// ---- Size and messages ----

// The orientation follows the aspect (a square lies horizontally) and the short side stays within
// 12..100 pixels. The size changes made here come back as nested size messages, which the guard
// ignores; when one of them turned the aspect round, the rule runs once more on the final size.
void TGaugeGp::SettleOrientation() {
  for (int pass = 0; pass < 3 && !resizing_; ++pass) {
    resizing_ = true;
    const int w = Width(), h = Height();
    orientation_ = h > w ? orVertical : orHorizontal;
    if (orientation_ == orHorizontal) {
      SetHeight(std::clamp(h, 12, 100));
    } else {
      SetWidth(std::clamp(w, 12, 100));
    }
    SetOrientation(Height() > Width() ? orVertical : orHorizontal);
    resizing_ = false;
    const bool settled = (Height() > Width() ? orVertical : orHorizontal) == orientation_ &&
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
  last_drawn_ = -1;
  strips_valid_ = false;
  painted_ = true;
  UpdateGauge();
  if (OnRepaint) OnRepaint(this);
}

TRect TGaugeGp::BarArea() const {
  TRect a = InnerRect;
  InflateRect(a, -2, -2);
  return a;
}

void TGaugeGp::UpdateGauge() {
  if (!painted_) return;
  shown_percent_ = DampStep(shown_percent_, percent_, damping_);
  TCanvas& c = *Canvas();
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(segm_color_);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(segm_color_);
  const bool vertical = orientation_ == orVertical;
  if (meter_mode_) {
    DrawBar(vertical);
  } else {
    DrawSegments(vertical);
  }
}

namespace {

// One segment as its outline and its inside: the pixels a one-pixel pen's Rectangle draws.
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
  const int pitch = segm_width_ + segm_gap_;
  const int64_t fill = Round(0.01 * shown_percent_ * length);
  const int fitting = length >= segm_width_ ? (length - segm_width_) / pitch + 1 : 0;
  const int lit = static_cast<int>(std::min<int64_t>(Round(double(fill) / pitch), fitting));
  if (lit == last_drawn_) return;
  TCanvas& c = *Canvas();
  if (!strips_valid_) MakeSegmentStrips(Vertical, a, fitting);
  const int w = a.Right - a.Left, h = a.Bottom - a.Top;
  const TColor unlit_outline = segm_border_ ? col_border_ : ColBack();
  if (fitting > 0 && (w <= 0 || h <= 0)) {
    // A frame wider than the control turns the bar inside out; its segments are drawn as the
    // rectangles they span.
    for (int k = 0; k < fitting; ++k) {
      const int at = Vertical ? a.Bottom - k * pitch - segm_width_ : a.Left + k * pitch;
      DrawSegment(c,
                  Vertical ? Rect(a.Left, at, a.Right, at + segm_width_)
                           : Rect(at, a.Top, at + segm_width_, a.Bottom),
                  k < lit ? segm_color_ : unlit_outline, k < lit ? segm_color_ : ColBack());
    }
  } else if (fitting > 0) {
    // Both strips hold the same pixels between the segments, so the split may fall anywhere in
    // the gap after the last lit segment.
    const TCopyMode mode = c.CopyMode();
    c.SetCopyMode(cmSrcCopy);
    if (Vertical) {
      const int split = std::clamp(h - lit * pitch, 0, h);
      c.CopyRect(Rect(a.Left, a.Top, a.Right, a.Top + split), strips_[0].Canvas(),
                 Rect(0, 0, w, split));
      c.CopyRect(Rect(a.Left, a.Top + split, a.Right, a.Bottom), strips_[1].Canvas(),
                 Rect(0, split, w, h));
    } else {
      const int split = std::clamp(lit * pitch, 0, w);
      c.CopyRect(Rect(a.Left, a.Top, a.Left + split, a.Bottom), strips_[1].Canvas(),
                 Rect(0, 0, split, h));
      c.CopyRect(Rect(a.Left + split, a.Top, a.Right, a.Bottom), strips_[0].Canvas(),
                 Rect(split, 0, w, h));
    }
    c.SetCopyMode(mode);
    // The pen and brush that drawing the last segment leaves.
    const bool last_lit = fitting - 1 < lit;
    c.Pen()->SetColor(last_lit ? segm_color_ : unlit_outline);
    c.Brush()->SetColor(last_lit ? segm_color_ : ColBack());
  }
  last_drawn_ = lit;
}

void TGaugeGp::MakeSegmentStrips(bool Vertical, const TRect& Area, int Fitting) {
  strips_valid_ = true;
  const int w = Area.Right - Area.Left, h = Area.Bottom - Area.Top;
  if (Fitting <= 0 || w <= 0 || h <= 0) return;
  const int pitch = segm_width_ + segm_gap_;
  const TColor unlit_outline = segm_border_ ? col_border_ : ColBack();
  for (int lit = 0; lit < 2; ++lit) {
    TBitmap& strip = strips_[lit];
    strip.SetSize(w, h);
    TCanvas& c = *strip.Canvas();
    c.CopyRect(Rect(0, 0, w, h), Canvas(), Area);
    const TColor outline = lit ? segm_color_ : unlit_outline;
    const TColor inside = lit ? segm_color_ : ColBack();
    for (int k = 0; k < Fitting; ++k) {
      DrawSegment(c,
                  Vertical ? Rect(0, h - k * pitch - segm_width_, w, h - k * pitch)
                           : Rect(k * pitch, 0, k * pitch + segm_width_, h),
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
      std::clamp<int64_t>(Round(0.01 * shown_percent_ * length), -(1 << 30), 1 << 30));
  const int p = Vertical ? r.Bottom - 1 - offset : r.Left + 1 + offset;
  if (p == last_drawn_) return;
  last_drawn_ = p;
  if (segm_border_) {
    c.Brush()->SetColor(col_border_);
    c.FrameRect(r);
  }
  InflateRect(r, -1, -1);
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  const int w = std::max<int>(1, static_cast<int>(Round(0.01 * pntr_percent_ * length)));
  c.Pen()->SetStyle(psClear);
  if (Vertical) {
    const int end = std::clamp(p, r.Top, r.Bottom - 1);
    const int band_bottom = std::min(end + w, r.Bottom);
    c.Brush()->SetColor(ColBack());
    c.FillRect(Rect(r.Left, r.Top, r.Right, end));
    c.FillRect(Rect(r.Left, band_bottom, r.Right, r.Bottom));
    c.Brush()->SetColor(segm_color_);
    c.FillRect(Rect(r.Left, end, r.Right, band_bottom));
  } else {
    const int end = std::clamp(p, r.Left + 1, r.Right);
    const int band_left = std::max(end - w, r.Left);
    c.Brush()->SetColor(ColBack());
    c.FillRect(Rect(r.Left, r.Top, band_left, r.Bottom));
    c.FillRect(Rect(end, r.Top, r.Right, r.Bottom));
    c.Brush()->SetColor(segm_color_);
    c.FillRect(Rect(band_left, r.Top, end, r.Bottom));
  }
  c.Pen()->SetStyle(psSolid);
}
