#pragma once
// The canvas's pen and brush. Setters fire OnChange only when the value really changes.

#include "platform/base/object.h"
#include "platform/graphics/colors.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The sixteen binary raster operations between pen P and destination D.
enum TPenMode {
  pmBlack,        // 0
  pmWhite,        // 1
  pmNop,          // D
  pmNot,          // not D
  pmCopy,         // P
  pmNotCopy,      // not P
  pmMergePenNot,  // P or not D
  pmMaskPenNot,   // P and not D
  pmMergeNotPen,  // not P or D
  pmMaskNotPen,   // not P and D
  pmMerge,        // P or D
  pmNotMerge,     // not (P or D)
  pmMask,         // P and D
  pmNotMask,      // not (P and D)
  pmXor,          // P xor D
  pmNotXor        // not (P xor D)
};

enum TBrushStyle { bsSolid, bsClear };

class TPen : public TObject {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor V);
  // Width 1 is the thin line; wider pens are centred on the path with round caps and joins.
  // Values below 1 count as 1.
  int Width() const { return FWidth; }
  void SetWidth(int V);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle V);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode V);
  void Assign(const TPen& Source);

  TNotifyEvent OnChange;

 private:
  void Changed();
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

class TBrush : public TObject {
 public:
  TColor Color() const { return FColor; }
  // As in the class library, giving a clear brush a colour makes it solid.
  void SetColor(TColor V);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle V);
  void Assign(const TBrush& Source);

  TNotifyEvent OnChange;

 private:
  void Changed();
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};
