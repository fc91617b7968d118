#include "exercises/open_list_dialog.h"

#include <algorithm>
#include <cstdio>

#include "base/files.h"
#include "exercises/word_list.h"
#include "grid/grid_text.h"
#include "text/cp1252.h"

namespace exercises {

namespace {

// The path as the settings keep it: Windows-1252 when every character of it has a place there,
// its own UTF-8 otherwise (a Polish or a Romanian name), so that the list always opens again.
std::string ListPathText(const std::filesystem::path& path) {
  std::string narrow = text::TextFromPath(path);
  if (text::PathFromText(narrow) == path) return narrow;
  const std::u8string u8 = path.u8string();
  return std::string(u8.begin(), u8.end());
}

std::filesystem::path ListPathFromText(const std::string& pathText) {
  const bool ascii = std::all_of(pathText.begin(), pathText.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii && text::IsValidUtf8(pathText)) {
    return std::filesystem::path(std::u8string(pathText.begin(), pathText.end()));
  }
  return text::PathFromText(pathText);
}

// An entry with a character that no key shows can never be finished by the child.
bool CanBeWritten(std::string_view entry) {
  return std::all_of(entry.begin(), entry.end(), [](char c) {
    return c == ' ' || c == '\t' || grid::FindKeyFor(c, false).has_value();
  });
}

}  // namespace

void COpenList2::SetListPath(std::string path) {
  const auto zero = path.find('\0');
  if (zero != std::string::npos) path.resize(zero);
  if (path.size() >= kListPathCapacity) path.resize(kListPathCapacity - 1);
  listPath = std::move(path);
}

void COpenList2::WarnTooMany(int given) {
  char text[200];
  std::snprintf(
      text, sizeof text,
      "La liste compte %d mots ou phrases : seuls les %d premiers ont \xE9t\xE9 gard\xE9s.", given,
      kMaxListEntries);
  dialogs_.MessageBox(text, "Scribix", ports::MessageButtons::kOk, ports::MessageIcon::kWarning);
}

void COpenList2::WarnCannotBeWritten() {
  constexpr int kNamed = 10;
  std::string named;
  int count = 0;
  for (const std::string& entry : list_.listFileOrder) {
    if (CanBeWritten(entry)) continue;
    if (++count <= kNamed) named += "\n" + entry;
  }
  if (count == 0) return;
  if (count > kNamed) named += "\n...";
  dialogs_.MessageBox(
      "Ces mots ou phrases ont des caract\xE8res absents du clavier, l'\xE9l\xE8ve ne pourra pas "
      "les \xE9"
      "crire :" +
          named,
      "Scribix", ports::MessageButtons::kOk, ports::MessageIcon::kWarning);
}

void COpenList2::LoadList(const std::string& path) {
  WordList& list = list_;
  list.currentEntry = -1;
  list.listEntries.clear();
  list.listFileOrder.clear();
  int given = 0;
  if (!path.empty()) {
    if (auto bytes = base::ReadWholeFile(ListPathFromText(path))) {
      list.listFileOrder = ParseListFile(*bytes, &given);
      list.listEntries = list.listFileOrder;
    }
  }
  listText.clear();
  for (const auto& entry : list.listEntries) listText += entry + "\r\n";
  host_.Refresh(ports::DialogId::kWordLists);
  Draw();
  // At start-up the saved list comes back without a word: the teacher was told when opening it.
  if (actions_.SettingsLoading()) return;
  if (given > kMaxListEntries) WarnTooMany(given);
  WarnCannotBeWritten();
}

void COpenList2::Draw() {
  ApplyDraw(list_, randomDraw, random_, clock_.CalendarSeconds());
}

void COpenList2::OnClose() {
  host_.Hide(ports::DialogId::kWordLists);
}

void COpenList2::OpenList() {
  host_.Hide(ports::DialogId::kWordLists);
  const auto chosen = dialogs_.OpenFile(kFileFilter, actions_.ListFolder(), {});
  if (chosen) {
    SetListPath(ListPathText(*chosen));
    actions_.SaveSettings();
    LoadList(listPath);
  }
  host_.Show(ports::DialogId::kWordLists);
}

void COpenList2::SaveList() {
  host_.Hide(ports::DialogId::kWordLists);
  const auto chosen = dialogs_.SaveFile(kFileFilter, actions_.ListFolder(), {});
  host_.Show(ports::DialogId::kWordLists);
  if (!chosen) return;
  // Each line break of the box reaches the file as CR LF, which every editor shows as one.
  std::string bytes;
  bytes.reserve(listText.size() + listText.size() / 8);
  for (std::size_t i = 0; i < listText.size(); ++i) {
    if (listText[i] == '\r' && i + 1 < listText.size() && listText[i + 1] == '\n') continue;
    if (listText[i] == '\n') bytes += '\r';
    bytes += listText[i];
  }
  if (!base::WriteFileAtomically(*chosen, bytes)) {
    const std::string text =
        "probl\xE8me d'ouverture du  fichier " + text::TextFromPath(*chosen) + " !";
    dialogs_.MessageBox(text, "Scribix", ports::MessageButtons::kOk, ports::MessageIcon::kNone);
    return;
  }
  // The list as saved is the one the program comes back with at the next start.
  SetListPath(ListPathText(*chosen));
  actions_.SaveSettings();
}

void COpenList2::OnListTextEdited(std::string text) {
  listText = std::move(text);
  int given = 0;
  list_.listFileOrder = ParseListBox(listText, &given);
  list_.listEntries = list_.listFileOrder;
  const bool overflow = given > kMaxListEntries;
  if (overflow && !boxOverflowTold_) WarnTooMany(given);
  boxOverflowTold_ = overflow;
}

void COpenList2::OnRandomClicked(bool ticked) {
  if (actions_.SettingsLoading()) return;
  randomDraw = ticked;
  Draw();
  actions_.SaveSettings();
}

void COpenList2::OnHideHelpClicked(bool ticked) {
  if (actions_.SettingsLoading()) return;
  hideHelp = ticked;
  actions_.SaveSettings();
  actions_.DictationButtonShownChanged(true);
}

void COpenList2::OnHideSolutionClicked(bool ticked) {
  if (actions_.SettingsLoading()) return;
  hideSolution = ticked;
  actions_.SaveSettings();
  actions_.DictationButtonShownChanged(false);
}

void COpenList2::OnAutoAdvanceChanged(std::int32_t item) {
  if (actions_.SettingsLoading()) return;
  if (item < 0 || item >= static_cast<std::int32_t>(kAutoAdvanceItems.size())) return;
  autoAdvanceSelection = item;
  actions_.AutoAdvanceChanged(kAutoAdvanceSeconds[static_cast<std::size_t>(item)]);
  actions_.SaveSettings();
}

void COpenList2::OnReviewClicked() {
  if (reviewMissedWords) reviewMissedWords();
}

}  // namespace exercises
