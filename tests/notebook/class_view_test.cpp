// A class of children as the program meets it: "Qui travaille ?", each child's own work, the
// teacher's window and two programs sharing one class folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "notebook/profile_chooser.h"
#include "notebook/profiles.h"
#include "support/view_harness.h"

namespace {

namespace fs = std::filesystem;
using app::ModuleId;
using testing_support::GridLine;
using testing_support::ReadBytes;
using testing_support::ViewHarness;
using testing_support::WriteBytes;

const char* const kNames[] = {
    "L\xE9"
    "a",
    "Zo\xE9", "Malik"};

void MakeClass(const fs::path& classFolder, int children) {
  notebook::ProfileBook book;
  book.Load(classFolder, classFolder);
  for (int i = 0; i < children; ++i) ASSERT_FALSE(book.Add(kNames[i], i));
}

void Start(ViewHarness& h) {
  h.Create();
  h.View().OnTimer(base::kTimerFirstRun);
  h.Paint();
}

gfx::Point ButtonOf(ViewHarness& h, int child, int count = 3) {
  const auto rects = notebook::ProfileChooser::ButtonRects(h.fake.window.clientSize, count);
  const gfx::Rect& r = rects[static_cast<std::size_t>(child)];
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool Shows(app::CScribixView& view, base::icons::IconId icon) {
  const auto shown = view.IconsShown();
  return std::any_of(shown.begin(), shown.end(), [&](const auto& s) { return s.icon == icon; });
}

void Write(ViewHarness& h, const std::string& text) {
  h.View().Parts().editorDialog.OnTextChanged(text, 0, 0);
}

TEST(ClassView, WithNoChildTheProgramStartsAsItAlwaysDid) {
  ViewHarness h;
  Start(h);
  EXPECT_EQ(h.View().ActiveModule(), ModuleId::kFrancais);
  EXPECT_FALSE(Shows(h.View(), base::icons::IconWhoWorks));
  EXPECT_FALSE(h.fake.timers.IsRunning(base::kTimerProfileLock));
  EXPECT_EQ(h.View().Parts().state.settingsPath, h.data / "defaut");
  EXPECT_EQ(h.View().Parts().state.frenchTextPath, h.data / "defautabc");
}

TEST(ClassView, ThreeChildrenFindTheirNamesAndEachTheirOwnWork) {
  ViewHarness h;
  MakeClass(h.data.Path(), 3);
  Start(h);
  app::CScribixView& view = h.View();
  ASSERT_EQ(view.ActiveModule(), ModuleId::kQuiTravaille);
  EXPECT_TRUE(h.fake.timers.IsRunning(base::kTimerProfileLock));
  EXPECT_FALSE(Shows(view, base::icons::IconModuleFrench));
  EXPECT_FALSE(Shows(view, base::icons::IconKeyboard));
  EXPECT_TRUE(Shows(view, base::icons::IconQuit));
  const auto& drawn = h.fake.textPainter.texts;
  for (const char* text : {"Qui travaille ?", kNames[0], kNames[1], kNames[2]}) {
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), text), drawn.end()) << text;
  }

  // The mouse comes onto a button: its name is said once, however long it moves there.
  h.MoveTo({5, 800}, ButtonOf(h, 0), 4);
  view.OnMouseMove(0, {ButtonOf(h, 0).x + 3, ButtonOf(h, 0).y + 2});
  EXPECT_EQ(h.Spoken(), (std::vector<std::string>{"Qui travaille ?", kNames[0]}));
  h.MoveTo(ButtonOf(h, 0), ButtonOf(h, 1), 6);
  const std::vector<std::string> spoken = h.Spoken();
  EXPECT_EQ(spoken.back(), kNames[1]);
  EXPECT_EQ(std::count(spoken.begin(), spoken.end(), kNames[0]), 1);

  // Léa writes, goes back to the buttons, and Zoé finds her own empty grid.
  h.Click(ButtonOf(h, 0));
  ASSERT_EQ(view.ActiveModule(), ModuleId::kFrancais);
  EXPECT_EQ(view.Parts().state.frenchTextPath, h.data / "lea" / "defautabc");
  Write(h,
        "le chat de L\xE9"
        "a");
  ASSERT_EQ(GridLine(view, 0),
            "le chat de L\xE9"
            "a");
  ASSERT_TRUE(Shows(view, base::icons::IconWhoWorks));
  h.ClickIcon(base::icons::IconWhoWorks);
  EXPECT_EQ(view.ActiveModule(), ModuleId::kQuiTravaille);
  EXPECT_EQ(h.Spoken().back(), "Qui travaille ?");
  EXPECT_NE(ReadBytes(h.data / "lea" / "defautabc")
                .find("le chat de L\xE9"
                      "a"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(h.data / "lea" / notebook::ProfileLock::kFileName));

  h.Click(ButtonOf(h, 1));
  EXPECT_EQ(GridLine(view, 0), "");
  Write(h, "Zo\xE9 compte");
  h.ClickIcon(base::icons::IconWhoWorks);
  h.Click(ButtonOf(h, 0));
  EXPECT_EQ(GridLine(view, 0),
            "le chat de L\xE9"
            "a");
  // Léa in the puzzle, then Malik: the keys come back with Français.
  h.ClickIcon(base::icons::IconModulePuzzle);
  ASSERT_EQ(view.ActiveModule(), ModuleId::kPuzzle);
  h.ClickIcon(base::icons::IconWhoWorks);
  // Malik's folder was deleted by hand: he starts again in a new one.
  fs::remove_all(h.data / "malik");
  h.Click(ButtonOf(h, 2));
  EXPECT_EQ(view.ActiveModule(), ModuleId::kFrancais);
  EXPECT_EQ(view.Parts().state.keyCount, keyboard::kLetterKeys);
  EXPECT_EQ(view.Parts().state.puzzleStatePath, h.data / "malik" / "defautpuz");
}

TEST(ClassView, TheFirstChildAddedTakesTheWorkOnScreenAndTheProgramGoesOnThere) {
  ViewHarness h;
  Start(h);
  app::CScribixView& view = h.View();
  Write(h, "le chat");
  app::CEleves& eleves = view.Parts().eleves;
  eleves.nameText = kNames[0];
  eleves.OnAdd();
  EXPECT_EQ(view.ActiveModule(), ModuleId::kFrancais);
  EXPECT_NE(ReadBytes(h.data / "lea" / "defautabc").find("le chat"), std::string::npos);
  EXPECT_FALSE(fs::exists(h.data / "defautabc"));
  EXPECT_EQ(view.Parts().state.frenchTextPath, h.data / "lea" / "defautabc");
  EXPECT_TRUE(h.fake.timers.IsRunning(base::kTimerProfileLock));
  EXPECT_FALSE(Shows(view, base::icons::IconWhoWorks));

  eleves.nameText = kNames[1];
  eleves.OnAdd();
  EXPECT_TRUE(Shows(view, base::icons::IconWhoWorks));
  EXPECT_EQ(GridLine(view, 0), "le chat");

  // Léa leaves the class while she works: her work is saved and kept aside; Zoé, the only
  // child left, takes the computer.
  Write(h, "le chat dort");
  eleves.OnSelect(0);
  h.fake.dialogs.answers.push_back(ports::MessageAnswer::kYes);
  eleves.OnRemove();
  EXPECT_NE(ReadBytes(h.data / "anciens-eleves" / "lea" / "defautabc").find("le chat dort"),
            std::string::npos);
  EXPECT_EQ(view.Parts().state.frenchTextPath, h.data / "zoe" / "defautabc");
  EXPECT_EQ(view.ActiveModule(), ModuleId::kFrancais);
  // Answered "Non", nothing goes.
  eleves.OnSelect(0);
  h.fake.dialogs.answers.push_back(ports::MessageAnswer::kNo);
  eleves.OnRemove();
  EXPECT_EQ(view.Parts().classSession.Book().Count(), 1u);
}

TEST(ClassView, TwoProgramsSharingTheClassFolderNeverWorkInOneChildsFolderAtOnce) {
  ViewHarness first;
  MakeClass(first.data.Path(), 2);
  ViewHarness second;
  second.owner = {"poste-2", "2"};
  ASSERT_TRUE(notebook::WriteClassFolder(second.data.Path(), first.data.Path()));
  Start(first);
  Start(second);
  ASSERT_EQ(second.View().ActiveModule(), ModuleId::kQuiTravaille);

  first.Click(ButtonOf(first, 0, 2));
  Write(first, "premier");
  second.Click(ButtonOf(second, 0, 2));
  EXPECT_EQ(second.View().ActiveModule(), ModuleId::kQuiTravaille);
  ASSERT_FALSE(second.fake.dialogs.messages.empty());
  EXPECT_EQ(second.fake.dialogs.messages.back().text,
            "Le cahier de L\xE9"
            "a est d\xE9j\xE0 ouvert sur l'ordinateur poste-1.");
  // The other child is free.
  second.Click(ButtonOf(second, 1, 2));
  EXPECT_EQ(second.View().ActiveModule(), ModuleId::kFrancais);
  second.ClickIcon(base::icons::IconWhoWorks);

  // The first program goes on refreshing: Léa stays its own.
  for (int minute = 0; minute < 10; ++minute) {
    first.fake.clock.calendar += 60;
    second.fake.clock.calendar += 60;
    first.View().OnTimer(base::kTimerProfileLock);
  }
  second.Click(ButtonOf(second, 0, 2));
  EXPECT_EQ(second.View().ActiveModule(), ModuleId::kQuiTravaille);

  // The first computer stops answering: a few minutes later Léa works on the second.
  first.View().SaveModuleText();
  first.fake.clock.calendar += notebook::ProfileLock::kStaleSeconds + 60;
  second.fake.clock.calendar += notebook::ProfileLock::kStaleSeconds + 60;
  second.Click(ButtonOf(second, 0, 2));
  ASSERT_EQ(second.View().ActiveModule(), ModuleId::kFrancais);
  EXPECT_EQ(GridLine(second.View(), 0), "premier");
  Write(second, "second");
  second.View().SaveModuleText();

  // The first wakes up: it leaves Léa's folder to the second and writes nothing over it.
  Write(first, "perdu");
  first.View().OnTimer(base::kTimerProfileLock);
  EXPECT_EQ(first.View().ActiveModule(), ModuleId::kQuiTravaille);
  EXPECT_NE(ReadBytes(first.data / "lea" / "defautabc").find("second"), std::string::npos);
  EXPECT_EQ(ReadBytes(first.data / "lea" / "defautabc").find("perdu"), std::string::npos);
}

TEST(ClassView, AnOnlyChildAtWorkElsewhereGetsTheButtonsAndIsTold) {
  ViewHarness first;
  MakeClass(first.data.Path(), 1);
  Start(first);
  EXPECT_EQ(first.View().ActiveModule(), ModuleId::kFrancais);
  ViewHarness second;
  second.owner = {"poste-2", "2"};
  ASSERT_TRUE(notebook::WriteClassFolder(second.data.Path(), first.data.Path()));
  Start(second);
  EXPECT_EQ(second.View().ActiveModule(), ModuleId::kQuiTravaille);
  ASSERT_FALSE(second.fake.dialogs.messages.empty());
  EXPECT_NE(second.fake.dialogs.messages.back().text.find("poste-1"), std::string::npos);
}

}  // namespace
