// The real windows on a 1920 × 1080 screen: fitted to it at every zoom, tooltips kept on it, the
// close box keeping the child's work, the file dialogs in French, large photographs opened.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include "app/scribix_view.h"
#include "ports/null_voice.h"
#include "ports/picture_loading.h"
#include "shell/config_abc_window.h"
#include "shell/config_puzzle_window.h"
#include "shell/main_frame.h"
#include "shell/qt_pictures.h"
#include "shell/qt_text.h"
#include "shell/scribix_app.h"
#include "shell/tip_window.h"
#include "shell/view_widget.h"
#include "shell_application.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace {

class Screen : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::ShellApplication();
    testing_support::WriteBytes(data / "noavertv", "");
  }
  shell::Folders TestFolders() { return {SCRIBIX_PROGRAM_FOLDER, data.Path()}; }
  testing_support::TempFolder data;
};

TEST_F(Screen, EveryZoomKeepsTheWindowOnTheScreen) {
  shell::CScribixApp scribix(std::make_unique<testing_support::FakeClock>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  QTest::qWait(900);  // the first run fits the window
  const QRect screen = scribix.Frame()->screen()->availableGeometry();
  ASSERT_EQ(screen.size(), QSize(1920, 1080));
  app::CScribixView& view = *scribix.View();
  for (int zoom = 0; zoom < 5; ++zoom) {
    scribix.SettingsWindow()->Zoom()->setCurrentIndex(zoom);
    QCoreApplication::processEvents();
    const QRect frame = scribix.Frame()->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << zoom;
    const QSize client = scribix.ViewWidget()->size();
    const gfx::Rect keyboard = view.Parts().keys.keyboardFrame;
    EXPECT_LE(keyboard.bottom, client.height()) << zoom;
    EXPECT_LE(keyboard.right, client.width()) << zoom;
    const gfx::Rect quit = view.Parts().icons[app::IconQuit];
    EXPECT_LE(quit.right, client.width()) << zoom;
  }
  // 2.0 has no room on this screen: 1.75 is used, and the window says so.
  EXPECT_EQ(view.Parts().state.keyboardZoomIndex, 3);
  EXPECT_EQ(view.Parts().state.cellWidth, 70);
  EXPECT_TRUE(scribix.SettingsWindow()->ZoomNote()->isVisibleTo(scribix.SettingsWindow()));
  EXPECT_EQ(scribix.SettingsWindow()->ZoomNote()->text(),
            QStringLiteral("Zoom utilisé : 1.75 (l'écran est trop petit pour 2.0)"));
}

TEST_F(Screen, ATooltipNearTheEdgeStaysOnTheScreen) {
  shell::CScribixApp scribix(std::make_unique<testing_support::FakeClock>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  auto* widget = scribix.ViewWidget();
  const QRect screen = widget->screen()->availableGeometry();
  for (const QPoint at : {QPoint(1900, 20), QPoint(1915, 1070), QPoint(5, 1075)}) {
    widget->ShowTip({at.x(), at.y()}, "Manuel utilisateur Scribix");
    const QRect tip = widget->TipWindow()->geometry();
    EXPECT_TRUE(screen.contains(tip)) << at.x() << "," << at.y();
  }
}

TEST_F(Screen, TheCloseBoxKeepsTheWorkAsTheQuitIconDoesWithoutAsking) {
  shell::CScribixApp scribix(std::make_unique<testing_support::FakeClock>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  QTest::qWait(900);
  scribix.View()->Parts().editorDialog.SetTextFromProgram("bonjour");
  std::filesystem::remove(data / "defautabc");
  // The close box's message, without ending the tests' application.
  QCloseEvent close;
  QApplication::sendEvent(scribix.Frame(), &close);
  const std::string saved = testing_support::ReadBytes(data / "defautabc");
  EXPECT_NE(saved.find("bonjour"), std::string::npos);
}

TEST_F(Screen, TheFileDialogsAndTheLabelsSpeakFrench) {
  EXPECT_EQ(
      QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
      QStringLiteral("Dossier"));
  EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Drive"),
            QStringLiteral("Lecteur"));
  // Other words are still Qt's own.
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Ouvrir"));

  shell::CScribixApp scribix(std::make_unique<testing_support::FakeClock>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  QStringList texts;
  for (QWidget* window : {static_cast<QWidget*>(scribix.SettingsWindow()),
                          static_cast<QWidget*>(scribix.PuzzleWindow())}) {
    for (const QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
    for (const QCheckBox* box : window->findChildren<QCheckBox*>()) texts << box->text();
  }
  const QString all = texts.join('|');
  for (const char* mended : {"Zoom du modèle", "désactivé", "Cacher le bouton solution",
                             "Supprimer les effets visuels", "À la fin"}) {
    EXPECT_TRUE(all.contains(QString::fromUtf8(mended))) << mended;
  }
  for (const char* old : {"Zoom model", "desactiv", "Cache le", "Supprime les", " A la fin"}) {
    EXPECT_FALSE(all.contains(QString::fromUtf8(old))) << old;
  }
}

TEST_F(Screen, SilenceIsExplainedToTheTeacher) {
  shell::CScribixApp scribix(std::make_unique<ports::NullVoice>());
  ASSERT_TRUE(scribix.InitInstance(TestFolders()));
  app::CScribixView& view = *scribix.View();
  view.Parts().settingsDialog.SetSoundProblem(
      "espeak-ng 1.51; neither the sound server nor ALSA can be opened (Connection refused); "
      "speech is silent");
  scribix.SettingsWindow()->ShowModel();
  const QLabel* label = scribix.SettingsWindow()->SoundProblem();
  EXPECT_TRUE(label->isVisibleTo(scribix.SettingsWindow()));
  EXPECT_EQ(label->text(), QStringLiteral("Aucune sortie audio n'a pu être ouverte (Connection "
                                          "refused) : Scribix ne parle pas et ne joue aucun son."));
  const gfx::Rect sound = view.Parts().icons[app::IconSound];
  view.OnMouseMove(0, {sound.left + 3, sound.top + 3});
  EXPECT_EQ(view.Parts().tips.wantedTip,
            "Couper le son - " + view.Parts().settingsDialog.soundProblem);
}

// A photograph as a phone takes it, larger than the image reader would hold whole.
TEST(LargePictures, APhotographOfFortyMegapixelsOpensAtTheSizeThePuzzleNeeds) {
  testing_support::ShellApplication();
  testing_support::TempFolder folder;
  const auto path = folder / "photo.jpg";
  {
    QImage photo(8000, 5000, QImage::Format_RGB888);
    QPainter paint(&photo);
    paint.fillRect(0, 0, 4000, 5000, QColor(200, 30, 30));
    paint.fillRect(4000, 0, 4000, 5000, QColor(30, 30, 200));
    paint.end();
    ASSERT_TRUE(photo.save(shell::PathToQt(path), "JPEG", 80));
  }
  shell::QtPictures pictures;
  const auto picture = pictures.LoadAtMost(path, {1200, 800});
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->PixelSize(), (gfx::Size{8000, 5000}));
  const ports::FittedPicture fitted = ports::FitPicture(pictures, picture.get(), 600, 400, 2.0f);
  EXPECT_EQ(fitted.size, (gfx::Size{1200, 750}));
  ASSERT_FALSE(fitted.bitmap.IsNull());
  EXPECT_GT(gfx::Red(fitted.bitmap.Pixel(100, 300)), 150);
  EXPECT_GT(gfx::Blue(fitted.bitmap.Pixel(1100, 300)), 150);
}

}  // namespace
