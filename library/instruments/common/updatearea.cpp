#include "library/instruments/common/updatearea.h"

#include <algorithm>

#include "library/foundation/helpers.h"
#include "platform/graphics/canvas.h"

TRect PolygonBox(std::span<const TPoint> Points) {
  if (Points.empty()) return TRect{};
  TRect box{Points[0].X, Points[0].Y, Points[0].X, Points[0].Y};
  for (const TPoint& p : Points) {
    box.Left = std::min(box.Left, p.X);
    box.Top = std::min(box.Top, p.Y);
    box.Right = std::max(box.Right, p.X);
    box.Bottom = std::max(box.Bottom, p.Y);
  }
  InflateRect(box, 1, 1);
  ++box.Right;
  ++box.Bottom;
  return box;
}

void TurnCorners(const TPoint (&From)[3], TPoint (&To)[3], const TPointTurn& By) {
  for (int i = 0; i < 3; ++i) To[i] = By(From[i]);
}

void BeginCompose(TCanvas& Work, TCanvas* Static, const TRect& Area) {
  Work.CopyRect(Area, Static, Area);
  Work.SelectClipRect(Area);
  Work.Pen()->SetStyle(psClear);
  Work.Pen()->SetMode(pmCopy);
  Work.Brush()->SetStyle(bsSolid);
}

void EndCompose(TCanvas& Work, TCanvas& Screen, const TRect& Area) {
  Screen.CopyRect(Area, &Work, Area);
}

TRect TUpdateArea::Next(const TRect& Client, const TRect& Now, const TRect& Changed, bool Whole) {
  TRect area = Client;
  if (!Whole && !FWhole) {
    UnionRect(area, FBefore, Now);
    UnionRect(area, area, Changed);
    IntersectRect(area, area, Client);
  }
  FBefore = Now;
  FWhole = false;
  return area;
}
