#pragma once

#include <cstdint>

namespace base {

// The program's one random generator, with the classic srand/rand contract and a range of
// 0 to 32767 on every platform: list shuffles and the scattering of pieces compute with it.
class RandomGenerator {
 public:
  static constexpr int kMax = 32767;

  void Seed(std::uint32_t seed) { state_ = seed; }
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t state_ = 1;
};

}  // namespace base
