#include "syllables/exceptions.h"

#include "base/files.h"
#include "syllables/syllables.h"
#include "text/cp1252.h"

namespace syllables {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string LineMessage(std::size_t number, std::string_view what) {
  return text::FromUtf8("Ligne " + std::to_string(number) + " : ") + std::string(what);
}

}  // namespace

void Exceptions::Read(std::string_view fileBytes, std::vector<std::string>* errors) {
  const std::string all = text::DecodeFileText(fileBytes);
  const auto lines = text::SplitLines(all);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    std::string_view line = lines[k];
    if (const auto hash = line.find('#'); hash != std::string_view::npos) {
      line = line.substr(0, hash);
    }
    line = Trim(line);
    if (line.empty()) continue;
    auto fail = [&](std::string_view utf8) {
      if (errors) errors->push_back(LineMessage(k + 1, text::FromUtf8(utf8)));
    };
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) {
      fail("il faut le mot, une tabulation, puis ses syllabes (exemple : monsieur\tmon-sieu[r]).");
      continue;
    }
    const std::string word = text::ToLower(Trim(line.substr(0, tab)));
    const std::string_view written = Trim(line.substr(tab + 1));
    bool wordOk = !word.empty();
    for (char c : word) wordOk = wordOk && IsLetter(c);
    if (!wordOk) {
      fail("le mot ne doit contenir que des lettres.");
      continue;
    }
    Entry entry;
    std::string letters;
    bool inBrackets = false, ok = true, cutPending = false;
    for (char c : written) {
      if (c == '-') {
        // A cut between two letters only: not at either end, not twice, not inside brackets.
        ok = ok && !letters.empty() && !cutPending;
        cutPending = true;
      } else if (c == '[') {
        ok = ok && !inBrackets;
        inBrackets = true;
      } else if (c == ']') {
        ok = ok && inBrackets;
        inBrackets = false;
      } else {
        if (cutPending) entry.starts.push_back(static_cast<int>(letters.size()));
        cutPending = false;
        letters += text::ToLower(c);
        entry.mute.push_back(inBrackets);
      }
    }
    ok = ok && !inBrackets && !cutPending;
    if (letters != word) {
      fail("les lettres de \xC2\xAB " + text::ToUtf8(std::string(written)) +
           " \xC2\xBB ne sont pas celles du mot \xC2\xAB " + text::ToUtf8(word) + " \xC2\xBB.");
      continue;
    }
    if (!ok) {
      fail("les tirets et les crochets de \xC2\xAB " + text::ToUtf8(std::string(written)) +
           " \xC2\xBB sont mal placés.");
      continue;
    }
    entry.starts.insert(entry.starts.begin(), 0);
    entries_[word] = std::move(entry);
  }
}

void Exceptions::OverrideWith(const Exceptions& other) {
  for (const auto& [word, entry] : other.entries_) entries_[word] = entry;
}

const Exceptions::Entry* Exceptions::Find(std::string_view lowerWord) const {
  const auto it = entries_.find(std::string(lowerWord));
  return it == entries_.end() ? nullptr : &it->second;
}

Exceptions LoadExceptions(const std::filesystem::path& programFolder,
                          const std::filesystem::path& dataFolder,
                          std::vector<std::string>* errors) {
  Exceptions all;
  const std::filesystem::path name = text::PathFromText(kExceptionsFile);
  for (const auto& folder : {programFolder, dataFolder}) {
    const auto bytes = base::ReadWholeFile(folder / name, 4u << 20);
    if (!bytes) continue;
    std::vector<std::string> found;
    Exceptions file;
    file.Read(*bytes, &found);
    for (const auto& e : found) {
      if (errors)
        errors->push_back(std::string(kExceptionsFile) + ", " + text::ToLower(e.substr(0, 1)) +
                          e.substr(1));
    }
    all.OverrideWith(file);
  }
  return all;
}

}  // namespace syllables
