#include "shell/scribix_app.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QTranslator>
#include <utility>

#include "app/scribix_view.h"
#include "base/files.h"
#include "notebook/profile_lock.h"
#include "platform/voice_backend.h"
#include "ports/system_clock.h"
#include "puzzle/default_picture.h"
#include "shell/cedit_window.h"
#include "shell/config_abc_window.h"
#include "shell/config_puzzle_window.h"
#include "shell/eleves_window.h"
#include "shell/main_frame.h"
#include "shell/open_list_window.h"
#include "shell/qt_text.h"
#include "shell/view_widget.h"
#include "shell/voice_warning_window.h"

namespace shell {

CScribixApp::CScribixApp(std::unique_ptr<ports::Clock> clock) : clock_(std::move(clock)) {}

CScribixApp::CScribixApp(std::unique_ptr<ports::Voice> voice,
                         std::unique_ptr<ports::VoiceCatalog> catalog,
                         std::unique_ptr<ports::UserDialogs> dialogs,
                         std::unique_ptr<ports::Clock> clock)
    : clock_(std::move(clock)),
      dialogs_(std::move(dialogs)),
      voice_(std::move(voice)),
      voices_(std::move(catalog)) {}

CScribixApp::~CScribixApp() {
  // The dialogs' windows go first (they show the view's models, and the frame would otherwise
  // delete them as its children), then the view: its destructor stops the speech engine.
  // Nothing is saved on this path.
  if (widget_ != nullptr) widget_->Attach(nullptr);
  editorWindow_.reset();
  elevesWindow_.reset();
  settingsWindow_.reset();
  puzzleWindow_.reset();
  listWindow_.reset();
  view_.reset();
  frame_.reset();
}

Folders CScribixApp::DefaultFolders() {
  Folders folders;
  const auto executableFolder = PathFromQt(QCoreApplication::applicationDirPath());
  folders.program = base::FindProgramFolder(executableFolder);
  // ~/.local/share/Scribix, or under $XDG_DATA_HOME.
  const auto perUser =
      PathFromQt(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  // A program folder beside the executable (a build folder) is written to when it can be; an
  // installed one belongs to the system and is never written, even by an administrator.
  folders.data = folders.program == executableFolder
                     ? base::ChooseDataFolder(folders.program, perUser)
                     : base::MakePerUserFolder(perUser);
  if (folders.data != folders.program) {
    // An installed program: the teacher edits copies of the samples in the per-user folder.
    // The puzzles too: the child saves puzzles where the pictures are.
    for (const char* samples : {exercises::COpenList2::kListFolderName,
                                exercises::CCEdit::kExerciseFolderName, puzzle::kPictureFolder}) {
      base::CopyFolderOnce(folders.program, folders.data, samples);
    }
  }
  return folders;
}

std::optional<int> CScribixApp::QuitAfterArgument(const QStringList& arguments) {
  const auto at = arguments.indexOf(QStringLiteral("--quit-after"));
  if (at < 0 || at + 1 >= arguments.size()) return std::nullopt;
  bool number = false;
  const int ms = arguments[at + 1].toInt(&number);
  if (!number || ms <= 0) return std::nullopt;
  return ms;
}

void CScribixApp::QuitAfter(int ms) {
  QTimer::singleShot(ms, frame_.get(), [this] {
    view_->SaveModuleText();
    view_->WriteSettings();
    QCoreApplication::exit(0);
  });
}

namespace {

// The few words of Qt's file dialogs that its French catalogue lacks: the file list calls a
// folder "Folder" otherwise.
class MissingFrenchWords : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (qstrcmp(context, "QAbstractFileIconProvider") != 0 &&
        qstrcmp(context, "QFileIconProvider") != 0) {
      return {};
    }
    static constexpr std::pair<const char*, const char*> kWords[] = {
        {"Folder", "Dossier"},     {"Drive", "Lecteur"},      {"File", "Fichier"},
        {"%1 File", "Fichier %1"}, {"Shortcut", "Raccourci"}, {"Alias", "Alias"}};
    for (const auto& [english, french] : kWords) {
      if (qstrcmp(source, english) == 0) return QString::fromUtf8(french);
    }
    return {};
  }
};

}  // namespace

void CScribixApp::LoadFrenchTranslations(QApplication& application) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    application.installTranslator(translator);
  }
  // Installed last, asked first; it answers only for its own words.
  application.installTranslator(new MissingFrenchWords(&application));
}

bool CScribixApp::InitInstance(const Folders& folders, bool show) {
  QDir::setCurrent(PathToQt(folders.program));

  frame_ = std::make_unique<CMainFrame>();
  widget_ = new ScribixViewWidget(frame_.get());
  frame_->setCentralWidget(widget_);

  timers_ = std::make_unique<QtTimers>([this](int id) {
    if (view_) view_->OnTimer(id);
  });
  if (!clock_) clock_ = std::make_unique<ports::SystemClock>();
  if (!dialogs_) dialogs_ = std::make_unique<QtUserDialogs>(frame_.get());
  std::string voiceNote;
  if (!voice_) voice_ = platform::MakeVoice(&voiceNote);
  if (!voices_) voices_ = platform::MakeVoiceCatalog();
  desktop_ = platform::MakeDesktop();
  if (!desktop_) desktop_ = std::make_unique<QtDesktop>();
  sound_ = platform::MakeSoundPlayer();
  if (!sound_) sound_ = std::make_unique<QtSoundPlayer>();
  platform_ = std::make_unique<ports::Platform>(
      ports::Platform{*widget_, *timers_, *clock_, *dialogs_, *desktop_, pictures_, *sound_,
                      *voice_, *voices_, textPainter_, dialogHost_});

  // This program in the lock of a child's folder: the computer's name for the teacher, and what
  // tells two programs apart on one computer.
  const notebook::LockOwner owner{FromQt(QSysInfo::machineHostName()),
                                  std::to_string(QCoreApplication::applicationPid()) + "-" +
                                      std::to_string(QDateTime::currentMSecsSinceEpoch())};
  view_ = std::make_unique<app::CScribixView>(*platform_, folders.program, folders.data, owner);
  widget_->Attach(view_.get());
  // The close box keeps the child's work as the quit icon does, without asking.
  frame_->SetCloseAction([this] {
    if (view_) view_->SaveModuleText();
  });
  // Where the program found its resources and where it writes, which pictures were missing, and
  // why it speaks or stays silent go into the start-up trace.
  base::Trace& trace = view_->Parts().trace;
  trace.Line("Program folder: " + folders.program.string() + "\n");
  trace.Line("Data folder: " + folders.data.string() + "\n");
  for (const auto& missing : pictures_.Unreadable()) {
    trace.Line("Missing picture: " + missing.string() + "\n");
  }
  if (!voiceNote.empty()) trace.Line("Voice: " + voiceNote + "\n");
  // Nothing to be heard: the settings window and the sound icon tell the teacher why.
  if (!voice_->IsAvailable()) view_->Parts().settingsDialog.SetSoundProblem(voiceNote);
  // Hidden until the "Configuration" icon shows it.
  settingsWindow_ = std::make_unique<CConfigABCWindow>(view_->Parts().settingsDialog, dialogHost_,
                                                       *desktop_, folders.program, frame_.get());
  const platform::VoiceInstaller installer = platform::VoiceInstallerOfSystem();
  settingsWindow_->UseVoiceInstaller(installer.fileName);
  view_->Parts().voiceWarning.UseInstaller(installer.fileName, installer.warning);
  // Hidden until the puzzle's "Configuration" icon shows it.
  puzzleWindow_ =
      std::make_unique<CConfigPuzzleWindow>(view_->Parts().puzzleDialog, dialogHost_, frame_.get());
  // Hidden until the "Gestion des listes de mots" icon shows it.
  listWindow_ = std::make_unique<COpenList2Window>(view_->Parts().listDialog, dialogHost_,
                                                   folders.program, frame_.get());
  // Hidden until the "Module d'édition" icon shows it.
  editorWindow_ =
      std::make_unique<CCEditWindow>(view_->Parts().editorDialog, dialogHost_, frame_.get());
  // Hidden until the settings window's "Élèves" shows it.
  elevesWindow_ = std::make_unique<CElevesWindow>(view_->Parts().eleves, dialogHost_, frame_.get());
  dialogHost_.RegisterModal(ports::DialogId::kVoiceWarning, [this] {
    CAvert2Window warning(view_->Parts().voiceWarning, *desktop_, *clock_, *widget_, frame_.get());
    warning.exec();
  });
  if (view_->OnCreate() != 0) return false;
  view_->OnSize();

  if (show) frame_->show();
  widget_->repaint();
  return true;
}

}  // namespace shell
