#pragma once

// The bytes of one decoded item, with a read position (0 when created).

#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/datasource.h"

class MemoryStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(Bytes data) : data_(std::move(data)) {}

    const Bytes& Data() const { return data_; }
    size_t Size() const { return data_.size(); }
    size_t Position() const { return position_; }
    // Reads at most `count` bytes from the position on and advances it.
    size_t Read(uint8_t* buffer, size_t count);
    // All the bytes taken as a byte string, whatever the position.
    std::string Text() const { return std::string(data_.begin(), data_.end()); }

private:
    Bytes data_;
    size_t position_ = 0;
};
