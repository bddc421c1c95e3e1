#include <cctype>

#include "library/controls/txtscroll/txtscroll.h"
#include "platform/forms/dialoghook.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

void TTextScroller::SetOverWrite(bool Value) {
  if (FReadOnly) Value = false;
  if (Value == FOverWrite) return;
  FOverWrite = Value;
  if (!FWindowSetUp) return;  // applied when the window exists
  TtsCaret& caret = *FCaret.Caret();
  if (Value) {
    FSavedCaret.ShowCaret = FShowCaret;
    SetShowCaret(true);
    FSavedCaret.Shape = caret.Shape();
    FSavedCaret.Image.Assign(caret.Bitmap());
    FSavedCaret.HotSpotX = caret.BitmapHotSpotX();
    FSavedCaret.HotSpotY = caret.BitmapHotSpotY();
    caret.SetBitmap(&FOverwriteBitmap);
    caret.SetShape(csBitmap);
    caret.SetBitmapHotSpotX(1);
    caret.SetBitmapHotSpotY(FFontSize < 9 ? -2 : FFontSize == 9 ? -1 : 0);
  } else {
    SetShowCaret(FSavedCaret.ShowCaret);
    caret.SetBitmap(&FSavedCaret.Image);
    caret.SetBitmapHotSpotX(FSavedCaret.HotSpotX);
    caret.SetBitmapHotSpotY(FSavedCaret.HotSpotY);
    caret.SetShape(FSavedCaret.Shape);
  }
  DoShowStatus(FCaretPos.Line, FCaretPos.Col);
}

void TTextScroller::WMChar(char C) {
  if (FOverWrite && C == 27) {
    SetOverWrite(false);
    return;
  }
  if (C == 8 || C == 9) return;
  const uint8_t c = uint8_t(C);
  if (!FOverWrite || c < 32 || c > 126) {
    MessageBeep(1);
    return;
  }
  if (FHexMode) {
    const int index = HexByteIndex(FCaretPos.Col, FCaretPos.Line);
    int b = GetHexByte(index);
    const int digit = HexDigit(C);
    switch (HexCharKind(FCaretPos.Col)) {
      case hkHighNibble:
        b = b < 0 || digit < 0 ? -1 : (b & 0x0F) | (digit << 4);
        break;
      case hkLowNibble:
        b = b < 0 || digit < 0 ? -1 : (b & 0xF0) | digit;
        break;
      case hkAscii:
        b = b < 0 ? -1 : c;
        break;
      case hkNone:
        b = -1;
        break;
    }
    if (b < 0) {
      MessageBeep(0x10);
      return;
    }
    SetHexByte(index, uint8_t(b));
    if (OnHexChange) OnHexChange(this, index + FHexOffset, uint8_t(b));
    AdvanceCaret();
    return;
  }
  ReplaceCharAtCaret(C);
  if (OnTextChange) OnTextChange(this, FCaretPos.Line, FCaretPos.Col, C);
  AdvanceCaret();
}

void TTextScroller::ReplaceCharAtCaret(char C) {
  const std::string_view text = LineText(FCaretPos.Line);
  if (FCaretPos.Col < int(text.size())) {
    std::string line(text);
    line[size_t(FCaretPos.Col)] = C;
    FLines->SetText(FCaretPos.Line, line);
    RepaintLine(FCaretPos.Line);
    FChanged = true;
  }
  DoShowStatus(FCaretPos.Line, FCaretPos.Col);
}

// One to the right after a typed character; from a line's end to the next line's start.
void TTextScroller::AdvanceCaret() {
  const int len = int(LineText(FCaretPos.Line).size());
  const int end = FHexMode ? len - 1 : len;
  if (FCaretPos.Col >= end)
    MoveCaretTo(FCaretPos.Line + 1, 0, false);
  else
    MoveCaretBy(1, 0, false, false);
}
