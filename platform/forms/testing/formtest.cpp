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
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* Window, const QPointF& Local, const QPointF& Global,
                                      Qt::MouseButtons State, Qt::MouseButton Button,
                                      QEvent::Type Type, Qt::KeyboardModifiers Mods, int Timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* W, QEvent::Type T, int K, Qt::KeyboardModifiers Mods,
                                    const QString& Text, bool Autorep, ushort Count);
QT_END_NAMESPACE

namespace {

Qt::MouseButton QtButton(TMouseButton B) {
  if (B == mbRight) return Qt::RightButton;
  if (B == mbMiddle) return Qt::MiddleButton;
  return Qt::LeftButton;
}

Qt::KeyboardModifiers QtModifiers(TShiftState Keys) {
  Qt::KeyboardModifiers m;
  if (Keys.Contains(ssShift)) m |= Qt::ShiftModifier;
  if (Keys.Contains(ssCtrl)) m |= Qt::ControlModifier;
  if (Keys.Contains(ssAlt)) m |= Qt::AltModifier;
  return m;
}

int QtKey(uint16_t Vk) {
  if ((Vk >= '0' && Vk <= '9') || (Vk >= 'A' && Vk <= 'Z')) return Vk;
  if (Vk >= VK_F1 && Vk <= VK_F12) return Qt::Key_F1 + (Vk - VK_F1);
  switch (Vk) {
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

QWindow* WindowOf(TCustomForm* Form) {
  QWidget* w = forms_internal::WidgetOf(Form);
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

void FormTest::SendMouse(TControl* Control, int X, int Y, int Type, TMouseButton Button,
                         TShiftState Keys) {
  TCustomForm* owner_form = GetParentForm(Control);
  QWindow* window = WindowOf(owner_form);
  ASSERT_NE(window, nullptr) << "the control's form is not shown";
  const TPoint screen = Control->ClientToScreen(TPoint{X, Y});
  const TPoint origin = owner_form->ClientOrigin();
  const QPointF local(screen.X - origin.X, screen.Y - origin.Y);
  const QPointF global(screen.X, screen.Y);
  const Qt::MouseButton b = QtButton(Button);
  if (Type == QEvent::MouseButtonPress) FButtons |= b;
  if (Type == QEvent::MouseButtonRelease) FButtons &= ~unsigned(b);
  FClock += 10;
  qt_handleMouseEvent(window, local, global, Qt::MouseButtons(FButtons),
                      Type == QEvent::MouseMove ? Qt::NoButton : b, QEvent::Type(Type),
                      QtModifiers(Keys), int(FClock));
  QCoreApplication::processEvents();
}

void FormTest::Press(TControl* Control, int X, int Y, TMouseButton Button, TShiftState Keys) {
  SendMouse(Control, X, Y, QEvent::MouseButtonPress, Button, Keys);
}

void FormTest::Release(TControl* Control, int X, int Y, TMouseButton Button, TShiftState Keys) {
  SendMouse(Control, X, Y, QEvent::MouseButtonRelease, Button, Keys);
}

void FormTest::Move(TControl* Control, int X, int Y, TShiftState Keys) {
  SendMouse(Control, X, Y, QEvent::MouseMove, mbLeft, Keys);
}

void FormTest::Click(TControl* Control, int X, int Y, TMouseButton Button) {
  Pause();
  Press(Control, X, Y, Button);
  Release(Control, X, Y, Button);
}

void FormTest::DoubleClick(TControl* Control, int X, int Y, TMouseButton Button) {
  Click(Control, X, Y, Button);
  Press(Control, X, Y, Button);
  Release(Control, X, Y, Button);
}

void FormTest::KeyDown(uint16_t Vk, const std::string& Text, TShiftState Keys) {
  QWindow* window = WindowOf(form);
  ASSERT_NE(window, nullptr) << "the form is not shown";
  qt_handleKeyEvent(window, QEvent::KeyPress, QtKey(Vk), QtModifiers(Keys),
                    forms_internal::ToQt(Text), false, 1);
  QCoreApplication::processEvents();
}

void FormTest::KeyUp(uint16_t Vk, TShiftState Keys) {
  QWindow* window = WindowOf(form);
  ASSERT_NE(window, nullptr) << "the form is not shown";
  qt_handleKeyEvent(window, QEvent::KeyRelease, QtKey(Vk), QtModifiers(Keys), QString(), false, 1);
  QCoreApplication::processEvents();
}

void FormTest::KeyPress(uint16_t Vk, const std::string& Text, TShiftState Keys) {
  KeyDown(Vk, Text, Keys);
  KeyUp(Vk, Keys);
}

void FormTest::Activate(TCustomForm* Other) {
  QWidget* w = forms_internal::WidgetOf(Other);
  ASSERT_NE(w, nullptr) << "that form is not shown";
  QApplication::setActiveWindow(w);
  PumpMessages();
}

FormTest::Shot::Shot(std::unique_ptr<TBitmap> Image, TPoint Offset)
    : FImage(std::move(Image)), FOffset(Offset) {}

TColor FormTest::Shot::Pixel(int X, int Y) const {
  return FImage->Canvas()->Pixels(X + FOffset.X, Y + FOffset.Y);
}

FormTest::Shot FormTest::ScreenShot(TControl* Control) {
  TCustomForm* owner_form = GetParentForm(Control);
  const TPoint screen = Control->ClientToScreen(TPoint{0, 0});
  const TPoint origin = owner_form->ClientOrigin();
  return Shot(owner_form->GetFormImage(), TPoint{screen.X - origin.X, screen.Y - origin.Y});
}

TColor FormTest::ScreenPixel(TControl* Control, int X, int Y) {
  return ScreenShot(Control).Pixel(X, Y);
}
