#include "platform/windows/phone_converters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "platform/voice_backend.h"
#include "registry_test_keys.h"

namespace {

using platform::PhoneConverterKeys;
using platform::RegisterPhoneConvertersUnder;
namespace reg = testing_registry;

// A tokens key of the tests' own, so that these cases never meet the machine's converters.
const std::string kTokens = "SOFTWARE\\Scribix Tests\\PhoneConverters\\Tokens";

std::string ValueOf(const std::string& key, const std::string& name) {
  for (const auto& converter : PhoneConverterKeys()) {
    if (converter.path != key) continue;
    for (const auto& value : converter.values) {
      if (value.name == name) return value.data;
    }
  }
  return {};
}

int CountPairs(const std::string& map) {
  int words = 1;
  for (char c : map) words += c == ' ';
  return words / 2;
}

TEST(PhoneConverters, TheMapsAndLanguagesAreWhole) {
  const std::string universal = ValueOf("Universal", "PhoneMap");
  EXPECT_EQ(universal.size(), 1672u);
  EXPECT_EQ(CountPairs(universal), 184);
  EXPECT_TRUE(universal.starts_with("I 0069 Y 0079 IX 0268 YX 0289 "));
  EXPECT_TRUE(universal.ends_with(" nar 031A ejc 02BC + 0361"));
  const std::string french = ValueOf("French", "PhoneMap");
  EXPECT_EQ(CountPairs(french), 42);
  EXPECT_TRUE(french.starts_with("- 0001 ! 0002 "));
  EXPECT_TRUE(french.ends_with(" Z 0029 ZH 002a"));
  const std::string languages = ValueOf("Universal\\Attributes", "Language");
  EXPECT_EQ(std::count(languages.begin(), languages.end(), ';'), 132);
  EXPECT_TRUE(languages.starts_with("436;41c;401;"));
  EXPECT_TRUE(languages.ends_with(";843;42a;"));
  EXPECT_EQ(ValueOf("French\\Attributes", "Language"), "40C");
}

TEST(PhoneConverters, MissingKeysAreWrittenAsTextCountingTheirZero) {
  reg::MadeKeys made;
  made.WillMake(kTokens);
  RegisterPhoneConvertersUnder(HKEY_LOCAL_MACHINE, kTokens);

  for (const auto& converter : PhoneConverterKeys()) {
    const std::string path = kTokens + "\\" + converter.path;
    ASSERT_TRUE(reg::KeyExists(path)) << path;
    std::vector<std::string> names;
    for (const auto& expected : converter.values) {
      names.push_back(expected.name);
      const auto stored = reg::ReadValue(path, expected.name);
      ASSERT_TRUE(stored) << path << " " << expected.name;
      EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
      EXPECT_EQ(stored->size, expected.data.size() + 1) << path << " " << expected.name;
      EXPECT_EQ(stored->data, expected.data);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(reg::ValueNames(path), names) << path;
  }
}

TEST(PhoneConverters, KeysThatExistAreLeftAsTheyAreAndOnlyWhatIsMissingIsMade) {
  reg::MadeKeys made;
  // The machine had older converters without their attributes, and a Universal one that is whole
  // but different.
  made.Make(kTokens + "\\French");
  reg::SetText(kTokens + "\\French", "", "Old French");
  made.Make(kTokens + "\\Universal\\Attributes");
  reg::SetText(kTokens + "\\Universal", "PhoneMap", "A 0061");
  reg::SetText(kTokens + "\\Universal\\Attributes", "Language", "409");

  RegisterPhoneConvertersUnder(HKEY_LOCAL_MACHINE, kTokens);

  EXPECT_EQ(reg::ValueNames(kTokens + "\\French"), std::vector<std::string>{""});
  EXPECT_EQ(reg::ReadValue(kTokens + "\\French", "")->data, "Old French");
  EXPECT_EQ(reg::ReadValue(kTokens + "\\French\\Attributes", "Language")->data, "40C");
  EXPECT_EQ(reg::ValueNames(kTokens + "\\Universal"), std::vector<std::string>{"PhoneMap"});
  EXPECT_EQ(reg::ReadValue(kTokens + "\\Universal", "PhoneMap")->data, "A 0061");
  EXPECT_EQ(reg::ReadValue(kTokens + "\\Universal\\Attributes", "Language")->data, "409");
}

// The start-up call itself, on the machine's own tokens key. It lists what it made, then removes
// it: the prefix the tests run in is new, so nothing of the machine is touched.
TEST(PhoneConverters, StartUpRegistersBothConvertersOnAFreshMachine) {
  const std::string tokens = platform::kPhoneConverterTokens;
  std::vector<std::string> madeKeys;
  {
    reg::MadeKeys made;
    for (const auto& converter : PhoneConverterKeys())
      made.WillMake(tokens + "\\" + converter.path);
    platform::RegisterPhoneConverters();

    for (const auto& converter : PhoneConverterKeys()) {
      const std::string path = tokens + "\\" + converter.path;
      EXPECT_TRUE(reg::KeyExists(path)) << path;
      if (made.Made().empty()) continue;  // the machine had them already
      for (const std::string& name : reg::ValueNames(path)) {
        const auto stored = reg::ReadValue(path, name);
        std::printf("made HKEY_LOCAL_MACHINE\\%s  %s  REG_SZ %lu bytes  \"%.40s%s\"\n",
                    path.c_str(), name.empty() ? "(default)" : name.c_str(),
                    static_cast<unsigned long>(stored->size), stored->data.c_str(),
                    stored->data.size() > 40 ? "..." : "");
      }
    }
    madeKeys = made.Made();
  }
  for (const std::string& path : madeKeys) {
    EXPECT_FALSE(reg::KeyExists(path));
    std::printf("removed again: HKEY_LOCAL_MACHINE\\%s\n", path.c_str());
  }
}

}  // namespace
