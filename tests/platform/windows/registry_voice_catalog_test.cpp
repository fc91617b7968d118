#include "platform/windows/registry_voice_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "registry_test_keys.h"

namespace {

using platform::kDesktopVoiceTokens;
using platform::kServerVoiceTokens;
using platform::RegistryVoiceCatalog;
namespace reg = testing_registry;

// The catalog reads the machine's own tokens keys. The voices made here are the test's and are
// removed at the end; those the machine has (wine has one) are counted in.
class RegistryVoices : public ::testing::Test {
 protected:
  std::vector<std::string> AddVoices(const std::string& tokens, const char* stem, int count) {
    std::vector<std::string> ids;
    for (int i = 0; i < count; ++i) {
      char name[64];
      std::snprintf(name, sizeof name, "%s %03d", stem, i);
      made_.Make(tokens + "\\" + name);
      ids.push_back("HKEY_LOCAL_MACHINE\\" + tokens + "\\" + name);
    }
    return ids;
  }

  reg::MadeKeys made_;
};

std::vector<std::string> IdsOf(const std::vector<ports::VoiceInfo>& voices) {
  std::vector<std::string> ids;
  for (const auto& voice : voices) ids.push_back(voice.id);
  std::sort(ids.begin(), ids.end());
  return ids;
}

TEST_F(RegistryVoices, DesktopVoicesComeFirstAndAHundredAreVisitedInAll) {
  const int desktopHad = static_cast<int>(reg::SubkeyNames(kDesktopVoiceTokens).size());
  if (desktopHad >= 70 || !reg::SubkeyNames(kServerVoiceTokens).empty()) {
    GTEST_SKIP() << "this machine has voices of its own";
  }
  std::vector<std::string> desktop = AddVoices(kDesktopVoiceTokens, "Voix bureau", 70 - desktopHad);
  for (const std::string& name : reg::SubkeyNames(kDesktopVoiceTokens)) {
    if (!name.starts_with("Voix bureau")) {
      desktop.push_back("HKEY_LOCAL_MACHINE\\" + std::string(kDesktopVoiceTokens) + "\\" + name);
    }
  }
  std::sort(desktop.begin(), desktop.end());
  const std::vector<std::string> server = AddVoices(kServerVoiceTokens, "Voix serveur", 50);

  const auto sources = RegistryVoiceCatalog().ListBySource();

  ASSERT_EQ(sources.size(), 2u);
  EXPECT_EQ(IdsOf(sources[0]), desktop);
  // The server's keys are visited in the registry's order until a hundred have been in all.
  EXPECT_EQ(IdsOf(sources[1]), std::vector<std::string>(server.begin(), server.begin() + 30));
  EXPECT_EQ(sources[1][0].name, "Voix serveur 000");
  EXPECT_EQ(sources[1][0].id,
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech Server\\v11.0\\Voices\\Tokens\\"
            "Voix serveur 000");
}

TEST_F(RegistryVoices, AMissingTokensKeyKeepsItsPlaceEmpty) {
  const std::string absent = "SOFTWARE\\Scribix Tests\\No Voices\\Tokens";
  ASSERT_FALSE(reg::KeyExists(absent));
  AddVoices(kServerVoiceTokens, "ScanSoft Hortense_Full_22kHz", 1);

  const auto sources = RegistryVoiceCatalog({absent, kServerVoiceTokens}).ListBySource();

  ASSERT_EQ(sources.size(), 2u);
  EXPECT_TRUE(sources[0].empty());
  ASSERT_EQ(sources[1].size(), 1u);
  EXPECT_EQ(sources[1][0].name, "ScanSoft Hortense_Full_22kHz 000");
}

}  // namespace

namespace {

TEST(FrenchVoices, ATokenIsFrenchByItsLanguageAttributeOrItsName) {
  struct Case {
    const char* name;
    const char* language;
    bool french;
  };
  const Case cases[] = {
      {"MSTTS_V110_frFR_HortenseM", "40C", true},
      {"TTS_MS_FR-FR_HORTENSE_11.0", "", true},
      {"Voix", "40c", true},
      {"Voix", "C0C", true},      // Canada
      {"Voix", "409;40C", true},  // one of several
      {"Voix", "100C", true},     // Switzerland
      {"TTS_MS_EN-US_DAVID_11.0", "409", false},
      {"TTS_MS_EN-US_ZIRA_11.0", "409;9", false},
      {"Voix", "", false},
      {"Voix", "xyz;;", false},
      {"Voix", "40D", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::IsFrenchVoice(c.name, c.language), c.french) << c.name << " " << c.language;
  }
}

// Voices as the registry of an English, a French and a mixed machine holds them.
TEST_F(RegistryVoices, TheCatalogTellsFrenchVoicesFromTheLanguageOfTheirTokens) {
  const std::string tokens = "SOFTWARE\\Scribix Tests\\Voices\\Tokens";
  auto addVoice = [&](const std::string& name, const std::string& language) {
    made_.Make(tokens + "\\" + name + "\\Attributes");
    reg::SetText(tokens + "\\" + name + "\\Attributes", "Language", language);
  };
  addVoice("TTS_MS_EN-US_DAVID_11.0", "409");
  addVoice("TTS_MS_EN-US_ZIRA_11.0", "409");
  auto french = [&] {
    std::vector<std::pair<std::string, bool>> found;
    const auto sources = RegistryVoiceCatalog({tokens}).ListBySource();
    for (const auto& voice : sources.at(0)) {
      found.emplace_back(voice.name, voice.french);
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  using Found = std::vector<std::pair<std::string, bool>>;
  EXPECT_EQ(french(),
            (Found{{"TTS_MS_EN-US_DAVID_11.0", false}, {"TTS_MS_EN-US_ZIRA_11.0", false}}));
  addVoice("Microsoft Voix 3", "40C");
  EXPECT_EQ(french(), (Found{{"Microsoft Voix 3", true},
                             {"TTS_MS_EN-US_DAVID_11.0", false},
                             {"TTS_MS_EN-US_ZIRA_11.0", false}}));
}

}  // namespace
