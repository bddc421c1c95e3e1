#pragma once
// TBackGround: a window-less control filled with a colour gradient in bands. The gradient is drawn
// into an off-screen bitmap and copied to the screen in one step. With Realize a logical palette of
// the gradient's colours is built and selected as well (on true-colour screens it changes nothing).

#include <memory>

#include "platform/forms/controls.h"
#include "platform/graphics/palette.h"

class TBitmap;

enum TFillDirection { fdTopToBottom, fdBottomToTop, fdLeftToRight, fdRightToLeft };
// 1..256.
using TNumberOfColors = int;

class TBackGround : public TGraphicControl {
 public:
  explicit TBackGround(TComponent* AOwner);
  ~TBackGround() override;

  TFillDirection FillDirection() const { return FFillDirection; }
  void SetFillDirection(TFillDirection Value);
  TColor BeginColor() const { return FBeginColor; }
  void SetBeginColor(TColor Value);
  TColor EndColor() const { return FEndColor; }
  void SetEndColor(TColor Value);
  // Clamped to 1..256. The number of bands is this value, except 255 for 256 while Realize is on
  // (a palette has room for 256 entries, and the bands use one more than their count).
  TNumberOfColors NumberOfColors() const { return FNumberOfColors; }
  void SetNumberOfColors(TNumberOfColors Value);
  bool Realize() const { return FRealize; }
  void SetRealize(bool Value);
  // Stored only; it does not change the drawing.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

 protected:
  void Paint() override;

 private:
  void UpdateBandCount();
  void BuildPalette(int r0, int g0, int b0, int dr, int dg, int db);

  TFillDirection FFillDirection = fdTopToBottom;
  TColor FBeginColor = 0xFF0000;
  TColor FEndColor = 0;
  bool FAutoSize = false;
  bool FRealize = true;
  int FBands = 64;
  TNumberOfColors FNumberOfColors = 64;
  std::unique_ptr<TBitmap> FBitmap;
  HPALETTE FPalette;
};
