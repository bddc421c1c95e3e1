#pragma once
// Controls: TControl (position, visibility, mouse, messages), TWinControl (a window with children,
// focus and keys), TCustomControl (a window with a canvas and Paint) and TGraphicControl (no
// window: paints into its parent's image, under the windowed siblings).
//
// Painting: every TCustomControl and form keeps a persistent image of its client size that is its
// screen. Canvas draws into it at any moment and the window shows the change soon after. Invalidate
// marks the control and one merged Paint follows from the event loop; Update and Repaint run a
// pending Paint at once. The image exists from the moment the control's window does (its form is
// shown); before that, and on a 0 x 0 control, drawing does nothing. Canvas state (pen, brush,
// font, pen mode) persists; a clip region is dropped when the message that set it ends.
//
// Messages: every message to a control goes through its virtual WndProc. A control class handles
// an id by overriding WndProc, acting on the ids it wants and calling the base WndProc for every
// other one (and for its own, first, where the class library's handling should run too). Input
// reaches a control as WM_* messages through the same path, so the default mouse and key
// handling lives in the base WndProc.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/set.h"
#include "platform/forms/component.h"
#include "platform/forms/input.h"
#include "platform/forms/messages.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/font.h"
#include "platform/graphics/geometry.h"

class QWidget;
class TBitmap;
class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,  // moves and the release reach the control after a press, also outside it
  csClickEvents,   // Click on a left release inside after a left press; DblClick
  csFramed,
  csSetCaption,
  csOpaque,       // Paint covers everything: no erase with Color before it
  csDoubleClicks  // the second press of a double click comes as a double click
};
using TControlStyle = TSet<TControlStyleItem>;
enum TControlStateItem { csLButtonDown, csClicked };
using TControlState = TSet<TControlStateItem>;
enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y,
                                          TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

// "short|long": the part before the first '|', and the part after it (the whole text without '|').
std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  // Moves the control into AParent's children (on top of its kind); nullptr takes it out.
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  // Negative sizes count as 0. A windowed control gets WM_SIZE at once when its size changed
  // and its window exists (also when the handler itself changes the size again).
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  // (0, 0, Width, Height) less a windowed control's frame (border and scroll bars).
  virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
  int ClientWidth() const { return ClientRect().Right; }
  int ClientHeight() const { return ClientRect().Bottom; }
  void SetClientWidth(int Value) { SetWidth(Value + FWidth - ClientWidth()); }
  void SetClientHeight(int Value) { SetHeight(Value + FHeight - ClientHeight()); }
  // Screen position of the client area's top-left pixel.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint P) const;
  TPoint ScreenToClient(TPoint P) const;

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, with every parent visible, on a form that is on screen.
  virtual bool Showing() const;
  // The control's own flag. Input needs it and every parent's; CM_ENABLEDCHANGED follows a change.
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  bool EffectivelyEnabled() const;
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  // The control's font; a change sends CM_FONTCHANGED (unless a component rebinds OnChange).
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value);
  // Off by default: components keep their own fonts. When on, the parent's font is copied in.
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  const std::string& Text() const { return FCaption; }
  void SetText(const std::string& Value) { SetCaption(Value); }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  // Whether the short hint shows as a tooltip; with ParentShowHint (the default) the parent's
  // setting holds.
  bool ShowHint() const;
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value) { FParentShowHint = Value; }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }

  // Marks the control for one Paint from the event loop (merged with further calls).
  virtual void Invalidate();
  // Runs a pending Paint now.
  virtual void Update();
  void Repaint() {
    Invalidate();
    Update();
  }
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // Delivers a message to WndProc at once; no window is needed.
  int64_t Perform(uint32_t Msg, int64_t WParam, int64_t LParam);
  // Every message to the control passes here.
  virtual void WndProc(TMessage& Message);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  // Stored for the components that publish them; this platform starts no drag operation.
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

 protected:
  virtual void Paint() {}
  virtual void Click();
  virtual void DblClick();
  // Shift holds the buttons down at that moment (on MouseUp no longer the released one) and
  // ssDouble on the second press of a double click. X and Y are client pixels, outside the
  // control while it captures the mouse.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  // The control's own font handler (bound to Font()->OnChange at construction).
  void FontChanged();
  // Called after Left/Top/Width/Height changed (before WM_SIZE).
  virtual void BoundsChanged(const TRect& OldBounds);
  virtual void VisibleChanged();

 private:
  friend class TWinControl;
  friend class TCustomForm;
  friend struct ControlAccess;
  void MouseMessage(TMessage& Message);

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TAlign FAlign = alNone;
  TColor FColor = clWindow;
  bool FParentColor = false;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = false;
  std::string FCaption;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TDragMode FDragMode = dmManual;
  TCursor FDragCursor = crDrag;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;
};

// The control that gets all mouse input now (set by a press, cleared by the last release).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  // Frees the owned components, then the child controls left (last first), then the window.
  ~TWinControl() override;

  // Children in child order: windowless ones first, then windowed ones, each bottom to top.
  int ControlCount() const { return int(FControls.size() + FWinControls.size()); }
  TControl* Controls(int Index) const;
  // Sends the message to every child in child order until one sets Result non-zero.
  void Broadcast(TMessage& Message);
  // The topmost visible windowless child at a client point that is enabled (or any, with
  // AllowDisabled), or nullptr.
  TControl* ControlAtPos(TPoint Pos, bool AllowDisabled = false) const;
  bool ContainsControl(const TControl* Control) const;

  // The identity messages are sent and posted to; never 0, fixed for the control's life.
  HWND Handle() const { return FHandle; }
  // True once the window exists (its form has been shown).
  bool HandleAllocated() const;
  // Makes the window (and those of the windowed children) if there is none yet.
  void HandleNeeded();

  // The window's frame around its client area: a one-pixel border and its own scroll bars,
  // SB_VERT at the right and SB_HORZ at the bottom. ClientRect and the image leave them out;
  // a change of the client size through them sends WM_SIZE as a resize does. A bar shows after
  // ShowScrollBar(Bar, true) or a SetScrollRange with Min < Max and hides with
  // ShowScrollBar(Bar, false) or an empty range. What the user does on a bar reaches WndProc as
  // WM_VSCROLL / WM_HSCROLL; the thumb stays where SetScrollPos puts it.
  bool WindowBorder() const;
  void SetWindowBorder(bool Value);
  void ShowScrollBar(int Bar, bool Show);
  bool ScrollBarVisible(int Bar) const;
  // Max below Min counts as Min. The position is clamped into the new range.
  void SetScrollRange(int Bar, int Min, int Max);
  void GetScrollRange(int Bar, int& Min, int& Max) const;
  // Clamped into the range; returns the position before.
  int SetScrollPos(int Bar, int Pos);
  int GetScrollPos(int Bar) const;
  TRect ClientRect() const override;

  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value) { FTabStop = Value; }
  // Position among the windowed siblings in the tab order; out-of-range values go to the end.
  int TabOrder() const;
  void SetTabOrder(int Value);
  // Makes the control its form's active control (DoExit on the old one, DoEnter on it). Does
  // nothing when the control cannot take the focus.
  virtual void SetFocus();
  virtual bool CanFocus() const;
  // True while the control holds the keyboard focus of the active window.
  bool Focused() const;

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void Invalidate() override;
  // Marks part of the client area for the next Paint (client coordinates).
  void InvalidateRect(const TRect& R);
  void Update() override;
  void WndProc(TMessage& Message) override;
  // Inside the border; a pop-up window's client origin is its own position on the screen.
  TPoint ClientOrigin() const override;
  // Lays out the aligned children: top, bottom, left and right ones in child order, then the
  // client-aligned ones in what is left.
  void AlignControls();

 protected:
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  // Only when the active control of the form changes, never when the window loses activation.
  virtual void DoEnter();
  virtual void DoExit();
  // The window: by default our own widget that shows the control's image. A subclass wrapping a
  // Qt widget returns that widget, made as a child of parent (nullptr for a top-level window).
  virtual QWidget* CreateWidget(QWidget* Parent);
  QWidget* Widget() const;
  // Makes the control a pop-up (call before its window exists): a window of its own above its
  // parent's form, with Left and Top in screen pixels, never activated, letting all input pass.
  void SetPopupWindow() { FPopup = true; }
  bool PopupWindow() const { return FPopup; }
  // Creates the persistent image that is this control's screen (TCustomControl, forms).
  void EnableSurface();
  // The image and its canvas; nullptr until the window exists.
  TBitmap* SurfaceImage() const;
  TCanvas* SurfaceCanvas() const;
  void BoundsChanged(const TRect& OldBounds) override;
  void VisibleChanged() override;
  // Runs a pending paint: erase with Color (unless csOpaque), Paint, then the windowless children.
  void PaintPending();
  virtual void PaintControls(const TRect& UpdateRect);

 private:
  friend class TControl;
  friend class TCustomForm;
  friend class TGraphicControl;
  friend struct WinControlAccess;
  struct Window;
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  void CreateHandle();
  void DestroyHandle();
  void ResizeSurface();
  void SchedulePaint();
  // The widget at the control's place in the parent's client area.
  void PlaceWidget();
  // Puts the frame's bars where the current size and frame want them (winframe.cpp).
  void LayoutFrame();
  // After the frame changed: the bars, the image, the children and WM_SIZE follow.
  void FrameChanged(const TRect& OldClient);
  void DropScrollBars();
  void SendSize();

  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FWinControls;
  std::vector<TWinControl*> FTabList;
  HWND FHandle = 0;
  bool FTabStop = false;
  bool FPopup = false;
  bool FAligning = false;
  std::unique_ptr<Window> FWindow;
};

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  // Draws on the control's screen image; see the top of this file.
  TCanvas* Canvas() const;

 protected:
  void Paint() override {}
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  // Draws into the parent's image within the control's bounds (origin at its top-left).
  TCanvas* Canvas() const;
  void Invalidate() override;
  void Update() override;

 protected:
  void Paint() override {}
  void BoundsChanged(const TRect& OldBounds) override;
  void VisibleChanged() override;

 private:
  friend class TWinControl;
  void BindCanvas() const;
  struct Binding {
    const TBitmap* image = nullptr;
    uint64_t stamp = 0;
    TRect bounds;
    bool operator==(const Binding&) const = default;
  };
  std::unique_ptr<TCanvas> FCanvas;
  mutable Binding FBinding;
};

// The form the control is on, or nullptr.
TCustomForm* GetParentForm(const TControl* Control);
