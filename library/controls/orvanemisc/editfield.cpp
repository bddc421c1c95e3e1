#include "library/controls/orvanemisc/editfield.h"

#include "library/foundation/helpers.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

TRect EditFieldRect(const TRect& Inner, int Width, int Height, TColor ColTxtBack) {
  TRect r = Inner;
  if (ColTxtBack == clSilver) return r;
  const int inset = FieldInset(Inner, Width, Height);
  InflateRect(r, -inset, -inset);
  return r;
}

void DrawEditFieldBevel(TCanvas& C, TRect& R, TPanelBevel Bevel, TColor ColTxtBack) {
  if (Bevel == bvNone) return;
  TCanvasSaver keep(C, cpPen);
  const bool white = ColTxtBack == clWhite;
  if (Bevel == bvRaised) {
    Frame3D(&C, R, white ? clGray : clWhite, white ? clBlack : clGray, 1);
  } else {
    Frame3D(&C, R, white ? clBlack : clGray, white ? clGray : clWhite, 1);
  }
}

void InvertCell(TCanvas& C, const TRect& R) {
  TCanvasSaver keep(C, cpPen | cpBrush);
  TPen& pen = *C.Pen();
  TBrush& brush = *C.Brush();
  pen.SetStyle(psSolid);
  pen.SetMode(pmXor);
  pen.SetColor(clWhite);
  brush.SetStyle(bsSolid);
  brush.SetColor(clWhite);
  C.Rectangle(R);
}
