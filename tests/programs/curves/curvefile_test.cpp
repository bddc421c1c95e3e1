#include "programs/curves/curvefile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

namespace {

// Files written by tests/data/curves/make_wvr.py at build time.
std::string ScriptFile(const std::string& name) {
  std::ifstream in(std::string(CURVE_FILE_DATA) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The script's points of its hand-made file.
TCurvePoint HandmadePoint(int chan, int index) {
  return {chan * 100 + index * 1.5 + 0.125, chan - index * 2.75, {}};
}

std::string Header(const std::string& text) { return std::string(1, char(text.size())) + text; }

std::string Record(double x, double y) {
  std::string r(kCurveRecordSize, '\0');
  std::memcpy(r.data(), &x, 8);
  std::memcpy(r.data() + 8, &y, 8);
  return r;
}

std::string Records(int n) {
  std::string out;
  for (int i = 1; i <= n; ++i) out += Record(i, i);
  return out;
}

}  // namespace

TEST(CurveFile, DefaultPointsWriteTheScriptsBytes) {
  const std::string written = WriteCurveFile(TCurveChannels());
  EXPECT_EQ(written.size(), 469u);  // 1 + 20 header characters + 16 records
  EXPECT_EQ(written, ScriptFile("default.wvr"));
}

TEST(CurveFile, HandmadeFileLoadsToItsExactPoints) {
  TCurveFileContent content;
  ASSERT_TRUE(ReadCurveFile(ScriptFile("handmade.wvr"), content));
  TCurveChannels channels;
  ApplyCurveFile(content, channels, 100.0 / 30);
  const int counts[] = {5, 12, 4, 30};
  for (int c = 1; c <= 4; ++c) {
    EXPECT_EQ(channels[c].Count, counts[c - 1]);
    for (int i = 1; i <= counts[c - 1]; ++i) {
      double x, y;
      ASSERT_TRUE(channels.GetPoint(c, i, x, y));
      EXPECT_EQ(x, HandmadePoint(c, i).X) << c << "/" << i;
      EXPECT_EQ(y, HandmadePoint(c, i).Y) << c << "/" << i;
    }
  }
  // Reserved bytes are ignored on reading and written as zeros.
  EXPECT_EQ(channels[1].Points[0].Reserved[0], 0);
}

TEST(CurveFile, TwentyOneCharacterHeaderIsAccepted) {
  TCurveFileContent content;
  ASSERT_TRUE(ReadCurveFile(ScriptFile("header21.wvr"), content));
  TCurveChannels channels;
  ApplyCurveFile(content, channels, 100.0 / 30);
  EXPECT_EQ(WriteCurveFile(channels), ScriptFile("default.wvr"));
}

TEST(CurveFile, MalformedFilesAreRefusedWithoutResult) {
  const std::string nan = Record(std::numeric_limits<double>::quiet_NaN(), 1);
  const std::string inf = Record(1, std::numeric_limits<double>::infinity());
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"header shorter than its length byte", std::string(1, char(20)) + "CurveSynth|4"},
      {"empty count field", Header("CurveSynth|4||4|4@\x1a") + Records(12)},
      {"word in another case", Header("Curvesynth|4|4|4|4@\x1a") + Records(16)},
      {"nothing after the end mark", Header("CurveSynth|4|4|4|4@") + Records(16)},
      {"no end mark", Header("CurveSynth|4|4|4|4\x1a") + Records(16)},
      {"only three counts", Header("CurveSynth|4|4|4@\x1a") + Records(12)},
      {"count that is no integer", Header("CurveSynth|4|x|4|4@\x1a") + Records(16)},
      {"count in hex", Header("CurveSynth|4|$4|4|4@\x1a") + Records(16)},
      {"count with a blank", Header("CurveSynth|4| 4|4|4@\x1a") + Records(16)},
      {"count above 30", Header("CurveSynth|4|31|4|4@\x1a") + Records(43)},
      {"count beyond the int range", Header("CurveSynth|4|99999999999|4|4@\x1a") + Records(12)},
      {"cut inside channel 3", Header("CurveSynth|4|4|4|4@\x1a") + Records(10)},
      {"cut inside a record", Header("CurveSynth|4|4|4|4@\x1a") + Records(16).substr(0, 447)},
      {"NaN coordinate", Header("CurveSynth|1|0|0|0@\x1a") + nan},
      {"infinite coordinate", Header("CurveSynth|1|0|0|0@\x1a") + inf},
  };
  for (const auto& c : cases) {
    TCurveFileContent content;
    content.Counts = {7, 7, 7, 7};
    EXPECT_FALSE(ReadCurveFile(c.bytes, content)) << c.what;
    EXPECT_EQ(content.Counts[0], 7) << c.what;
  }
}

TEST(CurveFile, CountsOfZeroOrBelowLeaveTheirChannelAndSmallCountsAreKept) {
  const std::string bytes = Header("CurveSynth|0|2|-3|5@\x1a") + Records(7) + "trailing";
  TCurveFileContent content;
  ASSERT_TRUE(ReadCurveFile(bytes, content));
  TCurveChannels channels;
  ApplyCurveFile(content, channels, 100.0 / 30);
  const TCurveChannels defaults;
  EXPECT_EQ(channels[1].Count, 4);
  EXPECT_EQ(channels[1].Points[0].X, defaults[1].Points[0].X);
  EXPECT_EQ(channels[2].Count, 2);  // taken as it is; the curve reports it when drawn
  EXPECT_EQ(channels[2].Points[1].X, 2);
  EXPECT_EQ(channels[3].Count, 4);
  EXPECT_EQ(channels[4].Count, 5);
  EXPECT_EQ(channels[4].Points[0].X, 3);  // records 3..7 belong to channel 4
}

TEST(CurveFile, AscendingChannelKeepsTheFilesAscendingValues) {
  TCurveChannels channels;
  channels[1].XSucc = true;
  const double xs[] = {10, 50, 100, 180};
  std::string bytes = Header("CurveSynth|4|0|0|0@\x1a");
  for (double x : xs) bytes += Record(x, 1);
  TCurveFileContent content;
  ASSERT_TRUE(ReadCurveFile(bytes, content));
  ApplyCurveFile(content, channels, 100.0 / 30);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(channels[1].Points[i - 1].X, xs[i - 1]);

  // A file that is not ascending gets the rule once, against the file's own neighbours.
  bytes = Header("CurveSynth|4|0|0|0@\x1a") + Record(5, 1) + Record(5, 2) + Record(3, 3) +
          Record(70, 4);
  ASSERT_TRUE(ReadCurveFile(bytes, content));
  ApplyCurveFile(content, channels, 100.0 / 30);
  EXPECT_DOUBLE_EQ(channels[1].Points[1].X, 5 + 100.0 / 30);
  EXPECT_DOUBLE_EQ(channels[1].Points[2].X, 5 + 200.0 / 30);
  EXPECT_EQ(channels[1].Points[3].X, 70);
}

TEST(CurveFile, CorruptMessageNamesTheFileWithoutItsFolder) {
  EXPECT_EQ(CorruptFileMessage("/tmp/x/a.wvr", true), "File  a.wvr corrupted!");
  EXPECT_EQ(CorruptFileMessage("a.wvr", false), "File  a.wvr korrupt!");
}

// What a reader asks for is what it reads from a file: the header and the records it counts.
TEST(CurveFile, AsksForNoByteBeyondTheRecords) {
  const struct {
    const char* header;
    int records;
  } cases[] = {
      {"CurveSynth|4|4|4|4@\x1A", 16},
      {"CurveSynth|0|30|-2|5@\x1A", 35},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.header);
    const std::string file = Header(c.header) + Records(c.records);
    const std::string with_tail = file + std::string(5000, 'x');
    TNextBytes next = NextBytesOf(with_tail);
    size_t asked = 0;
    TCurveFileContent content;
    EXPECT_TRUE(ReadCurveFile(
        [&](size_t n) {
          asked += n;
          return next(n);
        },
        content));
    EXPECT_EQ(asked, file.size());
  }
}
