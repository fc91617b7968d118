#include "support/view_harness.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "base/mouse_keys.h"
#include "keyboard/keyboard_layout.h"
#include "keyboard/keyboard_pictures.h"
#include "text/cp1252.h"

namespace testing_support {

gfx::Colour FaceColour(int scheme, int page, int row, int column) {
  return gfx::Rgb(10 + row * 11 + column, 100 + scheme * 10 + page, 200);
}

gfx::Colour KeypadFaceColour(int scheme, int row, int column) {
  return gfx::Rgb(row * 5 + column, 50 + scheme, 150);
}

gfx::Colour IconColour(int picture) {
  return gfx::Rgb(picture, 240, 17);
}

namespace {

gfx::Image LetterPicture(int scheme, int page) {
  gfx::Image image(465, 160, gfx::Rgb(255, 255, 255));
  for (int row = 0; row < keyboard::kLetterRows; ++row) {
    int x = 0;
    for (int column = 0; column < keyboard::kLetterColumns; ++column) {
      const int w = keyboard::LetterKeyBaseWidth(row, column);
      for (int y = row * 40; y < row * 40 + 40; ++y) {
        for (int i = x; i < x + w && i < 465; ++i) {
          image.SetPixel(i, y, FaceColour(scheme, page, row, column));
        }
      }
      x += w;
    }
  }
  return image;
}

gfx::Image KeypadPicture(int scheme) {
  gfx::Image image(200, 160);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 5; ++column) {
      for (int y = row * 40; y < row * 40 + 40; ++y) {
        for (int x = column * 40; x < column * 40 + 40; ++x) {
          image.SetPixel(x, y, KeypadFaceColour(scheme, row, column));
        }
      }
    }
  }
  return image;
}

}  // namespace

void AddProgramPictures(FakePictures& pictures, const std::filesystem::path& programFolder) {
  const auto resb = programFolder / "resb";
  for (int scheme = 0; scheme < keyboard::kSchemeCount; ++scheme) {
    for (int page = 0; page < keyboard::kLetterPageCount; ++page) {
      pictures.files[resb / keyboard::LetterPictureName(scheme, page)] =
          LetterPicture(scheme, page);
    }
  }
  pictures.files[resb / "Math.bmp"] = KeypadPicture(0);
  pictures.files[resb / "MathN.bmp"] = KeypadPicture(2);
  for (int i = 0; i < base::icons::kIconPictureCount; ++i) {
    pictures.files[resb / base::icons::IconPictureFile(static_cast<base::icons::IconPicture>(i))] =
        gfx::Image(72, 72, IconColour(i));
  }
}

std::string GridLine(app::CScribixView& view, int line) {
  const auto& text = view.Parts().grid.text[static_cast<std::size_t>(line)];
  const std::string s(text.begin(), text.begin() + view.Parts().state.gridColumns);
  return s.substr(0, s.find_last_not_of(' ') + 1);
}

char GridChar(app::CScribixView& view, int column, int line) {
  return static_cast<char>(
      view.Parts().grid.text[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)]);
}

int TileIndexAt(app::CScribixView& view, int column, int line) {
  const auto parts = view.Parts();
  for (int i = parts.state.keyCount; i < parts.state.itemCount; ++i) {
    if (parts.cells[i].gridCol == column && parts.cells[i].gridRow == line) return i;
  }
  return -1;
}

std::optional<char> TileAt(app::CScribixView& view, int column, int line) {
  const int tile = TileIndexAt(view, column, line);
  if (tile < 0) return std::nullopt;
  return view.Parts().cells[tile].Letter();
}

std::optional<int> HeldTile(app::CScribixView& view) {
  const int held = view.Parts().held.selectedPiece;
  if (held < 0) return std::nullopt;
  return held;
}

gfx::Point OnKey(app::CScribixView& view, int key) {
  const base::CellRecord& k = view.Parts().cells[key];
  return {k.posX + 5, k.posY + 5};
}

char KeyLetter(app::CScribixView& view, int key) {
  return view.Parts().cells[key].Letter();
}

Cursor CursorOf(app::CScribixView& view) {
  const auto& grid = view.Parts().grid;
  return {grid.cursorCol, grid.cursorRow};
}

ViewHarness::ViewHarness(bool withPictures) {
  if (withPictures) AddProgramPictures(fake.pictures, program.Path());
}

ViewHarness::ViewHarness(std::vector<std::vector<ports::VoiceInfo>> voices) : ViewHarness(true) {
  fake.voices.sources = std::move(voices);
}

app::CScribixView& ViewHarness::Create() {
  view = std::make_unique<app::CScribixView>(fake.platform, program.Path(), data.Path(), owner);
  view->OnCreate();
  view->OnSize();
  return *view;
}

const gfx::Image& ViewHarness::Paint() {
  view->OnDraw(gfx::Rect{0, 0, fake.window.clientSize.width, fake.window.clientSize.height});
  return view->BackBuffer();
}

std::vector<std::string> ViewHarness::Spoken() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!view->Parts().speech.Idle() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  std::vector<std::string> texts;
  for (const auto& text : fake.voice.Spoken()) texts.push_back(text::FromUtf16(text));
  return texts;
}

void ViewHarness::Press(gfx::Point point) {
  view->OnLButtonDown(base::mouse::kLeftButton, point);
}

void ViewHarness::MoveTo(gfx::Point from, gfx::Point to, int steps) {
  for (int i = 1; i <= steps; ++i) {
    view->OnMouseMove(base::mouse::kLeftButton,
                      {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  }
}

void ViewHarness::Release(gfx::Point point) {
  view->OnLButtonUp(0, point);
}

void ViewHarness::Click(gfx::Point point) {
  Press(point);
  Release(point);
}

void ViewHarness::WriteKeyInto(int key, int column, int line) {
  const base::CellRecord& k = view->Parts().cells[key];
  const gfx::Point from{k.posX + k.width / 2, k.posY + k.height / 2};
  Press(from);
  const gfx::Rect cell = base::CellRect(view->Parts().state, column, line);
  const gfx::Point to{cell.left + (from.x - k.posX), cell.top + (from.y - k.posY)};
  MoveTo(from, to);
  Release(to);
}

void ViewHarness::ClickKey(int key) {
  Click(OnKey(*view, key));
}

void ViewHarness::ClickIcon(base::icons::IconId icon) {
  const gfx::Rect r = view->Parts().icons[icon];
  Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void ViewHarness::EnterModule(app::ModuleId module) {
  using base::icons::IconId;
  static constexpr IconId kIcons[] = {base::icons::IconModuleFrench, base::icons::IconModuleList,
                                      base::icons::IconModuleMath, base::icons::IconModulePuzzle};
  if (module == view->ActiveModule()) return;
  if (module == app::ModuleId::kPuzzle && view->ActiveModule() == app::ModuleId::kListe) {
    EnterModule(app::ModuleId::kFrancais);
  }
  ClickIcon(kIcons[static_cast<int>(module)]);
  // A harness that cannot reach a module would let every check after it test the wrong screen.
  if (view->ActiveModule() != module) {
    std::fprintf(stderr, "the icon of module %d did not open it\n", static_cast<int>(module));
    std::abort();
  }
}

void ViewHarness::Tick(int count) {
  for (int i = 0; i < count; ++i) view->OnTimer(base::kTimerAnimation);
}

}  // namespace testing_support
