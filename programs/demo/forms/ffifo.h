#pragma once
// The character FIFO demo: what is typed into the upper field runs on as text in the lower one.

#include "library/controls/orvanemisc/fifo.h"
#include "programs/demo/demoform.h"

class TFifoDemo : public TDemoForm {
 public:
  explicit TFifoDemo(TComponent* AOwner);

  TFiFo* FiFo1 = nullptr;  // takes the keys
  TFiFo* FiFo2 = nullptr;  // read-only, shows them
  TButton* CloseBtn = nullptr;
};
