#include <algorithm>

#include "platform/forms/controls.h"
#include "platform/forms/forms.h"
#include "platform/forms/window.h"

namespace {
TControl* capture_control = nullptr;
}

TControl* GetCaptureControl() { return capture_control; }
void SetCaptureControl(TControl* Control) { capture_control = Control; }

std::string GetShortHint(const std::string& Hint) {
  size_t bar = Hint.find('|');
  return bar == std::string::npos ? Hint : Hint.substr(0, bar);
}

std::string GetLongHint(const std::string& Hint) {
  size_t bar = Hint.find('|');
  return bar == std::string::npos ? Hint : Hint.substr(bar + 1);
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
  FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  Destroying();
  forms_internal::ForgetControl(this);
  if (capture_control == this) capture_control = nullptr;
  if (FParent != nullptr) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  if (AParent == this) return;
  if (FParent != nullptr) FParent->RemoveControl(this);
  if (AParent != nullptr) {
    AParent->InsertControl(this);
    if (FParentFont) {
      FFont->Assign(*AParent->Font());
      FParentFont = true;  // the assignment's change notice cleared it
    }
    if (FParentColor && FColor != AParent->Color()) {
      FColor = AParent->Color();
      Perform(CM_COLORCHANGED, 0, 0);
    }
  }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  TRect old = BoundsRect();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  BoundsChanged(old);
}

void TControl::BoundsChanged(const TRect&) {}

TPoint TControl::ClientOrigin() const {
  if (FParent == nullptr) return TPoint{FLeft, FTop};
  TPoint p = FParent->ClientOrigin();
  return TPoint{p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const {
  TPoint o = ClientOrigin();
  return TPoint{P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
  TPoint o = ClientOrigin();
  return TPoint{P.X - o.X, P.Y - o.Y};
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
  if (FParent != nullptr && FAlign != alNone) FParent->AlignControls();
}

void TControl::VisibleChanged() {}

bool TControl::Showing() const {
  if (!FVisible || FParent == nullptr) return false;
  return FParent->Showing();
}

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

bool TControl::EffectivelyEnabled() const {
  for (const TControl* c = this; c != nullptr; c = c->FParent) {
    if (!c->FEnabled) return false;
  }
  return true;
}

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  if (FParent != nullptr) FParent->AlignControls();
}

void TControl::SetColor(TColor Value) {
  FParentColor = false;
  if (Value == FColor) return;
  FColor = Value;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (Value == FParentColor) return;
  FParentColor = Value;
  if (Value && FParent != nullptr && FParent->Color() != FColor) {
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED, 0, 0);
  }
}

void TControl::SetFont(const TFont* Value) {
  if (Value != nullptr) FFont->Assign(*Value);
}

void TControl::FontChanged() {
  FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (Value == FParentFont) return;
  FParentFont = Value;
  if (Value && FParent != nullptr) {
    FFont->Assign(*FParent->Font());
    FParentFont = true;  // the assignment's change notice cleared it
  }
}

void TControl::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Perform(CM_TEXTCHANGED, 0, 0);
}

bool TControl::ShowHint() const {
  const TControl* c = this;
  while (c->FParentShowHint && c->FParent != nullptr) c = c->FParent;
  return c->FShowHint;
}

void TControl::SetShowHint(bool Value) {
  FShowHint = Value;
  FParentShowHint = false;
}

void TControl::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::Invalidate() {}
void TControl::Update() {}

void TControl::BringToFront() {
  if (FParent == nullptr) return;
  auto move_last = [this](auto& list) {
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(it, it + 1, list.end());
  };
  if (auto* win = dynamic_cast<TWinControl*>(this)) {
    move_last(FParent->FWinControls);
    if (QWidget* w = forms_internal::WidgetOf(win)) w->raise();
  } else {
    move_last(FParent->FControls);
    Invalidate();
  }
}

void TControl::SendToBack() {
  if (FParent == nullptr) return;
  auto move_first = [this](auto& list) {
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(list.begin(), it, it + 1);
  };
  if (auto* win = dynamic_cast<TWinControl*>(this)) {
    move_first(FParent->FWinControls);
    if (QWidget* w = forms_internal::WidgetOf(win)) w->lower();
  } else {
    move_first(FParent->FControls);
    Invalidate();
  }
}

int64_t TControl::Perform(uint32_t Msg, int64_t WParam, int64_t LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      MouseMessage(Message);
      break;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    case CM_PARENTFONTCHANGED:
      if (FParentFont && FParent != nullptr) {
        FFont->Assign(*FParent->Font());
        FParentFont = true;
      }
      break;
    case CM_PARENTCOLORCHANGED:
      if (FParentColor && FParent != nullptr && FParent->Color() != FColor) {
        FColor = FParent->Color();
        Perform(CM_COLORCHANGED, 0, 0);  // passes it on to the control's own children
      }
      break;
    default:
      break;
  }
}

void TControl::MouseMessage(TMessage& Message) {
  const int x = LoSmall(Message.LParam);
  const int y = HiSmall(Message.LParam);
  TShiftState shift = KeysToShiftState(Message.WParam);
  auto button_of = [](uint32_t msg) {
    if (msg >= WM_MBUTTONDOWN) return mbMiddle;
    if (msg >= WM_RBUTTONDOWN) return mbRight;
    return mbLeft;
  };
  const TMouseButton button = button_of(Message.Msg);
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (FControlStyle.Contains(csCaptureMouse)) SetCaptureControl(this);
      if (button == mbLeft) {
        FControlState += csLButtonDown;
        if (FControlStyle.Contains(csClickEvents)) FControlState += csClicked;
      }
      MouseDown(button, shift, x, y);
      return;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (FControlStyle.Contains(csCaptureMouse)) SetCaptureControl(this);
      if (button == mbLeft) {
        FControlState += csLButtonDown;
        if (FControlStyle.Contains(csClickEvents)) DblClick();
      }
      MouseDown(button, shift + ssDouble, x, y);
      return;
    default: {  // the releases
      if (capture_control == this &&
          (Message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
        SetCaptureControl(nullptr);
      }
      if (button == mbLeft) {
        FControlState -= csLButtonDown;
        if (FControlState.Contains(csClicked)) {
          FControlState -= csClicked;
          if (PtInRect(ClientRect(), TPoint{x, y})) Click();
        }
      }
      MouseUp(button, shift, x, y);
      return;
    }
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

TCustomForm* GetParentForm(const TControl* Control) {
  const TControl* c = Control;
  while (c != nullptr && c->Parent() != nullptr) c = c->Parent();
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}
