#include "platform/forms/testing/qtwindows.h"

#include "platform/forms/window.h"

namespace qtwindows {

QWidget* WidgetOf(const TWinControl* control) { return forms_internal::WidgetOf(control); }

QScrollBar* ScrollBarOf(const TWinControl* control, int bar) {
  return WinControlAccess::Of(control).bars[bar].widget;
}

TWinControl* ControlOf(const QWidget* widget) {
  auto* own = dynamic_cast<const forms_internal::ControlWidget*>(widget);
  return own != nullptr ? own->Control() : nullptr;
}

}  // namespace qtwindows
