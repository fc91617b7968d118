#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <memory>

#include "app/scribix_view.h"
#include "shell/config_abc_window.h"
#include "shell/qt_dialog_host.h"
#include "shell/scribix_app.h"
#include "shell/view_widget.h"
#include "shell_application.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "support/view_harness.h"

namespace {

using ports::DialogId;
using testing_support::ReadBytes;

QPoint Middle(const gfx::Rect& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

QStringList ItemsOf(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

QPoint HandleCentre(QSlider* slider) {
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = slider->sliderPosition();
  option.sliderValue = slider->value();
  option.tickPosition = slider->tickPosition();
  option.tickInterval = slider->tickInterval();
  return slider->style()
      ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
      .center();
}

void SendMove(QWidget* widget, QPoint to) {
  QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

// The program on a recording voice with two French voices installed, after its first run.
class SettingsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::ShellApplication();
    auto voice = std::make_unique<testing_support::FakeVoice>();
    voice_ = voice.get();
    auto catalog = std::make_unique<testing_support::FakeVoiceCatalog>();
    catalog->sources = {{{"Virginie", "fr-virginie"},
                         {"H\xE9l\xE8"
                          "ne",
                          "fr-helene"}}};
    scribix_ = std::make_unique<shell::CScribixApp>(std::move(voice), std::move(catalog), nullptr,
                                                    std::make_unique<testing_support::FakeClock>());
    ASSERT_TRUE(scribix_->InitInstance({SCRIBIX_PROGRAM_FOLDER, data.Path()}));
    for (int i = 0; i < 300 && scribix_->Timers()->IsRunning(base::kTimerFirstRun); ++i) {
      QTest::qWait(10);
    }
    ASSERT_FALSE(scribix_->Timers()->IsRunning(base::kTimerFirstRun));
    window_ = scribix_->SettingsWindow();
    ASSERT_NE(window_, nullptr);
  }

  app::CScribixView& View() { return *scribix_->View(); }
  app::CConfigABC& Model() { return View().Parts().settingsDialog; }
  std::filesystem::path SettingsPath() { return data / "defaut"; }
  // The settings file as the program would write it now.
  bool SettingsFileIsCurrent() {
    return ReadBytes(SettingsPath()) == View().Parts().settings.Bytes();
  }
  int RateAtVoice(int rate) { return View().Parts().voices.voiceRateBoost == 1 ? rate + 2 : rate; }
  void ShowWindow() {
    scribix_->Dialogs().Show(DialogId::kSettings);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  }

  testing_support::TempFolder data;
  testing_support::FakeVoice* voice_ = nullptr;
  std::unique_ptr<shell::CScribixApp> scribix_;
  shell::CConfigABCWindow* window_ = nullptr;
};

TEST_F(SettingsWindow, StartsHiddenWithTheListsAndTheDefaults) {
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(scribix_->Dialogs().IsVisible(DialogId::kSettings));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Configuration"));

  EXPECT_EQ(ItemsOf(window_->Colours()),
            (QStringList{"bleu", "voyelles-rouge/consonnes-bleu", "noir"}));
  EXPECT_EQ(window_->Lines()->count(), 8);
  const QStringList cells = ItemsOf(window_->Cells());
  ASSERT_EQ(cells.size(), 20);
  EXPECT_EQ(cells[10], QStringLiteral("22"));
  EXPECT_EQ(cells.back(), QStringLiteral("40"));
  // The voices found at the first run, accents and all.
  EXPECT_EQ(ItemsOf(window_->Voice()), (QStringList{"Virginie", QStringLiteral("Hélène")}));

  EXPECT_EQ(window_->Colours()->currentIndex(), 0);
  EXPECT_EQ(window_->Zoom()->currentIndex(), 0);
  EXPECT_EQ(window_->Lines()->currentIndex(), 5);
  EXPECT_EQ(window_->Cells()->currentIndex(), 10);
  EXPECT_EQ(window_->Voice()->currentIndex(), 0);
  EXPECT_EQ(window_->Rate()->value(), 8);
  EXPECT_EQ(window_->Volume()->value(), 60);
  EXPECT_FALSE(window_->AutoPlace()->isChecked());
  EXPECT_FALSE(window_->NoSounds()->isChecked());
  EXPECT_FALSE(window_->NoEffects()->isChecked());
}

TEST_F(SettingsWindow, RefreshShowsTheModelWithoutCallingItsHandlers) {
  std::filesystem::remove(SettingsPath());
  const std::size_t ratesBefore = voice_->rates.size();
  const std::size_t selectedBefore = voice_->selected.size();
  app::CConfigABC& model = Model();
  model.colourSelection = 2;
  model.zoomSelection = 3;
  model.linesSelection = 7;
  model.cellsSelection = 19;
  model.voiceSelection = 1;
  model.rateSlider = 15;
  model.volumeSlider = 30;
  model.autoPlace = model.noSounds = model.noEffects = true;
  scribix_->Dialogs().Refresh(DialogId::kSettings);

  EXPECT_EQ(window_->Colours()->currentIndex(), 2);
  EXPECT_EQ(window_->Zoom()->currentIndex(), 3);
  EXPECT_EQ(window_->Lines()->currentIndex(), 7);
  EXPECT_EQ(window_->Cells()->currentIndex(), 19);
  EXPECT_EQ(window_->Voice()->currentIndex(), 1);
  EXPECT_EQ(window_->Rate()->value(), 15);
  EXPECT_EQ(window_->Volume()->value(), 30);
  EXPECT_TRUE(window_->AutoPlace()->isChecked());
  EXPECT_TRUE(window_->NoSounds()->isChecked());
  EXPECT_TRUE(window_->NoEffects()->isChecked());

  // No handler ran: nothing saved, nothing applied, the voice untouched.
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
  EXPECT_EQ(View().Parts().settings.autoPlace, 0);
  EXPECT_EQ(voice_->rates.size(), ratesBefore);
  EXPECT_EQ(voice_->selected.size(), selectedBefore);

  // A selection that the lists do not have shows none.
  model.linesSelection = 12;
  model.colourSelection = -1;
  scribix_->Dialogs().Refresh(DialogId::kSettings);
  EXPECT_EQ(window_->Lines()->currentIndex(), -1);
  EXPECT_EQ(window_->Colours()->currentIndex(), -1);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

TEST_F(SettingsWindow, ChoosingInAListOrTickingABoxActsAtOnceAndSaves) {
  ShowWindow();

  std::filesystem::remove(SettingsPath());
  window_->Lines()->setFocus();
  QTest::keyClick(window_->Lines(), Qt::Key_Down);  // "7"
  EXPECT_EQ(Model().linesSelection, 6);
  EXPECT_EQ(View().Parts().state.gridLines, 7);
  EXPECT_TRUE(SettingsFileIsCurrent());

  std::filesystem::remove(SettingsPath());
  window_->Zoom()->setCurrentIndex(4);  // as a choice in the open list does
  EXPECT_EQ(Model().zoomSelection, 4);
  // 2.0 with seven lines has no room on the tests' 1920 x 1080 screen: the largest that fits.
  EXPECT_EQ(View().Parts().state.keyboardZoomIndex, 2);
  EXPECT_EQ(View().Parts().state.cellWidth, 60);
  EXPECT_TRUE(SettingsFileIsCurrent());

  std::filesystem::remove(SettingsPath());
  window_->Voice()->setCurrentIndex(1);
  EXPECT_EQ(Model().voiceSelection, 1);
  ASSERT_FALSE(voice_->selected.empty());
  EXPECT_EQ(voice_->selected.back(), "fr-helene");
  EXPECT_TRUE(SettingsFileIsCurrent());

  for (QCheckBox* box : {window_->NoSounds(), window_->NoEffects(), window_->AutoPlace(),
                         window_->SyllableColours(), window_->SplitGlides()}) {
    std::filesystem::remove(SettingsPath());
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
    EXPECT_TRUE(box->isChecked()) << box->text().toStdString();
    EXPECT_TRUE(SettingsFileIsCurrent()) << box->text().toStdString();
  }
  EXPECT_TRUE(Model().noSounds);
  EXPECT_TRUE(Model().noEffects);
  EXPECT_TRUE(Model().autoPlace);
  EXPECT_EQ(View().Parts().settings.autoPlace, 1);
  std::filesystem::remove(SettingsPath());
  window_->SyllablePair()->setCurrentIndex(1);
  EXPECT_EQ(Model().syllableLook,
            (exercises::SyllableLook{.on = true, .pair = 1, .splitGlides = true}));
  EXPECT_TRUE(SettingsFileIsCurrent());

  // A turn of the wheel over a list the teacher is not using changes nothing.
  window_->Ok()->setFocus();
  const QPoint over = window_->Lines()->rect().center();
  QWheelEvent wheel(QPointF(over), QPointF(window_->Lines()->mapToGlobal(over)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(window_->Lines(), &wheel);
  EXPECT_EQ(Model().linesSelection, 6);
}

TEST_F(SettingsWindow, TheIconOpensItTheRateFollowsTheSliderWhileItMovesAndOkHidesIt) {
  shell::ScribixViewWidget* widget = scribix_->ViewWidget();
  const QPoint icon = Middle(View().Parts().icons[app::IconSettings]);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, icon);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  EXPECT_TRUE(scribix_->Dialogs().IsVisible(DialogId::kSettings));

  // A drag to the right end, the button still down.
  std::filesystem::remove(SettingsPath());
  QSlider* rate = window_->Rate();
  const QPoint grab = HandleCentre(rate);
  const QPoint end(rate->width() + 20, grab.y());
  QTest::mousePress(rate, Qt::LeftButton, Qt::NoModifier, grab);
  for (int i = 1; i <= 10; ++i) SendMove(rate, grab + (end - grab) * i / 10);
  EXPECT_TRUE(rate->isSliderDown());
  EXPECT_EQ(Model().speechRate, 10);
  ASSERT_GT(voice_->rates.size(), 2u);  // every step on the way, not only the last
  EXPECT_EQ(voice_->rates.back(), RateAtVoice(10));
  EXPECT_TRUE(SettingsFileIsCurrent());
  const std::string saved = ReadBytes(SettingsPath());
  EXPECT_EQ(saved.substr(saved.size() - 4), std::string("\x14\0\0\0", 4));  // the rate, last
  QTest::mouseRelease(rate, Qt::LeftButton, Qt::NoModifier, end);

  // The other end from the keyboard.
  rate->setFocus();
  QTest::keyClick(rate, Qt::Key_Home);
  EXPECT_EQ(Model().speechRate, -10);
  EXPECT_EQ(voice_->rates.back(), RateAtVoice(-10));

  // Every start begins at the same volume: moving it saves nothing.
  std::filesystem::remove(SettingsPath());
  window_->Volume()->setFocus();
  QTest::keyClick(window_->Volume(), Qt::Key_PageUp);
  ASSERT_FALSE(voice_->volumes.empty());
  EXPECT_EQ(voice_->volumes.back(), 70);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));

  QTest::mouseClick(window_->Ok(), Qt::LeftButton);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(scribix_->Dialogs().IsVisible(DialogId::kSettings));
  // Hidden, it keeps its state and shows it again from the icon.
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, icon);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(window_->Volume()->value(), 70);
}

TEST(SettingsWindowInstaller, TheVoiceButtonHidesTheWindowAndOpensTheShippedPage) {
  testing_support::ShellApplication();
  testing_support::ViewHarness harness;
  app::CScribixView& view = harness.Create();
  shell::QtDialogHost host;
  testing_support::FakeDesktop desktop;
  const std::filesystem::path program = SCRIBIX_PROGRAM_FOLDER;
  shell::CConfigABCWindow window(view.Parts().settingsDialog, host, desktop, program, nullptr);
  host.Show(DialogId::kSettings);
  ASSERT_TRUE(window.isVisible());

  QTest::mouseClick(window.InstallVoices(), Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0], program / shell::CConfigABCWindow::kVoiceInstallerPage);
  // The build puts the page in the program folder, in French.
  const std::string page = ReadBytes(desktop.opened[0]);
  EXPECT_NE(page.find("sudo apt install mbrola mbrola-fr1 mbrola-fr4"), std::string::npos);
  EXPECT_NE(page.find("lang=\"fr\""), std::string::npos);

  // Where the system has an installer of its own (Windows), the button runs that.
  window.UseVoiceInstaller("installvoix.exe");
  host.Show(DialogId::kSettings);
  QTest::mouseClick(window.InstallVoices(), Qt::LeftButton);
  ASSERT_EQ(desktop.opened.size(), 2u);
  EXPECT_EQ(desktop.opened[1], program / "installvoix.exe");
}

}  // namespace
