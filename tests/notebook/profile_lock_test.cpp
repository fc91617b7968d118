#include "notebook/profile_lock.h"

#include <gtest/gtest.h>

#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace {

using notebook::ProfileLock;
using Outcome = notebook::ProfileLock::Outcome;
using testing_support::FakeClock;
using testing_support::TempFolder;
using testing_support::WriteBytes;

// Two programs, on two computers whose clocks both move, sharing one child's folder.
struct TwoPrograms : ::testing::Test {
  TempFolder folder;
  FakeClock clockA, clockB;
  ProfileLock a{clockA, {"salle-1", "100"}};
  ProfileLock b{clockB, {"salle-2", "200"}};

  void Wait(std::int64_t seconds) {
    clockA.calendar += seconds;
    clockB.calendar += seconds;
  }
};

TEST_F(TwoPrograms, TheSecondIsRefusedWhileTheFirstRefreshesAndTakesOverAfterwards) {
  ASSERT_EQ(a.Take(folder.Path()).outcome, Outcome::kTaken);
  const auto refused = b.Take(folder.Path());
  EXPECT_EQ(refused.outcome, Outcome::kHeldElsewhere);
  EXPECT_EQ(refused.holder.computer, "salle-1");

  // Refreshed every minute, the lock is never too old, however long the child works.
  for (int minute = 0; minute < 20; ++minute) {
    Wait(60);
    EXPECT_TRUE(a.Refresh());
    EXPECT_EQ(b.Take(folder.Path()).outcome, Outcome::kHeldElsewhere) << minute;
  }
  // The first computer is switched off: a few minutes later the child can work on the other.
  Wait(ProfileLock::kStaleSeconds - 1);
  EXPECT_EQ(b.Take(folder.Path()).outcome, Outcome::kHeldElsewhere);
  Wait(1);
  EXPECT_EQ(b.Take(folder.Path()).outcome, Outcome::kTaken);
  // The first comes back: it knows it lost the folder, and leaving does not free it.
  EXPECT_FALSE(a.Refresh());
  a.Release();
  EXPECT_EQ(a.Take(folder.Path()).outcome, Outcome::kHeldElsewhere);
}

TEST_F(TwoPrograms, AReleasedFolderIsFreeAtOnceAndOneProgramHoldsOneFolder) {
  TempFolder other;
  ASSERT_EQ(a.Take(folder.Path()).outcome, Outcome::kTaken);
  ASSERT_EQ(a.Take(other.Path()).outcome, Outcome::kTaken);
  EXPECT_EQ(b.Take(folder.Path()).outcome, Outcome::kTaken);
  b.Release();
  EXPECT_EQ(a.Take(folder.Path()).outcome, Outcome::kTaken);
  // Two runs of the program on one computer are two programs.
  ProfileLock sameComputer{clockA, {"salle-1", "101"}};
  EXPECT_EQ(sameComputer.Take(folder.Path()).outcome, Outcome::kHeldElsewhere);
}

TEST_F(TwoPrograms, ADamagedOrFarFutureLockDoesNotKeepTheChildOut) {
  WriteBytes(folder / ProfileLock::kFileName, "\x01\x02 pas un verrou");
  EXPECT_EQ(a.Take(folder.Path()).outcome, Outcome::kTaken);
  a.Release();
  // A computer whose clock is a year ahead wrote it.
  WriteBytes(folder / ProfileLock::kFileName,
             ProfileLock::Encode({"en-avance", "1"}, clockB.calendar + 365 * 86400));
  EXPECT_EQ(b.Take(folder.Path()).outcome, Outcome::kTaken);
}

}  // namespace
