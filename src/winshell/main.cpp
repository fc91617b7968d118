#include <shellapi.h>

#include <string>
#include <vector>

#include "winshell/scribix_app.h"
#include "winshell/win32.h"

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
