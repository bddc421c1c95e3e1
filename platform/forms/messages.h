#pragma once
// Window messages: the numbers the components use, the message record, and sending or posting a
// message to a window handle. A handle is only an identity: messages reach their receiver whether
// or not a window is on screen.

#include <cstdint>
#include <functional>

// 0 is "no window"; every live receiver has its own non-zero value, never reused.
using HWND = uintptr_t;

struct TMessage {
  uint32_t Msg = 0;
  int64_t WParam = 0;
  int64_t LParam = 0;
  int64_t Result = 0;
};

// A message as taken from the queue (input and posted messages), as Application.OnMessage sees it.
struct TMsg {
  HWND hwnd = 0;
  uint32_t message = 0;
  int64_t wParam = 0;
  int64_t lParam = 0;
};

constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_MOUSEACTIVATE = 0x0021;
constexpr uint32_t WM_NCHITTEST = 0x0084;
constexpr uint32_t WM_GETDLGCODE = 0x0087;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_SYSCHAR = 0x0106;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_HSCROLL = 0x0114;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t WM_MBUTTONUP = 0x0208;
constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
constexpr uint32_t WM_DROPFILES = 0x0233;
constexpr uint32_t WM_HOTKEY = 0x0312;
constexpr uint32_t WM_USER = 0x0400;

// Notifications of the class library to its controls.
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 6;
constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 15;
constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
// The button-group notice: WParam = group index, LParam = the sending control.
constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 24;
constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 27;
constexpr uint32_t CM_ENTER = CM_BASE + 43;
constexpr uint32_t CM_EXIT = CM_BASE + 44;

// Key and button flags in the WParam of mouse messages.
constexpr int64_t MK_LBUTTON = 0x0001;
constexpr int64_t MK_RBUTTON = 0x0002;
constexpr int64_t MK_SHIFT = 0x0004;
constexpr int64_t MK_CONTROL = 0x0008;
constexpr int64_t MK_MBUTTON = 0x0010;

constexpr int64_t SIZE_RESTORED = 0;

// A window's own scroll bars, and what WM_HSCROLL / WM_VSCROLL tell: the low word of WParam is
// the code, the high word the thumb position for SB_THUMBPOSITION and SB_THUMBTRACK.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;  // the thumb was let go at the position
constexpr int SB_THUMBTRACK = 5;     // the thumb is being dragged to the position
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_ENDSCROLL = 8;  // the mouse button was released on the bar

// Answers to WM_GETDLGCODE: which keys a control keeps instead of the form's navigation.
constexpr int64_t DLGC_WANTARROWS = 0x0001;
constexpr int64_t DLGC_WANTTAB = 0x0002;
constexpr int64_t DLGC_WANTALLKEYS = 0x0004;
constexpr int64_t DLGC_WANTCHARS = 0x0080;

constexpr int64_t MA_ACTIVATE = 1;

// Two 16-bit halves in one parameter (coordinates, sizes), as the messages carry them.
constexpr int64_t MakeLong(int Low, int High) {
  return int64_t(uint32_t(uint16_t(Low)) | (uint32_t(uint16_t(High)) << 16));
}
constexpr int LoWord(int64_t Value) { return int(uint16_t(Value & 0xFFFF)); }
constexpr int HiWord(int64_t Value) { return int(uint16_t((Value >> 16) & 0xFFFF)); }
// The halves read as signed 16-bit numbers (mouse coordinates may be negative under capture).
constexpr int LoSmall(int64_t Value) { return int(int16_t(uint16_t(Value & 0xFFFF))); }
constexpr int HiSmall(int64_t Value) { return int(int16_t(uint16_t((Value >> 16) & 0xFFFF))); }

using TWndMethod = std::function<void(TMessage& Message)>;

// A receiver of messages that is not a control (the hidden message window of device components).
// Its method runs on the GUI thread. Unknown messages should be answered with DefWindowProc.
HWND AllocateHWnd(TWndMethod Method);
// After this no message reaches the method, also none posted earlier.
void DeallocateHWnd(HWND Wnd);
int64_t DefWindowProc(HWND Wnd, uint32_t Msg, int64_t WParam, int64_t LParam);

// Calls the receiver at once and returns its Result; 0 when the handle names no live receiver.
int64_t SendMessage(HWND Wnd, uint32_t Msg, int64_t WParam, int64_t LParam);
// Queues the message behind those already waiting; the event loop delivers it (through
// Application.OnMessage first). A receiver gone by then never sees it. False for an unknown handle.
bool PostMessage(HWND Wnd, uint32_t Msg, int64_t WParam, int64_t LParam);
// True while the handle names a live receiver.
bool IsWindow(HWND Wnd);
