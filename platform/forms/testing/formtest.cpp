#include "platform/forms/testing/formtest.h"

#include <QApplication>
#include <QEvent>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <QWindow>

#include "platform/forms/qtglue.h"
#include "platform/forms/window.h"
#include "platform/graphics/bitmap.h"

// Qt's own entry points for simulated window-system input (what its test library uses).
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);
QT_END_NAMESPACE

namespace {

Qt::MouseButton QtButton(TMouseButton b) {
  if (b == mbRight) return Qt::RightButton;
  if (b == mbMiddle) return Qt::MiddleButton;
  return Qt::LeftButton;
}

Qt::KeyboardModifiers QtModifiers(TShiftState keys) {
  Qt::KeyboardModifiers m;
  if (keys.Contains(ssShift)) m |= Qt::ShiftModifier;
  if (keys.Contains(ssCtrl)) m |= Qt::ControlModifier;
  if (keys.Contains(ssAlt)) m |= Qt::AltModifier;
  return m;
}

int QtKey(uint16_t vk) {
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return vk;
  if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key_F1 + (vk - VK_F1);
  switch (vk) {
    case VK_BACK:
      return Qt::Key_Backspace;
    case VK_TAB:
      return Qt::Key_Tab;
    case VK_RETURN:
      return Qt::Key_Return;
    case VK_SHIFT:
      return Qt::Key_Shift;
    case VK_CONTROL:
      return Qt::Key_Control;
    case VK_MENU:
      return Qt::Key_Alt;
    case VK_ESCAPE:
      return Qt::Key_Escape;
    case VK_SPACE:
      return Qt::Key_Space;
    case VK_PRIOR:
      return Qt::Key_PageUp;
    case VK_NEXT:
      return Qt::Key_PageDown;
    case VK_END:
      return Qt::Key_End;
    case VK_HOME:
      return Qt::Key_Home;
    case VK_LEFT:
      return Qt::Key_Left;
    case VK_UP:
      return Qt::Key_Up;
    case VK_RIGHT:
      return Qt::Key_Right;
    case VK_DOWN:
      return Qt::Key_Down;
    case VK_INSERT:
      return Qt::Key_Insert;
    case VK_DELETE:
      return Qt::Key_Delete;
    default:
      return Qt::Key_unknown;
  }
}

QWindow* WindowOf(TCustomForm* form) {
  QWidget* w = forms_internal::WidgetOf(form);
  return w == nullptr ? nullptr : w->windowHandle();
}

}  // namespace

FormTest::FormTest() {
  Application->Initialize();
  forms_internal::ForgetInputState();
  form = new TForm(nullptr);
  form->SetBounds(100, 100, 400, 300);
}

FormTest::~FormTest() {
  delete form;
  PumpMessages();
}

void FormTest::ShowForm() {
  form->Show();
  PumpMessages();
}

void FormTest::SendMouse(TControl* control, int x, int y, int type, TMouseButton button,
                         TShiftState keys) {
  TCustomForm* owner_form = GetParentForm(control);
  QWindow* window = WindowOf(owner_form);
  ASSERT_NE(window, nullptr) << "the control's form is not shown";
  const TPoint screen = control->ClientToScreen(TPoint{x, y});
  const TPoint origin = owner_form->ClientOrigin();
  const QPointF local(screen.X - origin.X, screen.Y - origin.Y);
  const QPointF global(screen.X, screen.Y);
  const Qt::MouseButton b = QtButton(button);
  if (type == QEvent::MouseButtonPress) FButtons |= b;
  if (type == QEvent::MouseButtonRelease) FButtons &= ~unsigned(b);
  FClock += 10;
  qt_handleMouseEvent(window, local, global, Qt::MouseButtons(FButtons),
                      type == QEvent::MouseMove ? Qt::NoButton : b, QEvent::Type(type),
                      QtModifiers(keys), int(FClock));
  QCoreApplication::processEvents();
}

void FormTest::Press(TControl* control, int x, int y, TMouseButton button, TShiftState keys) {
  SendMouse(control, x, y, QEvent::MouseButtonPress, button, keys);
}

void FormTest::Release(TControl* control, int x, int y, TMouseButton button, TShiftState keys) {
  SendMouse(control, x, y, QEvent::MouseButtonRelease, button, keys);
}

void FormTest::Move(TControl* control, int x, int y, TShiftState keys) {
  SendMouse(control, x, y, QEvent::MouseMove, mbLeft, keys);
}

void FormTest::Click(TControl* control, int x, int y, TMouseButton button) {
  Pause();
  Press(control, x, y, button);
  Release(control, x, y, button);
}

void FormTest::DoubleClick(TControl* control, int x, int y, TMouseButton button) {
  Click(control, x, y, button);
  Press(control, x, y, button);
  Release(control, x, y, button);
}

void FormTest::KeyDown(uint16_t vk, const std::string& text, TShiftState keys) {
  QWindow* window = WindowOf(form);
  ASSERT_NE(window, nullptr) << "the form is not shown";
  qt_handleKeyEvent(window, QEvent::KeyPress, QtKey(vk), QtModifiers(keys),
                    forms_internal::ToQt(text), false, 1);
  QCoreApplication::processEvents();
}

void FormTest::KeyUp(uint16_t vk, TShiftState keys) {
  QWindow* window = WindowOf(form);
  ASSERT_NE(window, nullptr) << "the form is not shown";
  qt_handleKeyEvent(window, QEvent::KeyRelease, QtKey(vk), QtModifiers(keys), QString(), false, 1);
  QCoreApplication::processEvents();
}

void FormTest::KeyPress(uint16_t vk, const std::string& text, TShiftState keys) {
  KeyDown(vk, text, keys);
  KeyUp(vk, keys);
}

void FormTest::Activate(TCustomForm* other) {
  QWidget* w = forms_internal::WidgetOf(other);
  ASSERT_NE(w, nullptr) << "that form is not shown";
  QApplication::setActiveWindow(w);
  PumpMessages();
}

FormTest::Shot::Shot(std::unique_ptr<TBitmap> image, TPoint offset)
    : FImage(std::move(image)), FOffset(offset) {}

TColor FormTest::Shot::Pixel(int x, int y) const {
  return FImage->Canvas()->Pixels(x + FOffset.X, y + FOffset.Y);
}

FormTest::Shot FormTest::ScreenShot(TControl* control) {
  TCustomForm* owner_form = GetParentForm(control);
  const TPoint screen = control->ClientToScreen(TPoint{0, 0});
  const TPoint origin = owner_form->ClientOrigin();
  return Shot(owner_form->GetFormImage(), TPoint{screen.X - origin.X, screen.Y - origin.Y});
}

TColor FormTest::ScreenPixel(TControl* control, int x, int y) {
  return ScreenShot(control).Pixel(x, y);
}
