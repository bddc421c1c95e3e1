#pragma once
// The common part of the framed arrow-button pads TJoyStick, TUpDownT and TLeftRightT: the
// buttons' cells, their drawing, the pressed set, latching, spring-back and locked modes, and the
// auto-repeat of OnDown while a button is held (a record of the tick service).
//
// OnDown fires after a button was pressed by the mouse and again on every repeat, OnUp after one
// was released by the mouse; every OnDown of a press is followed by exactly one OnUp. A repaint
// keeps the pressed buttons pressed and fires nothing.

#include <array>
#include <cstdint>
#include <vector>

#include "library/foundation/frame.h"

// The arrow a button shows, named by the direction it points to.
enum class TPadArrow { UpLeft, Up, UpRight, Left, Centre, Right, DownLeft, Down, DownRight };

class TDirectionPad : public TRahmen {
 public:
  ~TDirectionPad() override;

  // True: direction buttons spring back on mouse-up, and auto-repeat is possible.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  // True: while any button is down no other can be pressed, and a down button comes up only by
  // clicking it again.
  bool LockMode() const { return FLockMode; }
  void SetLockMode(bool Value) { FLockMode = Value; }
  // Bit set of the pressed buttons. Writing presses and releases buttons without events (each pad
  // says which bits it honours); before the first painting the state is only stored.
  uint16_t ButtonStatus() const { return FButtonStatus; }
  virtual void SetButtonStatus(uint16_t Value) = 0;
  // Letter of the button whose state changed last: upper case when it went down, lower case when
  // it came up.
  char Button() const { return FButton; }
  void SetButton(char Value) { FButton = Value; }
  // Auto-repeat period in milliseconds; below 50 there is no auto-repeat.
  int RepSpeed() const { return FRepSpeed; }
  void SetRepSpeed(int Value) { FRepSpeed = Value; }

 protected:
  struct ButtonDef {
    TPadArrow Arrow;
    uint16_t Bit;
    char Letter;
  };

  TDirectionPad(TComponent* AOwner, std::vector<ButtonDef> Buttons);

  // Enforces the pad's proportions before the frame is painted.
  virtual void EnforceSize() = 0;
  // Sets the buttons' cells from InnerRect after the frame is painted.
  virtual void PlaceCells() = 0;
  virtual TColor ArrowColor(int Index) const = 0;
  // The pad's own face of a button that is no arrow (the joystick's centre).
  virtual void DrawSymbol(int Index, bool Pressed, const TRect& R);
  // Whether OnDown repeats now.
  virtual bool RepeatWanted() const;
  // The joystick arms the repeat after firing its events, the two-button pads before.
  virtual bool ArmBeforeEvents() const { return true; }
  // The joystick's centre on mouse-up; reports whether it was released.
  virtual bool ReleaseCentreOnMouseUp() { return false; }

  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  int ButtonCount() const { return int(FButtons.size()); }
  bool IsDirection(int Index) const { return FButtons[Index].Arrow != TPadArrow::Centre; }
  bool Pressed(int Index) const { return FPressed[Index]; }
  // Draws the button pressed or released when that differs from its state, and notes the new
  // state (bit and letter). Before the first painting only the state is noted.
  void DrawButton(int Index, bool Press);
  // Releases the first pressed direction button, unless LockMode; true when one was released.
  bool ReleaseAnother();
  // Sets the cell of a button and the arrow measures from the cell size.
  void SetCell(int Index, const TRect& Cell);
  void SetMeasures(int Cell);
  // The frame's thickness on one side: the bevels that are shown and the band.
  int FrameThickness() const;
  void Fire(const TNotifyEvent& Event);

 private:
  void RepeatTick();
  void DrawFace(int Index, bool Press);

  std::vector<ButtonDef> FButtons;
  std::vector<TRect> FCells;
  std::vector<bool> FPressed;
  bool FAllowAllUp = false;
  bool FLockMode = false;
  uint16_t FButtonStatus = 0;
  char FButton = 0;
  int FRepSpeed = 0;
  int32_t FRepeatId = -1;
  bool FReady = false;
  int FA = 0;
  int FB = 0;
  int FC = 0;
};
