#include "platform/forms/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

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
