#pragma once
// The clipboard as plain text (Windows-1252 bytes here, Unicode on the desktop).

#include <string>

#include "platform/base/object.h"

// Replaces the clipboard's content; false when the clipboard cannot be had.
bool SetClipboardText(const std::string& Text);
// The clipboard's plain text; empty when it holds none.
std::string GetClipboardText();

constexpr unsigned CF_TEXT = 1;

// The class library's clipboard object over the same text.
class TClipboard : public TObject {
 public:
  std::string AsText() const { return GetClipboardText(); }
  void SetAsText(const std::string& Value) { SetClipboardText(Value); }
  // The text up to the first NUL; nullptr empties the clipboard.
  void SetTextBuf(const char* Buffer);
  // Copies at most BufSize - 1 characters and a NUL; returns the number of characters copied.
  int GetTextBuf(char* Buffer, int BufSize) const;
  // True for CF_TEXT while the clipboard holds text.
  bool HasFormat(unsigned Format) const;
  void Clear();
  // Nothing to do here: the clipboard is always at hand.
  void Open() {}
  void Close() {}
};

// The process's clipboard object.
TClipboard* Clipboard();
