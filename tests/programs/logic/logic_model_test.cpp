#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "logic_fixture.h"

namespace {

class LogicModel : public LogicTest {};

// One setter call and what it must leave, on a painted display with the defaults.
struct Case {
  const char* name;
  std::function<void(TLogic&)> act;
  std::function<void(const TLogic&)> check;
};

TEST_F(LogicModel, SettersKeepTheirLimits) {
  const Case cases[] = {
      {"buffer size below the minimum", [](TLogic& l) { l.SetBufferSize(50); },
       [](const TLogic& l) {
         EXPECT_EQ(l.BufferSize(), 100);
         EXPECT_EQ(l.BufferCount(), 25);
       }},
      {"buffer size above the maximum", [](TLogic& l) { l.SetBufferSize(70000); },
       [](const TLogic& l) { EXPECT_EQ(l.BufferSize(), 64000); }},
      {"8-bit samples", [](TLogic& l) { l.SetLogSize(TLogSize::Size8); },
       [](const TLogic& l) {
         EXPECT_EQ(l.BufferCount(), 4000);
         EXPECT_EQ(l.ChanLast(), 7);
       }},
      {"16-bit samples keep 16 channels", [](TLogic& l) { l.SetLogSize(TLogSize::Size16); },
       [](const TLogic& l) {
         EXPECT_EQ(l.BufferCount(), 2000);
         EXPECT_EQ(l.ChanLast(), 15);
       }},
      {"first channel above the last", [](TLogic& l) { l.SetChanFirst(20); },
       [](const TLogic& l) { EXPECT_EQ(l.ChanFirst(), 14); }},
      {"last channel above the highest", [](TLogic& l) { l.SetChanLast(40); },
       [](const TLogic& l) { EXPECT_EQ(l.ChanLast(), 31); }},
      {"last channel not above the first",
       [](TLogic& l) {
         l.SetChanFirst(3);
         l.SetChanLast(0);
       },
       [](const TLogic& l) { EXPECT_EQ(l.ChanLast(), 4); }},
      {"view start beyond the buffer", [](TLogic& l) { l.SetDispStartPos(5000); },
       [](const TLogic& l) {
         EXPECT_EQ(l.DispStartPos(), 998);
         EXPECT_EQ(l.DispEndPos(), 999);
       }},
      {"view end at or before the start",
       [](TLogic& l) {
         l.SetDispStartPos(30);
         l.SetDispEndPos(-5);
       },
       [](const TLogic& l) {
         EXPECT_EQ(l.DispEndPos(), 1);
         EXPECT_EQ(l.DispStartPos(), 0);
       }},
      {"time base 0", [](TLogic& l) { l.SetTimeBase(0); },
       [](const TLogic& l) { EXPECT_EQ(l.TimeBase(), 1e-6); }},
      {"time base not a number", [](TLogic& l) { l.SetTimeBase(std::nan("")); },
       [](const TLogic& l) { EXPECT_EQ(l.TimeBase(), 1e-6); }},
      {"pointer time rounds to a sample", [](TLogic& l) { l.SetPointerTime(0.00016); },
       [](const TLogic& l) { EXPECT_EQ(l.PointerPos(), 16); }},
      {"pointer time beyond the buffer", [](TLogic& l) { l.SetPointerTime(1e300); },
       [](const TLogic& l) { EXPECT_EQ(l.PointerPos(), 999); }},
      {"marker time before the start", [](TLogic& l) { l.SetMarkerTime(-1); },
       [](const TLogic& l) { EXPECT_EQ(l.MarkerPos(), 0); }},
      {"pointer outside the view re-centres it", [](TLogic& l) { l.SetPointerPos(900); },
       [](const TLogic& l) {
         EXPECT_EQ(l.PointerPos(), 900);
         EXPECT_EQ(l.DispStartPos(), 875);
         EXPECT_EQ(l.DispEndPos(), 925);
       }},
      {"pointer near the end: the view ends at the last sample",
       [](TLogic& l) { l.SetPointerPos(990); },
       [](const TLogic& l) {
         EXPECT_EQ(l.DispEndPos(), 999);
         EXPECT_EQ(l.DispStartPos(), 949);
       }},
      {"pointer inside the view moves only the pointer", [](TLogic& l) { l.SetPointerPos(30); },
       [](const TLogic& l) {
         EXPECT_EQ(l.DispStartPos(), 0);
         EXPECT_EQ(l.DispEndPos(), 50);
       }},
      {"search start too near the end", [](TLogic& l) { l.SetMatchAdr(998); },
       [](const TLogic& l) { EXPECT_EQ(l.MatchAdr(), 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    delete form;
    form = new TForm(nullptr);
    MakeLogic();
    c.act(*logic);
    c.check(*logic);
  }
}

TEST_F(LogicModel, BeforeTheFirstPaintChannelSettersOnlyStore) {
  MakeLogic(400, 300, false);
  logic->SetChanFirst(20);
  logic->SetChanLast(40);
  EXPECT_EQ(logic->ChanFirst(), 20);
  EXPECT_EQ(logic->ChanLast(), 40);
  EXPECT_EQ(logic->NextMatch(), -1);
  // The first paint brings them inside the sample size before anything is drawn.
  ShowForm();
  EXPECT_EQ(logic->ChanLast(), 31);
  EXPECT_EQ(logic->ChanFirst(), 20);
}

// Whatever lowers the number of samples, no position stays outside the buffer.
TEST_F(LogicModel, FewerSamplesBringEveryPositionBack) {
  MakeLogic();
  logic->SetLogSize(TLogSize::Size8);
  logic->SetDispEndPos(3990);
  logic->SetDispStartPos(3500);
  logic->SetPointerPos(3900);
  logic->SetMarkerPos(3000);
  const std::function<void(TLogic&)> shrink[] = {
      [](TLogic& l) { l.SetLogSize(TLogSize::Size32); },
      [](TLogic& l) { l.SetBufferSize(100); },
  };
  for (const auto& act : shrink) {
    act(*logic);
    const int32_t last = logic->BufferCount() - 1;
    EXPECT_LE(logic->DispEndPos(), last);
    EXPECT_LT(logic->DispStartPos(), logic->DispEndPos());
    EXPECT_LE(logic->PointerPos(), last);
    EXPECT_LE(logic->MarkerPos(), last);
    EXPECT_EQ(logic->ReadSample(logic->PointerPos() + 1000), 0u);
  }
}

TEST_F(LogicModel, TextPagesNeverReachPastAShortBuffer) {
  MakeLogic(400, 600);  // about 40 rows, more than 25 samples
  logic->SetBufferSize(100);
  ASSERT_EQ(logic->BufferCount(), 25);
  ASSERT_GT(logic->TextRows(), 25);
  logic->SetModus(TModus::TextDisp);
  Pump();
  for (int32_t start : {10, 0, 24}) {
    logic->SetDispStartPos(start);
    EXPECT_EQ(logic->DispStartPos(), 0);
    EXPECT_EQ(logic->DispEndPos(), 24);
  }
  logic->SetDispEndPos(3);
  EXPECT_EQ(logic->DispStartPos(), 0);
  EXPECT_EQ(logic->DispEndPos(), 24);
}

TEST_F(LogicModel, SamplesAreLittleEndianAndWritesOutsideAreIgnored) {
  MakeLogic(400, 300, false);
  logic->SetBufferSize(100);
  logic->WriteSample(0, 0x11223344);
  logic->WriteSample(-1, 0xFFFFFFFF);
  logic->WriteSample(25, 0xFFFFFFFF);
  EXPECT_EQ(logic->ReadSample(0), 0x11223344u);
  EXPECT_EQ(logic->ReadSample(-1), 0u);
  EXPECT_EQ(logic->ReadSample(25), 0u);
  logic->SetLogSize(TLogSize::Size16);
  EXPECT_EQ(logic->ReadSample(0), 0x3344u);
  EXPECT_EQ(logic->ReadSample(1), 0x1122u);
  logic->SetLogSize(TLogSize::Size8);
  logic->WriteSample(1, 0xABCD);
  EXPECT_EQ(logic->ReadSample(1), 0xCDu);
  EXPECT_EQ(logic->ReadSample(2), 0x22u);
}

TEST_F(LogicModel, PatternSearch) {
  MakeLogic();
  for (int32_t i = 0; i < logic->BufferCount(); ++i) logic->WriteSample(i, i & 7);
  logic->SetMatchValue("1x0");  // bit 2 set, bit 0 clear
  EXPECT_EQ(logic->MatchMask(), 0b101u);
  EXPECT_EQ(logic->MatchBits(), 0b100u);
  EXPECT_EQ(logic->NextMatch(), 4);
  EXPECT_EQ(logic->PointerPos(), 4);
  EXPECT_EQ(logic->NextMatch(), 4);  // the search stays until the caller moves on
  logic->SetMatchAdr(5);
  EXPECT_EQ(logic->NextMatch(), 6);

  // A new pattern sharing no bit with the old one: the old bits are gone.
  logic->SetMatchValue("x1x");
  EXPECT_EQ(logic->MatchMask(), 0b010u);
  EXPECT_EQ(logic->MatchBits(), 0b010u);
  logic->SetMatchAdr(0);
  EXPECT_EQ(logic->NextMatch(), 2);

  // One that overlaps it: only its own bits count.
  logic->SetMatchValue("01x0");
  EXPECT_EQ(logic->MatchMask(), 0b1101u);
  EXPECT_EQ(logic->MatchBits(), 0b0100u);
  logic->SetMatchAdr(0);
  EXPECT_EQ(logic->NextMatch(), 4);

  // No match: -1 and nothing moves.
  logic->SetMatchValue("1000");
  EXPECT_EQ(logic->MatchMask(), 0b1111u);
  EXPECT_EQ(logic->MatchBits(), 0b1000u);
  logic->SetMatchAdr(7);
  logic->SetPointerPos(30);
  EXPECT_EQ(logic->NextMatch(), -1);
  EXPECT_EQ(logic->PointerPos(), 30);
  EXPECT_EQ(logic->MatchAdr(), 7);
}

TEST_F(LogicModel, ChannelNamesStayThirtyTwoLinesOfAtMost255Bytes) {
  MakeLogic(400, 300, false);
  TStringList few;
  few.Add("CLK");
  few.Add(std::string(300, 'n'));
  logic->SetChanNamen(few);
  EXPECT_EQ(logic->ChanNamen().Count(), 32);
  EXPECT_EQ(logic->ChanNamen().Strings(0), "CLK");
  EXPECT_EQ(logic->ChanNamen().Strings(1).size(), 255u);
  EXPECT_EQ(logic->ChanNamen().Strings(31), "");
  logic->SetChanName(32, "ignored");
  logic->SetChanName(5, "DATA");
  EXPECT_EQ(logic->ChanNamen().Strings(5), "DATA");
}

TEST_F(LogicModel, ApplyZoomKeepsTheChannelsInsideTheSampleSize) {
  MakeLogic();
  logic->SetLogSize(TLogSize::Size8);
  logic->ApplyZoom();  // the default pending zoom: channels 2..5, samples 20..80
  EXPECT_EQ(logic->ChanFirst(), 2);
  EXPECT_EQ(logic->ChanLast(), 5);
  EXPECT_EQ(logic->DispStartPos(), 20);
  EXPECT_EQ(logic->DispEndPos(), 80);
}

}  // namespace
