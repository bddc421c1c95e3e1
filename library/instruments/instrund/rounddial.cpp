// The dial pieces the round meters share, drawn by Paint into the static image, and the paint
// sequence round the meter's own DrawDialFace.

#include <algorithm>
#include <cstdlib>

#include "library/foundation/digits.h"
#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/instruments/common/squaredial.h"
#include "library/instruments/instrund/instrund.h"
#include "platform/graphics/bitmap.h"

void TRoundMeter::Paint() {
  TOrvaneBase::Paint();
  painted_ = true;
  DrawDial();
  DrawLed(0);
  DrawLed(1);
  if (OnRepaint) OnRepaint(this);
}

void TRoundMeter::DrawDial() {
  TCanvas& c = *FrameBitmap->Canvas();
  // Form data can hold any range; the scale needs a valid one before anything is laid out.
  if (scale_.NonLinear) {
    RepairLogRange();
  } else if (scale_.End <= scale_.Start) {
    scale_.End = scale_.Start + 1;
  }
  c.SetFont(Font());
  update_area_.Reset();
  layout_valid_ = DrawDialFace(c);
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

TRect TRoundMeter::DrawBorderedFace(TCanvas& c, bool RoundCorners) {
  const int m = std::min(Width(), Height());
  const int g = m / 40, p = m / 5;
  TRect inner = InnerRect;
  const TRect face = LayOutFace(inner, {BordLeft(), BordTop(), BordRight(), BordBottom()}, g, p);
  PrepareFacePen(c);
  if (RoundCorners) {
    c.RoundRect(face.Left, face.Top, face.Right, face.Bottom, p / 2, p / 2);
  } else {
    c.Rectangle(face);
  }
  map_.PixOrigin = inner.TopLeft();
  map_.PixExtent = {inner.Width(), inner.Height()};
  return face;
}

void TRoundMeter::PrepareFacePen(TCanvas& c) { SetFacePen(c, col_shape_, ColBack()); }

void TRoundMeter::DrawBandRing(TCanvas& c, const TRect& box, const TRect& inner, bool FullCircle) {
  c.Pen()->SetWidth(2);
  const double sweep = direction_ * sweep_;
  c.Pen()->SetStyle(psClear);
  c.Brush()->SetStyle(bsSolid);
  const TColor colours[3] = {col_min_, col_mid_, col_max_};
  for (int b = 0; b < 3; ++b) {
    // Bands of no width are left out (form data can hold inverted bounds too).
    if (!(bands_.To(b) > bands_.From(b))) continue;
    c.Brush()->SetColor(colours[b]);
    DrawDialBand(c, box, pivot_, r0_, scale_.Angle(bands_.From(b), sweep) + angle_offset_,
                 scale_.Angle(bands_.To(b), sweep) + angle_offset_);
  }
  // The face colour over the inside leaves the bands as a ring.
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(ColBack());
  c.Brush()->SetColor(ColBack());
  if (FullCircle) {
    c.Ellipse(inner);
  } else {
    DrawDialBand(c, inner, pivot_, r0_, angle_offset_, sweep + angle_offset_);
  }
}

void TRoundMeter::DrawScale(TCanvas& c, const TScaleGeometry& Geometry) {
  c.Brush()->SetStyle(bsClear);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(col_scala_);
  c.Pen()->SetWidth(2);
  if (FontAutom()) c.Font()->SetHeight(std::abs((3 * (Geometry.T2.Y - Geometry.T1.Y)) / 2));
  int label_width;
  if (scale_.NonLinear) {
    label_width = c.TextWidth("103");
  } else if (Geometry.WidthOnControl) {
    label_width = ScaleTextWidth(*Canvas(), scale_.Start, scale_.End);
  } else {
    label_width = ScaleTextWidth(c, scale_.Start, scale_.End);
  }
  ++label_width;
  const int th = std::abs(c.Font()->Height());
  const TPoint t2 = Geometry.T2;
  const TPoint l0 = Geometry.LabelsBelow ? TPoint{t2.X - label_width / 2, t2.Y + th / 2}
                                         : TPoint{t2.X - label_width / 2, t2.Y - (3 * th) / 2};
  TDialScaleLayout layout = DialScaleOnRay(pivot_, Geometry.T1, Geometry.T2, Geometry.LogMinor, l0,
                                           label_width, th, Geometry.BaseTurn);
  layout.AngleOffset = angle_offset_;
  layout.SignedSweep = direction_ * sweep_;
  if (scale_.NonLinear) {
    DrawLogDialScale(c, layout, scale_, scala_part_, &marks_);
    return;
  }
  DrawLinearDialScale(c, layout, scale_, scala_part_,
                      DialMinorCount(scala_psub_, scala_part_, auto_minor_below_),
                      ScaleLabelDecimals(scale_.End - scale_.Start, 3, 5), th, &marks_);
}

void TRoundMeter::DrawReadoutFrame(TCanvas& c, TPoint A, TPoint B) {
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(col_dback_);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(col_drand_);
  disp_rect_ = Box(A, B);
  if (!disp_enable_) return;
  c.Rectangle(disp_rect_);
  const int k = ((std::abs(disp_rect_.Height()) * 8) / 10) / 8;
  TRect cells = disp_rect_;
  InflateRect(cells, -k, -k);
  readout_->Layout(cells, 4, col_dback_);
}

void TRoundMeter::DrawHub(TCanvas& c, int Radius) {
  DrawDialHub(c, pivot_, Radius, col_shape_, col_circle_);
}

void TRoundMeter::SetPointerShapes(const TPoint (&Pointer)[3], const TPoint (&Peak)[3],
                                   double Turn) {
  for (int i = 0; i < 3; ++i) {
    pointer_base_[i] = RotatePoint(pivot_, Pointer[i], Turn);
    peak_base_[i] = RotatePoint(pivot_, Peak[i], Turn);
  }
}

void TRoundMeter::DrawLedSockets(TCanvas& c) {
  led_radius_ = std::abs(led_radius_);
  if (!led_enable_) return;
  DrawLedSocket(c, led_centre_[0], led_radius_);
  DrawLedSocket(c, led_centre_[1], led_radius_);
  // One pixel less, so the grey ring stays round every LED drawn later.
  --led_radius_;
  SetColLed1(leds_[0].Colour);
  SetColLed2(leds_[1].Colour);
}

void TRoundMeter::DrawMark(TCanvas& c, int X, int Y, bool RightAligned) {
  c.Font()->SetName("Arial");
  c.Font()->SetHeight(-9);
  DrawMeterMakerMark(c, RightAligned ? X - c.TextWidth(MakerMark) : X, Y);
}
