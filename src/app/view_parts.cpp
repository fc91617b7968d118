// The groups of parts the view is made of, and the parts it shows to the shell's windows.
#include "app/view_parts.h"

#include "app/scribix_view.h"
#include "base/files.h"

namespace app {

namespace fs = std::filesystem;

ViewDialogs::ViewDialogs(ports::Platform& platform, exercises::ListActions& listActions,
                         exercises::EditorActions& editorActions, SettingsActions& settingsActions,
                         exercises::WordList& words, base::RandomGenerator& random,
                         const fs::path& programFolder, const fs::path& dataFolder)
    : list(platform.dialogHost, platform.dialogs, listActions, words, random, platform.clock),
      editor(
          platform.dialogHost, platform.dialogs, editorActions,
          base::FolderWithCopy(programFolder, dataFolder, exercises::CCEdit::kExerciseFolderName) /
              exercises::CCEdit::kExerciseFolderName),
      settings(platform.dialogHost, settingsActions),
      puzzle(platform.dialogHost),
      voiceWarning(programFolder, dataFolder) {}

ViewParts CScribixView::Parts() {
  return {state_,
          board_.cells,
          board_.grid,
          wordList_,
          board_.held,
          board_.keys,
          board_.pictures,
          icons_,
          tooltips_.State(),
          voice_.voices,
          modules_.puzzle,
          trace_,
          voice_.speech,
          settingsFile_,
          dialogs_.list,
          modules_.list.Dictation(),
          dialogs_.editor,
          dialogs_.settings,
          dialogs_.puzzle,
          dialogs_.voiceWarning,
          class_,
          eleves_};
}

}  // namespace app
