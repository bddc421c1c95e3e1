#pragma once
// TStroke: a framed plate that draws its string sString in the stroke font, scaled, turned,
// mirrored, slanted and justified about (PositionX, PositionY), with a pen of Bold pixels; parts
// outside the frame's inner area are cut off. It has the frame's button behaviour (Status,
// ButtonStyle, OnDown, OnUp, OnClick).

#include <string>

#include "library/controls/strokes/strokeset.h"
#include "library/foundation/frame.h"

class TStroke : public TRahmen {
 public:
  explicit TStroke(TComponent* AOwner);

  // At most 63 characters; a longer string is cut. Always repaints.
  const std::string& sString() const { return FsString; }
  void SetsString(const std::string& Value);
  // Always False (see TStrokeSet::SetFileABC); always repaints.
  bool FileABC() const { return FStrokeSet->FileABC(); }
  void SetFileABC(bool Value);
  // Character width (and advance) and height in pixels, 1..2000.
  int SizeX() const { return FSizeX; }
  void SetSizeX(int Value);
  int SizeY() const { return FSizeY; }
  void SetSizeY(int Value);
  // Degrees counter-clockwise, kept as the remainder of a division by 360 (-30 stays -30).
  int Rotate() const { return FRotate; }
  void SetRotate(int Value);
  bool Mirror() const { return FMirror; }
  void SetMirror(bool Value) { StoreAndRepaint(FMirror, Value); }
  bool Italic() const { return FItalic; }
  void SetItalic(bool Value) { StoreAndRepaint(FItalic, Value); }
  TJustHor JustifyHor() const { return FJustifyHor; }
  void SetJustifyHor(TJustHor Value) { StoreAndRepaint(FJustifyHor, Value); }
  TJustVert JustifyVert() const { return FJustifyVert; }
  void SetJustifyVert(TJustVert Value) { StoreAndRepaint(FJustifyVert, Value); }
  // The reference point in client pixels.
  int PositionX() const { return FPositionX; }
  void SetPositionX(int Value) { StoreAndRepaint(FPositionX, Value); }
  int PositionY() const { return FPositionY; }
  void SetPositionY(int Value) { StoreAndRepaint(FPositionY, Value); }
  // The pen colour.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { StoreAndRepaint(FColor, Value); }
  // The pen width, 1..50.
  int Bold() const { return FBold; }
  void SetBold(int Value);

  // The engine, with the points of the last painting.
  const TStrokeSet* StrokeSet() const { return FStrokeSet; }

 protected:
  void Paint() override;

 private:
  TStrokeSet* FStrokeSet;
  int FSizeX = 10;
  int FSizeY = 14;
  int FRotate = 0;
  bool FMirror = false;
  bool FItalic = false;
  TJustHor FJustifyHor = stLeft;
  TJustVert FJustifyVert = stBottom;
  int FPositionX = 8;
  int FPositionY = 22;
  TColor FColor = 0;
  int FBold = 1;
  std::string FsString = "ABC";
};
