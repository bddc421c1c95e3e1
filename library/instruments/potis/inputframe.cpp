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

std::string TPositionTexts::Text(int Position) const { return PosItemText(Entry(list_, Position)); }
int32_t TPositionTexts::Integer(int Position) const {
  return PosItemInteger(Entry(list_, Position));
}
TColor TPositionTexts::Color(int Position) const { return PosItemColor(Entry(list_, Position)); }
double TPositionTexts::Float(int Position) const { return PosItemFloat(Entry(list_, Position)); }

template <class F>
int TPositionTexts::Find(int Last, F&& Matches) const {
  // Only real positions: an entry beyond the last position cannot be selected.
  const int n = std::min(Last + 1, list_.Count());
  for (int i = 0; i < n; ++i) {
    if (Matches(list_.Strings(i))) return i;
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
    : TRahmen(AOwner), drag_(std::move(DragTick)) {
  drag_.Changing = [this] {
    if (onChanging) onChanging(this);
  };
}

void TInputFrame::SetCaption(const std::string& V) {
  caption_ = V;
  DrawCaption();
}

void TInputFrame::SetCaptEnable(bool V) { StoreAndRepaint(capt_enable_, V); }
void TInputFrame::SetCaptBevel(TPanelBevel V) { StoreAndRepaint(capt_bevel_, V); }

void TInputFrame::SetColCaption(TColor V) {
  col_caption_ = V;
  DrawCaption();
}

void TInputFrame::SetPresEnable(bool V) { StoreAndRepaint(pres_enable_, V); }
void TInputFrame::SetColPreset(TColor V) { StoreAndRepaint(col_preset_, V); }
void TInputFrame::SetColScala(TColor V) { StoreAndRepaint(col_scala_, V); }
void TInputFrame::SetColButton(TColor V) { StoreAndRepaint(col_button_, V); }

void TInputFrame::StyleChanged(TObject*) { Invalidate(); }

void TInputFrame::DrawCaption() {
  if (!painted_ || !capt_enable_) return;
  DrawCaptionText(*Canvas(), caption_rect_, Font(), caption_, col_caption_);
}

void TInputFrame::DrawCaptionBevel(TCanvas& C, TRect& Box) const {
  DrawBevelFrame(C, Box, capt_bevel_);
}

void TInputFrame::DrawPresetButton(bool Down) {
  if (!painted_ || !pres_enable_) return;
  DrawPresetFace(*Canvas(), preset_rect_, col_preset_, Down);
}

void TInputFrame::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseDown(Button, Shift, X, Y);
  if (!drag_.BeginPress(Shift) || !painted_) return;
  if (pres_enable_ && PtInRect(preset_rect_, {X, Y})) {
    drag_.PressPreset();
    DrawPresetButton(true);
    return;
  }
  drag_.PressElsewhere();
  PressAt(X, Y);
}

void TInputFrame::MouseMove(TShiftState Shift, int X, int Y) {
  TRahmen::MouseMove(Shift, X, Y);
  if (painted_ && drag_.MoveDrags(Shift)) DragTo(X, Y);
}

void TInputFrame::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TDragModel::TRelease r = drag_.Release();
  if (r.Changed && onChanged) onChanged(this);
  if (r.Preset) {
    DrawPresetButton(false);
    if (onPreset) onPreset(this);
  }
  TRahmen::MouseUp(Button, Shift, X, Y);
}
