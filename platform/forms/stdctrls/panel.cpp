#include "platform/forms/stdctrls/extctrls.h"
#include "platform/graphics/draw_helpers.h"

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() + csAcceptsControls + csOpaque);
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  SetParentFont(true);
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  FBevelInner = Value;
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  FBevelOuter = Value;
  Invalidate();
}

void TCustomPanel::SetBevelWidth(TBevelWidth Value) {
  FBevelWidth = std::max(Value, 1);
  Invalidate();
}

void TCustomPanel::SetBorderWidth(TBorderWidth Value) {
  FBorderWidth = std::max(Value, 0);
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  FBorderStyle = Value == bsSingle ? bsSingle : bsNone;
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    const bool lowered = cut == bvLowered;
    const TColor top = cut == bvSpace ? Color() : lowered ? clBtnShadow : clBtnHighlight;
    const TColor bottom = cut == bvSpace ? Color() : lowered ? clBtnHighlight : clBtnShadow;
    Frame3D(c, r, top, bottom, FBevelWidth);
  };
  if (FBorderStyle == bsSingle) Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
  bevel(FBevelOuter);
  Frame3D(c, r, Color(), Color(), FBorderWidth);
  bevel(FBevelInner);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  c->Brush()->SetStyle(bsClear);
  c->SetFont(Font());
  const int h = c->TextHeight("W");
  r.Top = (r.Bottom + r.Top - h) / 2;
  r.Bottom = r.Top + h;
  static const unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  c->DrawText(Caption(), r, DT_EXPANDTABS | DT_VCENTER | kAlign[FAlignment]);
}
