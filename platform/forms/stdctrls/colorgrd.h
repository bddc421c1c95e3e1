#pragma once
// The colour grid: the sixteen standard colours in cells; a left click chooses the foreground
// colour, a right click the background colour. The chosen cells are marked "FG" and "BG".

#include "platform/forms/controls.h"

enum TGridOrdering { go16x1, go8x2, go4x4, go2x8, go1x16 };

class TColorGrid : public TCustomControl {
 public:
  explicit TColorGrid(TComponent* AOwner);

  TGridOrdering GridOrdering() const { return FGridOrdering; }
  void SetGridOrdering(TGridOrdering Value);
  // 0..15; out-of-range values are ignored.
  int ForegroundIndex() const { return FForegroundIndex; }
  void SetForegroundIndex(int Value);
  int BackgroundIndex() const { return FBackgroundIndex; }
  void SetBackgroundIndex(int Value);
  TColor ForegroundColor() const { return ColorOf(FForegroundIndex); }
  TColor BackgroundColor() const { return ColorOf(FBackgroundIndex); }
  // A disabled choice is neither marked nor changed by clicks.
  bool ForegroundEnabled() const { return FForegroundEnabled; }
  void SetForegroundEnabled(bool Value);
  bool BackgroundEnabled() const { return FBackgroundEnabled; }
  void SetBackgroundEnabled(bool Value);
  // The colour of cell Index (black, maroon, green, olive, navy, purple, teal, gray, silver,
  // red, lime, yellow, blue, fuchsia, aqua, white).
  static TColor ColorOf(int Index);

  // A chosen colour changed (by a click or from code). A left click: the foreground changes
  // (OnChange) on the press, OnClick follows on the release.
  TNotifyEvent OnChange;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  int Columns() const;
  int CellAt(int X, int Y) const;
  TRect CellRect(int Index) const;
  void Changed();

  TGridOrdering FGridOrdering = go4x4;
  int FForegroundIndex = 0;
  int FBackgroundIndex = 15;
  bool FForegroundEnabled = true;
  bool FBackgroundEnabled = true;
};
