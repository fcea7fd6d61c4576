#pragma once
// The run-length code of PGS object data.

#include <cstdint>
#include <vector>

#include "pgs/image.h"

namespace pgs {

std::vector<uint8_t> encodeRle(const IndexedBitmap& bitmap);

// Lines that run short are filled with colour 0, lines that run long are
// cut; throws std::runtime_error when the data ends inside a code.
IndexedBitmap decodeRle(const uint8_t* data, size_t size, int width, int height);

}  // namespace pgs
