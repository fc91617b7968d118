#pragma once

#include <memory>

#include "app/scribix_view.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"

namespace testing_support {

// The colour of the face of key (row, column) in the made-up keyboard pictures: each face is
// filled with it, so a copied face tells where it came from.
gfx::Colour FaceColour(int scheme, int page, int row, int column);
gfx::Colour KeypadFaceColour(int scheme, int row, int column);
gfx::Colour IconColour(int picture);

// Keyboard, keypad and icon pictures in the fake picture loader, as the program folder has them.
void AddProgramPictures(FakePictures& pictures, const std::filesystem::path& programFolder);

// A view on fake ports with its own program and data folders.
struct ViewHarness {
  explicit ViewHarness(bool withPictures = true);
  // With the program pictures and these voices installed.
  explicit ViewHarness(std::vector<std::vector<ports::VoiceInfo>> voices);

  // Constructs the view and its window (timers started).
  app::CScribixView& Create();
  app::CScribixView& View() { return *view; }
  // Composes the whole screen.
  const gfx::Image& Paint();
  // What the voice was given so far (Windows-1252), once the speech worker has handed it over.
  std::vector<std::string> Spoken();

  // The child's mouse: a press, moves in steps, a release. Points in the view.
  void Press(gfx::Point point);
  void MoveTo(gfx::Point from, gfx::Point to, int steps = 5);
  void Release(gfx::Point point);
  void Click(gfx::Point point);
  // Presses key `key`, drags the new tile onto cell (column, line) and lets it go.
  void WriteKeyInto(int key, int column, int line);
  // A press on the middle of an icon.
  void ClickIcon(base::icons::IconId icon);
  // The child enters a module by its icon (from the dictation, the puzzle is entered through
  // Français, whose icon the dictation's "next word" leaves free).
  void EnterModule(app::ModuleId module);
  // Timer 1 ticks `count` times.
  void Tick(int count = 1);

  TempFolder program;
  TempFolder data;
  FakePlatform fake;
  std::unique_ptr<app::CScribixView> view;
};

}  // namespace testing_support
