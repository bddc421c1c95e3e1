#include "library/instruments/common/limitmarks.h"

#include "platform/graphics/canvas_state.h"

TColor TLimitMarks::MarkColour(TColor ColBack, TColor ColPointer) {
  return ColBack == clBlack ? clWhite : ColPointer;
}

void TLimitMarks::Reset() {
  FEnd = TMark{};
  FStart = TMark{};
}

void TLimitMarks::Sync(TCanvas& Screen, TColor Colour, const TRect& Rect, TMark& M, bool Flag) {
  const bool want = Flag && !M.HiddenPhase;
  if (want == M.Visible) return;
  // An XOR fill: a clear pen leaves the interior only, and the pen mode applies to it.
  const TCanvasSaver keep(Screen, cpPen | cpBrush);
  Screen.Brush()->SetStyle(bsSolid);
  Screen.Brush()->SetColor(Colour);
  Screen.Pen()->SetStyle(psClear);
  Screen.Pen()->SetMode(pmXor);
  Screen.Rectangle(Rect);
  M.Visible = want;
}

void TLimitMarks::AfterCopy(TCanvas& Screen, TColor Colour, bool OverRange, bool UnderRange) {
  FEnd.Visible = false;
  FStart.Visible = false;
  Sync(Screen, Colour, EndLabelRect, FEnd, OverRange);
  Sync(Screen, Colour, StartLabelRect, FStart, UnderRange);
}

void TLimitMarks::BlinkTick(TCanvas& Screen, TColor Colour, bool OverRange, bool UnderRange) {
  if (!Busy(OverRange, UnderRange)) return;
  FEnd.HiddenPhase = OverRange && !FEnd.HiddenPhase;
  FStart.HiddenPhase = UnderRange && !FStart.HiddenPhase;
  Sync(Screen, Colour, EndLabelRect, FEnd, OverRange);
  Sync(Screen, Colour, StartLabelRect, FStart, UnderRange);
}

bool TLimitMarks::Busy(bool OverRange, bool UnderRange) const {
  return OverRange || UnderRange || FEnd.Visible || FStart.Visible;
}

void TLimitMarks::AddShownTo(TRect& Area) const {
  if (FEnd.Visible) UnionRect(Area, Area, EndLabelRect);
  if (FStart.Visible) UnionRect(Area, Area, StartLabelRect);
}
