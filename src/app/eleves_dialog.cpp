// The window "Élèves": the teacher's changes to the class, and what is asked before removing.
#include "app/eleves_dialog.h"

#include <algorithm>

#include "text/cp1252.h"

namespace app {

std::string CEleves::ClassFolderText() const {
  return text::TextFromPath(session_.Book().ClassFolder());
}

void CEleves::OnSelect(std::int32_t child) {
  const auto& children = session_.Book().Children();
  if (child < 0 || child >= static_cast<std::int32_t>(children.size())) {
    selection = -1;
    return;
  }
  selection = child;
  nameText = children[static_cast<std::size_t>(child)].name;
  lookSelection = children[static_cast<std::size_t>(child)].look;
  host_.Refresh(ports::DialogId::kEleves);
}

void CEleves::OnAdd() {
  const std::size_t before = session_.Book().Count();
  const auto error = session_.Add(nameText, lookSelection);
  if (!error) {
    // Nothing selected: the picture chosen next is the next child's.
    selection = -1;
    nameText.clear();
    // The next child gets the next picture, so that a class of eight has eight.
    lookSelection = static_cast<std::int32_t>((before + 1) % notebook::kLookCount);
  }
  After(error);
}

void CEleves::OnRename() {
  if (selection < 0) return After(std::string("Choisis un \xE9l\xE8ve dans la liste."));
  After(session_.Rename(static_cast<std::size_t>(selection), nameText));
}

void CEleves::OnRemove() {
  const auto& children = session_.Book().Children();
  if (selection < 0 || selection >= static_cast<std::int32_t>(children.size())) {
    return After(std::string("Choisis un \xE9l\xE8ve dans la liste."));
  }
  const std::string& name = children[static_cast<std::size_t>(selection)].name;
  const std::string question = "Retirer " + name +
                               " de la classe ? Son travail est gard\xE9 dans le dossier "
                               "\"anciens-eleves\".";
  if (dialogs_.MessageBox(question, "\xC9l\xE8ves", ports::MessageButtons::kYesNo,
                          ports::MessageIcon::kWarning) != ports::MessageAnswer::kYes) {
    return;
  }
  const auto error = session_.Remove(static_cast<std::size_t>(selection));
  if (!error) {
    selection = std::min(selection, static_cast<std::int32_t>(session_.Book().Count()) - 1);
    OnSelect(selection);
  }
  After(error);
}

void CEleves::OnLookChanged(std::int32_t look) {
  lookSelection = std::clamp(look, 0, notebook::kLookCount - 1);
  if (selection >= 0) After(session_.SetLook(static_cast<std::size_t>(selection), lookSelection));
}

void CEleves::OnClassFolderChosen(const std::filesystem::path& folder) {
  const auto error = session_.ChangeClassFolder(folder);
  if (!error) selection = -1;
  After(error);
}

void CEleves::After(const notebook::ChangeError& error) {
  if (error) {
    dialogs_.MessageBox(*error, "\xC9l\xE8ves", ports::MessageButtons::kOk,
                        ports::MessageIcon::kWarning);
  }
  host_.Refresh(ports::DialogId::kEleves);
}

}  // namespace app
