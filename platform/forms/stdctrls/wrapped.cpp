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
  InputWatcher(QWidget* widget, TWinControl* control) : QObject(widget), FControl(control) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    auto* widget = static_cast<QWidget*>(watched);
    TWinControl* control = FControl;
    switch (e->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        if (!widget->isEnabled()) return false;
        bool used = false;
        DispatchGuarded([&] { used = RouteKey(control, static_cast<QKeyEvent*>(e)); });
        return used;
      }
      case QEvent::ShortcutOverride:
        // Every key reaches the control, as on our own windows: an accelerator is pressed by
        // the form's rules, not by Qt's mnemonic shortcut besides them.
        e->accept();
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
        return RouteMouse(control, static_cast<QMouseEvent*>(e));
      case QEvent::Leave:
        RouteMouseLeave(control);
        return false;
      case QEvent::ToolTip:
        DispatchGuarded([&] { RouteToolTip(control, static_cast<QHelpEvent*>(e)); });
        return true;
      case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
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

QColor QtColor(TColor color) {
  const TColor c = ColorToRGB(color);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The face and size our canvas draws the font with, so that widget texts match drawn ones.
QFont QtFont(const TFont& font) {
  const RealizedFont& realized = RealizeFont(font);
  QFont f(QString::fromStdString(realized.Family()));
  f.setPixelSize(realized.EmPixels());
  f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setKerning(false);
  f.setBold(font.Style().Contains(fsBold));
  f.setItalic(font.Style().Contains(fsItalic));
  f.setUnderline(font.Style().Contains(fsUnderline));
  f.setStrikeOut(font.Style().Contains(fsStrikeOut));
  return f;
}

QStringList QtLines(const TStringList& lines) {
  QStringList out;
  for (int i = 0; i < lines.Count(); ++i) out << ToQt(lines.Strings(i));
  return out;
}

void WatchInput(QWidget* widget, TWinControl* control) {
  widget->setMouseTracking(true);
  widget->installEventFilter(new InputWatcher(widget, control));
}

void Unwatch(QWidget* widget) {
  // Not findChildren: without a meta-object of its own the watcher cannot be told apart there.
  const QObjectList children = widget->children();
  for (QObject* child : children) {
    if (auto* watcher = dynamic_cast<InputWatcher*>(child)) {
      widget->removeEventFilter(watcher);
      delete watcher;
    }
  }
}

void ApplyLook(QWidget* widget, const TControl* control, QPalette::ColorRole background) {
  widget->setFont(QtFont(*control->Font()));
  QPalette palette = widget->palette();
  const QColor text = QtColor(control->Font()->Color());
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
  if (background != QPalette::NoRole) palette.setColor(background, QtColor(control->Color()));
  widget->setPalette(palette);
  if (background == QPalette::Window) {
    // Check and radio boxes fill with the button role; they take the control's (parent's) colour.
    if (qobject_cast<QAbstractButton*>(widget) != nullptr)
      widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
  }
}

}  // namespace forms_internal
