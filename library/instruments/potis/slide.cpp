// The vertical slide controls: layout, caption, trench and the knob moved over a saved copy of
// the background under it.

#include <algorithm>
#include <cassert>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/font.h"

TSlideInput::TSlideInput(TComponent* AOwner, TTickProc DragTick)
    : TInputFrame(AOwner, std::move(DragTick)),
      FKnob(std::make_unique<TBitmap>()),
      FBackground(std::make_unique<TBitmap>()) {
  Font()->SetColor(clBlack);
  SetCursor(crSizeNS);
}

TSlideInput::~TSlideInput() = default;

TSlideInput::TLayout TSlideInput::Layout() const {
  TLayout l;
  TRect inner = FrameInnerRect();
  const int preset_right = inner.Right - 1;
  l.Preset = Rect(preset_right - std::max(inner.Width() / 3, 12), inner.Bottom - 13, preset_right,
                  inner.Bottom);
  if (PresEnable()) inner.Bottom -= 13 * 7 / 10;
  const int margin = std::clamp(Width() / 20, 3, 10);
  InflateRect(inner, -margin, -margin);
  const int k = std::clamp((Height() / 25) * Width() / 115, 8, 13);
  l.K = k;
  // Height of the label and caption font, which follows from its size alone: no text needs
  // measuring.
  int fh = std::abs(Font()->Height());
  if (FontAutom()) {
    TFont font;
    font.SetSize(AutoFontSize(k));
    fh = std::abs(font.Height());
  }
  l.CaptionBox = Rect(inner.Left, inner.Top, inner.Right, inner.Top + fh * 12 / 10);
  l.Caption = l.CaptionBox;
  if (CaptEnable()) {
    // Inside the bevel, which only a raised or lowered box has.
    if (CaptBevel() == bvRaised || CaptBevel() == bvLowered) InflateRect(l.Caption, -1, -1);
    l.TravelTop = l.Caption.Bottom + fh;
  } else {
    l.TravelTop = inner.Top + k;
  }
  l.TravelLength = inner.Bottom - k - l.TravelTop;
  l.TrenchX = inner.Left + 2 * k;
  l.KnobHalf = k * 7 / 10;
  const int centre_x = KnobCentreX(l.TrenchX, k);
  const int bottom = l.TravelTop + l.TravelLength;
  l.Knob = Rect(centre_x - 2 * l.KnobHalf, bottom - l.KnobHalf, centre_x + 2 * l.KnobHalf,
                bottom + l.KnobHalf);
  return l;
}

void TSlideInput::Paint() {
  TRahmen::Paint();
  FPainted = true;
  TCanvas& c = *Canvas();
  const TCanvasSaver keep(c, cpFont);
  const TRect inner = InnerRect;
  DrawMakerMark(c, inner.Left + 1, inner.Bottom - 9);
  FDrawn = Layout();
  const TLayout& l = FDrawn;
  FPresetRect = l.Preset;
  c.SetFont(Font());
  if (FontAutom()) c.Font()->SetSize(AutoFontSize(l.K));
  FCaptionRect = l.CaptionBox;
  if (CaptEnable()) {
    DrawCaptionBevel(c, FCaptionRect);
    assert(FCaptionRect == l.Caption);
  }
  // Too small for a travel: the control shows its frame and ignores the mouse.
  if (l.TravelLength >= 1) {
    DrawScale(c, l.TrenchX, l.K);
    FKnobRect = l.Knob;
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
  const TCanvasSaver keep(k, cpPen | cpBrush);
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
  if (!FPainted || FDrawn.TravelLength < 1) return;
  const int y = KnobCentreY();
  const int half = FDrawn.KnobHalf;
  if (y - half == FKnobRect.Top) return;
  TCanvas& c = *Canvas();
  c.Draw(FKnobRect.Left, FKnobRect.Top, FBackground.get());
  FKnobRect.Top = y - half;
  FKnobRect.Bottom = y + half;
  FBackground->Canvas()->CopyRect(Rect(0, 0, FKnobRect.Width(), FKnobRect.Height()), &c, FKnobRect);
  c.Draw(FKnobRect.Left, FKnobRect.Top, FKnob.get());
}
