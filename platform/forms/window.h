#pragma once
// The Qt side of a windowed control; included only by the layer's own .cpp files.

#include <QWidget>
#include <memory>

#include "platform/forms/controls.h"
#include "platform/graphics/bitmap.h"

class QCloseEvent;
class QHelpEvent;
class QScrollBar;

// State of a windowed control that lives beside its window.
struct TWinControl::Window {
  QWidget* widget = nullptr;  // the window, nullptr until it is made
  bool surface = false;       // keeps an image (TCustomControl, forms)
  std::unique_ptr<TBitmap> image;
  std::unique_ptr<TCanvas> canvas;
  uint64_t stamp = 0;  // changes whenever the image's pixels move or resize
  bool paint_pending = false;
  bool in_paint = false;
  TRect invalid;  // client rectangle waiting for Paint
  // Pixels drawn outside Paint since the window was last told: handed to it in one piece on the
  // next pass of the event loop, not once per line or shape.
  TRect changed;
  bool changed_posted = false;
  TControl* hovered = nullptr;
  // The frame around the client area: a one-pixel border and the window's own scroll bars
  // (indexed by SB_HORZ, SB_VERT).
  bool border = false;
  struct ScrollBar {
    bool shown = false;
    int min = 0, max = 0, pos = 0;
    QScrollBar* widget = nullptr;  // made when first shown; owned by the window
  } bars[2];
};

struct WinControlAccess {
  using ScrollBar = TWinControl::Window::ScrollBar;
  static TWinControl::Window& Of(const TWinControl* C) { return *C->FWindow; }
};

namespace forms_internal {

// Our own window: shows the control's image and turns Qt input into messages.
class ControlWidget : public QWidget {
 public:
  ControlWidget(TWinControl* Control, QWidget* Parent);
  // The control goes first; events after this are ignored.
  void Detach() { FControl = nullptr; }
  TWinControl* Control() const { return FControl; }

 protected:
  bool event(QEvent* E) override;
  void paintEvent(QPaintEvent* E) override;
  void mousePressEvent(QMouseEvent* E) override;
  void mouseReleaseEvent(QMouseEvent* E) override;
  void mouseDoubleClickEvent(QMouseEvent* E) override;
  void mouseMoveEvent(QMouseEvent* E) override;
  void leaveEvent(QEvent* E) override;
  void focusInEvent(QFocusEvent* E) override;
  void focusOutEvent(QFocusEvent* E) override;
  void closeEvent(QCloseEvent* E) override;
  void resizeEvent(QResizeEvent* E) override;
  void moveEvent(QMoveEvent* E) override;
  void changeEvent(QEvent* E) override;

 private:
  TWinControl* FControl;
};

// Notes pixels of the control's image that drawing outside Paint changed (client coordinates);
// the window learns of them all at once on the next pass of the event loop.
void NoteChanged(TWinControl* Control, const TRect& Area);

// The windowed control a Qt widget belongs to (walking up to the nearest one), or nullptr.
TWinControl* ControlOfWidget(QWidget* Widget);
QWidget* WidgetOf(const TWinControl* Control);
// Where the client area's top-left pixel lies in the control's widget (inside its border).
inline QPoint ClientOffset(const TWinControl* Control) {
  const int b = WinControlAccess::Of(Control).border ? 1 : 0;
  return QPoint(b, b);
}
// A border or a scroll bar around the client area.
inline bool HasFrame(const TWinControl* Control) {
  const auto& w = WinControlAccess::Of(Control);
  return w.border || w.bars[0].shown || w.bars[1].shown;
}

// Input from the window system, as the widget hands it on.
// True when a message hook used the event up.
bool RouteMouse(TWinControl* Window, QMouseEvent* E);
void RouteMouseLeave(TWinControl* Window);
// True when the key was used up (by a message hook, the form's navigation or a handler that
// cleared it); false leaves it to a wrapped Qt widget's own handling.
bool RouteKey(TWinControl* Window, QKeyEvent* E);
void RouteToolTip(TWinControl* Window, QHelpEvent* E);

// The top-level form sees its window resized, moved, maximised or restored by the user or the
// window manager.
void FormWindowMoved(TCustomForm* Form);
void FormWindowResized(TCustomForm* Form);
void FormWindowStateChanged(TCustomForm* Form);
void FormWindowClose(TCustomForm* Form, QCloseEvent* E);
void FormWindowActivation(TCustomForm* Form);

// A window got the keyboard focus: when the focus moved inside the form (not by the window's
// activation), the form's active control follows.
void WidgetFocused(TWinControl* Control, Qt::FocusReason Reason);

// What a Qt widget shows now, drawn by the widget itself over `under` (the pixels beneath it,
// the widget's top-left at `at` in them).
std::unique_ptr<TBitmap> GrabWidget(QWidget* Widget, const TBitmap& Under, TPoint At);

// The form's client area on the printer (the printer layer's handler of TCustomForm::Print).
void PrintForm(TCustomForm& Form);

// Drops any state that points at a control going away (capture, double-click memory, hover).
void ForgetControl(TControl* Control);

}  // namespace forms_internal
