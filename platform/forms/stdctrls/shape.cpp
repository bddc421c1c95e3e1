#include "platform/forms/stdctrls/extctrls.h"

// --- TShape ---

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  SetBounds(0, 0, 65, 65);
  FPen->OnChange = [this](TObject*) { Invalidate(); };
  FBrush->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType Value) {
  if (Value == FShape) return;
  FShape = Value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* c = Canvas();
  c->SetPen(FPen.get());
  c->SetBrush(FBrush.get());
  const int pen = FPen->Style() == psClear ? 0 : FPen->Width();
  int x = pen / 2;
  int y = x;
  int w = Width() - pen + 1;
  int h = Height() - pen + 1;
  if (pen == 0) {
    --w;
    --h;
  }
  const int s = std::min(w, h);
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    x += (w - s) / 2;
    y += (h - s) / 2;
    w = h = s;
  }
  switch (FShape) {
    case stRectangle:
    case stSquare:
      c->Rectangle(x, y, x + w, y + h);
      break;
    case stRoundRect:
    case stRoundSquare:
      c->RoundRect(x, y, x + w, y + h, s / 4, s / 4);
      break;
    case stEllipse:
    case stCircle:
      c->Ellipse(x, y, x + w, y + h);
      break;
  }
}

// --- TBevel ---

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape Value) {
  if (Value == FShape) return;
  FShape = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* c = Canvas();
  TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
  c->Pen()->SetWidth(1);
  c->Pen()->SetStyle(psSolid);
  auto line = [c](TColor color, int x1, int y1, int x2, int y2) {
    c->Pen()->SetColor(color);
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
  };
  // Top and left in the first colour, right and bottom (their corner pixels included) in the
  // second.
  auto rect = [&](TRect r) {
    const TPoint top_left[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
    const TPoint bottom_right[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}};
    c->Pen()->SetColor(first);
    c->Polyline(top_left);
    c->Pen()->SetColor(second);
    c->Polyline(bottom_right);
  };
  const int w = Width();
  const int h = Height();
  switch (FShape) {
    case bsBox:
      rect(Rect(0, 0, w - 1, h - 1));
      break;
    case bsFrame: {
      // An engraved line: the rectangle moved by one in the second colour, under it the
      // rectangle in the first.
      const TColor one = first;
      first = second;
      rect(Rect(1, 1, w - 1, h - 1));
      first = second = one;
      rect(Rect(0, 0, w - 2, h - 2));
      break;
    }
    case bsTopLine:
      line(first, 0, 0, w, 0);
      line(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(first, 0, h - 2, w, h - 2);
      line(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(first, 0, 0, 0, h);
      line(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(first, w - 2, 0, w - 2, h);
      line(second, w - 1, 0, w - 1, h);
      break;
  }
}
