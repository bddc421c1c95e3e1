#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "library/foundation/scaledraw.h"
#include "library/instruments/potis/parts.h"
#include "library/instruments/potis/potis.h"
#include "platform/base/numbers.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr double kBound = 10000;

int RoundToInt(double V) {
  return static_cast<int>(std::clamp<int64_t>(Round(V), -(1 << 30), 1 << 30));
}

}  // namespace

TSlider::TSlider(TComponent* AOwner)
    : TOrvaneBase(AOwner),
      drag_([this](TObject*) { DragTick(); }),
      button_(std::make_unique<TBitmap>()),
      turned_font_(std::make_unique<TFont>()) {
  SetWidth(150);
  SetHeight(20);
  SetBevWidth(1);
  TFont* font = FrameBitmap->Canvas()->Font();
  font->SetName("Arial");
  font->SetSize(8);
  turned_font_->Assign(*font);
  turned_font_->SetOrientation(900);
  drag_.GetValue = [this] { return value_; };
  drag_.SetValue = [this](double V) { SetValue(V); };
  drag_.Changing = [this] {
    if (OnChanging) OnChanging(this);
  };
}

TSlider::~TSlider() = default;

// ---- Setters ----

void TSlider::SetValue(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    value_ = V;
    return;
  }
  V = Within(V, range_.Start, range_.End);
  if (V == value_) return;
  if (selector_) {
    // The value follows the position when the button moves.
    position_ = PositionOf(V);
  } else {
    value_ = V;
  }
  MoveButton(false);
}

void TSlider::SetValueMin(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    range_.Start = V;
    return;
  }
  StoreAndRepaint(range_.Start, ClampRangeStart(V, range_.End, kBound, false));
}

void TSlider::SetValueMax(double V) {
  if (!std::isfinite(V)) return;
  if (ComponentState().Contains(csReading)) {
    range_.End = V;
    return;
  }
  StoreAndRepaint(range_.End, ClampRangeEnd(V, range_.Start, kBound, false));
}

void TSlider::SetPosition(int V) {
  if (ComponentState().Contains(csReading)) {
    position_ = V;
    return;
  }
  V = std::clamp(V, 0, scala_part_);
  if (V == position_) return;
  position_ = V;
  value_ = range_.Start + (range_.End - range_.Start) / scala_part_ * position_;
  MoveButton(false);
}

void TSlider::SetSelector(bool V) { StoreAndRepaint(selector_, V); }
void TSlider::SetScalaPart(int V) { StoreAndRepaint(scala_part_, std::clamp(V, 1, 100)); }
void TSlider::SetScalaShow(bool V) { StoreAndRepaint(scala_show_, V); }
void TSlider::SetScalaColor(TColor V) { StoreAndRepaint(scala_color_, V); }
void TSlider::SetTrenchWidth(int V) { StoreAndRepaint(trench_width_, std::clamp(V, 1, 6)); }
void TSlider::SetTrenchStyle(TPanelBevel V) { StoreAndRepaint(trench_style_, V); }
void TSlider::SetTrenchColor(TColor V) { StoreAndRepaint(trench_color_, V); }
void TSlider::SetButtonSize(int V) { StoreAndRepaint(button_size_, std::clamp(V, 6, 30)); }
void TSlider::SetButtonDir(TButtonDir V) { StoreAndRepaint(button_dir_, V); }
void TSlider::SetBtnStyle(TButtonStyle V) { StoreAndRepaint(btn_style_, V); }
void TSlider::SetCaption(const std::string& V) { StoreAndRepaint(caption_, V); }
void TSlider::SetCaptEna(bool V) { StoreAndRepaint(capt_ena_, V); }
void TSlider::SetCaptColor(TColor V) { StoreAndRepaint(capt_color_, V); }
void TSlider::SetAlignment(TAlignment V) { StoreAndRepaint(alignment_, V); }

void TSlider::SetButtonColor(TColor V) {
  button_color_ = V;
  if (painted_) DrawButton();
}

void TSlider::SetCaptOffset(int V) {
  StoreAndRepaint(capt_offset_, std::max(-(Thickness() / 2), std::min(V, Width() - 5)));
}

void TSlider::SetOrientation(TOrientation V) {
  if (V == orientation_) return;
  orientation_ = V;
  // Turning by the program: the sides swap (a resize sets the orientation without this).
  if (painted_) SetBounds(Left(), Top(), Height(), Width());
}

// ---- Size ----

void TSlider::WndProc(TMessage& Message) {
  TOrvaneBase::WndProc(Message);
  if (Message.Msg == WM_SIZE) Resized();
}

void TSlider::Resized() {
  const int thickness = Thickness();
  const int kept = std::clamp(thickness, 15, 50);
  if (kept != thickness) {
    if (Vertical()) {
      SetWidth(kept);
    } else {
      SetHeight(kept);
    }
  }
  orientation_ = Height() > Width() ? orVertical : orHorizontal;
}

// ---- Painting ----

void TSlider::Paint() {
  TOrvaneBase::Paint();
  const int h = Thickness() / 2;
  capt_offset_ = std::clamp(capt_offset_, -h, h);
  painted_ = true;
  // Form data can hold an inverted range; the button needs one of some width.
  if (range_.End <= range_.Start) range_.End = range_.Start + 1;

  const int s = button_size_ * 10 / 25;
  const int along = button_dir_ == btCrossWise ? s : button_size_;
  const int across = button_dir_ == btLengthWise ? s : button_size_;
  half_along_ = along;
  const TRect inner = InnerRect;
  const int mx = Width() / 2, my = Height() / 2;
  if (Vertical()) {
    trench_ = Rect(mx - trench_width_, inner.Top + along, mx + trench_width_, inner.Bottom - along);
    button_rect_ =
        Rect(mx - across, trench_.Bottom - along - 1, mx + across, trench_.Bottom + along - 1);
    const int left = mx + capt_offset_;
    caption_rect_ =
        Rect(left, inner.Top + 1, left + (inner.Right - trench_.Right - 1), inner.Bottom - 1);
  } else {
    trench_ = Rect(inner.Left + along, my - trench_width_, inner.Right - along, my + trench_width_);
    button_rect_ = Rect(trench_.Left - along, my - across, trench_.Left + along, my + across);
    const int top = my + capt_offset_;
    caption_rect_ =
        Rect(inner.Left + 1, top, inner.Right - 1, top + (inner.Bottom - trench_.Bottom - 1));
  }

  TColor upper = clSilver, lower = clSilver;
  if (trench_style_ == bvLowered) {
    upper = clGray;
    lower = clWhite;
  } else if (trench_style_ == bvRaised) {
    upper = clWhite;
    lower = clGray;
  }
  TCanvas& c = *FrameBitmap->Canvas();
  TRect fill = trench_;
  if (trench_style_ != bvNone) Frame3D(&c, fill, upper, lower, 1);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(trench_color_);
  c.FillRect(fill);
  if (scala_show_) DrawTicks(c, upper, lower);

  if (Vertical()) {
    button_->SetSize(2 * across, 2 * along);
  } else {
    button_->SetSize(2 * along, 2 * across);
  }
  DrawCaption();
  DrawButton();
  if (OnRepaint) OnRepaint(this);
}

void TSlider::DrawTicks(TCanvas& C, TColor Upper, TColor Lower) {
  C.Pen()->SetMode(pmCopy);
  C.Pen()->SetStyle(psSolid);
  C.Pen()->SetWidth(1);
  const bool vertical = Vertical();
  const int from = vertical ? trench_.Top : trench_.Left;
  const int length = vertical ? trench_.Height() : trench_.Width();
  // Embossed ticks: the scale colour between the trench's two edge colours. The end ticks move
  // one pixel inwards.
  const int base = vertical ? trench_.Left - 1 : trench_.Top - 1;
  std::vector<TStraightTicks> ticks;
  const TColor colours[3] = {Upper, scala_color_, Lower};
  for (int shift = -1; shift <= 1; ++shift) {
    ticks.push_back({vertical, base, base - 6, base - 6, 1, 1, shift, colours[shift + 1]});
  }
  DrawScaleLayout(C, StraightScaleLayout(
                         LinearDivision(range_, scala_part_, 0), ticks,
                         [&](const TScaleTick& T) {
                           const int p = from + RoundToInt(double(length) / scala_part_ * T.Index);
                           return T.Index == 0 ? p + 1 : T.Index == scala_part_ ? p - 1 : p;
                         },
                         [](const TScaleTick&, int) { return TPlacedLabel{}; }));
}

void TSlider::DrawCaption() {
  if (!painted_ || !capt_ena_) return;
  TCanvas& c = *FrameBitmap->Canvas();
  c.Brush()->SetStyle(bsClear);
  TFont* font = c.Font();
  font->SetName("Arial");
  font->SetSize(8);
  font->SetOrientation(0);
  font->SetColor(capt_color_);
  const int tw = c.TextWidth(caption_);
  const TRect& r = caption_rect_;
  if (!Vertical()) {
    int x = r.Left - tw / 2 + r.Width() / 2;
    if (alignment_ == taLeftJustify) x = r.Left;
    if (alignment_ == taRightJustify) x = r.Right - 2 * (tw / 2);
    c.TextOut(x, r.Top - 2, caption_);
    return;
  }
  int y = r.Top + r.Height() / 2 + tw / 2;
  if (alignment_ == taLeftJustify) y = r.Bottom;
  if (alignment_ == taRightJustify) y = r.Top + 2 * (tw / 2);
  TFont normal;
  normal.Assign(*font);
  TFont turned;
  turned.Assign(*turned_font_);
  turned.SetColor(capt_color_);
  c.SetFont(&turned);
  c.TextOut(r.Left, y, caption_);
  c.SetFont(&normal);
}

void TSlider::DrawButton() {
  TCanvas& b = *button_->Canvas();
  TRect inner = DrawButtonFace(&b, Rect(0, 0, button_->Width(), button_->Height()), 1, btn_style_,
                               true, false, false);
  InflateRect(inner, -1, -1);
  b.Pen()->SetMode(pmCopy);
  b.Pen()->SetStyle(psSolid);
  b.Pen()->SetWidth(1);
  b.Pen()->SetColor(clBlack);
  b.Brush()->SetStyle(bsSolid);
  b.Brush()->SetColor(button_color_);
  b.Rectangle(inner);
  MoveButton(true);
}

int TSlider::PositionOf(double V) const {
  const double span = range_.End - range_.Start;
  if (!(span > 0)) return 0;
  return RoundToInt((V - range_.Start) * scala_part_ / span);
}

TPoint TSlider::ButtonPos(double V) const {
  const double span = range_.End - range_.Start;
  const double f = span > 0 ? (V - range_.Start) / span : 0;
  const int w = trench_.Width(), h = trench_.Height();
  return {RoundToInt(f * w) + trench_.Left, trench_.Top - RoundToInt(f * h) + h};
}

void TSlider::MoveButton(bool Force) {
  if (!painted_) return;
  position_ = std::clamp(position_, 0, scala_part_);
  value_ = Within(value_, range_.Start, range_.End);
  if (selector_) {
    value_ = range_.Start + (range_.End - range_.Start) / scala_part_ * position_;
  } else {
    position_ = PositionOf(value_);
  }
  value_ = Within(value_, range_.Start, range_.End);
  const TPoint centre = ButtonPos(value_);
  TRect r = button_rect_;
  if (Vertical()) {
    r.Top = centre.Y - half_along_;
    r.Bottom = centre.Y + half_along_;
  } else {
    r.Left = centre.X - half_along_;
    r.Right = centre.X + half_along_;
  }
  if (r == button_rect_ && !Force) return;
  button_rect_ = r;
  TCanvas& work = *WorkBitmap->Canvas();
  const TRect client = ClientRect();
  work.CopyRect(client, FrameBitmap->Canvas(), client);
  work.Draw(r.Left, r.Top, button_.get());
  Canvas()->CopyRect(client, &work, client);
}

// ---- Mouse ----

double TSlider::PointValue(int X, int Y) const {
  if (Vertical()) return range_.TravelValue(trench_.Bottom - Y, trench_.Height());
  return range_.TravelValue(X - trench_.Left, trench_.Width());
}

void TSlider::TakePoint(double V, bool AtPress) {
  if (!selector_) {
    if (AtPress) {
      drag_.Press(V);
    } else {
      drag_.Move(V);
    }
    return;
  }
  if (V == value_) return;
  const int before = position_;
  SetPosition(PositionOf(V));
  if (position_ != before) drag_.NoteChange();
}

void TSlider::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TOrvaneBase::MouseDown(Button, Shift, X, Y);
  if (!drag_.BeginPress(Shift) || !painted_) return;
  drag_.PressElsewhere();
  TakePoint(PointValue(X, Y), true);
}

void TSlider::MouseMove(TShiftState Shift, int X, int Y) {
  TOrvaneBase::MouseMove(Shift, X, Y);
  if (!painted_ || !drag_.MoveDrags(Shift)) return;
  TakePoint(Within(PointValue(X, Y), range_.Start, range_.End), false);
}

void TSlider::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (drag_.Release().Changed && OnChanged) OnChanged(this);
  TOrvaneBase::MouseUp(Button, Shift, X, Y);
}

void TSlider::DragTick() {
  if (painted_ && !selector_) drag_.Tick(range_.Start, range_.End);
}
