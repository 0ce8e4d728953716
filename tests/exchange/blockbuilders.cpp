#include "tests/exchange/blockbuilders.h"

#include <QString>

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Text8Block(const std::string& text) {
    Bytes block = BytesOf(text);
    block.push_back(0);
    return block;
}

Bytes Text16Block(const std::string& text) {
    Bytes block;
    for (const char16_t unit : QString::fromStdString(text).toStdU16String()) {
        block.push_back(uint8_t(unit & 0xFF));
        block.push_back(uint8_t(unit >> 8));
    }
    block.push_back(0);
    block.push_back(0);
    return block;
}

void PutU32(Bytes& block, size_t at, uint32_t value) {
    if (block.size() < at + 4) block.resize(at + 4, 0);
    for (int i = 0; i < 4; ++i)
        block[at + size_t(i)] = uint8_t(value >> (8 * i));
}

Bytes FileDropBlock(const std::vector<std::string>& names, bool wide) {
    Bytes block(20, 0);
    PutU32(block, 0, 20);
    PutU32(block, 16, wide ? 1 : 0);
    for (const std::string& name : names) {
        const Bytes encoded = wide ? Text16Block(name) : Text8Block(name);
        block.insert(block.end(), encoded.begin(), encoded.end());
    }
    block.insert(block.end(), wide ? 2 : 1, 0);
    return block;
}

Bytes GroupDescriptorBlock(uint32_t count, const std::vector<std::string>& names) {
    Bytes block(4 + 332 * names.size(), 0);
    PutU32(block, 0, count);
    for (size_t i = 0; i < names.size(); ++i) {
        std::copy(names[i].begin(), names[i].end(),
                  block.begin() + std::ptrdiff_t(4 + 332 * i + 72));
    }
    return block;
}

Bytes Dib24(int width, int height, const std::function<QColor(int x, int y)>& pixel) {
    const int stride = (width * 3 + 3) / 4 * 4;
    Bytes dib(40, 0);
    PutU32(dib, 0, 40);
    PutU32(dib, 4, uint32_t(width));
    PutU32(dib, 8, uint32_t(height));
    dib[12] = 1;   // planes
    dib[14] = 24;  // bits per pixel
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QColor c = pixel(x, y);
            dib.push_back(uint8_t(c.blue()));
            dib.push_back(uint8_t(c.green()));
            dib.push_back(uint8_t(c.red()));
        }
        dib.resize(dib.size() + size_t(stride - width * 3), 0);
    }
    return dib;
}
