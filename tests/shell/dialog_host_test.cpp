#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

#include "shell/qt_dialog_host.h"
#include "shell_application.h"

namespace {

using ports::DialogId;

TEST(QtDialogHostTest, ShowsOnlyTheDialogsThatHaveAWindow) {
  testing_support::ShellApplication();
  shell::QtDialogHost host;
  // No window yet: nothing happens, nothing is visible.
  host.Show(DialogId::kEditor);
  host.Raise(DialogId::kEditor);
  host.Refresh(DialogId::kEditor);
  EXPECT_FALSE(host.IsVisible(DialogId::kEditor));

  int refreshes = 0;
  auto window = std::make_unique<QWidget>();
  host.Register(DialogId::kPuzzleSettings, window.get(), [&] { ++refreshes; });
  EXPECT_EQ(refreshes, 1);  // what the model held before the window existed
  host.Refresh(DialogId::kPuzzleSettings);
  EXPECT_EQ(refreshes, 2);
  host.Show(DialogId::kPuzzleSettings);
  EXPECT_TRUE(host.IsVisible(DialogId::kPuzzleSettings));
  EXPECT_FALSE(host.IsVisible(DialogId::kEditor));
  host.Hide(DialogId::kPuzzleSettings);
  EXPECT_FALSE(host.IsVisible(DialogId::kPuzzleSettings));

  // A window that is gone drops out.
  window.reset();
  host.Show(DialogId::kPuzzleSettings);
  host.Refresh(DialogId::kPuzzleSettings);
  EXPECT_FALSE(host.IsVisible(DialogId::kPuzzleSettings));
  EXPECT_EQ(refreshes, 2);
}

}  // namespace
