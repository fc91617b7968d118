#pragma once

#include <cstddef>
#include <string>

// The markup a teacher puts in an exercise's text with the editor's buttons: "[...]" hides
// words (the child writes them), "(...)" links letters into one group. Each operation takes the
// text and its selection and gives them back changed; nothing else is touched.
namespace exercises {

struct MarkedText {
  std::string text;  // Windows-1252, lines separated by CR LF
  // The selection, as positions in text; start == end is a caret without a selection.
  std::size_t selectionStart = 0;
  std::size_t selectionEnd = 0;
};

// Space, tab, carriage return and line feed separate the words.
bool IsMarkupBlank(char c);

// The selected words in one pair of brackets, blanks after them left outside; brackets already
// in the selection are dropped first. Without a selection every word is hidden.
MarkedText Hide(const MarkedText& in);
// Every word of the text in its own pair of brackets, old brackets dropped first.
MarkedText HideAll(const MarkedText& in);
// The brackets of the hidden words the selection touches are dropped; without a selection,
// every bracket of the text.
MarkedText MakeVisible(const MarkedText& in);

// The same three with parentheses: the letters of the selection become one linked group.
MarkedText Link(const MarkedText& in);
// Every word linked on its own, old links dropped first.
MarkedText LinkAll(const MarkedText& in);
MarkedText Unlink(const MarkedText& in);

}  // namespace exercises
