#include "platform/graphics/geometry.h"

#include <gtest/gtest.h>

#include "platform/graphics/region.h"

namespace {

TEST(Geometry, RightAndBottomAreExclusive) {
  const TRect r = Rect(1, 2, 4, 6);
  EXPECT_TRUE(PtInRect(r, Point(1, 2)));
  EXPECT_TRUE(PtInRect(r, Point(3, 5)));
  EXPECT_FALSE(PtInRect(r, Point(4, 5)));
  EXPECT_FALSE(PtInRect(r, Point(3, 6)));
  TRect i;
  EXPECT_FALSE(IntersectRect(i, r, Rect(4, 2, 8, 6)));
  EXPECT_EQ(i, TRect{});
  EXPECT_TRUE(IntersectRect(i, r, Rect(3, 0, 8, 3)));
  EXPECT_EQ(i, Rect(3, 2, 4, 3));
  TRect g = r;
  InflateRect(g, 1, -1);
  EXPECT_EQ(g, Rect(0, 3, 5, 5));
  OffsetRect(g, 2, 2);
  EXPECT_EQ(g, Rect(2, 5, 7, 7));
  EXPECT_EQ(NormalizeRect(Rect(5, 6, 1, 2)), Rect(1, 2, 5, 6));
  EXPECT_EQ(Bounds(1, 2, 3, 4), Rect(1, 2, 4, 6));
}

TEST(Geometry, RegionKeepsRectanglesDisjoint) {
  TRegion rgn({0, 0, 4, 4});
  rgn.Add({2, 2, 6, 6});
  int area = 0;
  for (const TRect& r : rgn.Rects()) area += r.Width() * r.Height();
  EXPECT_EQ(area, 16 + 16 - 4);
  EXPECT_EQ(rgn.Bounds(), Rect(0, 0, 6, 6));
  rgn.Subtract({1, 1, 5, 5});
  EXPECT_FALSE(rgn.Contains({3, 3}));
  EXPECT_TRUE(rgn.Contains({5, 5}));
  rgn.Intersect({0, 0, 1, 1});
  EXPECT_EQ(rgn.Bounds(), Rect(0, 0, 1, 1));
}

}  // namespace
