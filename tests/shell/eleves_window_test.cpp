#include "shell/eleves_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/scribix_view.h"
#include "shell/config_abc_window.h"
#include "shell/qt_dialog_host.h"
#include "shell/qt_text.h"
#include "shell/scribix_app.h"
#include "shell_application.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using ports::DialogId;

// The teacher reaches the children of the class from the settings window and changes them there.
TEST(ElevesWindow, TheTeacherAddsChildrenWithTheirPicturesAndChoosesTheClassFolder) {
  testing_support::ShellApplication();
  testing_support::TempFolder data;
  testing_support::TempFolder school;
  auto scribix =
      std::make_unique<shell::CScribixApp>(std::make_unique<testing_support::FakeVoice>(), nullptr,
                                           nullptr, std::make_unique<testing_support::FakeClock>());
  ASSERT_TRUE(scribix->InitInstance({SCRIBIX_PROGRAM_FOLDER, data.Path()}));
  scribix->Dialogs().Show(DialogId::kSettings);
  shell::CElevesWindow* window = scribix->ElevesWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->isVisible());
  QTest::mouseClick(scribix->SettingsWindow()->Eleves(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_EQ(window->windowTitle(), shell::ToQt("\xC9l\xE8ves"));
  EXPECT_EQ(window->ClassFolder()->text(), shell::PathToQt(data.Path()));

  window->Name()->setText(
      shell::ToQt("L\xE9"
                  "a"));
  QTest::mouseClick(window->Add(), Qt::LeftButton);
  // The name typed first, the picture chosen next.
  window->Name()->setText(shell::ToQt("Zo\xE9"));
  window->Look()->setCurrentIndex(5);
  EXPECT_EQ(window->Name()->text(), shell::ToQt("Zo\xE9"));
  QTest::mouseClick(window->Add(), Qt::LeftButton);
  ASSERT_EQ(window->Children()->count(), 2);
  EXPECT_EQ(window->Children()->item(1)->text(), shell::ToQt("Zo\xE9"));
  const auto& children = scribix->View()->Parts().classSession.Book().Children();
  EXPECT_EQ(children[0].look, 0);
  EXPECT_EQ(children[1].look, 5);
  EXPECT_TRUE(fs::is_directory(data / "zoe"));
  // Léa, the first, works on: the second child brings the icon back to the names.
  EXPECT_EQ(scribix->View()->Parts().state.frenchTextPath, data / "lea" / "defautabc");

  // An empty class folder on the school's server: no child there yet.
  window->chooseFolder = [&] { return shell::PathToQt(school.Path()); };
  QTest::mouseClick(window->ChooseClassFolder(), Qt::LeftButton);
  EXPECT_EQ(window->ClassFolder()->text(), shell::PathToQt(school.Path()));
  EXPECT_EQ(window->Children()->count(), 0);
  EXPECT_EQ(scribix->View()->Parts().state.frenchTextPath, data / "defautabc");
}

}  // namespace
