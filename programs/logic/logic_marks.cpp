// Pointer and marker: their XOR lines in the diagram, their rows in the text view.
#include <algorithm>

#include "platform/base/numbers.h"
#include "programs/logic/logic.h"

int TLogic::MarkColumn(int32_t Pos) const {
  const int32_t width = FDispEndPos - FDispStartPos;
  if (width <= 0) return FLayout.Disp.Left + 1;
  return static_cast<int>(Round(double(Pos - FDispStartPos) * FLayout.DispWidth / width)) +
         FLayout.Disp.Left + 1;
}

void TLogic::DrawMarkLine(int X, TColor Color) {
  TCanvas& c = *Canvas();
  TPen* pen = c.Pen();
  pen->SetMode(pmXor);
  pen->SetWidth(2);
  pen->SetStyle(psSolid);
  pen->SetColor(Color);
  c.MoveTo(X, FLayout.Disp.Top);
  c.LineTo(X, FLayout.Disp.Bottom - 2);
  pen->SetMode(pmCopy);
  pen->SetWidth(1);
}

void TLogic::UpdatePointer() {
  FPointerPos = std::clamp(FPointerPos, FDispStartPos, FDispEndPos);
  if (!Painted()) return;
  DrawStatus();
  if (!FPointerEnable) return;
  if (FModus == TModus::TextDisp) {
    const int old = FPointerDrawn;
    FPointerDrawn = FPointerPos;
    if (old >= 0 && old != FPointerPos) DrawTextRow(old);
    DrawTextRow(FPointerPos);
    return;
  }
  const int x = MarkColumn(FPointerPos);
  if (x == FPointerDrawn) return;
  if (FPointerDrawn >= 0) DrawMarkLine(FPointerDrawn, FColPointer);
  DrawMarkLine(x, FColPointer);
  FPointerDrawn = x;
}

void TLogic::UpdateMarker() {
  FMarkerPos = std::clamp(FMarkerPos, 0, FBufferCount - 1);
  if (!Painted()) return;
  DrawStatus();
  if (!FMarkerEnable) return;
  if (FModus == TModus::TextDisp) {
    const int old = FMarkerDrawn;
    FMarkerDrawn = FMarkerPos;
    if (old >= 0 && old != FMarkerPos) DrawTextRow(old);
    DrawTextRow(FMarkerPos);
    return;
  }
  const bool in_view = FMarkerPos >= FDispStartPos && FMarkerPos <= FDispEndPos;
  const int x = in_view ? MarkColumn(FMarkerPos) : -1;
  if (x == FMarkerDrawn) return;
  // Erased only where a line is on the screen; outside the view none is drawn.
  if (FMarkerDrawn >= 0) DrawMarkLine(FMarkerDrawn, FColMarker);
  if (x >= 0) DrawMarkLine(x, FColMarker);
  FMarkerDrawn = x;
}

void TLogic::SetPointerEnable(bool Value) {
  FPointerEnable = Value;
  if (!Painted()) return;
  if (FModus == TModus::TextDisp) {
    DrawTextRow(FPointerPos);
  } else if (Value && FPointerDrawn < 0) {
    FPointerDrawn = MarkColumn(FPointerPos);
    DrawMarkLine(FPointerDrawn, FColPointer);
  } else if (!Value && FPointerDrawn >= 0) {
    DrawMarkLine(FPointerDrawn, FColPointer);
    FPointerDrawn = -1;
  }
  DrawStatus();
}

void TLogic::SetMarkerEnable(bool Value) {
  FMarkerEnable = Value;
  if (!Painted()) return;
  if (FModus == TModus::TextDisp) {
    DrawTextRow(FMarkerPos);
  } else if (Value && FMarkerDrawn < 0) {
    const int x = MarkColumn(FMarkerPos);
    const bool inside = FMarkerPos >= FDispStartPos && FMarkerPos <= FDispEndPos &&
                        x > FLayout.Disp.Left && x < FLayout.Disp.Right;
    if (inside) {
      FMarkerDrawn = x;
      DrawMarkLine(x, FColMarker);
    }
  } else if (!Value && FMarkerDrawn >= 0) {
    DrawMarkLine(FMarkerDrawn, FColMarker);
    FMarkerDrawn = -1;
  }
  DrawStatus();
}
