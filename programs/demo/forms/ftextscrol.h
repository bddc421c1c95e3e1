#pragma once
// The text viewer demo: the viewer shows this form's own source text, in text or hex mode, with
// a pop-up naming the word under the resting mouse, line marks and a bookmark set by double
// clicks, and the screen saver switched on or off and timed while the form is open.

#include "library/controls/orvanebits/bitwin.h"
#include "library/controls/orvanebits/scrnsavectrl.h"
#include "library/controls/tasten/multibmp.h"
#include "library/controls/tasten/spin.h"
#include "library/controls/txtscroll/txtscroll.h"
#include "programs/demo/demoform.h"

// The sample text beside the program.
extern const char* const kTextScrollSample;

class TTextSrcollDemo : public TDemoForm {
 public:
  explicit TTextSrcollDemo(TComponent* AOwner);

  TTextScroller* TextScroll;
  TBitWin* BitWin;
  TScrnSaveCtrl* ScrnSave;
  TRadioGroup* TextMode;
  TRadioGroup* HexOffs;
  TRadioGroup* FontSize;
  TRadioGroup* Mode;
  TMultiBmp* MultiBmp;
  TLabel* scLabel;
  TTextSpin* TimeOutSpin;

  // The pop-up's text for the word under the mouse; Show tells whether it opens.
  void BitWinShow(TPoint& MousePos, std::string& Info, bool& Show);

 private:
  void TextScrollDblClick();
  void SaverSwitched(bool On);
};
