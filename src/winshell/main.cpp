// shellapi.h needs the system's types before it.
// clang-format off
#include "winshell/win32.h"
#include <shellapi.h>
// clang-format on

#include <string>
#include <vector>

#include "winshell/scribix_app.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  std::vector<std::wstring> arguments;
  int count = 0;
  if (LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count)) {
    arguments.assign(words, words + count);
    LocalFree(words);
  }
  winshell::CScribixApp scribix;
  if (!scribix.InitInstance(winshell::CScribixApp::DefaultFolders(), showCommand)) return 1;
  if (const auto ms = winshell::CScribixApp::QuitAfterArgument(arguments)) scribix.QuitAfter(*ms);
  return scribix.Run();
}
