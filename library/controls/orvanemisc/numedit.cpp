#include "library/controls/orvanemisc/numedit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "library/controls/orvanemisc/editfield.h"
#include "library/foundation/helpers.h"
#include "library/foundation/ledcolors.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/msgbox.h"
#include "platform/graphics/draw_helpers.h"

namespace {

constexpr unsigned kWarningBeep = 0xFFFF;
constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr int kMaxFontSize = 1000;

enum class Entry { Ok, Illegal, TooSmall, TooLarge };

std::string EntryMessage(Entry E) {
  switch (E) {
    case Entry::Illegal:
      return EnglishTexts ? "illegal value" : "Illegaler Wert";
    case Entry::TooSmall:
      return EnglishTexts ? "value too small" : "Wert zu klein";
    case Entry::TooLarge:
      return EnglishTexts ? "value too large" : "Wert zu gross";
    case Entry::Ok:
      break;
  }
  return "";
}

// Rounded and kept within the 32-bit range.
int32_t ToLongint(double Value) {
  return int32_t(std::clamp<int64_t>(Round(Value), std::numeric_limits<int32_t>::min(),
                                     std::numeric_limits<int32_t>::max()));
}

bool IsNumberKey(char K) {
  return K == DecimalSeparator || K == '-' || K == '.' || (K >= '0' && K <= '9') || K == 'E' ||
         K == 'e';
}

// An unlit LED, by the library's LED colour rule.
TColor DimColour(TColor C) { return LedDimmed(C); }

}  // namespace

TNumEdit::TNumEdit(TComponent* AOwner) : TRahmen(AOwner) {
  SetControlStyle({csClickEvents, csDoubleClicks});
  SetTabStop(true);
  Font()->SetColor(clBlack);
  SetFontAutom(true);
  SetBounds(Left(), Top(), 80, 30);
  FBlinkId = TimerRegisterSync([this](TObject*) { BlinkTick(); });
}

TNumEdit::~TNumEdit() { TimerRemove(FBlinkId); }

bool TNumEdit::Reading() const { return ComponentState().Contains(csReading); }

int TNumEdit::FieldWidth() const { return FPrecision + (FDigits > 0 ? FDigits + 1 : FDigits); }

// ---- Properties ----

void TNumEdit::SetLedCol(TColor Value) {
  FLedCol = Value;
  DrawLed(FLedOn);
}

void TNumEdit::SetLedOn(bool Value) {
  if (StoreChanged(FLedOn, Value)) DrawLed(Value);
}

void TNumEdit::SetLedEnable(bool Value) { StoreAndRepaint(FLedEnable, Value); }

void TNumEdit::SetLedBlink(bool Value) {
  if (StoreChanged(FLedBlink, Value)) DrawLed(FLedOn || Value);
}

void TNumEdit::SetDispInvert(bool Value) {
  if (StoreChanged(FDispInvert, Value)) DrawField(false);
}

void TNumEdit::SetColTxtBack(TColor Value) {
  if (StoreChanged(FColTxtBack, Value)) DrawField(false);
}

void TNumEdit::SetTextBevel(TPanelBevel Value) { StoreAndRepaint(FTextBevel, Value); }
void TNumEdit::SetUnitText(const std::string& Value) { StoreAndRepaint(FUnitText, Value); }
void TNumEdit::SetDigits(int Value) { StoreAndRepaint(FDigits, std::clamp(Value, -1, 10)); }
void TNumEdit::SetPrecision(int Value) { StoreAndRepaint(FPrecision, std::clamp(Value, 0, 15)); }

std::string TNumEdit::ValueText() const {
  return FValueText.substr(std::min(FValueText.find_first_not_of(' '), FValueText.size()));
}

void TNumEdit::SetValueText(const std::string& Value) {
  std::string text = Value;
  TrimBlanks(text);
  double v = 0;
  if (text.empty() || text == FValueText || !TryStrToFloat(text, v)) return;
  SetValueFloat(v);
}

void TNumEdit::StoreValue(double Value, int32_t Int) {
  FValueFloat = Value;
  FValueInt = Int;
  DrawField(true);
}

void TNumEdit::SetValueFloat(double Value) {
  if (!std::isfinite(Value)) return;
  if (Reading()) {
    FValueFloat = Value;
    FValueInt = ToLongint(Value);
    return;
  }
  Value = std::clamp(Value, FValueMin, FValueMax);
  StoreValue(Value, ToLongint(Value));
}

// The integer is kept within the integers of the range; a range without one takes the nearest
// bound as it is.
void TNumEdit::SetValueInt(int32_t Value) {
  if (Reading()) {
    FValueInt = Value;
    FValueFloat = Value;
    return;
  }
  const double low = std::max(std::ceil(FValueMin), double(std::numeric_limits<int32_t>::min()));
  const double high = std::min(std::floor(FValueMax), double(std::numeric_limits<int32_t>::max()));
  if (low <= high) {
    const int32_t v = int32_t(std::clamp(double(Value), low, high));
    StoreValue(v, v);
  } else {
    const double v = std::clamp(double(Value), FValueMin, FValueMax);
    StoreValue(v, ToLongint(v));
  }
}

void TNumEdit::SetValueMin(double Value) {
  if (DropOrStoreRead(FValueMin, Value, Reading())) return;
  Value = std::min(Value, FValueMax);
  if (!StoreChanged(FValueMin, Value)) return;
  if (Value > FValueFloat) StoreValue(Value, ToLongint(Value));
}

void TNumEdit::SetValueMax(double Value) {
  if (DropOrStoreRead(FValueMax, Value, Reading())) return;
  Value = std::max(Value, FValueMin);
  if (!StoreChanged(FValueMax, Value)) return;
  if (Value < FValueFloat) StoreValue(Value, ToLongint(Value));
}

// A stored range is taken as stored; only now is it put in order and the value kept within it.
void TNumEdit::Loaded() {
  TRahmen::Loaded();
  if (FValueMin > FValueMax) FValueMin = FValueMax;
  FValueFloat = std::clamp(FValueFloat, FValueMin, FValueMax);
  FValueInt = ToLongint(FValueFloat);
}

// ---- Drawing ----

std::string TNumEdit::FormatValue() const {
  if (FDigits >= 0) return FloatToStrF(FValueFloat, ffFixed, FPrecision, FDigits);
  return FloatToStrF(FValueFloat, ffExponent, FPrecision, 2);
}

void TNumEdit::DrawField(bool Reformat) {
  if (!FReady) return;
  TCanvas& c = *Canvas();
  TFont& font = *c.Font();
  const TColor font_colour = font.Color();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(FDispInvert ? font_colour : FColTxtBack);
  if (FDispInvert) font.SetColor(FColTxtBack);
  c.Pen()->SetMode(pmCopy);
  if (Reformat || FReadOnly) {
    const std::string text = FormatValue();
    const int width = FieldWidth();
    const std::string padded =
        int(text.size()) < width ? std::string(width - text.size(), ' ') + text : text;
    if (padded == FEditText && !FForceRedraw) {
      font.SetColor(font_colour);
      return;
    }
    FValueText = text;
    FEditText = padded;
  }
  const std::string shown = FEditText + UnitShown();
  // Right-aligned; a text wider than the field gives up its leading blanks, never a digit.
  const size_t digits_from = std::min(FEditText.find_first_not_of(' '), FEditText.size());
  FTextX = std::max(FField.Right - c.TextWidth(shown),
                    FField.Left - c.TextWidth(FEditText.substr(0, digits_from)));
  c.TextRect(FField, FTextX, FTextY, shown);
  font.SetColor(font_colour);
  if (Focused() && !FNoCaret && !FReadOnly && FCaret >= 1) {
    std::string cells = FEditText;
    if (int(cells.size()) < FCaret) cells.resize(FCaret, ' ');
    int r = FTextX + c.TextWidth(cells.substr(0, FCaret));
    int l = r - c.TextWidth(cells.substr(FCaret - 1, 1));
    if (r < FField.Left) r = FField.Left;
    if (l < FField.Left) l = FField.Left + 2;
    if (l < r) InvertCell(c, Rect(l, FField.Top, r, FField.Bottom));
  }
  FNoCaret = false;
}

// A unit set apart from the number by a blank, unless it brings its own.
std::string TNumEdit::UnitShown() const {
  if (FUnitText.empty() || FUnitText[0] == ' ') return FUnitText;
  return " " + FUnitText;
}

void TNumEdit::RedrawWithoutCaret() {
  FNoCaret = true;
  FForceRedraw = true;
  DrawField(true);
  FForceRedraw = false;
  FNoCaret = false;
}

void TNumEdit::DrawLed(bool Lit) {
  if (!FReady || !FLedEnable) return;
  TCanvas& c = *Canvas();
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(clBlack);
  c.Brush()->SetStyle(bsSolid);
  if (FLedCol == clBlack) {
    c.Brush()->SetColor(Lit ? clBlack : clWhite);
  } else {
    c.Brush()->SetColor(Lit ? FLedCol : DimColour(FLedCol));
  }
  c.Rectangle(FLedRect);
}

void TNumEdit::BlinkTick() {
  if (!FReady || !FLedEnable || !FLedBlink) return;
  DrawLed(BlinkPhase != FLedOn);
  TickHook();
}

void TNumEdit::Paint() {
  TRahmen::Paint();
  FForceRedraw = true;
  if (FReadOnly) SetTabStop(false);
  FReady = true;
  TCanvas& c = *Canvas();
  c.SetFont(Font());
  c.Font()->SetPitch(fpFixed);
  FField = EditFieldRect(InnerRect, Width(), Height(), FColTxtBack);
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetWidth(1);
  if (FLedEnable) {
    const int w = FField.Height() * 5 / 10 - 1;
    FLedRect = FField;
    FLedRect.Right = FLedRect.Left + w;
    FField.Left = FLedRect.Right + std::max(w / 5, 2);
    Frame3D(&c, FLedRect, clGray, clWhite, 1);
  }
  DrawEditFieldBevel(c, FField, FTextBevel, FColTxtBack);
  FFreshEntry = true;
  if (FontAutom()) {
    // The font's cell (its character height and a tenth) fills the field's height.
    const int h = FField.Height();
    TFont& f = *c.Font();
    auto cell = [&f] { return int(Round(std::abs(f.Height()) * 1.1)); };
    if (h < std::abs(f.Height())) {
      while (h < cell() && f.Size() > 1) f.SetSize(f.Size() - 1);
    } else {
      while (h > cell() && f.Size() < kMaxFontSize) f.SetSize(f.Size() + 1);
    }
    // The cells and the unit also fit the field's width.
    const size_t cells = std::max<size_t>(std::max(FieldWidth(), 0), FormatValue().size());
    const std::string widest = std::string(cells, '0') + UnitShown();
    while (c.TextWidth(widest) > FField.Width() && f.Size() > 1) f.SetSize(f.Size() - 1);
  }
  FTextY = FField.Top - std::abs(c.Font()->Height() / 8);
  DrawField(true);
  FForceRedraw = false;
  DrawLed(FLedOn);
  if (OnRepaint) OnRepaint(this);
}

// ---- Input ----

void TNumEdit::MoveCaret(int Index) {
  FCaret = std::clamp(Index, 1, std::max(1, int(FEditText.size())));
  DrawField(false);
}

void TNumEdit::KeyPress(char& Key) {
  if (FReadOnly) return;
  TRahmen::KeyPress(Key);
  if (IsNumberKey(Key)) {
    if (FFreshEntry) {
      FEditText.assign(std::max(FieldWidth(), 0), ' ');
      FCaret = 1;
    }
    // Overwrite mode; a field without cells takes nothing.
    if (FCaret >= 1 && FCaret <= int(FEditText.size())) FEditText[FCaret - 1] = Key;
    MoveCaret(FCaret + 1);
  } else if (Key == kBackspace) {
    MoveCaret(FCaret - 1);
  } else if (Key == ' ') {
    MoveCaret(FCaret + 1);
  } else if (Key == kEnter) {
    CheckValue();
  } else if (Key != 0) {
    MessageBeep(kWarningBeep);
  }
  FFreshEntry = false;
}

void TNumEdit::MouseDown(TMouseButton, TShiftState Shift, int X, int) {
  if (FReadOnly) return;
  if (!Focused()) {
    SetFocus();
    return;
  }
  if (Shift == TShiftState{ssLeft}) {
    CaretFromX(X);
  } else if (Shift == TShiftState{ssRight}) {
    CheckValue();
  }
}

void TNumEdit::MouseMove(TShiftState Shift, int X, int Y) {
  TRahmen::MouseMove(Shift, X, Y);
  if (!FReadOnly && Shift == TShiftState{ssLeft}) CaretFromX(X);
}

// The caret goes onto the character under X.
void TNumEdit::CaretFromX(int X) {
  FFreshEntry = false;
  const int width = FieldWidth();
  if (!FReady || width < 1) return;
  const int d = X - FTextX;
  int n = width;
  std::string s = FEditText;
  while (n > 0 && Canvas()->TextWidth(s) > d) {
    --n;
    s.resize(std::min(s.size(), size_t(n)));
  }
  const int index = std::clamp(n + 1, 1, std::min(width, std::max(1, int(FEditText.size()))));
  if (index == FCaret) return;
  FCaret = index;
  DrawField(false);
}

void TNumEdit::DoEnter() {
  TRahmen::DoEnter();
  if (FReadOnly) return;
  FFreshEntry = true;
  FCaret = 1;
  DrawField(false);
}

// ---- Checks ----

namespace {

Entry CheckEntry(const std::string& Text, double Min, double Max, double& Number) {
  if (!TryStrToFloat(Text, Number)) return Entry::Illegal;
  if (Number < Min) return Entry::TooSmall;
  if (Number > Max) return Entry::TooLarge;
  return Entry::Ok;
}

}  // namespace

void TNumEdit::ShowError(const std::string& Message) const { ShowMessage(Message); }

void TNumEdit::CheckValue() {
  if (FReadOnly) return;
  TrimBlanks(FEditText);
  if (FEditText == FValueText || FEditText.empty()) {
    if (OnChange) OnChange(this);
    DrawField(true);
    return;
  }
  double v = 0;
  const Entry e = CheckEntry(FEditText, FValueMin, FValueMax, v);
  if (e == Entry::Illegal || (e != Entry::Ok && FErrorShow)) {
    MessageBeep(kWarningBeep);
    if (FErrorShow) ShowError(EntryMessage(e));
    DrawField(true);
    return;
  }
  SetValueFloat(v);
  DrawField(true);
  if (OnChange) OnChange(this);
}

void TNumEdit::DoExit() {
  if (FReadOnly) return;
  TrimBlanks(FEditText);
  if (FEditText == FValueText || FEditText.empty()) {
    RedrawWithoutCaret();
    TRahmen::DoExit();
    return;
  }
  double v = 0;
  const Entry e = CheckEntry(FEditText, FValueMin, FValueMax, v);
  if (e == Entry::Ok) {
    SetValueFloat(v);
    if (OnChange) OnChange(this);
    RedrawWithoutCaret();
    TRahmen::DoExit();
    return;
  }
  if (FErrorShow) ShowError(EntryMessage(e));
  if (FErrorExit) {
    RedrawWithoutCaret();
    TRahmen::DoExit();
    return;
  }
  MessageBeep(kWarningBeep);
  // The entry stays; its cells keep the caret within it.
  if (int(FEditText.size()) < FieldWidth()) FEditText.resize(FieldWidth(), ' ');
  SetFocus();
}
