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

int Clamp16(int v) { return std::clamp(v, -32768, 32767); }

int64_t MouseKeys(const QMouseEvent& e) {
  int64_t keys = 0;
  if (e.buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
  if (e.buttons() & Qt::RightButton) keys |= MK_RBUTTON;
  if (e.buttons() & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (e.modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (e.modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

uint32_t ButtonBase(Qt::MouseButton b) {
  if (b == Qt::RightButton) return WM_RBUTTONDOWN;
  if (b == Qt::MiddleButton) return WM_MBUTTONDOWN;
  return WM_LBUTTONDOWN;
}

// The point p of window in the target's client coordinates.
TPoint ToTarget(TWinControl* window, TControl* target, QPoint p) {
  if (target == window) return TPoint{p.x(), p.y()};
  if (target->Parent() == window) return TPoint{p.x() - target->Left(), p.y() - target->Top()};
  return target->ScreenToClient(window->ClientToScreen(TPoint{p.x(), p.y()}));
}

std::string HintOf(const TControl* c) {
  for (; c != nullptr; c = c->Parent()) {
    if (!c->Hint().empty()) return c->Hint();
  }
  return std::string();
}

// The mouse over target; the hint is that of hint_source, which may be a disabled child that
// takes no mouse but still tells what it is for.
void Hover(TWinControl* window, TControl* target, const TControl* hint_source) {
  auto& w = WinControlAccess::Of(window);
  if (w.hovered != target) {
    TControl* old = w.hovered;
    w.hovered = target;
    if (old != nullptr) old->Perform(CM_MOUSELEAVE, 0, 0);
    if (target != nullptr) {
      target->Perform(CM_MOUSEENTER, 0, 0);
      TCursor cursor = target->Cursor() != crDefault ? target->Cursor() : window->Cursor();
      if (QWidget* widget = WidgetOf(window)) widget->setCursor(QtCursor(cursor));
    }
  }
  Application->SetHint(GetLongHint(HintOf(hint_source)));
}

}  // namespace

bool RouteMouse(TWinControl* window, QMouseEvent* e) {
  NoteButtons(e->buttons());
  NoteModifiers(e->modifiers());
  const QPoint p = e->position().toPoint() - ClientOffset(window);
  TControl* target = GetCaptureControl();
  // The frame (border, corner between the bars) is no part of the client area.
  if (target == nullptr && HasFrame(window) &&
      !PtInRect(window->ClientRect(), TPoint{p.x(), p.y()}))
    return false;
  if (target == nullptr) {
    target = window->ControlAtPos(TPoint{p.x(), p.y()});
    if (target == nullptr) target = window;
  }
  if (!target->Visible() || !target->EffectivelyEnabled()) return false;
  uint32_t msg = WM_MOUSEMOVE;
  if (e->type() == QEvent::MouseButtonDblClick && last_press.control == target &&
      last_press.button == e->button() && last_press.time == e->timestamp()) {
    return false;  // a desktop that sends both the press and the double click: the press counted
  }
  if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
    const QPoint global = e->globalPosition().toPoint();
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const bool twice = last_press.control == target && last_press.button == e->button() &&
                       !last_press.was_double && e->timestamp() >= last_press.time &&
                       e->timestamp() - last_press.time <= quint64(interval) &&
                       std::abs(global.x() - last_press.global.x()) <= 2 &&
                       std::abs(global.y() - last_press.global.y()) <= 2 &&
                       target->ControlStyle().Contains(csDoubleClicks);
    last_press = LastPress{target, e->button(), e->timestamp(), global, twice};
    msg = ButtonBase(e->button()) + (twice ? 2 : 0);
  } else if (e->type() == QEvent::MouseButtonRelease) {
    msg = ButtonBase(e->button()) + 1;
  }
  if (msg == WM_MOUSEMOVE && GetCaptureControl() == nullptr) {
    TControl* disabled =
        target == window ? window->ControlAtPos(TPoint{p.x(), p.y()}, true) : nullptr;
    Hover(window, target, disabled != nullptr ? disabled : target);
  }
  const TPoint local = ToTarget(window, target, p);
  TMsg queued{window->Handle(), msg, MouseKeys(*e), MakeLong(Clamp16(p.x()), Clamp16(p.y()))};
  bool hooked = false;
  DispatchGuarded([&] {
    hooked = Application->ProcessMessageHooks(queued);
    if (!hooked) target->Perform(msg, queued.wParam, MakeLong(Clamp16(local.X), Clamp16(local.Y)));
  });
  return hooked;
}

void RouteMouseLeave(TWinControl* window) {
  if (GetCaptureControl() != nullptr) return;
  DispatchGuarded([&] { Hover(window, nullptr, nullptr); });
}

bool RouteKey(TWinControl* window, QKeyEvent* e) {
  NoteModifiers(e->modifiers());
  const uint16_t vk = VirtualKeyOf(*e);
  const bool press = e->type() == QEvent::KeyPress;
  if (!press && e->isAutoRepeat()) return true;  // held keys repeat only their key-down
  NoteKey(vk, press);
  if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) NoteKey(vk, press);
  const bool alt =
      e->modifiers().testFlag(Qt::AltModifier) && !e->modifiers().testFlag(Qt::ControlModifier);
  const HWND wnd = window->Handle();
  if (!press) {
    TMsg msg{wnd, alt ? WM_SYSKEYUP : WM_KEYUP, vk, 0};
    if (vk == 0) return false;
    return Application->ProcessMessageHooks(msg) || SendMessage(wnd, msg.message, vk, 0) != 0;
  }
  if (vk != 0) {
    TMsg msg{wnd, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 0};
    if (Application->ProcessMessageHooks(msg)) return true;
    TCustomForm* form = GetParentForm(window);
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
  int c = CharOf(*e);
  // Alt with a letter types nothing in some keyboard set-ups; the key names the letter then.
  if (c < 0 && alt && ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))) c = vk;
  if (c >= 0) {
    TMsg msg{wnd, alt ? WM_SYSCHAR : WM_CHAR, c, 0};
    if (Application->ProcessMessageHooks(msg)) return true;
    if (SendMessage(wnd, msg.message, c, 0) != 0) return true;
    // Alt with a character presses the form's control whose caption has it as accelerator.
    TCustomForm* form = GetParentForm(window);
    if (alt && form != nullptr && form->Perform(CM_DIALOGCHAR, c, 0) != 0) return true;
  }
  return false;
}

void RouteToolTip(TWinControl* window, QHelpEvent* e) {
  const QPoint p = e->pos() - ClientOffset(window);
  TControl* target = window->ControlAtPos(TPoint{p.x(), p.y()}, true);
  if (target == nullptr) target = window;
  std::string hint = GetShortHint(HintOf(target));
  if (!target->ShowHint() || hint.empty()) {
    QToolTip::hideText();
    return;
  }
  std::replace(hint.begin(), hint.end(), '\r', '\n');
  QToolTip::showText(e->globalPos(), ToQt(hint), WidgetOf(window));
}

void WidgetFocused(TWinControl* control, Qt::FocusReason reason) {
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  TCustomForm* form = GetParentForm(control);
  if (form != nullptr && form->ActiveControl() != control && control != form) {
    form->SetActiveControl(control);
  }
}

void ForgetControl(TControl* control) {
  if (last_press.control == control) last_press = LastPress{};
  if (GetCaptureControl() == control) SetCaptureControl(nullptr);
  if (TWinControl* parent = control->Parent()) {
    if (WinControlAccess::Of(parent).hovered == control)
      WinControlAccess::Of(parent).hovered = nullptr;
  }
  if (auto* win = dynamic_cast<TWinControl*>(control)) WinControlAccess::Of(win).hovered = nullptr;
}

}  // namespace forms_internal
