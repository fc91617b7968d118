#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace notebook {

// How many looks the program draws for the children's buttons: a colour and a shape each.
constexpr int kLookCount = 8;
// The look's name as the teacher chooses it (Windows-1252).
const char* LookName(int look);

// A child of the class: what the buttons show, and the folder that holds the child's work.
struct Profile {
  std::string name;    // first name (Windows-1252)
  int look = 0;        // 0 .. kLookCount - 1
  std::string folder;  // one plain component of the class folder, safe on every system
};

// The files the program keeps in the folder it works in, which become a child's when the class
// gets its first child.
inline constexpr const char* kChildFiles[] = {"defaut",    "defautabc",   "defautm",
                                              "defautpuz", "journal.txt", "journal-LISEZMOI.txt"};
// In the class folder: the list of children, and where removed children's folders are kept.
inline constexpr const char* kProfilesFile = "eleves.txt";
inline constexpr const char* kFormerFolder = "anciens-eleves";
// In the data folder: the class folder the teacher chose, for every child of this computer.
inline constexpr const char* kClassFolderFile = "dossier-classe.txt";

// A folder name made from a first name: plain letters, digits and dashes, accents taken off,
// never a name a system keeps for itself, never empty.
std::string SafeFolderName(std::string_view name);

// The result of a change to the class: empty when it went through, else the French message that
// tells the teacher why nothing changed.
using ChangeError = std::optional<std::string>;

// Moves a file into a folder, by renaming, or by a synced copy and then the removal when the
// folder is on another disk. The original stays whenever the copy is not safely made.
bool MoveFileSafely(const std::filesystem::path& from, const std::filesystem::path& to);

// The children of a class, kept in a small file of the class folder.
class ProfileBook {
 public:
  // Reads the list of the class folder; a missing or damaged file gives the children it can read.
  // `workFolder` is the folder the program works in while the class has no child: its files go to
  // the first child.
  void Load(const std::filesystem::path& classFolder, const std::filesystem::path& workFolder);

  const std::vector<Profile>& Children() const { return children_; }
  std::size_t Count() const { return children_.size(); }
  const std::filesystem::path& ClassFolder() const { return classFolder_; }
  std::filesystem::path FolderOf(std::size_t child) const;
  // The folder the program works in: the only child's, or the work folder with no child.
  std::filesystem::path SoleFolder() const;

  ChangeError Add(std::string_view name, int look);
  ChangeError Rename(std::size_t child, std::string_view name);
  ChangeError SetLook(std::size_t child, int look);
  // The child leaves the list; the folder is moved aside, never deleted.
  ChangeError Remove(std::size_t child);

  // How a file moves into a child's folder; a test puts a failing move here.
  std::function<bool(const std::filesystem::path&, const std::filesystem::path&)> mover =
      MoveFileSafely;

 private:
  bool Save() const;
  std::string FreeFolderName(std::string_view name) const;

  std::filesystem::path classFolder_;
  std::filesystem::path workFolder_;
  std::vector<Profile> children_;
};

// The list file's text, and back; lines that do not fit are skipped.
std::string EncodeProfiles(const std::vector<Profile>& children);
std::vector<Profile> DecodeProfiles(std::string_view bytes);

// The class folder chosen on this computer, or the data folder when none was chosen or the
// choice cannot be read.
std::filesystem::path ReadClassFolder(const std::filesystem::path& dataFolder);
bool WriteClassFolder(const std::filesystem::path& dataFolder, const std::filesystem::path& folder);

}  // namespace notebook
