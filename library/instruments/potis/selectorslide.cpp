#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas.h"

TSelectorSlide::TSelectorSlide(TComponent* AOwner) : TSlideInput(AOwner, {}) {
  SetWidth(58);
  SetHeight(98);
  SetCaption("Select");
  TStringList* list = FTexts.List();
  for (const char* t : {"Ch 1", "Ch 2", "Ext 1", "Ext 2"}) list->Add(t);
  list->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
  FDrag.GetValue = [this] { return double(FPosition); };
  FDrag.SetValue = [this](double V) { SetPosition(static_cast<int>(V)); };
}

void TSelectorSlide::SetPosition(int Value) {
  if (Reading()) {
    FPosition = Value;
    return;
  }
  if (Value < 0 || Value > FScalaPart || Value == FPosition) return;
  FPosition = Value;
  MoveKnob();
}

void TSelectorSlide::SetScalaPart(int Value) {
  Value = std::clamp(Value, 1, 20);
  if (Value == FScalaPart) return;
  FScalaPart = Value;
  FPosition = std::min(FPosition, FScalaPart);
  Invalidate();
}

void TSelectorSlide::SetPosText(const TStringList* Value) {
  if (Value) FTexts.List()->Assign(*Value);
  Invalidate();
}

void TSelectorSlide::Select(int Found) {
  const TComponentState state = ComponentState();
  if (state.Contains(csLoading) || state.Contains(csReading) || Found < 0) return;
  SetPosition(Found);
}

void TSelectorSlide::SetPosString(const std::string& Value) {
  Select(FTexts.FindText(Value, FScalaPart));
}
void TSelectorSlide::SetPosinteger(int32_t Value) { Select(FTexts.FindInteger(Value, FScalaPart)); }
void TSelectorSlide::SetPosColor(TColor Value) { Select(FTexts.FindColor(Value, FScalaPart)); }
void TSelectorSlide::SetPosFloat(double Value) {
  if (std::isfinite(Value)) Select(FTexts.FindFloat(Value, FScalaPart));
}

void TSelectorSlide::DrawScale(TCanvas& C, int X0, int K) {
  const int q = K / 3;
  const int t = FDrawn.TravelTop, l = FDrawn.TravelLength;
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
