#include "winshell/dialogs/dialog_windows.h"

#include <commctrl.h>

#include "winshell/dialogs/voice_warning_window.h"

namespace winshell {

DialogWindows::DialogWindows(HINSTANCE instance, HWND owner, app::ViewParts& parts,
                             ports::Desktop& desktop, ports::Clock& clock,
                             ports::Window& mainWindow, const std::filesystem::path& programFolder,
                             WinDialogHost& host)
    : host_(host), richEdit_(LoadLibraryW(L"Msftedit.dll")) {
  // The track bars of the settings.
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  // Hidden until the "Gestion des listes de mots" icon shows it.
  wordLists_ =
      std::make_unique<COpenList2Window>(parts.listDialog, host, instance, owner, programFolder);
  // Hidden until the "Module d'édition" icon shows it.
  editor_ = std::make_unique<CCEditWindow>(parts.editorDialog, host, instance, owner);
  // Hidden until the "Configuration" icon shows it.
  settings_ = std::make_unique<CConfigABCWindow>(parts.settingsDialog, host, desktop, programFolder,
                                                 instance, owner);
  // Hidden until the puzzle's "Configuration" icon shows it.
  puzzleSettings_ =
      std::make_unique<CConfigPuzzleWindow>(parts.puzzleDialog, host, instance, owner);
  // Hidden until the settings' "Élèves" button shows it.
  eleves_ = std::make_unique<CElevesWindow>(parts.eleves, host, instance, owner);

  speech::CAvert2& warning = parts.voiceWarning;
  host.RegisterModal(ports::DialogId::kVoiceWarning,
                     [&warning, &desktop, &clock, &mainWindow, instance, owner] {
                       CAvert2Window window(warning, desktop, clock, mainWindow);
                       window.Run(instance, owner);
                     });
}

DialogWindows::~DialogWindows() {
  host_.RegisterModal(ports::DialogId::kVoiceWarning, nullptr);
}

std::unique_ptr<DialogWindows> MakeDialogWindows(HINSTANCE instance, HWND owner,
                                                 app::ViewParts& parts, ports::Desktop& desktop,
                                                 ports::Clock& clock, ports::Window& mainWindow,
                                                 const std::filesystem::path& programFolder,
                                                 WinDialogHost& host) {
  return std::make_unique<DialogWindows>(instance, owner, parts, desktop, clock, mainWindow,
                                         programFolder, host);
}

}  // namespace winshell
