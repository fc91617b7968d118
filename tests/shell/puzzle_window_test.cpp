// The puzzle's settings window in the real program: shown by the puzzle's "Configuration" icon,
// typed into, hidden by "Fermer", and the puzzle it sets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/scribix_view.h"
#include "shell/config_puzzle_window.h"
#include "shell/qt_dialog_host.h"
#include "shell/scribix_app.h"
#include "shell/view_widget.h"
#include "shell_application.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace {

using ports::DialogId;

class PuzzleWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::ShellApplication();
    scribix_ = std::make_unique<shell::CScribixApp>(
        std::make_unique<testing_support::FakeVoice>(),
        std::make_unique<testing_support::FakeVoiceCatalog>(), nullptr,
        std::make_unique<testing_support::FakeClock>());
    ASSERT_TRUE(scribix_->InitInstance({SCRIBIX_PROGRAM_FOLDER, data.Path()}));
    window_ = scribix_->PuzzleWindow();
    ASSERT_NE(window_, nullptr);
  }
  app::CScribixView& View() { return *scribix_->View(); }
  void Click(base::icons::IconId icon) {
    const gfx::Rect r = View().Parts().icons[icon];
    const QPoint middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    QTest::mouseClick(scribix_->ViewWidget(), Qt::LeftButton, Qt::NoModifier, middle);
  }

  testing_support::TempFolder data;
  std::unique_ptr<shell::CScribixApp> scribix_;
  shell::CConfigPuzzleWindow* window_ = nullptr;
};

TEST_F(PuzzleWindow, TheTeacherSetsThePuzzleFromIt) {
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Configuration du puzzle"));
  EXPECT_EQ(window_->Pieces()->text(), QStringLiteral("25"));
  EXPECT_EQ(window_->PuzzleZoom()->currentText(), QStringLiteral("1.0"));
  EXPECT_EQ(window_->ModelZoom()->currentText(), QStringLiteral("0.4"));
  EXPECT_EQ(window_->PuzzleZoom()->count(), 16);
  EXPECT_EQ(window_->NoAutoPlace()->text(),
            QStringLiteral("Placement automatique des pièces sur double clic désactivé  "));

  Click(base::icons::IconModulePuzzle);
  ASSERT_EQ(View().ActiveModule(), app::ModuleId::kPuzzle);
  EXPECT_EQ(View().Parts().state.keyCount, 24);
  Click(base::icons::IconSettings);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));

  // Typed as a teacher types: "12" cuts into 2, then 12; a letter puts the number back.
  window_->Pieces()->selectAll();
  QTest::keyClicks(window_->Pieces(), QStringLiteral("12"));
  EXPECT_EQ(View().Parts().state.keyCount, 12);
  QTest::keyClicks(window_->Pieces(), QStringLiteral("a"));
  EXPECT_EQ(window_->Pieces()->text(), QStringLiteral("12"));

  window_->PuzzleZoom()->setCurrentIndex(15);
  EXPECT_EQ(View().Parts().puzzle.puzzleZoom, 2.0f);
  EXPECT_EQ(View().Parts().puzzle.PuzzleBitmap().Height(), 800);
  window_->HideSolution()->click();
  EXPECT_TRUE(View().Parts().puzzleDialog.hideSolution);
  EXPECT_TRUE(std::filesystem::exists(data / "defautpuz"));

  window_->Close()->click();
  EXPECT_FALSE(window_->isVisible());
  // Leaving the puzzle puts its settings away.
  Click(base::icons::IconSettings);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  Click(base::icons::IconModuleFrench);
  EXPECT_FALSE(window_->isVisible());
}

}  // namespace
