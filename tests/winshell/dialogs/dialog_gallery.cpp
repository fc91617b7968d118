// The modeless windows over a program on null ports, shown side by side until the last is
// closed: for looking at them, and, renamed, a small program the installer's tests install.
#include <windows.h>

#include <filesystem>

#include "null_program.h"
#include "winshell/dialogs/dialog_windows.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  const std::filesystem::path programFolder = std::filesystem::path(exe).parent_path();
  std::filesystem::path dataFolder = std::filesystem::temp_directory_path() / "scribix-gallery";
  std::filesystem::create_directories(dataFolder);

  windialogs_test::NullProgram program(dataFolder);
  app::ViewParts parts = program.view->Parts();
  auto windows =
      winshell::MakeDialogWindows(instance, nullptr, parts, program.desktop, program.clock,
                                  program.window, programFolder, program.dialogHost);
  program.view->OnCreate();
  // The null voice says nothing: the settings tell why, as the program does.
  parts.settingsDialog.SetSoundProblem("");
  parts.editorDialog.SetTextFromProgram("Le chat dort.\r\nLa f\xEAte est finie.");
  parts.listDialog.listText = "ch\xE2teau\r\n\xE9l\xE8ve\r\nmaison";
  program.dialogHost.Refresh(ports::DialogId::kWordLists);

  const ports::DialogId shown[] = {ports::DialogId::kWordLists, ports::DialogId::kEditor,
                                   ports::DialogId::kSettings, ports::DialogId::kPuzzleSettings,
                                   ports::DialogId::kEleves};
  int x = 0;
  for (ports::DialogId id : shown) {
    const HWND window = program.dialogHost.Window(id);
    if (window == nullptr) continue;
    SetWindowPos(window, nullptr, x, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    x += 40;
    program.dialogHost.Show(id);
  }
  if (GetEnvironmentVariableW(L"SCRIBIX_GALLERY_WARNING", nullptr, 0) > 0) {
    program.dialogHost.RunModal(ports::DialogId::kVoiceWarning);
  }

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (program.dialogHost.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    bool anyShown = false;
    for (ports::DialogId id : shown) anyShown = anyShown || program.dialogHost.IsVisible(id);
    if (!anyShown) break;
  }
  return 0;
}
