#include "shell/cedit_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "exercises/edit_dialog.h"
#include "shell/qt_dialog_host.h"
#include "shell/qt_text.h"

namespace shell {

namespace {

// The letters a child with dyslexia reads best; Comic Neue where Comic Sans is not installed.
QFont ExerciseFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(14);
  return font;
}

void ShowText(QTextEdit* box, const QString& shown) {
  if (box->toPlainText() == shown) return;
  const QSignalBlocker quiet(box);
  box->setPlainText(shown);
}

QPushButton* Button(const char* text, QWidget* parent) {
  auto* button = new QPushButton(ToQt(text), parent);
  // Enter belongs to the text: it starts a new line there.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CCEditWindow::CCEditWindow(exercises::CCEdit& model, QtDialogHost& host, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(ToQt(exercises::CCEdit::kCaption));
  setModal(false);
  BuildControls();
  ConnectControls();
  host.Register(ports::DialogId::kEditor, this, [this] { ShowModel(); });
}

void CCEditWindow::BuildControls() {
  open_ = Button(exercises::CCEdit::kOpen, this);
  save_ = Button(exercises::CCEdit::kSave, this);
  clearAll_ = Button(exercises::CCEdit::kClearAll, this);
  close_ = Button(exercises::CCEdit::kClose, this);
  apply_ = Button(exercises::CCEdit::kApply, this);

  text_ = new QTextEdit(this);
  text_->setAcceptRichText(false);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text_->setLineWrapMode(QTextEdit::NoWrap);
  text_->setFont(ExerciseFont());
  text_->document()->setDefaultFont(ExerciseFont());
  QPalette ink = text_->palette();
  ink.setColor(QPalette::Text, Qt::black);
  text_->setPalette(ink);
  text_->setMinimumSize(460, 260);

  loadedCopy_ = new QTextEdit(this);
  loadedCopy_->setAcceptRichText(false);

  link_ = new QCheckBox(ToQt(exercises::CCEdit::kLink), this);
  unlink_ = new QCheckBox(ToQt(exercises::CCEdit::kUnlink), this);
  hide_ = new QCheckBox(ToQt(exercises::CCEdit::kHide), this);
  makeVisible_ = new QCheckBox(ToQt(exercises::CCEdit::kMakeVisible), this);
  fix_ = new QCheckBox(ToQt(exercises::CCEdit::kFix), this);
  linkAll_ = new QCheckBox(ToQt(exercises::CCEdit::kLinkAll), this);
  hideAll_ = new QCheckBox(ToQt(exercises::CCEdit::kHideAll), this);

  auto* files = new QHBoxLayout;
  files->addWidget(open_);
  files->addWidget(save_);
  files->addStretch(1);
  files->addWidget(clearAll_);

  auto* commands = new QVBoxLayout;
  commands->setSpacing(14);
  for (QCheckBox* box : {link_, unlink_, hide_, makeVisible_}) commands->addWidget(box);
  commands->addSpacing(24);
  commands->addWidget(fix_);
  commands->addStretch(1);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(18);
  middle->addWidget(text_, 1);
  middle->addLayout(commands);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  close_->setMinimumWidth(110);
  bottom->addWidget(close_);

  auto* whole = new QVBoxLayout(this);
  whole->setContentsMargins(16, 14, 16, 14);
  whole->setSpacing(12);
  whole->addLayout(files);
  whole->addLayout(middle, 1);
  whole->addLayout(bottom);

  // Not shown, yet they keep their roles.
  for (QWidget* unseen : std::initializer_list<QWidget*>{apply_, linkAll_, hideAll_, loadedCopy_}) {
    unseen->hide();
  }
}

void CCEditWindow::ConnectControls() {
  connect(text_, &QTextEdit::textChanged, this, [this] { TextEdited(); });
  connect(text_, &QTextEdit::cursorPositionChanged, this, [this] {
    const auto [start, end] = Selection();
    model_.OnSelectionChanged(start, end);
  });

  // Check boxes that act as push buttons: ticked by the click, unticked again at once.
  connect(link_, &QCheckBox::clicked, this,
          [this] { Command(link_, &exercises::CCEdit::OnLinkClicked); });
  connect(unlink_, &QCheckBox::clicked, this,
          [this] { Command(unlink_, &exercises::CCEdit::OnUnlinkClicked); });
  connect(hide_, &QCheckBox::clicked, this,
          [this] { Command(hide_, &exercises::CCEdit::OnHideClicked); });
  connect(makeVisible_, &QCheckBox::clicked, this,
          [this] { Command(makeVisible_, &exercises::CCEdit::OnMakeVisibleClicked); });
  connect(linkAll_, &QCheckBox::clicked, this,
          [this] { Command(linkAll_, &exercises::CCEdit::OnLinkAllClicked); });
  connect(hideAll_, &QCheckBox::clicked, this,
          [this] { Command(hideAll_, &exercises::CCEdit::OnHideAllClicked); });

  connect(fix_, &QCheckBox::clicked, this, [this](bool ticked) {
    model_.OnFixClicked(ticked);
    ShowModel();
  });
  connect(open_, &QPushButton::clicked, this, [this] {
    model_.OnOpenClicked();
    ShowModel();
  });
  connect(save_, &QPushButton::clicked, this, [this] {
    model_.OnSaveClicked();
    ShowModel();
  });
  connect(clearAll_, &QPushButton::clicked, this,
          [this] { Command(nullptr, &exercises::CCEdit::OnClearAllClicked); });
  connect(apply_, &QPushButton::clicked, this,
          [this] { Command(nullptr, &exercises::CCEdit::OnApplyClicked); });
  connect(close_, &QPushButton::clicked, this, [this] { model_.OnCloseClicked(); });
}

void CCEditWindow::reject() {
  model_.OnCloseClicked();
}

void CCEditWindow::TextEdited() {
  const auto [start, end] = Selection();
  model_.OnTextChanged(ModelText(text_->toPlainText()), start, end);
  ShowModel();
}

std::pair<std::size_t, std::size_t> CCEditWindow::Selection() const {
  const QTextCursor cursor = text_->textCursor();
  const QString shown = text_->toPlainText();
  return {ModelPosition(shown, cursor.selectionStart()),
          ModelPosition(shown, cursor.selectionEnd())};
}

void CCEditWindow::ShowModel() {
  ShowText(text_, ShownText(model_.text));
  ShowText(loadedCopy_, ShownText(model_.loadedCopy));

  const int anchor = ShownPosition(model_.text, model_.selectionStart);
  const int position = ShownPosition(model_.text, model_.selectionEnd);
  QTextCursor cursor = text_->textCursor();
  if (cursor.selectionStart() != anchor || cursor.selectionEnd() != position) {
    const QSignalBlocker quiet(text_);
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    text_->setTextCursor(cursor);
  }
  text_->setLineWrapMode(model_.wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);

  const QSignalBlocker quiet(fix_);
  fix_->setChecked(model_.fixed);
}

QString CCEditWindow::ShownText(const std::string& text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines += '\n';
    } else {
      lines += text[i];
    }
  }
  return ToQt(lines);
}

std::string CCEditWindow::ModelText(const QString& shown) {
  const std::string text = FromQt(shown);
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::size_t CCEditWindow::ModelPosition(const QString& shown, int position) {
  return ModelText(shown.left(std::max(position, 0))).size();
}

int CCEditWindow::ShownPosition(const std::string& text, std::size_t position) {
  return static_cast<int>(ShownText(text.substr(0, std::min(position, text.size()))).size());
}

void CCEditWindow::Command(QCheckBox* box, void (exercises::CCEdit::*handler)()) {
  if (box != nullptr) {
    // A check box that acts as a button does not stay ticked; the command works on the selection.
    const QSignalBlocker quiet(box);
    box->setChecked(false);
    const auto [start, end] = Selection();
    model_.OnSelectionChanged(start, end);
  }
  (model_.*handler)();
  ShowModel();
}

}  // namespace shell
