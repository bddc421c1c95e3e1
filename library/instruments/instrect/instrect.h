#pragma once
// Unit Instrect: the rectangular instruments. The bar gauge and the level indicator draw straight
// on their window canvas; the panel meters compose their moving parts off screen like the round
// meters (see instrund.h).
//
// "Repaint" below means: store, and once painted run Paint at once.

#include <cassert>
#include <memory>
#include <string>

#include "library/foundation/frame.h"
#include "library/foundation/scaledraw.h"
#include "library/foundation/scalemap.h"
#include "library/foundation/types.h"
#include "library/instruments/common/leds.h"
#include "library/instruments/common/limitmarks.h"
#include "library/instruments/common/pointerprops.h"
#include "library/instruments/common/updatearea.h"
#include "library/instruments/common/valuemodel.h"
#include "platform/forms/messages.h"
#include "platform/graphics/font.h"

class TDigDisplay;
struct TFaceRoom;

// What the two panel meters share: one pointer on a straight scale, damping, a peak pointer, two
// limit events, flashing scale ends and two LEDs. A value update composes the static image,
// the pointers and the LEDs off screen and copies them to the screen in one block; it draws
// nothing when neither pointer moved by a pixel.
class TPanelMeter : public TOrvaneBase {
 public:
  ~TPanelMeter() override;

  // The target value; never clamped. Outside the scale the pointer rests at the nearer end and
  // that end's label flashes.
  double Value() const { return pointer_.Value; }
  void SetValue(double V);
  double ShownValue() const { return pointer_.ShownValue; }
  double PeakValue() const { return pointer_.PeakValue; }
  bool OverRange() const { return pointer_.OverRange; }
  bool UnderRange() const { return pointer_.UnderRange; }

  // Range ends within the meter's bound. Outside form reading a change resets the limits (and
  // zones) to their shares of the new range; while the form is read they only store.
  double ValueStart() const { return scale_.Start; }
  void SetValueStart(double V);
  double ValueEnd() const { return scale_.End; }
  void SetValueEnd(double V);
  // Logarithmic scale; switching it on outside form reading repairs the range.
  bool NonLinear() const { return scale_.NonLinear; }
  void SetNonLinear(bool V);
  int ScalaPart() const { return scala_part_; }  // 1..20
  void SetScalaPart(int V);
  int ScalaPsub() const { return scala_psub_; }  // -1 automatic, 0 none, 1..20
  void SetScalaPsub(int V);
  // Thresholds of the limit events: a lower limit outside the range becomes ValueStart; an
  // upper one below the range or above it becomes ValueEnd. No redraw.
  double UpperLimit() const { return upper_limit_; }
  void SetUpperLimit(double V);
  double LowerLimit() const { return lower_limit_; }
  void SetLowerLimit(double V);

  int Damping() const { return pointer_.Damping; }  // 0..10
  void SetDamping(int V);
  int DampPeak() const { return pointer_.DampPeak; }  // 0..1000
  void SetDampPeak(int V);
  TPeakPtrMode PeakMode() const { return pointer_.PeakMode; }
  void SetPeakMode(TPeakPtrMode V);

  TmShapeType Shape() const { return shape_; }
  void SetShape(TmShapeType V);
  TColor ColShape() const { return col_shape_; }
  void SetColShape(TColor V);
  TColor ColScala() const { return col_scala_; }
  void SetColScala(TColor V);
  TColor ColPointer() const { return col_pointer_; }
  void SetColPointer(TColor V);
  TColor ColPeakPtr() const { return col_peak_ptr_; }
  void SetColPeakPtr(TColor V);
  // Font of the caption texts; the setter copies it.
  TFont* FontCapt() const { return font_capt_.get(); }
  void SetFontCapt(const TFont* V);

  // LEDs. While LedEnable is off the switches are ignored (not stored).
  bool LedEnable() const { return led_enable_; }
  void SetLedEnable(bool V);
  TColor ColLed1() const { return leds_[0].Colour; }
  void SetColLed1(TColor V) { SetColLed(0, V); }
  TColor ColLed2() const { return leds_[1].Colour; }
  void SetColLed2(TColor V) { SetColLed(1, V); }
  bool LedOn1() const { return leds_[0].On; }
  void SetLedOn1(bool V) { SetLedOn(0, V); }
  bool LedOn2() const { return leds_[1].On; }
  void SetLedOn2(bool V) { SetLedOn(1, V); }
  bool LedBlink1() const { return leds_[0].Blink; }
  void SetLedBlink1(bool V) { SetLedBlink(0, V); }
  bool LedBlink2() const { return leds_[1].Blink; }
  void SetLedBlink2(bool V) { SetLedBlink(1, V); }

  // Fire when the shown value rises above UpperLimit or falls below LowerLimit, once per
  // crossing, before anything of that update is drawn.
  TNotifyEvent OnUpperLim;
  TNotifyEvent OnLowerLim;

  // Invalidates; the caption font's change handler.
  void StyleChanged(TObject* Sender);
  // One update step; Force redraws the moving parts even when nothing moved.
  void UpdatePointer(bool Force);

  bool Painted() const { return painted_; }
  const TLimitMarks& LimitMarks() const { return marks_; }
  // Pixel of the pointer and the peak pointer along the scale, as last drawn.
  int PointerPos() const { return pointer_pos_; }
  int PeakPos() const { return peak_pos_; }
  // Pixel of a value inside the range along the scale, by the last Paint's layout.
  int ValueToPixel(double V) const;
  TPoint LedCentre(int Index) const {  // LED 0..1
    assert(Index >= 0 && Index < 2);
    return led_centre_[Index];
  }
  // The scale's ticks and labels as the last Paint laid them out.
  const TScaleLayout& ScaleLayout() const { return scale_layout_; }

 protected:
  // Rules: the meter's row of the pointer instruments' rules. FromEnd: the scale's origin end
  // is ValueEnd (a vertical scale counting down from its top).
  TPanelMeter(TComponent* AOwner, const TPointerRules& Rules, bool FromEnd);

  void WndProc(TMessage& Message) override;
  void RepaintNow();
  // The log repair and a valid range before anything is laid out; sets the painted flag.
  void BeginPaint();
  // After the static image is done: marks reset, both pointers at StartPos, a forced update.
  void EndPaint(int StartPos);
  bool Reading() const;
  // After a stored range change: the class's defaults for the moved end, limits kept inside.
  void RangeMoved(bool Start);
  virtual void RangeStartChanged();
  virtual void RangeEndChanged();
  // Puts a limit that a range change left outside the range back by the limit setters' rule.
  void KeepLimitsInRange();
  // The face round the inner rectangle (see LayOutFace) drawn in the shape's colours, with
  // corners of Corner unless the shape is a rectangle.
  TRect DrawFace(TCanvas& Canvas, TRect& Inner, int Gap, int Overhang, TFaceRoom Room, int Corner);
  // The scale along its axis: Origin is the pixel of the scale start (the scale runs
  // scale_length_ pixels to the right, or up on the tall meter), the ticks run across from Base
  // to TickEnd, and the tall meter's labels are LabelWidth wide.
  struct TScaleGeometry {
    int Origin = 0;
    int Base = 0;
    int TickEnd = 0;
    int LabelWidth = 0;
  };
  // Draws the axis line, ticks and labels with the scale colour and records the end labels'
  // rectangles.
  void DrawScale(TCanvas& Canvas, const TScaleGeometry& Geometry);
  // The maker's mark in its small grey font, centred on CentreX.
  void DrawMakerMark(TCanvas& Canvas, int CentreX, int Y);
  // The moving parts over the static image in WorkBitmap, before the LEDs; Work is clipped to
  // the area being recomposed.
  virtual void DrawMovingParts(TCanvas& Work) = 0;
  // The area in which the moving parts differ after the pointer moved from OldPointer to
  // pointer_pos_ and the peak from OldPeak to peak_pos_.
  virtual TRect MovedArea(int OldPointer, int OldPeak) const = 0;
  // Refreshes what else follows the shown value (a readout; all of it with Force) in the static
  // image; returns the area it redrew.
  virtual TRect FollowShownValue(bool /*Force*/) { return TRect{}; }
  // The peak step runs after the limit events instead of before them.
  bool limits_before_peak_ = false;
  // The LEDs: centre and radius set by Paint.
  TMeterLed leds_[2];
  TPoint led_centre_[2];
  int led_radius_ = 0;
  // The scale as laid out by Paint: origin pixel and length.
  int scale_p0_ = 0;
  int scale_length_ = 0;
  TScaleRange scale_{0, 50};
  TLimitMarks marks_;
  TPointerModel pointer_;
  int pointer_pos_ = 0;
  int peak_pos_ = 0;
  TmShapeType shape_ = smtRoundrect;
  TColor col_shape_ = 0xFFFFFF;
  TColor col_scala_ = 0xFFFFFF;
  TColor col_pointer_ = 0x0000FF;
  TColor col_peak_ptr_ = 0x00FFFF;
  int scala_part_ = 5;
  int scala_psub_ = -1;
  double upper_limit_ = 45;
  double lower_limit_ = 0;
  bool led_enable_ = true;
  bool painted_ = false;

 private:
  void SetColLed(int Index, TColor V);
  void SetLedOn(int Index, bool V);
  void SetLedBlink(int Index, bool V);
  void BlinkTick();
  void DrawLed(int Index);
  void RepairLogRange();
  // Static image, moving parts and LEDs composed in Area of the work image and copied to the
  // screen.
  void Compose(const TRect& Area);
  TScaleLayout LayOutScale(TCanvas& Canvas, const TScaleGeometry& Geometry) const;

  TUpdateArea update_area_;
  TPointerRange range_;
  const bool from_end_;
  TInstrumentTicks ticks_;
  TLimitEvents limit_events_;
  std::unique_ptr<TFont> font_capt_;
  TScaleLayout scale_layout_;
};

// Wide panel meter: a horizontal scale with its labels above the baseline, a caption below it,
// a pointer rising from the bottom edge, the peak pointer above the labels and two LEDs in a
// column at the right (LED 1 the lower one).
class TMeterPanelH : public TPanelMeter {
 public:
  explicit TMeterPanelH(TComponent* AOwner);

  // At most 32 characters; every assignment repaints.
  const std::string& Caption() const { return caption_.str(); }
  void SetCaption(const std::string& V);

  // Geometry of the last Paint.
  const TRect& ScaleRect() const { return scale_rect_; }
  int Baseline() const { return baseline_; }

 protected:
  void Paint() override;
  void DrawMovingParts(TCanvas& Work) override;
  TRect MovedArea(int OldPointer, int OldPeak) const override;

 private:
  // The pointer's and the peak pointer's triangles at a place along the scale.
  void PointerAt(int X, TPoint (&Corners)[3]) const;
  void PeakAt(int X, TPoint (&Corners)[3]) const;
  string32 caption_ = "Panel Meter";
  TRect scale_rect_;
  int baseline_ = 0;
  int half_width_ = 0;
  int peak_top_ = 0;
};

// Tall panel meter: a segment readout of the shown value at the top, a name above and a unit
// text below a vertical scale, a pointer left of the scale, the peak pointer at the face's right
// edge and two LEDs in a row at the bottom (LED 1 the right one). The bar styles add a bar in
// three zone colours, or a column of LEDs, left of the scale.
class TMeterPanelV : public TPanelMeter {
 public:
  explicit TMeterPanelV(TComponent* AOwner);
  ~TMeterPanelV() override;

  // simpleMeter: pointer only; BarGraph: zone bar, no pointer; LedBar: LED column and pointer,
  // the peak shown by keeping its LED lit instead of a peak pointer.
  TMeterStyle MeterStyle() const { return meter_style_; }
  void SetMeterStyle(TMeterStyle V);
  // LEDs of the column: changed only in the LedBar style, at least 2 and at most a tenth of the
  // height (never below 1).
  int LedZahl() const { return led_zahl_; }
  void SetLedZahl(int V);
  // Zone bounds: ColMin below ValueMin, ColMid up to ValueMid, ColMax above. Each stays inside
  // ValueStart..ValueMid or ValueMin..ValueEnd; a range change resets them to 20 % and 80 %.
  double ValueMin() const { return value_min_; }
  void SetValueMin(double V);
  double ValueMid() const { return value_mid_; }
  void SetValueMid(double V);
  // Zone colours and the mask that dims the unlit part of bar and column; they redraw only the
  // moving parts.
  TColor ColMin() const { return col_min_; }
  void SetColMin(TColor V);
  TColor ColMid() const { return col_mid_; }
  void SetColMid(TColor V);
  TColor ColMax() const { return col_max_; }
  void SetColMax(TColor V);
  TColor ColAnd() const { return col_and_; }
  void SetColAnd(TColor V);

  // The readout: shown and its room reserved; five cells when the range reaches 1000, else four.
  bool DispEnable() const { return disp_enable_; }
  void SetDispEnable(bool V);
  // Decimals chosen so that the point jumps less while the value moves.
  bool DispFixPnt() const { return disp_fix_pnt_; }
  void SetDispFixPnt(bool V);
  bool DispItalic() const { return disp_italic_; }
  void SetDispItalic(bool V);
  TColor ColDBack() const { return col_dback_; }
  void SetColDBack(TColor V);
  TColor ColDRand() const { return col_drand_; }
  void SetColDRand(TColor V);
  TColor ColDisplay() const { return col_display_; }
  void SetColDisplay(TColor V);

  // Unit text below the scale and name text above it, in FontCapt.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& V);
  const std::string& TextName() const { return text_name_; }
  void SetTextName(const std::string& V);

  // Moves the peak back to the scale start (nothing when it is there already).
  void ResetPeak();

  // The readout text for a shown value; a value whose digits before the point do not fit the
  // cells shows dashes in every cell.
  static std::string ReadoutText(double Shown, double ValueStart, double ValueEnd, bool DispFixPnt);
  std::string ReadoutShows() const;
  int ReadoutCells() const;

  // Geometry of the last Paint: the scale strip (its Top and Bottom are the scale's ends), the
  // bar, the readout frame and the face.
  const TRect& ScaleStrip() const { return strip_; }
  const TRect& BarRect() const { return bar_; }
  const TRect& ReadoutRect() const { return readout_rect_; }
  const TRect& FaceRect() const { return face_; }

 protected:
  void Paint() override;
  void DrawMovingParts(TCanvas& Work) override;
  TRect MovedArea(int OldPointer, int OldPeak) const override;
  TRect FollowShownValue(bool Force) override;
  void RangeStartChanged() override;
  void RangeEndChanged() override;

 private:
  TRect LayoutFrame(TCanvas& Canvas);
  void DrawTextBand(TCanvas& Canvas, const TRect& Band, const std::string& Text);
  void DrawLedColumn(TCanvas& Work) const;
  void DrawZoneBar(TCanvas& Work) const;
  // The pointer's and the peak pointer's triangles at a row of the scale.
  void PointerAt(int Y, TPoint (&Corners)[3]) const;
  void PeakAt(int Y, TPoint (&Corners)[3]) const;
  // The rows of the bar from Top to Bottom (inclusive, in any order), across its width.
  TRect BarRows(int Top, int Bottom) const;
  TColor Dimmed(TColor Colour) const;

  std::unique_ptr<TDigDisplay> readout_;
  TMeterStyle meter_style_ = TMeterStyle::LedBar;
  int led_zahl_ = 20;
  double value_min_ = 10;
  double value_mid_ = 40;
  TColor col_min_ = 0x00FFFF;
  TColor col_mid_ = 0x00FF00;
  TColor col_max_ = 0x0000FF;
  TColor col_and_ = 0x02606060;
  bool disp_enable_ = true;
  bool disp_fix_pnt_ = false;
  bool disp_italic_ = false;
  TColor col_dback_ = 0x000000;
  TColor col_drand_ = 0xFFFFFF;
  TColor col_display_ = 0xFFFF00;
  std::string caption_ = "Amp";
  std::string text_name_ = "STROM";
  TRect strip_;
  TRect bar_;
  TRect readout_rect_;
  TRect face_;
  int half_height_ = 0;
  int y_min_ = 0;
  int y_mid_ = 0;
};

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
  // A value stored while the form was read shows as its share of the range read with it.
  void Loaded() override;
  // The frame's press rule, then the class library's mouse events.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;

 private:
  void RepaintNow();
  void UpdateGauge();
  void DrawSegments(bool Vertical);
  // The bar area with every segment lit and with every one unlit, made from the screen after
  // each Paint; an update copies the lit part from one and the rest from the other.
  void MakeSegmentStrips(bool Vertical, const TRect& Area, int Fitting);
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
  TBitmap strips_[2];  // unlit, lit
  bool strips_valid_ = false;
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
