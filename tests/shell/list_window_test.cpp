#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/scribix_view.h"
#include "grid/grid_text.h"
#include "shell/open_list_window.h"
#include "shell/qt_dialog_host.h"
#include "shell/qt_text.h"
#include "shell/scribix_app.h"
#include "shell/view_widget.h"
#include "shell_application.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "text/cp1252.h"

namespace {

using ports::DialogId;

QPoint Middle(const gfx::Rect& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  for (int waited = 0; waited < ms && !done(); waited += 10) QTest::qWait(10);
  return done();
}

// The program on a recording voice, after its first run, in the list module.
class ListWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::ShellApplication();
    auto voice = std::make_unique<testing_support::FakeVoice>();
    voice_ = voice.get();
    // A French voice installed: no warning about voices at start.
    auto catalog = std::make_unique<testing_support::FakeVoiceCatalog>();
    catalog->sources = {{{"Virginie", "fr-virginie"}}};
    auto dialogs = std::make_unique<testing_support::FakeUserDialogs>();
    dialogs_ = dialogs.get();
    scribix_ = std::make_unique<shell::CScribixApp>(std::move(voice), std::move(catalog),
                                                    std::move(dialogs),
                                                    std::make_unique<testing_support::FakeClock>());
    ASSERT_TRUE(scribix_->InitInstance({SCRIBIX_PROGRAM_FOLDER, data.Path()}));
    ASSERT_TRUE(
        WaitFor([&] { return !scribix_->Timers()->IsRunning(base::kTimerFirstRun); }, 3000));
    window_ = scribix_->ListWindow();
    ASSERT_NE(window_, nullptr);
    ClickIcon(app::IconModuleList);
    ASSERT_EQ(View().ActiveModule(), app::ModuleId::kListe);
  }

  app::CScribixView& View() { return *scribix_->View(); }
  QWidget* Widget() { return scribix_->ViewWidget(); }
  void ClickIcon(base::icons::IconId icon) {
    QTest::mouseClick(Widget(), Qt::LeftButton, Qt::NoModifier, Middle(View().Parts().icons[icon]));
  }
  bool Said(const std::string& text) {
    for (const auto& spoken : voice_->Spoken()) {
      if (text::FromUtf16(spoken) == text) return true;
    }
    return false;
  }
  // The child drags the key of a letter onto a cell of the grid.
  void Drop(char letter, int column, int line) {
    const auto key = grid::FindKeyFor(letter, false);
    ASSERT_TRUE(key.has_value());
    const base::CellRecord& k = View().Parts().cells[key->key];
    const QPoint from{k.posX + k.width / 2, k.posY + k.height / 2};
    const gfx::Rect cell = base::CellRect(View().Parts().state, column, line);
    const QPoint to{cell.left + k.width / 2, cell.top + k.height / 2};
    QTest::mousePress(Widget(), Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= 5; ++i) {
      const QPoint at = from + (to - from) * i / 5;
      QMouseEvent move(QEvent::MouseMove, QPointF(at), Widget()->mapToGlobal(QPointF(at)),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(Widget(), &move);
    }
    QTest::mouseRelease(Widget(), Qt::LeftButton, Qt::NoModifier, to);
  }

  testing_support::TempFolder data;
  testing_support::FakeVoice* voice_ = nullptr;
  testing_support::FakeUserDialogs* dialogs_ = nullptr;
  std::unique_ptr<shell::CScribixApp> scribix_;
  shell::COpenList2Window* window_ = nullptr;
};

TEST_F(ListWindow, ShowsEveryControlOnItsBlueAndTheIconBringsItUp) {
  EXPECT_FALSE(window_->isVisible());
  ClickIcon(app::IconWordLists);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Listes de mots"));
  EXPECT_EQ(window_->palette().color(QPalette::Window), QColor(166, 205, 224));
  EXPECT_EQ(window_->Close()->text(), QStringLiteral("Fermer"));
  EXPECT_EQ(window_->Open()->text(), QStringLiteral("Ouvrir une liste "));
  EXPECT_EQ(window_->Save()->text(), QStringLiteral("Enregistrer la liste"));
  EXPECT_EQ(window_->RandomDraw()->text(), QStringLiteral("Tirage aléatoire dans la liste"));
  EXPECT_EQ(window_->HideHelp()->text(), QStringLiteral("Cacher le bouton aide"));
  EXPECT_EQ(window_->HideSolution()->text(), QStringLiteral("Cacher le bouton Solution"));
  QStringList items;
  for (int i = 0; i < window_->AutoAdvance()->count(); ++i) {
    items << window_->AutoAdvance()->itemText(i);
  }
  EXPECT_EQ(items, (QStringList{"jamais", "après 3s", "après 5s", "après 7s", "après 10s",
                                "après 15s", "après 20s", "après 30s"}));
  EXPECT_EQ(window_->AutoAdvance()->currentIndex(), 0);

  // Ticking a box acts on the dictation's buttons at once; typing replaces the list.
  QTest::mouseClick(window_->HideHelp(), Qt::LeftButton, Qt::NoModifier,
                    window_->HideHelp()->rect().center());
  EXPECT_TRUE(View().Parts().listDialog.hideHelp);
  window_->Entries()->setFocus();
  QTest::keyClicks(window_->Entries(), QStringLiteral("rat"));
  QTest::keyClick(window_->Entries(), Qt::Key_Return);
  QTest::keyClicks(window_->Entries(), QStringLiteral("lit"));
  EXPECT_EQ(View().Parts().words.listFileOrder, (std::vector<std::string>{"rat", "lit"}));
  EXPECT_EQ(View().Parts().listDialog.listText, "rat\r\nlit");

  QTest::mouseClick(window_->Close(), Qt::LeftButton);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(View().Parts().listDialog.hideHelp);  // closing keeps what was chosen
}

TEST_F(ListWindow, AListOpenedThroughTheWindowIsDictatedSolvedAndMovesOn) {
  ClickIcon(app::IconWordLists);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  // The file dialog answers with a sample list.
  dialogs_->openAnswer =
      std::filesystem::path(SCRIBIX_PROGRAM_FOLDER) / "Liste-de-mots" / "animaux.txt";
  QTest::mouseClick(window_->Open(), Qt::LeftButton);
  ASSERT_EQ(dialogs_->openRequests.size(), 1u);
  EXPECT_TRUE(window_->isVisible());  // shown again after the choice
  EXPECT_TRUE(window_->Entries()->toPlainText().startsWith(QStringLiteral("chat\nchien\n")));
  window_->AutoAdvance()->setCurrentIndex(1);  // "après 3s"
  EXPECT_EQ(View().Parts().settings.autoAdvanceSeconds, 3);

  ClickIcon(app::IconNextWord);
  ASSERT_TRUE(WaitFor([&] { return Said("Ecris le mot : chat!"); }, 3000));
  int first = -1;
  for (int c = 0; c < View().Parts().state.gridColumns && first < 0; ++c) {
    if (View().Parts().grid.enabled[1][static_cast<std::size_t>(c)] != 0) first = c;
  }
  ASSERT_GE(first, 0);
  QTest::qWait(50);  // painted: the answer cells are on the screen
  const std::string word = "chat";
  for (std::size_t i = 0; i < word.size(); ++i) Drop(word[i], first + static_cast<int>(i), 1);
  EXPECT_TRUE(WaitFor(
      [&] {
        return Said(
            "Bravo!!! tu as \xE9"
            "cris le mot ::: chat!");
      },
      3000));
  // After the chosen delay the next word comes by itself.
  EXPECT_TRUE(WaitFor([&] { return Said("Ecris le mot : chien!"); }, 6000));
  EXPECT_EQ(View().Parts().words.currentEntry, 1);
}

}  // namespace
