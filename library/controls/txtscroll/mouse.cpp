#include <algorithm>

#include "library/controls/txtscroll/txtscroll.h"
#include "platform/forms/systimer.h"

namespace {

// The primary mouse button as a virtual key.
int PrimaryButton() { return GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON; }

}  // namespace

void TTextScroller::WMMouseMove(int X, int Y, bool Synthetic) {
  FMousePos = PixelToPos(X, Y);
  if (!Synthetic) {
    TMessage m{WM_MOUSEMOVE, 0, MakeLong(X, Y), 0};
    TCustomControl::WndProc(m);
  }
  if (!FWaitCursorOn) {
    const bool over = PtInRect(Rect(0, FTopMargin, FLeftMargin, Height()), TPoint{X, Y});
    if (over && !FOverMargin) {
      FSavedCursor = Cursor();
      SetCursor(FMargCursor);
      FOverMargin = true;
    } else if (!over && FOverMargin) {
      SetCursor(FSavedCursor);
      FOverMargin = false;
    }
  }
  if (!FDragging || FPassive || FMousePos.Line < 0) return;
  if (FHexMode) {
    MoveCaretTo(FMousePos.Line, std::max(FMousePos.Col, 0), true);
  } else if (FMousePos.Col >= 0) {
    MoveCaretTo(FMousePos.Line, FMousePos.Col, true);
  } else {
    // Over the left margin whole lines are selected, from the anchor's line to the mouse's.
    const int a = FAnchor.Line, l = FMousePos.Line;
    const TtsRange want = l >= a ? TtsRange{{a, 0}, {l, int(LineText(l).size())}}
                                 : TtsRange{{l, 0}, {a, int(LineText(a).size())}};
    if (!(want == FSel)) {
      if (l >= a)
        SelectRange(a, 0, l, want.End.Col, true);
      else
        SelectRange(l, 0, a, want.End.Col, false);
    }
  }
}

void TTextScroller::WMLButtonDown(bool Shift) {
  if (FMousePos.Col >= 0 && FMousePos.Line >= 0) MoveCaretTo(FMousePos.Line, FMousePos.Col, Shift);
  if (FPassive) return;
  // While the button is held the selection follows the mouse, and a mouse resting beyond the
  // text keeps scrolling: one step per tick of a timer, not a busy loop.
  FDragging = true;
  if (!FDragTimer) FDragTimer = SetTimer(55, [this] { DragTick(); });
}

void TTextScroller::DragTick() {
  if (GetKeyState(PrimaryButton()) >= 0) {
    StopDrag();
    return;
  }
  TPoint p;
  if (!GetCursorPos(p)) return;
  p = ScreenToClient(p);
  WMMouseMove(p.X, p.Y, true);
}

void TTextScroller::StopDrag() {
  FDragging = false;
  if (FDragTimer) KillTimer(FDragTimer);
  FDragTimer = 0;
}

void TTextScroller::WMLButtonDblClk() {
  const TtsPos at = FMousePos;
  if (at.Col < 0 || at.Line < 0) return;
  if (!FReadOnly) {
    SetOverWrite(true);
    return;
  }
  const std::string_view s = LineText(at.Line);
  const int n = int(s.size());
  if (n == 0) return;
  // Back over what is no identifier, then over the word: a click on punctuation takes the word
  // to its left.
  int k = std::min(at.Col, n);
  while (k >= 0 && (k == n || !IsIdentChar(s[size_t(k)]))) --k;
  while (k >= 0 && IsIdentChar(s[size_t(k)])) --k;
  const int start = k + 1;
  int end = start;
  while (end < n && IsIdentChar(s[size_t(end)])) ++end;
  if (!FPassive) SelectRange(at.Line, start, at.Line, end, true);
}

void TTextScroller::WMSetFocus() {
  FFocused = true;
  if (ComponentState().Contains(csDesigning)) return;
  EnsureWindowSetup();
  FCaret.SetVisible(FShowCaret);
  FCaret.SetCreated(true);
}

void TTextScroller::WMKillFocus() {
  FCaret.SetCreated(false);
  FFocused = false;
}

void TTextScroller::WordAtCaret(TPoint& Pos, std::string& Word) const {
  Pos = {-1, -1};
  Word.clear();
  const int line = FMousePos.Line;
  int i = FMousePos.Col;
  const std::string_view s = LineText(line);
  const int n = int(s.size());
  if (i < 0 || line < 0 || i >= n) return;
  if (IsIdentChar(s[size_t(i)])) {
    while (i > 0 && IsIdentChar(s[size_t(i)])) --i;
  } else {
    while (i < n - 1 && !IsIdentChar(s[size_t(i)])) ++i;
  }
  if (!IsIdentChar(s[size_t(i)])) ++i;
  const int start = i;
  int j = start;
  while (j < n - 1 && IsIdentChar(s[size_t(j)])) ++j;
  if (j >= n || !IsIdentChar(s[size_t(j)])) --j;
  if (j >= start) Word.assign(s.substr(size_t(start), size_t(j - start + 1)));
  // The cell where the word starts on screen, tabs and sideways scrolling included.
  const int vis = FExpandTabs ? IndexToColumn(s, start, FTabSize) : start;
  Pos = {FLeftMargin + (vis - FFirstCol) * FCharWidth,
         FTopMargin + (line - FTopLine + 1) * FLineHeight};
}
