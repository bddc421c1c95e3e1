#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/stdctrls.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 65, 17);
  SetParentFont(true);
  SetParentColor(true);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (Value == FShowAccelChar) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& Message) {
  // Alt with the accelerator moves the focus to the control the label names.
  if (Message.Msg == CM_DIALOGCHAR && FFocusControl != nullptr && Enabled() && FShowAccelChar &&
      IsAccel(unsigned(Message.WParam), Caption()) && FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    Message.Result = 1;
    return;
  }
  TGraphicControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TCustomLabel::DoDrawText(TRect& Rect, unsigned Flags) {
  std::string text = Caption();
  const bool measuring = (Flags & DT_CALCRECT) != 0;
  // An empty caption still measures one line high.
  if (measuring && (text.empty() || (FShowAccelChar && text == "&"))) text += ' ';
  if (!FShowAccelChar) Flags |= DT_NOPREFIX;
  TCanvas measure;
  TCanvas* c = measuring ? &measure : Canvas();
  c->SetFont(Font());
  c->Brush()->SetStyle(bsClear);
  if (!measuring && !Enabled()) {
    // The engraved look of disabled text.
    OffsetRect(Rect, 1, 1);
    c->Font()->SetColor(clBtnHighlight);
    c->DrawText(text, Rect, Flags);
    OffsetRect(Rect, -1, -1);
    c->Font()->SetColor(clBtnShadow);
  }
  c->DrawText(text, Rect, Flags);
}

void TCustomLabel::Paint() {
  TCanvas* c = Canvas();
  if (!FTransparent) {
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
  }
  static const unsigned kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const unsigned flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | kAlign[FAlignment];
  TRect r = ClientRect();
  if (FLayout != tlTop) {
    TRect need = r;
    DoDrawText(need, flags | DT_CALCRECT);
    const int shift = r.Height() - need.Height();
    OffsetRect(r, 0, FLayout == tlBottom ? shift : shift / 2);
  }
  DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csReading)) return;
  TRect r = ClientRect();
  DoDrawText(r, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
  int x = Left();
  if (FAlignment == taRightJustify && !FWordWrap) x += Width() - r.Right;
  SetBounds(x, Top(), r.Right, r.Bottom);
}
