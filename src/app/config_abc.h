#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/settings_actions.h"
#include "exercises/syllable_colours.h"
#include "ports/dialog_host.h"

namespace app {

// The settings dialog of the writing modules: keyboard look, grid size, placement, effects and
// the voice. Every change acts at once and is saved at once.
class CConfigABC {
 public:
  static constexpr std::array<const char*, 3> kColourItems = {
      "bleu", "voyelles-rouge/consonnes-bleu", "noir"};
  static constexpr std::array<const char*, 5> kZoomItems = {"1.0", "1.25", "1.5", "1.75", "2.0"};
  static constexpr std::array<float, 5> kZoomFactors = {1.0f, 1.25f, 1.5f, 1.75f, 2.0f};
  static constexpr int kLineItems = 8;   // "1" to "8"
  static constexpr int kCellItems = 20;  // "2" to "40" in steps of 2
  static constexpr std::array<const char*, 2> kSyllablePairItems = {"bleu / rouge",
                                                                    "bleu / orange"};
  // The periods of "Bilan", in the order of notebook::ReportPeriod.
  static constexpr std::array<const char*, 3> kReportPeriodItems = {"Aujourd'hui", "Cette semaine",
                                                                    "Tout"};

  CConfigABC(ports::DialogHost& host, SettingsActions& actions) : host_(host), actions_(actions) {}

  // The selections, -1 when none.
  std::int32_t colourSelection = -1;  // "Couleurs du clavier"
  std::int32_t zoomSelection = -1;    // "Zoom du clavier"
  std::int32_t linesSelection = -1;   // "Nombre de lignes"
  std::int32_t cellsSelection = -1;   // "Nombre de cases/lignes"
  std::int32_t voiceSelection = -1;   // "Choix de la voix"
  std::vector<std::string> voiceItems;

  bool autoPlace = false;  // "Placement automatique sur clic"
  bool noSounds = false;   // "Supprimer les bruitages"
  bool noEffects = false;  // "Supprimer les effets visuels"

  std::int32_t rateSlider = 0;    // 0 to 20
  std::int32_t volumeSlider = 0;  // 0 to 100
  std::int32_t speechRate = 0;    // -10 to 10
  std::int32_t speechVolume = 0;  // 0 to 100

  // The selections the main view gives the dialog when it is made.
  void SetDefaults();
  // The voices found at start-up, and the one chosen for them.
  void SetVoices(std::vector<std::string> names, std::int32_t chosen);
  // A selection that the list does not have leaves it without one.
  static std::int32_t ValidSelection(std::int32_t item, int itemCount);

  // Control handlers, as the window calls them (and the settings reader, under its guard).
  void OnColoursChanged(std::int32_t item);
  void OnZoomChanged(std::int32_t item);
  void OnLinesChanged(std::int32_t item);
  void OnCellsChanged(std::int32_t item);
  void OnVoiceChanged(std::int32_t item);
  void OnRateMoved(std::int32_t position);
  void OnVolumeMoved(std::int32_t position);
  void OnAutoPlaceClicked(bool ticked);
  void OnNoSoundsClicked(bool ticked);
  void OnNoEffectsClicked(bool ticked);

  // Why the program cannot be heard, in French, for the teacher (empty while it can): the
  // window shows it, and the sound icon's tooltips end with it.
  std::string soundProblem;
  std::string soundOnTip;
  std::string soundOffTip;
  // From the voice backend's note of what it found (empty: no voice was made at all).
  void SetSoundProblem(const std::string& backendNote);
  // What the program is told when the voice backend's note says why nothing is heard.
  static std::string SoundProblemText(const std::string& backendNote);

  // The zoom the screen has room for, when it is smaller than the one chosen; -1 otherwise.
  std::int32_t zoomInUse = -1;
  void ShowZoomInUse(std::int32_t used);
  // "Zoom utilisé : 1.5 ..." while the zoom chosen does not fit the screen; empty otherwise.
  std::string ZoomNote() const;

  std::int32_t lastAppliedVoice = -1;
  std::int32_t lastAppliedZoom = 0;

  // "Syllabes en couleur", its pair of colours and "D\xE9butant (pi-a-no)" (the glides cut).
  exercises::SyllableLook syllableLook;
  void OnSyllableColoursClicked(bool ticked);
  void OnSyllablePairChanged(std::int32_t item);
  void OnSplitGlidesClicked(bool ticked);
  // The child's notebook: "Bilan" for the period chosen ("Aujourd'hui", "Cette semaine", "Tout")
  // and "Exporter (CSV)".
  std::int32_t reportPeriodSelection = 0;
  std::function<void(std::int32_t period)> showReport;
  std::function<void()> exportJournal;
  void OnReportPeriodChanged(std::int32_t item);
  void OnReportClicked();
  void OnExportClicked();

 private:
  void SaveUnlessLoading();
  void AfterGridSizeChange();

  ports::DialogHost& host_;
  SettingsActions& actions_;
};

}  // namespace app
