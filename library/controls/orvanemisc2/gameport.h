#pragma once
// TGamePort: up to two joysticks turned into events. While Enabled, the sticks in UseDevice are
// captured and their messages reach a hidden message window; the events fire on the GUI thread as
// the messages arrive.

#include <cstdint>
#include <functional>

#include "platform/base/set.h"
#include "platform/forms/component.h"
#include "platform/forms/messages.h"

enum TUseDeviceItem { udJoystick1, udJoystick2 };
using TUseDevice = TSet<TUseDeviceItem>;

// The buttons held: bit 1 button 1, bit 2 button 2, bit 4 button 3, bit 8 button 4.
using TJoyButton = uint8_t;
// The button that changed, 0..3 (button 1 is 0).
using TJoyButtonChanged = uint8_t;

using TJoyMoveEvent = std::function<void(TObject* Sender, int x, int y, int z, TJoyButton Button)>;
using TJoyButtonEvent = std::function<void(TObject* Sender, int x, int y, int z, TJoyButton Button,
                                           TJoyButtonChanged ButtonChanged)>;

class TGamePort : public TComponent {
 public:
  explicit TGamePort(TComponent* AOwner);
  // Releases the captures and the message window.
  ~TGamePort() override;

  // True when at least one joystick device is there; writes are ignored.
  bool PortOk() const;
  void SetPortOk(bool) {}
  // The stick was captured, or answered a position query, and its device has not gone away
  // while captured; writes are ignored.
  bool StickOk1() const { return FStickOk1 && !Lost(0); }
  void SetStickOk1(bool) {}
  bool StickOk2() const { return FStickOk2 && !Lost(1); }
  void SetStickOk2(bool) {}

  // Captures the sticks in UseDevice (True) or releases both (False); acts only on a change.
  // While a form is read the value is kept and applied once loading ends, so that it sees the
  // UseDevice stored after it. Reads False once the devices of all captured sticks have gone
  // away; switching it on again captures anew.
  bool Enabled() const { return FEnabled && !AllLost(); }
  void SetEnabled(bool Value);
  // At run time only the sticks that answer a position query are kept. Captures follow at the
  // next switch of Enabled to True.
  TUseDevice UseDevice() const { return FUseDevice; }
  void SetUseDevice(TUseDevice Value);

  // The hidden window's procedure: joystick messages become events, others go to the default.
  void WndProc(TMessage& Message);
  // The hidden window the messages go to.
  HWND Handle() const { return FHandle; }

  TJoyMoveEvent OnJoy1Move;
  TJoyMoveEvent OnJoy2Move;
  TJoyButtonEvent OnJoy1ButtonDown;
  TJoyButtonEvent OnJoy2ButtonDown;
  TJoyButtonEvent OnJoy1ButtonUp;
  TJoyButtonEvent OnJoy2ButtonUp;

  void Loaded() override;

 private:
  struct TStick {
    int X = 0, Y = 0, Z = 0;
    TJoyButton Buttons = 0;
  };

  // The stick was captured by this component and its capture ended without a release.
  bool Lost(int Stick) const;
  // At least one stick was captured and every such capture was lost.
  bool AllLost() const;

  HWND FHandle = 0;
  bool FCaptured[2] = {false, false};
  TStick FStick[2];
  bool FEnabled = false;
  bool FLoadedEnabled = false;  // Enabled as read while the form is loading
  TUseDevice FUseDevice;
  bool FStickOk1 = false;
  bool FStickOk2 = false;
};
