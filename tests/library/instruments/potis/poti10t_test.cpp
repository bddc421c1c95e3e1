#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "library/foundation/tickservice.h"
#include "library/instruments/common/leds.h"
#include "library/instruments/potis/potis.h"
#include "platform/forms/testing/formtest.h"

namespace {

class Poti10TTest : public FormTest {
 protected:
  Poti10TTest() { TickServiceStartup(); }
  ~Poti10TTest() override { TickServiceShutdown(); }

  TPoti10T* Make() {
    TPoti10T* p = new TPoti10T(form);
    p->SetParent(form);
    p->SetBounds(10, 10, 200, 200);
    p->onChanging = [this](TObject*) { events.push_back("changing"); };
    p->onChanged = [this](TObject*) { events.push_back("changed"); };
    p->OnRepaint = [this](TObject*) { ++paints; };
    return p;
  }
  // Radius pixels from the centre in the direction Degrees (0 straight down, clockwise).
  static TPoint At(const TPoti10T* p, double Degrees, double Radius) {
    const double a = Degrees * M_PI / 180;
    const TPoint c = p->Plane().Centre;
    return {c.X - int(std::lround(Radius * std::sin(a))),
            c.Y + int(std::lround(Radius * std::cos(a)))};
  }
  // Turns the mouse on the knob face from From by Sweep degrees (clockwise when positive).
  void Turn(TPoti10T* p, double From, double Sweep) {
    const double r = p->FaceRadius() / 2.0;
    const int steps = static_cast<int>(std::fabs(Sweep) / 10);
    Pause();
    TPoint q = At(p, From, r);
    Press(p, q.X, q.Y);
    for (int i = 1; i <= steps; ++i) {
      q = At(p, From + Sweep * i / steps, r);
      Move(p, q.X, q.Y);
    }
    Release(p, q.X, q.Y);
  }

  std::vector<std::string> events;
  int paints = 0;
};

TEST_F(Poti10TTest, NewPotentiometer) {
  TPoti10T* p = Make();
  ShowForm();
  EXPECT_EQ(p->DisplayText(), " 0.00");
  const TColor unlit1 = LedColour(clRed, false), unlit2 = LedColour(clLime, false);
  EXPECT_EQ(ScreenPixel(p, p->LedCentre(0).X, p->LedCentre(0).Y), unlit1);
  EXPECT_EQ(ScreenPixel(p, p->LedCentre(1).X, p->LedCentre(1).Y), unlit2);
  const TPoint c = p->Plane().Centre;
  EXPECT_LT(p->WedgeTip().X, c.X);  // lower left
  EXPECT_GT(p->WedgeTip().Y, c.Y);
  EXPECT_EQ(p->DotCentre().X, c.X);  // bottom of the face
  EXPECT_GT(p->DotCentre().Y, c.Y);
  EXPECT_EQ(ScreenPixel(p, p->DotCentre().X, p->DotCentre().Y), clBlue);
}

TEST_F(Poti10TTest, FullTurnOnTheFaceIsATenthOfTheRange) {
  TPoti10T* p = Make();
  p->SetValue(5);
  ShowForm();
  Turn(p, 180, 360);  // from the top, once round clockwise, through the seam at the bottom
  EXPECT_NEAR(p->Value(), 6, 1e-9);
  EXPECT_EQ(events.back(), "changed");
  Turn(p, 30, -90);  // back a quarter across the seam
  EXPECT_NEAR(p->Value(), 5.75, 1e-9);
  // The dot shows where the mouse turned the knob: straight down after the release at -60.
  EXPECT_NEAR(p->DotCentre().X, At(p, -60, p->FaceRadius() * 0.8).X, p->FaceRadius() * 0.35);
}

TEST_F(Poti10TTest, RelativeDragStopsAtTheEndAndTurnsBackAtOnce) {
  TPoti10T* p = Make();
  p->SetValue(9.9);
  ShowForm();
  const double r = p->FaceRadius() / 2.0;
  Pause();
  TPoint q = At(p, 180, r);
  Press(p, q.X, q.Y);
  for (double a = 190; a <= 360; a += 10) {
    q = At(p, a, r);
    Move(p, q.X, q.Y);
  }
  EXPECT_EQ(p->Value(), 10);
  q = At(p, 350, r);
  Move(p, q.X, q.Y);
  EXPECT_NEAR(p->Value(), 10 - 10.0 / 360, 0.005);  // ten degrees of pixel angles
  Release(p, q.X, q.Y);
}

TEST_F(Poti10TTest, PressOutsideTheFaceSetsTheValueAbsolutely) {
  TPoti10T* p = Make();
  ShowForm();
  const TPoint q = At(p, 180, p->FaceRadius() * 1.3);
  Click(p, q.X, q.Y);
  EXPECT_NEAR(p->Value(), 5, 0.05);
  EXPECT_EQ(p->DisplayText(), " 5.00");
}

TEST_F(Poti10TTest, RelativeTurningWithDragDelayIsNotLost) {
  TPoti10T* p = Make();
  p->SetDragDelay(20);
  ShowForm();
  const double r = p->FaceRadius() / 2.0;
  Pause();
  TPoint q = At(p, 180, r);
  Press(p, q.X, q.Y);
  for (double a = 190; a <= 270; a += 10) {
    q = At(p, a, r);
    Move(p, q.X, q.Y);
  }
  EXPECT_EQ(p->Value(), 0);
  for (int i = 0; i < 20; ++i) TickServiceCallback();
  EXPECT_NEAR(p->Value(), 0.25, 1e-9);
  Release(p, q.X, q.Y);
  // Holding still on the face afterwards moves nothing.
  Pause();
  Press(p, q.X, q.Y);
  for (int i = 0; i < 20; ++i) TickServiceCallback();
  EXPECT_NEAR(p->Value(), 0.25, 1e-9);
  Release(p, q.X, q.Y);
}

TEST_F(Poti10TTest, ReadoutDecimals) {
  TPoti10T* p = Make();
  p->SetValueEnd(20);
  p->SetDispFixPnt(false);
  ShowForm();
  p->SetValue(9.999);
  EXPECT_EQ(p->DisplayText(), "9.999");
  p->SetValue(10);
  EXPECT_EQ(p->DisplayText(), "10.00");
}

TEST_F(Poti10TTest, BlinkingLedsInOppositePhases) {
  TPoti10T* p = Make();
  ShowForm();
  p->SetLedOn1(true);
  p->SetLedBlink1(true);
  p->SetLedBlink2(true);
  for (int i = 0; i < 7; ++i) TickServiceCallback();
  const TPoint l1 = p->LedCentre(0), l2 = p->LedCentre(1);
  const bool lit1 = ScreenPixel(p, l1.X, l1.Y) == clRed;
  const bool lit2 = ScreenPixel(p, l2.X, l2.Y) == clLime;
  EXPECT_NE(lit1, lit2);
  for (int i = 0; i < 7; ++i) TickServiceCallback();
  EXPECT_NE(ScreenPixel(p, l1.X, l1.Y) == clRed, lit1);
  EXPECT_NE(ScreenPixel(p, l2.X, l2.Y) == clLime, lit2);
}

TEST_F(Poti10TTest, CaptionAssignedItsTextDoesNotRepaint) {
  TPoti10T* p = Make();
  p->SetCaptEnable(true);
  ShowForm();
  const int before = paints;
  p->SetCaption("Volt");
  Pump();
  EXPECT_EQ(paints, before);
  p->SetCaption("Ampere");
  Pump();
  EXPECT_EQ(paints, before + 1);
}

TEST_F(Poti10TTest, PresetButton) {
  TPoti10T* p = Make();
  p->SetPresEnable(true);
  int presets = 0;
  p->onPreset = [&](TObject*) { ++presets; };
  ShowForm();
  const TRect r = p->PresetRect();
  Click(p, r.Left + 4, r.Top + 4);
  Click(p, r.Left + 4, r.Top + 4, mbRight);
  EXPECT_EQ(presets, 1);
  EXPECT_TRUE(events.empty());
}

// The readout's decimals follow the range's end: a range to 1000, as form data may hold it, shows
// whole numbers.
TEST_F(Poti10TTest, ReadoutDecimalsFollowTheRangeEnd) {
  form->SetClientWidth(440);
  struct Case {
    double End;
    const char* Text;
  };
  const Case cases[] = {{1000, "437"}, {999, "437.0"}};
  TPoti10T* potis[2];
  {
    TFormLoader loader(form);  // the range setters only store while a form is read
    for (int i = 0; i < 2; ++i) {
      potis[i] = loader.Add<TPoti10T>("Poti" + std::to_string(i));
      potis[i]->SetBounds(i * 210, 0, 200, 200);
      potis[i]->SetValueEnd(cases[i].End);
      potis[i]->SetValue(437);
    }
  }
  ShowForm();
  for (int i = 0; i < 2; ++i) EXPECT_EQ(potis[i]->DisplayText(), cases[i].Text) << cases[i].End;
}

// A long caption in the bottom row stays beside the readout, whole and inside the control, at
// the size of the report that showed it under the readout box.
TEST_F(Poti10TTest, LongCaptionStaysBesideTheReadout) {
  TPoti10T* p = Make();
  p->SetBounds(10, 10, 240, 260);
  form->SetClientHeight(280);
  p->SetCaptEnable(true);
  p->SetCaption("Eingang 12");
  p->SetColCaption(clFuchsia);
  ShowForm();
  const TRect caption = p->CaptionRect(), readout = p->ReadoutRect();
  ASSERT_GT(caption.Width(), 0);
  ASSERT_GT(readout.Width(), 0);
  EXPECT_GT(caption.Left, readout.Right - 1);
  EXPECT_LE(caption.Right, p->Width());
  EXPECT_LE(caption.Bottom, p->Height());
  int caption_pixels = 0;
  const Shot shot = ScreenShot(p);
  for (int y = 0; y < p->Height(); ++y) {
    for (int x = 0; x < p->Width(); ++x) {
      if (shot.Pixel(x, y) != clFuchsia) continue;
      ++caption_pixels;
      EXPECT_TRUE(PtInRect(caption, {x, y})) << x << "," << y;
    }
  }
  EXPECT_GT(caption_pixels, 20);
}

}  // namespace
