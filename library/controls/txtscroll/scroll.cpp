#include <algorithm>

#include "library/controls/txtscroll/txtscroll.h"

namespace {

int Clamp64(int64_t v, int lo, int hi) { return int(std::clamp<int64_t>(v, lo, hi)); }

}  // namespace

void TTextScroller::ScrollBy(int DCol, int DLine) {
  const int max_top = std::max(0, FLineCount - FVisLines);
  const int first = Clamp64(int64_t(FFirstCol) + DCol, 0, kMaxFirstCol);
  const int top = Clamp64(int64_t(FTopLine) + DLine, 0, max_top);
  if (first == FFirstCol && top == FTopLine) return;
  const bool top_changed = top != FTopLine;
  const bool first_changed = first != FFirstCol;
  FFirstCol = first;
  FTopLine = top;
  if (top_changed) SetVertPos();
  if (first_changed) SetHorzPos();
  if (HandleAllocated()) Repaint();
  UpdateMousePos();
  if (top_changed) DoTopLineChanged(top);
}

void TTextScroller::ScrollHorz(int DCol) {
  if (!FHexMode) ScrollBy(DCol, 0);
}

void TTextScroller::SetTopLine(int Line) {
  if (Line != FTopLine)
    ScrollBy(0, int(std::clamp<int64_t>(int64_t(Line) - FTopLine, INT32_MIN, INT32_MAX)));
}

void TTextScroller::UpdateMousePos() {
  TPoint p;
  if (!HandleAllocated() || !GetCursorPos(p)) return;
  p = ScreenToClient(p);
  FMousePos = PixelToPos(p.X, p.Y);
}

// --- scroll bars ---
// An empty range hides a bar (and the client area grows); while designing a bar stays visible.

TTextScroller::TBarState TTextScroller::BarState(int Bar, bool Present) const {
  TBarState state;
  state.Present = Present;
  GetScrollRange(Bar, state.Min, state.Max);
  state.Pos = GetScrollPos(Bar);
  return state;
}

void TTextScroller::ShowBars() {
  ShowScrollBar(SB_VERT, FVertPresent);
  ShowScrollBar(SB_HORZ, FHorzPresent);
}

void TTextScroller::SetVertRange() {
  FMaxTopLine = std::max(0, FLineCount - FVisLines);
  FVScale = FMaxTopLine / 16384 + 1;
  FVRange = FMaxTopLine / FVScale;
  if (!FVertPresent) return;
  SetScrollRange(SB_VERT, 0, FVRange == 0 && ComponentState().Contains(csDesigning) ? 1 : FVRange);
}

void TTextScroller::SetVertPos() {
  if (FVertPresent) SetScrollPos(SB_VERT, FTopLine / FVScale);
}

void TTextScroller::SetHorzRange() {
  if (!FHorzPresent) return;
  const bool designing = ComponentState().Contains(csDesigning);
  SetScrollRange(SB_HORZ, 0, FLineCount > 0 ? kMaxFirstCol : designing ? 1 : 0);
}

void TTextScroller::SetHorzPos() {
  if (FHorzPresent) SetScrollPos(SB_HORZ, FFirstCol);
}

void TTextScroller::WMVScroll(int Code, int Pos) {
  switch (Code) {
    case SB_LINEUP:
      ScrollBy(0, -1);
      break;
    case SB_LINEDOWN:
      ScrollBy(0, 1);
      break;
    case SB_PAGEUP:
      ScrollBy(0, -FVisLines);
      break;
    case SB_PAGEDOWN:
      ScrollBy(0, FVisLines);
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      const int max_top = std::max(0, FLineCount - FVisLines);
      int64_t line = Pos == 0 ? 0 : Pos == FVRange ? max_top : int64_t(Pos) * FVScale;
      SetTopLine(Clamp64(line, 0, max_top));
      break;
    }
    default:
      break;
  }
}

void TTextScroller::WMHScroll(int Code, int Pos) {
  switch (Code) {
    case SB_LINELEFT:
      ScrollHorz(-1);
      break;
    case SB_LINERIGHT:
      ScrollHorz(1);
      break;
    case SB_PAGELEFT:
      ScrollHorz(-10);
      break;
    case SB_PAGERIGHT:
      ScrollHorz(10);
      break;
    case SB_THUMBPOSITION:
      ScrollBy(Pos - FFirstCol, 0);
      break;
    case SB_THUMBTRACK: {
      const int first = std::clamp(Pos, 0, kMaxFirstCol);
      if (first == FFirstCol) break;
      FFirstCol = first;
      SetHorzPos();
      if (HandleAllocated()) Repaint();
      break;
    }
    default:
      break;
  }
}

// --- size ---

void TTextScroller::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (HandleAllocated()) {
    AHeight = std::max(AHeight, Height() - ClientHeight() + FLineHeight);
    AWidth = std::max(AWidth, Width() - ClientWidth() + FCharWidth);
  }
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  UpdateMetrics();
}

void TTextScroller::WMSize() {
  // Whatever changed the client size (also a scroll bar coming or going), the rows that fit
  // follow it.
  EnsureWindowSetup();
  UpdateMetrics();
  if (!FIntegHeight) return;
  const int r = (ClientHeight() - FTopMargin) % FLineHeight;
  if (r == 4) return;
  SetHeight(Height() + 4 - r);
  if (Parent() && (Align() == alTop || Align() == alBottom || Align() == alClient))
    Parent()->SetClientHeight(Height());
}

TtsPos TTextScroller::PixelToPos(int X, int Y) const {
  const int text_end = FLeftMargin + FVisCols * FCharWidth;
  int col;
  if (X < FLeftMargin)
    col = -1;
  else if (X >= text_end)
    col = FFirstCol + FVisCols;
  else
    col = (X - FLeftMargin) / FCharWidth + FFirstCol;
  int line;
  if (Y < FTopMargin)
    line = -1;
  else if (Y >= FTopMargin + FVisLines * FLineHeight)
    line = std::min(FTopLine + FVisLines, FLineCount - 1);
  else
    line = std::min((Y - FTopMargin) / FLineHeight + FTopLine, FLineCount - 1);
  if (col >= 0 && FExpandTabs && line >= 0) col = ColumnToIndex(LineText(line), col, FTabSize);
  return {line, col};
}

// --- repainting parts ---

void TTextScroller::RepaintLine(int Line) {
  if (!HandleAllocated() || Line < FTopLine || Line >= FTopLine + FVisLines) return;
  const int y = FTopMargin + (Line - FTopLine) * FLineHeight;
  InvalidateRect(Rect(0, y, ClientWidth(), y + FLineHeight));
}

void TTextScroller::RepaintLines(int A, int B) {
  if (A > B) std::swap(A, B);
  A = std::max(A, FTopLine);
  B = std::min(B, FTopLine + FVisLines - 1);
  for (int line = A; line <= B; ++line) RepaintLine(line);
}

void TTextScroller::RepaintSelection() {
  if (!FSel.Empty() && HandleAllocated()) Invalidate();
}
