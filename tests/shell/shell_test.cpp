#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <mutex>

#include "app/scribix_view.h"
#include "ports/null_voice.h"
#include "ports/null_voice_catalog.h"
#include "shell/main_frame.h"
#include "shell/qt_pictures.h"
#include "shell/qt_user_dialogs.h"
#include "shell/scribix_app.h"
#include "shell/tip_window.h"
#include "shell/view_widget.h"
#include "shell/voice_warning_window.h"
#include "shell_application.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "text/cp1252.h"

namespace {

class Shell : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::ShellApplication();
    // The null voice of these tests finds no French voice: the warning is asked not to show.
    testing_support::WriteBytes(data / "noavertv", "");
  }
  // The program folder of the build holds the generated pictures.
  shell::Folders TestFolders() { return {SCRIBIX_PROGRAM_FOLDER, data.Path()}; }
  testing_support::TempFolder data;
};

TEST_F(Shell, TheFrameStartsWithItsTitleSizeAndTimers) {
  shell::CScribixApp scribix(std::make_unique<testing_support::FakeClock>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  auto* frame = scribix.Frame();
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Scribix"));
  EXPECT_EQ(frame->size(), QSize(1200, 850));
  EXPECT_TRUE(frame->findChildren<QMenuBar*>().empty() || !frame->menuBar()->isVisible());
  frame->setWindowTitle(QStringLiteral("Sans titre - Scribix"));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Scribix"));

  // Nothing moves yet: only the first run waits.
  EXPECT_FALSE(scribix.Timers()->IsRunning(base::kTimerAnimation));
  EXPECT_FALSE(scribix.Timers()->IsRunning(base::kTimerTooltip));
  EXPECT_TRUE(scribix.Timers()->IsRunning(base::kTimerFirstRun));
}

TEST_F(Shell, TheFirstPaintShowsTheBackgroundAndTheFirstRunFitsTheWindow) {
  shell::CScribixApp scribix(std::make_unique<testing_support::FakeClock>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  const QImage shot = scribix.ViewWidget()->grab().toImage();
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(QColor(shot.pixel(2, 2)), QColor(77, 228, 223));
  EXPECT_EQ(QColor(shot.pixel(600, 60)), QColor(77, 228, 223));

  // The first-run timer fires after 600 ms and fits the window to the grid and keyboard.
  QTest::qWait(900);
  EXPECT_FALSE(scribix.Timers()->IsRunning(base::kTimerFirstRun));
  EXPECT_EQ(scribix.Frame()->size(), QSize(1200, 840));
  EXPECT_EQ(scribix.ViewWidget()->size(), QSize(1200, 840));
}

TEST_F(Shell, TheTooltipSitsBelowThePointWithRoomAroundItsText) {
  shell::CScribixApp scribix(std::make_unique<testing_support::FakeClock>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  auto* widget = scribix.ViewWidget();
  widget->ShowTip({300, 200},
                  "Module Fran\xE7"
                  "ais");
  shell::CTipWnd* tip = widget->TipWindow();
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(tip->isVisible());
  EXPECT_EQ(tip->TipText(), QStringLiteral(" Module Français "));
  EXPECT_EQ(tip->geometry().topLeft(), QPoint(300, 218));
  EXPECT_GT(tip->width(), 30);
  EXPECT_GT(tip->height(), 20);
  const QImage shot = tip->grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(4, tip->height() / 2)), QColor(255, 204, 255));
  widget->ShowTip({300, 200}, "");
  EXPECT_FALSE(tip->isVisible());
}

TEST_F(Shell, StandardButtonsSpeakFrench) {
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Oui"));
  EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Non"));
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Annuler"));
}

TEST_F(Shell, FileFiltersAndPicturesReachQt) {
  EXPECT_EQ(
      shell::QtUserDialogs::QtFilter("Fichiers TXT  (*.txt)|*.txt|Tous les fichiers (*.*)|*.*||"),
      QStringLiteral("Fichiers TXT (*.txt);;Tous les fichiers (*.*)"));
  EXPECT_EQ(shell::QtUserDialogs::QtFilter("Puzzle|*.pz||"), QStringLiteral("Puzzle (*.pz)"));
  // A name typed without extension is saved with the filter's, so that it shows when opening.
  const std::string texts = "Fichiers Texte ( *.txt ) |*.txt";
  EXPECT_EQ(shell::QtUserDialogs::WithDefaultSuffix(QStringLiteral("/a/exo-chat"), texts),
            QStringLiteral("/a/exo-chat.txt"));
  EXPECT_EQ(shell::QtUserDialogs::WithDefaultSuffix(QStringLiteral("/a/exo.v2.txt"), texts),
            QStringLiteral("/a/exo.v2.txt"));
  EXPECT_EQ(shell::QtUserDialogs::WithDefaultSuffix(QStringLiteral("/a/liste"), "Tous|*.*||"),
            QStringLiteral("/a/liste"));

  QImage image(4, 2, QImage::Format_ARGB32);
  image.fill(QColor(10, 20, 30));
  image.setPixelColor(0, 0, QColor(0, 0, 0, 0));  // transparent: white once rendered
  const auto path = data.Path() / "picture.png";
  ASSERT_TRUE(image.save(QString::fromStdString(path.string())));
  shell::QtPictures pictures;
  const auto picture = pictures.Load(path);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->PixelSize(), (gfx::Size{4, 2}));
  const gfx::Image rendered = pictures.Render(*picture, 4, 2);
  EXPECT_EQ(rendered.Pixel(0, 0), gfx::Rgb(255, 255, 255));
  EXPECT_EQ(rendered.Pixel(3, 1), gfx::Rgb(10, 20, 30));
  EXPECT_EQ(pictures.Load(data.Path() / "missing.bmp"), nullptr);
}

// A voice that keeps what it is given.
class ListeningVoice : public ports::Voice {
 public:
  bool IsAvailable() const override { return true; }
  void Speak(const std::u16string& text) override {
    std::lock_guard guard(mutex_);
    heard_.push_back(text::FromUtf16(text));
  }
  void Purge() override {}
  void WaitUntilDone() override {}
  void SelectVoice(const std::string&) override {}
  void SetRate(int) override {}
  void SetVolume(int) override {}
  std::vector<std::string> Heard() {
    std::lock_guard guard(mutex_);
    return heard_;
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> heard_;
};

TEST_F(Shell, ALetterDraggedFromItsKeyLandsInTheGridIsSpokenAndIsKeptOnQuitting) {
  auto voice = std::make_unique<ListeningVoice>();
  ListeningVoice* listening = voice.get();
  shell::CScribixApp scribix(std::move(voice));
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  QTest::qWait(900);  // the first run fits the window
  auto* widget = scribix.ViewWidget();
  app::CScribixView& view = *scribix.View();

  // The "c" key, dragged in steps onto the first cell.
  const auto& key = view.Parts().cells[25];
  const QPoint from(key.posX + key.width / 2, key.posY + key.height / 2);
  const gfx::Rect cell = base::CellRect(view.Parts().state, 0, 0);
  const QPoint to(cell.left + key.width / 2, cell.top + key.height / 2);
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
  for (int i = 1; i <= 8; ++i) {
    QMouseEvent move(QEvent::MouseMove, QPointF(from + (to - from) * i / 8),
                     widget->mapToGlobal(QPointF(from + (to - from) * i / 8)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
  }
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
  QTest::qWait(50);

  EXPECT_EQ(view.Parts().grid.text[0][0], 'c');
  const QImage shot = widget->grab().toImage();
  EXPECT_NE(QColor(shot.pixel(cell.left + cell.Width() / 2, cell.top + cell.Height() / 2)),
            QColor(57, 208, 203));  // the tile covers the cell
  for (int i = 0; i < 100 && listening->Heard().empty(); ++i) QTest::qWait(10);
  EXPECT_EQ(listening->Heard(), std::vector<std::string>{"c"});

  // The quit icon, answered "Oui".
  QTimer::singleShot(300, [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
        box->button(QMessageBox::Yes)->click();
      }
    }
  });
  const gfx::Rect quit = view.Parts().icons[app::IconQuit];
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                    QPoint((quit.left + quit.right) / 2, (quit.top + quit.bottom) / 2));
  const std::string saved = testing_support::ReadBytes(data / "defautabc");
  EXPECT_EQ(saved.substr(0, 19), "$1\r\n$X10\r\n$Y5\r\n#0\r\n");
  EXPECT_EQ(saved.substr(19, 2), "c ");
}

TEST_F(Shell, WithoutAFrenchVoiceTheWarningSaysWhatToInstallUntilAskedNotTo) {
  std::filesystem::remove(data / "noavertv");
  shell::CScribixApp scribix(std::make_unique<ports::NullVoice>(),
                             std::make_unique<ports::NullVoiceCatalog>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  QString shownText;
  // The warning runs its own loop once the first-run timer fires; it is answered from inside that
  // loop as soon as it shows, however long a loaded machine takes to get there.
  QTimer answer;
  answer.setInterval(10);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* warning = qobject_cast<shell::CAvert2Window*>(w);
      if (warning == nullptr || !warning->isVisible()) continue;
      answer.stop();
      shownText = warning->windowTitle();
      for (auto* label : warning->findChildren<QLabel*>()) shownText += "|" + label->text();
      for (auto* box : warning->findChildren<QCheckBox*>()) box->click();
      for (auto* button : warning->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Fermer")) button->click();
      }
    }
  });
  answer.start();
  for (int i = 0; i < 6000 && scribix.Timers()->IsRunning(base::kTimerFirstRun); ++i) {
    QTest::qWait(10);
  }
  EXPECT_TRUE(shownText.startsWith(QStringLiteral("Installation des voix de synthèse vocale")));
  EXPECT_TRUE(shownText.contains(QStringLiteral("espeak-ng-data")));
  EXPECT_TRUE(std::filesystem::exists(data / "noavertv"));
}

TEST_F(Shell, AnUnattendedStartEndsByItselfWithTheSettingsAndTheWorkSaved) {
  shell::CScribixApp scribix(std::make_unique<ports::NullVoice>(),
                             std::make_unique<ports::NullVoiceCatalog>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders(), false));
  scribix.QuitAfter(900);
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_GE(clock.elapsed(), 900);
  // After the first-run initialisation, which read the settings.
  EXPECT_FALSE(scribix.Timers()->IsRunning(base::kTimerFirstRun));
  EXPECT_EQ(testing_support::ReadBytes(data / "defaut").size(), 4176u);
  EXPECT_EQ(testing_support::ReadBytes(data / "defautabc").substr(0, 4), "$1\r\n");

  const std::string trace = testing_support::ReadBytes(data / "debug.txt");
  EXPECT_NE(trace.find("\nProgram folder: " SCRIBIX_PROGRAM_FOLDER "\n"), std::string::npos);
  EXPECT_NE(trace.find("\nData folder: " + data.Path().string() + "\n"), std::string::npos);
  EXPECT_EQ(trace.find("Missing picture"), std::string::npos);
}

TEST_F(Shell, TheStartUpTraceNamesEveryPictureThatCouldNotBeRead) {
  testing_support::TempFolder program;  // no pictures at all
  shell::CScribixApp scribix(std::make_unique<ports::NullVoice>(),
                             std::make_unique<ports::NullVoiceCatalog>(),
                             std::make_unique<testing_support::FakeUserDialogs>());
  ASSERT_TRUE(scribix.InitInstance({program.Path(), data.Path()}, false));
  const std::string trace = testing_support::ReadBytes(data / "debug.txt");
  for (const char* picture : {"resb/Arial.bmp", "resb/abc.bmp", "resb/feu-artifice.bmp10"}) {
    const std::string line = "\nMissing picture: " + (program.Path() / picture).string() + "\n";
    EXPECT_NE(trace.find(line), std::string::npos) << picture;
  }
}

TEST(QuitAfterArgument, IsAPositiveCountOfMillisecondsAfterTheSwitch) {
  using shell::CScribixApp;
  const auto parse = [](std::initializer_list<const char*> words) {
    QStringList arguments;
    for (const char* word : words) arguments << QString::fromUtf8(word);
    return CScribixApp::QuitAfterArgument(arguments);
  };
  EXPECT_EQ(parse({"scribix", "--quit-after", "2500"}), 2500);
  EXPECT_EQ(parse({"scribix"}), std::nullopt);
  EXPECT_EQ(parse({"scribix", "--quit-after"}), std::nullopt);
  for (const char* wrong : {"0", "-5", "deux", "2500ms", ""}) {
    EXPECT_EQ(parse({"scribix", "--quit-after", wrong}), std::nullopt) << wrong;
  }
}

}  // namespace
