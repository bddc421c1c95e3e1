#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <array>

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/buttons.h"

namespace {

struct KindInfo {
  const char* caption;
  TModalResult result;
};

constexpr std::array<KindInfo, 11> kKinds{{{"", mrNone},
                                           {"OK", mrOk},
                                           {"Cancel", mrCancel},
                                           {"&Help", mrNone},
                                           {"&Yes", mrYes},
                                           {"&No", mrNo},
                                           {"&Close", mrNone},
                                           {"Abort", mrAbort},
                                           {"&Retry", mrRetry},
                                           {"&Ignore", mrIgnore},
                                           {"&All", mrAll}}};

// The standard glyph of a kind, 18 x 18 on a transparent olive ground.
void DrawKindGlyph(TBitBtnKind Kind, TBitmap& Glyph) {
  Glyph.SetSize(18, 18);
  TCanvas* c = Glyph.Canvas();
  c->Brush()->SetColor(clOlive);
  c->FillRect(Rect(0, 0, 18, 18));
  c->Pen()->SetWidth(3);
  switch (Kind) {
    case bkOK:
    case bkYes:
    case bkAll:
      c->Pen()->SetColor(clGreen);
      c->MoveTo(3, 9);
      c->LineTo(7, 13);
      c->LineTo(14, 4);
      break;
    case bkCancel:
    case bkNo:
    case bkAbort:
      c->Pen()->SetColor(clRed);
      c->MoveTo(4, 4);
      c->LineTo(13, 13);
      c->MoveTo(13, 4);
      c->LineTo(4, 13);
      break;
    case bkHelp:
      c->Font()->SetName("Arial");
      c->Font()->SetHeight(-16);
      c->Font()->SetStyle(TFontStyles{fsBold});
      c->Font()->SetColor(clNavy);
      c->Brush()->SetStyle(bsClear);
      c->TextOut(5, 0, "?");
      break;
    case bkClose:
      c->Pen()->SetWidth(1);
      c->Pen()->SetColor(clBlack);
      c->Brush()->SetColor(clMaroon);
      c->Rectangle(4, 1, 14, 17);
      c->Brush()->SetColor(clYellow);
      c->Rectangle(10, 8, 12, 10);
      break;
    case bkRetry:
      c->Pen()->SetColor(clGreen);
      c->Arc(3, 3, 15, 15, 15, 9, 9, 3);
      break;
    case bkIgnore:
      c->Pen()->SetColor(clGray);
      c->MoveTo(3, 9);
      c->LineTo(15, 9);
      break;
    default:
      break;
  }
}

QIcon IconOf(const TBitmap* Strip, int Count) {
  if (Strip == nullptr || Strip->Empty()) return QIcon();
  const int w = Strip->Width() / std::clamp(Count, 1, 4);
  const int h = Strip->Height();
  if (w <= 0) return QIcon();
  QImage image(w, h, QImage::Format_ARGB32);
  const uint32_t clear = Strip->ScanLine(h - 1)[0];
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = Strip->ScanLine(y);
    auto* out = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) out[x] = row[x] == clear ? 0u : row[x];
  }
  return QIcon(QPixmap::fromImage(image));
}

}  // namespace

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  FGlyph->OnChange = [this](TObject*) {
    if (!FSettingKind) FKind = bkCustom;
    Sync();
  };
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::SetKind(TBitBtnKind Value) {
  FKind = Value;
  if (Value == bkCustom) return;
  SetDefault(Value == bkOK || Value == bkYes);
  SetCancel(Value == bkCancel || Value == bkNo);
  // A caption loaded before the kind stays.
  if (!ComponentState().Contains(csLoading) || Caption().empty()) SetCaption(kKinds[Value].caption);
  SetModalResult(kKinds[Value].result);
  FSettingKind = true;
  TBitmap glyph;
  DrawKindGlyph(Value, glyph);
  FGlyph->Assign(&glyph);
  FNumGlyphs = 1;
  FSettingKind = false;
  Sync();
}

void TBitBtn::SetGlyph(const TBitmap* Value) { FGlyph->Assign(Value); }

void TBitBtn::SetNumGlyphs(TNumGlyphs Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
  Sync();
}

void TBitBtn::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  Sync();
}

void TBitBtn::SyncWidget(QWidget* Widget) {
  TButton::SyncWidget(Widget);
  auto* button = static_cast<QPushButton*>(Widget);
  const QIcon icon = IconOf(FGlyph.get(), FNumGlyphs);
  button->setIcon(icon);
  if (!icon.isNull()) button->setIconSize(QSize(FGlyph->Width() / FNumGlyphs, FGlyph->Height()));
  button->setLayoutDirection(FLayout == blGlyphRight ? Qt::RightToLeft : Qt::LeftToRight);
}

void TBitBtn::Click() {
  if (FKind == bkClose) {
    if (TCustomForm* form = GetParentForm(this)) {
      form->Close();
      return;
    }
  } else if (FKind == bkHelp) {
    // No help file stands behind a help context: asking for it does nothing.
    for (TControl* c = this; c != nullptr; c = c->Parent()) {
      if (auto* form = dynamic_cast<TCustomForm*>(c); form != nullptr && form->HelpContext() != 0) {
        return;
      }
    }
  }
  TButton::Click();
}
