#include <algorithm>
#include <cmath>
#include <string>

#include "library/controls/disp7s/disp7s.h"
#include "library/controls/disp7s/plate.h"
#include "library/foundation/helpers.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "platform/graphics/canvas_state.h"

namespace {

const std::string kOverflow = "8.8.8.8.8.8.8.8.8.8.";

bool IsPoint(char C) { return C == '.' || C == DecimalSeparator; }

// Cells a number's text takes in the digit row: its decimal point shares the cell before it.
int CellCount(const std::string& S) {
  int cells = 0;
  for (size_t i = 0; i < S.size(); ++i) {
    if (!(i > 0 && IsPoint(S[i]))) ++cells;
  }
  return cells;
}

// Only digits, a sign and a decimal point: no exponent, no NAN or INF.
bool IsPlainNumber(const std::string& S) {
  return std::all_of(S.begin(), S.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == '-' || IsPoint(c); });
}

std::string IntegerText(int32_t V, int Cells) {
  const std::string s = IntToStr(V);
  if (int(s.size()) > Cells) return kOverflow;
  return std::string(Cells - s.size(), ' ') + s;
}

std::string NumberText(double V, int Cells) {
  const std::string s = FloatToStr(V);
  if (int(s.size()) <= Cells) return std::string(Cells - CellCount(s), ' ') + s;
  // Cutting an exponent form would show a different number.
  if (!IsPlainNumber(s)) return kOverflow;
  if (std::fabs(V) < 1.0) return s.substr(0, Cells + 1);
  const size_t point = s.find_first_of(std::string(1, '.') + DecimalSeparator);
  if (point != std::string::npos && int(point) + 1 <= Cells + 1) return s.substr(0, Cells + 1);
  return kOverflow;
}

}  // namespace

TDisp7Seg::TDisp7Seg(TComponent* AOwner) : TRahmen(AOwner) {
  SetColBack(clBlue);
  Font()->SetSize(18);
  SetBounds(Left(), Top(), 144, 72);
  FBlinkId = TimerRegisterSync([this](TObject*) { BlinkTick(); });
}

TDisp7Seg::~TDisp7Seg() { TimerRemove(FBlinkId); }

void TDisp7Seg::SetDispSize(int Value) { StoreAndRepaint(FDispSize, std::clamp(Value, 1, 8)); }
void TDisp7Seg::SetLedEnable(bool Value) { StoreAndRepaint(FLedEnable, Value); }
void TDisp7Seg::SetTextEnable(bool Value) { StoreAndRepaint(FTextEnable, Value); }
void TDisp7Seg::SetShape(TmShapeType Value) { StoreAndRepaint(FShape, Value); }
void TDisp7Seg::SetColSegm(TColor Value) { StoreAndRepaint(FColSegm, Value); }
void TDisp7Seg::SetCharPos(int Value) { FCharPos = std::clamp(Value, 1, FDispSize); }
void TDisp7Seg::StyleChanged(TObject*) { Invalidate(); }

void TDisp7Seg::SetDispItalic(bool Value) {
  FDispItalic = Value;
  FDigits.Italic = Value;
  Invalidate();
}

// ---- LEDs ----

void TDisp7Seg::SetColLed1(TColor Value) {
  FColLed1 = Value;
  DrawLedState(0);
}

void TDisp7Seg::SetColLed2(TColor Value) {
  FColLed2 = Value;
  DrawLedState(1);
}

void TDisp7Seg::SetLedOn1(bool Value) {
  if (!FLedEnable || Value == FLedOn1) return;
  FLedOn1 = Value;
  DrawLed(0, Value);
}

void TDisp7Seg::SetLedOn2(bool Value) {
  if (!FLedEnable || Value == FLedOn2) return;
  FLedOn2 = Value;
  DrawLed(1, Value);
}

void TDisp7Seg::SetLedBlink1(bool Value) {
  if (!FLedEnable || Value == FLedBlink1) return;
  FLedBlink1 = Value;
  DrawLed(0, FLedOn1 || Value);
}

void TDisp7Seg::SetLedBlink2(bool Value) {
  if (!FLedEnable || Value == FLedBlink2) return;
  FLedBlink2 = Value;
  DrawLed(1, FLedOn2 || Value);
}

void TDisp7Seg::DrawLedState(int Index) {
  if (FLedEnable) DrawLed(Index, Index == 0 ? FLedOn1 : FLedOn2);
}

// LEDs have no place before the first paint has laid them out.
void TDisp7Seg::DrawLed(int Index, bool Lit) {
  if (!FPainted || !FLedEnable) return;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpBrush);
  const TColor colour = Index == 0 ? FColLed1 : FColLed2;
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Lit ? colour : DimColour(colour));
  const TPoint m = FLedCentre[Index];
  c.Ellipse(m.X - FLedRadius, m.Y - FLedRadius, m.X + FLedRadius, m.Y + FLedRadius);
}

void TDisp7Seg::BlinkTick() {
  if (!FPainted || !FLedEnable) return;
  if (FLedBlink1) DrawLed(0, BlinkPhase != FLedOn1);
  if (FLedBlink2) DrawLed(1, BlinkPhase != FLedOn2);
  if (FLedBlink1 || FLedBlink2) TickHook();
}

// ---- Values ----

void TDisp7Seg::SetValueInt(int32_t Value) {
  FValueInt = Value;
  ShowString(IntegerText(Value, FDispSize));
}

void TDisp7Seg::SetValueFloat(double Value) {
  FValueFloat = Value;
  ShowString(NumberText(Value, FDispSize));
}

void TDisp7Seg::ShowString(const std::string& Text) {
  if (Text == FValueStr) return;
  FValueStr = Text;
  ShowDigits();
}

void TDisp7Seg::SetValueStr(const std::string& Value) {
  FValueStr = UpperCase(Value);
  ShowDigits();
}

void TDisp7Seg::SetValueChar(char Value) {
  Value = UpCase(Value);
  if (!StoreChanged(FValueChar, Value)) return;
  if (FPainted) FDigits.DrawDigit(Value, 0, FCharPos, *Canvas(), FColSegm);
}

void TDisp7Seg::ShowDigits() {
  if (FPainted) FDigits.SetText(FValueStr, *Canvas(), FColSegm);
}

void TDisp7Seg::SetTextEinh(const std::string& Value) {
  FTextEinh = Value;
  DrawUnitText();
}

// In the control's font fitted to the unit rectangle.
void TDisp7Seg::DrawUnitText() {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpFont | cpBrush);
  c.SetFont(Font());
  FitFontToRect(c, FUnitRect, FTextEinh);
  if (!FTextEnable) return;
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(BordRight() ? ColBgnd() : ColBack());
  c.FillRect(FUnitRect);
  c.Brush()->SetStyle(bsClear);
  c.TextRect(FUnitRect, FUnitRect.Left, FUnitRect.Top, FTextEinh);
}

// ---- Painting ----

void TDisp7Seg::Paint() {
  TRahmen::Paint();
  TRect& ir = InnerRect;
  const int w = Width(), h = Height();
  const int rs = ir.Right, ts = ir.Top;
  FLedCentre[0] = {w - 11 * h / 20, 8 * h / 10};
  FLedCentre[1] = {w - 5 * h / 20, 8 * h / 10};
  FLedRadius = h / 10;
  FUnitRect.Left = w - 14 * h / 20;
  FUnitRect.Right = ir.Right - 1;
  FUnitRect.Bottom = 13 * h / 20;

  const int c = h / 20, d = h / 5, e = (d * 35) / 10;
  const int column = (FLedEnable || FTextEnable) ? e : 0;
  TRect plate;
  if (BordRight()) {
    ir.Right -= column + c;
    plate.Right = ir.Right;
  } else {
    plate.Right = ir.Right + d;
    ir.Right -= column;
  }
  if (BordLeft()) {
    ir.Left += c;
    plate.Left = ir.Left;
  } else {
    plate.Left = ir.Left - d;
  }
  if (BordTop()) {
    ir.Top += c;
    plate.Top = ir.Top;
  } else {
    plate.Top = ir.Top - d;
  }
  if (BordBottom()) {
    ir.Bottom -= c;
    plate.Bottom = ir.Bottom;
  } else {
    plate.Bottom = ir.Bottom + d;
  }
  FUnitRect.Top = ir.Top + 5;

  TCanvas& cv = *Canvas();
  TCanvasSaver keep(cv, cpPen | cpBrush | cpFont);
  cv.SetFont(Font());
  DrawPlate(cv, plate, FShape, d, ColBack());
  TRect digits = ir;
  InflateRect(digits, -(d / 3), -(d / 3));
  FDigits.Italic = FDispItalic;
  FDigits.Layout(digits, FDispSize, ColBack());
  FPainted = true;
  ShowDigits();
  DrawUnitText();

  if (FLedEnable) {
    cv.Pen()->SetStyle(psSolid);
    cv.Pen()->SetMode(pmCopy);
    cv.Pen()->SetWidth(1);
    cv.Pen()->SetColor(clGray);
    cv.Brush()->SetStyle(bsSolid);
    const int r = FLedRadius;
    for (int i = 0; i < 2; ++i) {
      const TPoint m = FLedCentre[i];
      cv.Brush()->SetColor(DimColour(i == 0 ? FColLed1 : FColLed2));
      cv.Ellipse(m.X - r, m.Y - r, m.X + r, m.Y + r);
    }
    // Later LED drawings stay inside the grey ring.
    --FLedRadius;
  }
  if (FLedEnable || FTextEnable) DrawMakerMark(cv, rs - MakerMarkWidth(cv), ts - 3);
  DrawLedState(0);
  DrawLedState(1);
  if (OnRepaint) OnRepaint(this);
}
