#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"

TSelectorSlide::TSelectorSlide(TComponent* AOwner)
    : TPositionSwitch(AOwner, 3, {"Ch 1", "Ch 2", "Ext 1", "Ext 2"}) {
  SetWidth(58);
  SetHeight(98);
  SetCaption("Select");
}

void TSelectorSlide::DrawScale(TCanvas& C, int X0, int K) {
  const int q = K / 3;
  const int t = FDrawn.TravelTop, l = FDrawn.TravelLength;
  const TCanvasSaver keep(C, cpPen | cpBrush);
  // The trench, then the scale's thin pen.
  FillOutlined(C, Rect(X0 - 6 * q, t, X0 - 4 * q, t + l), clBlack);
  C.Pen()->SetColor(FColScala);
  C.Brush()->SetStyle(bsClear);
  const int fh = std::abs(C.Font()->Height());
  const int x = X0 - 2 * q;
  const TStringList& list = *FTexts.List();
  // A position without a text keeps its tick and has no label.
  DrawScaleLayout(C, StraightScaleLayout(
                         LinearDivision({}, FScalaPart, 0), {{true, x, x + K, x + K, 1, 1}},
                         [&](const TScaleTick& T) { return t + l - l * T.Index / FScalaPart; },
                         [&](const TScaleTick& T, int Y) {
                           const std::string text =
                               T.Index < list.Count() ? PosItemText(list.Strings(T.Index)) : "";
                           return TPlacedLabel{{{x + K, Y - fh * 2 / 3}, text}, {}};
                         }));
}

int TSelectorSlide::KnobCentreX(int X0, int K) const { return X0 - 4 * (K / 3); }

int TSelectorSlide::KnobCentreY() {
  FPosition = std::clamp(FPosition, 0, FScalaPart);
  return FDrawn.TravelTop + FDrawn.TravelLength -
         static_cast<int>(Round(double(FDrawn.TravelLength) / FScalaPart * FPosition));
}

void TSelectorSlide::PressAt(int X, int Y) {
  const TLayout l = Layout();
  if (l.TravelLength < 1 || Y == FLastPoint.Y) return;
  FLastPoint = {X, Y};
  const int p = TravelPosition(FScalaPart, l.Distance(Y), l.TravelLength);
  // A position beyond the ends selects nothing (and so fires nothing).
  if (p >= 0 && p <= FScalaPart) FDrag.Press(p);
}

void TSelectorSlide::DragTo(int, int Y) {
  const TLayout l = Layout();
  if (l.TravelLength < 1 || Y == FLastPoint.Y) return;
  FLastPoint.Y = Y;
  const int p = TravelPosition(FScalaPart, l.Distance(Y), l.TravelLength);
  if (p >= 0 && p <= FScalaPart) FDrag.Move(p);
}
