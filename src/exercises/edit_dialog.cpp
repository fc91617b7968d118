#include "exercises/edit_dialog.h"

#include <algorithm>

#include "base/files.h"
#include "exercises/text_exercise_file.h"

namespace exercises {

namespace {

constexpr int kLastLineLooked = 8;
constexpr int kLastColumnLooked = 39;

struct TextExtent {
  int lastLine = -1;   // the last line holding more than blanks
  int lastColumn = 0;  // the farthest last letter of a line, its first column not counted
};

TextExtent ExtentOf(std::string_view text) {
  TextExtent extent;
  int line = 0;
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\n') continue;
    std::string_view content = text.substr(lineStart, i - lineStart);
    if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
    const auto last = content.find_last_not_of(" \t\r");
    if (last != std::string_view::npos) {
      extent.lastLine = std::min(line, kLastLineLooked);
      if (last > 0) {
        extent.lastColumn =
            std::max(extent.lastColumn, std::min(static_cast<int>(last), kLastColumnLooked));
      }
    }
    ++line;
    lineStart = i + 1;
  }
  return extent;
}

}  // namespace

CCEdit::CCEdit(ports::DialogHost& host, ports::UserDialogs& dialogs, EditorActions& actions,
               std::filesystem::path exerciseFolder)
    : host_(host),
      dialogs_(dialogs),
      actions_(actions),
      exerciseFolder_(std::move(exerciseFolder)) {}

void CCEdit::SetTextFromProgram(std::string newText) {
  text = std::move(newText);
  selectionStart = std::min(selectionStart, text.size());
  selectionEnd = std::min(selectionEnd, text.size());
  host_.Refresh(ports::DialogId::kEditor);
}

void CCEdit::SetFixedFromProgram(bool on) {
  if (fixed == on) return;
  fixed = on;
  host_.Refresh(ports::DialogId::kEditor);
}

bool CCEdit::LoadExerciseFile(const std::filesystem::path& path) {
  const auto bytes = base::ReadWholeFile(path);
  if (!bytes) return false;
  const TextExercise exercise = ParseTextExercise(*bytes);
  SetTextFromProgram(exercise.body);
  SetFixedFromProgram(exercise.fixed);
  return true;
}

bool CCEdit::SaveExerciseFile(const std::filesystem::path& path, bool mathModule, int cellsIndex,
                              int linesIndex) const {
  return base::WriteFileAtomically(
      path, FormatTextExercise(mathModule, cellsIndex, linesIndex, fixed, text));
}

void CCEdit::OnTextChanged(std::string newText, std::size_t start, std::size_t end) {
  const bool changed = newText != text;
  text = std::move(newText);
  OnSelectionChanged(start, end);
  if (changed) AfterTextChange();
}

void CCEdit::OnSelectionChanged(std::size_t start, std::size_t end) {
  selectionStart = std::min(start, text.size());
  selectionEnd = std::min(end, text.size());
}

void CCEdit::AfterTextChange() {
  if (fixed) {
    Fix();
  } else {
    actions_.ImportIntoGrid(false);
  }
}

void CCEdit::Fix() {
  if (!actions_.FixExercise(fixed)) return;
  wordWrap = true;
  host_.Refresh(ports::DialogId::kEditor);
}

void CCEdit::ApplyMarkup(MarkedText (*operation)(const MarkedText&)) {
  MarkedText changed = operation({text, selectionStart, selectionEnd});
  const bool textChanged = changed.text != text;
  text = std::move(changed.text);
  selectionStart = changed.selectionStart;
  selectionEnd = changed.selectionEnd;
  host_.Refresh(ports::DialogId::kEditor);
  if (textChanged) AfterTextChange();
}

void CCEdit::OnHideClicked() {
  ApplyMarkup(Hide);
}

void CCEdit::OnHideAllClicked() {
  ApplyMarkup(HideAll);
}

void CCEdit::OnMakeVisibleClicked() {
  ApplyMarkup(MakeVisible);
}

void CCEdit::OnLinkClicked() {
  ApplyMarkup(Link);
}

void CCEdit::OnLinkAllClicked() {
  ApplyMarkup(LinkAll);
}

void CCEdit::OnUnlinkClicked() {
  ApplyMarkup(Unlink);
}

void CCEdit::OnFixClicked(bool ticked) {
  fixed = ticked;
  Fix();
}

void CCEdit::OnApplyClicked() {
  actions_.ImportIntoGrid(false);
}

void CCEdit::OnClearAllClicked() {
  actions_.ResetGrid();
}

bool CCEdit::OnOpenClicked() {
  const auto path = dialogs_.OpenFile(kFileFilter, exerciseFolder_, {});
  bool read = false;
  if (path) {
    read = ReadExerciseFile(*path);
    actions_.ReapplyGridSize();
  }
  host_.Raise(ports::DialogId::kEditor);
  return read;
}

bool CCEdit::ReadExerciseFile(const std::filesystem::path& path) {
  const auto bytes = base::ReadWholeFile(path);
  if (!bytes) return false;
  const TextExercise exercise = ParseTextExercise(*bytes);
  if (exercise.moduleMark == 1 || exercise.moduleMark == 2) {
    actions_.SelectModule(exercise.moduleMark);
  }
  loadedCopy = exercise.body;
  SetTextFromProgram(exercise.body);
  selectionStart = selectionEnd = 0;

  if (!text.empty() && !exercise.ySeen) {
    // A text written for a larger grid than the one set up.
    const TextExtent extent = ExtentOf(text);
    const ExerciseHeader grid = actions_.CurrentHeader();
    if (grid.linesIndex < extent.lastLine || 2 * (grid.cellsIndex + 1) < extent.lastColumn) {
      actions_.RelayoutView();
    }
  }
  fixed = exercise.fixed;
  host_.Refresh(ports::DialogId::kEditor);
  Fix();
  return true;
}

bool CCEdit::OnSaveClicked() {
  const auto path = dialogs_.SaveFile(kFileFilter, exerciseFolder_, kProposedName);
  if (!path) return false;
  const ExerciseHeader header = actions_.CurrentHeader();
  // A file that cannot be written is left as it was, without a word.
  return SaveExerciseFile(*path, header.mathModule, header.cellsIndex, header.linesIndex);
}

void CCEdit::OnCloseClicked() {
  host_.Hide(ports::DialogId::kEditor);
}

}  // namespace exercises
