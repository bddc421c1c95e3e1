#include <algorithm>

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/graphics/draw_helpers.h"

namespace {

// Image `index` of the glyph strip (the first one when there are fewer).
std::unique_ptr<TBitmap> GlyphImage(const TBitmap* Strip, int Count, int Index, bool Enabled) {
  auto out = std::make_unique<TBitmap>();
  if (Strip == nullptr || Strip->Empty()) return out;
  Count = std::clamp(Count, 1, 4);
  const int w = Strip->Width() / Count;
  if (w <= 0) return out;
  if (Index >= Count) Index = 0;
  out->SetSize(w, Strip->Height());
  out->Canvas()->CopyRect(Rect(0, 0, w, Strip->Height()), Strip->Canvas(),
                          Bounds(Index * w, 0, w, Strip->Height()));
  if (!Enabled && Count < 2) {
    // The embossed look needs the glyph in black on the transparent colour.
    TBitmap mono;
    mono.SetSize(w, out->Height());
    const TColor clear = out->Canvas()->Pixels(0, out->Height() - 1);
    for (int y = 0; y < out->Height(); ++y) {
      for (int x = 0; x < w; ++x) {
        mono.Canvas()->SetPixels(x, y, out->Canvas()->Pixels(x, y) == clear ? clWhite : clBlack);
      }
    }
    CreateDisabledGlyph(&mono, out.get());
  }
  out->SetTransparent(true);
  return out;
}

// Places the glyph and the caption in client the way picture buttons do and draws them.
void DrawGlyphAndCaption(TCanvas* Canvas, const TRect& Client, const TBitmap* Glyph,
                         const std::string& Caption, TButtonLayout Layout, int Margin, int Spacing,
                         TPoint Offset, bool Enabled) {
  const int gw = Glyph != nullptr ? Glyph->Width() : 0;
  const int gh = Glyph != nullptr ? Glyph->Height() : 0;
  // No caption takes no room.
  TRect text_rect;
  if (!Caption.empty()) {
    text_rect = Rect(0, 0, Client.Width(), 0);
    Canvas->DrawText(Caption, text_rect, DT_CALCRECT | DT_SINGLELINE);
  }
  const int tw = text_rect.Width();
  const int th = text_rect.Height();
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  const int gap = gw > 0 && tw > 0 ? Spacing : 0;
  const int total = horizontal ? gw + gap + tw : gh + gap + th;
  const int room = horizontal ? Client.Width() : Client.Height();
  const int start = Margin < 0 ? (room - total) / 2 : Margin;
  TPoint gp;
  TPoint tp;
  if (horizontal) {
    gp.Y = (Client.Height() - gh) / 2;
    tp.Y = (Client.Height() - th) / 2;
    gp.X = Layout == blGlyphLeft ? start : start + tw + gap;
    tp.X = Layout == blGlyphLeft ? start + gw + gap : start;
  } else {
    gp.X = (Client.Width() - gw) / 2;
    tp.X = (Client.Width() - tw) / 2;
    gp.Y = Layout == blGlyphTop ? start : start + th + gap;
    tp.Y = Layout == blGlyphTop ? start + gh + gap : start;
  }
  const int dx = Client.Left + Offset.X;
  const int dy = Client.Top + Offset.Y;
  if (gw > 0) Canvas->Draw(gp.X + dx, gp.Y + dy, Glyph);
  if (tw <= 0) return;
  TRect r = Bounds(tp.X + dx, tp.Y + dy, tw, th);
  Canvas->Brush()->SetStyle(bsClear);
  if (!Enabled) {
    OffsetRect(r, 1, 1);
    Canvas->Font()->SetColor(clBtnHighlight);
    Canvas->DrawText(Caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    OffsetRect(r, -1, -1);
    Canvas->Font()->SetColor(clBtnShadow);
  }
  Canvas->DrawText(Caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  SetBounds(0, 0, 23, 22);
  // The button decides about its click itself (group rules first).
  SetControlStyle(ControlStyle() - csClickEvents);
  SetParentFont(true);
  SetParentColor(true);
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap* Value) { FGlyph->Assign(Value); }

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  FMargin = std::max(Value, -1);
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  FSpacing = Value;
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (Value == FAllowAllUp) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  FState = Value ? bsExclusive : bsUp;
  Invalidate();
  if (Value) UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || Parent() == nullptr) return;
  TMessage msg{CM_BUTTONPRESSED, FGroupIndex,
               int64_t(reinterpret_cast<intptr_t>(static_cast<TControl*>(this))), 0};
  Parent()->Broadcast(msg);
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED: {
      if (Message.WParam != FGroupIndex || FGroupIndex == 0) break;
      // Other kinds of controls use the same notice: only a speed button's state counts.
      auto* sender = dynamic_cast<TSpeedButton*>(
          reinterpret_cast<TControl*>(static_cast<intptr_t>(Message.LParam)));
      if (sender == nullptr || sender == this) break;
      if (sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
      }
      FAllowAllUp = sender->AllowAllUp();
      break;
    }
    case CM_DIALOGCHAR:
      if (IsAccel(unsigned(Message.WParam), Caption()) && Enabled() && Visible() &&
          Parent() != nullptr && Parent()->Showing()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_MOUSEENTER:
      FMouseInControl = true;
      if (FFlat && Enabled()) Invalidate();
      break;
    case CM_MOUSELEAVE:
      FMouseInControl = false;
      if (FFlat && Enabled()) Invalidate();
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(Message);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  TButtonState now = FDown ? bsExclusive : bsUp;
  if (PtInRect(ClientRect(), TPoint{X, Y})) now = bsDown;
  if (now != FState) {
    FState = now;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging || Button != mbLeft) return;
  FDragging = false;
  const bool do_click = PtInRect(ClientRect(), TPoint{X, Y});
  if (FGroupIndex == 0) {
    FState = bsUp;
    Invalidate();
  } else if (do_click) {
    SetDown(!FDown);
    FState = FDown ? bsExclusive : bsUp;
    Invalidate();
  } else {
    FState = FDown ? bsExclusive : bsUp;
    Invalidate();
  }
  // Last: the click handler may free the button.
  if (do_click) Click();
}

void TSpeedButton::Paint() {
  if (!Enabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
  TCanvas* c = Canvas();
  c->SetFont(Font());
  TRect paint_rect = ClientRect();
  const bool pressed = FState == bsDown || FState == bsExclusive;
  if (!FFlat) {
    paint_rect = DrawButtonFace(c, ClientRect(), 1, bsNew, false, pressed, false);
    if (pressed) OffsetRect(paint_rect, -1, -1);
  } else {
    if (pressed || (FMouseInControl && FState != bsDisabled)) {
      TRect edge = ClientRect();
      if (pressed) {
        Frame3D(c, edge, clBtnShadow, clBtnHighlight, 1);
      } else {
        Frame3D(c, edge, clBtnHighlight, clBtnShadow, 1);
      }
    }
    InflateRect(paint_rect, -1, -1);
  }
  if (FState == bsExclusive && (!FFlat || !FMouseInControl)) {
    // A held-down button shows a dithered face.
    const TColor face = ColorToRGB(clBtnFace);
    const TColor light = ColorToRGB(clBtnHighlight);
    for (int y = paint_rect.Top; y < paint_rect.Bottom; ++y) {
      for (int x = paint_rect.Left; x < paint_rect.Right; ++x) {
        c->SetPixels(x, y, (x + y) % 2 == 0 ? light : face);
      }
    }
  }
  const TPoint offset = pressed ? TPoint{1, 1} : TPoint{0, 0};
  std::unique_ptr<TBitmap> image =
      GlyphImage(FGlyph.get(), FNumGlyphs, int(FState), FState != bsDisabled);
  DrawGlyphAndCaption(c, paint_rect, image->Empty() ? nullptr : image.get(), Caption(), FLayout,
                      FMargin, FSpacing, offset, FState != bsDisabled);
}
