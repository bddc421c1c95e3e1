// The vertical slide controls: layout, caption, trench and the knob moved over a saved copy of
// the background under it.

#include <algorithm>
#include <cstdlib>

#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

TSlideInput::TSlideInput(TComponent* AOwner, TTickProc DragTick)
    : TInputFrame(AOwner, std::move(DragTick)),
      FKnob(std::make_unique<TBitmap>()),
      FBackground(std::make_unique<TBitmap>()) {
  Font()->SetColor(clBlack);
  SetCursor(crSizeNS);
}

TSlideInput::~TSlideInput() = default;

void TSlideInput::Paint() {
  TRahmen::Paint();
  FPainted = true;
  TCanvas& c = *Canvas();
  TRect inner = InnerRect;
  DrawPotiMakerMark(c, inner.Left + 1, inner.Bottom - 9);
  const int preset_right = inner.Right - 1;
  FPresetRect = Rect(preset_right - std::max(inner.Width() / 3, 12), inner.Bottom - 13,
                     preset_right, inner.Bottom);
  if (PresEnable()) inner.Bottom -= 13 * 7 / 10;
  PrepareScale();

  const int margin = std::clamp(Width() / 20, 3, 10);
  InflateRect(inner, -margin, -margin);
  int k = std::clamp((Height() / 25) * Width() / 115, 8, 13);
  c.SetFont(Font());
  if (FontAutom()) c.Font()->SetSize(AutoFontSize(k));
  const int fh = std::abs(c.Font()->Height());
  FCaptionRect = Rect(inner.Left, inner.Top, inner.Right, inner.Top + fh * 12 / 10);
  if (CaptEnable()) {
    DrawCaptionBevel(c, FCaptionRect);
    FTravelTop = FCaptionRect.Bottom + fh;
  } else {
    FTravelTop = inner.Top + k;
  }
  FTravelLength = inner.Bottom - k - FTravelTop;
  const int x0 = inner.Left + 2 * k;
  // Too small for a travel: the control shows its frame and ignores the mouse.
  if (FTravelLength >= 1) {
    DrawScale(c, x0, k);
    const int centre_x = KnobCentreX(x0, k);
    FKnobHalf = k * 7 / 10;
    const int bottom = FTravelTop + FTravelLength;
    FKnobRect = Rect(centre_x - 2 * FKnobHalf, bottom - FKnobHalf, centre_x + 2 * FKnobHalf,
                     bottom + FKnobHalf);
    FKnob->SetSize(FKnobRect.Width(), FKnobRect.Height());
    FBackground->SetSize(FKnobRect.Width(), FKnobRect.Height());
    const TRect image = Rect(0, 0, FKnobRect.Width(), FKnobRect.Height());
    FBackground->Canvas()->CopyRect(image, &c, FKnobRect);
    DrawKnobImage();
    c.Draw(FKnobRect.Left, FKnobRect.Top, FKnob.get());
  }
  DrawCaption();
  DrawPresetButton(false);
  MoveKnob();
  if (OnRepaint) OnRepaint(this);
}

void TSlideInput::DrawKnobImage() {
  TCanvas& k = *FKnob->Canvas();
  const int w = FKnob->Width(), h = FKnob->Height();
  TPen* pen = k.Pen();
  pen->SetMode(pmCopy);
  pen->SetStyle(psSolid);
  pen->SetWidth(2);
  pen->SetColor(FColButton);
  k.Brush()->SetStyle(bsSolid);
  k.Brush()->SetColor(FColButton);
  k.FillRect(Rect(0, 0, w, h));
  const int middle = (h - 1) / 2;
  auto line = [&](TColor Colour, int X1, int Y1, int X2, int Y2) {
    pen->SetColor(Colour);
    k.MoveTo(X1, Y1);
    k.LineTo(X2, Y2);
  };
  line(clWhite, 0, h - 1, 0, 0);
  line(clWhite, 0, 0, w - 1, 0);
  line(clWhite, 0, middle - 1, w - 1, middle - 1);
  line(clGray, w - 1, 0, w - 1, h - 1);
  line(clGray, w - 1, h - 1, 0, h - 1);
  line(clGray, 0, middle + 1, w - 1, middle + 1);
}

void TSlideInput::MoveKnob() {
  if (!FPainted || FTravelLength < 1) return;
  const int y = KnobCentreY();
  if (y - FKnobHalf == FKnobRect.Top) return;
  TCanvas& c = *Canvas();
  c.Draw(FKnobRect.Left, FKnobRect.Top, FBackground.get());
  FKnobRect.Top = y - FKnobHalf;
  FKnobRect.Bottom = y + FKnobHalf;
  FBackground->Canvas()->CopyRect(Rect(0, 0, FKnobRect.Width(), FKnobRect.Height()), &c, FKnobRect);
  c.Draw(FKnobRect.Left, FKnobRect.Top, FKnob.get());
}
