#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace app {
class CEleves;
}

namespace shell {

class QtDialogHost;

// The window "Élèves": the children of the class with their pictures, and the class folder.
// It shows its model and hands every action to the model's handlers; closing it only hides it.
class CElevesWindow : public QDialog {
  Q_OBJECT

 public:
  // Registers itself with the host, hidden.
  CElevesWindow(app::CEleves& model, QtDialogHost& host, QWidget* parent);

  void ShowModel();
  // Asks the teacher for the class folder (a test answers instead); empty: nothing chosen.
  std::function<QString()> chooseFolder;

  QListWidget* Children() const { return children_; }
  QLineEdit* Name() const { return name_; }
  QComboBox* Look() const { return look_; }
  QPushButton* Add() const { return add_; }
  QPushButton* Rename() const { return rename_; }
  QPushButton* Remove() const { return remove_; }
  QPushButton* ChooseClassFolder() const { return chooseClassFolder_; }
  QLabel* ClassFolder() const { return classFolder_; }

 private:
  void BuildControls();
  // The name typed goes to the model before a button acts on it.
  void TakeName();

  app::CEleves& model_;
  QListWidget* children_ = nullptr;
  QLineEdit* name_ = nullptr;
  QComboBox* look_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* rename_ = nullptr;
  QPushButton* remove_ = nullptr;
  QLabel* classFolder_ = nullptr;
  QPushButton* chooseClassFolder_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace shell
