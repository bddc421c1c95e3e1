#include <algorithm>
#include <cmath>

#include "library/foundation/helpers.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr double kJumpLimit = 90;

}  // namespace

TSelector270::TSelector270(TComponent* AOwner) : TRotaryInput(AOwner, {}) {
  Font()->SetColor(0x800000);
  SetCaption("Eingang");
  col_scala_ = 0x80;
  TStringList* list = texts_.List();
  for (const char* t : {"1", "2", "3", "4", "5"}) list->Add(t);
  list->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
  drag_.GetValue = [this] { return double(position_); };
  drag_.SetValue = [this](double V) { SetPosition(static_cast<int>(V)); };
}

void TSelector270::SetPosition(int V) {
  if (Reading()) {
    position_ = V;
    return;
  }
  if (V < 0 || V > scala_part_ || V == position_) return;
  position_ = V;
  DrawPointer();
}

void TSelector270::SetScalaPart(int V) {
  V = std::clamp(V, 1, 20);
  if (V == scala_part_) return;
  scala_part_ = V;
  position_ = std::min(position_, scala_part_);
  Invalidate();
}

void TSelector270::SetPosText(const TStringList* V) {
  if (V) texts_.List()->Assign(*V);
  Invalidate();
}

void TSelector270::Select(int Found) {
  const TComponentState state = ComponentState();
  if (state.Contains(csLoading) || state.Contains(csReading) || Found < 0) return;
  SetPosition(Found);
}

void TSelector270::SetPosString(const std::string& V) { Select(texts_.FindText(V, scala_part_)); }
void TSelector270::SetPosinteger(int32_t V) { Select(texts_.FindInteger(V, scala_part_)); }
void TSelector270::SetPosColor(TColor V) { Select(texts_.FindColor(V, scala_part_)); }
void TSelector270::SetPosFloat(double V) {
  if (std::isfinite(V)) Select(texts_.FindFloat(V, scala_part_));
}

void TSelector270::DrawScale(TCanvas& C) {
  const int r = plane_.Pixels(40);
  if (FontAutom()) C.Font()->SetSize(SelectorLabelFontSize(plane_));
  const TStringList& list = *texts_.List();
  const int labels = std::min(list.Count(), scala_part_ + 1);
  // Where each label's text lies in the canvas's font: centred on its place beyond the dots.
  auto label_rect = [&](int I) {
    const int width = C.TextWidth("123") + 1;
    const int height = std::abs(C.Font()->Height());
    const TLabelPlace label = ArcStartLabel(plane_, 760, 0.7 * height, width, height);
    const TPoint corner = RotatePoint(label.Pivot, label.Corner, 270.0 * I / scala_part_);
    const int text = C.TextWidth(Cut10(PosItemText(list.Strings(I))));
    return Bounds(corner.X + (width - text) / 2, corner.Y, text, height);
  };
  // Long position texts would run over the control's edge.
  ShrinkFontUntil(C, [&] {
    for (int i = 0; i < labels; ++i) {
      const TRect box = label_rect(i);
      if (box.Left < InnerRect.Left || box.Top < InnerRect.Top || box.Right > InnerRect.Right ||
          box.Bottom > InnerRect.Bottom) {
        return false;
      }
    }
    return true;
  });
  const TPoint dot = ArcStartPoint(plane_, 710);
  for (int i = 0; i <= scala_part_; ++i) {
    const double angle = 270.0 * i / scala_part_;
    const TPoint d = RotatePoint(plane_.Centre, dot, angle);
    C.Pen()->SetMode(pmCopy);
    C.Pen()->SetStyle(psSolid);
    C.Pen()->SetWidth(1);
    C.Pen()->SetColor(col_scala_);
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(col_scala_);
    C.Ellipse(d.X - r, d.Y - r, d.X + r, d.Y + r);
    if (i >= labels) continue;
    C.Brush()->SetStyle(bsClear);
    const TRect box = label_rect(i);
    C.TextOut(box.Left, box.Top, Cut10(PosItemText(list.Strings(i))));
  }
}

double TSelector270::PointerAngle() const {
  return 270.0 / scala_part_ * std::clamp(position_, 0, scala_part_);
}

void TSelector270::PressArc(double U) { drag_.Press(ArcPosition(scala_part_, U)); }

void TSelector270::DragArc(double LastAngle, double Angle) {
  if (!ArcMoveTaken(LastAngle, position_ == 0, position_ == scala_part_, Angle, kJumpLimit)) {
    return;
  }
  const int p = ArcPosition(scala_part_, ArcAngle(Angle, false));
  if (p >= 0 && p <= scala_part_) drag_.Move(p);
}
