#include "library/controls/tasten/boxline.h"

#include <algorithm>

#include "library/foundation/store.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

namespace {

void SetBit(uint8_t& Byte, uint8_t Mask, bool On) {
  Byte = On ? uint8_t(Byte | Mask) : uint8_t(Byte & ~Mask);
}

// One point smaller, whichever way the size is given (a negative size is a cell height).
int SmallerSize(int Size) { return Size < 0 ? Size + 1 : Size - 1; }

bool HasRoom(const TRect& R) { return R.Right > R.Left && R.Bottom > R.Top; }

}  // namespace

// --- TBoxLBox ---

TBoxLBox::TBoxLBox(TBoxLine* Owner, int Index)
    : FLine(Owner),
      FGlyph{std::make_unique<TBitmap>(), std::make_unique<TBitmap>()},
      FDisabled{std::make_unique<TBitmap>(), std::make_unique<TBitmap>()},
      FMask(uint8_t(1u << Index)) {}

TBoxLBox::~TBoxLBox() = default;

void TBoxLBox::Assign(const TBoxLBox& Source) {
  if (&Source == this) return;
  SetStatus(Source.FStatus);
  SetEnabled(Source.FEnabled);
  SetCharOn(Source.FCharOn);
  SetCharOff(Source.FCharOff);
  SetCaptShort(Source.FCaptShort);
  SetCaptLong(Source.FCaptLong);
  SetNumGlyphs(Source.FNumGlyphs);
  SetGlyphOn(Source.FGlyph[1].get());
  SetGlyphOff(Source.FGlyph[0].get());
  SetVisible(Source.FVisible);
}

void TBoxLBox::SetStatus(bool Value) {
  if (!StoreChanged(FStatus, Value)) return;
  SetBit(FLine->FBoxStatByte, FMask, Value);
  Draw();
}

void TBoxLBox::SetEnabled(bool Value) {
  if (!StoreChanged(FEnabled, Value)) return;
  SetBit(FLine->FBoxEnaByte, FMask, Value);
  Draw();
}

void TBoxLBox::SetVisible(bool Value) {
  if (StoreChanged(FVisible, Value)) FLine->Invalidate();
}

void TBoxLBox::SetCharOn(char Value) {
  if (StoreChanged(FCharOn, Value)) Draw();
}

void TBoxLBox::SetCharOff(char Value) {
  if (StoreChanged(FCharOff, Value)) Draw();
}

void TBoxLBox::SetCaptShort(char Value) {
  if (StoreChanged(FCaptShort, Value)) DrawCaptions();
}

void TBoxLBox::SetCaptLong(const std::string& Value) {
  if (StoreChanged(FCaptLong, Value)) DrawCaptions();
}

void TBoxLBox::SetNumGlyphs(int Value) {
  if (StoreChanged(FNumGlyphs, std::clamp(Value, 1, 2))) Draw();
}

void TBoxLBox::SetGlyphOn(const TBitmap* Value) { SetGlyph(1, Value); }
void TBoxLBox::SetGlyphOff(const TBitmap* Value) { SetGlyph(0, Value); }

void TBoxLBox::SetGlyph(int State, const TBitmap* Value) {
  FGlyph[State]->Assign(Value);
  // The system colours of the embossed form do not change while the program runs, so the form
  // is built here once rather than at every paint.
  CreateDisabledGlyph(FGlyph[State].get(), FDisabled[State].get());
  Draw();
}

void TBoxLBox::Draw() {
  const TBoxLine& line = *FLine;
  if (!line.FPainted || !FVisible) return;
  TCanvas& c = *line.Canvas();
  TCanvasSaver keep(c, cpBrush | cpFont);
  c.Brush()->SetStyle(bsSolid);
  const TBitmap* glyph = FGlyph[FStatus].get();
  if (!glyph->Empty()) {
    if (FNumGlyphs == 1) {
      c.StretchDraw(FRect, FEnabled ? glyph : FDisabled[FStatus].get());
      return;
    }
    const int half = glyph->Width() / 2;
    const TRect source =
        FEnabled ? Rect(0, 0, half, glyph->Height()) : Rect(half, 0, 2 * half, glyph->Height());
    c.Brush()->SetColor(FEnabled ? line.FColorEnable : line.FColorDisable);
    c.FillRect(FRect);
    c.BrushCopy(FRect, glyph, source, clOlive);
    return;
  }
  TColor back = line.FColorDisable, ink = line.FColorFontDis;
  if (FEnabled) {
    back = FStatus ? line.FColorOn : line.FColorEnable;
    ink = FStatus ? line.FColorFontOn : line.FColorFontEna;
  }
  c.Brush()->SetColor(back);
  line.SetBoxFont(c);
  c.Font()->SetColor(ink);
  c.TextRect(FRect, FRect.Left + 2, FRect.Top - 2, std::string(1, FStatus ? FCharOn : FCharOff));
}

void TBoxLBox::DrawCaptions() {
  const TBoxLine& line = *FLine;
  if (!line.FPainted || !FVisible) return;
  const int b = line.FBoxWidth, s = line.FBoxSpace;
  const TRect& box = FRect;
  TRect cell = box, area = box;
  if (line.FOrientation == orVertical) {
    if (!line.FCaptLeft) {
      cell.Right = box.Left - s;
      cell.Left = cell.Right - b;
      area.Left = box.Right + s;
      area.Right = line.Width() - s;
    } else {
      cell.Left = box.Right + s;
      cell.Right = cell.Left + b;
      area.Left = s;
      area.Right = box.Left - s;
    }
  } else if (!line.FCaptLeft) {
    cell.Top = box.Bottom + s;
    cell.Bottom = cell.Top + b;
    area.Top = s;
    area.Bottom = box.Top - s;
  } else {
    cell.Bottom = box.Top - s;
    cell.Top = cell.Bottom - b;
    area.Top = box.Bottom + s;
    area.Bottom = line.Height() - s;
  }
  TCanvas& c = *line.Canvas();
  TCanvasSaver keep(c, cpBrush | cpFont);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(clSilver);
  line.SetBoxFont(c);
  c.Font()->SetColor(clBlack);
  if (HasRoom(cell)) c.TextRect(cell, cell.Left + 2, cell.Top - 2, std::string(1, FCaptShort));
  if (!HasRoom(area)) return;
  if (line.FOrientation == orVertical) {
    c.Font()->SetSize(SmallerSize(c.Font()->Size()));
    const int x = line.FCaptLeft ? area.Right - c.TextWidth(FCaptLong) : area.Left;
    c.TextRect(area, x, area.Top - 2, FCaptLong);
  } else {
    c.SetFont(line.FRotatedFont.get());
    const int y = line.FCaptLeft ? area.Top + c.TextWidth(FCaptLong) : area.Bottom;
    c.TextRect(area, area.Left - 2, y, FCaptLong);
  }
}

// --- TBoxLine ---

TBoxLine::TBoxLine(TComponent* AOwner)
    : TCustomControl(AOwner), FRotatedFont(std::make_unique<TFont>()) {
  SetBounds(Left(), Top(), 85, 160);
  SetColor(clSilver);
  Font()->SetName("Arial");
  Font()->SetSize(9);
  FRotatedFont->Assign(*Font());
  FRotatedFont->SetColor(clBlack);
  FRotatedFont->SetOrientation(900);
  for (int i = 0; i < TBoxLBox::kCount; ++i) FBoxes[i] = std::make_unique<TBoxLBox>(this, i);
}

TBoxLine::~TBoxLine() = default;

TBoxLBox* TBoxLine::Box(int Index) const {
  return Index >= 0 && Index < TBoxLBox::kCount ? FBoxes[Index].get() : nullptr;
}

void TBoxLine::SetBox(int Index, const TBoxLBox* Value) {
  TBoxLBox* box = Box(Index);
  if (box != nullptr && Value != nullptr) box->Assign(*Value);
}

void TBoxLine::SetOrderUp(bool Value) { StoreAndRepaint(FOrderUp, Value); }
void TBoxLine::SetCaptLeft(bool Value) { StoreAndRepaint(FCaptLeft, Value); }
void TBoxLine::SetColorEnable(TColor Value) { StoreAndRepaint(FColorEnable, Value); }
void TBoxLine::SetColorOn(TColor Value) { StoreAndRepaint(FColorOn, Value); }
void TBoxLine::SetColorDisable(TColor Value) { StoreAndRepaint(FColorDisable, Value); }
void TBoxLine::SetColorFontEna(TColor Value) { StoreAndRepaint(FColorFontEna, Value); }
void TBoxLine::SetColorFontOn(TColor Value) { StoreAndRepaint(FColorFontOn, Value); }
void TBoxLine::SetColorFontDis(TColor Value) { StoreAndRepaint(FColorFontDis, Value); }

void TBoxLine::SetOrientation(TOrientation Value) {
  if (!StoreChanged(FOrientation, Value)) return;
  const bool wide = Width() > Height(), tall = Height() > Width();
  if ((Value == orVertical && wide) || (Value == orHorizontal && tall)) {
    SetBounds(Left(), Top(), Height(), Width());
  }
  Invalidate();
}

void TBoxLine::SetBoxWidth(int Value) {
  if (StoreChanged(FBoxWidth, std::clamp(Value, 10, 30))) Invalidate();
}

void TBoxLine::SetBoxSpace(int Value) {
  if (StoreChanged(FBoxSpace, std::clamp(Value, 0, 20))) Invalidate();
}

void TBoxLine::SetBoxEnaByte(uint8_t Value) {
  if (!StoreChanged(FBoxEnaByte, Value)) return;
  for (auto& box : FBoxes) box->SetEnabled((Value & box->FMask) != 0);
}

void TBoxLine::SetBoxStatByte(uint8_t Value) {
  if (!StoreChanged(FBoxStatByte, Value)) return;
  for (auto& box : FBoxes) box->SetStatus((Value & box->FMask) != 0);
}

void TBoxLine::LayoutBoxes() {
  const int b = FBoxWidth, s = FBoxSpace, step = b + s;
  for (int i = 0; i < TBoxLBox::kCount; ++i) {
    TRect& r = FBoxes[i]->FRect;
    if (FOrientation == orVertical) {
      if (FOrderUp) {
        r.Bottom = Height() - s / 2 - i * step;
        r.Top = r.Bottom - b;
      } else {
        r.Top = s / 2 + i * step;
        r.Bottom = r.Top + b;
      }
      r.Left = FCaptLeft ? Width() - (s + b) - b : s + b;
      r.Right = r.Left + b;
    } else {
      if (FOrderUp) {
        r.Left = s / 2 + i * step;
        r.Right = r.Left + b;
      } else {
        // Box 0 keeps half a box, not half a gap, from the right edge.
        r.Right = Width() - b / 2 - i * step;
        r.Left = r.Right - b;
      }
      r.Top = FCaptLeft ? s + b : Height() - (s + b) - b;
      r.Bottom = r.Top + b;
    }
  }
}

void TBoxLine::Paint() {
  FPainted = true;
  LayoutBoxes();
  TCanvas& c = *Canvas();
  {
    TCanvasSaver keep(c, cpPen | cpBrush);
    for (auto& box : FBoxes) {
      if (box->FVisible) box->FRect = DrawButtonFace(&c, box->FRect, 1, bsNew, false, true, false);
    }
  }
  for (auto& box : FBoxes) {
    box->Draw();
    box->DrawCaptions();
  }
  if (OnRepaint) OnRepaint(this);
}

void TBoxLine::SetBoxFont(TCanvas& C) const {
  C.SetFont(Font());
  C.Font()->SetHeight(FBoxWidth - 2);
}

TNotifyEvent& TBoxLine::BoxClickEvent(int Index) {
  TNotifyEvent* events[] = {&OnBox0Click, &OnBox1Click, &OnBox2Click, &OnBox3Click,
                            &OnBox4Click, &OnBox5Click, &OnBox6Click, &OnBox7Click};
  return *events[Index];
}

void TBoxLine::MouseDown(TMouseButton, TShiftState, int X, int Y) {
  for (int i = 0; i < TBoxLBox::kCount; ++i) {
    TBoxLBox& box = *FBoxes[i];
    if (!PtInRect(box.FRect, {X, Y})) continue;
    if (!box.FEnabled) return;
    if (FToggle) box.SetStatus(!box.FStatus);
    if (TNotifyEvent& event = BoxClickEvent(i)) event(this);
    if (OnClick) OnClick(this, i, box.FStatus);
    return;
  }
}
