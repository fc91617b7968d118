#pragma once

#include <QDialog>
#include <filesystem>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace exercises {
class COpenList2;
}

namespace shell {

class QtDialogHost;

// The window of the word-list dialog: open, edit and save a list and choose how the dictation
// goes through it. It shows its model and hands every change of a control to the model's
// handler; closing it only hides it.
class COpenList2Window : public QDialog {
  Q_OBJECT

 public:
  // Registers itself with the host, hidden.
  COpenList2Window(exercises::COpenList2& model, QtDialogHost& host,
                   const std::filesystem::path& programFolder, QWidget* parent);

  // The model's state in the controls, without calling its handlers.
  void ShowModel();

  QPushButton* Close() const { return close_; }
  QPushButton* Open() const { return open_; }
  QPushButton* Save() const { return save_; }
  QPushButton* Review() const { return review_; }
  QPlainTextEdit* Entries() const { return entries_; }
  QCheckBox* RandomDraw() const { return randomDraw_; }
  QComboBox* AutoAdvance() const { return autoAdvance_; }
  QCheckBox* HideHelp() const { return hideHelp_; }
  QCheckBox* HideSolution() const { return hideSolution_; }

 private:
  void BuildControls(const std::filesystem::path& programFolder);
  void ConnectControls();
  template <typename Handler>
  void Apply(Handler handler);

  exercises::COpenList2& model_;

  QPushButton* close_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* review_ = nullptr;
  QPlainTextEdit* entries_ = nullptr;
  QCheckBox* randomDraw_ = nullptr;
  QComboBox* autoAdvance_ = nullptr;
  QCheckBox* hideHelp_ = nullptr;
  QCheckBox* hideSolution_ = nullptr;
};

}  // namespace shell
