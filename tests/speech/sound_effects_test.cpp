#include "speech/sound_effects.h"

#include <gtest/gtest.h>

#include "support/fake_ports.h"

namespace {

using Switches = speech::SoundEffects::Switches;

TEST(SoundEffects, EachModuleListensToItsOwnBox) {
  struct Case {
    Switches switches;
    bool heard;
  };
  //                      sound  puzzle writing-box puzzle-box
  const Case cases[] = {
      {{true, false, false, false}, true},  {{false, false, false, false}, false},
      {{true, false, true, false}, false},  {{true, false, false, true}, true},
      {{true, true, false, true}, false},   {{true, true, true, false}, true},
      {{false, true, false, false}, false},
  };
  for (const Case& c : cases) {
    testing_support::FakeSoundPlayer player;
    speech::SoundEffects sounds(player, "/program");
    sounds.Play(speech::SoundEffects::kScatter, c.switches);
    EXPECT_EQ(player.played.size(), c.heard ? 1u : 0u)
        << c.switches.soundOn << c.switches.inPuzzle << c.switches.writingNoSounds
        << c.switches.puzzleNoSounds;
  }
}

TEST(SoundEffects, KindsNameTheirFilesAndOthersPlayNothing) {
  testing_support::FakeSoundPlayer player;
  speech::SoundEffects sounds(player, "/program");
  for (int kind = -1; kind <= 5; ++kind) sounds.Play(kind, {});
  ASSERT_EQ(player.played.size(), 5u);
  EXPECT_EQ(player.played[0], std::filesystem::path("/program/sons/trash.wav"));
  EXPECT_EQ(player.played[1], std::filesystem::path("/program/sons/applaud.wav"));
  EXPECT_EQ(player.played[4], std::filesystem::path("/program/sons/musiquepuzzle.wav"));
}

}  // namespace
