#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/config_abc.h"
#include "app/settings_codec.h"
#include "base/app_state.h"
#include "exercises/open_list_dialog.h"
#include "ports/dialog_host.h"

namespace app {

// The settings the program keeps between runs: taken from the program into a record, and set
// back from one field by field, as the start-up reads them.
class SettingsFile {
 public:
  // applyKeyboardColours: a colour scheme read from the file, shown at once.
  // chosenZoom: the keyboard zoom to keep.
  SettingsFile(base::AppState& state, CConfigABC& settings, exercises::COpenList2& lists,
               ports::DialogHost& host, std::function<void(std::int32_t)> applyKeyboardColours,
               std::function<std::int32_t()> chosenZoom);

  // True while the file is being applied: the changes it makes are not saved again.
  std::int32_t loading = 0;
  // Settings of the program's own that no dialog holds.
  std::int32_t autoPlace = 0;
  std::int32_t autoAdvanceSeconds = 0;

  SettingsRecord Record() const;
  std::string Bytes() const { return EncodeSettings(Record()); }
  // Each field is applied as soon as it is read; a field the program cannot use leaves the
  // setting as it is.
  void Apply(const SettingsRecord& record);
  // The file at start-up; a missing file keeps the defaults.
  void Read();
  // A folder that cannot be written to simply keeps the old file.
  void Write() const;

 private:
  base::AppState& state_;
  CConfigABC& settings_;
  exercises::COpenList2& lists_;
  ports::DialogHost& host_;
  std::function<void(std::int32_t)> applyKeyboardColours_;
  std::function<std::int32_t()> chosenZoom_;
};

}  // namespace app
