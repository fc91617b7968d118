#pragma once

#include <string>
#include <vector>

#include "ports/voice.h"

namespace platform {

// Where the speech runtimes keep their voice tokens below HKEY_LOCAL_MACHINE: the desktop voices
// first, then those of the server speech platform.
inline constexpr const char* kDesktopVoiceTokens = "SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens";
inline constexpr const char* kServerVoiceTokens =
    "SOFTWARE\\Microsoft\\Speech Server\\v11.0\\Voices\\Tokens";

// The voices as the registry lists them: one source per tokens key, each voice named after its
// token key and identified by the token's full registry path. At most 100 token keys are visited
// over all the sources; one that cannot be read still counts.
class RegistryVoiceCatalog final : public ports::VoiceCatalog {
 public:
  static constexpr int kMaxVisited = 100;

  RegistryVoiceCatalog() : tokenPaths_{kDesktopVoiceTokens, kServerVoiceTokens} {}
  explicit RegistryVoiceCatalog(std::vector<std::string> tokenPaths)
      : tokenPaths_(std::move(tokenPaths)) {}

  std::vector<std::vector<ports::VoiceInfo>> ListBySource() override;

 private:
  std::vector<std::string> tokenPaths_;
};

}  // namespace platform
