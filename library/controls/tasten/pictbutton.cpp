#include "library/controls/tasten/pictbutton.h"

#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/foundation/squaredial.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "platform/graphics/canvas_state.h"

namespace {

constexpr int kUnit = 1000;

bool IsSquareShape(TShapeTypeT Shape) {
  return Shape == sstSquare || Shape == sstRoundSquare || Shape == sstCircle;
}

TRect Span(TPoint TopLeft, TPoint BottomRight) {
  return Rect(TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y);
}

}  // namespace

TPictButton::TPictButton(TComponent* AOwner)
    : TGroupButton(AOwner),
      FSymbol(std::make_unique<TBitmap>()),
      FFont1(std::make_unique<TFont>()),
      FFont2(std::make_unique<TFont>()),
      FBlink(TTickKind::Blink, [this] { BlinkTick(); }) {
  SetBounds(Left(), Top(), 100, 100);
  SetColBack(clBlack);
  Font()->SetColor(clAqua);
  FFont1->SetName("Arial");
  FFont1->SetColor(clLime);
  FFont2->SetName("Arial");
  FFont2->SetColor(clRed);
  Font()->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
}

TPictButton::~TPictButton() { Font()->OnChange = nullptr; }

bool TPictButton::IsOwnClass(const TComponent& Other) const {
  return dynamic_cast<const TPictButton*>(&Other) != nullptr;
}

void TPictButton::StyleChanged(TObject*) {
  if (!FWritingBack) Invalidate();
  FWritingBack = false;
}

void TPictButton::SetFont1(const TFont* Value) {
  if (Value != nullptr) FFont1->Assign(*Value);
  Invalidate();
}

void TPictButton::SetFont2(const TFont* Value) {
  if (Value != nullptr) FFont2->Assign(*Value);
  Invalidate();
}

void TPictButton::SetSymbol(const TBitmap* Value) {
  if (Value != nullptr) FSymbol->Assign(Value);
}

void TPictButton::SetPictStyle(TPictStyle Value) { StoreAndRepaint(FPictStyle, Value); }
void TPictButton::SetShape(TShapeTypeT Value) { StoreAndRepaint(FShape, Value); }
void TPictButton::SetColBorder(TColor Value) { StoreAndRepaint(FColBorder, Value); }

void TPictButton::SetBlinkOn(bool Value) {
  if (StoreChanged(FBlinkOn, Value)) DrawFace(!Value);
}

void TPictButton::SetText(const string20& Value) {
  if (FPictStyle != TPictStyle::Picture) SetRowText(0, Value);
}
void TPictButton::SetText1(const string20& Value) { SetRowText(1, Value); }
void TPictButton::SetText2(const string20& Value) { SetRowText(2, Value); }

void TPictButton::SetRowText(int Row, const string20& Value) {
  if (!FPainted) {
    FText[Row] = Value;
    return;
  }
  if (!RowShown(Row) || FText[Row] == Value) return;
  FText[Row] = Value;
  DrawRow(Row, kText | kFill | kFit);
}

bool TPictButton::RowShown(int Row) const {
  switch (Row) {
    case 0:
      return FPictStyle != TPictStyle::Picture;
    case 1:
      return FPictStyle == TPictStyle::twoRow || FPictStyle == TPictStyle::threeRow;
    default:
      return FPictStyle == TPictStyle::threeRow;
  }
}

TFont* TPictButton::RowFont(int Row) const {
  return Row == 0 ? Font() : Row == 1 ? FFont1.get() : FFont2.get();
}

void TPictButton::Paint() {
  TGroupButton::Paint();
  FPainted = true;
  Layout();
  if (FMapped) {
    DrawShape(*Canvas());
    if (FPictStyle == TPictStyle::Picture) {
      DrawSymbol();
    } else {
      for (int row = 0; row < 3; ++row) {
        if (RowShown(row)) DrawRow(row, kText | kFill | kFit);
      }
    }
  }
  SetStatus(Down());
  if (OnRepaint) OnRepaint(this);
}

void TPictButton::Layout() {
  TRect inner = InnerRect;
  const int overhang = LayoutSquareDial(FMap, inner, Width(), Height());
  // A face without room draws nothing (and divides by nothing).
  FMapped = overhang > 0;
  if (!FMapped) return;
  FOverhang = overhang;
  // Only the square shapes keep the plane square; the others stretch it over the whole face.
  if (!IsSquareShape(FShape)) {
    FMap.VirtOrigin = {-kUnit, kUnit};
    FMap.VirtExtent = {2 * kUnit, 2 * kUnit};
  }
}

void TPictButton::DrawShape(TCanvas& C) {
  TCanvasSaver keep(C, cpPen | cpBrush);
  C.Pen()->SetStyle(psSolid);
  C.Pen()->SetMode(pmCopy);
  C.Pen()->SetWidth(1);
  C.Pen()->SetColor(FColBorder);
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(ColBack());
  if (ColBack() != clSilver) {
    DrawSquareDialFace(C, FMap, FShape, FOverhang, BorderSides(*this));
    if (FShape == sstCircle &&
        (FPictStyle == TPictStyle::twoRow || FPictStyle == TPictStyle::threeRow)) {
      FPictStyle = TPictStyle::oneRow;
    }
  }
  const auto band = [this](int L, int T, int R, int B) {
    return Span(FMap.MapDistance(L, T), FMap.MapDistance(R, B));
  };
  if (FPictStyle == TPictStyle::twoRow) {
    FRows[0] = band(-900, 900, 900, 40);
    FRows[1] = band(-900, -40, 900, -900);
  } else if (FPictStyle == TPictStyle::threeRow) {
    FRows[0] = band(-900, 900, 900, 290);
    FRows[1] = band(-900, 270, 900, -270);
    FRows[2] = band(-900, -290, 900, -900);
  } else {
    FRows[0] = FShape == sstCircle ? band(-700, 700, 700, -700) : band(-900, 900, 900, -900);
  }
}

void TPictButton::DrawSymbol() { Canvas()->StretchDraw(FRows[0], FSymbol.get()); }

void TPictButton::DrawRow(int Row, int How) {
  if (!FPainted || !FMapped) return;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpBrush | cpFont);
  TFont* font = RowFont(Row);
  c.SetFont(font);
  const TRect& band = FRows[Row];
  const std::string& text = FText[Row];
  if ((How & kFit) != 0) {
    if (FontAutom()) FitFontToRect(c, band, text);
    const int fh = std::abs(c.Font()->Height());
    FTextPos[Row] = {band.Left + band.Width() / 2 - c.TextWidth(text) / 2,
                     band.Top + band.Height() / 2 - (Row == 0 ? fh * 6 / 10 : fh * 2 / 3)};
  }
  if ((How & kFill) != 0) {
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(ColBack());
    c.FillRect(band);
  }
  if ((How & kText) != 0) {
    c.Brush()->SetStyle(bsClear);
    c.TextRect(band, FTextPos[Row].X, FTextPos[Row].Y, text);
  }
  // The row's font keeps the fitted size. Row 1's font is the control's Font, whose change
  // would repaint: that one change is let pass (only a real change notifies at all).
  const int size = c.Font()->Size();
  if (font->Size() == size) return;
  FWritingBack = Row == 0;
  font->SetSize(size);
  FWritingBack = false;
}

void TPictButton::DrawFace(bool Content) {
  if (!FPainted || !FMapped) return;
  if (!Content) {
    TCanvas& c = *Canvas();
    TCanvasSaver keep(c, cpBrush);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(ColBack());
    for (int row = 0; row < 3; ++row) {
      if (row == 0 || RowShown(row)) c.FillRect(FRows[row]);
    }
  } else if (FPictStyle == TPictStyle::Picture) {
    DrawSymbol();
  } else {
    for (int row = 0; row < 3; ++row) {
      if (RowShown(row)) DrawRow(row, kText);
    }
  }
}

void TPictButton::BlinkTick() {
  if (!FPainted || !FBlinkOn) return;
  DrawFace(!BlinkPhase);
  TickHook();
}
