#include "platform/graphics/colors.h"

#include <gtest/gtest.h>

#include "platform/base/exceptions.h"

namespace {

TEST(Colors, SystemColoursResolveThroughTheTable) {
  const struct {
    TColor in, out;
  } cases[] = {
      {clBtnFace, 0xC0C0C0},
      {clBtnShadow, 0x808080},
      {clBtnHighlight, 0xFFFFFF},
      {cl3DDkShadow, 0},
      {clWindow, 0xFFFFFF},
      {clWindowText, 0},
      {clHighlight, 0x800000},
      {clHighlightText, 0xFFFFFF},
      {clInfoBk, 0xE1FFFF},
      {clRed, clRed},
      {TColor(0x80000063u), 0},                     // beyond the table
      {clBtnFace & TColor(0xFF606060u), 0xC0C0C0},  // masked to system colour 0
      {PaletteRGB(1, 2, 3), PaletteRGB(1, 2, 3)},
  };
  for (const auto& c : cases) EXPECT_EQ(ColorToRGB(c.in), c.out) << std::hex << c.in;
}

TEST(Colors, NamesBothWays) {
  const struct {
    TColor color;
    const char* text;
  } cases[] = {{clRed, "clRed"},        {clBlack, "clBlack"},
               {clSilver, "clSilver"},  {clBtnFace, "clBtnFace"},
               {clInfoBk, "clInfoBk"},  {clNone, "clNone"},
               {0x123456, "$00123456"}, {TColor(0x80000063u), "$80000063"}};
  for (const auto& c : cases) {
    EXPECT_EQ(ColorToString(c.color), c.text);
    EXPECT_EQ(StringToColor(c.text), c.color);
  }
  EXPECT_EQ(StringToColor("CLRED"), clRed);
  EXPECT_EQ(StringToColor("255"), 255);
  EXPECT_EQ(StringToColor("-1"), -1);
  EXPECT_EQ(StringToColor("$FF"), 255);
  TColor c = 0;
  EXPECT_FALSE(IdentToColor("clNoSuch", c));
  for (const char* bad : {"", "clNoSuch", "$", "12x", "99999999999", "$1FFFFFFFF"}) {
    EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
  }
}

}  // namespace
