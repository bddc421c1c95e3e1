#include "library/instruments/common/limitmarks.h"

#include "platform/graphics/canvas.h"

TColor TLimitMarks::MarkColour(TColor ColBack, TColor ColPointer) {
  return ColBack == clBlack ? clWhite : ColPointer;
}

void TLimitMarks::Reset() {
  end_ = Mark{};
  start_ = Mark{};
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
  end_.visible = false;
  start_.visible = false;
  Sync(Screen, Colour, EndLabelRect, end_, OverRange);
  Sync(Screen, Colour, StartLabelRect, start_, UnderRange);
}

void TLimitMarks::BlinkTick(TCanvas& Screen, TColor Colour, bool OverRange, bool UnderRange) {
  end_.hidden_phase = OverRange && !end_.hidden_phase;
  start_.hidden_phase = UnderRange && !start_.hidden_phase;
  Sync(Screen, Colour, EndLabelRect, end_, OverRange);
  Sync(Screen, Colour, StartLabelRect, start_, UnderRange);
}

bool TLimitMarks::Busy(bool OverRange, bool UnderRange) const {
  return OverRange || UnderRange || end_.visible || start_.visible;
}
