#include "programs/logic/display.h"

#include <algorithm>

#include "library/foundation/helpers.h"
#include "programs/logic/logicdraw.h"

TDisplayLayout LayoutDisplay(const TRect& I, int Height, tdispType Typ) {
  TDisplayLayout l;
  const int eighth = Height / 8;
  const int b = std::clamp(eighth, 25, 35);
  const int a = std::clamp(eighth, 30, 40);
  const int r = I.Right - 3;
  l.BandLeft = b;
  l.BandBottom = a;
  l.NameColumn = Rect(I.Left, I.Top, I.Left + 2 * b, I.Bottom);
  l.HeadBand = Rect(I.Left + 2 * b, I.Top, r, I.Top + 23);
  l.Footer = Rect(I.Left + 2 * b, I.Bottom - a, r, I.Bottom);
  switch (Typ) {
    case complete:
      l.Disp = Rect(I.Left + 2 * b, I.Top + 23, r, I.Bottom - a);
      break;
    case dispOnly:
      l.Disp = Rect(I.Left + 3, I.Top, r, I.Bottom);
      break;
    case dispTop:
      l.Disp = Rect(I.Left + 2 * b, I.Top + 23, r, I.Bottom);
      break;
    case dispCenter:
      l.Disp = Rect(I.Left + 2 * b, I.Top, r, I.Bottom);
      break;
    case dispBottom:
      l.Disp = Rect(I.Left + 2 * b, I.Top, r, I.Bottom - a);
      break;
  }
  l.DispFrame = l.Disp;
  InflateRect(l.NameColumn, -1, -1);
  l.Disp.Left += 1;
  l.Disp.Top += 1;
  l.DispWidth = l.Disp.Right - l.Disp.Left - 1;
  l.DispHeight = l.Disp.Bottom - l.Disp.Top;
  if (HasHead(Typ)) {
    const TRect& h = l.HeadBand;
    const int third = h.Width() / 3;
    l.HeadBoxFrame = Rect(h.Left + third, h.Top + 1, h.Right - third, h.Bottom - 4);
    l.HeadBox = l.HeadBoxFrame;
    l.HeadBox.Left += 1;
    l.HeadBox.Top += 1;
  }
  return l;
}

TDisplay::TDisplay(TComponent* AOwner) : TRahmen(AOwner) {
  SetHeight(200);
  SetWidth(400);
}

void TDisplay::SetNameHead(const std::string& Value) {
  FNameHead = Value;
  DrawHead();
}

void TDisplay::SetDisplayTyp(tdispType Value) {
  if (FDisplayTyp == Value) return;
  FDisplayTyp = Value;
  Invalidate();
}

void TDisplay::SetColHead(TColor Value) {
  if (FColHead == Value) return;
  FColHead = Value;
  DrawHead();
}

void TDisplay::SetColTxtHead(TColor Value) {
  if (FColTxtHead == Value) return;
  FColTxtHead = Value;
  DrawHead();
}

void TDisplay::StyleChanged(TObject*) { Invalidate(); }

void TDisplay::Paint() {
  TRahmen::Paint();
  FPainted = true;
  FLayout = LayoutDisplay(InnerRect, Height(), FDisplayTyp);
  TCanvas& c = *Canvas();
  c.SetFont(Font());
  DrawSunkenFrame(c, FLayout.DispFrame);
  if (!HasHead(FDisplayTyp)) return;
  DrawSunkenFrame(c, FLayout.HeadBoxFrame);
  c.Font()->SetName("Arial");
  c.Font()->SetHeight(9);
  c.Font()->SetStyle({});
  c.Font()->SetColor(0x808080);
  c.Brush()->SetStyle(bsClear);
  const TRect& h = FLayout.HeadBand;
  c.TextOut(h.Right - c.TextWidth(kMakerMark), h.Top, kMakerMark);
  c.Brush()->SetStyle(bsSolid);
  c.SetFont(Font());
  DrawHead();
}

void TDisplay::DrawHead() {
  if (!FPainted || !HasHead(FDisplayTyp)) return;
  TCanvas& c = *Canvas();
  const TRect& box = FLayout.HeadBox;
  c.Brush()->SetColor(FColHead);
  c.FillRect(box);
  const TFontStyles style = c.Font()->Style();
  FitFontToRect(c, box, FNameHead);
  c.Font()->SetStyle({fsBold});
  c.Font()->SetColor(FColTxtHead);
  c.Brush()->SetStyle(bsClear);
  const std::string& text = FNameHead;
  const int x = box.Left + (box.Width() - c.TextWidth(text)) / 2;
  const int y = box.Top + (box.Height() - c.TextHeight(text)) / 2;
  c.TextRect(box, x, y, text);
  c.Brush()->SetStyle(bsSolid);
  c.Font()->SetStyle(style);
}
