#include <gtest/gtest.h>

#include <set>

#include "platform/linux/espeak_library.h"
#include "platform/linux/espeak_recording.h"
#include "platform/linux/espeak_voice_catalog.h"

namespace {

using platform::EspeakVoiceEntry;

// What espeak-ng 1.51 lists for "fr", shuffled, with a few that are not French at all.
const std::vector<EspeakVoiceEntry> kListed = {
    {"fr-ch", "French_(Switzerland)", "roa/fr-CH", 1},
    {"fr-fr", "french-mbrola-4", "mb/mb-fr4", 2},
    {"en", "en-french-4", "mb/mb-fr4-en", 2},
    {"fr-fr", "French_(France)", "roa/fr", 1},
    {"fr-be", "french-mbrola-5", "mb/mb-fr5", 1},
    {"fra", "not-french", "xx/fra", 1},
    {"de", "german-mbrola-1", "mb/mb-de1", 1},
    {"fr-fr", "french-mbrola-1", "mb/mb-fr1", 1},
    {"fr-be", "French_(Belgium)", "roa/fr-BE", 1},
    {"fr-ca", "fr-canadian-mbrola-1", "mb/mb-ca1", 1},
    {"it", "Italian", "roa/it", 1},
};

std::vector<std::string> Ids(const std::vector<ports::VoiceInfo>& source) {
  std::vector<std::string> ids;
  for (const auto& v : source) ids.push_back(v.id);
  return ids;
}

TEST(EspeakCatalog, WithoutMbrolaOnlyEspeakNgsFrenchVoicesFranceFirst) {
  const auto sources =
      platform::FrenchVoicesBySource(kListed, [](const std::string&) { return false; });
  ASSERT_EQ(sources.size(), 1u);
  EXPECT_EQ(Ids(sources[0]), (std::vector<std::string>{"fr", "fr-be", "fr-ch"}));
  EXPECT_EQ(sources[0][0].name,
            "Fran\xE7"
            "ais (France)");
  EXPECT_EQ(sources[0][1].name,
            "Fran\xE7"
            "ais (Belgique)");
  EXPECT_EQ(sources[0][2].name,
            "Fran\xE7"
            "ais (Suisse)");
}

TEST(EspeakCatalog, InstalledMbrolaVoicesComeFirstAndOnlyThose) {
  const std::set<std::string> installed = {"fr1", "fr4", "fr5", "ca1", "de1"};
  std::vector<std::string> asked;
  const auto sources = platform::FrenchVoicesBySource(kListed, [&](const std::string& voice) {
    asked.push_back(voice);
    return installed.count(voice) > 0;
  });
  ASSERT_EQ(sources.size(), 2u);
  EXPECT_EQ(Ids(sources[0]), (std::vector<std::string>{"mb-fr1", "mb-fr4", "mb-fr5", "mb-ca1"}));
  EXPECT_EQ(Ids(sources[1]), (std::vector<std::string>{"fr", "fr-be", "fr-ch"}));
  EXPECT_EQ(sources[0][1].name,
            "Fran\xE7"
            "ais (France) - MBROLA fr4, voix de femme");
  EXPECT_EQ(sources[0][2].name,
            "Fran\xE7"
            "ais (Belgique) - MBROLA fr5, voix d'homme");
  EXPECT_EQ(sources[0][3].name,
            "Fran\xE7"
            "ais (Canada) - MBROLA ca1, voix d'homme");
  // The German MBROLA voice is installed but never even considered.
  EXPECT_EQ(std::set<std::string>(asked.begin(), asked.end()),
            (std::set<std::string>{"fr1", "fr4", "fr5", "ca1"}));
}

TEST(EspeakCatalog, EveryVoiceOnceEveryNameDistinctNothingFrenchNoSource) {
  std::vector<EspeakVoiceEntry> listed = kListed;
  listed.push_back({"fr-fr", "French_(France)", "roa/fr", 1});   // listed twice
  listed.push_back({"fr-fr", "french-variant", "roa/fr-x", 0});  // a second voice for France
  listed.push_back({"FR-LU", "french-lux", "roa/fr-LU", 0});
  const auto sources =
      platform::FrenchVoicesBySource(listed, [](const std::string&) { return false; });
  ASSERT_EQ(sources.size(), 1u);
  EXPECT_EQ(Ids(sources[0]), (std::vector<std::string>{"fr", "fr-x", "fr-be", "fr-ch", "fr-lu"}));
  std::set<std::string> names;
  for (const auto& v : sources[0]) EXPECT_TRUE(names.insert(v.name).second) << v.name;
  EXPECT_EQ(sources[0][1].name,
            "Fran\xE7"
            "ais (France) - fr-x");
  EXPECT_EQ(sources[0][4].name,
            "Fran\xE7"
            "ais (lu)");
}

platform::EspeakLibrary& Library() {
  return platform::EspeakLibrary::Shared();
}

#define SKIP_WITHOUT_ESPEAK_DATA() \
  if (!Library().Ready()) GTEST_SKIP() << "espeak-ng's data is missing: " << Library().Description()

TEST(EspeakCatalog, EspeakNgsOwnThreeAreListedAndEveryListedVoiceSpeaks) {
  SKIP_WITHOUT_ESPEAK_DATA();
  platform::EspeakVoiceCatalog catalog(Library());
  const auto sources = catalog.ListBySource();
  ASSERT_FALSE(sources.empty());
  const auto& own = sources.back();
  ASSERT_EQ(own.size(), 3u);
  EXPECT_EQ(own[0].id, "fr");
  EXPECT_EQ(own[1].id, "fr-be");
  EXPECT_EQ(own[2].id, "fr-ch");
  for (const auto& source : sources) {
    for (const auto& voice : source) {
      const auto r = platform::RecordSpeech(Library(), u"chat", {voice.id, 0, 100});
      EXPECT_EQ(r.result.voiceId, voice.id) << "listed but cannot speak";
    }
  }
}

}  // namespace
