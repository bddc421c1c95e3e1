#include <algorithm>
#include <cstdlib>
#include <span>

#include "library/foundation/helpers.h"
#include "library/foundation/squaredial.h"
#include "library/instruments/instrect/instrect.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"

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

namespace {

// A canvas in its first font: the labels' reach past the scale ends is measured in it, not in the
// meter's font.
TCanvas& PlainCanvas() {
  static TCanvas* const canvas = new TCanvas;
  return *canvas;
}

// The room of the LED column and the face's gap and overhang, from the width.
struct TRoom {
  int Gap, Overhang, LedColumn;
};
TRoom RoomFor(int Width) {
  const int b = std::min(Width / 16, 20);
  return {Width / 86, b, std::min(2 * b, 20)};
}

}  // namespace

TMeterPanelH::TLayout TMeterPanelH::Layout() const { return LayOut(*MeasuringCanvas()); }

TMeterPanelH::TLayout TMeterPanelH::LayOut(TCanvas& c) const {
  const int h = Height();
  const TRoom room = RoomFor(Width());
  TLayout l;
  TRect inner = FrameInnerRect();
  l.Face = FaceAround(inner, room.Gap, room.Overhang, {0, 0, FLedEnable ? room.LedColumn : 0, 0});
  l.LedRadius = room.LedColumn / 3;
  l.LedCentre[0] = {inner.Right + (2 * room.LedColumn) / 3, (7 * h) / 10};
  l.LedCentre[1] = {inner.Right + (2 * room.LedColumn) / 3, (3 * h) / 10};

  // Labels reach past the scale ends by about half their width.
  const int inset = FScale.NonLinear
                        ? (c.TextWidth("103") * 8) / 10
                        : (ScaleTextWidth(PlainCanvas(), FScale.Start, FScale.End) * 7) / 10;
  TRect s = inner;
  s.Left += inset;
  s.Right -= inset;
  s.Top += h / 20;
  s.Bottom -= h / 20;
  l.ScaleRect = s;
  const int sh = s.Bottom - s.Top;
  l.Baseline = (13 * sh) / 20 + s.Top;
  l.Geometry = {s.Left, l.Baseline, (9 * sh) / 20 + s.Top, 0, s.Left, s.Right - s.Left};
  l.Scale = LayOutScale(c, l.Geometry);
  return l;
}

void TMeterPanelH::Paint() {
  TOrvaneBase::Paint();
  TCanvas& c = *FrameBitmap->Canvas();
  const TCanvasSaver keep(c, cpBrush | cpFont);
  c.SetFont(Font());
  BeginPaint();
  FDrawn = LayOut(c);
  const TLayout& l = FDrawn;
  TakeLayout(l);
  DrawFace(c, l.Face, RoomFor(Width()).Overhang);
  const TRect& s = l.ScaleRect;
  DrawScale(c, l.Geometry, l.Scale);

  // The caption in the band below the baseline.
  c.SetFont(FontCapt());
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBack());
  const TRect band{s.Left, l.Baseline + 1, s.Right, s.Bottom};
  c.FillRect(band);
  c.Brush()->SetStyle(bsClear);
  c.TextRect(band, s.Left + (FScaleLength - c.TextWidth(FCaption)) / 2, band.Top, FCaption);

  if (FLedEnable) DrawCentredMakerMark(c, FLedCentre[0].X - 2, s.Bottom - 6);
  FHalfWidth = (s.Bottom - (l.Baseline + 1)) / 3;
  FPeakTop = LimitMarks().EndLabelRect.Top;
  EndPaint(FScaleP0 - 1);
}

void TMeterPanelH::PointerAt(int X, TPoint (&Corners)[3]) const {
  const int p = FHalfWidth;
  const int bottom = FDrawn.ScaleRect.Bottom;
  Corners[0] = {X, FDrawn.Baseline + 1 - 3 * p};
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
  const TCanvasSaver keep(Work, cpBrush);
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
  return TrianglesMoved(OldPointer, OldPeak, true, FPointer.PeakMode != ppNone);
}
