#include "library/instruments/common/leds.h"

#include <cstdlib>

#include "library/foundation/types.h"
#include "platform/graphics/canvas_state.h"

namespace {

void SocketPen(TCanvas& Canvas) {
  TPen* pen = Canvas.Pen();
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  pen->SetWidth(1);
  pen->SetColor(0x808080);
  Canvas.Brush()->SetStyle(bsSolid);
  Canvas.Brush()->SetColor(0x000080);
}

}  // namespace

int LedRadiusInSocket(int Socket, bool Shown) { return std::abs(Socket) - (Shown ? 1 : 0); }

void DrawRoundLed(TCanvas& Canvas, TPoint Centre, int Radius, TColor Colour) {
  const TCanvasSaver keep(Canvas, cpPen | cpBrush);
  DrawLed(Canvas, ledCircle, LedCircleBox(Centre, Radius), Colour);
}

void DrawLedSocket(TCanvas& Canvas, TPoint Centre, int Radius) {
  const TCanvasSaver keep(Canvas, cpPen | cpBrush);
  SocketPen(Canvas);
  Canvas.Ellipse(LedCircleBox(Centre, Radius));
}

TTriangleLed::TTriangleLed(TPoint Centre, int Size, bool PointsUp) {
  const int x = Centre.X, y = Centre.Y, s = Size;
  const int flip = PointsUp ? -1 : 1;
  Corners[0] = {x - 2 * s, y - flip * s};
  Corners[1] = {x, y + flip * ((3 * s) / 2)};
  Corners[2] = {x + 2 * s, y - flip * s};
}

void DrawTriangleLed(TCanvas& Canvas, const TTriangleLed& Led, TColor Colour) {
  const TCanvasSaver keep(Canvas, cpPen | cpBrush);
  DrawLedPolygon(Canvas, Led.Corners, Colour);
}

void DrawTriangleLedSocket(TCanvas& Canvas, const TTriangleLed& Led) {
  const TCanvasSaver keep(Canvas, cpPen | cpBrush);
  SocketPen(Canvas);
  Canvas.Polygon(Led.Corners);
}
