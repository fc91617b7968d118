#include "exercises/word_list.h"

#include <gtest/gtest.h>

#include "support/view_harness.h"

namespace {

using V = std::vector<std::string>;

TEST(WordListFile, EntriesAreTrimmedAndBlankLinesSkipped) {
  EXPECT_EQ(exercises::ParseListFile("  chat\t\nle petit  chien  \n\n \t \nmaison"),
            (V{"chat", "le petit  chien", "maison"}));
  // Saved by the program: CR CR LF between lines; UTF-8 from any editor.
  EXPECT_EQ(exercises::ParseListFile("b\xE9"
                                     "b\xE9\r\r\nf\xEA"
                                     "te\r\r\n"),
            (V{"b\xE9"
               "b\xE9",
               "f\xEA"
               "te"}));
  EXPECT_EQ(exercises::ParseListFile("b\xC3\xA9"
                                     "b\xC3\xA9\n"),
            (V{"b\xE9"
               "b\xE9"}));
  EXPECT_EQ(exercises::ParseListFile(""), V{});
}

TEST(WordListFile, KeepsTheFirstThousandEntries) {
  std::string file;
  for (int i = 0; i < 1200; ++i) file += "mot" + std::to_string(i) + "\n";
  const V entries = exercises::ParseListFile(file);
  ASSERT_EQ(entries.size(), 1000u);
  EXPECT_EQ(entries.back(), "mot999");
}

TEST(WordListDraw, ShufflesAlikeInTheSameSecondAndRestoresTheFileOrder) {
  exercises::WordList list;
  list.listFileOrder = {"un", "deux", "trois", "quatre", "cinq", "six"};
  list.listEntries = list.listFileOrder;
  base::RandomGenerator random;
  exercises::ApplyDraw(list, true, random, 1000);
  const V once = list.listEntries;
  EXPECT_NE(once, list.listFileOrder);
  V sorted = once;
  std::sort(sorted.begin(), sorted.end());
  V expected = list.listFileOrder;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(sorted, expected);

  exercises::ApplyDraw(list, false, random, 1000);
  EXPECT_EQ(list.listEntries, list.listFileOrder);
  exercises::ApplyDraw(list, true, random, 1000);
  EXPECT_EQ(list.listEntries, once);
}

TEST(RandomGenerator, HasTheClassicRange) {
  base::RandomGenerator random;
  random.Seed(1);
  // The classic sequence for seed 1.
  EXPECT_EQ(random.Next(), 41);
  EXPECT_EQ(random.Next(), 18467);
  EXPECT_EQ(random.Next(), 6334);
  for (int i = 0; i < 10000; ++i) {
    const int v = random.Next();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, base::RandomGenerator::kMax);
  }
}

TEST(ListDialog, LoadingAListFillsTheBoxAndResetsTheCurrentEntry) {
  testing_support::ViewHarness harness(false);
  auto& view = harness.Create();
  testing_support::WriteBytes(harness.data / "animaux.txt", "chat\n  chien \n");
  view.Words().currentEntry = 3;
  view.ListDialog().LoadList((harness.data / "animaux.txt").string());
  EXPECT_EQ(view.Words().currentEntry, -1);
  EXPECT_EQ(view.Words().listCount(), 2);
  EXPECT_EQ(view.ListDialog().listText, "chat\r\nchien\r\n");
  view.ListDialog().LoadList((harness.data / "missing.txt").string());
  EXPECT_EQ(view.Words().listCount(), 0);
  EXPECT_EQ(view.ListDialog().listText, "");
}

}  // namespace
