#include <algorithm>
#include <cstdlib>
#include <span>

#include "library/foundation/helpers.h"
#include "library/instruments/common/squaredial.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"

TMeterPanelH::TMeterPanelH(TComponent* AOwner) : TPanelMeter(AOwner, kPanelMeterRules, false) {
  Font()->SetColor(0x00FF00);
  SetColBack(clBlack);
  SetWidth(250);
  SetHeight(73);
}

void TMeterPanelH::SetCaption(const std::string& V) {
  caption_ = V;
  RepaintNow();
}

void TMeterPanelH::Paint() {
  TOrvaneBase::Paint();
  TCanvas& c = *FrameBitmap->Canvas();
  c.SetFont(Font());
  BeginPaint();
  const int w = Width(), h = Height();
  const int a = w / 86, b = std::min(w / 16, 20), led_column = std::min(2 * b, 20);
  TRect inner = InnerRect;
  DrawFace(c, inner, a, b, {0, 0, led_enable_ ? led_column : 0, 0}, b);
  led_radius_ = led_column / 3;
  led_centre_[0] = {inner.Right + (2 * led_column) / 3, (7 * h) / 10};
  led_centre_[1] = {inner.Right + (2 * led_column) / 3, (3 * h) / 10};

  // Labels reach past the scale ends by about half their width.
  const int inset = scale_.NonLinear
                        ? (c.TextWidth("103") * 8) / 10
                        : (ScaleTextWidth(*Canvas(), scale_.Start, scale_.End) * 7) / 10;
  TRect s = inner;
  s.Left += inset;
  s.Right -= inset;
  s.Top += h / 20;
  s.Bottom -= h / 20;
  scale_rect_ = s;
  scale_p0_ = s.Left;
  scale_length_ = s.Right - s.Left;
  const int sh = s.Bottom - s.Top;
  baseline_ = (13 * sh) / 20 + s.Top;
  DrawScale(c, {s.Left, baseline_, (9 * sh) / 20 + s.Top});

  // The caption in the band below the baseline.
  c.SetFont(FontCapt());
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBack());
  const TRect band{s.Left, baseline_ + 1, s.Right, s.Bottom};
  c.FillRect(band);
  c.Brush()->SetStyle(bsClear);
  c.TextRect(band, s.Left + (scale_length_ - c.TextWidth(caption_)) / 2, band.Top, caption_);

  if (led_enable_) DrawMakerMark(c, led_centre_[0].X - 2, s.Bottom - 6);
  half_width_ = (s.Bottom - (baseline_ + 1)) / 3;
  peak_top_ = LimitMarks().EndLabelRect.Top;
  c.Brush()->SetStyle(bsSolid);
  c.Pen()->SetStyle(psClear);
  EndPaint(scale_p0_ - 1);
}

void TMeterPanelH::PointerAt(int X, TPoint (&Corners)[3]) const {
  const int p = half_width_;
  const int bottom = scale_rect_.Bottom;
  Corners[0] = {X, baseline_ + 1 - 3 * p};
  Corners[1] = {X - p, bottom};
  Corners[2] = {X + p, bottom};
}

void TMeterPanelH::PeakAt(int X, TPoint (&Corners)[3]) const {
  const int p = half_width_;
  const int base = peak_top_ - (15 * p) / 10;
  Corners[0] = {X, peak_top_};
  Corners[1] = {X - p, base};
  Corners[2] = {X + p, base};
}

void TMeterPanelH::DrawMovingParts(TCanvas& Work) {
  TPoint corners[3];
  PointerAt(pointer_pos_, corners);
  Work.Brush()->SetColor(col_pointer_);
  Work.Polygon(corners);
  if (pointer_.PeakMode == ppNone) return;
  PeakAt(peak_pos_, corners);
  Work.Brush()->SetColor(col_peak_ptr_);
  Work.Polygon(corners);
}

TRect TMeterPanelH::MovedArea(int OldPointer, int OldPeak) const {
  TRect area{};
  TPoint corners[3];
  PointerAt(OldPointer, corners);
  UnionRect(area, area, PolygonBox(corners));
  PointerAt(pointer_pos_, corners);
  UnionRect(area, area, PolygonBox(corners));
  if (pointer_.PeakMode != ppNone) {
    PeakAt(OldPeak, corners);
    UnionRect(area, area, PolygonBox(corners));
    PeakAt(peak_pos_, corners);
    UnionRect(area, area, PolygonBox(corners));
  }
  return area;
}
