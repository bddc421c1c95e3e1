#pragma once
// TDisplay: the frame of the logic display. Inside the frame it lays out a head bar with a
// title, a channel-name column on the left, the display area and a footer band, by one of five
// layouts, and draws the frame parts; TLogic fills the areas.

#include <string>

#include "library/foundation/frame.h"
#include "library/foundation/types.h"

enum tdispType { complete, dispOnly, dispTop, dispCenter, dispBottom };

// The areas of one layout, in client pixels (Right and Bottom exclusive).
struct TDisplayLayout {
  int BandLeft = 0;    // b: half the name column's width, H div 8 within 25..35
  int BandBottom = 0;  // a: the footer's height, H div 8 within 30..40
  TRect NameColumn;    // after shrinking by 1 on every side
  TRect HeadBand;
  TRect Footer;     // F
  TRect Disp;       // D: the area inside its sunken frame
  TRect DispFrame;  // the columns and rows of that frame (inclusive)
  TRect HeadBox;    // inside its sunken frame; empty without a head
  TRect HeadBoxFrame;
  int DispWidth = 0;   // dw = D.Right - D.Left - 1
  int DispHeight = 0;  // dh = D.Bottom - D.Top
};

// The layout for a frame whose inner rectangle is Inner on a control Height pixels high.
TDisplayLayout LayoutDisplay(const TRect& Inner, int Height, tdispType Typ);

// Whether a layout has a head bar / a footer.
inline bool HasHead(tdispType T) { return T == complete || T == dispTop; }
inline bool HasFooter(tdispType T) { return T == complete || T == dispBottom; }

class TDisplay : public TRahmen {
 public:
  explicit TDisplay(TComponent* AOwner);

  // At most 32 characters; a longer text is cut.
  const std::string& NameHead() const { return FNameHead.str(); }
  void SetNameHead(const std::string& Value);
  tdispType DisplayTyp() const { return FDisplayTyp; }
  void SetDisplayTyp(tdispType Value);
  TColor ColHead() const { return FColHead; }
  void SetColHead(TColor Value);
  TColor ColTxtHead() const { return FColTxtHead; }
  void SetColTxtHead(TColor Value);

  // The layout of the last paint.
  const TDisplayLayout& Layout() const { return FLayout; }
  bool Painted() const { return FPainted; }

  void StyleChanged(TObject* Sender);
  // Redraws the head box (once painted, with a head).
  void DrawHead();

 protected:
  void Paint() override;

  TDisplayLayout FLayout;
  bool FPainted = false;

 private:
  string32 FNameHead = "Display";
  tdispType FDisplayTyp = complete;
  TColor FColHead = 0x000000;
  TColor FColTxtHead = 0x000000;
};
