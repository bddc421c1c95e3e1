#include "library/controls/tasten/spin.h"
#include "library/foundation/store.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

TTextSpin::TTextSpin(TComponent* AOwner) : TCustomSpin(AOwner) {
  SetBounds(Left(), Top(), 100, 30);
  Font()->SetColor(clYellow);
  for (const char* line :
       {"1 usec | 23 | 1e-6", "10 usec | 100 | 1e-5", "100 usec | 56 | 1e-4",
        "1 msec | 345 | 0.001", "10 msec | clGreen | 0.01", "100 msec | clRed | 0.1"}) {
    PosText()->Add(line);
  }
}

void TTextSpin::SetColDisabled(TColor Value) {
  if (StoreChanged(FColDisabled, Value)) Repaint();
}

TColor TTextSpin::FieldColour() const { return Enabled() ? ColTxtBack() : FColDisabled; }

void TTextSpin::Paint() {
  TCustomSpin::Paint();
  FPainted = true;
  TCanvas& c = *Canvas();
  const TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  c.SetFont(Font());
  const int m = static_cast<int>(Round(0.04L * InnerRect.Height()));
  FTextRect = InnerRect;
  InflateRect(FTextRect, -m, -m);
  // The buttons side by side at the right end, one above the other.
  const int h = FTextRect.Height() / 2;
  FUpRect = Rect(FTextRect.Right - (3 * h) / 2, FTextRect.Top, FTextRect.Right, FTextRect.Top + h);
  FDownRect = Rect(FUpRect.Left, FUpRect.Bottom, FUpRect.Right, FTextRect.Bottom);
  FTextRect.Right = FUpRect.Left - 3 * m;
  FrameButton(FUpRect);
  FrameButton(FDownRect);
  const int q = FUpRect.Width() / 4, v = FUpRect.Height() / 5, w = FUpRect.Width() / 2;
  const TColor arrow = Enabled() ? clBlack : clGray;
  const TRect& u = FUpRect;
  const TRect& d = FDownRect;
  DrawArrow({u.Left + q, u.Bottom - v}, {u.Right - q, u.Bottom - v}, {u.Left + w, u.Top + v},
            arrow);
  DrawArrow({d.Left + q, d.Top + v}, {d.Right - q, d.Top + v}, {d.Left + w, d.Bottom - v}, arrow);
  Frame3D(&c, FTextRect, clGray, clWhite, 1);
  FitFieldFont(0);
  DrawTextField();
  if (OnRepaint) OnRepaint(this);
}

void TTextSpin::WndProc(TMessage& Message) {
  TCustomSpin::WndProc(Message);
  if (Message.Msg == CM_ENABLEDCHANGED) Repaint();
}
