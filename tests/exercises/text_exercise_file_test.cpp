#include "exercises/text_exercise_file.h"

#include <gtest/gtest.h>

namespace {

TEST(TextExerciseFile, WhatTheProgramWritesReadsBack) {
  const std::string text = "\"Ecris\"\r\nle (chat) [dort]";
  const std::string file = exercises::FormatTextExercise(true, 10, 5, true, text);
  EXPECT_EQ(file, "$2\r\n$X10\r\n$Y5\r\n#1\r\n\"Ecris\"\r\r\nle (chat) [dort]");
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

TEST(TextExerciseFile, AMarkInsideTheTextCutsWhatComesBeforeIt) {
  const auto read = exercises::ParseTextExercise("$1\n$X4\n$Y2\n#0\nprix 5$ ok");
  EXPECT_EQ(read.body, "k");  // "$" and the two characters after it go too
}

TEST(TextExerciseFile, LongTextsAreCut) {
  const auto read = exercises::ParseTextExercise(std::string(40000, 'a'));
  EXPECT_EQ(read.body.size(), exercises::kMaxExerciseText);
}

}  // namespace
