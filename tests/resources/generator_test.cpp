#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "program_folder.h"
#include "shell/qt_text.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

struct GeneratorRun {
  int exitCode = -1;  // -1 when it did not finish or crashed
  std::string errors;
};

// Runs resgen on a folder; with a fontconfig configuration, it sees only the fonts of that one.
GeneratorRun RunGenerator(const fs::path& folder, const fs::path& fontConfig = {}) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  if (!fontConfig.empty()) {
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), shell::PathToQt(fontConfig));
  }
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(SCRIBIX_RESGEN), {shell::PathToQt(folder)});
  GeneratorRun run;
  if (!process.waitForFinished(120000)) return run;
  run.errors = process.readAllStandardError().toStdString();
  if (process.exitStatus() == QProcess::NormalExit) run.exitCode = process.exitCode();
  return run;
}

// A fontconfig configuration, in `temp`, that knows only the fonts of these folders.
fs::path FontConfig(const testing_support::TempFolder& temp,
                    const std::vector<fs::path>& fontFolders) {
  std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n";
  xml += "<fontconfig>\n";
  for (const fs::path& folder : fontFolders) xml += "  <dir>" + folder.string() + "</dir>\n";
  xml += "  <cachedir>" + (temp / "font-cache").string() + "</cachedir>\n</fontconfig>\n";
  const fs::path path = temp / "fonts.conf";
  testing_support::WriteBytes(path, xml);
  return path;
}

// The files of the installed fonts of a family, as fontconfig lists them.
std::vector<fs::path> FontFiles(const QString& family) {
  QProcess process;
  process.start(QStringLiteral("fc-list"), {QStringLiteral("--format=%{file}\\n"), family});
  std::vector<fs::path> files;
  if (!process.waitForFinished(30000)) return files;
  const QStringList lines =
      QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
  for (const QString& line : lines) {
    if (!line.isEmpty()) files.push_back(shell::PathFromQt(line));
  }
  return files;
}

// Every file under a folder, by its path relative to the folder ('/' between folders, UTF-8).
std::map<std::string, std::string> Files(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      const std::u8string name = fs::relative(entry.path(), folder).generic_u8string();
      files[std::string(name.begin(), name.end())] = testing_support::ReadBytes(entry.path());
    }
  }
  return files;
}

TEST(Generator, TwoRunsWriteTheSameBytes) {
  testing_support::TempFolder first, second;
  ASSERT_EQ(RunGenerator(first.Path()).exitCode, 0);
  ASSERT_EQ(RunGenerator(second.Path()).exitCode, 0);
  const auto a = Files(first.Path());
  const auto b = Files(second.Path());
  // The files the build lists as resgen's, no more and no less: a file left off the list would
  // not be drawn again once deleted, and one listed in vain would run resgen at every build.
  const auto& listed = resources_test::GeneratedFiles();
  for (const auto& entry : a) {
    EXPECT_NE(std::find(listed.begin(), listed.end(), entry.first), listed.end())
        << entry.first << " is written but the build does not list it";
  }
  for (const std::string& name : listed) {
    EXPECT_EQ(a.count(name), 1u) << name << " is listed by the build but not written";
  }
  ASSERT_EQ(a.size(), b.size());
  for (const auto& [name, bytes] : a) {
    const auto other = b.find(name);
    ASSERT_NE(other, b.end()) << name;
    EXPECT_TRUE(other->second == bytes) << name << " differs between two runs";
  }
}

TEST(Generator, TheManualIsAPdfWithItsPictures) {
  const std::string pdf =
      testing_support::ReadBytes(resources_test::ProgramFolder() / "Documentation-Scribix.pdf");
  ASSERT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
  EXPECT_NE(pdf.rfind("%%EOF"), std::string::npos);
  std::size_t pictures = 0;
  for (std::size_t at = pdf.find("/Subtype /Image"); at != std::string::npos;
       at = pdf.find("/Subtype /Image", at + 1)) {
    ++pictures;
  }
  // The keyboards, the keypad and the icons it explains.
  EXPECT_GE(pictures, 25u);
}

TEST(Generator, AFolderThatCannotBeWrittenIsAFailure) {
  testing_support::TempFolder temp;
  const fs::path notAFolder = temp / "file";
  testing_support::WriteBytes(notAFolder, "x");
  EXPECT_NE(RunGenerator(notAFolder).exitCode, 0);
}

// Another font would draw other letters on the keys; resgen stops before it writes anything.
TEST(Generator, WithoutItsFontsItWritesNothingAndNamesThePackages) {
  testing_support::TempFolder temp;
  const fs::path target = temp / "program";
  fs::create_directory(target);
  const GeneratorRun run = RunGenerator(target, FontConfig(temp, {}));
  EXPECT_GT(run.exitCode, 0);
  EXPECT_NE(run.errors.find("fonts-sil-andika"), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("fonts-liberation2"), std::string::npos) << run.errors;
  EXPECT_TRUE(fs::is_empty(target));
}

TEST(Generator, AMissingFontIsNamedByItsOwnPackage) {
  // Andika alone: the letters are there, the manual's typewriter face is not.
  testing_support::TempFolder temp;
  const fs::path fonts = temp / "fonts";
  fs::create_directory(fonts);
  const std::vector<fs::path> andika = FontFiles(QStringLiteral("Andika"));
  if (andika.empty()) GTEST_SKIP() << "fc-list does not list Andika";
  for (const fs::path& file : andika) fs::create_symlink(file, fonts / file.filename());
  const fs::path target = temp / "program";
  fs::create_directory(target);
  const GeneratorRun run = RunGenerator(target, FontConfig(temp, {fonts}));
  EXPECT_GT(run.exitCode, 0);
  EXPECT_NE(run.errors.find("fonts-liberation2"), std::string::npos) << run.errors;
  EXPECT_EQ(run.errors.find("fonts-sil-andika"), std::string::npos) << run.errors;
  EXPECT_TRUE(fs::is_empty(target));
}

}  // namespace
