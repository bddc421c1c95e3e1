#pragma once
// Unit Potis: the operating elements that set a value with the mouse.
//
//   TPoti270, TSelector270     rotary potentiometer and rotary switch (270-degree arc)
//   TPotiSlide, TSelectorSlide vertical slide potentiometer and slide switch
//   TSlider                    flat horizontal or vertical slider, continuous or switching
//   TPoti10T                   ten-turn rotary potentiometer with readout and LEDs
//
// All of them drag with a plain left press (see DragsWith). During a drag the changing event
// fires after each change of the value or position (the new value is already stored); the
// release fires the changed event when anything changed since the press, and the preset event
// when the press was on the preset button (the application sets the preset value itself).
//
// Value and position setters store only while the form is read; otherwise they clamp (or ignore
// a position out of range) and redraw only the moving part. "Repaints" below means the control
// is invalidated and painted again from the event loop. Before the first paint nothing draws.

#include <cassert>
#include <memory>
#include <string>

#include "library/foundation/dialmap.h"
#include "library/foundation/frame.h"
#include "library/foundation/scalemap.h"
#include "library/foundation/types.h"
#include "library/instruments/common/dragmodel.h"
#include "library/instruments/common/leds.h"
#include "library/instruments/common/pointerprops.h"
#include "platform/base/stringlist.h"
#include "platform/forms/stdctrls/types.h"
#include "platform/graphics/draw_helpers.h"

class TBitmap;
class TDigDisplay;

enum TButtonDir { btCrossWise, btLengthWise, btSquare };

// The logical plane of the rotary controls: the shorter side of the area spans -1000..1000
// units, the longer one as much more as its length asks, y grows upward, one unit has the same
// pixel size on both axes. Angles count from straight down, clockwise on the screen.
struct TRotaryPlane {
  TDialMapping Map;
  TPoint Centre;

  // Lays the plane over Area (the frame's inner rectangle, shrunk first by a fortieth of the
  // control's smaller side). False when nothing is left of it: such a control draws its frame
  // only and ignores the mouse.
  bool Setup(TRect Area, int Width, int Height);
  bool Valid() const { return Map.Valid(); }
  TPoint MapPoint(int X, int Y) const { return Map.MapDistance(X, Y); }
  // Pixel length of Units logical units, measured vertically.
  int Pixels(int Units) const;
};

// The entries of a selector's PosText, one per position: "text | integer or colour | float".
// A position without an entry reads as an empty text and zeros.
class TPositionTexts {
 public:
  TPositionTexts();
  TStringList* List() { return &list_; }
  const TStringList* List() const { return &list_; }

  std::string Text(int Position) const;
  int32_t Integer(int Position) const;
  TColor Color(int Position) const;
  double Float(int Position) const;

  // The first position 0..Last whose field equals the value, -1 when there is none.
  int FindText(const std::string& V, int Last) const;
  int FindInteger(int32_t V, int Last) const;
  int FindColor(TColor V, int Last) const;
  int FindFloat(double V, int Last) const;

 private:
  template <class F>
  int Find(int Last, F&& Matches) const;
  TStringList list_;
};

// ---- The frame controls: caption box, preset button and mouse handling ----

class TInputFrame : public TRahmen {
 public:
  // The caption box under the scale; at most 10 characters are kept. A new caption or caption
  // colour redraws the box at once.
  const string10& Caption() const { return caption_; }
  void SetCaption(const std::string& V);
  bool CaptEnable() const { return capt_enable_; }
  void SetCaptEnable(bool V);
  TPanelBevel CaptBevel() const { return capt_bevel_; }
  void SetCaptBevel(TPanelBevel V);
  TColor ColCaption() const { return col_caption_; }
  void SetColCaption(TColor V);
  // The preset button and the fill of its inner rectangle.
  bool PresEnable() const { return pres_enable_; }
  void SetPresEnable(bool V);
  TColor ColPreset() const { return col_preset_; }
  void SetColPreset(TColor V);
  TColor ColScala() const { return col_scala_; }
  void SetColScala(TColor V);
  TColor ColButton() const { return col_button_; }
  void SetColButton(TColor V);

  TNotifyEvent onChanging;
  TNotifyEvent onChanged;
  TNotifyEvent onPreset;

  // Repaints; bound to the change notifications of owned lists.
  void StyleChanged(TObject* Sender);
  bool Painted() const { return painted_; }
  const TRect& PresetRect() const { return preset_rect_; }
  const TRect& CaptionRect() const { return caption_rect_; }

 protected:
  // DragTick: the drag record's callback of a control with a drag delay, else empty.
  TInputFrame(TComponent* AOwner, TTickProc DragTick);

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // A dragging press away from the preset button, and a dragging move.
  virtual void PressAt(int X, int Y) = 0;
  virtual void DragTo(int X, int Y) = 0;

  // The caption box at caption_rect_ (only once painted and with CaptEnable).
  void DrawCaption();
  // The bevel round the caption box; shrinks the rectangle by the bevel.
  void DrawCaptionBevel(TCanvas& C, TRect& Box) const;
  void DrawPresetButton(bool Down);
  bool Reading() const { return ComponentState().Contains(csReading); }

  TDragModel drag_;
  bool painted_ = false;
  TRect preset_rect_;
  TRect caption_rect_;
  TColor col_scala_ = clBlack;
  TColor col_button_ = 0xBFBF00;

 private:
  string10 caption_;
  bool capt_enable_ = false;
  TPanelBevel capt_bevel_ = bvNone;
  TColor col_caption_ = clBlack;
  bool pres_enable_ = false;
  TColor col_preset_ = clBlack;
};

// A round knob with a pointer line over a 270-degree scale.
class TRotaryInput : public TInputFrame {
 public:
  // Pointer colour; the pointer is drawn in exclusive-or mode.
  TColor ColPointer() const { return col_pointer_; }
  void SetColPointer(TColor V);
  TColor ColLight() const { return col_light_; }  // lit upper-left half of the rim
  void SetColLight(TColor V);
  TColor ColShade() const { return col_shade_; }  // shadow at the lower right of the rim
  void SetColShade(TColor V);
  // Stored only; the drawing does not depend on it.
  bool ButtonSmall() const { return button_small_; }
  void SetButtonSmall(bool V);

  // Moves the pointer to the current value or position (draws nothing when it stays).
  void DrawPointer();
  const TRotaryPlane& Plane() const { return plane_; }
  // Pixel tip of the pointer now.
  TPoint PointerTip() const { return tip_; }

 protected:
  TRotaryInput(TComponent* AOwner, TTickProc DragTick);
  void Paint() override;
  // The arc or the position dots, with their labels.
  virtual void DrawScale(TCanvas& C) = 0;
  // Pointer angle from the start of the arc, 0..270.
  virtual double PointerAngle() const = 0;
  void PressAt(int X, int Y) override;
  void DragTo(int X, int Y) override;
  // The value or position of a point at arc angle U, at a press and during a drag.
  virtual void PressArc(double U) = 0;
  virtual void DragArc(double LastAngle, double PointAngle) = 0;

  TRotaryPlane plane_;
  TPoint last_point_;

 private:
  void DrawPointerLine(TCanvas& C);
  TColor col_pointer_ = clSilver;
  TColor col_light_ = 0xF0F0B0;
  TColor col_shade_ = clGray;
  bool button_small_ = false;
  TPoint start_tip_;
  TPoint tip_;
};

class TPoti270 : public TRotaryInput {
 public:
  explicit TPoti270(TComponent* AOwner);

  double Value() const { return value_; }
  void SetValue(double V);
  // Range ends within -100..100; a change pulls Value into the new range.
  double ValueStart() const { return start_; }
  void SetValueStart(double V);
  double ValueEnd() const { return end_; }
  void SetValueEnd(double V);
  // Scale divisions, 1..10.
  int ScalaPart() const { return scala_part_; }
  void SetScalaPart(int V);
  // 0 sets the value at once; n > 0 lets it follow the mouse across the range in n * 15 ticks.
  int DragDelay() const { return drag_.DragDelay(); }
  void SetDragDelay(int V) { drag_.SetDragDelay(V); }

 protected:
  void DrawScale(TCanvas& C) override;
  double PointerAngle() const override;
  void PressArc(double U) override;
  void DragArc(double LastAngle, double PointAngle) override;

 private:
  void DragTick();
  double value_ = 0;
  double start_ = 0;
  double end_ = 10;
  int scala_part_ = 5;
};

class TSelector270 : public TRotaryInput {
 public:
  explicit TSelector270(TComponent* AOwner);

  // 0..ScalaPart; other positions are ignored.
  int Position() const { return position_; }
  void SetPosition(int V);
  // The highest position, 1..20; Position is lowered to it when higher.
  int ScalaPart() const { return scala_part_; }
  void SetScalaPart(int V);

  // One entry per position, copied in by SetPosText; any change repaints.
  TStringList* PosText() { return texts_.List(); }
  void SetPosText(const TStringList* V);
  // The fields of the entry at Position. Writing one selects the first position up to
  // ScalaPart whose entry holds that value (nothing happens without a match, or while the form
  // is loaded).
  std::string PosString() const { return texts_.Text(position_); }
  void SetPosString(const std::string& V);
  int32_t Posinteger() const { return texts_.Integer(position_); }
  void SetPosinteger(int32_t V);
  TColor PosColor() const { return texts_.Color(position_); }
  void SetPosColor(TColor V);
  double PosFloat() const { return texts_.Float(position_); }
  void SetPosFloat(double V);

 protected:
  void DrawScale(TCanvas& C) override;
  double PointerAngle() const override;
  void PressArc(double U) override;
  void DragArc(double LastAngle, double PointAngle) override;

 private:
  void Select(int Found);
  TPositionTexts texts_;
  int position_ = 0;
  int scala_part_ = 4;
};

// A knob bitmap moving in a vertical trench over a saved copy of the background under it.
class TSlideInput : public TInputFrame {
 public:
  // Moves the knob to the current value or position (draws nothing when it stays).
  void MoveKnob();
  const TRect& KnobRect() const { return knob_rect_; }
  // The travel: its top pixel row and its length.
  int TravelTop() const { return travel_top_; }
  int TravelLength() const { return travel_length_; }

 protected:
  TSlideInput(TComponent* AOwner, TTickProc DragTick);
  ~TSlideInput() override;
  void Paint() override;
  // Font size with FontAutom, given the knob's half height K.
  virtual int AutoFontSize(int K) const { return K * 12 / 10; }
  // Trench, ticks and labels; X0 is the trench centre, K the knob's half height before it is
  // reduced for the knob itself.
  virtual void DrawScale(TCanvas& C, int X0, int K) = 0;
  // Horizontal centre of the knob.
  virtual int KnobCentreX(int X0, int K) const = 0;
  // Clamps the value or position and returns the knob's centre row.
  virtual int KnobCentreY() = 0;
  // Before the layout (the logarithmic guards).
  virtual void PrepareScale() {}
  // Distance of a row from the low end of the travel.
  int TravelDistance(int Y) const { return travel_top_ + travel_length_ - Y; }

  int travel_top_ = 0;
  int travel_length_ = 0;

 private:
  void DrawKnobImage();
  std::unique_ptr<TBitmap> knob_;
  std::unique_ptr<TBitmap> background_;
  TRect knob_rect_;
  int knob_half_ = 0;
};

class TPotiSlide : public TSlideInput {
 public:
  explicit TPotiSlide(TComponent* AOwner);

  double Value() const { return value_; }
  void SetValue(double V);
  // Range ends within -1000..1000, snapped to decades on a logarithmic scale. Value is pulled
  // into a new range when the knob is drawn next.
  double ValueStart() const { return scale_.Start; }
  void SetValueStart(double V);
  double ValueEnd() const { return scale_.End; }
  void SetValueEnd(double V);
  // Logarithmic scale: switching it on repairs the range (non-positive values become 0.001, the
  // ends snap to decades, at most 1000).
  bool NonLinear() const { return scale_.NonLinear; }
  void SetNonLinear(bool V);
  // Divisions of the linear scale; on the logarithmic one ScalaPart - 1 short ticks per decade.
  int ScalaPart() const { return scala_part_; }
  void SetScalaPart(int V);
  int DragDelay() const { return drag_.DragDelay(); }
  void SetDragDelay(int V) { drag_.SetDragDelay(V); }

 protected:
  int AutoFontSize(int K) const override;
  void DrawScale(TCanvas& C, int X0, int K) override;
  int KnobCentreX(int X0, int) const override { return X0; }
  int KnobCentreY() override;
  void PrepareScale() override;
  void PressAt(int X, int Y) override;
  void DragTo(int X, int Y) override;

 private:
  void DragTick();
  void RepairLogRange();
  double value_ = 0;
  TScaleRange scale_{0, 10};
  int scala_part_ = 5;
};

class TSelectorSlide : public TSlideInput {
 public:
  explicit TSelectorSlide(TComponent* AOwner);

  int Position() const { return position_; }
  void SetPosition(int V);
  int ScalaPart() const { return scala_part_; }
  void SetScalaPart(int V);
  TStringList* PosText() { return texts_.List(); }
  void SetPosText(const TStringList* V);
  std::string PosString() const { return texts_.Text(position_); }
  void SetPosString(const std::string& V);
  int32_t Posinteger() const { return texts_.Integer(position_); }
  void SetPosinteger(int32_t V);
  TColor PosColor() const { return texts_.Color(position_); }
  void SetPosColor(TColor V);
  double PosFloat() const { return texts_.Float(position_); }
  void SetPosFloat(double V);

 protected:
  void DrawScale(TCanvas& C, int X0, int K) override;
  int KnobCentreX(int X0, int K) const override;
  int KnobCentreY() override;
  // Presses and moves act only when the row differs from the last point's.
  void PressAt(int X, int Y) override;
  void DragTo(int X, int Y) override;

 private:
  void Select(int Found);
  TPositionTexts texts_;
  int position_ = 0;
  int scala_part_ = 3;
  TPoint last_point_{-1, -1};
};

// A flat slider: a button in a trench with a row of ticks and a caption. It is vertical while it
// is taller than wide; its thickness (the shorter side) stays within 15..50 pixels. Without
// Selector it sets Value continuously (with the drag delay); with Selector it switches among
// ScalaPart + 1 positions, Value following the position.
class TSlider : public TOrvaneBase {
 public:
  explicit TSlider(TComponent* AOwner);
  ~TSlider() override;

  double Value() const { return value_; }
  void SetValue(double V);
  // Range within -10000..10000; ValueMin lies at the left or bottom end.
  double ValueMin() const { return range_.Start; }
  void SetValueMin(double V);
  double ValueMax() const { return range_.End; }
  void SetValueMax(double V);
  // 0..ScalaPart; a change sets Value to the position's step.
  int Position() const { return position_; }
  void SetPosition(int V);
  bool Selector() const { return selector_; }
  void SetSelector(bool V);
  // Tick intervals (the highest position), 1..100.
  int ScalaPart() const { return scala_part_; }
  void SetScalaPart(int V);
  bool ScalaShow() const { return scala_show_; }
  void SetScalaShow(bool V);
  TColor ScalaColor() const { return scala_color_; }  // middle line of each tick
  void SetScalaColor(TColor V);
  int DragDelay() const { return drag_.DragDelay(); }
  void SetDragDelay(int V) { drag_.SetDragDelay(V); }
  // Assigned by the program after the first paint, it turns the slider (width and height swap).
  TOrientation Orientation() const { return orientation_; }
  void SetOrientation(TOrientation V);
  // Half the trench's thickness, 1..6.
  int TrenchWidth() const { return trench_width_; }
  void SetTrenchWidth(int V);
  TPanelBevel TrenchStyle() const { return trench_style_; }
  void SetTrenchStyle(TPanelBevel V);
  TColor TrenchColor() const { return trench_color_; }
  void SetTrenchColor(TColor V);
  // Half the button's long side, 6..30.
  int ButtonSize() const { return button_size_; }
  void SetButtonSize(int V);
  TButtonDir ButtonDir() const { return button_dir_; }
  void SetButtonDir(TButtonDir V);
  TButtonStyle BtnStyle() const { return btn_style_; }
  void SetBtnStyle(TButtonStyle V);
  // Redraws only the button.
  TColor ButtonColor() const { return button_color_; }
  void SetButtonColor(TColor V);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& V);
  bool CaptEna() const { return capt_ena_; }
  void SetCaptEna(bool V);
  TColor CaptColor() const { return capt_color_; }
  void SetCaptColor(TColor V);
  // Position of the caption across the trench from its middle line; the paint keeps it within
  // half the thickness.
  int CaptOffset() const { return capt_offset_; }
  void SetCaptOffset(int V);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment V);

  TNotifyEvent OnChanging;
  TNotifyEvent OnChanged;

  // Centre of the button for a value.
  TPoint ButtonPos(double V) const;
  bool Painted() const { return painted_; }
  const TRect& TrenchRect() const { return trench_; }
  const TRect& ButtonRect() const { return button_rect_; }
  const TRect& CaptionRect() const { return caption_rect_; }

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  bool Vertical() const { return orientation_ == orVertical; }
  int Thickness() const { return Vertical() ? Width() : Height(); }
  void Resized();
  void DrawButton();
  void MoveButton(bool Force);
  void DrawCaption();
  void DrawTicks(TCanvas& C, TColor Upper, TColor Lower);
  // The value of a point on the travel, and what a press or move does with it.
  double PointValue(int X, int Y) const;
  void TakePoint(double V, bool AtPress);
  int PositionOf(double V) const;
  void DragTick();

  TDragModel drag_;
  std::unique_ptr<TBitmap> button_;
  std::unique_ptr<TFont> turned_font_;
  bool painted_ = false;
  TRect trench_;
  TRect button_rect_;
  TRect caption_rect_;
  int half_along_ = 0;

  double value_ = 0;
  TScaleRange range_{0, 100};
  int position_ = 0;
  bool selector_ = false;
  int scala_part_ = 10;
  bool scala_show_ = true;
  TColor scala_color_ = clRed;
  TOrientation orientation_ = orHorizontal;
  int trench_width_ = 2;
  TPanelBevel trench_style_ = bvLowered;
  TColor trench_color_ = 0x8080;
  int button_size_ = 10;
  TButtonDir button_dir_ = btLengthWise;
  TButtonStyle btn_style_ = bsAutoDetect;
  TColor button_color_ = clLime;
  std::string caption_;
  bool capt_ena_ = false;
  TColor capt_color_ = clBlack;
  int capt_offset_ = 0;
  TAlignment alignment_ = taCenter;
};

// A ten-turn rotary potentiometer: the rotary scale and knob with a wedge on the rim pointing at
// the value, a dot on the face showing the knob's own turning, a four-digit readout and two
// LEDs. A drag that starts on the knob face turns the knob relatively (ten clockwise turns cross
// the whole range); elsewhere a press sets the value absolutely, as on TPoti270.
class TPoti10T : public TOrvaneBase {
 public:
  explicit TPoti10T(TComponent* AOwner);
  ~TPoti10T() override;

  double Value() const { return value_; }
  void SetValue(double V);
  double ValueStart() const { return scale_.Start; }  // -100..; pulls Value into the range
  void SetValueStart(double V);
  double ValueEnd() const { return scale_.End; }  // ..100; pulls Value into the range
  void SetValueEnd(double V);
  int ScalaPart() const { return scala_part_; }  // 1..10
  void SetScalaPart(int V);
  int DragDelay() const { return drag_.DragDelay(); }
  void SetDragDelay(int V) { drag_.SetDragDelay(V); }

  const string10& Caption() const { return caption_; }
  void SetCaption(const std::string& V);
  bool CaptEnable() const { return capt_enable_; }
  void SetCaptEnable(bool V);
  TColor ColCaption() const { return col_caption_; }
  void SetColCaption(TColor V);
  bool PresEnable() const { return pres_enable_; }
  void SetPresEnable(bool V);
  TColor ColPreset() const { return col_preset_; }
  void SetColPreset(TColor V);
  TColor ColPointer1() const { return col_pointer1_; }  // the value wedge
  void SetColPointer1(TColor V);
  TColor ColPointer2() const { return col_pointer2_; }  // the turning dot
  void SetColPointer2(TColor V);
  TColor ColScala() const { return col_scala_; }
  void SetColScala(TColor V);
  TColor ColButton() const { return col_button_; }
  void SetColButton(TColor V);
  TColor ColLight() const { return col_light_; }
  void SetColLight(TColor V);
  TColor ColShade() const { return col_shade_; }
  void SetColShade(TColor V);

  bool DispEnable() const { return disp_enable_; }
  void SetDispEnable(bool V);
  TColor ColDBack() const { return col_dback_; }
  void SetColDBack(TColor V);
  TColor ColDRand() const { return col_drand_; }
  void SetColDRand(TColor V);
  TColor ColDisplay() const { return col_display_; }
  void SetColDisplay(TColor V);
  bool DispItalic() const { return disp_italic_; }
  void SetDispItalic(bool V);
  // Decimals of the readout by the range instead of by the value.
  bool DispFixPnt() const { return disp_fix_pnt_; }
  void SetDispFixPnt(bool V);
  // The readout's text now.
  std::string DisplayText() const;

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
  TColor ColLed1() const { return leds_[0].Colour; }
  void SetColLed1(TColor V) { SetColLed(0, V); }
  TColor ColLed2() const { return leds_[1].Colour; }
  void SetColLed2(TColor V) { SetColLed(1, V); }

  TNotifyEvent onChanging;
  TNotifyEvent onChanged;
  TNotifyEvent onPreset;

  // Repaints.
  void StyleChanged(TObject* Sender);
  // Composes the moving parts and shows them; without Force only when something moved.
  void UpdateKnob(bool Force);

  bool Painted() const { return painted_; }
  const TRotaryPlane& Plane() const { return plane_; }
  const TRect& PresetRect() const { return preset_rect_; }
  int FaceRadius() const { return face_radius_; }
  TPoint WedgeTip() const { return wedge_[0]; }
  TPoint DotCentre() const { return dot_; }
  TPoint LedCentre(int Index) const {  // LED 0..1
    assert(Index >= 0 && Index < 2);
    return led_centre_[Index];
  }
  // Where the caption's text and the readout lie; empty while they are not shown.
  const TRect& CaptionRect() const { return caption_rect_; }
  const TRect& ReadoutRect() const { return readout_rect_; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void DrawFace(TCanvas& C);
  void DrawCaption(TCanvas& C, const TRect& Area);
  void DrawPreset(bool Down);
  void DrawLed(int Index);
  void DrawLedInto(TCanvas& C, int Index) const;
  void SetLedOn(int Index, bool V);
  void SetLedBlink(int Index, bool V);
  void SetColLed(int Index, TColor V);
  void BlinkTick();
  void DragTick();
  double WedgeAngle() const;

  TDragModel drag_;
  int32_t blink_id_ = -1;
  std::unique_ptr<TDigDisplay> readout_;
  bool painted_ = false;
  TRotaryPlane plane_;
  TRect preset_rect_;
  TRect caption_rect_;
  TRect readout_rect_;
  TPoint wedge_base_[3];
  TPoint wedge_[3];
  TPoint dot_base_;
  TPoint dot_;
  int dot_radius_ = 0;
  int face_radius_ = 0;
  bool relative_ = false;
  double previous_angle_ = 0;
  TPoint last_point_;
  int led_radius_ = 0;
  TPoint led_centre_[2];
  TMeterLed leds_[2];

  double value_ = 0;
  TScaleRange scale_{0, 10};
  TPointerRange range_{kPoti10TRules, scale_, value_};
  int scala_part_ = 5;
  string10 caption_ = "Volt";
  bool capt_enable_ = false;
  TColor col_caption_ = clBlack;
  bool pres_enable_ = false;
  TColor col_preset_ = clBlack;
  TColor col_pointer1_ = clRed;
  TColor col_pointer2_ = clBlue;
  TColor col_scala_ = clBlack;
  TColor col_button_ = 0xBFBF00;
  TColor col_light_ = 0xF0F0B0;
  TColor col_shade_ = clGray;
  bool disp_enable_ = true;
  TColor col_dback_ = clBlack;
  TColor col_drand_ = clWhite;
  TColor col_display_ = clLime;
  bool disp_italic_ = false;
  bool disp_fix_pnt_ = true;
  bool led_enable_ = true;
};
