#include <algorithm>

#include "library/controls/txtscroll/txtscroll.h"

void TTextScroller::MoveCaret(int DCol, int DLine, bool KeepRow, bool Select, bool Absolute) {
  if (FLineCount <= 0) return;
  const TtsPos old = FCaretPos;
  const int old_first = FFirstCol;
  const int last = FLineCount - 1;
  const bool keep_row = KeepRow && old.Line >= FTopLine && old.Line < FTopLine + FVisLines;
  const int row = old.Line - FTopLine;

  // Steps are added in 64 bits: the largest ones ("to the end") must not overflow.
  int64_t line = int64_t(old.Line) + DLine;
  if (line < 0) {
    line = DLine < 0 ? 0 : last;
  } else if (line >= FLineCount) {
    line = last;
    if (line == old.Line && DCol == 0) return;
  }
  int64_t col = old.Col;
  if (FHexMode && line >= last) {
    line = std::max(0, last - 1);
    col = kHexFirstCol;
  }
  const std::string_view text = LineText(int(line));
  if (FExpandTabs && line != old.Line && !Absolute)
    col = ColumnToIndex(text, FCaretVisCol, FTabSize);
  col = std::clamp<int64_t>(col + DCol, 0, int64_t(text.size()));
  if (FHexMode) {
    if (col < kHexFirstCol) col = kHexFirstCol;
    if (IsHexGroupBlank(int(col), FHexSize)) col += col > old.Col ? 1 : -1;
    if (col >= int64_t(text.size())) col = int64_t(text.size()) - 1;
    col = std::max<int64_t>(col, 0);
  }
  FCaretPos = {int(line), int(col)};
  FCaretVisCol = IndexToColumn(text, FCaretPos.Col, FTabSize);
  if (!FExpandTabs) FCaretVisCol = FCaretPos.Col;

  if (keep_row || !CaretInView()) {
    const int cl = FCaretPos.Line;
    int top = FTopLine;
    if (keep_row)
      top = cl - row;
    else if (cl < FTopLine)
      top = cl;
    else if (cl >= FTopLine + FVisLines)
      top = cl - (FVisLines - 1);
    top = std::max(top, 0);
    if (cl > top + FVisLines - 1) top = cl - (FVisLines - 1);
    int first = FFirstCol;
    if (FCaretVisCol < FFirstCol)
      first = 0;
    else if (FCaretVisCol >= FFirstCol + FVisCols)
      first = FCaretVisCol - (FVisCols - 1);
    ScrollBy(first - FFirstCol, top - FTopLine);
  }

  if (FCaretPos != old || FFirstCol != old_first || FSel.Empty() == Select) {
    if (!FHexMode) {
      if (Select)
        ExtendSelection(true);
      else if (!FPassive)
        CollapseSelection(true);
    }
    UpdateCaretPos();
  }
}

void TTextScroller::MoveCaretTo(int Line, int Col, bool Select) {
  const auto delta = [](int to, int from) {
    return int(std::clamp<int64_t>(int64_t(to) - from, INT32_MIN, INT32_MAX));
  };
  MoveCaret(delta(Col, FCaretPos.Col), delta(Line, FCaretPos.Line), false, Select, true);
}

bool TTextScroller::CaretInView() const {
  return FCaretPos.Line >= FTopLine && FCaretPos.Line < FTopLine + FVisLines &&
         FCaretVisCol >= FFirstCol && FCaretVisCol < FFirstCol + FVisCols;
}

void TTextScroller::UpdateCaretPos() {
  FCaretVisCol = FExpandTabs ? IndexToColumn(LineText(FCaretPos.Line), FCaretPos.Col, FTabSize)
                             : FCaretPos.Col;
  if (CaretInView())
    FCaret.SetPosition({FLeftMargin + (FCaretVisCol - FFirstCol) * FCharWidth,
                        FTopMargin + (FCaretPos.Line - FTopLine) * FLineHeight});
  else
    FCaret.SetPosition({32767, 32767});
  PostMessage(Handle(), WM_TS_STATUSPENDING, FCaretVisCol, FCaretPos.Line);
}

// --- selection ---

void TTextScroller::CollapseSelection(bool Repaint) {
  const TtsRange old = FSel;
  FSel = {FCaretPos, FCaretPos};
  FAnchor = FCaretPos;
  if (Repaint && !old.Empty()) RepaintLines(old.Start.Line, old.End.Line);
}

void TTextScroller::ExtendSelection(bool Repaint) {
  const TtsRange old = FSel;
  if (FAnchor == FSel.Start)
    FSel.End = FCaretPos;
  else
    FSel.Start = FCaretPos;
  if (FSel.Reversed()) std::swap(FSel.Start, FSel.End);
  if (Repaint && !(FSel == old)) {
    RepaintLines(old.Start.Line, FSel.Start.Line);
    RepaintLines(old.End.Line, FSel.End.Line);
    RepaintLine(FCaretPos.Line);
  }
}

void TTextScroller::SelectRange(int StartLine, int StartCol, int EndLine, int EndCol,
                                bool CaretAtEnd) {
  CollapseSelection(true);
  if (FLineCount <= 0) return;
  const TtsPos far =
      CaretAtEnd ? TtsPos{ClampLine(StartLine), StartCol} : TtsPos{ClampLine(EndLine), EndCol};
  if (!(far == FSel.Start) && !(far == FAnchor)) {
    FCaretPos = far;
    CollapseSelection(false);
  }
  if (CaretAtEnd)
    MoveCaretTo(EndLine, EndCol, true);
  else
    MoveCaretTo(StartLine, StartCol, true);
  // Caret moves leave a hex view's selection alone; a range chosen here still takes effect.
  if (FHexMode) ExtendSelection(true);
}

// --- bookmarks ---

void TTextScroller::SetBookmark(int Index, int Line, int Col) {
  if (Index < 0 || Index > 9) return;
  TtsPos& mark = FBookmarks[size_t(Index)];
  if (mark.Line >= 0) RepaintLine(mark.Line);
  mark = {Line, Col};
  RepaintLine(Line);
}

void TTextScroller::ClearBookmark(int Index) {
  if (Index < 0 || Index > 9) return;
  TtsPos& mark = FBookmarks[size_t(Index)];
  if (mark.Line >= 0) RepaintLine(mark.Line);
  mark = {-1, -1};
}

void TTextScroller::GotoBookmark(int Index) {
  if (Index < 0 || Index > 9) return;
  const TtsPos mark = FBookmarks[size_t(Index)];
  if (mark.Line < 0) return;
  MoveCaretTo(mark.Line, mark.Col, false);
  if (FVisLines > 6) {
    if (mark.Line < FTopLine + 4)
      SetTopLine(FTopLine - 4);
    else if (mark.Line > FTopLine + FVisLines - 4)
      SetTopLine(FTopLine + 4);
  }
}

bool TTextScroller::IsBookmarkAt(int Index, int Line, int Col) const {
  if (Index < 0 || Index > 9) return false;
  return FBookmarks[size_t(Index)] == TtsPos{Line, Col};
}

TtsPos TTextScroller::Bookmark(int Index) const {
  if (Index < 0 || Index > 9) return {-1, -1};
  return FBookmarks[size_t(Index)];
}
