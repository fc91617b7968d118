#include "screen_captures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/scribix_view.h"
#include "exercises/edit_dialog.h"
#include "platform/voice_backend.h"
#include "ports/null_voice.h"
#include "ports/system_clock.h"
#include "ports/user_dialogs.h"
#include "shell/cedit_window.h"
#include "shell/config_abc_window.h"
#include "shell/config_puzzle_window.h"
#include "shell/main_frame.h"
#include "shell/open_list_window.h"
#include "shell/qt_text.h"
#include "shell/scribix_app.h"
#include "shell/view_widget.h"
#include "shell/voice_warning_window.h"

namespace manual {

namespace {

namespace fs = std::filesystem;
using app::ModuleId;
using namespace base::icons;

// The file dialogs answer with the files the teacher of the manual picks; nothing else is asked.
// A message box means the program went somewhere the manual does not show: it is kept to report.
class ScriptedDialogs : public ports::UserDialogs {
 public:
  void PickNext(fs::path path) { picks_.push_back(std::move(path)); }
  const std::vector<std::string>& Messages() const { return messages_; }

  ports::MessageAnswer MessageBox(const std::string& text, const std::string&,
                                  ports::MessageButtons buttons, ports::MessageIcon) override {
    messages_.push_back(text);
    return buttons == ports::MessageButtons::kYesNo ? ports::MessageAnswer::kNo
                                                    : ports::MessageAnswer::kOk;
  }
  std::optional<fs::path> OpenFile(const std::string&, const fs::path&,
                                   const std::string&) override {
    if (picks_.empty()) return std::nullopt;
    fs::path path = picks_.front();
    picks_.pop_front();
    return path;
  }
  std::optional<fs::path> SaveFile(const std::string&, const fs::path&, const std::string&,
                                   ports::FileExtension) override {
    return std::nullopt;
  }
  std::optional<gfx::Colour> ChooseColour(gfx::Colour) override { return std::nullopt; }

 private:
  std::deque<fs::path> picks_;
  std::vector<std::string> messages_;
};

// The installer page is never opened while the captures are taken.
class NoDesktop : public ports::Desktop {
 public:
  void Open(const fs::path&) override {}
};

// Lets the program's timers and windows run for a while.
void Settle(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

class Session {
 public:
  Session(shell::CScribixApp& scribix, ScriptedDialogs& dialogs, QMap<QString, QImage>& captures)
      : scribix_(scribix), dialogs_(dialogs), captures_(captures) {}

  bool ok() const { return ok_; }

  void Fail(const char* what) {
    std::fprintf(stderr, "manual: %s\n", what);
    ok_ = false;
  }

  // A click in the middle of an icon, as the mouse gives it to the main window.
  void ClickIcon(IconId icon) {
    const gfx::Rect r = scribix_.View()->Parts().icons[icon];
    const QPoint middle((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    QTest::mouseClick(scribix_.ViewWidget(), Qt::LeftButton, Qt::NoModifier, middle);
    Settle(120);
  }

  void SwitchTo(IconId icon, ModuleId module, const char* name) {
    ClickIcon(icon);
    if (scribix_.View()->ActiveModule() != module) {
      Fail((std::string("the icon of the module ") + name + " did not open it").c_str());
    }
  }

  // Clicks the button of a window by its text, as the program writes it (Windows-1252).
  void ClickButton(QWidget* window, const std::string& text) {
    for (auto* button : window->findChildren<QAbstractButton*>()) {
      if (button->text() == shell::ToQt(text) && button->isVisible()) {
        button->click();
        Settle(120);
        return;
      }
    }
    Fail(("no button \"" + text + "\" in the window " + window->windowTitle().toStdString())
             .c_str());
  }

  void Close(QWidget* window) {
    for (const char* text : {"Fermer", "OK"}) {
      for (auto* button : window->findChildren<QAbstractButton*>()) {
        if (button->text() == QString::fromLatin1(text) && button->isVisible()) {
          button->click();
          Settle(100);
          return;
        }
      }
    }
    window->hide();
    Settle(100);
  }

  void Grab(QWidget* window, const char* name) {
    if (!window->isVisible()) {
      Fail((std::string("the window for ") + name + " is not shown").c_str());
      return;
    }
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) Fail((std::string("nothing grabbed for ") + name).c_str());
    captures_.insert(QStringLiteral("captures/") + QString::fromLatin1(name), image);
  }

  void GrabMain(const char* name) { Grab(scribix_.Frame(), name); }

  void Pick(const fs::path& path) { dialogs_.PickNext(path); }

 private:
  shell::CScribixApp& scribix_;
  ScriptedDialogs& dialogs_;
  QMap<QString, QImage>& captures_;
  bool ok_ = true;
};

}  // namespace

bool TakeCaptures(const fs::path& programFolder, QMap<QString, QImage>& captures) {
  QTemporaryDir data;
  if (!data.isValid()) {
    std::fprintf(stderr, "manual: no temporary folder for the program's data\n");
    return false;
  }
  const fs::path dataFolder = shell::PathFromQt(data.path());
  // The voice warning is captured on its own below, not in the middle of the start.
  if (FILE* marker = std::fopen((dataFolder / "noavertv").c_str(), "wb")) std::fclose(marker);

  // The voices the system lists, so that the settings show them; none of them speaks.
  auto dialogs = std::make_unique<ScriptedDialogs>();
  ScriptedDialogs& answers = *dialogs;
  shell::CScribixApp scribix(std::make_unique<ports::NullVoice>(), platform::MakeVoiceCatalog(),
                             std::move(dialogs));
  if (!scribix.InitInstance({programFolder, dataFolder})) {
    std::fprintf(stderr, "manual: the program did not start on %s\n", programFolder.c_str());
    return false;
  }
  // The first-run initialisation reads the settings and fits the window.
  Settle(800);
  Session session(scribix, answers, captures);
  app::CScribixView& view = *scribix.View();
  if (view.ActiveModule() != ModuleId::kFrancais) session.Fail("the program starts elsewhere");

  // Français: a sample exercise opened in the editor, which shows in the grid as it was saved.
  session.ClickIcon(IconModuleEdit);
  auto* editor = scribix.EditorWindow();
  session.Pick(programFolder / "Exercices" / "le-chat.txt");
  session.ClickButton(editor, exercises::CCEdit::kOpen);
  session.Grab(editor, "edition");
  session.Close(editor);
  session.GrabMain("ecran-francais");

  session.ClickIcon(IconSettings);
  session.Grab(scribix.SettingsWindow(), "configuration");
  session.Close(scribix.SettingsWindow());

  // Mathématique: the sample calculations.
  session.SwitchTo(IconModuleMath, ModuleId::kMathematique, "Mathematique");
  session.ClickIcon(IconModuleEdit);
  session.Pick(programFolder / "Exercices" / "calculs.txt");
  session.ClickButton(editor, exercises::CCEdit::kOpen);
  session.Close(editor);
  session.GrabMain("ecran-maths");

  // Puzzle: the starting picture, cut, its pieces scattered (by chance: this capture differs
  // from one build to the next).
  session.SwitchTo(IconModulePuzzle, ModuleId::kPuzzle, "Puzzle");
  session.ClickIcon(IconScatter);
  Settle(300);
  session.GrabMain("ecran-puzzle");
  session.ClickIcon(IconSettings);
  session.Grab(scribix.PuzzleWindow(), "configuration-puzzle");
  session.Close(scribix.PuzzleWindow());

  // Liste: a sample list opened, then its first word.
  session.SwitchTo(IconModuleList, ModuleId::kListe, "Liste");
  session.ClickIcon(IconWordLists);
  auto* lists = scribix.ListWindow();
  session.Pick(programFolder / "Liste-de-mots" / "animaux.txt");
  session.ClickButton(lists, "Ouvrir une liste ");
  session.Grab(lists, "listes");
  session.Close(lists);
  session.ClickIcon(IconNextWord);
  session.GrabMain("ecran-liste");

  // The warning a start without a French voice shows.
  {
    NoDesktop desktop;
    ports::SystemClock clock;
    shell::CAvert2Window warning(view.Parts().voiceWarning, desktop, clock, *scribix.ViewWidget(),
                                 scribix.Frame());
    warning.setModal(false);
    warning.show();
    Settle(100);
    session.Grab(&warning, "avertissement-voix");
    warning.hide();
  }

  // Said, not fatal: the captures may show a state the text does not describe, which someone
  // reading the build's output should look at, but the program itself is fine.
  for (const std::string& message : answers.Messages()) {
    std::fprintf(stderr, "manual: warning: the program said \"%s\" during the captures\n",
                 shell::ToQt(message).toUtf8().constData());
  }
  return session.ok();
}

}  // namespace manual
