#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/config_abc.h"
#include "app/dialog_actions.h"
#include "app/icon_bar.h"
#include "app/icon_table.h"
#include "app/keyboard_look.h"
#include "app/layout.h"
#include "app/module_switch.h"
#include "app/rewards.h"
#include "app/settings_file.h"
#include "app/tooltips.h"
#include "base/app_state.h"
#include "base/cell_table.h"
#include "base/held_record.h"
#include "base/random.h"
#include "base/timer_ids.h"
#include "base/trace.h"
#include "exercises/edit_dialog.h"
#include "exercises/editor_actions.h"
#include "exercises/open_list_dialog.h"
#include "exercises/word_list.h"
#include "exercises/writing_module.h"
#include "gfx/canvas.h"
#include "gfx/image.h"
#include "grid/tile_board.h"
#include "grid/tile_selection.h"
#include "grid/writing_grid.h"
#include "keyboard/keyboard_layout.h"
#include "keyboard/keyboard_pictures.h"
#include "ports/platform.h"
#include "puzzle/config_puzzle.h"
#include "puzzle/puzzle_module.h"
#include "speech/sound_effects.h"
#include "speech/speech_engine.h"
#include "speech/voice_warning.h"
#include "speech/voices.h"

namespace app {

// The program: the one window the child works in. Built with the platform's ports and driven
// through its window messages; it owns every part of the program and hands each message to the
// part that deals with it.
class CScribixView {
 public:
  CScribixView(ports::Platform& platform, std::filesystem::path programFolder,
               std::filesystem::path dataFolder);
  ~CScribixView();
  CScribixView(const CScribixView&) = delete;
  CScribixView& operator=(const CScribixView&) = delete;

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
  const gfx::Image& BackBuffer() const { return backBuffer_; }

  // The module that gets the messages. The module switch sets it.
  ModuleId ActiveModule() const { return modules_.ActiveId(); }
  // The active module under the names the rest of the program reads it by: at most one is 1.
  std::int32_t listMode() const { return ActiveModule() == ModuleId::kListe ? 1 : 0; }
  std::int32_t mathMode() const { return ActiveModule() == ModuleId::kMathematique ? 1 : 0; }
  std::int32_t puzzleMode() const { return ActiveModule() == ModuleId::kPuzzle ? 1 : 0; }

  // Commands the icons give.
  void ChooseBackgroundColour();
  void OpenManual();
  // Saves the settings file (not in the puzzle, whose settings live in its own file).
  void WriteSettings() { dialogActions_.SaveSettings(); }
  // Saves the work of the active module, as quitting does.
  void SaveModuleText();
  // The settings kept between runs, as the file has them.
  SettingsFile& Settings() { return settingsFile_; }
  // Blocks for ms milliseconds; gives the time waited.
  int Delay(int ms);

  // The parts the view owns, for the shell's windows and for the tests.
  base::AppState& State() { return state_; }
  base::CellTable& Cells() { return cells_; }
  grid::WritingGrid& Grid() { return grid_; }
  exercises::WordList& Words() { return wordList_; }
  base::HeldRecord& Held() { return held_; }
  const keyboard::KeyboardState& Keys() const { return keys_; }
  const keyboard::KeyboardPictures& Pictures() const { return keyboardPictures_; }
  const IconBar& Icons() const { return icons_; }
  const TooltipState& Tips() const { return tooltips_.State(); }
  const speech::VoiceTable& Voices() const { return voices_; }
  puzzle::PuzzleModule& Puzzle() { return puzzle_; }
  base::Trace& StartupTrace() { return trace_; }
  speech::SpeechEngine& Speech() { return speech_; }
  exercises::COpenList2& ListDialog() { return listDialog_; }
  exercises::Dictation& Dictation() { return list_.Dictation(); }
  exercises::CCEdit& EditorDialog() { return editorDialog_; }
  CConfigABC& SettingsDialog() { return settingsDialog_; }
  puzzle::CConfigPuzzle& PuzzleDialog() { return puzzleDialog_; }
  speech::CAvert2& VoiceWarning() { return voiceWarning_; }
  std::int32_t AutoPlace() const { return settingsFile_.autoPlace; }
  std::int32_t AutoAdvanceSeconds() const { return settingsFile_.autoAdvanceSeconds; }
  // The icons shown and the tooltips tested in the active module, in their order.
  std::vector<IconShown> IconsShown() const;
  std::vector<IconTip> IconTips() const;

 private:
  Module& Active() const { return modules_.Active(); }
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
  void RepaintModuleIcons(bool puzzle, bool math, bool notMath, bool list);
  void RepaintModuleIcons(ModuleId module);
  // The module switch, with the view's part of a change: the icons repainted between two writing
  // modules, and out of the puzzle a keyboard look chosen while it was shown.
  ModuleSwitch MakeModuleSwitch();
  // The module of an icon, chosen as a click on that icon chooses it.
  void SelectModule(ModuleId target);
  puzzle::PuzzleContext PuzzleParts();
  void ShowPuzzleSolution();

  // Life, layout and timers.
  void FirstRunInit();
  void BuildKeyboard();
  // The dictation's next entry, by the icon or by the automatic advance.
  void NextDictationEntry();

  // Painting: the state steps first, then the painters, which only draw.
  void PreparePaint();
  void PaintScreen(gfx::Canvas& canvas) const;

  // What the writing modules work on.
  exercises::WritingContext WritingParts();

  ports::Platform& platform_;
  base::AppState state_;
  base::Trace trace_;
  base::RandomGenerator random_;
  speech::SpeechEngine speech_;
  speech::SoundEffects sounds_;
  speech::VoiceTable voices_;

  // Back buffer; dropped at each resize and made again by the next paint.
  gfx::Image backBuffer_;
  bool backBufferValid_ = false;

  IconBar icons_;
  Tooltips tooltips_;

  base::CellTable cells_;
  keyboard::KeyboardState keys_;
  keyboard::KeyboardPictures keyboardPictures_;
  grid::WritingGrid grid_;
  grid::TileSelection selection_;
  base::HeldRecord held_;
  // The writing modules reach the tiles, the grid, the selection and the held record through it.
  grid::TileBoard tileBoard_{state_, cells_, grid_, keyboardPictures_, selection_, held_};
  exercises::WordList wordList_;

  // The word-list dialog's and the text editor's callbacks.
  DialogActions dialogActions_;
  exercises::COpenList2 listDialog_;
  exercises::CCEdit editorDialog_;
  CConfigABC settingsDialog_;
  puzzle::CConfigPuzzle puzzleDialog_;
  speech::CAvert2 voiceWarning_;

  Layout layout_;
  SettingsFile settingsFile_;
  KeyboardLook keyboardLook_;
  Rewards rewards_;

  exercises::FrenchModule french_;
  exercises::ListModule list_;
  exercises::MathModule math_;
  puzzle::PuzzleModule puzzle_;
  ModuleSwitch modules_;

  bool firstRunDone_ = false;
};

}  // namespace app
