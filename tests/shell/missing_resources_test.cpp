// The program folder with its files missing: the program starts, goes through the modules and
// the rewards, and says something only where it has a message for it (a missing letter keyboard
// picture); elsewhere it stays silent.
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "app/scribix_view.h"
#include "base/mouse_keys.h"
#include "keyboard/picture_names.h"
#include "ports/null_voice.h"
#include "ports/null_voice_catalog.h"
#include "shell/scribix_app.h"
#include "shell/view_widget.h"
#include "shell_application.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "text/cp1252.h"

namespace {

namespace fs = std::filesystem;

bool IsLetterKeyboardPicture(const fs::path& file) {
  for (int scheme = 0; scheme < keyboard::kSchemeCount; ++scheme) {
    for (int page = 0; page < keyboard::kLetterPageCount; ++page) {
      if (file.filename() == keyboard::LetterPictureName(scheme, page)) return true;
    }
  }
  return false;
}

// The messages of one start with the files `missing` taken out of the program folder.
std::vector<std::string> PlayWithout(const fs::path& program,
                                     const std::vector<fs::path>& missing) {
  testing_support::TempFolder data;
  testing_support::WriteBytes(data / "noavertv", "");
  for (std::size_t i = 0; i < missing.size(); ++i) {
    fs::rename(missing[i], data / ("away" + std::to_string(i)));
  }
  auto dialogs = std::make_unique<testing_support::FakeUserDialogs>();
  auto* told = dialogs.get();
  std::vector<std::string> messages;
  {
    shell::CScribixApp scribix(std::make_unique<ports::NullVoice>(),
                               std::make_unique<ports::NullVoiceCatalog>(), std::move(dialogs),
                               std::make_unique<testing_support::FakeClock>());
    EXPECT_TRUE(scribix.InitInstance({program, data.Path()}, false));
    for (int i = 0; i < 200 && scribix.Timers()->IsRunning(base::kTimerFirstRun); ++i) {
      QTest::qWait(10);
    }
    app::CScribixView& view = *scribix.View();
    auto click = [&view](base::icons::IconId icon) {
      const gfx::Rect r = view.Parts().icons[icon];
      const gfx::Point middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
      view.OnLButtonDown(base::mouse::kLeftButton, middle);
      view.OnLButtonUp(0, middle);
    };
    using namespace base::icons;
    // The list module is left out: without a list it asks for one, whatever the folder holds.
    for (IconId module : {IconModuleMath, IconModulePuzzle, IconModuleFrench}) {
      click(module);
      scribix.ViewWidget()->grab();
    }
    view.Parts().grid.gridBounds =
        base::CellRect(view.Parts().state, 2, 1).Union(base::CellRect(view.Parts().state, 6, 1));
    view.Parts().settingsDialog.OnNoSoundsClicked(false);
    view.OnTimer(base::kTimerWordSuccess);  // a reward takes its time: one of each kind
    view.OnTimer(base::kTimerFixedSuccess);
    click(IconClear);
    scribix.ViewWidget()->grab();
    for (const auto& m : told->messages) messages.push_back(m.text);
  }
  for (std::size_t i = 0; i < missing.size(); ++i) {
    fs::rename(data / ("away" + std::to_string(i)), missing[i]);
  }
  return messages;
}

TEST(MissingResources, AMissingLetterPictureIsToldByNameAndEveryOtherFileMissingIsSilent) {
  testing_support::ShellApplication();
  testing_support::TempFolder program;
  const fs::path built = SCRIBIX_PROGRAM_FOLDER;
  std::vector<fs::path> files;
  for (const char* folder : {"resb", "sons", "Puzzles", "Exercices", "Liste-de-mots"}) {
    fs::copy(built / folder, program / folder, fs::copy_options::recursive);
    for (const auto& e : fs::directory_iterator(program / folder)) files.push_back(e.path());
  }
  for (const char* file : {"installer-voix.html", "Documentation-Scribix.pdf"}) {
    fs::copy_file(built / file, program / file);
    files.push_back(program / file);
  }
  ASSERT_GT(files.size(), 60u);
  std::sort(files.begin(), files.end());
  // A start takes seconds: each letter keyboard picture, which has its message, is taken out in
  // turn; the files that have none are taken out all at once, and no message may come.
  std::vector<fs::path> silent;
  for (const fs::path& missing : files) {
    if (!IsLetterKeyboardPicture(missing)) {
      silent.push_back(missing);
      continue;
    }
    SCOPED_TRACE(missing.filename().string());
    const auto messages = PlayWithout(program.Path(), {missing});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], " Probl\xE8me d'ouverture du fichier : " + text::TextFromPath(missing));
  }
  EXPECT_EQ(silent.size() + 12, files.size());
  const auto messages = PlayWithout(program.Path(), silent);
  EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0]);
}

}  // namespace

namespace {

// A BMP header of width × height at 24 bits, followed by `pixels` bytes.
std::string BmpHeader(std::int32_t width, std::int32_t height, std::size_t pixels) {
  auto le32 = [](std::uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
    return s;
  };
  std::string b = "BM" + le32(54 + static_cast<std::uint32_t>(pixels)) + le32(0) + le32(54);
  b +=
      le32(40) + le32(static_cast<std::uint32_t>(width)) + le32(static_cast<std::uint32_t>(height));
  b += std::string("\x01\x00\x18\x00", 4) + le32(0) + le32(static_cast<std::uint32_t>(pixels));
  b += le32(2835) + le32(2835) + le32(0) + le32(0);
  return b + std::string(pixels, '\x40');
}

TEST(HostilePictures, ACutOrLyingPictureGivesNoPictureOrOneThatDrawsNeverACrash) {
  testing_support::ShellApplication();
  testing_support::TempFolder folder;
  const fs::path built = SCRIBIX_PROGRAM_FOLDER;
  const std::string bmp = testing_support::ReadBytes(built / "resb" / "Arial.bmp");
  const std::string jpeg = testing_support::ReadBytes(built / "Puzzles" / "marsupilami.jpg");
  ASSERT_GT(bmp.size(), 1000u);
  ASSERT_GT(jpeg.size(), 1000u);
  const std::pair<const char*, std::string> files[] = {
      {"cut.bmp", bmp.substr(0, bmp.size() / 2)},
      {"header.bmp", bmp.substr(0, 30)},
      {"cut.jpg", jpeg.substr(0, jpeg.size() / 2)},
      {"jpeg-head.jpg", jpeg.substr(0, 200)},
      {"huge.bmp", BmpHeader(60000, 60000, 300)},
      {"negative.bmp", BmpHeader(-5, 1 << 30, 300)},
      {"wide.bmp", BmpHeader(1 << 30, 1, 300)},
      {"empty.bmp", ""},
      {"text.jpg", "not a picture"}};
  shell::QtPictures pictures;
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    testing_support::WriteBytes(folder / name, bytes);
    const auto picture = pictures.Load(folder / name);
    if (!picture) continue;
    const gfx::Size size = picture->PixelSize();
    EXPECT_GT(size.width, 0);
    EXPECT_GT(size.height, 0);
    // What was decoded draws at a screen size.
    const gfx::Image drawn = pictures.Render(*picture, 120, 90);
    EXPECT_EQ(drawn.Width(), 120);
  }
  fs::create_directory(folder / "folder.bmp");
  EXPECT_EQ(pictures.Load(folder / "folder.bmp"), nullptr);
  EXPECT_EQ(pictures.Load(folder / "missing.bmp"), nullptr);
}

}  // namespace
