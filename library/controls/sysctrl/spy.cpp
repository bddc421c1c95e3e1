#include "library/controls/sysctrl/spy.h"

#include <cmath>

#include "platform/base/numbers.h"
#include "platform/forms/timer.h"
#include "platform/graphics/canvas_state.h"

double ArcTanQuadrant(double y, double x) {
  const double t = std::atan(y / x);
  return x < 0 ? t + 3.14159265358979324 : t;
}

double Hypotenuse(double x, double y) { return std::sqrt(x * x + y * y); }

double SignOf(double v) { return v < 0 ? -1.0 : (v > 0 ? 1.0 : 0.0); }

TCustomSpy::TCustomSpy(TComponent* AOwner) : TGraphicControl(AOwner), FTimer(new TTimer(this)) {
  FTimer->SetInterval(100);
  FTimer->OnTimer = [this](TObject* Sender) { TimerTick(Sender); };
  FTimer->SetEnabled(true);
  SetBounds(Left(), Top(), 100, 100);
  Invalidate();
}

TCustomSpy::~TCustomSpy() = default;

void TCustomSpy::Invalidate() {
  FLastUpdate = {-1, -1};
  FOldLeft = {-1, -1};
  FOldRight = {-1, -1};
  FRadius = (Height() > 10 && Width() > 10) ? (Height() + Width()) / 15 : 1;
  FMargin = int(Round(FRadius * 1.175)) + 2;
  TGraphicControl::Invalidate();
}

void TCustomSpy::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!ComponentState().Contains(csLoading) && AHeight > AWidth) AHeight = AWidth;
  TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCustomSpy::BoundsChanged(const TRect& OldBounds) {
  TGraphicControl::BoundsChanged(OldBounds);
  Invalidate();
}

bool TCustomSpy::Active() const { return FTimer->Enabled(); }

void TCustomSpy::SetActive(bool Value) {
  if (Value == FTimer->Enabled()) return;
  FTimer->SetEnabled(Value);
  Invalidate();
}

void TCustomSpy::SetEyeColor(TColor Value) {
  if (Value == FEyeColor) return;
  FEyeColor = Value;
  Invalidate();
}

void TCustomSpy::SetBordColor(TColor Value) {
  if (Value == FBordColor) return;
  FBordColor = Value;
  Invalidate();
}

void TCustomSpy::SetPupilColor(TColor Value) {
  if (Value == FPupilColor) return;
  FPupilColor = Value;
  Invalidate();
}

void TCustomSpy::TimerTick(TObject*) {
  GetCursorPos(FCursor);
  if (FCursor == FLastUpdate) return;
  UpdateEyes();
  FLastUpdate = FCursor;
}

int TCustomSpy::LeftEyeRect() { return Width() / 2 - 1; }

int TCustomSpy::RightEyeRect() { return Width() / 2 + 1; }

int TCustomSpy::EyeCentre(int Index) {
  return Index == 0 ? Width() / 4 : RightEyeRect() + Width() / 4;
}

void TCustomSpy::PupilPos(int Index, TPoint& P) {
  const TPoint origin = ClientOrigin();
  const double ex = origin.X + EyeCentre(Index);
  const double ey = origin.Y + Height() * 0.5;
  // The range the pupil centre may move in; none at all on controls too small for a pupil.
  const double a = std::max(0.0, (Width() / 2 - 1) * 0.5 - FMargin);
  const double b = std::max(0.0, Height() * 0.5 - FMargin);
  const double dx = FCursor.X - ex, dy = FCursor.Y - ey;
  double x, y;
  if (dx == 0 || dy == 0) {
    x = std::abs(dx) < a ? FCursor.X : ex + SignOf(dx) * a;
    y = std::abs(dy) < b ? FCursor.Y : ey + SignOf(dy) * b;
  } else {
    const double t = ArcTanQuadrant(dy, dx);
    const double n = Hypotenuse(b * std::cos(t), a * std::sin(t));
    const double r = n > 0 ? Hypotenuse(a * b * std::cos(t) / n, a * b * std::sin(t) / n) : 0.0;
    if (Hypotenuse(dx, dy) > r) {
      x = ex + r * std::cos(t);
      y = ey + r * std::sin(t);
    } else {
      x = FCursor.X;
      y = FCursor.Y;
    }
  }
  P = TPoint{int(Round(x)), int(Round(y))};
}

void TCustomSpy::DrawPupils(TPoint Left, TPoint Right, bool Show) {
  const TPoint origin = ClientOrigin();
  TCanvas* c = Canvas();
  TCanvasSaver keep(*c, cpPen | cpBrush);
  const TColor color = Show ? FPupilColor : FEyeColor;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->Pen()->SetColor(color);
  c->Pen()->SetWidth(1);
  for (TPoint p : {Left, Right}) {
    const int x = p.X - origin.X, y = p.Y - origin.Y;
    c->Ellipse(x - FRadius, y - FRadius, x + FRadius, y + FRadius);
  }
}

void TCustomSpy::UpdateEyes() {
  if (FOldLeft.X != -1) DrawPupils(FOldLeft, FOldRight, false);
  TPoint left, right;
  PupilPos(0, left);
  PupilPos(1, right);
  DrawPupils(left, right, true);
  FOldLeft = left;
  FOldRight = right;
}

void TCustomSpy::Paint() {
  TCanvas* c = Canvas();
  TCanvasSaver keep(*c, cpPen | cpBrush);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FEyeColor);
  c->Pen()->SetColor(FBordColor);
  c->Pen()->SetWidth(1);
  c->Ellipse(0, 0, Width() / 2 - 1, Height());
  c->Ellipse(Width() / 2 + 1, 0, Width(), Height());
  FLastUpdate = {-1, -1};
}
