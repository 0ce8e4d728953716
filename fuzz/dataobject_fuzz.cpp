// Feeds random offers through TDataObject: a list of formats, each with a
// number (mostly one of the formats it decodes), a medium kind, a block and a
// chance of being refused, then decodes every format offered. A block is
// either random bytes or shaped like the format's layout with random fields
// (offsets, counts, sizes, names), so that the fuzzer reaches the decoders'
// depths quickly. Besides memory errors, it stops on a medium that was not
// given back, or given back still locked.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "exchange/dataobject.h"
#include "exchange/memorysource.h"

namespace {

constexpr uint16_t kGroupDescriptor = 0xC001;

struct KnownFormat {
    uint16_t number;
    const char* name;
};

constexpr KnownFormat kKnown[] = {
    {ClipFormat::CF_TEXT, ""},  {ClipFormat::CF_DIB, ""},
    {ClipFormat::CF_HDROP, ""}, {kGroupDescriptor, "FileGroupDescriptor"},
    {0xC002, "FileContents"},   {0xC003, "Rich Text Format"},
};

// Storage is left out: it writes a file into the current folder.
constexpr uint32_t kMedia[] = {TYMED_HGLOBAL, TYMED_HGLOBAL, TYMED_HGLOBAL, TYMED_ISTREAM,
                               TYMED_FILE,    TYMED_GDI,     TYMED_NULL};

void Put(Bytes& block, size_t at, uint32_t value, int bytes) {
    if (block.size() < at + size_t(bytes)) block.resize(at + size_t(bytes), 0);
    for (int i = 0; i < bytes; ++i)
        block[at + size_t(i)] = uint8_t(value >> (8 * i));
}

void AppendRandom(FuzzedDataProvider& input, Bytes& block, size_t most) {
    const Bytes tail = input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange<size_t>(0, most));
    block.insert(block.end(), tail.begin(), tail.end());
}

Bytes ShapedDib(FuzzedDataProvider& input) {
    static constexpr uint32_t kHeaderSizes[] = {12, 40, 40, 40, 52, 56, 108, 124};
    static constexpr uint16_t kBitCounts[] = {1, 4, 8, 16, 24, 32, 0, 7};
    const uint32_t headerSize = input.PickValueInArray(kHeaderSizes);
    Bytes dib(headerSize, 0);
    Put(dib, 0, headerSize, 4);
    const auto width = uint32_t(input.ConsumeIntegralInRange<int32_t>(-3, 70));
    const auto height = uint32_t(input.ConsumeIntegralInRange<int32_t>(-70, 70));
    const uint16_t bitCount = input.PickValueInArray(kBitCounts);
    if (headerSize == 12) {
        Put(dib, 4, width, 2);
        Put(dib, 6, height, 2);
        Put(dib, 8, 1, 2);
        Put(dib, 10, bitCount, 2);
    } else {
        Put(dib, 4, width, 4);
        Put(dib, 8, height, 4);
        Put(dib, 12, 1, 2);
        Put(dib, 14, bitCount, 2);
        Put(dib, 16, input.ConsumeIntegralInRange<uint32_t>(0, 4), 4);    // compression
        Put(dib, 32, input.ConsumeIntegralInRange<uint32_t>(0, 300), 4);  // colours used
    }
    AppendRandom(input, dib, 20000);
    return dib;
}

Bytes ShapedFileDrop(FuzzedDataProvider& input) {
    Bytes block(20, 0);
    Put(block, 0, input.ConsumeBool() ? 20 : input.ConsumeIntegral<uint32_t>() % 64, 4);
    const bool wide = input.ConsumeBool();
    const int names = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < names; ++i) {
        for (const char c : input.ConsumeRandomLengthString(40)) {
            block.push_back(uint8_t(c));
            if (wide) block.push_back(0);
        }
        block.insert(block.end(), wide ? 2 : 1, 0);
    }
    if (input.ConsumeBool()) block.insert(block.end(), wide ? 2 : 1, 0);
    return block;
}

Bytes ShapedGroup(FuzzedDataProvider& input) {
    const int files = input.ConsumeIntegralInRange(0, 3);
    Bytes block(4 + 332 * size_t(files), 0);
    Put(block, 0, input.ConsumeBool() ? uint32_t(files) : input.ConsumeIntegral<uint32_t>(), 4);
    for (int i = 0; i < files; ++i) {
        const std::string name = input.ConsumeRandomLengthString(300).substr(0, 260);
        std::copy(name.begin(), name.end(), block.begin() + 4 + 332 * i + 72);
    }
    if (input.ConsumeBool() && !block.empty())
        block.resize(input.ConsumeIntegralInRange<size_t>(0, block.size()));
    return block;
}

Bytes Block(FuzzedDataProvider& input, uint16_t format) {
    if (input.ConsumeBool()) {
        if (format == ClipFormat::CF_DIB) return ShapedDib(input);
        if (format == ClipFormat::CF_HDROP) return ShapedFileDrop(input);
        if (format == kGroupDescriptor) return ShapedGroup(input);
    }
    return input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange<size_t>(0, 4096));
}

void Offer(FuzzedDataProvider& input, MemoryDataSource& source) {
    const size_t pick = input.ConsumeIntegralInRange<size_t>(0, std::size(kKnown));
    const KnownFormat format = pick < std::size(kKnown)
                                   ? kKnown[pick]
                                   : KnownFormat{input.ConsumeIntegral<uint16_t>(), "x"};
    const uint32_t medium = input.PickValueInArray(kMedia);
    const uint8_t flags = input.ConsumeIntegral<uint8_t>();
    Bytes block = Block(input, format.number);
    if (medium == TYMED_HGLOBAL) {
        source.OfferGlobal(format.number, std::move(block), format.name);
    } else if (medium == TYMED_ISTREAM) {
        source.OfferStream(format.number, std::move(block), format.name);
    } else {
        source.OfferMedium(format.number, medium, format.name);
    }
    if (flags & 1) source.RefuseLast();
    if (flags & 2) source.FailLast();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    MemoryDataSource source;
    const int offers = input.ConsumeIntegralInRange(1, 6);
    for (int i = 0; i < offers && input.remaining_bytes() > 0; ++i)
        Offer(input, source);

    TDataObject object;
    object.ExtensionsExcloses = "EXE,BAT";
    object.PosarDades(&source);
    for (int i = 0; i < object.Formats().Count(); ++i) {
        if (!object.BuscarFormat(i % 3, object.Formats().Strings(i))) continue;
        object.LlegirElements();
        for (int item = 0; item < object.NumElements(); ++item) {
            if (const MemoryStream* stream = object.FluxElement(item)) (void)stream->Text();
            (void)object.ImatgeElement(item);
            (void)object.NomElement(item);
        }
    }
    (void)object.LlegirText("CF_TEXT");
    if (source.MediaReleased() != source.MediaHandedOut() || source.LockedReleases() != 0) {
        std::abort();
    }
    return 0;
}
