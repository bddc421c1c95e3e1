#include <algorithm>
#include <array>

#include "library/controls/disp7s/disp7s.h"
#include "library/controls/disp7s/plate.h"
#include "library/foundation/helpers.h"
#include "library/foundation/store.h"
#include "library/foundation/tickservice.h"
#include "platform/forms/dialoghook.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

namespace {

// The tick service's period. The count-down adds it up to whole seconds, so it keeps time with
// the system timer (a record of 1000 ms would fire every 18 ticks, 990 ms).
constexpr int kTickMs = 55;
constexpr int kSecondMs = 1000;

enum { kHours, kMinutes, kSeconds };

// The first of the six digits shown, and how many are shown.
int FirstDigit(TCtrlTRes R) {
  switch (R) {
    case tcMM:
    case tcMMSS:
      return 2;
    case tcSS:
      return 4;
    default:
      return 0;
  }
}

int ShownDigits(TCtrlTRes R) {
  switch (R) {
    case tcHH:
    case tcMM:
    case tcSS:
      return 2;
    case tcHHMM:
    case tcMMSS:
      return 4;
    default:
      return 6;
  }
}

bool ShowsUnit(TCtrlTRes R, int Unit) {
  const int first = FirstDigit(R) / 2;
  return Unit >= first && Unit < first + ShownDigits(R) / 2;
}

// Hours tens run 0..9 like every units digit; minutes and seconds tens 0..5.
int DigitTop(int Index) { return (Index == 2 || Index == 4) ? 5 : 9; }

const char* const kUnitLabels[] = {"hours", "minutes", "seconds"};

const char* const kButtonLabels[] = {"RUN",    "STOP",   "RESET",  "TRIGGER",
                                     "TRIG 1", "TRIG 2", "TRIG 3", "EXIT"};

// Free pixels between a caption and its button's bevel: left and right, above and below.
constexpr int kCaptionMarginX = 2;
constexpr int kCaptionMarginY = 1;
// Smaller text is no longer legible: on a lower switch the captions keep this height and are
// clipped to their faces.
constexpr int kSmallestCaptionHeight = 9;

// The rows a capital's ink can take below the top of the text cell: from the internal leading
// down to the base line.
int CapitalTop(const TTextMetric& M) { return M.tmInternalLeading; }
int CapitalRows(const TTextMetric& M) { return M.tmAscent - M.tmInternalLeading; }

}  // namespace

// ---- TCtlTime ----

TCtlTime::TCtlTime(TCtrlTimer* Owner) : FOwner(Owner) {}

void TCtlTime::SetValueHours(int Value) { SetUnit(kHours, Value, 99); }
void TCtlTime::SetValueMinutes(int Value) { SetUnit(kMinutes, Value, 59); }
void TCtlTime::SetValueSeconds(int Value) { SetUnit(kSeconds, Value, 59); }

void TCtlTime::SetUnit(int Unit, int Value, int Top) {
  if (!ShowsUnit(FOwner->Resolution(), Unit) || Value < 0 || Value > Top) return;
  int& tens = FDigits[2 * Unit];
  int& units = FDigits[2 * Unit + 1];
  if (tens == Value / 10 && units == Value % 10) return;
  tens = Value / 10;
  units = Value % 10;
  FOwner->ShowTime();
}

void TCtlTime::Clear() {
  FDigits.fill(0);
  FDone = true;
}

void TCtlTime::CountDownSecond() {
  FChanged = false;
  if (std::all_of(FDigits.begin(), FDigits.end(), [](int d) { return d == 0; })) {
    FDone = true;
    return;
  }
  const TCtrlTRes res = FOwner->Resolution();
  auto& d = FDigits;
  if (ShowsUnit(res, kSeconds)) FChanged = true;
  if (--d[5] >= 0) return;
  d[5] = 9;
  if (--d[4] >= 0) return;
  d[4] = 5;
  if (ShowsUnit(res, kMinutes)) FChanged = true;
  if (--d[3] >= 0) return;
  d[3] = 9;
  if (--d[2] >= 0) return;
  d[2] = 5;
  if (ShowsUnit(res, kHours)) FChanged = true;
  if (--d[1] >= 0) return;
  d[1] = 9;
  --d[0];
}

int32_t TCtlTime::TimeAsNumber() const {
  int32_t n = 0;
  for (int d : FDigits) n = n * 10 + d;
  return n;
}

void TCtlTime::Assign(const TCtlTime& Source) {
  FDigits = Source.FDigits;
  FBeep = Source.FBeep;
}

// ---- TCtrlTimer: properties ----

TCtrlTimer::TCtrlTimer(TComponent* AOwner)
    : TRahmen(AOwner),
      FStartTime(std::make_unique<TCtlTime>(this)),
      FRunTime(std::make_unique<TCtlTime>(this)) {
  for (auto& t : FTrigger) t = std::make_unique<TCtlTime>(this);
  SetColBack(clMaroon);
  Font()->SetSize(18);
  SetBounds(Left(), Top(), 310, 90);
  FNormalCursor = Cursor();
  FSecondId = TimerRegister([this](TObject*) { SecondTick(); });
  FBlinkId = TimerRegisterSync([this](TObject*) { BlinkTick(); });
}

TCtrlTimer::~TCtrlTimer() {
  TimerStop(FSecondId);
  TimerRemove(FSecondId);
  TimerStop(FBlinkId);
  TimerRemove(FBlinkId);
}

void TCtrlTimer::SetStartTime(const TCtlTime* Value) {
  if (Value) FStartTime->Assign(*Value);
}
void TCtrlTimer::SetTrigger1(const TCtlTime* Value) {
  if (Value) FTrigger[0]->Assign(*Value);
}
void TCtrlTimer::SetTrigger2(const TCtlTime* Value) {
  if (Value) FTrigger[1]->Assign(*Value);
}
void TCtrlTimer::SetTrigger3(const TCtlTime* Value) {
  if (Value) FTrigger[2]->Assign(*Value);
}

void TCtrlTimer::SetResolution(TCtrlTRes Value) {
  if (!StoreChanged(FResolution, Value)) return;
  // A stored form reads its times before the resolution; they must not be lost.
  if (!ComponentState().Contains(csReading)) {
    FStartTime->Clear();
    for (auto& t : FTrigger) t->Clear();
  }
  Invalidate();
}

void TCtrlTimer::SetMode(tCtrlTMode Value) {
  if (Value == FMode || Value == tCtrlTMode::elapsed) return;
  FMode = Value;
  const TNotifyEvent* event = Value == tCtrlTMode::reset  ? &OnReset
                              : Value == tCtrlTMode::run  ? &OnStart
                              : Value == tCtrlTMode::stop ? &OnStop
                                                          : nullptr;
  if (event && *event) (*event)(this);
  DrawModeButtons();
  // The digits show the time the new mode works on.
  ShowTime();
}

void TCtrlTimer::SetCaption(const std::string& Value) {
  FCaption = Value;
  DrawCaption();
}

void TCtrlTimer::SetDispItalic(bool Value) {
  FDispItalic = Value;
  FDigits.Italic = Value;
  Invalidate();
}

void TCtrlTimer::SetShape(TmShapeType Value) { StoreAndRepaint(FShape, Value); }
void TCtrlTimer::SetColSegm(TColor Value) { StoreAndRepaint(FColSegm, Value); }
void TCtrlTimer::SetColElapsed(TColor Value) { FColElapsed = Value; }
void TCtrlTimer::SetCaptCol(TColor Value) { StoreAndRepaint(FCaptCol, Value); }
void TCtrlTimer::SetModeColor(TColor Value) { StoreAndRepaint(FModeColor, Value); }
void TCtrlTimer::StyleChanged(TObject*) { Invalidate(); }

bool TCtrlTimer::TriggerMode() const {
  return FMode == tCtrlTMode::trig1 || FMode == tCtrlTMode::trig2 || FMode == tCtrlTMode::trig3;
}

TCtlTime& TCtrlTimer::Selected() const {
  switch (FMode) {
    case tCtrlTMode::reset:
      return *FStartTime;
    case tCtrlTMode::trig1:
      return *FTrigger[0];
    case tCtrlTMode::trig2:
      return *FTrigger[1];
    case tCtrlTMode::trig3:
      return *FTrigger[2];
    default:
      return *FRunTime;
  }
}

std::string TCtrlTimer::TimeText() const {
  const TCtlTime& t = Selected();
  const int first = FirstDigit(FResolution), n = ShownDigits(FResolution);
  std::string s;
  for (int i = 0; i < n; ++i) {
    if (i > 0 && i % 2 == 0) s += ':';
    s += char('0' + t.Digit(first + i));
  }
  return s;
}

TRect TCtrlTimer::ZoneRect(int Zone) const {
  return Zone >= 1 && Zone <= 16 ? FZones[Zone] : TRect{};
}

// ---- Counting ----

void TCtrlTimer::StartCounting() {
  FElapsedMs = 0;
  TimerSetInterval(FSecondId, kTickMs);
}

void TCtrlTimer::SecondTick() {
  if (FMode != tCtrlTMode::run) return;
  FElapsedMs += kTickMs;
  if (FElapsedMs < kSecondMs) return;
  FElapsedMs -= kSecondMs;
  FRunTime->CountDownSecond();
  if (FRunTime->Done()) {
    if (FStartTime->Beep() >= 0) MessageBeep(unsigned(FStartTime->Beep()));
    Perform(WM_USER, 0, 0);
  } else {
    for (int k = 0; k < 3; ++k) {
      if (FRunTime->TimeAsNumber() != FTrigger[k]->TimeAsNumber()) continue;
      if (FTrigger[k]->Beep() >= 0) MessageBeep(unsigned(FTrigger[k]->Beep()));
      Perform(WM_USER, k + 1, 0);
    }
  }
  if (FRunTime->Changed()) ShowTime();
}

void TCtrlTimer::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    TimerEvent(Message.WParam);
    return;
  }
  TRahmen::WndProc(Message);
}

void TCtrlTimer::TimerEvent(int64_t Which) {
  if (Which == 0) {
    TimerStop(FSecondId);
    FMode = tCtrlTMode::elapsed;
    DrawModeButtons();
    ShowTime();
    if (OnElapsed) OnElapsed(this);
    return;
  }
  const TNotifyEvent* events[] = {&OnTrigger1, &OnTrigger2, &OnTrigger3};
  if (Which >= 1 && Which <= 3 && *events[Which - 1]) (*events[Which - 1])(this);
}

void TCtrlTimer::BlinkTick() {
  if (!FPainted || FMode != tCtrlTMode::elapsed) return;
  FDigits.SetText(FDigits.GetText(), *Canvas(), BlinkPhase ? FColElapsed : FColSegm);
  TickHook();
}

// ---- Mouse ----

void TCtrlTimer::MouseMove(TShiftState, int X, int Y) {
  const TPoint p{X, Y};
  int zone = 0;
  for (int z : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14, 16}) {
    if (PtInRect(FZones[z], p)) {
      zone = z;
      break;
    }
  }
  if (zone >= 1 && zone <= 12) {
    if (zone == FHover) return;
    FHover = zone;
    if (FMode == tCtrlTMode::reset || TriggerMode()) SetCursor(crSizeNS);
    return;
  }
  FHover = zone;
  SetCursor(FNormalCursor);
}

// A press acts on the zone under it (the hover zone, also when no move came before it).
void TCtrlTimer::MouseDown(TMouseButton, TShiftState Shift, int X, int Y) {
  MouseMove(Shift, X, Y);
  PressZone(FHover);
}

void TCtrlTimer::MouseUp(TMouseButton, TShiftState, int, int) {}

void TCtrlTimer::PressZone(int Zone) {
  if (Zone == 0) return;
  if (Zone <= 12) {
    if (FMode == tCtrlTMode::run || FMode == tCtrlTMode::stop || FMode == tCtrlTMode::elapsed) {
      MessageBeep(1);
      return;
    }
    PressDigit(Zone);
  } else {
    PressButton(Zone);
  }
  ShowTime();
}

void TCtrlTimer::PressDigit(int Zone) {
  const int cell = (Zone + 1) / 2;
  if (cell > ShownDigits(FResolution)) return;
  const int index = FirstDigit(FResolution) + cell - 1;
  const int top = DigitTop(index);
  TCtlTime& t = Selected();
  int v = t.Digit(index) + (Zone % 2 == 1 ? 1 : -1);
  if (v > top) v = 0;
  if (v < 0) v = top;
  t.SetDigit(index, v);
}

void TCtrlTimer::PressButton(int Zone) {
  const bool trig = TriggerMode();
  switch (Zone) {
    case 13:
      if (trig) {
        SetMode(tCtrlTMode::trig1);
      } else if (FMode == tCtrlTMode::stop) {
        SetMode(tCtrlTMode::run);
        StartCounting();
      } else if (FMode != tCtrlTMode::run) {
        // A fresh count: units the resolution hides start at 0, not where an earlier run
        // stopped.
        FRunTime->Clear();
        FRunTime->SetValueHours(FStartTime->ValueHours());
        FRunTime->SetValueMinutes(FStartTime->ValueMinutes());
        FRunTime->SetValueSeconds(FStartTime->ValueSeconds());
        FRunTime->SetDone(false);
        SetMode(tCtrlTMode::run);
        StartCounting();
      }
      break;
    case 15:
      if (trig) {
        SetMode(tCtrlTMode::trig2);
      } else if (FMode == tCtrlTMode::run || FMode == tCtrlTMode::elapsed) {
        SetMode(tCtrlTMode::stop);
        TimerStop(FSecondId);
      }
      break;
    case 14:
      if (trig) {
        SetMode(tCtrlTMode::trig3);
      } else if (FMode != tCtrlTMode::reset) {
        SetMode(tCtrlTMode::reset);
      }
      break;
    case 16:
      if (trig) {
        SetMode(tCtrlTMode::reset);
      } else if (FMode == tCtrlTMode::reset) {
        SetMode(tCtrlTMode::trig1);
      }
      break;
    default:
      break;
  }
}

// ---- Painting ----

void TCtrlTimer::ShowTime() {
  if (FPainted) FDigits.SetText(TimeText(), *Canvas(), FColSegm);
}

void TCtrlTimer::DrawCaption() {
  if (!FPainted) return;
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpFont | cpBrush);
  SetLabelFont(c);
  c.Font()->SetColor(FCaptCol);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(ColBgnd());
  c.FillRect(FCaptionRect);
  c.Brush()->SetStyle(bsClear);
  c.TextRect(FCaptionRect, FCaptionRect.Left, FCaptionRect.Top, FCaption);
}

void TCtrlTimer::DrawModeButtons() {
  if (!FPainted) return;
  struct Button {
    int zone;
    const char* label;
    bool pressed;
    bool lit;
  };
  const tCtrlTMode m = FMode;
  std::array<Button, 4> buttons;
  if (TriggerMode()) {
    buttons = {{{13, "TRIG 1", m == tCtrlTMode::trig1, true},
                {15, "TRIG 2", m == tCtrlTMode::trig2, true},
                {14, "TRIG 3", m == tCtrlTMode::trig3, true},
                {16, "EXIT", false, true}}};
  } else {
    buttons = {{{14, "RESET", m == tCtrlTMode::reset, true},
                {13, "RUN", m == tCtrlTMode::run, true},
                {15, "STOP", m == tCtrlTMode::stop, m == tCtrlTMode::run || m == tCtrlTMode::stop},
                {16, "TRIGGER", false, m == tCtrlTMode::reset}}};
  }
  TCanvas& c = *Canvas();
  TCanvasSaver keep(c, cpPen | cpBrush | cpFont);
  SetLabelFont(c);
  c.Font()->SetHeight(FButtonFontHeight);
  const TTextMetric metric = c.TextMetrics();
  for (const Button& b : buttons) {
    const TRect inner = DrawButtonFace(&c, FZones[b.zone], 1, bsNew, true, b.pressed, false);
    c.Font()->SetColor(b.lit ? FModeColor : clGray);
    c.Brush()->SetStyle(bsClear);
    const int y = inner.Top + (inner.Height() - CapitalRows(metric)) / 2 - CapitalTop(metric);
    c.TextRect(inner, inner.Left + kCaptionMarginX, y, b.label);
  }
}

void TCtrlTimer::SetLabelFont(TCanvas& C) const {
  C.SetFont(Font());
  C.Font()->SetHeight(FLabelHeight);
  C.Font()->SetStyle({fsBold});
}

// The captions take the label font, made smaller where a button is too low or too narrow for it,
// so that every caption shows whole with free pixels round it. One height serves all captions
// of both modes: the text does not change size when the mode does.
void TCtrlTimer::FitButtonFont(TCanvas& C) {
  TCanvasSaver keep(C, cpFont);
  const int label_height = C.Font()->Height();
  TRect inner = FZones[13];
  InflateRect(inner, -2, -2);
  const int rows = inner.Height() - 2 * kCaptionMarginY;
  const int columns = inner.Width() - 2 * kCaptionMarginX;
  int height = label_height;
  for (; height > kSmallestCaptionHeight; --height) {
    C.Font()->SetHeight(height);
    if (CapitalRows(C.TextMetrics()) > rows) continue;
    const bool all_fit = std::all_of(std::begin(kButtonLabels), std::end(kButtonLabels),
                                     [&](const char* s) { return C.TextWidth(s) <= columns; });
    if (all_fit) break;
  }
  FButtonFontHeight = height;
}

void TCtrlTimer::Paint() {
  SetBevWidth(2);
  SetBordWidth(2);
  SetBevelIn(bvNone);
  TRahmen::Paint();
  TRect& ir = InnerRect;
  const int w = Width(), h = Height();
  const int off_left = BordLeft() ? 0 : 4, off_top = BordTop() ? 0 : 4;
  const int off_right = BordRight() ? 0 : 4, off_bottom = BordBottom() ? 0 : 4;
  const int col_left = w - 14 * h / 20;
  const int col_right = ir.Right - 1 - off_right;
  const int c = h / 20, t = h / 8, d = h / 5, e = (d * 35) / 10;
  const int l0 = ir.Top + off_top, t0 = ir.Top;
  ir.Right -= e + c + off_right;
  ir.Left += c + off_left;
  ir.Top += t + off_top;
  ir.Bottom -= c + off_bottom;
  const TRect plate = ir;
  FColumn = Rect(col_left, plate.Top, col_right, plate.Bottom);

  TCanvas& cv = *Canvas();
  TCanvasSaver keep(cv, cpPen | cpBrush | cpFont);
  cv.SetFont(Font());
  DrawMakerMark(cv, plate.Left - 3, t0 - 1);
  DrawPlate(cv, plate, FShape, d, ColBack());

  TRect column = FColumn;
  cv.Pen()->SetStyle(psSolid);
  cv.Pen()->SetMode(pmCopy);
  Frame3D(&cv, column, clGray, clWhite, 1);
  TRect area = column;
  InflateRect(area, -3, -2);
  // Four buttons of q rows with three 1-pixel gaps; the last one takes what is left but a row.
  const int q = (area.Height() - 4) / 4;
  FZones.fill(Rect(-1, -1, -1, -1));
  int top = area.Top;
  for (int zone : {13, 15, 14}) {
    FZones[zone] = Rect(area.Left, top, area.Right, top + q);
    top += q + 1;
  }
  FZones[16] = Rect(area.Left, top, area.Right, area.Bottom - 1);

  TRect dr = plate;
  InflateRect(dr, -(d / 3), -(d / 3));
  dr.Top += 2;
  const int n = ShownDigits(FResolution);
  FDigits.Italic = FDispItalic;
  FDigits.Layout(dr, n, ColBack());

  const int label_height = std::abs(dr.Top - l0) * 7 / 10;
  FLabelHeight = label_height;
  SetLabelFont(cv);
  cv.Brush()->SetStyle(bsSolid);
  cv.Brush()->SetColor(ColBgnd());
  const int cw = dr.Width(), lh = dr.Height() / 8, mid = dr.Top + dr.Height() / 2;
  const int g = (cw / n) / 7;
  const int first_unit = FirstDigit(FResolution) / 2;
  for (int i = 1; i <= n; ++i) {
    const int x0 = dr.Left + cw * (i - 1) / n, x1 = dr.Left + cw * i / n;
    FZones[2 * i - 1] = Rect(x0, plate.Top, x1 - lh, mid - lh);
    FZones[2 * i] = Rect(x0, mid + lh, x1 - lh, plate.Bottom);
    if (i % 2 == 1) {
      const std::string label = kUnitLabels[first_unit + i / 2];
      cv.TextOut(x1 - cv.TextWidth(label) / 2, l0 / 2, label);
    } else if (n > 2 && (i == 2 || i == 4)) {
      const int x = x1 - g;
      for (auto [dx, colour] : {std::pair{0, clGray}, std::pair{1, clWhite}}) {
        cv.Pen()->SetColor(colour);
        cv.MoveTo(x + dx, 1);
        cv.LineTo(x + dx, plate.Top - 1);
        cv.MoveTo(x + dx, h - 1);
        cv.LineTo(x + dx, plate.Bottom - 1);
      }
    }
  }

  FCaptionRect = Rect(col_left, plate.Top - label_height, col_right, plate.Top);
  FitButtonFont(cv);
  FPainted = true;
  ShowTime();
  DrawCaption();
  DrawModeButtons();
  if (OnRepaint) OnRepaint(this);
}
