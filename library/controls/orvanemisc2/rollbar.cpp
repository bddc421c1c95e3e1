#include "library/controls/orvanemisc2/rollbar.h"

#include <algorithm>

#include "platform/graphics/canvas_state.h"

namespace {
constexpr int kRollSteps[] = {0, 50, 25, 10};
}  // namespace

TRollBar::TRollBar(TComponent* AOwner) : TCustomPanel(AOwner) {
  FBtnX = MakeButton("X", "Close", &TRollBar::CloseClick);
  FBtnD = MakeButton("D", "Roll\rDown", &TRollBar::RollDownClick);
  FBtnU = MakeButton("U", "Roll\rUp", &TRollBar::RollUpClick);
  FBtnM = MakeButton("M", "Menu", &TRollBar::MenuClick);
  TControlStyle style = ControlStyle();
  style.Exclude(csSetCaption);
  SetControlStyle(style);
  TCustomPanel::SetCaption("");
  SetBounds(Left(), Top(), 130, 150);
  Font()->SetName("Arial");
  Font()->SetSize(9);
  Font()->SetStyle({});
  OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    CaptionMouseDown(Button, Shift, X, Y);
  };
  OnMouseMove = [this](TObject*, TShiftState Shift, int X, int Y) {
    CaptionMouseMove(Shift, X, Y);
  };
  OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    CaptionMouseUp(Button, Shift, X, Y);
  };
  Layout();
}

TSpeedButton* TRollBar::MakeButton(const std::string& Caption, const std::string& Hint,
                                   void (TRollBar::*Handler)()) {
  auto* b = new TSpeedButton(this);
  b->SetParent(this);
  b->SetBounds(0, 0, FButtonSize, FButtonSize);
  b->Font()->SetName("Arial");
  b->Font()->SetStyle({fsBold});
  b->Font()->SetSize(8);
  b->Font()->SetColor(0xFF0000);
  b->SetCaption(Caption);
  b->SetHint(Hint);
  b->OnClick = [this, Handler](TObject*) { (this->*Handler)(); };
  return b;
}

void TRollBar::SetCaption(const std::string& Value) {
  FCaption = Value;
  DrawCaption();
}

void TRollBar::SetColCaptBack(TColor Value) {
  FColCaptBack = Value;
  DrawCaption();
}

void TRollBar::SetColCaption(TColor Value) {
  FColCaption = Value;
  Invalidate();
}

void TRollBar::SetDown(bool Value) {
  if (!FPainted) {
    FDown = Value;
    return;
  }
  if (Value == FDown) return;
  if (Value) {
    RollDown();
  } else {
    RollUp();
  }
}

void TRollBar::SetCapHeight(int Value) {
  Value = std::clamp(Value, 13, 20);
  if (Value == FCapHeight) return;
  FCapHeight = Value;
  FButtonSize = Value - 2;
  const TFontStyles style = Value >= 16 ? TFontStyles{fsBold} : TFontStyles{};
  Font()->SetStyle(style);
  Font()->SetHeight(FCapHeight);
  for (TSpeedButton* b : {FBtnX, FBtnM, FBtnD, FBtnU}) {
    b->SetBounds(b->Left(), b->Top(), FButtonSize, FButtonSize);
    b->Font()->SetStyle(style);
    b->Font()->SetHeight(FCapHeight - 2);
  }
  Invalidate();
}

void TRollBar::SetHeightMax(int Value) {
  FHeightMax = Value;
  if (FDown) SetHeight(FHeightMax);
}

void TRollBar::SetRollSpeed(trRollSpeed Value) {
  FRollSpeed = Value;
  FRollStep = kRollSteps[Value];
}

void TRollBar::SetCanClose(bool Value) {
  FCanClose = Value;
  FBtnX->SetVisible(Value);
}

void TRollBar::SetCanRoll(bool Value) {
  FCanRoll = Value;
  FBtnU->SetEnabled(Value);
  FBtnD->SetEnabled(Value);
}

int TRollBar::MinHeight() const {
  int h = FCapHeight;
  if (BevelOuter() != bvNone || BevelInner() != bvNone) {
    h += 1;
  } else if (BorderStyle() == bsSingle) {
    h += 1;
  }
  if (BevelOuter() != bvNone) h += 2 * BevelWidth();
  if (BevelInner() != bvNone) h += 2 * BevelWidth() + BorderWidth();
  if (BorderStyle() == bsSingle) h += 1;
  return h;
}

void TRollBar::Layout() {
  FCaptionRect = Rect(1, 1, Width() - 2, FCapHeight - 1);
  auto grow = [this](int w) {
    FCaptionRect.Left += w;
    FCaptionRect.Top += w;
    FCaptionRect.Right -= w;
    FCaptionRect.Bottom += w;
  };
  if (BevelOuter() != bvNone) grow(BevelWidth());
  if (BevelInner() != bvNone) grow(BevelWidth() + BorderWidth());
  FHeightMax = std::max(FHeightMax, MinHeight());
  // This platform has no pop-up menus, so the menu button stays hidden.
  FBtnM->SetVisible(false);
  FBtnX->SetLeft(FCaptionRect.Left);
  FBtnU->SetLeft(FCaptionRect.Right - FButtonSize);
  FBtnD->SetLeft(FCaptionRect.Right - FButtonSize);
  FBtnM->SetLeft(FBtnX->Left() + FButtonSize + 2);
  for (TSpeedButton* b : {FBtnX, FBtnU, FBtnD, FBtnM}) b->SetTop(FCaptionRect.Top);
  FBtnU->SetVisible(FDown);
  FBtnD->SetVisible(!FDown);
}

void TRollBar::Paint() {
  if (Width() < 60) SetWidth(60);
  TCustomPanel::Paint();
  if (FRolling) return;
  FPainted = true;
  Layout();
  if (MinHeight() > Height()) SetHeight(MinHeight());
  // Every painting shows the panel in its rolled state (without changing the stacking order).
  Roll(FDown);
  DrawCaption();
}

void TRollBar::Roll(bool ToDown) {
  FRolling = true;
  if (ToDown) {
    if (FRollStep > 0) {
      const int step = (2 * FRollStep) / 3;
      while (ClientHeight() < FHeightMax) SetClientHeight(ClientHeight() + step);
    }
    FDown = true;
    SetHeight(FHeightMax);
  } else {
    FDown = false;
    if (FRollStep > 0) {
      while (Height() > MinHeight()) SetClientHeight(Height() - FRollStep);
    }
    SetHeight(MinHeight());
  }
  FBtnU->SetVisible(FDown);
  FBtnD->SetVisible(!FDown);
  FRolling = false;
  DrawCaption();
}

void TRollBar::RollUp() {
  Layout();
  Roll(false);
}

void TRollBar::RollDown() {
  BringToFront();
  Layout();
  Roll(true);
}

void TRollBar::DrawCaption() {
  if (!FPainted) return;
  TCanvas* c = Canvas();
  TCanvasSaver keep(*c, cpBrush | cpFont);
  c->SetFont(Font());
  c->Font()->SetColor(FColCaption);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FColCaptBack);
  c->FillRect(FCaptionRect);
  c->Brush()->SetStyle(bsClear);
  const TSpeedButton* anchor = FBtnM->Visible() ? FBtnM : FBtnX;
  c->TextRect(FCaptionRect, anchor->Left() + FButtonSize + 6, FCaptionRect.Top - 1, FCaption);
}

void TRollBar::CloseClick() {
  SetVisible(false);
  if (OnClose) OnClose(this);
}

void TRollBar::RollDownClick() {
  RollDown();
  if (OnUpDown) OnUpDown(this);
}

void TRollBar::RollUpClick() {
  RollUp();
  if (OnUpDown) OnUpDown(this);
}

void TRollBar::CaptionMouseDown(TMouseButton, TShiftState, int X, int Y) {
  BringToFront();
  if (FCanMove && PtInRect(FCaptionRect, TPoint{X, Y})) {
    FDragging = true;
    FLastMouse = ClientToScreen(TPoint{X, Y});
  }
}

void TRollBar::CaptionMouseMove(TShiftState, int X, int Y) {
  if (!FDragging) return;
  const TPoint p = ClientToScreen(TPoint{X, Y});
  SetBounds(Left() - (FLastMouse.X - p.X), Top() - (FLastMouse.Y - p.Y), Width(), Height());
  FLastMouse = p;
}

void TRollBar::CaptionMouseUp(TMouseButton, TShiftState, int, int) { FDragging = false; }
