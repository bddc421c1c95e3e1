#pragma once
// TAlphaBar: a panel holding a small on-screen keyboard of speed buttons, one per character of
// the lines of AlphaButtons, placed row by row. A click makes its character the ActiveButton and
// fires OnValueChange. With RastButtons the buttons latch like a radio group.
//
// Buttons exist after the form has loaded, or once AlphaButtons or a geometry property has been
// assigned. A rebuild frees every child control of the bar; the letter buttons themselves are
// freed only after the current message, so a rebuild from an OnValueChange handler is safe.

#include <memory>
#include <string>
#include <vector>

#include "platform/base/stringlist.h"
#include "platform/forms/stdctrls/buttons.h"
#include "platform/forms/stdctrls/extctrls.h"

class TAlphaBar : public TCustomPanel {
 public:
  explicit TAlphaBar(TComponent* AOwner);
  ~TAlphaBar() override;

  // The active character, #0 for none. Setting #0 releases its latched button; any other
  // character presses its button (with RastButtons). Both fire OnValueChange.
  char ActiveButton() const { return FActiveButton; }
  void SetActiveButton(char Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  // Each line is a row of buttons; a blank leaves a gap of BlankXSize, an empty line a gap of
  // BlankYSize. Assigning rebuilds, resets ActiveButton to #0 and fires OnValueChange.
  const TStringList* AlphaButtons() const { return FAlphaButtons.get(); }
  void SetAlphaButtons(const TStringList* Value);
  int BlankXSize() const { return FBlankXSize; }
  void SetBlankXSize(int Value) { SetGeometry(FBlankXSize, Value); }
  int BlankYSize() const { return FBlankYSize; }
  void SetBlankYSize(int Value) { SetGeometry(FBlankYSize, Value); }
  TFont* ButtonFont() const { return FButtonFont.get(); }
  void SetButtonFont(const TFont* Value);
  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int Value) { SetGeometry(FButtonHeight, Value); }
  int ButtonLeftMargin() const { return FButtonLeftMargin; }
  void SetButtonLeftMargin(int Value) { SetGeometry(FButtonLeftMargin, Value); }
  int ButtonTopMargin() const { return FButtonTopMargin; }
  void SetButtonTopMargin(int Value) { SetGeometry(FButtonTopMargin, Value); }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value) { SetGeometry(FButtonWidth, Value); }
  // Negative spacings make neighbouring button borders overlap.
  int ButtonXSpacing() const { return FButtonXSpacing; }
  void SetButtonXSpacing(int Value) { SetGeometry(FButtonXSpacing, Value); }
  int ButtonYSpacing() const { return FButtonYSpacing; }
  void SetButtonYSpacing(int Value) { SetGeometry(FButtonYSpacing, Value); }
  bool RastButtons() const { return FRastButtons; }
  void SetRastButtons(bool Value);

  // The letter button of a character (the last one when there are several), or nullptr.
  TSpeedButton* FindButton(char C) const;
  // Lays out and creates the buttons.
  virtual void BuildButtons();

  void Loaded() override;
  void WndProc(TMessage& Message) override;

  TNotifyEvent OnValueChange;

 private:
  void ButtonClick(TObject* Sender);
  void UpdateButtons();
  void ClearButtons();
  void Rebuild();
  void SetGeometry(int& Field, int Value);
  void FireValueChange();

  char FActiveButton = 0;
  std::unique_ptr<TStringList> FAlphaButtons;
  std::unique_ptr<TFont> FButtonFont;
  int FBlankXSize = 9;
  int FBlankYSize = 9;
  int FButtonHeight = 18;
  int FButtonLeftMargin = 2;
  int FButtonTopMargin = 2;
  int FButtonWidth = 18;
  int FButtonXSpacing = -1;
  int FButtonYSpacing = -1;
  bool FAllowAllUp = false;
  bool FRastButtons = false;
  TSpeedButton* FLastButton = nullptr;
  // Letter buttons taken off the bar, freed after the current message.
  std::vector<TSpeedButton*> FRetired;
};
