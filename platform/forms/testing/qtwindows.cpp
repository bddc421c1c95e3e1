#include "platform/forms/testing/qtwindows.h"

#include "platform/forms/window.h"

namespace qtwindows {

QWidget* WidgetOf(const TWinControl* Control) { return forms_internal::WidgetOf(Control); }

QScrollBar* ScrollBarOf(const TWinControl* Control, int Bar) {
  return WinControlAccess::Of(Control).bars[Bar].widget;
}

TWinControl* ControlOf(const QWidget* Widget) {
  auto* own = dynamic_cast<const forms_internal::ControlWidget*>(Widget);
  return own != nullptr ? own->Control() : nullptr;
}

}  // namespace qtwindows
