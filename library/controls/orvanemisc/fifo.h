#pragma once
// TFiFo: a framed one-line field that works as a character queue. Every key typed into it and
// every character assigned to TextChar is appended to its text, the oldest dropped once the text
// is long; the field always shows the newest characters, with its caret (an inverted character
// cell) behind the last one.

#include <string>

#include "library/foundation/frame.h"
#include "platform/base/object.h"

class TFiFo : public TRahmen {
 public:
  explicit TFiFo(TComponent* AOwner);

  // Longest text kept: appending to a text this long drops its first character.
  static constexpr size_t kMaxText = 254;

  // A text of kMaxText or more characters loses its first one.
  const std::string& Text() const { return FText; }
  void SetText(const std::string& Value);
  // Reads the last character (#0 for an empty text); writing appends the character.
  char TextChar() const { return FText.empty() ? '\0' : FText.back(); }
  void SetTextChar(char Value);
  // No keys, no focus by mouse, no caret.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  TColor ColTxtBack() const { return FColTxtBack; }
  void SetColTxtBack(TColor Value);
  TPanelBevel TextBevel() const { return FTextBevel; }
  void SetTextBevel(TPanelBevel Value);

  // Fired after each typed character.
  TNotifyEvent OnChange;

  // The tail of the text the field shows (with the caret's blank), as last drawn.
  const std::string& ShownText() const { return FShown; }
  const TRect& FieldRect() const { return FField; }

 protected:
  void Paint() override;
  void KeyPress(char& Key) override;
  void Click() override;
  void DoEnter() override;
  void DoExit() override;

 private:
  void DrawText();

  std::string FText;
  bool FReadOnly = false;
  TRect FField;
  bool FReady = false;
  bool FNoCaret = false;
  int FTextX = 0;
  int FTextY = 0;
  int FMaxWidth = 0;
  TColor FColTxtBack = clWhite;
  TPanelBevel FTextBevel = bvLowered;
  std::string FShown;
};
