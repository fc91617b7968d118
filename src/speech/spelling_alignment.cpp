#include "speech/spelling_alignment.h"

#include <algorithm>
#include <cstddef>

#include "text/cp1252.h"

namespace speech {

std::vector<bool> WrongLetters(std::string_view word, std::string_view attempt) {
  const std::size_t n = word.size();
  const std::size_t m = attempt.size();
  std::vector<bool> wrong(m, false);
  if (m == 0) return wrong;
  auto same = [&](std::size_t i, std::size_t j) {
    return text::ToLower(word[i]) == text::ToLower(attempt[j]);
  };
  // d[i][j]: the fewest edits from the first i letters of the word to the first j of the attempt,
  // a swap of neighbours counting as one.
  const std::size_t width = m + 1;
  std::vector<int> d((n + 1) * width, 0);
  auto at = [&](std::size_t i, std::size_t j) -> int& { return d[i * width + j]; };
  for (std::size_t i = 0; i <= n; ++i) at(i, 0) = static_cast<int>(i);
  for (std::size_t j = 0; j <= m; ++j) at(0, j) = static_cast<int>(j);
  for (std::size_t i = 1; i <= n; ++i) {
    for (std::size_t j = 1; j <= m; ++j) {
      int best = at(i - 1, j - 1) + (same(i - 1, j - 1) ? 0 : 1);
      best = std::min({best, at(i - 1, j) + 1, at(i, j - 1) + 1});
      if (i > 1 && j > 1 && same(i - 1, j - 2) && same(i - 2, j - 1) && !same(i - 1, j - 1)) {
        best = std::min(best, at(i - 2, j - 2) + 1);
      }
      at(i, j) = best;
    }
  }
  // Back from the end. At equal cost a letter kept or replaced comes first, then a swap, then a
  // letter too many, then one left out: the marks then fall on the letters the child changed.
  std::size_t i = n;
  std::size_t j = m;
  while (i > 0 || j > 0) {
    const int here = at(i, j);
    if (i > 0 && j > 0 && here == at(i - 1, j - 1) + (same(i - 1, j - 1) ? 0 : 1)) {
      if (!same(i - 1, j - 1)) wrong[j - 1] = true;
      --i;
      --j;
    } else if (i > 1 && j > 1 && same(i - 1, j - 2) && same(i - 2, j - 1) && !same(i - 1, j - 1) &&
               here == at(i - 2, j - 2) + 1) {
      wrong[j - 1] = wrong[j - 2] = true;
      i -= 2;
      j -= 2;
    } else if (j > 0 && here == at(i, j - 1) + 1) {
      wrong[j - 1] = true;
      --j;
    } else {
      // A word letter with no letter of the attempt: the one after the gap shows it.
      wrong[std::min(j, m - 1)] = true;
      --i;
    }
  }
  return wrong;
}

}  // namespace speech
