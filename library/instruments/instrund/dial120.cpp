// The dial of TMeter120: face, mapping, colour bands, scale, readout frame, caption, pointer
// shapes, LED sockets and maker mark, drawn by Paint into the static bitmap.

#include <algorithm>
#include <cstdlib>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/instruments/common/dialscale.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"

namespace {

constexpr double kSweep = 120;

bool Vertical(TOrientType o) { return o == orLeft || o == orRight; }

int ToInt(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -(1 << 30), 1 << 30)); }

TRect Box(TPoint A, TPoint B) { return NormalizeRect(Rect(A.X, A.Y, B.X, B.Y)); }

}  // namespace

void TMeter120::DrawDial() {
  TCanvas& c = *FrameBitmap->Canvas();
  // Form data can hold any range; the scale needs a valid one before anything is laid out.
  if (scale_.NonLinear) {
    RepairLogRange();
  } else if (scale_.End <= scale_.Start) {
    scale_.End = scale_.Start + 1;
  }
  c.SetFont(Font());
  layout_valid_ = LayoutDial(c);
  if (layout_valid_) {
    DrawBands(c);
    DrawScale(c);
    DrawReadoutAndCaption(c);
    BuildPointerShapes();
    DrawLedSocketsAndMark(c);
  }
  c.RemoveClip();
  marks_.Reset();
  if (layout_valid_) {
    UpdatePointer(true);
  } else {
    // Too small for a dial: show the frame alone.
    const TRect client = ClientRect();
    Canvas()->CopyRect(client, &c, client);
  }
}

bool TMeter120::LayoutDial(TCanvas& c) {
  const int w = Width(), h = Height();
  const int m = std::min(w, h);
  const int g = m / 40, p = m / 5;
  TRect inner = InnerRect;
  TRect face;
  if (BordLeft()) {
    inner.Left += g;
    face.Left = inner.Left;
  } else {
    face.Left = inner.Left - p;
  }
  if (BordTop()) {
    inner.Top += g;
    face.Top = inner.Top;
  } else {
    face.Top = inner.Top - p;
  }
  if (BordRight()) {
    inner.Right -= g;
    face.Right = inner.Right;
  } else {
    face.Right = inner.Right + p;
  }
  if (BordBottom()) {
    inner.Bottom -= g;
    face.Bottom = inner.Bottom;
  } else {
    face.Bottom = inner.Bottom + p;
  }

  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(col_shape_);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBack());
  if (shape_ == smtRectangle) {
    c.Rectangle(face);
  } else {
    c.RoundRect(face.Left, face.Top, face.Right, face.Bottom, p / 2, p / 2);
  }
  face_clip_ = face;
  InflateRect(face_clip_, -1, -1);
  c.SelectClipRect(face_clip_);

  map_.PixOrigin = inner.TopLeft();
  map_.PixExtent = {inner.Width(), inner.Height()};
  const double pw = map_.PixExtent.cx, ph = map_.PixExtent.cy;
  if (pw <= 0 || ph <= 0) return false;
  TPoint& vo = map_.VirtOrigin;
  TSize& ve = map_.VirtExtent;
  if (!Vertical(orientation_)) {
    if ((h * 23) / 10 > w) {
      vo.X = -960;
      vo.Y = ToInt(2 * std::llabs(Round(-960 * ph / pw)) + 250);
      ve.cx = 1920;
      ve.cy = -(vo.Y - 250);
    } else {
      vo.X = ToInt(Round(-800 * pw / ph * 0.5));
      vo.Y = 1050;
      ve.cx = std::abs(2 * vo.X);
      ve.cy = -800;
    }
    if (orientation_ == orTop) {
      angle_offset_ = 30;
      direction_ = 1;
    } else {
      vo.Y = 250;
      ve.cy = -ve.cy;
      angle_offset_ = -30;
      direction_ = -1;
    }
  } else {
    if (w * 2 < h) {
      vo.X = 250;
      vo.Y = ToInt(std::llabs(Round(850 * ph / pw)) / 2);
      ve.cx = 850;
      ve.cy = -2 * vo.Y;
    } else {
      vo.X = 250;
      vo.Y = 920;
      ve.cx = ToInt(Round(920 * 2.0 * pw / ph));
      ve.cy = -(2 * 920);
    }
    if (orientation_ == orLeft) {
      angle_offset_ = 60;
      direction_ = -1;
    } else {
      vo.X += ve.cx;
      ve.cx = -ve.cx;
      angle_offset_ = -60;
      direction_ = 1;
    }
  }
  if (!map_.Valid()) return false;
  pivot_ = map_.MapPoint(0, 0);
  r0_ = map_.MapPoint(-750, 0);
  if (Vertical(orientation_)) r0_ = RotatePoint(pivot_, r0_, 180);
  return true;
}

void TMeter120::DrawBands(TCanvas& c) {
  c.Pen()->SetWidth(2);
  const TRect box = Box(map_.MapPoint(-750, 750), map_.MapPoint(750, -750));
  const TRect inner = Box(map_.MapPoint(-680, 680), map_.MapPoint(680, -680));
  const double sweep = direction_ * kSweep;
  c.Pen()->SetStyle(psClear);
  c.Brush()->SetStyle(bsSolid);
  const TColor colours[3] = {col_min_, col_mid_, col_max_};
  for (int b = 0; b < 3; ++b) {
    // Bands of no width are left out (form data can hold inverted bounds too).
    if (!(bands_[b].to > bands_[b].from)) continue;
    c.Brush()->SetColor(colours[b]);
    DrawDialBand(c, box, pivot_, r0_, scale_.Angle(bands_[b].from, sweep) + angle_offset_,
                 scale_.Angle(bands_[b].to, sweep) + angle_offset_);
  }
  // The face colour over the inside leaves the bands as a ring.
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(ColBack());
  c.Brush()->SetColor(ColBack());
  DrawDialBand(c, inner, pivot_, r0_, angle_offset_, sweep + angle_offset_);
}

void TMeter120::DrawScale(TCanvas& c) {
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(col_scala_);
  c.Pen()->SetWidth(2);
  const TPoint t1 = map_.MapPoint(0, 760), t2 = map_.MapPoint(0, 840),
               t3 = map_.MapPoint(0, 810);
  if (FontAutom()) c.Font()->SetHeight((std::abs(t2.Y - t1.Y) * 3) / 2);
  const int label_width =
      (scale_.NonLinear ? c.TextWidth("103") : ScaleTextWidth(c, scale_.Start, scale_.End)) + 1;
  const int th = std::abs(c.Font()->Height());
  const TPoint l0 = orientation_ == orBottom
                        ? TPoint{t2.X - label_width / 2, t2.Y + th / 2}
                        : TPoint{t2.X - label_width / 2, t2.Y - (3 * th) / 2};

  TDialScaleLayout layout;
  layout.Pivot = pivot_;
  layout.C = {pivot_.X - label_width / 2, pivot_.Y - th / 2};
  // Onto the reference ray.
  const double base = Vertical(orientation_) ? direction_ * -30.0 + angle_offset_
                                             : direction_ * -kSweep + angle_offset_;
  layout.T1 = RotatePoint(pivot_, t1, base);
  layout.T2 = RotatePoint(pivot_, t2, base);
  layout.LogMinor = RotatePoint(pivot_, t3, base);
  layout.L0 = RotatePoint(layout.C, l0, base);
  layout.LabelWidth = label_width;
  layout.AngleOffset = angle_offset_;
  layout.SignedSweep = direction_ * kSweep;
  if (scale_.NonLinear) {
    DrawLogDialScale(c, layout, scale_, scala_part_, &marks_);
    return;
  }
  int minor = 0;
  if (scala_psub_ == -1) {
    minor = scala_part_ < 8 ? 2 : 0;
  } else if (scala_psub_ > 0) {
    minor = scala_psub_ + 1;
  }
  DrawLinearDialScale(c, layout, scale_, scala_part_, minor,
                      ScaleLabelDecimals(scale_.End - scale_.Start, 3, 5), th, &marks_);
}

void TMeter120::DrawReadoutAndCaption(TCanvas& c) {
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(col_dback_);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(col_drand_);
  disp_rect_ = Vertical(orientation_) ? Box(map_.MapPoint(250, 75), map_.MapPoint(655, -75))
                                      : Box(map_.MapPoint(-260, 590), map_.MapPoint(260, 400));
  if (disp_enable_) {
    c.Rectangle(disp_rect_);
    const int k = ((std::abs(disp_rect_.Height()) * 8) / 10) / 8;
    TRect cells = disp_rect_;
    InflateRect(cells, -k, -k);
    readout_->Layout(cells, 4, col_dback_);
  }
  c.Brush()->SetStyle(bsClear);
  const int tw = c.TextWidth(caption_);
  const int fh = c.Font()->Height();
  int x, y;
  if (Vertical(orientation_)) {
    const TPoint centre = map_.MapPoint(450, 140);
    x = centre.X - tw / 2;
    y = centre.Y - std::abs(fh / 2);
  } else {
    x = disp_rect_.Left + (disp_rect_.Width() - tw) / 2;
    y = orientation_ == orTop ? disp_rect_.Bottom + 2 : disp_rect_.Top - 2 - std::abs(fh);
  }
  c.TextOut(x, y, caption_);
}

void TMeter120::BuildPointerShapes() {
  const int g = std::min(Width(), Height()) / 40;
  const TPoint d = map_.MapPoint(75, 75);
  const int dy = d.Y - pivot_.Y;
  const int hw = 2 * g;
  const TPoint tip{pivot_.X, map_.MapPoint(0, 750).Y + dy};
  const TPoint pointer[3] = {tip, {pivot_.X - hw, pivot_.Y + dy}, {pivot_.X + hw, pivot_.Y + dy}};
  const int back = orientation_ == orBottom ? 2 * hw : -2 * hw;
  const TPoint peak[3] = {tip, {pivot_.X - 2 * hw, tip.Y + back}, {pivot_.X + 2 * hw, tip.Y + back}};
  // Onto the start of the scale.
  const double base = direction_ * -90.0 + angle_offset_;
  for (int i = 0; i < 3; ++i) {
    pointer_base_[i] = RotatePoint(pivot_, pointer[i], base);
    peak_base_[i] = RotatePoint(pivot_, peak[i], base);
  }
}

void TMeter120::DrawLedSocketsAndMark(TCanvas& c) {
  const int dx = map_.MapPoint(75, 75).X - pivot_.X;
  led_radius_ = std::abs((2 * dx) / 3);
  if (Vertical(orientation_)) {
    led_centre_[0] = map_.MapPoint(1000, 800);
    led_centre_[1] = map_.MapPoint(1000, -800);
  } else {
    led_centre_[0] = map_.MapPoint(-850, 950);
    led_centre_[1] = map_.MapPoint(850, 950);
  }
  if (led_enable_) {
    DrawLedSocket(c, led_centre_[0], led_radius_);
    DrawLedSocket(c, led_centre_[1], led_radius_);
    // One pixel less, so the grey ring stays round every LED drawn later.
    --led_radius_;
    SetColLed1(leds_[0].Colour);
    SetColLed2(leds_[1].Colour);
  }
  TFont* font = c.Font();
  font->SetName("Arial");
  font->SetHeight(-9);
  font->SetStyle({});
  font->SetColor(0x808080);
  c.Brush()->SetStyle(bsClear);
  const int tw = c.TextWidth(MakerMark);
  const int left = orientation_ == orLeft ? led_centre_[0].X - tw - led_radius_ - 4
                                          : led_centre_[0].X + led_radius_ + 4;
  c.TextOut(left, led_centre_[0].Y - 8, MakerMark);
}
