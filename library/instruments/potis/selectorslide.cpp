#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "library/foundation/helpers.h"
#include "library/foundation/scaledraw.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/base/numbers.h"
#include "platform/graphics/canvas.h"

TSelectorSlide::TSelectorSlide(TComponent* AOwner) : TSlideInput(AOwner, {}) {
  SetWidth(58);
  SetHeight(98);
  SetCaption("Select");
  TStringList* list = texts_.List();
  for (const char* t : {"Ch 1", "Ch 2", "Ext 1", "Ext 2"}) list->Add(t);
  list->OnChange = [this](TObject* Sender) { StyleChanged(Sender); };
  drag_.GetValue = [this] { return double(position_); };
  drag_.SetValue = [this](double V) { SetPosition(static_cast<int>(V)); };
}

void TSelectorSlide::SetPosition(int V) {
  if (Reading()) {
    position_ = V;
    return;
  }
  if (V < 0 || V > scala_part_ || V == position_) return;
  position_ = V;
  MoveKnob();
}

void TSelectorSlide::SetScalaPart(int V) {
  V = std::clamp(V, 1, 20);
  if (V == scala_part_) return;
  scala_part_ = V;
  position_ = std::min(position_, scala_part_);
  Invalidate();
}

void TSelectorSlide::SetPosText(const TStringList* V) {
  if (V) texts_.List()->Assign(*V);
  Invalidate();
}

void TSelectorSlide::Select(int Found) {
  const TComponentState state = ComponentState();
  if (state.Contains(csLoading) || state.Contains(csReading) || Found < 0) return;
  SetPosition(Found);
}

void TSelectorSlide::SetPosString(const std::string& V) { Select(texts_.FindText(V, scala_part_)); }
void TSelectorSlide::SetPosinteger(int32_t V) { Select(texts_.FindInteger(V, scala_part_)); }
void TSelectorSlide::SetPosColor(TColor V) { Select(texts_.FindColor(V, scala_part_)); }
void TSelectorSlide::SetPosFloat(double V) {
  if (std::isfinite(V)) Select(texts_.FindFloat(V, scala_part_));
}

void TSelectorSlide::DrawScale(TCanvas& C, int X0, int K) {
  const int q = K / 3;
  const int t = travel_top_, l = travel_length_;
  // The trench, then the scale's thin pen.
  FillOutlined(C, Rect(X0 - 6 * q, t, X0 - 4 * q, t + l), clBlack);
  C.Pen()->SetColor(col_scala_);
  C.Brush()->SetStyle(bsClear);
  const int fh = std::abs(C.Font()->Height());
  const int x = X0 - 2 * q;
  const TStringList& list = *texts_.List();
  // A position without a text keeps its tick and has no label.
  DrawScaleLayout(C, StraightScaleLayout(
                         LinearDivision({}, scala_part_, 0), {{true, x, x + K, x + K, 1, 1}},
                         [&](const TScaleTick& T) { return t + l - l * T.Index / scala_part_; },
                         [&](const TScaleTick& T, int Y) {
                           const std::string text =
                               T.Index < list.Count() ? PosItemText(list.Strings(T.Index)) : "";
                           return TPlacedLabel{{{x + K, Y - fh * 2 / 3}, text}, {}};
                         }));
}

int TSelectorSlide::KnobCentreX(int X0, int K) const { return X0 - 4 * (K / 3); }

int TSelectorSlide::KnobCentreY() {
  position_ = std::clamp(position_, 0, scala_part_);
  return travel_top_ + travel_length_ -
         static_cast<int>(Round(double(travel_length_) / scala_part_ * position_));
}

void TSelectorSlide::PressAt(int X, int Y) {
  if (travel_length_ < 1 || Y == last_point_.Y) return;
  last_point_ = {X, Y};
  const int p = TravelPosition(scala_part_, TravelDistance(Y), travel_length_);
  // A position beyond the ends selects nothing (and so fires nothing).
  if (p >= 0 && p <= scala_part_) drag_.Press(p);
}

void TSelectorSlide::DragTo(int, int Y) {
  if (travel_length_ < 1 || Y == last_point_.Y) return;
  last_point_.Y = Y;
  const int p = TravelPosition(scala_part_, TravelDistance(Y), travel_length_);
  if (p >= 0 && p <= scala_part_) drag_.Move(p);
}
