#include "exercises/text_exercise_file.h"

#include <gtest/gtest.h>

namespace {

TEST(TextExerciseFile, WhatTheProgramWritesReadsBack) {
  const std::string text = "\"Ecris\"\r\nle (chat) [dort]";
  const std::string file = exercises::FormatTextExercise(true, 10, 5, true, text);
  EXPECT_EQ(file, "$2\r\n$X10\r\n$Y5\r\n#1\r\n\"Ecris\"\r\nle (chat) [dort]");
  const auto read = exercises::ParseTextExercise(file);
  EXPECT_EQ(read.moduleMark, 2);
  EXPECT_TRUE(read.fixed);
  EXPECT_EQ(read.cellsIndex, 10);
  EXPECT_EQ(read.linesIndex, 5);
  EXPECT_TRUE(read.ySeen);
  EXPECT_EQ(read.body, text);
}

TEST(TextExerciseFile, APlainTextIsAllBody) {
  const auto read = exercises::ParseTextExercise("le chat\ndort\n");
  EXPECT_EQ(read.moduleMark, 0);
  EXPECT_FALSE(read.fixed);
  EXPECT_EQ(read.body, "le chat\r\ndort\r\n");
}

TEST(TextExerciseFile, AMarkInsideTheTextIsText) {
  const auto read = exercises::ParseTextExercise("$1\n$X4\n$Y2\n#0\nprix 5$ ok");
  EXPECT_EQ(read.body, "prix 5$ ok");
  EXPECT_EQ(read.cellsIndex, 4);
  EXPECT_EQ(read.linesIndex, 2);
}

TEST(TextExerciseFile, EveryTextTheProgramWritesReadsBack) {
  const std::string texts[] = {
      "",
      "prix : 5$ et #3\r\n$X12 au milieu",
      "$1\r\n#1\r\n$X3",  // header-like lines of the text itself
      "#\r\n$\r\n$Y\r\n$Y123",
      "\"\xC9"
      "cris\"\r\nle (chat) [dort] $2",
  };
  // -1: the settings' list had nothing selected when the text was saved.
  for (const int index : {19, 7, -1}) {
    for (const std::string& text : texts) {
      for (bool math : {false, true}) {
        const auto read = exercises::ParseTextExercise(
            exercises::FormatTextExercise(math, index, index % 8, !math, text));
        EXPECT_EQ(read.body, text) << index;
        EXPECT_EQ(read.moduleMark, math ? 2 : 1);
        EXPECT_EQ(read.fixed, !math);
        EXPECT_EQ(read.cellsIndex, index);
        EXPECT_EQ(read.linesIndex, index % 8);
      }
    }
  }
}

TEST(TextExerciseFile, HeaderLinesComeInAnyOrderAndEndAtTheFirstOtherLine) {
  const struct {
    std::string_view file;
    int moduleMark, cellsIndex, linesIndex;
    bool fixed;
    std::string_view body;
  } cases[] = {
      {"#1\n$Y3\n$2\n$X5\nabc", 2, 5, 3, true, "abc"},
      {"$1\r\n#0\r\nabc\r\n$X5", 1, -1, -1, false, "abc\r\n$X5"},
      {"$1\n$1\n", 1, -1, -1, false, "$1\r\n"},     // said twice: the second is text
      {"$X99\n$Y8\nabc", 0, -1, -1, false, "abc"},  // choices the settings do not have
      {"$1 \nabc", 0, -1, -1, false, "$1 \r\nabc"},
      {"$3\nabc", 0, -1, -1, false, "$3\r\nabc"},
      {"#1", 0, -1, -1, false, "#1"},  // a header line ends with its line break
      {"$X-1\n$Y-12\nabc", 0, -1, -1, false, "abc"},
      {"$X-\nabc", 0, -1, -1, false, "$X-\r\nabc"},
      {"$Y--1\nabc", 0, -1, -1, false, "$Y--1\r\nabc"},
  };
  for (const auto& c : cases) {
    const auto read = exercises::ParseTextExercise(c.file);
    EXPECT_EQ(read.moduleMark, c.moduleMark) << c.file;
    EXPECT_EQ(read.cellsIndex, c.cellsIndex) << c.file;
    EXPECT_EQ(read.linesIndex, c.linesIndex) << c.file;
    EXPECT_EQ(read.ySeen, c.linesIndex >= 0) << c.file;
    EXPECT_EQ(read.fixed, c.fixed) << c.file;
    EXPECT_EQ(read.body, c.body) << c.file;
  }
}

TEST(TextExerciseFile, LongTextsAreCut) {
  const auto read = exercises::ParseTextExercise(std::string(40000, 'a'));
  EXPECT_EQ(read.body.size(), exercises::kMaxExerciseText);
}

}  // namespace
