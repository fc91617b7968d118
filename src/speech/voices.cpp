#include "speech/voices.h"

#include <algorithm>
#include <cstdio>

#include "text/cp1252.h"

namespace speech {

namespace {

std::string Format(const char* format, int number, const std::string& text) {
  char line[512];
  std::snprintf(line, sizeof line, format, number, text.c_str());
  return line;
}

}  // namespace

FoundVoices DiscoverVoices(ports::VoiceCatalog& catalog, base::Trace& trace) {
  FoundVoices found;
  VoiceTable& table = found.table;
  trace.Line("start populate voice\n");

  int visited = 0;
  int firstFrench = -1;
  const auto sources = catalog.ListBySource();
  for (std::size_t source = 0; source < sources.size(); ++source) {
    for (const auto& voice : sources[source]) {
      if (visited >= VoiceTable::kMaxVoices) break;
      ++visited;
      char line[600];
      std::snprintf(line, sizeof line, "%s : NA: %d NI :%d %s\n",
                    source == 0 ? "szSubKeyName2" : "szSubKeyName", visited, table.voiceCount(),
                    voice.name.c_str());
      trace.Line(line);
      table.voiceNames.push_back(voice.name);
      table.voiceTokenIds.push_back(voice.id);
      if (voice.french) {
        if (found.frenchVoices == 0) firstFrench = table.voiceCount() - 1;
        ++found.frenchVoices;
      }
    }
  }
  trace.Line("End Registry \n");
  trace.Line("END List desc\n");
  for (std::size_t i = 0; i < table.voiceNames.size(); ++i) {
    trace.Line(Format("Change Voice ulNumTokens : %d %s  \n", static_cast<int>(i + 1),
                      table.voiceNames[i]));
  }

  int chosen = std::max(firstFrench, 0);
  bool irginSeen = false;
  for (std::size_t i = 0; i < table.voiceNames.size(); ++i) {
    const std::string lower = text::ToLower(table.voiceNames[i]);
    if (lower.find("irgin") != std::string::npos) {
      chosen = static_cast<int>(i);
      irginSeen = true;
    } else if (lower.find("ortense") != std::string::npos) {
      if (!irginSeen) chosen = static_cast<int>(i);
      table.ortenseVoiceFound = 1;
    }
  }
  if (!table.voiceNames.empty()) {
    found.defaultVoice = chosen;
    table.selectedVoice = chosen;
  }
  return found;
}

void SelectVoice(VoiceTable& table, SpeechEngine& engine, base::Trace& trace, std::int32_t index,
                 int rate, int volume) {
  if (index < 0 || index >= table.voiceCount()) return;
  const std::string& id = table.voiceTokenIds[static_cast<std::size_t>(index)];
  table.voiceRateBoost =
      id.find("ortense") != std::string::npos || id.find("armonie") != std::string::npos ? 1 : 0;
  trace.Line(Format("combo voice 2 Win %d %s\n", index, id));
  trace.Line("combo voice3 " + id + "\n");
  trace.Line("combo voice4 " + id + "\n");
  trace.Line("combo voice5 " + id + "\n");
  trace.Line("combo voice6 " + id + "\n");
  trace.Line("combo voice9 " + id + "\n");
  engine.SetVoice(id);
  trace.Line("combo voice10 " + id + "\n");
  SetSpeechRate(table, engine, rate);
  engine.SetVolume(volume);
}

void SetSpeechRate(const VoiceTable& table, SpeechEngine& engine, std::int32_t rate) {
  engine.SetRate(table.voiceRateBoost == 1 ? rate + 2 : rate);
}

}  // namespace speech
