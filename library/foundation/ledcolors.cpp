#include "library/foundation/ledcolors.h"

#include "platform/graphics/canvas.h"

void SetLedPen(TCanvas& Canvas, TColor Fill) {
  TPen* pen = Canvas.Pen();
  pen->SetStyle(psSolid);
  pen->SetWidth(1);
  pen->SetMode(pmCopy);
  pen->SetColor(clBlack);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(Fill);
}

void DrawLed(TCanvas& Canvas, TLedShape Shape, const TRect& Box, TColor Fill) {
  SetLedPen(Canvas, Fill);
  if (Shape == ledCircle) {
    Canvas.Ellipse(Box);
  } else {
    Canvas.Rectangle(Box);
  }
}

void DrawLedPolygon(TCanvas& Canvas, std::span<const TPoint> Corners, TColor Fill) {
  SetLedPen(Canvas, Fill);
  Canvas.Polygon(Corners);
}
