#pragma once
// The thumbwheel demo: one digit wheel whose type, colours, stop and repeat speed are set on the
// form and whose size follows two scroll bars, beside three wheels of other kinds.

#include <array>

#include "library/controls/disp7s/spin7seg.h"
#include "library/controls/tasten/spin.h"
#include "programs/demo/demoform.h"

class TSpin7SegDemo : public TDemoForm {
 public:
  explicit TSpin7SegDemo(TComponent* AOwner);

  TSpin7Seg* Spin7S;
  std::array<TSpin7Seg*, 3> Others{};  // Spin7Seg2 .. Spin7Seg4
  TScrollBar* ScrollW;
  TScrollBar* ScrollH;
  TRadioGroup* SelBevelOut;
  TRadioGroup* SelBevelIn;
  TRadioGroup* SelBackCol;
  TRadioGroup* SelDigitCol;
  TRadioGroup* Modus;
  TTextSpin* SelSpeed;
  TCheckBox* Anschlag;
  TCheckBox* EventSel;
  TCheckBox* ItalicCheck;
};
