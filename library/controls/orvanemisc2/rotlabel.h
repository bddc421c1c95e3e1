#pragma once
// TRotLabel: a label whose caption is drawn with a turned font at any whole angle, centred in the
// control, with an optional 3D effect and an optional background box in Color that turns with
// the text. Outside the text (and the box) the parent shows through.

#include "platform/forms/stdctrls/stdctrls.h"

enum T3DEffect { rlNormal, rlLowered, rlRaised, rlShadowed };

// Where a text of unturned size w x h, turned by Angle degrees (counter-clockwise) about the
// top-left corner of its cell, must start so that its middle lies on (cx, cy).
TPoint RotatedTextOrigin(int cx, int cy, int w, int h, int Angle);

class TRotLabel : public TCustomLabel {
 public:
  explicit TRotLabel(TComponent* AOwner);

  // Degrees counter-clockwise, kept within 0..359 (370 is 10, -90 is 270).
  int rlAngle() const { return FAngle; }
  void SetrlAngle(int Value);
  // Stores the angle (reduced to 0..359) without repainting, for callers that repaint anyway.
  void StoreAngle(int Value);
  T3DEffect rlStyle3D() const { return FStyle3D; }
  void SetrlStyle3D(T3DEffect Value);
  // Colour and offset (pixels right and down) of the rlShadowed copy.
  TColor rlShColor() const { return FShColor; }
  void SetrlShColor(TColor Value);
  int rlShOffSetH() const { return FShOffSetH; }
  void SetrlShOffSetH(int Value);
  int rlShOffSetV() const { return FShOffSetV; }
  void SetrlShOffSetV(int Value);
  // False draws a box in Color, 10 pixels wider and 7 higher than the text, turned with it; the
  // label then keeps its Color rather than taking the parent's.
  bool rlTransparent() const { return FTransparent; }
  void SetrlTransparent(bool Value);

 protected:
  void Paint() override;

 private:
  int FAngle = 0;
  T3DEffect FStyle3D = rlRaised;
  int FShOffSetH = 5;
  int FShOffSetV = -5;
  TColor FShColor = 0x808080;
  bool FTransparent = true;
};
