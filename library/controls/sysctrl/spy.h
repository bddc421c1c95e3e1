#pragma once
// TCustomSpy and TSpy: two eyes whose pupils look toward the mouse cursor wherever it is on the
// screen. The cursor is polled every 100 ms by a TTimer; only the pupils are redrawn, and only
// when the cursor has moved.

#include "platform/forms/controls.h"

class TTimer;

// arctan(y / x), plus pi when x < 0; x must not be 0.
double ArcTanQuadrant(double y, double x);
double Hypotenuse(double x, double y);
// -1, 0 or +1.
double SignOf(double v);

class TCustomSpy : public TGraphicControl {
 public:
  explicit TCustomSpy(TComponent* AOwner);
  ~TCustomSpy() override;

  // Also drops the drawn pupils and recomputes the pupil size from the control's size.
  void Invalidate() override;
  // Outside loading, a height above the width is cut to the width.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  bool Active() const;
  void SetActive(bool Value);
  TColor EyeColor() const { return FEyeColor; }
  void SetEyeColor(TColor Value);
  TColor BordColor() const { return FBordColor; }
  void SetBordColor(TColor Value);
  TColor PupilColor() const { return FPupilColor; }
  void SetPupilColor(TColor Value);

  // The timer's event.
  virtual void TimerTick(TObject* Sender);
  // Right edge of the left eye and left edge of the right eye.
  virtual int LeftEyeRect();
  virtual int RightEyeRect();
  // Horizontal centre of eye 0 (left) or 1 (right), client pixels.
  virtual int EyeCentre(int Index);
  // The pupil centre of an eye for the cursor read last, screen pixels.
  virtual void PupilPos(int Index, TPoint& P);
  // Draws both pupils (Show) or erases them with the eye colour.
  virtual void DrawPupils(TPoint Left, TPoint Right, bool Show);
  // Erases the old pupils, then draws them at the cursor's new direction.
  virtual void UpdateEyes();

  void Paint() override;
  // A size change repaints through Invalidate, which recomputes the pupil size.
  void BoundsChanged(const TRect& OldBounds) override;

  // Pupil radius and the distance the pupils keep from the eye's edge.
  int PupilRadius() const { return FRadius; }
  int Margin() const { return FMargin; }

 private:
  TTimer* FTimer;
  TColor FBordColor = 0x800000;
  TColor FEyeColor = 0xFFFFFF;
  TColor FPupilColor = 0;
  TPoint FCursor{-1, -1};
  TPoint FLastUpdate{-1, -1};
  TPoint FOldLeft{-1, -1};
  TPoint FOldRight{-1, -1};
  int FRadius = 1;
  int FMargin = 3;
};

class TSpy : public TCustomSpy {
 public:
  using TCustomSpy::Active;
  using TCustomSpy::BordColor;
  using TCustomSpy::EyeColor;
  using TCustomSpy::PupilColor;
  using TCustomSpy::SetActive;
  using TCustomSpy::SetBordColor;
  using TCustomSpy::SetEyeColor;
  using TCustomSpy::SetPupilColor;
  using TCustomSpy::TCustomSpy;
};
