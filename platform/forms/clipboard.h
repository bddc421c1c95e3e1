#pragma once
// The clipboard as plain text (Windows-1252 bytes here, Unicode on the desktop).

#include <string>

// Replaces the clipboard's content; false when the clipboard cannot be had.
bool SetClipboardText(const std::string& Text);
// The clipboard's plain text; empty when it holds none.
std::string GetClipboardText();
