// The view's life: construction, window creation, resizing and the first-run initialisation.
#include <string>

#include "app/scribix_view.h"
#include "base/files.h"
#include "effects/fireworks_names.h"
#include "ports/picture_loading.h"
#include "puzzle/default_picture.h"

namespace app {

namespace fs = std::filesystem;

CScribixView::CScribixView(ports::Platform& platformPorts, fs::path programFolder,
                           fs::path dataFolder)
    : platform_(platformPorts),
      speech_(platformPorts.voice),
      sounds_(platformPorts.sound, programFolder),
      tooltips_(platformPorts.window, platformPorts.dialogHost),
      dialogActions_({state_, platformPorts.window, grid_, icons_, layout_, settingsFile_,
                      settingsDialog_, editorDialog_, Shown(),
                      [this](ModuleId target) { SelectModule(target); }}),
      listDialog_(platformPorts.dialogHost, platformPorts.dialogs, dialogActions_, wordList_,
                  random_, platformPorts.clock),
      editorDialog_(
          platformPorts.dialogHost, platformPorts.dialogs, dialogActions_,
          base::FolderWithCopy(programFolder, dataFolder, exercises::CCEdit::kExerciseFolderName) /
              exercises::CCEdit::kExerciseFolderName),
      settingsDialog_(platformPorts.dialogHost, keyboardLook_),
      puzzleDialog_(platformPorts.dialogHost),
      voiceWarning_(programFolder, dataFolder),
      layout_(state_, platformPorts.window, platformPorts.pictures, keyboardPictures_, icons_,
              settingsDialog_, Shown()),
      settingsFile_(
          state_, settingsDialog_, listDialog_, platformPorts.dialogHost,
          [this](std::int32_t colours) { keyboardLook_.ApplyKeyboardColours(colours); },
          [this] { return layout_.ChosenZoomIndex(); }),
      keyboardLook_(state_, platformPorts.window, layout_, settingsFile_, settingsDialog_, voices_,
                    speech_, trace_, grid_, Shown(),
                    {[this] { WriteSettings(); }, [this] { SaveModuleText(); },
                     [this] { BuildKeyboard(); }, [this] { dialogActions_.ResetGrid(); }}),
      rewards_({backBuffer_, backBufferValid_, platformPorts.window}, platformPorts.clock,
               platformPorts.sound, platformPorts.timers, random_, state_, settingsDialog_,
               wordList_, grid_),
      french_(WritingParts()),
      list_(WritingParts()),
      math_(WritingParts()),
      puzzle_(PuzzleParts()),
      modules_(MakeModuleSwitch()) {
  speech_.Start();

  state_.programFolder = std::move(programFolder);
  state_.dataFolder = std::move(dataFolder);
  trace_.Start(state_.dataFolder / "debug.txt");

  state_.settingsPath = state_.dataFolder / "defaut";
  state_.frenchTextPath = state_.dataFolder / "defautabc";
  state_.mathTextPath = state_.dataFolder / "defautm";
  state_.puzzleStatePath = state_.dataFolder / "defautpuz";
  state_.picturePath = state_.programFolder / puzzle::kPictureFolder / puzzle::kDefaultPictureFile;

  trace_.Line("dlgopenlist2\n");
  listDialog_.autoAdvanceSelection = 0;

  trace_.Line("InitBitmapBack\n");
  rewards_.LoadFireworks(platform_.pictures);

  trace_.Line("dlgEdit\n");
  trace_.Line("dlgconfigABC\n");
  trace_.Line("InitDS\n");
  settingsDialog_.SetDefaults();

  trace_.Line("dlgconfigP\n");
  puzzleDialog_.noSounds = false;
  puzzleDialog_.noEffects = false;

  puzzle_.puzzleZoom = 1.0f;
  puzzle_.modelZoom = 0.4f;
  puzzle_.requestedPieces = puzzle::kDefaultPieces;
  puzzle_.puzzleZoomIndex = puzzle::kDefaultPuzzleZoomIndex;
  puzzle_.modelZoomIndex = puzzle::kDefaultModelZoomIndex;
  settingsFile_.autoPlace = 0;
  settingsFile_.autoAdvanceSeconds = 0;
  grid_.cursorRect = {};
  puzzleDialog_.ShowValues(puzzle_.puzzleZoomIndex, puzzle_.modelZoomIndex,
                           puzzle_.requestedPieces);

  trace_.Line("InitBitmap\n");
  keyboardPictures_.Load(platform_.pictures, platform_.dialogs, state_.programFolder,
                         state_.keyboardZoomIndex);

  trace_.Line("OpenB\n");
  layout_.LoadIcons();

  grid_.ResetAll();

  trace_.Line("InitialiseKey\n");
  BuildKeyboard();
  state_.keyCount = state_.itemCount = keyboard::kLetterKeys;
  const std::int32_t colours = settingsDialog_.colourSelection;
  const std::int32_t zoom = settingsDialog_.zoomSelection;
  platform_.window.InvalidateAll(true);

  trace_.Line("ChangeFontZ\n");
  keyboardLook_.ApplyKeyboardLook(colours, zoom);

  trace_.Line("OnReadDefaut\n");
  settingsFile_.loading = 0;
  // A solved dictation word plays the next reward of the cycle.
  list_.Dictation().playRewardEffect = [this](const gfx::Rect& cells) {
    rewards_.PlayWordReward(cells);
  };
}

CScribixView::~CScribixView() {
  speech_.Shutdown();
}

int CScribixView::OnCreate() {
  platform_.timers.Start(base::kTimerAnimation, 50);
  platform_.timers.Start(base::kTimerFirstRun, 600);
  platform_.timers.Start(base::kTimerTooltip, 500);
  return 0;
}

void CScribixView::OnSize() {
  backBufferValid_ = false;
  if (ActiveModule() != ModuleId::kPuzzle) layout_.LayoutView();
}

void CScribixView::FirstRunInit() {
  if (firstRunDone_) return;
  firstRunDone_ = true;
  trace_.Line("Init populate voice\n");
  speech::FoundVoices found = speech::DiscoverVoices(platform_.voices, trace_);
  voices_ = std::move(found.table);
  settingsDialog_.SetVoices(voices_.voiceNames, found.defaultVoice);
  if (found.defaultVoice >= 0) {
    speech::SelectVoice(voices_, speech_, trace_, found.defaultVoice, speech::kStartupRate,
                        speech::kStartupVolume);
  }
  trace_.Line("END List desc3\n");
  if (voiceWarning_.ShouldOffer(found.frenchVoices)) {
    platform_.dialogHost.RunModal(ports::DialogId::kVoiceWarning);
  }
  trace_.Line("End populate voice\n");

  const std::int32_t remembered = settingsFile_.loading;
  settingsFile_.loading = 1;
  settingsFile_.Read();
  settingsFile_.loading = remembered;

  keyboardLook_.FitWindowToContent();
}

exercises::WritingContext CScribixView::WritingParts() {
  return {state_,
          tileBoard_,
          keys_,
          keyboardPictures_,
          editorDialog_,
          listDialog_,
          wordList_,
          settingsFile_.autoPlace,
          settingsDialog_.noSounds,
          settingsDialog_.noEffects,
          settingsFile_.autoAdvanceSeconds,
          platform_,
          speech_,
          sounds_,
          [this](const gfx::Rect& area) { DrawNow(area); },
          settingsDialog_.cellsSelection,
          settingsDialog_.linesSelection};
}

exercises::WritingModule* CScribixView::Writing() {
  switch (ActiveModule()) {
    case ModuleId::kFrancais:
      return &french_;
    case ModuleId::kListe:
      return &list_;
    case ModuleId::kMathematique:
      return &math_;
    case ModuleId::kPuzzle:
      break;
  }
  return nullptr;
}

ShownModule CScribixView::Shown() {
  return {[this] { return ActiveModule(); }, [this]() -> Module& { return Active(); },
          [this] { return Writing(); }};
}

void CScribixView::OpenManual() {
  platform_.desktop.Open(state_.programFolder / "Documentation-Scribix.pdf");
}

}  // namespace app
