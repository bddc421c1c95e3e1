#pragma once
// Unit Instrund: the round pointer meters.
//
// A round meter draws its dial (face, colour bands, scale, readout frame, caption, LED sockets)
// once per Paint into its static bitmap, in a logical plane of dial units fitted to the control.
// A value update composes static image, pointer, peak pointer and LEDs in the work bitmap and
// copies that to the screen in one block; it draws nothing when the pointer tips keep their
// pixels and the readout text is unchanged. Before the first Paint setters only store.
//
// "Repaint" below means: store, and once painted run Paint at once.

#include <cassert>
#include <memory>
#include <string>

#include "library/foundation/dialmap.h"
#include "library/foundation/frame.h"
#include "library/foundation/scalemap.h"
#include "library/foundation/types.h"
#include "library/instruments/common/leds.h"
#include "library/instruments/common/limitmarks.h"
#include "library/instruments/common/pointerprops.h"
#include "library/instruments/common/updatearea.h"
#include "library/instruments/common/valuemodel.h"
#include "platform/forms/messages.h"

class TDigDisplay;

// What the 120, 180 and 270-degree meters share: one pointer on one scale with three colour
// bands, a peak pointer, a four-cell readout, two LEDs, flashing scale ends and two limit events.
// Each meter lays out its own dial (DrawDialFace) in its logical plane.
class TRoundMeter : public TOrvaneBase {
 public:
  ~TRoundMeter() override;

  // The target value; never clamped. Outside the scale the pointer rests at the nearer end and
  // that end's label flashes.
  double Value() const { return pointer_.Value; }
  void SetValue(double V);
  // Where the pointer and the peak pointer stand now.
  double ShownValue() const { return pointer_.ShownValue; }
  double PeakValue() const { return pointer_.PeakValue; }
  // The last update found the shown value above / below the scale.
  bool OverRange() const { return pointer_.OverRange; }
  bool UnderRange() const { return pointer_.UnderRange; }

  TColor ColMin() const { return col_min_; }
  void SetColMin(TColor V);
  TColor ColMid() const { return col_mid_; }
  void SetColMid(TColor V);
  TColor ColMax() const { return col_max_; }
  void SetColMax(TColor V);
  // Pointer and peak colours redraw only the moving parts.
  TColor ColPointer() const { return col_pointer_; }
  void SetColPointer(TColor V);
  TColor ColPeakPtr() const { return col_peak_ptr_; }
  void SetColPeakPtr(TColor V);
  TColor ColDBack() const { return col_dback_; }  // readout background
  void SetColDBack(TColor V);
  TColor ColDRand() const { return col_drand_; }  // readout frame line
  void SetColDRand(TColor V);
  TColor ColDisplay() const { return col_display_; }  // readout segments
  void SetColDisplay(TColor V);
  TColor ColScala() const { return col_scala_; }  // ticks
  void SetColScala(TColor V);
  TColor ColShape() const { return col_shape_; }  // face outline
  void SetColShape(TColor V);

  // Range ends, -1000..1000. Outside form reading a change resets the three bands to slices of
  // a tenth of the range and pulls Value into the new range (ValueStart also moves the peak to
  // the start). While the form is read they only store.
  double ValueStart() const { return scale_.Start; }
  void SetValueStart(double V);
  double ValueEnd() const { return scale_.End; }
  void SetValueEnd(double V);
  // The colour bands (ColMin, ColMid, ColMax), each kept inside the range with its lower bound
  // one unit below its upper one; the bands may overlap. While the form is read they only store.
  double ValueMinA() const { return bands_.Get(TColourBands::MinA); }
  void SetValueMinA(double V);
  double ValueMinE() const { return bands_.Get(TColourBands::MinE); }
  void SetValueMinE(double V);
  double ValueMidA() const { return bands_.Get(TColourBands::MidA); }
  void SetValueMidA(double V);
  double ValueMidE() const { return bands_.Get(TColourBands::MidE); }
  void SetValueMidE(double V);
  double ValueMaxA() const { return bands_.Get(TColourBands::MaxA); }
  void SetValueMaxA(double V);
  double ValueMaxE() const { return bands_.Get(TColourBands::MaxE); }
  void SetValueMaxE(double V);

  int ScalaPart() const { return scala_part_; }  // major divisions, 1..20
  void SetScalaPart(int V);
  // Minor ticks per division: -1 automatic (one in the middle for fewer divisions than the
  // meter's threshold), 0 none.
  int ScalaPsub() const { return scala_psub_; }
  void SetScalaPsub(int V);
  // Logarithmic scale. Switching it on outside form reading repairs the range (non-positive
  // values become 0.001, ends snap to decades, at most 1000).
  bool NonLinear() const { return scale_.NonLinear; }
  void SetNonLinear(bool V);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& V);  // repaints on every assignment

  // LEDs. The switches store also while LedEnable is off; the LEDs are drawn only while it is on.
  TColor ColLed1() const { return leds_[0].Colour; }
  void SetColLed1(TColor V) { SetColLed(0, V); }
  TColor ColLed2() const { return leds_[1].Colour; }
  void SetColLed2(TColor V) { SetColLed(1, V); }
  bool LedEnable() const { return led_enable_; }
  void SetLedEnable(bool V);
  bool LedOn1() const { return leds_[0].On; }
  void SetLedOn1(bool V) { SetLedOn(0, V); }
  bool LedOn2() const { return leds_[1].On; }
  void SetLedOn2(bool V) { SetLedOn(1, V); }
  bool LedBlink1() const { return leds_[0].Blink; }
  void SetLedBlink1(bool V) { SetLedBlink(0, V); }
  bool LedBlink2() const { return leds_[1].Blink; }
  void SetLedBlink2(bool V) { SetLedBlink(1, V); }

  // The four-cell readout of the shown value.
  bool DispEnable() const { return disp_enable_; }
  void SetDispEnable(bool V);
  bool DispItalic() const { return disp_italic_; }
  void SetDispItalic(bool V);
  // Decimals by the range instead of by the value, so the point stays put.
  bool DispFixPnt() const { return disp_fix_pnt_; }
  void SetDispFixPnt(bool V);

  // Damping 0..10: each tick moves the shown value by 1 / (Damping + 1) of its distance to
  // Value. Any value above 0 runs the damping record on every tick; 0 stops it.
  int Damping() const { return pointer_.Damping; }
  void SetDamping(int V);
  // Weight 0..1000 of the old peak in the dragged peak pointer.
  int DampPeak() const { return pointer_.DampPeak; }
  void SetDampPeak(int V);
  TPeakPtrMode PeakMode() const { return pointer_.PeakMode; }
  void SetPeakMode(TPeakPtrMode V);

  // Fire when the shown value rises above ValueMaxA or falls below ValueMinE, once per
  // crossing, before anything of that update is drawn (ShownValue already holds the new value).
  TNotifyEvent OnUpperLim;
  TNotifyEvent OnLowerLim;

  // Moves the peak pointer back to the scale start (nothing when it is there already).
  void ResetPeak();
  // Invalidates; for binding to change notifications.
  void StyleChanged(TObject* Sender);
  // One update step; Force redraws the moving parts even when nothing moved.
  void UpdatePointer(bool Force);

  // Geometry of the last Paint, for callers that place things over the dial.
  const TDialMapping& DialMapping() const { return map_; }
  TPoint Pivot() const { return pivot_; }
  const TRect& DispRect() const { return disp_rect_; }
  const TLimitMarks& LimitMarks() const { return marks_; }
  bool Painted() const { return painted_; }

 protected:
  // Sweep: the scale's angle in degrees. AutoMinorBelow: with ScalaPsub -1, one minor tick per
  // division while ScalaPart is below it.
  TRoundMeter(TComponent* AOwner, double Sweep, int AutoMinorBelow);

  void Paint() override;
  void WndProc(TMessage& Message) override;
  void RepaintNow();

  // Draws the meter's own dial into the static image: face, mapping, bands, scale, readout
  // frame, caption, hub, pointer shapes, LED sockets and maker mark. False when the control is
  // too small for a dial (only the frame is shown then).
  virtual bool DrawDialFace(TCanvas& Canvas) = 0;

  // The face of the meters with border-dependent faces: inside the frame by a fortieth of the
  // smaller side, or a fifth of it beyond a switched-off side. Sets the mapping's pixel origin
  // and extent to the inner rectangle and returns the face rectangle.
  TRect DrawBorderedFace(TCanvas& Canvas, bool RoundCorners);
  // Solid one-pixel pen in ColShape, solid brush in ColBack.
  void PrepareFacePen(TCanvas& Canvas);
  // Pieces of a dial, for DrawDialFace, given mapped points; the mapping, pivot_, r0_ (the
  // reference ray), direction_ and angle_offset_ are set first.
  // The colour bands as pies in Outer, then the inside (Inner) erased in the face colour, by a
  // pie over the scale or (FullCircle) a whole circle, leaving a ring.
  void DrawBandRing(TCanvas& Canvas, const TRect& Outer, const TRect& Inner, bool FullCircle);
  struct TScaleGeometry {
    TPoint T1, T2, LogMinor;      // tick ends at value angle 0 before BaseTurn
    double BaseTurn = 0;          // turns them onto the reference ray
    bool LabelsBelow = false;     // labels beside the inner tick end instead of beyond the outer
    bool WidthOnControl = false;  // linear label width measured in the control's own font
  };
  void DrawScale(TCanvas& Canvas, const TScaleGeometry& Geometry);
  // The readout frame at Rect (corners in any order) with its cells; returns the ordered rect.
  void DrawReadoutFrame(TCanvas& Canvas, TPoint A, TPoint B);
  void DrawHub(TCanvas& Canvas, int Radius);
  // Pointer and peak triangles built pointing up at the pivot, turned onto the scale start.
  void SetPointerShapes(const TPoint (&Pointer)[3], const TPoint (&Peak)[3], double Turn);
  // Sockets of both LEDs at led_centre_ with led_radius_ (one pixel less afterwards) and the
  // LEDs themselves, when LedEnable is on.
  void DrawLedSockets(TCanvas& Canvas);
  // The maker mark with its top at Y, starting at X (or ending there, with RightAligned).
  void DrawMark(TCanvas& Canvas, int X, int Y, bool RightAligned);

  // The hub fill of the meters that have one.
  TColor ColCircleValue() const { return col_circle_; }
  void StoreColCircle(TColor V);
  // The orientation of the meters that turn.
  TOrientType OrientationValue() const { return orientation_; }
  void StoreOrientation(TOrientType V);

  TDialMapping map_;
  TRect face_clip_;
  bool clip_to_face_ = false;
  bool update_after_tick_ = false;
  int led_radius_ = 0;
  TPoint led_centre_[2];
  TRect disp_rect_;
  TPoint pivot_;
  TPoint r0_;
  int direction_ = 1;
  double angle_offset_ = 0;
  std::string caption_;

 private:
  void SetColLed(int Index, TColor V);
  void SetLedOn(int Index, bool V);
  void SetLedBlink(int Index, bool V);
  void DampTick();
  void BlinkTick();
  void DrawLed(int Index);
  void DrawLedInto(TCanvas& Canvas, int Index) const;
  bool Reading() const;
  void SetBand(TColourBands::TBound Which, double V);
  void RepairLogRange();
  void DrawDial();
  double PointerAngle() const;
  // Static image, pointers and LEDs composed in Area of the work image and copied to the screen.
  void Compose(const TRect& Area);
  // The box of the pointers as they stand now.
  TRect PointerBox() const;

  const double sweep_;
  const int auto_minor_below_;
  TInstrumentTicks ticks_;
  std::unique_ptr<TDigDisplay> readout_;
  TPointerModel pointer_;
  TScaleRange scale_{0, 100};
  TPointerRange range_{kRoundMeterRules, scale_, pointer_.Value, &pointer_.PeakValue};
  TColourBands bands_;
  TLimitEvents limit_events_;
  TLimitMarks marks_;
  TUpdateArea update_area_;
  TMeterLed leds_[2];

  bool painted_ = false;
  bool layout_valid_ = false;
  TPoint peak_poly_[3];
  TPoint peak_base_[3];
  TPoint pointer_poly_[3];
  TPoint pointer_base_[3];

  TOrientType orientation_ = orTop;
  TColor col_min_ = 0x00FFFF;
  TColor col_mid_ = 0x00FF00;
  TColor col_max_ = 0x0000FF;
  TColor col_pointer_ = 0x0000FF;
  TColor col_peak_ptr_ = 0x00FFFF;
  TColor col_dback_ = 0x000000;
  TColor col_drand_ = 0xFFFFFF;
  TColor col_display_ = 0xFFFF00;
  TColor col_scala_ = 0xFFFFFF;
  TColor col_shape_ = 0xFFFFFF;
  TColor col_circle_ = 0x808080;
  int scala_part_ = 10;
  int scala_psub_ = -1;
  bool led_enable_ = true;
  bool disp_enable_ = true;
  bool disp_italic_ = false;
  bool disp_fix_pnt_ = false;
};

// Pointer meter with a 120-degree arc whose pivot lies outside the face. Orientation turns the
// arc: orTop runs from 10 to 2 o'clock, orBottom from 8 over 6 to 4, orLeft from 5 up to 1,
// orRight from 7 up to 11 o'clock.
class TMeter120 : public TRoundMeter {
 public:
  explicit TMeter120(TComponent* AOwner);

  TmShapeType Shape() const { return shape_; }
  void SetShape(TmShapeType V);
  TOrientType Orientation() const { return OrientationValue(); }
  void SetOrientation(TOrientType V) { StoreOrientation(V); }  // invalidates

 protected:
  bool DrawDialFace(TCanvas& Canvas) override;

 private:
  bool LayoutDial(TCanvas& Canvas);
  TmShapeType shape_ = smtRoundrect;
};

// Half-circle meter with the pivot inside the face on a hub. orTop runs from 9 over 12 to
// 3 o'clock, orBottom from 9 over 6 to 3, orLeft from 6 over 3 to 12, orRight from 6 over 9 to 12.
class TMeter180 : public TRoundMeter {
 public:
  explicit TMeter180(TComponent* AOwner);

  TmShapeType Shape() const { return shape_; }
  void SetShape(TmShapeType V);
  TOrientType Orientation() const { return OrientationValue(); }
  void SetOrientation(TOrientType V) { StoreOrientation(V); }  // invalidates
  TColor ColCircle() const { return ColCircleValue(); }        // hub fill
  void SetColCircle(TColor V) { StoreColCircle(V); }

 protected:
  bool DrawDialFace(TCanvas& Canvas) override;

 private:
  bool LayoutDial(TCanvas& Canvas);
  TmShapeType shape_ = smtRoundrect;
};

// Meter with a 270-degree scale round a centred pivot: from the lower left clockwise over the top
// to the lower right. The face is a rectangle, a square, either with round corners, or a circle.
class TMeter270 : public TRoundMeter {
 public:
  explicit TMeter270(TComponent* AOwner);

  TShapeTypeT Shape() const { return shape_; }
  void SetShape(TShapeTypeT V);
  TColor ColCircle() const { return ColCircleValue(); }  // hub fill
  void SetColCircle(TColor V) { StoreColCircle(V); }

 protected:
  bool DrawDialFace(TCanvas& Canvas) override;

 private:
  TShapeTypeT shape_ = sstRoundrect;
};

// Full-circle meter with two concentric scales, like an altimeter: a long pointer on the outer
// scale (Value1) and a short one on the inner scale (Value2), each damped on its own, a peak
// pointer on the inner scale, two round LEDs in the lower corners and two triangular ones in the
// upper corners, and two captions. Values grow clockwise from 6 o'clock and wrap round the dial
// beyond the range; on a logarithmic scale values at or below its start point at the start.
// No readout, colour bands, range flags or limit events. Face shapes as TMeter270.
class TMeter360 : public TOrvaneBase {
 public:
  explicit TMeter360(TComponent* AOwner);
  ~TMeter360() override;

  TShapeTypeT Shape() const { return shape_; }
  void SetShape(TShapeTypeT V);
  TColor ColPointer1() const { return col_pointer_[0]; }
  void SetColPointer1(TColor V);
  TColor ColPointer2() const { return col_pointer_[1]; }
  void SetColPointer2(TColor V);
  TColor ColPeakPtr() const { return col_peak_ptr_; }
  void SetColPeakPtr(TColor V);
  // Label colours of the outer and inner scale.
  TColor ColFont1() const { return scales_[0].col_font; }
  void SetColFont1(TColor V);
  TColor ColFont2() const { return scales_[1].col_font; }
  void SetColFont2(TColor V);
  // Tick and ring colours of the outer and inner scale.
  TColor ColScala1() const { return scales_[0].col_scala; }
  void SetColScala1(TColor V);
  TColor ColScala2() const { return scales_[1].col_scala; }
  void SetColScala2(TColor V);
  TColor ColShape() const { return col_shape_; }  // face and hub outline
  void SetColShape(TColor V);
  TColor ColCircle() const { return col_circle_; }  // hub fill
  void SetColCircle(TColor V);

  // Target values; never clamped.
  double Value1() const { return pointers_[0].Value; }
  void SetValue1(double V);
  double Value2() const { return pointers_[1].Value; }
  void SetValue2(double V);
  double ShownValue1() const { return pointers_[0].ShownValue; }
  double ShownValue2() const { return pointers_[1].ShownValue; }
  // The peak of the inner pointer; not held to the scale.
  double PeakValue() const { return pointers_[1].PeakValue; }

  // Outer range within -1000..1000, inner within -100000..100000. A change pulls the scale's
  // value into the new range; ValueStart2 also moves the peak to the start. While the form is
  // read they only store.
  double ValueStart1() const { return scales_[0].range.Start; }
  void SetValueStart1(double V) { SetValueStart(0, V); }
  double ValueEnd1() const { return scales_[0].range.End; }
  void SetValueEnd1(double V) { SetValueEnd(0, V); }
  double ValueStart2() const { return scales_[1].range.Start; }
  void SetValueStart2(double V) { SetValueStart(1, V); }
  double ValueEnd2() const { return scales_[1].range.End; }
  void SetValueEnd2(double V) { SetValueEnd(1, V); }
  int ScalaPart1() const { return scales_[0].part; }  // 1..20
  void SetScalaPart1(int V) { SetScalaPart(0, V); }
  int ScalaPart2() const { return scales_[1].part; }
  void SetScalaPart2(int V) { SetScalaPart(1, V); }
  int ScalaPsub1() const { return scales_[0].psub; }  // -1 automatic, 0 none, 1..20
  void SetScalaPsub1(int V) { SetScalaPsub(0, V); }
  int ScalaPsub2() const { return scales_[1].psub; }
  void SetScalaPsub2(int V) { SetScalaPsub(1, V); }
  // Logarithmic scales; switching one on outside form reading repairs its range (non-positive
  // values become 0.001, ends snap to decades, at most 1000).
  bool NonLinear1() const { return scales_[0].range.NonLinear; }
  void SetNonLinear1(bool V) { SetNonLinear(0, V); }
  bool NonLinear2() const { return scales_[1].range.NonLinear; }
  void SetNonLinear2(bool V) { SetNonLinear(1, V); }
  // Outer caption above the pivot, inner caption below it; every assignment repaints.
  const std::string& Caption1() const { return scales_[0].caption; }
  void SetCaption1(const std::string& V);
  const std::string& Caption2() const { return scales_[1].caption; }
  void SetCaption2(const std::string& V);

  // LEDs 1 and 2 (round, lower corners) are shown with LedEnable1, LEDs 3 and 4 (triangles,
  // upper corners) with LedEnable2. The switches store also while their LEDs are hidden.
  bool LedEnable1() const { return led_enable_[0]; }
  void SetLedEnable1(bool V);
  bool LedEnable2() const { return led_enable_[1]; }
  void SetLedEnable2(bool V);
  TColor ColLed1() const { return leds_[0].Colour; }
  void SetColLed1(TColor V) { SetColLed(0, V); }
  bool LedOn1() const { return leds_[0].On; }
  void SetLedOn1(bool V) { SetLedOn(0, V); }
  bool LedBlink1() const { return leds_[0].Blink; }
  void SetLedBlink1(bool V) { SetLedBlink(0, V); }
  TColor ColLed2() const { return leds_[1].Colour; }
  void SetColLed2(TColor V) { SetColLed(1, V); }
  bool LedOn2() const { return leds_[1].On; }
  void SetLedOn2(bool V) { SetLedOn(1, V); }
  bool LedBlink2() const { return leds_[1].Blink; }
  void SetLedBlink2(bool V) { SetLedBlink(1, V); }
  TColor ColLed3() const { return leds_[2].Colour; }
  void SetColLed3(TColor V) { SetColLed(2, V); }
  bool LedOn3() const { return leds_[2].On; }
  void SetLedOn3(bool V) { SetLedOn(2, V); }
  bool LedBlink3() const { return leds_[2].Blink; }
  void SetLedBlink3(bool V) { SetLedBlink(2, V); }
  TColor ColLed4() const { return leds_[3].Colour; }
  void SetColLed4(TColor V) { SetColLed(3, V); }
  bool LedOn4() const { return leds_[3].On; }
  void SetLedOn4(bool V) { SetLedOn(3, V); }
  bool LedBlink4() const { return leds_[3].Blink; }
  void SetLedBlink4(bool V) { SetLedBlink(3, V); }

  // Damping of each pointer, 0..50. The damping record runs while either is above 0.
  int Damping1() const { return pointers_[0].Damping; }
  void SetDamping1(int V) { SetDamping(0, V); }
  int Damping2() const { return pointers_[1].Damping; }
  void SetDamping2(int V) { SetDamping(1, V); }
  int DampPeak() const { return pointers_[1].DampPeak; }  // 0..1000
  void SetDampPeak(int V);
  TPeakPtrMode PeakMode() const { return pointers_[1].PeakMode; }
  void SetPeakMode(TPeakPtrMode V);

  // Moves the peak back to the inner scale's start (nothing when it is there already).
  void ResetPeak();
  // Invalidates; for binding to change notifications.
  void StyleChanged(TObject* Sender);
  // One update step of both pointers; Force redraws even when no tip moved.
  void UpdatePointer(bool Force);

  // Geometry of the last Paint.
  const TDialMapping& DialMapping() const { return map_; }
  TPoint Pivot() const { return pivot_; }
  TPoint LedCentre(int Number) const {  // LED 1..4
    assert(Number >= 1 && Number <= 4);
    return led_centre_[Number - 1];
  }
  int LedRadius() const { return led_radius_; }
  int TriangleSize() const { return triangle_size_; }
  bool Painted() const { return painted_; }
  // Degrees clockwise from 6 o'clock at which a value of a scale (0 outer, 1 inner) points.
  double ScaleAngle(int Scale, double V) const;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  struct TRing {
    TScaleRange range;
    int part = 10;
    int psub = -1;
    TColor col_font;
    TColor col_scala;
    std::string caption;
  };
  struct TPointerShape {
    TPoint base[3];  // at the scale start
    TPoint poly[3];  // as drawn
  };

  void RepaintNow();
  bool Reading() const;
  void SetValue(int Index, double V);
  void SetValueStart(int Index, double V);
  void SetValueEnd(int Index, double V);
  void SetScalaPart(int Index, int V);
  void SetScalaPsub(int Index, int V);
  void SetNonLinear(int Index, bool V);
  void SetDamping(int Index, int V);
  void SetColour(TColor& Field, TColor V);
  void SetColLed(int Index, TColor V);
  void SetLedOn(int Index, bool V);
  void SetLedBlink(int Index, bool V);
  bool LedShown(int Index) const;
  void DrawLed(int Index);
  void DrawLedInto(TCanvas& Canvas, int Index) const;
  void BlinkTick();
  void DrawRing(TCanvas& Canvas, int Index, int Inner, int Outer, bool LabelsInside);
  void DrawLedSockets(TCanvas& Canvas);
  TRect LedBox(int Index) const;
  // Static image, pointers and LEDs composed in Area of the work image and copied to the screen.
  void Compose(const TRect& Area);

  TInstrumentTicks ticks_;
  TPointerModel pointers_[2];
  TRing scales_[2];
  // Outer and inner range: the peak pointer is on the inner scale.
  TPointerRange ranges_[2] = {
      {kMeter360OuterRules, scales_[0].range, pointers_[0].Value},
      {kMeter360InnerRules, scales_[1].range, pointers_[1].Value, &pointers_[1].PeakValue}};
  TMeterLed leds_[4];
  bool led_enable_[2] = {true, true};
  TShapeTypeT shape_ = sstRoundrect;
  TColor col_pointer_[2] = {0x0000FF, 0x0000FF};
  TColor col_peak_ptr_ = 0x00FF00;
  TColor col_shape_ = 0xFFFFFF;
  TColor col_circle_ = 0x808080;

  TDialMapping map_;
  TPoint pivot_;
  TPoint led_centre_[4];
  int led_radius_ = 0;
  int triangle_size_ = 0;
  TPointerShape pointer_shapes_[2];
  TPointerShape peak_shape_;
  TUpdateArea update_area_;
  bool painted_ = false;
  bool layout_valid_ = false;
};
