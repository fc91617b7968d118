#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/class_session.h"
#include "app/dialog_actions.h"
#include "app/eleves_dialog.h"
#include "app/icon_bar.h"
#include "app/icon_table.h"
#include "app/keyboard_look.h"
#include "app/layout.h"
#include "app/module_switch.h"
#include "app/notebook_actions.h"
#include "app/rewards.h"
#include "app/settings_file.h"
#include "app/tooltips.h"
#include "app/view_parts.h"
#include "base/app_state.h"
#include "base/random.h"
#include "base/timer_ids.h"
#include "base/trace.h"
#include "exercises/word_list.h"
#include "exercises/writing_module.h"
#include "gfx/canvas.h"
#include "gfx/image.h"
#include "notebook/profile_chooser.h"
#include "notebook/profile_lock.h"
#include "ports/platform.h"
#include "puzzle/puzzle_module.h"

namespace app {

// The program: the one window the child works in. Built with the platform's ports and driven
// through its window messages; it owns every part of the program and hands each message to the
// part that deals with it.
class CScribixView {
 public:
  // `owner` names this program in the lock of the child's folder, for the other computers of
  // the class.
  CScribixView(ports::Platform& platform, std::filesystem::path programFolder,
               std::filesystem::path dataFolder, notebook::LockOwner owner = {});
  ~CScribixView();

  // Window messages.
  int OnCreate();
  void OnSize();
  void OnTimer(int id);
  void OnMouseMove(unsigned flags, gfx::Point point);
  void OnLButtonDown(unsigned flags, gfx::Point point);
  void OnLButtonUp(unsigned flags, gfx::Point point);
  void OnLButtonDblClk(unsigned flags, gfx::Point point);
  // Composes the invalidated area into the back buffer; the window then copies that area.
  void OnDraw(gfx::Rect clip);
  const gfx::Image& BackBuffer() const { return backBuffer_.image; }

  // The module that gets the messages. The module switch sets it.
  ModuleId ActiveModule() const { return modules_.switcher.ActiveId(); }

  // Commands the icons give.
  void ChooseBackgroundColour();
  void OpenManual();
  // Saves the settings file (not in the puzzle, whose settings live in its own file).
  void WriteSettings() { dialogActions_.SaveSettings(); }
  // Saves the work of the active module, as quitting does.
  void SaveModuleText();
  // The icon back to "Qui travaille ?": the child's work saved, the child's folder free.
  void GoToChooser();
  // Blocks for ms milliseconds; gives the time waited.
  int Delay(int ms);

  // The parts the view owns, for the shell's windows and for the tests.
  ViewParts Parts();
  // The icons shown and the tooltips tested in the active module, in their order.
  std::vector<IconShown> IconsShown() const;
  std::vector<IconTip> IconTips() const;

 private:
  // The active writing module; null in the puzzle.
  exercises::WritingModule* Writing();
  // The active module as the layout and the keyboard look reach it.
  ShownModule Shown();

  // The mouse: the icons first, then the module switch, then the active module.
  friend struct IconTable;
  void PressFeedback(gfx::Point point);
  // Whether an icon's row answers a press at the point in the active module, and what its
  // command repaints.
  bool Answers(const IconCommand& row, gfx::Point point) const;
  gfx::Rect RepaintAfter(const IconCommand& row) const;
  gfx::Rect HandleClick(unsigned flags, gfx::Point point);
  // A click on the puzzle screen: its icons, leaving it, then the pieces.
  gfx::Rect HandlePuzzleClick(unsigned flags, gfx::Point point);
  // An area of the screen composed and shown at once, outside a paint.
  void DrawNow(const gfx::Rect& area);

  // The module switch.
  // Saves the module's work and asks; true when the program ends.
  bool QuitProgram();
  void RepaintModuleIcons(ModuleId module);
  // The module switch, with the view's part of a change: the icons repainted between two writing
  // modules, and out of the puzzle a keyboard look chosen while it was shown.
  ModuleSwitch::Steps ModuleSteps();
  // The module of an icon, chosen as a click on that icon chooses it.
  void SelectModule(ModuleId target);
  puzzle::PuzzleContext PuzzleParts();
  void ShowPuzzleSolution();

  // The children of the class.
  ClassHooks ClassParts();
  notebook::ChooserContext ChooserParts();
  // The files of that folder are the ones the program reads and writes from now on.
  void SetWorkPaths(const std::filesystem::path& folder);
  // The work of that folder: its settings and Français with its text.
  void WorkIn(const std::filesystem::path& folder);
  gfx::Rect HandleChooserClick(unsigned flags, gfx::Point point);
  // The question of the children's buttons, said for those who cannot read it.
  void AskWhoWorks();

  // Life, layout and timers.
  // Hands a timer to its owner; false when the owner ended the message there.
  bool RouteTimer(int id);
  // The animation timer runs while something moves and rests otherwise: looked at once each
  // window message has been handled, through an AfterMessage made at its start.
  void PaceAnimation();
  struct AfterMessage {
    explicit AfterMessage(CScribixView& v) : view(v) {}
    AfterMessage(const AfterMessage&) = delete;
    AfterMessage& operator=(const AfterMessage&) = delete;
    ~AfterMessage() { view.PaceAnimation(); }
    CScribixView& view;
  };
  static constexpr int kAnimationTickMs = 50;
  void FirstRunInit();
  // The syllables' exceptions files, shipped and the teacher's; their refused lines told in a
  // message when asked.
  void ReadSyllableExceptions(bool tellRefused);
  void BuildKeyboard();
  // The dictation's next entry, by the icon or by the automatic advance.
  void NextDictationEntry();
  // The dictation of a list just made, from its first entry and as a new sitting.
  void StartDictationAfresh();

  // Painting: the state steps first, then the painters, which only draw.
  void PreparePaint();
  void PaintScreen(gfx::Canvas& canvas) const;

  // What the writing modules work on.
  exercises::WritingContext WritingParts();

  ports::Platform& platform_;
  base::AppState state_;
  base::Trace trace_;
  base::RandomGenerator random_;
  ViewVoice voice_;
  ScreenBuffer backBuffer_;
  IconBar icons_;
  Tooltips tooltips_;
  ViewBoard board_;
  exercises::WordList wordList_;
  // The word-list dialog's and the text editor's callbacks.
  DialogActions dialogActions_;
  ViewDialogs dialogs_;
  Layout layout_;
  SettingsFile settingsFile_;
  KeyboardLook keyboardLook_;
  Rewards rewards_;
  // The children of the class, and the window where the teacher changes them.
  ClassSession class_;
  CEleves eleves_;
  NotebookActions notebook_;
  ViewModules modules_;
  bool firstRunDone_ = false;
  bool animating_ = false;
};

}  // namespace app
