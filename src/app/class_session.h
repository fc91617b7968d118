#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "notebook/profile_lock.h"
#include "notebook/profiles.h"
#include "ports/clock.h"
#include "ports/user_dialogs.h"

namespace app {

// What a change of child asks of the view.
struct ClassHooks {
  // "Qui travaille ?" shown; the active module's work saved first when asked.
  std::function<void(bool saveWork)> showChooser;
  // The work of that folder loaded (the work on screen is not saved): the files' paths, the
  // settings, Français with its text.
  std::function<void(const std::filesystem::path& folder)> workIn;
  // The active module's work saved where it is.
  std::function<void()> saveWork;
  // The files' paths only: the work on screen is already that folder's (it moved there).
  std::function<void(const std::filesystem::path& folder)> pointPathsAt;
  // A message the child hears as well as reads.
  std::function<void(const std::string& text)> say;
  // The list changed while "Qui travaille ?" is shown.
  std::function<void()> repaint;
};

// The children of the class and the one at work on this computer: the list, the lock on the
// child's folder, and the teacher's changes from the window "Élèves".
class ClassSession {
 public:
  ClassSession(const ports::Clock& clock, ports::UserDialogs& dialogs,
               std::filesystem::path dataFolder, notebook::LockOwner owner);

  void SetHooks(ClassHooks hooks) { hooks_ = std::move(hooks); }
  void SetOwner(notebook::LockOwner owner);

  // The class chosen on this computer, read again; the folder to work in while no child is
  // chosen. With one child that child's folder is taken at once; with two or more, or when the
  // only child works elsewhere, "Qui travaille ?" comes first.
  struct Start {
    std::filesystem::path folder;
    bool chooser = false;
  };
  Start Open();
  // After Open, once the window exists: what the child must be told (a child who works
  // elsewhere).
  void TellPending();

  // A click on a child's button: that child's work, unless another program has it open.
  bool Choose(std::size_t child);
  // The icon back to "Qui travaille ?": the work saved, the child's folder free again.
  void BackToChooser();
  // The timer: the child's folder is still ours.
  void RefreshLock();
  // Quitting: the child's folder is free again.
  void Close() { lock_.Release(); }

  const notebook::ProfileBook& Book() const { return book_; }
  std::optional<std::size_t> Current() const { return current_; }
  bool ShowsChooserIcon() const { return book_.Count() >= 2; }
  bool ChooserShown() const { return chooserShown_; }
  const std::filesystem::path& DataFolder() const { return dataFolder_; }

  // The teacher's changes; a French message when nothing changed.
  notebook::ChangeError Add(const std::string& name, int look);
  notebook::ChangeError Rename(std::size_t child, const std::string& name);
  notebook::ChangeError SetLook(std::size_t child, int look);
  notebook::ChangeError Remove(std::size_t child);
  notebook::ChangeError ChangeClassFolder(const std::filesystem::path& folder);

 private:
  // After a change of the list or of the class folder: the child at work goes on, or the
  // program goes where Open would take it.
  void Settle();
  void Tell(const std::string& text);
  std::string HeldMessage(std::size_t child, const notebook::LockOwner& holder) const;

  ports::UserDialogs& dialogs_;
  std::filesystem::path dataFolder_;
  notebook::ProfileBook book_;
  notebook::ProfileLock lock_;
  ClassHooks hooks_;
  std::optional<std::size_t> current_;
  bool chooserShown_ = false;
  std::string pending_;
};

}  // namespace app
