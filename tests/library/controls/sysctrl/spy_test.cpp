#include "library/controls/sysctrl/spy.h"

#include <gtest/gtest.h>

#include "platform/forms/testing/formtest.h"

namespace {

class SpyProbe : public TSpy {
 public:
  using TCustomSpy::Margin;
  using TCustomSpy::PupilPos;
  using TCustomSpy::PupilRadius;
  using TCustomSpy::TimerTick;
  using TSpy::TSpy;
  TPoint Pupil(int index) {
    TPoint p;
    PupilPos(index, p);
    return p;
  }
  // Eye centre on the screen.
  TPoint Centre(int index) {
    const TPoint o = ClientOrigin();
    return {o.X + EyeCentre(index), o.Y + Height() / 2};
  }
};

class SpyTest : public FormTest {
 protected:
  SpyProbe* Make(int w, int h) {
    auto* spy = new SpyProbe(form);
    spy->SetParent(form);
    spy->SetBounds(50, 60, w, h);
    return spy;
  }
  // Moves the cursor and lets the eyes take one look.
  void Look(SpyProbe* spy, TPoint screen) {
    SetCursorPos(screen.X, screen.Y);
    spy->TimerTick(nullptr);
  }
};

TEST_F(SpyTest, PupilSizeFollowsTheControlSize) {
  struct Case {
    int w, h, radius, margin;
  };
  const Case cases[] = {{143, 100, 16, 21}, {100, 100, 13, 17}, {10, 10, 1, 3}, {50, 8, 1, 3}};
  for (const Case& c : cases) {
    SpyProbe* spy = Make(c.w, c.h);
    EXPECT_EQ(spy->PupilRadius(), c.radius) << c.w << "x" << c.h;
    EXPECT_EQ(spy->Margin(), c.margin) << c.w << "x" << c.h;
    delete spy;
  }
}

TEST_F(SpyTest, HeightIsCutToTheWidthExceptWhileLoading) {
  SpyProbe* spy = Make(100, 100);
  spy->SetHeight(150);
  EXPECT_EQ(spy->Height(), 100);
  TFormLoader loader(form);
  auto* loaded = loader.Add<SpyProbe>("Spy2");
  loaded->SetBounds(0, 0, 100, 150);
  loader.Finish();
  EXPECT_EQ(loaded->Height(), 150);
}

TEST_F(SpyTest, PupilsLookTowardTheCursorInEveryQuadrant) {
  SpyProbe* spy = Make(143, 100);
  ShowForm();
  const TPoint dirs[] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
  for (TPoint d : dirs) {
    for (int eye = 0; eye < 2; ++eye) {
      const TPoint e = spy->Centre(eye);
      Look(spy, {e.X + d.X * 300, e.Y + d.Y * 200});
      const TPoint p = spy->Pupil(eye);
      EXPECT_EQ(p.X > e.X ? 1 : -1, d.X) << eye;
      EXPECT_EQ(p.Y > e.Y ? 1 : -1, d.Y) << eye;
      // Far away, the pupil sits on the edge of its range: within a = 14, b = 29 of the centre.
      EXPECT_LE(std::abs(p.X - e.X), 14);
      EXPECT_LE(std::abs(p.Y - e.Y), 29);
      const TPoint c = spy->ClientOrigin();
      EXPECT_EQ(ScreenPixel(spy, p.X - c.X, p.Y - c.Y), clBlack) << eye;
    }
  }
}

TEST_F(SpyTest, OnAxisAndNearbyCursors) {
  SpyProbe* spy = Make(143, 100);
  ShowForm();
  const TPoint e = spy->Centre(0);
  Look(spy, {e.X + 500, e.Y});
  EXPECT_EQ(spy->Pupil(0), (TPoint{e.X + 14, e.Y}));
  Look(spy, {e.X, e.Y - 500});
  EXPECT_EQ(spy->Pupil(0), (TPoint{e.X, e.Y - 29}));
  Look(spy, {e.X + 3, e.Y + 4});  // inside the range: the pupil is on the cursor
  EXPECT_EQ(spy->Pupil(0), (TPoint{e.X + 3, e.Y + 4}));
}

TEST_F(SpyTest, TinyEyesKeepThePupilInTheMiddle) {
  for (TPoint size : {TPoint{14, 6}, TPoint{6, 6}, TPoint{300, 20}}) {
    SpyProbe* spy = Make(size.X, size.Y);
    ShowForm();
    const TPoint e = spy->Centre(0);
    for (TPoint d : {TPoint{400, 300}, TPoint{0, 300}, TPoint{-400, 0}}) {
      Look(spy, {e.X + d.X, e.Y + d.Y});
      const TPoint p = spy->Pupil(0);
      EXPECT_LE(std::abs(p.X - e.X), std::max(0, (size.X / 2 - 1) / 2)) << size.X;
      EXPECT_LE(std::abs(p.Y - e.Y), size.Y / 2) << size.X;
      if (d.X != 0) {
        EXPECT_GE((p.X - e.X) * d.X, 0) << size.X;
      }
    }
    delete spy;
  }
}

TEST_F(SpyTest, InactiveEyesShowNoPupils) {
  SpyProbe* spy = Make(143, 100);
  ShowForm();
  const TPoint e = spy->Centre(0);
  Look(spy, {e.X, e.Y});
  const TPoint c = spy->ClientOrigin();
  EXPECT_EQ(ScreenPixel(spy, e.X - c.X, e.Y - c.Y), clBlack);
  spy->SetActive(false);
  EXPECT_FALSE(spy->Active());
  Pump();
  EXPECT_EQ(ScreenPixel(spy, e.X - c.X, e.Y - c.Y), clWhite);
}

}  // namespace
