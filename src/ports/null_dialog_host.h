#pragma once

#include "ports/dialog_host.h"

namespace ports {

// Dialogs without windows: their models still work, nothing is shown.
class NullDialogHost : public DialogHost {
 public:
  void Show(DialogId) override {}
  void Hide(DialogId) override {}
  void Raise(DialogId) override {}
  bool IsVisible(DialogId) const override { return false; }
  void Refresh(DialogId) override {}
  void RunModal(DialogId) override {}
};

}  // namespace ports
