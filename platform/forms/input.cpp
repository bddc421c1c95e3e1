#include "platform/forms/input.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>
#include <QWindow>
#include <algorithm>
#include <array>

#include "platform/forms/qtglue.h"

namespace {

std::array<bool, 256>& Down() {
  static std::array<bool, 256> down{};
  return down;
}
std::array<bool, 256>& Toggled() {
  static std::array<bool, 256> toggled{};
  return toggled;
}

bool IsDown(int Vk) { return Vk >= 0 && Vk < 256 && Down()[size_t(Vk)]; }

}  // namespace

namespace forms_internal {

void NoteKey(uint16_t Vk, bool IsPressed) {
  if (Vk == 0 || Vk > 255) return;
  if (IsPressed && !Down()[Vk]) Toggled()[Vk] = !Toggled()[Vk];
  Down()[Vk] = IsPressed;
}

void NoteModifiers(Qt::KeyboardModifiers Modifiers) {
  Down()[VK_SHIFT] = Modifiers.testFlag(Qt::ShiftModifier);
  Down()[VK_CONTROL] = Modifiers.testFlag(Qt::ControlModifier);
  Down()[VK_MENU] = Modifiers.testFlag(Qt::AltModifier);
}

void NoteButtons(Qt::MouseButtons Buttons) {
  Down()[VK_LBUTTON] = Buttons.testFlag(Qt::LeftButton);
  Down()[VK_RBUTTON] = Buttons.testFlag(Qt::RightButton);
  Down()[VK_MBUTTON] = Buttons.testFlag(Qt::MiddleButton);
}

void ForgetInputState() {
  Down().fill(false);
  Toggled().fill(false);
}

uint16_t VirtualKeyOf(const QKeyEvent& Event) {
  const int key = Event.key();
  const bool keypad = Event.modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return uint16_t(keypad ? VK_NUMPAD0 + (key - Qt::Key_0) : key);
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return uint16_t(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return uint16_t(VK_F1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Clear:
      return VK_CLEAR;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Shift:
      return VK_SHIFT;
    case Qt::Key_Control:
      return VK_CONTROL;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return VK_MENU;
    case Qt::Key_Pause:
      return VK_PAUSE;
    case Qt::Key_CapsLock:
      return VK_CAPITAL;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Print:
      return VK_SNAPSHOT;
    case Qt::Key_Insert:
      return VK_INSERT;
    case Qt::Key_Delete:
      return VK_DELETE;
    case Qt::Key_Help:
      return VK_HELP;
    case Qt::Key_NumLock:
      return VK_NUMLOCK;
    case Qt::Key_ScrollLock:
      return VK_SCROLL;
    case Qt::Key_Asterisk:
      if (keypad) return VK_MULTIPLY;
      break;
    case Qt::Key_Plus:
      if (keypad) return VK_ADD;
      break;
    case Qt::Key_Minus:
      if (keypad) return VK_SUBTRACT;
      break;
    case Qt::Key_Period:
      if (keypad) return VK_DECIMAL;
      break;
    case Qt::Key_Slash:
      if (keypad) return VK_DIVIDE;
      break;
    default:
      break;
  }
  // A shifted symbol: the key's place on the keyboard (X11 key codes of the main block) says
  // which key it is.
  const quint32 code = Event.nativeScanCode();
  if (code >= 10 && code <= 18) return uint16_t('1' + (code - 10));
  static const struct {
    quint32 code;
    uint16_t vk;
  } kBlock[] = {{19, '0'},      {20, VK_OEM_MINUS}, {21, VK_OEM_PLUS},   {34, VK_OEM_4},
                {35, VK_OEM_6}, {47, VK_OEM_1},     {48, VK_OEM_7},      {49, VK_OEM_3},
                {51, VK_OEM_5}, {59, VK_OEM_COMMA}, {60, VK_OEM_PERIOD}, {61, VK_OEM_2}};
  for (const auto& k : kBlock) {
    if (k.code == code) return k.vk;
  }
  // Without a native code: the unshifted symbol's key on a US keyboard.
  static const struct {
    int key;
    uint16_t vk;
  } kSymbols[] = {{Qt::Key_Exclam, '1'},
                  {Qt::Key_At, '2'},
                  {Qt::Key_NumberSign, '3'},
                  {Qt::Key_Dollar, '4'},
                  {Qt::Key_Percent, '5'},
                  {Qt::Key_AsciiCircum, '6'},
                  {Qt::Key_Ampersand, '7'},
                  {Qt::Key_Asterisk, '8'},
                  {Qt::Key_ParenLeft, '9'},
                  {Qt::Key_ParenRight, '0'},
                  {Qt::Key_Minus, VK_OEM_MINUS},
                  {Qt::Key_Underscore, VK_OEM_MINUS},
                  {Qt::Key_Equal, VK_OEM_PLUS},
                  {Qt::Key_Plus, VK_OEM_PLUS},
                  {Qt::Key_Comma, VK_OEM_COMMA},
                  {Qt::Key_Less, VK_OEM_COMMA},
                  {Qt::Key_Period, VK_OEM_PERIOD},
                  {Qt::Key_Greater, VK_OEM_PERIOD},
                  {Qt::Key_Slash, VK_OEM_2},
                  {Qt::Key_Question, VK_OEM_2},
                  {Qt::Key_Semicolon, VK_OEM_1},
                  {Qt::Key_Colon, VK_OEM_1},
                  {Qt::Key_Apostrophe, VK_OEM_7},
                  {Qt::Key_QuoteDbl, VK_OEM_7},
                  {Qt::Key_BracketLeft, VK_OEM_4},
                  {Qt::Key_BraceLeft, VK_OEM_4},
                  {Qt::Key_BracketRight, VK_OEM_6},
                  {Qt::Key_BraceRight, VK_OEM_6},
                  {Qt::Key_Backslash, VK_OEM_5},
                  {Qt::Key_Bar, VK_OEM_5},
                  {Qt::Key_QuoteLeft, VK_OEM_3},
                  {Qt::Key_AsciiTilde, VK_OEM_3}};
  for (const auto& s : kSymbols) {
    if (s.key == key) return s.vk;
  }
  return 0;
}

int CharOf(const QKeyEvent& Event) {
  const int key = Event.key();
  const bool ctrl = Event.modifiers().testFlag(Qt::ControlModifier);
  if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z) return 1 + (key - Qt::Key_A);
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  const QString text = Event.text();
  if (text.size() != 1) return -1;
  const std::string bytes = FromQt(text);
  if (bytes.size() != 1) return -1;
  const int c = (unsigned char)bytes[0];
  // Keys like Delete give control characters in some desktops; they type nothing.
  if (c == 127 || (c < 32 && c != 8 && c != 9 && c != 13 && c != 27)) return -1;
  return c;
}

QCursor QtCursor(TCursor Cursor) {
  switch (Cursor) {
    case crNone:
      return QCursor(Qt::BlankCursor);
    case crCross:
      return QCursor(Qt::CrossCursor);
    case crIBeam:
      return QCursor(Qt::IBeamCursor);
    case crSizeNESW:
      return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS:
      return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE:
      return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE:
      return QCursor(Qt::SizeHorCursor);
    case crUpArrow:
      return QCursor(Qt::UpArrowCursor);
    case crHourGlass:
      return QCursor(Qt::WaitCursor);
    case crDrag:
      return QCursor(Qt::DragCopyCursor);
    case crNoDrop:
    case crNo:
      return QCursor(Qt::ForbiddenCursor);
    case crHSplit:
      return QCursor(Qt::SplitHCursor);
    case crVSplit:
      return QCursor(Qt::SplitVCursor);
    case crAppStart:
      return QCursor(Qt::BusyCursor);
    case crHelp:
      return QCursor(Qt::WhatsThisCursor);
    case crHandPoint:
      return QCursor(Qt::PointingHandCursor);
    case crSizeAll:
      return QCursor(Qt::SizeAllCursor);
    default:
      return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace forms_internal

TShiftState KeysToShiftState(int64_t Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s += ssShift;
  if (Keys & MK_CONTROL) s += ssCtrl;
  if (Keys & MK_LBUTTON) s += ssLeft;
  if (Keys & MK_RBUTTON) s += ssRight;
  if (Keys & MK_MBUTTON) s += ssMiddle;
  if (IsDown(VK_MENU)) s += ssAlt;
  return s;
}

TShiftState KeyDataToShiftState() {
  TShiftState s;
  if (IsDown(VK_SHIFT)) s += ssShift;
  if (IsDown(VK_CONTROL)) s += ssCtrl;
  if (IsDown(VK_MENU)) s += ssAlt;
  return s;
}

int16_t GetKeyState(int VirtKey) {
  if (VirtKey < 0 || VirtKey > 255) return 0;
  int16_t state = 0;
  if (IsDown(VirtKey)) state = int16_t(0x8000);
  if (Toggled()[size_t(VirtKey)]) state = int16_t(state | 1);
  return state;
}

int16_t GetAsyncKeyState(int VirtKey) { return int16_t(GetKeyState(VirtKey) & 0x8000); }

int GetSystemMetrics(int Index) {
  switch (Index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
      forms_internal::EnsureQtApplication();
      QScreen* screen = QGuiApplication::primaryScreen();
      if (screen == nullptr) return 0;
      return Index == SM_CXSCREEN ? screen->geometry().width() : screen->geometry().height();
    }
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      forms_internal::EnsureQtApplication();
      return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return 4;
    default:
      return 0;  // SM_SWAPBUTTON: the desktop swaps the buttons before they reach us
  }
}

bool GetCursorPos(TPoint& Point) {
  forms_internal::EnsureQtApplication();
  const QPoint p = QCursor::pos();
  Point = TPoint{p.x(), p.y()};
  return true;
}

bool SetCursorPos(int X, int Y) {
  forms_internal::EnsureQtApplication();
  QCursor::setPos(X, Y);
  return true;
}

namespace {

// Holds the pointer inside the confinement rectangle: every move over our windows that leaves it
// puts the pointer back on its edge.
class CursorConfinement : public QObject {
 public:
  CursorConfinement() {
    qApp->installEventFilter(this);
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] { Release(); });
  }
  void Confine(const TRect& R) {
    FRect = R;
    FActive = true;
  }
  void Release() { FActive = false; }
  bool Active(TRect& R) const {
    if (FActive) R = FRect;
    return FActive;
  }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (FActive && Event->type() == QEvent::MouseMove && QGuiApplication::platformName() == "xcb") {
      const QPoint g = static_cast<QMouseEvent*>(Event)->globalPosition().toPoint();
      const int x = std::clamp(g.x(), FRect.Left, std::max(FRect.Left, FRect.Right - 1));
      const int y = std::clamp(g.y(), FRect.Top, std::max(FRect.Top, FRect.Bottom - 1));
      if (x != g.x() || y != g.y()) QCursor::setPos(x, y);
    }
    return QObject::eventFilter(Watched, Event);
  }

 private:
  TRect FRect;
  bool FActive = false;
};

CursorConfinement& Confinement() {
  forms_internal::EnsureQtApplication();
  static CursorConfinement* confinement = new CursorConfinement();  // lives with the application
  return *confinement;
}

}  // namespace

bool ClipCursor(const TRect* Rect) {
  if (Rect == nullptr) {
    Confinement().Release();
  } else {
    Confinement().Confine(*Rect);
  }
  return true;
}

bool GetClipCursor(TRect& Rect) { return Confinement().Active(Rect); }
