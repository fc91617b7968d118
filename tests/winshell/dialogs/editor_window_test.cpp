#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <richedit.h>

#include "dialog_test_models.h"
#include "winshell/dialogs/cedit_window.h"

namespace {

using ports::DialogId;
using winshell::CCEditWindow;
using namespace windialogs_test;

using Recorded = std::vector<std::string>;

// The box holds one CR between paragraphs, the model CR LF; the two must agree on every position,
// wherever the break falls and however a file spelt it.
TEST(EditorWindowTest, TextAndPositionsConvertBetweenTheBoxAndTheModel) {
  EXPECT_EQ(CCEditWindow::ShownText("le chat\r\nla maison"), L"le chat\rla maison");
  EXPECT_EQ(CCEditWindow::ShownText("a\nb\rc\r\n"), L"a\rb\rc\r");
  EXPECT_EQ(CCEditWindow::ShownText("\xE9t\xE9"), L"\u00e9t\u00e9");
  EXPECT_EQ(CCEditWindow::ModelText(L"le chat\rla maison"), "le chat\r\nla maison");
  EXPECT_EQ(CCEditWindow::ModelText(L"a\r\nb\nc"), "a\r\nb\r\nc");

  const std::string text = "ab\r\ncd\r\n\r\nef";
  const std::wstring shown = CCEditWindow::ShownText(text);
  struct Case {
    std::size_t model;
    long box;
  };
  // Before and after each break, the end, and beyond it.
  const Case cases[] = {{0, 0}, {2, 2}, {4, 3}, {6, 5}, {8, 6}, {10, 7}, {12, 9}, {99, 9}};
  for (const Case& c : cases) {
    EXPECT_EQ(CCEditWindow::ShownPosition(text, c.model), c.box) << c.model;
    if (c.model <= text.size()) {
      EXPECT_EQ(CCEditWindow::ModelPosition(shown, c.box), c.model) << c.box;
    }
  }
  // Between CR and LF, the break is behind.
  EXPECT_EQ(CCEditWindow::ShownPosition(text, 3), 3);
  EXPECT_EQ(CCEditWindow::ModelPosition(shown, -4), 0u);
  EXPECT_EQ(CCEditWindow::ModelPosition(shown, 400), text.size());
}

class EditorWindowFixture : public testing::Test {
 protected:
  EditorWindowFixture() : library_(LoadLibraryW(L"Msftedit.dll")) {}
  ~EditorWindowFixture() override {
    window_.reset();
    if (library_ != nullptr) FreeLibrary(library_);
  }
  void SetUp() override {
    ASSERT_NE(library_, nullptr);
    window_ = std::make_unique<CCEditWindow>(models_.editor, models_.host, Instance(), nullptr);
    dialog_ = window_->Handle();
    ASSERT_NE(dialog_, nullptr);
    box_ = GetDlgItem(dialog_, IDC_EDIT_TEXT);
  }

  void Select(long start, long end) {
    CHARRANGE range{start, end};
    SendMessageW(box_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  }

  HMODULE library_;
  Models models_;
  std::unique_ptr<CCEditWindow> window_;
  HWND dialog_ = nullptr;
  HWND box_ = nullptr;
};

TEST_F(EditorWindowFixture, ShowsTheProgramsTextWithoutLayingItDownAgain) {
  EXPECT_EQ(Text(dialog_),
            L"\u00c9dition du texte (maximum : 8 lignes et 40 caract\u00e8res par "
            L"ligne)");
  EXPECT_EQ(ItemText(dialog_, IDC_EDIT_LINK),
            L" Lier les caract\u00e8res d'un mot (  s\u00e9lection ou texte entier )");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog_, IDC_EDIT_APPLY)));

  models_.editor.selectionStart = 9;
  models_.editor.selectionEnd = 11;
  models_.editor.SetTextFromProgram("le chat\r\nla f\xEAte");
  models_.editor.SetFixedFromProgram(true);
  EXPECT_EQ(window_->BoxText(), L"le chat\rla f\u00eate");
  CHARRANGE range{};
  SendMessageW(box_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.cpMin, 8);
  EXPECT_EQ(range.cpMax, 10);
  EXPECT_TRUE(Ticked(dialog_, IDC_EDIT_FIX));
  EXPECT_EQ(models_.editor.text, "le chat\r\nla f\xEAte");
  EXPECT_EQ(models_.editor.selectionStart, 9u);
  EXPECT_TRUE(models_.calls.made.empty());
}

TEST_F(EditorWindowFixture, HandsTheTeachersTypingAndCommandsToTheModel) {
  models_.editor.SetTextFromProgram("le chat");
  Select(7, 7);
  EXPECT_EQ(models_.editor.selectionStart, 7u);
  SendMessageW(box_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\run \u00e9t\u00e9"));
  EXPECT_EQ(models_.editor.text, "le chat\r\nun \xE9t\xE9");
  EXPECT_EQ(models_.editor.selectionStart, models_.editor.text.size());
  EXPECT_EQ(models_.calls.made, (Recorded{"import"}));

  // A command box works on the selection and does not stay ticked.
  Select(3, 7);
  const std::string before = models_.editor.text;
  Click(dialog_, IDC_EDIT_HIDE);
  EXPECT_FALSE(Ticked(dialog_, IDC_EDIT_HIDE));
  EXPECT_NE(models_.editor.text, before);
  EXPECT_EQ(CCEditWindow::ModelText(window_->BoxText()), models_.editor.text);

  // "Fixer l'exercice" stays ticked and the text then breaks at the box's width.
  models_.calls.made.clear();
  Click(dialog_, IDC_EDIT_FIX);
  EXPECT_TRUE(models_.editor.fixed);
  EXPECT_TRUE(Ticked(dialog_, IDC_EDIT_FIX));
  EXPECT_EQ(models_.calls.made, (Recorded{"fix"}));

  // "Fermer" and Escape hide it; the text stays.
  models_.host.Show(DialogId::kEditor);
  Click(dialog_, IDC_EDIT_CLOSE);
  EXPECT_FALSE(models_.host.IsVisible(DialogId::kEditor));
  models_.host.Show(DialogId::kEditor);
  SendMessageW(dialog_, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(models_.host.IsVisible(DialogId::kEditor));
  EXPECT_EQ(CCEditWindow::ModelText(window_->BoxText()), models_.editor.text);
}

// The main loop hands the keys to the dialogs first: Enter in the text is a new line there, not
// the dialog's default button.
TEST_F(EditorWindowFixture, EnterThroughTheMainLoopStartsANewLine) {
  models_.host.Show(DialogId::kEditor);
  models_.editor.SetTextFromProgram("le chat");
  SetFocus(box_);
  Select(7, 7);
  MSG key{box_, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
  if (!models_.host.PreTranslate(key)) {
    TranslateMessage(&key);
    DispatchMessageW(&key);
  }
  // The character the key makes, and whatever else it sets off.
  MSG message;
  for (int i = 0; i < 200 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (models_.host.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  EXPECT_EQ(models_.editor.text, "le chat\r\n");
  EXPECT_TRUE(models_.host.IsVisible(DialogId::kEditor));
}

}  // namespace
