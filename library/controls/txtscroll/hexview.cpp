#include "library/controls/txtscroll/txtscroll.h"

void TTextScroller::BuildHexLines() {
  if (!FHexMode || !FLines) return;
  FLines = std::make_unique<TtsStringList>();
  SetLineCount(0);
  int n = 0;
  do {
    FLines->Add(HexLineText(FHexBuf, n, FHexOffset, FHexSize, FNonHexChar));
    ++n;
  } while (int64_t(n) * 16 < FByteCount);
  FLines->Add("");
  FCaretPos = {0, kHexFirstCol};
  SetLineCount(FLines->Count());
}

void TTextScroller::RebuildHexLine(int Line) {
  if (!FLines || Line < 0 || Line >= FLineCount - 1) return;
  FLines->SetText(Line, HexLineText(FHexBuf, Line, FHexOffset, FHexSize, FNonHexChar));
  RepaintLine(Line);
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
