// The syllables in colour on the tiles of Français, as the settings window turns them on and off
// and as the settings file keeps them.
#include <gtest/gtest.h>

#include "app/settings_codec.h"
#include "support/view_harness.h"

namespace {

using testing_support::ReadBytes;
using testing_support::ViewHarness;
using testing_support::WriteBytes;

constexpr int kA = 0, kT = 4, kH = 16, kC = 25;

std::string Golden(const char* name) {
  return ReadBytes(std::filesystem::path(SCRIBIX_SOURCE_FOLDER) / "tests/data/settings" / name);
}

int DifferingPixels(const gfx::Image& a, const gfx::Image& b, const gfx::Rect& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += a.Pixel(x, y) != b.Pixel(x, y);
  }
  return count;
}

TEST(SyllablesInColour, TurnedOffTheScreenIsPixelForPixelAsWithoutThem) {
  ViewHarness harness;
  auto& view = harness.Create();
  harness.Paint();  // the first paint lays down the module's text
  for (const auto& [key, column] : {std::pair{kC, 0}, {kH, 1}, {kA, 2}, {kT, 3}}) {
    harness.WriteKeyInto(key, column, 0);
  }
  const gfx::Image never = harness.Paint();
  const gfx::Rect screen = never.Bounds();
  auto cell = [&](int column) { return base::CellRect(view.Parts().state, column, 0); };

  view.Parts().settingsDialog.OnSyllableColoursClicked(true);
  const gfx::Image on = harness.Paint();
  // Only the letters change: cha in the first ink, the mute t in grey.
  const gfx::Rect word = cell(0).Union(cell(3));
  EXPECT_GT(DifferingPixels(never, on, cell(0)), 0);
  EXPECT_EQ(DifferingPixels(never, on, screen), DifferingPixels(never, on, word));
  auto middle = [&](int column) {
    const gfx::Rect r = cell(column);
    return on.Pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  };
  for (int column = 0; column < 3; ++column) {
    EXPECT_GT(gfx::Blue(middle(column)) - gfx::Red(middle(column)), 100) << column;
  }
  EXPECT_LT(std::abs(gfx::Blue(middle(3)) - gfx::Red(middle(3))), 40);

  view.Parts().settingsDialog.OnSyllableColoursClicked(false);
  const gfx::Image off = harness.Paint();
  EXPECT_EQ(DifferingPixels(never, off, screen), 0);
}

TEST(SyllablesInColour, TurnedOnTheTeachersFileIsReadAndItsMistakesTold) {
  ViewHarness harness;
  WriteBytes(harness.data / "syllabes-exceptions.txt", "sept\tse[p]t\nchat\tchien\n");
  auto& view = harness.Create();
  view.OnTimer(base::kTimerFirstRun);
  EXPECT_TRUE(harness.fake.dialogs.messages.empty());  // nothing told while the option is off
  view.Parts().settingsDialog.OnSyllableColoursClicked(true);
  ASSERT_EQ(harness.fake.dialogs.messages.size(), 1u);
  EXPECT_NE(harness.fake.dialogs.messages[0].text.find("syllabes-exceptions.txt, ligne 2 :"),
            std::string::npos)
      << harness.fake.dialogs.messages[0].text;
}

TEST(SyllablesInColour, TheSettingsFileKeepsTheChoiceAndOldFilesReadBothWays) {
  const std::string every = Golden("every_field.defaut");
  const std::string kept = Golden("syllables.defaut");
  const app::SettingsRecord record = app::DecodeSettings(kept);
  EXPECT_EQ(record.syllableColours, 1);
  EXPECT_EQ(record.syllablePair, 1);
  EXPECT_EQ(record.splitGlides, 1);
  EXPECT_EQ(app::EncodeSettings(record), kept);
  // Read as a program that knows nothing of them reads it: every other field as it was.
  app::SettingsRecord without = record;
  without.syllableColours = without.syllablePair = without.splitGlides = std::nullopt;
  EXPECT_EQ(without, app::DecodeSettings(every));
  // A file from before has them off, and a path that fills its field is no mark.
  EXPECT_FALSE(app::DecodeSettings(every).syllableColours);
  app::SettingsRecord longPath = app::DecodeSettings(every);
  longPath.listPath = std::string(4095, 'l');
  std::string bytes = app::EncodeSettings(longPath);
  bytes.replace(28 + 4088, 3, "syl");
  EXPECT_FALSE(app::DecodeSettings(bytes).syllableColours);
  longPath.syllableColours = 1;
  const app::SettingsRecord cut = app::DecodeSettings(app::EncodeSettings(longPath));
  EXPECT_EQ(cut.syllableColours, 1);
  EXPECT_EQ(cut.listPath, std::string(4087, 'l'));

  // The window's choices reach the file and come back at the next start.
  ViewHarness first;
  first.Create().OnTimer(base::kTimerFirstRun);
  auto& dialog = first.View().Parts().settingsDialog;
  dialog.OnSyllableColoursClicked(true);
  dialog.OnSyllablePairChanged(1);
  dialog.OnSplitGlidesClicked(true);
  ViewHarness next;
  WriteBytes(next.data / "defaut", ReadBytes(first.data / "defaut"));
  next.Create().OnTimer(base::kTimerFirstRun);
  EXPECT_EQ(next.View().Parts().settingsDialog.syllableLook,
            (exercises::SyllableLook{.on = true, .pair = 1, .splitGlides = true}));
}

}  // namespace
