#include "library/controls/orvanemisc/fifo.h"

#include <cstdlib>

#include "library/controls/orvanemisc/editfield.h"
#include "library/foundation/store.h"
#include "platform/graphics/canvas_state.h"

TFiFo::TFiFo(TComponent* AOwner) : TRahmen(AOwner) {
  SetControlStyle({csClickEvents, csDoubleClicks});
  SetTabStop(true);
  Font()->SetColor(clBlack);
  SetBounds(Left(), Top(), 80, 30);
}

void TFiFo::SetText(const std::string& Value) {
  if (!StoreChanged(FText, Value)) return;
  if (FText.size() >= kMaxText) FText.erase(0, 1);
  DrawText();
}

void TFiFo::SetTextChar(char Value) {
  if (FText.size() >= kMaxText) FText.erase(0, 1);
  FText += Value;
  DrawText();
}

void TFiFo::SetColTxtBack(TColor Value) {
  if (StoreChanged(FColTxtBack, Value)) DrawText();
}

void TFiFo::SetTextBevel(TPanelBevel Value) { StoreAndRepaint(FTextBevel, Value); }

void TFiFo::KeyPress(char& Key) {
  if (FReadOnly) return;
  SetTextChar(Key);
  if (OnChange) OnChange(this);
}

void TFiFo::Click() {
  TRahmen::Click();
  if (!FReadOnly && !Focused()) SetFocus();
}

void TFiFo::DoEnter() {
  TRahmen::DoEnter();
  if (!FReadOnly) DrawText();
}

void TFiFo::DoExit() {
  TRahmen::DoExit();
  if (FReadOnly) return;
  FNoCaret = true;
  DrawText();
}

void TFiFo::Paint() {
  TRahmen::Paint();
  if (FReadOnly) SetTabStop(false);
  FReady = true;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpFont);
  c.SetFont(Font());
  FField = EditFieldRect(InnerRect, Width(), Height(), FColTxtBack);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  DrawEditFieldBevel(c, FField, FTextBevel, FColTxtBack);
  FTextY = FField.Top + FField.Height() / 2 - (2 * std::abs(c.Font()->Height())) / 3 + 1;
  FTextX = FField.Left + 1;
  FMaxWidth = FField.Width();
  // A stored form appends its stored TextChar, #0 by default, to an empty text.
  if (FText == std::string(1, '\0')) FText.clear();
  DrawText();
  if (OnRepaint) OnRepaint(this);
}

void TFiFo::DrawText() {
  if (!FReady) return;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.SetFont(Font());
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(FColTxtBack);
  c.Pen()->SetMode(pmCopy);
  // The newest characters that fit, with a blank for the caret; a field too small for anything
  // shows nothing.
  std::string s = FText + ' ';
  while (!s.empty() && c.TextWidth(s) > FMaxWidth) s.erase(0, 1);
  FShown = s;
  c.TextRect(FField, FTextX, FTextY, s);
  if (Focused() && !FNoCaret && !FReadOnly && !s.empty()) {
    const int right = FField.Left + c.TextWidth(s);
    const int left = FField.Left + c.TextWidth(s.substr(0, s.size() - 1));
    InvertCell(c, Rect(left, FField.Top, right, FField.Bottom));
  }
  FNoCaret = false;
}
