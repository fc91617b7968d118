#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// What every fuzz target shares: the input as text, and a check that stops the run loudly.
namespace fuzzing {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Takes the first byte off the input (0 when it is empty): a choice for the target.
inline unsigned char TakeByte(std::string_view& bytes) {
  if (bytes.empty()) return 0;
  const auto b = static_cast<unsigned char>(bytes.front());
  bytes.remove_prefix(1);
  return b;
}

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

inline void Check(bool holds, const char* what) {
  if (!holds) Fail(what);
}

}  // namespace fuzzing
