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
                           fs::path dataFolder, notebook::LockOwner owner)
    : platform_(platformPorts),
      voice_(platformPorts.voice, platformPorts.sound, programFolder),
      tooltips_(platformPorts.window, platformPorts.dialogHost, platformPorts.timers),
      board_(state_),
      dialogActions_({state_, platformPorts.window, board_.grid, icons_, layout_, settingsFile_,
                      dialogs_.settings, dialogs_.editor, Shown(),
                      [this](ModuleId target) { SelectModule(target); }}),
      dialogs_(platformPorts, dialogActions_, dialogActions_, keyboardLook_, wordList_, random_,
               programFolder, dataFolder),
      layout_(state_, platformPorts.window, platformPorts.pictures, board_.pictures, icons_,
              dialogs_.settings, Shown()),
      settingsFile_(
          state_, dialogs_.settings, dialogs_.list, platformPorts.dialogHost,
          [this](std::int32_t colours) { keyboardLook_.ApplyKeyboardColours(colours); },
          [this] { return layout_.ChosenZoomIndex(); }),
      keyboardLook_(
          state_, platformPorts.window, layout_, settingsFile_, dialogs_.settings, voice_.voices,
          voice_.speech, trace_, board_.grid, Shown(),
          {[this] { WriteSettings(); }, [this] { SaveModuleText(); }, [this] { BuildKeyboard(); },
           [this] { dialogActions_.ResetGrid(); }, [this] { ReadSyllableExceptions(true); }}),
      rewards_({backBuffer_.image, backBuffer_.valid, platformPorts.window}, platformPorts.clock,
               platformPorts.sound, platformPorts.timers, random_, state_, dialogs_.settings,
               wordList_, board_.grid),
      class_(platformPorts.clock, platformPorts.dialogs, dataFolder, std::move(owner)),
      eleves_(platformPorts.dialogHost, platformPorts.dialogs, class_),
      notebook_(dataFolder, {state_, platformPorts, voice_.speech, dialogs_.list,
                             [this] { StartDictationAfresh(); }}),
      modules_(WritingParts(), PuzzleParts(), ChooserParts(), ModuleSteps()) {
  voice_.speech.Start();

  state_.programFolder = std::move(programFolder);
  state_.dataFolder = std::move(dataFolder);
  trace_.Start(state_.dataFolder / "debug.txt");

  state_.settingsPath = state_.dataFolder / "defaut";
  state_.frenchTextPath = state_.dataFolder / "defautabc";
  state_.mathTextPath = state_.dataFolder / "defautm";
  state_.puzzleStatePath = state_.dataFolder / "defautpuz";
  state_.picturePath = state_.programFolder / puzzle::kPictureFolder / puzzle::kDefaultPictureFile;

  // The program works in the data folder, or in the folder of the class's only child; a class
  // of several children starts on "Qui travaille ?".
  class_.SetHooks(ClassParts());
  const ClassSession::Start start = class_.Open();
  SetWorkPaths(start.folder);

  trace_.Line("dlgopenlist2\n");
  dialogs_.list.autoAdvanceSelection = 0;

  trace_.Line("InitBitmapBack\n");
  rewards_.LoadFireworks(platform_.pictures);

  trace_.Line("dlgEdit\n");
  trace_.Line("dlgconfigABC\n");
  trace_.Line("InitDS\n");
  dialogs_.settings.SetDefaults();

  trace_.Line("dlgconfigP\n");
  dialogs_.puzzle.noSounds = false;
  dialogs_.puzzle.noEffects = false;

  modules_.puzzle.puzzleZoom = 1.0f;
  modules_.puzzle.modelZoom = 0.4f;
  modules_.puzzle.requestedPieces = puzzle::kDefaultPieces;
  modules_.puzzle.puzzleZoomIndex = puzzle::kDefaultPuzzleZoomIndex;
  modules_.puzzle.modelZoomIndex = puzzle::kDefaultModelZoomIndex;
  settingsFile_.autoPlace = 0;
  settingsFile_.autoAdvanceSeconds = 0;
  board_.grid.cursorRect = {};
  dialogs_.puzzle.ShowValues(modules_.puzzle.puzzleZoomIndex, modules_.puzzle.modelZoomIndex,
                             modules_.puzzle.requestedPieces);

  trace_.Line("InitBitmap\n");
  board_.pictures.Load(platform_.pictures, platform_.dialogs, state_.programFolder,
                       state_.keyboardZoomIndex);

  trace_.Line("OpenB\n");
  layout_.LoadIcons();

  board_.grid.ResetAll();

  trace_.Line("InitialiseKey\n");
  BuildKeyboard();
  state_.keyCount = state_.itemCount = keyboard::kLetterKeys;
  const std::int32_t colours = dialogs_.settings.colourSelection;
  const std::int32_t zoom = dialogs_.settings.zoomSelection;
  platform_.window.InvalidateAll(true);

  trace_.Line("ChangeFontZ\n");
  keyboardLook_.ApplyKeyboardLook(colours, zoom);

  trace_.Line("OnReadDefaut\n");
  settingsFile_.loading = 0;
  // A solved dictation word plays the next reward of the cycle.
  modules_.list.Dictation().playRewardEffect = [this](const gfx::Rect& cells) {
    rewards_.PlayWordReward(cells);
  };
  if (start.chooser) modules_.switcher.StartOn(ModuleId::kQuiTravaille);
  // The teacher's and the child's ways into the notebook.
  dialogs_.settings.showReport = [this](std::int32_t period) {
    notebook_.ShowReport(static_cast<notebook::ReportPeriod>(period));
  };
  dialogs_.settings.exportJournal = [this] { notebook_.ExportCsv(); };
  dialogs_.list.reviewMissedWords = [this] { notebook_.ReviewMissedWords(); };
}

CScribixView::~CScribixView() {
  voice_.speech.Shutdown();
}

int CScribixView::OnCreate() {
  // The animation and tooltip timers start with what they move.
  AfterMessage after{*this};
  platform_.timers.Start(base::kTimerFirstRun, 600);
  // A class's child keeps their folder for this program while it runs.
  if (class_.Book().Count() > 0) {
    platform_.timers.Start(base::kTimerProfileLock, notebook::ProfileLock::kRefreshMs);
  }
  return 0;
}

void CScribixView::OnSize() {
  AfterMessage after{*this};
  backBuffer_.valid = false;
  if (ActiveModule() != ModuleId::kPuzzle) layout_.LayoutView();
}

void CScribixView::FirstRunInit() {
  if (firstRunDone_) return;
  firstRunDone_ = true;
  trace_.Line("Init populate voice\n");
  speech::FoundVoices found = speech::DiscoverVoices(platform_.voices, trace_);
  voice_.voices = std::move(found.table);
  dialogs_.settings.SetVoices(voice_.voices.voiceNames, found.defaultVoice);
  if (found.defaultVoice >= 0) {
    speech::SelectVoice(voice_.voices, voice_.speech, trace_, found.defaultVoice,
                        speech::kStartupRate, speech::kStartupVolume);
  }
  trace_.Line("END List desc3\n");
  if (dialogs_.voiceWarning.ShouldOffer(found.frenchVoices)) {
    platform_.dialogHost.RunModal(ports::DialogId::kVoiceWarning);
  }
  trace_.Line("End populate voice\n");

  const std::int32_t remembered = settingsFile_.loading;
  settingsFile_.loading = 1;
  settingsFile_.Read();
  settingsFile_.loading = remembered;
  // A teacher's file with a mistake is told when its colours are in use.
  ReadSyllableExceptions(dialogs_.settings.syllableLook.on);

  keyboardLook_.FitWindowToContent();
  if (ActiveModule() == ModuleId::kQuiTravaille) AskWhoWorks();
  class_.TellPending();
}

exercises::WritingContext CScribixView::WritingParts() {
  return {state_,
          board_.tiles,
          board_.keys,
          board_.pictures,
          dialogs_.editor,
          dialogs_.list,
          wordList_,
          settingsFile_.autoPlace,
          dialogs_.settings.noSounds,
          dialogs_.settings.noEffects,
          settingsFile_.autoAdvanceSeconds,
          platform_,
          voice_.speech,
          voice_.sounds,
          [this](const gfx::Rect& area) { DrawNow(area); },
          dialogs_.settings.cellsSelection,
          dialogs_.settings.linesSelection,
          dialogs_.settings.syllableLook,
          board_.syllableColours,
          notebook_.Log()};
}

void CScribixView::ReadSyllableExceptions(bool tellRefused) {
  const std::vector<std::string> refused =
      board_.syllableColours.ReadExceptions(state_.programFolder, state_.dataFolder);
  for (const std::string& line : refused) trace_.Line(line + "\n");
  if (!tellRefused || refused.empty()) return;
  // The first lines refused name the mistakes; the teacher mends them and tries again.
  constexpr std::size_t kNamed = 10;
  std::string text =
      "Syllabes en couleur : ces lignes du fichier des exceptions n'ont pas \xE9t\xE9 prises :";
  for (std::size_t k = 0; k < refused.size() && k < kNamed; ++k) text += "\n" + refused[k];
  if (refused.size() > kNamed) text += "\n...";
  platform_.dialogs.MessageBox(text, "Scribix", ports::MessageButtons::kOk,
                               ports::MessageIcon::kWarning);
}

exercises::WritingModule* CScribixView::Writing() {
  switch (ActiveModule()) {
    case ModuleId::kFrancais:
      return &modules_.french;
    case ModuleId::kListe:
      return &modules_.list;
    case ModuleId::kMathematique:
      return &modules_.math;
    case ModuleId::kPuzzle:
    case ModuleId::kQuiTravaille:
      break;
  }
  return nullptr;
}

ShownModule CScribixView::Shown() {
  return {[this] { return ActiveModule(); },
          [this]() -> Module& { return modules_.switcher.Active(); }, [this] { return Writing(); }};
}

void CScribixView::OpenManual() {
  platform_.desktop.Open(state_.programFolder / "Documentation-Scribix.pdf");
}

}  // namespace app
