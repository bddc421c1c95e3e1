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
      knob_(std::make_unique<TBitmap>()),
      background_(std::make_unique<TBitmap>()) {
  Font()->SetColor(clBlack);
  SetCursor(crSizeNS);
}

TSlideInput::~TSlideInput() = default;

void TSlideInput::Paint() {
  TRahmen::Paint();
  painted_ = true;
  TCanvas& c = *Canvas();
  TRect inner = InnerRect;
  DrawPotiMakerMark(c, inner.Left + 1, inner.Bottom - 9);
  const int preset_right = inner.Right - 1;
  preset_rect_ = Rect(preset_right - std::max(inner.Width() / 3, 12), inner.Bottom - 13,
                      preset_right, inner.Bottom);
  if (PresEnable()) inner.Bottom -= 13 * 7 / 10;
  PrepareScale();

  const int margin = std::clamp(Width() / 20, 3, 10);
  InflateRect(inner, -margin, -margin);
  int k = std::clamp((Height() / 25) * Width() / 115, 8, 13);
  c.SetFont(Font());
  if (FontAutom()) c.Font()->SetSize(AutoFontSize(k));
  const int fh = std::abs(c.Font()->Height());
  caption_rect_ = Rect(inner.Left, inner.Top, inner.Right, inner.Top + fh * 12 / 10);
  if (CaptEnable()) {
    DrawCaptionBevel(c, caption_rect_);
    travel_top_ = caption_rect_.Bottom + fh;
  } else {
    travel_top_ = inner.Top + k;
  }
  travel_length_ = inner.Bottom - k - travel_top_;
  const int x0 = inner.Left + 2 * k;
  // Too small for a travel: the control shows its frame and ignores the mouse.
  if (travel_length_ >= 1) {
    DrawScale(c, x0, k);
    const int centre_x = KnobCentreX(x0, k);
    knob_half_ = k * 7 / 10;
    const int bottom = travel_top_ + travel_length_;
    knob_rect_ = Rect(centre_x - 2 * knob_half_, bottom - knob_half_, centre_x + 2 * knob_half_,
                      bottom + knob_half_);
    knob_->SetSize(knob_rect_.Width(), knob_rect_.Height());
    background_->SetSize(knob_rect_.Width(), knob_rect_.Height());
    const TRect image = Rect(0, 0, knob_rect_.Width(), knob_rect_.Height());
    background_->Canvas()->CopyRect(image, &c, knob_rect_);
    DrawKnobImage();
    c.Draw(knob_rect_.Left, knob_rect_.Top, knob_.get());
  }
  DrawCaption();
  DrawPresetButton(false);
  MoveKnob();
  if (OnRepaint) OnRepaint(this);
}

void TSlideInput::DrawKnobImage() {
  TCanvas& k = *knob_->Canvas();
  const int w = knob_->Width(), h = knob_->Height();
  TPen* pen = k.Pen();
  pen->SetMode(pmCopy);
  pen->SetStyle(psSolid);
  pen->SetWidth(2);
  pen->SetColor(col_button_);
  k.Brush()->SetStyle(bsSolid);
  k.Brush()->SetColor(col_button_);
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
  if (!painted_ || travel_length_ < 1) return;
  const int y = KnobCentreY();
  if (y - knob_half_ == knob_rect_.Top) return;
  TCanvas& c = *Canvas();
  c.Draw(knob_rect_.Left, knob_rect_.Top, background_.get());
  knob_rect_.Top = y - knob_half_;
  knob_rect_.Bottom = y + knob_half_;
  background_->Canvas()->CopyRect(Rect(0, 0, knob_rect_.Width(), knob_rect_.Height()), &c,
                                  knob_rect_);
  c.Draw(knob_rect_.Left, knob_rect_.Top, knob_.get());
}
