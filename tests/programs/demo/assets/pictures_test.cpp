// The pictures drawn for the button and strip demos: whole frames that differ from each other.

#include "programs/demo/assets/pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Whether frame a and frame b (0-based) of a strip hold the same pixels; with `mirrored`, b
// compared left to right reversed.
bool SameFrame(const TBitmap& s1, int a, const TBitmap& s2, int b, int width, bool mirrored) {
  for (int y = 0; y < s1.Height(); ++y) {
    for (int x = 0; x < width; ++x) {
      const int xb = mirrored ? width - 1 - x : x;
      if (s1.ScanLine(y)[a * width + x] != s2.ScanLine(y)[b * width + xb]) return false;
    }
  }
  return true;
}

// The number of different colours in frame i.
int Colours(const TBitmap& s, int i, int width) {
  std::set<uint32_t> seen;
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < width; ++x) seen.insert(s.ScanLine(y)[i * width + x]);
  }
  return int(seen.size());
}

TEST(DemoPicturesTest, StripsHoldTheirFramesAndEveryFrameMoves) {
  std::set<std::string> names;
  for (const DemoPictureAsset& p : ButtonDemoPictures()) {
    SCOPED_TRACE(p.FileName);
    EXPECT_TRUE(names.insert(p.FileName).second) << "twice";
    const auto strip = p.Draw();
    ASSERT_GT(strip->Height(), 0);
    ASSERT_EQ(strip->Width() % p.Frames, 0);
    const int width = strip->Width() / p.Frames;
    for (int i = 0; i < p.Frames; ++i) {
      EXPECT_GT(Colours(*strip, i, width), 8) << "frame " << i << " is nearly blank";
      const int next = (i + 1) % p.Frames;
      if (p.Frames > 1) {
        EXPECT_FALSE(SameFrame(*strip, i, *strip, next, width, false))
            << "frames " << i << " and " << next << " are alike";
      }
    }
  }
}

TEST(DemoPicturesTest, SecondDogRunsTheOtherWay) {
  const auto dog = DrawDog(), dogv = DrawDogv();
  ASSERT_EQ(dog->Width(), dogv->Width());
  const int width = dog->Width() / 6;
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(SameFrame(*dog, i, *dogv, i, width, true)) << i;
    EXPECT_FALSE(SameFrame(*dog, i, *dogv, i, width, false)) << i;
  }
}

}  // namespace
