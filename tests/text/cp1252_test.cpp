#include "text/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, ConvertsTheWholeCodePageBothWays) {
  // é, €, œ, ’ and an unassigned byte.
  const std::string program = "\xE9\x80\x9C\x92\x81";
  EXPECT_EQ(text::ToUtf8(program), "\xC3\xA9\xE2\x82\xAC\xC5\x93\xE2\x80\x99\xC2\x81");
  EXPECT_EQ(text::FromUtf8(text::ToUtf8(program)), program);
  EXPECT_EQ(text::ToUtf16(program), std::u16string(u"\u00E9\u20AC\u0153\u2019\u0081"));
  EXPECT_EQ(text::FromUtf16(text::ToUtf16(program)), program);
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    ASSERT_EQ(text::FromUtf8(text::ToUtf8(one)), one) << b;
  }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(text::FromUtf8("a\xE2\x86\x92z"), "a?z");  // →
  EXPECT_EQ(text::FromUtf8("\xF0\x9F\x98\x80"), "?");  // an emoji
  EXPECT_EQ(text::FromUtf8("\xC3"), "?");              // cut sequence
}

TEST(Cp1252, FileTextMayBeUtf8OrWindows1252) {
  EXPECT_EQ(text::DecodeFileText("b\xC3\xA9\x62\xC3\xA9"),
            "b\xE9"
            "b\xE9");
  EXPECT_EQ(text::DecodeFileText("\xEF\xBB\xBF"
                                 "chat"),
            "chat");
  // Windows-1252 bytes are not valid UTF-8 and stay as they are.
  EXPECT_EQ(text::DecodeFileText("b\xE9"
                                 "b\xE9"),
            "b\xE9"
            "b\xE9");
  EXPECT_EQ(text::DecodeFileText("plain"), "plain");
}

TEST(Cp1252, CaseMappingCoversAccentsAndLigatures) {
  struct Pair {
    char upper, lower;
  };
  for (const Pair p :
       {Pair{'A', 'a'}, Pair{'\xC9', '\xE9'}, Pair{'\xC0', '\xE0'}, Pair{'\xC7', '\xE7'},
        Pair{'\x8C', '\x9C'}, Pair{'\x9F', '\xFF'}, Pair{'\x8A', '\x9A'}}) {
    EXPECT_EQ(text::ToLower(p.upper), p.lower);
    EXPECT_EQ(text::ToUpper(p.lower), p.upper);
    EXPECT_TRUE(text::IsUpper(p.upper));
    EXPECT_FALSE(text::IsUpper(p.lower));
  }
  // Signs without a case stay.
  for (char c : {'\xD7', '\xF7', '\xDF', '1', '!', '\x80'}) {
    EXPECT_EQ(text::ToLower(c), c);
    EXPECT_EQ(text::ToUpper(c), c);
  }
  EXPECT_EQ(text::ToLower("\xC9"
                          "COLE"),
            "\xE9"
            "cole");
}

TEST(Cp1252, LinesSplitOnEveryWindowsAndUnixBreak) {
  using V = std::vector<std::string>;
  EXPECT_EQ(text::SplitLines("a\nb"), (V{"a", "b"}));
  EXPECT_EQ(text::SplitLines("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(text::SplitLines("a\r\r\nb\r\r\n"), (V{"a", "b"}));
  EXPECT_EQ(text::SplitLines("a\n\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(text::SplitLines(""), V{});
}

TEST(Cp1252, FileNamesUseTheFileSystemsEncoding) {
  const auto path = text::PathFromText(
      "chemin\xE9"
      "e.wav");
  const std::u8string u8 = path.u8string();
  EXPECT_EQ(std::string(u8.begin(), u8.end()),
            "chemin\xC3\xA9"
            "e.wav");
  EXPECT_EQ(text::TextFromPath(path),
            "chemin\xE9"
            "e.wav");
}

}  // namespace
