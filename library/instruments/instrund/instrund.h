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
// bands, a peak pointer, a four-cell readout, two LEDs (their switches store also while LedEnable
// is off; they are drawn only while it is on), flashing scale ends and two limit events. The range
// ends stay within -1000..1000; outside form reading a change resets the three bands to slices of
// a tenth of the range and pulls Value into the new range (ValueStart also moves the peak to the
// start). With ScalaPsub -1 one minor tick lies in the middle of each division for fewer
// divisions than the meter's threshold. Each meter lays out its own dial in its logical plane
// (Layout), which a paint takes and then draws (DrawDialFace).
class TRoundMeter : public TPointerScale<TDampedPointer<TOrvaneBase>>, public TLedPair {
 public:
  ~TRoundMeter() override;

  TColor ColMin() const { return FColMin; }
  void SetColMin(TColor Value);
  TColor ColMid() const { return FColMid; }
  void SetColMid(TColor Value);
  TColor ColMax() const { return FColMax; }
  void SetColMax(TColor Value);
  // Pointer and peak colours redraw only the moving parts.
  TColor ColPointer() const { return FColPointer; }
  void SetColPointer(TColor Value);
  TColor ColPeakPtr() const { return FColPeakPtr; }
  void SetColPeakPtr(TColor Value);
  TColor ColDBack() const { return FColDback; }  // readout background
  void SetColDBack(TColor Value);
  TColor ColDRand() const { return FColDrand; }  // readout frame line
  void SetColDRand(TColor Value);
  TColor ColDisplay() const { return FColDisplay; }  // readout segments
  void SetColDisplay(TColor Value);
  TColor ColScala() const { return FColScala; }  // ticks
  void SetColScala(TColor Value);
  TColor ColShape() const { return FColShape; }  // face outline
  void SetColShape(TColor Value);

  // The colour bands (ColMin, ColMid, ColMax), each kept inside the range with its lower bound
  // one unit below its upper one; the bands may overlap. While the form is read they only store.
  double ValueMinA() const { return FBands.Get(TColourBands::MinA); }
  void SetValueMinA(double Value);
  double ValueMinE() const { return FBands.Get(TColourBands::MinE); }
  void SetValueMinE(double Value);
  double ValueMidA() const { return FBands.Get(TColourBands::MidA); }
  void SetValueMidA(double Value);
  double ValueMidE() const { return FBands.Get(TColourBands::MidE); }
  void SetValueMidE(double Value);
  double ValueMaxA() const { return FBands.Get(TColourBands::MaxA); }
  void SetValueMaxA(double Value);
  double ValueMaxE() const { return FBands.Get(TColourBands::MaxE); }
  void SetValueMaxE(double Value);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);  // repaints on every assignment

  // The four-cell readout of the shown value.
  bool DispEnable() const { return FDispEnable; }
  void SetDispEnable(bool Value);
  bool DispItalic() const { return FDispItalic; }
  void SetDispItalic(bool Value);
  // Decimals by the range instead of by the value, so the point stays put.
  bool DispFixPnt() const { return FDispFixPnt; }
  void SetDispFixPnt(bool Value);

  // Fire when the shown value rises above ValueMaxA or falls below ValueMinE, once per
  // crossing, before anything of that update is drawn (ShownValue already holds the new value).
  TNotifyEvent OnUpperLim;
  TNotifyEvent OnLowerLim;

  // Moves the peak pointer back to the scale start (nothing when it is there already).
  void ResetPeak();
  // Invalidates; for binding to change notifications.
  void StyleChanged(TObject* Sender);
  void UpdatePointer(bool Force) override;

  // Where a paint puts the dial and its pieces, worked out from the size, the frame and the
  // properties alone: plain data, the same before the first paint as in it.
  struct TDialLayout {
    // False when the control is too small for a dial: a paint shows the frame (and an arc
    // meter's face) alone.
    bool Valid = false;
    TDialMapping Map;
    // The face of the arc meters; the reach of a face beyond a switched-off side (round corners
    // are half of it).
    TRect Face;
    int Overhang = 0;
    // The pointers are held to FaceClip (the meters whose pivot lies outside the face).
    bool ClipToFace = false;
    TRect FaceClip;
    TPoint Pivot;
    // The reference ray: towards the scale start before AngleOffset.
    TPoint R0;
    int Direction = 1;
    double AngleOffset = 0;
    int HubRadius = 0;  // pixels, either sign
    TRect DispRect;     // the readout frame
    // Pointer and peak pointer at the scale start.
    TPoint PointerBase[3];
    TPoint PeakBase[3];
    TPoint LedCentre[2];
    int LedRadius = 0;
    bool operator==(const TDialLayout&) const = default;
  };
  virtual TDialLayout Layout() const = 0;
  // The layout the last paint drew.
  const TDialLayout& PaintedLayout() const { return FDrawn; }

  // Geometry for callers that place things over the dial, as a paint puts it now.
  TDialMapping DialMapping() const { return Layout().Map; }
  TPoint Pivot() const { return Layout().Pivot; }
  TRect DispRect() const { return Layout().DispRect; }
  // The flashing end labels of the last paint.
  const TLimitMarks& LimitMarks() const { return FMarks; }
  bool Painted() const { return FPainted; }

 protected:
  // Sweep: the scale's angle in degrees. AutoMinorBelow: with ScalaPsub -1, one minor tick per
  // division while ScalaPart is below it.
  TRoundMeter(TComponent* AOwner, double Sweep, int AutoMinorBelow);

  void Paint() override;
  void WndProc(TMessage& Message) override;
  void RepaintNow();

  // Pieces of the layouts.
  // The face of the meters with border-dependent faces: inside the frame by a fortieth of the
  // smaller side, or a fifth of it (Overhang) beyond a switched-off side. The mapping's pixel
  // origin and extent are the inner rectangle.
  void LayOutBorderedFace(TDialLayout& L) const;
  // The LEDs' radius in sockets of Socket pixels (either sign): a pixel less while LedEnable is
  // on, so that the grey ring stays round every LED drawn later.
  int LedRadiusIn(int Socket) const;
  // Pointer and peak triangles built pointing up at the pivot, turned onto the scale start.
  static void SetPointerShapes(TDialLayout& L, const TPoint (&Pointer)[3], const TPoint (&Peak)[3],
                               double Turn);

  // Draws the meter's own dial into the static image by FDrawn: face, bands, scale, readout
  // frame, caption, hub, LED sockets and maker mark. False when the layout is not valid. The
  // canvas comes in the control's font; the caller puts back what this changes.
  virtual bool DrawDialFace(TCanvas& Canvas) = 0;

  // Pieces of a dial, for DrawDialFace, drawn by FDrawn.
  // The bordered face, with round corners or without.
  void DrawBorderedFace(TCanvas& Canvas, bool RoundCorners);
  // Solid one-pixel pen in ColShape, solid brush in ColBack.
  void PrepareFacePen(TCanvas& Canvas);
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
  // The font the scale's labels start in, and the one they end in (a logarithmic scale's
  // exponents set the size back), which the caption takes.
  void SetLabelFont(TCanvas& Canvas, const TScaleGeometry& Geometry) const;
  void SetCaptionFont(TCanvas& Canvas, const TScaleGeometry& Geometry) const;
  // The readout frame with its cells.
  void DrawReadoutFrame(TCanvas& Canvas);
  void DrawHub(TCanvas& Canvas);
  // Sockets of both LEDs, a pixel wider than the LEDs, when LedEnable is on.
  void DrawLedSockets(TCanvas& Canvas);
  // The maker mark with its top at Y, starting at X (or ending there, with RightAligned).
  void DrawMark(TCanvas& Canvas, int X, int Y, bool RightAligned);

  // The hub fill of the meters that have one.
  TColor ColCircleValue() const { return FColCircle; }
  void StoreColCircle(TColor Value);
  // The orientation of the meters that turn.
  TOrientType OrientationValue() const { return FOrientation; }
  void StoreOrientation(TOrientType Value);

  TDialLayout FDrawn;
  bool FUpdateAfterTick = false;
  std::string FCaption;

 private:
  void DampTick();
  void BlinkTick();
  void PeakModeChanged() override { UpdatePointer(true); }
  void DrawLed(int Index) override;
  void LedEnableChanged() override { RepaintNow(); }
  bool Reading() const override;
  void RangeMoved(bool) override { FBands.Reset(FScale); }
  void RepairRange() override;
  void LogSwitchedOn() override { FBands.Restore(FScale); }
  void ScaleChanged() override { RepaintNow(); }
  void SetBand(TColourBands::TBound Which, double Value);
  void DrawDial();
  double PointerAngle() const;
  // Static image, pointers and LEDs composed in Area of the work image and copied to the screen.
  void Compose(const TRect& Area);
  // The box of the pointers as they stand now.
  TRect PointerBox() const;

  const double FSweep;
  const int FAutoMinorBelow;
  std::unique_ptr<TDigDisplay> FReadout;
  TColourBands FBands;
  TLimitEvents FLimitEvents;
  TLimitMarks FMarks;
  TUpdateArea FUpdateArea;

  bool FPainted = false;
  TPoint FPeakPoly[3];
  TPoint FPointerPoly[3];

  TOrientType FOrientation = orTop;
  TColor FColMin = 0x00FFFF;
  TColor FColMid = 0x00FF00;
  TColor FColMax = 0x0000FF;
  TColor FColPointer = 0x0000FF;
  TColor FColPeakPtr = 0x00FFFF;
  TColor FColDback = 0x000000;
  TColor FColDrand = 0xFFFFFF;
  TColor FColDisplay = 0xFFFF00;
  TColor FColScala = 0xFFFFFF;
  TColor FColShape = 0xFFFFFF;
  TColor FColCircle = 0x808080;
  bool FDispEnable = true;
  bool FDispItalic = false;
  bool FDispFixPnt = false;
};

// The meters whose arc lies beside a pivot near one edge of a bordered face (120 and 180
// degrees) share one layout of the dial plane, turned by Orientation, and one dial. What sets
// them apart are these numbers, in dial units: the scale radius is 750, the pivot at 0, 0 and the
// arc above it before the turn.
struct TArcDial {
  double Sweep;
  // The plane's edge behind the pivot (its lower edge while the arc lies above).
  int Back;
  // Lying (orTop, orBottom): a control of width below 2 H + H * LyingTall / 20 gets a plane
  // of 2 HalfWidth units across; else its width follows from a height of 1050 - Back units:
  // WideShare of WideSpan units turned into pixels (rounded first with RoundWideSpan).
  int LyingTall;
  int HalfWidth;
  int WideSpan;
  double WideShare;
  bool RoundWideSpan;
  // Standing (orLeft, orRight): a control of height above 2 W + W * StandingTall / 20 gets a
  // plane Depth units deep; else 2 HalfHeight units high, its depth following plus DepthExtra.
  int StandingTall;
  int Depth;
  int HalfHeight;
  int DepthExtra;
  // The angle offset orTop / orLeft give the dial (the other side the negated one).
  int LyingTurn;
  int StandingTurn;
  // The pointers are clipped to the face (a pivot outside it).
  bool ClipToFace;
  // The scale's start ray from straight up while lying; standing it turns 90 degrees more.
  int ScaleTurn;
  int LogMinorRadius;
  bool LabelWidthOnControl;
  // The readout's corners and the caption's centre; the caption lies under the readout while
  // lying (over it on orBottom).
  TPoint LyingReadout[2];
  TPoint StandingReadout[2];
  TPoint StandingCaption;
  bool Hub;
  // The pointer's half width at its base in tenths of a fortieth of the smaller side, the peak
  // pointer's in tenths of the pointer's.
  int PointerHalf;
  int PeakHalf;
  // LED radius as a share of 75 units; LED 1's centre (LED 2 mirrored across the arc's axis).
  int LedShare[2];
  TPoint LyingLed;
  TPoint StandingLed;
};

class TArcMeter : public TRoundMeter {
 public:
  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType Value);
  TOrientType Orientation() const { return OrientationValue(); }
  void SetOrientation(TOrientType Value) { StoreOrientation(Value); }  // invalidates

  TDialLayout Layout() const override;

 protected:
  TArcMeter(TComponent* AOwner, const TArcDial& Dial);
  bool DrawDialFace(TCanvas& Canvas) override;

 private:
  // The plane turned by the orientation; false when it has no extent.
  bool LayOutPlane(TDialLayout& L) const;
  const TArcDial& FDial;
  TmShapeType FShape = smtRoundrect;
};

// Pointer meter with a 120-degree arc whose pivot lies outside the face. Orientation turns the
// arc: orTop runs from 10 to 2 o'clock, orBottom from 8 over 6 to 4, orLeft from 5 up to 1,
// orRight from 7 up to 11 o'clock.
class TMeter120 : public TArcMeter {
 public:
  explicit TMeter120(TComponent* AOwner);
};

// Half-circle meter with the pivot inside the face on a hub. orTop runs from 9 over 12 to
// 3 o'clock, orBottom from 9 over 6 to 3, orLeft from 6 over 3 to 12, orRight from 6 over 9 to 12.
class TMeter180 : public TArcMeter {
 public:
  explicit TMeter180(TComponent* AOwner);

  TColor ColCircle() const { return ColCircleValue(); }  // hub fill
  void SetColCircle(TColor Value) { StoreColCircle(Value); }
};

// Meter with a 270-degree scale round a centred pivot: from the lower left clockwise over the top
// to the lower right. The face is a rectangle, a square, either with round corners, or a circle.
class TMeter270 : public TRoundMeter {
 public:
  explicit TMeter270(TComponent* AOwner);

  TShapeTypeT Shape() const { return FShape; }
  void SetShape(TShapeTypeT Value);
  TColor ColCircle() const { return ColCircleValue(); }  // hub fill
  void SetColCircle(TColor Value) { StoreColCircle(Value); }

  TDialLayout Layout() const override;

 protected:
  bool DrawDialFace(TCanvas& Canvas) override;

 private:
  TShapeTypeT FShape = sstRoundrect;
};

// Full-circle meter with two concentric scales, like an altimeter: a long pointer on the outer
// scale (Value1) and a short one on the inner scale (Value2), each damped on its own, a peak
// pointer on the inner scale, two round LEDs in the lower corners and two triangular ones in the
// upper corners, and two captions. Values grow clockwise from 6 o'clock and wrap round the dial
// beyond the range; on a logarithmic scale values at or below its start point at the start.
// No readout, colour bands, range flags or limit events. Face shapes as TMeter270.
class TMeter360 : public TOrvaneBase, public TMeterLeds<4> {
 public:
  explicit TMeter360(TComponent* AOwner);
  ~TMeter360() override;

  TShapeTypeT Shape() const { return FShape; }
  void SetShape(TShapeTypeT Value);
  TColor ColPointer1() const { return FColPointer[0]; }
  void SetColPointer1(TColor Value);
  TColor ColPointer2() const { return FColPointer[1]; }
  void SetColPointer2(TColor Value);
  TColor ColPeakPtr() const { return FColPeakPtr; }
  void SetColPeakPtr(TColor Value);
  // Label colours of the outer and inner scale.
  TColor ColFont1() const { return FRings[0].ColFont; }
  void SetColFont1(TColor Value);
  TColor ColFont2() const { return FRings[1].ColFont; }
  void SetColFont2(TColor Value);
  // Tick and ring colours of the outer and inner scale.
  TColor ColScala1() const { return FRings[0].ColScala; }
  void SetColScala1(TColor Value);
  TColor ColScala2() const { return FRings[1].ColScala; }
  void SetColScala2(TColor Value);
  TColor ColShape() const { return FColShape; }  // face and hub outline
  void SetColShape(TColor Value);
  TColor ColCircle() const { return FColCircle; }  // hub fill
  void SetColCircle(TColor Value);

  // Target values; never clamped.
  double Value1() const { return FPointers[0].Value; }
  void SetValue1(double Value);
  double Value2() const { return FPointers[1].Value; }
  void SetValue2(double Value);
  double ShownValue1() const { return FPointers[0].ShownValue; }
  double ShownValue2() const { return FPointers[1].ShownValue; }
  // The peak of the inner pointer; not held to the scale.
  double PeakValue() const { return FPointers[1].PeakValue; }

  // Outer range within -1000..1000, inner within -100000..100000. A change pulls the scale's
  // value into the new range; ValueStart2 also moves the peak to the start. While the form is
  // read they only store.
  double ValueStart1() const { return FScales[0].Start; }
  void SetValueStart1(double Value) { SetValueStart(0, Value); }
  double ValueEnd1() const { return FScales[0].End; }
  void SetValueEnd1(double Value) { SetValueEnd(0, Value); }
  double ValueStart2() const { return FScales[1].Start; }
  void SetValueStart2(double Value) { SetValueStart(1, Value); }
  double ValueEnd2() const { return FScales[1].End; }
  void SetValueEnd2(double Value) { SetValueEnd(1, Value); }
  int ScalaPart1() const { return FScales[0].Part(); }  // 1..20
  void SetScalaPart1(int Value) { SetScalaPart(0, Value); }
  int ScalaPart2() const { return FScales[1].Part(); }
  void SetScalaPart2(int Value) { SetScalaPart(1, Value); }
  int ScalaPsub1() const { return FScales[0].Psub(); }  // -1 automatic, 0 none, 1..20
  void SetScalaPsub1(int Value) { SetScalaPsub(0, Value); }
  int ScalaPsub2() const { return FScales[1].Psub(); }
  void SetScalaPsub2(int Value) { SetScalaPsub(1, Value); }
  // Logarithmic scales; switching one on outside form reading repairs its range (non-positive
  // values become 0.001, ends snap to decades, at most 1000).
  bool NonLinear1() const { return FScales[0].NonLinear; }
  void SetNonLinear1(bool Value) { SetNonLinear(0, Value); }
  bool NonLinear2() const { return FScales[1].NonLinear; }
  void SetNonLinear2(bool Value) { SetNonLinear(1, Value); }
  // Outer caption above the pivot, inner caption below it; every assignment repaints.
  const std::string& Caption1() const { return FRings[0].Caption; }
  void SetCaption1(const std::string& Value);
  const std::string& Caption2() const { return FRings[1].Caption; }
  void SetCaption2(const std::string& Value);

  // LEDs 1 and 2 (round, lower corners) are shown with LedEnable1, LEDs 3 and 4 (triangles,
  // upper corners) with LedEnable2. The switches store also while their LEDs are hidden.
  bool LedEnable1() const { return FLedEnable[0]; }
  void SetLedEnable1(bool Value);
  bool LedEnable2() const { return FLedEnable[1]; }
  void SetLedEnable2(bool Value);
  TColor ColLed3() const { return FLeds[2].Colour; }
  void SetColLed3(TColor Value) { SetColLed(2, Value); }
  bool LedOn3() const { return FLeds[2].On; }
  void SetLedOn3(bool Value) { SetLedOn(2, Value); }
  bool LedBlink3() const { return FLeds[2].Blink; }
  void SetLedBlink3(bool Value) { SetLedBlink(2, Value); }
  TColor ColLed4() const { return FLeds[3].Colour; }
  void SetColLed4(TColor Value) { SetColLed(3, Value); }
  bool LedOn4() const { return FLeds[3].On; }
  void SetLedOn4(bool Value) { SetLedOn(3, Value); }
  bool LedBlink4() const { return FLeds[3].Blink; }
  void SetLedBlink4(bool Value) { SetLedBlink(3, Value); }

  // Damping of each pointer, 0..50. The damping record runs while either is above 0.
  int Damping1() const { return FPointers[0].Damping; }
  void SetDamping1(int Value) { SetDamping(0, Value); }
  int Damping2() const { return FPointers[1].Damping; }
  void SetDamping2(int Value) { SetDamping(1, Value); }
  int DampPeak() const { return FPointers[1].DampPeak; }  // 0..1000
  void SetDampPeak(int Value);
  TPeakPtrMode PeakMode() const { return FPointers[1].PeakMode; }
  void SetPeakMode(TPeakPtrMode Value);

  // Moves the peak back to the inner scale's start (nothing when it is there already).
  void ResetPeak();
  // Invalidates; for binding to change notifications.
  void StyleChanged(TObject* Sender);
  // One update step of both pointers; Force redraws even when no tip moved.
  void UpdatePointer(bool Force);

  // Where a paint puts the dial and its pieces, worked out from the size, the frame and the
  // properties alone: plain data, the same before the first paint as in it.
  struct TDialLayout {
    bool Valid = false;  // false when the control is too small for a dial
    TDialMapping Map;
    int Overhang = 0;  // the face's reach beyond a switched-off side
    TPoint Pivot;
    int HubRadius = 0;  // pixels, either sign
    // The outer and inner pointer and the peak pointer at the scale start.
    TPoint PointerBase[2][3];
    TPoint PeakBase[3];
    // Round LEDs 1 and 2 of LedRadius, triangles 3 and 4 of TriangleSize: a pixel smaller than
    // their sockets while shown, so that the grey ring stays round every LED drawn later.
    TPoint LedCentre[4];
    int LedRadius = 0;
    int TriangleSize = 0;
    bool operator==(const TDialLayout&) const = default;
  };
  TDialLayout Layout() const;
  // The layout the last paint drew.
  const TDialLayout& PaintedLayout() const { return FDrawn; }

  // Geometry for callers that place things over the dial, as a paint puts it now.
  TDialMapping DialMapping() const { return Layout().Map; }
  TPoint Pivot() const { return Layout().Pivot; }
  TPoint LedCentre(int Number) const {  // LED 1..4
    assert(Number >= 1 && Number <= 4);
    return Layout().LedCentre[Number - 1];
  }
  int LedRadius() const { return Layout().LedRadius; }
  int TriangleSize() const { return Layout().TriangleSize; }
  bool Painted() const { return FPainted; }
  // Degrees clockwise from 6 o'clock at which a value of a scale (0 outer, 1 inner) points.
  double ScaleAngle(int Scale, double Value) const;

 protected:
  void Loaded() override;
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  // The look of a scale.
  struct TRing {
    TColor ColFont;
    TColor ColScala;
    std::string Caption;
  };

  void RepaintNow();
  bool Reading() const;
  void SetValue(int Index, double Value);
  void SetValueStart(int Index, double Value);
  void SetValueEnd(int Index, double Value);
  void SetScalaPart(int Index, int Value);
  void SetScalaPsub(int Index, int Value);
  void SetNonLinear(int Index, bool Value);
  void SetDamping(int Index, int Value);
  void SetColour(TColor& Field, TColor Value);
  bool LedShown(int Index) const;
  bool LedHidden(int Index) const override { return !LedShown(Index); }
  void DrawLed(int Index) override;
  void DrawLedInto(TCanvas& Canvas, int Index) const override;
  void BlinkTick();
  // The static image by FDrawn: face, rings, captions, hub, LED sockets and maker mark.
  void DrawDial(TCanvas& Canvas);
  void DrawRing(TCanvas& Canvas, int Index, int Inner, int Outer, bool LabelsInside);
  void DrawLedSockets(TCanvas& Canvas);
  TRect LedBox(int Index) const override;
  // Static image, pointers and LEDs composed in Area of the work image and copied to the screen.
  void Compose(const TRect& Area);

  TInstrumentTicks FTicks;
  TPointerModel FPointers[2];
  // Outer and inner scale: the peak pointer is on the inner one.
  TValueScale FScales[2] = {
      {kMeter360OuterRules, {0, 100}, 10, FPointers[0].Value},
      {kMeter360InnerRules, {0, 10000}, 10, FPointers[1].Value, &FPointers[1].PeakValue}};
  TRing FRings[2] = {{0xFF00FF, 0xFF00FF, "ALTITUDE"}, {0x00FFFF, 0x00FFFF, "feet"}};
  bool FLedEnable[2] = {true, true};
  TShapeTypeT FShape = sstRoundrect;
  TColor FColPointer[2] = {0x0000FF, 0x0000FF};
  TColor FColPeakPtr = 0x00FF00;
  TColor FColShape = 0xFFFFFF;
  TColor FColCircle = 0x808080;

  TDialLayout FDrawn;
  // The pointers as drawn.
  TPoint FPointerPoly[2][3];
  TPoint FPeakPoly[3];
  TUpdateArea FUpdateArea;
  bool FPainted = false;
};
