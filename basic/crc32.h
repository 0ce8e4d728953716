#pragma once

// CRC-32 (the polynomial of zlib, Ethernet and PNG), computed eight bytes at a
// time: a few hundred megabytes a second and more, so that checking a whole
// settings file costs little beside reading it.

#include <cstdint>
#include <string_view>

// The checksum of `bytes`; pass the checksum of the bytes before them as
// `crc` to go on over text that comes in pieces.
uint32_t Crc32(std::string_view bytes, uint32_t crc = 0);
