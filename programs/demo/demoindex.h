#pragma once
// The index of the demo forms: for every form its main-form button, class, caption, client size,
// font, help context, whether it stays on top, and the control that ends it. The forms read their
// frame from here, the main form its buttons, and the tests check each built form against it.

#include <string>
#include <vector>

#include "platform/forms/forms.h"

// The control that ends a demo form's modal state, besides the window's close box.
enum class TDemoCloser {
  CloseButton,   // a button of the close kind (Caption: its caption where not the default)
  Button,        // a push button with Caption and ModalResult
  CloseBoxOnly,  // none
  SpeedButton,   // a speed button with Caption
  LedCheck,      // an LED check box with Caption
  BitmapButton,  // a bitmap-strip button
};

struct TDemoFormInfo {
  const char* Button;     // the main form's speed button that opens it
  const char* ClassName;  // "TBevelDemo"
  const char* Unit;       // module name, lower case: programs/demo/forms/<Unit>.cpp
  std::string Caption;
  int ClientWidth;
  int ClientHeight;
  const char* FontName;  // "System" -13 unless the form has its own
  int FontHeight;
  int HelpContext;  // 0: none
  bool OnTop;
  TDemoCloser Closer;
  std::string CloserCaption;  // "" where the closing control keeps its default caption
  TModalResult CloserResult;  // for Button
  TColor Color;               // the form's colour
  bool Centred;               // false: at its design position
};

// All 41 demo forms, in the order of the index.
const std::vector<TDemoFormInfo>& DemoForms();
// The entry of a class ("TBevelDemo") or of a main-form button ("Bevel3DBtn"); nullptr if none.
const TDemoFormInfo* FindDemoForm(const std::string& ClassOrButton);
