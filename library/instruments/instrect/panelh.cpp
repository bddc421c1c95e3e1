#include <algorithm>
#include <cstdlib>
#include <span>

#include "library/foundation/helpers.h"
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
  TRect face;
  if (BordRight()) {
    if (led_enable_) inner.Right -= led_column;
    inner.Right -= a;
    face.Right = inner.Right;
  } else {
    face.Right = inner.Right + b;
    if (led_enable_) inner.Right -= led_column;
  }
  if (BordLeft()) {
    inner.Left += a;
    face.Left = inner.Left;
  } else {
    face.Left = inner.Left - b;
  }
  if (BordTop()) {
    inner.Top += a;
    face.Top = inner.Top;
  } else {
    face.Top = inner.Top - b;
  }
  if (BordBottom()) {
    inner.Bottom -= a;
    face.Bottom = inner.Bottom;
  } else {
    face.Bottom = inner.Bottom + b;
  }
  led_radius_ = led_column / 3;
  led_centre_[0] = {inner.Right + (2 * led_column) / 3, (7 * h) / 10};
  led_centre_[1] = {inner.Right + (2 * led_column) / 3, (3 * h) / 10};

  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(col_shape_);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBack());
  if (shape_ == smtRectangle) {
    c.Rectangle(face);
  } else {
    c.RoundRect(face.Left, face.Top, face.Right, face.Bottom, b, b);
  }

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
  const int tick_top = (9 * sh) / 20 + s.Top;
  DrawScale(c, tick_top);

  // The caption in the band below the baseline.
  c.SetFont(FontCapt());
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBack());
  const TRect band{s.Left, baseline_ + 1, s.Right, s.Bottom};
  c.FillRect(band);
  c.Brush()->SetStyle(bsClear);
  c.TextRect(band, s.Left + (scale_length_ - c.TextWidth(caption_)) / 2, band.Top, caption_);

  if (led_enable_) {
    TFont* font = c.Font();
    font->SetName("Arial");
    font->SetHeight(-9);
    font->SetStyle({});
    font->SetColor(0x808080);
    c.TextOut(led_centre_[0].X - c.TextWidth(MakerMark) / 2 - 2, s.Bottom - 6, MakerMark);
  }
  half_width_ = (s.Bottom - (baseline_ + 1)) / 3;
  peak_top_ = LimitMarks().EndLabelRect.Top;
  c.Brush()->SetStyle(bsSolid);
  c.Pen()->SetStyle(psClear);
  EndPaint(scale_p0_ - 1);
}

void TMeterPanelH::DrawScale(TCanvas& c, int TickTop) {
  const TRect& s = scale_rect_;
  const int l = scale_length_;
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(col_scala_);
  c.Pen()->SetWidth(2);
  c.MoveTo(s.Left, baseline_);
  c.LineTo(s.Left + l, baseline_);
  const int minor_top = TickTop + (baseline_ - TickTop) / 3;
  const auto tick = [&](int x, int top) {
    c.MoveTo(x, baseline_);
    c.LineTo(x, top);
  };
  const auto minor = [&](int x) {
    c.Pen()->SetWidth(1);
    tick(x, minor_top);
    c.Pen()->SetWidth(2);
  };
  const int label_height = std::abs((c.Font()->Height() * 15) / 10);
  const int label_top = TickTop - label_height;
  if (scale_.NonLinear) {
    const int decades = scale_.Decades();
    const int q = c.TextWidth("103") / 2;
    c.Brush()->SetStyle(bsClear);
    double v = scale_.Start;
    for (int i = 0; i <= decades; ++i) {
      const int x = ValueToPixel(v);
      tick(x, TickTop);
      DrawPowerOfTen(x - q - 1, label_top, c, v);
      const TRect box{x - q - 3, label_top - 1, x - q - 3 + (24 * q) / 10, TickTop - 4};
      if (i == 0) marks_.StartLabelRect = box;
      if (i == decades) marks_.EndLabelRect = box;
      if (scala_part_ > 1 && i < decades) {
        for (int k = 1; k < scala_part_; ++k) minor(ValueToPixel(10.0 / scala_part_ * v * k));
      }
      v *= 10;
    }
    return;
  }
  const int parts = scala_part_;
  const double division = double(l) / parts;
  int minors = 0;
  if (scala_psub_ == -1) {
    minors = l / parts > 30 ? 1 : 0;
  } else {
    minors = scala_psub_;
  }
  const int decimals = ScaleLabelDecimals(scale_.End - scale_.Start, 3, 5);
  for (int i = 0; i <= parts; ++i) {
    const int x = static_cast<int>(Round(double(l) * i / parts + s.Left));
    tick(x, TickTop);
    if (i < parts) {
      for (int k = 1; k <= minors; ++k) {
        minor(x + static_cast<int>(Round(k * division / (minors + 1))));
      }
    }
    const std::string text =
        ScaleLabelText((scale_.End - scale_.Start) / parts * i + scale_.Start, decimals);
    const int tw = c.TextWidth(text);
    const int left = s.Left + (l * i) / parts - tw / 2;
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(ColBack());
    c.TextOut(left, label_top, text);
    const TRect box{left - 2, label_top, left - 2 + 2 * (tw / 2) + 5, TickTop - 3};
    if (i == 0) marks_.StartLabelRect = box;
    if (i == parts) marks_.EndLabelRect = box;
  }
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
