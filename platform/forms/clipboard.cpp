#include "platform/forms/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

#include "platform/forms/qtglue.h"

bool SetClipboardText(const std::string& Text) {
  forms_internal::EnsureQtApplication();
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(forms_internal::ToQt(Text));
  return true;
}

std::string GetClipboardText() {
  forms_internal::EnsureQtApplication();
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? forms_internal::FromQt(clipboard->text()) : std::string();
}

void TClipboard::SetTextBuf(const char* Buffer) {
  if (Buffer == nullptr) {
    Clear();
    return;
  }
  SetClipboardText(Buffer);
}

int TClipboard::GetTextBuf(char* Buffer, int BufSize) const {
  if (Buffer == nullptr || BufSize <= 0) return 0;
  const std::string text = GetClipboardText();
  const size_t n = std::min(text.size(), size_t(BufSize - 1));
  std::copy_n(text.data(), n, Buffer);
  Buffer[n] = '\0';
  return int(n);
}

bool TClipboard::HasFormat(unsigned Format) const {
  if (Format != CF_TEXT) return false;
  forms_internal::EnsureQtApplication();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText();
}

void TClipboard::Clear() {
  forms_internal::EnsureQtApplication();
  QGuiApplication::clipboard()->clear();
}

TClipboard* Clipboard() {
  static auto* clipboard = new TClipboard;
  return clipboard;
}
