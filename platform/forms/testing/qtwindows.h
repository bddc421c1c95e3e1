#pragma once
// Test support: the Qt windows behind windowed controls, for checks that look at them through Qt
// or the X server. The forms layer keeps its Qt side to itself; tests reach it only through here.

class QScrollBar;
class QWidget;
class TWinControl;

namespace qtwindows {

// The control's window; nullptr until it is made.
QWidget* WidgetOf(const TWinControl* Control);
// The window's own scroll bar (SB_HORZ or SB_VERT); nullptr until it is first shown.
QScrollBar* ScrollBarOf(const TWinControl* Control, int Bar);
// The windowed control whose window the widget is; nullptr for any other widget (a Qt dialog, the
// inner widget of a wrapped control).
TWinControl* ControlOf(const QWidget* Widget);

}  // namespace qtwindows
