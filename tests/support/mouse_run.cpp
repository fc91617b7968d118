#include "support/mouse_run.h"

#include <algorithm>
#include <array>
#include <map>

#include "base/mouse_keys.h"
#include "grid/grid_text.h"

namespace testing_support {

namespace {

unsigned char Take(std::string_view& bytes) {
  if (bytes.empty()) return 0;
  const auto b = static_cast<unsigned char>(bytes.front());
  bytes.remove_prefix(1);
  return b;
}

// What the teacher may type in the editor: plain, hidden, linked, a title, nothing.
constexpr std::array<const char*, 6> kTexts = {
    "le chat", "le ch[at] dort", "(le chat) (dort)", "\"Ecris\"\r\nun [mot]", "", "1+2=[3]"};

constexpr std::array<int, 7> kTimers = {
    base::kTimerLongPress, base::kTimerWordSuccess, base::kTimerFixedSuccess, base::kTimerBlink,
    base::kTimerNextWord,  base::kTimerTooltip,     base::kTimerAnimation};

bool IsMarkup(char c) {
  return c == '(' || c == ')' || c == '[' || c == ']' || c == '"';
}

}  // namespace

gfx::Point MouseRun::PointFrom(std::string_view& bytes) const {
  const gfx::Size size = h_.fake.window.clientSize;
  const int x = Take(bytes) * size.width / 256;
  const int y = Take(bytes) * size.height / 256;
  return {x, y};
}

gfx::Point MouseRun::CellPoint(int column, int line) const {
  const base::AppState& s = h_.View().Parts().state;
  const gfx::Rect cell =
      base::CellRect(s, column % std::max(1, s.gridColumns), line % std::max(1, s.gridLines));
  return {cell.left + s.cellWidth / 3, cell.top + s.cellHeight / 3};
}

bool MouseRun::Step(std::string_view& bytes) {
  if (bytes.empty()) return false;
  app::CScribixView& view = h_.View();
  const base::AppState& s = view.Parts().state;
  const unsigned char op = Take(bytes) % 12;
  switch (op) {
    case 0: {
      const gfx::Point p = PointFrom(bytes);
      last_ = "press " + std::to_string(p.x) + "," + std::to_string(p.y);
      h_.Press(p);
      break;
    }
    case 1: {
      const gfx::Point from = PointFrom(bytes);
      const gfx::Point to = PointFrom(bytes);
      last_ = "move to " + std::to_string(to.x) + "," + std::to_string(to.y);
      h_.MoveTo(from, to, 1 + Take(bytes) % 3);
      break;
    }
    case 2: {
      const gfx::Point p = PointFrom(bytes);
      last_ = "release " + std::to_string(p.x) + "," + std::to_string(p.y);
      h_.Release(p);
      break;
    }
    case 3: {
      const gfx::Point p = PointFrom(bytes);
      last_ = "double click";
      h_.Press(p);
      h_.Release(p);
      view.OnLButtonDblClk(base::mouse::kLeftButton, p);
      h_.Release(p);
      break;
    }
    case 4: {
      // Any icon the screen shows but quitting, which would end the run.
      std::vector<app::IconShown> shown = view.IconsShown();
      shown.erase(std::remove_if(shown.begin(), shown.end(),
                                 [](const app::IconShown& i) { return i.icon == app::IconQuit; }),
                  shown.end());
      if (shown.empty()) break;
      const auto icon = shown[Take(bytes) % shown.size()].icon;
      last_ = "icon " + std::to_string(static_cast<int>(icon));
      h_.ClickIcon(icon);
      break;
    }
    case 5: {
      const auto module = std::array{app::IconModuleFrench, app::IconModuleList,
                                     app::IconModuleMath, app::IconModulePuzzle}[Take(bytes) % 4];
      last_ = "module " + std::to_string(static_cast<int>(module));
      h_.ClickIcon(module);
      break;
    }
    case 6:
    case 7: {
      if (view.ActiveModule() == app::ModuleId::kPuzzle || s.keyCount <= 0) break;
      const int key = Take(bytes) % s.keyCount;
      const base::CellRecord& k = view.Parts().cells[key];
      // A parenthesis written by the child reads back as a link mark: kept out of the run.
      if (IsMarkup(k.Letter())) break;
      if (op == 6) {
        last_ = "key " + std::to_string(key);
        h_.Click({k.posX + k.width / 2, k.posY + k.height / 2});
      } else {
        const gfx::Point to = CellPoint(Take(bytes), Take(bytes));
        last_ = "key " + std::to_string(key) + " dragged";
        const gfx::Point from{k.posX + k.width / 2, k.posY + k.height / 2};
        h_.Press(from);
        h_.MoveTo(from, to, 3);
        h_.Release(to);
      }
      break;
    }
    case 8: {
      if (view.ActiveModule() == app::ModuleId::kPuzzle) break;
      const unsigned char how = Take(bytes);
      const gfx::Point from = CellPoint(Take(bytes), Take(bytes));
      const gfx::Point to = CellPoint(Take(bytes), Take(bytes));
      last_ = (how & 1) != 0 ? "word moved" : "tile moved";
      h_.Press(from);
      if ((how & 1) != 0) view.OnTimer(base::kTimerLongPress);
      h_.MoveTo(from, to, 3);
      h_.Release(to);
      break;
    }
    case 9: {
      const int ticks = 1 + Take(bytes) % 16;
      last_ = std::to_string(ticks) + " ticks";
      h_.Tick(ticks);
      break;
    }
    case 10: {
      const int timer = kTimers[Take(bytes) % kTimers.size()];
      last_ = "timer " + std::to_string(timer);
      if (h_.fake.timers.IsRunning(timer) || timer == base::kTimerAnimation) view.OnTimer(timer);
      break;
    }
    case 11: {
      const unsigned char what = Take(bytes);
      switch (what % 6) {
        case 0:
          last_ = "automatic placement";
          view.Parts().settingsDialog.OnAutoPlaceClicked(view.Parts().settings.autoPlace == 0);
          break;
        case 1:
          last_ = "colours";
          view.Parts().settingsDialog.OnColoursChanged((what / 6) % 3);
          break;
        case 2:
          last_ = "zoom";
          view.Parts().settingsDialog.OnZoomChanged((what / 6) % 3);
          break;
        case 3: {
          const char* text = kTexts[(what / 6) % kTexts.size()];
          last_ = std::string("text ") + text;
          view.Parts().editorDialog.OnTextChanged(text, 0, 0);
          break;
        }
        case 4:
          last_ = "fix";
          view.Parts().editorDialog.OnFixClicked(!view.Parts().editorDialog.fixed);
          break;
        default:
          last_ = "editor cleared";
          view.Parts().editorDialog.OnClearAllClicked();
          break;
      }
      break;
    }
    default:
      break;
  }
  return true;
}

std::string MouseRun::Broken() const {
  app::CScribixView& view = h_.View();
  const base::AppState& s = view.Parts().state;
  if (s.itemCount < s.keyCount || s.itemCount > base::kMaxItems) return "item count out of range";
  if (view.ActiveModule() == app::ModuleId::kPuzzle) return {};

  for (int i = 0; i < s.keyCount; ++i) {
    const base::CellRecord& k = view.Parts().cells[i];
    if (k.posX != s.keyboardLeft + k.homeX || k.posY != s.keyboardTop + k.homeY) {
      return "key " + std::to_string(i) + " has left the keyboard";
    }
  }

  // One tile a cell; the hidden letters of a fixed exercise lie under the child's.
  std::map<std::pair<int, int>, int> tiles;
  std::map<std::pair<int, int>, char> letters;
  for (int i = s.keyCount; i < s.itemCount; ++i) {
    const base::CellRecord& r = view.Parts().cells[i];
    if (r.gridCol < 0 || r.gridRow < 0) continue;
    if (r.fixed != 0 && r.visible == 0) continue;
    if (++tiles[{r.gridCol, r.gridRow}] > 1) {
      return "two tiles in cell " + std::to_string(r.gridCol) + "," + std::to_string(r.gridRow);
    }
    letters[{r.gridCol, r.gridRow}] = r.Letter();
  }

  // The editor holds what the grid shows, once nothing is held or on its way and the exercise
  // is not fixed (the editor then keeps the teacher's text).
  // The editor's text is the Français or the arithmetic text: the dictation's help and solution
  // lay their letters without it.
  if (view.ActiveModule() == app::ModuleId::kListe || view.Parts().editorDialog.fixed ||
      view.Parts().grid.clearing != 0 || s.mouseDown != 0 || view.Parts().held.selectedPiece >= 0) {
    return {};
  }
  // Nor while the teacher's letters of an exercise once fixed stand in the grid: the editor keeps
  // the exercise, the grid the child's answers.
  for (int i = s.keyCount; i < s.itemCount; ++i) {
    if (view.Parts().cells[i].movable == 0 || view.Parts().cells[i].fixed != 0) return {};
  }
  std::string_view text = view.Parts().editorDialog.text;
  // The title line is the instruction, not the grid's.
  const std::size_t firstLineEnd = std::min(text.find('\n'), text.size());
  if (text.find('"') < firstLineEnd) {
    text.remove_prefix(std::min(firstLineEnd + 1, text.size()));
  }
  std::map<std::pair<int, int>, char> written;
  int line = 0, column = 0;
  for (const char c : text) {
    if (c == '\r' || IsMarkup(c)) continue;
    if (c == '\n') {
      ++line;
      column = 0;
      continue;
    }
    // A character no key shows has no tile: it stays in the text only.
    if (c != ' ' && line < s.gridLines && column < s.gridColumns &&
        grid::FindKeyFor(c, view.ActiveModule() == app::ModuleId::kMathematique)) {
      written[{column, line}] = c;
    }
    ++column;
  }
  if (written != letters) {
    std::string shown;
    for (const auto& [cell, letter] : letters) {
      shown += std::to_string(cell.first) + "," + std::to_string(cell.second) + ":" + letter + " ";
    }
    return "the grid holds " + shown + "but the editor's text is \"" +
           std::string(view.Parts().editorDialog.text.substr(0, 60)) + "\"";
  }
  return {};
}

}  // namespace testing_support
