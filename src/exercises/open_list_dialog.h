#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/random.h"
#include "exercises/word_list.h"
#include "ports/clock.h"
#include "ports/dialog_host.h"

namespace exercises {

// "Listes de mots": the word-list dialog. The fields are its controls; the window only shows
// them and calls the handlers.
class COpenList2 {
 public:
  static constexpr std::size_t kListPathCapacity = 4096;  // including the terminating zero
  static constexpr std::array<const char*, 8> kAutoAdvanceItems = {
      "jamais",       "apr\xE8s 3s",  "apr\xE8s 5s",  "apr\xE8s 7s",
      "apr\xE8s 10s", "apr\xE8s 15s", "apr\xE8s 20s", "apr\xE8s 30s"};
  static constexpr std::array<std::int32_t, 8> kAutoAdvanceSeconds = {0, 3, 5, 7, 10, 15, 20, 30};

  COpenList2(ports::DialogHost& host, WordList& list, base::RandomGenerator& random,
             ports::Clock& clock)
      : host_(host), list_(list), random_(random), clock_(clock) {}

  bool hideHelp = false;                   // 1008 "Cacher le bouton aide"
  bool randomDraw = false;                 // 1030 "Tirage aléatoire dans la liste"
  bool hideSolution = false;               // 1032 "Cacher le bouton Solution"
  std::int32_t autoAdvanceSelection = -1;  // 1037, -1 for none
  std::string listText;                    // 1009, lines separated by CR LF
  std::string listPath;                    // path of the current list file (Windows-1252)

  // Sets the path, cut to what the settings file can hold.
  void SetListPath(std::string path);
  // Reads a list file into the word list and the edit box, then draws; a file that cannot be
  // read gives an empty list.
  void LoadList(const std::string& path);

 private:
  ports::DialogHost& host_;
  WordList& list_;
  base::RandomGenerator& random_;
  ports::Clock& clock_;
};

}  // namespace exercises
