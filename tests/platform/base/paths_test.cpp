#include "platform/base/paths.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

TEST(Paths, EveryByteStringComesBackFromUtf16) {
  // Every byte alone and every pair of bytes, then longer names around the edges of UTF-8.
  for (int a = 0; a < 256; ++a) {
    for (int b = -1; b < 256; ++b) {
      std::string name(1, char(a));
      if (b >= 0) name += char(b);
      ASSERT_EQ(PathFromUtf16(PathToUtf16(name)), name) << a << " " << b;
    }
  }
  for (const std::string& name : std::initializer_list<std::string>{
           "Süd.wvr",
           "日本語.psr",
           "😀.wav",  // valid UTF-8 of 2, 3 and 4 bytes
           "S\xFC"
           "d.wvr",             // a Windows-1252 name
           "\xE6\x97.psr",      // cut short
           "\xC0\xAF",          // overlong '/'
           "\xED\xB2\x80",      // U+DC80 written as UTF-8: no character
           "\xF4\x90\x80\x80",  // above U+10FFFF
           std::string("a\0b", 3),
           "\x80\xBF\xFE\xFF",
       }) {
    EXPECT_EQ(PathFromUtf16(PathToUtf16(name)), name) << name;
  }
}

TEST(Paths, Utf8BecomesItsCharactersAndOtherBytesTheirEscapes) {
  EXPECT_EQ(PathToUtf16("Süd.wvr"), u"Süd.wvr");
  EXPECT_EQ(PathToUtf16("日本語.psr"), u"日本語.psr");
  EXPECT_EQ(PathToUtf16("😀"), u"😀");
  EXPECT_EQ(PathToUtf16("S\xFC"
                        "d"),
            u"S\xDCFC"
            u"d");
  // The escape of a byte never equals a name's character: a lone surrogate is none.
  EXPECT_EQ(PathToUtf16("\xED\xB2\x80"), u"\xDCED\xDCB2\xDC80");
  EXPECT_EQ(PathFromUtf16(u"Grün/日本語.psr"), "Grün/日本語.psr");
  // A lone surrogate outside the escapes (which no file name gives) becomes U+FFFD.
  EXPECT_EQ(PathFromUtf16(u"a\xD800"), "a\xEF\xBF\xBD");
  EXPECT_EQ(PathFromUtf16(u"\xDC41"), "\xEF\xBF\xBD");
}

TEST(Paths, NamesShowAsTextAndTypedTextNamesItsFile) {
  const struct {
    std::string path;
    std::string text;
  } shown[] = {
      {"Süd.wvr",
       "S\xFC"
       "d.wvr"},
      {"€ 5.txt", "\x80 5.txt"},
      {"日本語.psr", "???.psr"},  // no Windows-1252 characters: replaced, for showing only
      {"S\xFC"
       "d.wvr",
       "S?d.wvr"},  // no UTF-8
  };
  for (const auto& c : shown) EXPECT_EQ(PathToText(c.path), c.text) << c.path;
  EXPECT_EQ(TextToPath("Gr\xFCn.wvr"), "Grün.wvr");
  std::string every;
  for (int b = 1; b < 256; ++b) every += char(b);
  EXPECT_EQ(PathToText(TextToPath(every)), every);
}

}  // namespace
