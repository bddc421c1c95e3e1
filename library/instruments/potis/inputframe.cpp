// What the four frame controls share: position texts, caption box, preset button and the mouse.

#include <algorithm>
#include <cmath>

#include "library/foundation/helpers.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/canvas.h"

// ---- Position texts ----

TPositionTexts::TPositionTexts() = default;

namespace {

// The entry of a position, empty when the list has none.
std::string Entry(const TStringList& L, int Position) {
  if (Position < 0 || Position >= L.Count()) return {};
  return L.Strings(Position);
}

}  // namespace

std::string TPositionTexts::Text(int Position) const { return PosItemText(Entry(FList, Position)); }
int32_t TPositionTexts::Integer(int Position) const {
  return PosItemInteger(Entry(FList, Position));
}
TColor TPositionTexts::Color(int Position) const { return PosItemColor(Entry(FList, Position)); }
double TPositionTexts::Float(int Position) const { return PosItemFloat(Entry(FList, Position)); }

template <class F>
int TPositionTexts::Find(int Last, F&& Matches) const {
  // Only real positions: an entry beyond the last position cannot be selected.
  const int n = std::min(Last + 1, FList.Count());
  for (int i = 0; i < n; ++i) {
    if (Matches(FList.Strings(i))) return i;
  }
  return -1;
}

int TPositionTexts::FindText(const std::string& V, int Last) const {
  return Find(Last, [&](const std::string& E) { return PosItemText(E) == V; });
}
int TPositionTexts::FindInteger(int32_t V, int Last) const {
  return Find(Last, [&](const std::string& E) { return PosItemInteger(E) == V; });
}
int TPositionTexts::FindColor(TColor V, int Last) const {
  return Find(Last, [&](const std::string& E) { return PosItemColor(E) == V; });
}
int TPositionTexts::FindFloat(double V, int Last) const {
  return Find(Last, [&](const std::string& E) { return PosItemFloat(E) == V; });
}

// ---- TInputFrame ----

TInputFrame::TInputFrame(TComponent* AOwner, TTickProc DragTick)
    : TRahmen(AOwner), FDrag(std::move(DragTick)) {
  FDrag.Changing = [this] {
    if (onChanging) onChanging(this);
  };
}

void TInputFrame::SetCaption(const std::string& Value) {
  FCaption = Value;
  DrawCaption();
}

void TInputFrame::SetCaptEnable(bool Value) { StoreAndRepaint(FCaptEnable, Value); }
void TInputFrame::SetCaptBevel(TPanelBevel Value) { StoreAndRepaint(FCaptBevel, Value); }

void TInputFrame::SetColCaption(TColor Value) {
  FColCaption = Value;
  DrawCaption();
}

void TInputFrame::SetPresEnable(bool Value) { StoreAndRepaint(FPresEnable, Value); }
void TInputFrame::SetColPreset(TColor Value) { StoreAndRepaint(FColPreset, Value); }
void TInputFrame::SetColScala(TColor Value) { StoreAndRepaint(FColScala, Value); }
void TInputFrame::SetColButton(TColor Value) { StoreAndRepaint(FColButton, Value); }

void TInputFrame::StyleChanged(TObject*) { Invalidate(); }

void TInputFrame::DrawCaption() {
  if (!FPainted || !FCaptEnable) return;
  DrawCaptionText(*Canvas(), FCaptionRect, Font(), FCaption, FColCaption);
}

void TInputFrame::DrawCaptionBevel(TCanvas& C, TRect& Box) const {
  DrawBevelFrame(C, Box, FCaptBevel);
}

void TInputFrame::DrawPresetButton(bool Down) {
  if (!FPainted || !FPresEnable) return;
  DrawPresetFace(*Canvas(), FPresetRect, FColPreset, Down);
}

void TInputFrame::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseDown(Button, Shift, X, Y);
  if (!FDrag.BeginPress(Shift)) return;
  // The places come from the layout, so a press before the first paint lands where the paint
  // will draw them.
  if (FPresEnable && PtInRect(PresetRect(), {X, Y})) {
    FDrag.PressPreset();
    DrawPresetButton(true);
    return;
  }
  FDrag.PressElsewhere();
  PressAt(X, Y);
}

void TInputFrame::MouseMove(TShiftState Shift, int X, int Y) {
  TRahmen::MouseMove(Shift, X, Y);
  if (FDrag.MoveDrags(Shift)) DragTo(X, Y);
}

void TInputFrame::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TDragModel::TRelease r = FDrag.Release();
  if (r.Changed && onChanged) onChanged(this);
  if (r.Preset) {
    DrawPresetButton(false);
    if (onPreset) onPreset(this);
  }
  TRahmen::MouseUp(Button, Shift, X, Y);
}
