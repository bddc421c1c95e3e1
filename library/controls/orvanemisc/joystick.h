#pragma once
// TJoyStick: a square pad of 3 x 3 buttons, eight direction arrows around a centre button that
// shows SymbolUp or SymbolDown. Buttons, bits of ButtonStatus and letters, row by row:
// up-left 1 'A', up 2 'B', up-right 4 'C', left 8 'D', centre 16 'E', right 32 'F',
// down-left 64 'G', down 128 'H', down-right 256 'I'.

#include <memory>

#include "library/controls/orvanemisc/directionpad.h"

class TBitmap;

class TJoyStick : public TDirectionPad {
 public:
  explicit TJoyStick(TComponent* AOwner);
  ~TJoyStick() override;

  // True: the centre latches until clicked again; False: it comes up on mouse-up.
  bool RastCenter() const { return FRastCenter; }
  void SetRastCenter(bool Value) { FRastCenter = Value; }
  // The centre's images; the setters copy the bitmap (nothing when none is given), no repaint.
  TBitmap* SymbolUp() const { return FSymbolUp.get(); }
  void SetSymbolUp(const TBitmap* Value);
  TBitmap* SymbolDown() const { return FSymbolDown.get(); }
  void SetSymbolDown(const TBitmap* Value);
  // Fill of the four straight arrows and of the four diagonal ones.
  TColor ColorMain() const { return FColorMain; }
  void SetColorMain(TColor Value) { StoreAndRepaint(FColorMain, Value); }
  TColor ColorSek() const { return FColorSek; }
  void SetColorSek(TColor Value) { StoreAndRepaint(FColorSek, Value); }

  // Without AllowAllUp and LockMode the directions follow their bits; the centre is pressed when
  // bit 16 is set and RastCenter is on, else released.
  void SetButtonStatus(uint16_t Value) override;

 protected:
  void EnforceSize() override;
  void PlaceCells() override;
  TColor ArrowColor(int Index) const override;
  void DrawSymbol(int Index, bool Pressed, const TRect& R) override;
  bool ArmBeforeEvents() const override { return false; }
  bool ReleaseCentreOnMouseUp() override;

 private:
  static constexpr int kCentre = 4;
  bool FRastCenter = false;
  std::unique_ptr<TBitmap> FSymbolUp;
  std::unique_ptr<TBitmap> FSymbolDown;
  TColor FColorMain = 0x0000FF;
  TColor FColorSek = 0xFF0000;
};
