#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

// The program's binary files: little-endian 32-bit fields and fixed-size text fields, no header.
namespace base {

class FieldWriter {
 public:
  void Int(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((u >> (8 * i)) & 0xFF);
  }
  void Bool(bool b) { Int(b ? 1 : 0); }
  void Float(float f) { Int(std::bit_cast<std::int32_t>(f)); }
  // The text and its zero in a field of `size` bytes; a longer text is cut to size - 1.
  void Text(const std::string& s, std::size_t size) {
    std::string field(size, '\0');
    std::memcpy(field.data(), s.data(), std::min(s.size(), size - 1));
    bytes_ += field;
  }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// Reads the fields in order; a field beyond the end of a short file is not there.
class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}
  std::optional<std::int32_t> Int() {
    if (pos_ + 4 > bytes_.size()) return std::nullopt;
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) {
      u |= static_cast<std::uint32_t>(
               static_cast<unsigned char>(bytes_[pos_ + static_cast<std::size_t>(i)]))
           << (8 * i);
    }
    pos_ += 4;
    return static_cast<std::int32_t>(u);
  }
  std::optional<float> Float() {
    const auto v = Int();
    if (!v) return std::nullopt;
    return std::bit_cast<float>(*v);
  }
  // The text up to its first zero (the whole field when it has none).
  std::optional<std::string> Text(std::size_t size) {
    if (pos_ + size > bytes_.size()) return std::nullopt;
    std::string_view field = bytes_.substr(pos_, size);
    pos_ += size;
    return std::string(field.substr(0, field.find('\0')));
  }
  std::size_t Remaining() const { return bytes_.size() - pos_; }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace base
