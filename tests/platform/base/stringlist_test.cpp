#include "platform/base/stringlist.h"

#include <gtest/gtest.h>

#include "platform/base/exceptions.h"

namespace {

class StringList : public ::testing::Test {
 protected:
  void SetUp() override {
    list.OnChange = [this](TObject* sender) {
      EXPECT_EQ(sender, &list);
      ++changes;
    };
  }
  TStringList list;
  int changes = 0;
};

TEST_F(StringList, EditsAndNotifiesOncePerChange) {
  EXPECT_EQ(list.Add("Ch 1"), 0);
  EXPECT_EQ(list.Add("Ext 1"), 1);
  list.Insert(1, "Ch 2");
  list.Insert(3, "Ext 2");  // at the end
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Strings(0), "Ch 1");
  EXPECT_EQ(list.Strings(1), "Ch 2");
  EXPECT_EQ(list.Strings(3), "Ext 2");
  list.SetStrings(2, "x|1|2.5");
  EXPECT_EQ(list.Strings(2), "x|1|2.5");
  list.Delete(0);
  EXPECT_EQ(list.Strings(0), "Ch 2");
  EXPECT_EQ(changes, 6);
  list.Clear();
  list.Clear();  // nothing left to change
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(changes, 7);
}

TEST_F(StringList, IndexOutsideRaisesListError) {
  list.Add("a");
  EXPECT_THROW(list.Strings(1), EStringListError);
  EXPECT_THROW(list.Strings(-1), EStringListError);
  EXPECT_THROW(list.SetStrings(1, "b"), EStringListError);
  EXPECT_THROW(list.Delete(1), EStringListError);
  EXPECT_THROW(list.Insert(2, "b"), EStringListError);
  try {
    list.Strings(5);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (5)");
  }
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(StringList, IndexOfIgnoresCase) {
  list.Add("Alpha");
  list.Add("\xC4pfel");
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOf("\xE4PFEL"), 1);
  EXPECT_EQ(list.IndexOf("Alp"), -1);
}

TEST_F(StringList, TextBothWays) {
  const struct {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},     {"a\nb", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}}, {"\n", {""}},         {"", {}},
  };
  for (const auto& c : cases) {
    changes = 0;
    list.SetText(c.text);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(list.Count(), static_cast<int>(c.lines.size())) << c.text;
    for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.Strings(i), c.lines[i]);
  }
  list.SetText("x|1\ny");
  EXPECT_EQ(list.Text(), "x|1\r\ny\r\n");
}

TEST_F(StringList, AssignCopiesLinesOnceAndKeepsTheHandler) {
  TStringList source;
  int source_changes = 0;
  source.OnChange = [&](TObject*) { ++source_changes; };
  source.Add("1");
  source.Add("2");
  list.Add("old");
  changes = 0;
  list.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list.Text(), "1\r\n2\r\n");
  source.SetStrings(0, "9");  // a copy, not shared
  EXPECT_EQ(list.Strings(0), "1");
  list.Assign(list);
  EXPECT_EQ(list.Count(), 2);
}

}  // namespace
