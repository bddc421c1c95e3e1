#include <QCloseEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/forms.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/window.h"

namespace forms_internal {

ControlWidget::ControlWidget(TWinControl* Control, QWidget* Parent)
    : QWidget(Parent), FControl(Control) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_NoMousePropagation);
  setMouseTracking(true);
  // Focus moves only through SetFocus and the form's navigation, never by a click.
  setFocusPolicy(Qt::NoFocus);
}

bool ControlWidget::event(QEvent* E) {
  if (FControl != nullptr) {
    switch (E->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        if (!isEnabled()) return false;
        {
          bool done = false;
          TWinControl* control = FControl;
          DispatchGuarded([&] { done = RouteKey(control, static_cast<QKeyEvent*>(E)); });
          E->accept();
          return true;
        }
      case QEvent::ShortcutOverride:
        E->accept();  // every key reaches the control, none becomes a shortcut on the way
        return true;
      case QEvent::ToolTip: {
        TWinControl* control = FControl;
        DispatchGuarded([&] { RouteToolTip(control, static_cast<QHelpEvent*>(E)); });
        return true;
      }
      default:
        break;
    }
  }
  return QWidget::event(E);
}

namespace {

QColor QtColor(TColor Color) {
  const TColor c = ColorToRGB(Color);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

}  // namespace

void ControlWidget::paintEvent(QPaintEvent* E) {
  QPainter painter(this);
  if (FControl == nullptr) return;
  const QPoint o = ClientOffset(FControl);
  const QRect client(o, QSize(FControl->ClientWidth(), FControl->ClientHeight()));
  if (HasFrame(FControl)) {
    // The frame: the corner between two scroll bars and the border.
    painter.fillRect(E->rect(), QtColor(clBtnFace));
    if (WinControlAccess::Of(FControl).border) {
      painter.setPen(QtColor(clWindowFrame));
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
  }
  const QRect area = E->rect() & client;
  TBitmap* image = WinControlAccess::Of(FControl).image.get();
  if (image == nullptr || image->Empty()) {
    painter.fillRect(area, QtColor(FControl->Color()));
    return;
  }
  TSurface s = image->Surface();
  QImage view(reinterpret_cast<const uchar*>(s.Bits), s.Width, s.Height, s.Stride * 4,
              QImage::Format_RGB32);
  painter.drawImage(area, view, area.translated(-o));
}

void ControlWidget::mousePressEvent(QMouseEvent* E) {
  if (FControl != nullptr) RouteMouse(FControl, E);
}
void ControlWidget::mouseReleaseEvent(QMouseEvent* E) {
  if (FControl != nullptr) RouteMouse(FControl, E);
}
void ControlWidget::mouseDoubleClickEvent(QMouseEvent* E) {
  // Qt gives the second press of a double click as this event; it is routed as a press, and
  // the router tells the double click by itself.
  if (FControl != nullptr) RouteMouse(FControl, E);
}
void ControlWidget::mouseMoveEvent(QMouseEvent* E) {
  if (FControl != nullptr) RouteMouse(FControl, E);
}
void ControlWidget::leaveEvent(QEvent*) {
  if (FControl != nullptr) RouteMouseLeave(FControl);
}

void ControlWidget::focusInEvent(QFocusEvent* E) {
  if (FControl == nullptr) return;
  TWinControl* control = FControl;
  const Qt::FocusReason reason = E->reason();
  DispatchGuarded([&] {
    WidgetFocused(control, reason);
    SendMessage(control->Handle(), WM_SETFOCUS, 0, 0);
  });
}

void ControlWidget::focusOutEvent(QFocusEvent*) {
  if (FControl == nullptr) return;
  HWND wnd = FControl->Handle();
  DispatchGuarded([&] { SendMessage(wnd, WM_KILLFOCUS, 0, 0); });
}

void ControlWidget::closeEvent(QCloseEvent* E) {
  auto* form = dynamic_cast<TCustomForm*>(FControl);
  if (form == nullptr) return;
  FormWindowClose(form, E);
}

void ControlWidget::resizeEvent(QResizeEvent*) {
  auto* form = dynamic_cast<TCustomForm*>(FControl);
  if (form != nullptr && isWindow()) FormWindowResized(form);
}

void ControlWidget::moveEvent(QMoveEvent*) {
  auto* form = dynamic_cast<TCustomForm*>(FControl);
  if (form != nullptr && isWindow()) FormWindowMoved(form);
}

void ControlWidget::changeEvent(QEvent* E) {
  auto* form = dynamic_cast<TCustomForm*>(FControl);
  if (form != nullptr && E->type() == QEvent::ActivationChange) FormWindowActivation(form);
  if (form != nullptr && E->type() == QEvent::WindowStateChange) FormWindowStateChanged(form);
  QWidget::changeEvent(E);
}

TWinControl* ControlOfWidget(QWidget* Widget) {
  for (QWidget* w = Widget; w != nullptr; w = w->parentWidget()) {
    if (auto* own = dynamic_cast<ControlWidget*>(w)) return own->Control();
  }
  return nullptr;
}

QWidget* WidgetOf(const TWinControl* Control) {
  return Control == nullptr ? nullptr : WinControlAccess::Of(Control).widget;
}

}  // namespace forms_internal

namespace forms_internal {

std::unique_ptr<TBitmap> GrabWidget(QWidget* Widget, const TBitmap& Under, TPoint At) {
  auto out = std::make_unique<TBitmap>();
  const QSize size = Widget->size();
  if (size.isEmpty()) return out;
  // Start from what lies beneath, as the screen does: a widget that leaves pixels alone (the
  // rounded corners of a push button) shows its parent there.
  QImage shot(size, QImage::Format_RGB32);
  shot.fill(Qt::black);
  for (int y = 0; y < size.height(); ++y) {
    const uint32_t* src = Under.ScanLine(At.Y + y);
    if (src == nullptr) continue;
    auto* dst = reinterpret_cast<uint32_t*>(shot.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      const int ux = At.X + x;
      if (ux >= 0 && ux < Under.Width()) dst[x] = src[ux];
    }
  }
  Widget->render(&shot, QPoint(), QRegion(), QWidget::DrawChildren);
  out->SetSize(shot.width(), shot.height());
  for (int y = 0; y < shot.height(); ++y) {
    const auto* src = reinterpret_cast<const uint32_t*>(shot.constScanLine(y));
    std::copy(src, src + shot.width(), out->ScanLine(y));
  }
  return out;
}

}  // namespace forms_internal
