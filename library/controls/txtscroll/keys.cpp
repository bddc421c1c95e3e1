#include <algorithm>
#include <climits>

#include "library/controls/txtscroll/txtscroll.h"

namespace {

bool IsDigitKey(uint16_t Key) { return Key >= '0' && Key <= '9'; }

}  // namespace

// --- the steps the keys use ---

void TTextScroller::CharLeft(bool Select) {
  if (FCaretPos.Col > 0)
    MoveCaretBy(-1, 0, false, Select);
  else if (FCaretPos.Line > 0)
    MoveCaretBy(INT_MAX, -1, false, Select);
}

void TTextScroller::CharRight(bool Select) {
  if (FCaretPos.Col < int(LineText(FCaretPos.Line).size()))
    MoveCaretBy(1, 0, false, Select);
  else
    MoveCaretTo(FCaretPos.Line + 1, 0, Select);
}

void TTextScroller::WordLeft(bool Select) {
  const TtsPos p = FCaretPos;
  if (p.Col == 0) {
    if (p.Line > 0) MoveCaretBy(INT_MAX, -1, false, Select);
    return;
  }
  const std::string_view s = LineText(p.Line);
  int c = std::min(p.Col, int(s.size())) - 1;
  while (c >= 0 && !IsIdentChar(s[size_t(c)])) --c;
  while (c >= 0 && IsIdentChar(s[size_t(c)])) --c;
  MoveCaretTo(p.Line, c + 1, Select);
}

void TTextScroller::WordRight(bool Select) {
  const TtsPos p = FCaretPos;
  const std::string_view s = LineText(p.Line);
  const int n = int(s.size());
  if (p.Col >= n) {
    MoveCaretTo(p.Line + 1, 0, Select);
    return;
  }
  int c = p.Col;
  if (Select) {
    // Selecting, the step ends behind the next word, also from blanks before it.
    while (c < n && !IsIdentChar(s[size_t(c)])) ++c;
    while (c < n && IsIdentChar(s[size_t(c)])) ++c;
  } else {
    while (c < n && IsIdentChar(s[size_t(c)])) ++c;
    while (c < n && !IsIdentChar(s[size_t(c)])) ++c;
  }
  MoveCaretTo(p.Line, c, Select);
}

void TTextScroller::CaretToTopRow(bool Select) {
  const int line = FCaretPos.Line;
  if (line >= FTopLine && line < FTopLine + FVisLines)
    MoveCaretBy(0, FTopLine - line, false, Select);
  else
    SetTopLine(line);
}

void TTextScroller::CaretToBottomRow(bool Select) {
  const int line = FCaretPos.Line;
  if (line >= FTopLine && line < FTopLine + FVisLines)
    MoveCaretBy(0, FTopLine + FVisLines - 1 - line, false, Select);
  else
    SetTopLine(line - (FVisLines - 1));
}

void TTextScroller::BookmarkKey(int Digit, TtsPos At) {
  if (IsBookmarkAt(Digit, FCaretPos.Line, FCaretPos.Col))
    ClearBookmark(Digit);
  else
    SetBookmark(Digit, At.Line, At.Col);
}

// --- the key map ---

bool TTextScroller::KeyCommand(uint16_t Key, bool Shift, bool Ctrl) {
  const int page = std::max(1, FVisLines - 1);
  const int col = FCaretPos.Col;
  const auto to_line_end = [&](bool select) {
    MoveCaretBy(int(std::min<int64_t>(int64_t(INT_MAX) - col, INT_MAX)), 0, false, select);
  };
  const auto to_text_end = [&](bool select) {
    MoveCaretBy(INT_MAX - col, FLineCount, false, select);
  };

  // Insert and the bookmark digits: the same with and without a caret, except that without one
  // copying is left to the form, and a bookmark is set where the mouse is.
  if (Key == VK_INSERT) {
    if (!Ctrl || Shift || !FShowCaret) return false;
    CopyToClipboard();
    return true;
  }
  if (IsDigitKey(Key)) {
    if (!Ctrl) return false;
    const int d = Key - '0';
    if (!Shift)
      GotoBookmark(d);
    else
      BookmarkKey(d, FShowCaret ? FCaretPos : FMousePos);
    return true;
  }

  if (!FShowCaret) {
    if (FPassive) Shift = false;
    const bool plain = !Shift && !Ctrl;
    switch (Key) {
      case VK_LEFT:
      case VK_BACK:
        if (plain || (Ctrl && FPassive)) {
          ScrollHorz(-1);
          return true;
        }
        if (Ctrl && Key == VK_LEFT) {
          WordLeft(false);
          return true;
        }
        return false;
      case VK_RIGHT:
        if (plain || (Ctrl && FPassive)) {
          ScrollHorz(1);
          return true;
        }
        if (Ctrl) {
          WordRight(false);
          return true;
        }
        return false;
      case VK_UP:
      case VK_DOWN:
        if (Shift) return false;
        ScrollBy(0, Key == VK_UP ? -1 : 1);
        return true;
      case VK_PRIOR:
      case VK_NEXT:
        if (!plain) return false;
        MoveCaretBy(0, Key == VK_PRIOR ? -page : page, true, false);
        return true;
      case VK_HOME:
        if (Shift) return false;
        MoveCaretTo(0, 0, false);
        return true;
      case VK_END:
        if (Shift) return false;
        to_text_end(false);
        return true;
      case VK_TAB:
        if (!plain) return false;
        WordLeft(false);
        return true;
      default:
        return false;
    }
  }

  if (FPassive) Shift = false;
  const bool sel = Shift;
  switch (Key) {
    case VK_LEFT:
    case VK_BACK:
      if (!Ctrl)
        CharLeft(sel);
      else if (FPassive)
        ScrollHorz(-1);
      else
        WordLeft(sel);
      return true;
    case VK_RIGHT:
      if (!Ctrl)
        CharRight(sel);
      else if (FPassive)
        ScrollHorz(1);
      else
        WordRight(sel);
      return true;
    case VK_UP:
    case VK_DOWN: {
      const int d = Key == VK_UP ? -1 : 1;
      if (Ctrl && !Shift)
        ScrollBy(0, d);
      else
        MoveCaretBy(0, d, false, sel);
      return true;
    }
    case VK_HOME:
      if (Ctrl)
        MoveCaretTo(0, 0, sel);
      else
        MoveCaretBy(-col, 0, false, sel);
      return true;
    case VK_END:
      if (Ctrl)
        to_text_end(sel);
      else
        to_line_end(sel);
      return true;
    case VK_PRIOR:
      if (Ctrl)
        CaretToTopRow(sel);
      else
        MoveCaretBy(0, -page, true, sel);
      return true;
    case VK_NEXT:
      if (Ctrl)
        CaretToBottomRow(sel);
      else
        MoveCaretBy(0, page, true, sel);
      return true;
    case VK_TAB:
      WordLeft(false);
      return true;
    default:
      return false;
  }
}
