#pragma once
// The flashing marks on the first and last scale labels of a meter whose shown value has left
// the scale: while a range flag is set the label's rectangle is inverted (XOR) on the screen and
// restored at every blink cycle. The mark lives only on the screen; every copy of the composed
// image to the screen wipes it, so the owner reports each copy (AfterCopy) and the marks keep an
// explicit "on screen" state. A mark that is still on screen once its flag is clear is removed at
// the next blink cycle, never left behind.

#include "library/foundation/scaledraw.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/geometry.h"

class TCanvas;

// The label rectangles are recorded by the owner's paint.
class TLimitMarks : public TScaleLabelRects {
 public:
  // The mark colour: white on a black face, else the pointer colour.
  static TColor MarkColour(TColor ColBack, TColor ColPointer);

  // After a paint: nothing on the screen, both marks in their shown half-cycle.
  void Reset();

  // After the composed image was copied to the screen: the marks are gone; those whose flag is
  // set and that are in their shown half-cycle are drawn again at once.
  void AfterCopy(TCanvas& Screen, TColor Colour, bool OverRange, bool UnderRange);

  // Once per blink cycle, while Busy: marks whose flag is set change their half-cycle; the
  // screen follows.
  void BlinkTick(TCanvas& Screen, TColor Colour, bool OverRange, bool UnderRange);

  // Whether a blink cycle has anything to do: a flag is set or a mark is still on the screen.
  bool Busy(bool OverRange, bool UnderRange) const;

  // Adds the marks on the screen to Area, so that the copy of Area wipes them before they are
  // drawn again.
  void AddShownTo(TRect& Area) const;

  bool EndVisible() const { return FEnd.Visible; }
  bool StartVisible() const { return FStart.Visible; }

 private:
  struct TMark {
    bool HiddenPhase = false;  // the half-cycle in which a flagged mark is not shown
    bool Visible = false;      // the XOR mark is on the screen now
  };
  static void Sync(TCanvas& Screen, TColor Colour, const TRect& Rect, TMark& M, bool Flag);

  TMark FEnd;
  TMark FStart;
};
