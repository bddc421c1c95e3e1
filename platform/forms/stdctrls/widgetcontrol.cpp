#include <QPalette>
#include <QWidget>

#include "platform/forms/stdctrls/stdctrls.h"
#include "platform/forms/stdctrls/wrapped.h"

TWidgetControl::TWidgetControl(TComponent* AOwner) : TWinControl(AOwner) {
  // The widget makes its own clicks and mouse grabs.
  SetControlStyle(ControlStyle() - csClickEvents - csCaptureMouse);
  SetParentFont(true);
  SetTabStop(true);
}

TWidgetControl::~TWidgetControl() {
  if (QWidget* w = Widget()) {
    QObject::disconnect(w, nullptr, nullptr, nullptr);
    forms_internal::Unwatch(w);
  }
}

int TWidgetControl::ColorRole() const { return QPalette::Window; }

QWidget* TWidgetControl::CreateWidget(QWidget* Parent) {
  QWidget* w = MakeWidget(Parent);
  forms_internal::WatchInput(w, this);
  SyncAll(w);
  return w;
}

void TWidgetControl::Sync() {
  if (QWidget* w = Widget()) SyncAll(w);
}

void TWidgetControl::SyncAll(QWidget* W) {
  const int role = ColorRole();
  forms_internal::ApplyLook(W, this, role < 0 ? QPalette::NoRole : QPalette::ColorRole(role));
  SyncWidget(W);
}

void TWidgetControl::WndProc(TMessage& Message) {
  TWinControl::WndProc(Message);
  switch (Message.Msg) {
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
      Sync();
      break;
    default:
      break;
  }
}
