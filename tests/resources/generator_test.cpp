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

int RunGenerator(const fs::path& folder) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(SCRIBIX_RESGEN),
                {shell::PathToQt(folder),
                 shell::PathToQt(resources_test::SourceFolder() / "resources" / "manual")});
  if (!process.waitForFinished(120000)) return -1;
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
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
  ASSERT_EQ(RunGenerator(first.Path()), 0);
  ASSERT_EQ(RunGenerator(second.Path()), 0);
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
  EXPECT_NE(RunGenerator(notAFolder), 0);
}

}  // namespace
