#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// The phone converters the French voices of the Windows speech platform look for. They live in the
// machine-wide registry, so writing them needs administrator rights; without them nothing is
// written and nothing is said.
inline constexpr char kPhoneConverterTokens[] =
    "SOFTWARE\\Microsoft\\Speech\\PhoneConverters\\Tokens";

struct RegistryText {
  std::string name;  // empty: the key's default value
  std::string data;
};

struct PhoneConverterKey {
  std::string path;  // below the tokens key
  std::vector<RegistryText> values;
};

// The four keys, in the order they are written: each converter, then its "Attributes".
const std::vector<PhoneConverterKey>& PhoneConverterKeys();

// Creates each of the keys that is missing under root\tokensPath with its values. A key that
// exists is left exactly as it is, whatever it holds; a key that cannot be created is skipped.
void RegisterPhoneConvertersUnder(HKEY root, const std::string& tokensPath);

}  // namespace platform
