#include <cmath>
#include <cstdlib>
#include <string>

#include "library/controls/tasten/spin.h"
#include "library/foundation/helpers.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

namespace {

constexpr int kMinRepeat = 50;          // ms; slower settings do not repeat
constexpr uint16_t kFirstRepeat = 500;  // ms from the press to the first repeat
constexpr int kRepeatWrap = 2001;       // periods are taken modulo this

}  // namespace

TCustomSpin::TCustomSpin(TComponent* AOwner)
    : TRahmen(AOwner),
      FPosText(std::make_unique<TStringList>()),
      FRepeat(TTickKind::Interval, [this] { RepeatTick(); }) {
  SetBordWidth(1);
  SetBevWidth(1);
  FPosText->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
}

TCustomSpin::~TCustomSpin() = default;

void TCustomSpin::StyleChanged(TObject*) { Invalidate(); }

void TCustomSpin::SetPosText(const TStringList& Value) {
  FPosText->Assign(Value);
  Invalidate();
}

void TCustomSpin::SetPosition(int Value) {
  const int n = FPosText->Count();
  int v = Value;
  if (n == 0) {
    v = 0;
  } else if (FLimiter) {
    v = v >= n ? n - 1 : v < 0 ? 0 : v;
  } else {
    v = v >= n ? 0 : v < 0 ? n - 1 : v;
  }
  if (v == FPosition) return;
  FPosition = v;
  DrawTextField();
}

bool TCustomSpin::StepPosition(bool Up) {
  const int p = FPosition + (Up ? 1 : -1);
  if (FLimiter && (p < 0 || p >= FPosText->Count())) return false;
  SetPosition(p);
  return true;
}

const std::string* TCustomSpin::CurrentLine() const {
  if (FPosition < 0 || FPosition >= FPosText->Count()) return nullptr;
  return &FPosText->Strings(FPosition);
}

std::string TCustomSpin::PosString() const {
  const std::string* line = CurrentLine();
  return line != nullptr ? PosItemText(*line) : std::string();
}

int TCustomSpin::PosInteger() const {
  const std::string* line = CurrentLine();
  return line != nullptr ? PosItemInteger(*line) : 0;
}

TColor TCustomSpin::PosColor() const {
  const std::string* line = CurrentLine();
  return line != nullptr ? PosItemColor(*line) : 0;
}

double TCustomSpin::PosFloat() const {
  const std::string* line = CurrentLine();
  return line != nullptr ? PosItemFloat(*line) : 0;
}

template <class T, class Reader>
void TCustomSpin::SelectFirst(const T& Value, Reader Read) {
  const TComponentState state = ComponentState();
  if (state.Contains(csLoading) || state.Contains(csReading)) return;
  for (int i = 0; i < FPosText->Count(); ++i) {
    if (Read(FPosText->Strings(i)) == Value) {
      FPosition = i;
      break;
    }
  }
  DrawTextField();
}

void TCustomSpin::SetPosString(const std::string& Value) { SelectFirst(Value, PosItemText); }
void TCustomSpin::SetPosInteger(int Value) { SelectFirst(Value, PosItemInteger); }
void TCustomSpin::SetPosColor(TColor Value) { SelectFirst(Value, PosItemColor); }
void TCustomSpin::SetPosFloat(double Value) {
  if (std::isfinite(Value)) SelectFirst(Value, PosItemFloat);
}

void TCustomSpin::SetTextAdjust(TTextStyle Value) {
  if (StoreChanged(FTextAdjust, Value)) DrawTextField();
}

void TCustomSpin::SetColTxtBack(TColor Value) {
  if (StoreChanged(FColTxtBack, Value)) DrawTextField();
}

void TCustomSpin::Stepped() {
  FSteppedSincePress = true;
  if (onChanging) onChanging(this);
}

void TCustomSpin::MouseDown(TMouseButton, TShiftState, int X, int Y) {
  // A hold that ended while the control took no mouse input leaves no held button behind.
  FUpHeld = FDownHeld = false;
  if (!TakesMouse()) return;
  FSteppedSincePress = false;
  bool stepped = false;
  if (PtInRect(FUpRect, {X, Y})) {
    FUpHeld = true;
    DrawButtonEdges(FUpRect, true);
    stepped = StepPosition(true);
  } else if (PtInRect(FDownRect, {X, Y})) {
    FDownHeld = true;
    DrawButtonEdges(FDownRect, true);
    stepped = StepPosition(false);
  }
  if (!stepped) return;
  Stepped();  // its handler may have ended the hold
  if (FRepSpeed >= kMinRepeat && (FUpHeld || FDownHeld)) FRepeat.Start(kFirstRepeat);
}

void TCustomSpin::RepeatTick() {
  if (!FPainted || FRepSpeed < kMinRepeat) return;
  if (!FUpHeld && !FDownHeld) {
    FRepeat.Stop();
    return;
  }
  bool stepped = false;
  if (FUpHeld) {
    stepped = StepPosition(true);
  } else if (FDownHeld) {
    stepped = StepPosition(false);
  }
  FRepeat.Start(static_cast<uint16_t>(FRepSpeed % kRepeatWrap));
  if (stepped) Stepped();
  TickHook();
}

void TCustomSpin::MouseUp(TMouseButton, TShiftState, int, int) { EndHold(); }

void TCustomSpin::WndProc(TMessage& Message) {
  TRahmen::WndProc(Message);
  if (Message.Msg == CM_ENABLEDCHANGED && !Enabled()) EndHold();
}

// The steps are reported also when the control was disabled during the hold: the position has
// changed either way.
void TCustomSpin::EndHold() {
  FRepeat.Stop();
  if (FUpHeld) DrawButtonEdges(FUpRect, false);
  if (FDownHeld) DrawButtonEdges(FDownRect, false);
  FUpHeld = FDownHeld = false;
  if (!FSteppedSincePress) return;
  FSteppedSincePress = false;
  if (onChanged) onChanged(this);
}

void TCustomSpin::DrawButtonEdges(const TRect& R, bool Sunken) {
  if (!FPainted) return;
  TRect r = R;
  Frame3D(Canvas(), r, Sunken ? clGray : clWhite, Sunken ? clWhite : clGray, 1);
}

void TCustomSpin::FrameButton(TRect& R) {
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(clBlack);
  c.FrameRect(R);
  InflateRect(R, -1, -1);
  DrawButtonEdges(R, false);
}

void TCustomSpin::DrawArrow(TPoint A, TPoint B, TPoint C, TColor Colour) {
  TCanvas& c = *Canvas();
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetMode(pmCopy);
  c.Pen()->SetColor(Colour);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(Colour);
  const TPoint points[] = {A, B, C};
  c.Polygon(points);
}

void TCustomSpin::FitFieldFont(int Extra) {
  TCanvas& c = *Canvas();
  TFont& font = *c.Font();
  const int th = FTextRect.Height();
  auto f = [&font] { return std::abs(font.Height()); };
  auto cell = [&f] { return Round(1.1L * f()); };
  if (FontAutom()) {
    if (th < f()) {
      while (cell() > th && font.Size() > 1) font.SetSize(font.Size() - 1);
    } else {
      while (cell() < th && font.Size() < kMaxFitFontSize) font.SetSize(font.Size() + 1);
    }
  }
  FFieldFontHeight = font.Height();
  FTextY = FTextRect.Top + Extra - (2 * f()) / 3 + th / 2;
}

void TCustomSpin::DrawTextField() {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  const TCanvasSaver keep(c, cpBrush | cpFont);
  c.SetFont(Font());
  c.Font()->SetHeight(FFieldFontHeight);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(FieldColour());
  c.FillRect(FTextRect);
  const std::string* line = CurrentLine();
  if (line == nullptr) return;
  const std::string text = PosItemText(*line);
  const int tw = c.TextWidth(text);
  int x = FTextRect.Left + FTextRect.Width() / 2 - tw / 2;
  if (FTextAdjust == ttLeft) x = FTextRect.Left + 2;
  if (FTextAdjust == ttRight) x = FTextRect.Right - tw - 1;
  c.TextRect(FTextRect, x, FTextY, text);
}
