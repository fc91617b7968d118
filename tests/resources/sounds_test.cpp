#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "program_folder.h"
#include "speech/sound_names.h"
#include "support/temp_folder.h"
#include "text/cp1252.h"

namespace {

struct Wave {
  int channels = 0;
  int rate = 0;
  std::vector<std::int16_t> samples;  // interleaved
};

std::uint32_t U32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}

// A wave file as a strict player reads it: RIFF chunks, 16-bit PCM, a data chunk that fits.
std::optional<Wave> ParseWave(const std::string& b) {
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return {};
  if (U32(b, 4) != b.size() - 8) return {};
  Wave wave;
  bool format = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id = b.substr(at, 4);
    const std::uint32_t size = U32(b, at + 4);
    if (at + 8 + size > b.size()) return {};
    if (id == "fmt " && size >= 16) {
      if (U16(b, at + 8) != 1 || U16(b, at + 22) != 16) return {};
      wave.channels = U16(b, at + 10);
      wave.rate = static_cast<int>(U32(b, at + 12));
      if (U16(b, at + 20) != wave.channels * 2 ||
          U32(b, at + 16) != U32(b, at + 12) * wave.channels * 2)
        return {};
      format = true;
    } else if (id == "data" && format) {
      for (std::size_t i = 0; i + 1 < size; i += 2) {
        wave.samples.push_back(static_cast<std::int16_t>(U16(b, at + 8 + i)));
      }
      return wave;
    }
    at += 8 + size + (size & 1);
  }
  return {};
}

// Every sound the program plays, by its name in the program's table (Windows-1252).
std::vector<const char*> Sounds() {
  std::vector<const char*> names(speech::kSoundEffectFiles.begin(),
                                 speech::kSoundEffectFiles.end());
  for (const char* reward : {speech::kFireSound, speech::kRipplesSound, speech::kMistSound}) {
    names.push_back(reward);
  }
  return names;
}

TEST(Sounds, EverySoundIsShortAudibleAndFarFromClipping) {
  for (const char* name : Sounds()) {
    // The program turns its name into a path of the file system; the file must be found by it.
    const std::filesystem::path path =
        resources_test::ProgramFolder() / "sons" / text::PathFromText(name);
    const std::string shown = text::ToUtf8(name);
    const std::optional<Wave> wave = ParseWave(testing_support::ReadBytes(path));
    ASSERT_TRUE(wave.has_value()) << shown << " is not a 16-bit PCM wave file";
    ASSERT_GT(wave->channels, 0) << shown;
    ASSERT_GE(wave->rate, 8000) << shown;
    const double seconds = static_cast<double>(wave->samples.size()) / wave->channels /
                           static_cast<double>(wave->rate);
    EXPECT_GE(seconds, 0.3) << shown;
    EXPECT_LE(seconds, 3.0) << shown;
    double peak = 0, energy = 0;
    for (std::int16_t s : wave->samples) {
      peak = std::max(peak, std::abs(s / 32768.0));
      energy += (s / 32768.0) * (s / 32768.0);
    }
    const double rms = std::sqrt(energy / static_cast<double>(wave->samples.size()));
    EXPECT_LE(peak, 0.71) << shown << ": peak above -3 dBFS";
    EXPECT_GE(peak, 0.25) << shown << ": too quiet";
    EXPECT_GE(rms, 0.01) << shown << ": nearly silent";
  }
}

TEST(Sounds, TheFireSoundCarriesTheAccentInItsFileName) {
  // On Linux the file system spells "é" in UTF-8.
  EXPECT_TRUE(std::filesystem::exists(resources_test::ProgramFolder() / "sons" /
                                      std::filesystem::path(u8"chemin\u00E9e.wav")));
}

}  // namespace
