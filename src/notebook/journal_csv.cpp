#include "notebook/journal_csv.h"

namespace notebook {

namespace {

void AppendField(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string Number(std::int64_t value) {
  return value < 0 ? std::string() : std::to_string(value);
}

}  // namespace

std::string JournalCsv(const std::vector<JournalLine>& lines) {
  std::string out = "\xEF\xBB\xBF";
  out +=
      "\"Date\";\"Heure\";\"\xC3\x89v\xC3\xA9nement\";\"Module\";\"Fichier\";\"Mot\";"
      "\"R\xC3\xA9ponse\";\"Secondes\";\"Nombre\";\"Aid\xC3\xA9"
      "es\";\"Genre d'erreur\"\r\n";
  for (const JournalLine& line : lines) {
    const std::string_view when = line.when;
    const std::string fields[] = {std::string(when.substr(0, 10)),
                                  std::string(when.size() > 11 ? when.substr(11) : ""),
                                  std::string(EventWord(line.kind)),
                                  std::string(ModuleWord(line.module)),
                                  line.source,
                                  line.entry,
                                  line.attempt,
                                  Number(line.seconds),
                                  Number(line.count),
                                  Number(line.helped),
                                  line.errorKind};
    bool first = true;
    for (const std::string& field : fields) {
      if (!first) out += ';';
      first = false;
      AppendField(out, field);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace notebook
