#pragma once
// Unit Instrect: the rectangular instruments. The bar gauge and the level indicator draw straight
// on their window canvas; the panel meters compose their moving parts off screen like the round
// meters (see instrund.h).
//
// "Repaint" below means: store, and once painted run Paint at once.

#include <memory>
#include <string>

#include "library/foundation/frame.h"
#include "library/foundation/types.h"
#include "platform/forms/messages.h"

// A value shown as a share of its range: a row of segments lit from the start, or (MeterMode) a
// pointer band that ends at the value. It lies along its longer side: a size change settles the
// orientation and keeps the short side within 12..100 pixels.
class TGaugeGp : public TRahmen {
 public:
  explicit TGaugeGp(TComponent* AOwner);
  ~TGaugeGp() override;

  // Range ends; each kept on its side of the other (outside form reading). A change clamps Value
  // into the new range and recomputes Percent.
  double ValueMin() const { return value_min_; }
  void SetValueMin(double V);
  double ValueMax() const { return value_max_; }
  void SetValueMax(double V);
  // Clamped to the range; sets Percent.
  double Value() const { return value_; }
  void SetValue(double V);
  // 0..100; sets Value.
  double Percent() const { return percent_; }
  void SetPercent(double V);
  // The percent drawn now: follows Percent through the damping average.
  double ShownPercent() const { return shown_percent_; }
  // 0..10: each tick moves the shown percent by 1 / (Damping + 1) of its distance.
  int Damping() const { return damping_; }
  void SetDamping(int V);
  bool MeterMode() const { return meter_mode_; }
  void SetMeterMode(bool V);
  // Width of the pointer band in percent of the bar (at least one pixel), 0..100.
  double PntrPercent() const { return pntr_percent_; }
  void SetPntrPercent(double V);
  // Segment length along the bar (values <= 0 are ignored) and gap (negative values ignored).
  int SegmWidth() const { return segm_width_; }
  void SetSegmWidth(int V);
  int SegmGap() const { return segm_gap_; }
  void SetSegmGap(int V);
  // Outline of the unlit segments; in MeterMode a frame round the bar.
  bool SegmBorder() const { return segm_border_; }
  void SetSegmBorder(bool V);
  TColor SegmColor() const { return segm_color_; }
  void SetSegmColor(TColor V);
  // ColBack (of the frame base, clBtnFace here) fills unlit segments and the bar background.
  TColor ColBorder() const { return col_border_; }
  void SetColBorder(TColor V);
  // Once painted, a change turns the control round (width and height swap).
  TOrientation Orientation() const { return orientation_; }
  void SetOrientation(TOrientation V);

  bool Painted() const { return painted_; }
  // The area the bar is drawn in (the frame's inner rectangle less a 2-pixel margin).
  TRect BarArea() const;
  // The lit segment count or the band end pixel drawn last; -1 before any drawing.
  int LastDrawn() const { return last_drawn_; }

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  void RepaintNow();
  void UpdateGauge();
  void DrawSegments(bool Vertical);
  void DrawBar(bool Vertical);
  void SettleOrientation();
  void ApplyValue(double V, bool Force);

  int32_t damp_timer_id_ = -1;
  double value_min_ = 0;
  double value_max_ = 10;
  double value_ = 0;
  double percent_ = 0;
  double shown_percent_ = 0;
  int damping_ = 0;
  bool meter_mode_ = false;
  double pntr_percent_ = 0;
  int segm_width_ = 8;
  int segm_gap_ = 1;
  bool segm_border_ = true;
  TColor segm_color_ = 0x800000;
  TColor col_border_ = 0x808080;
  TOrientation orientation_ = orHorizontal;
  int last_drawn_ = -1;
  bool painted_ = false;
  bool resizing_ = false;
};

// A level band in a small sunken window: the stretch between StartPos and EndPos on the scale
// StartValue..EndValue is lit, the rest dark. The band shows ColorEye while the start lies at or
// before the end, ColorEyeInv otherwise. Every change redraws at once.
class TMagicEye : public TRahmen {
 public:
  explicit TMagicEye(TComponent* AOwner);

  // Scale ends; each kept on its side of the other (outside form reading).
  double StartValue() const { return start_value_; }
  void SetStartValue(double V);
  double EndValue() const { return end_value_; }
  void SetEndValue(double V);
  // Band ends: any value, clamped to the scale when drawn.
  double StartPos() const { return start_pos_; }
  void SetStartPos(double V);
  double EndPos() const { return end_pos_; }
  void SetEndPos(double V);
  // orHorizontal measures from the left, orVertical from the bottom. Once painted, a change
  // turns the control round (width and height swap); the size never changes it.
  TOrientation Direction() const { return direction_; }
  void SetDirection(TOrientation V);
  TColor ColorBack() const { return color_back_; }
  void SetColorBack(TColor V);
  TColor ColorEye() const { return color_eye_; }
  void SetColorEye(TColor V);
  TColor ColorEyeInv() const { return color_eye_inv_; }
  void SetColorEyeInv(TColor V);

  // Draws the eye area; nothing before the first Paint.
  void DrawEye();
  const TRect& EyeRect() const { return eye_rect_; }

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  double start_value_ = 0;
  double end_value_ = 10;
  double start_pos_ = 3;
  double end_pos_ = 7;
  TOrientation direction_ = orHorizontal;
  TColor color_back_ = 0x000000;
  TColor color_eye_ = 0x00FF00;
  TColor color_eye_inv_ = 0x0000FF;
  TRect eye_rect_;
  bool painted_ = false;
};
