#pragma once
// The box line demo: a column of eight switch boxes kept in step with eight status and eight
// enable LED check boxes in both directions, and a row of eight boxes showing the byte set on two
// hexadecimal thumbwheels, which carry and borrow between each other.

#include <array>

#include "library/controls/disp7s/spin7seg.h"
#include "library/controls/tasten/boxline.h"
#include "library/controls/tasten/ledcheck.h"
#include "programs/demo/demoform.h"

class TBoxLineDemo : public TDemoForm {
 public:
  explicit TBoxLineDemo(TComponent* AOwner);
  ~TBoxLineDemo() override;

  TBoxLine* BoxLine1;
  TBoxLine* BoxLine2;
  std::array<TLedCheck*, 8> StatusCheck{};  // LedCheck1 .. LedCheck8
  std::array<TLedCheck*, 8> EnableCheck{};  // LedCheck9 .. LedCheck16
  TSpin7Seg* HighNibble;
  TSpin7Seg* LowNibble;
  TCheckBox* VertCheck;
  TCheckBox* OrderCheck;

 private:
  void BoxClick(int Box);
  void ShowByte();
  void LowNibbleWrap(int Carry);
};

// The instance made at start-up (see startupforms.h); nullptr once it is freed.
extern TBoxLineDemo* BoxLineDemo;
