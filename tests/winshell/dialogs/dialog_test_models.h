#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/config_abc.h"
#include "base/random.h"
#include "exercises/edit_dialog.h"
#include "exercises/open_list_dialog.h"
#include "exercises/word_list.h"
#include "ports/null_user_dialogs.h"
#include "ports/system_clock.h"
#include "puzzle/config_puzzle.h"
#include "winshell/dialogs/dialog_ids.h"
#include "winshell/win_dialog_host.h"

// The dialogs' models with actions that only write down what the program was asked to do, so
// that a test sees whether a handler ran.
namespace windialogs_test {

struct Calls {
  std::vector<std::string> made;
  void Add(std::string call) { made.push_back(std::move(call)); }
};

class RecordingListActions : public exercises::ListActions {
 public:
  explicit RecordingListActions(Calls& calls) : calls_(calls) {}
  bool SettingsLoading() const override { return false; }
  void SaveSettings() override { calls_.Add("save"); }
  void AutoAdvanceChanged(std::int32_t seconds) override {
    calls_.Add("advance " + std::to_string(seconds));
  }
  void DictationButtonShownChanged(bool help) override {
    calls_.Add(help ? "help button" : "solution button");
  }
  std::filesystem::path ListFolder() const override { return {}; }

 private:
  Calls& calls_;
};

class RecordingEditorActions : public exercises::EditorActions {
 public:
  explicit RecordingEditorActions(Calls& calls) : calls_(calls) {}
  void ImportIntoGrid(bool fixed) override { calls_.Add(fixed ? "import fixed" : "import"); }
  bool FixExercise(bool on) override {
    calls_.Add(on ? "fix" : "unfix");
    return true;
  }
  void ResetGrid() override { calls_.Add("reset"); }
  void ReapplyGridSize() override { calls_.Add("grid size"); }
  void RelayoutView() override { calls_.Add("relayout"); }
  void SelectModule(int mark) override { calls_.Add("module " + std::to_string(mark)); }
  exercises::ExerciseHeader CurrentHeader() const override { return {}; }

 private:
  Calls& calls_;
};

class RecordingSettingsActions : public app::SettingsActions {
 public:
  explicit RecordingSettingsActions(Calls& calls) : calls_(calls) {}
  bool SettingsLoading() const override { return false; }
  void SaveSettings() override { calls_.Add("save"); }
  void Trace(std::string_view) override {}
  void KeyboardLookChanged(std::int32_t colour, std::int32_t zoom) override {
    calls_.Add("look " + std::to_string(colour) + " " + std::to_string(zoom));
  }
  bool KeyboardZoomChanged(std::int32_t colour, std::int32_t zoom) override {
    calls_.Add("zoom " + std::to_string(colour) + " " + std::to_string(zoom));
    return true;
  }
  bool GridLinesChanged(std::int32_t lines, bool) override {
    calls_.Add("lines " + std::to_string(lines));
    return false;
  }
  void GridColumnsChanged(std::int32_t columns) override {
    calls_.Add("columns " + std::to_string(columns));
  }
  void GridSizeSettled() override { calls_.Add("settled"); }
  void VoiceChanged(std::int32_t index) override { calls_.Add("voice " + std::to_string(index)); }
  void RateChanged(std::int32_t rate) override { calls_.Add("rate " + std::to_string(rate)); }
  void VolumeChanged(std::int32_t volume) override {
    calls_.Add("volume " + std::to_string(volume));
  }
  void AutoPlaceChanged(bool on) override { calls_.Add(on ? "place on" : "place off"); }
  void SyllablesChanged(bool turnedOn) override {
    calls_.Add(turnedOn ? "syllables on" : "syllables");
  }

 private:
  Calls& calls_;
};

class RecordingPuzzleActions : public puzzle::PuzzleActions {
 public:
  explicit RecordingPuzzleActions(Calls& calls) : calls_(calls) {}
  void RebuildForPieceCount(std::int32_t pieces) override {
    calls_.Add("pieces " + std::to_string(pieces));
  }
  void RebuildForPuzzleZoom(std::int32_t zoom) override {
    calls_.Add("puzzle zoom " + std::to_string(zoom));
  }
  void RebuildModel(std::int32_t zoom) override {
    calls_.Add("model zoom " + std::to_string(zoom));
  }
  void SavePuzzleState() override { calls_.Add("save"); }
  void SolutionIconChanged() override { calls_.Add("solution icon"); }
  std::int32_t RequestedPieces() const override { return 12; }
  bool SettingsLoading() const override { return false; }

 private:
  Calls& calls_;
};

// The four models, their host, and what their actions were asked.
struct Models {
  Models()
      : listActions(calls),
        editorActions(calls),
        settingsActions(calls),
        puzzleActions(calls),
        list(host, dialogs, listActions, words, random, clock),
        editor(host, dialogs, editorActions, {}),
        settings(host, settingsActions),
        puzzle(host) {
    puzzle.SetActions(&puzzleActions);
  }

  Calls calls;
  winshell::WinDialogHost host;
  ports::NullUserDialogs dialogs;
  ports::SystemClock clock;
  base::RandomGenerator random;
  exercises::WordList words;
  RecordingListActions listActions;
  RecordingEditorActions editorActions;
  RecordingSettingsActions settingsActions;
  RecordingPuzzleActions puzzleActions;
  exercises::COpenList2 list;
  exercises::CCEdit editor;
  app::CConfigABC settings;
  puzzle::CConfigPuzzle puzzle;
};

// What the user does to a control, as the system tells the dialog.
inline void Notify(HWND dialog, int id, int code) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline void Choose(HWND dialog, int id, int item) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  Notify(dialog, id, CBN_SELCHANGE);
}

// A click of the mouse on a button or a check box (which ticks an automatic check box).
inline void Click(HWND dialog, int id) {
  SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
}

// The user's typing replaces the whole text of an edit box.
inline void Type(HWND dialog, int id, const wchar_t* text) {
  SendDlgItemMessageW(dialog, id, EM_SETSEL, 0, -1);
  SendDlgItemMessageW(dialog, id, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

inline std::wstring Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

inline std::wstring ItemText(HWND dialog, int id) {
  return Text(GetDlgItem(dialog, id));
}

inline int Selected(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

inline bool Ticked(HWND dialog, int id) {
  return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

inline HINSTANCE Instance() {
  return GetModuleHandleW(nullptr);
}

}  // namespace windialogs_test
