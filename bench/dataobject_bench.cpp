// Reading dropped data at sizes a user can produce: a text of 100,000 lines
// handed on as lines, a list of 1,000 dropped files, and a 1920 x 1080 bitmap
// made into a JPEG picture.

#include <benchmark/benchmark.h>

#include <string>

#include "exchange/dataobject.h"
#include "exchange/droptarget.h"
#include "exchange/memorysource.h"

namespace {

Bytes TextBlock(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += std::to_string(i) + ",25\t+\r\n";
    Bytes block(text.begin(), text.end());
    block.push_back(0);
    return block;
}

Bytes FileDropBlock(int files) {
    Bytes block(20, 0);
    block[0] = 20;
    for (int i = 0; i < files; ++i) {
        const std::string name = "/home/botiga/factures/2024/factura-" + std::to_string(i) + ".pdf";
        block.insert(block.end(), name.begin(), name.end());
        block.push_back(0);
    }
    block.push_back(0);
    return block;
}

// A 24-bit bottom-up DIB with a colour gradient, which JPEG cannot shrink to nothing.
Bytes GradientDib(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    Bytes dib(40, 0);
    auto put = [&dib](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            dib[at + size_t(i)] = uint8_t(value >> (8 * i));
    };
    put(0, 40);
    put(4, uint32_t(width));
    put(8, uint32_t(height));
    dib[12] = 1;
    dib[14] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            dib.push_back(uint8_t(x));
            dib.push_back(uint8_t(y));
            dib.push_back(uint8_t(x + y));
        }
        dib.resize(dib.size() + size_t(stride - width * 3), 0);
    }
    return dib;
}

void BM_DropText100kLines(benchmark::State& state) {
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_TEXT, TextBlock(100000));
    TDropTarget target;
    int lines = 0;
    target.AddLines = [&lines](const TArrayCadena& received) { lines = received.Count(); };
    for (auto _ : state) {
        target.Drop(source, 0);
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
}
BENCHMARK(BM_DropText100kLines)->Unit(benchmark::kMillisecond);

void BM_FileList1000(benchmark::State& state) {
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_HDROP, FileDropBlock(1000));
    TDataObject data;
    data.PosarDades(&source);
    for (auto _ : state) {
        data.BuscarFormat(0, "CF_HDROP");
        data.LlegirElements();
        benchmark::DoNotOptimize(data.NumElements());
    }
}
BENCHMARK(BM_FileList1000)->Unit(benchmark::kMicrosecond);

void BM_PictureToJpeg1080p(benchmark::State& state) {
    MemoryDataSource source;
    source.OfferGlobal(ClipFormat::CF_DIB, GradientDib(1920, 1080));
    TDataObject data;
    data.PosarDades(&source);
    for (auto _ : state) {
        data.BuscarFormat(0, "CF_DIB");
        data.LlegirElements();
        benchmark::DoNotOptimize(data.ImatgeElement(0));
    }
    state.counters["jpeg_bytes"] = double(data.ImatgeElement(0)->size());
}
BENCHMARK(BM_PictureToJpeg1080p)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
