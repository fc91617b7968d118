#include "speech/voices.h"

#include <cstdio>

#include "app/scribix_view.h"
#include "text/cp1252.h"

namespace speech {

namespace {

std::string Format(const char* format, int number, const std::string& text) {
  char line[512];
  std::snprintf(line, sizeof line, format, number, text.c_str());
  return line;
}

}  // namespace

void DiscoverVoices(app::CScribixView& view) {
  VoiceTable& table = view.voices;
  table.ortenseVoiceFound = 0;
  view.TraceLine("start populate voice\n");

  int visited = 0;
  const auto sources = view.platform.voices.ListBySource();
  for (std::size_t source = 0; source < sources.size(); ++source) {
    for (const auto& voice : sources[source]) {
      if (visited >= VoiceTable::kMaxVoices) break;
      ++visited;
      char line[600];
      std::snprintf(line, sizeof line, "%s : NA: %d NI :%d %s\n",
                    source == 0 ? "szSubKeyName2" : "szSubKeyName", visited, table.voiceCount(),
                    voice.name.c_str());
      view.TraceLine(line);
      table.voiceNames.push_back(voice.name);
      table.voiceTokenIds.push_back(voice.id);
    }
  }
  view.TraceLine("End Registry \n");
  view.TraceLine("END List desc\n");

  auto& dialog = view.settingsDialog;
  for (const auto& name : table.voiceNames) {
    dialog.voiceItems.push_back(name);
    view.TraceLine(Format("Change Voice ulNumTokens : %d %s  \n",
                          static_cast<int>(dialog.voiceItems.size()), name));
  }

  // The preferred voices, by name: the last "irgin", else the last "ortense", else the first.
  int chosen = 0;
  bool irginSeen = false;
  for (std::size_t i = 0; i < dialog.voiceItems.size(); ++i) {
    const std::string lower = text::ToLower(dialog.voiceItems[i]);
    if (lower.find("irgin") != std::string::npos) {
      chosen = static_cast<int>(i);
      irginSeen = true;
    } else if (lower.find("ortense") != std::string::npos) {
      if (!irginSeen) chosen = static_cast<int>(i);
      table.ortenseVoiceFound = 1;
    }
  }
  if (!dialog.voiceItems.empty()) {
    dialog.voiceSelection = chosen;
    table.selectedVoice = chosen;
    SelectVoice(view, chosen, true);
  }
  view.platform.dialogHost.Refresh(ports::DialogId::kSettings);
  view.TraceLine("END List desc3\n");
}

void SelectVoice(app::CScribixView& view, std::int32_t index, bool useStartupLevels) {
  VoiceTable& table = view.voices;
  if (index < 0 || index >= table.voiceCount()) return;
  const std::string& id = table.voiceTokenIds[static_cast<std::size_t>(index)];
  table.voiceRateBoost =
      id.find("ortense") != std::string::npos || id.find("armonie") != std::string::npos ? 1 : 0;
  view.TraceLine(Format("combo voice 2 Win %d %s\n", index, id));
  view.speech.SetVoice(id);
  if (useStartupLevels) {
    SetSpeechRate(view, -4);
    view.speech.SetVolume(60);
  } else {
    SetSpeechRate(view, view.settingsDialog.speechRate);
    view.speech.SetVolume(view.settingsDialog.speechVolume);
  }
}

void SetSpeechRate(app::CScribixView& view, std::int32_t rate) {
  view.speech.SetRate(view.voices.voiceRateBoost == 1 ? rate + 2 : rate);
}

}  // namespace speech
