#include <array>

#include "library/controls/disp7s/disp7s.h"
#include "library/controls/disp7s/plate.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "platform/base/strings.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

namespace {

constexpr uint16_t kFirstRepeatMs = 500;
constexpr int kMinRepeatMs = 50;

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

int HexValue(char C) {
  if (IsDigit(C)) return C - '0';
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return 0;
}

char HexChar(int Value) { return "0123456789ABCDEF"[Value & 15]; }

bool Fits(TDispType Type, char C) {
  switch (Type) {
    case TDispType::decimal:
      return IsDigit(C);
    case TDispType::hexa:
      return IsDigit(C) || (C >= 'A' && C <= 'F');
    case TDispType::sign:
      return C == ' ' || C == '+' || C == '-';
    case TDispType::alphanum:
      return true;
  }
  return false;
}

// One step of the character C; Wrap tells a wrap past an end (+1 upward, -1 downward).
char Step(TDispType Type, char C, bool Up, int& Wrap) {
  Wrap = 0;
  switch (Type) {
    case TDispType::decimal:
    case TDispType::hexa: {
      const int top = Type == TDispType::decimal ? 9 : 15;
      int v = HexValue(C) + (Up ? 1 : -1);
      if (v > top) {
        v = 0;
        Wrap = 1;
      } else if (v < 0) {
        v = top;
        Wrap = -1;
      }
      return HexChar(v);
    }
    case TDispType::sign:
      if (Up) return C == '+' ? '-' : C == '-' ? ' ' : '+';
      return C == '+' ? ' ' : C == '-' ? '+' : '-';
    case TDispType::alphanum: {
      // The wheel runs through ' '..'Z'; a character outside that range steps to the nearer
      // end of it.
      const unsigned char u = static_cast<unsigned char>(C);
      if (Up) {
        if (u >= 'Z') {
          Wrap = 1;
          return ' ';
        }
        return u < ' ' ? ' ' : char(u + 1);
      }
      if (u <= ' ') {
        Wrap = -1;
        return 'Z';
      }
      return u > 'Z' ? 'Z' : char(u - 1);
    }
  }
  return C;
}

}  // namespace

TSpin7Seg::TSpin7Seg(TComponent* AOwner) : TRahmen(AOwner) {
  SetColBack(clBlack);
  SetBounds(Left(), Top(), 52, 100);
  FRepeatId = TimerRegister([this](TObject*) { RepeatTick(); });
}

TSpin7Seg::~TSpin7Seg() { TimerRemove(FRepeatId); }

void TSpin7Seg::SetShape(TmShapeType Value) { StoreAndRepaint(FShape, Value); }
void TSpin7Seg::SetColSegm(TColor Value) { StoreAndRepaint(FColSegm, Value); }
void TSpin7Seg::StyleChanged(TObject*) { Invalidate(); }

void TSpin7Seg::SetDispTyp(TDispType Value) {
  if (!StoreChanged(FDispTyp, Value)) return;
  const bool sign = Value == TDispType::sign;
  FValueChar = sign ? '+' : '8';
  FValueInt = sign ? -1 : 8;
  Invalidate();
}

void TSpin7Seg::SetItalic(bool Value) {
  if (StoreChanged(FItalic, Value)) DrawValue();
}

void TSpin7Seg::SetValueChar(char Value) {
  Value = UpCase(Value);
  if (!Fits(FDispTyp, Value) || Value == FValueChar) return;
  StoreChar(Value);
}

void TSpin7Seg::StoreChar(char Value) {
  FValueChar = Value;
  const bool numeric = FDispTyp == TDispType::decimal || FDispTyp == TDispType::hexa;
  FValueInt = numeric ? HexValue(Value) : -1;
  DrawValue();
}

void TSpin7Seg::SetValueInt(int Value) {
  const int top = FDispTyp == TDispType::decimal ? 9 : FDispTyp == TDispType::hexa ? 15 : -1;
  if (Value < 0 || Value > top) return;
  FValueInt = Value;
  const char c = HexChar(Value);
  if (c == FValueChar) return;
  FValueChar = c;
  DrawValue();
}

void TSpin7Seg::DrawValue() {
  if (FPainted) FDigit.Draw(FValueChar, 0, *Canvas(), FItalic, FColSegm);
}

bool TSpin7Seg::NextValue(bool Up, int& Carry) {
  Carry = 0;
  int wrap = 0;
  const char next = Step(FDispTyp, FValueChar, Up, wrap);
  if (wrap != 0 && FLimiter) return false;
  Carry = wrap;
  SetValueChar(next);
  return true;
}

void TSpin7Seg::Stepped(int Carry) {
  FChanged = true;
  if (onChanging) onChanging(this);
  if (Carry < 0 && onWrapBorrow) onWrapBorrow(this);
  if (Carry > 0 && onWrapCarry) onWrapCarry(this);
}

// ---- Mouse and repeat ----

void TSpin7Seg::MouseDown(TMouseButton, TShiftState, int X, int Y) {
  FChanged = false;
  FUpperHeld = FLowerHeld = false;
  const TPoint p{X, Y};
  bool up;
  if (PtInRect(FUpperRect, p)) {
    up = true;
    FUpperHeld = true;
  } else if (PtInRect(FLowerRect, p)) {
    up = false;
    FLowerHeld = true;
  } else {
    return;
  }
  DrawHalf(up ? FUpperRect : FLowerRect, true);
  int carry = 0;
  const bool stepped = NextValue(up, carry);
  if (FRepSpeed >= kMinRepeatMs) TimerSetInterval(FRepeatId, kFirstRepeatMs);
  if (stepped) Stepped(carry);
}

void TSpin7Seg::MouseUp(TMouseButton, TShiftState, int, int) {
  TimerStop(FRepeatId);
  if (FUpperHeld) DrawHalf(FUpperRect, false);
  if (FLowerHeld) DrawHalf(FLowerRect, false);
  FUpperHeld = FLowerHeld = false;
  if (!FChanged) return;
  FChanged = false;
  if (onChanged) onChanged(this);
}

void TSpin7Seg::RepeatTick() {
  if (FRepSpeed < kMinRepeatMs || !(FUpperHeld || FLowerHeld)) return;
  int carry = 0;
  const bool stepped = NextValue(FUpperHeld, carry);
  TimerSetInterval(FRepeatId, uint16_t(FRepSpeed % 2001));
  if (!stepped) return;
  TickHook();
  Stepped(carry);
}

// ---- Painting ----

// The bevel lines run on the half's edge pixels (its right and bottom pixel included).
void TSpin7Seg::DrawHalf(const TRect& R, bool Sunken) {
  if (!FPainted) return;
  TRect r = Rect(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
  Frame3D(Canvas(), r, Sunken ? clGray : clWhite, Sunken ? clWhite : clGray, 1);
}

void TSpin7Seg::Paint() {
  TRahmen::Paint();
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpBrush);
  const TRect ir = InnerRect;
  const int m = Height() / 50;
  const int q = (ir.Bottom - ir.Top) / 5;
  const int p = (ir.Right - ir.Left) / 5;
  const TRect plate = Rect(ir.Left + (BordLeft() ? m : 0), ir.Top + q,
                           ir.Right - (BordRight() ? m : 0), ir.Bottom - q);
  DrawPlate(c, plate, FShape, p, ColBack());
  TRect digit = plate;
  InflateRect(digit, -(p / 3), -(p / 3));
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(clWhite);
  c.Brush()->SetStyle(bsSolid);
  if (!BordRight()) {
    c.MoveTo(Width() - 1, plate.Top);
    c.LineTo(Width() - 1, plate.Bottom);
  }
  if (!BordLeft()) {
    c.MoveTo(0, plate.Top);
    c.LineTo(0, plate.Bottom);
  }

  FUpperRect = Rect(ir.Left + p, ir.Top + 2, ir.Right - p, plate.Top - p / 2);
  FLowerRect = Rect(ir.Left + p, plate.Bottom + p / 2, ir.Right - p, ir.Bottom - 2);
  FPainted = true;
  for (TRect* half : {&FUpperRect, &FLowerRect}) {
    c.Brush()->SetColor(clBlack);
    c.FrameRect(Rect(half->Left, half->Top, half->Right + 1, half->Bottom + 1));
    InflateRect(*half, -1, -1);
    DrawHalf(*half, false);
  }

  const TRect& u = FUpperRect;
  const int a = u.Width() / 4, k = u.Height() / 5, s = u.Width() / 2;
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetColor(clBlack);
  const TRect& l = FLowerRect;
  const std::array<TPoint, 3> up = {
      {{u.Left + a, u.Bottom - k}, {u.Right - a, u.Bottom - k}, {u.Left + s, u.Top + k}}};
  const std::array<TPoint, 3> down = {
      {{l.Left + a, l.Top + k}, {l.Right - a, l.Top + k}, {l.Left + s, l.Bottom - k}}};
  c.Polygon(up);
  c.Polygon(down);

  InflateRect(digit, -1, -1);
  FDigit.SetCell(digit, ColBack());
  DrawValue();
  if (OnRepaint) OnRepaint(this);
}
