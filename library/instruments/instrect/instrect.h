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
// limit events, flashing scale ends and two LEDs (while LedEnable is off their switches are
// ignored, not stored). The range ends stay within the meter's bound; outside form reading a
// change resets the limits (and zones) to their shares of the new range. A value update composes
// the static image, the pointers and the LEDs off screen and copies them to the screen in one
// block; it draws nothing when neither pointer moved by a pixel.
class TPanelMeter : public TPointerScale<TDampedPointer<TOrvaneBase>>, public TLedPair {
 public:
  ~TPanelMeter() override;

  // Thresholds of the limit events: a lower limit outside the range becomes ValueStart; an
  // upper one below the range or above it becomes ValueEnd. No redraw.
  double UpperLimit() const { return FUpperLimit; }
  void SetUpperLimit(double Value);
  double LowerLimit() const { return FLowerLimit; }
  void SetLowerLimit(double Value);

  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType Value);
  TColor ColShape() const { return FColShape; }
  void SetColShape(TColor Value);
  TColor ColScala() const { return FColScala; }
  void SetColScala(TColor Value);
  TColor ColPointer() const { return FColPointer; }
  void SetColPointer(TColor Value);
  TColor ColPeakPtr() const { return FColPeakPtr; }
  void SetColPeakPtr(TColor Value);
  // Font of the caption texts; the setter copies it.
  TFont* FontCapt() const { return FFontCapt.get(); }
  void SetFontCapt(const TFont* Value);

  // Fire when the shown value rises above UpperLimit or falls below LowerLimit, once per
  // crossing, before anything of that update is drawn.
  TNotifyEvent OnUpperLim;
  TNotifyEvent OnLowerLim;

  // Invalidates; the caption font's change handler.
  void StyleChanged(TObject* Sender);
  void UpdatePointer(bool Force) override;

  bool Painted() const { return FPainted; }
  const TLimitMarks& LimitMarks() const { return FMarks; }
  // Pixel of the pointer and the peak pointer along the scale, as last drawn.
  int PointerPos() const { return FPointerPos; }
  int PeakPos() const { return FPeakPos; }
  // Pixel of a value inside the range along the scale, by the last Paint's layout.
  int ValueToPixel(double Value) const;

  // The scale along its axis: Origin is the pixel of the scale start (the scale runs Length
  // pixels from Start, to the right, or up from Origin on the tall meter), the ticks run across
  // from Base to TickEnd, and the tall meter's labels are LabelWidth wide.
  struct TScaleGeometry {
    int Origin = 0;
    int Base = 0;
    int TickEnd = 0;
    int LabelWidth = 0;
    int Start = 0;
    int Length = 0;
    bool operator==(const TScaleGeometry&) const = default;
  };
  // What both meters lay out before they draw, from the size, the properties and the fonts'
  // metrics (measured on a canvas, not drawn on), so it is known before the first paint.
  struct TLayout {
    TRect Face;
    TPoint LedCentre[2];
    int LedRadius = 0;
    TScaleGeometry Geometry;
    TScaleLayout Scale;
  };
  TPoint LedCentre(int Index) const {  // LED 0..1
    assert(Index >= 0 && Index < 2);
    return CurrentLayout().LedCentre[Index];
  }
  // The scale's ticks and labels, as a paint lays them out now.
  TScaleLayout ScaleLayout() const { return CurrentLayout().Scale; }

 protected:
  // Rules: the meter's row of the pointer instruments' rules. FromEnd: the scale's origin end
  // is ValueEnd (a vertical scale counting down from its top).
  TPanelMeter(TComponent* AOwner, const TPointerRules& Rules, bool FromEnd);

  void WndProc(TMessage& Message) override;
  void RepaintNow();
  // Sets the painted flag and forgets the areas of the last update.
  void BeginPaint();
  // After the static image is done: marks reset, both pointers at StartPos, a forced update.
  void EndPaint(int StartPos);
  bool Reading() const override;
  // After a stored range change: the class's defaults for the moved end, limits kept inside.
  void RangeMoved(bool Start) override;
  virtual void RangeStartChanged();
  virtual void RangeEndChanged();
  // The defaults a range change gives the limits (and the tall meter's zones): 20 % and 80 % of
  // the way from the range's start to its end.
  double LowerDefault() const;
  double UpperDefault() const;
  // Puts a limit that a range change left outside the range back by the limit setters' rule.
  void KeepLimitsInRange();
  // The base part of the subclass's current layout.
  virtual TLayout CurrentLayout() const = 0;
  // A canvas with the meter's font, to measure texts on.
  std::unique_ptr<TCanvas> MeasuringCanvas() const;
  // The face round the inner rectangle (see LayOutFace); Inner is left with what is inside.
  TRect FaceAround(TRect& Inner, int Gap, int Overhang, TFaceRoom Room) const;
  // The face drawn in the shape's colours, with corners of Corner unless the shape is a
  // rectangle.
  void DrawFace(TCanvas& Canvas, const TRect& Face, int Corner);
  // The scale's ticks and labels, measured in the canvas's font.
  TScaleLayout LayOutScale(TCanvas& Canvas, const TScaleGeometry& Geometry) const;
  // Draws the axis line, ticks and labels with the scale colour and records the end labels'
  // rectangles.
  void DrawScale(TCanvas& Canvas, const TScaleGeometry& Geometry, const TScaleLayout& Layout);
  // Takes the LED places and the scale's axis of the layout a paint draws.
  void TakeLayout(const TLayout& Layout);
  // The maker's mark in its small grey font, centred on CentreX.
  void DrawCentredMakerMark(TCanvas& Canvas, int CentreX, int Y);
  // The moving parts over the static image in WorkBitmap, before the LEDs; Work is clipped to
  // the area being recomposed.
  virtual void DrawMovingParts(TCanvas& Work) = 0;
  // The area in which the moving parts differ after the pointer moved from OldPointer to
  // FPointerPos and the peak from OldPeak to FPeakPos.
  virtual TRect MovedArea(int OldPointer, int OldPeak) const = 0;
  // The pointer's and the peak pointer's triangles at a place along the scale.
  virtual void PointerAt(int Pos, TPoint (&Corners)[3]) const = 0;
  virtual void PeakAt(int Pos, TPoint (&Corners)[3]) const = 0;
  // For MovedArea: what the pointer (with Pointer) and the peak pointer (with Peak) covered at
  // their old places and cover at the new ones.
  TRect TrianglesMoved(int OldPointer, int OldPeak, bool Pointer, bool Peak) const;
  // Refreshes what else follows the shown value (a readout; all of it with Force) in the static
  // image; returns the area it redrew.
  virtual TRect FollowShownValue(bool /*Force*/) { return TRect{}; }
  // The peak step runs after the limit events instead of before them.
  bool FLimitsBeforePeak = false;
  // The scale as laid out by Paint: origin pixel and length.
  int FScaleP0 = 0;
  int FScaleLength = 0;
  TLimitMarks FMarks;
  int FPointerPos = 0;
  int FPeakPos = 0;
  TmShapeType FShape = smtRoundrect;
  TColor FColShape = 0xFFFFFF;
  TColor FColScala = 0xFFFFFF;
  TColor FColPointer = 0x0000FF;
  TColor FColPeakPtr = 0x00FFFF;
  double FUpperLimit = 45;
  double FLowerLimit = 0;
  bool FPainted = false;

 private:
  void BlinkTick();
  void PeakModeChanged() override { RepaintNow(); }
  void DrawLed(int Index) override;
  void LedEnableChanged() override { RepaintNow(); }
  void RepairRange() override;
  void ScaleChanged() override { RepaintNow(); }
  // Static image, moving parts and LEDs composed in Area of the work image and copied to the
  // screen (nothing for an empty Area); the limit marks are redrawn by the caller after all
  // copies.
  void Compose(const TRect& Area);

  TUpdateArea FUpdateArea;
  const bool FFromEnd;
  TLimitEvents FLimitEvents;
  std::unique_ptr<TFont> FFontCapt;
};

// Wide panel meter: a horizontal scale with its labels above the baseline, a caption below it,
// a pointer rising from the bottom edge, the peak pointer above the labels and two LEDs in a
// column at the right (LED 1 the lower one).
class TMeterPanelH : public TPanelMeter {
 public:
  explicit TMeterPanelH(TComponent* AOwner);

  // At most 32 characters; every assignment repaints.
  const std::string& Caption() const { return FCaption.str(); }
  void SetCaption(const std::string& Value);

  // What a paint draws: the scale's rectangle and baseline besides the common parts.
  struct TLayout : TPanelMeter::TLayout {
    TRect ScaleRect;
    int Baseline = 0;
  };
  TLayout Layout() const;
  // The layout the last paint drew, on which the pointers move.
  const TLayout& PaintedLayout() const { return FDrawn; }
  TRect ScaleRect() const { return Layout().ScaleRect; }
  int Baseline() const { return Layout().Baseline; }

 protected:
  TPanelMeter::TLayout CurrentLayout() const override { return Layout(); }
  void Paint() override;
  void DrawMovingParts(TCanvas& Work) override;
  TRect MovedArea(int OldPointer, int OldPeak) const override;
  void PointerAt(int X, TPoint (&Corners)[3]) const override;
  void PeakAt(int X, TPoint (&Corners)[3]) const override;

 private:
  // The layout in the canvas's font.
  TLayout LayOut(TCanvas& Canvas) const;
  string32 FCaption = "Panel Meter";
  TLayout FDrawn;
  int FHalfWidth = 0;
  int FPeakTop = 0;
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
  TMeterStyle MeterStyle() const { return FMeterStyle; }
  void SetMeterStyle(TMeterStyle Value);
  // LEDs of the column: changed only in the LedBar style, at least 2 and at most a tenth of the
  // height (never below 1).
  int LedZahl() const { return FLedZahl; }
  void SetLedZahl(int Value);
  // Zone bounds: ColMin below ValueMin, ColMid up to ValueMid, ColMax above. Each stays inside
  // ValueStart..ValueMid or ValueMin..ValueEnd; a range change resets them to 20 % and 80 %.
  double ValueMin() const { return FValueMin; }
  void SetValueMin(double Value);
  double ValueMid() const { return FValueMid; }
  void SetValueMid(double Value);
  // Zone colours and the mask that dims the unlit part of bar and column; they redraw only the
  // moving parts.
  TColor ColMin() const { return FColMin; }
  void SetColMin(TColor Value);
  TColor ColMid() const { return FColMid; }
  void SetColMid(TColor Value);
  TColor ColMax() const { return FColMax; }
  void SetColMax(TColor Value);
  TColor ColAnd() const { return FColAnd; }
  void SetColAnd(TColor Value);

  // The readout: shown and its room reserved; five cells when the range reaches 1000, else four.
  bool DispEnable() const { return FDispEnable; }
  void SetDispEnable(bool Value);
  // Decimals chosen so that the point jumps less while the value moves.
  bool DispFixPnt() const { return FDispFixPnt; }
  void SetDispFixPnt(bool Value);
  bool DispItalic() const { return FDispItalic; }
  void SetDispItalic(bool Value);
  TColor ColDBack() const { return FColDback; }
  void SetColDBack(TColor Value);
  TColor ColDRand() const { return FColDrand; }
  void SetColDRand(TColor Value);
  TColor ColDisplay() const { return FColDisplay; }
  void SetColDisplay(TColor Value);

  // Unit text below the scale and name text above it, in FontCapt.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  const std::string& TextName() const { return FTextName; }
  void SetTextName(const std::string& Value);

  // Moves the peak back to the scale start (nothing when it is there already).
  void ResetPeak();

  // The readout text for a shown value; a value whose digits before the point do not fit the
  // cells shows dashes in every cell.
  static std::string ReadoutText(double Shown, double ValueStart, double ValueEnd, bool DispFixPnt);
  std::string ReadoutShows() const;
  int ReadoutCells() const;

  // What a paint draws besides the common parts: the scale strip (its Top and Bottom are the
  // scale's ends), the bar inside its frame, the readout frame and its digit cells, the bands of
  // the name and unit texts, and the zone bounds' rows in the bar.
  struct TLayout : TPanelMeter::TLayout {
    TRect Strip;
    TRect Bar;
    TRect Readout;
    TRect ReadoutCells;
    TRect NameBand;
    TRect UnitBand;
    int YMin = 0;
    int YMid = 0;
  };
  TLayout Layout() const;
  // The layout the last paint drew, on which the pointers and bars move.
  const TLayout& PaintedLayout() const { return FDrawn; }
  TRect ScaleStrip() const { return Layout().Strip; }
  TRect BarRect() const { return Layout().Bar; }
  TRect ReadoutRect() const { return Layout().Readout; }
  TRect FaceRect() const { return Layout().Face; }

 protected:
  TPanelMeter::TLayout CurrentLayout() const override { return Layout(); }
  void Paint() override;
  void DrawMovingParts(TCanvas& Work) override;
  TRect MovedArea(int OldPointer, int OldPeak) const override;
  // The triangles at a row of the scale.
  void PointerAt(int Y, TPoint (&Corners)[3]) const override;
  void PeakAt(int Y, TPoint (&Corners)[3]) const override;
  TRect FollowShownValue(bool Force) override;
  // The limits' defaults, and the zones back at them.
  void RangeStartChanged() override;
  void RangeEndChanged() override;

 private:
  // The layout in the canvas's font.
  TLayout LayOut(TCanvas& Canvas) const;
  void DrawTextBand(TCanvas& Canvas, const TRect& Band, const std::string& Text);
  void DrawLedColumn(TCanvas& Work) const;
  void DrawZoneBar(TCanvas& Work) const;
  // Whether the style shows the pointer's and the peak pointer's triangles.
  bool PointerShown() const;
  bool PeakPointerShown() const;
  // The rows of the bar from Top to Bottom (inclusive, in any order), across its width.
  TRect BarRows(int Top, int Bottom) const;
  TColor Dimmed(TColor Colour) const;

  std::unique_ptr<TDigDisplay> FReadout;
  TMeterStyle FMeterStyle = TMeterStyle::LedBar;
  int FLedZahl = 20;
  double FValueMin = 10;
  double FValueMid = 40;
  TColor FColMin = 0x00FFFF;
  TColor FColMid = 0x00FF00;
  TColor FColMax = 0x0000FF;
  TColor FColAnd = 0x02606060;
  bool FDispEnable = true;
  bool FDispFixPnt = false;
  bool FDispItalic = false;
  TColor FColDback = 0x000000;
  TColor FColDrand = 0xFFFFFF;
  TColor FColDisplay = 0xFFFF00;
  std::string FCaption = "Amp";
  std::string FTextName = "STROM";
  TLayout FDrawn;
  int FHalfHeight = 0;
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
  double ValueMin() const { return FValueMin; }
  void SetValueMin(double Value);
  double ValueMax() const { return FValueMax; }
  void SetValueMax(double Value);
  // Clamped to the range; sets Percent.
  double Value() const { return FValue; }
  void SetValue(double Value);
  // 0..100; sets Value.
  double Percent() const { return FPercent; }
  void SetPercent(double Value);
  // The percent drawn now: follows Percent through the damping average.
  double ShownPercent() const { return FShownPercent; }
  // 0..10: each tick moves the shown percent by 1 / (Damping + 1) of its distance.
  int Damping() const { return FDamping; }
  void SetDamping(int Value);
  bool MeterMode() const { return FMeterMode; }
  void SetMeterMode(bool Value);
  // Width of the pointer band in percent of the bar (at least one pixel), 0..100.
  double PntrPercent() const { return FPntrPercent; }
  void SetPntrPercent(double Value);
  // Segment length along the bar (values <= 0 are ignored) and gap (negative values ignored).
  int SegmWidth() const { return FSegmWidth; }
  void SetSegmWidth(int Value);
  int SegmGap() const { return FSegmGap; }
  void SetSegmGap(int Value);
  // Outline of the unlit segments; in MeterMode a frame round the bar.
  bool SegmBorder() const { return FSegmBorder; }
  void SetSegmBorder(bool Value);
  TColor SegmColor() const { return FSegmColor; }
  void SetSegmColor(TColor Value);
  // ColBack (of the frame base, clBtnFace here) fills unlit segments and the bar background.
  TColor ColBorder() const { return FColBorder; }
  void SetColBorder(TColor Value);
  // Once painted, a change turns the control round (width and height swap).
  TOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TOrientation Value);

  bool Painted() const { return FPainted; }
  // The area the bar is drawn in (the frame's inner rectangle less a 2-pixel margin).
  TRect BarArea() const;
  // The lit segment count or the band end pixel drawn last; -1 before any drawing.
  int LastDrawn() const { return FLastDrawn; }

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

  int32_t FDampTimerId = -1;
  double FValueMin = 0;
  double FValueMax = 10;
  double FValue = 0;
  double FPercent = 0;
  double FShownPercent = 0;
  int FDamping = 0;
  bool FMeterMode = false;
  double FPntrPercent = 0;
  int FSegmWidth = 8;
  int FSegmGap = 1;
  bool FSegmBorder = true;
  TColor FSegmColor = 0x800000;
  TColor FColBorder = 0x808080;
  TOrientation FOrientation = orHorizontal;
  int FLastDrawn = -1;
  TBitmap FStrips[2];  // unlit, lit
  bool FStripsValid = false;
  bool FPainted = false;
  bool FResizing = false;
};

// A level band in a small sunken window: the stretch between StartPos and EndPos on the scale
// StartValue..EndValue is lit, the rest dark. The band shows ColorEye while the start lies at or
// before the end, ColorEyeInv otherwise. Every change redraws at once.
class TMagicEye : public TRahmen {
 public:
  explicit TMagicEye(TComponent* AOwner);

  // Scale ends; each kept on its side of the other (outside form reading).
  double StartValue() const { return FStartValue; }
  void SetStartValue(double Value);
  double EndValue() const { return FEndValue; }
  void SetEndValue(double Value);
  // Band ends: any value, clamped to the scale when drawn.
  double StartPos() const { return FStartPos; }
  void SetStartPos(double Value);
  double EndPos() const { return FEndPos; }
  void SetEndPos(double Value);
  // orHorizontal measures from the left, orVertical from the bottom. Once painted, a change
  // turns the control round (width and height swap); the size never changes it.
  TOrientation Direction() const { return FDirection; }
  void SetDirection(TOrientation Value);
  TColor ColorBack() const { return FColorBack; }
  void SetColorBack(TColor Value);
  TColor ColorEye() const { return FColorEye; }
  void SetColorEye(TColor Value);
  TColor ColorEyeInv() const { return FColorEyeInv; }
  void SetColorEyeInv(TColor Value);

  // Draws the eye area; nothing before the first Paint.
  void DrawEye();
  const TRect& EyeRect() const { return FEyeRect; }

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  double FStartValue = 0;
  double FEndValue = 10;
  double FStartPos = 3;
  double FEndPos = 7;
  TOrientation FDirection = orHorizontal;
  TColor FColorBack = 0x000000;
  TColor FColorEye = 0x00FF00;
  TColor FColorEyeInv = 0x0000FF;
  TRect FEyeRect;
  bool FPainted = false;
};
