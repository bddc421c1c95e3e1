#include "library/controls/orvanemisc/directionpad.h"

#include <array>

#include "library/foundation/tickservice.h"
#include "platform/graphics/canvas_state.h"
#include "platform/graphics/draw_helpers.h"

namespace {

constexpr TColor kFaceReleased = 0xC0C0C0;
constexpr TColor kFacePressed = 0xB8B8B8;
constexpr uint16_t kFirstRepeatMs = 500;

// The seven points of an arrow in (L, T, R, B) with the measures a, b and c.
std::array<TPoint, 7> ArrowPoints(TPadArrow Arrow, const TRect& r, int a, int b, int c) {
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  switch (Arrow) {
    case TPadArrow::UpLeft:
      return {
          {{L, T}, {R - c, T}, {R - a, T + c}, {R, B - c}, {R - c, B}, {L + c, T + a}, {L, B - c}}};
    case TPadArrow::Up:
      return {{{L + a, T},
               {R, T + a},
               {R - b, T + a},
               {R - b, B},
               {L + b, B},
               {L + b, T + a},
               {L, T + a}}};
    case TPadArrow::UpRight:
      return {
          {{R, T}, {L + c, T}, {R - a, T + c}, {L, B - c}, {L + c, B}, {R - c, T + a}, {R, B - c}}};
    case TPadArrow::Left:
      return {{{L, T + a},
               {L + a, B},
               {L + a, B - b},
               {R, B - b},
               {R, T + b},
               {L + a, T + b},
               {L + a, T}}};
    case TPadArrow::Right:
      return {{{R, T + a},
               {L + a, B},
               {L + a, B - b},
               {L, B - b},
               {L, T + b},
               {L + a, T + b},
               {L + a, T}}};
    case TPadArrow::DownLeft:
      return {
          {{L, B}, {R - c, B}, {R - a, B - c}, {R, T + c}, {R - c, T}, {L + c, T + a}, {L, T + c}}};
    case TPadArrow::Down:
      return {{{L + a, B},
               {R, T + a},
               {R - b, T + a},
               {R - b, T},
               {L + b, T},
               {L + b, T + a},
               {L, T + a}}};
    case TPadArrow::DownRight:
      return {
          {{R, B}, {L + c, B}, {R - a, B - c}, {L, T + c}, {L + c, T}, {R - c, T + a}, {R, T + c}}};
    case TPadArrow::Centre:
      break;
  }
  return {};
}

}  // namespace

TDirectionPad::TDirectionPad(TComponent* AOwner, std::vector<ButtonDef> Buttons)
    : TRahmen(AOwner),
      FButtons(std::move(Buttons)),
      FCells(FButtons.size()),
      FPressed(FButtons.size(), false) {
  FRepeatId = TimerRegister([this](TObject*) { RepeatTick(); });
}

TDirectionPad::~TDirectionPad() { TimerRemove(FRepeatId); }

int TDirectionPad::FrameThickness() const {
  return (BevelIn() != bvNone ? BevWidth() : 0) + (BevelOut() != bvNone ? BevWidth() : 0) +
         BordWidth();
}

void TDirectionPad::SetMeasures(int Cell) {
  FA = Cell / 2 - 4;
  FB = (2 * FA) / 3;
  FC = Cell / 4 - 1;
}

void TDirectionPad::SetCell(int Index, const TRect& Cell) { FCells[Index] = Cell; }

void TDirectionPad::Fire(const TNotifyEvent& Event) {
  if (Event) Event(this);
}

void TDirectionPad::DrawSymbol(int, bool, const TRect&) {}

void TDirectionPad::DrawFace(int Index, bool Press) {
  TCanvas* canvas = Canvas();
  TCanvasSaver keep(*canvas, cpPen | cpBrush);
  canvas->Pen()->SetWidth(1);
  TRect r = DrawButtonFace(canvas, FCells[Index], 2, bsNew, true, Press, false);
  const ButtonDef& def = FButtons[Index];
  if (def.Arrow != TPadArrow::Centre) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Press ? kFacePressed : kFaceReleased);
    canvas->FillRect(r);
  }
  InflateRect(r, -2, -2);
  if (def.Arrow == TPadArrow::Centre) {
    DrawSymbol(Index, Press, r);
    return;
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(ArrowColor(Index));
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetColor(clBlack);
  canvas->Pen()->SetWidth(Press ? 2 : 1);
  const auto points = ArrowPoints(def.Arrow, r, FA, FB, FC);
  canvas->Polygon(points);
}

void TDirectionPad::DrawButton(int Index, bool Press) {
  if (FPressed[Index] == Press) return;
  if (FReady) DrawFace(Index, Press);
  FPressed[Index] = Press;
  const ButtonDef& def = FButtons[Index];
  if (Press) {
    FButtonStatus |= def.Bit;
    FButton = def.Letter;
  } else {
    FButtonStatus &= uint16_t(~def.Bit);
    FButton = char(def.Letter - 'A' + 'a');
  }
}

bool TDirectionPad::ReleaseAnother() {
  if (FLockMode) return false;
  for (int i = 0; i < ButtonCount(); ++i) {
    if (IsDirection(i) && FPressed[i]) {
      DrawButton(i, false);
      return true;
    }
  }
  return false;
}

void TDirectionPad::Paint() {
  EnforceSize();
  TRahmen::Paint();
  PlaceCells();
  FReady = true;
  // Every button in the state it is in: a repaint, for whatever reason it comes, must not drop a
  // press whose OnDown has fired (its OnUp would never follow).
  for (int i = 0; i < ButtonCount(); ++i) DrawFace(i, FPressed[i]);
  Fire(OnRepaint);
}

void TDirectionPad::MouseDown(TMouseButton, TShiftState, int X, int Y) {
  bool pressed = false, released = false;
  int hit = -1;
  for (int i = 0; i < ButtonCount() && hit < 0; ++i) {
    if (PtInRect(FCells[i], TPoint{X, Y})) hit = i;
  }
  if (hit >= 0) {
    if (FPressed[hit]) {
      DrawButton(hit, false);
      released = true;
    } else if (!IsDirection(hit)) {
      DrawButton(hit, true);
      pressed = true;
    } else {
      released = ReleaseAnother();
      if (!(FLockMode && FButtonStatus != 0)) {
        DrawButton(hit, true);
        pressed = true;
      }
    }
  }
  const bool arm = pressed && FAllowAllUp && FRepSpeed >= 50;
  if (arm && ArmBeforeEvents()) TimerSetInterval(FRepeatId, kFirstRepeatMs);
  if (released) Fire(OnUp);
  if (pressed) Fire(OnDown);
  if (arm && !ArmBeforeEvents()) TimerSetInterval(FRepeatId, kFirstRepeatMs);
}

void TDirectionPad::MouseUp(TMouseButton, TShiftState, int, int) {
  TimerStop(FRepeatId);
  if (ReleaseCentreOnMouseUp()) Fire(OnUp);
  if (FAllowAllUp && ReleaseAnother()) Fire(OnUp);
}

bool TDirectionPad::RepeatWanted() const {
  for (int i = 0; i < ButtonCount(); ++i) {
    if (IsDirection(i) && FPressed[i]) return true;
  }
  return false;
}

void TDirectionPad::RepeatTick() {
  if (!FReady || FRepSpeed < 50 || !FAllowAllUp) return;
  TimerSetInterval(FRepeatId, uint16_t(FRepSpeed % 2001));
  if (RepeatWanted()) Fire(OnDown);
}
