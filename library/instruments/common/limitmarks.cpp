#include "library/instruments/common/limitmarks.h"

#include "platform/graphics/canvas.h"

TColor TLimitMarks::MarkColour(TColor ColBack, TColor ColPointer) {
  return ColBack == clBlack ? clWhite : ColPointer;
}

void TLimitMarks::Reset() {
  FEnd = Mark{};
  FStart = Mark{};
}

void TLimitMarks::Sync(TCanvas& Screen, TColor Colour, const TRect& Rect, Mark& M, bool Flag) {
  const bool want = Flag && !M.hidden_phase;
  if (want == M.visible) return;
  // An XOR fill: a clear pen leaves the interior only, and the pen mode applies to it.
  Screen.Brush()->SetStyle(bsSolid);
  Screen.Brush()->SetColor(Colour);
  Screen.Pen()->SetStyle(psClear);
  Screen.Pen()->SetMode(pmXor);
  Screen.Rectangle(Rect);
  Screen.Pen()->SetMode(pmCopy);
  Screen.Pen()->SetStyle(psSolid);
  M.visible = want;
}

void TLimitMarks::AfterCopy(TCanvas& Screen, TColor Colour, bool OverRange, bool UnderRange) {
  FEnd.visible = false;
  FStart.visible = false;
  Sync(Screen, Colour, EndLabelRect, FEnd, OverRange);
  Sync(Screen, Colour, StartLabelRect, FStart, UnderRange);
}

void TLimitMarks::BlinkTick(TCanvas& Screen, TColor Colour, bool OverRange, bool UnderRange) {
  FEnd.hidden_phase = OverRange && !FEnd.hidden_phase;
  FStart.hidden_phase = UnderRange && !FStart.hidden_phase;
  Sync(Screen, Colour, EndLabelRect, FEnd, OverRange);
  Sync(Screen, Colour, StartLabelRect, FStart, UnderRange);
}

bool TLimitMarks::Busy(bool OverRange, bool UnderRange) const {
  return OverRange || UnderRange || FEnd.visible || FStart.visible;
}
