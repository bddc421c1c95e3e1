// The curve component's model: counts, points, the ascending rule, ranges, the value <-> pixel
// mapping, the layout and scale texts, and its curve files.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "library/foundation/tickservice.h"
#include "platform/base/exceptions.h"
#include "platform/forms/testing/formtest.h"
#include "programs/curves/curvesynth.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

class CurveSynthModel : public FormTest {
 protected:
  CurveSynthModel() {
    curve = new TCurveSynth(form);
    curve->SetParent(form);
    dir = fs::temp_directory_path() /
          ("orvane-curves-" + std::to_string(getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~CurveSynthModel() override {
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir);
  }

  // All points and counts, to see that nothing changed.
  std::string Snapshot() const {
    std::string s;
    for (int c = 1; c <= 4; ++c) {
      s += std::to_string(curve->ChanCurvPts(c)) + ":";
      for (int i = 1; i <= 30; ++i) {
        double x, y;
        curve->GetChanPoint(c, i, x, y);
        s += std::to_string(x) + "," + std::to_string(y) + ";";
      }
    }
    return s;
  }

  TCurveSynth* curve = nullptr;
  fs::path dir;
};

}  // namespace

TEST_F(CurveSynthModel, PointCountsAreClampedToFourToThirty) {
  const struct {
    int set, stored;
  } cases[] = {{2, 4}, {31, 30}, {4, 4}, {12, 12}, {-5, 4}, {30, 30}};
  for (const auto& c : cases) {
    curve->SetChan2CurvPts(c.set);
    EXPECT_EQ(curve->Chan2CurvPts(), c.stored) << c.set;
  }
}

TEST_F(CurveSynthModel, PointAccessorsTakeIndicesOneToThirty) {
  for (int c = 1; c <= 4; ++c) {
    double x = -1, y = -1;
    EXPECT_TRUE(curve->SetChanPoint(c, 30, 1, 2));
    EXPECT_TRUE(curve->GetChanPoint(c, 30, x, y));
    EXPECT_EQ(x, 1);
    for (int bad : {0, 31}) {
      x = y = -1;
      EXPECT_FALSE(curve->SetChanPoint(c, bad, 1, 2));
      EXPECT_FALSE(curve->GetChanPoint(c, bad, x, y));
      EXPECT_EQ(x, -1);
    }
  }
  EXPECT_TRUE(curve->SetChan4Point(5, 3, 4));
  double x, y;
  curve->GetChan4Point(5, x, y);
  EXPECT_EQ(y, 4);
}

TEST_F(CurveSynthModel, AscendingSwitchWalksThePointsAndLimitsNeighbours) {
  const double xs[] = {5, 5, 3, 70};
  for (int i = 1; i <= 4; ++i) curve->SetChan1Point(i, xs[i - 1], i);
  curve->SetChan1X_Succ(true);
  double x, y;
  const double expected[] = {5, 5 + 100.0 / 30, 5 + 200.0 / 30, 70};
  for (int i = 1; i <= 4; ++i) {
    curve->GetChan1Point(i, x, y);
    EXPECT_DOUBLE_EQ(x, expected[i - 1]) << i;
    EXPECT_EQ(y, i);
  }

  // Channel 2's defaults have X 15, 35, 60, 85.
  curve->SetChan2X_Succ(true);
  const struct {
    int index;
    double set, stored;
  } limits[] = {{2, 1000, 60}, {2, 0, 15}, {2, 40, 40},  {1, 100, 40},
                {1, -7, -7},   {4, 0, 60}, {4, 500, 500}};
  for (const auto& l : limits) {
    curve->SetChan2Point(l.index, l.set, 1);
    curve->GetChan2Point(l.index, x, y);
    EXPECT_EQ(x, l.stored) << l.index << " " << l.set;
  }
}

TEST_F(CurveSynthModel, LogarithmicRangesSnapToPowersOfTen) {
  curve->SetLogStartX(5);
  EXPECT_EQ(curve->LogStartX(), 1);
  curve->SetLogStartX(-3);
  EXPECT_EQ(curve->LogStartX(), 0.001);
  curve->SetLogEndX(100);
  curve->SetLogStartX(500);
  EXPECT_EQ(curve->LogStartX(), 100);
  EXPECT_EQ(curve->LogEndX(), 100000);
  curve->SetLogEndY(0.05);  // below the start 0.01? no: snaps to 0.01, not above the start
  EXPECT_EQ(curve->LogEndY(), 0.01);
  EXPECT_DOUBLE_EQ(curve->LogStartY(), 0.00001);
}

TEST_F(CurveSynthModel, LinearRangesKeepStartBelowEndExceptWhileReading) {
  curve->SetLinStartX(150);
  EXPECT_EQ(curve->LinStartX(), 150);
  EXPECT_EQ(curve->LinEndX(), 151);
  curve->SetLinEndY(-20);
  EXPECT_EQ(curve->LinStartY(), -21);

  TFormLoader loader(form);
  TCurveSynth* read = loader.Add<TCurveSynth>("Read");
  read->SetLinStartX(150);
  loader.Finish();
  EXPECT_EQ(read->LinStartX(), 150);
  EXPECT_EQ(read->LinEndX(), 100);
}

TEST_F(CurveSynthModel, CrossHairsOutsideTheRangeMoveInside) {
  const struct {
    void (TCurveSynth::*set)(double);
    double (TCurveSynth::*get)() const;
    double value, stored;
  } cases[] = {
      {&TCurveSynth::SetPointerPosY, &TCurveSynth::PointerPosY, 1000, 50},
      {&TCurveSynth::SetMarkerPosY, &TCurveSynth::MarkerPosY, 1000, 30},
      {&TCurveSynth::SetPointerPosX, &TCurveSynth::PointerPosX, -1, 50},
      {&TCurveSynth::SetMarkerPosX, &TCurveSynth::MarkerPosX, NAN, 50},
      {&TCurveSynth::SetPointerPosX, &TCurveSynth::PointerPosX, 12.5, 12.5},
  };
  TCurveSynth& cs = *curve;
  for (const auto& c : cases) {
    (cs.*c.set)(c.value);
    EXPECT_EQ((cs.*c.get)(), c.stored) << c.value;
  }
}

TEST_F(CurveSynthModel, FirstPaintLaysOutAndSetsCrossHairsFromTheRanges) {
  curve->SetBounds(0, 0, 380, 280);
  curve->SetLinEndX(200);
  ShowForm();
  EXPECT_EQ(curve->PointerPosX(), 120);
  EXPECT_EQ(curve->MarkerPosX(), 60);
  EXPECT_EQ(curve->PointerPosY(), 60);
  TRect plot;
  curve->GetPlotRect(plot);
  EXPECT_EQ(curve->PlotBitmap()->Width(), plot.Width());
  EXPECT_EQ(curve->PlotBitmap()->Height(), plot.Height());
}

TEST_F(CurveSynthModel, ValuesAndPixelsMapBothWaysOnLinearAndLogAxes) {
  curve->SetBounds(0, 0, 380, 280);
  ShowForm();
  TRect plot;
  curve->GetPlotRect(plot);
  const int w = plot.Width() - 1, h = plot.Height();
  // Linear 0..100: the range ends at columns 0 and w, rows h and 0.
  EXPECT_EQ(curve->ValueToPixel(0, 0), Point(0, h));
  EXPECT_EQ(curve->ValueToPixel(100, 100), Point(w, 0));
  double x, y;
  curve->PixelToValue(plot.Left + w, plot.Top + h, x, y);
  EXPECT_DOUBLE_EQ(x, 100);
  EXPECT_DOUBLE_EQ(y, 0);
  // No number, or too big for a pixel: the fault rule's ends.
  EXPECT_EQ(curve->ValueToPixel(1e300, -1e300), Point(INT_MAX, INT_MIN));
  EXPECT_EQ(curve->ValueToPixel(-1e300, NAN).X, INT_MIN);

  curve->SetNonLinearX(true);
  curve->SetNonLinearY(true);  // 0.01 .. 100 both
  EXPECT_EQ(curve->ValueToPixel(0.01, 0.01), Point(0, h));
  EXPECT_EQ(curve->ValueToPixel(100, 100), Point(w, 0));
  EXPECT_EQ(curve->ValueToPixel(1, 1).X, w / 2);
  // At or below zero: a decade below the start.
  EXPECT_EQ(curve->ValueToPixel(-5, 0), curve->ValueToPixel(0.001, 0.001));
  curve->PixelToValue(plot.Left + w, plot.Top, x, y);
  EXPECT_NEAR(x, 100, 1e-3);
  EXPECT_NEAR(y, 100, 1e-3);
}

TEST_F(CurveSynthModel, TinyControlNeverDividesByZero) {
  for (int size : {0, 1, 2, 30}) {
    curve->SetBounds(0, 0, size, size);
    ShowForm();
    curve->Repaint();
    double x = NAN, y = NAN;
    curve->PixelToValue(0, 0, x, y);
    EXPECT_TRUE(std::isfinite(x) && std::isfinite(y)) << size;
    curve->ValueToPixel(50, 50);
  }
}

TEST(CurveLayout, BandsFollowTheHeight) {
  const struct {
    int height, left, bottom;
  } cases[] = {{200, 25, 30}, {260, 32, 32}, {320, 35, 40}, {100, 25, 30}, {800, 35, 40}};
  for (const auto& c : cases) {
    const TCurveLayout l = LayoutCurve(Rect(4, 4, 376, c.height - 4), c.height);
    EXPECT_EQ(l.LeftBand, c.left) << c.height;
    EXPECT_EQ(l.BottomBand, c.bottom) << c.height;
    EXPECT_EQ(l.Tick, c.left / 4);
    EXPECT_EQ(l.Plot, Rect(4 + c.left + 4, 4 + 23 + 2, 376 - 3 - 2, c.height - 4 - c.bottom - 2));
    EXPECT_EQ(l.CaptionBand.Height(), 23);
    // Four readout boxes of a fifth of the width each, one pixel apart, on one row.
    for (int i = 1; i < 4; ++i) {
      EXPECT_EQ(l.Readouts[i].Left, l.Readouts[i - 1].Right + 1);
      EXPECT_EQ(l.Readouts[i].Width(), 372 / 5);
      EXPECT_EQ(l.Readouts[i].Top, l.Readouts[0].Top);
    }
  }
}

TEST(CurveLayout, LinearScaleLabelsWithTheirPrefix) {
  const TLinearScale plain = LinearScaleLabels("Hz", 0, 100, 10);
  EXPECT_EQ(plain.UnitText, "Hz");
  EXPECT_EQ(plain.Labels, (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70",
                                                    "80", "90", "100"}));
  const TLinearScale milli = LinearScaleLabels("Volt", 0, 0.5, 10);
  EXPECT_EQ(milli.UnitText, "mVolt");
  EXPECT_EQ(milli.Factor, 1000);
  EXPECT_EQ(milli.Labels, (std::vector<std::string>{"0", "50", "100", "150", "200", "250", "300",
                                                    "350", "400", "450", "500"}));
  const TLinearScale fine = LinearScaleLabels("V", 0, 5, 4);
  EXPECT_EQ(fine.Labels, (std::vector<std::string>{"0", "1.3", "2.5", "3.8", "5.0"}));
}

TEST(CurveLayout, ZeroLineOnlyWhereZeroIsInTheRange) {
  EXPECT_EQ(ZeroLinePixel(MakeCurveAxis(false, -50, 50, 100, false), 380), 50);
  EXPECT_EQ(ZeroLinePixel(MakeCurveAxis(false, 10, 100, 100, false), 380), std::nullopt);
  EXPECT_EQ(ZeroLinePixel(MakeCurveAxis(false, 0, 100, 100, false), 380), std::nullopt);  // edge
  EXPECT_EQ(ZeroLinePixel(MakeCurveAxis(true, 0.01, 100, 100, false), 380), std::nullopt);
  EXPECT_EQ(LogDecades(0.1, 1000), (std::vector<double>{0.1, 1, 10, 100, 1000}));
}

// --- Curve files through the component ---

TEST_F(CurveSynthModel, HandmadeFileLoadsAndDefaultSaveEqualsTheScript) {
  ASSERT_TRUE(curve->LoadFromFile(std::string(CURVE_FILE_DATA) + "/handmade.wvr"));
  EXPECT_EQ(curve->Chan2CurvPts(), 12);
  double x, y;
  curve->GetChan4Point(30, x, y);
  EXPECT_EQ(x, 400 + 30 * 1.5 + 0.125);
  EXPECT_EQ(y, 4 - 30 * 2.75);

  TCurveSynth fresh(nullptr);
  ASSERT_TRUE(fresh.SaveToFile(dir / "default.wvr"));
  EXPECT_EQ(ReadAll(dir / "default.wvr"), ReadAll(std::string(CURVE_FILE_DATA) + "/default.wvr"));
  ASSERT_TRUE(curve->SaveToFile(dir / "saved.wvr"));
  ASSERT_TRUE(fresh.LoadFromFile(dir / "saved.wvr"));
  EXPECT_EQ(fresh.Chan4CurvPts(), 30);
  fresh.GetChan4Point(30, x, y);
  EXPECT_EQ(x, 400 + 30 * 1.5 + 0.125);
}

TEST_F(CurveSynthModel, MalformedFilesAreReportedAndChangeNothing) {
  const std::string good = ReadAll(std::string(CURVE_FILE_DATA) + "/handmade.wvr");
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"word in another case",
       "\x14"
       "Curvesynth|4|4|4|4@\x1a"},
      {"nothing after the end mark",
       "\x13"
       "CurveSynth|4|4|4|4@"},
      {"cut inside channel 3", good.substr(0, 22 + 28 * (5 + 12 + 2))},
      {"count above 30",
       "\x15"
       "CurveSynth|4|31|4|4@\x1a" +
           std::string(43 * 28, '\0')},
  };
  curve->SetChan1CurvPts(7);
  const std::string before = Snapshot();
  EnglishTexts = true;
  for (const auto& c : cases) {
    WriteAll(dir / "bad.wvr", c.bytes);
    dialogs.Clear();
    dialogs.Answer(mrOk);
    EXPECT_FALSE(curve->LoadFromFile(dir / "bad.wvr")) << c.what;
    ASSERT_EQ(dialogs.Asked().size(), 1u) << c.what;
    EXPECT_EQ(dialogs.Asked()[0].Text, "File  bad.wvr corrupted!");
    EXPECT_EQ(dialogs.Beeps(), std::vector<unsigned>{1});
    EXPECT_EQ(Snapshot(), before) << c.what;
  }
  EnglishTexts = false;
  dialogs.Answer(mrOk);
  EXPECT_FALSE(curve->LoadFromFile(dir / "bad.wvr"));
  EXPECT_EQ(dialogs.Asked().back().Text, "File  bad.wvr korrupt!");
  EXPECT_THROW(curve->LoadFromFile(dir / "missing.wvr"), EInOutError);
}

TEST_F(CurveSynthModel, SaveIntoReadOnlyFolderFailsAndKeepsTheOldFile) {
  const fs::path file = dir / "keep.wvr";
  WriteAll(file, "old");
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                           fs::perms::others_exec);
  auto save = [&] {
    try {
      curve->SaveToFile(file);
    } catch (const EInOutError& e) {
      return std::string(e.Message()).find("keep.wvr") != std::string::npos;
    }
    return false;
  };
  if (geteuid() == 0) {
    // Root writes anywhere: the save runs as an unprivileged user in a child process.
    const pid_t child = fork();
    if (child == 0) _exit(setuid(65534) == 0 && save() ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  } else {
    EXPECT_TRUE(save());
  }
  EXPECT_EQ(ReadAll(file), "old");
}
