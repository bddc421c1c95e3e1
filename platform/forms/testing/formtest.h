#pragma once
// Test support: a headless form with controls, input driven as the window system delivers it,
// dialogs answered by script, and a pump that runs posted messages and pending paints to the end.
//
//   class MyTest : public FormTest {};
//   TEST_F(MyTest, Click) {
//     auto* c = new TMyControl(form);  c->SetParent(form);  c->SetBounds(10, 10, 50, 20);
//     ShowForm();                       // shows the form and runs the first paints
//     Click(c, 5, 5);                   // press and release through the window system
//     dialogs.Answer(mrOk);             // the next message box is answered with OK
//   }

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/forms/forms.h"
#include "platform/forms/testing/dialogscript.h"
#include "platform/graphics/bitmap.h"

class FormTest : public ::testing::Test {
 protected:
  FormTest();
  ~FormTest() override;

  // Shows the form (400 x 300 at 100, 100 unless changed) and pumps.
  void ShowForm();
  // Runs posted messages, timer calls due and pending paints to completion.
  void Pump() { PumpMessages(); }

  // Mouse through the window system, at client point (x, y) of the control (windowless ones
  // included). Keys held are given as a shift state (ssShift, ssCtrl, ssAlt).
  void Press(TControl* Control, int X, int Y, TMouseButton Button = mbLeft, TShiftState Keys = {});
  void Release(TControl* Control, int X, int Y, TMouseButton Button = mbLeft,
               TShiftState Keys = {});
  void Move(TControl* Control, int X, int Y, TShiftState Keys = {});
  void Click(TControl* Control, int X, int Y, TMouseButton Button = mbLeft);
  void DoubleClick(TControl* Control, int X, int Y, TMouseButton Button = mbLeft);
  // Lets enough time pass that the next press is no double click.
  void Pause() { FClock += 5000; }

  // A key (virtual key code) through the window system to the focused window: press, then
  // release. text is what the key types ("" for none).
  void KeyPress(uint16_t Vk, const std::string& Text = "", TShiftState Keys = {});
  void KeyDown(uint16_t Vk, const std::string& Text = "", TShiftState Keys = {});
  void KeyUp(uint16_t Vk, TShiftState Keys = {});
  // Makes another form's window the active one (as a click on it would).
  void Activate(TCustomForm* Other);

  // The pixel at client point (x, y) of what the form shows (its image with the windowed
  // controls on top), as $00BBGGRR.
  TColor ScreenPixel(TControl* Control, int X, int Y);

  // What the form shows, taken once, read in a control's client coordinates: for tests that
  // look at many pixels of one picture.
  class Shot {
   public:
    Shot(std::unique_ptr<TBitmap> Image, TPoint Offset);
    TColor Pixel(int X, int Y) const;

   private:
    std::unique_ptr<TBitmap> FImage;
    TPoint FOffset;
  };
  Shot ScreenShot(TControl* Control);

  DialogScript dialogs;
  TForm* form = nullptr;

 private:
  void SendMouse(TControl* Control, int X, int Y, int Type, TMouseButton Button, TShiftState Keys);
  unsigned FButtons = 0;
  uint64_t FClock = 100000;
};
