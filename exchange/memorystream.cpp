#include "exchange/memorystream.h"

#include <algorithm>
#include <cstring>

size_t MemoryStream::Read(uint8_t* buffer, size_t count) {
    const size_t n = std::min(count, data_.size() - position_);
    if (n > 0) std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}
