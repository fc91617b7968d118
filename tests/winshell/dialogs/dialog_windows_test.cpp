#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <filesystem>
#include <fstream>

#include "dialog_test_models.h"
#include "ports/null_desktop.h"
#include "ports/null_window.h"
#include "winshell/dialogs/config_abc_window.h"
#include "winshell/dialogs/config_puzzle_window.h"
#include "winshell/dialogs/open_list_window.h"
#include "winshell/dialogs/voice_warning_window.h"

namespace {

using ports::DialogId;
using namespace windialogs_test;

using Recorded = std::vector<std::string>;

class RecordingDesktop : public ports::Desktop {
 public:
  void Open(const std::filesystem::path& path) override { opened.push_back(path); }
  std::vector<std::filesystem::path> opened;
};

// The texts the teacher reads, as the system shows them: the templates are UTF-8, the program's
// own texts Windows-1252, and both must come out as these.
TEST(DialogWindowsTest, ShowTheirFrenchTextsExactly) {
  Models models;
  RecordingDesktop desktop;
  winshell::COpenList2Window list(models.list, models.host, Instance(), nullptr, ".");
  winshell::CConfigABCWindow settings(models.settings, models.host, desktop, ".", Instance(),
                                      nullptr);
  winshell::CConfigPuzzleWindow puzzle(models.puzzle, models.host, Instance(), nullptr);
  struct Case {
    HWND dialog;
    int id;  // 0: the caption
    const wchar_t* text;
  };
  const Case cases[] = {
      {list.Handle(), 0, L"Listes de mots"},
      {list.Handle(), IDC_LIST_OPEN, L"Ouvrir une liste "},
      {list.Handle(), IDC_LIST_RANDOM, L"Tirage al\u00e9atoire dans la liste"},
      {list.Handle(), IDC_LIST_AUTO_ADVANCE_LABEL,
       L"Passage automatique au mot ou \u00e0 la phrase suivante"},
      {list.Handle(), IDC_LIST_HIDE_SOLUTION, L"Cacher le bouton Solution"},
      {list.Handle(), IDC_LIST_REVIEW, L"Revoir mes mots rat\u00e9s"},
      {settings.Handle(), 0, L"Configuration"},
      {settings.Handle(), IDC_SET_SPEECH_GROUP, L"Param\u00e8tres du synth\u00e9tiseur vocal"},
      {settings.Handle(), IDC_SET_CELLS_LABEL, L"Nombre de cases/lignes"},
      {settings.Handle(), IDC_SET_INSTALL_VOICES, L"Installation des voix de synth\u00e8se vocale"},
      {settings.Handle(), IDC_SET_RESTART_NOTE,
       L"      \u00c0 la fin de l'installation il sera   n\u00e9cessaire de red\u00e9marrer "
       L"Scribix "},
      {settings.Handle(), IDC_SET_SYLLABLES, L"Syllabes en couleur"},
      {settings.Handle(), IDC_SET_SPLIT_GLIDES, L"D\u00e9butant (pi-a-no)"},
      {settings.Handle(), IDC_SET_ELEVES, L"\u00c9l\u00e8ves"},
      {settings.Handle(), IDC_SET_REPORT, L"Bilan"},
      {settings.Handle(), IDC_SET_EXPORT, L"Exporter (CSV)"},
      {puzzle.Handle(), 0, L"Configuration du puzzle"},
      {puzzle.Handle(), IDC_PUZ_NO_AUTO_PLACE,
       L"Placement automatique des pi\u00e8ces sur double clic d\u00e9sactiv\u00e9  "},
      {puzzle.Handle(), IDC_PUZ_MODEL_ZOOM_LABEL, L"Zoom du mod\u00e8le"},
      {puzzle.Handle(), IDC_PUZ_HIDE_SOLUTION, L"Cacher le bouton solution"},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.dialog, nullptr);
    const HWND control = c.id == 0 ? c.dialog : GetDlgItem(c.dialog, c.id);
    ASSERT_NE(control, nullptr) << c.id;
    EXPECT_EQ(Text(control), c.text) << c.id;
  }

  // The lists hold the models' items, accents and all.
  EXPECT_EQ(list.ListItems(IDC_LIST_AUTO_ADVANCE).size(), 8u);
  EXPECT_EQ(list.ListItems(IDC_LIST_AUTO_ADVANCE)[1], "apr\xE8s 3s");
  EXPECT_EQ(settings.ListItems(IDC_SET_COLOURS),
            (Recorded{"bleu", "voyelles-rouge/consonnes-bleu", "noir"}));
  EXPECT_EQ(settings.ListItems(IDC_SET_LINES).back(), "8");
  EXPECT_EQ(settings.ListItems(IDC_SET_CELLS).front(), "2");
  EXPECT_EQ(settings.ListItems(IDC_SET_CELLS).back(), "40");
  EXPECT_EQ(settings.ListItems(IDC_SET_SYLLABLE_PAIR), (Recorded{"bleu / rouge", "bleu / orange"}));
  EXPECT_EQ(settings.ListItems(IDC_SET_REPORT_PERIOD),
            (Recorded{"Aujourd'hui", "Cette semaine", "Tout"}));
  EXPECT_EQ(list.TipText(IDC_LIST_REVIEW),
            "Les mots qui n'\xE9taient pas justes du premier coup dans les 3 derni\xE8res "
            "s\xE9"
            "ances de dict\xE9"
            "e");
  EXPECT_EQ(puzzle.ListItems(IDC_PUZ_ZOOM).size(), 16u);
  EXPECT_EQ(puzzle.ListItems(IDC_PUZ_MODEL_ZOOM).back(), "2.0");
  EXPECT_EQ(SendDlgItemMessageW(settings.Handle(), IDC_SET_RATE, TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_EQ(SendDlgItemMessageW(settings.Handle(), IDC_SET_VOLUME, TBM_GETRANGEMAX, 0, 0), 100);
}

TEST(DialogWindowsTest, WordListsShowTheModelAndHandTheChangesToIt) {
  Models models;
  winshell::COpenList2Window window(models.list, models.host, Instance(), nullptr, ".");
  const HWND dialog = window.Handle();
  ASSERT_NE(dialog, nullptr);
  models.host.Show(DialogId::kWordLists);
  EXPECT_TRUE(IsWindowVisible(dialog));

  // The program's change is shown and handled by nobody.
  models.list.listText = "chat\r\nch\xE2teau";
  models.list.randomDraw = true;
  models.list.autoAdvanceSelection = 3;
  models.host.Refresh(DialogId::kWordLists);
  EXPECT_EQ(ItemText(dialog, IDC_LIST_ENTRIES), L"chat\r\nch\u00e2teau");
  EXPECT_TRUE(Ticked(dialog, IDC_LIST_RANDOM));
  EXPECT_EQ(Selected(dialog, IDC_LIST_AUTO_ADVANCE), 3);
  EXPECT_TRUE(models.calls.made.empty());
  EXPECT_TRUE(models.words.listFileOrder.empty());
  // A selection the list does not have shows none.
  models.list.autoAdvanceSelection = 12;
  models.host.Refresh(DialogId::kWordLists);
  EXPECT_EQ(Selected(dialog, IDC_LIST_AUTO_ADVANCE), -1);

  // The teacher's changes reach the model.
  Choose(dialog, IDC_LIST_AUTO_ADVANCE, 2);
  EXPECT_EQ(models.list.autoAdvanceSelection, 2);
  Click(dialog, IDC_LIST_HIDE_HELP);
  EXPECT_TRUE(models.list.hideHelp);
  Click(dialog, IDC_LIST_RANDOM);
  EXPECT_FALSE(models.list.randomDraw);
  EXPECT_EQ(models.calls.made, (Recorded{"advance 5", "save", "save", "help button", "save"}));
  // "Revoir mes mots ratés" asks the program for the words missed.
  int reviews = 0;
  models.list.reviewMissedWords = [&] { ++reviews; };
  Click(dialog, IDC_LIST_REVIEW);
  EXPECT_EQ(reviews, 1);
  Type(dialog, IDC_LIST_ENTRIES, L"\u00e9l\u00e8ve\r\nmaison");
  EXPECT_EQ(models.list.listText, "\xE9l\xE8ve\r\nmaison");
  EXPECT_EQ(models.words.listFileOrder, (Recorded{"\xE9l\xE8ve", "maison"}));

  // "Fermer" and Escape only hide it.
  Click(dialog, IDC_LIST_CLOSE);
  EXPECT_FALSE(models.host.IsVisible(DialogId::kWordLists));
  models.host.Show(DialogId::kWordLists);
  SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(models.host.IsVisible(DialogId::kWordLists));
  EXPECT_TRUE(IsWindow(dialog));
}

TEST(DialogWindowsTest, SettingsShowTheModelAndHandTheChangesToIt) {
  Models models;
  RecordingDesktop desktop;
  models.settings.SetVoices({"Hortense", "Julie", "Paul"}, 1);
  models.calls.made.clear();
  winshell::CConfigABCWindow window(models.settings, models.host, desktop, "C:\\Scribix",
                                    Instance(), nullptr);
  const HWND dialog = window.Handle();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(window.ListItems(IDC_SET_VOICE), (Recorded{"Hortense", "Julie", "Paul"}));
  EXPECT_EQ(Selected(dialog, IDC_SET_VOICE), 1);

  // The program's values: shown, nothing set off.
  models.settings.linesSelection = 4;
  models.settings.cellsSelection = 9;
  models.settings.rateSlider = 15;
  models.settings.volumeSlider = 250;  // beyond the slider: shown at its end
  models.settings.noSounds = true;
  models.settings.soundProblem = "Aucune voix";
  models.settings.syllableLook = {.on = true, .pair = 1, .splitGlides = true};
  models.host.Refresh(DialogId::kSettings);
  EXPECT_TRUE(Ticked(dialog, IDC_SET_SYLLABLES));
  EXPECT_EQ(Selected(dialog, IDC_SET_SYLLABLE_PAIR), 1);
  EXPECT_TRUE(Ticked(dialog, IDC_SET_SPLIT_GLIDES));
  EXPECT_EQ(Selected(dialog, IDC_SET_LINES), 4);
  EXPECT_EQ(Selected(dialog, IDC_SET_CELLS), 9);
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SET_RATE, TBM_GETPOS, 0, 0), 15);
  EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SET_VOLUME, TBM_GETPOS, 0, 0), 100);
  EXPECT_TRUE(Ticked(dialog, IDC_SET_NO_SOUNDS));
  EXPECT_EQ(ItemText(dialog, IDC_SET_SOUND_PROBLEM), L"Aucune voix");
  EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, IDC_SET_SOUND_PROBLEM), GWL_STYLE) & WS_VISIBLE);
  EXPECT_TRUE(models.calls.made.empty());
  models.settings.soundProblem.clear();
  models.host.Refresh(DialogId::kSettings);
  EXPECT_FALSE(GetWindowLongW(GetDlgItem(dialog, IDC_SET_SOUND_PROBLEM), GWL_STYLE) & WS_VISIBLE);

  // The teacher's changes.
  Choose(dialog, IDC_SET_LINES, 2);
  EXPECT_EQ(models.settings.linesSelection, 2);
  ASSERT_FALSE(models.calls.made.empty());
  EXPECT_EQ(models.calls.made.front(), "lines 3");
  models.calls.made.clear();
  Click(dialog, IDC_SET_AUTO_PLACE);
  EXPECT_TRUE(models.settings.autoPlace);
  EXPECT_EQ(models.calls.made, (Recorded{"place on"}));

  // The slider is followed while it moves; a message that leaves it in place changes nothing.
  models.calls.made.clear();
  const HWND rate = GetDlgItem(dialog, IDC_SET_RATE);
  SendMessageW(rate, TBM_SETPOS, TRUE, 18);
  SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 18), reinterpret_cast<LPARAM>(rate));
  SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(rate));
  EXPECT_EQ(models.settings.rateSlider, 18);
  EXPECT_EQ(models.calls.made, (Recorded{"rate 8", "save"}));

  // The syllables: turned off and on again (which reads the teacher's exceptions), another pair,
  // the glides kept whole.
  models.calls.made.clear();
  Click(dialog, IDC_SET_SYLLABLES);
  Click(dialog, IDC_SET_SYLLABLES);
  Choose(dialog, IDC_SET_SYLLABLE_PAIR, 0);
  Click(dialog, IDC_SET_SPLIT_GLIDES);
  EXPECT_EQ(models.settings.syllableLook, (exercises::SyllableLook{.on = true}));
  EXPECT_EQ(models.calls.made, (Recorded{"syllables", "save", "syllables on", "save", "syllables",
                                         "save", "syllables", "save"}));

  // "Bilan" for the period shown, chosen by the program then by the teacher; "Exporter (CSV)".
  Recorded asked;
  models.settings.showReport = [&](std::int32_t period) {
    asked.push_back("report " + std::to_string(period));
  };
  models.settings.exportJournal = [&] { asked.push_back("export"); };
  models.settings.reportPeriodSelection = 1;
  models.host.Refresh(DialogId::kSettings);
  EXPECT_EQ(Selected(dialog, IDC_SET_REPORT_PERIOD), 1);
  Click(dialog, IDC_SET_REPORT);
  Choose(dialog, IDC_SET_REPORT_PERIOD, 2);
  Click(dialog, IDC_SET_REPORT);
  Click(dialog, IDC_SET_EXPORT);
  EXPECT_EQ(asked, (Recorded{"report 1", "report 2", "export"}));

  // "Élèves" opens the window of the children of the class, over the settings.
  const HWND children = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                        Instance(), nullptr);
  models.host.Register(DialogId::kEleves, children, [] {});
  Click(dialog, IDC_SET_ELEVES);
  EXPECT_TRUE(models.host.IsVisible(DialogId::kEleves));
  models.host.Unregister(DialogId::kEleves, children);
  DestroyWindow(children);

  // The installer button hides the window and opens the page in the program folder.
  models.host.Show(DialogId::kSettings);
  window.UseVoiceInstaller("voix.exe");
  Click(dialog, IDC_SET_INSTALL_VOICES);
  EXPECT_FALSE(models.host.IsVisible(DialogId::kSettings));
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0], std::filesystem::path("C:\\Scribix") / "voix.exe");
}

TEST(DialogWindowsTest, PuzzleSettingsShowTheModelAndHandTheChangesToIt) {
  Models models;
  winshell::CConfigPuzzleWindow window(models.puzzle, models.host, Instance(), nullptr);
  const HWND dialog = window.Handle();
  ASSERT_NE(dialog, nullptr);

  models.puzzle.ShowValues(9, 4, 30);
  models.puzzle.SetSwitchesFromProgram(true, false, true, false);
  models.host.Refresh(DialogId::kPuzzleSettings);
  EXPECT_EQ(ItemText(dialog, IDC_PUZ_PIECES), L"30");
  EXPECT_EQ(Selected(dialog, IDC_PUZ_ZOOM), 9);
  EXPECT_EQ(Selected(dialog, IDC_PUZ_MODEL_ZOOM), 4);
  EXPECT_EQ(Ticked(dialog, IDC_PUZ_NO_SOUNDS), models.puzzle.noSounds);
  EXPECT_EQ(Ticked(dialog, IDC_PUZ_NO_AUTO_PLACE), models.puzzle.noAutoPlace);
  EXPECT_TRUE(models.calls.made.empty());

  Type(dialog, IDC_PUZ_PIECES, L"24");
  EXPECT_EQ(models.puzzle.piecesText, "24");
  EXPECT_EQ(models.calls.made.front(), "pieces 24");
  // Letters put the count back, and the box shows it.
  Type(dialog, IDC_PUZ_PIECES, L"2x");
  EXPECT_EQ(ItemText(dialog, IDC_PUZ_PIECES), L"12");

  models.calls.made.clear();
  Choose(dialog, IDC_PUZ_ZOOM, 12);
  Choose(dialog, IDC_PUZ_MODEL_ZOOM, 3);
  Click(dialog, IDC_PUZ_HIDE_SOLUTION);
  EXPECT_EQ(models.puzzle.puzzleZoomSelection, 12);
  EXPECT_EQ(models.puzzle.modelZoomSelection, 3);
  EXPECT_TRUE(models.puzzle.hideSolution);
  EXPECT_EQ(models.calls.made,
            (Recorded{"puzzle zoom 12", "save", "model zoom 3", "save", "solution icon", "save"}));
}

// The voice warning is made when it is run and gone when it returns. A timer of the thread does
// what the teacher does: ticks "Ne plus voir ce message", then "Fermer". Whatever happens, the
// modal loop ends after a hundred ticks.
struct WarningRun {
  static inline int ticks = 0;
  static inline bool answered = false;
  static inline std::wstring message;
  static void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD) {
    const HWND warning = FindWindowW(nullptr, L"Installation des voix de synth\u00e8se vocale");
    if (!answered && warning != nullptr && IsWindowVisible(warning)) {
      answered = true;
      message = ItemText(warning, IDC_WARN_MESSAGE);
      Click(warning, IDC_WARN_NEVER);
      Click(warning, IDC_WARN_CLOSE);
    } else if (++ticks == 100) {
      PostQuitMessage(0);
    }
  }
};

TEST(DialogWindowsTest, VoiceWarningRunsModallyAndKeepsTheTeachersAnswer) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "scribix-warning-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  speech::CAvert2 model(folder, folder);
  RecordingDesktop desktop;
  ports::SystemClock clock;
  ports::NullWindow mainWindow;
  winshell::WinDialogHost host;
  host.RegisterModal(DialogId::kVoiceWarning, [&] {
    winshell::CAvert2Window window(model, desktop, clock, mainWindow);
    window.Run(Instance(), nullptr);
  });
  WarningRun::ticks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &WarningRun::Step);
  host.RunModal(DialogId::kVoiceWarning);
  KillTimer(nullptr, timer);
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);

  EXPECT_TRUE(WarningRun::answered) << "the warning was never shown";
  EXPECT_LT(WarningRun::ticks, 100) << "the warning did not close";
  EXPECT_NE(WarningRun::message.find(L"fran\u00e7aise"), std::wstring::npos);
  // Its lines are broken as the system breaks them.
  EXPECT_NE(WarningRun::message.find(L"\r\n\r\n"), std::wstring::npos);
  EXPECT_TRUE(std::filesystem::exists(model.MarkerPath()));
  EXPECT_TRUE(desktop.opened.empty());
  std::filesystem::remove_all(folder);
}

}  // namespace
