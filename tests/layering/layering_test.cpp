// Includes run downwards only: every #include of every source file under src/ is checked against
// the layers of the program, and the few sideways includes it allows on purpose are listed here.
// Below the shell and the platform layer a file includes the standard library and the program,
// nothing else.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

enum class Layer { kShell, kPlatform, kApp, kSubsystem, kBottom, kNone };

struct FolderLayer {
  std::string_view folder;
  Layer layer;
};

// The folders of src/ and their layer. The bottom folders are listed from the lowest up: each may
// include only the ones before it. The text conversions need nothing; pixels and geometry need no
// text; the shared record and the files are made of pixels and geometry; the ports hand images and
// records to the program.
constexpr FolderLayer kFolders[] = {
    {"shell", Layer::kShell},
    {"platform", Layer::kPlatform},
    {"app", Layer::kApp},
    {"keyboard", Layer::kSubsystem},
    {"grid", Layer::kSubsystem},
    {"exercises", Layer::kSubsystem},
    {"speech", Layer::kSubsystem},
    {"puzzle", Layer::kSubsystem},
    {"effects", Layer::kSubsystem},
    {"syllables", Layer::kSubsystem},
    {"notebook", Layer::kSubsystem},
    {"text", Layer::kBottom},
    {"gfx", Layer::kBottom},
    {"base", Layer::kBottom},
    {"ports", Layer::kBottom},
};

struct Allowance {
  std::string_view from;     // a subsystem folder
  std::string_view include;  // "folder/" for that folder's headers, or one header
};

// The sideways includes a subsystem is allowed.
constexpr Allowance kAllowances[] = {
    // The writing modules type with the keyboard's keys and the grid's tile board, and speak
    // through the speech engine.
    {"exercises", "keyboard/"},
    {"exercises", "grid/"},
    // The grid makes its tiles from the keys.
    {"grid", "keyboard/"},
    {"exercises", "speech/"},
};

// The standard library's headers, the only ones in angle brackets below the shell and the
// platform layer.
// clang-format off
constexpr std::string_view kStandardHeaders[] = {
    "algorithm", "any", "array", "atomic", "bit", "bitset", "cassert", "cctype", "cerrno", "cfloat",
    "charconv", "chrono", "cinttypes", "climits", "clocale", "cmath", "compare", "concepts",
    "condition_variable", "cstddef", "cstdint", "cstdio", "cstdlib", "cstring", "ctime", "cuchar",
    "cwchar", "cwctype", "deque", "exception", "execution", "filesystem", "format", "forward_list",
    "fstream", "functional", "future", "initializer_list", "iomanip", "ios", "iosfwd", "iostream",
    "istream", "iterator", "limits", "list", "locale", "map", "memory", "memory_resource", "mutex",
    "new", "numbers", "numeric", "optional", "ostream", "queue", "random", "ranges", "ratio",
    "regex", "scoped_allocator", "semaphore", "set", "shared_mutex", "source_location", "span",
    "sstream", "stack", "stdexcept", "stop_token", "streambuf", "string", "string_view",
    "system_error", "thread", "tuple", "type_traits", "typeindex", "typeinfo", "unordered_map",
    "unordered_set", "utility", "valarray", "variant", "vector", "version",
};
// clang-format on

// Qt's headers all start with a capital Q; these are the operating systems' and the speech
// libraries' own, compared in lower case by prefix. Named in quotes below the shell and the
// platform layer, they are refused as they are in angle brackets.
constexpr std::string_view kSystemHeaders[] = {
    "windows.h", "winsock",   "objbase.h",       "mmsystem.h", "sapi",   "unistd.h",
    "sys/",      "pthread.h", "dlfcn.h",         "fcntl.h",    "espeak", "x11/",
    "alsa/",     "pulse/",    "corefoundation/", "appkit/",    "cocoa/",
};

Layer LayerOf(std::string_view folder) {
  for (const auto& f : kFolders) {
    if (f.folder == folder) return f.layer;
  }
  return Layer::kNone;
}

std::string_view LayerName(Layer layer) {
  switch (layer) {
    case Layer::kShell:
      return "the shell";
    case Layer::kPlatform:
      return "the platform layer";
    case Layer::kApp:
      return "the composition root";
    case Layer::kSubsystem:
      return "a subsystem";
    case Layer::kBottom:
      return "the bottom layer";
    case Layer::kNone:
      break;
  }
  return "no layer";
}

// Higher runs above lower; the shell and the platform layer are both at the top.
int Rank(Layer layer) {
  switch (layer) {
    case Layer::kShell:
    case Layer::kPlatform:
      return 3;
    case Layer::kApp:
      return 2;
    case Layer::kSubsystem:
      return 1;
    case Layer::kBottom:
    case Layer::kNone:
      break;
  }
  return 0;
}

std::string FirstFolder(const fs::path& relative) {
  // A file straight in src/ has no folder, hence no layer.
  if (std::distance(relative.begin(), relative.end()) < 2) return {};
  return relative.begin()->string();
}

// The place of a bottom folder from the lowest up.
std::ptrdiff_t BottomRank(std::string_view folder) {
  std::ptrdiff_t rank = 0;
  for (const auto& f : kFolders) {
    if (f.layer != Layer::kBottom) continue;
    if (f.folder == folder) return rank;
    ++rank;
  }
  return -1;
}

bool IsStandardHeader(std::string_view include) {
  return std::find(std::begin(kStandardHeaders), std::end(kStandardHeaders), include) !=
         std::end(kStandardHeaders);
}

bool IsSystemHeader(std::string_view include) {
  if (!include.empty() && include.front() == 'Q') return true;
  std::string lower(include);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return std::any_of(std::begin(kSystemHeaders), std::end(kSystemHeaders),
                     [&](std::string_view h) { return lower.starts_with(h); });
}

bool IsAllowed(std::string_view fromFolder, const std::string& target) {
  for (const auto& a : kAllowances) {
    if (a.from != fromFolder) continue;
    if (a.include.ends_with('/')) {
      if (target.starts_with(a.include) && target.ends_with(".h")) return true;
    } else if (target == a.include) {
      return true;
    }
  }
  return false;
}

bool MayInclude(Layer from, std::string_view fromFolder, Layer to, std::string_view toFolder) {
  if (fromFolder == toFolder) return true;
  switch (from) {
    case Layer::kShell:
      return true;
    case Layer::kPlatform:
      return to == Layer::kBottom;
    case Layer::kApp:
      return to == Layer::kSubsystem || to == Layer::kBottom;
    case Layer::kSubsystem:
      return to == Layer::kBottom;
    case Layer::kBottom:
      return to == Layer::kBottom && BottomRank(toFolder) < BottomRank(fromFolder);
    case Layer::kNone:
      break;
  }
  return false;
}

// Why the include breaks the layering, or nothing when it may stand. file is the including
// file relative to src/; include is the text between the quotes or angle brackets.
std::optional<std::string> CheckInclude(const fs::path& file, std::string_view include,
                                        bool angled) {
  const std::string fromFolder = FirstFolder(file);
  const Layer from = LayerOf(fromFolder);
  const bool top = from == Layer::kShell || from == Layer::kPlatform;
  if (angled) {
    if (top || IsStandardHeader(include)) return std::nullopt;
    return std::string("is no standard header, and only shell/ and platform/ use others");
  }
  if (IsSystemHeader(include) && !top) {
    return std::string("is a Qt or operating-system header outside shell/ and platform/");
  }
  if (from == Layer::kNone) return std::string("comes from a folder in no layer");
  if (include.empty()) return std::string("names no file");

  // "keyboard/key_table.h" names a folder of src/; "art.h" sits beside the including file.
  fs::path target(include);
  if (LayerOf(target.begin()->string()) == Layer::kNone) target = file.parent_path() / target;
  target = target.lexically_normal();
  const std::string resolved = target.generic_string();
  if (resolved.starts_with("..")) return "reaches " + resolved + ", outside src/";
  const std::string toFolder = FirstFolder(target);
  const Layer to = LayerOf(toFolder);
  if (to == Layer::kNone) return "reaches " + resolved + ", in no layer";

  if (MayInclude(from, fromFolder, to, toFolder)) return std::nullopt;
  if (from == Layer::kSubsystem && IsAllowed(fromFolder, resolved)) return std::nullopt;
  const bool bottomUp = from == Layer::kBottom && to == Layer::kBottom &&
                        BottomRank(fromFolder) < BottomRank(toFolder);
  const char* verdict = Rank(from) < Rank(to) || bottomUp ? "runs upwards"
                        : Rank(from) == Rank(to)          ? "runs sideways"
                                                          : "is refused";
  std::string why = std::string(verdict) + ": " + fromFolder + "/ (" +
                    std::string(LayerName(from)) + ") may not include " + toFolder + "/ (" +
                    std::string(LayerName(to)) + ")";
  if (resolved != include) why += ", it resolves to " + resolved;
  return why;
}

struct Violation {
  std::string file;  // relative to src/
  int line = 0;
  std::string directive;
  std::string why;
};

std::string Describe(const Violation& v) {
  return v.file + ":" + std::to_string(v.line) + ": " + v.directive + " " + v.why;
}

struct Scan {
  int files = 0;
  std::vector<Violation> violations;
};

bool IsSource(const fs::path& p) {
  const std::string ext = p.extension().string();
  return ext == ".h" || ext == ".cpp" || ext == ".hpp" || ext == ".cc";
}

// Every #include directive of every source file under root, in a stable order.
Scan ScanSources(const fs::path& root) {
  static const std::regex kDirective(R"(^\s*#\s*include\s*([<"])([^>"]*)[>"])");
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && IsSource(entry.path())) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());

  Scan scan;
  for (const auto& path : files) {
    ++scan.files;
    const fs::path relative = path.lexically_relative(root);
    std::ifstream in(path, std::ios::binary);
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
      ++number;
      std::smatch m;
      if (!std::regex_search(text, m, kDirective)) continue;
      const bool angled = m[1] == "<";
      const std::string include = m[2];
      if (auto why = CheckInclude(relative, include, angled)) {
        const std::string directive =
            angled ? "#include <" + include + ">" : "#include \"" + include + "\"";
        scan.violations.push_back({relative.generic_string(), number, directive, *why});
      }
    }
  }
  return scan;
}

// The folder checked: the program's src/, or another tree named by SCRIBIX_LAYERING_SOURCE.
fs::path SourceRoot() {
  if (const char* other = std::getenv("SCRIBIX_LAYERING_SOURCE"); other && *other) return other;
  return fs::path(SCRIBIX_SOURCE_FOLDER) / "src";
}

TEST(Layering, EveryIncludeOfTheProgramRunsDownwards) {
  const fs::path root = SourceRoot();
  ASSERT_TRUE(fs::is_directory(root)) << root;
  const Scan scan = ScanSources(root);
  // A wrong folder must not pass for a clean one.
  ASSERT_GT(scan.files, 0) << "no source file under " << root;
  if (scan.violations.empty()) return;
  std::ostringstream report;
  report << scan.violations.size() << " include(s) break the layering of " << root.string()
         << ":\n";
  for (const auto& v : scan.violations) report << "  " << Describe(v) << "\n";
  ADD_FAILURE() << report.str();
}

struct IncludeCase {
  const char* file;
  const char* include;
  bool angled;
  bool allowed;
};

TEST(Layering, RulesOfEachLayer) {
  const IncludeCase cases[] = {
      // The shell may use everything; the platform layer only the bottom and itself.
      {"shell/main.cpp", "app/scribix_view.h", false, true},
      {"shell/main.cpp", "platform/voice_backend.h", false, true},
      {"shell/main.cpp", "QWidget", true, true},
      {"platform/linux/voice.cpp", "ports/voice.h", false, true},
      {"platform/linux/voice.cpp", "platform/voice_backend.h", false, true},
      {"platform/linux/voice.cpp", "espeak-ng/speak_lib.h", true, true},
      {"platform/linux/voice.cpp", "app/scribix_view.h", false, false},
      {"platform/linux/voice.cpp", "speech/voices.h", false, false},
      {"platform/linux/voice.cpp", "shell/qt_text.h", false, false},
      // app/ over the subsystems and the bottom.
      {"app/painting.cpp", "keyboard/cell_table.h", false, true},
      {"app/painting.cpp", "gfx/image.h", false, true},
      {"app/painting.cpp", "shell/main_frame.h", false, false},
      {"app/painting.cpp", "platform/voice_backend.h", false, false},
      // Subsystems: their own folder, the bottom and the allowances.
      {"keyboard/keyboard_layout.h", "keyboard/key_table.h", false, true},
      {"keyboard/keyboard_layout.h", "base/icon_ids.h", false, true},
      {"keyboard/keyboard_layout.h", "app/app_state.h", false, false},
      {"keyboard/keyboard_layout.h", "speech/speech_engine.h", false, false},
      {"keyboard/keyboard_layout.h", "exercises/word_list.h", false, false},
      {"exercises/edit_dialog.cpp", "grid/writing_grid.h", false, true},
      {"exercises/edit_dialog.cpp", "speech/speech_engine.h", false, true},
      {"exercises/edit_dialog.cpp", "keyboard/writing_grid.cpp", false, false},
      {"exercises/edit_dialog.cpp", "puzzle/config_puzzle.h", false, false},
      {"exercises/edit_dialog.cpp", "app/module.h", false, false},
      {"exercises/edit_dialog.cpp", "base/module.h", false, true},
      {"exercises/edit_dialog.cpp", "app/scribix_view.h", false, false},
      {"puzzle/config_puzzle.cpp", "app/module.h", false, false},
      {"puzzle/config_puzzle.cpp", "keyboard/cell_table.h", false, false},
      {"effects/fire.cpp", "app/module.h", false, false},
      {"speech/voices.cpp", "exercises/word_list.h", false, false},
      {"speech/voices.cpp", "app/module.h", false, false},
      {"speech/voices.cpp", "keyboard/key_table.h", false, false},
      // The bottom folders, text < gfx < base < ports: each uses the ones below it only.
      {"base/app_state.h", "gfx/colour.h", false, true},
      {"base/app_state.h", "text/cp1252.h", false, true},
      {"ports/pictures.h", "gfx/image.h", false, true},
      {"ports/platform.h", "base/app_state.h", false, true},
      {"gfx/canvas.cpp", "text/cp1252.h", false, true},
      {"gfx/canvas.cpp", "base/app_state.h", false, false},
      {"gfx/canvas.cpp", "ports/pictures.h", false, false},
      {"text/cp1252.cpp", "gfx/colour.h", false, false},
      {"base/files.cpp", "ports/clock.h", false, false},
      {"gfx/canvas.cpp", "app/scribix_view.h", false, false},
      {"gfx/canvas.cpp", "keyboard/key_table.h", false, false},
      {"ports/platform.h", "app/module.h", false, false},
      // Names outside the folders of src/ sit beside the including file.
      {"keyboard/key_drawing.cpp", "art.h", false, true},
      {"platform/linux/voice.cpp", "espeak_voice.h", false, true},
      {"gfx/canvas.cpp", "../app/scribix_view.h", false, false},
      {"keyboard/key_drawing.cpp", "../speech/voices.h", false, false},
      {"exercises/edit_dialog.cpp", "../keyboard/writing_grid.h", false, true},
      {"gfx/canvas.cpp", "../../tests/support/fake_ports.h", false, false},
      {"misc/tool.cpp", "gfx/image.h", false, false},
      {"main.cpp", "gfx/image.h", false, false},
      // Qt and the operating systems stay in the shell and the platform layer.
      {"base/file_io.cpp", "windows.h", true, false},
      {"base/file_io.cpp", "Windows.h", true, false},
      {"base/file_io.cpp", "unistd.h", true, false},
      {"base/file_io.cpp", "sys/stat.h", true, false},
      {"speech/speech_engine.cpp", "espeak-ng/speak_lib.h", true, false},
      {"app/painting.cpp", "QImage", true, false},
      {"text/cp1252.cpp", "QtCore/QString", true, false},
      {"text/cp1252.cpp", "windows.h", false, false},
      {"base/files.cpp", "termios.h", true, false},
      {"base/files.cpp", "fcntl.h", true, false},
      {"keyboard/key_table.h", "gtest/gtest.h", true, false},
      {"app/painting.cpp", "stdint.h", true, false},
      {"base/file_io.cpp", "filesystem", true, true},
      {"gfx/image.h", "cstdint", true, true},
      {"platform/posix/posix_file_sync.cpp", "unistd.h", true, true},
      {"platform/posix/posix_file_sync.cpp", "base/file_sync.h", false, true},
      {"shell/main.cpp", "sys/stat.h", true, true},
  };
  for (const auto& c : cases) {
    const auto why = CheckInclude(c.file, c.include, c.angled);
    EXPECT_EQ(!why.has_value(), c.allowed)
        << c.file << " including " << c.include << (why ? ": " + *why : std::string());
  }
}

TEST(Layering, ScanNamesEachBadIncludeWithItsLineAndPassesOnceTheyAreGone) {
  testing_support::TempFolder temp;
  const fs::path root = temp.Path() / "src";
  fs::create_directories(root / "gfx");
  fs::create_directories(root / "keyboard");
  fs::create_directories(root / "shell");
  const std::string badGfx = "#include \"app/scribix_view.h\"\n";
  const std::string badKeyboard = "  #  include \"speech/voices.h\"  // the voices\r\n";
  const std::string badQt = "#include <QImage>\n";
  const auto writeTree = [&](bool withFaults) {
    testing_support::WriteBytes(
        root / "gfx/canvas.cpp",
        "#include \"gfx/canvas.h\"\n\n" + (withFaults ? badGfx : "") + "#include <vector>\n");
    testing_support::WriteBytes(root / "keyboard/key_table.h",
                                "#pragma once\r\n// #include \"app/app_state.h\"\r\n" +
                                    (withFaults ? badKeyboard + badQt : "") +
                                    "#include \"picture_names.h\"\r\n");
    testing_support::WriteBytes(root / "shell/main.cpp",
                                "#include <QApplication>\n#include \"app/scribix_view.h\"\n");
    // Not a source file.
    testing_support::WriteBytes(root / "keyboard/notes.txt", "#include \"app/scribix_view.h\"\n");
  };

  writeTree(true);
  Scan scan = ScanSources(root);
  EXPECT_EQ(scan.files, 3);
  ASSERT_EQ(scan.violations.size(), 3u);
  EXPECT_EQ(scan.violations[0].file, "gfx/canvas.cpp");
  EXPECT_EQ(scan.violations[0].line, 3);
  EXPECT_EQ(scan.violations[0].directive, "#include \"app/scribix_view.h\"");
  EXPECT_EQ(scan.violations[1].file, "keyboard/key_table.h");
  EXPECT_EQ(scan.violations[1].line, 3);
  EXPECT_EQ(scan.violations[1].directive, "#include \"speech/voices.h\"");
  EXPECT_EQ(scan.violations[2].file, "keyboard/key_table.h");
  EXPECT_EQ(scan.violations[2].line, 4);
  EXPECT_EQ(scan.violations[2].directive, "#include <QImage>");
  EXPECT_EQ(Describe(scan.violations[0]),
            "gfx/canvas.cpp:3: #include \"app/scribix_view.h\" runs upwards: gfx/ (the bottom "
            "layer) may not include app/ (the composition root)");

  writeTree(false);
  scan = ScanSources(root);
  EXPECT_EQ(scan.files, 3);
  EXPECT_TRUE(scan.violations.empty()) << Describe(scan.violations.front());
}

}  // namespace
