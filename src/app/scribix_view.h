#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/config_abc.h"
#include "app/icon_bar.h"
#include "app/module.h"
#include "app/settings_actions.h"
#include "base/app_state.h"
#include "base/cell_table.h"
#include "base/random.h"
#include "base/timer_ids.h"
#include "base/trace.h"
#include "effects/fireworks.h"
#include "effects/reward_cycle.h"
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
class CScribixView : private SettingsActions,
                     private exercises::ListActions,
                     private exercises::EditorActions {
 public:
  CScribixView(ports::Platform& platform, std::filesystem::path programFolder,
               std::filesystem::path dataFolder);
  ~CScribixView() override;
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
  ModuleId ActiveModule() const { return module_; }
  void SetActiveModule(ModuleId id);
  // The active module under the names the rest of the program reads it by: at most one is 1.
  std::int32_t listMode() const { return module_ == ModuleId::kListe ? 1 : 0; }
  std::int32_t mathMode() const { return module_ == ModuleId::kMathematique ? 1 : 0; }
  std::int32_t puzzleMode() const { return module_ == ModuleId::kPuzzle ? 1 : 0; }

  // Commands the icons give.
  void ChooseBackgroundColour();
  void OpenManual();
  // Saves the settings file (not in the puzzle, whose settings live in its own file).
  void WriteSettings();
  // Saves the work of the active module, as quitting does.
  void SaveModuleText();
  std::string SettingsBytes() const;
  // The settings file's bytes, applied field by field as the start-up reads them.
  void ApplySettingsBytes(std::string_view bytes);
  // Blocks for ms milliseconds; gives the time waited.
  int Delay(int ms);
  static void ShadesForBackground(gfx::Colour chosen, bool inPuzzle, gfx::Colour& shade1,
                                  gfx::Colour& shade2);

  // The parts the view owns, for the shell's windows and for the tests.
  base::AppState& State() { return state_; }
  base::CellTable& Cells() { return cells_; }
  grid::WritingGrid& Grid() { return grid_; }
  exercises::WordList& Words() { return wordList_; }
  HeldRecord& Held() { return held_; }
  const keyboard::KeyboardState& Keys() const { return keys_; }
  const keyboard::KeyboardPictures& Pictures() const { return keyboardPictures_; }
  const IconBar& Icons() const { return icons_; }
  const TooltipState& Tips() const { return tips_; }
  const speech::VoiceTable& Voices() const { return voices_; }
  const effects::Fireworks& FireworksFrames() const { return fireworks_; }
  puzzle::PuzzleModule& Puzzle() { return puzzle_; }
  base::Trace& StartupTrace() { return trace_; }
  speech::SpeechEngine& Speech() { return speech_; }
  exercises::COpenList2& ListDialog() { return listDialog_; }
  exercises::Dictation& Dictation() { return list_.Dictation(); }
  exercises::CCEdit& EditorDialog() { return editorDialog_; }
  CConfigABC& SettingsDialog() { return settingsDialog_; }
  puzzle::CConfigPuzzle& PuzzleDialog() { return puzzleDialog_; }
  speech::CAvert2& VoiceWarning() { return voiceWarning_; }
  bool SettingsLoading() const override { return settingsLoading_ != 0; }
  std::int32_t AutoPlace() const { return autoPlace_; }
  std::int32_t AutoAdvanceSeconds() const { return autoAdvanceSeconds_; }
  // The icons shown and the tooltips tested in the active module, in their order.
  std::vector<IconShown> IconsShown() const;
  std::vector<IconTip> IconTips() const;

 private:
  Module& Active() const { return *modules_[static_cast<std::size_t>(module_)]; }
  // The active writing module; null in the puzzle.
  exercises::WritingModule* Writing();

  // The mouse: the icons first, then the module switch, then the active module.
  void PressFeedback(gfx::Point point);
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
  // Into the puzzle from a writing module, and out of it to one (its keyboard as the settings
  // say, the writing grid kept).
  void EnterPuzzle();
  void LeavePuzzle(ModuleId target);
  puzzle::PuzzleContext PuzzleParts();
  void ShowPuzzleSolution();

  // Life, layout and timers.
  void FirstRunInit();
  void LayoutView();
  void FitWindowToContent();
  // The client size the grid, the keyboards and the icons need at a keyboard zoom.
  gfx::Size ContentSize(std::int32_t zoomIndex) const;
  // The zoom chosen, or the largest smaller one whose content the screen has room for.
  std::int32_t FittingZoomIndex(std::int32_t chosen) const;
  std::int32_t ChosenZoomIndex() const;
  void SetKeyboardZoom(std::int32_t zoomIndex);
  void BuildKeyboard();
  void LoadIcons();
  void ApplyKeyboardLook(std::int32_t colourIndex, std::int32_t zoomIndex);
  // A writing module with something written (or the dictation) keeps it through a new look.
  bool KeepsWritingThroughLook() const;
  void ApplyKeyboardColours(std::int32_t colourIndex);
  void LoadFireworks();
  // The dictation's next entry, by the icon or by the automatic advance.
  void NextDictationEntry();
  // False when the message ends with the celebration guard.
  bool OnCelebrationTimer(int id);
  // The rewards: the next of the cycle over a solved word, the fixed text's reward, the blink
  // over a found word.
  void PlayWordReward(const gfx::Rect& gridBounds);
  void PlayTextReward();
  void PlayFoundWordBlink();
  std::filesystem::path RewardSoundFile(effects::RewardSound sound) const;
  void TooltipTick();
  void ShowTip(int x, int y, const std::string& text);
  bool IsAnyDialogVisible() const;

  // Settings file.
  void ReadSettings();

  // Painting: the state steps first, then the painters, which only draw.
  void PreparePaint();
  void PaintScreen(gfx::Canvas& canvas) const;

  // What the writing modules work on.
  exercises::WritingContext WritingParts();

  // What the settings dialog sets off.
  void SaveSettings() override { WriteSettings(); }
  void Trace(std::string_view line) override { trace_.Line(line); }
  void KeyboardLookChanged(std::int32_t colourIndex, std::int32_t zoomIndex) override;
  bool KeyboardZoomChanged(std::int32_t colourIndex, std::int32_t zoomIndex) override;
  bool GridLinesChanged(std::int32_t lines, bool rebuildKeyboard) override;
  void GridColumnsChanged(std::int32_t columns) override;
  void GridSizeSettled() override;
  void VoiceChanged(std::int32_t index) override;
  void RateChanged(std::int32_t rate) override;
  void VolumeChanged(std::int32_t volume) override;
  void AutoPlaceChanged(bool on) override;

  // What the word-list dialog sets off.
  void AutoAdvanceChanged(std::int32_t seconds) override;
  void DictationButtonShownChanged(bool helpButton) override;
  std::filesystem::path ListFolder() const override;

  // What the text editor sets off.
  void ImportIntoGrid(bool fixed) override;
  bool FixExercise(bool on) override;
  void ResetGrid() override;
  void ReapplyGridSize() override;
  void RelayoutView() override;
  void ClickModuleIcon(int moduleMark) override;
  exercises::ExerciseHeader CurrentHeader() const override;

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
  TooltipState tips_;

  base::CellTable cells_;
  keyboard::KeyboardState keys_;
  keyboard::KeyboardPictures keyboardPictures_;
  grid::WritingGrid grid_;
  grid::TileSelection selection_;
  HeldRecord held_;
  // The writing modules reach the tiles, the grid, the selection and the held record through it.
  grid::TileBoard tileBoard_{state_, cells_, grid_, keyboardPictures_, selection_, held_};
  exercises::WordList wordList_;

  exercises::COpenList2 listDialog_;
  exercises::CCEdit editorDialog_;
  CConfigABC settingsDialog_;
  puzzle::CConfigPuzzle puzzleDialog_;
  speech::CAvert2 voiceWarning_;

  std::int32_t settingsLoading_ = 0;
  // A keyboard look chosen in the puzzle, applied when the puzzle is left.
  bool keyboardLookPending_ = false;
  std::int32_t autoPlace_ = 0;
  std::int32_t autoAdvanceSeconds_ = 0;
  std::int32_t animationTimer_ = 0;

  // One list item is celebrated once.
  std::string lastCelebratedText_;
  std::int32_t lastCelebratedIndex_ = -1;

  effects::RewardCycle rewardCycle_;

  // Fireworks frames, decoded at their own size; fitted to the screen when they play.
  effects::Fireworks fireworks_;

  exercises::FrenchModule french_;
  exercises::ListModule list_;
  exercises::MathModule math_;
  puzzle::PuzzleModule puzzle_;
  std::array<Module*, 4> modules_{};  // by ModuleId
  ModuleId module_ = ModuleId::kFrancais;

  bool firstRunDone_ = false;
};

}  // namespace app
