#pragma once

#include <QDialog>
#include <cstddef>
#include <string>
#include <utility>

class QCheckBox;
class QPushButton;
class QTextEdit;

namespace exercises {
class CCEdit;
}

namespace shell {

class QtDialogHost;

// The window of the text exercise editor: the marked-up text, the buttons that mark it up, the
// fixed exercise and its files. It shows its model and hands every change to the model's
// handlers; "Fermer" and Escape only hide it.
class CCEditWindow : public QDialog {
  Q_OBJECT

 public:
  // Registers itself with the host, hidden.
  CCEditWindow(exercises::CCEdit& model, QtDialogHost& host, QWidget* parent);

  // The model's state in the controls, without calling its handlers.
  void ShowModel();

  // The editor's text (CR LF between lines, Windows-1252) as the box shows it, and back; and a
  // position in the one as a position in the other.
  static QString ShownText(const std::string& text);
  static std::string ModelText(const QString& shown);
  static std::size_t ModelPosition(const QString& shown, int position);
  static int ShownPosition(const std::string& text, std::size_t position);

  QTextEdit* Text() const { return text_; }
  QTextEdit* LoadedCopy() const { return loadedCopy_; }
  QPushButton* Open() const { return open_; }
  QPushButton* Save() const { return save_; }
  QPushButton* ClearAll() const { return clearAll_; }
  QPushButton* Close() const { return close_; }
  QPushButton* Apply() const { return apply_; }
  QCheckBox* Link() const { return link_; }
  QCheckBox* Unlink() const { return unlink_; }
  QCheckBox* Hide() const { return hide_; }
  QCheckBox* MakeVisible() const { return makeVisible_; }
  QCheckBox* Fix() const { return fix_; }
  QCheckBox* LinkAll() const { return linkAll_; }
  QCheckBox* HideAll() const { return hideAll_; }

  void reject() override;

 private:
  // Runs a command of the model and shows its result; a check box that acts as a button is
  // unticked first and the selection handed over.
  void Command(QCheckBox* box, void (exercises::CCEdit::*handler)());
  void BuildControls();
  void ConnectControls();
  // The box's selection as positions in the model's text.
  std::pair<std::size_t, std::size_t> Selection() const;
  void TextEdited();

  exercises::CCEdit& model_;

  QTextEdit* text_ = nullptr;
  QTextEdit* loadedCopy_ = nullptr;  // not shown
  QPushButton* open_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* clearAll_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* apply_ = nullptr;  // not shown
  QCheckBox* link_ = nullptr;
  QCheckBox* unlink_ = nullptr;
  QCheckBox* hide_ = nullptr;
  QCheckBox* makeVisible_ = nullptr;
  QCheckBox* fix_ = nullptr;
  QCheckBox* linkAll_ = nullptr;  // not shown
  QCheckBox* hideAll_ = nullptr;  // not shown
};

}  // namespace shell
