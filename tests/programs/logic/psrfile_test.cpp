#include "programs/logic/psrfile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/base/sysutils.h"

namespace {

TEST(PsrNumbers, TheTimeBaseIsADecimalNumberAndNothingElse) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {"1E-5", true, 1e-5}, {"0.0001", true, 1e-4}, {"-2.5e+3", true, -2500}, {"7", true, 7},
      {".5", true, 0.5},    {"5.", true, 5},        {"1e-400", false, 0},     {"", false, 0},
      {"nan", false, 0},    {"inf", false, 0},      {"-INF", false, 0},       {"0x1p-5", false, 0},
      {"1,5", false, 0},    {" 1", false, 0},       {"1 ", false, 0},         {"+1", false, 0},
      {"1e", false, 0},     {"1e400", false, 0},    {".", false, 0},          {"1.2.3", false, 0},
      {"e5", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    double v = -1;
    EXPECT_EQ(ParsePsrFloat(c.text, v), c.ok);
    if (c.ok) {
      EXPECT_DOUBLE_EQ(v, c.value);
    }
  }
}

TEST(PsrNumbers, IntegersAreDecimalDigitsWithAnOptionalMinus) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  } cases[] = {
      {"0", true, 0},           {"-3", true, -3},  {"2147483647", true, INT32_MAX},
      {"2147483648", false, 0}, {"$10", false, 0}, {"0x10", false, 0},
      {"4.0", false, 0},        {" 4", false, 0},  {"+4", false, 0},
      {"-", false, 0},          {"", false, 0},    {"1E3", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t v = -1;
    EXPECT_EQ(ParsePsrInt(c.text, v), c.ok);
    if (c.ok) {
      EXPECT_EQ(v, c.value);
    }
  }
}

TEST(PsrNumbers, TheTimeBaseIsWrittenWithAPointWhateverTheSeparator) {
  const char saved = DecimalSeparator;
  DecimalSeparator = ',';
  EXPECT_EQ(PsrFloatText(1.5e-5), "1.5E-5");
  EXPECT_EQ(PsrFloatText(0.001), "0.001");
  DecimalSeparator = saved;
}

TEST(PsrFile, BuildAndParseAgree) {
  TPsrContent c;
  c.TimeBase = 0.001;
  c.TriggerPos = -7;
  c.LogSize = 0;
  c.BufferSize = 120;
  c.Names[3] = "SDA";
  c.Names[4] = std::string(300, 'x');
  c.Samples = std::string(120, '\x5A');
  const std::string bytes = BuildPsr(c);
  TPsrContent back;
  ASSERT_TRUE(ParsePsr(bytes, back));
  EXPECT_EQ(back.TimeBase, 0.001);
  EXPECT_EQ(back.TriggerPos, -7);
  EXPECT_EQ(back.LogSize, 0);
  EXPECT_EQ(back.BufferSize, 120);
  EXPECT_EQ(back.Names[0], "Chan 0");
  EXPECT_EQ(back.Names[3], "SDA");
  EXPECT_EQ(back.Names[4], std::string(255, 'x'));
  EXPECT_EQ(back.Samples, c.Samples);
  // Bytes after the sample area are ignored; one byte less is a cut file.
  EXPECT_TRUE(ParsePsr(bytes + "tail", back));
  EXPECT_FALSE(ParsePsr(bytes.substr(0, bytes.size() - 1), back));
}

TEST(PsrFile, AHeaderBufferSizeIsReadWithinTheDisplaysLimits) {
  TPsrContent c;
  c.BufferSize = 50;  // the display holds at least 100 bytes: 100 are read
  c.Samples = std::string(100, '\1');
  TPsrContent back;
  ASSERT_TRUE(ParsePsr(BuildPsr(c), back));
  EXPECT_EQ(back.Samples.size(), 100u);
  c.Samples.resize(99);
  EXPECT_FALSE(ParsePsr(BuildPsr(c), back));
}

// What a reader asks for is what it reads from a file: the header, the names and the samples.
TEST(PsrFile, AsksForNoByteBeyondTheSamples) {
  for (const int32_t size : {50, 4000}) {
    SCOPED_TRACE(size);
    TPsrContent c;
    c.BufferSize = size;
    c.Names[7] = "CLK";
    c.Samples = std::string(size_t(ClampBufferSize(size)), '\7');
    const std::string file = BuildPsr(c);
    const std::string with_tail = file + std::string(5000, 'x');
    TNextBytes next = NextBytesOf(with_tail);
    size_t asked = 0;
    TPsrContent back;
    EXPECT_TRUE(ReadPsr(
        [&](size_t n) {
          asked += n;
          return next(n);
        },
        back));
    EXPECT_EQ(asked, file.size());
  }
}

}  // namespace
