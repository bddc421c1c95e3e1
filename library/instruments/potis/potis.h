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
#include <initializer_list>
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

  bool operator==(const TRotaryPlane&) const = default;
};

// The entries of a selector's PosText, one per position: "text | integer or colour | float".
// A position without an entry reads as an empty text and zeros.
class TPositionTexts {
 public:
  TPositionTexts();
  TStringList* List() { return &FList; }
  const TStringList* List() const { return &FList; }

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
  TStringList FList;
};

// ---- The frame controls: caption box, preset button and mouse handling ----

class TInputFrame : public TRahmen {
 public:
  // The caption box under the scale; at most 10 characters are kept. A new caption or caption
  // colour redraws the box at once.
  const string10& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool CaptEnable() const { return FCaptEnable; }
  void SetCaptEnable(bool Value);
  TPanelBevel CaptBevel() const { return FCaptBevel; }
  void SetCaptBevel(TPanelBevel Value);
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor Value);
  // The preset button and the fill of its inner rectangle.
  bool PresEnable() const { return FPresEnable; }
  void SetPresEnable(bool Value);
  TColor ColPreset() const { return FColPreset; }
  void SetColPreset(TColor Value);
  TColor ColScala() const { return FColScala; }
  void SetColScala(TColor Value);
  TColor ColButton() const { return FColButton; }
  void SetColButton(TColor Value);

  TNotifyEvent onChanging;
  TNotifyEvent onChanged;
  TNotifyEvent onPreset;

  // Repaints; bound to the change notifications of owned lists.
  void StyleChanged(TObject* Sender);
  bool Painted() const { return FPainted; }
  // Where a press counts as one on the preset button, by the current size and properties.
  virtual TRect PresetRect() const = 0;
  // The caption box as the last paint drew it.
  const TRect& CaptionRect() const { return FCaptionRect; }

 protected:
  // DragTick: the drag record's callback of a control with a drag delay, else empty.
  TInputFrame(TComponent* AOwner, TTickProc DragTick);

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // A dragging press away from the preset button, and a dragging move; also before the first
  // paint, at the place the layout gives.
  virtual void PressAt(int X, int Y) = 0;
  virtual void DragTo(int X, int Y) = 0;

  // The caption box at FCaptionRect (only once painted and with CaptEnable).
  void DrawCaption();
  // The bevel round the caption box; shrinks the rectangle by the bevel.
  void DrawCaptionBevel(TCanvas& C, TRect& Box) const;
  void DrawPresetButton(bool Down);
  bool Reading() const { return ComponentState().Contains(csReading); }

  TDragModel FDrag;
  bool FPainted = false;
  // Where the last paint drew the preset button and the caption.
  TRect FPresetRect;
  TRect FCaptionRect;
  TColor FColScala = clBlack;
  TColor FColButton = 0xBFBF00;

 private:
  string10 FCaption;
  bool FCaptEnable = false;
  TPanelBevel FCaptBevel = bvNone;
  TColor FColCaption = clBlack;
  bool FPresEnable = false;
  TColor FColPreset = clBlack;
};

// A round knob with a pointer line over a 270-degree scale.
class TRotaryInput : public TInputFrame {
 public:
  // What a paint draws and a press reads, from the size and the frame properties alone.
  struct TLayout {
    TRect Preset;
    TRotaryPlane Plane;
    bool operator==(const TLayout&) const = default;
  };
  TLayout Layout() const;
  // The layout the last paint drew.
  TLayout PaintedLayout() const { return {FPresetRect, FPlane}; }
  TRect PresetRect() const override { return Layout().Preset; }

  // Pointer colour; the pointer is drawn in exclusive-or mode.
  TColor ColPointer() const { return FColPointer; }
  void SetColPointer(TColor Value);
  TColor ColLight() const { return FColLight; }  // lit upper-left half of the rim
  void SetColLight(TColor Value);
  TColor ColShade() const { return FColShade; }  // shadow at the lower right of the rim
  void SetColShade(TColor Value);
  // Stored only; the drawing does not depend on it.
  bool ButtonSmall() const { return FButtonSmall; }
  void SetButtonSmall(bool Value);

  // Moves the pointer to the current value or position (draws nothing when it stays).
  void DrawPointer();
  TRotaryPlane Plane() const { return Layout().Plane; }
  // Pixel tip of the pointer now.
  TPoint PointerTip() const { return FTip; }

 protected:
  TRotaryInput(TComponent* AOwner, TTickProc DragTick);
  void Paint() override;
  // The arc or the position dots, with their labels. Returns the height of the labels' font, in
  // which the caption box is measured.
  virtual int DrawScale(TCanvas& C) = 0;
  // Pointer angle from the start of the arc, 0..270.
  virtual double PointerAngle() const = 0;
  void PressAt(int X, int Y) override;
  void DragTo(int X, int Y) override;
  // The value or position of a point at arc angle U, at a press and during a drag.
  virtual void PressArc(double U) = 0;
  virtual void DragArc(double LastAngle, double PointAngle) = 0;

  // The plane of the last paint, which the pointer is drawn on.
  TRotaryPlane FPlane;
  TPoint FLastPoint;

 private:
  void DrawPointerLine(TCanvas& C);
  TColor FColPointer = clSilver;
  TColor FColLight = 0xF0F0B0;
  TColor FColShade = clGray;
  bool FButtonSmall = false;
  TPoint FStartTip;
  TPoint FTip;
};

class TPoti270 : public TRotaryInput {
 public:
  explicit TPoti270(TComponent* AOwner);

  double Value() const { return FValue; }
  void SetValue(double Value);
  // Range ends within -100..100; a change pulls Value into the new range.
  double ValueStart() const { return FScale.Start; }
  void SetValueStart(double Value);
  double ValueEnd() const { return FScale.End; }
  void SetValueEnd(double Value);
  // Scale divisions, 1..10.
  int ScalaPart() const { return FScale.Part(); }
  void SetScalaPart(int Value);
  // 0 sets the value at once; n > 0 lets it follow the mouse across the range in n * 15 ticks.
  int DragDelay() const { return FDrag.DragDelay(); }
  void SetDragDelay(int Value) { FDrag.SetDragDelay(Value); }

 protected:
  void Loaded() override;
  int DrawScale(TCanvas& C) override;
  double PointerAngle() const override;
  void PressArc(double U) override;
  void DragArc(double LastAngle, double PointAngle) override;

 private:
  void DragTick();
  double FValue = 0;
  TValueScale FScale{kPoti270Rules, {0, 10}, 5, FValue};
};

// A knob bitmap moving in a vertical trench over a saved copy of the background under it.
class TSlideInput : public TInputFrame {
 public:
  // What a paint draws and a press reads, from the size, the font and the frame properties.
  struct TLayout {
    TRect Preset;
    // The caption box, and inside its bevel the caption.
    TRect CaptionBox;
    TRect Caption;
    // The travel: its top pixel row and its length; too short below 1 (the control then shows
    // its frame and ignores the mouse).
    int TravelTop = 0;
    int TravelLength = 0;
    // Trench centre, and the knob's half height before it is reduced for the knob itself.
    int TrenchX = 0;
    int K = 0;
    // The knob at the low end of the travel.
    TRect Knob;
    int KnobHalf = 0;
    // Distance of a row from the low end of the travel.
    int Distance(int Y) const { return TravelTop + TravelLength - Y; }
    bool operator==(const TLayout&) const = default;
  };
  TLayout Layout() const;
  // The layout the last paint drew, on which the knob moves.
  const TLayout& PaintedLayout() const { return FDrawn; }
  TRect PresetRect() const override { return Layout().Preset; }

  // Moves the knob to the current value or position (draws nothing when it stays).
  void MoveKnob();
  // Where the knob is drawn now.
  const TRect& KnobRect() const { return FKnobRect; }
  // The travel: its top pixel row and its length.
  int TravelTop() const { return Layout().TravelTop; }
  int TravelLength() const { return Layout().TravelLength; }

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

  TLayout FDrawn;

 private:
  void DrawKnobImage();
  std::unique_ptr<TBitmap> FKnob;
  std::unique_ptr<TBitmap> FBackground;
  TRect FKnobRect;
};

class TPotiSlide : public TSlideInput {
 public:
  explicit TPotiSlide(TComponent* AOwner);

  double Value() const { return FValue; }
  void SetValue(double Value);
  // Range ends within -1000..1000, snapped to decades on a logarithmic scale. Value is pulled
  // into a new range when the knob is drawn next.
  double ValueStart() const { return FScale.Start; }
  void SetValueStart(double Value);
  double ValueEnd() const { return FScale.End; }
  void SetValueEnd(double Value);
  // Logarithmic scale: switching it on repairs the range (non-positive values become 0.001, the
  // ends snap to decades, at most 1000).
  bool NonLinear() const { return FScale.NonLinear; }
  void SetNonLinear(bool Value);
  // Divisions of the linear scale; on the logarithmic one ScalaPart - 1 short ticks per decade.
  int ScalaPart() const { return FScale.Part(); }
  void SetScalaPart(int Value);
  int DragDelay() const { return FDrag.DragDelay(); }
  void SetDragDelay(int Value) { FDrag.SetDragDelay(Value); }

 protected:
  void Loaded() override;
  int AutoFontSize(int K) const override;
  void DrawScale(TCanvas& C, int X0, int K) override;
  int KnobCentreX(int X0, int) const override { return X0; }
  int KnobCentreY() override;
  void PressAt(int X, int Y) override;
  void DragTo(int X, int Y) override;

 private:
  void DragTick();
  // The logarithms of a logarithmic scale, again after a range change.
  void CacheLogs();
  double FValue = 0;
  TValueScale FScale{kPotiSlideRules, {0, 10}, 5, FValue};
};

// A switch among the positions 0..ScalaPart, each with an entry of PosText, on a rotary or a
// slide frame (Base). A new position is shown by ShowPosition; other changes repaint.
template <class Base>
class TPositionSwitch : public Base {
 public:
  // 0..ScalaPart; other positions are ignored.
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  // The highest position, 1..20; Position is lowered to it when higher.
  int ScalaPart() const { return FScalaPart; }
  void SetScalaPart(int Value);

  // One entry per position, copied in by SetPosText; any change repaints.
  TStringList* PosText() { return FTexts.List(); }
  void SetPosText(const TStringList* Value);
  // The fields of the entry at Position. Writing one selects the first position up to
  // ScalaPart whose entry holds that value (nothing happens without a match, or while the form
  // is loaded).
  std::string PosString() const { return FTexts.Text(FPosition); }
  void SetPosString(const std::string& Value);
  int32_t Posinteger() const { return FTexts.Integer(FPosition); }
  void SetPosinteger(int32_t Value);
  TColor PosColor() const { return FTexts.Color(FPosition); }
  void SetPosColor(TColor Value);
  double PosFloat() const { return FTexts.Float(FPosition); }
  void SetPosFloat(double Value);

 protected:
  // ScalaPart and the entries of a new switch; the drag moves the position.
  TPositionSwitch(TComponent* AOwner, int ScalaPart, std::initializer_list<const char*> Texts);
  // Draws the pointer or moves the knob to the position now.
  virtual void ShowPosition() = 0;

  TPositionTexts FTexts;
  int FPosition = 0;
  int FScalaPart;

 private:
  void Select(int Found);
};

class TSelector270 : public TPositionSwitch<TRotaryInput> {
 public:
  explicit TSelector270(TComponent* AOwner);

 protected:
  void ShowPosition() override { DrawPointer(); }
  int DrawScale(TCanvas& C) override;
  double PointerAngle() const override;
  void PressArc(double U) override;
  void DragArc(double LastAngle, double PointAngle) override;
};

class TSelectorSlide : public TPositionSwitch<TSlideInput> {
 public:
  explicit TSelectorSlide(TComponent* AOwner);

 protected:
  void ShowPosition() override { MoveKnob(); }
  void DrawScale(TCanvas& C, int X0, int K) override;
  int KnobCentreX(int X0, int K) const override;
  int KnobCentreY() override;
  // Presses and moves act only when the row differs from the last point's.
  void PressAt(int X, int Y) override;
  void DragTo(int X, int Y) override;

 private:
  TPoint FLastPoint{-1, -1};
};

// A flat slider: a button in a trench with a row of ticks and a caption. It is vertical while it
// is taller than wide; its thickness (the shorter side) stays within 15..50 pixels. Without
// Selector it sets Value continuously (with the drag delay); with Selector it switches among
// ScalaPart + 1 positions, Value following the position.
class TSlider : public TOrvaneBase {
 public:
  explicit TSlider(TComponent* AOwner);
  ~TSlider() override;

  double Value() const { return FValue; }
  void SetValue(double Value);
  // Range within -10000..10000; ValueMin lies at the left or bottom end.
  double ValueMin() const { return FScale.Start; }
  void SetValueMin(double Value);
  double ValueMax() const { return FScale.End; }
  void SetValueMax(double Value);
  // 0..ScalaPart; a change sets Value to the position's step.
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  bool Selector() const { return FSelector; }
  void SetSelector(bool Value);
  // Tick intervals (the highest position), 1..100.
  int ScalaPart() const { return FScale.Part(); }
  void SetScalaPart(int Value);
  bool ScalaShow() const { return FScalaShow; }
  void SetScalaShow(bool Value);
  TColor ScalaColor() const { return FScalaColor; }  // middle line of each tick
  void SetScalaColor(TColor Value);
  int DragDelay() const { return FDrag.DragDelay(); }
  void SetDragDelay(int Value) { FDrag.SetDragDelay(Value); }
  // Assigned by the program after the first paint, it turns the slider (width and height swap).
  TOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TOrientation Value);
  // Half the trench's thickness, 1..6.
  int TrenchWidth() const { return FTrenchWidth; }
  void SetTrenchWidth(int Value);
  TPanelBevel TrenchStyle() const { return FTrenchStyle; }
  void SetTrenchStyle(TPanelBevel Value);
  TColor TrenchColor() const { return FTrenchColor; }
  void SetTrenchColor(TColor Value);
  // Half the button's long side, 6..30.
  int ButtonSize() const { return FButtonSize; }
  void SetButtonSize(int Value);
  TButtonDir ButtonDir() const { return FButtonDir; }
  void SetButtonDir(TButtonDir Value);
  TButtonStyle BtnStyle() const { return FBtnStyle; }
  void SetBtnStyle(TButtonStyle Value);
  // Redraws only the button.
  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool CaptEna() const { return FCaptEna; }
  void SetCaptEna(bool Value);
  TColor CaptColor() const { return FCaptColor; }
  void SetCaptColor(TColor Value);
  // Position of the caption across the trench from its middle line; the paint keeps it within
  // half the thickness.
  int CaptOffset() const { return FCaptOffset; }
  void SetCaptOffset(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

  TNotifyEvent OnChanging;
  TNotifyEvent OnChanged;

  // What a paint draws and a press reads, from the size and the properties alone.
  struct TLayout {
    // The trench, which is also the travel.
    TRect Trench;
    // The button at the low end, and its half extent along the trench.
    TRect Button;
    int HalfAlong = 0;
    TRect Caption;
    bool operator==(const TLayout&) const = default;
  };
  TLayout Layout() const;
  // The layout the last paint drew, on which the button moves.
  const TLayout& PaintedLayout() const { return FDrawn; }

  // Centre of the button for a value.
  TPoint ButtonPos(double Value) const { return ButtonPosOn(Layout().Trench, Value); }
  bool Painted() const { return FPainted; }
  TRect TrenchRect() const { return Layout().Trench; }
  // Where the button is drawn now.
  const TRect& ButtonRect() const { return FButtonRect; }
  TRect CaptionRect() const { return Layout().Caption; }

 protected:
  void Loaded() override;
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  bool Vertical() const { return FOrientation == orVertical; }
  int Thickness() const { return Vertical() ? Width() : Height(); }
  void Resized();
  void DrawButton();
  void MoveButton(bool Force);
  void DrawCaption();
  void DrawTicks(TCanvas& C, TColor Upper, TColor Lower);
  TPoint ButtonPosOn(const TRect& Trench, double Value) const;
  // The value of a point on the travel, and what a press or move does with it.
  double PointValue(int X, int Y) const;
  void TakePoint(double V, bool AtPress);
  int PositionOf(double Value) const;
  void DragTick();

  TDragModel FDrag;
  std::unique_ptr<TBitmap> FButton;
  std::unique_ptr<TFont> FTurnedFont;
  bool FPainted = false;
  TLayout FDrawn;
  // Where the button is drawn now.
  TRect FButtonRect;

  double FValue = 0;
  TValueScale FScale{kSliderRules, {0, 100}, 10, FValue};
  int FPosition = 0;
  bool FSelector = false;
  bool FScalaShow = true;
  TColor FScalaColor = clRed;
  TOrientation FOrientation = orHorizontal;
  int FTrenchWidth = 2;
  TPanelBevel FTrenchStyle = bvLowered;
  TColor FTrenchColor = 0x8080;
  int FButtonSize = 10;
  TButtonDir FButtonDir = btLengthWise;
  TButtonStyle FBtnStyle = bsAutoDetect;
  TColor FButtonColor = clLime;
  std::string FCaption;
  bool FCaptEna = false;
  TColor FCaptColor = clBlack;
  int FCaptOffset = 0;
  TAlignment FAlignment = taCenter;
};

// A ten-turn rotary potentiometer: the rotary scale and knob with a wedge on the rim pointing at
// the value, a dot on the face showing the knob's own turning, a four-digit readout and two
// LEDs (their switches store also while LedEnable is off). A drag that starts on the knob face
// turns the knob relatively (ten clockwise turns cross the whole range); elsewhere a press sets
// the value absolutely, as on TPoti270.
class TPoti10T : public TOrvaneBase, public TLedPair {
 public:
  explicit TPoti10T(TComponent* AOwner);
  ~TPoti10T() override;

  double Value() const { return FValue; }
  void SetValue(double Value);
  double ValueStart() const { return FScale.Start; }  // -100..; pulls Value into the range
  void SetValueStart(double Value);
  double ValueEnd() const { return FScale.End; }  // ..100; pulls Value into the range
  void SetValueEnd(double Value);
  int ScalaPart() const { return FScale.Part(); }  // 1..10
  void SetScalaPart(int Value);
  int DragDelay() const { return FDrag.DragDelay(); }
  void SetDragDelay(int Value) { FDrag.SetDragDelay(Value); }

  const string10& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool CaptEnable() const { return FCaptEnable; }
  void SetCaptEnable(bool Value);
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor Value);
  bool PresEnable() const { return FPresEnable; }
  void SetPresEnable(bool Value);
  TColor ColPreset() const { return FColPreset; }
  void SetColPreset(TColor Value);
  TColor ColPointer1() const { return FColPointer1; }  // the value wedge
  void SetColPointer1(TColor Value);
  TColor ColPointer2() const { return FColPointer2; }  // the turning dot
  void SetColPointer2(TColor Value);
  TColor ColScala() const { return FColScala; }
  void SetColScala(TColor Value);
  TColor ColButton() const { return FColButton; }
  void SetColButton(TColor Value);
  TColor ColLight() const { return FColLight; }
  void SetColLight(TColor Value);
  TColor ColShade() const { return FColShade; }
  void SetColShade(TColor Value);

  bool DispEnable() const { return FDispEnable; }
  void SetDispEnable(bool Value);
  TColor ColDBack() const { return FColDback; }
  void SetColDBack(TColor Value);
  TColor ColDRand() const { return FColDrand; }
  void SetColDRand(TColor Value);
  TColor ColDisplay() const { return FColDisplay; }
  void SetColDisplay(TColor Value);
  bool DispItalic() const { return FDispItalic; }
  void SetDispItalic(bool Value);
  // Decimals of the readout by the range instead of by the value.
  bool DispFixPnt() const { return FDispFixPnt; }
  void SetDispFixPnt(bool Value);
  // The readout's text now.
  std::string DisplayText() const;

  TNotifyEvent onChanging;
  TNotifyEvent onChanged;
  TNotifyEvent onPreset;

  // Repaints.
  void StyleChanged(TObject* Sender);
  // Composes the moving parts and shows them; without Force only when something moved.
  void UpdateKnob(bool Force);

  // What a paint draws and a press reads, from the size and the properties alone.
  struct TLayout {
    TRect Preset;
    // Without room for the plane only the frame is drawn and the mouse is ignored; the rest is
    // then left empty.
    TRotaryPlane Plane;
    // The knob face, inside which a press turns the knob relatively.
    int FaceRadius = 0;
    TPoint LedCentre[2];
    int LedRadius = 0;
    // The readout's box; empty while it is not shown.
    TRect Readout;
    bool operator==(const TLayout&) const = default;
  };
  TLayout Layout() const;
  // The layout the last paint drew, on which the moving parts and LEDs are drawn.
  const TLayout& PaintedLayout() const { return FDrawn; }

  bool Painted() const { return FPainted; }
  TRotaryPlane Plane() const { return Layout().Plane; }
  TRect PresetRect() const { return Layout().Preset; }
  int FaceRadius() const { return Layout().FaceRadius; }
  TPoint WedgeTip() const { return FWedge[0]; }
  TPoint DotCentre() const { return FDot; }
  TPoint LedCentre(int Index) const {  // LED 0..1
    assert(Index >= 0 && Index < 2);
    return Layout().LedCentre[Index];
  }
  // Where the caption's text was drawn; empty while it is not shown.
  const TRect& CaptionRect() const { return FCaptionRect; }
  TRect ReadoutRect() const { return Layout().Readout; }

 protected:
  void Loaded() override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void DrawFace(TCanvas& C);
  void DrawCaption(TCanvas& C, const TRect& Area);
  void DrawPreset(bool Down);
  void DrawLed(int Index) override;
  void DrawLedInto(TCanvas& C, int Index) const override;
  void LedEnableChanged() override { Invalidate(); }
  void BlinkTick();
  void DragTick();

  TDragModel FDrag;
  int32_t FBlinkId = -1;
  std::unique_ptr<TDigDisplay> FReadout;
  bool FPainted = false;
  TLayout FDrawn;
  TRect FCaptionRect;
  TPoint FWedgeBase[3];
  TPoint FWedge[3];
  TPoint FDotBase;
  TPoint FDot;
  int FDotRadius = 0;
  bool FRelative = false;
  double FPreviousAngle = 0;
  TPoint FLastPoint;

  double FValue = 0;
  TValueScale FScale{kPoti10TRules, {0, 10}, 5, FValue};
  string10 FCaption = "Volt";
  bool FCaptEnable = false;
  TColor FColCaption = clBlack;
  bool FPresEnable = false;
  TColor FColPreset = clBlack;
  TColor FColPointer1 = clRed;
  TColor FColPointer2 = clBlue;
  TColor FColScala = clBlack;
  TColor FColButton = 0xBFBF00;
  TColor FColLight = 0xF0F0B0;
  TColor FColShade = clGray;
  bool FDispEnable = true;
  TColor FColDback = clBlack;
  TColor FColDrand = clWhite;
  TColor FColDisplay = clLime;
  bool FDispItalic = false;
  bool FDispFixPnt = true;
};
