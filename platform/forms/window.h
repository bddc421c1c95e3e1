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
  static TWinControl::Window& Of(const TWinControl* c) { return *c->FWindow; }
};

namespace forms_internal {

// Our own window: shows the control's image and turns Qt input into messages.
class ControlWidget : public QWidget {
 public:
  ControlWidget(TWinControl* control, QWidget* parent);
  // The control goes first; events after this are ignored.
  void Detach() { FControl = nullptr; }
  TWinControl* Control() const { return FControl; }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  TWinControl* FControl;
};

// Notes pixels of the control's image that drawing outside Paint changed (client coordinates);
// the window learns of them all at once on the next pass of the event loop.
void NoteChanged(TWinControl* control, const TRect& area);

// The windowed control a Qt widget belongs to (walking up to the nearest one), or nullptr.
TWinControl* ControlOfWidget(QWidget* widget);
QWidget* WidgetOf(const TWinControl* control);
// Where the client area's top-left pixel lies in the control's widget (inside its border).
inline QPoint ClientOffset(const TWinControl* control) {
  const int b = WinControlAccess::Of(control).border ? 1 : 0;
  return QPoint(b, b);
}
// A border or a scroll bar around the client area.
inline bool HasFrame(const TWinControl* control) {
  const auto& w = WinControlAccess::Of(control);
  return w.border || w.bars[0].shown || w.bars[1].shown;
}

// Input from the window system, as the widget hands it on.
// True when a message hook used the event up.
bool RouteMouse(TWinControl* window, QMouseEvent* e);
void RouteMouseLeave(TWinControl* window);
// True when the key was used up (by a message hook, the form's navigation or a handler that
// cleared it); false leaves it to a wrapped Qt widget's own handling.
bool RouteKey(TWinControl* window, QKeyEvent* e);
void RouteToolTip(TWinControl* window, QHelpEvent* e);

// The top-level form sees its window resized, moved, maximised or restored by the user or the
// window manager.
void FormWindowMoved(TCustomForm* form);
void FormWindowResized(TCustomForm* form);
void FormWindowStateChanged(TCustomForm* form);
void FormWindowClose(TCustomForm* form, QCloseEvent* e);
void FormWindowActivation(TCustomForm* form);

// A window got the keyboard focus: when the focus moved inside the form (not by the window's
// activation), the form's active control follows.
void WidgetFocused(TWinControl* control, Qt::FocusReason reason);

// What a Qt widget shows now, drawn by the widget itself over `under` (the pixels beneath it,
// the widget's top-left at `at` in them).
std::unique_ptr<TBitmap> GrabWidget(QWidget* widget, const TBitmap& under, TPoint at);

// The form's client area on the printer (the printer layer's handler of TCustomForm::Print).
void PrintForm(TCustomForm& form);

// Drops any state that points at a control going away (capture, double-click memory, hover).
void ForgetControl(TControl* control);

}  // namespace forms_internal
