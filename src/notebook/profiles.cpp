// The children of a class: the list file, the children's folders and the first child's upgrade.
#include "notebook/profiles.h"

#include <algorithm>
#include <array>
#include <system_error>

#include "base/files.h"
#include "text/cp1252.h"

namespace notebook {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxNameLength = 40;
constexpr std::size_t kMaxFolderLength = 32;
constexpr std::size_t kMaxChildren = 500;
constexpr std::size_t kMaxListBytes = 1u << 20;

// Letters with accents and the plain letters they come from (Windows-1252 0xC0 .. 0xFF).
constexpr const char* kPlainLetters[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "",  "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "",  "y"};

// Names Windows keeps for its devices, whatever follows the dot.
bool IsDeviceName(std::string_view name) {
  static constexpr std::string_view kDevices[] = {"con", "prn", "aux", "nul"};
  if (std::find(std::begin(kDevices), std::end(kDevices), name) != std::end(kDevices)) return true;
  return name.size() == 4 && (name.starts_with("com") || name.starts_with("lpt")) &&
         name[3] >= '0' && name[3] <= '9';
}

bool IsPlainFolderName(std::string_view folder) {
  if (folder.empty() || folder.size() > kMaxFolderLength + 8) return false;
  if (folder.front() == '-' || IsDeviceName(folder) || folder == kFormerFolder) return false;
  return std::all_of(folder.begin(), folder.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
  });
}

// A first name as the list keeps it: one line, no tab, blanks at the ends taken off, not too long.
std::string CleanName(std::string_view name) {
  std::string clean;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    clean += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
  const auto first = clean.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  clean = clean.substr(first, clean.find_last_not_of(' ') - first + 1);
  if (clean.size() > kMaxNameLength) clean.resize(kMaxNameLength);
  return clean;
}

std::string Quoted(std::string_view format, std::string_view name) {
  std::string text(format);
  const auto at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, name);
  return text;
}

}  // namespace

const char* LookName(int look) {
  static constexpr const char* kNames[kLookCount] = {
      "Rond rouge",  "Carr\xE9 bleu",   "Triangle vert", "Losange jaune",
      "Rond orange", "Carr\xE9 violet", "Triangle rose", "Losange turquoise"};
  return look >= 0 && look < kLookCount ? kNames[look] : kNames[0];
}

std::string SafeFolderName(std::string_view name) {
  std::string folder;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xC0) {
      folder += kPlainLetters[byte - 0xC0];
    } else if (byte == 0x8C || byte == 0x9C) {
      folder += "oe";
    } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      folder += c;
    } else if (c >= 'A' && c <= 'Z') {
      folder += static_cast<char>(c - 'A' + 'a');
    } else if (!folder.empty() && folder.back() != '-') {
      folder += '-';
    }
  }
  if (folder.size() > kMaxFolderLength) folder.resize(kMaxFolderLength);
  while (!folder.empty() && folder.back() == '-') folder.pop_back();
  if (folder.empty() || folder == kFormerFolder) folder = "eleve";
  if (IsDeviceName(folder)) folder = "eleve-" + folder;
  return folder;
}

std::string EncodeProfiles(const std::vector<Profile>& children) {
  std::string bytes = "# Scribix : les \xC3\xA9l\xC3\xA8ves (dossier, image, pr\xC3\xA9nom)\n";
  for (const Profile& child : children) {
    bytes +=
        child.folder + '\t' + std::to_string(child.look) + '\t' + text::ToUtf8(child.name) + '\n';
  }
  return bytes;
}

std::vector<Profile> DecodeProfiles(std::string_view bytes) {
  std::vector<Profile> children;
  for (const std::string& line : text::SplitLines(text::DecodeFileText(bytes))) {
    if (line.empty() || line.front() == '#' || children.size() >= kMaxChildren) continue;
    const auto tab1 = line.find('\t');
    const auto tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos) continue;
    Profile child;
    child.folder = line.substr(0, tab1);
    const std::string look = line.substr(tab1 + 1, tab2 - tab1 - 1);
    child.name = CleanName(std::string_view(line).substr(tab2 + 1));
    // A folder that could lead out of the class folder, or a second child in one folder, is
    // no child of the class.
    if (!IsPlainFolderName(child.folder) || child.name.empty()) continue;
    if (std::any_of(children.begin(), children.end(),
                    [&](const Profile& p) { return p.folder == child.folder; })) {
      continue;
    }
    child.look =
        look.size() == 1 && look[0] >= '0' && look[0] < '0' + kLookCount ? look[0] - '0' : 0;
    children.push_back(std::move(child));
  }
  return children;
}

bool MoveFileSafely(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);
  if (!error) return true;
  // Another disk (a class folder on the school's server): a copy, synced, then the original
  // goes.
  const auto bytes = base::ReadWholeFile(from, std::size_t{1} << 30);
  if (!bytes || !base::WriteFileAtomically(to, *bytes)) return false;
  fs::remove(from, error);
  return true;
}

fs::path ReadClassFolder(const fs::path& dataFolder) {
  const auto bytes = base::ReadFileStart(dataFolder / kClassFolderFile, 8192);
  if (!bytes) return dataFolder;
  const auto lines = text::SplitLines(text::DecodeFileText(*bytes));
  if (lines.empty() || lines.front().empty()) return dataFolder;
  const fs::path chosen = text::PathFromText(lines.front());
  return chosen.is_absolute() ? chosen : dataFolder;
}

bool WriteClassFolder(const fs::path& dataFolder, const fs::path& folder) {
  return base::WriteFileAtomically(dataFolder / kClassFolderFile,
                                   text::ToUtf8(text::TextFromPath(folder)) + '\n');
}

void ProfileBook::Load(const fs::path& classFolder, const fs::path& workFolder) {
  classFolder_ = classFolder;
  workFolder_ = workFolder;
  const auto bytes = base::ReadWholeFile(classFolder_ / kProfilesFile, kMaxListBytes);
  children_ = bytes ? DecodeProfiles(*bytes) : std::vector<Profile>{};
}

fs::path ProfileBook::FolderOf(std::size_t child) const {
  return classFolder_ / children_.at(child).folder;
}

fs::path ProfileBook::SoleFolder() const {
  return children_.empty() ? workFolder_ : FolderOf(0);
}

bool ProfileBook::Save() const {
  return base::WriteFileAtomically(classFolder_ / kProfilesFile, EncodeProfiles(children_));
}

std::string ProfileBook::FreeFolderName(std::string_view name) const {
  const std::string base = SafeFolderName(name);
  for (int n = 1;; ++n) {
    const std::string folder = n == 1 ? base : base + '-' + std::to_string(n);
    std::error_code error;
    const bool listed = std::any_of(children_.begin(), children_.end(),
                                    [&](const Profile& p) { return p.folder == folder; });
    if (!listed && !fs::exists(classFolder_ / folder, error) && !error) return folder;
    if (n > 1000) return {};
  }
}

ChangeError ProfileBook::Add(std::string_view name, int look) {
  const std::string clean = CleanName(name);
  if (clean.empty())
    return std::string(
        "\xC9"
        "cris le pr\xE9nom de l'\xE9l\xE8ve.");
  for (const Profile& child : children_) {
    if (text::ToLower(child.name) == text::ToLower(clean)) {
      return Quoted("Il y a d\xE9j\xE0 un \xE9l\xE8ve qui s'appelle %s.", clean);
    }
  }
  if (children_.size() >= kMaxChildren) return std::string("La classe est compl\xE8te.");
  const std::string folder = FreeFolderName(clean);
  std::error_code error;
  if (folder.empty() || !fs::create_directories(classFolder_ / folder, error) || error) {
    return Quoted("Le dossier de %s n'a pas pu \xEAtre cr\xE9\xE9 dans le dossier de la classe.",
                  clean);
  }
  const fs::path childFolder = classFolder_ / folder;

  // The first child takes the work already done on this computer: the files move into the
  // child's folder, all of them or none.
  std::vector<std::string> moved;
  bool movedAll = true;
  if (children_.empty()) {
    for (const char* file : kChildFiles) {
      if (!fs::exists(workFolder_ / file, error)) continue;
      if (!mover(workFolder_ / file, childFolder / file)) {
        movedAll = false;
        break;
      }
      moved.push_back(file);
    }
  }
  const auto undo = [&] {
    for (const std::string& file : moved) mover(childFolder / file, workFolder_ / file);
    fs::remove(childFolder, error);
  };
  if (!movedAll) {
    undo();
    return std::string(
        "Les fichiers de Scribix n'ont pas pu \xEAtre d\xE9plac\xE9s : rien n'a chang\xE9.");
  }
  children_.push_back({clean, std::clamp(look, 0, kLookCount - 1), folder});
  if (!Save()) {
    children_.pop_back();
    undo();
    return std::string(
        "La liste des \xE9l\xE8ves n'a pas pu \xEAtre enregistr\xE9"
        "e : rien n'a chang\xE9.");
  }
  return std::nullopt;
}

ChangeError ProfileBook::Rename(std::size_t child, std::string_view name) {
  if (child >= children_.size()) return std::string("Choisis un \xE9l\xE8ve dans la liste.");
  const std::string clean = CleanName(name);
  if (clean.empty())
    return std::string(
        "\xC9"
        "cris le pr\xE9nom de l'\xE9l\xE8ve.");
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (i != child && text::ToLower(children_[i].name) == text::ToLower(clean)) {
      return Quoted("Il y a d\xE9j\xE0 un \xE9l\xE8ve qui s'appelle %s.", clean);
    }
  }
  const std::string old = children_[child].name;
  children_[child].name = clean;
  if (!Save()) {
    children_[child].name = old;
    return std::string(
        "La liste des \xE9l\xE8ves n'a pas pu \xEAtre enregistr\xE9"
        "e : rien n'a chang\xE9.");
  }
  return std::nullopt;
}

ChangeError ProfileBook::SetLook(std::size_t child, int look) {
  if (child >= children_.size()) return std::string("Choisis un \xE9l\xE8ve dans la liste.");
  const int old = children_[child].look;
  children_[child].look = std::clamp(look, 0, kLookCount - 1);
  if (!Save()) {
    children_[child].look = old;
    return std::string(
        "La liste des \xE9l\xE8ves n'a pas pu \xEAtre enregistr\xE9"
        "e : rien n'a chang\xE9.");
  }
  return std::nullopt;
}

ChangeError ProfileBook::Remove(std::size_t child) {
  if (child >= children_.size()) return std::string("Choisis un \xE9l\xE8ve dans la liste.");
  const Profile profile = children_[child];
  const fs::path former = classFolder_ / kFormerFolder;
  std::error_code error;
  fs::create_directories(former, error);
  // A child removed twice keeps both folders aside.
  fs::path aside = former / profile.folder;
  for (int n = 2; fs::exists(aside, error) && n < 1000; ++n) {
    aside = former / (profile.folder + '-' + std::to_string(n));
  }
  const fs::path folder = classFolder_ / profile.folder;
  const bool hadFolder = fs::exists(folder, error);
  if (hadFolder) {
    fs::rename(folder, aside, error);
    if (error) {
      return Quoted("Le dossier de %s n'a pas pu \xEAtre mis de c\xF4t\xE9 : rien n'a chang\xE9.",
                    profile.name);
    }
  }
  children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(child));
  if (!Save()) {
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(child), profile);
    if (hadFolder) fs::rename(aside, folder, error);
    return std::string(
        "La liste des \xE9l\xE8ves n'a pas pu \xEAtre enregistr\xE9"
        "e : rien n'a chang\xE9.");
  }
  return std::nullopt;
}

}  // namespace notebook
