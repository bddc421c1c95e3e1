#pragma once
// TPictButton: an illuminated push button. A face in one of five shapes carries one to three text
// rows, each in its own font, or a stretched symbol; the rows can blink in step with the blink
// phase. A push or toggle button and a radio-group member.
//
// The face is laid out in a logical plane from -1000 (left) to 1000 (right) and from 1000 (top)
// to -1000 (bottom) that is fitted to the control at every paint, so the rows keep their
// proportions at any size; the square shapes take a centred square of the shorter side.

#include <array>
#include <memory>

#include "library/controls/tasten/groupbutton.h"
#include "library/controls/tasten/tickrecord.h"
#include "library/foundation/dialmap.h"
#include "library/foundation/types.h"
#include "platform/graphics/bitmap.h"

class TPictButton : public TGroupButton {
 public:
  explicit TPictButton(TComponent* AOwner);
  ~TPictButton() override;

  // The texts of rows 1 to 3 (at most 20 characters). Before the first paint they are stored;
  // afterwards a changed text of a shown row is drawn at once with its font fitted again. Text is
  // dropped while PictStyle is Picture; Text1 and Text2 are dropped once painted while their
  // row is not shown.
  const string20& Text() const { return FText[0]; }
  void SetText(const string20& Value);
  const string20& Text1() const { return FText[1]; }
  void SetText1(const string20& Value);
  const string20& Text2() const { return FText[2]; }
  void SetText2(const string20& Value);
  // Fonts of rows 2 and 3 (row 1 uses Font). Assigning one repaints; changing it in place shows
  // at the next paint.
  TFont* Font1() const { return FFont1.get(); }
  void SetFont1(const TFont* Value);
  TFont* Font2() const { return FFont2.get(); }
  void SetFont2(const TFont* Value);
  // Shown instead of the rows with PictStyle Picture. A copy is taken (nullptr is ignored);
  // nothing is redrawn.
  const TBitmap* Symbol() const { return FSymbol.get(); }
  void SetSymbol(const TBitmap* Value);
  // A circle shows one row (or the picture): its paint sets twoRow and threeRow to oneRow.
  TPictStyle PictStyle() const { return FPictStyle; }
  void SetPictStyle(TPictStyle Value);
  TShapeTypeT Shape() const { return FShape; }
  void SetShape(TShapeTypeT Value);
  // Outline of the face; the face itself is ColBack, and a silver ColBack draws no face at all.
  TColor ColBorder() const { return FColBorder; }
  void SetColBorder(TColor Value);
  // The rows vanish in the high blink phase; switching it on blanks them at once.
  bool BlinkOn() const { return FBlinkOn; }
  void SetBlinkOn(bool Value);

  // The handler of Font's changes: repaints, except for the change the paint makes itself when it
  // keeps the fitted size of row 1 in Font.
  void StyleChanged(TObject* Sender);

 protected:
  bool IsOwnClass(const TComponent& Other) const override;
  void DrawDownState() override { DrawFace(!FBlinkOn); }
  void Paint() override;

 private:
  enum TRowDraw { kText = 1, kFill = 2, kFit = 4 };
  void Layout();
  void DrawShape(TCanvas& C);
  // Whether row Row (0..2) shows with the current style.
  bool RowShown(int Row) const;
  TFont* RowFont(int Row) const;
  void DrawRow(int Row, int How);
  void DrawSymbol();
  // Blank: the shown rows filled with ColBack; content: the symbol, or the texts without fill
  // and fit over what the rows show.
  void DrawFace(bool Content);
  void SetRowText(int Row, const string20& Value);
  void BlinkTick();

  std::unique_ptr<TBitmap> FSymbol;
  bool FPainted = false;
  std::unique_ptr<TFont> FFont1;
  std::unique_ptr<TFont> FFont2;
  bool FWritingBack = false;
  std::array<string20, 3> FText = {"Aus", "Ein", "Stop"};
  TPictStyle FPictStyle = TPictStyle::twoRow;
  bool FBlinkOn = false;
  TColor FColBorder = clWhite;
  std::array<TRect, 3> FRows;
  // False while the face has no room: nothing of it is drawn then.
  bool FMapped = false;
  TDialMapping FMap;
  std::array<TPoint, 3> FTextPos;
  TShapeTypeT FShape = sstRoundrect;
  // How far the face reaches beyond a side without border.
  int FOverhang = 0;
  TTickRecord FBlink;
};
