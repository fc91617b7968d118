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
      listDialog_(platformPorts.dialogHost, platformPorts.dialogs, *this, wordList_, random_,
                  platformPorts.clock),
      editorDialog_(
          platformPorts.dialogHost, platformPorts.dialogs, *this,
          base::FolderWithCopy(programFolder, dataFolder, exercises::CCEdit::kExerciseFolderName) /
              exercises::CCEdit::kExerciseFolderName),
      settingsDialog_(platformPorts.dialogHost, *this),
      puzzleDialog_(platformPorts.dialogHost),
      voiceWarning_(programFolder, dataFolder),
      french_(WritingParts()),
      list_(WritingParts()),
      math_(WritingParts()),
      puzzle_(PuzzleParts()) {
  modules_ = {&french_, &list_, &math_, &puzzle_};
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
  LoadFireworks();

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
  autoPlace_ = 0;
  autoAdvanceSeconds_ = 0;
  grid_.cursorRect = {};
  puzzleDialog_.ShowValues(puzzle_.puzzleZoomIndex, puzzle_.modelZoomIndex,
                           puzzle_.requestedPieces);

  trace_.Line("InitBitmap\n");
  keyboardPictures_.Load(platform_.pictures, platform_.dialogs, state_.programFolder,
                         state_.keyboardZoomIndex);

  trace_.Line("OpenB\n");
  LoadIcons();

  grid_.ResetAll();

  trace_.Line("InitialiseKey\n");
  BuildKeyboard();
  state_.keyCount = state_.itemCount = keyboard::kLetterKeys;
  const std::int32_t colours = settingsDialog_.colourSelection;
  const std::int32_t zoom = settingsDialog_.zoomSelection;
  platform_.window.InvalidateAll(true);

  trace_.Line("ChangeFontZ\n");
  ApplyKeyboardLook(colours, zoom);

  trace_.Line("OnReadDefaut\n");
  settingsLoading_ = 0;
  // A solved dictation word plays the next reward of the cycle.
  list_.Dictation().playRewardEffect = [this](const gfx::Rect& cells) { PlayWordReward(cells); };
}

CScribixView::~CScribixView() {
  speech_.Shutdown();
}

void CScribixView::LoadFireworks() {
  fireworks_.Load(platform_.pictures, state_.programFolder);
}

int CScribixView::OnCreate() {
  platform_.timers.Start(base::kTimerAnimation, 50);
  animationTimer_ = base::kTimerAnimation;
  platform_.timers.Start(base::kTimerFirstRun, 600);
  platform_.timers.Start(base::kTimerTooltip, 500);
  return 0;
}

void CScribixView::OnSize() {
  backBufferValid_ = false;
  if (module_ != ModuleId::kPuzzle) LayoutView();
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

  const std::int32_t remembered = settingsLoading_;
  settingsLoading_ = 1;
  ReadSettings();
  settingsLoading_ = remembered;

  FitWindowToContent();
}

exercises::WritingContext CScribixView::WritingParts() {
  return {state_,
          tileBoard_,
          keys_,
          keyboardPictures_,
          editorDialog_,
          listDialog_,
          wordList_,
          autoPlace_,
          settingsDialog_.noSounds,
          settingsDialog_.noEffects,
          autoAdvanceSeconds_,
          platform_,
          speech_,
          sounds_,
          [this](const gfx::Rect& area) { DrawNow(area); }};
}

exercises::WritingModule* CScribixView::Writing() {
  switch (module_) {
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

void CScribixView::SetActiveModule(ModuleId id) {
  module_ = id;
}

bool CScribixView::IsAnyDialogVisible() const {
  using ports::DialogId;
  const auto& host = platform_.dialogHost;
  return host.IsVisible(DialogId::kSettings) || host.IsVisible(DialogId::kPuzzleSettings) ||
         host.IsVisible(DialogId::kEditor) || host.IsVisible(DialogId::kWordLists);
}

void CScribixView::AutoAdvanceChanged(std::int32_t seconds) {
  autoAdvanceSeconds_ = seconds;
}

void CScribixView::DictationButtonShownChanged(bool helpButton) {
  const gfx::Rect icon = icons_[helpButton ? IconHelp : IconSolution];
  platform_.window.Invalidate(gfx::Rect::FromSize(icon.left, icon.top, 40, 40), true);
}

std::filesystem::path CScribixView::ListFolder() const {
  // The user's copy of the sample lists once the program has made one.
  const char* name = exercises::COpenList2::kListFolderName;
  return base::FolderWithCopy(state_.programFolder, state_.dataFolder, name) / name;
}

void CScribixView::OpenManual() {
  platform_.desktop.Open(state_.programFolder / "Documentation-Scribix.pdf");
}

}  // namespace app
