#include "library/controls/tasten/bevel3d.h"

#include <algorithm>
#include <cstdlib>

#include "library/controls/tasten/store.h"
#include "library/foundation/helpers.h"
#include "library/foundation/tickservice.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

TBevel3D::TBevel3D(TComponent* AOwner)
    : TGroupButton(AOwner), FBlink(TTickKind::Blink, [this] { BlinkTick(); }) {
  Font()->SetColor(clWhite);
}

bool TBevel3D::IsOwnClass(const TComponent& Other) const {
  return dynamic_cast<const TBevel3D*>(&Other) != nullptr;
}

void TBevel3D::SetCaption(const std::string& Value) { StoreAndRepaint(FCaption, Value); }
void TBevel3D::SetCaption1(const std::string& Value) { StoreAndRepaint(FCaption1, Value); }
void TBevel3D::SetCaptEnable(bool Value) { StoreAndRepaint(FCaptEnable, Value); }
void TBevel3D::SetCaptBevel(TPanelBevel Value) { StoreAndRepaint(FCaptBevel, Value); }
void TBevel3D::SetTextAdjust(TTextStyle Value) { StoreAndRepaint(FTextAdjust, Value); }

void TBevel3D::SetColCaption(TColor Value) {
  if (StoreChanged(FColCaption, Value)) DrawCaption(true);
}

void TBevel3D::SetColCaption1(TColor Value) {
  if (StoreChanged(FColCaption1, Value)) DrawCaption(true);
}

void TBevel3D::SetColCaptBack(TColor Value) {
  if (StoreChanged(FColCaptBack, Value)) DrawCaption(true);
}

void TBevel3D::SetCaptBlink(bool Value) {
  if (StoreChanged(FCaptBlink, Value)) DrawCaption(true);
}

void TBevel3D::SetWordWrap(bool Value) {
  if (!StoreChanged(FWordWrap, Value)) return;
  if (Value) SetFontAutom(false);
  Invalidate();
}

void TBevel3D::Paint() {
  TGroupButton::Paint();
  if (FWordWrap && FontAutom()) FWordWrap = false;
  FPainted = true;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpFont);
  c.SetFont(Font());
  FCaptionRect = InnerRect;
  if (FColCaptBack != clSilver) {
    const int inset = FieldInset(InnerRect, Width(), Height());
    InflateRect(FCaptionRect, -inset, -inset);
  }
  if (FCaptEnable) {
    c.Pen()->SetStyle(psSolid);
    c.Pen()->SetMode(pmCopy);
    c.Pen()->SetWidth(1);
    if (FCaptBevel != bvNone) {
      const bool raised = FCaptBevel == bvRaised;
      Frame3D(&c, FCaptionRect, raised ? clWhite : clGray, raised ? clGray : clWhite, 1);
      InflateRect(FCaptionRect, -1, -1);
    }
    if (FontAutom() && !FCaption.empty()) FitFontToRect(c, FCaptionRect, FCaption);
    FCaptionFontHeight = c.Font()->Height();
    DrawCaption(true);
  }
  SetStatus(Down());
  if (OnRepaint) OnRepaint(this);
}

void TBevel3D::DrawCaption(bool WithText) {
  if (!FCaptEnable || !FPainted) return;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpBrush | cpFont);
  const bool second = ShowsCaption1();
  const std::string& text = second ? FCaption1 : FCaption;
  SetCaptionFont(c);
  c.Font()->SetColor(second ? FColCaption1 : FColCaption);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(FColCaptBack);
  c.FillRect(FCaptionRect);
  if (!WithText) return;
  if (!FWordWrap) {
    DrawLine(FCaptionRect, text);
    return;
  }
  std::string rest = text;
  const int lines = std::max(1, WrapTextToWidth(c, FCaptionRect.Width(), rest));
  if (lines == 1) {
    DrawLine(FCaptionRect, text);
    return;
  }
  const int band_height = FCaptionRect.Height() / lines;
  for (int i = 0; i < lines; ++i) {
    TRect band = FCaptionRect;
    band.Top += i * band_height;
    band.Bottom = band.Top + band_height;
    const size_t end = rest.find('\r');
    DrawLine(band, rest.substr(0, end));
    rest.erase(0, end == std::string::npos ? rest.size() : end + 1);
  }
}

void TBevel3D::DrawLine(const TRect& Band, const std::string& Line) {
  TCanvas& c = *Canvas();
  const int font_height = std::abs(c.Font()->Height());
  const int y = Band.Top + Band.Height() / 2 - (2 * font_height) / 3;
  const int text_width = c.TextWidth(Line);
  int x = Band.Left + 1;
  if (FTextAdjust == ttCenter) x = Band.Left + Band.Width() / 2 - text_width / 2;
  if (FTextAdjust == ttRight) x = Band.Right - text_width - 1;
  TCanvasSaver keep(c, cpBrush);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(FColCaptBack);
  c.TextRect(Band, x, y, Line);
}

void TBevel3D::SetCaptionFont(TCanvas& C) const {
  C.SetFont(Font());
  C.Font()->SetHeight(FCaptionFontHeight);
}

void TBevel3D::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  DrawCaption(true);
  TGroupButton::MouseUp(Button, Shift, X, Y);
}

void TBevel3D::BlinkTick() {
  if (!FPainted || !FCaptBlink) return;
  SendMessage(Handle(), WM_USER, BlinkPhase ? 1 : 0, 0);
  TickHook();
}

void TBevel3D::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    if (!(ShowsCaption1() ? FCaption1 : FCaption).empty()) DrawCaption(Message.WParam != 0);
    return;
  }
  TGroupButton::WndProc(Message);
}
