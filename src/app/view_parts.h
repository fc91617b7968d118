#pragma once

#include <filesystem>

#include "app/class_session.h"
#include "app/config_abc.h"
#include "app/eleves_dialog.h"
#include "app/icon_bar.h"
#include "app/module_switch.h"
#include "app/settings_actions.h"
#include "app/settings_file.h"
#include "app/tooltips.h"
#include "base/app_state.h"
#include "base/cell_table.h"
#include "base/held_record.h"
#include "base/random.h"
#include "base/trace.h"
#include "exercises/edit_dialog.h"
#include "exercises/editor_actions.h"
#include "exercises/open_list_dialog.h"
#include "exercises/word_list.h"
#include "exercises/writing_module.h"
#include "gfx/image.h"
#include "grid/tile_board.h"
#include "grid/tile_selection.h"
#include "grid/writing_grid.h"
#include "keyboard/keyboard_layout.h"
#include "keyboard/keyboard_pictures.h"
#include "notebook/profile_chooser.h"
#include "ports/platform.h"
#include "puzzle/config_puzzle.h"
#include "puzzle/puzzle_module.h"
#include "speech/sound_effects.h"
#include "speech/speech_engine.h"
#include "speech/voice_warning.h"
#include "speech/voices.h"

namespace app {

// The screen composed off-window; dropped at each resize and made again by the next paint.
struct ScreenBuffer {
  gfx::Image image;
  bool valid = false;
};

// The voice that speaks, the sound effects and the voices found on the system.
struct ViewVoice {
  ViewVoice(ports::Voice& voice, ports::SoundPlayer& player,
            const std::filesystem::path& programFolder)
      : speech(voice), sounds(player, programFolder) {}

  speech::SpeechEngine speech;
  speech::SoundEffects sounds;
  speech::VoiceTable voices;
};

// The keyboard and the grid: the cell table they share, the keys, their pictures, the grid's
// layers, the selection, the held tile, and the tile board the writing modules reach them through.
struct ViewBoard {
  explicit ViewBoard(base::AppState& state)
      : tiles(state, cells, grid, pictures, selection, held) {}

  base::CellTable cells;
  keyboard::KeyboardState keys;
  keyboard::KeyboardPictures pictures;
  grid::WritingGrid grid;
  grid::TileSelection selection;
  base::HeldRecord held;
  grid::TileBoard tiles;
  // The colours of the syllables of the words in the grid.
  exercises::SyllableColours syllableColours;
};

// The dialogs' models; the windows only show them.
struct ViewDialogs {
  ViewDialogs(ports::Platform& platform, exercises::ListActions& listActions,
              exercises::EditorActions& editorActions, SettingsActions& settingsActions,
              exercises::WordList& words, base::RandomGenerator& random,
              const std::filesystem::path& programFolder, const std::filesystem::path& dataFolder);

  exercises::COpenList2 list;
  exercises::CCEdit editor;
  CConfigABC settings;
  puzzle::CConfigPuzzle puzzle;
  speech::CAvert2 voiceWarning;
};

// The four modules, "Qui travaille ?", and the switch that hands the messages to one of them.
struct ViewModules {
  ViewModules(const exercises::WritingContext& writing, const puzzle::PuzzleContext& puzzleParts,
              notebook::ChooserContext chooserParts, ModuleSwitch::Steps steps)
      : french(writing),
        list(writing),
        math(writing),
        puzzle(puzzleParts),
        chooser(std::move(chooserParts)),
        switcher({&french, &list, &math, &puzzle, &chooser}, std::move(steps)) {}

  exercises::FrenchModule french;
  exercises::ListModule list;
  exercises::MathModule math;
  puzzle::PuzzleModule puzzle;
  notebook::ProfileChooser chooser;
  ModuleSwitch switcher;
};

// The parts of the program the shell's windows and the tests reach.
struct ViewParts {
  base::AppState& state;
  base::CellTable& cells;
  grid::WritingGrid& grid;
  exercises::WordList& words;
  base::HeldRecord& held;
  const keyboard::KeyboardState& keys;
  const keyboard::KeyboardPictures& pictures;
  const IconBar& icons;
  const TooltipState& tips;
  const speech::VoiceTable& voices;
  puzzle::PuzzleModule& puzzle;
  base::Trace& trace;
  speech::SpeechEngine& speech;
  // The settings kept between runs, as the file has them.
  SettingsFile& settings;
  exercises::COpenList2& listDialog;
  exercises::Dictation& dictation;
  exercises::CCEdit& editorDialog;
  CConfigABC& settingsDialog;
  puzzle::CConfigPuzzle& puzzleDialog;
  speech::CAvert2& voiceWarning;
  // The children of the class, and the window "Élèves".
  ClassSession& classSession;
  CEleves& eleves;
};

}  // namespace app
