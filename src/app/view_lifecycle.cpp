// The view's life: construction, window creation, resizing and the first-run initialisation.
#include <fstream>

#include "app/picture_helpers.h"
#include "app/scribix_view.h"
#include "effects/fireworks_names.h"
#include "puzzle/default_picture.h"
#include "text/cp1252.h"

namespace app {

namespace fs = std::filesystem;

CScribixView::CScribixView(ports::Platform& platformPorts, fs::path programFolder,
                           fs::path dataFolder)
    : platform(platformPorts),
      speech(platformPorts.voice),
      listDialog(*this),
      editorDialog(*this),
      settingsDialog(*this),
      puzzleDialog(*this) {
  speech.Start();

  state.programFolder = std::move(programFolder);
  state.dataFolder = std::move(dataFolder);
  state.tracePath = state.dataFolder / "debug.txt";
  StartTrace();

  state.settingsPath = state.dataFolder / "defaut";
  state.frenchTextPath = state.dataFolder / "defautabc";
  state.mathTextPath = state.dataFolder / "defautm";
  state.puzzleStatePath = state.dataFolder / "defautpuz";
  state.picturePath = state.programFolder / puzzle::kPictureFolder / puzzle::kDefaultPictureFile;

  TraceLine("dlgopenlist2\n");
  listDialog.autoAdvanceSelection = 0;

  TraceLine("InitBitmapBack\n");
  LoadFireworks();

  TraceLine("dlgEdit\n");
  TraceLine("dlgconfigABC\n");
  TraceLine("InitDS\n");
  settingsDialog.SetDefaults();

  TraceLine("dlgconfigP\n");
  puzzleDialog.noSounds = false;
  puzzleDialog.noEffects = false;

  puzzleZoom = 1.0f;
  modelZoom = 0.4f;
  requestedPieces = 25;
  puzzleZoomIndex = 9;
  modelZoomIndex = 3;
  autoPlace = 0;
  autoAdvanceSeconds = 0;
  grid.cursorRect = {};
  puzzleDialog.ShowValues(puzzleZoomIndex, modelZoomIndex, requestedPieces);

  TraceLine("InitBitmap\n");
  keyboardPictures.Load(platform.pictures, platform.dialogs, state.programFolder,
                        state.keyboardZoomIndex);

  TraceLine("OpenB\n");
  LoadIcons();

  grid.ResetAll();

  TraceLine("InitialiseKey\n");
  BuildKeyboard();
  state.keyCount = state.itemCount = keyboard::kLetterKeys;
  const std::int32_t colours = settingsDialog.colourSelection;
  const std::int32_t zoom = settingsDialog.zoomSelection;
  platform.window.InvalidateAll(true);

  TraceLine("ChangeFontZ\n");
  ApplyKeyboardLook(colours, zoom);

  TraceLine("OnReadDefaut\n");
  settingsLoading = 0;
}

CScribixView::~CScribixView() {
  speech.Shutdown();
}

void CScribixView::StartTrace() {
  if (state.traceEnabled == 0) return;
  std::ofstream out(state.tracePath, std::ios::binary | std::ios::trunc);
  if (out) out << "Start test \n";
}

void CScribixView::TraceLine(std::string_view text) {
  if (state.traceEnabled == 0) return;
  std::ofstream out(state.tracePath, std::ios::binary | std::ios::app);
  if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void CScribixView::LoadFireworks() {
  fireworksFrames.assign(effects::kFireworksFrameCount, gfx::Image{});
  for (int i = 0; i < effects::kFireworksFrameCount; ++i) {
    const fs::path path = state.programFolder / "resb" / effects::FireworksFrameFile(i);
    const auto picture = LoadPicture(platform.pictures, path);
    if (!picture) continue;
    fireworksFrames[static_cast<std::size_t>(i)] =
        ScalePicture(platform.pictures, picture.get(), 1.0f);
  }
}

int CScribixView::OnCreate() {
  platform.timers.Start(kTimerAnimation, 50);
  animationTimer = kTimerAnimation;
  platform.timers.Start(kTimerFirstRun, 600);
  platform.timers.Start(kTimerTooltip, 500);
  return 0;
}

void CScribixView::OnSize() {
  backBufferValid = false;
  if (!state.InPuzzle()) LayoutView();
}

void CScribixView::FirstRunInit() {
  if (firstRunDone_) return;
  firstRunDone_ = true;
  TraceLine("Init populate voice\n");
  speech::DiscoverVoices(*this);
  TraceLine("End populate voice\n");

  const std::int32_t remembered = settingsLoading;
  settingsLoading = 1;
  ReadSettings();
  settingsLoading = remembered;

  FitWindowToContent();
}

bool CScribixView::IsAnyDialogVisible() const {
  using ports::DialogId;
  const auto& host = platform.dialogHost;
  return host.IsVisible(DialogId::kSettings) || host.IsVisible(DialogId::kPuzzleSettings) ||
         host.IsVisible(DialogId::kEditor) || host.IsVisible(DialogId::kWordLists);
}

}  // namespace app
