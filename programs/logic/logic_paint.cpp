// Painting: the layout of the footer, the full redraw and the view it shows.
#include <algorithm>

#include "platform/base/numbers.h"
#include "programs/logic/logic.h"

void TLogic::Paint() {
  TDisplay::Paint();
  Font()->SetPitch(fpFixed);
  Canvas()->SetFont(Font());
  FFooter = TFooterLayout();
  if (HasFooter(DisplayTyp())) DrawFooter();
  FLayout.NameColumn.Top = FLayout.Disp.Top;
  FLayout.NameColumn.Bottom = FLayout.Disp.Bottom;
  FLayout.NameColumn.Right -= 6;
  FRows = std::max(FLayout.DispHeight / kRowHeight - 1, 0);
  RefreshDisplay();
}

void TLogic::RefreshDisplay() {
  if (!Painted()) return;
  FRemainder = 0;
  NormaliseChannels();
  if (FModus == TModus::Diagram) {
    if (FRecentre) {
      FChanFirst = FPendingZoom.ChanFirst;
      FChanLast = FPendingZoom.ChanLast;
      FDispStartPos = FPendingZoom.Start;
      FDispEndPos = FPendingZoom.End;
      NormaliseChannels();
    }
    NormaliseView();
  } else {
    if (FRecentre) {
      FDispStartPos = std::clamp(FPointerPos - FRows / 2, 0, std::max(FBufferCount - FRows - 1, 0));
      FDispEndPos = FDispStartPos + FRows;
    }
    FDispStartPos = std::clamp(FDispStartPos, 0, std::max(FBufferCount - 2, 0));
    FDispEndPos = std::clamp(FDispEndPos, FDispStartPos, FBufferCount - 1);
    FPointerPos = std::clamp(FPointerPos, 0, FBufferCount - 1);
    FMarkerPos = std::clamp(FMarkerPos, 0, FBufferCount - 1);
  }
  FRecentre = false;
  DrawStatus();
  DrawBufferBar();
  if (FModus == TModus::Diagram && DisplayTyp() != dispOnly) DrawNameColumn();
  if (FModus == TModus::Diagram)
    DrawDiagram();
  else
    DrawTextView();
  FPointerDrawn = -1;
  FMarkerDrawn = -1;
  UpdatePointer();
  UpdateMarker();
  if (onRefresh) onRefresh(this);
}
