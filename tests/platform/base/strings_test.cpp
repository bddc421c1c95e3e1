#include "platform/base/strings.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, ConvertsBothWays) {
  const struct {
    const char* cp1252;
    const char* utf8;
  } cases[] = {
      {"Gr\xFC\xDF"
       "e",
       "Grüße"},
      {"\x80 \x85 \xB5 \xBA \xB0", "€ … µ º °"},
      {"\x8A\x9A\x9F", "ŠšŸ"},
      {"\x81", "\xC2\x81"},  // a free byte keeps its number as a C1 control
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
  }
}

TEST(Cp1252, UnmappableAndBrokenUtf8BecomeQuestionMarks) {
  const struct {
    const char* utf8;
    const char* cp1252;
  } cases[] = {
      {"a\xE2\x82", "a??"},  // cut sequence
      {"\xFF"
       "b",
       "?b"},                   // no lead byte
      {"\xC0\xAF", "??"},       // overlong '/'
      {"\xED\xA0\x80", "???"},  // surrogate
      {"Ω x", "? x"},           // outside the code page
      {"😀", "?"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.cp1252;
}

TEST(Cp1252, LiteralsAreConvertedWhileCompiling) {
  EXPECT_EQ("Nicht genügend Timer verfügbar"_ansi, "Nicht gen\xFCgend Timer verf\xFCgbar");
  EXPECT_EQ("5 µA, 3 °C, €"_ansi,
            "5 \xB5"
            "A, 3 \xB0"
            "C, \x80");
  EXPECT_EQ(""_ansi, "");
}

TEST(CaseMapping, AsciiLeavesAccentsAlone) {
  EXPECT_EQ(UpperCase("true, \xE4\xF6\xFC ok"), "TRUE, \xE4\xF6\xFC OK");
  EXPECT_EQ(LowerCase("TRUE \xC4"), "true \xC4");
  EXPECT_EQ(UpCase('q'), 'Q');
  EXPECT_EQ(UpCase('\xE4'), '\xE4');
  EXPECT_TRUE(SameText("clBtnFace", "CLBTNFACE"));
  EXPECT_FALSE(SameText("\xE4", "\xC4"));
  EXPECT_FALSE(SameText("ab", "abc"));
}

TEST(CaseMapping, Windows1252Pairs) {
  const struct {
    unsigned char lower, upper;
  } pairs[] = {
      {'a', 'A'},   {'z', 'Z'},   {0xE0, 0xC0}, {0xE4, 0xC4}, {0xFE, 0xDE},
      {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F},
  };
  for (const auto& p : pairs) {
    EXPECT_EQ(AnsiUpCase(static_cast<char>(p.lower)), static_cast<char>(p.upper)) << int(p.lower);
    EXPECT_EQ(AnsiLowCase(static_cast<char>(p.upper)), static_cast<char>(p.lower)) << int(p.upper);
  }
  // Signs and letters without a partner stay.
  for (unsigned char b : {0xF7, 0xD7, 0xDF, 0xB5, 0xAA, 0xBA, 0x80, 0x31, 0x40, 0x5B}) {
    EXPECT_EQ(AnsiUpCase(static_cast<char>(b)), static_cast<char>(b)) << int(b);
    EXPECT_EQ(AnsiLowCase(static_cast<char>(b)), static_cast<char>(b)) << int(b);
  }
  EXPECT_EQ(AnsiUpperCase("gr\xFC\xDF"
                          "e \x9C"),
            "GR\xDC\xDF"
            "E \x8C");
  EXPECT_EQ(AnsiLowerCase("\xC4RGER"), "\xE4rger");
}

TEST(Trim, RemovesBlanksAndControlsAtTheEnds) {
  const struct {
    const char* in;
    const char* both;
    const char* left;
    const char* right;
  } cases[] = {
      {"  a b  ", "a b", "a b  ", "  a b"},
      {"\t\r\nx\n", "x", "x\n", "\t\r\nx"},
      {"   ", "", "", ""},
      {"", "", "", ""},
      {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},  // a no-break space is a character
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Trim(c.in), c.both);
    EXPECT_EQ(TrimLeft(c.in), c.left);
    EXPECT_EQ(TrimRight(c.in), c.right);
  }
}

}  // namespace
