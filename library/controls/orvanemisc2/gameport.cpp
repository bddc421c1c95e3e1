#include "library/controls/orvanemisc2/gameport.h"

#include "platform/devices/joystick.h"
#include "platform/forms/application.h"

TGamePort::TGamePort(TComponent* AOwner) : TComponent(AOwner) {
  FHandle = AllocateHWnd([this](TMessage& Message) { WndProc(Message); });
}

TGamePort::~TGamePort() {
  if (FEnabled) SetEnabled(false);
  DeallocateHWnd(FHandle);
}

bool TGamePort::PortOk() const { return JoyGetNumDevs() > 0; }

bool TGamePort::Lost(int Stick) const {
  return FCaptured[Stick] && !JoyCaptured(Stick == 0 ? JOYSTICKID1 : JOYSTICKID2);
}

bool TGamePort::AllLost() const {
  if (!FCaptured[0] && !FCaptured[1]) return false;
  return (!FCaptured[0] || Lost(0)) && (!FCaptured[1] || Lost(1));
}

void TGamePort::SetEnabled(bool Value) {
  if (ComponentState().Contains(csLoading)) {
    FLoadedEnabled = Value;
    return;
  }
  if (FEnabled && AllLost()) {
    // The devices went away: the captures ended on their own.
    FEnabled = false;
    FCaptured[0] = FCaptured[1] = false;
  }
  if (Value == FEnabled) return;
  if (Value) {
    Application->Initialize();  // the devices are watched by the event loop
    const HWND wnd = FHandle;
    const TJoyReceiver receiver = [wnd](const TJoyMessage& m) {
      SendMessage(wnd, m.Msg, m.WParam, m.LParam);
    };
    const bool designing = ComponentState().Contains(csDesigning);
    const struct {
      TUseDeviceItem Item;
      uint32_t Id;
      bool* Ok;
      bool* Captured;
    } sticks[] = {{udJoystick1, JOYSTICKID1, &FStickOk1, &FCaptured[0]},
                  {udJoystick2, JOYSTICKID2, &FStickOk2, &FCaptured[1]}};
    for (const auto& s : sticks) {
      if (!FUseDevice.Contains(s.Item)) continue;
      *s.Ok = JoySetCapture(s.Id, receiver) == JOYERR_NOERROR;
      *s.Captured = *s.Ok && !designing;
      if (designing) JoyReleaseCapture(s.Id);
    }
  } else {
    JoyReleaseCapture(JOYSTICKID1);
    JoyReleaseCapture(JOYSTICKID2);
    FCaptured[0] = FCaptured[1] = false;
  }
  FEnabled = Value;
}

void TGamePort::SetUseDevice(TUseDevice Value) {
  if (ComponentState().Contains(csDesigning)) {
    FUseDevice = Value;
    return;
  }
  if (Value == FUseDevice) return;
  FUseDevice = {};
  JOYINFO info;
  if (Value.Contains(udJoystick1) && JoyGetPos(JOYSTICKID1, &info) == JOYERR_NOERROR) {
    FStickOk1 = true;
    FUseDevice += udJoystick1;
  }
  if (Value.Contains(udJoystick2) && JoyGetPos(JOYSTICKID2, &info) == JOYERR_NOERROR) {
    FStickOk2 = true;
    FUseDevice += udJoystick2;
  }
}

void TGamePort::Loaded() {
  TComponent::Loaded();
  if (FLoadedEnabled) SetEnabled(true);
}

void TGamePort::WndProc(TMessage& Message) {
  enum Kind { kMove, kZMove, kDown, kUp };
  int stick;
  Kind kind;
  switch (Message.Msg) {
    case MM_JOY1MOVE:
      stick = 0;
      kind = kMove;
      break;
    case MM_JOY2MOVE:
      stick = 1;
      kind = kMove;
      break;
    case MM_JOY1ZMOVE:
      stick = 0;
      kind = kZMove;
      break;
    case MM_JOY2ZMOVE:
      stick = 1;
      kind = kZMove;
      break;
    case MM_JOY1BUTTONDOWN:
      stick = 0;
      kind = kDown;
      break;
    case MM_JOY2BUTTONDOWN:
      stick = 1;
      kind = kDown;
      break;
    case MM_JOY1BUTTONUP:
      stick = 0;
      kind = kUp;
      break;
    case MM_JOY2BUTTONUP:
      stick = 1;
      kind = kUp;
      break;
    default:
      Message.Result = DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
      return;
  }
  TStick& s = FStick[stick];
  const uint32_t flags = static_cast<uint32_t>(Message.WParam);
  const TJoyButton button = flags & 0xF;
  int changed = -1;  // the highest button whose change flag is set
  for (int b = 3; b >= 0 && changed < 0; --b) {
    if (flags & (JOY_BUTTON1CHG << b)) changed = b;
  }
  if (changed < 0) {
    // No change flag: the lowest button that differs from the last known state.
    const int diff = (button ^ s.Buttons) & 0xF;
    for (int b = 0; b < 4 && changed < 0; ++b) {
      if (diff & (1 << b)) changed = b;
    }
  }
  if (kind == kZMove) {
    s.Z = LoWord(Message.LParam);
  } else {
    s.X = LoWord(Message.LParam);
    s.Y = HiWord(Message.LParam);
  }
  s.Buttons = button;
  if (kind == kMove || kind == kZMove) {
    const TJoyMoveEvent& event = stick == 0 ? OnJoy1Move : OnJoy2Move;
    if (event) event(this, s.X, s.Y, s.Z, button);
    return;
  }
  // A button message that names no changed button, and shows none, carries no news.
  if (changed < 0) return;
  const TJoyButtonEvent& event = kind == kDown ? (stick == 0 ? OnJoy1ButtonDown : OnJoy2ButtonDown)
                                               : (stick == 0 ? OnJoy1ButtonUp : OnJoy2ButtonUp);
  if (event) event(this, s.X, s.Y, s.Z, button, static_cast<TJoyButtonChanged>(changed));
}
