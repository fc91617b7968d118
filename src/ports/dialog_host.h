#pragma once

#include <cstddef>

namespace ports {

// The four modeless dialogs of the program, the voice warning shown at start-up, and the
// teacher's window of the children of the class.
enum class DialogId { kWordLists, kEditor, kSettings, kPuzzleSettings, kVoiceWarning, kEleves };
// How many there are: the size of the hosts' tables, the last id plus one.
inline constexpr std::size_t kDialogCount = static_cast<std::size_t>(DialogId::kEleves) + 1;

// The windows of the modeless dialogs; their state lives in the program's models.
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  virtual void Show(DialogId id) = 0;
  virtual void Hide(DialogId id) = 0;
  virtual void Raise(DialogId id) = 0;
  virtual bool IsVisible(DialogId id) const = 0;
  // The program changed the model: show its new state without calling its handlers.
  virtual void Refresh(DialogId id) = 0;
  // Shows a dialog and waits until it is closed (the voice warning).
  virtual void RunModal(DialogId id) = 0;
};

}  // namespace ports
