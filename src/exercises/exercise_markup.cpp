#include "exercises/exercise_markup.h"

#include <algorithm>
#include <string_view>

namespace exercises {

namespace {

struct Marks {
  char open;
  char close;
};
constexpr Marks kHidden{'[', ']'};
constexpr Marks kLinked{'(', ')'};

std::string WithoutMarks(std::string_view s, Marks marks) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c != marks.open && c != marks.close) out += c;
  }
  return out;
}

// The selection in order and inside the text, whatever the box handed over.
void OrderedSelection(const MarkedText& in, std::size_t& start, std::size_t& end) {
  start = std::min(std::min(in.selectionStart, in.selectionEnd), in.text.size());
  end = std::min(std::max(in.selectionStart, in.selectionEnd), in.text.size());
}

// The box's text with [start, end) replaced; the caret stands after what was put in.
MarkedText Replaced(const std::string& text, std::size_t start, std::size_t end,
                    const std::string& replacement) {
  MarkedText out;
  out.text = text.substr(0, start) + replacement + text.substr(end);
  out.selectionStart = out.selectionEnd = start + replacement.size();
  return out;
}

MarkedText Unmark(const MarkedText& in, Marks marks) {
  std::size_t start = 0;
  std::size_t end = 0;
  OrderedSelection(in, start, end);
  if (start >= end) return {WithoutMarks(in.text, marks), 0, 0};
  const std::string& t = in.text;
  // A selection that starts or ends inside a marked word takes in that word's marks.
  for (std::size_t i = start; i > 0; --i) {
    const char c = t[i - 1];
    if (c == marks.close) break;
    if (c == marks.open) {
      start = i - 1;
      break;
    }
  }
  for (std::size_t i = end; i < t.size(); ++i) {
    const char c = t[i];
    if (c == marks.open) break;
    if (c == marks.close) {
      end = i + 1;
      break;
    }
  }
  return Replaced(t, start, end,
                  WithoutMarks(std::string_view(t).substr(start, end - start), marks));
}

MarkedText MarkEveryWord(const MarkedText& in, Marks marks) {
  const std::string plain = WithoutMarks(in.text, marks);
  std::string out;
  out.reserve(plain.size() + plain.size() / 2 + 2);
  bool inWord = false;
  for (char c : plain) {
    const bool blank = IsMarkupBlank(c);
    if (!blank && !inWord) out += marks.open;
    if (blank && inWord) out += marks.close;
    inWord = !blank;
    out += c;
  }
  if (inWord) out += marks.close;
  return {out, 0, 0};
}

MarkedText MarkSelection(const MarkedText& in, Marks marks) {
  std::size_t start = 0;
  std::size_t end = 0;
  OrderedSelection(in, start, end);
  if (start >= end) return MarkEveryWord(in, marks);
  const std::string s = WithoutMarks(std::string_view(in.text).substr(start, end - start), marks);
  std::string replacement;
  if (s.empty()) {
    // Only marks were selected: they go, and nothing is marked.
  } else if (const auto last = std::find_if_not(s.rbegin(), s.rend(), IsMarkupBlank);
             last != s.rend()) {
    const std::size_t kept = static_cast<std::size_t>(s.rend() - last);
    replacement = marks.open + s.substr(0, kept) + marks.close + s.substr(kept);
  } else {
    // Blanks only: all of them but the last are marked.
    replacement = marks.open + s.substr(0, s.size() - 1) + marks.close + s.back();
  }
  return Replaced(in.text, start, end, replacement);
}

}  // namespace

bool IsMarkupBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

MarkedText Hide(const MarkedText& in) {
  return MarkSelection(in, kHidden);
}

MarkedText HideAll(const MarkedText& in) {
  return MarkEveryWord(in, kHidden);
}

MarkedText MakeVisible(const MarkedText& in) {
  return Unmark(in, kHidden);
}

MarkedText Link(const MarkedText& in) {
  return MarkSelection(in, kLinked);
}

MarkedText LinkAll(const MarkedText& in) {
  return MarkEveryWord(in, kLinked);
}

MarkedText Unlink(const MarkedText& in) {
  return Unmark(in, kLinked);
}

}  // namespace exercises
