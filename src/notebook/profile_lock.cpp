// One program at a time in a child's folder, on one computer or on several sharing the class.
#include "notebook/profile_lock.h"

#include <cstdio>
#include <system_error>

#include "base/files.h"
#include "text/cp1252.h"

namespace notebook {

namespace fs = std::filesystem;

ProfileLock::ProfileLock(const ports::Clock& clock, LockOwner owner)
    : clock_(clock), owner_(std::move(owner)) {}

ProfileLock::~ProfileLock() {
  Release();
}

std::string ProfileLock::Encode(const LockOwner& owner, std::int64_t seconds) {
  return "Scribix\n" + text::ToUtf8(owner.computer) + '\n' + text::ToUtf8(owner.instance) + '\n' +
         std::to_string(seconds) + '\n';
}

std::optional<std::pair<LockOwner, std::int64_t>> ProfileLock::Decode(const std::string& bytes) {
  const auto lines = text::SplitLines(text::DecodeFileText(bytes));
  if (lines.size() < 4 || lines[0] != "Scribix") return std::nullopt;
  const std::string& stamp = lines[3];
  if (stamp.empty() || stamp.size() > 18) return std::nullopt;
  std::int64_t seconds = 0;
  for (char c : stamp) {
    if (c < '0' || c > '9') return std::nullopt;
    seconds = seconds * 10 + (c - '0');
  }
  return std::pair{LockOwner{lines[1], lines[2]}, seconds};
}

bool ProfileLock::Write(const fs::path& folder) const {
  return base::WriteFileAtomically(folder / kFileName, Encode(owner_, clock_.CalendarSeconds()));
}

bool ProfileLock::IsMine(const fs::path& folder) const {
  const auto bytes = base::ReadFileStart(folder / kFileName, 4096);
  if (!bytes) return false;
  const auto lock = Decode(*bytes);
  return lock && lock->first.computer == owner_.computer && lock->first.instance == owner_.instance;
}

std::optional<LockOwner> ProfileLock::HeldElsewhere(const fs::path& folder) const {
  const auto bytes = base::ReadFileStart(folder / kFileName, 4096);
  const auto lock = bytes ? Decode(*bytes) : std::nullopt;
  if (!lock) return std::nullopt;
  const std::int64_t age = clock_.CalendarSeconds() - lock->second;
  const bool mine =
      lock->first.computer == owner_.computer && lock->first.instance == owner_.instance;
  // A clock set far back on another computer must not keep the child out for ever either.
  if (mine || age >= kStaleSeconds || age <= -kStaleSeconds) return std::nullopt;
  return lock->first;
}

ProfileLock::Result ProfileLock::Take(const fs::path& folder) {
  if (held_ && *held_ == folder && IsMine(folder)) {
    Write(folder);
    return {Outcome::kTaken, {}};
  }
  const fs::path path = folder / kFileName;
  std::error_code error;
  if (fs::exists(path, error)) {
    if (const auto holder = HeldElsewhere(folder)) return {Outcome::kHeldElsewhere, *holder};
    // A damaged lock, or one nobody refreshed: taken over.
    if (!Write(folder)) return {Outcome::kFailed, {}};
  } else {
    // Created only when still absent: of two programs starting together one gets it.
    std::FILE* file = std::fopen(path.string().c_str(), "wx");
    if (file == nullptr) {
      if (fs::exists(path, error)) return Take(folder);
      return {Outcome::kFailed, {}};
    }
    const std::string bytes = Encode(owner_, clock_.CalendarSeconds());
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    if (!written) {
      fs::remove(path, error);
      return {Outcome::kFailed, {}};
    }
  }
  // Two programs taking over the same stale lock: the last writer holds it, the other sees so.
  if (!IsMine(folder)) {
    const auto bytes = base::ReadFileStart(path, 4096);
    const auto lock = bytes ? Decode(*bytes) : std::nullopt;
    return {Outcome::kHeldElsewhere, lock ? lock->first : LockOwner{}};
  }
  Release();
  held_ = folder;
  return {Outcome::kTaken, {}};
}

bool ProfileLock::Refresh() {
  if (!held_) return true;
  if (!IsMine(*held_)) {
    held_.reset();
    return false;
  }
  return Write(*held_);
}

void ProfileLock::Release() {
  if (!held_) return;
  if (IsMine(*held_)) {
    std::error_code error;
    fs::remove(*held_ / kFileName, error);
  }
  held_.reset();
}

}  // namespace notebook
