#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "ports/clock.h"

namespace notebook {

// Who holds a child's folder: the computer and the program running there.
struct LockOwner {
  std::string computer;  // Windows-1252
  std::string instance;  // unique to one run of the program
};

// A child's work is used by one program at a time, wherever the class folder is shared: a small
// file in the child's folder names the program using it and is refreshed while it does. A lock
// nobody refreshed for kStaleSeconds (a program that crashed, a computer switched off) is taken
// over.
class ProfileLock {
 public:
  static constexpr std::int64_t kStaleSeconds = 300;
  static constexpr int kRefreshMs = 60'000;
  static constexpr const char* kFileName = "verrou.txt";

  ProfileLock(const ports::Clock& clock, LockOwner owner);
  ~ProfileLock();
  ProfileLock(const ProfileLock&) = delete;
  ProfileLock& operator=(const ProfileLock&) = delete;

  enum class Outcome { kTaken, kHeldElsewhere, kFailed };
  struct Result {
    Outcome outcome;
    // Who holds it, when it is held elsewhere.
    LockOwner holder;
  };
  // Takes the folder, leaving the one held before.
  Result Take(const std::filesystem::path& folder);
  // Tells the others the folder is still in use; false when another program took it meanwhile.
  bool Refresh();
  // The folder is free again (only when this program still holds it).
  void Release();

  const std::optional<std::filesystem::path>& Held() const { return held_; }
  void SetOwner(LockOwner owner) { owner_ = std::move(owner); }
  // Who else uses the folder now, if anyone: a lock of another program that is still refreshed.
  std::optional<LockOwner> HeldElsewhere(const std::filesystem::path& folder) const;

  // The lock file's text, and back.
  static std::string Encode(const LockOwner& owner, std::int64_t seconds);
  static std::optional<std::pair<LockOwner, std::int64_t>> Decode(const std::string& bytes);

 private:
  bool IsMine(const std::filesystem::path& folder) const;
  bool Write(const std::filesystem::path& folder) const;

  const ports::Clock& clock_;
  LockOwner owner_;
  std::optional<std::filesystem::path> held_;
};

}  // namespace notebook
