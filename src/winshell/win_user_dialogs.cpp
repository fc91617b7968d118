#include "winshell/win_user_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "winshell/win_text.h"

namespace winshell {

namespace {

// The message box's buttons speak the system's language; a French child reads French. A hook
// on the thread renames them when the box is made, before it is shown.
HHOOK frenchButtonsHook = nullptr;

LRESULT CALLBACK FrenchButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const auto box = reinterpret_cast<HWND>(wParam);
    SetDlgItemTextW(box, IDYES, L"&Oui");
    SetDlgItemTextW(box, IDNO, L"&Non");
    SetDlgItemTextW(box, IDOK, L"OK");
  }
  return CallNextHookEx(frenchButtonsHook, code, wParam, lParam);
}

std::vector<std::string> FilterParts(const std::string& filter) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : filter) {
    if (c == '|') {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

constexpr DWORD kPathRoom = 32768;

}  // namespace

ports::MessageAnswer WinUserDialogs::MessageBox(const std::string& text, const std::string& caption,
                                                ports::MessageButtons buttons,
                                                ports::MessageIcon icon) {
  UINT style = buttons == ports::MessageButtons::kYesNo ? MB_YESNO : MB_OK;
  switch (icon) {
    case ports::MessageIcon::kInformation:
      style |= MB_ICONINFORMATION;
      break;
    case ports::MessageIcon::kWarning:
      style |= MB_ICONWARNING;
      break;
    case ports::MessageIcon::kError:
      style |= MB_ICONERROR;
      break;
    case ports::MessageIcon::kNone:
      break;
  }
  frenchButtonsHook = SetWindowsHookExW(WH_CBT, FrenchButtons, nullptr, GetCurrentThreadId());
  const int answer = MessageBoxW(owner_ ? owner_() : nullptr, Wide(text).c_str(),
                                 Wide(caption).c_str(), style | MB_SETFOREGROUND);
  if (frenchButtonsHook != nullptr) UnhookWindowsHookEx(frenchButtonsHook);
  frenchButtonsHook = nullptr;
  if (buttons == ports::MessageButtons::kOk) return ports::MessageAnswer::kOk;
  return answer == IDYES ? ports::MessageAnswer::kYes : ports::MessageAnswer::kNo;
}

std::wstring WinUserDialogs::CommonFilter(const std::string& filter) {
  const std::vector<std::string> parts = FilterParts(filter);
  std::wstring out;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty() && parts[i + 1].empty()) break;
    out += Wide(parts[i]);
    out += L'\0';
    out += Wide(parts[i + 1]);
    out += L'\0';
  }
  out += L'\0';
  return out;
}

std::wstring WinUserDialogs::DefaultExtension(const std::string& filter) {
  const std::vector<std::string> parts = FilterParts(filter);
  if (parts.size() < 2) return {};
  std::string pattern = parts[1].substr(0, parts[1].find(';'));
  while (!pattern.empty() && pattern.front() == ' ') pattern.erase(pattern.begin());
  while (!pattern.empty() && pattern.back() == ' ') pattern.pop_back();
  if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0) return {};
  const std::string extension = pattern.substr(2);
  if (extension.find_first_of("*?") != std::string::npos) return {};
  return Wide(extension);
}

namespace {

// The common file dialog, to open or to save: the flags, the extension a name typed without one
// gets (none: nothing added) and the call that shows it are what differ.
std::optional<std::filesystem::path> FileDialog(HWND owner, const std::string& filter,
                                                const std::filesystem::path& initialFolder,
                                                const std::string& proposedName,
                                                const std::wstring& defaultExtension, DWORD flags,
                                                BOOL(WINAPI* show)(LPOPENFILENAMEW)) {
  const std::wstring filters = WinUserDialogs::CommonFilter(filter);
  const std::wstring folder = initialFolder.wstring();
  std::vector<wchar_t> name(kPathRoom, L'\0');
  const std::wstring proposed = Wide(proposedName);
  if (proposed.size() < name.size()) std::copy(proposed.begin(), proposed.end(), name.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = kPathRoom;
  dialog.lpstrInitialDir = folder.c_str();
  if (!defaultExtension.empty()) dialog.lpstrDefExt = defaultExtension.c_str();
  dialog.Flags = flags | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!show(&dialog)) return std::nullopt;
  return PathFromWide(name.data());
}

}  // namespace

std::optional<std::filesystem::path> WinUserDialogs::OpenFile(
    const std::string& filter, const std::filesystem::path& initialFolder,
    const std::string& proposedName) {
  return FileDialog(owner_ ? owner_() : nullptr, filter, initialFolder, proposedName, {},
                    OFN_FILEMUSTEXIST, GetOpenFileNameW);
}

std::optional<std::filesystem::path> WinUserDialogs::SaveFile(
    const std::string& filter, const std::filesystem::path& initialFolder,
    const std::string& proposedName, ports::FileExtension extension) {
  // A name typed without its extension gets the filter's, as the file list shows only files
  // that have it.
  const std::wstring defaultExtension =
      extension == ports::FileExtension::kFromFilter ? DefaultExtension(filter) : std::wstring();
  return FileDialog(owner_ ? owner_() : nullptr, filter, initialFolder, proposedName,
                    defaultExtension, OFN_OVERWRITEPROMPT, GetSaveFileNameW);
}

std::optional<gfx::Colour> WinUserDialogs::ChooseColour(gfx::Colour initial) {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner_ ? owner_() : nullptr;
  dialog.rgbResult = RGB(gfx::Red(initial), gfx::Green(initial), gfx::Blue(initial));
  dialog.lpCustColors = customColours_;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&dialog)) return std::nullopt;
  return gfx::Rgb(GetRValue(dialog.rgbResult), GetGValue(dialog.rgbResult),
                  GetBValue(dialog.rgbResult));
}

}  // namespace winshell
