#include "platform/forms/stdctrls/wrapped.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <cstdlib>

#include "platform/forms/application.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/window.h"
#include "platform/graphics/font_engine.h"

namespace forms_internal {
namespace {

class InputWatcher : public QObject {
 public:
  InputWatcher(QWidget* Widget, TWinControl* Control) : QObject(Widget), FControl(Control) {}

 protected:
  bool eventFilter(QObject* Watched, QEvent* E) override {
    auto* widget = static_cast<QWidget*>(Watched);
    TWinControl* control = FControl;
    switch (E->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        if (!widget->isEnabled()) return false;
        bool used = false;
        DispatchGuarded([&] { used = RouteKey(control, static_cast<QKeyEvent*>(E)); });
        return used;
      }
      case QEvent::ShortcutOverride:
        // Every key reaches the control, as on our own windows: an accelerator is pressed by
        // the form's rules, not by Qt's mnemonic shortcut besides them.
        E->accept();
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
        return RouteMouse(control, static_cast<QMouseEvent*>(E));
      case QEvent::Leave:
        RouteMouseLeave(control);
        return false;
      case QEvent::ToolTip:
        DispatchGuarded([&] { RouteToolTip(control, static_cast<QHelpEvent*>(E)); });
        return true;
      case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(E)->reason();
        DispatchGuarded([&] {
          WidgetFocused(control, reason);
          SendMessage(control->Handle(), WM_SETFOCUS, 0, 0);
        });
        return false;
      }
      case QEvent::FocusOut:
        DispatchGuarded([&] { SendMessage(control->Handle(), WM_KILLFOCUS, 0, 0); });
        return false;
      default:
        return false;
    }
  }

 private:
  TWinControl* FControl;
};

}  // namespace

QColor QtColor(TColor Color) {
  const TColor c = ColorToRGB(Color);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The face and size our canvas draws the font with, so that widget texts match drawn ones.
QFont QtFont(const TFont& Font) {
  const RealizedFont& realized = RealizeFont(Font);
  QFont f(QString::fromStdString(realized.Family()));
  f.setPixelSize(realized.EmPixels());
  f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setKerning(false);
  f.setBold(Font.Style().Contains(fsBold));
  f.setItalic(Font.Style().Contains(fsItalic));
  f.setUnderline(Font.Style().Contains(fsUnderline));
  f.setStrikeOut(Font.Style().Contains(fsStrikeOut));
  return f;
}

QStringList QtLines(const TStringList& Lines) {
  QStringList out;
  for (int i = 0; i < Lines.Count(); ++i) out << ToQt(Lines.Strings(i));
  return out;
}

void WatchInput(QWidget* Widget, TWinControl* Control) {
  Widget->setMouseTracking(true);
  Widget->installEventFilter(new InputWatcher(Widget, Control));
}

void Unwatch(QWidget* Widget) {
  // Not findChildren: without a meta-object of its own the watcher cannot be told apart there.
  const QObjectList children = Widget->children();
  for (QObject* child : children) {
    if (auto* watcher = dynamic_cast<InputWatcher*>(child)) {
      Widget->removeEventFilter(watcher);
      delete watcher;
    }
  }
}

void ApplyLook(QWidget* Widget, const TControl* Control, QPalette::ColorRole Background) {
  Widget->setFont(QtFont(*Control->Font()));
  QPalette palette = Widget->palette();
  const QColor text = QtColor(Control->Font()->Color());
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
  if (Background != QPalette::NoRole) palette.setColor(Background, QtColor(Control->Color()));
  Widget->setPalette(palette);
  if (Background == QPalette::Window) {
    // Check and radio boxes fill with the button role; they take the control's (parent's) colour.
    if (qobject_cast<QAbstractButton*>(Widget) != nullptr)
      Widget->setBackgroundRole(QPalette::Window);
    Widget->setAutoFillBackground(true);
  }
}

}  // namespace forms_internal
