#include "library/controls/tasten/slidebutton.h"

#include <cstdlib>

#include "library/controls/tasten/store.h"
#include "library/foundation/helpers.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

TSlideButton::TSlideButton(TComponent* AOwner)
    : TRahmen(AOwner), FBmp{std::make_unique<TBitmap>(), std::make_unique<TBitmap>()} {
  SetBounds(Left(), Top(), 40, 65);
  Font()->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
}

TSlideButton::~TSlideButton() { Font()->OnChange = nullptr; }

void TSlideButton::StyleChanged(TObject*) { Invalidate(); }

void TSlideButton::SetPosition(swStatus Value) {
  if (StoreChanged(FPosition, Value)) DrawSwitch();
}

void TSlideButton::StoreAndDraw(TColor& Field, TColor Value) {
  if (StoreChanged(Field, Value)) DrawSwitch();
}

void TSlideButton::SetColorPos1(TColor Value) { StoreAndDraw(FColorPos[0], Value); }
void TSlideButton::SetColorPos2(TColor Value) { StoreAndDraw(FColorPos[1], Value); }
void TSlideButton::SetColTextPos1(TColor Value) { StoreAndDraw(FColText[0], Value); }
void TSlideButton::SetColTextPos2(TColor Value) { StoreAndDraw(FColText[1], Value); }
void TSlideButton::SetColButton(TColor Value) { StoreAndDraw(FColButton, Value); }
void TSlideButton::SetBmpEnable(bool Value) { StoreAndRepaint(FBmpEnable, Value); }
void TSlideButton::SetTextPos1(const string10& Value) { SetText(0, Value); }
void TSlideButton::SetTextPos2(const string10& Value) { SetText(1, Value); }

void TSlideButton::SetBmpPos1(const TBitmap* Value) {
  if (Value == nullptr) return;
  FBmp[0]->Assign(Value);
  Invalidate();
}

void TSlideButton::SetBmpPos2(const TBitmap* Value) {
  if (Value == nullptr) return;
  FBmp[1]->Assign(Value);
  Invalidate();
}

void TSlideButton::SetText(int Index, const string10& Value) {
  if (!StoreChanged(FText[Index], Value)) return;
  if (FontAutom() && FPainted) FitSize(Index);
  DrawSwitch();
}

void TSlideButton::FitSize(int Index) {
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpFont);
  c.SetFont(Font());
  TRect lower = FSlot;
  lower.Top += FHalf;
  FitFontToRect(c, lower, FText[Index]);
  FSize[Index] = c.Font()->Size();
}

void TSlideButton::Paint() {
  TRahmen::Paint();
  FPainted = true;
  FSlot = InnerRect;
  const int inset = FieldInset(InnerRect, Width(), Height());
  InflateRect(FSlot, -inset, -inset);
  Frame3D(Canvas(), FSlot, clGray, clWhite, 1);
  InflateRect(FSlot, -1, -1);
  FHalf = FSlot.Height() / 2;
  if (FontAutom() && !FBmpEnable) {
    FitSize(0);
    FitSize(1);
  }
  DrawSwitch();
  if (OnRepaint) OnRepaint(this);
}

void TSlideButton::DrawSwitch() {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  c.Brush()->SetStyle(bsSolid);
  // In swPos2 the field is the upper part and shows the first text (or the second bitmap); in
  // swPos1 the lower part with the second text (or the first bitmap).
  const bool up = FPosition == swPos2;
  const int text = up ? 0 : 1;
  TRect field = FSlot, knob = FSlot;
  if (up) {
    field.Bottom -= FHalf;
    knob.Top += FHalf;
  } else {
    field.Top += FHalf;
    knob.Bottom -= FHalf;
  }
  if (FBmpEnable) {
    c.Brush()->SetColor(clSilver);
    c.FillRect(field);
    c.StretchDraw(field, FBmp[up ? 1 : 0].get());
  } else {
    c.Brush()->SetColor(FColorPos[text]);
    c.FillRect(field);
    const std::string& s = FText[text];
    if (!s.empty()) {
      c.SetFont(Font());
      c.Font()->SetSize(FSize[text]);
      c.Font()->SetColor(FColText[text]);
      c.Brush()->SetStyle(bsClear);
      const int x = field.Left + (field.Width() - c.TextWidth(s)) / 2;
      const int y = field.Top + (field.Height() - std::abs(c.Font()->Height())) / 2;
      c.TextRect(field, x, y, s);
    }
  }
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(FColButton);
  c.FillRect(knob);
  TRect edge = knob;
  Frame3D(&c, edge, clWhite, clGray, 1);
  // The grip: a light and a dark groove across the middle.
  const int m = knob.Top + knob.Height() / 2 - 1;
  InflateRect(knob, -2, -2);
  c.Pen()->SetWidth(2);
  c.Pen()->SetColor(clWhite);
  c.MoveTo(knob.Left, m);
  c.LineTo(knob.Right, m);
  c.Pen()->SetColor(clGray);
  c.MoveTo(knob.Left, m + 2);
  c.LineTo(knob.Right, m + 2);
}

void TSlideButton::MouseDown(TMouseButton, TShiftState, int, int) {
  SetPosition(FPosition == swPos1 ? swPos2 : swPos1);
  if (KeyChange) KeyChange(this);
}

void TSlideButton::MouseUp(TMouseButton, TShiftState, int, int) {}
