#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "app/icon_bar.h"
#include "app/random_generator.h"
#include "exercises/edit_dialog.h"
#include "exercises/open_list_dialog.h"
#include "exercises/word_list.h"
#include "gfx/canvas.h"
#include "gfx/image.h"
#include "keyboard/cell_table.h"
#include "keyboard/keyboard_layout.h"
#include "keyboard/keyboard_pictures.h"
#include "keyboard/writing_grid.h"
#include "ports/platform.h"
#include "puzzle/config_puzzle.h"
#include "speech/config_abc.h"
#include "speech/speech_engine.h"
#include "speech/voices.h"

namespace app {

// The view's timers.
enum TimerId : int {
  kTimerAnimation = 1,
  kTimerTooltip = 2,
  kTimerNextWord = 3,
  kTimerLongPress = 25,
  kTimerFirstRun = 222,
  kTimerBlink = 997,
  kTimerFixedSuccess = 998,
  kTimerWordSuccess = 999,
};

// The program: the one window the child works in. Built with the platform's ports and driven
// through its window messages.
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
  // Composes the invalidated area into the back buffer; the window then copies that area.
  void OnDraw(gfx::Rect clip);
  const gfx::Image& BackBuffer() const { return backBuffer; }

  // Life, layout and timers.
  void LayoutView();
  void FitWindowToContent();
  void FirstRunInit();
  void TraceLine(std::string_view text);
  void ApplyKeyboardLook(std::int32_t colourIndex, std::int32_t zoomIndex);
  void ApplyKeyboardColours(std::int32_t colourIndex);
  // Zoom factor, key and cell size and the icon scale for a zoom index.
  void SetKeyboardZoom(std::int32_t zoomIndex);

  // Settings file.
  void ReadSettings();
  void WriteSettings();
  std::string SettingsBytes() const;
  void ApplySettingsBytes(std::string_view bytes);

  // Painting.
  void PaintScreen(gfx::Canvas& canvas);
  void ChooseBackgroundColour();
  static void ShadesForBackground(gfx::Colour chosen, bool inPuzzle, gfx::Colour& shade1,
                                  gfx::Colour& shade2);
  int Delay(int ms);

  // Module texts.
  void LoadFrenchText();
  void SaveFrenchText();
  void LoadMathText();
  void SaveMathText();

  // Keyboard.
  void BuildKeyboard();
  void SetKeyLabels(bool shift, bool signs);
  void SetKeypadLabels();
  void ResetGrid();
  gfx::Rect CellRect(int column, int line) const;

  // Icon bar and tooltips.
  void LoadIcons();
  void UpdateIconRects(gfx::Size client);
  std::string TooltipTextAt(gfx::Point point) const;
  void TooltipTick();
  void ShowTip(int x, int y, const std::string& text);
  void OpenManual();

  // Drawing steps of the paint.
  void DrawIcons(gfx::Canvas& canvas);
  void DrawKeyboardPanel(gfx::Canvas& canvas);
  void DrawItems(gfx::Canvas& canvas);
  void DrawGrid(gfx::Canvas& canvas);
  void FrameHiddenTile(gfx::Canvas& canvas, int item);
  void FrameMarkedTile(gfx::Canvas& canvas, int item);
  bool IsAnyDialogVisible() const;

  ports::Platform& platform;
  AppState state;
  RandomGenerator random;
  speech::SpeechEngine speech;

  // Back buffer; dropped at each resize and made again by the next paint.
  gfx::Image backBuffer;
  bool backBufferValid = false;

  // The picture the keys and tiles are copied from: the current keyboard picture, or in the
  // puzzle the picture the pieces are cut from.
  const gfx::Image* puzzleBitmap = nullptr;
  gfx::Image modelBitmap;
  std::int32_t modelShown = 0;
  IconBar icons;
  TooltipState tips;

  exercises::COpenList2 listDialog;
  exercises::CCEdit editorDialog;
  speech::CConfigABC settingsDialog;
  puzzle::CConfigPuzzle puzzleDialog;

  float puzzleZoom = 1.0f;
  float modelZoom = 0.4f;
  std::int32_t puzzleZoomIndex = 9;
  std::int32_t modelZoomIndex = 3;
  std::int32_t requestedPieces = 25;
  std::int32_t settingsLoading = 0;
  std::int32_t autoPlace = 0;
  std::int32_t autoAdvanceSeconds = 0;
  std::int32_t animationTimer = 0;

  std::string lastCelebratedText;
  std::int32_t lastCelebratedIndex = -1;

  keyboard::CellTable cells;
  keyboard::KeyboardState keys;
  keyboard::KeyboardPictures keyboardPictures;
  keyboard::WritingGrid grid;
  exercises::WordList wordList;
  speech::VoiceTable voices;
  // Tiles being moved together (long press); the held record.
  std::int32_t selectionCount = 0;
  std::vector<std::int32_t> selection;
  std::int32_t selectedPiece = -1;
  // Fireworks frames, decoded at their own size; fitted to the screen when they play.
  std::vector<gfx::Image> fireworksFrames;

 private:
  void LoadFireworks();
  void StartTrace();
  bool firstRunDone_ = false;
};

}  // namespace app
