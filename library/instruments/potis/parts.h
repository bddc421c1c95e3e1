#pragma once
// Drawing pieces the controls of unit Potis share (internal to the unit).

#include <functional>
#include <string>

#include "library/instruments/potis/potis.h"

class TCanvas;
class TDragModel;
struct TScaleRange;

// The preset button of the rotary controls: the lower left corner of the frame's inner
// rectangle.
TRect RotaryPresetRect(const TRect& Inner);

// The preset button over R: the standard push-button face, released or pressed, with a
// rectangle in Colour and a black outline inside it.
void DrawPresetFace(TCanvas& C, const TRect& R, TColor Colour, bool Down);

// R filled in Colour inside a thin black outline; the pen and brush stay so.
void FillOutlined(TCanvas& C, const TRect& R, TColor Colour);

// The caption text in Colour, its font fitted to Box, over a silver fill, centred at the box's
// top and clipped to it. The canvas takes Font first.
void DrawCaptionText(TCanvas& C, const TRect& Box, const TFont* Font, const std::string& Caption,
                     TColor Colour);

// Scale label decimals of the rotary potentiometers by the width of the range.
int RotaryLabelDecimals(double Start, double End);

// The rotary potentiometers' scale: the arc of radius 670, a tick to radius 760 at each of
// ScalaPart divisions with a thin tick half a division further, and the value labels outside, in
// the label font. Returns the label font's height.
int DrawRotaryScale(TCanvas& C, const TRotaryPlane& P, const TScaleRange& Range, int ScalaPart,
                    TColor ColScala, bool FontAutom);
// The label font of the rotary potentiometers: with FontAutom the canvas font sized from the
// plane, else the canvas font as it is.
void SetRotaryLabelFont(TCanvas& C, const TRotaryPlane& P, bool FontAutom);

// The point at Radius straight up from the centre, turned to the arc's start (lower left).
TPoint ArcStartPoint(const TRotaryPlane& P, int Radius);
// A label box of Width by the font height whose centre lies Beyond pixels outside Radius,
// upright, and the point it turns about so that its centre turns about the plane's centre; both
// already turned to the arc's start.
struct TLabelPlace {
  TPoint Corner;
  TPoint Pivot;
};
TLabelPlace ArcStartLabel(const TRotaryPlane& P, int Radius, double Beyond, int Width, int Height);

// The knob: rim of radius 600 in ColLight (upper left) and ColButton (lower right) with the
// shadow sector in ColShade, then the face of radius 400 in ColButton with an Outline.
void DrawKnob(TCanvas& C, const TRotaryPlane& P, TColor ColButton, TColor ColLight, TColor ColShade,
              TColor Outline);

// The caption bevel: raised has white top and left lines, lowered the colours swapped; Box
// shrinks by it.
void DrawBevelFrame(TCanvas& C, TRect& Box, TPanelBevel Bevel);

// V within Low..High; Low wins for a range that form data left inverted.
inline double Within(double V, double Low, double High) {
  return V > High ? (High < Low ? Low : High) : (V < Low ? Low : V);
}

// The potentiometers' value setter: a non-finite V is ignored, while the form is read V is
// stored raw, else within the range. True when Value changed (the control moves its pointer).
bool StoreValue(double& Value, double V, bool Reading, const TScaleRange& Range);

// The rotary potentiometers' value on the 270-degree arc: the pointer's angle from the arc's
// start (0..270, 0 on a range of no width); a press at arc angle U sets the value there; a drag
// to a point angle moves it there, within the range, when the jump rules take the move.
double ArcPointerAngle(const TScaleRange& Range, double Value);
void PressArcValue(TDragModel& Drag, const TScaleRange& Range, double U);
void DragArcValue(TDragModel& Drag, const TScaleRange& Range, double Value, double LastAngle,
                  double Angle);

// Text of a label of at most 10 characters.
std::string Cut10(const std::string& S);

// Steps the canvas font down a point at a time, to no less than 7 points, until Fits holds:
// labels and captions that would run over the control's edge or under its readout shrink
// instead. A font that fits, or is at 7 points already, stays as it is.
void ShrinkFontUntil(TCanvas& C, const std::function<bool()>& Fits);

// Label font size of the rotary switch, from the radius of its position dots.
int SelectorLabelFontSize(const TRotaryPlane& P);
