#include <algorithm>

#include "library/controls/tasten/spin.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"

namespace {

constexpr int kMinHeight = 35;  // without the bevels
constexpr int kMaxButtonHeight = 15;

}  // namespace

TSerieSpin::TSerieSpin(TComponent* AOwner) : TCustomSpin(AOwner) {
  SetBounds(Left(), Top(), 25, 46);
  SetColTxtBack(clMaroon);
  Font()->SetColor(clLime);
  Font()->SetStyle({fsBold});
  for (const char* line : {"1 | 23 | 1e-6", "10 | 100 | 1e-5", "100 | 56 | 1e-4"}) {
    PosText()->Add(line);
  }
}

void TSerieSpin::Paint() {
  TCustomSpin::Paint();
  FPainted = true;
  TCanvas& c = *Canvas();
  const TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.SetFont(Font());
  const TRect inner = InnerRect;
  const int m = static_cast<int>(Round(0.04L * inner.Height()));
  const int b = std::min(inner.Height() / 4, kMaxButtonHeight);
  TRect buttons = inner;
  if (BordRight()) buttons.Right -= 2;
  if (BordLeft()) buttons.Left += 1;
  FUpRect = buttons;
  FUpRect.Bottom = FUpRect.Top + b;
  FDownRect = buttons;
  FDownRect.Top = inner.Bottom - b - 1;
  FDownRect.Bottom = inner.Bottom - 1;
  FTextRect = inner;
  FTextRect.Top = FUpRect.Bottom;
  FTextRect.Bottom = inner.Bottom - b;
  InflateRect(FTextRect, -m, -m);
  FrameButton(FUpRect);
  FrameButton(FDownRect);
  const int hw = FUpRect.Height() / 2, v = FUpRect.Height() / 5, cx = FUpRect.Width() / 2;
  const TRect& u = FUpRect;
  const TRect& d = FDownRect;
  DrawArrow({u.Left + cx + hw, u.Bottom - v}, {u.Left + cx - hw, u.Bottom - v},
            {u.Left + cx, u.Top + v}, clBlack);
  DrawArrow({d.Left + cx + hw, d.Top + v}, {d.Left + cx - hw, d.Top + v},
            {d.Left + cx, d.Bottom - v}, clBlack);
  // Spins side by side without side frames join their fields into one band.
  if (!BordLeft()) FTextRect.Left = 0;
  if (!BordRight()) FTextRect.Right = Width();
  TRect& t = FTextRect;
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(clGray);
  if (BordLeft()) {
    c.MoveTo(t.Left, t.Top);
    c.LineTo(t.Left, t.Bottom);
    ++t.Left;
  }
  c.MoveTo(t.Left, t.Top);
  c.LineTo(t.Right, t.Top);
  c.Pen()->SetColor(clWhite);
  if (BordRight()) {
    c.MoveTo(t.Right - 1, t.Top);
    c.LineTo(t.Right - 1, t.Bottom);
    --t.Right;
  }
  c.MoveTo(t.Left, t.Bottom - 1);
  c.LineTo(t.Right, t.Bottom - 1);
  ++t.Top;
  --t.Bottom;  // the field keeps its bottom line
  FitFieldFont(1);
  DrawTextField();
  if (OnRepaint) OnRepaint(this);
}

void TSerieSpin::WndProc(TMessage& Message) {
  TCustomSpin::WndProc(Message);
  if (Message.Msg != WM_SIZE) return;
  int min_height = kMinHeight;
  if (BevelIn() != bvNone) min_height += 2 * BevWidth();
  if (BevelOut() != bvNone) min_height += 2 * BevWidth();
  if (Height() < min_height) SetHeight(min_height);
}
