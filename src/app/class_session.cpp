// The child at work on this computer, the lock on the child's folder and the teacher's changes.
#include "app/class_session.h"

#include <system_error>

#include "base/files.h"
#include "text/cp1252.h"

namespace app {

namespace fs = std::filesystem;

namespace {

std::string Filled(std::string text, std::string_view first, std::string_view second = {}) {
  for (std::string_view value : {first, second}) {
    const auto at = text.find("%s");
    if (at == std::string::npos) break;
    text.replace(at, 2, value);
  }
  return text;
}

}  // namespace

ClassSession::ClassSession(const ports::Clock& clock, ports::UserDialogs& dialogs,
                           fs::path dataFolder, notebook::LockOwner owner)
    : dialogs_(dialogs), dataFolder_(std::move(dataFolder)), lock_(clock, std::move(owner)) {}

void ClassSession::SetOwner(notebook::LockOwner owner) {
  lock_.SetOwner(std::move(owner));
}

ClassSession::Start ClassSession::Open() {
  lock_.Release();
  current_.reset();
  chooserShown_ = false;
  fs::path classFolder = notebook::ReadClassFolder(dataFolder_);
  std::error_code error;
  if (classFolder != dataFolder_ && !fs::is_directory(classFolder, error)) {
    // The school's server is not there today: the children of this computer work here.
    pending_ =
        Filled("Le dossier de la classe est introuvable : %s", text::TextFromPath(classFolder));
    classFolder = dataFolder_;
  }
  book_.Load(classFolder, dataFolder_);
  if (book_.Count() == 0) return {dataFolder_, false};
  if (book_.Count() == 1) {
    // A child's folder removed by hand is made again, empty.
    fs::create_directories(book_.FolderOf(0), error);
    const auto taken = lock_.Take(book_.FolderOf(0));
    if (taken.outcome == notebook::ProfileLock::Outcome::kTaken) {
      current_ = 0;
      return {book_.FolderOf(0), false};
    }
    pending_ = HeldMessage(0, taken.holder);
  }
  chooserShown_ = true;
  return {dataFolder_, true};
}

void ClassSession::TellPending() {
  if (pending_.empty()) return;
  const std::string text = std::move(pending_);
  pending_.clear();
  Tell(text);
}

void ClassSession::Tell(const std::string& text) {
  if (hooks_.say) hooks_.say(text);
  dialogs_.MessageBox(text, "Scribix", ports::MessageButtons::kOk, ports::MessageIcon::kWarning);
}

std::string ClassSession::HeldMessage(std::size_t child, const notebook::LockOwner& holder) const {
  const std::string& name = book_.Children()[child].name;
  if (holder.computer.empty()) {
    return Filled("Le cahier de %s est d\xE9j\xE0 ouvert sur un autre ordinateur.", name);
  }
  return Filled("Le cahier de %s est d\xE9j\xE0 ouvert sur l'ordinateur %s.", name,
                holder.computer);
}

bool ClassSession::Choose(std::size_t child) {
  if (child >= book_.Count()) return false;
  const fs::path folder = book_.FolderOf(child);
  std::error_code error;
  fs::create_directories(folder, error);
  const auto taken = lock_.Take(folder);
  if (taken.outcome == notebook::ProfileLock::Outcome::kHeldElsewhere) {
    Tell(HeldMessage(child, taken.holder));
    return false;
  }
  if (taken.outcome == notebook::ProfileLock::Outcome::kFailed) {
    Tell(Filled("Le cahier de %s ne peut pas \xEAtre ouvert.", book_.Children()[child].name));
    return false;
  }
  current_ = child;
  chooserShown_ = false;
  hooks_.workIn(folder);
  return true;
}

void ClassSession::BackToChooser() {
  if (chooserShown_) return;
  hooks_.showChooser(true);
  lock_.Release();
  current_.reset();
  chooserShown_ = true;
  hooks_.pointPathsAt(dataFolder_);
}

void ClassSession::RefreshLock() {
  if (lock_.Refresh() || !current_) return;
  // Another program took the child's folder while this one did not answer (a computer left
  // asleep): the work there is now that program's, and nothing is written over it.
  const std::size_t child = *current_;
  const auto holder = lock_.HeldElsewhere(book_.FolderOf(child));
  current_.reset();
  hooks_.pointPathsAt(dataFolder_);
  hooks_.showChooser(false);
  chooserShown_ = true;
  Tell(HeldMessage(child, holder.value_or(notebook::LockOwner{})));
}

notebook::ChangeError ClassSession::Add(const std::string& name, int look) {
  const bool first = book_.Count() == 0;
  // The first child takes the files of this computer: they are complete on the disk first.
  if (first) hooks_.saveWork();
  if (auto error = book_.Add(name, look)) return error;
  if (first) {
    const auto taken = lock_.Take(book_.FolderOf(0));
    if (taken.outcome == notebook::ProfileLock::Outcome::kTaken) {
      current_ = 0;
      hooks_.pointPathsAt(book_.FolderOf(0));
    }
  }
  if (chooserShown_ && hooks_.repaint) hooks_.repaint();
  return std::nullopt;
}

notebook::ChangeError ClassSession::Rename(std::size_t child, const std::string& name) {
  if (auto error = book_.Rename(child, name)) return error;
  if (chooserShown_ && hooks_.repaint) hooks_.repaint();
  return std::nullopt;
}

notebook::ChangeError ClassSession::SetLook(std::size_t child, int look) {
  if (auto error = book_.SetLook(child, look)) return error;
  if (chooserShown_ && hooks_.repaint) hooks_.repaint();
  return std::nullopt;
}

notebook::ChangeError ClassSession::Remove(std::size_t child) {
  if (child >= book_.Count()) return book_.Remove(child);
  const bool atWork = current_ == child;
  if (!atWork) {
    if (const auto holder = lock_.HeldElsewhere(book_.FolderOf(child))) {
      return Filled(
          "%s travaille sur l'ordinateur %s : son cahier ne peut pas \xEAtre retir\xE9 "
          "maintenant.",
          book_.Children()[child].name, holder->computer);
    }
  }
  if (atWork) {
    // The child's work is saved in the folder before the folder is moved aside.
    hooks_.showChooser(true);
    lock_.Release();
    current_.reset();
    chooserShown_ = true;
    hooks_.pointPathsAt(dataFolder_);
  }
  if (auto error = book_.Remove(child)) {
    if (atWork) Choose(child);
    return error;
  }
  if (current_ && *current_ > child) --*current_;
  Settle();
  return std::nullopt;
}

notebook::ChangeError ClassSession::ChangeClassFolder(const fs::path& folder) {
  std::error_code error;
  if (folder.empty() || !fs::is_directory(folder, error)) {
    return std::string("Ce dossier est introuvable.");
  }
  if (!base::IsWritableFolder(folder)) {
    return std::string(
        "Scribix ne peut pas \xE9"
        "crire dans ce dossier.");
  }
  hooks_.saveWork();
  if (!notebook::WriteClassFolder(dataFolder_, folder)) {
    return std::string("Le choix du dossier de la classe n'a pas pu \xEAtre enregistr\xE9.");
  }
  const bool wasOnChooser = chooserShown_;
  const Start start = Open();
  if (start.chooser) {
    hooks_.pointPathsAt(dataFolder_);
    if (!wasOnChooser) hooks_.showChooser(false);
    if (hooks_.repaint) hooks_.repaint();
  } else {
    hooks_.workIn(start.folder);
  }
  TellPending();
  return std::nullopt;
}

void ClassSession::Settle() {
  if (current_ || !chooserShown_) {
    if (hooks_.repaint) hooks_.repaint();
    return;
  }
  if (book_.Count() >= 2 || (book_.Count() == 1 && Choose(0))) {
    if (hooks_.repaint) hooks_.repaint();
    return;
  }
  if (book_.Count() == 0) {
    chooserShown_ = false;
    hooks_.workIn(dataFolder_);
  }
}

}  // namespace app
