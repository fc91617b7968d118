#pragma once

#include <QDialog>
#include <filesystem>
#include <string>

#include "ports/desktop.h"

class QCheckBox;
class QLayout;
class QLabel;
class QComboBox;
class QPushButton;
class QSlider;

namespace app {
class CConfigABC;
}

namespace shell {

class QtDialogHost;

// The window of the settings dialog: keyboard look, grid size, placement, effects and the voice.
// It shows its model and hands every change of a control to the model's handler; closing it only
// hides it.
class CConfigABCWindow : public QDialog {
  Q_OBJECT

 public:
  // The page that tells how to install the French voices, in the program folder.
  static constexpr const char* kVoiceInstallerPage = "installer-voix.html";

  // Registers itself with the host, hidden.
  CConfigABCWindow(app::CConfigABC& model, QtDialogHost& host, ports::Desktop& desktop,
                   std::filesystem::path programFolder, QWidget* parent);

  // What the installer button opens instead of the page, in the program folder.
  void UseVoiceInstaller(std::string fileName) { voiceInstaller_ = std::move(fileName); }

  // The model's state in the controls, without calling its handlers.
  void ShowModel();

  QComboBox* Colours() const { return colours_; }
  QComboBox* Zoom() const { return zoom_; }
  QComboBox* Lines() const { return lines_; }
  QComboBox* Cells() const { return cells_; }
  QComboBox* Voice() const { return voice_; }
  QSlider* Rate() const { return rate_; }
  QSlider* Volume() const { return volume_; }
  QCheckBox* AutoPlace() const { return autoPlace_; }
  QCheckBox* NoSounds() const { return noSounds_; }
  QCheckBox* NoEffects() const { return noEffects_; }
  QPushButton* InstallVoices() const { return installVoices_; }
  QPushButton* Ok() const { return ok_; }
  QPushButton* Eleves() const { return eleves_; }
  QPushButton* Report() const { return report_; }
  QComboBox* ReportPeriod() const { return reportPeriod_; }
  QPushButton* ExportJournal() const { return exportJournal_; }
  QLabel* SoundProblem() const { return soundProblem_; }
  QLabel* ZoomNote() const { return zoomNote_; }
  QCheckBox* SyllableColours() const { return syllableColours_; }
  QComboBox* SyllablePair() const { return syllablePair_; }
  QCheckBox* SplitGlides() const { return splitGlides_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void ConnectControls();
  // The syllables in colour, in a row under the others.
  QLayout* BuildSyllableControls();
  void ConnectSyllableControls();
  // A control's change went to the model: show what the model made of it.
  template <typename Handler>
  void Apply(Handler handler);
  void OpenVoiceInstaller();

  app::CConfigABC& model_;
  ports::Desktop& desktop_;
  std::filesystem::path programFolder_;
  std::string voiceInstaller_ = kVoiceInstallerPage;

  QLabel* soundProblem_ = nullptr;
  QLabel* zoomNote_ = nullptr;
  QComboBox* colours_ = nullptr;
  QComboBox* zoom_ = nullptr;
  QComboBox* lines_ = nullptr;
  QComboBox* cells_ = nullptr;
  QComboBox* voice_ = nullptr;
  QSlider* rate_ = nullptr;
  QSlider* volume_ = nullptr;
  QCheckBox* autoPlace_ = nullptr;
  QCheckBox* noSounds_ = nullptr;
  QCheckBox* syllableColours_ = nullptr;
  QComboBox* syllablePair_ = nullptr;
  QCheckBox* splitGlides_ = nullptr;
  QCheckBox* noEffects_ = nullptr;
  QPushButton* installVoices_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* eleves_ = nullptr;
  QPushButton* report_ = nullptr;
  QComboBox* reportPeriod_ = nullptr;
  QPushButton* exportJournal_ = nullptr;
};

}  // namespace shell
