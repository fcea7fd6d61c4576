#pragma once
// Big-endian byte buffer with back-patched length fields, the shape every
// navigation file is made of.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace bdnav {

class ByteWriter {
 public:
  void u8(uint32_t v);
  void u16(uint32_t v);
  void u32(uint32_t v);
  void zeros(size_t count);
  // Exactly `size` bytes of text, cut or padded with `pad`.
  void text(std::string_view s, size_t size, char pad = '\0');
  void bytes(const std::vector<uint8_t>& b);
  // Zero bytes up to the next multiple of `unit`.
  void align(size_t unit);

  // A reserved length field of 1, 2 or 4 bytes; closeLength fills it with
  // the number of bytes written after it.
  struct LengthMark {
    size_t at;
    int width;
  };
  LengthMark openLength(int width);
  void closeLength(LengthMark mark);

  // Writes the current size as a 32-bit value at `offset` (start addresses).
  void patchAddress(size_t offset);

  size_t size() const { return data_.size(); }
  const std::vector<uint8_t>& data() const { return data_; }

 private:
  void put(uint32_t v, int bytes, size_t at);
  std::vector<uint8_t> data_;
};

}  // namespace bdnav
