// The frame of a windowed control: a one-pixel border and the window's own scroll bars, outside
// the client area.

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/window.h"

namespace {

using BarState = WinControlAccess::ScrollBar;

bool ValidBar(int Bar) { return Bar == SB_HORZ || Bar == SB_VERT; }

// Shows the control's range and position; a thumb being dragged stays under the mouse.
void SyncBar(QScrollBar* Bar, const BarState& State) {
  QSignalBlocker block(Bar);
  Bar->setRange(State.min, State.max);
  if (!Bar->isSliderDown()) Bar->setValue(State.pos);
}

// One of a window's own scroll bars: the user's actions go to the control as WM_HSCROLL or
// WM_VSCROLL, and the thumb then shows what the control keeps.
class WindowScrollBar : public QScrollBar {
 public:
  WindowScrollBar(TWinControl* Control, int Bar, QWidget* Parent)
      : QScrollBar(Bar == SB_VERT ? Qt::Vertical : Qt::Horizontal, Parent),
        FControl(Control),
        FBar(Bar) {
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setCursor(Qt::ArrowCursor);  // not the control's own cursor
    // A drag moves only the thumb: the position is the control's to set.
    setTracking(false);
    setPageStep(0);  // a thumb of fixed size, as the ranges carry no page
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) { Act(action); });
    connect(this, &QAbstractSlider::sliderMoved, this,
            [this](int pos) { Send(SB_THUMBTRACK, pos); });
    connect(this, &QAbstractSlider::sliderReleased, this,
            [this] { Send(SB_THUMBPOSITION, sliderPosition()); });
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* E) override {
    QScrollBar::mouseReleaseEvent(E);
    if (E->button() == Qt::LeftButton) Send(SB_ENDSCROLL, 0);
  }

 public:
  // The window goes. A bar inside its own action is still on Qt's stack: it leaves later.
  void Drop() {
    if (!FDispatching) {
      delete this;
      return;
    }
    FControl = nullptr;
    hide();
    setParent(nullptr);
    deleteLater();
  }

 private:
  void Act(int Action) {
    if (Action == SliderMove) {
      // The wheel over the bar; a drag reports itself through sliderMoved and the release.
      if (!isSliderDown()) Send(SB_THUMBPOSITION, sliderPosition());
      return;
    }
    const int code = forms_internal::ScrollCodeOfStep(Action);
    if (code >= 0) Send(code, 0);
  }

  void Send(int Code, int Pos) {
    if (FControl == nullptr) return;
    const HWND wnd = FControl->Handle();
    const uint32_t msg = FBar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    const bool outer = !FDispatching;
    FDispatching = true;
    DispatchGuarded([&] { SendMessage(wnd, msg, MakeLong(Code, Pos), 0); });
    if (outer) FDispatching = false;
    // The handler may have taken the window (or the whole control) away.
    if (FControl != nullptr) SyncBar(this, WinControlAccess::Of(FControl).bars[FBar]);
  }

  TWinControl* FControl;
  int FBar;
  bool FDispatching = false;
};

}  // namespace

bool TWinControl::WindowBorder() const { return FWindow->border; }

void TWinControl::SetWindowBorder(bool Value) {
  if (Value == FWindow->border) return;
  const TRect old = ClientRect();
  FWindow->border = Value;
  FrameChanged(old);
}

void TWinControl::ShowScrollBar(int Bar, bool Show) {
  if (!ValidBar(Bar) || FWindow->bars[Bar].shown == Show) return;
  const TRect old = ClientRect();
  FWindow->bars[Bar].shown = Show;
  FrameChanged(old);
}

bool TWinControl::ScrollBarVisible(int Bar) const {
  return ValidBar(Bar) && FWindow->bars[Bar].shown;
}

void TWinControl::SetScrollRange(int Bar, int Min, int Max) {
  if (!ValidBar(Bar)) return;
  BarState& s = FWindow->bars[Bar];
  s.min = Min;
  s.max = std::max(Min, Max);
  s.pos = std::clamp(s.pos, s.min, s.max);
  if (s.widget != nullptr) SyncBar(s.widget, s);
  // An empty range hides the bar, any other shows it.
  ShowScrollBar(Bar, s.min < s.max);
}

void TWinControl::GetScrollRange(int Bar, int& Min, int& Max) const {
  Min = ValidBar(Bar) ? FWindow->bars[Bar].min : 0;
  Max = ValidBar(Bar) ? FWindow->bars[Bar].max : 0;
}

int TWinControl::SetScrollPos(int Bar, int Pos) {
  if (!ValidBar(Bar)) return 0;
  BarState& s = FWindow->bars[Bar];
  const int old = s.pos;
  s.pos = std::clamp(Pos, s.min, s.max);
  if (s.widget != nullptr) SyncBar(s.widget, s);
  return old;
}

int TWinControl::GetScrollPos(int Bar) const { return ValidBar(Bar) ? FWindow->bars[Bar].pos : 0; }

TRect TWinControl::ClientRect() const {
  const int frame = FWindow->border ? 2 : 0;
  const int cx = FWindow->bars[SB_VERT].shown ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int cy = FWindow->bars[SB_HORZ].shown ? GetSystemMetrics(SM_CYHSCROLL) : 0;
  return Rect(0, 0, std::max(0, Width() - frame - cx), std::max(0, Height() - frame - cy));
}

void TWinControl::LayoutFrame() {
  QWidget* w = FWindow->widget;
  if (w == nullptr) return;
  const int b = FWindow->border ? 1 : 0;
  const TRect client = ClientRect();
  for (int bar : {SB_HORZ, SB_VERT}) {
    BarState& s = FWindow->bars[bar];
    if (!s.shown) {
      if (s.widget != nullptr) s.widget->hide();
      continue;
    }
    if (s.widget == nullptr) s.widget = new WindowScrollBar(this, bar, w);
    if (bar == SB_VERT) {
      s.widget->setGeometry(b + client.Right, b, GetSystemMetrics(SM_CXVSCROLL), client.Bottom);
    } else {
      s.widget->setGeometry(b, b + client.Bottom, client.Right, GetSystemMetrics(SM_CYHSCROLL));
    }
    SyncBar(s.widget, s);
    s.widget->raise();
    s.widget->show();
  }
  w->update();  // the border and the corner between the bars
}

void TWinControl::DropScrollBars() {
  for (auto& bar : FWindow->bars) {
    if (bar.widget != nullptr) static_cast<WindowScrollBar*>(bar.widget)->Drop();
    bar.widget = nullptr;
  }
}

void TWinControl::FrameChanged(const TRect& OldClient) {
  LayoutFrame();
  for (TWinControl* child : FWinControls) child->PlaceWidget();
  if (ClientRect() == OldClient) return;
  ResizeSurface();
  Invalidate();
  AlignControls();
  if (HandleAllocated()) SendSize();
}
