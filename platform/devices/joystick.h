#pragma once
// Joysticks through the Linux joystick API, in the shape of the Windows multimedia joystick
// functions. Joystick 1 and 2 (ids JOYSTICKID1, JOYSTICKID2) are the device paths of section
// [Joystick], keys Joy1 and Joy2, of the settings file (defaults /dev/input/js0 and js1).
// Positions are scaled to 0..65535 (the device's -32767..32767), axes 0, 1, 2 are x, y, z, and
// buttons 1..4 are the device's buttons 0..3; other axes and buttons are ignored.

#include <cstdint>
#include <functional>
#include <string>

constexpr uint32_t JOYSTICKID1 = 0, JOYSTICKID2 = 1;
constexpr uint32_t JOYERR_NOERROR = 0, JOYERR_PARMS = 165, JOYERR_NOCANDO = 166,
                   JOYERR_UNPLUGGED = 167;

constexpr uint32_t MM_JOY1MOVE = 0x3A0, MM_JOY2MOVE = 0x3A1, MM_JOY1ZMOVE = 0x3A2,
                   MM_JOY2ZMOVE = 0x3A3, MM_JOY1BUTTONDOWN = 0x3B5, MM_JOY2BUTTONDOWN = 0x3B6,
                   MM_JOY1BUTTONUP = 0x3B7, MM_JOY2BUTTONUP = 0x3B8;
constexpr uint32_t JOY_BUTTON1 = 0x1, JOY_BUTTON2 = 0x2, JOY_BUTTON3 = 0x4, JOY_BUTTON4 = 0x8,
                   JOY_BUTTON1CHG = 0x100, JOY_BUTTON2CHG = 0x200, JOY_BUTTON3CHG = 0x400,
                   JOY_BUTTON4CHG = 0x800;

struct JOYINFO {
  uint32_t wXpos = 0, wYpos = 0, wZpos = 0;  // 0..65535
  uint32_t wButtons = 0;                     // JOY_BUTTON1..JOY_BUTTON4
};

// A joystick message. WParam: the buttons held (JOY_BUTTONn) and, for button messages, the
// JOY_BUTTONnCHG bit of the one button that changed. LParam: x in the low and y in the high
// 16 bits; for the Z messages z in the low 16 bits.
struct TJoyMessage {
  uint32_t Msg = 0;
  uint32_t WParam = 0;
  uint32_t LParam = 0;
  bool operator==(const TJoyMessage&) const = default;
};
using TJoyReceiver = std::function<void(const TJoyMessage&)>;

// The device path of a joystick id; empty for other ids.
std::string JoyDevicePath(uint32_t Id);

// How many of the two joysticks are present (their devices exist).
uint32_t JoyGetNumDevs();

// The current position and buttons: JOYERR_NOERROR when the device answers, JOYERR_UNPLUGGED
// when it cannot be opened, JOYERR_PARMS for a bad id or a null pointer. A stick that has not
// reported its state yet reads as centred with no button held.
uint32_t JoyGetPos(uint32_t Id, JOYINFO* Info);

// Sends the stick's messages to the receiver, on the GUI thread, as the device reports changes:
// a move message when x or y changed, a Z message when z changed, one button message per button
// that went down or up, in the order the device reported them. Needs the Qt application object
// (the device is watched by the event loop). JOYERR_NOCANDO when the stick is captured already
// or there is no application object, JOYERR_UNPLUGGED when the device cannot be opened. A device
// that goes away ends the capture quietly. The receiver may release captures; it must stay
// callable until the capture is released.
uint32_t JoySetCapture(uint32_t Id, TJoyReceiver Receiver);

// True while the stick is captured: from JoySetCapture until JoyReleaseCapture or until its
// device goes away.
bool JoyCaptured(uint32_t Id);

// Ends the capture; harmless when the stick is not captured.
uint32_t JoyReleaseCapture(uint32_t Id);
