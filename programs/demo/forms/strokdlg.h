#pragma once
// The stroke-font demo dialog: a plate drawing its text in the vector font, with the text, angle,
// character size, pen width, colour, justification, mirroring and slant chosen on the form.

#include "library/controls/orvanemisc/numedit.h"
#include "library/controls/strokes/stroke.h"
#include "platform/forms/stdctrls/colorgrd.h"
#include "programs/demo/demoform.h"

class TStrokeTextDlg : public TDemoForm {
 public:
  explicit TStrokeTextDlg(TComponent* AOwner);

  TStroke* StrokeBevel;
  TEdit* EditFeld;
  TNumEdit* WinkelEdit;
  TNumEdit* xSize;
  TNumEdit* ySize;
  TNumEdit* Pen;
  TColorGrid* TextColor;
  TRadioGroup* TextJustifyHor;
  TRadioGroup* TextJustifyVert;
  TCheckBox* MirrorCheck;
  TCheckBox* ItalicCheck;
  TButton* OKBtn;

 private:
  bool FFirstActivation = true;
};
