#include "exercises/edit_dialog.h"

#include "app/scribix_view.h"

namespace exercises {

void CCEdit::SetTextFromProgram(std::string newText) {
  text = std::move(newText);
  view_.platform.dialogHost.Refresh(ports::DialogId::kEditor);
}

void CCEdit::SetFixedFromProgram(bool on) {
  if (fixed == on) return;
  fixed = on;
  view_.platform.dialogHost.Refresh(ports::DialogId::kEditor);
}

}  // namespace exercises
