// The editor's text into the grid and back: after one round the mirror's text reads back into
// the same grid, so a second round changes nothing.
#include "fuzz_input.h"
#include "grid/grid_text.h"
#include "keyboard/keyboard_layout.h"
#include "support/fake_ports.h"
#include "support/view_harness.h"

namespace {

struct Desk {
  explicit Desk(bool keypad) {
    testing_support::AddProgramPictures(fakePictures, "/program");
    pictures.Load(fakePictures, dialogs, "/program", 0);
    const keyboard::KeyGeometry geometry{1.0f, 40, 40, {310, 470}};
    const keyboard::KeyCounts counts = keypad
                                           ? keyboard::LayoutKeypad(geometry, cells, keys)
                                           : keyboard::LayoutLetterKeyboard(geometry, cells, keys);
    keyboard::WriteKeyLabels(cells, keypad ? keyboard::PageKeypad : keyboard::PageLower);
    state.keyCount = state.itemCount = counts.keyCount;
  }

  testing_support::FakePictures fakePictures;
  testing_support::FakeUserDialogs dialogs;
  keyboard::KeyboardPictures pictures;
  keyboard::KeyboardState keys;
  base::AppState state;
  base::CellTable cells;
  grid::WritingGrid grid;
  grid::GridTiles g{state, cells, grid, pictures};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Desk letters(false);
  static Desk keypad(true);
  std::string_view bytes = fuzzing::Bytes(data, size);
  const unsigned char choice = fuzzing::TakeByte(bytes);
  const bool onKeypad = (choice & 1) != 0;
  Desk& desk = onKeypad ? keypad : letters;
  desk.state.gridColumns = 2 + (choice >> 1) % 39;
  desk.state.gridLines = 1 + fuzzing::TakeByte(bytes) % 8;
  grid::LoadTextIntoGrid(desk.g, bytes, false, onKeypad, {});
  const std::string once = grid::MirrorGridToEditor(desk.g);
  grid::LoadTextIntoGrid(desk.g, once, false, onKeypad, {});
  const std::string twice = grid::MirrorGridToEditor(desk.g);
  fuzzing::Check(once == twice, "mirror(import(text)) stable after one round");
  fuzzing::Check(desk.state.itemCount <= base::kMaxItems, "tile table overflow");
  return 0;
}
