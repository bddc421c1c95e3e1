#include <QScrollBar>
#include <QSignalBlocker>

#include "platform/forms/application.h"
#include "platform/forms/qtglue.h"
#include "platform/forms/stdctrls/stdctrls.h"

TScrollBar::TScrollBar(TComponent* AOwner) : TWidgetControl(AOwner) {
  SetBounds(0, 0, 121, 16);
  SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  if (!ComponentState().Contains(csReading)) SetBounds(Left(), Top(), Height(), Width());
  Sync();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  AMax = std::max(AMax, AMin);
  APosition = std::clamp(APosition, AMin, AMax);
  FMin = AMin;
  FMax = AMax;
  const bool moved = APosition != FPosition;
  FPosition = APosition;
  Sync();
  if (moved && !Loading() && OnChange) OnChange(this);
}

int TScrollBar::DoScroll(TScrollCode Code, int TrackPos) {
  int pos = FPosition;
  switch (Code) {
    case scLineUp:
      pos -= FSmallChange;
      break;
    case scLineDown:
      pos += FSmallChange;
      break;
    case scPageUp:
      pos -= FLargeChange;
      break;
    case scPageDown:
      pos += FLargeChange;
      break;
    case scPosition:
    case scTrack:
      pos = TrackPos;
      break;
    case scTop:
      pos = FMin;
      break;
    case scBottom:
      pos = FMax;
      break;
    default:
      break;
  }
  pos = std::clamp(pos, FMin, FMax);
  if (OnScroll) OnScroll(this, Code, pos);
  SetPosition(pos);
  return FPosition;
}

static_assert(scLineUp == SB_LINEUP && scPageDown == SB_PAGEDOWN && scTop == SB_TOP &&
              scBottom == SB_BOTTOM && scTrack == SB_THUMBTRACK && scEndScroll == SB_ENDSCROLL);

QWidget* TScrollBar::MakeWidget(QWidget* Parent) {
  auto* bar = new QScrollBar(Parent);
  QObject::connect(bar, &QScrollBar::actionTriggered, bar, [this, bar](int action) {
    // The class library's scroll codes have the window system's numbers.
    TScrollCode code = scTrack;
    if (action != QAbstractSlider::SliderMove) {
      const int step = forms_internal::ScrollCodeOfStep(action);
      if (step < 0) return;
      code = static_cast<TScrollCode>(step);
    }
    const int track = bar->sliderPosition();
    int result = FPosition;
    DispatchGuarded([&] { result = DoScroll(code, track); });
    // The action ends where the control put the position.
    bar->setSliderPosition(result);
  });
  return bar;
}

void TScrollBar::SyncWidget(QWidget* Widget) {
  auto* bar = static_cast<QScrollBar*>(Widget);
  QSignalBlocker block(bar);
  bar->setOrientation(FKind == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
  bar->setRange(FMin, FMax);
  bar->setSingleStep(std::max(FSmallChange, 1));
  bar->setPageStep(std::max(FLargeChange, 1));
  bar->setValue(FPosition);
}

void TScrollBar::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  TWidgetControl::WndProc(Message);
  if (Message.Msg == WM_KEYDOWN && Message.Result == 0) {
    // The keys of a focused scroll bar, as the window system maps them.
    TScrollCode code = scEndScroll;
    switch (uint16_t(Message.WParam)) {
      case VK_LEFT:
      case VK_UP:
        code = scLineUp;
        break;
      case VK_RIGHT:
      case VK_DOWN:
        code = scLineDown;
        break;
      case VK_PRIOR:
        code = scPageUp;
        break;
      case VK_NEXT:
        code = scPageDown;
        break;
      case VK_HOME:
        code = scTop;
        break;
      case VK_END:
        code = scBottom;
        break;
      default:
        return;
    }
    DoScroll(code, FPosition);
    Message.Result = 1;
  }
}
