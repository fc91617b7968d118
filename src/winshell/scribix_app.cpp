#include "winshell/scribix_app.h"

#include <commctrl.h>
#include <knownfolders.h>
#include <objbase.h>
#include <ole2.h>
#include <shlobj.h>

#include "app/scribix_view.h"
#include "base/files.h"
#include "exercises/edit_dialog.h"
#include "exercises/open_list_dialog.h"
#include "platform/voice_backend.h"
#include "ports/null_dialog_host.h"
#include "ports/null_sound_player.h"
#include "puzzle/default_picture.h"
#include "text/cp1252.h"
#include "winshell/win_text.h"

namespace winshell {

namespace {

std::filesystem::path ExecutableFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return std::filesystem::current_path();
    if (length < name.size()) {
      name.resize(length);
      break;
    }
    name.resize(name.size() * 2);
  }
  return std::filesystem::path(name).parent_path();
}

// %APPDATA%, the user's roaming application-data folder.
std::filesystem::path ApplicationData() {
  PWSTR folder = nullptr;
  std::filesystem::path path;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder))) {
    path = PathFromWide(folder);
  }
  CoTaskMemFree(folder);
  return path;
}

}  // namespace

CScribixApp::CScribixApp() = default;

CScribixApp::~CScribixApp() {
  // The view first: its destructor stops the speech engine. Then the windows, then COM.
  if (viewWindow_) viewWindow_->Attach(nullptr);
  dialogWindows_.reset();
  view_.reset();
  platform_.reset();
  dialogHost_.reset();
  voice_.reset();
  voices_.reset();
  sound_.reset();
  pictures_.reset();
  viewWindow_.reset();
  if (richEdit_ != nullptr) FreeLibrary(richEdit_);
  if (oleStarted_) OleUninitialize();
  if (comStarted_) CoUninitialize();
}

Folders CScribixApp::DefaultFolders() {
  Folders folders;
  folders.program = base::FindProgramFolder(ExecutableFolder());
  // The program folder belongs to the system once installed (under Program Files): the work
  // always goes to the user's own folder, wherever the program was started from.
  const std::filesystem::path appData = ApplicationData();
  folders.data = appData.empty() ? folders.program : base::MakePerUserFolder(appData / "Scribix");
  if (folders.data != folders.program) {
    // The teacher edits copies of the samples; the child saves puzzles where the pictures are.
    for (const char* samples : {exercises::COpenList2::kListFolderName,
                                exercises::CCEdit::kExerciseFolderName, puzzle::kPictureFolder}) {
      base::CopyFolderOnce(folders.program, folders.data, samples);
    }
  }
  return folders;
}

std::optional<int> CScribixApp::QuitAfterArgument(const std::vector<std::wstring>& arguments) {
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] != L"--quit-after") continue;
    const std::wstring& value = arguments[i + 1];
    if (value.empty() || value.size() > 9 ||
        value.find_first_not_of(L"0123456789") != std::wstring::npos) {
      return std::nullopt;
    }
    const int ms = std::stoi(value);
    if (ms <= 0) return std::nullopt;
    return ms;
  }
  return std::nullopt;
}

void CScribixApp::QuitAfter(int ms) {
  frame_.After(ms, [this] {
    if (view_) {
      view_->SaveModuleText();
      view_->WriteSettings();
    }
    PostQuitMessage(0);
  });
}

void CScribixApp::MakeDialogWindows(const Folders& folders, const std::string& voiceInstaller) {
  // Hidden until their icons show them; the voice warning is made when it is run.
  // The windows keep the models the parts refer to, not the parts themselves.
  app::ViewParts parts = view_->Parts();
  dialogWindows_ =
      winshell::MakeDialogWindows(GetModuleHandleW(nullptr), frame_.Handle(), parts, *desktop_,
                                  clock_, *viewWindow_, folders.program, *dialogHost_);
  dialogWindows_->UseVoiceInstaller(voiceInstaller);
}

bool CScribixApp::PreTranslateMessage(MSG& message) {
  // The modeless dialogs' keys (Tab, Enter, Escape) are theirs before the loop dispatches them.
  return dialogHost_ && dialogHost_->PreTranslate(message);
}

bool CScribixApp::InitInstance(const Folders& folders, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  if (FAILED(OleInitialize(nullptr))) return false;
  oleStarted_ = true;
  // The text editor's box is a rich edit control of version 2.0.
  richEdit_ = LoadLibraryW(L"riched20.dll");
  SetCurrentDirectoryW(folders.program.wstring().c_str());

  if (!frame_.Create()) return false;
  viewWindow_ = std::make_unique<ScribixViewWindow>(frame_);
  timers_ = std::make_unique<WinTimers>([this](int id) {
    if (view_) view_->OnTimer(id);
  });
  viewWindow_->OnTimerMessage([this](UINT_PTR id) { timers_->Tick(id); });
  dialogs_ = std::make_unique<WinUserDialogs>([this] { return frame_.Handle(); });
  std::string voiceNote;
  voice_ = platform::MakeVoice(&voiceNote);
  voices_ = platform::MakeVoiceCatalog();
  desktop_ = platform::MakeDesktop();
  sound_ = platform::MakeSoundPlayer();
  if (!sound_) sound_ = std::make_unique<ports::NullSoundPlayer>();
  pictures_ = std::make_unique<WinPictures>();
  dialogHost_ = std::make_unique<WinDialogHost>();
  platform_ = std::make_unique<ports::Platform>(
      ports::Platform{*viewWindow_, *timers_, clock_, *dialogs_, *desktop_, *pictures_, *sound_,
                      *voice_, *voices_, textPainter_, *dialogHost_});

  view_ = std::make_unique<app::CScribixView>(*platform_, folders.program, folders.data);
  // The close box keeps the child's work as the quit icon does, without asking.
  frame_.SetCloseAction([this] {
    if (view_) view_->SaveModuleText();
  });
  // Where the program found its resources and where it writes, which pictures were missing, and
  // why it speaks or stays silent go into the start-up trace.
  base::Trace& trace = view_->Parts().trace;
  trace.Line("Program folder: " + text::TextFromPath(folders.program) + "\n");
  trace.Line("Data folder: " + text::TextFromPath(folders.data) + "\n");
  for (const auto& missing : pictures_->Unreadable()) {
    trace.Line("Missing picture: " + text::TextFromPath(missing) + "\n");
  }
  if (!voiceNote.empty()) trace.Line("Voice: " + voiceNote + "\n");
  // Nothing to be heard: the settings window and the sound icon tell the teacher why.
  if (!voice_->IsAvailable()) view_->Parts().settingsDialog.SetSoundProblem(voiceNote);
  const platform::VoiceInstaller installer = platform::VoiceInstallerOfSystem();
  view_->Parts().voiceWarning.UseInstaller(installer.fileName, installer.warning);
  MakeDialogWindows(folders, installer.fileName);

  // The view's window, then its creation and its timers.
  if (!viewWindow_->Create()) return false;
  timers_->Attach(viewWindow_->Handle());
  viewWindow_->Attach(view_.get());
  if (view_->OnCreate() != 0) return false;
  view_->OnSize();

  ShowWindow(frame_.Handle(), showCommand);
  UpdateWindow(frame_.Handle());
  return true;
}

int CScribixApp::Run() {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 1;
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace winshell
