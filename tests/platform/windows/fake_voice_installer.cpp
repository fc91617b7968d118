#include <windows.h>

// Leaves "installer-ran" in its own folder, so a test sees that the shell started it.
int main() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  wchar_t* name = path + length;
  while (name > path && name[-1] != L'\\') --name;
  static const wchar_t kMark[] = L"installer-ran";
  if (name + sizeof kMark / sizeof kMark[0] > path + MAX_PATH) return 1;
  for (const wchar_t* c = kMark; (*name++ = *c) != L'\0'; ++c) {
  }
  const HANDLE mark = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (mark == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(mark);
  return 0;
}
