#include "shell/cedit_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "app/scribix_view.h"
#include "shell/scribix_app.h"
#include "shell/view_widget.h"
#include "shell_application.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace {

using ports::DialogId;

std::string Line(app::CScribixView& view, int line) {
  const auto& text = view.Parts().grid.text[static_cast<std::size_t>(line)];
  const std::string s(text.begin(), text.begin() + view.Parts().state.gridColumns);
  return s.substr(0, s.find_last_not_of(' ') + 1);
}

// Typed as a keyboard does, accented letters included.
void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(widget, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

// The program on a silent voice, after its first run, its editor shown.
class EditorWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::ShellApplication();
    // No voice here: the warning about it is not wanted.
    testing_support::WriteBytes(data / "noavertv", "");
    scribix_ = std::make_unique<shell::CScribixApp>(
        std::make_unique<testing_support::FakeVoice>(),
        std::make_unique<testing_support::FakeVoiceCatalog>(), nullptr,
        std::make_unique<testing_support::FakeClock>());
    ASSERT_TRUE(scribix_->InitInstance({SCRIBIX_PROGRAM_FOLDER, data.Path()}));
    for (int i = 0; i < 300 && scribix_->Timers()->IsRunning(base::kTimerFirstRun); ++i) {
      QTest::qWait(10);
    }
    window_ = scribix_->EditorWindow();
    ASSERT_NE(window_, nullptr);
  }

  app::CScribixView& View() { return *scribix_->View(); }
  void ClickEditorIcon() {
    const gfx::Rect r = View().Parts().icons[app::IconModuleEdit];
    QTest::mouseClick(scribix_->ViewWidget(), Qt::LeftButton, Qt::NoModifier,
                      QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  }

  testing_support::TempFolder data;
  std::unique_ptr<shell::CScribixApp> scribix_;
  shell::CCEditWindow* window_ = nullptr;
};

TEST_F(EditorWindow, TheIconShowsItWithEveryControlAndFermerOrEscapeHideIt) {
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(window_->windowTitle(),
            QStringLiteral("Édition du texte (maximum : 8 lignes et 40 caractères par ligne)"));
  ClickEditorIcon();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  EXPECT_TRUE(scribix_->Dialogs().IsVisible(DialogId::kEditor));

  const struct {
    QAbstractButton* control;
    QString text;
    bool shown;
  } controls[] = {
      {window_->Open(), QStringLiteral("Ouvrir"), true},
      {window_->Save(), QStringLiteral("Enregistrer"), true},
      {window_->ClearAll(), QStringLiteral("Effacer tout"), true},
      {window_->Link(),
       QStringLiteral(" Lier les caractères d'un mot (  sélection ou texte entier )"), true},
      {window_->Unlink(), QStringLiteral("Délier ( sélection ou texte entier )"), true},
      {window_->Hide(), QStringLiteral("Cacher le(s) mot(s) sélectionné(s)"), true},
      {window_->MakeVisible(), QStringLiteral("Rendre visible ( sélection ou texte entier )"),
       true},
      {window_->Fix(), QStringLiteral("Fixer l'exercice"), true},
      {window_->Close(), QStringLiteral("Fermer"), true},
      {window_->Apply(), QStringLiteral("Appliquer"), false},
      {window_->LinkAll(), QStringLiteral("Lier tous les mots"), false},
      {window_->HideAll(), QStringLiteral("Cacher tous les mots"), false},
  };
  for (const auto& c : controls) {
    EXPECT_EQ(c.control->text(), c.text);
    EXPECT_EQ(c.control->isVisible(), c.shown) << c.text.toStdString();
  }
  EXPECT_TRUE(window_->Text()->isVisible());
  EXPECT_FALSE(window_->LoadedCopy()->isVisible());

  // The exercise's letters: Comic Sans, or Comic Neue where it is missing, 14 points.
  const QFont font = window_->Text()->document()->defaultFont();
  EXPECT_EQ(font.pointSize(), 14);
  const QString family = QFontInfo(font).family();
  EXPECT_TRUE(family == QStringLiteral("Comic Sans MS") || family == QStringLiteral("Comic Neue"))
      << family.toStdString();

  // The grid writes into the box.
  View().Parts().editorDialog.SetTextFromProgram("le chat\r\ndort");
  EXPECT_EQ(window_->Text()->toPlainText(), QStringLiteral("le chat\ndort"));

  QTest::mouseClick(window_->Close(), Qt::LeftButton);
  EXPECT_FALSE(window_->isVisible());
  ClickEditorIcon();
  ASSERT_TRUE(window_->isVisible());
  QTest::keyClick(window_, Qt::Key_Escape);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(View().Parts().editorDialog.text, "le chat\r\ndort");
}

TEST_F(EditorWindow, AWordTypedSelectedAndHiddenHidesItsCellsInTheGrid) {
  ClickEditorIcon();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
  QTextEdit* box = window_->Text();
  box->setFocus();
  Type(box, QStringLiteral("le chat dort"));
  QTest::keyClick(box, Qt::Key_Return);
  Type(box, QStringLiteral("été à l'école"));
  EXPECT_EQ(View().Parts().editorDialog.text,
            "le chat dort\r\n\xE9t\xE9 \xE0 l'\xE9"
            "cole");
  EXPECT_EQ(Line(View(), 0), "le chat dort");
  EXPECT_EQ(Line(View(), 1),
            "\xE9t\xE9 \xE0 l'\xE9"
            "cole");

  // "chat" selected from the keyboard, then hidden.
  QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
  for (int i = 0; i < 3; ++i) QTest::keyClick(box, Qt::Key_Right);
  for (int i = 0; i < 4; ++i) QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
  ASSERT_EQ(box->textCursor().selectedText(), QStringLiteral("chat"));
  QTest::mouseClick(window_->Hide(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(8, window_->Hide()->height() / 2));
  EXPECT_FALSE(window_->Hide()->isChecked());
  EXPECT_EQ(box->toPlainText(), QStringLiteral("le [chat] dort\nété à l'école"));
  const auto& visibility = View().Parts().grid.visibility[0];
  EXPECT_EQ(visibility[2], 1);
  for (int c = 3; c < 7; ++c) EXPECT_EQ(visibility[static_cast<std::size_t>(c)], 0) << c;
  EXPECT_EQ(visibility[7], 1);
  EXPECT_EQ(Line(View(), 0), "le chat dort");

  // "Fixer l'exercice" stays ticked and fixes the grid.
  QTest::mouseClick(window_->Fix(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(8, window_->Fix()->height() / 2));
  EXPECT_TRUE(window_->Fix()->isChecked());
  EXPECT_TRUE(View().Parts().editorDialog.fixed);
  EXPECT_EQ(View().Parts().grid.hidden[0][3], 1);
  EXPECT_EQ(box->lineWrapMode(), QTextEdit::WidgetWidth);
}

TEST(EditorWindowText, PositionsInTheBoxAndInTheEditorsTextMatch) {
  const std::string text = "un\r\n\xE9t\xE9\r\n";
  const QString shown = shell::CCEditWindow::ShownText(text);
  EXPECT_EQ(shown, QStringLiteral("un\nété\n"));
  EXPECT_EQ(shell::CCEditWindow::ModelText(shown), text);
  const struct {
    int shown;
    std::size_t model;
  } positions[] = {{0, 0}, {2, 2}, {3, 4}, {6, 7}, {7, 9}};
  for (const auto& p : positions) {
    EXPECT_EQ(shell::CCEditWindow::ModelPosition(shown, p.shown), p.model) << p.shown;
    EXPECT_EQ(shell::CCEditWindow::ShownPosition(text, p.model), p.shown) << p.model;
  }
}

}  // namespace
