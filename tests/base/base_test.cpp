#include <gtest/gtest.h>

#include <set>

#include "base/files.h"
#include "base/timer_ids.h"
#include "base/trace.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

TEST(TimerIds, EveryTimerHasOneOwner) {
  std::set<int> ids;
  for (const base::TimerUse& use : base::kTimers) {
    EXPECT_TRUE(ids.insert(use.id).second) << "timer " << use.id << " declared twice";
    ASSERT_TRUE(base::OwnerOf(use.id).has_value());
    EXPECT_EQ(*base::OwnerOf(use.id), use.owner);
  }
  EXPECT_EQ(ids, (std::set<int>{1, 2, 3, 25, 30, 31, 222, 997, 998, 999}));
  EXPECT_FALSE(base::OwnerOf(4).has_value());
  EXPECT_FALSE(base::OwnerOf(0).has_value());
}

TEST(Trace, StartsEmptyAndAppendsLines) {
  TempFolder folder;
  WriteBytes(folder / "debug.txt", "an old run\n");
  base::Trace trace;
  trace.Start(folder / "debug.txt");
  trace.Line("one\n");
  trace.Line("two\n");
  EXPECT_EQ(ReadBytes(folder / "debug.txt"), "Start test \none\ntwo\n");

  base::Trace off;
  off.SetEnabled(false);
  off.Start(folder / "quiet.txt");
  off.Line("x\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "quiet.txt"));
}

TEST(Files, TheStartOfAFileIsReadWhateverItsLength) {
  TempFolder folder;
  WriteBytes(folder / "long", std::string(100000, 'a') + "b");
  const auto start = base::ReadFileStart(folder / "long", 4176);
  ASSERT_TRUE(start.has_value());
  EXPECT_EQ(*start, std::string(4176, 'a'));

  WriteBytes(folder / "short", "abc");
  EXPECT_EQ(base::ReadFileStart(folder / "short", 4176), std::optional<std::string>("abc"));
  EXPECT_EQ(base::ReadFileStart(folder / "missing", 10), std::nullopt);
  EXPECT_EQ(base::ReadFileStart(folder.Path(), 10), std::nullopt);  // a folder, not a file
}

}  // namespace
