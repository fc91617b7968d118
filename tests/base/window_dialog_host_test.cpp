#include "ports/window_dialog_host.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using ports::DialogId;

// A shell whose windows are numbers (0: none): each is alive until it is gone.
class NumberedWindows : public ports::WindowDialogHost<int> {
 public:
  std::set<int> gone;
  std::set<int> shown;
  std::vector<int> raised;

 private:
  bool IsAlive(const int& window) const override { return window != 0 && !gone.contains(window); }
  bool IsShown(const int& window) const override { return shown.contains(window); }
  void MakeShown(const int& window) override { shown.insert(window); }
  void MakeHidden(const int& window) override { shown.erase(window); }
  void BringToFront(const int& window) override { raised.push_back(window); }
};

// Every dialog, the last one too, keeps its own window, and only a live one is shown or refreshed.
TEST(WindowDialogHost, EveryDialogKeepsItsWindowAndOnlyALiveOneIsShown) {
  NumberedWindows host;
  std::vector<int> refreshed;
  for (std::size_t i = 0; i < ports::kDialogCount; ++i) {
    const int window = static_cast<int>(i) + 1;
    host.Register(static_cast<DialogId>(i), window,
                  [&refreshed, window] { refreshed.push_back(window); });
  }
  // Each shows what its model held before the window existed.
  EXPECT_EQ(refreshed.size(), ports::kDialogCount);
  for (std::size_t i = 0; i < ports::kDialogCount; ++i) {
    EXPECT_EQ(host.Live(static_cast<DialogId>(i)), static_cast<int>(i) + 1);
  }

  host.Raise(DialogId::kEleves);  // hidden: not raised
  host.Show(DialogId::kEleves);
  host.Raise(DialogId::kEleves);
  EXPECT_TRUE(host.IsVisible(DialogId::kEleves));
  EXPECT_FALSE(host.IsVisible(DialogId::kWordLists));
  EXPECT_EQ(host.raised, (std::vector<int>{static_cast<int>(ports::kDialogCount)}));
  host.Hide(DialogId::kEleves);
  EXPECT_FALSE(host.IsVisible(DialogId::kEleves));

  // A window gone behind the host's back: nothing shown, nothing refreshed.
  const int settings = host.Live(DialogId::kSettings);
  host.gone.insert(settings);
  refreshed.clear();
  host.Show(DialogId::kSettings);
  host.Refresh(DialogId::kSettings);
  EXPECT_EQ(host.Live(DialogId::kSettings), 0);
  EXPECT_TRUE(host.shown.empty());
  EXPECT_TRUE(refreshed.empty());

  // Only the dialog's own window unregisters it.
  host.Unregister(DialogId::kEditor, settings);
  EXPECT_NE(host.Live(DialogId::kEditor), 0);
  host.Unregister(DialogId::kEditor, host.Live(DialogId::kEditor));
  host.Refresh(DialogId::kEditor);
  EXPECT_EQ(host.Live(DialogId::kEditor), 0);
  EXPECT_TRUE(refreshed.empty());
}

}  // namespace
