#include "library/controls/txtscroll/textlines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(TtsStringListTest, EmptyListHasNoNodes) {
  TtsStringList list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.GetNode(0), nullptr);
  EXPECT_EQ(list.GetNode(-1), nullptr);
}

TEST(TtsStringListTest, KeepsTextsAndFlagsAcrossManyStorageBlocks) {
  TtsStringList list;
  std::vector<std::string> lines;
  for (int i = 0; i < 3000; ++i) {
    lines.push_back(std::string(size_t(i % 1024), char('a' + i % 26)) + std::to_string(i));
    list.Add(lines.back());
  }
  list.Add("");
  list.Add(std::string("nul\0inside", 10));
  ASSERT_EQ(list.Count(), 3002);
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(list.GetNode(i)->Text(), lines[size_t(i)]) << i;
  EXPECT_EQ(list.GetNode(3000)->Length(), 0);
  EXPECT_EQ(list.GetNode(3001)->Text(), std::string_view("nul\0inside", 10));
  EXPECT_EQ(list.GetNode(3002), nullptr);

  EXPECT_EQ(list.GetNode(7)->Flag(), 0);
  list.GetNode(7)->SetFlag(3);
  EXPECT_EQ(list.GetNode(7)->Flag(), 3);
}

// Lines of the longest length fill a storage block to its last bytes; the lines after them,
// empty ones too, start in the next block.
TEST(TtsStringListTest, LongestLinesFillBlocksToTheirEnd) {
  TtsStringList list;
  std::vector<std::string> lines;
  for (int i = 0; i < 40; ++i) {
    lines.push_back(std::string(size_t(TtsStringList::kMaxLineLength), char('a' + i % 26)));
    lines.push_back(std::string(size_t(i % 17), 'z'));
    lines.push_back("");
  }
  for (const std::string& line : lines) list.Add(line);
  ASSERT_EQ(list.Count(), int(lines.size()));
  for (int i = 0; i < list.Count(); ++i) ASSERT_EQ(list.GetNode(i)->Text(), lines[size_t(i)]) << i;
}

TEST(TtsStringListTest, SetTextReplacesOnlyThatLineAndKeepsItsFlag) {
  TtsStringList list;
  list.Add("first");
  list.Add("second");
  list.Add("third");
  list.GetNode(1)->SetFlag(1);
  list.SetText(1, "SECOND");  // same length: written in place
  EXPECT_EQ(list.GetNode(1)->Text(), "SECOND");
  list.SetText(1, "a much longer second line");
  EXPECT_EQ(list.GetNode(1)->Text(), "a much longer second line");
  list.SetText(1, "");
  EXPECT_EQ(list.GetNode(1)->Text(), "");
  EXPECT_EQ(list.GetNode(1)->Flag(), 1);
  EXPECT_EQ(list.GetNode(0)->Text(), "first");
  EXPECT_EQ(list.GetNode(2)->Text(), "third");
  list.SetText(5, "ignored");
  EXPECT_EQ(list.Count(), 3);
}

// A line's new text may be another line's text of the same list, also when storing it makes the
// texts move to a bigger block (small ones are copied, large ones move their pages).
TEST(TtsStringListTest, SetTextFromTheListItselfWhileTheTextsMove) {
  TtsStringList list;
  list.Add("a");
  for (int i = 0; i < 4; ++i) list.Add(std::string(60000, char('p' + i)));
  for (int i = 0; i < 80; ++i) {
    const int from = 1 + i % 4;
    list.SetText(0, "");
    list.SetText(0, list.GetNode(from)->Text());
    ASSERT_EQ(list.GetNode(0)->Text(), std::string(60000, char('p' + i % 4))) << i;
  }
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(list.GetNode(1 + i)->Text(), std::string(60000, char('p' + i)));
}

TEST(AnsiUpperTest, MapsTheWindows1252Letters) {
  const std::vector<std::pair<int, int>> cases = {
      {'a', 'A'},   {'z', 'Z'},   {'A', 'A'},   {'1', '1'},   {0xE4, 0xC4},
      {0xFE, 0xDE}, {0xF7, 0xF7}, {0xDF, 0xDF}, {0x9A, 0x8A}, {0x9C, 0x8C},
      {0x9E, 0x8E}, {0xFF, 0x9F}, {0xB5, 0xB5}};
  for (auto [in, out] : cases) EXPECT_EQ(AnsiUpperByte(uint8_t(in)), out) << in;
}

TEST(BMSearchTest, SkipTableGivesDistancesFromThePatternEnd) {
  TBMTable t;
  BMSkipTable("abcab", t);
  EXPECT_EQ(t['a'], 1);  // the later 'a' wins
  EXPECT_EQ(t['b'], 3);  // the last 'b' is the pattern's own end and does not count
  EXPECT_EQ(t['c'], 2);
  EXPECT_EQ(t['x'], 5);
}

bool Find(std::string_view text, std::string_view pattern, bool no_case, int& pos) {
  TBMTable t;
  BMSkipTable(pattern, t);
  return no_case ? BMSearchNoCase(text.data(), int(text.size()), t, pattern, pos)
                 : BMSearch(text.data(), int(text.size()), t, pattern, pos);
}

TEST(BMSearchTest, KnownCases) {
  struct Case {
    const char* text;
    const char* pattern;
    bool no_case;
    int expected;  // -1: not found
  };
  const Case cases[] = {
      {"xxab", "ab", false, 2},  {"xaB", "AB", true, 1},     {"xaB", "AB", false, -1},
      {"abc", "", false, -1},    {"abc", "c", false, 2},     {"abc", "d", false, -1},
      {"ab", "abc", false, -1},  {"aaab", "aab", false, 1},  {"\xC4\xD6\xFC", "\xD6\xDC", true, 1},
      {"abab", "bab", false, 1}, {"abcabd", "abd", false, 3}};
  for (const Case& c : cases) {
    int pos = -1;
    const bool found = Find(c.text, c.pattern, c.no_case, pos);
    EXPECT_EQ(found ? pos : -1, c.expected) << c.text << " / " << c.pattern;
  }
}

// A naive search over random texts from a small alphabet catches any wrong shift.
TEST(BMSearchTest, AgreesWithANaiveSearchOnRandomTexts) {
  std::mt19937 rng(7);
  const std::string alphabet = "abAB\xE4\xC4.";
  auto random_text = [&](size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s.push_back(alphabet[rng() % alphabet.size()]);
    return s;
  };
  auto upper = [](std::string s) {
    for (char& c : s) c = char(AnsiUpperByte(uint8_t(c)));
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string text = random_text(rng() % 400);
    std::string pattern = random_text(1 + rng() % 5);
    if (round % 50 == 0) pattern = text.substr(text.size() / 3, 300);  // longer than a table
    if (pattern.empty()) continue;
    for (bool no_case : {false, true}) {
      const std::string p = no_case ? upper(pattern) : pattern;
      const std::string hay = no_case ? upper(text) : text;
      const size_t naive = hay.find(p);
      int pos = -1;
      const bool found = Find(text, p, no_case, pos);
      ASSERT_EQ(found, naive != std::string::npos) << text << " / " << p;
      if (found) {
        ASSERT_EQ(size_t(pos), naive) << text << " / " << p;
      }
    }
  }
}

TEST(ColumnsTest, ColumnAndIndexAcrossTabs) {
  const std::string line = "a\tb";
  struct Case {
    int column, index;
  };
  for (Case c : {Case{0, 0}, Case{1, 1}, Case{4, 1}, Case{8, 2}, Case{9, 3}, Case{50, 3}})
    EXPECT_EQ(ColumnToIndex(line, c.column, 8), c.index) << c.column;
  for (Case c : {Case{0, 0}, Case{1, 1}, Case{8, 2}, Case{9, 3}, Case{9, 99}})
    EXPECT_EQ(IndexToColumn(line, c.index, 8), c.column) << c.index;
  EXPECT_EQ(ExpandTabsTo("ab\tc", 4), "ab  c");
  EXPECT_EQ(ExpandTabsTo("\t\tx", 3), "      x");
  EXPECT_EQ(ExpandTabsTo("ab\tc", 0), "");
}

TEST(ColumnsTest, TabSizeZeroAndHugeExpansionsStaySafe) {
  EXPECT_EQ(ColumnToIndex("a\tb", 2, 0), 2);
  EXPECT_EQ(IndexToColumn("a\tb", 3, 0), 3);
  const std::string tabs(700, '\t');
  EXPECT_EQ(IndexToColumn(tabs, 700, 255), 700 * 255);
  EXPECT_EQ(ExpandTabsTo(tabs, 255).size(), size_t(700 * 255));
  EXPECT_EQ(ColumnToIndex(tabs, 699 * 255 + 1, 255), 699);
}

TEST(ColumnsTest, CharacterClassesAndReplacement) {
  for (char c : std::string("$_09AZaz")) EXPECT_TRUE(IsIdentChar(c)) << c;
  for (char c : std::string(" .-\xE4@[`{")) EXPECT_FALSE(IsIdentChar(c)) << c;

  std::string s =
      "a\tb\x01\xFF"
      "c";
  ReplaceNonPrintable(s, 5, 32, 254, '?');
  EXPECT_EQ(s, "a?b??c");
  EXPECT_TRUE(HasTab("ab\t", 3));
  EXPECT_FALSE(HasTab("ab\t", 2));
}

TEST(PositionsTest, EmptyAndReversedPairs) {
  EXPECT_TRUE((TtsRange{{1, 2}, {1, 2}}).Empty());
  EXPECT_FALSE((TtsRange{{1, 2}, {1, 3}}).Reversed());
  EXPECT_TRUE((TtsRange{{1, 3}, {1, 2}}).Reversed());
  EXPECT_TRUE((TtsRange{{2, 0}, {1, 9}}).Reversed());
  EXPECT_FALSE((TtsRange{{1, 9}, {2, 0}}).Reversed());
}

}  // namespace
