#include "basic/crc32.h"

#include <array>

namespace {

constexpr uint32_t kPolynomial = 0xEDB88320;  // reflected 0x04C11DB7
constexpr int kSlices = 8;

using Tables = std::array<std::array<uint32_t, 256>, kSlices>;

// Table 0 is the byte-wise table; table k advances a byte k more places.
constexpr Tables MakeTables() {
    Tables tables{};
    for (uint32_t byte = 0; byte < 256; ++byte) {
        uint32_t crc = byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) != 0 ? (crc >> 1) ^ kPolynomial : crc >> 1;
        tables[0][byte] = crc;
    }
    for (uint32_t byte = 0; byte < 256; ++byte)
        for (int k = 1; k < kSlices; ++k)
            tables[k][byte] = (tables[k - 1][byte] >> 8) ^ tables[0][tables[k - 1][byte] & 0xFF];
    return tables;
}

constexpr Tables kTables = MakeTables();

uint32_t Load32(const unsigned char* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace

uint32_t Crc32(std::string_view bytes, uint32_t crc) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t left = bytes.size();
    crc = ~crc;
    for (; left >= kSlices; left -= kSlices, p += kSlices) {
        const uint32_t low = Load32(p) ^ crc;
        const uint32_t high = Load32(p + 4);
        crc = kTables[7][low & 0xFF] ^ kTables[6][(low >> 8) & 0xFF] ^
              kTables[5][(low >> 16) & 0xFF] ^ kTables[4][low >> 24] ^ kTables[3][high & 0xFF] ^
              kTables[2][(high >> 8) & 0xFF] ^ kTables[1][(high >> 16) & 0xFF] ^
              kTables[0][high >> 24];
    }
    for (; left > 0; --left, ++p)
        crc = (crc >> 8) ^ kTables[0][(crc ^ *p) & 0xFF];
    return ~crc;
}
