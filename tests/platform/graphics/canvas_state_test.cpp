// A canvas saver puts back the clip a routine found: a region, or no clip at all.

#include "platform/graphics/canvas_state.h"

#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"
#include "tests/platform/graphics/pixel_grid.h"

namespace {

TEST(CanvasSaver, PutsBackTheClipTheRoutineFound) {
  TBitmap bmp;
  MakeWhite(bmp, 6, 3);
  TCanvas& c = *bmp.Canvas();
  c.Brush()->SetColor(clBlack);
  TRegion two(Rect(0, 0, 1, 3));
  two.Add(Rect(4, 0, 6, 3));
  const struct {
    const TRegion* found;
    const char* row;
  } cases[] = {{&two, "#...##"}, {nullptr, "######"}};
  for (const auto& k : cases) {
    c.SelectClipRgn(k.found);
    {
      const TCanvasSaver keep(c, cpClip);
      c.SelectClipRect(Rect(2, 0, 3, 3));
      c.IntersectClipRect(Rect(0, 0, 6, 1));
    }
    c.FillRect(Rect(0, 1, 6, 2));
    EXPECT_EQ(Picture(bmp, clBlack, Rect(0, 1, 6, 2)), Rows({k.row}));
    c.RemoveClip();
    MakeWhite(bmp, 6, 3);
  }
}

}  // namespace
