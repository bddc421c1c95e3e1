#include <filesystem>

#include "library/controls/txtscroll/txtscroll.h"
#include "platform/base/paths.h"
#include "platform/forms/msgbox.h"

void TTextScroller::OpenFile() {
  if (IsOpen()) return;
  FByteCount = 0;
  if (FFileName.empty()) return;
  std::error_code ec;
  if (!std::filesystem::exists(FFileName, ec)) {
    MessageDlg("File\r" + PathToText(FFileName) + "\r not found", mtError, {mbAbort}, 0);
    return;
  }
  SetWaitCursor(true);
  try {
    if (FHexMode) {
      // Sized anew for every opening, so a changed HexBufLen always gets a buffer of its size.
      FHexBuf.assign(size_t(FHexBufLen), 0);
      FByteCount = ReadFileStart(FFileName, FHexBuf);
      FOpen = true;
      BuildHexLines();
    } else {
      SetLineCount(0);
      FLines = ReadTextLines(FFileName);
      FOpen = true;
      SetLineCount(FLines->Count());
    }
  } catch (...) {
    CloseFile();
    SetWaitCursor(false);
    if (!ComponentState().Contains(csDesigning)) throw;
    return;
  }
  SetWaitCursor(false);
}

void TTextScroller::CloseFile() {
  FOpen = false;
  FByteCount = 0;
  FLines.reset();
  FHexFlags = {};
  ForgetHexLines();
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
  if (!FOpen || Line < 0 || Line >= FLineCount) return {};
  if (FHexMode) return HexLineAt(Line);
  return FLines->GetNode(Line).Text();
}

uint8_t TTextScroller::GetLineFlag(int Line) const {
  if (!FOpen || Line < 0 || Line >= FLineCount) return 0;
  if (FHexMode) return FHexFlags[size_t(Line)];
  return FLines->GetNode(Line).Flag();
}

void TTextScroller::SetLineFlag(int Line, uint8_t Flag) {
  if (!FOpen || Line < 0 || Line >= FLineCount) return;
  if (FHexMode)
    FHexFlags[size_t(Line)] = Flag;
  else
    FLines->GetNode(Line).SetFlag(Flag);
  RepaintLine(Line);
}

int TTextScroller::GetLineCol(int& Col) const {
  Col = FMousePos.Col;
  return FMousePos.Line;
}
