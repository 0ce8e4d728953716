#pragma once

// Builders of the blocks a drop source hands out, for the exchange tests.

#include <QColor>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "exchange/datasource.h"

// The numbers the tests give the registered formats a file-group drop offers.
inline constexpr uint16_t kGroupDescriptor = 0xC001;
inline constexpr uint16_t kFileContents = 0xC002;

Bytes BytesOf(const std::string& text);
// The text with its NUL, as an 8-bit text block.
Bytes Text8Block(const std::string& text);
// The UTF-8 text as UTF-16 little-endian with its NUL character.
Bytes Text16Block(const std::string& text);
// A file-drop block whose name list starts at byte 20; `wide` writes UTF-16 names.
Bytes FileDropBlock(const std::vector<std::string>& names, bool wide);
// A file group descriptor holding `count` in its count field and one
// 332-byte descriptor per name.
Bytes GroupDescriptorBlock(uint32_t count, const std::vector<std::string>& names);
// A 24-bit bottom-up DIB with a 40-byte header; pixel(x, y) counts y from the top.
Bytes Dib24(int width, int height, const std::function<QColor(int x, int y)>& pixel);

void PutU32(Bytes& block, size_t at, uint32_t value);
