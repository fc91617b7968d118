// The editor's markup buttons on any text and selection: only their own marks change and the
// selection they give back lies inside the new text.
#include "exercises/exercise_markup.h"
#include "fuzz_input.h"

namespace {

std::string Without(const std::string& s, char open, char close) {
  std::string out;
  for (char c : s) {
    if (c != open && c != close) out += c;
  }
  return out;
}

std::size_t TakePosition(std::string_view& bytes) {
  const std::size_t high = fuzzing::TakeByte(bytes);
  return high * 256 + fuzzing::TakeByte(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using exercises::MarkedText;
  std::string_view bytes = fuzzing::Bytes(data, size);
  const unsigned char operation = fuzzing::TakeByte(bytes);
  MarkedText in;
  in.selectionStart = TakePosition(bytes);
  in.selectionEnd = TakePosition(bytes);
  in.text = std::string(bytes);
  static MarkedText (*const kOperations[])(const MarkedText&) = {
      exercises::Hide, exercises::HideAll, exercises::MakeVisible,
      exercises::Link, exercises::LinkAll, exercises::Unlink};
  const std::size_t which = operation % 6;
  const MarkedText out = kOperations[which](in);
  fuzzing::Check(out.selectionStart <= out.selectionEnd, "selection in order");
  fuzzing::Check(out.selectionEnd <= out.text.size(), "selection inside the text");
  const bool hiding = which < 3;
  const char open = hiding ? '[' : '(';
  const char close = hiding ? ']' : ')';
  fuzzing::Check(Without(out.text, open, close) == Without(in.text, open, close),
                 "only the button's own marks change");
  const bool noSelection =
      std::min(in.selectionStart, in.text.size()) == std::min(in.selectionEnd, in.text.size());
  if ((which == 2 || which == 5) && noSelection) {
    fuzzing::Check(
        out.text.find(open) == std::string::npos && out.text.find(close) == std::string::npos,
        "every mark dropped");
  }
  return 0;
}
