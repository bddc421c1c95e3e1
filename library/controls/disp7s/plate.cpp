#include "library/controls/disp7s/plate.h"

#include "platform/graphics/canvas_state.h"
#include "platform/graphics/font.h"

void DrawPlate(TCanvas& C, const TRect& R, TmShapeType Shape, int Corner, TColor Back) {
  if (Back == clSilver) return;
  TCanvasSaver keep(C, cpPen | cpBrush);
  C.Pen()->SetStyle(psSolid);
  C.Pen()->SetMode(pmCopy);
  C.Pen()->SetWidth(1);
  C.Pen()->SetColor(clWhite);
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(Back);
  if (Shape == smtRectangle) {
    C.Rectangle(R);
  } else {
    C.RoundRect(R.Left, R.Top, R.Right, R.Bottom, Corner, Corner);
  }
}
