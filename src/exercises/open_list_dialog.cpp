#include "exercises/open_list_dialog.h"

#include "base/files.h"
#include "exercises/word_list.h"
#include "text/cp1252.h"

namespace exercises {

void COpenList2::SetListPath(std::string path) {
  const auto zero = path.find('\0');
  if (zero != std::string::npos) path.resize(zero);
  if (path.size() >= kListPathCapacity) path.resize(kListPathCapacity - 1);
  listPath = std::move(path);
}

void COpenList2::LoadList(const std::string& path) {
  WordList& list = list_;
  list.currentEntry = -1;
  list.listEntries.clear();
  list.listFileOrder.clear();
  if (!path.empty()) {
    if (auto bytes = base::ReadWholeFile(text::PathFromText(path))) {
      list.listFileOrder = ParseListFile(*bytes);
      list.listEntries = list.listFileOrder;
    }
  }
  listText.clear();
  for (const auto& entry : list.listEntries) listText += entry + "\r\n";
  host_.Refresh(ports::DialogId::kWordLists);
  ApplyDraw(list, randomDraw, random_, clock_.CalendarSeconds());
}

}  // namespace exercises
