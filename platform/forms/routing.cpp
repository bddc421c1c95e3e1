#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>

#include "platform/forms/application.h"
#include "platform/forms/forms.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/window.h"

namespace forms_internal {
namespace {

// The last press, to recognise the second press of a double click.
struct LastPress {
  TControl* control = nullptr;
  Qt::MouseButton button = Qt::NoButton;
  quint64 time = 0;
  QPoint global;
  bool was_double = false;
} last_press;

int Clamp16(int V) { return std::clamp(V, -32768, 32767); }

int64_t MouseKeys(const QMouseEvent& E) {
  int64_t keys = 0;
  if (E.buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
  if (E.buttons() & Qt::RightButton) keys |= MK_RBUTTON;
  if (E.buttons() & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (E.modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (E.modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

uint32_t ButtonBase(Qt::MouseButton B) {
  if (B == Qt::RightButton) return WM_RBUTTONDOWN;
  if (B == Qt::MiddleButton) return WM_MBUTTONDOWN;
  return WM_LBUTTONDOWN;
}

// The point p of window in the target's client coordinates.
TPoint ToTarget(TWinControl* Window, TControl* Target, QPoint P) {
  if (Target == Window) return TPoint{P.x(), P.y()};
  if (Target->Parent() == Window) return TPoint{P.x() - Target->Left(), P.y() - Target->Top()};
  return Target->ScreenToClient(Window->ClientToScreen(TPoint{P.x(), P.y()}));
}

std::string HintOf(const TControl* C) {
  for (; C != nullptr; C = C->Parent()) {
    if (!C->Hint().empty()) return C->Hint();
  }
  return std::string();
}

// The mouse over target; the hint is that of hint_source, which may be a disabled child that
// takes no mouse but still tells what it is for.
void Hover(TWinControl* Window, TControl* Target, const TControl* HintSource) {
  auto& w = WinControlAccess::Of(Window);
  if (w.hovered != Target) {
    TControl* old = w.hovered;
    w.hovered = Target;
    if (old != nullptr) old->Perform(CM_MOUSELEAVE, 0, 0);
    if (Target != nullptr) {
      Target->Perform(CM_MOUSEENTER, 0, 0);
      TCursor cursor = Target->Cursor() != crDefault ? Target->Cursor() : Window->Cursor();
      if (QWidget* widget = WidgetOf(Window)) widget->setCursor(QtCursor(cursor));
    }
  }
  Application->SetHint(GetLongHint(HintOf(HintSource)));
}

}  // namespace

bool RouteMouse(TWinControl* Window, QMouseEvent* E) {
  NoteButtons(E->buttons());
  NoteModifiers(E->modifiers());
  const QPoint p = E->position().toPoint() - ClientOffset(Window);
  TControl* target = GetCaptureControl();
  // The frame (border, corner between the bars) is no part of the client area.
  if (target == nullptr && HasFrame(Window) &&
      !PtInRect(Window->ClientRect(), TPoint{p.x(), p.y()}))
    return false;
  if (target == nullptr) {
    target = Window->ControlAtPos(TPoint{p.x(), p.y()});
    if (target == nullptr) target = Window;
  }
  if (!target->Visible() || !target->EffectivelyEnabled()) return false;
  uint32_t msg = WM_MOUSEMOVE;
  if (E->type() == QEvent::MouseButtonDblClick && last_press.control == target &&
      last_press.button == E->button() && last_press.time == E->timestamp()) {
    return false;  // a desktop that sends both the press and the double click: the press counted
  }
  if (E->type() == QEvent::MouseButtonPress || E->type() == QEvent::MouseButtonDblClick) {
    const QPoint global = E->globalPosition().toPoint();
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const bool twice = last_press.control == target && last_press.button == E->button() &&
                       !last_press.was_double && E->timestamp() >= last_press.time &&
                       E->timestamp() - last_press.time <= quint64(interval) &&
                       std::abs(global.x() - last_press.global.x()) <= 2 &&
                       std::abs(global.y() - last_press.global.y()) <= 2 &&
                       target->ControlStyle().Contains(csDoubleClicks);
    last_press = LastPress{target, E->button(), E->timestamp(), global, twice};
    msg = ButtonBase(E->button()) + (twice ? 2 : 0);
  } else if (E->type() == QEvent::MouseButtonRelease) {
    msg = ButtonBase(E->button()) + 1;
  }
  if (msg == WM_MOUSEMOVE && GetCaptureControl() == nullptr) {
    TControl* disabled =
        target == Window ? Window->ControlAtPos(TPoint{p.x(), p.y()}, true) : nullptr;
    Hover(Window, target, disabled != nullptr ? disabled : target);
  }
  const TPoint local = ToTarget(Window, target, p);
  TMsg queued{Window->Handle(), msg, MouseKeys(*E), MakeLong(Clamp16(p.x()), Clamp16(p.y()))};
  bool hooked = false;
  DispatchGuarded([&] {
    hooked = Application->ProcessMessageHooks(queued);
    if (!hooked) target->Perform(msg, queued.wParam, MakeLong(Clamp16(local.X), Clamp16(local.Y)));
  });
  return hooked;
}

void RouteMouseLeave(TWinControl* Window) {
  if (GetCaptureControl() != nullptr) return;
  DispatchGuarded([&] { Hover(Window, nullptr, nullptr); });
}

bool RouteKey(TWinControl* Window, QKeyEvent* E) {
  NoteModifiers(E->modifiers());
  const uint16_t vk = VirtualKeyOf(*E);
  const bool press = E->type() == QEvent::KeyPress;
  if (!press && E->isAutoRepeat()) return true;  // held keys repeat only their key-down
  NoteKey(vk, press);
  if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) NoteKey(vk, press);
  const bool alt =
      E->modifiers().testFlag(Qt::AltModifier) && !E->modifiers().testFlag(Qt::ControlModifier);
  const HWND wnd = Window->Handle();
  if (!press) {
    TMsg msg{wnd, alt ? WM_SYSKEYUP : WM_KEYUP, vk, 0};
    if (vk == 0) return false;
    return Application->ProcessMessageHooks(msg) || SendMessage(wnd, msg.message, vk, 0) != 0;
  }
  if (vk != 0) {
    TMsg msg{wnd, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 0};
    if (Application->ProcessMessageHooks(msg)) return true;
    TCustomForm* form = GetParentForm(Window);
    const bool navigation =
        vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE || (vk >= VK_LEFT && vk <= VK_DOWN);
    if (form != nullptr && navigation && !alt) {
      // Tab needs DLGC_WANTTAB, the arrows DLGC_WANTARROWS, Enter and Escape DLGC_WANTALLKEYS.
      const int64_t wants = SendMessage(wnd, WM_GETDLGCODE, 0, 0);
      const int64_t mask = vk == VK_TAB                       ? DLGC_WANTTAB
                           : (vk >= VK_LEFT && vk <= VK_DOWN) ? DLGC_WANTARROWS
                                                              : DLGC_WANTALLKEYS;
      const bool wanted = (wants & mask) != 0;
      if (!wanted && form->Perform(CM_DIALOGKEY, vk, 0) != 0) return true;
    }
    if (SendMessage(wnd, msg.message, vk, 0) != 0) return true;
  }
  int c = CharOf(*E);
  // Alt with a letter types nothing in some keyboard set-ups; the key names the letter then.
  if (c < 0 && alt && ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))) c = vk;
  if (c >= 0) {
    TMsg msg{wnd, alt ? WM_SYSCHAR : WM_CHAR, c, 0};
    if (Application->ProcessMessageHooks(msg)) return true;
    if (SendMessage(wnd, msg.message, c, 0) != 0) return true;
    // Alt with a character presses the form's control whose caption has it as accelerator.
    TCustomForm* form = GetParentForm(Window);
    if (alt && form != nullptr && form->Perform(CM_DIALOGCHAR, c, 0) != 0) return true;
  }
  return false;
}

void RouteToolTip(TWinControl* Window, QHelpEvent* E) {
  const QPoint p = E->pos() - ClientOffset(Window);
  TControl* target = Window->ControlAtPos(TPoint{p.x(), p.y()}, true);
  if (target == nullptr) target = Window;
  std::string hint = GetShortHint(HintOf(target));
  if (!target->ShowHint() || hint.empty()) {
    QToolTip::hideText();
    return;
  }
  std::replace(hint.begin(), hint.end(), '\r', '\n');
  QToolTip::showText(E->globalPos(), ToQt(hint), WidgetOf(Window));
}

void WidgetFocused(TWinControl* Control, Qt::FocusReason Reason) {
  if (Reason == Qt::ActiveWindowFocusReason || Reason == Qt::PopupFocusReason) return;
  TCustomForm* form = GetParentForm(Control);
  if (form != nullptr && form->ActiveControl() != Control && Control != form) {
    form->SetActiveControl(Control);
  }
}

void ForgetControl(TControl* Control) {
  if (last_press.control == Control) last_press = LastPress{};
  if (GetCaptureControl() == Control) SetCaptureControl(nullptr);
  if (TWinControl* parent = Control->Parent()) {
    if (WinControlAccess::Of(parent).hovered == Control)
      WinControlAccess::Of(parent).hovered = nullptr;
  }
  if (auto* win = dynamic_cast<TWinControl*>(Control)) WinControlAccess::Of(win).hovered = nullptr;
}

}  // namespace forms_internal
