#include "platform/forms/stdctrls/stdctrls.h"

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() + csAcceptsControls);
  SetBounds(0, 0, 185, 105);
  SetParentFont(true);
  SetParentColor(true);
}

void TCustomGroupBox::Paint() {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  const int h = c->TextHeight("0");
  // An etched frame through the middle of the caption's line.
  TRect r = Rect(1, h / 2, Width(), Height());
  c->Brush()->SetColor(clBtnHighlight);
  c->FrameRect(r);
  OffsetRect(r, -1, -1);
  c->Brush()->SetColor(clBtnShadow);
  c->FrameRect(r);
  if (Caption().empty()) return;
  r = Rect(8, 0, 8, h);
  c->DrawText(Caption(), r, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
  c->Brush()->SetColor(Color());
  c->DrawText(Caption(), r, DT_LEFT | DT_SINGLELINE);
}
