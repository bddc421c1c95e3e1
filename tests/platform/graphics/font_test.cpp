#include "platform/graphics/font.h"

#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"

namespace {

TEST(Font, SizeAndHeightAt96Dpi) {
  const struct {
    int size, height;
  } cases[] = {{8, -11}, {9, -12}, {10, -13}, {11, -15}, {14, -19}, {16, -21}, {-20, 27}};
  for (const auto& c : cases) {
    TFont f;
    f.SetSize(c.size);
    EXPECT_EQ(f.Height(), c.height) << c.size;
  }
  TFont f;
  f.SetHeight(-9);
  EXPECT_EQ(f.Size(), 7);
  f.SetHeight(-14);
  EXPECT_EQ(f.Size(), 11);  // and back to -15: the round trip may move a pixel
  f.SetSize(f.Size());
  EXPECT_EQ(f.Height(), -15);
  f.SetHeight(26);
  EXPECT_EQ(f.Size(), -20);
}

TEST(Font, DefaultsAndChangeNotification) {
  TFont f;
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Color(), clWindowText);
  EXPECT_TRUE(f.Style().Empty());
  int changes = 0;
  f.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &f);
    ++changes;
  };
  f.SetColor(clRed);
  f.SetColor(clRed);
  f.SetStyle({fsBold, fsItalic});
  EXPECT_EQ(changes, 2);
  TFont g;
  g.Assign(f);
  EXPECT_TRUE(g.SameAs(f));
  f.Assign(g);  // equal: nothing changes, nothing fires
  EXPECT_EQ(changes, 2);
  g.SetName("Arial");
  f.Assign(g);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(f.Name(), "Arial");
}

TEST(Font, NegativeHeightIsEmPositiveIsCell) {
  TBitmap bmp;
  TCanvas* c = bmp.Canvas();
  c->Font()->SetName("Arial");
  for (int h : {-9, -11, -13, -20, -40}) {
    c->Font()->SetHeight(h);
    const TTextMetric m = c->TextMetrics();
    EXPECT_EQ(m.tmHeight - m.tmInternalLeading, -h) << h;
    EXPECT_EQ(m.tmHeight, m.tmAscent + m.tmDescent);
    EXPECT_EQ(c->TextHeight("Wy"), m.tmHeight);
  }
  for (int h : {9, 12, 16, 27, 40}) {
    c->Font()->SetHeight(h);
    EXPECT_EQ(c->TextHeight("Wy"), h) << h;
  }
}

TEST(Font, FixedPitchGivesMonospacedFace) {
  TBitmap bmp;
  TCanvas* c = bmp.Canvas();
  c->Font()->SetName("Arial");
  c->Font()->SetPitch(fpFixed);
  EXPECT_EQ(c->TextWidth("iiii"), c->TextWidth("WWWW"));
  EXPECT_TRUE(c->TextMetrics().tmFixedPitch);
  c->Font()->SetPitch(fpDefault);
  EXPECT_LT(c->TextWidth("iiii"), c->TextWidth("WWWW"));
  c->Font()->SetName("Courier New");
  EXPECT_EQ(c->TextWidth("iiii"), c->TextWidth("WWWW"));
}

}  // namespace
