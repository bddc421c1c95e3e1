#include "library/instruments/common/leds.h"

#include "platform/graphics/canvas.h"

namespace {

void Circle(TCanvas& Canvas, TPoint Centre, int Radius, TColor PenColour, TColor BrushColour) {
  TPen* pen = Canvas.Pen();
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  pen->SetWidth(1);
  pen->SetColor(PenColour);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(BrushColour);
  Canvas.Ellipse(Centre.X - Radius, Centre.Y - Radius, Centre.X + Radius, Centre.Y + Radius);
}

}  // namespace

void DrawRoundLed(TCanvas& Canvas, TPoint Centre, int Radius, TColor Colour) {
  DrawLed(Canvas, ledCircle, LedCircleBox(Centre, Radius), Colour);
}

void DrawLedSocket(TCanvas& Canvas, TPoint Centre, int Radius) {
  Circle(Canvas, Centre, Radius, 0x808080, 0x000080);
}
