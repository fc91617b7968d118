#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ports/voice.h"

namespace platform {

// Where the speech runtimes keep their voice tokens below HKEY_LOCAL_MACHINE: the desktop voices
// first, then those of the server speech platform.
inline constexpr const char* kDesktopVoiceTokens = "SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens";
inline constexpr const char* kServerVoiceTokens =
    "SOFTWARE\\Microsoft\\Speech Server\\v11.0\\Voices\\Tokens";

// Whether a voice token speaks French: its "Language" attribute, one or more hexadecimal language
// ids separated by ";", names a French one (40C France, 80C Belgium, C0C Canada, 100C Switzerland,
// and so on: the primary language 0x0C), or its name is that of a French voice.
bool IsFrenchVoice(std::string_view name, std::string_view languageAttribute);

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
