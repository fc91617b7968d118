#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

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

// What the child sees of the grid, read through the view.
// The text of grid line `line` (Windows-1252), without the blanks after its last character.
std::string GridLine(app::CScribixView& view, int line);
// The character in cell (column, line), blank when empty.
char GridChar(app::CScribixView& view, int column, int line);
// The tile lying in cell (column, line): its place in the cell table, or -1 when there is none.
int TileIndexAt(app::CScribixView& view, int column, int line);
// The letter of that tile, or none.
std::optional<char> TileAt(app::CScribixView& view, int column, int line);
// The record the mouse holds (a tile or a puzzle piece), or none.
std::optional<int> HeldTile(app::CScribixView& view);

// A point just inside key `key`, where the child's finger lands on it.
gfx::Point OnKey(app::CScribixView& view, int key);
// The letter key `key` shows now.
char KeyLetter(app::CScribixView& view, int key);

// The cell where the next letter goes.
struct Cursor {
  int column = 0;
  int line = 0;
  bool operator==(const Cursor&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const Cursor& cursor) {
  return out << "(" << cursor.column << ", " << cursor.line << ")";
}
Cursor CursorOf(app::CScribixView& view);

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
  // A click on key `key`.
  void ClickKey(int key);
  // A press on the middle of an icon.
  void ClickIcon(base::icons::IconId icon);
  // The child enters a module by its icon (from the dictation, the puzzle is entered through
  // Français, whose icon the dictation's "next word" leaves free).
  void EnterModule(app::ModuleId module);
  // Timer 1 ticks `count` times.
  void Tick(int count = 1);

  TempFolder program;
  TempFolder data;
  // This program in the lock of a child's folder.
  notebook::LockOwner owner{"poste-1", "1"};
  FakePlatform fake;
  std::unique_ptr<app::CScribixView> view;
};

}  // namespace testing_support
