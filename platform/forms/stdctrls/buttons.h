#pragma once
// Buttons with pictures: TBitBtn (a push button with a glyph and the standard kinds) and
// TSpeedButton (windowless, drawn by us, with the group rules of tool buttons).

#include <memory>

#include "platform/forms/stdctrls/stdctrls.h"
#include "platform/graphics/bitmap.h"

enum TBitBtnKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
using TNumGlyphs = int;

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* AOwner);
  ~TBitBtn() override;

  // A kind other than bkCustom brings its glyph, ModalResult, Default (bkOK, bkYes) and Cancel
  // (bkCancel, bkNo), and its caption ("OK", "Cancel", "&Help", "&Yes", "&No", "&Close",
  // "Abort", "&Retry", "&Ignore", "&All") unless a caption was loaded before it.
  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind Value);
  // Up to four images side by side (up, disabled, down, held down); the bottom-left pixel's
  // colour is transparent. Changing it makes the kind bkCustom.
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap* Value);
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TNumGlyphs Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);

  // bkClose closes the form; bkHelp asks for the help of the first help context found upwards
  // (there is no help file: nothing happens) and fires OnClick only where none is set; the other
  // kinds act as TButton.
  void Click() override;

 protected:
  void SyncWidget(QWidget* Widget) override;

 private:
  TBitBtnKind FKind = bkCustom;
  std::unique_ptr<TBitmap> FGlyph;
  TNumGlyphs FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  bool FSettingKind = false;
};

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  // Buttons of one parent with the same non-zero GroupIndex work as a group: at most one is
  // down. 0: the button springs back after each click and Down stays false.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  // A down button of a group without AllowAllUp refuses to come up, also from code. Going down
  // releases the group's other down button, which takes this button's AllowAllUp.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  // Passed on to the whole group.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap* Value);
  TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TNumGlyphs Value);
  // No face until the mouse is over the button.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // -1: glyph and caption centred; otherwise the distance from the edge.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TButtonState State() const { return FState; }

  // OnClick, as a click on the button would (without changing Down).
  void Click() override;
  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void UpdateExclusive();
  void GlyphChanged();

  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  std::unique_ptr<TBitmap> FGlyph;
  TNumGlyphs FNumGlyphs = 1;
  bool FFlat = false;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TButtonState FState = bsUp;
  bool FDragging = false;
  bool FMouseInControl = false;
};
