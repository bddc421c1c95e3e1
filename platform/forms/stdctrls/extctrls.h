#pragma once
// Panels, radio groups, shapes, images and bevels. All are drawn by us; the panel and the radio
// group are windowed, the others windowless.

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "platform/graphics/bitmap.h"

using TBevelWidth = int;
using TBorderWidth = int;
using TBorderStyle = TFormBorderStyle;  // bsNone or bsSingle

// A raised frame with a centred caption. Paint: the outer bevel, a border of BorderWidth in
// Color, the inner bevel, the face in Color, then the caption (Alignment, centred vertically).
class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);

  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  TBevelWidth BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(TBevelWidth Value);
  TBorderWidth BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(TBorderWidth Value);
  // bsSingle: a sunken one-pixel line around the panel, drawn inside its client area.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool Locked() const { return FLocked; }
  void SetLocked(bool Value) { FLocked = Value; }

 protected:
  void Paint() override;

 private:
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  TBevelWidth FBevelWidth = 1;
  TBorderWidth FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  TAlignment FAlignment = taCenter;
  bool FLocked = false;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};

// A group box of radio buttons, one per line of Items, laid out in Columns.
class TRadioGroup : public TCustomGroupBox {
 public:
  explicit TRadioGroup(TComponent* AOwner);
  ~TRadioGroup() override;

  // Owned by the group; its OnChange is the group's own.
  TStringList* Items() const { return FItems.get(); }
  void SetItems(const TStringList* Value);
  // -1: none chosen. A change to a button fires OnClick, also from code (not while loading);
  // a change to -1 only clears. Values out of range are pulled into -1..Count-1.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  // The radio button of item Index (nullptr outside).
  TRadioButton* Buttons(int Index) const;

  void Loaded() override;
  void WndProc(TMessage& Message) override;

 private:
  class TItemButton;  // the radio button of one item; its clicks come to the group
  void UpdateButtons();
  void ArrangeButtons();
  void ButtonClicked(TRadioButton* Button);

  std::unique_ptr<TStringList> FItems;
  std::vector<TRadioButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
  bool FUpdating = false;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* AOwner);
  ~TShape() override;

  TShapeType Shape() const { return FShape; }
  void SetShape(TShapeType Value);
  // Changes of the pen and brush repaint the shape.
  TPen* Pen() const { return FPen.get(); }
  void SetPen(const TPen* Value) { FPen->Assign(*Value); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(const TBrush* Value) { FBrush->Assign(*Value); }

 protected:
  void Paint() override;

 private:
  TShapeType FShape = stRectangle;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
};

// The picture of an image: a bitmap (Windows bitmap files).
class TPicture : public TObject {
 public:
  TPicture();
  ~TPicture() override;
  TBitmap* Bitmap() const { return FBitmap.get(); }
  void SetBitmap(const TBitmap* Value) { FBitmap->Assign(Value); }
  int Width() const { return FBitmap->Width(); }
  int Height() const { return FBitmap->Height(); }
  // Throws EInvalidGraphic for a file that is no readable bitmap; the picture stays as it was.
  void LoadFromFile(const std::string& FileName) { FBitmap->LoadFromFile(FileName); }
  void SaveToFile(const std::string& FileName) const { FBitmap->SaveToFile(FileName); }
  void Assign(const TPicture* Source) { FBitmap->Assign(Source ? Source->Bitmap() : nullptr); }

  TNotifyEvent OnChange;

 private:
  std::unique_ptr<TBitmap> FBitmap;
};

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(const TPicture* Value) { FPicture->Assign(Value); }
  // Fills the control with the picture (nearest neighbour, proportions not kept).
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  // The bottom-left pixel's colour shows what lies under the image.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The control takes the picture's size.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

 protected:
  void Paint() override;

 private:
  void PictureChanged();
  std::unique_ptr<TPicture> FPicture;
  bool FStretch = false;
  bool FCenter = false;
  bool FTransparent = false;
  bool FAutoSize = false;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* AOwner);
  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
