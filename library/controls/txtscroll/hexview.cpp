#include "library/controls/txtscroll/txtscroll.h"

// The hex view keeps no line texts: a line takes more than four times the bytes it shows. Its
// lines are made from the bytes when they are asked for, and the last few are kept.
void TTextScroller::BuildHexLines() {
  if (!FHexMode || !FOpen) return;
  SetLineCount(0);
  ForgetHexLines();
  int n = 0;
  do ++n;
  while (int64_t(n) * 16 < FByteCount);
  // The last line stays empty.
  FHexFlags.assign(size_t(n) + 1, 0);
  FCaretPos = {0, kHexFirstCol};
  SetLineCount(n + 1);
}

void TTextScroller::RebuildHexLine(int Line) {
  if (!FOpen || Line < 0 || Line >= FLineCount - 1) return;
  for (HexLine& kept : FHexLines)
    if (kept.Line == Line) kept.Line = -1;
  RepaintLine(Line);
}

std::string_view TTextScroller::HexLineAt(int Line) const {
  if (Line >= FLineCount - 1) return {};
  for (const HexLine& kept : FHexLines)
    if (kept.Line == Line) return kept.Text;
  HexLine& made = FHexLines[size_t(FHexLineNext)];
  FHexLineNext = (FHexLineNext + 1) % kHexLinesKept;
  made.Text = HexLineText(FHexBuf, Line, FHexOffset, FHexSize, FNonHexChar);
  made.Line = Line;
  return made.Text;
}

void TTextScroller::ForgetHexLines() {
  for (HexLine& kept : FHexLines) kept.Line = -1;
}

int TTextScroller::HexByteIndex(int Col, int Line) const {
  if (!FHexMode || Line < 0 || Line >= FLineCount) return -1;
  const int byte = HexByteInLine(Col, FHexSize);
  return byte < 0 ? -1 : byte + 16 * Line;
}

THexCharKind TTextScroller::HexCharKind(int Col) const {
  THexCharKind kind = hkNone;
  if (FHexMode) HexByteInLine(Col, FHexSize, &kind);
  return kind;
}

int TTextScroller::GetHexByte(int Index) const {
  if (Index < 0 || size_t(Index) >= FHexBuf.size()) return -1;
  return FHexBuf[size_t(Index)];
}

void TTextScroller::SetHexByte(int Index, uint8_t B) {
  if (Index < 0 || size_t(Index) >= FHexBuf.size()) return;
  FHexBuf[size_t(Index)] = B;
  FChanged = true;
  RebuildHexLine(Index / 16);
  DoShowStatus(FCaretPos.Line, FCaretPos.Col);
}
