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

void TMeterPanelH::SetCaption(const std::string& Value) {
  FCaption = Value;
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
  DrawFace(c, inner, a, b, {0, 0, FLedEnable ? led_column : 0, 0}, b);
  FLedRadius = led_column / 3;
  FLedCentre[0] = {inner.Right + (2 * led_column) / 3, (7 * h) / 10};
  FLedCentre[1] = {inner.Right + (2 * led_column) / 3, (3 * h) / 10};

  // Labels reach past the scale ends by about half their width.
  const int inset = FScale.NonLinear
                        ? (c.TextWidth("103") * 8) / 10
                        : (ScaleTextWidth(*Canvas(), FScale.Start, FScale.End) * 7) / 10;
  TRect s = inner;
  s.Left += inset;
  s.Right -= inset;
  s.Top += h / 20;
  s.Bottom -= h / 20;
  FScaleRect = s;
  FScaleP0 = s.Left;
  FScaleLength = s.Right - s.Left;
  const int sh = s.Bottom - s.Top;
  FBaseline = (13 * sh) / 20 + s.Top;
  DrawScale(c, {s.Left, FBaseline, (9 * sh) / 20 + s.Top});

  // The caption in the band below the baseline.
  c.SetFont(FontCapt());
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBack());
  const TRect band{s.Left, FBaseline + 1, s.Right, s.Bottom};
  c.FillRect(band);
  c.Brush()->SetStyle(bsClear);
  c.TextRect(band, s.Left + (FScaleLength - c.TextWidth(FCaption)) / 2, band.Top, FCaption);

  if (FLedEnable) DrawMakerMark(c, FLedCentre[0].X - 2, s.Bottom - 6);
  FHalfWidth = (s.Bottom - (FBaseline + 1)) / 3;
  FPeakTop = LimitMarks().EndLabelRect.Top;
  c.Brush()->SetStyle(bsSolid);
  c.Pen()->SetStyle(psClear);
  EndPaint(FScaleP0 - 1);
}

void TMeterPanelH::PointerAt(int X, TPoint (&Corners)[3]) const {
  const int p = FHalfWidth;
  const int bottom = FScaleRect.Bottom;
  Corners[0] = {X, FBaseline + 1 - 3 * p};
  Corners[1] = {X - p, bottom};
  Corners[2] = {X + p, bottom};
}

void TMeterPanelH::PeakAt(int X, TPoint (&Corners)[3]) const {
  const int p = FHalfWidth;
  const int base = FPeakTop - (15 * p) / 10;
  Corners[0] = {X, FPeakTop};
  Corners[1] = {X - p, base};
  Corners[2] = {X + p, base};
}

void TMeterPanelH::DrawMovingParts(TCanvas& Work) {
  TPoint corners[3];
  PointerAt(FPointerPos, corners);
  Work.Brush()->SetColor(FColPointer);
  Work.Polygon(corners);
  if (FPointer.PeakMode == ppNone) return;
  PeakAt(FPeakPos, corners);
  Work.Brush()->SetColor(FColPeakPtr);
  Work.Polygon(corners);
}

TRect TMeterPanelH::MovedArea(int OldPointer, int OldPeak) const {
  TRect area{};
  TPoint corners[3];
  PointerAt(OldPointer, corners);
  UnionRect(area, area, PolygonBox(corners));
  PointerAt(FPointerPos, corners);
  UnionRect(area, area, PolygonBox(corners));
  if (FPointer.PeakMode != ppNone) {
    PeakAt(OldPeak, corners);
    UnionRect(area, area, PolygonBox(corners));
    PeakAt(FPeakPos, corners);
    UnionRect(area, area, PolygonBox(corners));
  }
  return area;
}
