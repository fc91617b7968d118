#include "platform/linux/espeak_voice_catalog.h"

#include <algorithm>
#include <tuple>

namespace platform {

namespace {

struct Region {
  const char* language;
  const char* country;
};

// In the order the list shows them; "fr" alone is France's.
constexpr Region kRegions[] = {
    {"fr-fr", "France"}, {"fr", "France"},    {"fr-be", "Belgique"},
    {"fr-ch", "Suisse"}, {"fr-ca", "Canada"},
};
constexpr char kFrench[] =
    "Fran\xE7"
    "ais";  // Windows-1252

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return s;
}

bool IsFrench(const std::string& language) {
  return language == "fr" || language.starts_with("fr-");
}

int RegionRank(const std::string& language) {
  const int count = static_cast<int>(std::size(kRegions));
  for (int i = 0; i < count; ++i) {
    if (language == kRegions[i].language) return i;
  }
  return count;
}

std::string RegionName(const std::string& language) {
  const int rank = RegionRank(language);
  if (rank < static_cast<int>(std::size(kRegions))) {
    return std::string(kFrench) + " (" + kRegions[rank].country + ")";
  }
  if (language.size() <= 3) return kFrench;
  return std::string(kFrench) + " (" + language.substr(3) + ")";
}

struct Candidate {
  int rank;
  std::string id;
  ports::VoiceInfo info;
};

}  // namespace

std::vector<std::vector<ports::VoiceInfo>> FrenchVoicesBySource(
    const std::vector<EspeakVoiceEntry>& entries,
    const std::function<bool(const std::string&)>& mbrolaInstalled) {
  std::vector<Candidate> mbrola;
  std::vector<Candidate> own;
  std::vector<std::string> seen;
  for (const auto& entry : entries) {
    const std::string language = Lower(entry.language);
    const std::string id = VoiceIdOfFile(entry.file);
    if (!IsFrench(language) || id.empty()) continue;
    if (std::find(seen.begin(), seen.end(), id) != seen.end()) continue;
    seen.push_back(id);
    const std::string mbrolaVoice = MbrolaVoiceName(id);
    if (!mbrolaVoice.empty()) {
      if (!mbrolaInstalled(mbrolaVoice)) continue;
      std::string name = RegionName(language) + " - MBROLA " + mbrolaVoice;
      if (entry.gender == 1) name += ", voix d'homme";
      if (entry.gender == 2) name += ", voix de femme";
      mbrola.push_back({RegionRank(language), id, {name, id}});
    } else {
      own.push_back({RegionRank(language), id, {RegionName(language), id}});
    }
  }

  std::vector<std::vector<ports::VoiceInfo>> sources;
  for (auto* list : {&mbrola, &own}) {
    if (list->empty()) continue;
    std::sort(list->begin(), list->end(), [](const Candidate& a, const Candidate& b) {
      return std::tie(a.rank, a.id) < std::tie(b.rank, b.id);
    });
    std::vector<ports::VoiceInfo> source;
    for (auto& c : *list) {
      // Two voices of one region must still be told apart in the list.
      const bool taken = std::any_of(source.begin(), source.end(), [&](const ports::VoiceInfo& v) {
        return v.name == c.info.name;
      });
      if (taken) c.info.name += " - " + c.id;
      source.push_back(std::move(c.info));
    }
    sources.push_back(std::move(source));
  }
  return sources;
}

std::vector<std::vector<ports::VoiceInfo>> EspeakVoiceCatalog::ListBySource() {
  return FrenchVoicesBySource(library_.FrenchVoices(), [this](const std::string& voice) {
    return library_.MbrolaVoiceInstalled(voice);
  });
}

}  // namespace platform
