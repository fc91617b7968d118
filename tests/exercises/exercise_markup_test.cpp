#include "exercises/exercise_markup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using exercises::MarkedText;
using Operation = MarkedText (*)(const MarkedText&);

struct Case {
  const char* what;
  Operation operation;
  std::string text;
  std::size_t start, end;
  std::string expected;
  std::size_t caret;  // where the caret stands afterwards
};

TEST(ExerciseMarkup, EachButtonRewritesTheTextAndItsSelection) {
  using namespace exercises;
  const Case cases[] = {
      {"two words and a space: one pair, the space after it", Hide, "le petit chat dort", 3, 14,
       "le [petit chat] dort", 16},
      {"a single letter", Hide, "chat", 2, 3, "ch[a]t", 5},
      {"brackets in the selection are not nested", Hide, "le [petit] chat", 0, 15,
       "[le petit chat]", 15},
      {"a selection of blanks", Hide, "a   b", 1, 4, "a[  ] b", 6},
      {"a selection of marks only drops them", Hide, "a[]b", 1, 3, "ab", 1},
      {"a selection across lines", Hide, "un\r\ndeux\r\n", 0, 10, "[un\r\ndeux]\r\n", 12},
      {"the selection is put in order", Hide, "le chat", 7, 3, "le [chat]", 9},
      {"no selection hides every word", Hide, "le  chat\r\ndort ", 4, 4, "[le]  [chat]\r\n[dort] ",
       0},
      {"hide all drops the old brackets first", HideAll, "[le chat] dort", 0, 0,
       "[le] [chat] [dort]", 0},
      {"hide all keeps the links", HideAll, "le (chat)", 0, 0, "[le] [(chat)]", 0},
      {"make visible without a selection", MakeVisible, "[le] [chat]\r\n[dort]", 0, 0,
       "le chat\r\ndort", 0},
      {"make visible takes in the word it starts and ends in", MakeVisible,
       "un [petit] [chat] noir", 5, 13, "un petit chat noir", 13},
      {"make visible stops at the closing bracket before it", MakeVisible, "[un] de [tr]", 5, 6,
       "[un] de [tr]", 6},
      {"make visible from a closing bracket takes its word", MakeVisible, "[ab]c", 3, 5, "abc", 3},
      {"make visible keeps the links", MakeVisible, "[(le)] chat", 0, 11, "(le) chat", 9},
      {"link two words", Link, "le chat dort", 0, 8, "(le chat) dort", 10},
      {"link keeps the brackets", Link, "[chat]", 1, 5, "[(chat)]", 7},
      {"link without a selection links every word", Link, "le chat", 0, 0, "(le) (chat)", 0},
      {"link all drops the old links first", LinkAll, "(le ch)at [dort]", 0, 0,
       "(le) (chat) ([dort])", 0},
      {"unlink the group the selection stands in", Unlink, "(le) (chat)", 7, 8, "(le) chat", 9},
      {"unlink without a selection", Unlink, "(le) (chat) [x]", 3, 3, "le chat [x]", 0},
  };
  for (const Case& c : cases) {
    const MarkedText out = c.operation({c.text, c.start, c.end});
    EXPECT_EQ(out.text, c.expected) << c.what;
    EXPECT_EQ(out.selectionStart, c.caret) << c.what;
    EXPECT_EQ(out.selectionEnd, c.caret) << c.what;
  }
}

TEST(ExerciseMarkup, MakeVisibleUndoesHideAllAndUnlinkUndoesLinkAll) {
  const std::string texts[] = {"", "   ", "\"Ecris\"\r\nle chat\tdort.\r\n",
                               "un mot, l'autre ; \xE9t\xE9 \x9C"
                               "uf"};
  for (const std::string& text : texts) {
    EXPECT_EQ(exercises::MakeVisible({exercises::HideAll({text}).text}).text, text);
    EXPECT_EQ(exercises::Unlink({exercises::LinkAll({text}).text}).text, text);
  }
}

TEST(ExerciseMarkup, ASelectionBeyondTheTextIsCut) {
  const MarkedText out = exercises::Hide({"chat", 2, 99});
  EXPECT_EQ(out.text, "ch[at]");
  EXPECT_EQ(out.selectionEnd, 6u);
}

}  // namespace
