#include <filesystem>

#include "library/controls/txtscroll/txtscroll.h"
#include "platform/forms/msgbox.h"

void TTextScroller::OpenFile() {
  if (IsOpen()) return;
  FByteCount = 0;
  if (FFileName.empty()) return;
  std::error_code ec;
  if (!std::filesystem::exists(FFileName, ec)) {
    MessageDlg("File\r" + FFileName + "\r not found", mtError, {mbAbort}, 0);
    return;
  }
  SetWaitCursor(true);
  try {
    if (FHexMode) {
      // Sized anew for every opening, so a changed HexBufLen always gets a buffer of its size.
      FHexBuf.assign(size_t(FHexBufLen), 0);
      FByteCount = ReadFileStart(FFileName, FHexBuf);
      FLines = std::make_unique<TtsStringList>();
      BuildHexLines();
    } else {
      SetLineCount(0);
      FLines = ReadTextLines(FFileName);
      SetLineCount(FLines->Count());
    }
  } catch (...) {
    FLines.reset();
    FByteCount = 0;
    SetLineCount(0);
    SetWaitCursor(false);
    if (!ComponentState().Contains(csDesigning)) throw;
    return;
  }
  SetWaitCursor(false);
}

void TTextScroller::CloseFile() {
  FByteCount = 0;
  FLines.reset();
  SetLineCount(0);
}

void TTextScroller::SetLineCount(int N) {
  if (N == FLineCount) return;
  FLineCount = N;
  FTopLine = std::min(FTopLine, std::max(0, FLineCount - FVisLines));
  if (N > 0) MoveCaretTo(0, 0, false);
  CollapseSelection(false);
  FFirstCol = 0;
  FBookmarks.fill({-1, -1});
  SetVertRange();
  SetVertPos();
  SetHorzRange();
  SetHorzPos();
  if (HandleAllocated()) Invalidate();
}

int TTextScroller::ClampLine(int Line) const {
  return std::clamp(Line, 0, std::max(0, FLineCount - 1));
}

std::string_view TTextScroller::LineText(int Line) const {
  if (!FLines || Line < 0 || Line >= FLineCount) return {};
  const TStringNode node = FLines->GetNode(Line);
  return node.Text();
}

uint8_t TTextScroller::GetLineFlag(int Line) const {
  if (!FLines || Line < 0 || Line >= FLineCount) return 0;
  const TStringNode node = FLines->GetNode(Line);
  return node.Flag();
}

void TTextScroller::SetLineFlag(int Line, uint8_t Flag) {
  if (!FLines || Line < 0 || Line >= FLineCount) return;
  if (TStringNode node = FLines->GetNode(Line)) {
    node->SetFlag(Flag);
    RepaintLine(Line);
  }
}

int TTextScroller::GetLineCol(int& Col) const {
  Col = FMousePos.Col;
  return FMousePos.Line;
}
