#include "library/instruments/potis/parts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/foundation/squaredial.h"
#include "library/foundation/store.h"
#include "library/instruments/common/dragmodel.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

namespace {

constexpr double kToArcStart = -135;

int FontSizeFor(double Factor, int Pixels) {
  return static_cast<int>(std::clamp<int64_t>(Round(Factor * Pixels) + 1, 7, 1000));
}

}  // namespace

// ---- Plane ----

bool TRotaryPlane::Setup(TRect Area, int Width, int Height) {
  Map = {};
  if (LayoutSquareDial(Map, Area, Width, Height) == 0) {
    Map = {};
    return false;
  }
  Centre = MapPoint(0, 0);
  return true;
}

int TRotaryPlane::Pixels(int Units) const { return std::abs(MapPoint(0, Units).Y - Centre.Y); }

TRect RotaryPresetRect(const TRect& Inner) {
  return Rect(Inner.Left, Inner.Bottom - std::max(Inner.Height() / 10, 11),
              Inner.Left + std::max(Inner.Width() / 6, 12), Inner.Bottom);
}

// ---- Drawing pieces ----

void FillOutlined(TCanvas& C, const TRect& R, TColor Colour) {
  TPen* pen = C.Pen();
  pen->SetMode(pmCopy);
  pen->SetStyle(psSolid);
  pen->SetWidth(1);
  pen->SetColor(clBlack);
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Colour);
  C.Rectangle(R);
}

void DrawPresetFace(TCanvas& C, const TRect& R, TColor Colour, bool Down) {
  const TCanvasSaver keep(C, cpPen | cpBrush);
  TRect inner = DrawButtonFace(&C, R, 1, bsNew, false, Down, false);
  InflateRect(inner, -2, -2);
  FillOutlined(C, inner, Colour);
}

void DrawCaptionText(TCanvas& C, const TRect& Box, const TFont* Font, const std::string& Caption,
                     TColor Colour) {
  const TCanvasSaver keep(C, cpFont | cpBrush);
  C.SetFont(Font);
  FitFontToRect(C, Box, Caption);
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(clSilver);
  C.FillRect(Box);
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(Colour);
  C.TextRect(Box, Box.Left + (Box.Width() - C.TextWidth(Caption)) / 2, Box.Top - 2, Caption);
}

void DrawBevelFrame(TCanvas& C, TRect& Box, TPanelBevel Bevel) {
  const TCanvasSaver keep(C, cpPen);
  if (Bevel == bvRaised) Frame3D(&C, Box, clWhite, clGray, 1);
  if (Bevel == bvLowered) Frame3D(&C, Box, clGray, clWhite, 1);
}

std::string Cut10(const std::string& S) { return S.substr(0, 10); }

bool StoreValue(double& Value, double V, bool Reading, const TScaleRange& Range) {
  if (DropOrStoreRead(Value, V, Reading)) return false;
  return StoreChanged(Value, Within(V, Range.Start, Range.End));
}

// ---- The value on the arc ----

namespace {

// A drag may turn the value by at most this much between two points.
constexpr double kArcJumpLimit = 45;

}  // namespace

double ArcPointerAngle(const TScaleRange& Range, double Value) {
  if (!(Range.End > Range.Start)) return 0;
  return std::clamp(270 * (Value - Range.Start) / (Range.End - Range.Start), 0.0, 270.0);
}

void PressArcValue(TDragModel& Drag, const TScaleRange& Range, double U) {
  Drag.Press(ArcValue(Range.Start, Range.End, U));
}

void DragArcValue(TDragModel& Drag, const TScaleRange& Range, double Value, double LastAngle,
                  double Angle) {
  const bool at_start = Value == Range.Start, at_end = Value == Range.End;
  if (!ArcMoveTaken(LastAngle, at_start, at_end, Angle, kArcJumpLimit)) return;
  Drag.Move(
      Within(ArcValue(Range.Start, Range.End, ArcAngle(Angle, false)), Range.Start, Range.End));
}

int RotaryLabelDecimals(double Start, double End) {
  const double r = End - Start;
  if (r < 3) return 2;
  if (r <= 10) return 1;
  return 0;
}

TPoint ArcStartPoint(const TRotaryPlane& P, int Radius) {
  return RotatePoint(P.Centre, P.MapPoint(0, Radius), kToArcStart);
}

TLabelPlace ArcStartLabel(const TRotaryPlane& P, int Radius, double Beyond, int Width, int Height) {
  const TPoint end = P.MapPoint(0, Radius);
  const int centre_y = end.Y - static_cast<int>(Round(Beyond));
  TLabelPlace place;
  place.Pivot = {P.Centre.X - Width / 2, P.Centre.Y - Height / 2};
  place.Corner = RotatePoint(place.Pivot, {end.X - Width / 2, centre_y - Height / 2}, kToArcStart);
  return place;
}

void SetRotaryLabelFont(TCanvas& C, const TRotaryPlane& P, bool FontAutom) {
  if (FontAutom) C.Font()->SetSize(FontSizeFor(1.4, P.Pixels(90)));
}

int DrawRotaryScale(TCanvas& C, const TRotaryPlane& P, const TScaleRange& Range, int ScalaPart,
                    TColor ColScala, bool FontAutom) {
  const TCanvasSaver keep(C, cpPen | cpBrush | cpFont);
  C.Brush()->SetStyle(bsClear);
  TPen* pen = C.Pen();
  pen->SetColor(ColScala);
  pen->SetMode(pmCopy);
  pen->SetStyle(psSolid);
  pen->SetWidth(1);
  const TRect box = Box(P.MapPoint(-670, 670), P.MapPoint(670, -670));
  const TPoint from = P.MapPoint(670, -670), to = P.MapPoint(-670, -670);
  C.Arc(box.Left, box.Top, box.Right, box.Bottom, from.X, from.Y, to.X, to.Y);

  SetRotaryLabelFont(C, P, FontAutom);
  const int width = ScaleTextWidth(C, Range.Start, Range.End) + 1;
  const int height = std::abs(C.Font()->Height());
  const TLabelPlace label = ArcStartLabel(P, 760, 0.8 * height, width, height);

  TDialScaleLayout layout;
  layout.Pivot = P.Centre;
  layout.T1 = ArcStartPoint(P, 670);
  layout.T2 = ArcStartPoint(P, 760);
  layout.LogMinor = layout.T2;
  layout.L0 = label.Corner;
  layout.C = label.Pivot;
  layout.LabelWidth = width;
  layout.AngleOffset = 0;
  layout.SignedSweep = 270;
  pen->SetWidth(2);
  // A thin tick half a division further: two parts per division.
  DrawLinearDialScale(C, layout, Range, ScalaPart, 2, RotaryLabelDecimals(Range.Start, Range.End),
                      height, nullptr);
  return height;
}

void ShrinkFontUntil(TCanvas& C, const std::function<bool()>& Fits) {
  constexpr int kSmallest = 7;
  while (C.Font()->Size() > kSmallest && !Fits()) C.Font()->SetSize(C.Font()->Size() - 1);
}

int SelectorLabelFontSize(const TRotaryPlane& P) { return FontSizeFor(3.5, P.Pixels(40)); }

void DrawKnob(TCanvas& C, const TRotaryPlane& P, TColor ColButton, TColor ColLight, TColor ColShade,
              TColor Outline) {
  const TCanvasSaver keep(C, cpPen | cpBrush);
  const TRect rim = Box(P.MapPoint(-600, 600), P.MapPoint(600, -600));
  auto pie = [&](TColor Colour, TPoint From, TPoint To) {
    C.Brush()->SetColor(Colour);
    C.Pie(rim.Left, rim.Top, rim.Right, rim.Bottom, From.X, From.Y, To.X, To.Y);
  };
  C.Pen()->SetMode(pmCopy);
  C.Pen()->SetStyle(psClear);
  C.Brush()->SetStyle(bsSolid);
  const TPoint upper_right = P.MapPoint(600, 600), lower_left = P.MapPoint(-600, -600);
  pie(ColLight, upper_right, lower_left);
  pie(ColButton, lower_left, upper_right);
  pie(ColShade, P.MapPoint(-600, -1100), P.MapPoint(1100, 600));
  C.Pen()->SetStyle(psSolid);
  C.Pen()->SetWidth(1);
  C.Pen()->SetColor(Outline);
  C.Brush()->SetColor(ColButton);
  C.Ellipse(Box(P.MapPoint(-400, 400), P.MapPoint(400, -400)));
}
