#include <algorithm>
#include <cmath>

#include "library/foundation/helpers.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/canvas_state.h"

namespace {

constexpr double kJumpLimit = 90;

}  // namespace

TSelector270::TSelector270(TComponent* AOwner)
    : TPositionSwitch(AOwner, 4, {"1", "2", "3", "4", "5"}) {
  Font()->SetColor(0x800000);
  SetCaption("Eingang");
  FColScala = 0x80;
}

int TSelector270::DrawScale(TCanvas& C) {
  const TCanvasSaver keep(C, cpPen | cpBrush | cpFont);
  const int r = FPlane.Pixels(40);
  if (FontAutom()) C.Font()->SetSize(SelectorLabelFontSize(FPlane));
  const TStringList& list = *FTexts.List();
  const int labels = std::min(list.Count(), FScalaPart + 1);
  // Where each label's text lies in the canvas's font: centred on its place beyond the dots.
  auto label_rect = [&](int I) {
    const int width = C.TextWidth("123") + 1;
    const int height = std::abs(C.Font()->Height());
    const TLabelPlace label = ArcStartLabel(FPlane, 760, 0.7 * height, width, height);
    const TPoint corner = RotatePoint(label.Pivot, label.Corner, 270.0 * I / FScalaPart);
    const int text = C.TextWidth(Cut10(PosItemText(list.Strings(I))));
    return Bounds(corner.X + (width - text) / 2, corner.Y, text, height);
  };
  // Long position texts would run over the control's edge.
  ShrinkFontUntil(C, [&] {
    for (int i = 0; i < labels; ++i) {
      const TRect box = label_rect(i);
      if (box.Left < InnerRect.Left || box.Top < InnerRect.Top || box.Right > InnerRect.Right ||
          box.Bottom > InnerRect.Bottom) {
        return false;
      }
    }
    return true;
  });
  const TPoint dot = ArcStartPoint(FPlane, 710);
  for (int i = 0; i <= FScalaPart; ++i) {
    const double angle = 270.0 * i / FScalaPart;
    const TPoint d = RotatePoint(FPlane.Centre, dot, angle);
    C.Pen()->SetMode(pmCopy);
    C.Pen()->SetStyle(psSolid);
    C.Pen()->SetWidth(1);
    C.Pen()->SetColor(FColScala);
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(FColScala);
    C.Ellipse(d.X - r, d.Y - r, d.X + r, d.Y + r);
    if (i >= labels) continue;
    C.Brush()->SetStyle(bsClear);
    const TRect box = label_rect(i);
    C.TextOut(box.Left, box.Top, Cut10(PosItemText(list.Strings(i))));
  }
  return std::abs(C.Font()->Height());
}

double TSelector270::PointerAngle() const {
  return 270.0 / FScalaPart * std::clamp(FPosition, 0, FScalaPart);
}

void TSelector270::PressArc(double U) { FDrag.Press(ArcPosition(FScalaPart, U)); }

void TSelector270::DragArc(double LastAngle, double Angle) {
  if (!ArcMoveTaken(LastAngle, FPosition == 0, FPosition == FScalaPart, Angle, kJumpLimit)) {
    return;
  }
  const int p = ArcPosition(FScalaPart, ArcAngle(Angle, false));
  if (p >= 0 && p <= FScalaPart) FDrag.Move(p);
}
