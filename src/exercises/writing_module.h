#pragma once

#include <cstdint>
#include <functional>

#include "base/app_state.h"
#include "base/cell_table.h"
#include "base/module.h"
#include "base/work_log.h"
#include "exercises/dictation.h"
#include "exercises/edit_dialog.h"
#include "exercises/open_list_dialog.h"
#include "exercises/spoken_sequence.h"
#include "exercises/syllable_colours.h"
#include "grid/grid_text.h"
#include "grid/tile_board.h"
#include "grid/tile_selection.h"
#include "grid/writing_grid.h"
#include "keyboard/key_drawing.h"
#include "keyboard/keyboard_layout.h"
#include "keyboard/keyboard_pictures.h"
#include "ports/platform.h"
#include "speech/sound_effects.h"
#include "speech/speech_engine.h"

namespace exercises {

// What the writing modules work on; the view owns all of it.
struct WritingContext {
  base::AppState& state;
  // The tiles, the grid they lie in, the selection and the held record.
  grid::TileBoard& board;
  keyboard::KeyboardState& keys;
  keyboard::KeyboardPictures& pictures;
  CCEdit& editor;
  COpenList2& listDialog;
  WordList& words;
  const std::int32_t& autoPlace;           // the settings' "Placement automatique sur clic"
  const bool& noSounds;                    // the settings' "Supprimer les bruitages"
  const bool& noEffects;                   // the settings' "Supprime les effets visuels"
  const std::int32_t& autoAdvanceSeconds;  // the list's "Passage automatique ..."
  ports::Platform& platform;
  speech::SpeechEngine& speech;
  speech::SoundEffects& sounds;
  // Draws an area of the screen at once, outside a paint (a tile just made or picked up).
  std::function<void(const gfx::Rect&)> showNow;
  // The settings' grid size, written with the module's text.
  const std::int32_t& cellsSelection;
  const std::int32_t& linesSelection;
  // The settings' syllables in colour, and the words' colours the letter modules share.
  const SyllableLook& syllableLook;
  SyllableColours& syllableColours;
  // Where what the child did is told.
  base::WorkLog& work;
};

// What the child has written, as a new keyboard look keeps it: the grid with its cursor, fixed
// layers and dictation word, and the tiles resting in its cells.
struct KeptWriting {
  grid::WritingGrid grid;
  std::vector<base::CellRecord> tiles;
};

// The screens where the child writes with the keyboard's tiles: Français, Liste and
// Mathématique. They differ in the keyboard (letters or keypad), the cells shown and the icons.
class WritingModule : public base::Module {
 public:
  void Enter(base::ModuleId left, const std::function<void()>& layOutKeyboard) override;
  void Leave(base::ModuleId next) override;
  void SaveWork() override;
  void MoveKeyboard() override;
  void BuildKeys() override;
  void ApplyKeyboardLook() override;
  void PreparePaint() override;
  void PaintGrid(gfx::Canvas& canvas) const override;
  void PaintItems(gfx::Canvas& canvas) const override;
  void AddIcons(std::vector<base::IconShown>& icons) const override;

  gfx::Rect OnLButtonDown(std::uint32_t flags, gfx::Point point, int hit) override;
  gfx::Rect OnMouseMove(std::uint32_t flags, gfx::Point point) override;
  void OnLButtonUp(std::uint32_t flags, gfx::Point point) override;
  void OnTimer(int id) override;
  void Tick() override;
  bool Moving() const override { return ctx_.board.Moving(); }

  // The labels of a page of the letter keyboard and its picture.
  void SetKeyLabels(bool shift, bool signs);
  // The keypad's labels and picture.
  void SetKeypadLabels();

  // The grid and its tiles before the keyboard is made again, and laid down anew after it with
  // the new keys' size and pictures. A tile on its way somewhere is not kept.
  KeptWriting KeepWriting() const;
  void RestoreWriting(const KeptWriting& kept);
  // The tiles laid down again after the grid has moved or changed size.
  void LayTilesAgain();
  // The keys' labels and picture for the current page and look.
  void RefreshLabels();
  // The module's text: from its file into the editor and the grid, and back.
  void LoadText();
  bool SaveText(int cellsIndex, int linesIndex) const;
  // The editor's text laid down in the grid as tiles, fixed as the editor says or as asked.
  void ImportEditorText();
  void ImportEditorText(bool fixedOn);
  // The grid written back into the editor (not while the exercise is fixed or being cleared).
  void MirrorToEditor();
  // The icons' commands.
  void ClearGrid();
  void ReadTextAloud();
  void RepeatInstruction();
  // The word under the cursor read as written (the dictation's finished wrong attempt gets its
  // whole echo).
  void EchoWordAtCursor();
  // A new grid for another module: every layer and tile gone.
  void ClearForModuleChange();
  // "Fixer l'exercice" unticked by the program.
  void UntickFixed();
  // The words or letters said with their cells lit in turn.
  SpokenSequence& Spoken() { return spoken_; }
  // Set when a drop completed the list word.
  std::int32_t wordDone = 0;
  // The cells of the fixed exercise's word spoken last: its reward blinks over them.
  gfx::Rect effectArea;

 protected:
  explicit WritingModule(WritingContext context);

  virtual bool UsesKeypad() const { return false; }
  // Français and the dictation colour the syllables of their words when the settings ask.
  bool ColoursSyllables() const { return !UsesKeypad() && ctx_.syllableLook.on; }
  // The dictation shows its answer cells and its own icons.
  virtual bool IsDictation() const { return false; }
  // The dictation's echo of a finished wrong attempt; false when there was none to give.
  virtual bool EchoAttempt() { return false; }
  // A tile that changes in a cell loses the ring the echo gave it.
  void ForgetWrongLetter(int column, int line);
  // The file of the text the module keeps between runs.
  virtual const std::filesystem::path& TextFile() const { return ctx_.state.frenchTextPath; }

  keyboard::KeyGeometry Geometry() const;
  keyboard::ItemScene Scene() const;
  void TakeCounts(const keyboard::KeyCounts& counts);
  // The labels and picture of the keyboard this module shows, at its current page.
  void ApplyLabels(bool shift, bool signs);

  grid::GridTiles GridText();
  // Repaints what the tile board changed.
  void Invalidate(const std::vector<gfx::Rect>& areas, bool erase = true);
  void Invalidate(const gfx::Rect& area, bool erase = true);
  bool SoundOn() const { return ctx_.state.soundOn == 1; }
  // The word holding a letter just laid down is spoken.
  void SpeakWordAt(int column, int line);
  gfx::Rect PressKey(int key, std::uint32_t flags);
  gfx::Rect PickUpTile(int tile, gfx::Point point, std::uint32_t flags);
  gfx::Rect PressCell(gfx::Point point);
  void OnTileArrived(int tile);
  // A fixed exercise just completed is celebrated, once until it is undone.
  void CelebrateCompleteExercise();
  // A tile lies in the grid and the list word is not complete.
  virtual void TilePlaced() {}
  // The list word was just made right, before its reward comes.
  virtual void WordFound() {}
  // Tells the work log, after the start of the sitting when it is the first event since Enter.
  void NoteWork(base::WorkEvent event);

  // The cell of the tile under a long press.
  int longPressColumn_ = -1;
  int longPressLine_ = -1;
  bool exerciseCelebrated_ = false;
  // The sitting the work log is told about: since the module was entered.
  bool workSessionOpen_ = false;
  std::int64_t workStartMs_ = 0;
  int hiddenWordsFound_ = 0;

  WritingContext ctx_;
  SpokenSequence spoken_;
};

class FrenchModule : public WritingModule {
 public:
  explicit FrenchModule(WritingContext context) : WritingModule(context) {}
  base::ModuleId Id() const override { return base::ModuleId::kFrancais; }
};

class ListModule : public WritingModule {
 public:
  explicit ListModule(WritingContext context)
      : WritingModule(context),
        dictation_({context.state, context.board.Cells(), context.board.Grid(), context.pictures,
                    context.words, context.listDialog, context.platform, context.speech,
                    context.autoAdvanceSeconds, context.noEffects, spoken_, context.work}) {}
  base::ModuleId Id() const override { return base::ModuleId::kListe; }
  void Leave(base::ModuleId next) override {
    dictation_.EndSession();
    WritingModule::Leave(next);
  }
  // The dictation's grid is no text of its own: it keeps nothing.
  void SaveWork() override {}
  exercises::Dictation& Dictation() { return dictation_; }

 protected:
  bool IsDictation() const override { return true; }
  bool EchoAttempt() override { return dictation_.Echo(); }
  void TilePlaced() override { dictation_.TilePlaced(); }
  void WordFound() override { dictation_.WordFound(); }

 private:
  exercises::Dictation dictation_;
};

class MathModule : public WritingModule {
 public:
  explicit MathModule(WritingContext context) : WritingModule(context) {}
  base::ModuleId Id() const override { return base::ModuleId::kMathematique; }

 protected:
  bool UsesKeypad() const override { return true; }
  const std::filesystem::path& TextFile() const override { return ctx_.state.mathTextPath; }
};

}  // namespace exercises
