#include "bdnav/byte_writer.h"

namespace bdnav {

void ByteWriter::put(uint32_t v, int bytes, size_t at) {
  for (int i = 0; i < bytes; ++i)
    data_[at + i] = static_cast<uint8_t>(v >> (8 * (bytes - 1 - i)));
}

void ByteWriter::u8(uint32_t v) { data_.push_back(static_cast<uint8_t>(v)); }

void ByteWriter::u16(uint32_t v) {
  data_.resize(data_.size() + 2);
  put(v, 2, data_.size() - 2);
}

void ByteWriter::u32(uint32_t v) {
  data_.resize(data_.size() + 4);
  put(v, 4, data_.size() - 4);
}

void ByteWriter::zeros(size_t count) { data_.resize(data_.size() + count, 0); }

void ByteWriter::text(std::string_view s, size_t size, char pad) {
  for (size_t i = 0; i < size; ++i)
    u8(static_cast<uint8_t>(i < s.size() ? s[i] : pad));
}

void ByteWriter::bytes(const std::vector<uint8_t>& b) {
  data_.insert(data_.end(), b.begin(), b.end());
}

void ByteWriter::align(size_t unit) { zeros((unit - data_.size() % unit) % unit); }

ByteWriter::LengthMark ByteWriter::openLength(int width) {
  zeros(width);
  return {data_.size() - width, width};
}

void ByteWriter::closeLength(LengthMark mark) {
  put(static_cast<uint32_t>(data_.size() - mark.at - mark.width), mark.width, mark.at);
}

void ByteWriter::patchAddress(size_t offset) {
  put(static_cast<uint32_t>(data_.size()), 4, offset);
}

}  // namespace bdnav
