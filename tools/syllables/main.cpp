// scribix-syllables: writes each word read on its input, one a line in UTF-8, as its school
// syllables joined by "-" with the letters not heard in brackets ("parlent" -> "par-l[ent]").
//   scribix-syllables [--debutant] [--sans-doubles] [--exceptions FILE]...
// --debutant cuts the glides (pi-a-no), --sans-doubles keeps doubled consonants whole (po-mme);
// each exceptions file overrides the ones before it and the rules.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "syllables/exceptions.h"
#include "syllables/syllables.h"
#include "text/cp1252.h"

int main(int argc, char** argv) {
  syllables::Options options;
  syllables::Exceptions exceptions;
  bool haveExceptions = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--debutant") == 0) {
      options.splitGlides = true;
    } else if (std::strcmp(argv[i], "--sans-doubles") == 0) {
      options.splitDoubles = false;
    } else if (std::strcmp(argv[i], "--exceptions") == 0 && i + 1 < argc) {
      const char* name = argv[++i];
      std::ifstream in(name, std::ios::binary);
      if (!in) {
        std::fprintf(stderr, "Impossible de lire le fichier %s\n", name);
        return 2;
      }
      std::stringstream bytes;
      bytes << in.rdbuf();
      std::vector<std::string> errors;
      syllables::Exceptions file;
      file.Read(bytes.str(), &errors);
      for (const auto& e : errors) std::fprintf(stderr, "%s : %s\n", name, text::ToUtf8(e).c_str());
      exceptions.OverrideWith(file);
      haveExceptions = true;
    } else {
      std::fprintf(
          stderr,
          "Usage : scribix-syllables [--debutant] [--sans-doubles] [--exceptions FICHIER]...\n");
      return 2;
    }
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string cp1252 = text::FromUtf8(line);
    const auto out = syllables::FormatLine(cp1252, options, haveExceptions ? &exceptions : nullptr);
    std::printf("%s\n", text::ToUtf8(out).c_str());
  }
  return 0;
}
