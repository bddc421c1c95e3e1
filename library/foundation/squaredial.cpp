#include "library/foundation/squaredial.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>

#include "library/foundation/frame.h"
#include "library/foundation/helpers.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas.h"

int LayoutSquareDial(TDialMapping& Map, TRect& Inner, int Width, int Height) {
  const int g = std::min(Width, Height) / 40;
  InflateRect(Inner, -g, -g);
  Map.PixOrigin = Inner.TopLeft();
  Map.PixExtent = {Inner.Width(), Inner.Height()};
  const double pw = Map.PixExtent.cx, ph = Map.PixExtent.cy;
  if (pw <= 0 || ph <= 0) return 0;
  int p;
  if (Height > Width) {
    Map.VirtOrigin = {-1000, ToInt(Round(ph * 1000 / pw))};
    Map.VirtExtent = {2000, 2 * Map.VirtOrigin.Y};
    p = Map.PixExtent.cx / 4;
  } else {
    Map.VirtOrigin = {-ToInt(Round(pw * 1000 / ph)), 1000};
    Map.VirtExtent = {std::abs(2 * Map.VirtOrigin.X), 2000};
    p = Map.PixExtent.cy / 4;
  }
  return Map.Valid() ? std::max(p, 1) : 0;
}

TSquareDial::TSquareDial(const TRect& FrameInner, int Width, int Height) : Inner(FrameInner) {
  Overhang = LayoutSquareDial(Map, Inner, Width, Height);
  if (Overhang == 0) return;
  Pivot = At(0, 0);
  HubRadius = At(150, 0).X - Pivot.X;
  PointerHalf = std::min(Width, Height) / 40;
}

void TSquareDial::Pointer(int TipY, TPoint (&Corners)[3]) const {
  const int base_y = Pivot.Y - HubRadius;
  Corners[0] = {Pivot.X, TipY};
  Corners[1] = {Pivot.X - PointerHalf, base_y};
  Corners[2] = {Pivot.X + PointerHalf, base_y};
}

void TSquareDial::PeakMarker(int Apex, TPoint (&Corners)[3]) const {
  const int h = (17 * PointerHalf) / 10;
  Corners[0] = {Pivot.X, Apex};
  Corners[1] = {Pivot.X - h, Apex - h};
  Corners[2] = {Pivot.X + h, Apex - h};
}

void TSquareDial::PlaceCornerLeds(int Socket, std::span<TPoint> Centres) const {
  const int q = (5 * Socket) / 2;
  const TPoint corners[4] = {{Inner.Left + q, Inner.Bottom - q},
                             {Inner.Right - q, Inner.Bottom - q},
                             {Inner.Left + q, Inner.Top + q},
                             {Inner.Right - q, Inner.Top + q}};
  assert(Centres.size() <= 4);
  std::copy_n(corners, Centres.size(), Centres.begin());
}

void DrawSquareDialFace(TCanvas& c, const TDialMapping& Map, TShapeTypeT Shape, int P,
                        TFaceSides Sides) {
  const TPoint& vo = Map.VirtOrigin;
  TRect face = Box(Map.MapDistance(vo.X, vo.Y),
                   Map.MapDistance(vo.X + Map.VirtExtent.cx, vo.Y - Map.VirtExtent.cy));
  if (!Sides.Left) face.Left -= P;
  if (!Sides.Top) face.Top -= P;
  if (!Sides.Right) face.Right += P;
  if (!Sides.Bottom) face.Bottom += P;
  const TRect square = SquareDialCircle(Map, 1000);
  const int corner = P / 2;
  switch (Shape) {
    case sstRectangle:
      c.Rectangle(face);
      break;
    case sstSquare:
      c.Rectangle(square);
      break;
    case sstRoundrect:
      c.RoundRect(face.Left, face.Top, face.Right, face.Bottom, corner, corner);
      break;
    case sstRoundSquare:
      c.RoundRect(square.Left, square.Top, square.Right, square.Bottom, corner, corner);
      break;
    case sstCircle:
      c.Ellipse(square);
      break;
  }
}

TRect SquareDialCircle(const TDialMapping& Map, int Radius) {
  return Box(Map.MapDistance(-Radius, Radius), Map.MapDistance(Radius, -Radius));
}

void DrawDialHub(TCanvas& c, TPoint Pivot, int Radius, TColor Outline, TColor Fill) {
  Radius = std::abs(Radius);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(Outline);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Fill);
  c.Ellipse(Pivot.X - Radius, Pivot.Y - Radius, Pivot.X + Radius, Pivot.Y + Radius);
}

TFaceSides BorderSides(const TFrameControl& Frame) {
  return {Frame.BordLeft(), Frame.BordTop(), Frame.BordRight(), Frame.BordBottom()};
}

TRect LayOutFace(TRect& Inner, TFaceSides Sides, int Gap, int Overhang, TFaceRoom Room) {
  TRect face;
  const auto side = [&](bool Bordered, int& In, int& Out, int Inward, int Kept) {
    if (Bordered) {
      In += Inward * (Kept + Gap);
      Out = In;
    } else {
      Out = In - Inward * Overhang;
      In += Inward * Kept;
    }
  };
  side(Sides.Left, Inner.Left, face.Left, 1, Room.Left);
  side(Sides.Top, Inner.Top, face.Top, 1, Room.Top);
  side(Sides.Right, Inner.Right, face.Right, -1, Room.Right);
  side(Sides.Bottom, Inner.Bottom, face.Bottom, -1, Room.Bottom);
  return face;
}

void SetFacePen(TCanvas& Canvas, TColor Outline, TColor Fill) {
  Canvas.Pen()->SetStyle(psSolid);
  Canvas.Pen()->SetMode(pmCopy);
  Canvas.Pen()->SetWidth(1);
  Canvas.Pen()->SetColor(Outline);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(Fill);
}
